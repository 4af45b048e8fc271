// The system-menu control of a maximized MDI child: the child's small icon
// at the front of the menu bar, opening the child's system menu as a popup
// bar whose commands go to the child as system commands.
#include "toolkit/commandbars/MenuBar.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Menu.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"

namespace {

// The system commands a system menu holds.
const UINT kFirstSysCommand = 0xF000;
const UINT kLastSysCommand = 0xF1EF;
// The description strings of the system commands.
const UINT kFirstSysCommandPrompt = 0xEF00;
const int kIconSize = 16;
// Longest menu text read.
const int kMaxMenuText = 1024;

// A system command of the child's system menu: it reaches the child as
// WM_SYSCOMMAND, as the window's own system menu would send it, once the
// menus have closed.
class CSysCommandButton : public CXTPControlButton
{
public:
    explicit CSysCommandButton(HWND hChild = nullptr) : m_hChild(hChild) {}
    void OnExecute() override
    {
        const HWND hChild = m_hChild;
        const WPARAM nCommand = static_cast<WPARAM>(GetID());
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->CloseAllPopups();
        if (::IsWindow(hChild))
            ::PostMessageA(hChild, WM_SYSCOMMAND, nCommand, 0);
    }
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override
    {
        if (CSysCommandButton* pButton = dynamic_cast<CSysCommandButton*>(pSource))
            m_hChild = pButton->m_hChild;
        CXTPControlButton::Copy(pSource, bRecursive);
    }

protected:
    CXTPControl* CreateSameClass() const override { return new CSysCommandButton; }

private:
    HWND m_hChild;
};

HICON WindowIcon(HWND hWnd)
{
    if (HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_XTP_GETWINDOWICON, 0, 0)))
        return hIcon;
    if (HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0)))
        return hIcon;
    if (HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_BIG, 0)))
        return hIcon;
    if (HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICONSM)))
        return hIcon;
    return ::LoadIconA(nullptr, MAKEINTRESOURCEA(32517));   // IDI_WINLOGO
}

} // namespace

class CXTPMenuBar::CControlMDISysMenuPopup : public CXTPControlPopup
{
public:
    // The popup bar that holds the child's system menu.
    class CXTPSysMenuPopupBar : public CXTPPopupBar
    {
    };

    CControlMDISysMenuPopup() : m_hSysMenu(nullptr), m_hIcon(nullptr)
    {
        SetType(xtpControlPopup);
        SetCaption("-");
        m_dwFlags |= xtpFlagManualUpdate | xtpFlagNoMovable;
    }
    ~CControlMDISysMenuPopup() override
    {
        if (m_hIcon)
            ::DestroyIcon(m_hIcon);
    }
    HMENU GetSysMenu() const { return m_hSysMenu; }

    // Takes the child's icon and fills the popup from its system menu.
    void SetMDISysMenu(HWND hChild, HMENU hSysMenu, CXTPCommandBars* pCommandBars)
    {
        m_hSysMenu = hSysMenu;
        if (m_hIcon)
            ::DestroyIcon(m_hIcon);
        m_hIcon = static_cast<HICON>(
            ::CopyImage(WindowIcon(hChild), IMAGE_ICON, kIconSize, kIconSize, 0));
        if (!GetCommandBar())
        {
            CXTPSysMenuPopupBar* pBar = new CXTPSysMenuPopupBar;
            pBar->SetCommandBars(pCommandBars);
            SetCommandBar(pBar);
            pBar->InternalRelease();
        }
        Fill(hChild);
    }
    CSize GetSize(CDC* /*pDC*/) override { return CSize(kIconSize, kIconSize); }
    void Draw(CDC* pDC) override
    {
        CXTPCommandBar* pBar = GetParent();
        CRect rc = GetRect();
        if (pBar)
        {
            CRect rcFace(rc);
            rcFace.InflateRect(1, 1);
            GetPaintManager()->DrawButtonFace(pDC, rcFace, GetSelected(), GetPressed(), GetEnabled(),
                                              FALSE, IsPopupOpen(), pBar->GetType(),
                                              pBar->GetPosition());
        }
        if (m_hIcon)
            ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0,
                         rc.left, rc.top, kIconSize, kIconSize, DST_ICON | DSS_NORMAL);
    }

private:
    void Fill(HWND hChild)
    {
        CXTPControls* pControls = GetCommandBar()->GetControls();
        pControls->RemoveAll();
        CMenu* pMenu = CMenu::FromHandle(m_hSysMenu);
        const int nCount = ::GetMenuItemCount(m_hSysMenu);
        const UINT nDefault = ::GetMenuDefaultItem(m_hSysMenu, FALSE, GMDI_USEDISABLED);
        BOOL bBeginGroup = FALSE;
        for (int i = 0; i < nCount; ++i)
        {
            const UINT nState = ::GetMenuState(m_hSysMenu, static_cast<UINT>(i), MF_BYPOSITION);
            if (nState & MF_SEPARATOR)
            {
                bBeginGroup = TRUE;
                continue;
            }
            const UINT nId = ::GetMenuItemID(m_hSysMenu, i);
            CXTPControl* pControl = nullptr;
            if (nId >= kFirstSysCommand && nId <= kLastSysCommand)
            {
                char szText[kMaxMenuText + 1] = {};
                ::GetMenuStringA(m_hSysMenu, static_cast<UINT>(i), szText, kMaxMenuText, MF_BYPOSITION);
                pControl = pControls->Add(new CSysCommandButton(hChild), static_cast<int>(nId));
                pControl->SetCaption(szText);
                CString strPrompt;
                if (strPrompt.LoadString(((nId - kFirstSysCommand) >> 4) + kFirstSysCommandPrompt))
                    pControl->SetDescription(strPrompt);
                pControl->SetDefaultItem(nId == nDefault);
                pControl->SetEnabled(!(nState & (MF_GRAYED | MF_DISABLED)));
                pControl->SetFlags(pControl->GetFlags() | xtpFlagManualUpdate);
            }
            else
            {
                pControl = pControls->LoadMenuItem(pMenu, i);
            }
            if (pControl && bBeginGroup)
                pControl->SetBeginGroup(TRUE);
            bBeginGroup = FALSE;
        }
    }

    HMENU m_hSysMenu;
    HICON m_hIcon;
};

BOOL CXTPMenuBar::UpdateSysMenuPopup(HWND hChild, BOOL bMaximized)
{
    CXTPControl* pExisting = FindSpecial(XTP_ID_MENUBAR_SYSMENU);
    CControlMDISysMenuPopup* pPopup = dynamic_cast<CControlMDISysMenuPopup*>(pExisting);
    HMENU hSysMenu = bMaximized && (m_dwFlags & xtpFlagAddMDISysPopup) && hChild
                         ? ::GetSystemMenu(hChild, FALSE)
                         : nullptr;
    if (!hSysMenu || !::IsMenu(hSysMenu))
    {
        if (!pExisting)
            return FALSE;
        m_pControls->Remove(pExisting);
        return TRUE;
    }
    if (pPopup && pPopup->GetSysMenu() == hSysMenu)
        return FALSE;
    if (!pPopup)
    {
        pPopup = new CControlMDISysMenuPopup;
        m_pControls->Add(pPopup, static_cast<int>(XTP_ID_MENUBAR_SYSMENU), nullptr, 0, TRUE);
    }
    pPopup->SetMDISysMenu(hChild, hSysMenu, GetCommandBars());
    return TRUE;
}
