// The real qivnotes.exe of the build tree, started with arguments, waited for
// and read back through window messages from outside.
#pragma once

#include "framework/core/String.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

class CQivnotesProcess
{
public:
    CQivnotesProcess() = default;
    ~CQivnotesProcess();
    CQivnotesProcess(const CQivnotesProcess&) = delete;
    CQivnotesProcess& operator=(const CQivnotesProcess&) = delete;

    // Starts the program with the command-line tail and waits until its
    // main window stands (FALSE after 60 s).
    BOOL Start(const CString& strArguments);
    // The two halves of Start: the process begun, and its main window
    // waited for.
    BOOL Launch(const CString& strArguments);
    // The same for another build of the program.
    BOOL LaunchProgram(const CString& strExe, const CString& strArguments);
    BOOL WaitForMainWindow();
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    HWND MainWindow() const { return m_hMain; }
    // Waits (up to 30 s) until the main window has the title, then until
    // the program is idle.
    BOOL WaitForTitle(LPCSTR lpszTitle) const;
    // The first child window of the class below the main window.
    HWND FindChild(LPCSTR lpszClass) const;
    // The text of the tree's selected item, read across the processes.
    std::string SelectedTreeText() const;
    // The same once it is the expected one (the start-up goes on after the
    // window stands), or the last one read after 30 s.
    std::string WaitForSelectedTreeText(const std::string& strExpected) const;
    // The text of a list view's cell, read across the processes.
    std::string ListCellText(HWND hList, int nRow, int nColumn) const;
    // The tree's items in pre-order, read across the processes.
    struct TreeRow
    {
        int nDepth;
        std::string strTitle;
        int nImage;
        BOOL bBold;
        BOOL bExpanded;
    };
    // pHandles, when given, gets each row's item handle in the same order.
    std::vector<TreeRow> TreeRows(std::vector<HTREEITEM>* pHandles = nullptr) const;
    // Selects the tree item as a click on it does; TRUE once the tree's
    // thread has handled the selection (and the frame showed the item).
    BOOL SelectTreeItem(HTREEITEM hItem) const;
    // The screen rectangle of the item's text, read across the processes
    // (empty when the item is not visible).
    RECT TreeItemScreenRect(HTREEITEM hItem) const;
    // A visible top-level window of the program with the title, once it
    // stands (null after 30 s).
    HWND WaitForWindow(LPCSTR lpszTitle) const;
    // The first top-level window of the program that `match` accepts, once
    // one stands (null after the time).
    HWND WaitForWindowWhere(const std::function<bool(HWND)>& match, DWORD dwMilliseconds) const;
    // A visible top-level window of the program of the class (a menu is
    // "#32768"), once one stands (null after the time; 0 asks once).
    HWND WaitForVisibleClass(LPCSTR lpszClass, DWORD dwMilliseconds) const;
    // TRUE once no visible top-level window of the class is left (FALSE
    // after the time).
    BOOL WaitUntilNoVisibleClass(LPCSTR lpszClass, DWORD dwMilliseconds) const;
    // The first top-level window of the process that `match` accepts (null
    // when none does now).
    static HWND FindWindowOf(DWORD dwProcessId, const std::function<bool(HWND)>& match);
    // The text of a window of the program, read by WM_GETTEXT.
    static std::string TextOf(HWND hWnd);
    // Sends a message without pointers every 100 ms until its answer is not
    // 0 or 3 s have passed; the last answer. For what the program does after
    // a dialog closed or input arrived.
    static DWORD_PTR WaitForAnswer(HWND hWnd, UINT nMsg);
    // Closes the main window and waits for the exit code (-1 on time-out).
    int Close();

    // Posts a command to the main window: a command that opens a modal
    // dialog would hold a sent one until the dialog closes.
    void PostCommand(UINT nID) const;
    // Sends a command to a window of the program and answers once it is done.
    BOOL SendCommand(HWND hWnd, UINT nID) const;
    // Answers once the program's message loop has handled what came before.
    BOOL WaitUntilIdle() const;
    // The program's visible dialog window (a message box, a file dialog),
    // once it stands and the program waits in its loop; null after 30 s.
    HWND WaitForDialog() const;
    // The texts of a dialog's static controls, each followed by "\n".
    std::string DialogText(HWND hDialog) const;
    // Clicks a dialog's button and waits until the dialog is gone.
    BOOL PressButton(HWND hDialog, int nID) const;
    // Types the path into a file dialog's name field and clicks its OK.
    BOOL AnswerFileDialog(HWND hDialog, const CString& strPath) const;
    // Posts a command that asks for a file and answers its file dialog with
    // the path; FALSE when no file dialog came or it did not close.
    BOOL ChooseFileFor(UINT nID, const CString& strPath) const;
    // The program's dialog window standing now (a message box), or null;
    // asked once the program waits in a loop (WaitUntilIdle).
    HWND CurrentDialog() const;

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
};

// The program of the build tree; empty when QIV_BINARY_DIR is not set.
CString QivnotesPath();
// A fresh scratch folder for one test.
CString ScratchFolder(LPCSTR lpszName);
// A tool program of the build tree's test folder (e.g. "qivdump").
CString ToolPath(LPCSTR lpszName);
// Runs a program and gives what it printed (empty when it did not start).
std::string RunAndRead(const CString& strCommandLine);

} // namespace e2e
