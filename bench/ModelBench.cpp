// Card files at scale: a text-heavy file (100,000 entries of about 2 KB of
// rich text in 1,000 categories) and a node-heavy one (1,000,000 entries of
// 100 bytes in one category). Saving and loading each are timed beside
// writing and reading the same number of bytes as one block, and the peak
// memory of a load is set against the file size plus 150 bytes a node.
//
// The peak working set only grows, so each file is written by one child
// process and loaded by another: the load's peak is then its own.
#include "bench/BenchCommon.h"

#include "framework/core/Exceptions.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Shape
{
    const char* name;
    int nCategories;
    int nEntriesPerCategory;
    size_t nTextBytes;
    BOOL bRichText;
};

const Shape kText = { "text", 1000, 100, 2048, TRUE };
const Shape kNodes = { "nodes", 1, 1000000, 100, FALSE };

const Shape& ShapeByName(const char* name)
{
    return strcmp(name, kText.name) == 0 ? kText : kNodes;
}

int NodeCount(const Shape& shape)
{
    return shape.nCategories * (shape.nEntriesPerCategory + 1) + 1;
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

C_QivCategory* MakeTree(const Shape& shape)
{
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    C_QivItem* pLastCategory = nullptr;
    char title[32];
    for (int c = 0; c < shape.nCategories; ++c) {
        snprintf(title, sizeof(title), "Kategorie %d", c);
        C_QivCategory* pCategory = new C_QivCategory(title);
        pRoot->InsertChild(pCategory, pLastCategory);
        pLastCategory = pCategory;
        C_QivItem* pLast = nullptr;
        for (int e = 0; e < shape.nEntriesPerCategory; ++e) {
            snprintf(title, sizeof(title), "Eintrag %d", e);
            C_QivEntry* pEntry = new C_QivEntry(title);
            std::string text = MakeText(shape, c * shape.nEntriesPerCategory + e);
            pEntry->SetText(text.data(), static_cast<DWORD>(text.size()));
            pCategory->InsertChild(pEntry, pLast);
            pLast = pEntry;
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

// A block of the file's size, touched, so page faults of the buffer do not
// count in the timed write or read.
std::vector<char> TouchedBlock(ULONGLONG nBytes)
{
    std::vector<char> block(static_cast<size_t>(nBytes));
    for (size_t i = 0; i < block.size(); i += 4096)
        block[i] = static_cast<char>(i);
    return block;
}

double RawWrite(const char* path, const std::vector<char>& block)
{
    double start = bench::Now();
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD nWritten = 0;
    ::WriteFile(h, block.data(), static_cast<DWORD>(block.size()), &nWritten, nullptr);
    ::CloseHandle(h);
    return bench::Now() - start;
}

double RawRead(const char* path, char* pBlock, ULONGLONG nBytes)
{
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD nRead = 0;
    ::ReadFile(h, pBlock, static_cast<DWORD>(nBytes), &nRead, nullptr);
    ::CloseHandle(h);
    return nRead == nBytes;
}

// Reading the bytes into a block allocated for them, as any load must
// find room for what it reads.
double RawReadNewBlock(const char* path, ULONGLONG nBytes)
{
    double start = bench::Now();
    std::unique_ptr<char[]> block(new char[static_cast<size_t>(nBytes)]);
    RawRead(path, block.get(), nBytes);
    return bench::Now() - start;
}

double RawReadTouchedBlock(const char* path, ULONGLONG nBytes)
{
    std::vector<char> block = TouchedBlock(nBytes);
    double start = bench::Now();
    RawRead(path, block.data(), nBytes);
    return bench::Now() - start;
}

std::string Label(const Shape& shape, const char* what)
{
    return std::string(shape.name) + ": " + what;
}

// Child 1: builds the tree, saves it (timed), writes the same bytes as one
// block (timed).
int WriteCase(const Shape& shape, const char* path)
{
    CQivCardFileStore store;
    store.ReplaceRoot(MakeTree(shape));
    double start = bench::Now();
    store.Save(path, FALSE);
    double save = bench::Now() - start;
    store.ReplaceRoot(nullptr);

    ULONGLONG nBytes = FileSize(path);
    std::string rawPath = std::string(path) + ".raw";
    std::vector<char> block = TouchedBlock(nBytes);
    double raw = RawWrite(rawPath.c_str(), block);
    ::DeleteFileA(rawPath.c_str());

    int nNodes = NodeCount(shape);
    printf("%s: %d nodes, %.1f MB\n", shape.name, nNodes, nBytes / 1048576.0);
    bench::Report(Label(shape, "raw write of the same bytes").c_str(), raw, "s", raw);
    bench::Report(Label(shape, "save").c_str(), save, "s", raw);
    bench::Report(Label(shape, "nodes saved per second").c_str(), nNodes / save, "1/s", 1e6);
    return 0;
}

// Child 2: loads the card file (timed) and takes the peak working set of
// the process, then reads the same bytes as one block (timed). The load
// comes first: the block read afterwards would otherwise be its peak.
int ReadCase(const Shape& shape, const char* path)
{
    SIZE_T startMemory = bench::PeakMemory();
    ULONGLONG nBytes = FileSize(path);
    double load = 0;
    {
        CQivCardFileStore store;
        double start = bench::Now();
        store.Open(path);
        load = bench::Now() - start;
    }
    SIZE_T peak = bench::PeakMemory();
    double raw = RawReadNewBlock(path, nBytes);
    double rawTouched = RawReadTouchedBlock(path, nBytes);

    int nNodes = NodeCount(shape);
    double budget = static_cast<double>(nBytes) + 150.0 * nNodes;
    bench::Report(Label(shape, "raw read of the same bytes, new block").c_str(), raw, "s", raw);
    bench::Report(Label(shape, "  the same into a block already touched").c_str(), rawTouched, "s", raw);
    bench::Report(Label(shape, "load").c_str(), load, "s", raw);
    bench::Report(Label(shape, "nodes loaded per second").c_str(), nNodes / load, "1/s", 1e6);
    bench::Report(Label(shape, "peak memory (vs size + 150 B/node)").c_str(), peak / 1048576.0, "MB",
                  budget / 1048576.0);
    bench::Report(Label(shape, "  above the start-up working set").c_str(),
                  (peak - startMemory) / 1048576.0, "MB", budget / 1048576.0);
    return 0;
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

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && strcmp(argv[1], "write") == 0)
            return WriteCase(ShapeByName(argv[2]), argv[3]);
        if (argc == 4 && strcmp(argv[1], "read") == 0)
            return ReadCase(ShapeByName(argv[2]), argv[3]);
    } catch (CException* e) {
        fprintf(stderr, "failed: %s\n", e->GetRuntimeClass()->m_lpszClassName);
        e->Delete();
        return 1;
    }
    for (const Shape* pShape : { &kText, &kNodes }) {
        std::string path = std::string("modelbench-") + pShape->name + ".qiv";
        if (!RunChild("write", *pShape, path.c_str()) || !RunChild("read", *pShape, path.c_str()))
            fprintf(stderr, "%s: a child process failed\n", pShape->name);
        ::DeleteFileA(path.c_str());
    }
    return 0;
}
