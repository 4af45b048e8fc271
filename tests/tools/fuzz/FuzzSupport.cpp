// What the modes share: scratch files of this process and archives in memory.
#include "FuzzModes.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"

#include <stdlib.h>

namespace qivfuzz {

CString WriteScratchFile(LPCSTR lpszName, const Bytes& bytes)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    CString path;
    path.Format("%sqivfuzz-%lu-%s", szTemp, ::GetCurrentProcessId(), lpszName);
    HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        DWORD nWritten = 0;
        if (!bytes.empty())
            ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, nullptr);
        ::CloseHandle(hFile);
    }
    return path;
}

Bytes ReadWholeFile(LPCSTR lpszPath)
{
    Bytes bytes;
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    DWORD nSize = ::GetFileSize(hFile, nullptr);
    if (nSize != INVALID_FILE_SIZE)
    {
        bytes.resize(nSize);
        DWORD nRead = 0;
        if (nSize && !::ReadFile(hFile, bytes.data(), nSize, &nRead, nullptr))
            nRead = 0;
        bytes.resize(nRead);
    }
    ::CloseHandle(hFile);
    return bytes;
}

namespace {

Bytes Detach(CMemFile& file)
{
    ULONGLONG nLength = file.GetLength();
    BYTE* p = file.Detach();
    Bytes bytes(p, p + nLength);
    free(p);
    return bytes;
}

} // namespace

Bytes StoreArchive(const std::function<void(CArchive&)>& store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    return Detach(file);
}

void LoadArchive(const Bytes& bytes, const std::function<void(CArchive&)>& load)
{
    static BYTE byNothing = 0;
    CMemFile file(bytes.empty() ? &byNothing : const_cast<BYTE*>(bytes.data()),
                  static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    load(ar);
}

} // namespace qivfuzz
