// What the application tests share: small card files built in code, shown
// in a real tree-view control, and read back from both.
#pragma once

#include "model/QivItem.h"
#include "model/ShellServices.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace apptest {

// A tree-view control in a top-level window of its own; destroyed with the
// object.
class CTreeWindow
{
public:
    CTreeWindow();
    ~CTreeWindow();
    CTreeWindow(const CTreeWindow&) = delete;
    CTreeWindow& operator=(const CTreeWindow&) = delete;

    // Inserts the root's whole tree, as the tree view fills itself.
    void Show(C_QivCategory* pRoot);
    C_QivItem* Selected() const;

    HWND m_hWnd;
};

// Installed for its lifetime: records the texts the editor was asked to
// find.
class CRecordingShell : public CQivShellServices
{
public:
    CRecordingShell();
    ~CRecordingShell() override;
    BOOL FindTextInEditor(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord) override;

    std::vector<std::string> m_finds;
};

// For its lifetime the named sound events have a scheme file, sounds are
// on, and what would be played is recorded instead.
class CSoundRecorder
{
public:
    explicit CSoundRecorder(std::initializer_list<LPCSTR> events);
    ~CSoundRecorder();
    CSoundRecorder(const CSoundRecorder&) = delete;
    CSoundRecorder& operator=(const CSoundRecorder&) = delete;

    std::vector<std::string> m_events;

private:
    std::vector<std::string> m_registered;
};

// Append at the end of pParent's chain, as a card file lists them.
C_QivCategory* AddCategory(C_QivCategory* pParent, LPCSTR lpszTitle);
C_QivEntry* AddEntry(C_QivCategory* pParent, LPCSTR lpszTitle, const std::string& text = "");

// The titles of a category's child chain, and of its tree item's children.
std::vector<std::string> ChainTitles(const C_QivCategory* pCategory);
std::vector<std::string> TreeTitles(HWND hTree, const C_QivCategory* pCategory);

} // namespace apptest
