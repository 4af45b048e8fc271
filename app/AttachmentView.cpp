#include "app/AttachmentView.h"

#include "app/AttachmentDialog.h"
#include "app/AttachmentPath.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/Document.h"
#include "framework/ui/FileDialog.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/WaitCursor.h"
#include "model/QivItem.h"
#include "model/ShellServices.h"
#include "toolkit/extras/HyperlinkShell.h"

#include <shellapi.h>

namespace {

const char kInvalidPath[] = "(ungültige Pfadangabe)";

struct ColumnSpec
{
    LPCSTR pszTitle;
    int nWidth;
};
const ColumnSpec kColumns[] = { { "Name", 150 }, { "Typ", 120 }, { "Geändert am", 100 }, { "Ort", 300 } };

CString* RowPath(LPARAM lParam)
{
    return reinterpret_cast<CString*>(lParam);
}

// The last write time of an existing file; FALSE when there is none.
BOOL LastWriteTime(const CString& strPath, FILETIME* pTime)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (strPath.IsEmpty() || !::GetFileAttributesExA(strPath, GetFileExInfoStandard, &data))
        return FALSE;
    *pTime = data.ftLastWriteTime;
    return TRUE;
}

BOOL FileExists(const CString& strPath)
{
    if (strPath.IsEmpty())
        return FALSE;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA(strPath, &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    return TRUE;
}

CString FormatLocalTime(const FILETIME& time)
{
    FILETIME local;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&time, &local) || !::FileTimeToSystemTime(&local, &st))
        return CString();
    CString strText;
    strText.Format("%02d.%02d.%04d %02d:%02d", st.wDay, st.wMonth, st.wYear, st.wHour, st.wMinute);
    return strText;
}

CString ShellName(const CString& strPath, UINT uFlag)
{
    SHFILEINFOA info = {};
    if (strPath.IsEmpty() || !::SHGetFileInfoA(strPath, 0, &info, sizeof(info), uFlag))
        return CString();
    return uFlag == SHGFI_TYPENAME ? CString(info.szTypeName) : CString(info.szDisplayName);
}

} // namespace

IMPLEMENT_DYNCREATE(C_AnlagenView, CListView)

BEGIN_MESSAGE_MAP(C_AnlagenView, CListView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_DROPFILES()
    ON_COMMAND(ID_ADD_ATTACHMENT, OnAddAttachment)
    ON_COMMAND(ID_CHANGE_ATTACHMENT_PATH, OnChangePath)
    ON_COMMAND(ID_EDIT_CLEAR, OnRemove)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnSelectAll)
    ON_UPDATE_COMMAND_UI(ID_CHANGE_ATTACHMENT_PATH, OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateSelectAll)
    ON_UPDATE_COMMAND_UI(ID_FONT_COLOR, OnUpdateDisabled)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

C_AnlagenView::C_AnlagenView()
{
    m_imagesSmall.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 8);
    m_imagesLarge.Create(32, 32, ILC_COLOR24 | ILC_MASK, 0, 8);
}

C_AnlagenView::~C_AnlagenView() = default;

BOOL C_AnlagenView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE;
    cs.dwExStyle |= WS_EX_ACCEPTFILES;
    return CListView::PreCreateWindow(cs);
}

int C_AnlagenView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    // The lists stay the view's: the control must not destroy them.
    list.ModifyStyle(0, LVS_SHAREIMAGELISTS);
    list.SetImageList(&m_imagesSmall, LVSIL_SMALL);
    list.SetImageList(&m_imagesLarge, LVSIL_NORMAL);
    for (int i = 0; i < static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])); ++i)
        list.InsertColumn(i, kColumns[i].pszTitle, LVCFMT_LEFT, kColumns[i].nWidth);
    return 0;
}

void C_AnlagenView::OnInitialUpdate()
{
    // The rows come from the selection, not from the document.
}

void C_AnlagenView::OnDestroy()
{
    RemoveAllRows();
    CListView::OnDestroy();
}

// ---- rows -----------------------------------------------------------------

CString C_AnlagenView::ResolveAttachmentPath(const CString& strStored) const
{
    CDocument* pDoc = GetDocument();
    return ::ResolveAttachmentPath(strStored, pDoc != nullptr ? pDoc->GetPathName() : CString());
}

CString C_AnlagenView::GetStoredPath(int nRow) const
{
    CString* pPath = RowPath(static_cast<LPARAM>(GetListCtrl().GetItemData(nRow)));
    return pPath != nullptr ? *pPath : CString();
}

void C_AnlagenView::RemoveAllRows()
{
    CListCtrl& list = GetListCtrl();
    for (int i = 0; i < list.GetItemCount(); ++i)
    {
        delete RowPath(static_cast<LPARAM>(list.GetItemData(i)));
        list.SetItemData(i, 0);
    }
    list.DeleteAllItems();
    // Every row's icons go with the rows.
    m_imagesSmall.Remove(-1);
    m_imagesLarge.Remove(-1);
}

int C_AnlagenView::AddAttachmentRow(const CString& strStored)
{
    CListCtrl& list = GetListCtrl();
    auto* pPath = new CString(strStored);
    const CString strFull = ResolveAttachmentPath(strStored);
    const int nEnd = list.GetItemCount();
    int nRow = -1;
    if (FileExists(strFull))
    {
        SHFILEINFOA large = {};
        if (::SHGetFileInfoA(strFull, 0, &large, sizeof(large), SHGFI_ICON | SHGFI_LARGEICON | SHGFI_LINKOVERLAY))
        {
            m_imagesLarge.Add(large.hIcon);
            ::DestroyIcon(large.hIcon);
        }
        SHFILEINFOA small = {};
        int nImage = -1;
        if (::SHGetFileInfoA(strFull, 0, &small, sizeof(small),
                             SHGFI_ICON | SHGFI_SMALLICON | SHGFI_LINKOVERLAY | SHGFI_DISPLAYNAME | SHGFI_TYPENAME))
        {
            nImage = m_imagesSmall.Add(small.hIcon);
            ::DestroyIcon(small.hIcon);
        }
        nRow = list.InsertItem(nEnd, small.szDisplayName, nImage);
        list.SetItemText(nRow, 1, small.szTypeName);
        FILETIME time;
        list.SetItemText(nRow, 2, LastWriteTime(strFull, &time) ? FormatLocalTime(time) : CString());
        list.SetItemText(nRow, 3, AttachmentFolderPart(strStored));
    }
    else
    {
        nRow = list.InsertItem(nEnd, kInvalidPath, I_IMAGENONE);
    }
    list.SetItemData(nRow, reinterpret_cast<DWORD_PTR>(pPath));
    return nRow;
}

void C_AnlagenView::ShowAttachments(C_QivItem* pItem)
{
    CWaitCursor wait;
    m_pItem = pItem;
    SetRedraw(FALSE);
    RemoveAllRows();
    if (pItem != nullptr)
    {
        for (POSITION pos = pItem->m_lstAttachments.GetHeadPosition(); pos != nullptr;)
            AddAttachmentRow(pItem->m_lstAttachments.GetNext(pos));
        if (GetListCtrl().GetItemCount() > 0)
            SelectRow(0);
    }
    SetRedraw(TRUE);
}

int C_AnlagenView::SelectedRow() const
{
    return GetListCtrl().GetNextItem(-1, LVNI_SELECTED);
}

void C_AnlagenView::DeselectAll()
{
    GetListCtrl().SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void C_AnlagenView::SelectRow(int nRow)
{
    GetListCtrl().SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void C_AnlagenView::SetModified()
{
    if (CDocument* pDoc = GetDocument())
        pDoc->SetModifiedFlag(TRUE);
}

void C_AnlagenView::UpdateTreeImages()
{
    if (m_pItem == nullptr || !m_pItem->IsKindOf(RUNTIME_CLASS(C_QivEntry)))
        return;
    HWND hTree = QivGetShellServices().GetTreeWindow();
    if (hTree == nullptr || m_pItem->m_hTreeItem == nullptr)
        return;
    const BOOL bAttached = !m_pItem->m_lstAttachments.IsEmpty();
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = m_pItem->m_hTreeItem;
    item.iImage = bAttached ? 6 : 4;
    item.iSelectedImage = bAttached ? 7 : 5;
    ::SendMessage(hTree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// ---- adding, removing, changing ---------------------------------------------

void C_AnlagenView::AddFiles(const std::vector<CString>& files)
{
    if (m_pItem == nullptr || files.empty())
        return;
    CWaitCursor wait;
    SetRedraw(FALSE);
    DeselectAll();
    for (const CString& strPath : files)
    {
        SelectRow(AddAttachmentRow(strPath));
        m_pItem->m_lstAttachments.AddTail(strPath);
    }
    SetModified();
    SetRedraw(TRUE);
    PlaySoundEvent("InsertRow");
    UpdateTreeImages();
}

void C_AnlagenView::OnAddAttachment()
{
    if (m_pItem == nullptr)
        return;
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "Alle Dateien (*.*)|*.*||", this);
    dlg.m_ofn.lpstrTitle = "Anlage hinzufügen";
    if (dlg.DoModal() != IDOK)
        return;
    AddFiles({ dlg.GetPathName() });
}

void C_AnlagenView::OnDropFiles(HDROP hDropInfo)
{
    std::vector<CString> files;
    const UINT nFiles = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < nFiles; ++i)
    {
        // Names of any length: the length first.
        const UINT nLength = ::DragQueryFileA(hDropInfo, i, nullptr, 0);
        CString strName;
        ::DragQueryFileA(hDropInfo, i, strName.GetBuffer(static_cast<int>(nLength) + 1), nLength + 1);
        strName.ReleaseBuffer(static_cast<int>(nLength));
        files.push_back(strName);
    }
    ::DragFinish(hDropInfo);
    AddFiles(files);
}

void C_AnlagenView::RemoveSelected()
{
    if (m_pItem == nullptr || SelectedRow() < 0)
        return;
    if (AfxShowMessageBox(m_hWnd, "Wollen Sie die markierten Anlagen wirklich aus der Liste entfernen?", "Frage",
                          MB_YESNO | MB_ICONQUESTION, 0)
        != IDYES)
    {
        PlaySoundEvent("DialogCancel");
        return;
    }
    CWaitCursor wait;
    PlaySoundEvent("DeleteRow");
    SetRedraw(FALSE);
    CListCtrl& list = GetListCtrl();
    for (int nRow = SelectedRow(); nRow >= 0; nRow = SelectedRow())
    {
        CString* pPath = RowPath(static_cast<LPARAM>(list.GetItemData(nRow)));
        if (pPath != nullptr)
        {
            POSITION pos = m_pItem->m_lstAttachments.Find(*pPath);
            if (pos != nullptr)
                m_pItem->m_lstAttachments.RemoveAt(pos);
        }
        delete pPath;
        list.DeleteItem(nRow);
        SetModified();
    }
    SetRedraw(TRUE);
    if (m_pItem->m_lstAttachments.IsEmpty())
        UpdateTreeImages();
}

void C_AnlagenView::ChangeSelectedPath()
{
    const int nRow = SelectedRow();
    if (m_pItem == nullptr || nRow < 0)
        return;
    CListCtrl& list = GetListCtrl();
    CString* pPath = RowPath(static_cast<LPARAM>(list.GetItemData(nRow)));
    C_AnlageDlg dlg(this);
    dlg.m_strPath = pPath != nullptr ? *pPath : CString();
    if (dlg.DoModal() != IDOK)
        return;
    if (pPath != nullptr)
    {
        POSITION pos = m_pItem->m_lstAttachments.Find(*pPath);
        if (pos != nullptr)
            m_pItem->m_lstAttachments.RemoveAt(pos);
    }
    SetRedraw(FALSE);
    delete pPath;
    list.DeleteItem(nRow);
    const int nNew = AddAttachmentRow(dlg.m_strPath);
    SelectRow(nNew);
    list.EnsureVisible(nNew, FALSE);
    SetRedraw(TRUE);
    m_pItem->m_lstAttachments.AddTail(dlg.m_strPath);
    SetModified();
}

void C_AnlagenView::OnChangePath()
{
    ChangeSelectedPath();
}

void C_AnlagenView::OnRemove()
{
    RemoveSelected();
}

void C_AnlagenView::OnSelectAll()
{
    CListCtrl& list = GetListCtrl();
    SetRedraw(FALSE);
    for (int i = list.GetItemCount() - 1; i >= 0; --i)
        list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    SetRedraw(TRUE);
}

void C_AnlagenView::OnUpdateNeedSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SelectedRow() >= 0);
}

void C_AnlagenView::OnUpdateSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetListCtrl().GetItemCount() > 0);
}

void C_AnlagenView::OnUpdateDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

// ---- opening ------------------------------------------------------------

void C_AnlagenView::OpenAttachment()
{
    const int nRow = SelectedRow();
    if (nRow < 0)
        return;
    CWaitCursor wait;
    // A missing file goes to the shell all the same: it tells the user.
    XTShellOpen(ResolveAttachmentPath(GetStoredPath(nRow)), nullptr, nullptr, SW_SHOWNORMAL);
}

void C_AnlagenView::OnDoubleClick(NMHDR*, LRESULT* pResult)
{
    OpenAttachment();
    *pResult = 0;
}

void C_AnlagenView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN)
        OpenAttachment();
    else if (nChar == VK_DELETE)
        RemoveSelected();
    else
        CListView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void C_AnlagenView::OnContextMenu(CWnd*, CPoint point)
{
    const int nRow = SelectedRow();
    if (nRow < 0)
        return;
    // The file the row stands for, as Open finds it.
    const CString strFull = ResolveAttachmentPath(GetStoredPath(nRow));
    if (!FileExists(strFull))
        return;
    CQivShellFileMenu menu;
    if (!menu.Build(strFull, m_hWnd))
        return;
    if (point.x == -1 && point.y == -1)
        ::GetCursorPos(&point);
    const UINT nCommand = ::TrackPopupMenu(menu.GetMenu(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                           point.x, point.y, 0, m_hWnd, nullptr);
    QivInvokeShellMenuCommand(menu.GetContextMenu(), nCommand, m_hWnd);
}

// ---- sorting --------------------------------------------------------------

void C_AnlagenView::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    SortByColumn(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
}

void C_AnlagenView::SortByColumn(int nColumn)
{
    CWaitCursor wait;
    PlaySoundEvent("Sort");
    if (nColumn == m_nSortColumn)
    {
        m_bAscending = !m_bAscending;
    }
    else
    {
        m_nSortColumn = nColumn;
        m_bAscending = TRUE;
    }
    GetListCtrl().SortItems(CompareRows, reinterpret_cast<DWORD_PTR>(this));
}

int CALLBACK C_AnlagenView::CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* pView = reinterpret_cast<C_AnlagenView*>(lParamSort);
    const CString strStored1 = RowPath(lParam1) != nullptr ? *RowPath(lParam1) : CString();
    const CString strStored2 = RowPath(lParam2) != nullptr ? *RowPath(lParam2) : CString();
    int nResult = 0;
    switch (pView->m_nSortColumn)
    {
    case 0:
    case 1:
    {
        const UINT uFlag = pView->m_nSortColumn == 0 ? SHGFI_DISPLAYNAME : SHGFI_TYPENAME;
        nResult = lstrcmpiA(ShellName(pView->ResolveAttachmentPath(strStored1), uFlag),
                            ShellName(pView->ResolveAttachmentPath(strStored2), uFlag));
        break;
    }
    case 2:
    {
        FILETIME time1 = {}, time2 = {};
        LastWriteTime(pView->ResolveAttachmentPath(strStored1), &time1);
        LastWriteTime(pView->ResolveAttachmentPath(strStored2), &time2);
        nResult = ::CompareFileTime(&time1, &time2);
        break;
    }
    default:
        nResult = lstrcmpiA(AttachmentFolderPart(strStored1), AttachmentFolderPart(strStored2));
        break;
    }
    return pView->m_bAscending ? nResult : -nResult;
}

// ---- the shell's context menu -----------------------------------------------

CQivShellFileMenu::~CQivShellFileMenu()
{
    if (m_hMenu != nullptr)
        ::DestroyMenu(m_hMenu);
    if (m_pContextMenu != nullptr)
        m_pContextMenu->Release();
}

BOOL CQivShellFileMenu::Build(const CString& strPath, HWND hOwner)
{
    IShellFolder* pDesktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&pDesktop)))
        return FALSE;
    // The desktop parses the wide path into an item list.
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strPath, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(nWide > 0 ? nWide : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strPath, -1, wide.data(), nWide);
    LPITEMIDLIST pidl = nullptr;
    HRESULT hr = pDesktop->ParseDisplayName(hOwner, nullptr, wide.data(), nullptr, &pidl, nullptr);
    pDesktop->Release();
    if (FAILED(hr) || pidl == nullptr)
        return FALSE;
    IShellFolder* pParent = nullptr;
    LPCITEMIDLIST pidlLast = nullptr;
    hr = ::SHBindToParent(pidl, IID_IShellFolder, reinterpret_cast<void**>(&pParent), &pidlLast);
    if (SUCCEEDED(hr))
    {
        hr = pParent->GetUIObjectOf(hOwner, 1, &pidlLast, IID_IContextMenu, nullptr,
                                    reinterpret_cast<void**>(&m_pContextMenu));
        pParent->Release();
    }
    ::CoTaskMemFree(pidl);
    if (FAILED(hr) || m_pContextMenu == nullptr)
        return FALSE;
    m_hMenu = ::CreatePopupMenu();
    if (m_hMenu == nullptr
        || FAILED(m_pContextMenu->QueryContextMenu(m_hMenu, 0, kFirstShellCommand, kLastShellCommand, CMF_VERBSONLY)))
        return FALSE;
    ::AppendMenuA(m_hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(m_hMenu, MF_STRING, kPropertiesCommand, "E&igenschaften");
    return TRUE;
}

BOOL QivInvokeShellMenuCommand(IContextMenu* pContextMenu, UINT nCommand, HWND hOwner)
{
    if (pContextMenu == nullptr || nCommand == 0)
        return FALSE;
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof(info);
    info.hwnd = hOwner;
    info.nShow = SW_SHOWNORMAL;
    if (nCommand == CQivShellFileMenu::kPropertiesCommand)
        info.lpVerb = "properties";
    else if (nCommand >= CQivShellFileMenu::kFirstShellCommand && nCommand <= CQivShellFileMenu::kLastShellCommand)
        info.lpVerb = MAKEINTRESOURCEA(nCommand - CQivShellFileMenu::kFirstShellCommand);
    else
        return FALSE;
    return SUCCEEDED(pContextMenu->InvokeCommand(&info));
}
