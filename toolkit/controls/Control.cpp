// The control's identity, texts, state, images, comparison and copy. Its
// execution and press tracking are in ControlExecute.cpp, customize mode in
// ControlCustomize.cpp, persistence in ControlExchange.cpp.
#include "toolkit/controls/Control.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ResourceManager.h"

IMPLEMENT_SERIAL(CXTPControl, CCmdTarget, 18)

namespace {

void CopyTemplateMap(const CXTPControl::CDocTemplateMap& source, CXTPControl::CDocTemplateMap& target)
{
    target.RemoveAll();
    POSITION pos = source.GetStartPosition();
    while (pos)
    {
        UINT nKey;
        BOOL bValue;
        source.GetNextAssoc(pos, nKey, bValue);
        target.SetAt(nKey, bValue);
    }
}

} // namespace

CXTPControl::CXTPControl()
    : m_nTag(0), m_nIndex(0), m_nId(0), m_nIconId(0), m_nHelpId(0), m_nCustomIconId(0),
      m_bBeginGroup(FALSE), m_bEnabled(TRUE), m_bChecked(FALSE), m_nSelected(0), m_nPressed(0),
      m_bTemporary(FALSE), m_rcControl(0, 0, 0, 0), m_dwHideFlags(0), m_dwFlags(0),
      m_pControls(nullptr), m_controlType(xtpControlError), m_pParent(nullptr),
      m_bKeptVisible(FALSE), m_bDefaultItem(FALSE), m_buttonStyle(xtpButtonAutomatic),
      m_buttonCustomStyle(-1), m_bCloseSubMenuOnClick(TRUE), m_pAction(nullptr),
      m_rcRow(0, 0, 0, 0), m_bWrap(FALSE), m_nWidth(0), m_nLabelWidth(0), m_nFallbackStyle(0)
{
}

CXTPControl::~CXTPControl()
{
    SetAction(nullptr);
}

// --- Identity and texts -------------------------------------------------------------

void CXTPControl::SetId(int nId)
{
    if (nId == m_nId)
        return;
    CString strPrompt;
    if (nId > 0 && nId < 0x10000
        && GetResourceManager()->LoadString(&strPrompt, static_cast<UINT>(nId)))
        SetPrompt(strPrompt);
    m_nId = nId;
}

int CXTPControl::GetIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    if (m_nIconId > 0)
        return m_nIconId;
    if (m_pAction)
        return m_pAction->GetIconId() > 0 ? m_pAction->GetIconId() : m_pAction->GetID();
    return m_nId;
}

void CXTPControl::SetCaption(LPCSTR lpszCaption)
{
    CString strCaption(lpszCaption ? lpszCaption : "");
    BOOL bChanged = FALSE;
    int nTab = strCaption.Find('\t');
    if (nTab >= 0)
    {
        CString strShortcut = strCaption.Mid(nTab + 1);
        strCaption = strCaption.Left(nTab);
        if (strShortcut != m_strCaptionShortcut)
        {
            m_strCaptionShortcut = strShortcut;
            bChanged = TRUE;
        }
    }
    if (strCaption != m_strCaption)
    {
        m_strCaption = strCaption;
        bChanged = TRUE;
    }
    if (bChanged)
        DelayLayoutParent();
}

void CXTPControl::SetPrompt(LPCSTR lpszPrompt)
{
    if (!SplitPrompt(lpszPrompt, m_strTooltipText, m_strDescriptionText))
        return;
    if (m_strCaption.IsEmpty())
        m_strCaption = m_strTooltipText;
}

CString CXTPControl::GetCaption() const
{
    if (!m_strCustomCaption.IsEmpty())
        return m_strCustomCaption;
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    return m_pAction ? m_pAction->GetCaption() : CString();
}

CString CXTPControl::GetDescription() const
{
    if (!m_strDescriptionText.IsEmpty())
        return m_strDescriptionText;
    return m_pAction ? m_pAction->GetDescription() : CString();
}

CString CXTPControl::GetTooltip() const
{
    if (!m_strTooltipText.IsEmpty())
        return m_strTooltipText;
    return m_pAction ? m_pAction->GetTooltip() : CString();
}

CString CXTPControl::GetShortcutText() const
{
    if (!m_strShortcutText.IsEmpty())
        return m_strShortcutText;
    if (m_pAction && !m_pAction->GetShortcutText().IsEmpty())
        return m_pAction->GetShortcutText();
    return m_strCaptionShortcut;
}

// --- State ---------------------------------------------------------------------------

BOOL CXTPControl::GetEnabled() const
{
    if (m_bEnabled == -1)
        return m_pAction ? m_pAction->GetEnabled() : TRUE;
    return m_bEnabled;
}

void CXTPControl::SetEnabled(int nEnabled)
{
    if (nEnabled == m_bEnabled)
        return;
    m_bEnabled = nEnabled;
    RedrawParent(FALSE);
}

BOOL CXTPControl::GetChecked() const
{
    if (m_bChecked == -1)
        return m_pAction ? m_pAction->GetChecked() : FALSE;
    return m_bChecked;
}

void CXTPControl::SetChecked(int nChecked)
{
    if (nChecked == m_bChecked)
        return;
    m_bChecked = nChecked;
    RedrawParent(FALSE);
}

BOOL CXTPControl::IsVisibleExcept(DWORD dwMask) const
{
    if (m_pAction && !m_pAction->IsVisible())
        return FALSE;
    return (m_dwHideFlags & ~dwMask) == 0;
}

void CXTPControl::SetBeginGroup(BOOL bBeginGroup)
{
    if (bBeginGroup == m_bBeginGroup)
        return;
    m_bBeginGroup = bBeginGroup;
    DelayLayoutParent();
}

void CXTPControl::SetHideFlags(DWORD dwFlags)
{
    m_dwHideFlags = dwFlags;
}

void CXTPControl::SetHideFlag(DWORD dwFlag, BOOL bHide)
{
    SetHideFlags(bHide ? m_dwHideFlags | dwFlag : m_dwHideFlags & ~dwFlag);
}

void CXTPControl::SetVisible(BOOL bVisible)
{
    DWORD dwFlags = bVisible ? m_dwHideFlags & ~xtpHideGeneric : m_dwHideFlags | xtpHideGeneric;
    if (dwFlags == m_dwHideFlags)
        return;
    SetHideFlags(dwFlags);
    DelayLayoutParent();
}

void CXTPControl::SetKeptVisible(BOOL bKept)
{
    m_bKeptVisible = bKept;
    if (!bKept)
        m_dwHideFlags &= ~xtpHideExpand;
}

void CXTPControl::SetDefaultItem(BOOL bDefault)
{
    if (bDefault == m_bDefaultItem)
        return;
    m_bDefaultItem = bDefault;
    DelayLayoutParent();
}

int CXTPControl::GetStyle() const
{
    if (m_buttonCustomStyle != -1)
        return m_buttonCustomStyle;
    return m_buttonStyle != xtpButtonAutomatic ? m_buttonStyle : m_nFallbackStyle;
}

void CXTPControl::SetStyle(int nStyle)
{
    if (nStyle == m_buttonStyle)
        return;
    m_buttonStyle = nStyle;
    DelayLayoutParent();
}

void CXTPControl::SetRect(CRect rcControl)
{
    m_rcControl = rcControl;
}

BOOL CXTPControl::IsCursorOver() const
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pParent->ScreenToClient(&pt);
    return m_rcControl.PtInRect(pt);
}

// --- Relatives -------------------------------------------------------------------------

CXTPCommandBars* CXTPControl::GetCommandBars() const
{
    if (m_pParent)
        return m_pParent->GetCommandBars();
    return m_pControls ? m_pControls->GetCommandBars() : nullptr;
}

CXTPPaintManager* CXTPControl::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetPaintManager();
    return XTPPaintManager();
}

CXTPImageManager* CXTPControl::GetImageManager() const
{
    if (m_pParent)
        return m_pParent->GetImageManager();
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetImageManager();
    return XTPImageManager();
}

void CXTPControl::RedrawParent(BOOL bAnimate)
{
    if (!m_pParent || !IsVisible())
        return;
    m_pParent->Redraw(&m_rcControl, bAnimate);
}

void CXTPControl::DelayLayoutParent()
{
    if (m_pParent)
        m_pParent->DelayLayout();
}

// --- Images and layout hooks ----------------------------------------------------------------

CXTPImageManagerIcon* CXTPControl::GetImage(int nWidth) const
{
    BOOL bNoId = m_pAction ? m_pAction->GetIconId() <= 0 && m_pAction->GetID() == 0 : m_nId == 0;
    if (m_nCustomIconId == 0 && m_nIconId <= 0 && bNoId)
        return nullptr;
    return GetImageManager()->LookupIcon(static_cast<UINT>(GetIconId()), static_cast<UINT>(nWidth));
}

CSize CXTPControl::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawControl(pDC, this, FALSE);
}

void CXTPControl::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControl(pDC, this, TRUE);
}

void CXTPControl::OnCalcDynamicSize(DWORD /*dwMode*/)
{
}

BOOL CXTPControl::IsCaptionVisible() const
{
    if (m_pParent && m_pParent->GetType() == xtpBarTypePopup)
        return TRUE;
    if (GetCaption().IsEmpty())
        return FALSE;
    switch (GetStyle())
    {
    case xtpButtonCaption:
    case xtpButtonIconAndCaption:
    case xtpButtonIconAndCaptionBelow:
        return TRUE;
    case xtpButtonIcon:
        return FALSE;
    default:
        break;
    }
    switch (m_controlType)
    {
    case xtpControlButton:
    case xtpControlButtonPopup:
    case xtpControlSplitButtonPopup:
        return GetImage(0) == nullptr;
    case xtpControlPopup:
    case xtpControlLabel:
    case xtpControlCheckBox:
        return TRUE;
    default:
        return FALSE;
    }
}

// --- Comparison and copy ------------------------------------------------------------------

BOOL CXTPControl::IsEqual(CXTPControl* pOther) const
{
    return GetStyle() == pOther->GetStyle() && m_controlType == pOther->m_controlType
           && m_nId == pOther->m_nId && m_dwFlags == pOther->m_dwFlags
           && m_bBeginGroup == pOther->m_bBeginGroup && GetIconId() == pOther->GetIconId()
           && m_strCaption == pOther->m_strCaption && m_strTooltipText == pOther->m_strTooltipText
           && m_strDescriptionText == pOther->m_strDescriptionText
           && m_strCustomCaption == pOther->m_strCustomCaption
           && m_buttonCustomStyle == pOther->m_buttonCustomStyle
           && m_strParameter == pOther->m_strParameter
           && (m_dwHideFlags & xtpHideCustomize) == (pOther->m_dwHideFlags & xtpHideCustomize);
}

void CXTPControl::Copy(CXTPControl* pSource, BOOL /*bRecursive*/)
{
    m_nId = pSource->m_nId;
    SetAction(pSource->m_pAction);
    m_nTag = pSource->m_nTag;
    m_dwFlags = pSource->m_dwFlags;
    m_controlType = pSource->m_controlType;
    m_strCaption = pSource->m_strCaption;
    m_strShortcutText = pSource->m_strShortcutText;
    m_strCaptionShortcut = pSource->m_strCaptionShortcut;
    m_strTooltipText = pSource->m_strTooltipText;
    m_strDescriptionText = pSource->m_strDescriptionText;
    m_strParameter = pSource->m_strParameter;
    m_nCustomIconId = pSource->m_nCustomIconId;
    m_nIconId = pSource->m_nIconId;
    m_nHelpId = pSource->m_nHelpId;
    m_bTemporary = pSource->m_bTemporary;
    m_strCustomCaption = pSource->m_strCustomCaption;
    m_strCategory = pSource->m_strCategory;
    m_dwHideFlags = pSource->m_dwHideFlags;
    m_bDefaultItem = pSource->m_bDefaultItem;
    m_bEnabled = pSource->m_bEnabled;
    m_bChecked = pSource->m_bChecked;
    m_buttonCustomStyle = pSource->m_buttonCustomStyle;
    m_buttonStyle = pSource->m_buttonStyle;
    m_bBeginGroup = pSource->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pSource->m_bCloseSubMenuOnClick;
    m_nWidth = pSource->m_nWidth;
    CopyTemplateMap(pSource->m_mapDocTemplatesAssigned, m_mapDocTemplatesAssigned);
    CopyTemplateMap(pSource->m_mapDocTemplatesExcluded, m_mapDocTemplatesExcluded);
}

CXTPControl* CXTPControl::CreateSameClass() const
{
    return new CXTPControl;
}

CXTPControl* CXTPControl::Clone(BOOL bRecursive)
{
    CXTPControl* pClone = CreateSameClass();
    pClone->Copy(this, bRecursive);
    return pClone;
}

// --- Action binding --------------------------------------------------------------------------

void CXTPControl::SetAction(CXTPControlAction* pAction)
{
    if (pAction == m_pAction)
        return;
    if (m_pAction)
    {
        m_pAction->RemoveControl(this);
        m_bEnabled = TRUE;
        m_bChecked = FALSE;
    }
    m_pAction = pAction;
    if (pAction)
    {
        pAction->AddControl(this);
        m_bEnabled = -1;
        m_bChecked = -1;
        m_nId = pAction->GetID();
        m_strCaption.Empty();
        m_strTooltipText.Empty();
        m_strDescriptionText.Empty();
        m_strCategory.Empty();
        m_strShortcutText.Empty();
    }
}

void CXTPControl::OnRemoved()
{
    SetAction(nullptr);
}
