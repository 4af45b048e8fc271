#include "framework/core/TemporaryFile.h"

#include "framework/core/FileHandle.h"

#include <string.h>

#include <algorithm>

namespace {

// Where the file name in strPath begins.
int FileNameStart(const CString& strPath)
{
    return std::max({ strPath.ReverseFind('\\'), strPath.ReverseFind('/'), strPath.ReverseFind(':') }) + 1;
}

// Up to the first 16 bytes of a file; empty when it cannot be read.
CString LeadingBytes(LPCSTR lpszPath, BOOL* pbRead)
{
    *pbRead = FALSE;
    CFileHandle file(::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid())
        return CString();
    char bytes[16] = {};
    DWORD nRead = 0;
    *pbRead = ::ReadFile(file.Get(), bytes, sizeof(bytes), &nRead, nullptr);
    return CString(bytes, static_cast<int>(nRead));
}

// TRUE when a save of lpszPath may write its temporary file at lpszTemp:
// nothing is there, or what is there is what an earlier save left when it
// was cut short: a hidden plain file, empty or beginning as the file it
// stands for does.
BOOL IsFreeForSaveOf(LPCSTR lpszTemp, LPCSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszTemp);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return TRUE;
    const DWORD dwChecked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM
                            | FILE_ATTRIBUTE_DIRECTORY;
    if ((dwAttributes & dwChecked) != FILE_ATTRIBUTE_HIDDEN)
        return FALSE;
    BOOL bTempRead = FALSE;
    CString strTemp = LeadingBytes(lpszTemp, &bTempRead);
    if (!bTempRead)
        return FALSE;   // held by another save, or not ours to open
    if (strTemp.IsEmpty())
        return TRUE;
    BOOL bPathRead = FALSE;
    CString strPath = LeadingBytes(lpszPath, &bPathRead);
    const int nCompared = std::min(strTemp.GetLength(), strPath.GetLength());
    return bPathRead && nCompared > 0 && memcmp(strTemp.GetString(), strPath.GetString(), nCompared) == 0;
}

// Creates lpszTemp empty and hidden, over an earlier one when bOver;
// TRUE on success.
BOOL CreateHidden(LPCSTR lpszTemp, BOOL bOver)
{
    CFileHandle file(::CreateFileA(lpszTemp, GENERIC_WRITE, 0, nullptr, bOver ? CREATE_ALWAYS : CREATE_NEW,
                                   FILE_ATTRIBUTE_HIDDEN, nullptr));
    return file.IsValid();
}

} // namespace

CString AFXAPI AfxTemporaryPathOf(LPCSTR lpszPath)
{
    CString strPath = lpszPath;
    const int nName = FileNameStart(strPath);
    CString strFolder = strPath.Left(nName);
    CString strName = strPath.Mid(nName);
    if (strPath.GetLength() + 2 < MAX_PATH)
        return strFolder + "~$" + strName;
    return strFolder + "~$" + strName.Mid(2);
}

CString AFXAPI AfxCreateTemporaryFileFor(LPCSTR lpszPath)
{
    CString strTemp = AfxTemporaryPathOf(lpszPath);
    if (strTemp.CompareNoCase(lpszPath) != 0 && IsFreeForSaveOf(strTemp, lpszPath)) {
        if (CreateHidden(strTemp, TRUE))
            return strTemp;
        if (::GetLastError() == ERROR_PATH_NOT_FOUND)
            return CString();
    }
    // A fresh name, short so it fits wherever the file's own name does.
    CString strPath = lpszPath;
    CString strFolder = strPath.Left(FileNameStart(strPath));
    DWORD nSeed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
    for (DWORD n = 0; n < 0x10000; ++n) {
        CString strName;
        strName.Format("~q%04lX.tmp", (nSeed + n) & 0xFFFF);
        strTemp = strFolder + strName;
        if (CreateHidden(strTemp, FALSE))
            return strTemp;
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return CString();
}

BOOL AFXAPI AfxReplaceWithTemporary(LPCSTR lpszTemp, LPCSTR lpszPath)
{
    // Shown as the file was before it takes the file's place, so the file
    // never turns hidden.
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    ::SetFileAttributesA(lpszTemp, dwAttributes == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_NORMAL : dwAttributes);
    return ::MoveFileExA(lpszTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
