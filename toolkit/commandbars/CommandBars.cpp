#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/DocTemplate.h"
#include "framework/ui/Document.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CustomizeDragSource.h"
#include "toolkit/commandbars/MenuSoundPlayer.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPCommandBarsOptions, CCmdTarget)
IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

CXTPCommandBarsOptions::CXTPCommandBarsOptions(CXTPCommandBars* pCommandBars)
    : bAlwaysShowFullMenus(TRUE), bShowFullAfterDelay(TRUE), bToolBarScreenTips(TRUE),
      bToolBarAccelTips(FALSE), bLargeIcons(FALSE), bSyncFloatingBars(TRUE),
      bShowExpandButtonAlways(TRUE), bDblClickFloat(FALSE), bShowTextBelowIcons(FALSE),
      bAltDragCustomization(TRUE), bAutoHideUnusedPopups(TRUE), bDirty(FALSE), nAnimationType(0),
      keyboardCuesUse(1), szIcons(0, 0), szLargeIcons(0, 0), szPopupIcons(16, 16),
      bUseNumPadAccessKeys(FALSE), m_pCommandBars(pCommandBars), keyboardCuesShow(0),
      bShowPopupBarToolTips(FALSE), bAutoUpdateShortcuts(TRUE), bUseSystemSaveBitsStyle(TRUE),
      bShowStatusDescriptions(TRUE), bDisableCommandIfNoHandler(TRUE), bAllowMoveAll(FALSE)
{
}

CXTPCommandBars::CXTPCommandBars()
    : m_bIgnoreShiftMenuKey(FALSE), m_pPaintManager(nullptr), m_pImageManager(nullptr),
      m_pDragSelected(nullptr), m_bCustomizeMode(FALSE), m_bCustomizableControls(FALSE),
      m_nIDMenu(0), m_pOptions(new CXTPCommandBarsOptions(this)), m_pSite(nullptr),
      m_bKeyboardCuesVisible(TRUE), m_pActions(new CXTPControlActions(this)),
      m_bEnableActions(TRUE), m_bLockLayout(FALSE), m_bRightToLeft(FALSE),
      m_bCustomizable(TRUE), m_bAccessKeyTracking(FALSE), m_nHelpId(0), m_pToolTipContext(new CXTPToolTipContext),
      m_pDragSource(new CustomizeDragSource(this))
{
    m_pToolTipContext->ModifyTipStyle(2, 0);
}

CXTPCommandBars::~CXTPCommandBars()
{
    SetDragControl(nullptr);
    // A site destroyed without the dock bars telling (it had none) is known
    // by its window having left the handle map; it is not touched again.
    if (m_hSite && CWnd::FromHandlePermanent(m_hSite) != m_pSite)
        OnSiteDestroyed();
    // The toolbars go first: their windows still draw with the managers
    // released below.
    RemoveAll();
    SetCustomizeContextMenu(nullptr);
    DestroyDockBars();
    delete m_pDragSource;
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    if (m_pShortcutManager)
        m_pShortcutManager->InternalRelease();
    m_pOptions->InternalRelease();
    GetMenuSoundPlayer().Stop();
    m_pActions->RemoveAll();
    m_pActions->InternalRelease();
}

CXTPPaintManager* CXTPCommandBars::GetPaintManager() const
{
    return m_pPaintManager ? m_pPaintManager : XTPPaintManager();
}

CXTPImageManager* CXTPCommandBars::GetImageManager() const
{
    return m_pImageManager ? m_pImageManager : XTPImageManager();
}

void CXTPCommandBars::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (pPaintManager)
        pPaintManager->InternalAddRef();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
}

void CXTPCommandBars::SetImageManager(CXTPImageManager* pImageManager)
{
    if (pImageManager)
        pImageManager->InternalAddRef();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

void CXTPCommandBars::SetSite(CWnd* pSite)
{
    m_pSite = pSite;
    m_hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    m_bCustomizableControls = FALSE;
    if (pSite && pSite->GetSafeHwnd())
    {
        // Asks only whether a handler exists; none runs.
        AFX_CMDHANDLERINFO info = {};
        m_bCustomizableControls = pSite->OnCmdMsg(XTP_ID_CUSTOMIZE, CN_COMMAND, nullptr, &info);
        m_bRightToLeft = (pSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    }
}

void CXTPCommandBars::OnSiteDestroyed()
{
    // The site object may be deleted right after its window: nothing may
    // reach it through these pointers any more.
    m_pSite = nullptr;
    m_hSite = nullptr;
    if (m_pShortcutManager)
        m_pShortcutManager->SetSite(nullptr);
}

BOOL CXTPCommandBars::IsLayoutRTL() const
{
    if (m_pSite && m_pSite->GetSafeHwnd() && (m_pSite->GetExStyle() & WS_EX_LAYOUTRTL))
        return TRUE;
    return m_bRightToLeft;
}

CXTPControlAction* CXTPCommandBars::GetAction(int nId)
{
    return m_bEnableActions ? m_pActions->Add(nId) : nullptr;
}

void CXTPCommandBars::SetCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    SetDragControl(nullptr);
    if (bMode)
        m_bKeyboardCuesVisible = TRUE;
}

void CXTPCommandBars::SetDragControl(CXTPControl* pControl)
{
    if (pControl == m_pDragSelected)
        return;
    CXTPControl* pOld = m_pDragSelected;
    m_pDragSelected = pControl;
    if (pControl)
        pControl->InternalAddRef();
    if (pOld)
    {
        pOld->RedrawParent(FALSE);
        pOld->InternalRelease();
    }
    if (pControl)
        pControl->RedrawParent(FALSE);
}

BOOL CXTPCommandBars::IsCommandHidden(UINT nId)
{
    BOOL bValue;
    return m_pOptions->m_mapHiddenCommands.Lookup(nId, bValue)
           && !m_pOptions->m_mapUsedCommands.Lookup(nId, bValue);
}

BOOL CXTPCommandBars::IsControlHidden(CXTPControl* pControl)
{
    if (IsCommandHidden(static_cast<UINT>(pControl->GetID())))
        return TRUE;
    if (!m_pOptions->bAutoHideUnusedPopups)
        return FALSE;
    int nType = pControl->GetType();
    if (nType != xtpControlPopup && nType != xtpControlButtonPopup
        && nType != xtpControlSplitButtonPopup)
        return FALSE;
    CXTPCommandBar* pSubBar = pControl->GetCommandBar();
    if (!pSubBar || pSubBar->GetControlCount() == 0)
        return FALSE;
    // Sub-bars can be shared and can hold themselves further down. A bar
    // already being searched adds nothing to the answer (its other controls
    // decide it where the search began), which ends the cycle.
    if (std::find(m_hiddenSearch.begin(), m_hiddenSearch.end(), pSubBar) != m_hiddenSearch.end())
        return TRUE;
    m_hiddenSearch.push_back(pSubBar);
    BOOL bHidden = TRUE;
    for (int i = 0; bHidden && i < pSubBar->GetControlCount(); ++i)
        bHidden = IsControlHidden(pSubBar->GetControl(i));
    m_hiddenSearch.pop_back();
    return bHidden;
}

UINT CXTPCommandBars::GetActiveMenuId()
{
    if (!m_pSite || !m_pSite->GetSafeHwnd() || !m_pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return 0;
    CMDIChildWnd* pChild = static_cast<CMDIFrameWnd*>(m_pSite)->MDIGetActive();
    if (!pChild)
        return m_nIDMenu;
    CDocument* pDocument = pChild->GetActiveDocument();
    if (!pDocument)
        return 0;
    // The child was made from its template's resources: a document shown
    // by another template's frame takes the template of the child's id.
    const UINT nChildId = pChild->m_nIDHelp;
    CDocTemplate* pTemplate = pDocument->GetDocTemplate();
    if (pTemplate && pTemplate->GetResourceID() == nChildId)
        return nChildId;
    CWinApp* pApp = AfxGetApp();
    POSITION pos = pApp ? pApp->GetFirstDocTemplatePosition() : nullptr;
    while (pos)
        if (CDocTemplate* pOther = pApp->GetNextDocTemplate(pos))
            if (pOther->GetResourceID() == nChildId)
                return nChildId;
    return 0;
}

void CXTPCommandBars::SetCommandUsed(UINT nId)
{
    if (!IsCommandHidden(nId))
        return;
    m_pOptions->m_mapUsedCommands.SetAt(nId, TRUE);
    m_pOptions->bDirty = TRUE;
}

void CXTPCommandBars::CloseAllPopups()
{
    XTPMouseManager()->SendTrackLost();
}

void CXTPCommandBars::OnTrackingModeChanged(CXTPCommandBar* /*pBar*/, int nMode)
{
    // Underlines shown for the keyboard go when the last bar stops tracking.
    if (!nMode && m_bAccessKeyTracking && XTPMouseManager()->GetTrackCount() == 0)
        m_bKeyboardCuesVisible = FALSE;
}

void CXTPCommandBars::RecalcFrameLayout(BOOL bDelay)
{
    if (m_bLockLayout || !m_pSite || !m_pSite->GetSafeHwnd()
        || !m_pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(m_pSite);
    if (bDelay)
        pFrame->DelayRecalcLayout(FALSE);
    else
        pFrame->RecalcLayout(FALSE);
}
