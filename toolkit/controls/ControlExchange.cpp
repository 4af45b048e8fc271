// A control's persisted properties, in the order the stored controls blob
// holds them; keys added in later versions are exchanged only above their
// schema.
#include "toolkit/controls/Control.h"

#include "framework/core/Exceptions.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/draw/ImageManager.h"

#include <algorithm>
#include <vector>

namespace {

// Releases a section at the end of a scope.
class SectionRef
{
public:
    explicit SectionRef(CXTPPropExchange* pSection) : m_pSection(pSection) {}
    ~SectionRef()
    {
        if (m_pSection)
            m_pSection->InternalRelease();
    }
    SectionRef(const SectionRef&) = delete;
    SectionRef& operator=(const SectionRef&) = delete;
    CXTPPropExchange* Get() const { return m_pSection; }

private:
    CXTPPropExchange* m_pSection;
};

} // namespace

void CXTPControl::ExchangeDocTemplates(CXTPPropExchange* pPX, LPCSTR pszName,
                                       CDocTemplateMap& map)
{
    // Stored as a section with "Count" and the ids "Id0", "Id1", ... in
    // ascending order.
    if (pPX->IsStoring() && map.GetCount() == 0 && pPX->IsAllowDefaultValues())
        return;
    SectionRef section(pPX->GetSection(pszName));
    CXTPPropExchange* pSection = section.Get();
    if (!pSection)
        return;
    if (pPX->IsStoring())
    {
        std::vector<UINT> ids;
        POSITION pos = map.GetStartPosition();
        while (pos)
        {
            UINT nId;
            BOOL bValue;
            map.GetNextAssoc(pos, nId, bValue);
            ids.push_back(nId);
        }
        std::sort(ids.begin(), ids.end());
        pSection->WriteCount(static_cast<DWORD>(ids.size()));
        for (size_t i = 0; i < ids.size(); ++i)
        {
            CString strKey;
            strKey.Format("Id%d", static_cast<int>(i));
            int nId = static_cast<int>(ids[i]);
            ExchangeIntPropertyNoDefault(pSection, strKey, nId);
        }
        return;
    }
    map.RemoveAll();
    DWORD nCount = pSection->ReadCount();
    // A damaged count never makes more entries than ids can exist.
    nCount = std::min<DWORD>(nCount, 0xFFFF);
    for (DWORD i = 0; i < nCount; ++i)
    {
        CString strKey;
        strKey.Format("Id%d", static_cast<int>(i));
        int nId = 0;
        if (ExchangeIntPropertyNoDefault(pSection, strKey, nId))
            map.SetAt(static_cast<UINT>(nId), TRUE);
    }
}

void CXTPControl::DoPropExchange(CXTPPropExchange* pPX)
{
    UINT nSchema = pPX->GetSchema();
    ExchangeIntProperty(pPX, "Type", m_controlType, xtpControlButton);

    int nId = m_nId;
    ExchangeIntProperty(pPX, "Id", nId, -1);
    if (pPX->IsLoading())
    {
        m_nId = nId;
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (pCommandBars && pCommandBars->GetActions())
            if (CXTPControlAction* pAction = pCommandBars->GetActions()->FindAction(nId))
                SetAction(pAction);
    }
    ExchangeIntProperty(pPX, "IconId", m_nIconId, 0);
    ExchangeBoolProperty(pPX, "BeginGroup", m_bBeginGroup, FALSE);
    // The tag is stored as 32 bits in every build.
    int nTag = static_cast<int>(m_nTag);
    ExchangeIntProperty(pPX, "Tag", nTag, 0);
    if (pPX->IsLoading())
        m_nTag = static_cast<DWORD_PTR>(static_cast<DWORD>(nTag));
    int nFlags = static_cast<int>(m_dwFlags);
    ExchangeIntProperty(pPX, "Flags", nFlags, 0);
    int nHideFlags = static_cast<int>(m_dwHideFlags);
    ExchangeIntProperty(pPX, "HideFlags", nHideFlags, 0);
    if (pPX->IsLoading())
    {
        m_dwFlags = static_cast<DWORD>(nFlags);
        m_dwHideFlags = static_cast<DWORD>(nHideFlags);
    }
    ExchangeStringProperty(pPX, "Caption", m_strCaption, "");
    ExchangeStringProperty(pPX, "ShortcutText", m_strShortcutText, "");
    ExchangeStringProperty(pPX, "TooltipText", m_strTooltipText, "");
    ExchangeStringProperty(pPX, "DescriptionText", m_strDescriptionText, "");
    ExchangeStringProperty(pPX, "Parameter", m_strParameter, "");
    ExchangeIntProperty(pPX, "CustomIconId", m_nCustomIconId, 0);
    ExchangeStringProperty(pPX, "CustomCaption", m_strCustomCaption, "");
    if (nSchema > 1)
        ExchangeStringProperty(pPX, "Category", m_strCategory, "");
    if (m_nCustomIconId > 0)
    {
        SectionRef section(pPX->GetSection("CustomIcon"));
        // A damaged or missing icon leaves the control without its custom image.
        try
        {
            if (section.Get())
                GetImageManager()->ExchangeIcons(section.Get(), static_cast<UINT>(m_nCustomIconId));
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    if (nSchema > 3)
    {
        ExchangeDocTemplates(pPX, "DocTemplatesExcluded", m_mapDocTemplatesExcluded);
        ExchangeDocTemplates(pPX, "DocTemplatesAssigned", m_mapDocTemplatesAssigned);
        ExchangeBoolProperty(pPX, "DefaultItem", m_bDefaultItem, FALSE);
    }
    if (nSchema > 6)
        ExchangeBoolProperty(pPX, "CloseSubMenuOnClick", m_bCloseSubMenuOnClick, TRUE);
    if (nSchema > 7)
    {
        ExchangeIntProperty(pPX, "CustomStyle", m_buttonCustomStyle, -1);
        if (pPX->IsLoading() && nSchema < 18 && m_buttonCustomStyle == 0)
            m_buttonCustomStyle = -1;
    }
    if (nSchema > 16)
        ExchangeIntProperty(pPX, "HelpId", m_nHelpId, 0);
    if (nSchema > 17)
        ExchangeIntProperty(pPX, "Style", m_buttonStyle, 0);
}

void CXTPControlPopup::DoPropExchange(CXTPPropExchange* pPX)
{
    // The button's own "Style" of older streams follows the sub-bar's id here.
    CXTPControl::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    int nBarID = m_pCommandBar ? static_cast<int>(m_pCommandBar->GetBarID()) : 0;
    ExchangeIntProperty(pPX, "CommandBarId", nBarID, 0);
    if (pPX->IsLoading())
        m_nPendingCommandBarId = static_cast<UINT>(nBarID);
    if (nSchema > 4 && nSchema < 18)
        ExchangeIntProperty(pPX, "Style", m_buttonStyle, 0);
}

BOOL CXTPControlPopup::ResolveCommandBarId(const std::vector<CXTPCommandBar*>& bars)
{
    const UINT nBarID = m_nPendingCommandBarId;
    m_nPendingCommandBarId = 0;
    if (nBarID == 0)
        return FALSE;
    for (CXTPCommandBar* pBar : bars)
    {
        if (pBar->GetBarID() != nBarID)
            continue;
        if (m_pParent && ContainsBar(pBar, m_pParent))
            return FALSE;
        SetCommandBar(pBar);
        return TRUE;
    }
    return FALSE;
}
