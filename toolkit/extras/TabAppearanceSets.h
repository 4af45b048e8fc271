// The appearance sets of the tab paint manager: where the header lies and
// how thick it is, the room kept free at its ends, how each tab is outlined
// and filled and how the client area is framed. Every colour comes from the
// paint manager's colour set. SetAppearance makes them by number:
//   0 property page, 1 property page (only selected and hot tabs outlined),
//   2 flat property page, 3 slanted 2003 tabs, 4 state buttons,
//   5 raised selected tab, 6 flat, 7 trapezoids, 8 a stack of bars,
//   9 slanted tabs with rounded corners.
#pragma once

#include "toolkit/extras/TabPaintManager.h"

class CXTPTabPaintManager::CAppearanceSet
{
public:
    CAppearanceSet();
    virtual ~CAppearanceSet();

    // Text height: a blank in the normal font + 3, at least 18.
    virtual void RefreshMetrics();
    virtual CRect GetHeaderRect(CRect rcControl, const CXTPTabManager* pTabManager);
    virtual CRect GetClientRect(CRect rcControl, const CXTPTabManager* pTabManager);
    virtual CRect GetHeaderMargin();
    virtual CRect GetClientMargin();
    virtual int GetItemLength(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual int GetButtonHeight(const CXTPTabManager* pTabManager);
    virtual CRect GetButtonDrawRect(const CXTPTabManagerItem* pItem);
    virtual void DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    virtual void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    virtual void RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    virtual void AdjustClientRect(CXTPTabManager* pTabManager, CRect& rcClient);
    virtual void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem);
    // Kinds 0 to 3 of the frames a docking pane asks for around its strip.
    virtual void DrawFrame(CDC* pDC, CRect rc, int nKind);
    virtual int GetSupportedMask() { return 31; }
    virtual int GetDefaultColorSet() { return 1; }

    int GetTextHeight() const { return m_nButtonHeight; }
    int GetRowMargin() const { return m_nRowMargin; }
    // TRUE: rows are drawn so that the selected tab ends on top of both neighbours.
    BOOL IsSelectedInMiddle() const { return m_bButtonsReverseZOrder; }
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }
    CColorSet* GetColorSet() const;

protected:
    friend class CXTPTabPaintManager;

    int GetPosition() const;
    // Colour-table indexes and -1 resolved; -1 stays -1.
    static COLORREF Resolve(COLORREF clr);
    // One-pixel lines; nothing for colour -1.
    static void Line(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr);
    static void Line(CDC* pDC, CPoint pt1, CPoint pt2, COLORREF clr);
    static void Polyline(CDC* pDC, const POINT* pPoints, int nCount, COLORREF clr);
    // The line along one side of rc: top for 0, left 1, bottom 2, right 3.
    static void DrawSingleLineBorder(CDC* pDC, CRect rc, int nSide, COLORREF clr);
    // Fills the polygon with the colour set's tab background; the colour used.
    COLORREF FillPolygon(CDC* pDC, const POINT* pPoints, int nCount, CXTPTabManagerItem* pItem);
    // Points of a top-header shape turned to the header's position around rc.
    void TurnPoints(POINT* pPoints, int nCount, const CRect& rcReal) const;
    // The item's rect as it would lie on a top header.
    CRect ToTopOrientation(CRect rc) const;
    // The colour-set frame around a client area (frame 0) or the one line on
    // the header side (frame 1), in clrTopLeft and clrBottomRight.
    void FrameClient(CDC* pDC, CRect rcClient, COLORREF clrTopLeft, COLORREF clrBottomRight);

    CRect m_rcHeaderMargin;
    int m_nRowMargin = -2;
    int m_nButtonHeight = 18;
    CXTPTabPaintManager* m_pPaintManager = nullptr;
    BOOL m_bButtonsReverseZOrder = FALSE;
};

class CXTPTabPaintManager::CAppearanceSetPropertyPage : public CAppearanceSet
{
public:
    CAppearanceSetPropertyPage();
    CRect GetClientMargin() override;
    CRect GetButtonDrawRect(const CXTPTabManagerItem* pItem) override;
    void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 13; }

protected:
    void DrawPropertyPageTab(CDC* pDC, CXTPTabManagerItem* pItem);
};

class CXTPTabPaintManager::CAppearanceSetPropertyPageSelected : public CAppearanceSetPropertyPage
{
public:
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

class CXTPTabPaintManager::CAppearanceSetFlat : public CAppearanceSet
{
public:
    CAppearanceSetFlat();
    void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 7; }
    int GetDefaultColorSet() override { return 2; }
};

class CXTPTabPaintManager::CAppearanceSetPropertyPageFlat : public CAppearanceSetFlat
{
public:
    CAppearanceSetPropertyPageFlat();
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetDefaultColorSet() override { return 1; }

    BOOL m_bRoundedCorners = TRUE;     // corner smoothing
    BOOL m_bSeparatorsOnly = FALSE;
};

class CXTPTabPaintManager::CAppearanceSetPropertyPage2003 : public CAppearanceSet
{
public:
    CAppearanceSetPropertyPage2003();
    CRect GetHeaderMargin() override;
    CRect GetButtonDrawRect(const CXTPTabManagerItem* pItem) override;
    void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 21; }
    int GetDefaultColorSet() override { return 4; }

    BOOL m_bDrawHotOutline = FALSE;

protected:
    // Outline, highlight and shadow colours of a slanted tab.
    void GetOutlineColors(CXTPTabManagerItem* pItem, COLORREF& clrOutline,
                          COLORREF& clrHighlight, COLORREF& clrShadow);
};

class CXTPTabPaintManager::CAppearanceSetStateButtons : public CAppearanceSet
{
public:
    CAppearanceSetStateButtons();
    void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 31; }
    int GetDefaultColorSet() override { return 2; }
};

class CXTPTabPaintManager::CAppearanceSetVisualStudio : public CAppearanceSet
{
public:
    CAppearanceSetVisualStudio();
    void FillClient(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 7; }
    int GetDefaultColorSet() override { return 2; }
};

class CXTPTabPaintManager::CAppearanceSetExcel : public CAppearanceSetFlat
{
public:
    CAppearanceSetExcel();
    CRect GetHeaderMargin() override;
    CRect GetButtonDrawRect(const CXTPTabManagerItem* pItem) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

class CXTPTabPaintManager::CAppearanceSetVisio : public CAppearanceSet
{
public:
    CAppearanceSetVisio();
    CRect GetHeaderRect(CRect rcControl, const CXTPTabManager* pTabManager) override;
    CRect GetClientRect(CRect rcControl, const CXTPTabManager* pTabManager) override;
    void DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl) override;
    void AdjustClientRect(CXTPTabManager* pTabManager, CRect& rcClient) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetSupportedMask() override { return 5; }
};

class CXTPTabPaintManager::CAppearanceSetVisualStudio2005 : public CAppearanceSetPropertyPage2003
{
public:
    CAppearanceSetVisualStudio2005();
    CRect GetHeaderMargin() override;
    CRect GetButtonDrawRect(const CXTPTabManagerItem* pItem) override;
    void DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem) override;
};

// The appearance set of a number; unknown numbers give the property page.
CXTPTabPaintManager::CAppearanceSet* CreateTabAppearanceSet(int nAppearance);
