// A small single-document program: one template, a frame whose static
// splitter holds a tree view and a rich-edit view, and the file commands
// sent to the frame as the menu sends them, with the file dialogs and
// message boxes answered by the tests' seams. The recent-file list goes
// through the registry.
#include "SdiTestRes.h"
#include "TestApp.h"

#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/core/Profile.h"
#include "framework/ui/CommandLineInfo.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/DocManager.h"
#include "framework/ui/DocTemplate.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/RecentFileList.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/RichEditView.h"
#include "framework/ui/Splitter.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/TreeView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CSdiDoc : public CRichEditDoc
{
    DECLARE_DYNCREATE(CSdiDoc)
public:
    CRichEditCntrItem* CreateClientItem(REOBJECT* preo) const override
    {
        return new CRichEditCntrItem(preo, const_cast<CSdiDoc*>(this));
    }

    // Set: the document behaves like one that reads into new state and
    // keeps it only on success: opening refuses the file before touching
    // anything, and the document's own modified flag is kept apart from the
    // editor's.
    static bool s_bRefuseOpen;
    BOOL OnOpenDocument(LPCSTR lpszPathName) override
    {
        if (s_bRefuseOpen)
            AfxThrowArchiveException(CArchiveException::badClass, lpszPathName);
        return CRichEditDoc::OnOpenDocument(lpszPathName);
    }
    void SetModifiedFlag(BOOL bModified = TRUE) override
    {
        if (s_bRefuseOpen)
            CDocument::SetModifiedFlag(bModified);
        else
            CRichEditDoc::SetModifiedFlag(bModified);
    }
};

bool CSdiDoc::s_bRefuseOpen = false;

IMPLEMENT_DYNCREATE(CSdiDoc, CRichEditDoc)

class CSdiTextView : public CRichEditView
{
    DECLARE_DYNCREATE(CSdiTextView)
};

IMPLEMENT_DYNCREATE(CSdiTextView, CRichEditView)

// The tree on the left, the template's text view on the right. The frame
// stays hidden: without a window manager the system waits two seconds for
// a shown frame window to go.
class CSdiFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CSdiFrame)
public:
    CSplitterWnd m_splitter;
    int m_nShown = 0;

    void ActivateFrame(int) override { ++m_nShown; }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override
    {
        if (!m_splitter.CreateStatic(this, 1, 2)
            || !m_splitter.CreateView(0, 0, RUNTIME_CLASS(CTreeView), CSize(150, 0), pContext)
            || !m_splitter.CreateView(0, 1, pContext->m_pNewViewClass, CSize(0, 0), pContext))
            return FALSE;
        SetActiveView(static_cast<CView*>(m_splitter.GetPane(0, 1)));
        return TRUE;
    }
};

IMPLEMENT_DYNCREATE(CSdiFrame, CFrameWnd)

// A folder of its own for the test's files.
class CScratch
{
public:
    CScratch()
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%ssdi-%lu", szTemp, ::GetCurrentProcessId());
        ::CreateDirectoryA(m_strPath, nullptr);
    }
    ~CScratch()
    {
        WIN32_FIND_DATAA fd;
        HANDLE hFind = ::FindFirstFileA(m_strPath + "\\*", &fd);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
            {
                if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    ::DeleteFileA(m_strPath + "\\" + fd.cFileName);
            } while (::FindNextFileA(hFind, &fd));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryA(m_strPath);
    }
    CString File(LPCSTR lpszName) const { return m_strPath + "\\" + lpszName; }

private:
    CString m_strPath;
};

const char kCompany[] = "QivSdiTestCompany";

class SdiTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CTestApp& app = TestApp();
        m_nOldCmdShow = app.m_nCmdShow;
        app.SetRegistryKey(kCompany);
        app.m_nCmdShow = SW_HIDE;
        app.LoadStdProfileSettings(4);
        app.AddDocTemplate(new CSingleDocTemplate(IDR_SDITEST, RUNTIME_CLASS(CSdiDoc),
                                                  RUNTIME_CLASS(CSdiFrame),
                                                  RUNTIME_CLASS(CSdiTextView)));
    }

    void TearDown() override
    {
        CTestApp& app = TestApp();
        if (CWnd* pMainWnd = app.m_pMainWnd)
        {
            CMessageBoxSeam::Install([](const AFX_MESSAGEBOX_REQUEST&) { return IDNO; });
            pMainWnd->DestroyWindow();
        }
        delete app.m_pDocManager;
        app.m_pDocManager = nullptr;
        delete app.m_pRecentFileList;
        app.m_pRecentFileList = nullptr;
        app.m_pMainWnd = nullptr;
        CAppProfile::DelRegTree(HKEY_CURRENT_USER, CString("Software\\") + kCompany);
        app.m_nCmdShow = m_nOldCmdShow;
        CMessageBoxSeam::Install([](const AFX_MESSAGEBOX_REQUEST& box) {
            ADD_FAILURE() << "unexpected message box: " << static_cast<LPCSTR>(box.strText);
            return IDCANCEL;
        });
        // The main window's end asks the message loop to stop; these tests
        // have no loop.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        {
        }
    }

    CSdiFrame* Frame() const { return static_cast<CSdiFrame*>(TestApp().m_pMainWnd); }
    CSdiDoc* Doc() const { return static_cast<CSdiDoc*>(Frame()->GetActiveDocument()); }
    CSdiTextView* TextView() const
    {
        return static_cast<CSdiTextView*>(Frame()->m_splitter.GetPane(0, 1));
    }
    CString Title() const
    {
        CString strTitle;
        Frame()->GetWindowText(strTitle);
        return strTitle;
    }
    CString Text() const
    {
        CString strText;
        TextView()->GetWindowText(strText);
        return strText;
    }
    void Type(LPCSTR lpszText)
    {
        TextView()->GetRichEditCtrl().SetSel(-1, -1);
        TextView()->GetRichEditCtrl().ReplaceSel(lpszText, TRUE);
    }
    void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID); }

    // Gives the application its own names back once the test object ends.
    CStartupNamesScope m_names;
    int m_nOldCmdShow = SW_SHOWNORMAL;
};

// Answers the file dialogs with the paths given, one per dialog, and keeps
// what each dialog showed.
struct FileDialogAnswers
{
    std::vector<CString> paths;
    std::vector<AFX_COMMONDIALOG_REQUEST> shown;
    size_t nNext = 0;

    int operator()(const AFX_COMMONDIALOG_REQUEST& request)
    {
        shown.push_back(request);
        if (nNext >= paths.size())
            return IDCANCEL;
        request.pAnswer->strPath = paths[nNext++];
        return IDOK;
    }
};

TEST_F(SdiTest, FileCommandsRunThroughTheFrameAndKeepTheRecentFiles)
{
    CScratch scratch;
    CTestApp& app = TestApp();

    // Start-up without a file on the command line: a new document.
    CCommandLineInfo cmdInfo;
    ASSERT_EQ(cmdInfo.m_nShellCommand, CCommandLineInfo::FileNew);
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
    ASSERT_NE(Frame(), nullptr);
    ASSERT_TRUE(Frame()->IsKindOf(RUNTIME_CLASS(CSdiFrame)));
    EXPECT_TRUE(Frame()->m_splitter.GetPane(0, 0)->IsKindOf(RUNTIME_CLASS(CTreeView)));
    EXPECT_TRUE(TextView()->IsKindOf(RUNTIME_CLASS(CSdiTextView)));
    EXPECT_EQ(Doc()->GetView(), TextView());
    EXPECT_EQ(Title(), "Unbenannt - SdiTest");
    EXPECT_NE(Frame()->m_hAccelTable, nullptr);
    EXPECT_EQ(Frame()->m_nShown, 1);

    // Typing marks the document; Save asks for a name and writes the file.
    Type("Erste Zeile");
    EXPECT_TRUE(Doc()->IsModified());
    CString strFirst = scratch.File("brief.ntz");
    FileDialogAnswers dialogs;
    dialogs.paths = { strFirst };
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer(std::ref(dialogs));
        Command(ID_FILE_SAVE);
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, CommonDialogKind::fileSave);
    EXPECT_EQ(dialogs.shown[0].strTitle, "Speichern unter");
    EXPECT_EQ(dialogs.shown[0].strFilter, "Notizen (*.ntz)|*.ntz|Alle Dateien (*.*)|*.*||");
    EXPECT_NE(::GetFileAttributesA(strFirst), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetPathName().CompareNoCase(strFirst), 0);
    EXPECT_EQ(Title().Find("brief"), 0) << static_cast<LPCSTR>(Title());
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    EXPECT_EQ((*app.m_pRecentFileList)[0].CompareNoCase(strFirst), 0);

    // New: an unchanged document goes without a question.
    Command(ID_FILE_NEW);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Title(), "Unbenannt - SdiTest");

    // Open: the file dialog, then the text as it was saved.
    dialogs = FileDialogAnswers();
    dialogs.paths = { strFirst };
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer(std::ref(dialogs));
        Command(ID_FILE_OPEN);
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, CommonDialogKind::fileOpen);
    EXPECT_EQ(dialogs.shown[0].strTitle, "Öffnen");
    EXPECT_EQ(Text(), "Erste Zeile");
    EXPECT_FALSE(Doc()->IsModified());

    // Save As under a second name; the list has the newest first.
    Type(", zweite Fassung");
    CString strSecond = scratch.File("antwort.ntz");
    dialogs = FileDialogAnswers();
    dialogs.paths = { strSecond };
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer(std::ref(dialogs));
        Command(ID_FILE_SAVE_AS);
    }
    EXPECT_EQ(Doc()->GetPathName().CompareNoCase(strSecond), 0);
    EXPECT_EQ((*app.m_pRecentFileList)[0].CompareNoCase(strSecond), 0);
    EXPECT_EQ((*app.m_pRecentFileList)[1].CompareNoCase(strFirst), 0);

    // The second recent file is the first one: opened from the list.
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(Text(), "Erste Zeile");
    EXPECT_EQ(Doc()->GetPathName().CompareNoCase(strFirst), 0);

    // Closing a changed document asks; Cancel keeps the frame, No closes.
    Type(" und mehr");
    std::vector<CString> questions;
    int nAnswer = IDCANCEL;
    {
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            questions.push_back(box.strText);
            EXPECT_EQ(box.nType & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
            return nAnswer;
        });
        Frame()->SendMessage(WM_CLOSE);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_NE(questions[0].Find("brief.ntz"), -1) << static_cast<LPCSTR>(questions[0]);
        ASSERT_NE(Frame(), nullptr);
        EXPECT_TRUE(::IsWindow(Frame()->m_hWnd));

        nAnswer = IDNO;
        Frame()->SendMessage(WM_CLOSE);
        EXPECT_EQ(questions.size(), 2u);
    }
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);

    // The list as the next start reads it from the registry.
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    list.ReadList();
    EXPECT_EQ(list[0].CompareNoCase(strFirst), 0);
    EXPECT_EQ(list[1].CompareNoCase(strSecond), 0);
    EXPECT_TRUE(list[2].IsEmpty());
    EXPECT_EQ(app.GetProfileString("Recent File List", "File1").CompareNoCase(strFirst), 0);
}

// A file that cannot be read leaves the document as it was when the
// document refused it before changing anything: its text, its unsaved
// changes and its name stay.
TEST_F(SdiTest, AFailedOpenKeepsTheDocumentAndItsChanges)
{
    CScratch scratch;
    CTestApp& app = TestApp();
    CCommandLineInfo cmdInfo;
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
    CString strOther = scratch.File("andere.ntz");
    {
        CFile file(strOther, CFile::modeCreate | CFile::modeWrite);
        file.Write("kaputt", 6);
    }
    Type("Noch nicht gespeichert");
    ASSERT_TRUE(Doc()->IsModified());

    FileDialogAnswers dialogs;
    dialogs.paths = { strOther };
    std::vector<CString> boxes;
    CSdiDoc::s_bRefuseOpen = true;
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer(std::ref(dialogs));
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxAnswer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            boxes.push_back(box.strText);
            // The save question first: keep the changes unsaved for now.
            return (box.nType & MB_TYPEMASK) == MB_YESNOCANCEL ? IDNO : IDOK;
        });
        Command(ID_FILE_OPEN);
    }
    CSdiDoc::s_bRefuseOpen = false;
    EXPECT_EQ(boxes.size(), 2u);   // the question, then the report of the bad file
    EXPECT_EQ(Text(), "Noch nicht gespeichert");
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Title(), "Unbenannt - SdiTest");
}

TEST_F(SdiTest, AFileNamedOnTheCommandLineIsOpenedAndAMissingOneEndsTheStart)
{
    CScratch scratch;
    CTestApp& app = TestApp();
    CString strPath = scratch.File("start.ntz");
    HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char rtf[] = "{\\rtf1\\ansi Vom Start\\par}";
    DWORD nWritten = 0;
    ::WriteFile(hFile, rtf, sizeof(rtf) - 1, &nWritten, nullptr);
    ::CloseHandle(hFile);

    // "/dde" keeps its meaning; the first plain argument is the file.
    CCommandLineInfo cmdInfo;
    std::string strArg(static_cast<LPCSTR>(strPath));
    char* argv[] = { const_cast<char*>("qivnotes.exe"), const_cast<char*>(strArg.c_str()),
                     const_cast<char*>("Kategorie\\Eintrag") };
    AfxParseCommandLine(cmdInfo, 3, argv);
    EXPECT_EQ(cmdInfo.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_TRUE(cmdInfo.m_bShowSplash);
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
    EXPECT_EQ(Text(), "Vom Start");
    EXPECT_EQ(Title().Find("start"), 0) << static_cast<LPCSTR>(Title());
    Frame()->DestroyWindow();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }

    // A file that is not there is reported and the start ends.
    CCommandLineInfo missing;
    missing.ParseParam(scratch.File("fehlt.ntz"), FALSE, TRUE);
    std::vector<CString> reports;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        reports.push_back(box.strText);
        return IDOK;
    });
    EXPECT_FALSE(app.ProcessShellCommand(missing));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].Find("fehlt.ntz"), -1) << static_cast<LPCSTR>(reports[0]);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// Command lines as the shell and OLE start the program.
TEST(CommandLineInfoTest, SwitchesAndFilesSetTheShellCommand)
{
    struct Case
    {
        std::vector<const char*> args;
        int nShellCommand;
        BOOL bShowSplash;
        const char* pszFile;
    };
    const Case cases[] = {
        { {}, CCommandLineInfo::FileNew, TRUE, "" },
        { { "a.qiv" }, CCommandLineInfo::FileOpen, TRUE, "a.qiv" },
        { { "/p", "a.qiv" }, CCommandLineInfo::FilePrint, TRUE, "a.qiv" },
        { { "-dde" }, CCommandLineInfo::FileDDE, TRUE, "" },
        { { "/Embedding" }, CCommandLineInfo::FileNew, FALSE, "" },
        { { "a.qiv", "/Q" }, CCommandLineInfo::FileOpen, TRUE, "a.qiv" },
    };
    for (const Case& c : cases)
    {
        std::vector<char*> argv = { const_cast<char*>("qivnotes.exe") };
        for (const char* pszArg : c.args)
            argv.push_back(const_cast<char*>(pszArg));
        CCommandLineInfo info;
        AfxParseCommandLine(info, static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(info.m_nShellCommand, c.nShellCommand) << c.args.size();
        EXPECT_EQ(info.m_bShowSplash, c.bShowSplash) << c.args.size();
        EXPECT_EQ(info.m_strFileName, c.pszFile);
    }

    CCommandLineInfo printTo;
    char* argv[] = { const_cast<char*>("x"), const_cast<char*>("/pt"), const_cast<char*>("a.qiv"),
                     const_cast<char*>("Drucker"), const_cast<char*>("Treiber"),
                     const_cast<char*>("LPT1:") };
    AfxParseCommandLine(printTo, 6, argv);
    EXPECT_EQ(printTo.m_nShellCommand, CCommandLineInfo::FilePrintTo);
    EXPECT_EQ(printTo.m_strPrinterName, "Drucker");
    EXPECT_EQ(printTo.m_strDriverName, "Treiber");
    EXPECT_EQ(printTo.m_strPortName, "LPT1:");
}

TEST(RecentFileListTest, DisplayNamesShortenLongPathsAndKeepTheFileName)
{
    struct Case
    {
        const char* pszPath;
        int nMax;
        const char* pszExpected;
    };
    const Case cases[] = {
        { "C:\\Daten\\brief.qiv", 30, "C:\\Daten\\brief.qiv" },
        { "C:\\Daten\\Privat\\Briefe\\Alt\\brief.qiv", 30, "C:\\Daten\\...\\Alt\\brief.qiv" },
        { "C:\\Daten\\Privat\\Briefe\\Alt\\brief.qiv", 22, "C:\\Daten\\...\\brief.qiv" },
        { "C:\\Daten\\Privat\\Briefe\\Alt\\brief.qiv", 21, "brief.qiv" },
        { "\\\\server\\freigabe\\ordner\\unter\\brief.qiv", 32, "\\\\server\\freigabe\\...\\brief.qiv" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(AfxAbbreviateName(c.pszPath, c.nMax, TRUE), c.pszExpected) << c.pszPath;
    EXPECT_EQ(AfxAbbreviateName("C:\\Daten\\ein-sehr-langer-name.qiv", 10, FALSE), "");

    // A file in the current folder shows its title alone; the same file
    // added again moves to the front.
    CRecentFileList list(0, "Recent File List", "File%d", 3, 40);
    list.Add("C:\\Ablage\\eins.qiv");
    list.Add("C:\\Ablage\\zwei.qiv");
    list.Add("C:\\ABLAGE\\EINS.QIV");
    EXPECT_EQ(list[0], "C:\\ABLAGE\\EINS.QIV");
    EXPECT_EQ(list[1], "C:\\Ablage\\zwei.qiv");
    EXPECT_TRUE(list[2].IsEmpty());
    CString strName;
    ASSERT_TRUE(list.GetDisplayName(strName, 1, "C:\\Ablage\\", 10));
    EXPECT_EQ(strName.Find("zwei"), 0) << static_cast<LPCSTR>(strName);
    EXPECT_EQ(strName.Find('\\'), -1) << static_cast<LPCSTR>(strName);
    ASSERT_TRUE(list.GetDisplayName(strName, 1, "D:\\Woanders\\", 12));
    EXPECT_EQ(strName.Find("C:\\Ablage\\zwei"), 0) << static_cast<LPCSTR>(strName);
    EXPECT_FALSE(list.GetDisplayName(strName, 2, "C:\\", 3));
}

} // namespace
