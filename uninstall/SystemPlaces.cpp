#include "uninstall/SystemPlaces.h"

#include <shlobj.h>

namespace {

// Empty when the system can't name the folder.
CString SpecialFolder(int nFolder)
{
    char szPath[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, szPath, nFolder, FALSE))
        return CString();
    return CString(szPath);
}

} // namespace

CUninstallPlaces SystemUninstallPlaces()
{
    CUninstallPlaces places;
    places.hMachine = HKEY_LOCAL_MACHINE;
    places.hClasses = HKEY_CLASSES_ROOT;
    places.hUser = HKEY_CURRENT_USER;
    places.strProgramsFolder = SpecialFolder(CSIDL_PROGRAMS);
    places.strDesktopFolder = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    return places;
}

int CSystemMessageBox::Show(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return ::MessageBoxA(nullptr, lpszText, lpszCaption, nType);
}
