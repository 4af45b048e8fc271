#include "framework/ui/ArchiveStream.h"

#include "framework/core/Archive.h"

CArchiveStream::CArchiveStream(CArchive* pArchive)
    : m_pArchive(pArchive)
{
}

STDMETHODIMP CArchiveStream::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IStream)
        || IsEqualIID(riid, IID_ISequentialStream))
    {
        *ppv = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CArchiveStream::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CArchiveStream::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_nRef));
}

// Framework exceptions become error codes: OLE's caller is not ours.
STDMETHODIMP CArchiveStream::Read(void* pv, ULONG cb, ULONG* pcbRead)
{
    if (pcbRead != nullptr)
        *pcbRead = 0;
    if (!m_pArchive->IsLoading())
        return STG_E_ACCESSDENIED;
    try
    {
        UINT nRead = m_pArchive->Read(pv, cb);
        if (pcbRead != nullptr)
            *pcbRead = nRead;
        return nRead == cb ? S_OK : S_FALSE;
    }
    catch (CException* e)
    {
        e->Delete();
        return STG_E_READFAULT;
    }
}

STDMETHODIMP CArchiveStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten)
{
    if (pcbWritten != nullptr)
        *pcbWritten = 0;
    if (!m_pArchive->IsStoring())
        return STG_E_ACCESSDENIED;
    try
    {
        m_pArchive->Write(pv, cb);
        if (pcbWritten != nullptr)
            *pcbWritten = cb;
        return S_OK;
    }
    catch (CException* e)
    {
        e->Delete();
        return STG_E_WRITEFAULT;
    }
}

// The archive's buffer is brought in line with its file first: written out
// when storing, given back when loading.
STDMETHODIMP CArchiveStream::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin,
                                  ULARGE_INTEGER* plibNewPosition)
{
    try
    {
        m_pArchive->Flush();
        CFile* pFile = m_pArchive->GetFile();
        UINT nFrom = dwOrigin == STREAM_SEEK_CUR ? CFile::current
                     : dwOrigin == STREAM_SEEK_END ? CFile::end
                                                   : CFile::begin;
        ULONGLONG nPos = pFile->Seek(dlibMove.QuadPart, nFrom);
        if (plibNewPosition != nullptr)
            plibNewPosition->QuadPart = nPos;
        return S_OK;
    }
    catch (CException* e)
    {
        e->Delete();
        return STG_E_SEEKERROR;
    }
}

STDMETHODIMP CArchiveStream::SetSize(ULARGE_INTEGER)
{
    return E_NOTIMPL;
}

STDMETHODIMP CArchiveStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CArchiveStream::Commit(DWORD)
{
    try
    {
        if (m_pArchive->IsStoring())
            m_pArchive->Flush();
        return S_OK;
    }
    catch (CException* e)
    {
        e->Delete();
        return STG_E_WRITEFAULT;
    }
}

STDMETHODIMP CArchiveStream::Revert()
{
    return E_NOTIMPL;
}

STDMETHODIMP CArchiveStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

STDMETHODIMP CArchiveStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

STDMETHODIMP CArchiveStream::Stat(STATSTG* pstatstg, DWORD)
{
    if (pstatstg == nullptr)
        return E_POINTER;
    memset(pstatstg, 0, sizeof(*pstatstg));
    pstatstg->type = STGTY_STREAM;
    try
    {
        pstatstg->cbSize.QuadPart = m_pArchive->GetFile()->GetLength();
    }
    catch (CException* e)
    {
        e->Delete();
        return STG_E_ACCESSDENIED;
    }
    return S_OK;
}

STDMETHODIMP CArchiveStream::Clone(IStream**)
{
    return E_NOTIMPL;
}
