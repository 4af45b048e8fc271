// qivdump: looks into card files from the command line.
//
//   qivdump dump FILE...          prints each file's tree, one line per node
//   qivdump resave IN OUT [...]   reads IN and saves it as a current card file
//
// Dump lines, in pre-order: depth, class, colour (8 hex digits), expanded
// flag ("." for non-categories), title in hex ("-" when empty), attachment
// paths in hex, text length and FNV-1a hash of the text (". ." for
// non-entries). Each file starts with "file NAME" and ends with "end" or
// "error CAUSE" for a file that could not be read.
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "model/CardFile.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>
#include <string.h>
#include <string>
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

void DumpNode(FILE* out, C_QivItem* pItem, size_t nDepth)
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
    fwrite(line.data(), 1, line.size(), out);
}

// Pre-order over the root, its siblings and everything below, without
// recursion: files may nest deeper than any stack.
void DumpTree(FILE* out, C_QivItem* pFirst)
{
    std::vector<C_QivItem*> stack;
    size_t nDepth = 0;
    C_QivItem* pItem = pFirst;
    while (pItem) {
        DumpNode(out, pItem, nDepth);
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
}

std::string Describe(CException* e)
{
    if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        return "archive " + std::to_string(static_cast<CArchiveException*>(e)->m_cause);
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
        return "file " + std::to_string(static_cast<CFileException*>(e)->m_cause);
    return std::string("other ") + e->GetRuntimeClass()->m_lpszClassName;
}

int Dump(int argc, char** argv)
{
    for (int i = 2; i < argc; ++i) {
        printf("file %s\n", argv[i]);
        CQivCardFileStore store;
        try {
            if (!store.Open(argv[i])) {
                printf("error open\n");
                continue;
            }
            DumpTree(stdout, store.GetRoot());
            printf("end\n");
        } catch (CException* e) {
            printf("error %s\n", Describe(e).c_str());
            e->Delete();
        }
    }
    return 0;
}

int Resave(int argc, char** argv)
{
    int nFailed = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        CQivCardFileStore store;
        try {
            if (!store.Open(argv[i])) {
                printf("error open %s\n", argv[i]);
                ++nFailed;
                continue;
            }
            store.Save(argv[i + 1], FALSE);
            printf("saved %s\n", argv[i + 1]);
        } catch (CException* e) {
            printf("error %s %s\n", Describe(e).c_str(), argv[i]);
            e->Delete();
            ++nFailed;
        }
    }
    return nFailed ? 1 : 0;
}

// Refuses every message box (the viewer-only message) on the console.
int ConsoleMessageBox(LPCSTR lpszText, UINT, UINT)
{
    fprintf(stderr, "message: %s\n", lpszText);
    return IDOK;
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetCoreMessageBoxHook(ConsoleMessageBox);
    if (argc >= 2 && strcmp(argv[1], "dump") == 0)
        return Dump(argc, argv);
    if (argc >= 4 && strcmp(argv[1], "resave") == 0 && argc % 2 == 0)
        return Resave(argc, argv);
    fprintf(stderr, "usage: qivdump dump FILE... | qivdump resave IN OUT [IN OUT...]\n");
    return 2;
}
