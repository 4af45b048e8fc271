#include "uninstall/InstalledFiles.h"

#include <iterator>

namespace {

// In the order they are removed.
const LPCSTR kInstalledFiles[] = {
    "qivnotes.exe",
    "banner.jpg",
    "splash.jpg",
    "branch.gif",
    "branch_last.gif",
    "category_collapsed.gif",
    "category_expanded.gif",
    "entry.gif",
    "line.gif",
    "minus.gif",
    "minus_last.gif",
    "plus.gif",
    "plus_last.gif",
    "space.gif",
    "qivnotes.chm",
    "DHTML Export Template.htm",
    "loading.htm",
    "noscript.htm",
    "welcome.htm",
    "tipps.txt",
};

const char kShortcutName[] = "\\Qivnotes 2000.lnk";

void DeleteFileAnyLength(const CString& strPath)
{
    if (strPath.GetLength() < MAX_PATH) {
        ::DeleteFileA(strPath);
        return;
    }
    // Only the wide-character call takes longer paths, in their "\\?\" form.
    std::wstring longPath;
    if (strPath.Left(2) == "\\\\")
        longPath = L"\\\\?\\UNC\\" + AfxAnsiToWide(strPath.Mid(2));
    else
        longPath = L"\\\\?\\" + AfxAnsiToWide(strPath);
    ::DeleteFileW(longPath.c_str());
}

} // namespace

void DeleteInstalledFile(LPCSTR name, LPCSTR folder)
{
    CString strPath(folder);
    strPath += name;
    DeleteFileAnyLength(strPath);
}

void DeleteInstalledFiles(const CString& strFolder)
{
    for (LPCSTR name : kInstalledFiles)
        DeleteInstalledFile(name, strFolder);
}

void DeleteProgramShortcuts(const CString& strProgramsFolder, const CString& strDesktopFolder)
{
    if (!strProgramsFolder.IsEmpty())
        DeleteFileAnyLength(strProgramsFolder + kShortcutName);
    if (!strDesktopFolder.IsEmpty())
        DeleteFileAnyLength(strDesktopFolder + kShortcutName);
}
