// Modes for the toolkit's stored forms: PNG images, stored icons, and one
// routine that exchanges every value type (with an image manager below it)
// through each property-exchange back end: archive, INI file and registry.
// A stored form the loader accepts must be stable: stored, loaded and
// stored again it gives the same form. Loading from the registry must
// create no key.
#include "FuzzModes.h"

#include "TestDib.h"
#include "TestImages.h"
#include "framework/core/Archive.h"
#include "framework/core/OleDateTime.h"
#include "framework/core/OleVariant.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeIniFile.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/draw/GraphicBitmapPng.h"
#include "toolkit/draw/ImageManager.h"

#include <shlwapi.h>
#include <stdlib.h>
#include <zlib.h>

#include <functional>
#include <map>

// A small serializable object for the class and object values; outside
// the anonymous namespace, as the archive operators of its class are external.
class CFuzzObject : public CObject
{
    DECLARE_SERIAL(CFuzzObject)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nValue << m_strName;
        else
            ar >> m_nValue >> m_strName;
    }
    int m_nValue = 0;
    CString m_strName;
};
IMPLEMENT_SERIAL(CFuzzObject, CObject, 1)

namespace qivfuzz {

namespace {

// --- PNG ----------------------------------------------------------------------

void AppendBigEndian(Bytes& bytes, uint32_t n)
{
    for (int i = 3; i >= 0; --i)
        bytes.push_back(static_cast<unsigned char>(n >> (8 * i)));
}

void AppendChunk(Bytes& png, const char* pszType, const Bytes& data)
{
    AppendBigEndian(png, static_cast<uint32_t>(data.size()));
    Bytes typed(pszType, pszType + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    AppendBigEndian(png, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

// A PNG of the given header fields whose rows (filter byte included) are
// the raw bytes; a palette and a transparency chunk where given.
Bytes MakePng(uint32_t nWidth, uint32_t nHeight, BYTE nDepth, BYTE nColorType, BYTE nInterlace,
              const Bytes& raw, const Bytes& palette = Bytes(), const Bytes& trns = Bytes())
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    AppendBigEndian(header, nWidth);
    AppendBigEndian(header, nHeight);
    header.insert(header.end(), {nDepth, nColorType, 0, 0, nInterlace});
    AppendChunk(png, "IHDR", header);
    if (!palette.empty())
        AppendChunk(png, "PLTE", palette);
    if (!trns.empty())
        AppendChunk(png, "tRNS", trns);
    uLongf nPacked = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(nPacked);
    compress2(packed.data(), &nPacked, raw.data(), static_cast<uLong>(raw.size()), 9);
    packed.resize(nPacked);
    AppendChunk(png, "IDAT", packed);
    AppendChunk(png, "IEND", Bytes());
    return png;
}

std::vector<Bytes> PngSeeds()
{
    Bytes rgba;
    for (int y = 0; y < 4; ++y)
    {
        rgba.push_back(static_cast<BYTE>(y % 5));   // each filter type once
        for (int x = 0; x < 16; ++x)
            rgba.push_back(static_cast<BYTE>(x * 16 + y));
    }
    Bytes palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    Bytes indexed = {0, 0x12, 0, 0x20};
    Bytes grey16;
    for (int y = 0; y < 3; ++y)
    {
        grey16.push_back(0);
        for (int x = 0; x < 6; ++x)
            grey16.push_back(static_cast<BYTE>(x * 40));
    }
    Bytes interlaced(1 + 3 * 8, 0x55);
    return {MakePng(4, 4, 8, 6, 0, rgba), MakePng(3, 2, 2, 3, 0, indexed, palette, {0, 128}),
            MakePng(3, 3, 16, 0, 0, grey16), MakePng(8, 1, 8, 2, 1, interlaced)};
}

std::vector<std::string> PngDictionary()
{
    return {"IHDR", "PLTE", "tRNS", "IDAT", "IEND", "gAMA", "iCCP", "zTXt", "acTL",
            std::string("\x00\x00\x00\x00", 4), std::string("\xFF\xFF\xFF\xFF", 4),
            std::string("\x78\x9C", 2)};
}

FuzzResult RunPng(const Bytes& input)
{
    CXTPGraphicBitmapPng png;
    FuzzResult result;
    result.bAccepted = png.LoadFromMemory(input.data(), static_cast<UINT>(input.size())) != FALSE;
    if (result.bAccepted)
    {
        BITMAP bm = {};
        if (!png.GetBitmap(&bm) || bm.bmWidth <= 0 || bm.bmHeight == 0 || bm.bmBitsPixel != 32)
            result.strBroken = "an accepted image is no 32-bit bitmap";
    }
    return result;
}

// --- Stored icons -------------------------------------------------------------

TestPixel Pattern(int x, int y)
{
    return {RGB(x * 15, y * 15, 128), static_cast<BYTE>((x + y) % 3 ? 255 : 0)};
}

std::vector<Bytes> IconSeeds()
{
    HICON hIcon = MakeTestIcon(16, 16, Pattern);
    HBITMAP hAlpha = MakeAlphaBitmap(16, 16, Pattern);
    CXTPImageManagerIcon icon(1, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(hIcon));
    icon.SetHotIcon(CXTPImageManagerIconHandle(hIcon));
    icon.SetPressedIcon(CXTPImageManagerIconHandle(hIcon));
    CXTPImageManagerIcon alpha(2, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(hAlpha));
    alpha.SetDisabledIcon(CXTPImageManagerIconHandle(hAlpha));
    ::DestroyIcon(hIcon);
    ::DeleteObject(hAlpha);
    return {StoreArchive([&](CArchive& ar) { icon.Serialize(ar); }),
            StoreArchive([&](CArchive& ar) { alpha.Serialize(ar); })};
}

std::vector<std::string> IconDictionary()
{
    return {std::string("\x28\x00\x00\x00", 4), std::string("\x12\x00\x00\x00", 4),
            std::string("\x07\x00\x00\x00", 4), std::string("\x00\x04\x00\x00", 4),
            std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 6), std::string("\x34\x00", 2),
            std::string("\x20\x00", 2), std::string("\x01\x00\x20\x00", 4)};
}

// Every image of the icon drawn, the generated ones made on the way.
void DrawEveryImage(CXTPImageManagerIcon& icon)
{
    CTestDib dib(40, 40);
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetNormalImage());
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetDisabledImage());
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetFadedImage());
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetShadowImage());
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetPressedImage(), 24, 24);
}

FuzzResult RunIcon(const Bytes& input)
{
    CXTPImageManagerIcon icon(1, 16, 0);
    LoadArchive(input, [&](CArchive& ar) { icon.Serialize(ar); });
    FuzzResult result;
    result.bAccepted = true;
    DrawEveryImage(icon);
    Bytes first = StoreArchive([&](CArchive& ar) { icon.Serialize(ar); });
    CXTPImageManagerIcon again(1, 16, 0);
    LoadArchive(first, [&](CArchive& ar) { again.Serialize(ar); });
    Bytes second = StoreArchive([&](CArchive& ar) { again.Serialize(ar); });
    if (first != second)
        result.strBroken = "a loaded icon stored twice gives other bytes";
    return result;
}

// --- Every value type through each property exchange ------------------------------

struct CExchangedState
{
    CExchangedState() : m_bstr(::SysAllocString(L"")) {}
    ~CExchangedState()
    {
        ::SysFreeString(m_bstr);
        free(m_pBlob);
        delete m_pObject;
    }
    CExchangedState(const CExchangedState&) = delete;
    CExchangedState& operator=(const CExchangedState&) = delete;

    BYTE m_by = 0;
    short m_n16 = 0;
    int m_n32 = 0;
    BOOL m_b = FALSE;
    float m_f = 0;
    double m_d = 0;
    CY m_cy = {};
    COleDateTime m_date;
    BSTR m_bstr;
    COleVariant m_var;
    CString m_str;
    CSize m_size = CSize(0, 0);
    CRect m_rect = CRect(0, 0, 0, 0);
    CRuntimeClass* m_pClass = nullptr;
    BYTE* m_pBlob = nullptr;
    DWORD m_nBlob = 0;
    CObject* m_pObject = nullptr;
    CXTPImageManager m_images;
};

void ExchangeState(CXTPPropExchange* pPX, CExchangedState& s)
{
    pPX->ExchangeSchemaNumber();
    ExchangeByteProperty(pPX, "Byte", s.m_by, 0);
    ExchangeShortProperty(pPX, "Kurz", s.m_n16, 0);
    ExchangeIntProperty(pPX, "Zahl", s.m_n32, 0);
    ExchangeBoolProperty(pPX, "Schalter", s.m_b, FALSE);
    float fZero = 0;
    double dZero = 0;
    CY cyZero = {};
    pPX->ExchangeValue("Einfach", VT_R4, &s.m_f, &fZero);
    pPX->ExchangeValue("Doppelt", VT_R8, &s.m_d, &dZero);
    pPX->ExchangeValue("Betrag", VT_CY, &s.m_cy, &cyZero);
    pPX->ExchangeValue("Datum", VT_DATE, &s.m_date, nullptr);
    pPX->ExchangeValue("Breit", VT_BSTR, &s.m_bstr, nullptr);
    pPX->ExchangeValue("Variante", VT_VARIANT, &s.m_var, nullptr);
    ExchangeStringProperty(pPX, "Text", s.m_str, "");
    ExchangeSizeProperty(pPX, "Groesse", s.m_size, CSize(0, 0));
    ExchangeRectProperty(pPX, "Rechteck", s.m_rect, CRect(0, 0, 0, 0));
    ExchangeClassProperty(pPX, "Klasse", s.m_pClass, RUNTIME_CLASS(CFuzzObject));
    if (pPX->IsLoading())
    {
        free(s.m_pBlob);
        s.m_pBlob = nullptr;
        s.m_nBlob = 0;
    }
    ExchangeBlobProperty(pPX, "Block", s.m_pBlob, s.m_nBlob);
    CXTPPropExchange* pSection = pPX->GetSection("Objekt");
    if (ExchangeRuntimeClass(pSection, s.m_pObject, RUNTIME_CLASS(CFuzzObject)) && s.m_pObject)
        ExchangeObjectProperty(pSection, "Daten", s.m_pObject);
    pSection->InternalRelease();
    pSection = pPX->GetSection("Bilder");
    s.m_images.DoPropExchange(pSection);
    pSection->InternalRelease();
}

// A state with a value of every type and two stored icon sets.
void FillState(CExchangedState& s)
{
    s.m_by = 200;
    s.m_n16 = -2;
    s.m_n32 = 123456;
    s.m_b = TRUE;
    s.m_f = 1.5f;
    s.m_d = 2.25;
    s.m_cy.int64 = 12345;
    s.m_date = COleDateTime(2005, 12, 31, 8, 30, 0);
    ::SysFreeString(s.m_bstr);
    s.m_bstr = ::SysAllocString(L"breit");
    s.m_var = COleVariant(COleDateTime(2001, 2, 3, 0, 0, 0).m_dt);
    s.m_var.vt = VT_DATE;
    s.m_str = "Zeile\\eins\r\n\tzwei";
    s.m_size = CSize(3, -4);
    s.m_rect = CRect(1, 2, 30, 40);
    s.m_pClass = RUNTIME_CLASS(CFuzzObject);
    s.m_nBlob = 5;
    s.m_pBlob = static_cast<BYTE*>(malloc(5));
    memcpy(s.m_pBlob, "\x3C\x00\xFF\x10\x01", 5);
    HICON hIcon = MakeTestIcon(16, 16, Pattern);
    HBITMAP hAlpha = MakeAlphaBitmap(16, 16, Pattern);
    CFuzzObject* pObject = new CFuzzObject;
    pObject->m_nValue = 7;
    pObject->m_strName = "sieben";
    s.m_pObject = pObject;
    s.m_images.SetIcon(CXTPImageManagerIconHandle(hIcon), 100);
    s.m_images.SetIcon(CXTPImageManagerIconHandle(hAlpha), 200);
    ::DestroyIcon(hIcon);
    ::DeleteObject(hAlpha);
}

// Loads the state from one stored form, stores it into a second, loads that
// and stores it into a third: the second and third must match.
template <class Load, class Store>
FuzzResult LoadAndCheckStable(Load load, Store store)
{
    FuzzResult result;
    {
        CExchangedState state;
        load(0, state);
        store(1, state);
    }
    result.bAccepted = true;
    CExchangedState again;
    load(1, again);
    store(2, again);
    return result;
}

// The archive back end.

Bytes StoreStateToArchive(CExchangedState& s)
{
    return StoreArchive([&](CArchive& ar) {
        CXTPPropExchangeArchive px(ar);
        ExchangeState(&px, s);
    });
}

void LoadStateFromArchive(const Bytes& bytes, CExchangedState& s)
{
    LoadArchive(bytes, [&](CArchive& ar) {
        CXTPPropExchangeArchive px(ar);
        ExchangeState(&px, s);
    });
}

std::vector<Bytes> ArchiveStateSeeds()
{
    CExchangedState state;
    FillState(state);
    CExchangedState empty;
    return {StoreStateToArchive(state), StoreStateToArchive(empty)};
}

std::vector<std::string> ArchiveStateDictionary()
{
    return {std::string("\xBF\xAD\xF0\x0F", 4), "CXTPImageManagerIcons", "CFuzzObject",
            std::string("\xFF\xFF", 2), std::string("\x01\x80", 2), std::string("\xFF\xFE\xFF", 3),
            std::string("\x12\x00\x00\x00", 4)};
}

FuzzResult RunArchiveState(const Bytes& input)
{
    Bytes forms[3] = {input};
    FuzzResult result = LoadAndCheckStable(
        [&](int i, CExchangedState& s) { LoadStateFromArchive(forms[i], s); },
        [&](int i, CExchangedState& s) { forms[i] = StoreStateToArchive(s); });
    if (forms[1] != forms[2])
        result.strBroken = "a loaded state stored twice gives other archive bytes";
    return result;
}

// The INI back end: the input is the file's text.

CString IniPath(int i)
{
    return WriteScratchFile(("state" + std::to_string(i) + ".ini").c_str(), Bytes());
}

void ExchangeIni(const CString& path, BOOL bLoading, CExchangedState& s)
{
    CXTPPropExchangeIniFile px(bLoading, nullptr, "Zustand");
    px.AssignFile(path);
    ExchangeState(&px, s);
}

std::vector<Bytes> IniStateSeeds()
{
    CExchangedState state;
    FillState(state);
    CString path = IniPath(0);
    ExchangeIni(path, FALSE, state);
    Bytes bytes = ReadWholeFile(path);
    ::DeleteFileA(path);
    return {bytes};
}

std::vector<std::string> IniStateDictionary()
{
    return {"[Zustand\\Bilder\\IconSet0]", "[Zustand]", "Count=2147483647\r\n", "Count=",
            "Data=", "Width=", "Id=", "=", "\r\n", "\\", "\\n", "2005-31-12T08:30:00",
            "CheckSum=CXTPImageManagerIcons\r\n", "AAAA", "PPPP", "-1", "4294967295"};
}

FuzzResult RunIniState(const Bytes& input)
{
    CString paths[3];
    for (int i = 0; i < 3; ++i)
        paths[i] = IniPath(i);
    // Profile calls read files as text: the text stops at the first NUL.
    Bytes text(input.begin(), std::find(input.begin(), input.end(), 0));
    WriteScratchFile("state0.ini", text);
    FuzzResult result = LoadAndCheckStable(
        [&](int i, CExchangedState& s) { ExchangeIni(paths[i], TRUE, s); },
        [&](int i, CExchangedState& s) { ExchangeIni(paths[i], FALSE, s); });
    if (ReadWholeFile(paths[0]) != text)
        result.strBroken = "loading changed the INI file";
    else if (ReadWholeFile(paths[1]) != ReadWholeFile(paths[2]))
        result.strBroken = "a loaded state stored twice gives other INI text";
    for (const CString& path : paths)
        ::DeleteFileA(path);
    return result;
}

// The registry back end. Its input is a list of values: a path below the
// exchange's key, a name, a type and the data, each with its length first.

struct RegistryValue
{
    std::string path;
    std::string name;
    DWORD dwType;
    std::string data;
};
using RegistryValues = std::map<std::pair<std::string, std::string>, RegistryValue>;

class CByteReader
{
public:
    explicit CByteReader(const Bytes& bytes) : m_bytes(bytes) {}
    bool Take(size_t n, std::string& out)
    {
        if (m_bytes.size() - m_nAt < n)
            return false;
        out.assign(m_bytes.begin() + static_cast<ptrdiff_t>(m_nAt),
                   m_bytes.begin() + static_cast<ptrdiff_t>(m_nAt + n));
        m_nAt += n;
        return true;
    }
    bool Byte(size_t& n)
    {
        std::string s;
        if (!Take(1, s))
            return false;
        n = static_cast<unsigned char>(s[0]);
        return true;
    }
    bool Word(size_t& n)
    {
        size_t lo = 0, hi = 0;
        if (!Byte(lo) || !Byte(hi))
            return false;
        n = lo | (hi << 8);
        return true;
    }

private:
    const Bytes& m_bytes;
    size_t m_nAt = 0;
};

Bytes EncodeValues(const RegistryValues& values)
{
    Bytes bytes;
    for (const auto& entry : values)
    {
        const RegistryValue& v = entry.second;
        bytes.push_back(static_cast<unsigned char>(v.path.size()));
        bytes.insert(bytes.end(), v.path.begin(), v.path.end());
        bytes.push_back(static_cast<unsigned char>(v.name.size()));
        bytes.insert(bytes.end(), v.name.begin(), v.name.end());
        bytes.push_back(static_cast<unsigned char>(v.dwType));
        bytes.push_back(static_cast<unsigned char>(v.data.size()));
        bytes.push_back(static_cast<unsigned char>(v.data.size() >> 8));
        bytes.insert(bytes.end(), v.data.begin(), v.data.end());
    }
    return bytes;
}

// Every value below hKey, with paths relative to it.
void ReadValues(HKEY hKey, const std::string& path, RegistryValues& values, int nDepth = 0)
{
    char szName[256];
    std::vector<BYTE> data(65536);
    for (DWORD i = 0; nDepth < 32; ++i)
    {
        DWORD nName = sizeof(szName);
        DWORD nData = static_cast<DWORD>(data.size());
        DWORD dwType = 0;
        if (::RegEnumValueA(hKey, i, szName, &nName, nullptr, &dwType, data.data(), &nData)
            != ERROR_SUCCESS)
            break;
        values[{path, szName}] = {path, szName, dwType,
                                  std::string(data.begin(), data.begin() + nData)};
    }
    for (DWORD i = 0; nDepth < 32; ++i)
    {
        DWORD nName = sizeof(szName);
        if (::RegEnumKeyExA(hKey, i, szName, &nName, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        HKEY hSub = nullptr;
        if (::RegOpenKeyExA(hKey, szName, 0, KEY_READ, &hSub) != ERROR_SUCCESS)
            continue;
        std::string sub = path.empty() ? szName : path + "\\" + szName;
        // A key without values still counts: it is recorded as one.
        values[{sub, std::string("\x01", 1)}] = {sub, std::string("\x01", 1), REG_NONE, ""};
        ReadValues(hSub, sub, values, nDepth + 1);
        ::RegCloseKey(hSub);
    }
}

class CScratchKey
{
public:
    CScratchKey()
    {
        m_strPath.Format("Software\\QivnotesFuzz\\%lu", ::GetCurrentProcessId());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strPath);
        ::RegCreateKeyA(HKEY_CURRENT_USER, m_strPath, &m_hKey);
    }
    ~CScratchKey()
    {
        ::RegCloseKey(m_hKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strPath);
    }
    HKEY Get() const { return m_hKey; }

private:
    CString m_strPath;
    HKEY m_hKey = nullptr;
};

void ExchangeRegistry(HKEY hRoot, int i, BOOL bLoading, CExchangedState& s)
{
    CXTPPropExchangeRegistry px(bLoading, hRoot, ("Zustand" + std::to_string(i)).c_str());
    ExchangeState(&px, s);
}

RegistryValues ValuesBelow(HKEY hRoot, const char* pszPath)
{
    RegistryValues values;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, pszPath, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
    {
        ReadValues(hKey, "", values);
        ::RegCloseKey(hKey);
    }
    return values;
}

std::vector<Bytes> RegistryStateSeeds()
{
    CScratchKey key;
    CExchangedState state;
    FillState(state);
    ExchangeRegistry(key.Get(), 0, FALSE, state);
    return {EncodeValues(ValuesBelow(key.Get(), "Zustand0"))};
}

std::vector<std::string> RegistryStateDictionary()
{
    return {"Bilder\\IconSet0", "Bilder\\IconSet0\\Icon0", "Count", "Data", "Width", "Id",
            "CheckSum", std::string("\x04", 1), std::string("\x01", 1), std::string("\x03", 1),
            std::string("\xFF\xFF\xFF\x7F", 4), "Objekt", "Klasse", "\\"};
}

// Writes the values of the input below Zustand0; a record cut short ends it.
void WriteValues(HKEY hRoot, const Bytes& input)
{
    CByteReader reader(input);
    for (;;)
    {
        size_t nPath = 0, nName = 0, nType = 0, nData = 0;
        std::string path, name, data;
        if (!reader.Byte(nPath) || !reader.Take(nPath, path) || !reader.Byte(nName)
            || !reader.Take(nName, name) || !reader.Byte(nType) || !reader.Word(nData)
            || !reader.Take(nData, data))
            return;
        std::string full = path.empty() ? "Zustand0" : "Zustand0\\" + path;
        HKEY hKey = nullptr;
        if (::RegCreateKeyA(hRoot, full.c_str(), &hKey) != ERROR_SUCCESS)
            continue;
        if (nType != REG_NONE)
            ::RegSetValueExA(hKey, name.c_str(), 0, static_cast<DWORD>(nType),
                             reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size()));
        ::RegCloseKey(hKey);
    }
}

FuzzResult RunRegistryState(const Bytes& input)
{
    CScratchKey key;
    WriteValues(key.Get(), input);
    Bytes before = EncodeValues(ValuesBelow(key.Get(), "Zustand0"));
    FuzzResult result;
    {
        CExchangedState state;
        ExchangeRegistry(key.Get(), 0, TRUE, state);
        result.bAccepted = true;
        if (EncodeValues(ValuesBelow(key.Get(), "Zustand0")) != before)
            result.strBroken = "loading changed the registry";
        ExchangeRegistry(key.Get(), 1, FALSE, state);
    }
    CExchangedState again;
    ExchangeRegistry(key.Get(), 1, TRUE, again);
    ExchangeRegistry(key.Get(), 2, FALSE, again);
    if (result.strBroken.empty()
        && EncodeValues(ValuesBelow(key.Get(), "Zustand1"))
               != EncodeValues(ValuesBelow(key.Get(), "Zustand2")))
        result.strBroken = "a loaded state stored twice gives other registry values";
    return result;
}

} // namespace

void AddToolkitModes(std::vector<FuzzMode>& modes)
{
    modes.push_back({"png", PngSeeds, PngDictionary, RunPng, 64 * 1024});
    modes.push_back({"icons", IconSeeds, IconDictionary, RunIcon, 64 * 1024});
    modes.push_back({"px-archive", ArchiveStateSeeds, ArchiveStateDictionary, RunArchiveState,
                     64 * 1024});
    modes.push_back({"px-ini", IniStateSeeds, IniStateDictionary, RunIniState, 64 * 1024});
    modes.push_back({"px-registry", RegistryStateSeeds, RegistryStateDictionary,
                     RunRegistryState, 64 * 1024});
}

} // namespace qivfuzz
