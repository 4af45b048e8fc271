#include "model/exchange/TextExchange.h"

#include "framework/core/StdioFile.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/RtfReader.h"

#include <memory>
#include <new>
#include <vector>

C_QivEntry* QivReadFileAsEntry(LPCSTR lpszPath)
{
    CString path(lpszPath);
    CString last = path.Right(3);
    if (path.GetLength() < 3 || (last.CompareNoCase("txt") != 0 && last.CompareNoCase("rtf") != 0))
        return nullptr;

    CFile file(lpszPath, CFile::modeRead | CFile::typeBinary);
    ULONGLONG nLength = file.GetLength();
    std::vector<BYTE> bytes;
    if (nLength >= bytes.max_size())
        AfxThrowMemoryException();
    try {
        bytes.resize(static_cast<size_t>(nLength) + 1);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    UINT nRead = nLength > 0 ? file.Read(bytes.data(), static_cast<UINT>(nLength)) : 0;
    file.Close();
    bytes.resize(static_cast<size_t>(nRead) + 1);

    CString name = QivPathFileName(lpszPath);
    std::unique_ptr<C_QivEntry> entry(new C_QivEntry(name.Left(name.GetLength() - 4)));
    entry->SetText(bytes.data(), static_cast<DWORD>(bytes.size()));
    return entry.release();
}

BOOL QivExportEntryText(LPCSTR lpszPath, const BYTE* pRichText, DWORD nLength)
{
    CString extension = QivPathExtension(lpszPath);
    if (extension.CompareNoCase("rtf") == 0 || extension.CompareNoCase("doc") == 0) {
        CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        if (nLength > 0)
            file.Write(pRichText, nLength);
        file.Close();
        return TRUE;
    }
    if (extension.CompareNoCase("txt") == 0) {
        CStdioFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        CString plain;
        ConvertRtfToText(reinterpret_cast<LPCSTR>(pRichText), static_cast<int>(nLength), plain);
        file.Write(plain.GetString(), static_cast<UINT>(plain.GetLength()));
        file.Close();
        return TRUE;
    }
    return FALSE;
}
