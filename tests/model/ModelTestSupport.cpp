#include "ModelTestSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "model/CardFile.h"

#include <commctrl.h>
#include <string.h>

namespace qivtest {

Bytes WriteCardFile(C_QivCategory* pRoot, HWND hTextView)
{
    CMemFile file(1024 * 1024);
    {
        CArchive ar(&file, CArchive::store);
        QivWriteCardFile(ar, pRoot, hTextView);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

C_QivCategory* ReadCardFile(const Bytes& bytes, HWND hTextView)
{
    Bytes copy = bytes;
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    C_QivCategory* pRoot = QivReadCardFile(ar, hTextView);
    ar.Close();
    return pRoot;
}

int ArchiveFailureCause(const Bytes& bytes)
{
    try {
        QivDeleteRoot(ReadCardFile(bytes));
    } catch (CArchiveException* e) {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    } catch (CException* e) {
        e->Delete();
        return -2;
    }
    return -1;
}

CByteBuilder& CByteBuilder::Raw(const void* p, size_t n)
{
    const BYTE* pb = static_cast<const BYTE*>(p);
    m_bytes.insert(m_bytes.end(), pb, pb + n);
    return *this;
}

CByteBuilder& CByteBuilder::Raw(const char* psz)
{
    return Raw(psz, strlen(psz));
}

CByteBuilder& CByteBuilder::Word(WORD w)
{
    return Raw(&w, sizeof(w));
}

CByteBuilder& CByteBuilder::Dword(DWORD dw)
{
    return Raw(&dw, sizeof(dw));
}

CByteBuilder& CByteBuilder::Str(const std::string& s)
{
    if (s.size() < 255) {
        BYTE n = static_cast<BYTE>(s.size());
        Raw(&n, 1);
    } else if (s.size() < 0xFFFE) {
        BYTE b = 0xFF;
        Raw(&b, 1);
        Word(static_cast<WORD>(s.size()));
    } else {
        BYTE b = 0xFF;
        Raw(&b, 1);
        Word(0xFFFF);
        Dword(static_cast<DWORD>(s.size()));
    }
    return Raw(s.data(), s.size());
}

CByteBuilder& CByteBuilder::NewClass(const char* pszName, WORD wSchema)
{
    Word(0xFFFF).Word(wSchema).Word(static_cast<WORD>(strlen(pszName)));
    return Raw(pszName);
}

CByteBuilder& CByteBuilder::KnownClass(WORD nIndex)
{
    return Word(static_cast<WORD>(0x8000 | nIndex));
}

CByteBuilder& CByteBuilder::Null()
{
    return Word(0);
}

CByteBuilder& CByteBuilder::Header()
{
    return Raw("Qivnotes").Word(0x0A02).Word(0);
}

CTestShell::CTestShell()
{
    QivSetShellServices(this);
}

CTestShell::~CTestShell()
{
    QivSetShellServices(nullptr);
}

void CTestShell::PlaySoundEvent(LPCSTR lpszEvent)
{
    m_sounds.push_back(lpszEvent);
}

HWND CTestShell::GetTextEditor()
{
    return m_hEditor;
}

void CTestShell::StoreCurrentEntryText()
{
    ++m_nStoreCalls;
}

void CTestShell::CloseSearchWindow()
{
    ++m_nCloseSearchCalls;
}

HWND CTestShell::GetTreeWindow()
{
    return m_hTree;
}

void CTestShell::OnItemExpanding(HTREEITEM hItem, UINT nAction)
{
    m_expanding.emplace_back(hItem, nAction);
}

// Looks up the entry selected in the tree and answers whether its note is
// one of the hits, as the editor would after the shell loaded it.
BOOL CTestShell::FindTextInEditor(LPCSTR lpszText, BOOL, BOOL)
{
    m_editorSearches.push_back(lpszText);
    if (!m_hTree || !m_pRoot)
        return FALSE;
    HTREEITEM hSelected = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(m_hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    C_QivItem* pItem = m_pRoot->FindItem(hSelected);
    if (!pItem)
        return FALSE;
    for (const std::string& title : m_noteHits)
        if (title == pItem->m_strTitle.GetString())
            return TRUE;
    return FALSE;
}

namespace {
CScriptedMessageBoxes* g_pScript = nullptr;
}

CScriptedMessageBoxes::CScriptedMessageBoxes(std::vector<int> answers)
    : m_answers(std::move(answers))
{
    g_pScript = this;
    AfxSetCoreMessageBoxHook(Hook);
}

CScriptedMessageBoxes::~CScriptedMessageBoxes()
{
    AfxSetCoreMessageBoxHook(nullptr);
    g_pScript = nullptr;
}

int CScriptedMessageBoxes::Hook(LPCSTR lpszText, UINT nType, UINT)
{
    g_pScript->m_texts.push_back(lpszText);
    g_pScript->m_types.push_back(nType);
    if (g_pScript->m_nNext < g_pScript->m_answers.size())
        return g_pScript->m_answers[g_pScript->m_nNext++];
    return IDNO;
}

CTestWindow::CTestWindow(LPCSTR lpszClass, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    m_hWnd = ::CreateWindowExA(0, lpszClass, "", dwStyle | WS_OVERLAPPEDWINDOW,
                               0, 0, 300, 400, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

CTestWindow::~CTestWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

C_QivEntry* NewEntry(LPCSTR lpszTitle, const std::string& text)
{
    C_QivEntry* pEntry = new C_QivEntry(lpszTitle);
    pEntry->SetText(text.data(), static_cast<DWORD>(text.size()));
    return pEntry;
}

std::string TextOf(const C_QivEntry* pEntry)
{
    return pEntry->m_pText ? std::string(reinterpret_cast<const char*>(pEntry->m_pText), pEntry->m_nTextLength)
                           : std::string();
}

} // namespace qivtest
