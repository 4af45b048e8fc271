#include "toolkit/draw/RibbonTheme.h"

#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

namespace {

const COLORREF kNoColor = 0xFFFFFFFF;

// The words of the context colours in image names and style keys.
const char* const kContextColorNames[] = {"", "BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE"};

} // namespace

// --- The tab row's appearance --------------------------------------------------------------

CXTPRibbonTheme::CRibbonAppearanceSet::CRibbonAppearanceSet(CXTPRibbonTheme* pTheme) : m_pTheme(pTheme)
{
    m_rcHeaderMargin = CRect(0, 1, 0, 0);
}

int CXTPRibbonTheme::CRibbonAppearanceSet::GetButtonHeight(const CXTPTabManager* /*pTabManager*/)
{
    return m_pTheme->GetTabsHeight() + 1;
}

void CXTPRibbonTheme::CRibbonAppearanceSet::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    m_pTheme->DrawRibbonTab(pDC, pItem);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

void CXTPRibbonTheme::CRibbonAppearanceSet::DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC,
                                                           CRect rcControl)
{
    m_pPaintManager->PaintTabControl(pTabManager, pDC, rcControl);
}

void CXTPRibbonTheme::CRibbonAppearanceSet::RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC,
                                                                 CRect rcControl)
{
    m_pPaintManager->LayoutTabs(pTabManager, pDC, rcControl);
}

// --- Construction --------------------------------------------------------------------------

CXTPRibbonTheme::CXTPRibbonTheme()
    : m_clrRibbonFace(0), m_clrRibbonText(0), m_clrGroupCaptionText(0), m_clrEditBackground(0),
      m_clrRibbonGroupBorder(0), m_nTabsHeight(22), m_nGroupCaptionHeight(17),
      m_bRecreateGroupFont(TRUE), m_bHotTrackingGroups(TRUE), m_pTabPaintManager(nullptr)
{
    m_bClearTypeTextQuality = TRUE;
    m_nSplitButtonDropDownWidth = 10;
    // The frame's skin takes in a visible status bar under the ribbon.
    m_bFrameStatusBar = TRUE;
    m_pTabPaintManager = CreateTabPaintManager();
    RefreshMetrics();
}

CXTPRibbonTheme::~CXTPRibbonTheme()
{
    if (m_pTabPaintManager)
        m_pTabPaintManager->InternalRelease();
}

CXTPTabPaintManager* CXTPRibbonTheme::CreateTabPaintManager()
{
    CXTPTabPaintManager* pManager = new CXTPTabPaintManager;
    pManager->SetAppearanceSetObject(new CRibbonAppearanceSet(this));
    pManager->SetColorSetObject(new CRibbonColorSet);
    pManager->SetLayoutMode(xtpTabLayoutSizeToFit);
    // The tab row's settings.
    pManager->SetFillBackground(FALSE);
    pManager->SetHotTracking(TRUE);
    pManager->SetSelectOnButtonDown(TRUE);
    pManager->SetDrawFocusRect(FALSE);
    pManager->SetButtonMargin(CRect(0, 3, 0, 2));
    pManager->SetButtonTextPadding(CRect(4, 0, 4, 0));
    pManager->SetMinTabWidth(21);
    pManager->SetMaxTabWidth(0);
    pManager->SetStaticFrame(FALSE);
    pManager->SetToolTipBehaviour(1);
    pManager->SetClearTypeTextQuality(TRUE);
    pManager->SetItemExtraLength(0);
    // Tab captions carry access-key markers ("&Start") for the keyboard;
    // the row shows them without the ampersand.
    pManager->SetStripMnemonics(TRUE);
    pManager->RefreshMetrics();
    return pManager;
}

LPCSTR CXTPRibbonTheme::GetContextColorName(int nColor)
{
    const int nCount = static_cast<int>(sizeof(kContextColorNames) / sizeof(kContextColorNames[0]));
    return nColor > 0 && nColor < nCount ? kContextColorNames[nColor] : "";
}

COLORREF CXTPRibbonTheme::RibbonColor(LPCSTR lpszKey, COLORREF clrDefault)
{
    const COLORREF clr = GetOffice2007StyleResources()->LookupColor("Ribbon", lpszKey);
    return clr == kNoColor ? clrDefault : clr;
}

// --- Metrics and colours -------------------------------------------------------------------

void CXTPRibbonTheme::RefreshMetrics()
{
    CXTPOffice2007Theme::RefreshMetrics();

    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    LOGFONTA lfGroup = ncm.lfSmCaptionFont;
    lfGroup.lfWeight = FW_NORMAL;
    if (m_bClearTypeTextQuality)
        lfGroup.lfQuality = CLEARTYPE_QUALITY;
    const BOOL bSegoe = FontExists("Segoe UI");
    if (bSegoe)
        lstrcpynA(lfGroup.lfFaceName, "Segoe UI", LF_FACESIZE);
    if (m_bRecreateGroupFont || !m_fontGroupCaption.GetSafeHandle())
        m_fontGroupCaption.SetIndirect(lfGroup);

    m_nGroupCaptionHeight = 17;
    m_nTabsHeight = 22;

    LOGFONTA lfTab = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lfTab), &lfTab, 0);
    if (bSegoe)
        lstrcpynA(lfTab.lfFaceName, "Segoe UI", LF_FACESIZE);
    if (m_pTabPaintManager)
    {
        m_pTabPaintManager->RefreshMetrics();
        m_pTabPaintManager->CreateTabFonts(&lfTab, TRUE);
    }

    // Colours of the style text; without one the system colours stand in.
    m_clrRibbonFace = RibbonColor("RibbonFace", ResolveColor(COLOR_3DFACE));
    m_clrGroupCaptionText = RibbonColor("GroupCaptionText", ResolveColor(COLOR_BTNTEXT));
    m_clrRibbonText = RibbonColor("RibbonText", ResolveColor(COLOR_BTNTEXT));
    m_clrEditBackground = RibbonColor("ControlEditNormal", ResolveColor(COLOR_WINDOW));
    m_clrRibbonGroupBorder = ResolveColor(COLOR_3DSHADOW);
    if (m_pTabPaintManager && m_pTabPaintManager->GetColorSet())
    {
        CXTPTabPaintManager::CColorSet* pColorSet = m_pTabPaintManager->GetColorSet();
        const COLORREF clrNormal = RibbonColor("TabNormalText", kNoColor);
        if (clrNormal != kNoColor)
        {
            pColorSet->m_clrButtonText.SetStandardValue(clrNormal);
            pColorSet->m_clrInactiveText.SetStandardValue(clrNormal);
        }
        const COLORREF clrSelected = RibbonColor("TabSelectedText", kNoColor);
        if (clrSelected != kNoColor)
            pColorSet->m_clrSelectedText.SetStandardValue(clrSelected);
    }
    const struct
    {
        const char* pszKey;
        int nIndex;
    } kStandardColors[] = {{"GroupClientText", 46}, {"MenuPopupText", 44}, {"ControlHighlightText", 45}};
    for (const auto& entry : kStandardColors)
    {
        const COLORREF clr = RibbonColor(entry.pszKey, kNoColor);
        if (clr != kNoColor)
            m_arrColor[entry.nIndex].SetStandardValue(clr);
    }

    m_bEmbossedDisabledText = FALSE;
    m_arrColor[35].SetStandardValue(RGB(167, 167, 167));
    m_arrColor[43].SetStandardValue(RGB(134, 134, 134));
    m_arrColor[41].SetStandardValue(RGB(250, 250, 250));
    m_clrMenuExpand.SetStandardValue(RGB(233, 238, 238), RGB(233, 238, 238), 0.5f);
    BuildExpandMenuImage();
}
