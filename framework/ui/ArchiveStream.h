// CArchiveStream: an IStream over an archive, so OLE can read data the
// program reads through its archives (a picture file for OleLoadPicture)
// or write into them. Reads and writes go through the archive's buffer;
// seeking and the length go to the archive's file.
#pragma once

#include "framework/core/AfxWin.h"

#include <ole2.h>

class CArchive;

class CArchiveStream : public IStream
{
public:
    // The stream borrows the archive; it lives on the caller's stack, so
    // its reference count is only nominal.
    explicit CArchiveStream(CArchive* pArchive);
    virtual ~CArchiveStream() = default;

    CArchiveStream(const CArchiveStream&) = delete;
    CArchiveStream& operator=(const CArchiveStream&) = delete;

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(Read)(void* pv, ULONG cb, ULONG* pcbRead) override;
    STDMETHOD(Write)(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    STDMETHOD(Seek)(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
    STDMETHOD(SetSize)(ULARGE_INTEGER libNewSize) override;
    STDMETHOD(CopyTo)(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                      ULARGE_INTEGER* pcbWritten) override;
    STDMETHOD(Commit)(DWORD grfCommitFlags) override;
    STDMETHOD(Revert)() override;
    STDMETHOD(LockRegion)(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
    STDMETHOD(UnlockRegion)(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
    STDMETHOD(Stat)(STATSTG* pstatstg, DWORD grfStatFlag) override;
    STDMETHOD(Clone)(IStream** ppstm) override;

private:
    CArchive* m_pArchive;
    LONG m_nRef = 1;
};
