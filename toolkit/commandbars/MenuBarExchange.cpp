// The menu bar's stored properties after the toolbar's: its menu resource
// id and the controls of the other menus it keeps (one set per menu it was
// switched to). The bar's own controls are stored as those of its default
// menu: a bar showing another menu switches for the store and back after it.
#include "toolkit/commandbars/MenuBar.h"

#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/Controls.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Stored counts are untrusted: no more menus than this are read, and a
// missing section ends the list.
const int kMaxKeptMenus = 1024;

struct ReleaseExchange
{
    void operator()(CXTPPropExchange* pPX) const { pPX->InternalRelease(); }
};
using ExchangeSection = std::unique_ptr<CXTPPropExchange, ReleaseExchange>;

ExchangeSection KeptMenuSection(CXTPPropExchange* pPX, int nIndex)
{
    CString strName;
    strName.Format("%s%i", "MDIMenu", nIndex);
    return ExchangeSection(pPX->GetSection(strName));
}

} // namespace

void CXTPMenuBar::DoPropExchange(CXTPPropExchange* pPX)
{
    HMENU hShown = nullptr;
    if (pPX->IsStoring() && (m_nCurrentKey & kMenuHandleTag))
    {
        hShown = reinterpret_cast<HMENU>(m_nCurrentKey & ~kMenuHandleTag);
        SwitchMenu(nullptr);
    }
    CXTPToolBar::DoPropExchange(pPX);
    int nResourceId = static_cast<int>(m_nIDMenuCurrent);
    ExchangeIntProperty(pPX, "ResourceId", nResourceId, 0);
    if (pPX->IsLoading())
    {
        m_nIDMenuCurrent = static_cast<UINT>(nResourceId);
        m_nCurrentKey = m_nIDMenuCurrent;
    }
    if (pPX->IsStoring())
        StoreKeptMenus(pPX);
    else if (pPX->GetSchema() > 4)
        LoadKeptMenus(pPX);
    if (hShown)
        SwitchMenu(hShown);
}

void CXTPMenuBar::StoreKeptMenus(CXTPPropExchange* pPX)
{
    // Only menus known by their resource id mean anything to a later run;
    // those known by their handle are kept for this run alone.
    std::vector<std::pair<UINT_PTR, CXTPControls*>> menus;
    POSITION pos = m_mapControls.GetStartPosition();
    while (pos)
    {
        UINT_PTR nKey = 0;
        CXTPControls* pControls = nullptr;
        m_mapControls.GetNextAssoc(pos, nKey, pControls);
        if (!(nKey & kMenuHandleTag))
            menus.emplace_back(nKey, pControls);
    }
    int nCount = static_cast<int>(menus.size());
    ExchangeIntProperty(pPX, "Count", nCount, 0);
    for (int i = 0; i < nCount; ++i)
    {
        ExchangeSection pSection = KeptMenuSection(pPX, i);
        int nId = static_cast<int>(menus[i].first);
        ExchangeIntProperty(pSection.get(), "Id", nId, 0);
        menus[i].second->DoPropExchange(pSection.get());
    }
}

void CXTPMenuBar::LoadKeptMenus(CXTPPropExchange* pPX)
{
    ReleaseParkedControls();
    int nCount = 0;
    ExchangeIntProperty(pPX, "Count", nCount, 0);
    nCount = std::min(std::max(nCount, 0), kMaxKeptMenus);
    for (int i = 0; i < nCount; ++i)
    {
        ExchangeSection pSection = KeptMenuSection(pPX, i);
        // A section without its menu id ends the list (the count may lie).
        int nId = 0;
        if (!ExchangeIntPropertyNoDefault(pSection.get(), "Id", nId) || nId == 0)
            break;
        CXTPControls* pControls = new CXTPControls;
        pControls->SetCommandBars(GetCommandBars());
        try
        {
            pControls->DoPropExchange(pSection.get());
        }
        catch (...)
        {
            pControls->InternalRelease();
            throw;
        }
        // A menu id stored twice keeps its last controls.
        CXTPControls* pOld = nullptr;
        if (m_mapControls.Lookup(static_cast<UINT_PTR>(static_cast<UINT>(nId)), pOld))
            pOld->InternalRelease();
        m_mapControls.SetAt(static_cast<UINT_PTR>(static_cast<UINT>(nId)), pControls);
    }
}
