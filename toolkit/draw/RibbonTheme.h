// CXTPRibbonTheme: the Office 2007 look of the ribbon bar, its tabs, groups,
// quick access row and scroll buttons, and of the controls on it, drawn
// from the named images and colours of the Office 2007 style resources, on
// top of the Office 2007 look.
// Where an image is missing the ribbon's backgrounds fall back to plain
// fills in the ribbon's colours and faces stay empty. The theme owns the
// tab paint manager the ribbon's tab row is laid out and drawn with.
//
// The bodies: RibbonTheme.cpp (construction, metrics, colours, tab paint
// manager), RibbonThemeBar.cpp (the ribbon's own elements),
// RibbonThemeControls.cpp (faces, separators, gutter, check boxes),
// RibbonThemeButtons.cpp (split and joined buttons), RibbonThemeFields.cpp
// (edit and combo fields, the status bar), RibbonThemeFrame.cpp (the
// caption of a skinned frame the ribbon draws into).
#pragma once

#include "toolkit/draw/Office2007Theme.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabColorSets.h"

class CXTPOffice2007Image;
class CXTPRibbonBar;
class CXTPRibbonGroup;
class CXTPRibbonTab;
class CXTPTabManagerItem;
class CXTPTabPaintManager;

class CXTPRibbonTheme : public CXTPOffice2007Theme
{
public:
    // The tab row's shape: flat property-page tabs whose buttons the theme
    // draws from its tab images.
    class CRibbonAppearanceSet : public CXTPTabPaintManager::CAppearanceSetPropertyPageFlat
    {
    public:
        explicit CRibbonAppearanceSet(CXTPRibbonTheme* pTheme);
        CRect GetHeaderMargin() override { return CRect(0, 1, 0, 0); }
        int GetButtonHeight(const CXTPTabManager* pTabManager) override;
        void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
        void DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
        void RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;

    private:
        CXTPRibbonTheme* m_pTheme;
    };

    // The tab row's colours: those of the Office 2003 tabs.
    class CRibbonColorSet : public CXTPTabPaintManager::CColorSetOffice2003
    {
    };

    CXTPRibbonTheme();
    ~CXTPRibbonTheme() override;

    int BaseTheme() override { return xtpThemeRibbon; }
    void RefreshMetrics() override;
    void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                        BOOL bChecked, BOOL bPopuped, int barType, int barPosition) override;
    COLORREF GetTextColorForControl(CXTPControl* pControl) override;
    COLORREF GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int barType, int barPosition) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustControlFrameRect(CRect& /*rc*/, CXTPControl* /*pControl*/, BOOL /*bVertical*/) override {}
    CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                           int nChecked, BOOL bEnabled) override;
    void FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rcClient) override;
    void SetCommandBarRegion(CXTPCommandBar* pBar) override;
    // Split buttons and joined buttons (RibbonThemeButtons.cpp).
    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc) override;
    void DrawControlFace(CDC* pDC, CXTPControl* pControl) override;
    // Fields and the status bar (RibbonThemeFields.cpp).
    CSize DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    COLORREF GetControlBackColor(CXTPControl* pControl) override;
    void FillStatusBar(CDC* pDC, CWnd* pStatusBar) override;

    // The ribbon's own elements.
    virtual void FillRibbonBar(CDC* pDC, CXTPRibbonBar* pRibbonBar);
    virtual void FillGroupsArea(CDC* pDC, CXTPRibbonTab* pTab, CRect rcGroups);
    virtual void DrawRibbonGroup(CDC* pDC, CXTPRibbonGroup* pGroup);
    // Measures (bDraw FALSE) or draws the button of a reduced group.
    virtual CSize DrawGroupPopupButton(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual CSize DrawGroupOptionButton(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual void DrawRibbonTab(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual void FillGroupPopupBar(CDC* pDC, CXTPRibbonGroup* pGroup, CXTPCommandBar* pBar);
    virtual void DrawRibbonFrameCaption(CDC* pDC, CXTPRibbonBar* pRibbonBar, BOOL bActive);
    virtual void DrawContextTabHeaders(CDC* pDC, CXTPRibbonBar* pRibbonBar);
    // The ribbon's system button on a skinned frame: its face by state and an icon.
    virtual void DrawRibbonFrameSystemButton(CDC* pDC, CXTPControl* pControl);
    virtual void DrawQuickAccessCustomizeButton(CDC* pDC, CXTPControl* pControl);
    virtual void DrawQuickAccessMoreButton(CDC* pDC, CXTPControl* pControl);
    virtual void DrawGroupsScrollButton(CDC* pDC, CXTPControl* pControl, BOOL bScrollLeft);
    virtual CXTPTabPaintManager* CreateTabPaintManager();

    CXTPTabPaintManager* GetTabPaintManager() const { return m_pTabPaintManager; }
    int GetTabsHeight() const { return m_nTabsHeight; }
    int GetGroupCaptionHeight() const { return m_nGroupCaptionHeight; }
    // The height of the frame caption the ribbon draws into.
    int GetRibbonCaptionHeight() const { return m_nRibbonCaptionHeight; }
    CFont* GetGroupFont() { return &m_fontGroupCaption; }
    BOOL IsGroupHighlighting() const { return m_bHotTrackingGroups; }
    // The word of a context colour in image names ("" for none).
    static LPCSTR GetContextColorName(int nColor);

public:
    COLORREF m_clrRibbonFace;
    COLORREF m_clrRibbonText;
    COLORREF m_clrGroupCaptionText;
    COLORREF m_clrEditBackground;
    COLORREF m_clrRibbonGroupBorder;

protected:
    // The plain face of a button without style images: 1 hot, 2 pressed.
    void DrawButtonFaceFallback(CDC* pDC, const CRect& rc, int nFrame);
    // The frame of a toolbar button's face for its state (-1: nothing
    // drawn); a joined button's is one more (its images hold an idle frame).
    static int GetToolbarFaceFrame(int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped);
    // The text colour of an edit or combo field's label and arrow.
    COLORREF GetFieldTextColor(CXTPControl* pControl);
    // Fills the field with paint-manager colour nFill (-1: the ribbon's edit
    // colour, nothing on popups) inside a one-pixel frame of colour nBorder.
    void DrawFieldFrame(CDC* pDC, CXTPControl* pControl, const CRect& rcField, int nFill, int nBorder);
    // A colour of the style's "Ribbon" section; clrDefault when it has none.
    static COLORREF RibbonColor(LPCSTR lpszKey, COLORREF clrDefault);

    int m_nTabsHeight;
    int m_nGroupCaptionHeight;
    CXTPPaintManagerFont m_fontGroupCaption;
    BOOL m_bRecreateGroupFont;
    BOOL m_bHotTrackingGroups;
    CXTPTabPaintManager* m_pTabPaintManager;
};
