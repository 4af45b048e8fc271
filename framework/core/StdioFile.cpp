// One buffer serves reading and writing in turn: switching direction writes
// out pending bytes or moves the file back to the first unread byte, so the
// handle's position and the logical position agree whenever the base class
// is called.
#include "framework/core/StdioFile.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

const char chCtrlZ = 26;

} // namespace

CStdioFile::CStdioFile()
    : m_pBuf(new char[nBufSize]), m_nReadPos(0), m_nReadLen(0), m_nWriteLen(0),
      m_bText(TRUE), m_bAtEnd(FALSE)
{
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags)
    : CStdioFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_hFile != hFileNull && m_nWriteLen > 0) {
        try {
            FlushWriteBuffer();
        } catch (CException* e) {
            e->Delete();
        }
    }
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_bText = (nOpenFlags & typeBinary) == 0;
    m_nReadPos = m_nReadLen = m_nWriteLen = 0;
    m_bAtEnd = FALSE;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

// Buffer

BOOL CStdioFile::FillReadBuffer()
{
    UINT nKeep = m_nReadLen - m_nReadPos;
    if (m_nReadPos > 0) {
        memmove(m_pBuf.get(), m_pBuf.get() + m_nReadPos, nKeep);
        m_nReadPos = 0;
        m_nReadLen = nKeep;
    }
    if (m_nReadLen == nBufSize)
        return FALSE;
    UINT nRead = CFile::Read(m_pBuf.get() + m_nReadLen, nBufSize - m_nReadLen);
    m_nReadLen += nRead;
    return nRead > 0;
}

void CStdioFile::DropReadBuffer()
{
    UINT nUnread = m_nReadLen - m_nReadPos;
    m_nReadPos = m_nReadLen = 0;
    if (nUnread > 0)
        CFile::Seek(-static_cast<LONGLONG>(nUnread), current);
}

void CStdioFile::FlushWriteBuffer()
{
    UINT n = m_nWriteLen;
    m_nWriteLen = 0;
    if (n > 0)
        CFile::Write(m_pBuf.get(), n);
}

void CStdioFile::PutBytes(const char* p, UINT n)
{
    if (m_nWriteLen + n > nBufSize) {
        FlushWriteBuffer();
        if (n >= nBufSize) {
            CFile::Write(p, n);
            return;
        }
    }
    memcpy(m_pBuf.get() + m_nWriteLen, p, n);
    m_nWriteLen += n;
}

UINT CStdioFile::PlainRun() const
{
    const char* p = m_pBuf.get() + m_nReadPos;
    const char* end = m_pBuf.get() + m_nReadLen;
    const char* q = p;
    if (m_bText) {
        while (q < end && *q != '\n' && *q != '\r' && *q != chCtrlZ)
            ++q;
    } else {
        while (q < end && *q != '\n')
            ++q;
    }
    return static_cast<UINT>(q - p);
}

int CStdioFile::ReadChar()
{
    if (m_bAtEnd)
        return -1;
    if (m_nReadPos == m_nReadLen && !FillReadBuffer())
        return -1;
    char ch = m_pBuf[m_nReadPos];
    if (m_bText) {
        if (ch == chCtrlZ) {
            m_bAtEnd = TRUE;
            return -1;
        }
        if (ch == '\r') {
            if (m_nReadPos + 1 == m_nReadLen)
                FillReadBuffer();
            if (m_nReadPos + 1 < m_nReadLen && m_pBuf[m_nReadPos + 1] == '\n') {
                m_nReadPos += 2;
                return '\n';
            }
        }
    }
    ++m_nReadPos;
    return static_cast<unsigned char>(ch);
}

// Reading

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    ASSERT(m_hFile != hFileNull);
    FlushWriteBuffer();
    char* pDest = static_cast<char*>(lpBuf);
    UINT nDone = 0;
    if (!m_bText) {
        UINT nTake = m_nReadLen - m_nReadPos;
        if (nTake > nCount)
            nTake = nCount;
        memcpy(pDest, m_pBuf.get() + m_nReadPos, nTake);
        m_nReadPos += nTake;
        nDone = nTake;
        if (nCount - nDone >= nBufSize) {
            while (nDone < nCount) {
                UINT n = CFile::Read(pDest + nDone, nCount - nDone);
                if (n == 0)
                    break;
                nDone += n;
            }
            return nDone;
        }
    }
    while (nDone < nCount) {
        if (m_nReadPos == m_nReadLen && (m_bAtEnd || !FillReadBuffer()))
            break;
        UINT nRun = PlainRun();
        if (nRun > nCount - nDone)
            nRun = nCount - nDone;
        memcpy(pDest + nDone, m_pBuf.get() + m_nReadPos, nRun);
        m_nReadPos += nRun;
        nDone += nRun;
        if (nDone == nCount)
            break;
        if (nRun == 0) {
            int ch = ReadChar();
            if (ch < 0)
                break;
            pDest[nDone++] = static_cast<char>(ch);
        }
    }
    return nDone;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    ASSERT(m_hFile != hFileNull);
    FlushWriteBuffer();
    rString.Empty();
    BOOL bAny = FALSE;
    for (;;) {
        if (m_nReadPos == m_nReadLen && (m_bAtEnd || !FillReadBuffer()))
            break;
        UINT nRun = PlainRun();
        if (nRun > 0) {
            rString += CString(m_pBuf.get() + m_nReadPos, static_cast<int>(nRun));
            m_nReadPos += nRun;
            bAny = TRUE;
            continue;
        }
        int ch = ReadChar();
        if (ch < 0)
            break;
        bAny = TRUE;
        if (ch == '\n')
            break;
        rString += static_cast<char>(ch);
    }
    return bAny;
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    ASSERT(m_hFile != hFileNull);
    if (!lpsz || nMax == 0)
        return nullptr;
    FlushWriteBuffer();
    UINT nDone = 0;
    BOOL bAny = FALSE;
    while (nDone + 1 < nMax) {
        int ch = ReadChar();
        if (ch < 0)
            break;
        bAny = TRUE;
        lpsz[nDone++] = static_cast<char>(ch);
        if (ch == '\n')
            break;
    }
    lpsz[nDone] = '\0';
    return (bAny || nMax == 1) ? lpsz : nullptr;
}

// Writing

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    ASSERT(m_hFile != hFileNull);
    if (m_nReadLen > 0)
        DropReadBuffer();
    m_bAtEnd = FALSE;
    const char* p = static_cast<const char*>(lpBuf);
    if (!m_bText) {
        PutBytes(p, nCount);
        return;
    }
    const char* end = p + nCount;
    while (p < end) {
        const char* lf = static_cast<const char*>(memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* runEnd = lf ? lf : end;
        PutBytes(p, static_cast<UINT>(runEnd - p));
        if (!lf)
            break;
        PutBytes("\r\n", 2);
        p = lf + 1;
    }
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    Write(lpsz, static_cast<UINT>(strlen(lpsz)));
}

// Positioning and state

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    FlushWriteBuffer();
    DropReadBuffer();
    m_bAtEnd = FALSE;
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const
{
    ULONGLONG position = CFile::GetPosition();
    return position + m_nWriteLen - (m_nReadLen - m_nReadPos);
}

ULONGLONG CStdioFile::GetLength() const
{
    ULONGLONG length = CFile::GetLength();
    if (m_nWriteLen > 0) {
        ULONGLONG end = CFile::GetPosition() + m_nWriteLen;
        if (end > length)
            length = end;
    }
    return length;
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    FlushWriteBuffer();
    DropReadBuffer();
    m_bAtEnd = FALSE;
    CFile::SetLength(dwNewLen);
}

void CStdioFile::Flush()
{
    FlushWriteBuffer();
}

void CStdioFile::Close()
{
    if (m_hFile != hFileNull) {
        try {
            FlushWriteBuffer();
        } catch (CException*) {
            Abort();
            throw;
        }
    }
    m_nReadPos = m_nReadLen = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_nReadPos = m_nReadLen = m_nWriteLen = 0;
    CFile::Abort();
}
