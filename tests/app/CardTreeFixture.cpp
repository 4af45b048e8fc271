#include "CardTreeFixture.h"

#include "app/SoundEvents.h"
#include "framework/core/Profile.h"

#include <commctrl.h>

namespace apptest {

CTreeWindow::CTreeWindow()
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    m_hWnd = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_OVERLAPPEDWINDOW | TVS_HASBUTTONS,
                               0, 0, 300, 400, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

CTreeWindow::~CTreeWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

void CTreeWindow::Show(C_QivCategory* pRoot)
{
    ::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    pRoot->InsertIntoTree(m_hWnd, TVI_ROOT, TVI_FIRST);
}

C_QivItem* CTreeWindow::Selected() const
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item.hItem || !::SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<C_QivItem*>(item.lParam);
}

CRecordingShell::CRecordingShell()
{
    QivSetShellServices(this);
}

CRecordingShell::~CRecordingShell()
{
    QivSetShellServices(nullptr);
}

BOOL CRecordingShell::FindTextInEditor(LPCSTR lpszText, BOOL, BOOL)
{
    m_finds.push_back(lpszText);
    return TRUE;
}

namespace {

const char kSchemes[] = "AppEvents\\Schemes\\Apps\\Office97";

} // namespace

CSoundRecorder::CSoundRecorder(std::initializer_list<LPCSTR> events)
{
    SetSoundEventsOn(true);
    for (LPCSTR lpszEvent : events) {
        CString strKey;
        strKey.Format("%s\\Office97-%s\\.current", kSchemes, lpszEvent);
        HKEY hKey = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr)
            != ERROR_SUCCESS)
            continue;
        ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("stille.wav"), 11);
        ::RegCloseKey(hKey);
        m_registered.push_back(lpszEvent);
    }
    CSoundEventSeam::Install([this](const QIV_SOUND_REQUEST& request) {
        m_events.push_back(request.strEvent.GetString());
        return 0;
    });
}

CSoundRecorder::~CSoundRecorder()
{
    CSoundEventSeam::Remove();
    for (const std::string& event : m_registered)
        CAppProfile::DelRegTree(HKEY_CURRENT_USER, CString(kSchemes) + "\\Office97-" + event.c_str());
    SetSoundEventsOn(true);
}

namespace {

C_QivItem* LastChild(C_QivCategory* pParent)
{
    C_QivItem* pLast = pParent->m_pFirstChild;
    while (pLast && pLast->m_pNext)
        pLast = pLast->m_pNext;
    return pLast;
}

} // namespace

C_QivCategory* AddCategory(C_QivCategory* pParent, LPCSTR lpszTitle)
{
    C_QivCategory* pCategory = new C_QivCategory(lpszTitle);
    pParent->InsertChild(pCategory, LastChild(pParent));
    return pCategory;
}

C_QivEntry* AddEntry(C_QivCategory* pParent, LPCSTR lpszTitle, const std::string& text)
{
    C_QivEntry* pEntry = new C_QivEntry(lpszTitle);
    if (!text.empty())
        pEntry->SetText(text.data(), static_cast<DWORD>(text.size()));
    pParent->InsertChild(pEntry, LastChild(pParent));
    return pEntry;
}

std::vector<std::string> ChainTitles(const C_QivCategory* pCategory)
{
    std::vector<std::string> titles;
    for (const C_QivItem* pItem = pCategory->m_pFirstChild; pItem; pItem = pItem->m_pNext)
        titles.push_back(pItem->m_strTitle.GetString());
    return titles;
}

std::vector<std::string> TreeTitles(HWND hTree, const C_QivCategory* pCategory)
{
    std::vector<std::string> titles;
    HTREEITEM hChild = reinterpret_cast<HTREEITEM>(::SendMessageA(
        hTree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(pCategory->m_hTreeItem)));
    while (hChild) {
        char szText[256] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.hItem = hChild;
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        titles.push_back(szText);
        hChild = reinterpret_cast<HTREEITEM>(::SendMessageA(
            hTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hChild)));
    }
    return titles;
}

} // namespace apptest
