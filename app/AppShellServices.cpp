#include "app/AppShellServices.h"

#include "app/MainFrame.h"
#include "app/SoundEvents.h"
#include "app/TextView.h"
#include "app/TreeView.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"
#include "model/ShellServices.h"

namespace {

CMainFrame* MainFrame()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? dynamic_cast<CMainFrame*>(pApp->m_pMainWnd) : nullptr;
}

class CQivAppShellServices : public CQivShellServices
{
public:
    void PlaySoundEvent(LPCSTR lpszEvent) override { ::PlaySoundEvent(lpszEvent); }

    HWND GetTextEditor() override
    {
        CMainFrame* pFrame = MainFrame();
        CQivTextView* pText = pFrame ? pFrame->GetQivTextView() : nullptr;
        return pText ? pText->GetSafeHwnd() : nullptr;
    }

    void StoreCurrentEntryText() override
    {
        if (CMainFrame* pFrame = MainFrame())
            pFrame->StoreCurrentEntryText();
    }

    void CloseSearchWindow() override
    {
        if (CMainFrame* pFrame = MainFrame())
            pFrame->CloseSearchWindow();
    }

    HWND GetTreeWindow() override
    {
        CMainFrame* pFrame = MainFrame();
        CQivTreeView* pTree = pFrame ? pFrame->GetTreeView() : nullptr;
        return pTree ? pTree->GetSafeHwnd() : nullptr;
    }

    // The text view's find from the caret (it selects the hit); nothing
    // while no entry is shown.
    BOOL FindTextInEditor(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord) override
    {
        CMainFrame* pFrame = MainFrame();
        CQivTextView* pText = pFrame ? pFrame->GetQivTextView() : nullptr;
        return pText && ::IsWindow(pText->m_hWnd) && pText->FindText(lpszText, bMatchCase, bWholeWord, TRUE);
    }

    void OnItemExpanding(HTREEITEM hItem, UINT nAction) override
    {
        CMainFrame* pFrame = MainFrame();
        if (CQivTreeView* pTree = pFrame ? pFrame->GetTreeView() : nullptr)
            pTree->OnItemExpanding(hItem, nAction);
    }
};

} // namespace

void QivInstallAppShellServices()
{
    static CQivAppShellServices services;
    QivSetShellServices(&services);
}
