// The stored forms of the command bars' option set. The profile keeps a short
// form ("<base>-Options": the options a user changes in the customize
// dialog, every value written, defaults included); an archive keeps them all.
// A value missing from the profile leaves the option as it is.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/core/Archive.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/draw/PaintManager.h"

#include <memory>

namespace {

// The schema every stored option set of this version carries.
const int kOptionsSchema = 18;
// Ids in a text-form command map beyond this many are damage.
const DWORD kMaxCommandMapItems = 0x10000;

// Releases an exchange section at the end of a scope.
struct SectionReleaser
{
    void operator()(CXTPPropExchange* pSection) const { pSection->InternalRelease(); }
};
using SectionPtr = std::unique_ptr<CXTPPropExchange, SectionReleaser>;

// A command map (id to TRUE): one serialized map where the exchange keeps
// binary values, else a section with "Count" and the ids "Item0", "Item1", ...
// Loading empties the map first; a map that cannot be read stays empty.
void ExchangeCommandMap(CXTPPropExchange* pPX, LPCSTR pszName, CXTPCommandMap& map)
{
    if (pPX->IsLoading())
        map.RemoveAll();
    if (pPX->IsBinaryCapable())
    {
        if (!ExchangeObjectProperty(pPX, pszName, &map) && pPX->IsLoading())
            map.RemoveAll();
        return;
    }
    SectionPtr pSection(pPX->GetSection(pszName));
    if (!pSection)
        return;
    if (pPX->IsStoring())
    {
        int nCount = static_cast<int>(map.GetCount());
        ExchangeIntPropertyNoDefault(pSection.get(), "Count", nCount);
        int nIndex = 0;
        POSITION pos = map.GetStartPosition();
        while (pos)
        {
            UINT nId;
            BOOL bValue;
            map.GetNextAssoc(pos, nId, bValue);
            CString strKey;
            strKey.Format("Item%i", nIndex++);
            int nValue = static_cast<int>(nId);
            ExchangeIntPropertyNoDefault(pSection.get(), strKey, nValue);
        }
        return;
    }
    int nCount = 0;
    ExchangeIntProperty(pSection.get(), "Count", nCount, 0);
    for (DWORD i = 0; nCount > 0 && i < static_cast<DWORD>(nCount) && i < kMaxCommandMapItems; ++i)
    {
        CString strKey;
        strKey.Format("Item%i", static_cast<int>(i));
        int nId = 0;
        if (!ExchangeIntPropertyNoDefault(pSection.get(), strKey, nId))
            break;
        map.SetAt(static_cast<UINT>(nId), TRUE);
    }
}

// An empty map is left out where values are named; a positional archive
// holds every value.
BOOL IsCommandMapExchanged(CXTPPropExchange* pPX, const CXTPCommandMap& map)
{
    return pPX->IsLoading() || map.GetCount() > 0 || !pPX->IsAllowDefaultValues();
}

} // namespace

void CXTPCommandBarsOptions::DoPropExchange(CXTPPropExchange* pPX, BOOL bProfile)
{
    // The stored schema decides which keys follow; this version writes its own.
    int nSchema = kOptionsSchema;
    ExchangeIntProperty(pPX, "Schema", nSchema, kOptionsSchema);
    if (pPX->IsStoring())
        nSchema = kOptionsSchema;

    ExchangeBoolProperty(pPX, "AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
    ExchangeBoolProperty(pPX, "ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
    ExchangeBoolProperty(pPX, "ToolBarScreenTips", bToolBarScreenTips, TRUE);
    ExchangeBoolProperty(pPX, "ToolBarAccelTips", bToolBarAccelTips, FALSE);
    ExchangeBoolProperty(pPX, "LargeIcons", bLargeIcons, FALSE);

    if (bProfile)
    {
        if (nSchema > 7 && IsCommandMapExchanged(pPX, m_mapUsedCommands))
            ExchangeCommandMap(pPX, "UsedCommands", m_mapUsedCommands);
        ExchangeIntProperty(pPX, "Animation", nAnimationType, 0);
        return;
    }

    if (nSchema > 7)
    {
        if (IsCommandMapExchanged(pPX, m_mapUsedCommands))
            ExchangeCommandMap(pPX, "UsedCommands", m_mapUsedCommands);
        ExchangeIntProperty(pPX, "Animation", nAnimationType, 0);
    }
    ExchangeBoolProperty(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
    ExchangeBoolProperty(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    ExchangeSizeProperty(pPX, "IconsSize", szIcons, CSize(0, 0));
    ExchangeSizeProperty(pPX, "LargeIconsSize", szLargeIcons, CSize(0, 0));
    if (IsCommandMapExchanged(pPX, m_mapHiddenCommands))
        ExchangeCommandMap(pPX, "HiddenCommands", m_mapHiddenCommands);

    CXTPPaintManager* pPaintManager =
        m_pCommandBars ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
    XTP_ICON_OPTIONS* pIcons = pPaintManager->GetIconOptions();
    ExchangeBoolProperty(pPX, "IconsWithShadow", pIcons->bShadowUnderHot, FALSE);
    ExchangeBoolProperty(pPX, "UseDisabledIcons", pIcons->bUseDisabledImage, TRUE);
    ExchangeBoolProperty(pPX, "UseFadedIcons", pIcons->bFadedInactive, TRUE);

    if (nSchema > 7)
    {
        ExchangeBoolProperty(pPX, "SyncFloatingBars", bSyncFloatingBars, TRUE);
        ExchangeBoolProperty(pPX, "ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
        ExchangeBoolProperty(pPX, "DblClickFloat", bDblClickFloat, FALSE);
        ExchangeBoolProperty(pPX, "ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
        ExchangeBoolProperty(pPX, "AltDragCustomization", bAltDragCustomization, TRUE);
        ExchangeBoolProperty(pPX, "AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
        ExchangeSizeProperty(pPX, "PopupIconsSize", szPopupIcons, CSize(16, 16));
    }
    if (nSchema > 8)
    {
        ExchangeIntProperty(pPX, "KeyboardCuesUse", keyboardCuesUse, 1);
        int nShow = keyboardCuesShow;
        ExchangeIntProperty(pPX, "KeyboardCuesShow", nShow, 0);
        if (pPX->IsLoading())
            SetAccessKeyUnderlineMode(nShow);
    }
}

void CXTPCommandBarsOptions::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
}

void CXTPCommandBarsOptions::SetAccessKeyUnderlineMode(int nMode)
{
    keyboardCuesShow = nMode;
    if (!m_pCommandBars)
        return;
    BOOL bShow = nMode != 1;
    BOOL bTracking = FALSE;
    if (nMode == 2)
    {
        BOOL bCues = TRUE;
        if (::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &bCues, 0) && !bCues)
        {
            bShow = FALSE;
            bTracking = TRUE;
        }
    }
    // The underlines take the value only while they follow the keyboard.
    m_pCommandBars->SetAccessKeyTracking(TRUE);
    m_pCommandBars->ShowAccessKeyUnderlines(bShow);
    m_pCommandBars->SetAccessKeyTracking(bTracking);
}

void CXTPCommandBars::WriteOptionsToProfile(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-Options", lpszProfileName);
    CXTPPropExchange* pPX = CreateProfileExchange(FALSE, strSection);
    if (!pPX)
        return;
    pPX->EmptySection();
    pPX->UseDefaultOnSave(FALSE);
    m_pOptions->DoPropExchange(pPX, TRUE);
    pPX->InternalRelease();
}

void CXTPCommandBars::ReadOptionsFromProfile(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-Options", lpszProfileName);
    CXTPPropExchange* pPX = CreateProfileExchange(TRUE, strSection);
    if (!pPX)
        return;
    pPX->UseDefaultOnLoad(FALSE);
    m_pOptions->DoPropExchange(pPX, TRUE);
    pPX->InternalRelease();
}
