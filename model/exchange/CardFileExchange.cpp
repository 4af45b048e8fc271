// A card file of one category is written and read like the open card file,
// but as by a document without a view: no rich-text tail is written, and
// nothing is streamed into the editor.
#include "model/exchange/CardFileExchange.h"

#include "framework/core/Archive.h"
#include "model/CardFile.h"
#include "model/QivItem.h"

#include <string.h>

#include <new>
#include <vector>

namespace {

// Takes the category out of its sibling chain for its lifetime.
class CDetachedSiblings
{
public:
    explicit CDetachedSiblings(C_QivItem* pItem) : m_pItem(pItem), m_pNext(pItem->m_pNext)
    {
        pItem->m_pNext = nullptr;
    }
    ~CDetachedSiblings() { m_pItem->m_pNext = m_pNext; }
    CDetachedSiblings(const CDetachedSiblings&) = delete;
    CDetachedSiblings& operator=(const CDetachedSiblings&) = delete;

private:
    C_QivItem* m_pItem;
    C_QivItem* m_pNext;
};

const char szNoteStart[] = "{\\rtf1";
const char szNoteEnd[] = "\\par }";
const size_t nMarker = 6;

const BYTE* Find(const BYTE* p, const BYTE* end, const char* marker)
{
    while (p + nMarker <= end) {
        const BYTE* hit = static_cast<const BYTE*>(memchr(p, marker[0], end - p - nMarker + 1));
        if (!hit)
            return nullptr;
        if (memcmp(hit, marker, nMarker) == 0)
            return hit;
        p = hit + 1;
    }
    return nullptr;
}

} // namespace

void QivExportCardFile(C_QivCategory* pCategory, LPCSTR lpszPath)
{
    CDetachedSiblings alone(pCategory);
    CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    CArchive ar(&file, CArchive::store, 4096);
    QivWriteCardFile(ar, pCategory);
    ar.Close();
    file.Close();
}

C_QivCategory* QivImportCardFile(LPCSTR lpszPath)
{
    C_QivCategory* pRoot = nullptr;
    try {
        CFile file(lpszPath, CFile::modeRead | CFile::typeBinary);
        CArchive ar(&file, CArchive::load, 4096);
        pRoot = QivReadCardFile(ar);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        if (pRoot)
            QivDeleteRoot(pRoot);
        return nullptr;
    }
    // Siblings of the root in a damaged file do not come along.
    if (C_QivItem* pSiblings = pRoot->m_pNext) {
        pRoot->m_pNext = nullptr;
        while (pSiblings) {
            C_QivItem* pNext = pSiblings->m_pNext;
            pSiblings->m_pNext = nullptr;
            delete pSiblings;
            pSiblings = pNext;
        }
    }
    return pRoot;
}

QivSalvage QivSalvageNotes(LPCSTR lpszPath, CQivNewItems& notes, ULONGLONG& nLength)
{
    std::vector<BYTE> buffer;
    try {
        CFile file(lpszPath, CFile::modeRead | CFile::typeBinary);
        nLength = file.GetLength();
        if (nLength >= buffer.max_size())
            return QivSalvage::noMemory;
        try {
            buffer.resize(static_cast<size_t>(nLength));
        } catch (const std::bad_alloc&) {
            return QivSalvage::noMemory;
        }
        UINT nRead = buffer.empty() ? 0 : file.Read(buffer.data(), static_cast<UINT>(buffer.size()));
        buffer.resize(nRead);
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return QivSalvage::readError;
    }

    const BYTE* begin = buffer.data();
    const BYTE* end = begin + buffer.size();
    const BYTE* p = begin;
    while (const BYTE* note = Find(p, end, szNoteStart)) {
        // The title: printable bytes back to the closest "}".
        const BYTE* titleStart = note;
        while (titleStart > begin && titleStart[-1] != '}')
            --titleStart;
        CString title;
        for (const BYTE* t = titleStart; t < note; ++t)
            if (*t >= 32)
                title += static_cast<char>(*t);

        // The note runs through the first "\par }"; one without any is
        // taken to the end of the file and closed the same way.
        const BYTE* noteEnd = Find(note + nMarker, end, szNoteEnd);
        const BYTE* copyEnd = noteEnd ? noteEnd : end;
        std::vector<BYTE> text(note, copyEnd);
        text.insert(text.end(), szNoteEnd, szNoteEnd + nMarker);

        std::unique_ptr<C_QivEntry> entry(new C_QivEntry(title));
        entry->SetText(text.data(), static_cast<DWORD>(text.size()));
        notes.push_back(std::move(entry));
        p = noteEnd ? noteEnd + nMarker : end;
    }
    return QivSalvage::ok;
}
