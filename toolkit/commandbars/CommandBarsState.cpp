// Reading and writing the bars' arrangement in the application's profile
// (CommandBarsState.h): in the registry under the application's key, else
// in its INI file.
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

// One profile section's int values. In the registry the section's key is
// opened once for all of them (the profile calls open it per value); in an
// INI file each value goes through the profile calls.
class ProfileSection
{
public:
    ProfileSection(CWinApp* pApp, LPCSTR lpszSection, BOOL bWrite)
        : m_pApp(pApp), m_strSection(lpszSection), m_hKey(nullptr)
    {
        m_bRegistry = pApp->m_pszRegistryKey && *pApp->m_pszRegistryKey;
        if (!m_bRegistry)
            return;
        if (bWrite)
        {
            m_hKey = pApp->GetSectionKey(lpszSection);
            return;
        }
        CString strKey;
        strKey.Format("Software\\%s\\%s\\%s", pApp->m_pszRegistryKey,
                      pApp->m_pszProfileName ? pApp->m_pszProfileName : "", lpszSection);
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &m_hKey) != ERROR_SUCCESS)
            m_hKey = nullptr;
    }
    ~ProfileSection()
    {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    ProfileSection(const ProfileSection&) = delete;
    ProfileSection& operator=(const ProfileSection&) = delete;

    // FALSE (value untouched) when the value is missing or no number.
    BOOL ReadInt(LPCSTR lpszEntry, int& nValue) const
    {
        if (!m_bRegistry)
        {
            // Two reads with different defaults tell a missing value from a
            // stored one equal to the default.
            const UINT nFirst = m_pApp->GetProfileInt(m_strSection, lpszEntry, 0);
            if (nFirst == 0 && m_pApp->GetProfileInt(m_strSection, lpszEntry, 1) == 1)
                return FALSE;
            nValue = static_cast<int>(nFirst);
            return TRUE;
        }
        DWORD dwValue = 0, dwType = 0, nSize = sizeof(dwValue);
        if (!m_hKey
            || ::RegQueryValueExA(m_hKey, lpszEntry, nullptr, &dwType,
                                  reinterpret_cast<BYTE*>(&dwValue), &nSize) != ERROR_SUCCESS
            || dwType != REG_DWORD || nSize != sizeof(dwValue))
            return FALSE;
        nValue = static_cast<int>(dwValue);
        return TRUE;
    }
    int ReadIntOr(LPCSTR lpszEntry, int nDefault) const
    {
        int nValue = nDefault;
        ReadInt(lpszEntry, nValue);
        return nValue;
    }
    void WriteInt(LPCSTR lpszEntry, int nValue)
    {
        if (!m_bRegistry)
        {
            m_pApp->WriteProfileInt(m_strSection, lpszEntry, nValue);
            return;
        }
        DWORD dwValue = static_cast<DWORD>(nValue);
        if (m_hKey)
            ::RegSetValueExA(m_hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<BYTE*>(&dwValue),
                             sizeof(dwValue));
    }

private:
    CWinApp* m_pApp;
    CString m_strSection;
    HKEY m_hKey;
    BOOL m_bRegistry;
};

int ClampInt(int nValue, int nMin, int nMax)
{
    return std::min(std::max(nValue, nMin), nMax);
}

void WriteBarRecord(CWinApp* pApp, LPCSTR lpszSection, const XTP_BAR_STATE& bar)
{
    pApp->WriteProfileString(lpszSection, nullptr, nullptr);
    ProfileSection section(pApp, lpszSection, TRUE);
    section.WriteInt("BarID", static_cast<int>(bar.nBarID));
    if (!bar.bVisible)
        section.WriteInt("Visible", 0);
    if (bar.bFloating)
        section.WriteInt("Floating", 1);
    if (bar.ptPosition.x != -1)
        section.WriteInt("XPos", bar.ptPosition.x);
    if (bar.ptPosition.y != -1)
        section.WriteInt("YPos", bar.ptPosition.y);
    if (bar.nMRUWidth != kDefaultMRUWidth)
        section.WriteInt("MRUWidth", bar.nMRUWidth);
    section.WriteInt("MRUDockID", bar.nMRUDockID);
    section.WriteInt("MRUDockLeftPos", bar.rcMRUDockPos.left);
    section.WriteInt("MRUDockTopPos", bar.rcMRUDockPos.top);
    section.WriteInt("MRUDockRightPos", bar.rcMRUDockPos.right);
    section.WriteInt("MRUDockBottomPos", bar.rcMRUDockPos.bottom);
    section.WriteInt("MRUFloatXPos", bar.ptMRUFloatPos.x);
    section.WriteInt("MRUFloatYPos", bar.ptMRUFloatPos.y);
    section.WriteInt("DialogBar", bar.bDialogBar ? 1 : 0);
    if (bar.bDialogBar)
    {
        section.WriteInt("DialogBarDockingClientCx", bar.szDockingClient.cx);
        section.WriteInt("DialogBarDockingClientCy", bar.szDockingClient.cy);
        section.WriteInt("DialogBarFloatingClientCx", bar.szFloatingClient.cx);
        section.WriteInt("DialogBarFloatingClientCy", bar.szFloatingClient.cy);
    }
}

// FALSE when the section holds no record (no "BarID").
BOOL ReadBarRecord(CWinApp* pApp, LPCSTR lpszSection, XTP_BAR_STATE& bar)
{
    const ProfileSection section(pApp, lpszSection, FALSE);
    int nBarID = 0;
    if (!section.ReadInt("BarID", nBarID))
        return FALSE;
    bar.nBarID = static_cast<UINT>(nBarID);
    bar.bVisible = section.ReadIntOr("Visible", 1) != 0;
    bar.bFloating = section.ReadIntOr("Floating", 0) != 0;
    bar.ptPosition.x = section.ReadIntOr("XPos", -1);
    bar.ptPosition.y = section.ReadIntOr("YPos", -1);
    bar.nMRUWidth =
        ClampInt(section.ReadIntOr("MRUWidth", kDefaultMRUWidth), 0, kDefaultMRUWidth);
    bar.nMRUDockID = section.ReadIntOr("MRUDockID", 0);
    bar.rcMRUDockPos.left = section.ReadIntOr("MRUDockLeftPos", 0);
    bar.rcMRUDockPos.top = section.ReadIntOr("MRUDockTopPos", 0);
    bar.rcMRUDockPos.right = section.ReadIntOr("MRUDockRightPos", 0);
    bar.rcMRUDockPos.bottom = section.ReadIntOr("MRUDockBottomPos", 0);
    bar.ptMRUFloatPos.x = section.ReadIntOr("MRUFloatXPos", 0);
    bar.ptMRUFloatPos.y = section.ReadIntOr("MRUFloatYPos", 0);
    bar.bDialogBar = section.ReadIntOr("DialogBar", 0) != 0;
    if (bar.bDialogBar)
    {
        auto readSize = [&](LPCSTR lpszEntry) {
            return ClampInt(section.ReadIntOr(lpszEntry, kDefaultDialogBarSize),
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
    ProfileSection section(pApp, lpszSection, TRUE);
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
        section.WriteInt(strEntry, static_cast<int>(entries[i]));
        bLastWasBreak = bBreak;
    }
    section.WriteInt("Bars", nWritten);
}

// Bar ids already placed (in any dock bar) are left out the second time.
void ReadDockRows(CWinApp* pApp, LPCSTR lpszSection, std::vector<UINT>& entries,
                  std::set<UINT>& placed)
{
    entries.clear();
    const ProfileSection section(pApp, lpszSection, FALSE);
    const int nCount = std::min(section.ReadIntOr("Bars", 0), XTP_STATE_MAX_ENTRIES);
    if (nCount <= 1)
        return;
    for (int j = 0; j < nCount; ++j)
    {
        CString strEntry;
        strEntry.Format("Bar#%d", j);
        int nBarID = 0;
        if (!section.ReadInt(strEntry, nBarID))
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

    {
        ProfileSection summary(pApp, FormatStateSection(lpszBase, "%s-Summary"), TRUE);
        summary.WriteInt("Bars", static_cast<int>(layout.bars.size()));
        summary.WriteInt("ScreenCX", layout.szScreen.cx);
        summary.WriteInt("ScreenCY", layout.szScreen.cy);
    }

    for (int d = 0; d < 4; ++d)
        WriteDockRows(pApp, FormatStateSection(lpszBase, "%s-DockBar%d", d), layout.dockRows[d]);

    if (layout.nStatusBarHidden == 1)
        pApp->WriteProfileInt(lpszBase, "StatusBar", 0);
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
    const ProfileSection summary(pApp, FormatStateSection(lpszBase, "%s-Summary"), FALSE);
    const int nBars = std::min(summary.ReadIntOr("Bars", 0), XTP_STATE_MAX_ENTRIES);
    layout.szScreen.cx = summary.ReadIntOr("ScreenCX", 0);
    layout.szScreen.cy = summary.ReadIntOr("ScreenCY", 0);

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

    layout.nStatusBarHidden = ProfileSection(pApp, lpszBase, FALSE).ReadIntOr("StatusBar", 1) == 0 ? 1 : 0;
}
