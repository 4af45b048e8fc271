// The tab paint manager's settings, sets, fonts and the few operations that
// only hand over to the appearance set. Layout and drawing live in
// TabPaintManagerLayout.cpp and TabPaintManagerDraw.cpp.
#include "toolkit/extras/TabPaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabColorSets.h"

#include <algorithm>

namespace {

// Stores a setting and tells the tab managers when it changed.
template <class T>
void ChangeSetting(CXTPTabPaintManager* pPaintManager, T& field, const T& value)
{
    field = value;
    pPaintManager->OnPropertyChanged();
}

} // namespace

CXTPTabPaintManager::CXTPTabPaintManager()
{
    SetAppearance(0);
    RefreshMetrics();
}

CXTPTabPaintManager::~CXTPTabPaintManager()
{
    for (CXTPTabManagerAtom* pAtom : m_arrAtoms)
    {
        auto& arrAttached = pAtom->m_arrAttachedTo;
        arrAttached.erase(std::remove(arrAttached.begin(), arrAttached.end(), this),
                          arrAttached.end());
    }
    delete m_pAppearanceSet;
    delete m_pColorSet;
}

void CXTPTabPaintManager::AddAtom(CXTPTabManagerAtom* pAtom)
{
    if (!pAtom || std::find(m_arrAtoms.begin(), m_arrAtoms.end(), pAtom) != m_arrAtoms.end())
        return;
    m_arrAtoms.push_back(pAtom);
    pAtom->m_arrAttachedTo.push_back(this);
}

void CXTPTabPaintManager::RemoveAtom(CXTPTabManagerAtom* pAtom)
{
    auto it = std::find(m_arrAtoms.begin(), m_arrAtoms.end(), pAtom);
    if (it == m_arrAtoms.end())
        return;
    m_arrAtoms.erase(it);
    auto& arrAttached = pAtom->m_arrAttachedTo;
    arrAttached.erase(std::remove(arrAttached.begin(), arrAttached.end(), this),
                      arrAttached.end());
}

void CXTPTabPaintManager::OnPropertyChanged()
{
    // A tab manager may detach while it is told.
    std::vector<CXTPTabManagerAtom*> arrAtoms = m_arrAtoms;
    for (CXTPTabManagerAtom* pAtom : arrAtoms)
    {
        if (std::find(m_arrAtoms.begin(), m_arrAtoms.end(), pAtom) != m_arrAtoms.end())
            pAtom->OnPaintManagerChanged();
    }
}

void CXTPTabPaintManager::SetAppearance(int nAppearance)
{
    m_nAppearance = nAppearance;
    SetAppearanceSetObject(CreateTabAppearanceSet(nAppearance));
}

void CXTPTabPaintManager::SetAppearanceSetObject(CAppearanceSet* pAppearanceSet)
{
    if (pAppearanceSet)
    {
        delete m_pAppearanceSet;
        m_pAppearanceSet = pAppearanceSet;
        pAppearanceSet->m_pPaintManager = this;
        pAppearanceSet->RefreshMetrics();
        SetColor(pAppearanceSet->GetDefaultColorSet());
    }
    OnPropertyChanged();
}

void CXTPTabPaintManager::SetColor(int nColor)
{
    m_nColor = nColor;
    SetColorSetObject(CreateTabColorSet(nColor));
}

void CXTPTabPaintManager::SetColorSetObject(CColorSet* pColorSet)
{
    if (pColorSet)
    {
        delete m_pColorSet;
        m_pColorSet = pColorSet;
        pColorSet->m_pPaintManager = this;
        pColorSet->RefreshColors();
    }
    OnPropertyChanged();
}

void CXTPTabPaintManager::RefreshMetrics()
{
    if (m_bUseSystemFont)
    {
        LOGFONTA lf = {};
        if (::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0))
            CreateTabFonts(&lf, TRUE);
    }
    if (m_pColorSet)
        m_pColorSet->RefreshColors();
    if (m_pAppearanceSet)
        m_pAppearanceSet->RefreshMetrics();
}

void CXTPTabPaintManager::CreateTabFonts(const LOGFONTA* pLogFont, BOOL bUseSystemFont)
{
    m_bUseSystemFont = bUseSystemFont;
    if (!pLogFont)
        return;
    LOGFONTA lf = *pLogFont;
    if (m_bClearTypeTextQuality && IsWindowsXPOrLater())
        lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfEscapement = lf.lfOrientation = 0;

    m_fntNormal.DeleteObject();
    m_fntBold.DeleteObject();
    m_fntVerticalNormal.DeleteObject();
    m_fntVerticalBold.DeleteObject();

    lf.lfWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    m_fntNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntBold.CreateFontIndirect(&lf);

    // Turned text reads from top to bottom in a face that can be turned.
    lf.lfEscapement = 2700;
    lf.lfOrientation = 900;
    if (lf.lfHeight <= -1 && lf.lfHeight >= -10)
        lf.lfHeight = -11;
    CString strFace;
    GetDefaultGuiFont(strFace, FALSE);
    lstrcpynA(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfWeight = m_bBoldNormal ? FW_BOLD : FW_NORMAL;
    m_fntVerticalNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntVerticalBold.CreateFontIndirect(&lf);
}

CFont* CXTPTabPaintManager::GetNormalFont(BOOL bVertical)
{
    return bVertical ? &m_fntVerticalNormal : &m_fntNormal;
}

CFont* CXTPTabPaintManager::GetBoldFont(BOOL bVertical)
{
    return bVertical ? &m_fntVerticalBold : &m_fntBold;
}

void CXTPTabPaintManager::DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl)
{
    m_pAppearanceSet->DrawTabControl(pTabManager, pDC, rcControl);
}

void CXTPTabPaintManager::AdjustClientRect(CXTPTabManager* pTabManager, CRect& rcClient)
{
    if (m_bStaticFrame)
        DeflateRectByPosition(rcClient, 2, 1, 2, 2, m_nPosition);
    if (pTabManager->GetItemCount() > 0)
        m_pAppearanceSet->AdjustClientRect(pTabManager, rcClient);
}

void CXTPTabPaintManager::RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC,
                                               CRect rcControl)
{
    pTabManager->m_rcHeader.SetRectEmpty();
    pTabManager->m_rcControl = rcControl;
    pTabManager->m_rcClient = rcControl;
    pTabManager->m_rows.SetRowCount(1);
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
        pItem->m_nItemRow = 0;
    m_pAppearanceSet->RepositionTabControl(pTabManager, pDC, rcControl);
    AdjustClientRect(pTabManager, pTabManager->m_rcClient);
}

void CXTPTabPaintManager::DrawFocusRect(CDC* pDC, CXTPTabManagerItem*, CRect rcItem)
{
    if (!m_bDrawFocusRect)
        return;
    rcItem.DeflateRect(3, 3);
    COLORREF clrOldText = pDC->SetTextColor(RGB(0, 0, 0));
    COLORREF clrOldBack = pDC->SetBkColor(RGB(255, 255, 255));
    pDC->DrawFocusRect(rcItem);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

int CXTPTabPaintManager::GetTextExtent(CDC* pDC, const CString& strText, UINT nFormat) const
{
    if (nFormat & DT_NOPREFIX)
        return pDC->GetTextExtent(strText).cx;
    CString strMeasure = strText;
    StripMnemonics(strMeasure);
    return pDC->GetTextExtent(strMeasure).cx;
}

int CXTPTabPaintManager::ClampTabLength(int nLength, int nMin, int nMax) const
{
    nLength += m_rcButtonMargin.left + m_rcButtonMargin.right;
    if (nMin > 0 && nLength < nMin)
        nLength = nMin;
    if (nMax > 0 && nLength > nMax)
        nLength = nMax;
    return nLength;
}

BOOL CXTPTabPaintManager::IsLunaColorsDisabled() const
{
    return m_bDisableLunaColors || GetColorManager()->IsLunaColorsDisabled();
}

void CXTPTabPaintManager::InflateRectByPosition(CRect& rc, int l, int t, int r, int b,
                                                int nPosition)
{
    switch (nPosition)
    {
    case xtpTabPositionLeft:
        rc.InflateRect(t, l, b, r);
        break;
    case xtpTabPositionBottom:
        rc.InflateRect(l, b, r, t);
        break;
    case xtpTabPositionRight:
        rc.InflateRect(b, l, t, r);
        break;
    default:
        rc.InflateRect(l, t, r, b);
        break;
    }
}

void CXTPTabPaintManager::DeflateRectByPosition(CRect& rc, int l, int t, int r, int b,
                                                int nPosition)
{
    InflateRectByPosition(rc, -l, -t, -r, -b, nPosition);
}

void CXTPTabPaintManager::InflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition)
{
    InflateRectByPosition(rc, rcMargin.left, rcMargin.top, rcMargin.right, rcMargin.bottom,
                          nPosition);
}

void CXTPTabPaintManager::DeflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition)
{
    DeflateRectByPosition(rc, rcMargin.left, rcMargin.top, rcMargin.right, rcMargin.bottom,
                          nPosition);
}

// Settings

void CXTPTabPaintManager::SetPosition(int nPosition) { ChangeSetting(this, m_nPosition, nPosition); }
void CXTPTabPaintManager::SetLayoutMode(int nLayout) { ChangeSetting(this, m_nLayout, nLayout); }
void CXTPTabPaintManager::SetHotTracking(BOOL bOn) { ChangeSetting(this, m_bHotTracking, bOn); }
void CXTPTabPaintManager::SetShowIcons(BOOL bOn) { ChangeSetting(this, m_bShowIcons, bOn); }
void CXTPTabPaintManager::SetBoldSelected(BOOL bOn) { ChangeSetting(this, m_bBoldSelected, bOn); }
void CXTPTabPaintManager::SetItemColors(BOOL bOn) { ChangeSetting(this, m_bItemColors, bOn); }
void CXTPTabPaintManager::SetClientFrame(int nFrame) { ChangeSetting(this, m_nClientFrame, nFrame); }
void CXTPTabPaintManager::SetStaticFrame(BOOL bOn) { ChangeSetting(this, m_bStaticFrame, bOn); }
void CXTPTabPaintManager::SetInvertGradient(BOOL bOn) { ChangeSetting(this, m_bInvertGradient, bOn); }
void CXTPTabPaintManager::SetFillBackground(BOOL bOn) { ChangeSetting(this, m_bFillBackground, bOn); }
void CXTPTabPaintManager::SetIconSize(CSize sz) { ChangeSetting(this, m_szIcon, sz); }
void CXTPTabPaintManager::SetDrawTextFormat(UINT nFormat) { ChangeSetting(this, m_nDrawTextFormat, nFormat); }
void CXTPTabPaintManager::SetStripMnemonics(BOOL bOn) { ChangeSetting(this, m_bStripMnemonics, bOn); }
void CXTPTabPaintManager::SetDrawFocusRect(BOOL bOn) { ChangeSetting(this, m_bDrawFocusRect, bOn); }
void CXTPTabPaintManager::SetItemExtraLength(int nLength) { ChangeSetting(this, m_nItemExtraLength, nLength); }
void CXTPTabPaintManager::SetClipHeader(BOOL bOn) { ChangeSetting(this, m_bClipHeader, bOn); }
void CXTPTabPaintManager::SetFixedTabWidth(int nWidth) { ChangeSetting(this, m_nFixedTabWidth, nWidth); }
void CXTPTabPaintManager::SetMinTabWidth(int nWidth) { ChangeSetting(this, m_nMinTabWidth, nWidth); }
void CXTPTabPaintManager::SetMaxTabWidth(int nWidth) { ChangeSetting(this, m_nMaxTabWidth, nWidth); }
void CXTPTabPaintManager::SetToolTipBehaviour(int nBehaviour) { ChangeSetting(this, m_nToolTipBehaviour, nBehaviour); }
void CXTPTabPaintManager::SetClientMargin(const CRect& rc) { ChangeSetting(this, m_rcClientMargin, rc); }
void CXTPTabPaintManager::SetControlMargin(const CRect& rc) { ChangeSetting(this, m_rcControlMargin, rc); }
void CXTPTabPaintManager::SetButtonMargin(const CRect& rc) { ChangeSetting(this, m_rcButtonMargin, rc); }
void CXTPTabPaintManager::SetButtonTextPadding(const CRect& rc) { ChangeSetting(this, m_rcButtonTextPadding, rc); }
void CXTPTabPaintManager::SetDrawTextPathEllipsis(BOOL bOn) { ChangeSetting(this, m_bDrawTextPathEllipsis, bOn); }
void CXTPTabPaintManager::SetDrawTextEndEllipsis(BOOL bOn) { ChangeSetting(this, m_bDrawTextEndEllipsis, bOn); }
void CXTPTabPaintManager::SetDrawTextNoPrefix(BOOL bOn) { ChangeSetting(this, m_bDrawTextNoPrefix, bOn); }
void CXTPTabPaintManager::SetMultiRowFixedSelection(BOOL bOn) { ChangeSetting(this, m_bMultiRowFixedSelection, bOn); }
void CXTPTabPaintManager::SetMultiRowJustified(BOOL bOn) { ChangeSetting(this, m_bMultiRowJustified, bOn); }
void CXTPTabPaintManager::SetSelectOnButtonDown(BOOL bOn) { ChangeSetting(this, m_bSelectOnButtonDown, bOn); }
void CXTPTabPaintManager::SetRotateImageOnVerticalDraw(BOOL bOn) { ChangeSetting(this, m_bRotateImageOnVerticalDraw, bOn); }

// Settings that change the fonts or colours build them again first.
void CXTPTabPaintManager::SetBoldNormal(BOOL bOn)
{
    m_bBoldNormal = bOn;
    RefreshMetrics();
    OnPropertyChanged();
}

void CXTPTabPaintManager::SetClearTypeTextQuality(BOOL bOn)
{
    m_bClearTypeTextQuality = bOn;
    RefreshMetrics();
    OnPropertyChanged();
}

void CXTPTabPaintManager::SetDisableLunaColors(BOOL bOn)
{
    m_bDisableLunaColors = bOn;
    RefreshMetrics();
    OnPropertyChanged();
}
