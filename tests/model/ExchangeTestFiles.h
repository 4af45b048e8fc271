// Files for the import and export tests: a private folder that is removed
// with its content, whole-file reads and writes, and the program's data
// files in the source tree.
#pragma once

#include "framework/core/String.h"

#include <string>

namespace qivtest {

class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder, without a closing backslash.
    const CString& Path() const { return m_path; }
    // A name inside the folder.
    CString Path(LPCSTR lpszName) const;

private:
    CString m_path;
};

std::string ReadFileBytes(LPCSTR lpszPath);
void WriteFileBytes(LPCSTR lpszPath, const std::string& bytes);
BOOL FileExists(LPCSTR lpszPath);
// A file of nLength zero bytes, made by moving its end (the file systems the
// tests run on keep it sparse): for files too large to read into memory.
void WriteLargeFile(LPCSTR lpszPath, ULONGLONG nLength);

// Every LF of the text as CR LF: what a text-mode file holds.
std::string WithCrLf(const std::string& text);

// A folder of the source tree (QIV_SOURCE_DIR, which ctest sets), as a
// Windows path with a closing backslash: "app/res/dhtml" gives the data
// files of the DynamicHTML export.
CString SourceFolder(LPCSTR lpszRelative);

} // namespace qivtest

#include "model/exchange/ExchangeContext.h"
#include "model/QivItem.h"

#include <memory>
#include <vector>

namespace qivtest {

// A card file shown in a tree-view window, as the shell shows it, and the
// context the shell would hand a command.
class CShownCardFile
{
public:
    CShownCardFile();
    ~CShownCardFile();

    // Fills the tree from the root again.
    void Show();
    void Select(C_QivItem* pItem);
    CQivExchangeContext Context();
    // The texts of the tree items below pItem's item, in tree order.
    std::vector<std::string> TreeTitles(C_QivItem* pItem) const;
    // The titles of pCategory's children, in chain order.
    static std::vector<std::string> ChainTitles(C_QivCategory* pCategory);

    std::unique_ptr<C_QivCategory> m_root;
    HWND m_hTree = nullptr;
    int m_nModified = 0;
};

// Answers the file dialogs with the given paths in turn ("" cancels) and
// records what they showed.
class CFileDialogAnswers
{
public:
    explicit CFileDialogAnswers(std::vector<CString> paths);
    ~CFileDialogAnswers();
    struct Shown
    {
        bool bOpen;
        std::string title;
        std::string filter;
        std::string initialName;
        DWORD dwFlags;
    };
    std::vector<Shown> m_shown;

private:
    std::vector<CString> m_paths;
    struct Scope;
    std::unique_ptr<Scope> m_scope;
};

// Answers message boxes with the given buttons in turn (IDOK once they run
// out) and records them.
class CMessageBoxAnswers
{
public:
    explicit CMessageBoxAnswers(std::vector<int> answers = {});
    ~CMessageBoxAnswers();
    struct Shown
    {
        std::string text;
        std::string caption;
        UINT nType;
    };
    std::vector<Shown> m_shown;

private:
    std::vector<int> m_answers;
    struct Scope;
    std::unique_ptr<Scope> m_scope;
};

} // namespace qivtest
