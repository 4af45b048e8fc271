#include "toolkit/commandbars/MenuBar.h"

#include "framework/core/Module.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MessageBox.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"

#include <vector>

IMPLEMENT_DYNCREATE(CXTPMenuBar, CXTPToolBar)

namespace {


// The window buttons: id, Marlett glyph, system command, window style that
// offers it and the bar flag that hides it.
struct MdiButtonRow
{
    UINT nId;
    LPCSTR lpszGlyph;
    UINT nCommand;
    DWORD dwStyle;
    DWORD dwHideFlag;
};
const MdiButtonRow kMdiButtons[] = {
    {XTP_ID_MENUBAR_MINIMIZE, "0", SC_MINIMIZE, WS_MINIMIZEBOX, xtpFlagHideMinimizeBox},
    {XTP_ID_MENUBAR_RESTORE, "2", SC_RESTORE, WS_MAXIMIZEBOX, xtpFlagHideMaximizeBox},
    {XTP_ID_MENUBAR_CLOSE, "r", SC_CLOSE, 0, xtpFlagHideClose},
};

} // namespace

// One window button of a maximized MDI child: a Marlett glyph that posts
// its system command to the child.
class CXTPMenuBar::CControlMDIButton : public CXTPControlButton
{
public:
    explicit CControlMDIButton(const MdiButtonRow& row) : m_nCommand(row.nCommand)
    {
        SetCaption(row.lpszGlyph);
        m_dwFlags |= xtpFlagRightAlign | xtpFlagSkipFocus | xtpFlagManualUpdate | xtpFlagNoMovable;
    }
    CSize GetSize(CDC* /*pDC*/) override { return CSize(16, 16); }
    void Draw(CDC* pDC) override
    {
        CXTPPaintManager* pPaintManager = GetPaintManager();
        pPaintManager->DrawControlFace(pDC, this);
        CFont font;
        font.CreatePointFont(::MulDiv(80, 96, pDC->GetDeviceCaps(LOGPIXELSX)), "Marlett", pDC);
        CFont* pOldFont = pDC->SelectObject(&font);
        pDC->SetTextColor(pPaintManager->GetTextColorForControl(this));
        pDC->SetBkMode(TRANSPARENT);
        CRect rc = GetRect();
        pDC->DrawText(GetCaption(), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SelectObject(pOldFont);
    }
    void OnExecute() override
    {
        CXTPMenuBar* pMenuBar = static_cast<CXTPMenuBar*>(GetParent());
        if (HWND hChild = pMenuBar ? pMenuBar->GetActiveMdiChild() : nullptr)
            ::PostMessageA(hChild, WM_SYSCOMMAND, m_nCommand, 0);
    }

private:
    UINT m_nCommand;
};

BEGIN_MESSAGE_MAP(CXTPMenuBar, CXTPToolBar)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CXTPMenuBar::CXTPMenuBar()
    : m_bMdiFrame(FALSE), m_hWndActiveChild(nullptr), m_hMenuDefault(nullptr),
      m_nIDMenuCurrent(0), m_nCurrentKey(0), m_bMenusReset(FALSE)
{
    m_nBarID = XTP_IDR_MENUBAR;
    m_barType = xtpBarTypeMenuBar;
    m_dwFlags = 0x5F;
    m_bShowExpandButton = FALSE;
}

CXTPMenuBar::~CXTPMenuBar()
{
    XTPHookManager()->RemoveAll(this);
    ReleaseParkedControls();
    if (m_hMenuDefault)
    {
        // The frame must not go on using the handle destroyed here.
        CWnd* pSite = GetSiteFrame();
        if (pSite && pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd))
            && static_cast<CFrameWnd*>(pSite)->m_hMenuDefault == m_hMenuDefault)
            static_cast<CFrameWnd*>(pSite)->m_hMenuDefault = nullptr;
        ::DestroyMenu(m_hMenuDefault);
    }
}

CWnd* CXTPMenuBar::GetSiteFrame() const
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetSite() : GetSite();
}

BOOL CXTPMenuBar::LoadMenuBar(UINT nIDMenu)
{
    if (nIDMenu)
    {
        CMenu menu;
        if (!menu.LoadMenu(nIDMenu) || !LoadMenu(&menu, TRUE))
            return FALSE;
        m_nIDMenuCurrent = nIDMenu;
        m_nCurrentKey = nIDMenu;
    }
    RegisterFrameHooks();
    const UINT commands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    GetImageManager()->AddIconsFromBitmap(XTP_IDB_MENUBAR_ICONS, commands, 4, CSize(16, 16));
    CWnd* pSite = GetSiteFrame();
    if (pSite && pSite->GetSafeHwnd())
    {
        if (HMENU hMenu = ::GetMenu(pSite->m_hWnd))
        {
            if (m_hMenuDefault && m_hMenuDefault != hMenu)
                ::DestroyMenu(m_hMenuDefault);
            m_hMenuDefault = hMenu;
        }
        ::SetMenu(pSite->m_hWnd, nullptr);
    }
    return TRUE;
}

void CXTPMenuBar::RegisterFrameHooks()
{
    CWnd* pSite = GetSiteFrame();
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    m_bMdiFrame = pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
    XTPHookManager()->SetHook(pSite->m_hWnd, this);
    if (m_bMdiFrame)
        if (HWND hClient = static_cast<CMDIFrameWnd*>(pSite)->m_hWndMDIClient)
            XTPHookManager()->SetHook(hClient, this);
}

HWND CXTPMenuBar::GetActiveMdiChild(BOOL* pbMaximized) const
{
    if (pbMaximized)
        *pbMaximized = FALSE;
    CWnd* pSite = GetSiteFrame();
    if (!m_bMdiFrame || !pSite)
        return nullptr;
    HWND hClient = static_cast<CMDIFrameWnd*>(pSite)->m_hWndMDIClient;
    if (!hClient || !::IsWindow(hClient))
        return nullptr;
    BOOL bMaximized = FALSE;
    HWND hChild = reinterpret_cast<HWND>(
        ::SendMessageA(hClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    if (pbMaximized)
        *pbMaximized = hChild && bMaximized;
    return hChild;
}

void CXTPMenuBar::RefreshMdiState()
{
    HWND hChild = GetActiveMdiChild();
    if (hChild != m_hWndActiveChild)
    {
        if (m_hWndActiveChild && ::IsWindow(m_hWndActiveChild))
            XTPHookManager()->RemoveHook(m_hWndActiveChild, this);
        m_hWndActiveChild = hChild;
        if (hChild)
            XTPHookManager()->SetHook(hChild, this);
    }
    if (m_bVisible)
        UpdateMdiButtons();
}

void CXTPMenuBar::UpdateMdiButtons()
{
    BOOL bMaximized = FALSE;
    HWND hChild = GetActiveMdiChild(&bMaximized);
    const DWORD dwStyle = hChild ? static_cast<DWORD>(::GetWindowLongA(hChild, GWL_STYLE)) : 0;
    BOOL bChanged = UpdateSysMenuPopup(hChild, bMaximized);
    for (const MdiButtonRow& row : kMdiButtons)
    {
        const BOOL bWanted = bMaximized && (!row.dwStyle || (dwStyle & row.dwStyle))
                             && !(m_dwFlags & row.dwHideFlag);
        CXTPControl* pControl = FindSpecial(row.nId);
        if (bWanted && !pControl)
        {
            m_pControls->Add(new CControlMDIButton(row), static_cast<int>(row.nId), nullptr, -1, TRUE);
            bChanged = TRUE;
        }
        else if (!bWanted && pControl)
        {
            m_pControls->Remove(pControl);
            bChanged = TRUE;
        }
    }
    if (bChanged)
    {
        DelayLayout();
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->RecalcFrameLayout(TRUE);
    }
}

void CXTPMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == XTP_TID_MDIREFRESH)
    {
        RefreshMdiState();
        return;
    }
    CXTPCommandBar::OnTimer(nIDEvent);
}

int CXTPMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                               LRESULT& lResult)
{
    if (!hWnd)
        return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    switch (nMessage)
    {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (hWnd == m_hWndActiveChild && m_hWnd)
            PostMessage(WM_TIMER, XTP_TID_MDIREFRESH);
        return hookNext;
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
        if (m_hWnd)
            PostMessage(WM_TIMER, XTP_TID_MDIREFRESH);
        return hookNext;
    case WM_SYSCOMMAND:
    {
        if ((wParam & 0xFFF0) != SC_KEYMENU || !m_bVisible || !m_hWnd
            || XTPMouseManager()->GetTrackCount() > 0 || (::GetKeyState(VK_SHIFT) & 0x8000)
            || IsCustomizeMode())
            return hookNext;
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (lParam == 0)
        {
            // Alt alone: the keyboard goes to the menu bar.
            if (!PreviewKey(VK_MENU) && pCommandBars)
                pCommandBars->ActivateBar(this, 0);
            return hookHandled;
        }
        // Alt+letter reaches here when the frame does not pre-translate its
        // keys: the letter is the bars' only when a control carries it. Any
        // other character (Alt+Space above all) goes on to the frame's
        // system menu.
        const SHORT nScan = ::VkKeyScanA(static_cast<CHAR>(lParam));
        const UINT nChar = nScan == -1 ? static_cast<UINT>(lParam) : LOBYTE(nScan);
        if (lParam != VK_SPACE && pCommandBars && pCommandBars->HandleAccessKey(nullptr, nChar))
            return hookHandled;
        return hookNext;
    }
    case WM_MDISETMENU:
    {
        CWnd* pSite = GetSiteFrame();
        if (!m_bVisible)
            return pSite && ::GetMenu(pSite->m_hWnd) ? hookNext : hookHandled;
        if (!(m_dwFlags & xtpFlagIgnoreSetMenuMessage))
            SwitchMenu(reinterpret_cast<HMENU>(wParam));
        if (pSite && ::GetMenu(pSite->m_hWnd))
            ::SetMenu(pSite->m_hWnd, nullptr);
        RefreshMdiState();
        lResult = 0;
        return hookHandled;
    }
    default:
        return hookNext;
    }
}

// --- Menus ---------------------------------------------------------------------------------

UINT_PTR CXTPMenuBar::GetMenuKey(HMENU hMenu) const
{
    if (!hMenu || hMenu == m_hMenuDefault)
        return m_nIDMenuCurrent;
    return reinterpret_cast<UINT_PTR>(hMenu) | kMenuHandleTag;
}

void CXTPMenuBar::SwitchMenu(HMENU hMenu)
{
    if (!hMenu)
        hMenu = m_hMenuDefault;
    const UINT_PTR nKey = GetMenuKey(hMenu);
    if (!nKey || nKey == m_nCurrentKey || !hMenu || ::GetMenuItemCount(hMenu) <= 0)
        return;
    CMenu* pMenu = CMenu::FromHandle(hMenu);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->IsCustomizableControls())
    {
        CXTPControls* pOld = nullptr;
        if (m_mapControls.Lookup(m_nCurrentKey, pOld))
            pOld->InternalRelease();
        m_mapControls.SetAt(m_nCurrentKey, m_pControls);
        m_pControls->SetParent(nullptr);

        CXTPControls* pParked = nullptr;
        if (m_mapControls.Lookup(nKey, pParked))
        {
            m_mapControls.RemoveKey(nKey);
            m_pControls = pParked;
            m_pControls->SetParent(this);
            if (!m_pControls->GetOriginalControls())
                m_pControls->CreateOriginalControls();
        }
        else
        {
            m_pControls = new CXTPControls;
            m_pControls->SetParent(this);
            LoadMenu(pMenu, TRUE);
            m_pControls->CreateOriginalControls();
        }
    }
    else
    {
        LoadMenu(pMenu, TRUE);
    }
    m_nCurrentKey = nKey;
    ResetSelection();
    OnRecalcLayout();
}

void CXTPMenuBar::ReleaseParkedControls()
{
    POSITION pos = m_mapControls.GetStartPosition();
    while (pos)
    {
        UINT_PTR nKey = 0;
        CXTPControls* pControls = nullptr;
        m_mapControls.GetNextAssoc(pos, nKey, pControls);
        pControls->InternalRelease();
    }
    m_mapControls.RemoveAll();
}

void CXTPMenuBar::PruneParkedControls()
{
    m_bMenusReset = FALSE;
    if (m_mapControls.IsEmpty())
        return;
    SwitchMenu(nullptr);
    m_bMenusReset = TRUE;
    std::vector<UINT_PTR> unchanged;
    POSITION pos = m_mapControls.GetStartPosition();
    while (pos)
    {
        UINT_PTR nKey = 0;
        CXTPControls* pControls = nullptr;
        m_mapControls.GetNextAssoc(pos, nKey, pControls);
        if (!pControls->IsChanged())
            unchanged.push_back(nKey);
    }
    for (UINT_PTR nKey : unchanged)
    {
        CXTPControls* pControls = nullptr;
        m_mapControls.Lookup(nKey, pControls);
        m_mapControls.RemoveKey(nKey);
        pControls->InternalRelease();
    }
}

BOOL CXTPMenuBar::HasCustomization()
{
    if (!IsCustomizable())
        return FALSE;
    PruneParkedControls();
    return !m_mapControls.IsEmpty() || m_pControls->IsChanged();
}

BOOL CXTPMenuBar::ShouldSaveControls()
{
    return HasCustomization();
}

void CXTPMenuBar::ResetToolBar(BOOL bConfirm)
{
    const BOOL bOwnReset = m_mapControls.GetCount() > 0 || !m_pControls->GetOriginalControls();
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const UINT nIDMenu = pCommandBars ? pCommandBars->GetMenuResourceId() : m_nIDMenuCurrent;
    if (bOwnReset && nIDMenu)
    {
        if (bConfirm)
        {
            CString strFormat;
            strFormat.LoadString(XTP_IDS_CONFIRM_RESETTOOLBAR);
            CString strMessage;
            strMessage.Format(strFormat, static_cast<LPCSTR>(m_strTitle));
            if (AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONWARNING) != IDOK)
                return;
        }
        ReleaseParkedControls();
        CMenu menu;
        if (menu.LoadMenu(nIDMenu))
            LoadMenu(&menu, TRUE);
        m_nIDMenuCurrent = nIDMenu;
        m_nCurrentKey = nIDMenu;
        if (CWnd* pSite = GetSiteFrame())
            if (pSite->GetSafeHwnd())
                pSite->SendMessage(XTP_WM_TOOLBARRESET, 0, reinterpret_cast<LPARAM>(this));
    }
    else if (m_pControls->GetOriginalControls())
    {
        CXTPToolBar::ResetToolBar(bConfirm);
    }
    RefreshMdiState();
    OnRecalcLayout();
}

void CXTPMenuBar::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPToolBar::Copy(pSource, bRecursive);
    if (!pSource->IsKindOf(RUNTIME_CLASS(CXTPMenuBar)))
        return;
    CXTPMenuBar* pMenuBar = static_cast<CXTPMenuBar*>(pSource);
    m_nIDMenuCurrent = pMenuBar->m_nIDMenuCurrent;
    m_nCurrentKey = pMenuBar->m_nCurrentKey;
    ReleaseParkedControls();
    POSITION pos = pMenuBar->m_mapControls.GetStartPosition();
    while (pos)
    {
        UINT_PTR nKey = 0;
        CXTPControls* pControls = nullptr;
        pMenuBar->m_mapControls.GetNextAssoc(pos, nKey, pControls);
        m_mapControls.SetAt(nKey, pControls->Duplicate(TRUE));
    }
}
