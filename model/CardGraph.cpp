// Iterative reading and writing of nested item records.
//
// Writing a chain n1 -> n2 -> ... -> nk produces, as the nested records
// require: tag(n1) title(n1) tag(n2) title(n2) ... title(nk) null, then the
// rest of nk's record, ..., then the rest of n1's. The rest of a category's
// record holds its child chain, which is written the same way before its
// expanded flag. A stack of the nodes whose records are still open replaces
// the call stack; reading mirrors it.
#include "model/CardGraph.h"

#include "framework/core/Archive.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <new>
#include <vector>

namespace {

// A node whose record has been opened (tag and title) but not closed yet.
struct OpenRecord
{
    C_QivItem* pItem;
    bool bChildrenDone;
};

void WriteTag(CArchive& ar, C_QivItem* pItem)
{
    ar.WriteClass(pItem->GetRuntimeClass());
    ar.MapObject(pItem);
}

// Reads the tag of a next sibling or first child: null, or a new node of
// one of the item classes, entered in the archive's object map. A tree
// never refers to a node twice, so a reference to an earlier object is
// refused rather than turned into a shared node.
C_QivItem* ReadTag(CArchive& ar)
{
    UINT nSchema = 0;
    DWORD dwObTag = 0;
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(C_QivItem), &nSchema, &dwObTag);
    if (!pClass) {
        if (dwObTag != 0)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        return nullptr;
    }
    CObject* pObject = pClass->CreateObject();
    if (!pObject)
        AfxThrowMemoryException();
    ar.MapObject(pObject);
    return static_cast<C_QivItem*>(pObject);
}

void ReadText(CArchive& ar, C_QivEntry* pEntry)
{
    DWORD nLength = 0;
    ar >> nLength;
    BYTE* pText = nullptr;
    if (nLength > 0) {
        ar.CheckAvailable(nLength);
        pText = new (std::nothrow) BYTE[nLength];
        if (!pText)
            AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
        if (ar.Read(pText, nLength) != nLength) {
            delete[] pText;
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        }
    }
    delete[] pEntry->m_pText;
    pEntry->m_pText = pText;
    pEntry->m_nTextLength = nLength;
}

void WriteRecords(CArchive& ar, C_QivItem* pFirst)
{
    std::vector<OpenRecord> open;
    C_QivItem* pChain = pFirst;
    bool bTagWritten = true;   // the first node's tag is the caller's
    while (pChain) {
        for (C_QivItem* p = pChain; p; p = p->m_pNext) {
            if (!bTagWritten)
                WriteTag(ar, p);
            bTagWritten = false;
            ar << p->m_strTitle;
            open.push_back({ p, false });
        }
        ar << static_cast<WORD>(0);   // the last node's next: null
        pChain = nullptr;

        while (!open.empty() && !pChain) {
            OpenRecord& top = open.back();
            C_QivItem* pItem = top.pItem;
            C_QivCategory* pCategory = QivAsCategory(pItem);
            if (!top.bChildrenDone) {
                ar << static_cast<DWORD>(pItem->m_crBackground);
                pItem->m_lstAttachments.Serialize(ar);
                if (pCategory) {
                    top.bChildrenDone = true;
                    pChain = pCategory->m_pFirstChild;
                    if (pChain)
                        continue;
                    ar << static_cast<WORD>(0);   // no first child
                } else if (C_QivEntry* pEntry = QivAsEntry(pItem)) {
                    DWORD nLength = pEntry->m_pText ? pEntry->m_nTextLength : 0;
                    ar << nLength;
                    if (nLength > 0)
                        ar.Write(pEntry->m_pText, nLength);
                }
            }
            if (pCategory)
                ar << pCategory->m_dwExpanded;
            open.pop_back();
        }
    }
}

void ReadRecords(CArchive& ar, C_QivItem* pFirst)
{
    const BOOL bTail = QivVersionHasItemTail(ar.GetFormatVersion());
    std::vector<OpenRecord> open;
    C_QivItem* pChain = pFirst;
    while (pChain) {
        // Each new node is linked into the tree before its record is read,
        // so whoever owns the first node frees everything after a failure.
        for (C_QivItem* p = pChain; p; p = p->m_pNext) {
            ar >> p->m_strTitle;
            open.push_back({ p, false });
            p->m_pNext = ReadTag(ar);
        }
        pChain = nullptr;

        while (!open.empty() && !pChain) {
            OpenRecord& top = open.back();
            C_QivItem* pItem = top.pItem;
            C_QivCategory* pCategory = QivAsCategory(pItem);
            if (!top.bChildrenDone) {
                if (bTail) {
                    DWORD dwColor = 0;
                    ar >> dwColor;
                    pItem->m_crBackground = dwColor;
                    pItem->m_lstAttachments.Serialize(ar);
                }
                if (pCategory) {
                    top.bChildrenDone = true;
                    pCategory->DeleteAllChildren();
                    pChain = pCategory->m_pFirstChild = ReadTag(ar);
                    if (pChain)
                        continue;
                } else if (C_QivEntry* pEntry = QivAsEntry(pItem)) {
                    ReadText(ar, pEntry);
                }
            }
            if (pCategory && bTail)
                ar >> pCategory->m_dwExpanded;
            open.pop_back();
        }
    }
}

} // namespace

BOOL QivVersionHasItemTail(WORD wVersion)
{
    BYTE nMajor = LOBYTE(wVersion);
    BYTE nMinor = HIBYTE(wVersion);
    return nMajor >= 2 || (nMajor == 1 && nMinor >= 30);
}

void QivSerializeRecord(CArchive& ar, C_QivItem* pItem)
{
    if (ar.IsStoring())
        WriteRecords(ar, pItem);
    else
        ReadRecords(ar, pItem);
}
