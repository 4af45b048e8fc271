#include "common/CardFileDump.h"

#include "model/QivItem.h"

#include <stdio.h>

#include <vector>

namespace {

std::string Hex(const void* p, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    const BYTE* pb = static_cast<const BYTE*>(p);
    std::string out;
    out.reserve(2 * n);
    for (size_t i = 0; i < n; ++i) {
        out += digits[pb[i] >> 4];
        out += digits[pb[i] & 15];
    }
    return out;
}

DWORD Fnv1a(const BYTE* p, DWORD n)
{
    DWORD h = 0x811C9DC5;
    for (DWORD i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 0x01000193;
    }
    return h;
}

std::string NodeLine(C_QivItem* pItem, size_t nDepth)
{
    std::string line = std::to_string(nDepth) + " " + pItem->GetRuntimeClass()->m_lpszClassName;
    char buf[64];
    snprintf(buf, sizeof(buf), " %08lx ", static_cast<unsigned long>(pItem->m_crBackground));
    line += buf;
    if (pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
        line += std::to_string(static_cast<C_QivCategory*>(pItem)->m_dwExpanded);
    else
        line += ".";
    line += " ";
    line += pItem->m_strTitle.IsEmpty() ? std::string("-")
                                        : Hex(pItem->m_strTitle.GetString(), pItem->m_strTitle.GetLength());
    line += " [";
    POSITION pos = pItem->m_lstAttachments.GetHeadPosition();
    bool bFirst = true;
    while (pos) {
        const CString& strPath = pItem->m_lstAttachments.GetNext(pos);
        if (!bFirst)
            line += ",";
        line += Hex(strPath.GetString(), strPath.GetLength());
        bFirst = false;
    }
    line += "] ";
    if (pItem->IsKindOf(RUNTIME_CLASS(C_QivEntry))) {
        C_QivEntry* pEntry = static_cast<C_QivEntry*>(pItem);
        DWORD nLength = pEntry->m_pText ? pEntry->m_nTextLength : 0;
        snprintf(buf, sizeof(buf), "%lu %08lx", static_cast<unsigned long>(nLength),
                 static_cast<unsigned long>(Fnv1a(pEntry->m_pText, nLength)));
        line += buf;
    } else {
        line += ". .";
    }
    line += "\n";
    return line;
}

} // namespace

// Without recursion: files may nest deeper than any stack.
std::string QivDumpLines(C_QivItem* pFirst)
{
    std::string lines;
    std::vector<C_QivItem*> stack;
    size_t nDepth = 0;
    C_QivItem* pItem = pFirst;
    while (pItem) {
        lines += NodeLine(pItem, nDepth);
        C_QivCategory* pCategory = pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory))
            ? static_cast<C_QivCategory*>(pItem) : nullptr;
        if (pCategory && pCategory->m_pFirstChild) {
            stack.push_back(pItem);
            ++nDepth;
            pItem = pCategory->m_pFirstChild;
            continue;
        }
        pItem = pItem->m_pNext;
        while (!pItem && !stack.empty()) {
            pItem = stack.back()->m_pNext;
            stack.pop_back();
            --nDepth;
        }
    }
    return lines;
}
