#include "toolkit/commandbars/ZipMemFile.h"

#include "toolkit/commandbars/ControlsBlob.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CXTPZipMemFile, CMemFile)

namespace {

const UINT kGrowBytes = 1024;

// A malloc'd copy, so that CMemFile's own free releases it.
BYTE* MallocCopy(const std::vector<BYTE>& data)
{
    BYTE* pBlock = static_cast<BYTE*>(malloc(data.empty() ? 1 : data.size()));
    if (pBlock && !data.empty())
        memcpy(pBlock, data.data(), data.size());
    return pBlock;
}

} // namespace

CXTPZipMemFile::CXTPZipMemFile()
    : CMemFile(kGrowBytes)
{
}

CXTPZipMemFile::CXTPZipMemFile(BYTE* lpBuffer, UINT nBufferSize)
    : CMemFile(kGrowBytes)
{
    AttachCompressed(lpBuffer, nBufferSize, FALSE);
}

BOOL CXTPZipMemFile::AttachCompressed(BYTE* lpBuffer, DWORD nBufferSize, BOOL bTakeOwnership)
{
    Close();
    std::vector<BYTE> data;
    if (!lpBuffer || !DecompressControlsBlob(lpBuffer, nBufferSize, data))
    {
        if (bTakeOwnership)
            free(lpBuffer);
        return FALSE;
    }
    // A plain blob is its own data.
    if (data.size() == nBufferSize && memcmp(data.data(), lpBuffer, nBufferSize) == 0)
    {
        Attach(lpBuffer, nBufferSize, 0);
        m_bAutoDelete = bTakeOwnership;
        return TRUE;
    }
    if (bTakeOwnership)
        free(lpBuffer);
    BYTE* pBlock = MallocCopy(data);
    if (!pBlock)
        return FALSE;
    Attach(pBlock, static_cast<UINT>(data.size()), 0);
    m_bAutoDelete = TRUE;
    return TRUE;
}

BOOL CXTPZipMemFile::OpenCompressed(LPCSTR lpszFileName)
{
    std::vector<BYTE> blob;
    if (!ReadControlsSideFile(lpszFileName, blob))
        return FALSE;
    BYTE* pBlock = MallocCopy(blob);
    return pBlock && AttachCompressed(pBlock, static_cast<DWORD>(blob.size()), TRUE);
}

void CXTPZipMemFile::DetachCompressed(BYTE*& lpBuffer, DWORD& nBufferSize)
{
    const SIZE_T nLength = m_nFileSize;
    std::vector<BYTE> blob = CompressControlsBlob(m_lpBuffer, nLength);
    Close();
    lpBuffer = MallocCopy(blob);
    nBufferSize = lpBuffer ? static_cast<DWORD>(blob.size()) : 0;
}
