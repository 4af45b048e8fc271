// The main frame's own commands: view modes and panes, banner, hiding,
// character map, options, web pages and leaving the program.
#include "app/MainFrame.h"

#include "app/AutoSave.h"
#include "app/OptionenDlg.h"
#include "app/Settings.h"
#include "app/ShellCommands.h"
#include "app/WindowVisibility.h"
#include "app/res/resource.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Document.h"
#include "toolkit/commandbars/ToolBar.h"

void CMainFrame::OnNormalView()
{
    ShowNormalView();
}

void CMainFrame::OnTextOnly()
{
    ShowTextOnly();
}

void CMainFrame::OnTreeOnly()
{
    ShowTreeOnly();
}

void CMainFrame::OnAttachmentsPane()
{
    ToggleAttachmentsPane();
}

void CMainFrame::OnUpdateAttachmentsPane(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsAttachmentsPaneVisible());
}

void CMainFrame::OnBanner()
{
    const BOOL bShow = !m_wndBanner.IsWindowVisible();
    ShowControlBar(&m_wndBanner, bShow, FALSE);
    QivSettings::Set(QivSettings::Banner, bShow ? 1 : 0);
}

void CMainFrame::OnUpdateBanner(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndBanner.IsWindowVisible());
}

void CMainFrame::OnHideRestore()
{
    QivToggleHideRestore(this);
}

void CMainFrame::OnUpdateHideRestore(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(QivHideRestoreText(this));
}

void CMainFrame::OnCharacterMap()
{
    QivOpenCharacterMap();
}

void CMainFrame::OnWebHome()
{
    QivOpenWebPage(IDS_HOME_PAGE_URL);
}

void CMainFrame::OnWebShop()
{
    QivOpenWebPage(IDS_SHOP_URL);
}

void CMainFrame::OnOptions()
{
    QivViewOptions view;
    view.bStandardBar = m_pStandardBar && m_pStandardBar->IsVisible();
    view.bViewBar = m_pViewBar && m_pViewBar->IsVisible();
    view.bFormatBar = m_pFormatBar && m_pFormatBar->IsVisible();
    view.bStatusBar = m_wndStatusBar.IsWindowVisible();
    view.bBanner = m_wndBanner.IsWindowVisible();
    view.strBannerText = QivSettings::Get(QivSettings::BannerText);
    CDocument* pDocument = GetActiveDocument();
    C_OptionenDlg dialog(view, pDocument ? pDocument->GetPathName() : CString());
    if (dialog.DoModal() != IDOK)
        return;
    const C_AnsichtPageDlg& page = dialog.m_ansichtPage;
    const struct
    {
        CXTPToolBar* pBar;
        BOOL bVisible;
    } bars[] = {{m_pStandardBar, page.m_bStandardBar}, {m_pViewBar, page.m_bViewBar}, {m_pFormatBar, page.m_bFormatBar}};
    for (const auto& bar : bars)
        if (bar.pBar)
            bar.pBar->SetVisible(bar.bVisible);
    ShowControlBar(&m_wndStatusBar, page.m_bStatusBar, FALSE);
    m_wndBanner.SetWindowText(page.m_strBannerText);
    ShowControlBar(&m_wndBanner, page.m_bBanner, FALSE);
    QivSettings::Set(QivSettings::Banner, page.m_bBanner ? 1 : 0);
    m_wndBanner.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    QivRestartAutoSave(this);
    QivApplyTopMost(this);
}
