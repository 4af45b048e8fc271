// Modes for the card-file readers and the imports: the card file as plain
// bytes, with its rich-text tail streamed into a note view, and
// as the stream of a compound file; the RTF-to-text reader; CSV, Vault, text and
// salvage imports. A card file the reader accepts must come out the same
// when it is saved, read again and saved again.
#include "FuzzModes.h"

#include "framework/core/Archive.h"
#include "framework/ui/RichEditCtrl.h"
#include "framework/ui/RichEditSafeRtf.h"
#include "model/CardFile.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "model/exchange/CardFileExchange.h"
#include "model/exchange/CsvImport.h"
#include "model/exchange/RtfReader.h"
#include "model/exchange/TextExchange.h"
#include "model/exchange/VaultImport.h"

#include <objbase.h>
#include <richedit.h>

#include <memory>

namespace qivfuzz {

namespace {

struct RootDeleter
{
    void operator()(C_QivCategory* pRoot) const { QivDeleteRoot(pRoot); }
};
using RootPtr = std::unique_ptr<C_QivCategory, RootDeleter>;

const char s_szRichNote[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs20 Gr\\'fc\\'dfe {\\b fett}\\cf1 rot\\par\\u8364? {\\*\\unbekannt x}\\tab Ende\\par }";

Bytes ToBytes(const char* psz)
{
    return Bytes(psz, psz + strlen(psz));
}

Bytes WriteTree(C_QivCategory* pRoot, HWND hView)
{
    return StoreArchive([&](CArchive& ar) { QivWriteCardFile(ar, pRoot, hView); });
}

RootPtr ReadTree(const Bytes& bytes, HWND hView)
{
    RootPtr root;
    LoadArchive(bytes, [&](CArchive& ar) { root.reset(QivReadCardFile(ar, hView)); });
    return root;
}

// A tree with what the format holds: nested categories, rich and plain
// notes, attachments, colours, an empty category and an empty entry.
RootPtr SeedTree()
{
    RootPtr root(new C_QivCategory("Notizen"));
    C_QivCategory* pWork = new C_QivCategory("Arbeit");
    C_QivCategory* pDeep = new C_QivCategory("Tief");
    C_QivEntry* pRich = new C_QivEntry("Besprechung");
    pRich->SetText(s_szRichNote, sizeof(s_szRichNote));
    pRich->m_lstAttachments.AddTail("C:\\Dokumente\\Plan.doc");
    pRich->m_lstAttachments.AddTail("Anhang ohne Pfad.txt");
    pRich->m_crBackground = RGB(255, 255, 200);
    C_QivEntry* pPlain = new C_QivEntry("Einkauf");
    const char szPlain[] = "Milch\r\nBrot";
    pPlain->SetText(szPlain, sizeof(szPlain));
    pDeep->InsertChild(new C_QivEntry(""), nullptr);
    pWork->InsertChild(pDeep, nullptr);
    pWork->InsertChild(pRich, nullptr);
    pWork->m_dwExpanded = 1;
    root->InsertChild(new C_QivCategory("Leer"), nullptr);
    root->InsertChild(pPlain, nullptr);
    root->InsertChild(pWork, nullptr);
    return root;
}

// The note view the rich-text tail is streamed into and out of. It stands
// in for the rich-edit control: it takes the stream whole and gives it back
// unchanged, so what is checked is the reader's hand-over of the tail (and
// not the control's own rich-text reader).
std::string g_sinkText;
BOOL g_bSinkModified = FALSE;

LRESULT CALLBACK StreamSinkProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    EDITSTREAM* pStream = reinterpret_cast<EDITSTREAM*>(lParam);
    switch (nMsg)
    {
    case EM_STREAMIN:
    {
        g_sinkText.clear();
        BYTE buffer[4096];
        LONG nGot = 0;
        while (pStream->pfnCallback(pStream->dwCookie, buffer, sizeof(buffer), &nGot) == 0
               && nGot > 0)
            g_sinkText.append(reinterpret_cast<char*>(buffer), static_cast<size_t>(nGot));
        return static_cast<LRESULT>(g_sinkText.size());
    }
    case EM_STREAMOUT:
    {
        LONG nDone = 0;
        for (size_t nAt = 0; nAt < g_sinkText.size(); nAt += 4096)
        {
            std::string piece = g_sinkText.substr(nAt, 4096);
            if (pStream->pfnCallback(pStream->dwCookie, reinterpret_cast<BYTE*>(&piece[0]),
                                     static_cast<LONG>(piece.size()), &nDone) != 0)
                break;
        }
        return static_cast<LRESULT>(g_sinkText.size());
    }
    case EM_SETMODIFY:
        g_bSinkModified = static_cast<BOOL>(wParam);
        return 0;
    case EM_GETMODIFY:
        return g_bSinkModified;
    default:
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    }
}

HWND StreamSink()
{
    static HWND hSink = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = StreamSinkProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "QivFuzzStreamSink";
        ::RegisterClassA(&wc);
        return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    }();
    return hSink;
}

// Saved, read again and saved again, the tree (and its tail, with a view)
// gives the same bytes.
FuzzResult CheckTreeStable(C_QivCategory* pRoot, HWND hView)
{
    FuzzResult result;
    result.bAccepted = true;
    Bytes first = WriteTree(pRoot, hView);
    RootPtr again;
    try
    {
        again = ReadTree(first, hView);
    }
    catch (CException* e)
    {
        e->Delete();
        result.strBroken = "the saved tree is refused when read again";
        return result;
    }
    Bytes second = WriteTree(again.get(), hView);
    if (first != second)
        result.strBroken = "saving the tree read back gives other bytes ("
                           + std::to_string(first.size()) + " and "
                           + std::to_string(second.size()) + ")";
    return result;
}

std::vector<std::string> CardFileDictionary()
{
    return {"Qivnotes", std::string("\x02\x0A", 2), std::string("\x01\x00", 2),
            std::string("\x28\x01", 2), std::string("\xFF\xFF", 2), std::string("\x01\x80", 2),
            std::string("\x02\x80", 2), std::string("\xFF\x7F", 2), std::string("\x00\x00", 2),
            "C_QivCategory", "C_QivEntry", "C_QivItem", "CObject", "{\\rtf1", "\\par }",
            std::string("\xFF\xFE\xFF", 3)};
}

std::vector<Bytes> CardFileSeeds()
{
    RootPtr root = SeedTree();
    RootPtr single(new C_QivCategory("Eine"));
    return {WriteTree(root.get(), nullptr), WriteTree(single.get(), nullptr)};
}

FuzzResult RunCardFile(const Bytes& input)
{
    RootPtr root = ReadTree(input, nullptr);
    return CheckTreeStable(root.get(), nullptr);
}

std::vector<Bytes> CardFileTailSeeds()
{
    g_sinkText = s_szRichNote;
    RootPtr root = SeedTree();
    return {WriteTree(root.get(), StreamSink())};
}

FuzzResult RunCardFileTail(const Bytes& input)
{
    RootPtr root = ReadTree(input, StreamSink());
    return CheckTreeStable(root.get(), StreamSink());
}

// Makes the file a compound file whose "Contents" stream holds the bytes.
void WriteCompoundFile(const CString& path, const Bytes& contents)
{
    std::wstring widePath = AfxAnsiToWide(path);
    IStorage* pStorage = nullptr;
    if (FAILED(::StgCreateDocfile(widePath.c_str(),
                                  STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                  &pStorage)))
        return;
    IStream* pStream = nullptr;
    if (SUCCEEDED(pStorage->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE
                                                          | STGM_SHARE_EXCLUSIVE,
                                         0, 0, &pStream)))
    {
        ULONG nWritten = 0;
        pStream->Write(contents.data(), static_cast<ULONG>(contents.size()), &nWritten);
        pStream->Release();
    }
    pStorage->Release();
}

// The input is the "Contents" stream: the compound file around it is made
// whole each time. (Damage to the container itself reaches the system's
// structured-storage code, not ours.)
FuzzResult RunCompound(const Bytes& input)
{
    CString path = WriteScratchFile("compound.qiv", Bytes());
    WriteCompoundFile(path, input);
    CQivCardFileStore store;
    FuzzResult result;
    if (store.Open(path, nullptr))
        result = CheckTreeStable(store.GetRoot(), nullptr);
    ::DeleteFileA(path);
    return result;
}

std::vector<std::string> RtfDictionary()
{
    return {"{\\rtf1", "\\par", "\\'e4", "\\'", "\\u8364?", "\\u-1", "\\uc2", "{\\*\\", "\\bin4 ",
            "\\bin", "{\\pict\\wmetafile8 0102}", "{\\fonttbl", "{\\colortbl;", "\\stylesheet",
            "{\\object", "\\objdata", "{\\field{\\*\\fldinst", "\\fldrslt", "\\tab", "\\line",
            "\\\\", "\\{", "\\}", "{", "}", "\\header", "\\ansicpg1252", "\\-", "\\~",
            "\\99999999999 ", "\r\n", std::string("\x1a", 1)};
}

std::vector<Bytes> RtfSeeds()
{
    return {ToBytes(s_szRichNote),
            ToBytes("{\\rtf1{\\info{\\title T}}{\\header Kopf}\\pard a\\line b\\tab c\\~d\\-e"
                    "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Link}}\\bin3 abc\\par}")};
}

FuzzResult RunRtf(const Bytes& input)
{
    CString text;
    FuzzResult result;
    result.bAccepted = ConvertRtfToText(reinterpret_cast<LPCSTR>(input.data()),
                                        static_cast<int>(input.size()), text)
                       != FALSE;
    return result;
}

// The system's rich-edit control reading outside rich text as the editor
// gets it: made safe first.
FuzzResult RunRichEdit(const Bytes& input)
{
    static HWND hEdit = ::CreateWindowExA(0, CRichEditCtrl::GetWindowClassName(), "", WS_POPUP | ES_MULTILINE,
                                          0, 0, 200, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    AfxStreamInSafely(hEdit, std::string(input.begin(), input.end()), SF_RTF);
    FuzzResult result;
    result.bAccepted = ::GetWindowTextLengthA(hEdit) > 0;
    return result;
}

std::vector<std::string> RichEditDictionary()
{
    std::vector<std::string> words = RtfDictionary();
    words.insert(words.end(), {std::string(40, '{'), std::string(40, '}'), "\\" + std::string(1100, 'w'),
                               "\\fs" + std::string(1100, '9'), std::string(300, 'N'), ";"});
    return words;
}

std::vector<Bytes> RichEditSeeds()
{
    std::vector<Bytes> seeds = RtfSeeds();
    const std::string deep = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\snext0 Normal;}}Tief "
                             + std::string(31, '{') + "Innen" + std::string(31, '}') + "}";
    seeds.push_back(ToBytes(deep.c_str()));
    return seeds;
}

std::vector<std::string> CsvDictionary()
{
    return {"\"", ";", ",", "\r\n", "\n", "Titel", "Text", "\"\"", std::string("\x1a", 1),
            std::string("\0", 1)};
}

std::vector<Bytes> CsvSeeds()
{
    return {ToBytes("Titel;Text;Ort\n\"Eintrag\";\"Zeile\";Bonn\nZweiter;;\n"),
            ToBytes("\"Name\",\"Text\",\"Titel\"\r\na,b,c\r\n\"x\"\"y\",z\r\n")};
}

FuzzResult RunCsv(const Bytes& input)
{
    CString path = WriteScratchFile("import.csv", input);
    CQivNewItems items = QivReadCsvFile(path);
    ::DeleteFileA(path);
    FuzzResult result;
    result.bAccepted = true;
    return result;
}

// Vault records: title length byte, title, text length word, three (or
// five, for long texts) bytes, text, level byte, five bytes.
void AppendVaultRecord(Bytes& bytes, const std::string& title, const std::string& text, BYTE nLevel)
{
    bytes.push_back(static_cast<BYTE>(title.size()));
    bytes.insert(bytes.end(), title.begin(), title.end());
    bytes.push_back(static_cast<BYTE>(text.size()));
    bytes.push_back(static_cast<BYTE>(text.size() >> 8));
    bytes.insert(bytes.end(), text.size() < 256 ? 3 : 5, 0);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(nLevel);
    bytes.insert(bytes.end(), 5, 0);
}

std::vector<Bytes> VaultSeeds()
{
    Bytes bytes = {5, 0, 0, 0};
    AppendVaultRecord(bytes, "Oben", "Text oben", 0);
    AppendVaultRecord(bytes, "Kind", std::string(300, 'k'), 1);
    AppendVaultRecord(bytes, "Enkel", "", 2);
    AppendVaultRecord(bytes, "Kind 2", "b", 1);
    AppendVaultRecord(bytes, "Oben 2", "c", 0);
    return {bytes};
}

std::vector<std::string> VaultDictionary()
{
    return {std::string("\x00", 1), std::string("\xFF", 1), std::string("\x01", 1),
            std::string("\x02", 1), std::string("\xFF\xFF", 2), std::string("\x00\x01", 2)};
}

FuzzResult RunVault(const Bytes& input)
{
    CString path = WriteScratchFile("import.vlt", input);
    CQivVaultImport imported = QivReadVaultFile(path);
    ::DeleteFileA(path);
    FuzzResult result;
    result.bAccepted = imported.nImported > 0;
    return result;
}

std::vector<Bytes> TextSeeds()
{
    return {ToBytes(s_szRichNote), ToBytes("Eine Zeile\r\nund noch eine\r\n\x1a")};
}

FuzzResult RunText(const Bytes& input)
{
    bool bRich = input.size() >= 5 && memcmp(input.data(), "{\\rtf", 5) == 0;
    CString path = WriteScratchFile(bRich ? "notiz.rtf" : "notiz.txt", input);
    std::unique_ptr<C_QivEntry> entry(QivReadFileAsEntry(path));
    ::DeleteFileA(path);
    FuzzResult result;
    result.bAccepted = entry != nullptr;
    return result;
}

std::vector<Bytes> SalvageSeeds()
{
    RootPtr root = SeedTree();
    return {WriteTree(root.get(), nullptr), ToBytes("}Titel{\\rtf1 ohne Ende")};
}

FuzzResult RunSalvage(const Bytes& input)
{
    CString path = WriteScratchFile("rettung.bin", input);
    CQivNewItems notes;
    ULONGLONG nLength = 0;
    QivSalvage salvage = QivSalvageNotes(path, notes, nLength);
    ::DeleteFileA(path);
    FuzzResult result;
    result.bAccepted = salvage == QivSalvage::ok;
    return result;
}

} // namespace

void AddModelModes(std::vector<FuzzMode>& modes)
{
    const size_t nCardFileMax = 64 * 1024;
    modes.push_back({"cardfile", CardFileSeeds, CardFileDictionary, RunCardFile, nCardFileMax});
    modes.push_back(
        {"cardfile-tail", CardFileTailSeeds, CardFileDictionary, RunCardFileTail, nCardFileMax});
    modes.push_back(
        {"cardfile-compound", CardFileSeeds, CardFileDictionary, RunCompound, nCardFileMax});
    modes.push_back({"rtf", RtfSeeds, RtfDictionary, RunRtf, 64 * 1024});
    modes.push_back({"richedit", RichEditSeeds, RichEditDictionary, RunRichEdit, 64 * 1024});
    modes.push_back({"csv", CsvSeeds, CsvDictionary, RunCsv, 64 * 1024});
    modes.push_back({"vault", VaultSeeds, VaultDictionary, RunVault, 64 * 1024});
    modes.push_back({"text", TextSeeds, RtfDictionary, RunText, 64 * 1024});
    modes.push_back({"salvage", SalvageSeeds, RtfDictionary, RunSalvage, 64 * 1024});
}

} // namespace qivfuzz
