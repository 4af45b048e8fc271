// CXTPTabPaintManager: every setting that decides how tab strips look and
// are laid out, and the layout and drawing of any number of tab managers
// with them. The shape of the tabs comes from an exchangeable appearance set
// (TabAppearanceSets.h), the colours from an exchangeable colour set
// (TabColorSets.h); both are made from a number. Tab managers attach
// themselves and are told (OnPaintManagerChanged) after every change.
//
// Rectangles of the sets are given for a top header and turned for the other
// positions; "along" is the direction of the tab row, "across" the other.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/Gdi.h"

#include "toolkit/extras/TabManager.h"

#include <vector>

class CDC;

class CXTPTabPaintManager : public CCmdTarget
{
public:
    class CAppearanceSet;
    class CAppearanceSetPropertyPage;
    class CAppearanceSetPropertyPageSelected;
    class CAppearanceSetPropertyPageFlat;
    class CAppearanceSetPropertyPage2003;
    class CAppearanceSetStateButtons;
    class CAppearanceSetVisualStudio;
    class CAppearanceSetFlat;
    class CAppearanceSetExcel;
    class CAppearanceSetVisio;
    class CAppearanceSetVisualStudio2005;

    class CColorSet;
    class CColorSetDefault;
    class CColorSetVisualStudio;
    class CColorSetOffice2003;
    class CColorSetWinXP;
    class CColorSetWhidbey;
    class CColorSetOffice2007;

    CXTPTabPaintManager();
    ~CXTPTabPaintManager() override;

    // Lets the appearance set draw the strip.
    virtual void DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    // The page area left inside rc once the header, frames and margins are off.
    virtual void AdjustClientRect(CXTPTabManager* pTabManager, CRect& rcClient);
    // Lays the strip out in rcControl: header, rows, tabs, buttons, client.
    virtual void RepositionTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    // Measures a tab (bDraw FALSE: answers its length) or draws its icon,
    // caption and focus rectangle in rcItem.
    virtual int DrawItemContent(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw);
    // Fonts from the system's icon-title font (when the system font is
    // used), then the sets' colours and metrics.
    virtual void RefreshMetrics();
    // Tells every attached tab manager, in order.
    virtual void OnPropertyChanged();
    virtual void DrawFocusRect(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem);

    // Sets by number: unknown appearance numbers give the property page,
    // unknown colour numbers the default colours. Installing an appearance
    // set installs the colour set it asks for.
    void SetAppearance(int nAppearance);
    void SetAppearanceSetObject(CAppearanceSet* pAppearanceSet);
    void SetColor(int nColor);
    void SetColorSetObject(CColorSet* pColorSet);
    int GetAppearance() const { return m_nAppearance; }
    int GetColor() const { return m_nColor; }
    CAppearanceSet* GetAppearanceSet() const { return m_pAppearanceSet; }
    CColorSet* GetColorSet() const { return m_pColorSet; }

    // Tab managers that follow this paint manager's changes.
    void AddAtom(CXTPTabManagerAtom* pAtom);
    void RemoveAtom(CXTPTabManagerAtom* pAtom);

    // The default drawing and layout the appearance sets call.
    void PaintTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    void LayoutTabs(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    void EnsureVisible(CXTPTabManager* pTabManager, CXTPTabManagerItem* pItem);
    // The header less the room of the navigate buttons, which it places.
    CRect GetHeaderRectWithButtons(CXTPTabManager* pTabManager, CRect rcControl);
    // Caption width; ampersands are left out unless nFormat has DT_NOPREFIX.
    int GetTextExtent(CDC* pDC, const CString& strText, UINT nFormat = 0) const;
    int ClampTabLength(int nLength, int nMin, int nMax) const;
    // Draws the caption in rc, shortened in the middle when it does not fit.
    void DrawTextPathEllipsis(CDC* pDC, const CString& strText, CRect rc, UINT nFormat);

    // Builds the four fonts from the face; a null font only stores the flag.
    void CreateTabFonts(const LOGFONTA* pLogFont, BOOL bUseSystemFont);
    CFont* GetNormalFont(BOOL bVertical = FALSE);
    CFont* GetBoldFont(BOOL bVertical = FALSE);

    // Settings. Each setter tells the attached tab managers.
    int GetPosition() const { return m_nPosition; }
    void SetPosition(int nPosition);
    int GetLayout() const { return m_nLayout; }
    void SetLayoutMode(int nLayout);
    BOOL IsHotTracking() const { return m_bHotTracking; }
    void SetHotTracking(BOOL bOn);
    BOOL IsShowIcons() const { return m_bShowIcons; }
    void SetShowIcons(BOOL bOn);
    BOOL IsBoldSelected() const { return m_bBoldSelected; }
    void SetBoldSelected(BOOL bOn);
    BOOL IsBoldNormal() const { return m_bBoldNormal; }
    void SetBoldNormal(BOOL bOn);
    // The disable-Luna setting, or the colour manager's own switch.
    BOOL IsLunaColorsDisabled() const;
    void SetDisableLunaColors(BOOL bOn);
    BOOL IsItemColors() const { return m_bItemColors; }
    void SetItemColors(BOOL bOn);
    int GetClientFrame() const { return m_nClientFrame; }
    void SetClientFrame(int nFrame);
    BOOL IsStaticFrame() const { return m_bStaticFrame; }
    void SetStaticFrame(BOOL bOn);
    CRect GetClientMargin() const { return m_rcClientMargin; }
    void SetClientMargin(const CRect& rc);
    CRect GetControlMargin() const { return m_rcControlMargin; }
    void SetControlMargin(const CRect& rc);
    CRect GetButtonMargin() const { return m_rcButtonMargin; }
    void SetButtonMargin(const CRect& rc);
    CRect GetButtonTextPadding() const { return m_rcButtonTextPadding; }
    void SetButtonTextPadding(const CRect& rc);
    BOOL IsInvertGradient() const { return m_bInvertGradient; }
    void SetInvertGradient(BOOL bOn);
    BOOL IsFillBackground() const { return m_bFillBackground; }
    void SetFillBackground(BOOL bOn);
    CSize GetIconSize() const { return m_szIcon; }
    void SetIconSize(CSize sz);
    BOOL IsDrawTextPathEllipsis() const { return m_bDrawTextPathEllipsis; }
    void SetDrawTextPathEllipsis(BOOL bOn);
    BOOL IsDrawTextEndEllipsis() const { return m_bDrawTextEndEllipsis; }
    void SetDrawTextEndEllipsis(BOOL bOn);
    BOOL IsDrawTextNoPrefix() const { return m_bDrawTextNoPrefix; }
    void SetDrawTextNoPrefix(BOOL bOn);
    UINT GetDrawTextFormat() const { return m_nDrawTextFormat; }
    void SetDrawTextFormat(UINT nFormat);
    BOOL IsStripMnemonics() const { return m_bStripMnemonics; }
    void SetStripMnemonics(BOOL bOn);
    BOOL IsMultiRowFixedSelection() const { return m_bMultiRowFixedSelection; }
    void SetMultiRowFixedSelection(BOOL bOn);
    BOOL IsMultiRowJustified() const { return m_bMultiRowJustified; }
    void SetMultiRowJustified(BOOL bOn);
    BOOL IsDrawFocusRect() const { return m_bDrawFocusRect; }
    void SetDrawFocusRect(BOOL bOn);
    int GetItemExtraLength() const { return m_nItemExtraLength; }
    void SetItemExtraLength(int nLength);
    BOOL IsSelectOnButtonDown() const { return m_bSelectOnButtonDown; }
    void SetSelectOnButtonDown(BOOL bOn);
    BOOL IsClearTypeTextQuality() const { return m_bClearTypeTextQuality; }
    void SetClearTypeTextQuality(BOOL bOn);
    BOOL IsRotateImageOnVerticalDraw() const { return m_bRotateImageOnVerticalDraw; }
    void SetRotateImageOnVerticalDraw(BOOL bOn);
    BOOL IsClipHeader() const { return m_bClipHeader; }
    void SetClipHeader(BOOL bOn);
    int GetFixedTabWidth() const { return m_nFixedTabWidth; }
    void SetFixedTabWidth(int nWidth);
    int GetMinTabWidth() const { return m_nMinTabWidth; }
    void SetMinTabWidth(int nWidth);
    int GetMaxTabWidth() const { return m_nMaxTabWidth; }
    void SetMaxTabWidth(int nWidth);
    BOOL IsUseSystemFont() const { return m_bUseSystemFont; }
    int GetToolTipBehaviour() const { return m_nToolTipBehaviour; }
    void SetToolTipBehaviour(int nBehaviour);

    // Grows rc by l, t, r, b given for a top header, turned to the position.
    static void InflateRectByPosition(CRect& rc, int l, int t, int r, int b, int nPosition);
    static void DeflateRectByPosition(CRect& rc, int l, int t, int r, int b, int nPosition);
    static void InflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition);
    static void DeflateRectByPosition(CRect& rc, const CRect& rcMargin, int nPosition);

private:
    // Layout steps.
    void MeasureItems(CXTPTabManager* pTabManager, CDC* pDC, BOOL bExtraLength);
    void ShrinkToFit(CXTPTabManager* pTabManager, int nAvailable);
    void LayoutMultiRow(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl);
    int NavigateButtonsRoom(CXTPTabManager* pTabManager);
    void DrawRow(CXTPTabManager* pTabManager, CDC* pDC, int nRow, const CRect& rcClip);
    int MeasureWidestCaption(CDC* pDC, CXTPTabManager* pTabManager, BOOL bVertical);

    std::vector<CXTPTabManagerAtom*> m_arrAtoms;

    BOOL m_bHotTracking = FALSE;
    BOOL m_bShowIcons = TRUE;
    BOOL m_bBoldSelected = FALSE;
    BOOL m_bBoldNormal = FALSE;
    BOOL m_bDisableLunaColors = FALSE;
    BOOL m_bItemColors = FALSE;
    int m_nClientFrame = 0;
    BOOL m_bStaticFrame = FALSE;
    CRect m_rcClientMargin;
    CRect m_rcControlMargin;
    CRect m_rcButtonMargin;
    CRect m_rcButtonTextPadding = CRect(6, 0, 6, 0);
    BOOL m_bInvertGradient = FALSE;
    BOOL m_bFillBackground = TRUE;
    CSize m_szIcon = CSize(16, 16);
    BOOL m_bDrawTextPathEllipsis = FALSE;
    BOOL m_bDrawTextEndEllipsis = TRUE;
    BOOL m_bDrawTextNoPrefix = TRUE;
    UINT m_nDrawTextFormat = DT_VCENTER;
    BOOL m_bStripMnemonics = FALSE;
    BOOL m_bMultiRowFixedSelection = FALSE;
    BOOL m_bMultiRowJustified = TRUE;
    BOOL m_bDrawFocusRect = TRUE;
    int m_nItemExtraLength = 0;
    BOOL m_bSelectOnButtonDown = TRUE;
    BOOL m_bClearTypeTextQuality = FALSE;
    BOOL m_bRotateImageOnVerticalDraw = FALSE;
    BOOL m_bClipHeader = TRUE;
    int m_nFixedTabWidth = 70;
    int m_nMinTabWidth = 0;
    int m_nMaxTabWidth = 0;
    CAppearanceSet* m_pAppearanceSet = nullptr;
    CColorSet* m_pColorSet = nullptr;
    int m_nAppearance = 0;
    int m_nColor = 1;
    int m_nPosition = xtpTabPositionTop;
    int m_nLayout = xtpTabLayoutAutoSize;
    CFont m_fntNormal;
    CFont m_fntBold;
    CFont m_fntVerticalNormal;
    CFont m_fntVerticalBold;
    BOOL m_bUseSystemFont = TRUE;
    int m_nToolTipBehaviour = 2;
};
