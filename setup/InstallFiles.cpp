#include "setup/InstallFiles.h"

#include "framework/core/FileHandle.h"
#include "framework/core/LongPath.h"

#include <vector>

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

// Pieces small enough that a cancel is answered at once, large enough not
// to slow the copy down.
const DWORD kPieceSize = 1 << 20;
const char kPartialSuffix[] = ".qivsetup~";

DWORD CopyContents(HANDLE hFrom, HANDLE hTo, const CopyGoOn& goOn)
{
    std::vector<char> piece(kPieceSize);
    for (;;) {
        if (!goOn())
            return ERROR_CANCELLED;
        DWORD dwRead = 0;
        if (!::ReadFile(hFrom, piece.data(), kPieceSize, &dwRead, nullptr))
            return ::GetLastError();
        if (dwRead == 0)
            return 0;
        DWORD dwWritten = 0;
        if (!::WriteFile(hTo, piece.data(), dwRead, &dwWritten, nullptr))
            return ::GetLastError();
        if (dwWritten != dwRead)
            return ERROR_DISK_FULL;
    }
}

} // namespace

BOOL CreateFolders(const CString& strFolder, std::vector<CString>* pCreated)
{
    CString strPath;
    auto make = [&] {
        const std::wstring path = LongPathW(strPath);
        if (::CreateDirectoryW(path.c_str(), nullptr) && pCreated)
            pCreated->push_back(strPath);
    };
    for (int i = 0; i < strFolder.GetLength(); ++i) {
        const char ch = strFolder[i];
        if ((ch == '\\' || ch == '/') && i > 0 && strFolder[i - 1] != ':' && strFolder[i - 1] != '\\')
            make();
        strPath += ch;
    }
    make();
    const DWORD dwAttributes = ::GetFileAttributesW(LongPathW(strFolder).c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

DWORD CopyInstallFile(LPCSTR lpszName, const CString& strSource, const CString& strDestination,
                      const CopyGoOn& goOn)
{
    const CString strTo = strDestination + lpszName;
    const std::wstring partial = LongPathW(strTo + kPartialSuffix);
    CFileHandle from(::CreateFileW(LongPathW(strSource + lpszName).c_str(), GENERIC_READ,
                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                   nullptr));
    if (!from.IsValid())
        return ::GetLastError();
    CFileHandle to(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!to.IsValid())
        return ::GetLastError();
    DWORD dwError = CopyContents(from.Get(), to.Get(), goOn);
    FILETIME written = {};
    if (dwError == 0 && ::GetFileTime(from.Get(), nullptr, nullptr, &written))
        ::SetFileTime(to.Get(), nullptr, nullptr, &written);
    to.Close();
    if (dwError == 0 && !::MoveFileExW(partial.c_str(), LongPathW(strTo).c_str(),
                                       MOVEFILE_REPLACE_EXISTING))
        dwError = ::GetLastError();
    if (dwError != 0)
        ::DeleteFileW(partial.c_str());
    return dwError;
}
