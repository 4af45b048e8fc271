#include "setup/InstallFiles.h"

#include "setup/LongPath.h"

#include <shellapi.h>

#include <string>

const LPCSTR kInstallFiles[21] = {
    "qivnotes.exe",
    "banner.jpg",
    "splash.jpg",
    "qivnotes.chm",
    "tipps.txt",
    "branch.gif",
    "branch_last.gif",
    "category_collapsed.gif",
    "category_expanded.gif",
    "entry.gif",
    "line.gif",
    "loading.htm",
    "minus.gif",
    "minus_last.gif",
    "noscript.htm",
    "plus.gif",
    "plus_last.gif",
    "space.gif",
    "welcome.htm",
    "DHTML Export Template.htm",
    "uninstall.exe",
};

namespace {

// The shell's copy takes double-zero-terminated lists of single names.
std::string NameList(const CString& strPath)
{
    std::string list(static_cast<LPCSTR>(strPath));
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

// Creates the folder and the folders above it; the shell's copy does this
// itself, the long-path copy does not.
void CreateFolders(const CString& strFolder)
{
    CString strPath;
    for (int i = 0; i < strFolder.GetLength(); ++i) {
        const char ch = strFolder[i];
        if ((ch == '\\' || ch == '/') && i > 0 && strFolder[i - 1] != ':' && strFolder[i - 1] != '\\')
            ::CreateDirectoryW(LongPathW(strPath).c_str(), nullptr);
        strPath += ch;
    }
    ::CreateDirectoryW(LongPathW(strPath).c_str(), nullptr);
}

} // namespace

BOOL CopyInstallFile(LPCSTR lpszName, const CString& strSource, const CString& strDestination,
                     HWND hWndOwner)
{
    const CString strFrom = strSource + lpszName;
    const CString strTo = strDestination + lpszName;
    if (strFrom.GetLength() < MAX_PATH && strTo.GetLength() < MAX_PATH) {
        if (!PathExists(strFrom))
            return FALSE;
        const std::string from = NameList(strFrom);
        const std::string to = NameList(strTo);
        SHFILEOPSTRUCTA op = {};
        op.hwnd = hWndOwner;
        op.wFunc = FO_COPY;
        op.pFrom = from.c_str();
        op.pTo = to.c_str();
        op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
        return ::SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted;
    }
    // The shell's copy stops at MAX_PATH.
    CreateFolders(strDestination);
    return ::CopyFileW(LongPathW(strFrom).c_str(), LongPathW(strTo).c_str(), FALSE);
}
