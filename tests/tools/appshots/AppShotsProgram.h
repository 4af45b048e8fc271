// The real qivnotes.exe as the screenshot program drives it from outside:
// started in fresh settings, sent its own commands, its windows waited for
// by polling and photographed from the screen.
#pragma once

#include "app/e2e/QivnotesProcess.h"

#include <windows.h>

#include <string>

// Removes the program's settings and writes the ones every run starts
// from: no splash, no start tip, the window in the middle of the screen,
// and the banner's own text when one is given.
void PrepareAppSettings(LPCSTR lpszBannerText);
void DeleteAppSettings();

class CShotProgram
{
public:
    // Starts strExe with the card file and waits for its main window.
    bool Start(const std::string& strExe, const std::string& strFile);
    HWND Main() const { return m_process.MainWindow(); }

    // A visible top-level window of the program with the title (null
    // after 30 s).
    HWND WaitFor(LPCSTR lpszTitle) const { return m_process.WaitForWindow(lpszTitle); }
    // The popup menu the program shows, a system menu ("#32768") or a
    // menu of the command bars ("XTPPopupBar"); null after 30 s.
    HWND WaitForMenu(const char* pszClass = "#32768") const;
    HWND FindChild(LPCSTR lpszClass) const { return m_process.FindChild(lpszClass); }

    // Runs a command of the frame and waits until it is done.
    void Command(UINT nID) const;
    // Runs a command and waits until the program drew what it draws by
    // itself: no repaint is forced, so what it failed to draw shows.
    void CommandAsDrawn(UINT nID) const;
    // Posts a command (one that opens a modal dialog or menu would hold a
    // sent one until it closes) and waits for the window with the title.
    HWND OpenDialog(UINT nID, LPCSTR lpszTitle) const;
    // The same for a dialog of the system whose title the system chooses.
    HWND OpenSystemDialog(UINT nID) const;

    // Selects the tree's first entry (the first item without children
    // reached through first children), as a click would.
    void SelectFirstEntry() const;
    // Selects the first item of the tree with the title; false when none has.
    bool SelectTitled(const std::string& strTitle) const;
    // The screen rectangle of the selected item's text (empty when none).
    RECT SelectedItemRect() const;

    // Puts the program in front and types a key, as a person would, with a
    // modifier held when one is given.
    void TypeKey(WORD wVirtualKey, WORD wModifier = 0) const;

    // Waits until the program took every message so far and painted.
    void Settle() const;
    // Closes the main window and gives the exit code (-1 after 60 s).
    int Close() { return m_process.Close(); }

private:
    void Select(HTREEITEM hItem) const;

    e2e::CQivnotesProcess m_process;
};

// The screen inside the main window's rectangle and the window's in front
// of it (a dialog, a menu, a tool window; null: the main window alone),
// written as a PNG file.
bool ShootScreen(HWND hMain, HWND hFront, const std::string& strPath);
