// Storing and restoring the bars' state: 10 toolbars of 50 controls each,
// their records, dock rows and the packed controls, written to the registry
// and read back, beside writing and reading as many registry values
// directly under one key. The target: within 3x of the direct values.
#include "bench/BenchCommon.h"

#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/ControlsBlob.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <shlwapi.h>
#include <stdio.h>

#include <string>
#include <vector>

namespace {

const char kCompany[] = "QivnotesBench";
const int kBars = 10;
const int kControls = 50;
const int kRounds = 15;

CString AppKey(const CWinApp& app)
{
    return CString("Software\\") + kCompany + "\\" + app.m_pszProfileName;
}

// Values the state writes: a record's 13 (no dialog bars), the summary's 3,
// per bar a row entry and a row end, the two dock counts, two controls values.
int StateValueCount()
{
    return kBars * 13 + 3 + kBars * 2 + 2 + 2;
}

void StoreState(const std::vector<CXTPCommandBar*>& bars, XTP_COMMANDBARS_LAYOUT& layout)
{
    WriteLayoutToProfile("CommandBars", layout);
    std::vector<BYTE> blob;
    StoreBarsToBlob(bars, nullptr, blob);
    WriteControlsBlob("CommandBars-Controls", blob, nullptr);
}

size_t RestoreState()
{
    XTP_COMMANDBARS_LAYOUT layout;
    ReadLayoutFromProfile("CommandBars", layout, CSize(1024, 768), CSize(32, 32));
    std::vector<BYTE> blob;
    ReadControlsBlob("CommandBars-Controls", blob);
    std::vector<CXTPCommandBar*> loaded;
    LoadBarsFromBlob(blob, nullptr, loaded);
    const size_t nLoaded = loaded.size();
    for (CXTPCommandBar* pBar : loaded)
        pBar->InternalRelease();
    return nLoaded + layout.bars.size();
}

void DirectValues(HKEY hRoot)
{
    HKEY hKey = nullptr;
    ::RegCreateKeyExA(hRoot, "Direct", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    char szName[32];
    for (int i = 0; i < StateValueCount(); ++i)
    {
        DWORD dwValue = static_cast<DWORD>(i);
        sprintf(szName, "Value%d", i);
        ::RegSetValueExA(hKey, szName, 0, REG_DWORD, reinterpret_cast<BYTE*>(&dwValue), 4);
    }
    for (int i = 0; i < StateValueCount(); ++i)
    {
        DWORD dwValue = 0, nSize = 4, dwType = 0;
        sprintf(szName, "Value%d", i);
        ::RegQueryValueExA(hKey, szName, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &nSize);
    }
    ::RegCloseKey(hKey);
}

} // namespace

int main()
{
    CWinApp app("CommandBarsStateBench");
    app.m_pszRegistryKey = kCompany;
    app.m_pszProfileName = "CommandBarsStateBench";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, AppKey(app));

    std::vector<CXTPCommandBar*> bars;
    XTP_COMMANDBARS_LAYOUT layout;
    layout.szScreen = CSize(1024, 768);
    for (int b = 0; b < kBars; ++b)
    {
        CXTPCommandBar* pBar = new CXTPCommandBar;
        pBar->SetBarID(100 + b);
        for (int c = 0; c < kControls; ++c)
        {
            CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 1000 + c);
            CString strCaption;
            strCaption.Format("&Befehl %d", c);
            pControl->SetCaption(strCaption);
        }
        bars.push_back(pBar);
        XTP_BAR_STATE state;
        state.nBarID = pBar->GetBarID();
        state.ptPosition = CPoint(b * 40, 0);
        layout.bars.push_back(state);
        layout.dockRows[0].push_back(pBar->GetBarID());
        layout.dockRows[0].push_back(0);
    }

    HKEY hRoot = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, AppKey(app), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hRoot,
                      nullptr);
    bench::Rounds state, direct;
    size_t nRestored = 0;
    for (int r = 0; r < kRounds; ++r)
    {
        double t0 = bench::Now();
        StoreState(bars, layout);
        nRestored += RestoreState();
        state.Add(bench::Now() - t0);
        t0 = bench::Now();
        DirectValues(hRoot);
        direct.Add(bench::Now() - t0);
    }
    ::RegCloseKey(hRoot);
    printf("state of %d bars x %d controls stored and restored %d times (%u bars read)\n", kBars,
           kControls, kRounds, static_cast<unsigned>(nRestored));
    const double ratio =
        bench::ReportAgainst("store + restore", state, "as many registry values", direct);
    printf("target: within 3x: %s\n", ratio > 0 && ratio <= 3.0 ? "met" : "not met");

    ::SHDeleteKeyA(HKEY_CURRENT_USER, AppKey(app));
    for (CXTPCommandBar* pBar : bars)
        pBar->InternalRelease();
    return 0;
}
