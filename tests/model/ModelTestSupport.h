// What the model tests share: card files in memory, a byte builder for
// expected file contents, a fake shell and scripted message boxes.
#pragma once

#include "model/QivItem.h"
#include "model/ShellServices.h"

#include <string>
#include <vector>

namespace qivtest {

using Bytes = std::vector<BYTE>;

// Writes a card file of pRoot into memory and answers its bytes; hTextView
// is the document's rich-text view, whose content makes the tail.
Bytes WriteCardFile(C_QivCategory* pRoot, HWND hTextView = nullptr);
// Reads a card file from memory; failures are the framework's exceptions.
C_QivCategory* ReadCardFile(const Bytes& bytes, HWND hTextView = nullptr);
// Reads bytes and answers the cause of the CArchiveException raised, -1 when
// none was raised, -2 for another exception.
int ArchiveFailureCause(const Bytes& bytes);

// Builds the bytes a card file should hold.
class CByteBuilder
{
public:
    CByteBuilder& Raw(const void* p, size_t n);
    CByteBuilder& Raw(const char* psz);
    CByteBuilder& Word(WORD w);
    CByteBuilder& Dword(DWORD dw);
    // An archive string (length prefix, no NUL).
    CByteBuilder& Str(const std::string& s);
    // A class met for the first time: tag, schema, name.
    CByteBuilder& NewClass(const char* pszName, WORD wSchema = 0);
    CByteBuilder& KnownClass(WORD nIndex);
    CByteBuilder& Null();
    // The header of a 2.10 card file.
    CByteBuilder& Header();
    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// Records what the model asks of the shell; installed for its lifetime.
class CTestShell : public CQivShellServices
{
public:
    CTestShell();
    ~CTestShell() override;

    void PlaySoundEvent(LPCSTR lpszEvent) override;
    HWND GetTextEditor() override;
    void StoreCurrentEntryText() override;
    void CloseSearchWindow() override;
    HWND GetTreeWindow() override;
    void OnItemExpanding(HTREEITEM hItem, UINT nAction) override;
    BOOL FindTextInEditor(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord) override;

    HWND m_hEditor = nullptr;
    HWND m_hTree = nullptr;
    std::vector<std::string> m_sounds;
    int m_nStoreCalls = 0;
    int m_nCloseSearchCalls = 0;
    std::vector<std::pair<HTREEITEM, UINT>> m_expanding;
    // Titles of entries whose note "contains" the searched text.
    std::vector<std::string> m_noteHits;
    C_QivCategory* m_pRoot = nullptr;   // to find the selected entry
    std::vector<std::string> m_editorSearches;
};

// Answers every core message box with the given answers in turn (IDNO once
// they run out) and records the texts; installed for its lifetime.
class CScriptedMessageBoxes
{
public:
    explicit CScriptedMessageBoxes(std::vector<int> answers = {});
    ~CScriptedMessageBoxes();
    std::vector<std::string> m_texts;
    std::vector<UINT> m_types;

private:
    std::vector<int> m_answers;
    size_t m_nNext = 0;
    static int Hook(LPCSTR lpszText, UINT nType, UINT nIDHelp);
};

// A window of a system class (tree view, combo box) for the tests; destroyed
// with the object.
class CTestWindow
{
public:
    CTestWindow(LPCSTR lpszClass, DWORD dwStyle);
    ~CTestWindow();
    HWND m_hWnd;
};

C_QivEntry* NewEntry(LPCSTR lpszTitle, const std::string& text = "");
std::string TextOf(const C_QivEntry* pEntry);

} // namespace qivtest
