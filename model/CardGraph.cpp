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
#include "model/ItemPool.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <deque>
#include <new>

namespace {

// The records opened (tag and title) but not closed yet, innermost last. A
// category whose children are being read or written lies below a null
// entry. One pointer per record, kept in blocks: a chain of a million
// siblings keeps them all open at once, and a growing array would copy
// itself and touch twice the memory on the way.
using OpenRecords = std::deque<C_QivItem*>;

// Takes the category below the null entry on top of the stack.
C_QivCategory* PopFinishedCategory(OpenRecords& open)
{
    C_QivCategory* pCategory = static_cast<C_QivCategory*>(open.back());
    open.pop_back();
    return pCategory;
}

void WriteTag(CArchive& ar, C_QivItem* pItem)
{
    ar.WriteClass(pItem->GetRuntimeClass());
    ar.MapObject(pItem);
}

// What a node being read is made with: the pool of its tree and the colour
// it has when its record carries none.
struct NodeSource
{
    CQivItemPool pool;
    COLORREF crDefault;
};

// Makes a node of class T in the pool; null when out of memory.
template <class T>
C_QivItem* NewPooled(NodeSource& source)
{
    void* p = source.pool.Allocate(sizeof(T), alignof(T));
    if (!p)
        return nullptr;
    try {
        return ::new (p) T("", source.crDefault);
    } catch (...) {
        QivPoolRelease(p);
        throw;
    }
}

// The item classes a card file names.
struct ItemFactory
{
    const CRuntimeClass* pClass;
    C_QivItem* (*pfnCreate)(NodeSource& source);
};

const ItemFactory kItemFactories[] = {
    { RUNTIME_CLASS(C_QivEntry), NewPooled<C_QivEntry> },
    { RUNTIME_CLASS(C_QivCategory), NewPooled<C_QivCategory> },
};

C_QivItem* CreateItem(CRuntimeClass* pClass, NodeSource& source)
{
    for (const ItemFactory& factory : kItemFactories) {
        if (factory.pClass == pClass)
            return factory.pfnCreate(source);
    }
    return static_cast<C_QivItem*>(pClass->CreateObject());
}

// Reads the tag of a next sibling or first child: null, or a new node of
// one of the item classes, entered in the archive's object map. A tree
// never refers to a node twice, so a reference to an earlier object is
// refused rather than turned into a shared node.
C_QivItem* ReadTag(CArchive& ar, NodeSource& source)
{
    UINT nSchema = 0;
    DWORD dwObTag = 0;
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(C_QivItem), &nSchema, &dwObTag);
    if (!pClass) {
        if (dwObTag != 0)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        return nullptr;
    }
    C_QivItem* pItem = CreateItem(pClass, source);
    if (!pItem)
        AfxThrowMemoryException();
    try {
        ar.MapObject(pItem);
    } catch (...) {
        delete pItem;
        throw;
    }
    return pItem;
}

void ReadText(CArchive& ar, C_QivEntry* pEntry, CQivItemPool& pool)
{
    DWORD nLength = 0;
    ar >> nLength;
    BYTE* pText = nullptr;
    if (nLength > 0) {
        ar.CheckAvailable(nLength);
        pText = QivAllocateText(nLength, &pool);
        if (!pText)
            AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
        if (ar.Read(pText, nLength) != nLength) {
            QivFreeText(pText);
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        }
    }
    QivFreeText(pEntry->m_pText);
    pEntry->m_pText = pText;
    pEntry->m_nTextLength = nLength;
}

void WriteRecords(CArchive& ar, C_QivItem* pFirst)
{
    OpenRecords open;
    C_QivItem* pChain = pFirst;
    bool bTagWritten = true;   // the first node's tag is the caller's
    while (pChain) {
        for (C_QivItem* p = pChain; p; p = p->m_pNext) {
            if (!bTagWritten)
                WriteTag(ar, p);
            bTagWritten = false;
            ar << p->m_strTitle;
            open.push_back(p);
        }
        ar << static_cast<WORD>(0);   // the last node's next: null
        pChain = nullptr;

        while (!open.empty() && !pChain) {
            C_QivItem* pItem = open.back();
            open.pop_back();
            if (!pItem) {
                ar << PopFinishedCategory(open)->m_dwExpanded;
                continue;
            }
            ar << static_cast<DWORD>(pItem->m_crBackground);
            // Most items have no attachments; their list is then only its
            // count.
            if (pItem->m_lstAttachments.IsEmpty())
                ar.WriteCount(0);
            else
                pItem->m_lstAttachments.Serialize(ar);
            // A card file holds far more entries than anything else: they
            // are known by their class at once.
            C_QivEntry* pEntry = pItem->GetRuntimeClass() == RUNTIME_CLASS(C_QivEntry)
                ? static_cast<C_QivEntry*>(pItem) : nullptr;
            C_QivCategory* pCategory = pEntry ? nullptr : QivAsCategory(pItem);
            if (!pEntry && !pCategory)
                pEntry = QivAsEntry(pItem);
            if (pCategory) {
                pChain = pCategory->m_pFirstChild;
                if (pChain) {
                    open.push_back(pCategory);
                    open.push_back(nullptr);
                } else {
                    ar << static_cast<WORD>(0);   // no first child
                    ar << pCategory->m_dwExpanded;
                }
            } else if (pEntry) {
                DWORD nLength = pEntry->m_pText ? pEntry->m_nTextLength : 0;
                ar << nLength;
                if (nLength > 0)
                    ar.Write(pEntry->m_pText, nLength);
            }
        }
    }
}

void ReadRecords(CArchive& ar, C_QivItem* pFirst)
{
    const BOOL bTail = QivVersionHasItemTail(ar.GetFormatVersion());
    // Nodes of files without colours show the window colour; it is taken
    // once here, as asking the window system for each of a million nodes
    // costs more than reading them.
    NodeSource source;
    source.crDefault = ::GetSysColor(COLOR_WINDOW);
    OpenRecords open;
    C_QivItem* pChain = pFirst;
    while (pChain) {
        // Each new node is linked into the tree before its record is read,
        // so whoever owns the first node frees everything after a failure.
        for (C_QivItem* p = pChain; p; p = p->m_pNext) {
            ar >> p->m_strTitle;
            open.push_back(p);
            p->m_pNext = ReadTag(ar, source);
        }
        pChain = nullptr;

        while (!open.empty() && !pChain) {
            C_QivItem* pItem = open.back();
            open.pop_back();
            if (!pItem) {
                C_QivCategory* pCategory = PopFinishedCategory(open);
                if (bTail)
                    ar >> pCategory->m_dwExpanded;
                continue;
            }
            if (bTail) {
                DWORD dwColor = 0;
                ar >> dwColor;
                pItem->m_crBackground = dwColor;
                pItem->m_lstAttachments.Serialize(ar);
            }
            if (C_QivCategory* pCategory = QivAsCategory(pItem)) {
                pCategory->DeleteAllChildren();
                pChain = pCategory->m_pFirstChild = ReadTag(ar, source);
                if (pChain) {
                    open.push_back(pCategory);
                    open.push_back(nullptr);
                } else if (bTail) {
                    ar >> pCategory->m_dwExpanded;
                }
            } else if (C_QivEntry* pEntry = QivAsEntry(pItem)) {
                ReadText(ar, pEntry, source.pool);
            }
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
