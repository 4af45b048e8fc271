// The attachments list: where stored paths point, the rows it shows for
// them, adding (file dialog, dropped files), removing, changing a path,
// sorting, opening through the shell, the shell's context menu and the
// image lists that hold only the icons of the rows shown.
#include "AppTestSupport.h"
#include "CardTreeFixture.h"

#include "app/AttachmentDialog.h"
#include "app/AttachmentPath.h"
#include "app/AttachmentView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/FrameWnd.h"
#include "model/QivDoc.h"
#include "toolkit/extras/HyperlinkShell.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

TEST(AttachmentPath, StoredPathsResolveAgainstTheCardFilesFolder)
{
    const CString strLong = "C:\\" + CString('d', 300) + "\\datei.txt";
    struct Case
    {
        CString strStored;
        CString strCardFile;
        CString strFull;
    };
    const Case cases[] = {
        { "brief.txt", "C:\\Daten\\karte.qiv", "C:\\Daten\\brief.txt" },
        { ".\\brief.txt", "C:\\Daten\\karte.qiv", "C:\\Daten\\brief.txt" },
        { ".\\unter\\brief.txt", "C:\\Daten\\karte.qiv", "C:\\Daten\\unter\\brief.txt" },
        { "..\\brief.txt", "C:\\Daten\\karte.qiv", "C:\\brief.txt" },
        { ".\\unter\\..\\brief.txt", "C:\\Daten\\karte.qiv", "C:\\Daten\\brief.txt" },
        { "D:\\Post\\brief.txt", "C:\\Daten\\karte.qiv", "D:\\Post\\brief.txt" },
        { "D:\\Post\\alt\\..\\.\\brief.txt", "C:\\Daten\\karte.qiv", "D:\\Post\\brief.txt" },
        { "\\\\server\\teil\\brief.txt", "", "\\\\server\\teil\\brief.txt" },
        // An untitled card file: no folder to be relative to.
        { "brief.txt", "", "" },
        { ".\\brief.txt", "", "" },
        { "..\\brief.txt", "", "" },
        // Paths longer than 260 stay whole.
        { strLong, "C:\\Daten\\karte.qiv", strLong },
        { "brief.txt", "C:\\" + CString('d', 300) + "\\karte.qiv", "C:\\" + CString('d', 300) + "\\brief.txt" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.strFull, ResolveAttachmentPath(c.strStored, c.strCardFile)) << c.strStored.Left(40);

    EXPECT_STREQ("D:\\Post", AttachmentFolderPart("D:\\Post\\brief.txt"));
    EXPECT_STREQ("", AttachmentFolderPart("brief.txt"));
}

// The tree of the test is the shell's tree.
class CTreeShell : public CQivShellServices
{
public:
    explicit CTreeShell(HWND hTree) : m_hTree(hTree) { QivSetShellServices(this); }
    ~CTreeShell() override { QivSetShellServices(nullptr); }
    HWND GetTreeWindow() override { return m_hTree; }
    HWND m_hTree;
};

class AttachmentViewTest : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strFolder.Format("%sqiv-anlagen-%lu\\", szTemp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_strFolder, nullptr);
        ::CreateDirectoryA(m_strFolder + "unter", nullptr);
        WriteFile("a.txt", "eins", 2001);
        WriteFile("b.rtf", "{\\rtf1 zwei}", 1999);
        WriteFile("unter\\c.dat", "drei", 2005);

        m_pDoc = new CQivDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        m_pDoc->SetPathName(m_strFolder + "karte.qiv", FALSE);
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(C_AnlagenView);
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Anlagen", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 300), nullptr,
                                     nullptr, 0, &context));
        m_pView = static_cast<C_AnlagenView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);
        m_pFrame->SetActiveView(m_pView, FALSE);

        m_root.reset(new C_QivCategory("Notizen"));
        m_pEntry = apptest::AddEntry(m_root.get(), "Notiz");
        m_pCategory = apptest::AddCategory(m_root.get(), "Mappe");
        m_tree.Show(m_root.get());
        m_shell.reset(new CTreeShell(m_tree.m_hWnd));
    }
    void TearDown() override
    {
        m_shell.reset();
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        delete m_pDoc;
        for (LPCSTR pszName : { "a.txt", "b.rtf", "unter\\c.dat" })
            ::DeleteFileA(m_strFolder + pszName);
        ::RemoveDirectoryA(m_strFolder + "unter");
        ::RemoveDirectoryA(m_strFolder);
        AppSettingsTest::TearDown();
    }

    void WriteFile(LPCSTR pszName, LPCSTR pszText, WORD wYear)
    {
        HANDLE hFile = ::CreateFileA(m_strFolder + pszName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
        DWORD nWritten = 0;
        ::WriteFile(hFile, pszText, static_cast<DWORD>(strlen(pszText)), &nWritten, nullptr);
        SYSTEMTIME st = {};
        st.wYear = wYear;
        st.wMonth = 6;
        st.wDay = 15;
        st.wHour = 12;
        FILETIME ft;
        ::SystemTimeToFileTime(&st, &ft);
        ::SetFileTime(hFile, nullptr, nullptr, &ft);
        ::CloseHandle(hFile);
    }

    std::vector<std::string> Stored(const C_QivItem* pItem) const
    {
        std::vector<std::string> paths;
        for (POSITION pos = pItem->m_lstAttachments.GetHeadPosition(); pos != nullptr;)
            paths.push_back(std::string(pItem->m_lstAttachments.GetNext(pos)));
        return paths;
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < m_pView->GetListCtrl().GetItemCount(); ++i)
            rows.push_back(std::string(m_pView->GetStoredPath(i)));
        return rows;
    }
    int TreeImage(const C_QivItem* pItem, bool bSelected = false) const
    {
        TVITEMA item = {};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.hItem = pItem->m_hTreeItem;
        ::SendMessage(m_tree.m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return bSelected ? item.iSelectedImage : item.iImage;
    }
    void Select(std::initializer_list<int> rows)
    {
        CListCtrl& list = m_pView->GetListCtrl();
        list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow : rows)
            list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    std::string Full(LPCSTR pszName) const { return std::string(m_strFolder + pszName); }

    CString m_strFolder;
    CQivDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    C_AnlagenView* m_pView = nullptr;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivEntry* m_pEntry = nullptr;
    C_QivCategory* m_pCategory = nullptr;
    apptest::CTreeWindow m_tree;
    std::unique_ptr<CTreeShell> m_shell;
};

TEST_F(AttachmentViewTest, RowsShowTheShellsNameTypeTimeAndPlace)
{
    m_pEntry->m_lstAttachments.AddTail("a.txt");
    m_pEntry->m_lstAttachments.AddTail(m_strFolder + "unter\\c.dat");
    m_pEntry->m_lstAttachments.AddTail(".\\fehlt.txt");
    m_pView->ShowAttachments(m_pEntry);
    CListCtrl& list = m_pView->GetListCtrl();
    ASSERT_EQ(3, list.GetItemCount());
    EXPECT_EQ(Stored(m_pEntry), Rows());
    EXPECT_EQ(0, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(-1, list.GetNextItem(0, LVNI_SELECTED));

    for (int nRow : { 0, 1 })
    {
        const CString strFull = m_pView->ResolveAttachmentPath(m_pView->GetStoredPath(nRow));
        SHFILEINFOA info = {};
        ::SHGetFileInfoA(strFull, 0, &info, sizeof(info), SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
        EXPECT_STREQ(info.szDisplayName, list.GetItemText(nRow, 0)) << nRow;
        EXPECT_STREQ(info.szTypeName, list.GetItemText(nRow, 1)) << nRow;
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = nRow;
        list.GetItem(&item);
        EXPECT_EQ(nRow, item.iImage);
    }
    // The local time of the last write, "dd.mm.yyyy hh:mm".
    FILETIME ft, local;
    SYSTEMTIME st = {};
    st.wYear = 2001;
    st.wMonth = 6;
    st.wDay = 15;
    st.wHour = 12;
    ::SystemTimeToFileTime(&st, &ft);
    ::FileTimeToLocalFileTime(&ft, &local);
    ::FileTimeToSystemTime(&local, &st);
    CString strTime;
    strTime.Format("15.06.2001 %02d:00", st.wHour);
    EXPECT_STREQ(strTime, list.GetItemText(0, 2));
    EXPECT_STREQ("", list.GetItemText(0, 3));
    EXPECT_STREQ(m_strFolder + "unter", list.GetItemText(1, 3));

    EXPECT_STREQ("(ungültige Pfadangabe)", list.GetItemText(2, 0));
    EXPECT_STREQ("", list.GetItemText(2, 1));
    EXPECT_STREQ("", list.GetItemText(2, 3));
    EXPECT_EQ(2, m_pView->GetSmallImages().GetImageCount());
    EXPECT_EQ(2, m_pView->GetLargeImages().GetImageCount());

    // Without a path of the card file a relative path points nowhere.
    m_pDoc->SetPathName("", FALSE);
    m_pView->ShowAttachments(m_pEntry);
    EXPECT_STREQ("(ungültige Pfadangabe)", list.GetItemText(0, 0));
}

TEST_F(AttachmentViewTest, ImageListsAndDrawingObjectsStayFlatOverManySelections)
{
    // Every tenth selection shows a file with its icons (the shell is slow
    // under test), the others a missing path or no attachments.
    m_pEntry->m_lstAttachments.AddTail("a.txt");
    C_QivEntry* pMissing = apptest::AddEntry(m_root.get(), "Verloren");
    pMissing->m_lstAttachments.AddTail("fehlt.txt");
    m_pView->ShowAttachments(m_pEntry);
    m_pView->ShowAttachments(m_pCategory);
    const DWORD nGdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD nUserBefore = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 1000; ++i)
    {
        C_QivItem* pItem = i % 10 == 0 ? static_cast<C_QivItem*>(m_pEntry)
                                       : i % 2 == 0 ? static_cast<C_QivItem*>(pMissing) : m_pCategory;
        m_pView->ShowAttachments(pItem);
        ASSERT_EQ(pItem == m_pEntry ? 1 : 0, m_pView->GetSmallImages().GetImageCount()) << i;
        ASSERT_EQ(pItem == m_pCategory ? 0 : 1, m_pView->GetListCtrl().GetItemCount()) << i;
    }
    m_pView->ShowAttachments(m_pCategory);
    EXPECT_EQ(nGdiBefore, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(nUserBefore, ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    EXPECT_EQ(0, m_pView->GetLargeImages().GetImageCount());
}

TEST_F(AttachmentViewTest, AddedFilesGoToTheEndAndGiveAnEntryItsAttachmentPicture)
{
    apptest::CSoundRecorder sounds({ "InsertRow" });
    m_pView->ShowAttachments(m_pEntry);
    EXPECT_EQ(4, TreeImage(m_pEntry));
    EXPECT_EQ(5, TreeImage(m_pEntry, true));

    // By the file dialog.
    CString strTitle, strFilter;
    DWORD dwFlags = 0;
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
            strTitle = r.strTitle;
            strFilter = r.strFilter;
            dwFlags = r.dwFlags;
            r.pAnswer->strPath = m_strFolder + "a.txt";
            return IDOK;
        });
        m_pFrame->SendMessage(WM_COMMAND, ID_ADD_ATTACHMENT);
    }
    EXPECT_STREQ("Anlage hinzufügen", strTitle);
    EXPECT_STREQ("Alle Dateien (*.*)|*.*||", strFilter);
    EXPECT_TRUE(dwFlags & OFN_HIDEREADONLY);
    EXPECT_EQ((std::vector<std::string>{ Full("a.txt") }), Stored(m_pEntry));
    EXPECT_EQ(6, TreeImage(m_pEntry));
    EXPECT_EQ(7, TreeImage(m_pEntry, true));
    EXPECT_TRUE(m_pDoc->IsModified());

    // Dropped: two files, one name longer than a fixed buffer would hold.
    const std::string longName = std::string(m_strFolder) + std::string(300, 'n') + ".txt";
    std::string names = Full("b.rtf") + '\0' + longName + '\0' + '\0';
    HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<BYTE*>(pDrop) + sizeof(DROPFILES), names.data(), names.size());
    ::GlobalUnlock(hDrop);
    m_pView->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop));
    EXPECT_EQ((std::vector<std::string>{ Full("a.txt"), Full("b.rtf"), longName }), Stored(m_pEntry));
    EXPECT_EQ(Stored(m_pEntry), Rows());
    // The dropped rows are the selected ones.
    CListCtrl& list = m_pView->GetListCtrl();
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(2, list.GetNextItem(1, LVNI_SELECTED));
    EXPECT_EQ((std::vector<std::string>{ "InsertRow", "InsertRow" }), sounds.m_events);

    // A category's picture counts its children, whatever it holds.
    m_pView->ShowAttachments(m_pCategory);
    const int nCategoryImage = TreeImage(m_pCategory);
    m_pView->AddFiles({ m_strFolder + "a.txt" });
    EXPECT_EQ(nCategoryImage, TreeImage(m_pCategory));
}

TEST_F(AttachmentViewTest, RemovingTakesOneOccurrencePerRowAfterTheQuestion)
{
    apptest::CSoundRecorder sounds({ "DialogCancel", "DeleteRow" });
    for (LPCSTR pszPath : { "a.txt", "b.rtf", "a.txt" })
        m_pEntry->m_lstAttachments.AddTail(pszPath);
    m_pView->ShowAttachments(m_pEntry);

    int nAnswer = IDNO;
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& r) {
        boxes.push_back(r);
        return nAnswer;
    });
    Select({ 2 });
    m_pView->SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Wollen Sie die markierten Anlagen wirklich aus der Liste entfernen?", boxes[0].strText);
    EXPECT_STREQ("Frage", boxes[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes[0].nType & (MB_TYPEMASK | MB_ICONMASK));
    EXPECT_EQ(3, m_pView->GetListCtrl().GetItemCount());
    EXPECT_FALSE(m_pDoc->IsModified());

    // The path stored twice: one row, one occurrence.
    nAnswer = IDYES;
    Select({ 2 });
    m_pFrame->SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
    EXPECT_EQ((std::vector<std::string>{ "b.rtf", "a.txt" }), Stored(m_pEntry));
    EXPECT_EQ((std::vector<std::string>{ "a.txt", "b.rtf" }), Rows());
    EXPECT_TRUE(m_pDoc->IsModified());

    // The last ones: the entry's picture goes back.
    m_pView->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    m_pView->RemoveSelected();
    EXPECT_TRUE(Stored(m_pEntry).empty());
    EXPECT_EQ(0, m_pView->GetListCtrl().GetItemCount());
    EXPECT_EQ(4, TreeImage(m_pEntry));
    EXPECT_EQ(5, TreeImage(m_pEntry, true));
    EXPECT_EQ((std::vector<std::string>{ "DialogCancel", "DeleteRow", "DeleteRow" }), sounds.m_events);
}

TEST_F(AttachmentViewTest, AChangedPathMovesToTheEnd)
{
    for (LPCSTR pszPath : { "a.txt", "b.rtf", "unter\\c.dat" })
        m_pEntry->m_lstAttachments.AddTail(pszPath);
    m_pView->ShowAttachments(m_pEntry);
    Select({ 0 });
    CString strShown;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& r) {
        r.pDialog->GetDlgItemText(IDC_ATTACHMENT_PATH, strShown);
        r.pDialog->SetDlgItemText(IDC_ATTACHMENT_PATH, ".\\a.txt");
        return IDOK;
    });
    m_pFrame->SendMessage(WM_COMMAND, ID_CHANGE_ATTACHMENT_PATH);
    EXPECT_STREQ("a.txt", strShown);
    EXPECT_EQ((std::vector<std::string>{ "b.rtf", "unter\\c.dat", ".\\a.txt" }), Stored(m_pEntry));
    EXPECT_EQ(Stored(m_pEntry), Rows());
    EXPECT_EQ(2, m_pView->GetListCtrl().GetNextItem(-1, LVNI_SELECTED));
    EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(AttachmentViewTest, ColumnsSortAscendingThenDescending)
{
    for (LPCSTR pszPath : { ".\\unter\\c.dat", "a.txt", "b.rtf" })
        m_pEntry->m_lstAttachments.AddTail(pszPath);
    m_pView->ShowAttachments(m_pEntry);
    auto displayName = [&](LPCSTR pszStored) {
        SHFILEINFOA info = {};
        ::SHGetFileInfoA(m_pView->ResolveAttachmentPath(pszStored), 0, &info, sizeof(info), SHGFI_DISPLAYNAME);
        return std::string(info.szDisplayName);
    };
    ASSERT_LT(lstrcmpiA(displayName("a.txt").c_str(), displayName("b.rtf").c_str()), 0);
    ASSERT_LT(lstrcmpiA(displayName("b.rtf").c_str(), displayName(".\\unter\\c.dat").c_str()), 0);

    struct Step
    {
        int nColumn;
        std::vector<std::string> rows;
    };
    const Step steps[] = {
        { 0, { "a.txt", "b.rtf", ".\\unter\\c.dat" } },
        { 0, { ".\\unter\\c.dat", "b.rtf", "a.txt" } },
        // Place: the part before the last "\", empty first.
        { 3, { "b.rtf", "a.txt", ".\\unter\\c.dat" } },
        { 3, { ".\\unter\\c.dat", "b.rtf", "a.txt" } },
        // Changed: 1999, 2001, 2005.
        { 2, { "b.rtf", "a.txt", ".\\unter\\c.dat" } },
        { 2, { ".\\unter\\c.dat", "a.txt", "b.rtf" } },
    };
    for (const Step& s : steps)
    {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = m_pView->m_hWnd;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = s.nColumn;
        m_pFrame->SendMessage(WM_NOTIFY, AFX_IDW_PANE_FIRST, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(s.nColumn, m_pView->GetSortColumn());
        EXPECT_EQ(s.rows, Rows()) << s.nColumn;
    }

    // Type: the shell's type names, without case.
    m_pView->SortByColumn(1);
    std::vector<std::string> types;
    for (int i = 0; i < 3; ++i)
        types.push_back(std::string(m_pView->GetListCtrl().GetItemText(i, 1)));
    for (int i = 0; i + 1 < 3; ++i)
        EXPECT_LE(lstrcmpiA(types[i].c_str(), types[i + 1].c_str()), 0);
}

TEST_F(AttachmentViewTest, OpeningHandsTheResolvedPathToTheShell)
{
    m_pEntry->m_lstAttachments.AddTail(".\\a.txt");
    m_pEntry->m_lstAttachments.AddTail("fehlt.doc");
    m_pView->ShowAttachments(m_pEntry);
    std::vector<XT_SHELLOPEN_REQUEST> opened;
    CTestSeamScope<XT_SHELLOPEN_REQUEST> seam([&](const XT_SHELLOPEN_REQUEST& r) {
        opened.push_back(r);
        return 42;
    });
    m_pView->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Select({ 1 });
    m_pView->OpenAttachment();
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ(Full("a.txt"), std::string(opened[0].strFile));
    EXPECT_EQ(SW_SHOWNORMAL, opened[0].nShowCmd);
    EXPECT_TRUE(opened[0].strParameters.IsEmpty());
    // A missing file goes to the shell, which reports it.
    EXPECT_EQ(Full("fehlt.doc"), std::string(opened[1].strFile));
}

// Records what a shell menu would be asked to run.
class CRecordingContextMenu : public IContextMenu
{
public:
    STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(QueryContextMenu)(HMENU, UINT, UINT, UINT, UINT) override { return E_NOTIMPL; }
    STDMETHOD(InvokeCommand)(CMINVOKECOMMANDINFO* pInfo) override
    {
        m_verbs.push_back(IS_INTRESOURCE(pInfo->lpVerb)
                              ? std::to_string(reinterpret_cast<UINT_PTR>(pInfo->lpVerb))
                              : std::string(pInfo->lpVerb));
        m_shows.push_back(pInfo->nShow);
        return S_OK;
    }
    STDMETHOD(GetCommandString)(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }

    std::vector<std::string> m_verbs;
    std::vector<int> m_shows;
};

TEST_F(AttachmentViewTest, ShellContextMenuIsBuiltAndItsChoiceRun)
{
    CQivShellFileMenu menu;
    ASSERT_TRUE(menu.Build(m_strFolder + "a.txt", m_pView->m_hWnd));
    ASSERT_NE(menu.GetContextMenu(), nullptr);
    const int nCount = ::GetMenuItemCount(menu.GetMenu());
    ASSERT_GE(nCount, 2);
    EXPECT_EQ(CQivShellFileMenu::kPropertiesCommand, ::GetMenuItemID(menu.GetMenu(), nCount - 1));
    char szText[64] = {};
    ::GetMenuStringA(menu.GetMenu(), nCount - 1, szText, sizeof(szText), MF_BYPOSITION);
    EXPECT_STREQ("E&igenschaften", szText);
    EXPECT_EQ(0u, ::GetMenuItemID(menu.GetMenu(), nCount - 2));
    // Every shell command lies in the range handed to the shell.
    for (int i = 0; i < nCount - 2; ++i)
    {
        const UINT nID = ::GetMenuItemID(menu.GetMenu(), i);
        if (nID != 0 && nID != static_cast<UINT>(-1))
        {
            EXPECT_GE(nID, CQivShellFileMenu::kFirstShellCommand);
            EXPECT_LE(nID, CQivShellFileMenu::kLastShellCommand);
        }
    }

    CRecordingContextMenu recorder;
    EXPECT_FALSE(QivInvokeShellMenuCommand(&recorder, 0, m_pView->m_hWnd));
    EXPECT_TRUE(QivInvokeShellMenuCommand(&recorder, CQivShellFileMenu::kPropertiesCommand, m_pView->m_hWnd));
    EXPECT_TRUE(QivInvokeShellMenuCommand(&recorder, 18, m_pView->m_hWnd));
    EXPECT_TRUE(QivInvokeShellMenuCommand(&recorder, 20, m_pView->m_hWnd));
    EXPECT_EQ((std::vector<std::string>{ "properties", "17", "19" }), recorder.m_verbs);
    EXPECT_EQ((std::vector<int>{ SW_SHOWNORMAL, SW_SHOWNORMAL, SW_SHOWNORMAL }), recorder.m_shows);
}

TEST_F(AttachmentViewTest, CommandsNeedARowAndTheColourIsOff)
{
    struct CheckedCmdUI : CCmdUI
    {
        BOOL bEnabled = -1;
        void Enable(BOOL bOn) override
        {
            bEnabled = bOn;
            m_bEnableChanged = TRUE;
        }
    };
    auto enabled = [&](UINT nID) {
        CheckedCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(m_pFrame, FALSE);
        return state.bEnabled;
    };
    m_pView->ShowAttachments(m_pEntry);
    EXPECT_FALSE(enabled(ID_CHANGE_ATTACHMENT_PATH));
    EXPECT_FALSE(enabled(ID_EDIT_CLEAR));
    EXPECT_FALSE(enabled(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(enabled(ID_FONT_COLOR));
    m_pEntry->m_lstAttachments.AddTail("a.txt");
    m_pView->ShowAttachments(m_pEntry);
    EXPECT_TRUE(enabled(ID_CHANGE_ATTACHMENT_PATH));
    EXPECT_TRUE(enabled(ID_EDIT_CLEAR));
    EXPECT_TRUE(enabled(ID_EDIT_SELECT_ALL));

    C_AnlageDlg dlg;
    EXPECT_EQ(0x80C9043Cu, dlg.GetHelpContext(IDC_ATTACHMENT_PATH));
    EXPECT_EQ(0x80960001u, dlg.GetHelpContext(IDOK));
    EXPECT_EQ(0x8096E146u, dlg.GetHelpContext(ID_HELP));
}

} // namespace
