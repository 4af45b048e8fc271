// CStdioFile: a buffered file with the text mode of the C runtime. In text
// mode (the default) a CR LF pair reads as LF, a lone CR stays, byte 26
// (Ctrl+Z) ends the input, and every LF written becomes CR LF; with
// typeBinary the bytes pass through unchanged. Positions are byte offsets in
// the file.
#pragma once

#include "framework/core/File.h"

#include <memory>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Opens the file or throws CFileException.
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
    // Writes what is still buffered; errors at that point are lost, so call
    // Close to see them.
    ~CStdioFile() override;

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // One line without its line feed; FALSE at the end of the input.
    virtual BOOL ReadString(CString& rString);
    // Like fgets: at most nMax - 1 characters, up to and including the line
    // feed, NUL-terminated; NULL at the end of the input.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    virtual void WriteString(LPCSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    // Hands buffered text to the system (no write-through to the disk).
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    // The next character after text-mode translation, or -1 at the end.
    int ReadChar();
    // Keeps the unread bytes and reads more behind them; FALSE when nothing
    // more came.
    BOOL FillReadBuffer();
    // Puts the file back to the first unread byte and empties the buffer.
    void DropReadBuffer();
    void FlushWriteBuffer();
    void PutBytes(const char* p, UINT n);
    // How many buffered bytes pass unchanged before the next one that needs
    // a look (line feed, and in text mode CR and Ctrl+Z).
    UINT PlainRun() const;

    static const UINT nBufSize = 8192;
    std::unique_ptr<char[]> m_pBuf;
    UINT m_nReadPos;
    UINT m_nReadLen;
    UINT m_nWriteLen;
    BOOL m_bText;
    BOOL m_bAtEnd;       // Ctrl+Z seen in text mode
};
