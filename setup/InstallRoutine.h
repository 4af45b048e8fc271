// The install routine behind the summary and the copy page: a dry run lists
// the planned operations, a real run performs them and shows its progress.
// Where it copies from, links into and registers is handed in, so that a
// run can work on scratch folders and keys as well as on the system's.
#pragma once

#include "framework/core/String.h"

struct CInstallPlaces
{
    HKEY hClasses = nullptr;       // the card-file type
    HKEY hMachine = nullptr;       // the uninstall entry and the application path
    CString strSourceFolder;       // with trailing backslash
    CString strProgramsFolder;     // the start menu's programs; empty: unknown
    CString strDesktopFolder;      // empty: unknown
    CString strDocumentsFolder;    // working folder of the shortcuts; empty: unknown
};

// The system's places; the source is the folder of the running program.
CInstallPlaces SystemInstallPlaces();

struct CInstallChoices
{
    BOOL bProgram = TRUE;
    BOOL bStartMenu = TRUE;
    BOOL bDesktop = TRUE;
    CString strDestination;
    CString strFavourites;         // with trailing backslash; empty: unknown
};

// What a real run shows while it works, and whom it asks.
class CInstallProgress
{
public:
    virtual ~CInstallProgress() = default;
    virtual void Begin(int nSteps) = 0;
    virtual void ShowStatus(LPCSTR lpszText) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;
    // Asked before each step and between the pieces of a copy; FALSE
    // cancels the installation. May wait while the user decides.
    virtual BOOL GoOn() { return TRUE; }
    // A file could not be copied: TRUE tries again, FALSE cancels the
    // installation.
    virtual BOOL RetryCopy(LPCSTR lpszName, const CString& strTo, DWORD dwError)
    {
        (void)lpszName, (void)strTo, (void)dwError;
        return FALSE;
    }
};

// The links in the favourites folder: file name and web address.
struct CFavouriteLink
{
    LPCSTR lpszFileName;
    LPCSTR lpszTarget;
};
extern const CFavouriteLink kFavouriteLinks[2];

// Fills strText with one line (ended by CR LF) per operation. A real run
// (pProgress not null) also performs them. Nothing is registered and no
// program shortcut is made unless every file was copied. A cancelled run
// removes the folders, files and links it made and answers FALSE; files it
// replaced stay replaced.
BOOL RunInstall(const CInstallPlaces& places, const CInstallChoices& choices, CString& strText,
                CInstallProgress* pProgress);
