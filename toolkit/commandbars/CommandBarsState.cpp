// Reading and writing the bars' arrangement in the application's profile
// (CommandBarsState.h). Each value goes through the application's profile
// calls, so the registry and the INI form are the same code.
#include "toolkit/commandbars/CommandBarsState.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/commandbars/PropExchangeIniFile.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"

#include <algorithm>
#include <set>

namespace {

const int kDefaultMRUWidth = 32767;
const int kDefaultDialogBarSize = 200;

// One int of the profile; FALSE (value untouched) when it is missing or not
// a number. Two reads with different defaults tell a missing value from a
// stored one equal to the default.
BOOL ReadInt(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int& nValue)
{
    const UINT nFirst = pApp->GetProfileInt(lpszSection, lpszEntry, 0);
    if (nFirst == 0 && pApp->GetProfileInt(lpszSection, lpszEntry, 1) == 1)
        return FALSE;
    nValue = static_cast<int>(nFirst);
    return TRUE;
}

int ReadIntOr(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return static_cast<int>(pApp->GetProfileInt(lpszSection, lpszEntry, nDefault));
}

void WriteInt(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    pApp->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

int ClampInt(int nValue, int nMin, int nMax)
{
    return std::min(std::max(nValue, nMin), nMax);
}

void WriteBarRecord(CWinApp* pApp, LPCSTR lpszSection, const XTP_BAR_STATE& bar)
{
    pApp->WriteProfileString(lpszSection, nullptr, nullptr);
    WriteInt(pApp, lpszSection, "BarID", static_cast<int>(bar.nBarID));
    if (!bar.bVisible)
        WriteInt(pApp, lpszSection, "Visible", 0);
    if (bar.bFloating)
        WriteInt(pApp, lpszSection, "Floating", 1);
    if (bar.ptPosition.x != -1)
        WriteInt(pApp, lpszSection, "XPos", bar.ptPosition.x);
    if (bar.ptPosition.y != -1)
        WriteInt(pApp, lpszSection, "YPos", bar.ptPosition.y);
    if (bar.nMRUWidth != kDefaultMRUWidth)
        WriteInt(pApp, lpszSection, "MRUWidth", bar.nMRUWidth);
    WriteInt(pApp, lpszSection, "MRUDockID", bar.nMRUDockID);
    WriteInt(pApp, lpszSection, "MRUDockLeftPos", bar.rcMRUDockPos.left);
    WriteInt(pApp, lpszSection, "MRUDockTopPos", bar.rcMRUDockPos.top);
    WriteInt(pApp, lpszSection, "MRUDockRightPos", bar.rcMRUDockPos.right);
    WriteInt(pApp, lpszSection, "MRUDockBottomPos", bar.rcMRUDockPos.bottom);
    WriteInt(pApp, lpszSection, "MRUFloatXPos", bar.ptMRUFloatPos.x);
    WriteInt(pApp, lpszSection, "MRUFloatYPos", bar.ptMRUFloatPos.y);
    WriteInt(pApp, lpszSection, "DialogBar", bar.bDialogBar ? 1 : 0);
    if (bar.bDialogBar)
    {
        WriteInt(pApp, lpszSection, "DialogBarDockingClientCx", bar.szDockingClient.cx);
        WriteInt(pApp, lpszSection, "DialogBarDockingClientCy", bar.szDockingClient.cy);
        WriteInt(pApp, lpszSection, "DialogBarFloatingClientCx", bar.szFloatingClient.cx);
        WriteInt(pApp, lpszSection, "DialogBarFloatingClientCy", bar.szFloatingClient.cy);
    }
}

// FALSE when the section holds no record (no "BarID").
BOOL ReadBarRecord(CWinApp* pApp, LPCSTR lpszSection, XTP_BAR_STATE& bar)
{
    int nBarID = 0;
    if (!ReadInt(pApp, lpszSection, "BarID", nBarID))
        return FALSE;
    bar.nBarID = static_cast<UINT>(nBarID);
    bar.bVisible = ReadIntOr(pApp, lpszSection, "Visible", 1) != 0;
    bar.bFloating = ReadIntOr(pApp, lpszSection, "Floating", 0) != 0;
    bar.ptPosition.x = ReadIntOr(pApp, lpszSection, "XPos", -1);
    bar.ptPosition.y = ReadIntOr(pApp, lpszSection, "YPos", -1);
    bar.nMRUWidth =
        ClampInt(ReadIntOr(pApp, lpszSection, "MRUWidth", kDefaultMRUWidth), 0, kDefaultMRUWidth);
    bar.nMRUDockID = ReadIntOr(pApp, lpszSection, "MRUDockID", 0);
    bar.rcMRUDockPos.left = ReadIntOr(pApp, lpszSection, "MRUDockLeftPos", 0);
    bar.rcMRUDockPos.top = ReadIntOr(pApp, lpszSection, "MRUDockTopPos", 0);
    bar.rcMRUDockPos.right = ReadIntOr(pApp, lpszSection, "MRUDockRightPos", 0);
    bar.rcMRUDockPos.bottom = ReadIntOr(pApp, lpszSection, "MRUDockBottomPos", 0);
    bar.ptMRUFloatPos.x = ReadIntOr(pApp, lpszSection, "MRUFloatXPos", 0);
    bar.ptMRUFloatPos.y = ReadIntOr(pApp, lpszSection, "MRUFloatYPos", 0);
    bar.bDialogBar = ReadIntOr(pApp, lpszSection, "DialogBar", 0) != 0;
    if (bar.bDialogBar)
    {
        auto readSize = [&](LPCSTR lpszEntry) {
            return ClampInt(ReadIntOr(pApp, lpszSection, lpszEntry, kDefaultDialogBarSize),
                            XTP_DIALOGBAR_MIN_SIZE, kDefaultMRUWidth);
        };
        bar.szDockingClient = CSize(readSize("DialogBarDockingClientCx"),
                                    readSize("DialogBarDockingClientCy"));
        bar.szFloatingClient = CSize(readSize("DialogBarFloatingClientCx"),
                                     readSize("DialogBarFloatingClientCy"));
    }
    return TRUE;
}

void WriteDockRows(CWinApp* pApp, LPCSTR lpszSection, const std::vector<UINT>& entries)
{
    pApp->WriteProfileString(lpszSection, nullptr, nullptr);
    if (entries.size() <= 1)
        return;
    int nWritten = 0;
    BOOL bLastWasBreak = FALSE;
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const BOOL bBreak = entries[i] == 0;
        // Runs of row breaks collapse to one; a leading one stays.
        if (bBreak && bLastWasBreak)
            continue;
        CString strEntry;
        strEntry.Format("Bar#%d", nWritten++);
        WriteInt(pApp, lpszSection, strEntry, static_cast<int>(entries[i]));
        bLastWasBreak = bBreak;
    }
    WriteInt(pApp, lpszSection, "Bars", nWritten);
}

// Bar ids already placed (in any dock bar) are left out the second time.
void ReadDockRows(CWinApp* pApp, LPCSTR lpszSection, std::vector<UINT>& entries,
                  std::set<UINT>& placed)
{
    entries.clear();
    const int nCount = std::min(ReadIntOr(pApp, lpszSection, "Bars", 0), XTP_STATE_MAX_ENTRIES);
    if (nCount <= 1)
        return;
    for (int j = 0; j < nCount; ++j)
    {
        CString strEntry;
        strEntry.Format("Bar#%d", j);
        int nBarID = 0;
        if (!ReadInt(pApp, lpszSection, strEntry, nBarID))
            break;
        const UINT nId = static_cast<UINT>(nBarID);
        if (nId != 0 && !placed.insert(nId).second)
            continue;
        entries.push_back(nId);
    }
}

int ScaleCoordinate(int nValue, int nStored, int nNow)
{
    if (nStored <= 0 || nNow <= 0 || nStored == nNow)
        return nValue;
    return ::MulDiv(nValue, nNow, nStored);
}

} // namespace

XTP_COMMANDBARS_PROPEXCHANGE_PARAM* GetExchangeParams(CXTPPropExchange* pPX)
{
    return static_cast<XTP_COMMANDBARS_PROPEXCHANGE_PARAM*>(pPX->GetContext());
}

CXTPPropExchange* CreateProfileExchange(BOOL bLoading, LPCSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return nullptr;
    if (pApp->m_pszRegistryKey && *pApp->m_pszRegistryKey)
        return new CXTPPropExchangeRegistry(bLoading, nullptr, lpszSection);
    auto* pIni = new CXTPPropExchangeIniFile(bLoading, nullptr, lpszSection);
    if (pApp->m_pszProfileName)
        pIni->AssignFile(pApp->m_pszProfileName);
    return pIni;
}

CString FormatStateSection(LPCSTR lpszBase, LPCSTR lpszFormat, int nNumber)
{
    CString strSection;
    if (nNumber < 0)
        strSection.Format(lpszFormat, lpszBase);
    else
        strSection.Format(lpszFormat, lpszBase, nNumber);
    return strSection.Left(255);
}

CPoint ScaleStoredPoint(CPoint pt, CSize szStored, CSize szScreen, CSize szIcon)
{
    if (pt.x == -1 && pt.y == -1)
        return pt;
    pt.x = ScaleCoordinate(pt.x, szStored.cx, szScreen.cx);
    pt.y = ScaleCoordinate(pt.y, szStored.cy, szScreen.cy);
    pt.x = std::max(0, std::min<int>(pt.x, szScreen.cx - szIcon.cx));
    pt.y = std::max(0, std::min<int>(pt.y, szScreen.cy - szIcon.cy));
    return pt;
}

CRect ScaleStoredRect(const CRect& rc, CSize szStored, CSize szScreen, CSize szIcon)
{
    CPoint ptTopLeft = ScaleStoredPoint(rc.TopLeft(), szStored, szScreen, szIcon);
    CRect rcMoved(rc);
    rcMoved.OffsetRect(ptTopLeft.x - rc.left, ptTopLeft.y - rc.top);
    return rcMoved;
}

void WriteLayoutToProfile(LPCSTR lpszBase, const XTP_COMMANDBARS_LAYOUT& layout)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    for (size_t n = 0; n < layout.bars.size(); ++n)
        WriteBarRecord(pApp, FormatStateSection(lpszBase, "%s-Bar%d", static_cast<int>(n)),
                       layout.bars[n]);

    CString strSummary = FormatStateSection(lpszBase, "%s-Summary");
    WriteInt(pApp, strSummary, "Bars", static_cast<int>(layout.bars.size()));
    WriteInt(pApp, strSummary, "ScreenCX", layout.szScreen.cx);
    WriteInt(pApp, strSummary, "ScreenCY", layout.szScreen.cy);

    for (int d = 0; d < 4; ++d)
        WriteDockRows(pApp, FormatStateSection(lpszBase, "%s-DockBar%d", d), layout.dockRows[d]);

    if (layout.nStatusBarHidden == 1)
        WriteInt(pApp, lpszBase, "StatusBar", 0);
    else
        pApp->WriteProfileString(lpszBase, "StatusBar", nullptr);
}

void ReadLayoutFromProfile(LPCSTR lpszBase, XTP_COMMANDBARS_LAYOUT& layout, CSize szScreen,
                           CSize szIcon)
{
    layout = XTP_COMMANDBARS_LAYOUT();
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    CString strSummary = FormatStateSection(lpszBase, "%s-Summary");
    const int nBars = std::min(ReadIntOr(pApp, strSummary, "Bars", 0), XTP_STATE_MAX_ENTRIES);
    layout.szScreen.cx = ReadIntOr(pApp, strSummary, "ScreenCX", 0);
    layout.szScreen.cy = ReadIntOr(pApp, strSummary, "ScreenCY", 0);

    std::set<UINT> recorded;
    for (int n = 0; n < nBars; ++n)
    {
        XTP_BAR_STATE bar;
        if (!ReadBarRecord(pApp, FormatStateSection(lpszBase, "%s-Bar%d", n), bar))
            break;
        if (!recorded.insert(bar.nBarID).second)
            continue;
        bar.ptPosition = ScaleStoredPoint(bar.ptPosition, layout.szScreen, szScreen, szIcon);
        bar.ptMRUFloatPos = ScaleStoredPoint(bar.ptMRUFloatPos, layout.szScreen, szScreen, szIcon);
        bar.rcMRUDockPos = ScaleStoredRect(bar.rcMRUDockPos, layout.szScreen, szScreen, szIcon);
        layout.bars.push_back(bar);
    }

    std::set<UINT> placed;
    for (int d = 0; d < 4; ++d)
        ReadDockRows(pApp, FormatStateSection(lpszBase, "%s-DockBar%d", d), layout.dockRows[d],
                     placed);

    layout.nStatusBarHidden = ReadIntOr(pApp, lpszBase, "StatusBar", 1) == 0 ? 1 : 0;
}
