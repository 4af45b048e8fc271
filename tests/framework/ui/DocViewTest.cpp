// Documents and their views: joining and leaving, updates, saving through a
// temporary file, reporting files that cannot be read, and the question
// whether to save a modified document.
#include "TestApp.h"

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Document.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A document of one text line; Serialize can be told to fail half way.
class CLineDoc : public CDocument
{
public:
    CString m_strLine;
    BOOL m_bFailWhileStoring = FALSE;
    BOOL* m_pbDeleted = nullptr;

    ~CLineDoc() override
    {
        if (m_pbDeleted != nullptr)
            *m_pbDeleted = TRUE;
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_strLine;
            if (m_bFailWhileStoring)
                AfxThrowArchiveException(CArchiveException::genericException);
        }
        else
        {
            ar >> m_strLine;
        }
    }

    void DeleteContents() override { m_strLine.Empty(); }
};

class CCountingView : public CView
{
public:
    int m_nUpdates = 0;
    void OnUpdate(CView*, LPARAM, CObject*) override { ++m_nUpdates; }
};

// A folder of its own under the temporary folder, removed with its files.
class CScratchFolder
{
public:
    CScratchFolder()
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%sdocview-%lu-%lu", szTemp, ::GetCurrentProcessId(), ::GetTickCount());
        ::CreateDirectoryA(m_strPath, nullptr);
    }
    ~CScratchFolder()
    {
        for (const CString& strName : Files())
            ::DeleteFileA(m_strPath + "\\" + strName);
        ::RemoveDirectoryA(m_strPath);
    }
    CString File(LPCSTR lpszName) const { return m_strPath + "\\" + lpszName; }
    std::vector<CString> Files() const
    {
        std::vector<CString> names;
        WIN32_FIND_DATAA fd;
        HANDLE hFind = ::FindFirstFileA(m_strPath + "\\*", &fd);
        if (hFind == INVALID_HANDLE_VALUE)
            return names;
        do
        {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                names.push_back(fd.cFileName);
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
        return names;
    }

private:
    CString m_strPath;
};

std::string ReadWholeFile(LPCSTR lpszPath)
{
    std::string data;
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return data;
    char buffer[256];
    DWORD nRead = 0;
    while (::ReadFile(hFile, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0)
        data.append(buffer, nRead);
    ::CloseHandle(hFile);
    return data;
}

class DocViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, TestWndClass(), "Ansichten", WS_OVERLAPPEDWINDOW, 0, 0,
                                      400, 300, nullptr, nullptr));
    }
    void TearDown() override
    {
        if (m_parent.m_hWnd != nullptr)
            m_parent.DestroyWindow();
    }

    CCountingView* CreateView(CDocument* pDoc, UINT nID)
    {
        auto* pView = new CCountingView;
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        EXPECT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 100, 100),
                                  &m_parent, nID, &context));
        return pView;
    }

    CWnd m_parent;
};

TEST_F(DocViewTest, ViewsJoinTheirDocumentGetUpdatesAndTheLastOneClosesIt)
{
    BOOL bDeleted = FALSE;
    auto* pDoc = new CLineDoc;
    pDoc->m_pbDeleted = &bDeleted;
    CCountingView* pFirst = CreateView(pDoc, 1);
    CCountingView* pSecond = CreateView(pDoc, 2);

    POSITION pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pDoc->GetNextView(pos), pFirst);
    EXPECT_EQ(pDoc->GetNextView(pos), pSecond);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(pFirst->GetDocument(), pDoc);

    // The view that made the change is not told about it.
    pDoc->UpdateAllViews(pFirst);
    EXPECT_EQ(pFirst->m_nUpdates, 0);
    EXPECT_EQ(pSecond->m_nUpdates, 1);

    pFirst->DestroyWindow();
    pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pDoc->GetNextView(pos), pSecond);
    EXPECT_FALSE(bDeleted);

    // The document goes with its last view.
    pSecond->DestroyWindow();
    EXPECT_TRUE(bDeleted);
}

TEST_F(DocViewTest, SavingReplacesTheFileOnlyOnceTheWholeDocumentIsWritten)
{
    CScratchFolder folder;
    CString strPath = folder.File("notiz.dat");
    CLineDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.m_strLine = "erste Fassung";
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnSaveDocument(strPath));
    EXPECT_FALSE(doc.IsModified());
    std::string firstBytes = ReadWholeFile(strPath);
    EXPECT_EQ(firstBytes, std::string("\x0D" "erste Fassung"));

    // A save that fails half way reports the target's name and leaves the
    // file of before, with no temporary file beside it.
    std::vector<CString> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText);
        return IDOK;
    });
    doc.m_strLine = "zweite, längere Fassung";
    doc.m_bFailWhileStoring = TRUE;
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.OnSaveDocument(strPath));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadWholeFile(strPath), firstBytes);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Find("notiz.dat"), -1) << static_cast<LPCSTR>(messages[0]);
    std::vector<CString> files = folder.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], "notiz.dat");

    // Reading it back gives the first version.
    CLineDoc reread;
    reread.m_bAutoDelete = FALSE;
    ASSERT_TRUE(reread.OnOpenDocument(strPath));
    EXPECT_EQ(reread.m_strLine, "erste Fassung");
}

TEST_F(DocViewTest, AFileThatCannotBeOpenedIsReportedByName)
{
    CScratchFolder folder;
    std::vector<CString> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText);
        return IDOK;
    });
    CLineDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.m_strLine = "bleibt";
    EXPECT_FALSE(doc.OnOpenDocument(folder.File("fehlt.dat")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Find("fehlt.dat"), -1) << static_cast<LPCSTR>(messages[0]);

    // A file cut short is an error of its own, not a half-read document.
    CString strShort = folder.File("kurz.dat");
    HANDLE hFile = ::CreateFileA(strShort, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(hFile, "\x20" "abc", 4, &nWritten, nullptr);   // says 32 characters
    ::CloseHandle(hFile);
    EXPECT_FALSE(doc.OnOpenDocument(strShort));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].Find("kurz.dat"), -1) << static_cast<LPCSTR>(messages[1]);
    EXPECT_TRUE(doc.m_strLine.IsEmpty());
}

TEST_F(DocViewTest, TheSaveQuestionNamesTheDocumentAndFollowsTheAnswer)
{
    CScratchFolder folder;
    CString strPath = folder.File("brief.dat");
    struct Case
    {
        int nAnswer;
        BOOL bMayClose;
        bool bSaved;
    };
    const Case cases[] = {
        { IDNO, TRUE, false },
        { IDCANCEL, FALSE, false },
        { IDYES, TRUE, true },
    };
    for (const Case& c : cases)
    {
        ::DeleteFileA(strPath);
        CLineDoc doc;
        doc.m_bAutoDelete = FALSE;
        doc.SetPathName(strPath, FALSE);
        doc.m_strLine = "Inhalt";
        doc.SetModifiedFlag(TRUE);
        CString strQuestion;
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            strQuestion = box.strText;
            EXPECT_EQ(box.nType & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
            return c.nAnswer;
        });
        EXPECT_EQ(doc.SaveModified(), c.bMayClose) << c.nAnswer;
        EXPECT_NE(strQuestion.Find("brief.dat"), -1) << static_cast<LPCSTR>(strQuestion);
        EXPECT_NE(strQuestion.Find("Änderungen"), -1) << static_cast<LPCSTR>(strQuestion);
        EXPECT_EQ(::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES, c.bSaved) << c.nAnswer;
        EXPECT_EQ(doc.IsModified(), !c.bSaved) << c.nAnswer;
    }

    // An unchanged document closes without a question.
    CLineDoc clean;
    clean.m_bAutoDelete = FALSE;
    EXPECT_TRUE(clean.SaveModified());
}

} // namespace
