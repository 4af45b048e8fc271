// Card files at scale, in three shapes: text-heavy (100,000 notes of 2 KB of
// rich text in 1,000 categories), notebook-like (100,000 notes of 700 bytes
// in 100 categories of 10 groups, some with an attachment) and node-heavy
// (1,000,000 notes of 100 bytes of plain text in one category).
//
// Saves and loads are set against writing and reading the same bytes raw,
// through the same buffer size, in the same folder. Both sides of the
// compared save write a new file: the one of the round before is deleted,
// untimed, first. What a file system charges for dropping the old version
// of a file depends on what it did with that version since, not on the
// bytes written: on ext4 a file that replaces another by renaming (as a
// save does, so that a failed save leaves the old card file whole) is
// flushed at the rename, and a rename waiting for the journal took up to
// five times as long as its neighbours. The ratio over new files is what
// the program adds to writing its bytes. A save over the last card file,
// as the user makes it, is printed too, set against writing the bytes over
// the last raw file in place. The card file saved is the one opened from
// the file just written, as a user's is; the tree the benchmark built in
// memory is saved too, for comparison.
//
// Machines shared with other work are noisy, so each write runs several
// rounds with its baselines interleaved (in turns, so none always follows
// the same one), and medians are compared; a baseline whose rounds lie more
// than 2x apart is reported as such instead of giving a ratio.
//
// The peak working set only grows, so each file is written by one child
// process and loaded by another: the load's peak is then its own.
//
// Last, the tree-wide walks the application runs over every entry (search,
// path lookup, HTML export) at 100,000 and 1,000,000 entries, each over the
// same number of rounds: the median time per entry should not grow with
// the size of the card file.
#include "bench/BenchCommon.h"

#include "framework/core/Exceptions.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "model/exchange/HtmlExport.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Shape
{
    const char* name;
    int nGroups;              // categories under the root
    int nCategoriesPerGroup;  // categories in each group; 0: entries in the groups
    int nEntriesPerCategory;
    size_t nTextBytes;
    BOOL bRichText;
    int nAttachmentEvery;     // every n-th entry has an attachment; 0: none
};

const Shape kShapes[] = {
    { "text", 1000, 0, 100, 2048, TRUE, 0 },
    { "notebook", 10, 10, 1000, 700, TRUE, 20 },
    { "nodes", 1, 0, 1000000, 100, FALSE, 0 },
};

const int kRounds = 7;

const Shape* ShapeByName(const char* name)
{
    for (const Shape& shape : kShapes) {
        if (strcmp(name, shape.name) == 0)
            return &shape;
    }
    return nullptr;
}

int EntryCount(const Shape& shape)
{
    int nCategories = shape.nGroups * (shape.nCategoriesPerGroup ? shape.nCategoriesPerGroup : 1);
    return nCategories * shape.nEntriesPerCategory;
}

int NodeCount(const Shape& shape)
{
    return 1 + shape.nGroups + shape.nGroups * shape.nCategoriesPerGroup + EntryCount(shape);
}

// A note of exactly nBytes: rich text with a font table and words, or
// plain text.
std::string MakeText(const Shape& shape, int nEntry)
{
    static const char* const words[] = {
        "Termin", "Montag", "Angebot", "Planung", "Woche", "B\\'fcro", "Kunde", "Projekt",
        "Bericht", "Rechnung", "Besprechung", "Unterlagen", "bitte", "siehe", "Telefon",
    };
    std::string text = shape.bRichText
        ? "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 "
        : "";
    unsigned seed = static_cast<unsigned>(nEntry) * 2654435761u;
    const std::string tail = shape.bRichText ? "\\par }" : "";
    while (text.size() + tail.size() < shape.nTextBytes) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))];
        text += (seed & 0x700) == 0 ? "\\par " : " ";
    }
    text.resize(shape.nTextBytes - tail.size());
    return text + tail;
}

void FillCategory(const Shape& shape, C_QivCategory* pCategory, int& nEntry)
{
    C_QivItem* pLast = nullptr;
    char title[64];
    for (int e = 0; e < shape.nEntriesPerCategory; ++e, ++nEntry) {
        snprintf(title, sizeof(title), "Eintrag %d", e);
        C_QivEntry* pEntry = new C_QivEntry(title);
        std::string text = MakeText(shape, nEntry);
        pEntry->SetText(text.data(), static_cast<DWORD>(text.size()));
        if (shape.nAttachmentEvery && nEntry % shape.nAttachmentEvery == 0) {
            snprintf(title, sizeof(title), "C:\\Dokumente\\Anlage %d.pdf", nEntry);
            pEntry->m_lstAttachments.AddTail(title);
        }
        pCategory->InsertChild(pEntry, pLast);
        pLast = pEntry;
    }
}

C_QivCategory* MakeTree(const Shape& shape)
{
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivItem* pLastGroup = nullptr;
    char title[32];
    int nEntry = 0;
    for (int g = 0; g < shape.nGroups; ++g) {
        snprintf(title, sizeof(title), "Kategorie %d", g);
        C_QivCategory* pGroup = new C_QivCategory(title);
        pRoot->InsertChild(pGroup, pLastGroup);
        pLastGroup = pGroup;
        if (shape.nCategoriesPerGroup == 0) {
            FillCategory(shape, pGroup, nEntry);
            continue;
        }
        C_QivItem* pLast = nullptr;
        for (int c = 0; c < shape.nCategoriesPerGroup; ++c) {
            snprintf(title, sizeof(title), "Thema %d.%d", g, c);
            C_QivCategory* pCategory = new C_QivCategory(title);
            pCategory->m_dwExpanded = c % 2;
            pGroup->InsertChild(pCategory, pLast);
            pLast = pCategory;
            FillCategory(shape, pCategory, nEntry);
        }
    }
    return pRoot;
}

ULONGLONG FileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Writes the bytes into the file, over what it held, in pieces of the card
// files' buffer size.
void WriteBlock(const char* path, const std::vector<char>& block)
{
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    for (size_t nDone = 0; nDone < block.size();) {
        DWORD nPiece = static_cast<DWORD>(std::min<size_t>(block.size() - nDone, QIV_CARD_FILE_BUFFER));
        DWORD nWritten = 0;
        if (!::WriteFile(h, block.data() + nDone, nPiece, &nWritten, nullptr) || nWritten == 0)
            break;
        nDone += nWritten;
    }
    ::CloseHandle(h);
}

// Reads the file in pieces of the card files' buffer size into a block
// allocated for it, as any load must find room for what it reads.
double RawRead(const char* path, ULONGLONG nBytes)
{
    double start = bench::Now();
    std::unique_ptr<char[]> block(new char[static_cast<size_t>(nBytes)]);
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    for (ULONGLONG nDone = 0; nDone < nBytes;) {
        DWORD nPiece = static_cast<DWORD>(std::min<ULONGLONG>(nBytes - nDone, QIV_CARD_FILE_BUFFER));
        DWORD nRead = 0;
        if (!::ReadFile(h, block.get() + nDone, nPiece, &nRead, nullptr) || nRead == 0)
            break;
        nDone += nRead;
    }
    ::CloseHandle(h);
    return bench::Now() - start;
}

std::vector<char> ReadWhole(const char* path)
{
    std::vector<char> bytes(static_cast<size_t>(FileSize(path)));
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD nRead = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, nullptr);
    ::CloseHandle(h);
    return bytes;
}

std::string Label(const Shape& shape, const char* what)
{
    return std::string(shape.name) + ": " + what;
}

// Times one write: fnPrepare untimed (may be null), then fnWrite.
struct WriteStep
{
    bench::Rounds* pRounds;
    std::function<void()> fnPrepare;
    std::function<void()> fnWrite;
};

// Child 1: builds the tree and saves it; then saves the card file as the
// user has it, opened from its file, and writes the same bytes raw, into
// new files and over the last ones, round after round. The tree as built
// in memory, its nodes and notes strewn over the heap between the
// builder's own blocks, is saved beside them: the same bytes, gathered
// from further apart.
int WriteCase(const Shape& shape, const char* path)
{
    CQivCardFileStore built;
    built.ReplaceRoot(MakeTree(shape));
    built.Save(path, FALSE);
    const std::vector<char> bytes = ReadWhole(path);
    CQivCardFileStore store;
    if (!store.Open(path))
        return 1;
    const std::string newPath = std::string(path) + ".new.qiv";
    const std::string builtPath = std::string(path) + ".built.qiv";
    const std::string rawNewPath = std::string(path) + ".new.raw";
    const std::string inPlacePath = std::string(path) + ".raw";
    WriteBlock(inPlacePath.c_str(), bytes);

    bench::Rounds saveNew, rawNew, saveOver, rawInPlace, saveBuilt;
    const WriteStep steps[] = {
        { &saveNew, [&] { ::DeleteFileA(newPath.c_str()); }, [&] { store.Save(newPath.c_str(), FALSE); } },
        { &rawNew, [&] { ::DeleteFileA(rawNewPath.c_str()); }, [&] { WriteBlock(rawNewPath.c_str(), bytes); } },
        { &saveOver, nullptr, [&] { store.Save(path, FALSE); } },
        { &rawInPlace, nullptr, [&] { WriteBlock(inPlacePath.c_str(), bytes); } },
        { &saveBuilt, [&] { ::DeleteFileA(builtPath.c_str()); }, [&] { built.Save(builtPath.c_str(), FALSE); } },
    };
    const int nSteps = static_cast<int>(sizeof(steps) / sizeof(steps[0]));
    // One round untimed: the first replacement of a file just written can
    // take many times as long as any later one.
    for (int r = -1; r < kRounds; ++r) {
        for (int nStep = 0; nStep < nSteps; ++nStep) {
            const WriteStep& step = steps[(r + 1 + nStep) % nSteps];
            if (step.fnPrepare)
                step.fnPrepare();
            double start = bench::Now();
            step.fnWrite();
            if (r >= 0)
                step.pRounds->Add(bench::Now() - start);
        }
    }
    for (const std::string& other : { newPath, builtPath, rawNewPath, inPlacePath })
        ::DeleteFileA(other.c_str());

    int nNodes = NodeCount(shape);
    printf("%s: %d nodes, %.1f MB, buffer %u bytes, %d rounds\n", shape.name, nNodes,
           bytes.size() / 1048576.0, QIV_CARD_FILE_BUFFER, kRounds);
    bench::ReportAgainst(Label(shape, "save").c_str(), saveNew, Label(shape, "raw write").c_str(), rawNew);
    printf("%-44s %.2f M nodes/s (median)\n", Label(shape, "save").c_str(), nNodes / saveNew.Median() / 1e6);
    bench::ReportAgainst(Label(shape, "save over the last one").c_str(), saveOver,
                         Label(shape, "raw write over it in place").c_str(), rawInPlace);
    bench::ReportAgainst(Label(shape, "save of the tree as built").c_str(), saveBuilt,
                         Label(shape, "raw write").c_str(), rawNew);
    return 0;
}

// Child 2: loads the card file and reads the same bytes raw, round after
// round. The peak working set is taken after the first load, before any
// raw read could set it.
int ReadCase(const Shape& shape, const char* path)
{
    SIZE_T startMemory = bench::PeakMemory();
    ULONGLONG nBytes = FileSize(path);
    bench::Rounds load, raw, unload;
    SIZE_T peak = 0;
    for (int r = 0; r < kRounds; ++r) {
        CQivCardFileStore store;
        double start = bench::Now();
        store.Open(path);
        load.Add(bench::Now() - start);
        if (r == 0)
            peak = bench::PeakMemory();
        start = bench::Now();
        store.ReplaceRoot(nullptr);
        unload.Add(bench::Now() - start);
        raw.Add(RawRead(path, nBytes));
    }

    int nNodes = NodeCount(shape);
    bench::ReportAgainst(Label(shape, "load").c_str(), load, Label(shape, "raw read").c_str(), raw);
    printf("%-44s %.2f M nodes/s (median)\n", Label(shape, "load").c_str(), nNodes / load.Median() / 1e6);
    // Closing the card file or opening another one frees the tree.
    printf("%-44s min %8.3f  median %8.3f  max %8.3f s\n", Label(shape, "freeing the loaded tree").c_str(),
           unload.Min(), unload.Median(), unload.Max());
    double budget = static_cast<double>(nBytes) + 150.0 * nNodes;
    bench::Report(Label(shape, "peak memory (vs size + 150 B/node)").c_str(), peak / 1048576.0, "MB",
                  budget / 1048576.0);
    bench::Report(Label(shape, "  above the start-up working set").c_str(),
                  (peak - startMemory) / 1048576.0, "MB", budget / 1048576.0);
    return 0;
}

// The walks over a tree of nEntries notes of 100 bytes in categories of
// 1,000: each timed over kRounds rounds, in seconds per entry.
struct WalkTimes
{
    bench::Rounds search;
    bench::Rounds path;
    bench::Rounds html;
};

WalkTimes TimeWalks(int nEntries)
{
    Shape shape = { "walks", nEntries / 1000, 0, 1000, 100, FALSE, 0 };
    std::unique_ptr<C_QivCategory> root(MakeTree(shape));
    C_QivItem* pLast = root->m_pFirstChild;
    while (pLast->m_pNext)
        pLast = pLast->m_pNext;
    pLast = static_cast<C_QivCategory*>(pLast)->m_pFirstChild;
    while (pLast->m_pNext)
        pLast = pLast->m_pNext;

    WalkTimes times;
    const CString page = "modelbench-walks.htm";
    for (int r = 0; r < kRounds; ++r) {
        // A text no title holds: the search walks every node.
        double start = bench::Now();
        root->SearchNext("nirgendwo", FALSE, FALSE);
        times.search.Add((bench::Now() - start) / nEntries);

        start = bench::Now();
        CString path = root->GetPath(pLast, QIV_ROOT_IDENTIFIER);
        times.path.Add((bench::Now() - start) / nEntries);
        if (path.IsEmpty())
            printf("path lookup found nothing\n");

        start = bench::Now();
        QivExportHtml(root.get(), page);
        times.html.Add((bench::Now() - start) / nEntries);
        ::DeleteFileA(page);
    }
    return times;
}

void BenchWalks()
{
    WalkTimes small = TimeWalks(100000);
    WalkTimes large = TimeWalks(1000000);
    struct Row
    {
        const char* name;
        const bench::Rounds& small;
        const bench::Rounds& large;
    };
    const Row rows[] = {
        { "search without a hit", small.search, large.search },
        { "path of the last entry", small.path, large.path },
        { "HTML export", small.html, large.html },
    };
    printf("tree-wide walks, time per entry at 100,000 and 1,000,000 entries, median (min-max) of %d rounds:\n",
           kRounds);
    for (const Row& row : rows) {
        double growth = row.small.Median() > 0 ? row.large.Median() / row.small.Median() : 0.0;
        printf("%-28s %7.3f us (%.3f-%.3f)  %7.3f us (%.3f-%.3f)  growth per tenfold %.2fx\n", row.name,
               row.small.Median() * 1e6, row.small.Min() * 1e6, row.small.Max() * 1e6, row.large.Median() * 1e6,
               row.large.Min() * 1e6, row.large.Max() * 1e6, growth);
    }
    fflush(stdout);
}

BOOL RunChild(const char* mode, const Shape& shape, const char* path)
{
    char exe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = std::string("\"") + exe + "\" " + mode + " " + shape.name + " \"" + path + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return FALSE;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD dwExit = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dwExit == 0;
}

} // namespace

// ModelBench [SHAPE...] runs the named shapes (all when none is named) and
// the walks (only when no shape is named, or with "walks").
int main(int argc, char** argv)
{
    try {
        if (argc == 4 && ShapeByName(argv[2])) {
            if (strcmp(argv[1], "write") == 0)
                return WriteCase(*ShapeByName(argv[2]), argv[3]);
            if (strcmp(argv[1], "read") == 0)
                return ReadCase(*ShapeByName(argv[2]), argv[3]);
        }
        std::vector<const Shape*> shapes;
        BOOL bWalks = argc == 1;
        for (int i = 1; i < argc; ++i) {
            if (strcmp(argv[i], "walks") == 0)
                bWalks = TRUE;
            else if (const Shape* pShape = ShapeByName(argv[i]))
                shapes.push_back(pShape);
        }
        if (argc == 1) {
            for (const Shape& shape : kShapes)
                shapes.push_back(&shape);
        }
        for (const Shape* pShape : shapes) {
            std::string path = std::string("modelbench-") + pShape->name + ".qiv";
            if (!RunChild("write", *pShape, path.c_str()) || !RunChild("read", *pShape, path.c_str()))
                fprintf(stderr, "%s: a child process failed\n", pShape->name);
            ::DeleteFileA(path.c_str());
        }
        if (bWalks)
            BenchWalks();
    } catch (CException* e) {
        fprintf(stderr, "failed: %s\n", e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
        return 1;
    }
    return 0;
}
