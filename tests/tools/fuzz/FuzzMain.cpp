// qivfuzz: mutates seed inputs of each reader and runs the real reader on
// them in this process.
//
//   qivfuzz [--mode NAME]... [--seconds N] [--seed N] [--inputs DIR] [--out DIR] [--list]
//   qivfuzz [--mode NAME]... --write-seeds DIR
//
// Every mode (or each one named) runs for the given seconds. The files in
// DIR/<mode>/ run first, as seeds and as regression inputs (the inputs of
// findings that were fixed). A framework exception, FALSE or null is a clean
// refusal; any other exception, a broken invariant, a crash or a run of
// more than two seconds of processor time is a finding: its input is saved
// to the out folder as <mode>-<n>.bin beside <mode>-<n>.txt, a one-line
// summary. The exit code is 0 when nothing was found, 1 otherwise. --write-seeds saves the built-in
// seeds as DIR/<mode>-<n>.bin, to make new regression inputs from.
#include "FuzzModes.h"

#include "framework/core/Exceptions.h"

#include <objbase.h>
#include <stdio.h>
#include <stdlib.h>

#include <atomic>
#include <exception>
#include <string>

namespace qivfuzz {

namespace {

// A reader that has worked 2 s of processor time on one input hangs. Time on
// the clock counts only from 20 s on (a reader that waits for ever): a
// machine busy with other work must not make a slow input a finding.
const ULONGLONG nHangCpuMilliseconds = 2000;
const DWORD nHangWallMilliseconds = 20000;

struct Options
{
    std::vector<std::string> modes;
    double dSeconds = 5;
    uint64_t nSeed = 1;
    std::string inputs;
    std::string out = "fuzz-findings";
    std::string seedsOut;
    bool bList = false;
};

// What the watchdog and the crash filter need to save the input at hand.
struct CurrentRun
{
    std::atomic<const Bytes*> pInput{nullptr};
    std::atomic<DWORD> nStarted{0};
    std::atomic<unsigned long long> nSequence{0};
    HANDLE hReaderThread = nullptr;
    const char* pszMode = "";
    std::string out;
    std::atomic<int> nFindings{0};
};
CurrentRun g_run;

// Saves the input beside a one-line summary; answers the summary's path.
void SaveFinding(const char* pszMode, const Bytes& input, const std::string& summary)
{
    ::CreateDirectoryA(g_run.out.c_str(), nullptr);
    int n = ++g_run.nFindings;
    std::string base = g_run.out + "\\" + pszMode + "-" + std::to_string(n);
    FILE* pFile = fopen((base + ".bin").c_str(), "wb");
    if (pFile)
    {
        if (!input.empty())
            fwrite(input.data(), 1, input.size(), pFile);
        fclose(pFile);
    }
    pFile = fopen((base + ".txt").c_str(), "w");
    if (pFile)
    {
        fprintf(pFile, "%s: %s (%u bytes)\n", pszMode, summary.c_str(),
                static_cast<unsigned>(input.size()));
        fclose(pFile);
    }
    printf("FINDING %s: %s -> %s.bin\n", pszMode, summary.c_str(), base.c_str());
    fflush(stdout);
}

ULONGLONG CpuMilliseconds(HANDLE hThread)
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(hThread, &created, &exited, &kernel, &user))
        return 0;
    auto value = [](const FILETIME& ft) {
        return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    return (value(kernel) + value(user)) / 10000;
}

// A reader that runs too long cannot be stopped: its input is saved and the
// process ends. The processor time of an input counts from the first look
// the watchdog takes at it, so short inputs cost no measurement.
DWORD WINAPI Watchdog(void*)
{
    unsigned long long nWatched = 0;
    ULONGLONG nCpuAtFirstLook = 0;
    for (;;)
    {
        ::Sleep(100);
        const Bytes* pInput = g_run.pInput.load();
        unsigned long long nSequence = g_run.nSequence.load();
        if (!pInput)
            continue;
        ULONGLONG nCpu = CpuMilliseconds(g_run.hReaderThread);
        if (nSequence != nWatched)
        {
            nWatched = nSequence;
            nCpuAtFirstLook = nCpu;
            continue;
        }
        if (nCpu - nCpuAtFirstLook > nHangCpuMilliseconds
            || ::GetTickCount() - g_run.nStarted.load() > nHangWallMilliseconds)
        {
            SaveFinding(g_run.pszMode, *pInput, "hang: no answer within 2 s of processor time");
            fflush(stdout);
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
    }
}

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* pInfo)
{
    const Bytes* pInput = g_run.pInput.load();
    if (pInput)
    {
        char szSummary[96];
        snprintf(szSummary, sizeof(szSummary), "crash: exception 0x%08lX at %p",
                 static_cast<unsigned long>(pInfo->ExceptionRecord->ExceptionCode),
                 pInfo->ExceptionRecord->ExceptionAddress);
        SaveFinding(g_run.pszMode, *pInput, szSummary);
    }
    fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), 4);
    return EXCEPTION_EXECUTE_HANDLER;
}

struct Totals
{
    long long nRuns = 0;
    long long nAccepted = 0;
    long long nFindings = 0;
};

// One input through the mode's reader; a finding is saved at once.
void RunOne(const FuzzMode& mode, const Bytes& input, Totals& totals, std::vector<Bytes>* pPool)
{
    std::string finding;
    bool bAccepted = false;
    g_run.nStarted = ::GetTickCount();
    ++g_run.nSequence;
    g_run.pInput = &input;
    try
    {
        FuzzResult result = mode.pfnRun(input);
        bAccepted = result.bAccepted;
        if (!result.strBroken.empty())
            finding = "broken invariant: " + result.strBroken;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (const std::exception& e)
    {
        finding = std::string("exception: ") + e.what();
    }
    catch (...)
    {
        finding = "exception of an unknown type";
    }
    g_run.pInput = nullptr;
    ++totals.nRuns;
    if (!finding.empty())
    {
        ++totals.nFindings;
        SaveFinding(mode.pszName, input, finding);
    }
    else if (bAccepted)
    {
        ++totals.nAccepted;
        // Accepted inputs are mutated further: they reach deeper into a reader.
        if (pPool && pPool->size() < 512)
            pPool->push_back(input);
    }
}

std::vector<Bytes> InputFiles(const Options& options, const char* pszMode)
{
    std::vector<Bytes> inputs;
    if (options.inputs.empty())
        return inputs;
    std::string folder = options.inputs + "\\" + pszMode + "\\";
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return inputs;
    do
    {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            inputs.push_back(ReadWholeFile((folder + found.cFileName).c_str()));
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    return inputs;
}

void WriteSeeds(const FuzzMode& mode, const std::string& folder)
{
    ::CreateDirectoryA(folder.c_str(), nullptr);
    int n = 0;
    for (const Bytes& seed : mode.pfnSeeds())
    {
        std::string path = folder + "\\" + mode.pszName + "-" + std::to_string(++n) + ".bin";
        if (FILE* pFile = fopen(path.c_str(), "wb"))
        {
            fwrite(seed.data(), 1, seed.size(), pFile);
            fclose(pFile);
        }
    }
}

Totals RunMode(const FuzzMode& mode, const Options& options, uint64_t nSeed)
{
    g_run.pszMode = mode.pszName;
    Totals totals;
    std::vector<Bytes> pool = InputFiles(options, mode.pszName);
    for (const Bytes& file : pool)
        RunOne(mode, file, totals, nullptr);
    for (const Bytes& seed : mode.pfnSeeds())
    {
        RunOne(mode, seed, totals, nullptr);
        pool.push_back(seed);
    }
    std::vector<std::string> dictionary = mode.pfnDictionary();

    CFuzzRandom random(nSeed);
    DWORD nStart = ::GetTickCount();
    DWORD nBudget = static_cast<DWORD>(options.dSeconds * 1000);
    while (::GetTickCount() - nStart < nBudget && !pool.empty())
    {
        const Bytes& parent = pool[random.Below(pool.size())];
        Bytes input = Mutate(parent, dictionary, random, mode.nMaxSize);
        RunOne(mode, input, totals, &pool);
    }
    double dElapsed = (::GetTickCount() - nStart) / 1000.0;
    printf("%-18s %9lld inputs  %8.0f/s  %8lld accepted  %lld findings\n", mode.pszName,
           totals.nRuns, dElapsed > 0 ? totals.nRuns / dElapsed : 0.0, totals.nAccepted,
           totals.nFindings);
    fflush(stdout);
    return totals;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        std::string arg = argv[i];
        bool bHasValue = i + 1 < argc;
        if (arg == "--list")
            options.bList = true;
        else if (arg == "--mode" && bHasValue)
            options.modes.push_back(argv[++i]);
        else if (arg == "--seconds" && bHasValue)
            options.dSeconds = atof(argv[++i]);
        else if (arg == "--seed" && bHasValue)
            options.nSeed = strtoull(argv[++i], nullptr, 10);
        else if (arg == "--inputs" && bHasValue)
            options.inputs = argv[++i];
        else if (arg == "--out" && bHasValue)
            options.out = argv[++i];
        else if (arg == "--write-seeds" && bHasValue)
            options.seedsOut = argv[++i];
        else
            return false;
    }
    return true;
}

} // namespace

} // namespace qivfuzz

int main(int argc, char** argv)
{
    using namespace qivfuzz;
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        fprintf(stderr, "usage: qivfuzz [--mode NAME]... [--seconds N] [--seed N] "
                        "[--inputs DIR] [--out DIR] [--list]\n");
        return 2;
    }
    std::vector<FuzzMode> modes;
    AddModelModes(modes);
    AddToolkitModes(modes);
    if (options.bList)
    {
        for (const FuzzMode& mode : modes)
            printf("%s\n", mode.pszName);
        return 0;
    }
    ::OleInitialize(nullptr);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(CrashFilter);
    g_run.out = options.out;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                      &g_run.hReaderThread, THREAD_QUERY_INFORMATION, FALSE, 0);
    ::CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
    // The framework's message boxes (a viewer-only card file asks one) are
    // answered at once.
    AfxSetCoreMessageBoxHook([](LPCSTR, UINT, UINT) { return IDOK; });

    if (options.seedsOut.empty())
        printf("qivfuzz: seed %llu, %.0f s per mode\n",
               static_cast<unsigned long long>(options.nSeed), options.dSeconds);
    long long nFindings = 0;
    int nRan = 0;
    for (size_t i = 0; i < modes.size(); ++i)
    {
        const FuzzMode& mode = modes[i];
        bool bChosen = options.modes.empty();
        for (const std::string& name : options.modes)
            bChosen = bChosen || name == mode.pszName;
        if (!bChosen)
            continue;
        if (!options.seedsOut.empty())
        {
            WriteSeeds(mode, options.seedsOut);
            ++nRan;
            continue;
        }
        nFindings += RunMode(mode, options, options.nSeed * 1000 + i).nFindings;
        ++nRan;
    }
    if (nRan == 0)
    {
        fprintf(stderr, "qivfuzz: no such mode\n");
        return 2;
    }
    return nFindings ? 1 : 0;
}
