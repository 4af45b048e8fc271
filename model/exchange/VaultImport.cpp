// Record layout (little-endian): title length byte, title, text length word,
// 3 bytes (text below 256 bytes) or 5 bytes of no interest, text, level
// byte, 5 more bytes of no interest.
#include "model/exchange/VaultImport.h"

#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangePath.h"

#include <string.h>

#include <vector>

namespace {

// The file through a buffer; every read answers whether it got all it asked.
class CRecordReader
{
public:
    explicit CRecordReader(CFile& file) : m_file(file) {}

    bool Read(void* pDest, UINT nBytes)
    {
        BYTE* p = static_cast<BYTE*>(pDest);
        while (nBytes > 0) {
            if (m_nPos == m_nLen && !Fill())
                return false;
            UINT n = nBytes < m_nLen - m_nPos ? nBytes : m_nLen - m_nPos;
            if (p) {
                memcpy(p, m_buffer + m_nPos, n);
                p += n;
            }
            m_nPos += n;
            nBytes -= n;
        }
        return true;
    }
    bool Skip(UINT nBytes) { return Read(nullptr, nBytes); }

private:
    bool Fill()
    {
        m_nPos = 0;
        m_nLen = m_file.Read(m_buffer, sizeof(m_buffer));
        return m_nLen > 0;
    }

    CFile& m_file;
    BYTE m_buffer[16384];
    UINT m_nPos = 0;
    UINT m_nLen = 0;
};

struct Record
{
    CString title;
    std::vector<BYTE> text;   // with its terminating NUL
    BYTE nLevel = 0;
};

// FALSE when the record is cut short before its level; *pbComplete tells
// whether its trailing bytes were there too.
bool ReadRecord(CRecordReader& reader, Record& record, bool* pbComplete)
{
    BYTE nTitle = 0;
    char title[256];
    WORD nText = 0;
    if (!reader.Read(&nTitle, 1) || !reader.Read(title, nTitle) || !reader.Read(&nText, 2)
        || !reader.Skip(nText < 256 ? 3 : 5))
        return false;
    record.title = CString(title, nTitle);
    record.text.assign(static_cast<size_t>(nText) + 1, 0);
    if (!reader.Read(record.text.data(), nText) || !reader.Read(&record.nLevel, 1))
        return false;
    *pbComplete = reader.Skip(5);
    return true;
}

C_QivEntry* NewEntry(const CString& title, const BYTE* pText, DWORD nLength)
{
    std::unique_ptr<C_QivEntry> entry(new C_QivEntry(title));
    entry->SetText(pText, nLength);
    return entry.release();
}

CQivVaultImport ReadVaultFile(LPCSTR lpszPath)
{
    CFile file(lpszPath, CFile::modeRead | CFile::typeBinary);
    CRecordReader reader(file);
    CQivVaultImport result;
    result.category.reset(new C_QivCategory(QivPathFileName(lpszPath)));
    DWORD nDeclared = 0;
    if (!reader.Read(&nDeclared, 4))
        return result;
    result.nDeclared = nDeclared;

    // Levels are bytes, and the depth grows by one at most per record, so
    // the stack never holds more than 256 categories.
    std::vector<C_QivCategory*> levels(1, result.category.get());
    size_t d = 0;
    C_QivEntry* pPrevious = nullptr;
    for (DWORD i = 0; i < result.nDeclared; ++i) {
        Record record;
        bool bComplete = false;
        if (!ReadRecord(reader, record, &bComplete))
            break;
        size_t level = pPrevious ? record.nLevel : 0;
        C_QivEntry* pEntry = NewEntry(record.title, record.text.data(),
                                      static_cast<DWORD>(record.text.size()));
        if (level <= d) {
            d = level;
            levels[d]->InsertChild(pEntry, nullptr);
        } else {
            // The previous node has children: it becomes a category.
            C_QivCategory* pCategory = new C_QivCategory(pPrevious->m_strTitle);
            levels[d]->InsertChild(pCategory, nullptr);
            ++d;
            levels.resize(d + 1);
            levels[d] = pCategory;
            if (pPrevious->m_nTextLength >= 2)
                pCategory->InsertChild(NewEntry(" =>Text", pPrevious->m_pText,
                                                pPrevious->m_nTextLength), nullptr);
            levels[d - 1]->DeleteChild(pPrevious);
            pCategory->InsertChild(pEntry, nullptr);
        }
        pPrevious = pEntry;
        ++result.nImported;
        if (!bComplete)
            break;
    }
    file.Close();
    return result;
}

} // namespace

CQivVaultImport QivReadVaultFile(LPCSTR lpszPath)
{
    return AfxCallWithMemoryException([&] { return ReadVaultFile(lpszPath); });
}
