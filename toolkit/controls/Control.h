// CXTPControl: the base of every item on a command bar. It holds the item's
// identity, texts, state and rectangle, and an optional link to the shared
// command state of its id (CXTPControlAction). A control never draws or
// measures itself: both go to the paint manager of its bar.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Map.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"
#include "toolkit/commandbars/Accessible.h"

class CDC;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControlAction;
class CXTPControls;
class CXTPImageManager;
class CXTPImageManagerIcon;
class CXTPPaintManager;
class CXTPPropExchange;
class CXTPRibbonGroup;

// Control types.
enum XTPControlType
{
    xtpControlError = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,
    xtpControlButtonPopup = 3,
    xtpControlSplitButtonPopup = 4,
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8,
    xtpControlCheckBox = 9,
    xtpControlGallery = 10,
};

// Button styles.
enum XTPButtonStyle
{
    xtpButtonAutomatic = 0,
    xtpButtonCaption = 1,
    xtpButtonIcon = 2,
    xtpButtonIconAndCaption = 3,
    xtpButtonIconAndCaptionBelow = 4,
};

// Hide flags.
const DWORD xtpHideGeneric = 0x01;
const DWORD xtpHideWrap = 0x02;
const DWORD xtpHideDockingPosition = 0x04;
const DWORD xtpHideScroll = 0x08;
const DWORD xtpHideCustomize = 0x10;
const DWORD xtpHideExpand = 0x20;
const DWORD xtpHideDocTemplate = 0x40;

// Control Flags bits.
const DWORD xtpFlagRightAlign = 0x01;
const DWORD xtpFlagSkipFocus = 0x02;
const DWORD xtpFlagLeftPopup = 0x04;
const DWORD xtpFlagManualUpdate = 0x08;
const DWORD xtpFlagNoMovable = 0x10;
const DWORD xtpFlagControlStretched = 0x20;
const DWORD xtpFlagShowPopupBarTip = 0x40;
const DWORD xtpFlagWrapRow = 0x80;

// Notification codes sent to the site.
const UINT CBN_XTP_EXECUTE = 100;
const UINT XTP_SELECTOR_CHANGED = 4102;

// Private messages of the toolkit to the site window.
const UINT WM_XTP_CONTROLSELECTED = 10326;
const UINT WM_XTP_CONTROLRBUTTONUP = 10329;
const UINT WM_XTP_BEFORECREATECONTROL = 10334;
const UINT WM_XTP_AFTERCREATECONTROL = 10335;
const UINT WM_XTP_CREATECOMMANDBAR = 10337;
const UINT WM_XTP_COMMAND = 10338;

// The record of a control notification: an NMHDR, then the control.
class CXTPControl;

struct NMXTPCONTROL
{
    NMHDR hdr;
    CXTPControl* pControl;
};

class CXTPControl : public CCmdTarget, public CXTPAccessible
{
    DECLARE_SERIAL(CXTPControl)
public:
    // Sets of document-template resource ids.
    using CDocTemplateMap = CMap<UINT, UINT, BOOL, BOOL>;

    CXTPControl();
    ~CXTPControl() override;

    // Identity.
    int GetID() const { return m_nId; }
    void SetID(int nId) { SetId(nId); }
    // Loads string resource <id> as prompt (when found), then stores the id.
    void SetId(int nId);
    XTPControlType GetType() const { return static_cast<XTPControlType>(m_controlType); }
    void SetType(int nType) { m_controlType = nType; }
    int GetIndex() const { return m_nIndex; }
    DWORD_PTR GetTag() const { return m_nTag; }
    void SetTag(DWORD_PTR nTag) { m_nTag = nTag; }
    int GetIconIdValue() const { return m_nIconId; }
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nId) { m_nHelpId = nId; }
    // CustomIconId when set, else a positive IconId, else the action's icon
    // id when positive, else the action's (or the control's) id.
    int GetIconId() const;

    // Texts.
    void SetCaption(LPCSTR lpszCaption);
    void SetPrompt(LPCSTR lpszPrompt);
    void SetCustomCaption(LPCSTR lpszCaption) { m_strCustomCaption = lpszCaption; }
    CString GetCustomCaption() const { return m_strCustomCaption; }
    void SetTooltip(LPCSTR lpszText) { m_strTooltipText = lpszText; }
    void SetDescription(LPCSTR lpszText) { m_strDescriptionText = lpszText; }
    void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }
    // The shortcut that followed a TAB in a menu text.
    void SetCaptionShortcut(LPCSTR lpszText) { m_strCaptionShortcut = lpszText; }
    // The explicit text, else the action's, else what followed a TAB in the caption.
    CString GetShortcutText() const;
    CString GetParameter() const { return m_strParameter; }
    void SetParameter(LPCSTR lpszParameter) { m_strParameter = lpszParameter; }
    CString GetCategory() const { return m_strCategory; }
    void SetCategory(LPCSTR lpszCategory) { m_strCategory = lpszCategory; }

    // State.
    BOOL GetEnabled() const;
    int GetEnabledValue() const { return m_bEnabled; }
    BOOL GetChecked() const;
    int GetCheckedValue() const { return m_bChecked; }
    void SetChecked(int nChecked);
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    BOOL IsVisible() const { return IsVisibleExcept(0); }
    // FALSE when an action exists and is invisible, else TRUE when the hide
    // flags hold nothing outside the mask.
    BOOL IsVisibleExcept(DWORD dwMask) const;
    void SetVisible(BOOL bVisible);
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    BOOL IsDefaultItem() const { return m_bDefaultItem; }
    void SetDefaultItem(BOOL bDefault);
    BOOL IsKeptVisible() const { return m_bKeptVisible; }
    void SetKeptVisible(BOOL bKept);
    BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
    BOOL GetWrap() const { return m_bWrap; }
    void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }

    // Styles: the custom style unless it is -1, else the style unless it is
    // 0, else the fallback style the shrinking layout chose.
    int GetStyle() const;
    void SetFallbackStyle(int nStyle) { m_nFallbackStyle = nStyle; }
    int GetStyleValue() const { return m_buttonStyle; }
    void SetStyle(int nStyle);
    int GetCustomStyle() const { return m_buttonCustomStyle; }
    void SetCustomStyle(int nStyle) { m_buttonCustomStyle = nStyle; }

    // Geometry.
    CRect GetRect() const { return m_rcControl; }
    CRect GetRowRect() const { return m_rcRow; }
    void SetRowRect(const CRect& rc) { m_rcRow = rc; }
    int GetWidth() const { return m_nWidth; }
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth) { m_nLabelWidth = nWidth; }
    BOOL IsCursorOver() const;

    // Relatives.
    CXTPCommandBar* GetParent() const { return m_pParent; }
    CXTPControls* GetControls() const { return m_pControls; }
    void SetControls(CXTPControls* pControls) { m_pControls = pControls; }
    void SetIndex(int nIndex) { m_nIndex = nIndex; }
    CXTPControlAction* GetAction() const { return m_pAction; }
    CXTPCommandBars* GetCommandBars() const;
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    // The ribbon group the control belongs to (null outside a ribbon group).
    CXTPRibbonGroup* GetRibbonGroup() const { return m_pRibbonGroup; }
    void SetRibbonGroup(CXTPRibbonGroup* pGroup) { m_pRibbonGroup = pGroup; }
    CDocTemplateMap& GetAssignedDocTemplates() { return m_mapDocTemplatesAssigned; }
    CDocTemplateMap& GetExcludedDocTemplates() { return m_mapDocTemplatesExcluded; }

    // Bar interplay.
    void RedrawParent(BOOL bAnimate = TRUE);
    void DelayLayoutParent();
    // Sends notification nCode to the site; the reply (0 when nobody answered).
    LRESULT NotifySite(UINT nCode);
    LRESULT NotifySiteEx(UINT nCode, NMXTPCONTROL* pNotify);
    // The modal press of a button: TRUE when it ran the command.
    void TrackButtonPress(CRect rcActive = CRect(0, 0, 0, 0));
    void ShowResizeCursor(CPoint point);

    // Virtual operations.
    virtual CString GetCaption() const;
    virtual CString GetDescription() const;
    virtual CString GetTooltip() const;
    virtual void SetBeginGroup(BOOL bBeginGroup);
    virtual void SetEnabled(int nEnabled);
    virtual int GetSelected() const { return m_nSelected; }
    virtual void SetFocused(BOOL /*bFocused*/) {}
    virtual BOOL IsFocused() const { return FALSE; }
    virtual int GetPressed() const { return m_nPressed; }
    void SetPressed(int nPressed) { m_nPressed = nPressed; }
    virtual void SetRect(CRect rcControl);
    virtual BOOL IsCaptionVisible() const;
    virtual BOOL IsEqual(CXTPControl* pOther) const;
    virtual CXTPCommandBar* GetCommandBar() const { return nullptr; }
    // TRUE for controls that paint their own face (custom windows).
    virtual BOOL HasOwnFace() const { return FALSE; }
    virtual void SetHideFlags(DWORD dwFlags);
    // Sets or clears one hide flag, keeping the others (through SetHideFlags).
    void SetHideFlag(DWORD dwFlag, BOOL bHide);
    virtual void OnExecute();
    virtual CSize GetSize(CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void OnCalcDynamicSize(DWORD dwMode);
    virtual CXTPImageManagerIcon* GetImage(int nWidth = 16) const;
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual void OnKeyboardActivate() { OnExecute(); }
    virtual BOOL IsPopupOpen() const { return FALSE; }
    virtual void SetAction(CXTPControlAction* pAction);
    virtual int ProcessFocusedKey(UINT /*nChar*/, UINT /*nFlags*/) { return 0; }
    // The wheel turned while the control's bar tracks; TRUE when the
    // control used it.
    virtual BOOL OnHookMouseWheel(short /*nDelta*/) { return FALSE; }
    virtual void SetParent(CXTPCommandBar* pParent) { m_pParent = pParent; }
    virtual void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE);
    virtual BOOL SetPopupOpen(BOOL /*bOpen*/) { return FALSE; }
    virtual void OnClick(BOOL /*bKeyboard*/ = FALSE, CPoint /*pt*/ = CPoint(0, 0)) {}
    virtual void OnLButtonUp(CPoint /*point*/) {}
    virtual void OnRButtonUp(CPoint /*point*/) {}
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint /*point*/) {}
    virtual void OnMouseHover();
    virtual BOOL OnSetSelected(int nSelected);
    virtual void OnCustomizeMouseDown(UINT nFlags, CPoint point);
    virtual BOOL TrackCustomizeResize(CPoint point);
    virtual void OnCustomizeDragStart();
    // A customise drag of this control over the bar at the client point:
    // FALSE, with the drop effect set to none, where it may not be dropped.
    // Any bar takes a control; the list placeholders and hosted windows
    // only popup bars.
    virtual BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint point, DWORD& dropEffect);
    virtual BOOL IsCustomizeResizeAllowed() const { return FALSE; }
    virtual int GetCustomizeMinWidth() const { return 0; }
    virtual void SetWidth(int nWidth) { m_nWidth = nWidth; }
    virtual void OnRemoved();
    // The system's colours or settings changed: what the control keeps of
    // the theme is renewed before its bar is laid out again.
    virtual void OnThemeChanged() {}

    // What accessibility clients learn of the control (ControlAccessible.cpp).
    CCmdTarget* GetAccessibleOwner() override;
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                               VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    virtual BOOL IsCustomizeMovable() const;
    virtual CXTPControl* Clone(BOOL bRecursive = FALSE);

protected:
    LPUNKNOWN GetInterfaceHook(const void* iid) override;
    // Makes a control of this class; Clone copies into it.
    virtual CXTPControl* CreateSameClass() const;
    // The customize click of buttons and labels: close the bar's popup,
    // clear its selection, then the control's customize press.
    void CustomizeClick(CPoint pt);
    // The answer of the controls that belong in menus only: TRUE over a
    // popup bar (type 2), else FALSE with the drop effect none.
    static BOOL AcceptsPopupBarsOnly(const CXTPCommandBar* pBar, DWORD& dropEffect);
    // Edge zones of a customize resize: -1 left edge, 1 right edge, 0 none.
    int HitTestResizeEdge(CPoint point) const;
    void ExchangeDocTemplates(CXTPPropExchange* pPX, LPCSTR pszName, CDocTemplateMap& map);

    DWORD_PTR m_nTag;
    int m_nIndex;
    int m_nId;
    int m_nIconId;
    int m_nHelpId;
    int m_nCustomIconId;
    BOOL m_bBeginGroup;
    int m_bEnabled;
    int m_bChecked;
    int m_nSelected;
    int m_nPressed;
    BOOL m_bTemporary;
    CRect m_rcControl;
    DWORD m_dwHideFlags;
    DWORD m_dwFlags;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strCaptionShortcut;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strParameter;
    CXTPControls* m_pControls;
    int m_controlType;
    CXTPCommandBar* m_pParent;
    BOOL m_bKeptVisible;
    CString m_strCategory;
    BOOL m_bDefaultItem;
    CDocTemplateMap m_mapDocTemplatesAssigned;
    CDocTemplateMap m_mapDocTemplatesExcluded;
    int m_buttonStyle;
    int m_buttonCustomStyle;
    BOOL m_bCloseSubMenuOnClick;
    CXTPControlAction* m_pAction;

    // Written by the layout.
    CRect m_rcRow;
    BOOL m_bWrap;
    int m_nWidth;
    int m_nLabelWidth;
    int m_nFallbackStyle;
    CXTPRibbonGroup* m_pRibbonGroup = nullptr;
};
