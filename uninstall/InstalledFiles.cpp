#include "uninstall/InstalledFiles.h"

#include "framework/core/FileHandle.h"
#include "framework/core/LongPath.h"

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
    ::DeleteFileW(LongPathW(strPath).c_str());
}

} // namespace

void DeleteInstalledFile(LPCSTR name, LPCSTR folder)
{
    CString strPath(folder);
    strPath += name;
    DeleteFileAnyLength(strPath);
}

CString FindInstalledFileInUse(const CString& strFolder)
{
    for (LPCSTR name : kInstalledFiles) {
        // A program holding the file open, or running from it, lets no one
        // else open it for writing.
        const CFileHandle file(::CreateFileW(LongPathW(strFolder + name).c_str(), GENERIC_READ | GENERIC_WRITE,
                                             0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file.IsValid()
            && (::GetLastError() == ERROR_SHARING_VIOLATION || ::GetLastError() == ERROR_LOCK_VIOLATION))
            return name;
    }
    return CString();
}

std::vector<CString> DeleteInstalledFiles(const CString& strFolder)
{
    std::vector<CString> remaining;
    for (LPCSTR name : kInstalledFiles) {
        DeleteInstalledFile(name, strFolder);
        if (PathExists(strFolder + name))
            remaining.push_back(strFolder + name);
    }
    return remaining;
}

void DeleteProgramShortcuts(const CString& strProgramsFolder, const CString& strDesktopFolder)
{
    if (!strProgramsFolder.IsEmpty())
        DeleteFileAnyLength(strProgramsFolder + kShortcutName);
    if (!strDesktopFolder.IsEmpty())
        DeleteFileAnyLength(strDesktopFolder + kShortcutName);
}
