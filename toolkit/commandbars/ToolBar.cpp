#include "toolkit/commandbars/ToolBar.h"

#include "framework/core/Module.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/DockContext.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)

namespace {

// The flags of the toolbar's own controls: not movable, not in the
// keyboard walk, no idle update (the expand button also stays right).
const DWORD kExpandFlags = xtpFlagManualUpdate | xtpFlagNoMovable | xtpFlagLeftPopup;
const DWORD kHideFlags = xtpFlagManualUpdate | xtpFlagNoMovable | xtpFlagSkipFocus;

// The expand button: draws the chevron, and knows whether buttons of its
// bar are hidden for lack of room.
class CControlButtonExpand : public CXTPControlPopup
{
public:
    CControlButtonExpand()
    {
        m_controlType = xtpControlButtonPopup;
        // A placeholder until the first opening fills a real one.
        CXTPCommandBar* pEmpty = CXTPPopupToolBar::CreatePopupToolBar(nullptr);
        SetCommandBar(pEmpty);
        pEmpty->InternalRelease();
    }
    // Each opening lists what is hidden now.
    BOOL SetPopupOpen(BOOL bOpen) override
    {
        CXTPToolBar* pToolBar = dynamic_cast<CXTPToolBar*>(GetParent());
        if (bOpen && pToolBar && !IsPopupOpen())
        {
            CXTPCommandBar* pPopup = pToolBar->CreateExpandPopup();
            SetCommandBar(pPopup);
            pPopup->InternalRelease();
        }
        return CXTPControlPopup::SetPopupOpen(bOpen);
    }
    void Draw(CDC* pDC) override
    {
        CXTPCommandBar* pBar = GetParent();
        const BOOL bFloating = pBar->GetPosition() == xtpBarFloating;
        GetPaintManager()->DrawControlGlyph(pDC, bFloating ? xtpGlyphDropDown : xtpGlyphExpand,
                                            this, pBar, TRUE,
                                            static_cast<CXTPToolBar*>(pBar)->HasHiddenControls());
    }
};

class CControlButtonHide : public CXTPControlButton
{
public:
    void Draw(CDC* pDC) override
    {
        GetPaintManager()->DrawControlGlyph(pDC, xtpGlyphClose, this, GetParent(), TRUE, 0);
    }
    void OnExecute() override
    {
        if (CXTPCommandBar* pBar = GetParent())
            pBar->SetVisible(FALSE);
    }
};

} // namespace

CXTPToolBar::CXTPToolBar()
    : m_bResetAllowed(TRUE), m_bTemporary(FALSE), m_bPreviewVisible(FALSE),
      m_bPreviewHidden(FALSE), m_bShowExpandButton(TRUE), m_bCloseable(TRUE),
      m_bContextMenuPresent(TRUE), m_pDockContext(new CXTPDockContext(this))
{
    m_dwFlags = 0x3F;
    m_dwStyle = xtpBarStyleGripper;
}

CXTPToolBar::~CXTPToolBar()
{
    if (m_pDockBar)
        m_pDockBar->RemoveCommandBar(this);
    delete m_pDockContext;
}

// --- Loading -------------------------------------------------------------------------------

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = nIDResource;
    m_pControls->RemoveAll();
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    LPCSTR lpszType = MAKEINTRESOURCEA(241);
    HINSTANCE hInstance = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hRes = ::FindResourceA(hInstance, lpszName, lpszType);
    if (!hRes)
        return FALSE;
    const DWORD nSize = ::SizeofResource(hInstance, hRes);
    HGLOBAL hGlobal = ::LoadResource(hInstance, hRes);
    const WORD* pData = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    // Version, button width and height, item count, then the ids: a
    // resource shorter than its count says is refused, not read past.
    if (!pData || nSize < 4 * sizeof(WORD) || nSize < (4u + pData[3]) * sizeof(WORD))
        return FALSE;
    const int nWidth = pData[1];
    const int nHeight = pData[2];
    std::vector<UINT> items(pData + 4, pData + 4 + pData[3]);
    if (!LoadToolBarItems(items.data(), static_cast<int>(items.size())))
        return FALSE;
    if (bLoadIcons)
    {
        if (!GetImageManager()->AddToolBarIcons(nIDResource, nIDResource))
            return FALSE;
        if (nWidth != 16 && nWidth > 0 && nHeight > 0)
            m_szIcons = CSize(nWidth, nHeight);
    }
    m_pControls->CreateOriginalControls();
    return TRUE;
}

BOOL CXTPToolBar::LoadToolBarItems(const UINT* pItems, int nCount)
{
    m_pControls->RemoveAll();
    CWnd* pSite = GetSite();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        if (pItems[i] == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        XTP_COMMANDBARS_CREATECONTROL cs = {};
        cs.nID = static_cast<int>(pItems[i]);
        cs.bToolBar = TRUE;
        cs.nIndex = i;
        cs.pCommandBar = this;
        cs.controlType = xtpControlButton;
        cs.buttonStyle = 0;
        const BOOL bAnswered = pSite && pSite->GetSafeHwnd()
                               && pSite->SendMessage(WM_XTP_BEFORECREATECONTROL, 0,
                                                     reinterpret_cast<LPARAM>(&cs));
        CXTPControl* pControl = nullptr;
        if (bAnswered && cs.pControl)
        {
            pControl = m_pControls->Add(cs.pControl, cs.nID);
        }
        else
        {
            pControl = m_pControls->Add(cs.controlType, cs.nID);
            if (!pControl)
                continue;
            pControl->SetStyle(cs.buttonStyle);
            if (cs.controlType >= xtpControlPopup && cs.controlType <= xtpControlSplitButtonPopup)
                pControl->SetIconId(cs.nID);
        }
        if (bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
        if (pSite && pSite->GetSafeHwnd())
        {
            cs.pControl = pControl;
            pSite->SendMessage(WM_XTP_AFTERCREATECONTROL, 0, reinterpret_cast<LPARAM>(&cs));
        }
    }
    return TRUE;
}

BOOL CXTPToolBar::ShouldSaveControls()
{
    return IsCustomizable() && m_pControls->IsChanged();
}

void CXTPToolBar::ResetToolBar(BOOL bConfirm)
{
    if (!m_bResetAllowed || m_nBarID == 0 || !IsCustomizable())
        return;
    if (bConfirm)
    {
        CString strFormat;
        strFormat.LoadString(XTP_IDS_CONFIRM_RESETTOOLBAR);
        CString strMessage;
        strMessage.Format(strFormat, static_cast<LPCSTR>(m_strTitle));
        if (AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONWARNING) != IDOK)
            return;
    }
    if (CXTPControls* pOriginal = m_pControls->GetOriginalControls())
    {
        pOriginal->InternalAddRef();
        m_pControls->RemoveAll();
        for (int i = 0; i < pOriginal->GetCount(); ++i)
            if (!pOriginal->GetAt(i)->IsTemporary())
                m_pControls->AddCopy(pOriginal->GetAt(i));
        pOriginal->InternalRelease();
    }
    else
    {
        LoadToolBar(m_nBarID, FALSE);
    }
    if (CWnd* pSite = GetSite())
        if (pSite->GetSafeHwnd())
            pSite->SendMessage(XTP_WM_TOOLBARRESET, 0, reinterpret_cast<LPARAM>(this));
    OnIdleUpdateCmdUI(TRUE, 0);
    OnRecalcLayout();
}

void CXTPToolBar::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pSource, bRecursive);
    if (pSource->IsKindOf(RUNTIME_CLASS(CXTPToolBar)))
    {
        CXTPToolBar* pToolBar = static_cast<CXTPToolBar*>(pSource);
        m_bResetAllowed = pToolBar->m_bResetAllowed;
        m_bTemporary = pToolBar->m_bTemporary;
        m_bCloseable = pToolBar->m_bCloseable;
    }
}

// --- Visibility and position ---------------------------------------------------------------

void CXTPToolBar::SetVisible(BOOL bVisible)
{
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    if (!bVisible && m_nTrackingMode)
        SetTrackingMode(0);
    if (m_hWnd)
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (m_barPosition != xtpBarFloating)
        pCommandBars->RecalcFrameLayout();
    if (CWnd* pSite = pCommandBars->GetSite())
        if (pSite->GetSafeHwnd())
            pSite->SendMessage(XTP_WM_TOOLBARVISIBLECHANGED, reinterpret_cast<WPARAM>(this), bVisible);
    // A user-made toolbar goes away when hidden, but not from inside the
    // handler that hid it (its own hide button runs there).
    if (!bVisible && m_bTemporary && m_hWnd)
        PostMessage(XTP_WM_DEFERREDREMOVE);
}

BOOL CXTPToolBar::SetPosition(int nPosition)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || nPosition < xtpBarTop || nPosition > xtpBarFloating)
        return FALSE;
    return pCommandBars->PlaceToolBar(this, nPosition);
}

void CXTPToolBar::SetPreviewHidden(BOOL bHidden)
{
    if (bHidden == m_bPreviewHidden)
        return;
    m_bPreviewHidden = bHidden;
    if (bHidden)
    {
        m_bPreviewVisible = m_bVisible;
        if (m_bVisible)
        {
            m_bVisible = FALSE;
            if (m_hWnd)
                ShowWindow(SW_HIDE);
        }
    }
    else if (m_bPreviewVisible)
    {
        m_bVisible = TRUE;
        if (m_hWnd)
            ShowWindow(SW_SHOWNA);
        if (m_barType == xtpBarTypeMenuBar)
            if (CXTPCommandBars* pCommandBars = GetCommandBars())
                pCommandBars->RecalcFrameLayout();
    }
}

// --- Sizes ---------------------------------------------------------------------------------

CXTPControl* CXTPToolBar::FindSpecial(UINT nId) const
{
    for (int i = GetControlCount() - 1; i >= 0; --i)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl->IsTemporary() && pControl->GetID() == static_cast<int>(nId))
            return pControl;
    }
    return nullptr;
}

CXTPControl* CXTPToolBar::EnsureSpecial(UINT nId)
{
    if (CXTPControl* pControl = FindSpecial(nId))
        return pControl;
    CXTPControl* pControl = nId == XTP_ID_TOOLBAR_EXPAND
                                ? static_cast<CXTPControl*>(new CControlButtonExpand)
                                : static_cast<CXTPControl*>(new CControlButtonHide);
    m_pControls->Add(pControl, static_cast<int>(nId), nullptr, -1, TRUE);
    pControl->SetFlags(nId == XTP_ID_TOOLBAR_EXPAND ? kExpandFlags : kHideFlags);
    pControl->SetHideFlags(xtpHideGeneric);
    return pControl;
}

void CXTPToolBar::ShowSpecial(UINT nId, BOOL bShow)
{
    if (CXTPControl* pControl = FindSpecial(nId))
        pControl->SetHideFlags(bShow ? 0 : xtpHideGeneric);
}

BOOL CXTPToolBar::HasHiddenControls() const
{
    for (int i = 0; i < GetControlCount(); ++i)
        if (GetControl(i)->GetHideFlags() == xtpHideWrap)
            return TRUE;
    return FALSE;
}

CRect CXTPToolBar::GetBorders()
{
    if (m_barPosition == xtpBarFloating)
        return CRect(3, 3, 3, 3);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CRect rcBorder = pPaintManager->GetCommandBarBorders(this);
    if (m_dwStyle & xtpBarStyleGripper)
    {
        CClientDC dc(m_hWnd ? this : nullptr);
        CSize szGripper = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }
    return rcBorder;
}

CSize CXTPToolBar::LayOutControls(int nLength, DWORD dwMode, const CRect& rcBorder)
{
    CClientDC dc(m_hWnd ? this : nullptr);
    return m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder);
}

CSize CXTPToolBar::CalcDockingLayout(int nLength, DWORD dwMode, int /*nWidth*/)
{
    ShowSpecial(XTP_ID_TOOLBAR_HIDE, FALSE);
    CXTPControl* pExpand = m_bShowExpandButton ? EnsureSpecial(XTP_ID_TOOLBAR_EXPAND) : nullptr;
    if (pExpand)
        pExpand->SetHideFlags(xtpHideGeneric);

    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bAlways = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    const BOOL bHorizontal = (dwMode & LM_HORZDOCK) != 0;
    CRect rcBorder = GetBorders();
    CSize size;
    if (!bAlways && !(dwMode & LM_COMMIT))
    {
        // A query: the size without an expand button, but long enough that
        // the button could be added when buttons get hidden.
        size = LayOutControls(nLength, dwMode, rcBorder);
        CSize szOne = LayOutControls(1, dwMode, rcBorder);
        if (m_pControls->GetVisibleCount() > 1)
        {
            if (bHorizontal)
                size.cx = std::max(static_cast<int>(size.cx),
                                   static_cast<int>(szOne.cx) + XTP_EXPAND_BUTTON_LENGTH);
            else
                size.cy = std::max(static_cast<int>(size.cy),
                                   static_cast<int>(szOne.cy) + XTP_EXPAND_BUTTON_LENGTH);
        }
    }
    else
    {
        size = LayOutControls(nLength, dwMode, rcBorder);
        if (pExpand && (bAlways || HasHiddenControls()))
        {
            if (bHorizontal)
                rcBorder.right += XTP_EXPAND_BUTTON_LENGTH;
            else
                rcBorder.bottom += XTP_EXPAND_BUTTON_LENGTH;
            size = LayOutControls(nLength, dwMode, rcBorder);
            pExpand->SetHideFlags(0);
            CClientDC dc(m_hWnd ? this : nullptr);
            GetPaintManager()->DrawControlGlyph(&dc, xtpGlyphExpand, pExpand, this, FALSE,
                                                MAKELPARAM(size.cx, size.cy));
        }
    }
    if ((m_dwDirty & xtpDirtyLayout) && (dwMode & LM_COMMIT))
    {
        m_dwDirty &= ~xtpDirtyLayout;
        Redraw();
    }
    return size;
}

CSize CXTPToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CClientDC dc(m_hWnd ? this : nullptr);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CFont* pOldFont = dc.SelectObject(pPaintManager->GetRegularFont());
    const int nCaption = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE).cy;
    dc.SelectObject(pOldFont);
    CRect rcBorder = GetBorders();
    rcBorder.top += nCaption + 1;

    CXTPControl* pHide = m_bCloseable ? EnsureSpecial(XTP_ID_TOOLBAR_HIDE) : nullptr;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pExpand = m_bShowExpandButton && pCommandBars ? EnsureSpecial(XTP_ID_TOOLBAR_EXPAND)
                                                               : nullptr;
    if (pHide)
        pHide->SetHideFlags(xtpHideGeneric);
    if (pExpand)
        pExpand->SetHideFlags(xtpHideGeneric);

    CSize size = LayOutControls(nLength, dwMode, rcBorder);

    // The caption buttons: hide at the right end, expand left of it.
    int nRight = size.cx - 3;
    if (pHide)
    {
        pHide->SetHideFlags(0);
        pHide->SetRect(CRect(nRight - nCaption, 3, nRight, 3 + nCaption));
        nRight -= nCaption;
    }
    const BOOL bAlways = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    if (pExpand && bAlways && nRight - nCaption > 3)
    {
        pExpand->SetHideFlags(0);
        pExpand->SetRect(CRect(nRight - nCaption, 3, nRight, 3 + nCaption));
        pExpand->SetWrap(TRUE);
    }
    if ((m_dwDirty & xtpDirtyLayout) && (dwMode & LM_COMMIT))
    {
        m_dwDirty &= ~xtpDirtyLayout;
        Redraw();
    }
    return size;
}

void CXTPToolBar::OnRecalcLayout()
{
    if (!m_hWnd)
        return;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (m_barPosition == xtpBarFloating)
    {
        CSize size = CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else if (pCommandBars)
    {
        pCommandBars->RecalcFrameLayout();
    }
    else if (CWnd* pSite = GetSite())
    {
        CRect rcClient;
        pSite->GetClientRect(&rcClient);
        pSite->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcClient.Width(), rcClient.Height()));
    }
    Redraw();
}

int CXTPToolBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    // A toolbar in a dialog hands Tab to the dialog's next item.
    const BOOL bInDialog = m_hWnd && !GetCommandBars() && (GetStyle() & WS_CHILD);
    if (bInDialog && nChar == VK_TAB)
    {
        const BOOL bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
        HWND hParent = ::GetParent(m_hWnd);
        HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, bShift);
        if (hNext && hNext != m_hWnd)
        {
            SetTrackingMode(0);
            ::SetFocus(hNext);
        }
        return hookHandled;
    }
    return CXTPCommandBar::OnHookKeyDown(nChar, lParam);
}
