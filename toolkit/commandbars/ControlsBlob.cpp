#include "toolkit/commandbars/ControlsBlob.h"

#include "framework/core/FileHandle.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

#include <shlobj.h>
#include <zlib.h>

#include <string.h>

namespace {

const BYTE kMagic[4] = {'Z', 'I', 'P', '!'};
const size_t kHeaderSize = 8;
// Smaller data is stored as it is, and a packed blob is at least this long.
const size_t kMinPackedData = 20;
const size_t kMinPackedBlob = 12;
// Deflate never unpacks one byte into more than 1032.
const size_t kMaxInflateRatio = 1032;

const char kControlsEntry[] = "Controls";
const char kLoadFromFileEntry[] = "LoadFromFile";

DWORD ReadLength(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8)
        | (static_cast<DWORD>(p[2]) << 16) | (static_cast<DWORD>(p[3]) << 24);
}

BOOL WriteWholeFile(LPCSTR lpszPath, const std::vector<BYTE>& data)
{
    CFileHandle file(::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file.IsValid())
        return FALSE;
    size_t nDone = 0;
    while (nDone < data.size())
    {
        DWORD nWritten = 0;
        DWORD nChunk = static_cast<DWORD>(data.size() - nDone);
        if (!::WriteFile(file.Get(), data.data() + nDone, nChunk, &nWritten, nullptr)
            || nWritten == 0)
            return FALSE;
        nDone += nWritten;
    }
    return file.Close();
}

// The user's application-data folder, empty when the system has none.
CString ApplicationDataFolder()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!::GetVersionExA(&version) || version.dwPlatformId <= VER_PLATFORM_WIN32_WINDOWS
        || version.dwMajorVersion <= 4)
        return CString();
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &pidl)) || !pidl)
        return CString();
    char szPath[MAX_PATH] = {};
    BOOL bPath = ::SHGetPathFromIDListA(pidl, szPath);
    LPMALLOC pMalloc = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&pMalloc)) && pMalloc)
    {
        pMalloc->Free(pidl);
        pMalloc->Release();
    }
    return bPath ? CString(szPath) : CString();
}

bool IsFolder(LPCSTR lpszPath)
{
    DWORD dwAttributes = ::GetFileAttributesA(lpszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

CString ModuleFileName()
{
    char szPath[MAX_PATH] = {};
    CWinApp* pApp = AfxGetApp();
    ::GetModuleFileNameA(pApp ? pApp->m_hInstance : nullptr, szPath, MAX_PATH);
    return szPath;
}

} // namespace

BOOL ReadControlsSideFile(LPCSTR lpszPath, std::vector<BYTE>& data)
{
    data.clear();
    CFileHandle file(::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid() || ::GetFileType(file.Get()) != FILE_TYPE_DISK)
        return FALSE;
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0
        || static_cast<ULONGLONG>(size.QuadPart) > XTP_CONTROLS_MAX_BYTES)
        return FALSE;
    data.resize(static_cast<size_t>(size.QuadPart));
    size_t nDone = 0;
    while (nDone < data.size())
    {
        DWORD nRead = 0;
        if (!::ReadFile(file.Get(), data.data() + nDone, static_cast<DWORD>(data.size() - nDone),
                        &nRead, nullptr)
            || nRead == 0)
            return FALSE;
        nDone += nRead;
    }
    return TRUE;
}

std::vector<BYTE> CompressControlsBlob(const BYTE* pData, size_t nBytes)
{
    std::vector<BYTE> plain(pData, pData + nBytes);
    if (nBytes < kMinPackedData || nBytes > XTP_CONTROLS_MAX_BYTES)
        return plain;
    uLongf nPacked = compressBound(static_cast<uLong>(nBytes));
    std::vector<BYTE> blob(kHeaderSize + nPacked);
    if (compress(blob.data() + kHeaderSize, &nPacked, pData, static_cast<uLong>(nBytes)) != Z_OK
        || nPacked > nBytes)
        return plain;
    memcpy(blob.data(), kMagic, sizeof(kMagic));
    for (int i = 0; i < 4; ++i)
        blob[4 + i] = static_cast<BYTE>(nBytes >> (8 * i));
    blob.resize(kHeaderSize + nPacked);
    return blob;
}

BOOL DecompressControlsBlob(const BYTE* pBlob, size_t nBytes, std::vector<BYTE>& data)
{
    data.clear();
    if (nBytes < kMinPackedBlob || memcmp(pBlob, kMagic, sizeof(kMagic)) != 0)
    {
        if (nBytes > XTP_CONTROLS_MAX_BYTES)
            return FALSE;
        data.assign(pBlob, pBlob + nBytes);
        return TRUE;
    }
    const size_t nLength = ReadLength(pBlob + 4);
    const size_t nStream = nBytes - kHeaderSize;
    if (nLength > XTP_CONTROLS_MAX_BYTES || nLength > nStream * kMaxInflateRatio)
        return FALSE;
    data.resize(nLength ? nLength : 1);
    uLongf nUnpacked = static_cast<uLongf>(nLength);
    if (uncompress(data.data(), &nUnpacked, pBlob + kHeaderSize, static_cast<uLong>(nStream))
            != Z_OK
        || nUnpacked != nLength)
    {
        data.clear();
        return FALSE;
    }
    data.resize(nLength);
    return TRUE;
}

CString GetControlsSideFilePath(LPCSTR lpszBaseSection, LPCSTR lpszPresetPath)
{
    if (lpszPresetPath && *lpszPresetPath)
        return lpszPresetPath;
    CString strName(lpszBaseSection);
    strName.Replace('\\', '_');

    CString strFolder = ApplicationDataFolder();
    if (!strFolder.IsEmpty())
    {
        CWinApp* pApp = AfxGetApp();
        strFolder += "\\";
        strFolder += (pApp && pApp->m_pszAppName) ? pApp->m_pszAppName : AfxGetAppName();
        if (!IsFolder(strFolder))
            ::CreateDirectoryA(strFolder, nullptr);
        if (IsFolder(strFolder))
            return strFolder + "\\" + strName;
    }
    CString strPath;
    strPath.Format("%s-%s", static_cast<LPCSTR>(ModuleFileName()), static_cast<LPCSTR>(strName));
    return strPath;
}

BOOL WriteControlsBlob(LPCSTR lpszSection, const std::vector<BYTE>& blob, LPCSTR lpszSideFile)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    if (blob.size() <= XTP_CONTROLS_PROFILE_LIMIT)
    {
        BYTE empty = 0;
        if (!pApp->WriteProfileBinary(lpszSection, kControlsEntry,
                                      blob.empty() ? &empty : const_cast<BYTE*>(blob.data()),
                                      static_cast<UINT>(blob.size())))
            return FALSE;
        pApp->WriteProfileInt(lpszSection, kLoadFromFileEntry, 0);
        // Only the file at our own path: a path read from the profile is
        // never deleted.
        if (lpszSideFile && *lpszSideFile)
            ::DeleteFileA(lpszSideFile);
        return TRUE;
    }

    if (!lpszSideFile || !*lpszSideFile)
        return FALSE;
    CString strTemp = CString(lpszSideFile) + ".new";
    ::SetFileAttributesA(strTemp, FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(strTemp);
    if (!WriteWholeFile(strTemp, blob))
    {
        ::DeleteFileA(strTemp);
        return FALSE;
    }
    // The old side file is hidden, which some systems refuse to replace.
    const DWORD dwOldAttributes = ::GetFileAttributesA(lpszSideFile);
    if (dwOldAttributes != INVALID_FILE_ATTRIBUTES)
        ::SetFileAttributesA(lpszSideFile, FILE_ATTRIBUTE_NORMAL);
    if (!::MoveFileExA(strTemp, lpszSideFile, MOVEFILE_REPLACE_EXISTING))
    {
        if (dwOldAttributes != INVALID_FILE_ATTRIBUTES)
            ::SetFileAttributesA(lpszSideFile, dwOldAttributes);
        ::DeleteFileA(strTemp);
        return FALSE;
    }
    ::SetFileAttributesA(lpszSideFile, FILE_ATTRIBUTE_HIDDEN);
    pApp->WriteProfileString(lpszSection, kControlsEntry, lpszSideFile);
    pApp->WriteProfileInt(lpszSection, kLoadFromFileEntry, 1);
    return TRUE;
}

BOOL ReadControlsBlob(LPCSTR lpszSection, std::vector<BYTE>& blob)
{
    blob.clear();
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    if (pApp->GetProfileInt(lpszSection, kLoadFromFileEntry, 0) != 0)
    {
        CString strPath = pApp->GetProfileString(lpszSection, kControlsEntry, "");
        if (strPath.IsEmpty() || !ReadControlsSideFile(strPath, blob))
        {
            blob.clear();
            return FALSE;
        }
        return TRUE;
    }
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary(lpszSection, kControlsEntry, &pData, &nBytes))
        return FALSE;
    BOOL bTaken = nBytes <= XTP_CONTROLS_MAX_BYTES;
    if (bTaken)
        blob.assign(pData, pData + nBytes);
    delete[] pData;
    return bTaken;
}
