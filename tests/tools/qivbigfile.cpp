// qivbigfile: card files of any size, for trying what a process can hold.
//
//   qivbigfile make ENTRIES BYTES PATH   saves a card file of ENTRIES rich-text
//                                        notes of BYTES bytes, 1,000 a category
//   qivbigfile chain ENTRIES PATH        saves a card file whose root holds
//                                        ENTRIES empty entries in one chain,
//                                        straight from the bytes: files larger
//                                        than a process can hold as a tree
//   qivbigfile resave IN OUT             loads IN, saves it as OUT and compares
//                                        the two files byte for byte
//
// Each step prints its time and the address space the process then uses
// out of what it has (4 GB for a large-address-aware 32-bit program under
// 64-bit Windows, 2 GB without). Exit code 0 only when every step worked
// and the files are identical.
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "model/CardFile.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

namespace {

double Now()
{
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PrintStep(const char* step, double seconds)
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof(status);
    ::GlobalMemoryStatusEx(&status);
    printf("%-8s %8.2f s, address space in use %7.1f MB of %7.1f MB\n", step, seconds,
           (status.ullTotalVirtual - status.ullAvailVirtual) / 1048576.0,
           status.ullTotalVirtual / 1048576.0);
    fflush(stdout);
}

std::string MakeNote(size_t nBytes, unsigned nEntry)
{
    static const char* const words[] = {
        "Termin", "Montag", "Angebot", "Planung", "B\\'fcro", "Kunde", "Projekt", "Bericht",
    };
    std::string note = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 ";
    unsigned seed = nEntry * 2654435761u;
    while (note.size() + 6 < nBytes) {
        seed = seed * 1103515245u + 12345u;
        note += words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))];
        note += ' ';
    }
    note.resize(nBytes > 6 ? nBytes - 6 : 0);
    return note + "\\par }";
}

int Make(unsigned nEntries, size_t nBytes, const char* path)
{
    double start = Now();
    CQivCardFileStore store;
    store.ReplaceRoot(new C_QivCategory("Notizen"));
    C_QivCategory* pRoot = store.GetRoot();
    C_QivCategory* pCategory = nullptr;
    C_QivItem* pLastCategory = nullptr;
    C_QivItem* pLast = nullptr;
    char title[64];
    for (unsigned e = 0; e < nEntries; ++e) {
        if (e % 1000 == 0) {
            snprintf(title, sizeof(title), "Kategorie %u", e / 1000);
            pCategory = new C_QivCategory(title);
            pRoot->InsertChild(pCategory, pLastCategory);
            pLastCategory = pCategory;
            pLast = nullptr;
        }
        snprintf(title, sizeof(title), "Eintrag %u", e);
        C_QivEntry* pEntry = new C_QivEntry(title);
        std::string note = MakeNote(nBytes, e);
        pEntry->SetText(note.data(), static_cast<DWORD>(note.size()));
        pCategory->InsertChild(pEntry, pLast);
        pLast = pEntry;
    }
    PrintStep("build", Now() - start);
    start = Now();
    store.Save(path, FALSE);
    PrintStep("save", Now() - start);
    return 0;
}

// Writes what the card-file writer would write for the tree, record by
// record, without the tree: the root's record up to its first child, every
// entry's tag and empty title (each the previous one's next), the last
// one's null next, then the rest of each entry's record, innermost first.
int MakeChain(unsigned nEntries, const char* path)
{
    double start = Now();
    C_QivCategory root("Notizen");
    C_QivEntry entry("");
    CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    CArchive ar(&file, CArchive::store, 1 << 20);
    ar.SetObjectsOnce(TRUE);
    ar.Write(QIV_CARD_FILE_MAGIC, sizeof(QIV_CARD_FILE_MAGIC));
    ar << QIV_FORMAT_VERSION << static_cast<WORD>(0);
    ar.WriteClass(RUNTIME_CLASS(C_QivCategory));
    ar.MapObject(&root);
    ar << root.m_strTitle << static_cast<WORD>(0) << static_cast<DWORD>(root.m_crBackground);
    ar.WriteCount(0);
    for (unsigned e = 0; e < nEntries; ++e) {
        ar.WriteClass(RUNTIME_CLASS(C_QivEntry));
        ar.MapObject(&entry);
        ar << static_cast<BYTE>(0);
    }
    ar << static_cast<WORD>(0);   // the last entry's next, or the root's null first child
    for (unsigned e = 0; e < nEntries; ++e) {
        ar << static_cast<DWORD>(entry.m_crBackground);
        ar.WriteCount(0);
        ar << static_cast<DWORD>(0);
    }
    ar << root.m_dwExpanded;
    ar.Close();
    file.Close();
    PrintStep("chain", Now() - start);
    return 0;
}

// Compares two files in pieces; TRUE when they hold the same bytes.
BOOL SameBytes(const char* pathA, const char* pathB)
{
    CFile a(pathA, CFile::modeRead | CFile::typeBinary);
    CFile b(pathB, CFile::modeRead | CFile::typeBinary);
    if (a.GetLength() != b.GetLength())
        return FALSE;
    const UINT nPiece = 1 << 20;
    std::vector<char> bufA(nPiece), bufB(nPiece);
    for (;;) {
        UINT nA = a.Read(bufA.data(), nPiece);
        UINT nB = b.Read(bufB.data(), nPiece);
        if (nA != nB || memcmp(bufA.data(), bufB.data(), nA) != 0)
            return FALSE;
        if (nA == 0)
            return TRUE;
    }
}

int Resave(const char* pathIn, const char* pathOut)
{
    CQivCardFileStore store;
    double start = Now();
    if (!store.Open(pathIn)) {
        printf("cannot open %s\n", pathIn);
        return 1;
    }
    PrintStep("load", Now() - start);
    start = Now();
    store.Save(pathOut, FALSE);
    PrintStep("save", Now() - start);
    store.ReplaceRoot(nullptr);
    BOOL bSame = SameBytes(pathIn, pathOut);
    printf("%s\n", bSame ? "identical" : "DIFFERENT");
    return bSame ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 5 && strcmp(argv[1], "make") == 0)
            return Make(static_cast<unsigned>(strtoul(argv[2], nullptr, 10)),
                        static_cast<size_t>(strtoul(argv[3], nullptr, 10)), argv[4]);
        if (argc == 4 && strcmp(argv[1], "chain") == 0)
            return MakeChain(static_cast<unsigned>(strtoul(argv[2], nullptr, 10)), argv[3]);
        if (argc == 4 && strcmp(argv[1], "resave") == 0)
            return Resave(argv[2], argv[3]);
    } catch (CException* e) {
        char message[512] = {};
        e->GetErrorMessage(message, sizeof(message));
        printf("failed: %s %s\n", e->GetRuntimeClass()->m_lpszClassName, message);
        e->Delete();
        return 1;
    }
    fprintf(stderr, "usage: qivbigfile make ENTRIES BYTES PATH | qivbigfile chain ENTRIES PATH | "
                    "qivbigfile resave IN OUT\n");
    return 2;
}
