// The real qivnotes.exe of the build tree, started with arguments, waited for
// and read back through window messages from outside.
#pragma once

#include "framework/core/String.h"

#include <string>

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
    // Closes the main window and waits for the exit code (-1 on time-out).
    int Close();

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
};

// The program of the build tree; empty when QIV_BINARY_DIR is not set.
CString QivnotesPath();
// A fresh scratch folder for one test.
CString ScratchFolder(LPCSTR lpszName);

} // namespace e2e
