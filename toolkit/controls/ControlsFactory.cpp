// The add-by-type factory, the binding of controls to the shared actions of
// their ids, and the conversion of menu items into controls.
#include "toolkit/controls/Controls.h"

#include "framework/ui/Menu.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlCheckBox.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/ControlEdit.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/ControlLabel.h"
#include "toolkit/controls/ControlOleItems.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlRecentFileList.h"
#include "toolkit/controls/ControlToolbars.h"
#include "toolkit/controls/ControlWindowList.h"
#include "toolkit/controls/ControlWorkspaceActions.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Menu texts longer than this are cut.
const int XTP_MAX_MENU_TEXT = 1024;
const int XTP_ID_MENU_PLACEHOLDER = 0xFF00;

// Ids whose controls bind only to an action that already exists.
BOOL IsReservedActionId(int nId)
{
    return (nId >= 9300 && nId <= 9499) || (nId >= 35000 && nId <= 35003);
}

// The item's text, cut after XTP_MAX_MENU_TEXT characters; the count the
// call answers bounds the read, never a terminating zero.
CString GetMenuText(CMenu* pMenu, int nIndex)
{
    char szText[XTP_MAX_MENU_TEXT + 2] = {};
    int nLength = ::GetMenuStringA(pMenu->GetSafeHmenu(), static_cast<UINT>(nIndex), szText,
                                   XTP_MAX_MENU_TEXT + 1, MF_BYPOSITION);
    nLength = std::max(0, std::min(nLength, XTP_MAX_MENU_TEXT));
    return CString(szText, nLength);
}

// The list placeholders made for their command ids; null for other ids.
// From menus the recent files come by the id of their first item, and the
// OLE verbs by their id with the marker caption.
CXTPControl* CreatePlaceholder(int nId, BOOL bFromMenu, const CString& strCaption)
{
    switch (nId)
    {
    case 35000:
        return new CXTPControlWindowList;
    case 35002:
        return new CXTPControlWorkspaceActions;
    case 0xE800:
        return new CXTPControlToolbars;
    case 35003:
        return bFromMenu ? nullptr : new CXTPControlRecentFileList;
    case 57616:
        return bFromMenu ? new CXTPControlRecentFileList : nullptr;
    case 57872:
        return bFromMenu && strCaption == XTP_OLE_VERBS_CAPTION ? new CXTPControlOleItems
                                                               : nullptr;
    default:
        return nullptr;
    }
}

// Menus fill popup bars that fill their own popup bars; a menu resource
// that names itself (or a site that answers with a bar being filled) would
// never end, so fills deeper than this are left empty.
const int kMaxMenuFillDepth = 16;
int g_nMenuFillDepth = 0;

void FillPopupBar(CXTPCommandBar* pBar, CMenu* pMenu)
{
    if (!pMenu || !pMenu->GetSafeHmenu() || g_nMenuFillDepth >= kMaxMenuFillDepth)
        return;
    ++g_nMenuFillDepth;
    pBar->LoadMenu(pMenu, TRUE);
    --g_nMenuFillDepth;
}

} // namespace

CXTPControl* CXTPControls::CreatePopupControl(int nType, int nId, CString* pMenuCaption,
                                              CMenu* pSubMenu) const
{
    CXTPControlPopup* pControl = CXTPControlPopup::CreateControlPopup(nType);
    CString strCaption = pMenuCaption ? *pMenuCaption : CString();
    CMenu menuResource;
    CMenu* pFill = pSubMenu;
    if (nId > 0 && (!pMenuCaption || !pSubMenu) && menuResource.LoadMenu(static_cast<UINT>(nId)))
    {
        if (!pMenuCaption)
            strCaption = GetMenuText(&menuResource, 0);
        pFill = CMenu::FromHandle(::GetSubMenu(menuResource.GetSafeHmenu(), 0));
    }

    CXTPPopupBar* pBar = nullptr;
    CWnd* pSite = GetSiteWindow();
    if (pSite && (nId > 0 || pMenuCaption))
    {
        // The popup-bar query: the bar, 0, "a popup bar is wanted", 0, 0,
        // the caption, the command id.
        DWORD_PTR query[7] = {0, 0, 1, 0, 0, reinterpret_cast<DWORD_PTR>(static_cast<LPCSTR>(strCaption)),
                              static_cast<DWORD_PTR>(nId)};
        if (pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(query)))
        {
            CObject* pObject = reinterpret_cast<CObject*>(query[0]);
            pBar = pObject ? XTPPopupBarOf(pObject) : nullptr;
        }
    }
    if (!pBar)
        pBar = CXTPPopupBar::CreatePopupBar(GetCommandBars());
    if (pMenuCaption)
        pBar->SetTitle(strCaption);
    else
        pControl->SetCaption(strCaption);
    pControl->SetCommandBar(pBar);
    pBar->InternalRelease();
    FillPopupBar(pBar, pFill);
    return pControl;
}

CWnd* CXTPControls::GetSiteWindow() const
{
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        if (CWnd* pSite = pCommandBars->GetSite())
            return pSite->GetSafeHwnd() ? pSite : nullptr;
    CWnd* pSite = m_pParent ? m_pParent->GetSite() : nullptr;
    return pSite && pSite->GetSafeHwnd() ? pSite : nullptr;
}

void CXTPControls::BindAction(CXTPControl* pControl, int nId)
{
    if (pControl->GetAction())
        return;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !pCommandBars->IsActionsEnabled() || nId < 1 || nId > 0x0FFFFFFE)
    {
        pControl->SetId(nId);
        return;
    }
    CXTPControlActions* pActions = pCommandBars->GetActions();
    if (IsReservedActionId(nId))
    {
        if (CXTPControlAction* pAction = pActions->FindAction(nId))
            pControl->SetAction(pAction);
        else
            pControl->SetId(nId);
        return;
    }
    pControl->SetAction(pActions->Add(nId));
}

CXTPControl* CXTPControls::CreateByType(int nType, int nId) const
{
    return CreateByType(nType, nId, FALSE, CString());
}

CXTPControl* CXTPControls::CreateByType(int nType, int nId, BOOL bFromMenu,
                                        const CString& strCaption) const
{
    switch (nType)
    {
    case xtpControlButton:
        if (CXTPControl* pPlaceholder = CreatePlaceholder(nId, bFromMenu, strCaption))
            return pPlaceholder;
        return new CXTPControlButton;
    case xtpControlLabel:
        return new CXTPControlLabel;
    case xtpControlCheckBox:
        return new CXTPControlCheckBox;
    case xtpControlComboBox:
        return new CXTPControlComboBox;
    case xtpControlEdit:
        return new CXTPControlEdit;
    case xtpControlGallery:
        return new CXTPControlGallery;
    default:
        // Popups, combo boxes, edits and galleries come with their own classes.
        return nullptr;
    }
}

CXTPControl* CXTPControls::Add(int nType, int nId, LPCSTR lpszParameter, int nBefore,
                               BOOL bTemporary)
{
    if (nType < xtpControlButton || nType > xtpControlGallery)
        return nullptr;
    if (nType == xtpControlCustom)
        return Add(new CXTPControlCustom, nId, lpszParameter, nBefore, bTemporary);
    CXTPControl* pControl = nType >= xtpControlPopup && nType <= xtpControlSplitButtonPopup
                                ? CreatePopupControl(nType, nId, nullptr, nullptr)
                                : CreateByType(nType, nId);
    if (!pControl)
        return nullptr;
    BindAction(pControl, nId);
    pControl->SetType(nType);
    pControl->SetParameter(lpszParameter ? lpszParameter : "");
    pControl->SetTemporary(bTemporary);
    return InsertAt(pControl, nBefore);
}

CXTPControl* CXTPControls::Add(CXTPControl* pControl, int nId, LPCSTR lpszParameter,
                               int nBefore, BOOL bTemporary)
{
    pControl->SetParameter(lpszParameter ? lpszParameter : "");
    pControl->SetTemporary(bTemporary);
    BindAction(pControl, nId);
    return InsertAt(pControl, nBefore);
}

CXTPControl* CXTPControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    HMENU hMenu = pMenu->GetSafeHmenu();
    int nId = static_cast<int>(::GetMenuItemID(hMenu, nIndex));
    BOOL bSubMenu = ::GetSubMenu(hMenu, nIndex) != nullptr;
    BOOL bDefault = static_cast<int>(::GetMenuDefaultItem(hMenu, TRUE, GMDI_USEDISABLED)) == nIndex;
    if (nId == XTP_ID_MENU_PLACEHOLDER)
        return nullptr;

    CString strCaption = GetMenuText(pMenu, nIndex);
    CString strShortcut;
    int nTab = strCaption.Find('\t');
    if (bSubMenu && nTab > 0)
    {
        nId = std::atoi(strCaption.Mid(nTab + 1));
        if (nId != 0)
            strCaption = strCaption.Left(nTab);
    }
    else if (!bSubMenu && nTab >= 0)
    {
        strShortcut = strCaption.Mid(nTab + 1);
    }

    XTP_COMMANDBARS_CREATECONTROL cs = {};
    cs.nID = nId;
    cs.bToolBar = FALSE;
    cs.nIndex = nIndex;
    cs.pMenu = pMenu;
    cs.pCommandBar = m_pParent;
    cs.strCaption = strCaption;
    cs.controlType = bSubMenu ? xtpControlPopup : xtpControlButton;
    cs.buttonStyle = xtpButtonAutomatic;

    CWnd* pSite = GetSiteWindow();
    CXTPControl* pControl = nullptr;
    int nType = cs.controlType;
    int nStyle = cs.buttonStyle;
    if (pSite && pSite->SendMessage(WM_XTP_BEFORECREATECONTROL, 0, reinterpret_cast<LPARAM>(&cs)))
    {
        pControl = cs.pControl;
        nId = cs.nID;
        strCaption = cs.strCaption;
        nType = cs.controlType;
        nStyle = cs.buttonStyle;
    }

    if (!pControl)
    {
        if (nType == xtpControlCustom)
            return nullptr;
        pControl = nType >= xtpControlPopup && nType <= xtpControlSplitButtonPopup
                       ? CreatePopupControl(nType, nId, &strCaption,
                                            CMenu::FromHandle(::GetSubMenu(hMenu, nIndex)))
                       : CreateByType(nType, nId, TRUE, strCaption);
        if (!pControl)
            return nullptr;
        pControl->SetType(nType);
        if (nStyle != pControl->GetStyleValue())
            pControl->SetStyle(nStyle);
    }

    if (!pControl->GetAction())
    {
        CXTPCommandBars* pCommandBars = GetCommandBars();
        if (!pCommandBars || !pCommandBars->IsActionsEnabled() || nId < 1 || nId > 0x0FFFFFFE)
        {
            pControl->SetId(nId);
            pControl->SetCaption(strCaption);
        }
        else
        {
            CXTPControlAction* pAction = pCommandBars->GetActions()->Add(nId);
            pControl->SetAction(pAction);
            if (pAction->GetOwnCaption().IsEmpty())
                pAction->SetCaption(strCaption);
            if (!strShortcut.IsEmpty())
                pControl->SetCaptionShortcut(strShortcut);
        }
    }
    pControl->SetDefaultItem(bDefault);
    InsertAt(pControl, -1);
    if (pSite)
    {
        cs.pControl = pControl;
        pSite->SendMessage(WM_XTP_AFTERCREATECONTROL, 0, reinterpret_cast<LPARAM>(&cs));
    }
    return pControl;
}
