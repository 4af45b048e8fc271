#include "ExchangeTestFiles.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>

namespace qivtest {

CTempFolder::CTempFolder()
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    // A folder no one has used: Wine gives later runs the same process ids,
    // and a run that was stopped leaves its folders behind.
    static LONG s_nNext = 0;
    char name[MAX_PATH + 64];
    do {
        snprintf(name, sizeof(name), "%sqivx%lu-%ld", base, ::GetCurrentProcessId(),
                 ::InterlockedIncrement(&s_nNext));
    } while (!::CreateDirectoryA(name, nullptr) && ::GetLastError() == ERROR_ALREADY_EXISTS);
    m_path = name;
}

CTempFolder::~CTempFolder()
{
    std::string from(m_path.GetString(), m_path.GetLength() + 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    ::SHFileOperationA(&op);
}

CString CTempFolder::Path(LPCSTR lpszName) const
{
    return m_path + "\\" + lpszName;
}

std::string ReadFileBytes(LPCSTR lpszPath)
{
    std::string bytes;
    FILE* f = fopen(lpszPath, "rb");
    if (!f) {
        ADD_FAILURE() << "cannot read " << lpszPath;
        return bytes;
    }
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

void WriteFileBytes(LPCSTR lpszPath, const std::string& bytes)
{
    FILE* f = fopen(lpszPath, "wb");
    ASSERT_TRUE(f) << "cannot write " << lpszPath;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

void WriteLargeFile(LPCSTR lpszPath, ULONGLONG nLength)
{
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << "cannot write " << lpszPath;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(nLength);
    EXPECT_TRUE(::SetFilePointerEx(hFile, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(::SetEndOfFile(hFile));
    ::CloseHandle(hFile);
}

BOOL FileExists(LPCSTR lpszPath)
{
    return ::GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

CString SourceFolder(LPCSTR lpszRelative)
{
    const char* source = getenv("QIV_SOURCE_DIR");
    CString path(source ? source : "");
    path += "/";
    path += lpszRelative;
    path.Replace('/', '\\');
    // A Unix path of the source tree, as Wine's drive Z: shows it.
    if (path.GetLength() > 0 && path[0] == '\\')
        path = "Z:" + path;
    if (path.Right(1) != "\\")
        path += "\\";
    return path;
}

} // namespace qivtest

#include "framework/ui/DialogSeams.h"
#include "framework/ui/FileDialog.h"

namespace qivtest {

CShownCardFile::CShownCardFile() : m_root(new C_QivCategory("Notizen"))
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_TREEVIEW_CLASSES };
    ::InitCommonControlsEx(&icc);
    m_hTree = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_OVERLAPPEDWINDOW | TVS_HASBUTTONS,
                                0, 0, 300, 400, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

CShownCardFile::~CShownCardFile()
{
    if (m_hTree)
        ::DestroyWindow(m_hTree);
}

void CShownCardFile::Show()
{
    ::SendMessageA(m_hTree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    m_root->InsertIntoTree(m_hTree, TVI_ROOT, TVI_LAST);
}

void CShownCardFile::Select(C_QivItem* pItem)
{
    ::SendMessageA(m_hTree, TVM_SELECTITEM, TVGN_CARET,
                   reinterpret_cast<LPARAM>(pItem ? pItem->m_hTreeItem : nullptr));
}

CQivExchangeContext CShownCardFile::Context()
{
    CQivExchangeContext ctx;
    ctx.hTree = m_hTree;
    ctx.pRoot = m_root.get();
    ctx.setModified = [this] { ++m_nModified; };
    return ctx;
}

std::vector<std::string> CShownCardFile::TreeTitles(C_QivItem* pItem) const
{
    std::vector<std::string> titles;
    HTREEITEM hChild = reinterpret_cast<HTREEITEM>(::SendMessageA(
        m_hTree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(pItem->m_hTreeItem)));
    while (hChild) {
        char text[512] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = hChild;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(m_hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        titles.push_back(text);
        hChild = reinterpret_cast<HTREEITEM>(::SendMessageA(
            m_hTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hChild)));
    }
    return titles;
}

std::vector<std::string> CShownCardFile::ChainTitles(C_QivCategory* pCategory)
{
    std::vector<std::string> titles;
    for (C_QivItem* p = pCategory->m_pFirstChild; p; p = p->m_pNext)
        titles.push_back(p->m_strTitle.GetString());
    return titles;
}

struct CFileDialogAnswers::Scope
{
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> seam;
    explicit Scope(CFileDialogAnswers* pOwner)
        : seam([pOwner](const AFX_COMMONDIALOG_REQUEST& request) {
              CFileDialog* pDialog = static_cast<CFileDialog*>(request.pDialog);
              Shown shown = {request.kind == CommonDialogKind::fileOpen, request.strTitle.GetString(),
                             request.strFilter.GetString(),
                             pDialog->m_ofn.lpstrFile ? pDialog->m_ofn.lpstrFile : "",
                             request.dwFlags};
              pOwner->m_shown.push_back(shown);
              size_t n = pOwner->m_shown.size() - 1;
              CString path = n < pOwner->m_paths.size() ? pOwner->m_paths[n] : CString();
              if (path.IsEmpty())
                  return IDCANCEL;
              request.pAnswer->strPath = path;
              return IDOK;
          })
    {
    }
};

CFileDialogAnswers::CFileDialogAnswers(std::vector<CString> paths)
    : m_paths(std::move(paths)), m_scope(new Scope(this))
{
}

CFileDialogAnswers::~CFileDialogAnswers() = default;

struct CMessageBoxAnswers::Scope
{
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> seam;
    explicit Scope(CMessageBoxAnswers* pOwner)
        : seam([pOwner](const AFX_MESSAGEBOX_REQUEST& box) {
              pOwner->m_shown.push_back({box.strText.GetString(), box.strCaption.GetString(), box.nType});
              size_t n = pOwner->m_shown.size() - 1;
              return n < pOwner->m_answers.size() ? pOwner->m_answers[n] : IDOK;
          })
    {
    }
};

CMessageBoxAnswers::CMessageBoxAnswers(std::vector<int> answers)
    : m_answers(std::move(answers)), m_scope(new Scope(this))
{
}

CMessageBoxAnswers::~CMessageBoxAnswers() = default;

} // namespace qivtest
