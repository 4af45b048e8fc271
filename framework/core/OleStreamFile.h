// COleStreamFile: a CFile over an IStream, such as the "Contents" stream of
// a card file stored as a compound file. The file owns one reference to its
// stream. Storage errors with a file meaning raise CFileException, others
// COleException.
#pragma once

#include "framework/core/File.h"

#include <objidl.h>

class COleStreamFile : public CFile
{
    DECLARE_DYNAMIC(COleStreamFile)
public:
    // Takes over the caller's reference to lpStream (may be null).
    explicit COleStreamFile(LPSTREAM lpStream = nullptr);
    ~COleStreamFile() override;

    // Takes over the caller's reference; Detach hands it back.
    void Attach(LPSTREAM lpStream);
    LPSTREAM Detach();
    LPSTREAM GetStream() const { return m_lpStream; }

    // Opens a stream of the storage with the CFile mode and share flags;
    // on failure fills *pError (when given) and answers FALSE.
    BOOL OpenStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName,
                    DWORD nOpenFlags = modeReadWrite | shareExclusive, CFileException* pError = nullptr);

    // A stream is opened through its storage, never by a path.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    // The cause of a storage error, or -1 when it has no file meaning.
    static int StorageErrorToException(SCODE sc);

private:
    [[noreturn]] void ThrowStorageError(SCODE sc) const;

    LPSTREAM m_lpStream;
};
