#include "toolkit/controls/ControlWindowList.h"

#include "framework/core/Archive.h"
#include "framework/ui/MdiFrameWnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlListPlaceholder.h"
#include "toolkit/controls/Controls.h"

IMPLEMENT_SERIAL(CXTPControlWindowList, CXTPControlButton, 18)

namespace {

UINT g_nFirstWindowId = 0xFF00;
// The string whose prompt describes a window item ("activate this window").
const UINT kMdiChildPromptId = 61215;
const int kMaxWindowText = 256;

} // namespace

UINT CXTPControlWindowList::GetFirstWindowId()
{
    return g_nFirstWindowId;
}

void CXTPControlWindowList::SetFirstWindowId(UINT nId)
{
    g_nFirstWindowId = nId;
}

HWND XTPGetSiteMDIClient(CXTPCommandBar* pBar)
{
    CWnd* pSite = pBar ? pBar->GetSite() : nullptr;
    if (!pSite || !pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    HWND hClient = static_cast<CMDIFrameWnd*>(pSite)->m_hWndMDIClient;
    return ::IsWindow(hClient) ? hClient : nullptr;
}

void CXTPControlWindowList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!m_pControls)
        return;
    CXTPLayoutChangeScope scope(m_pParent);
    RemoveListItems(this, [](CXTPControl* pItem) {
        return static_cast<UINT>(pItem->GetID()) >= g_nFirstWindowId;
    });
    HWND hClient = IsPlaceholderCustomizing(this) ? nullptr : XTPGetSiteMDIClient(m_pParent);
    if (!hClient)
    {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(GetHideFlags() | xtpHideGeneric);

    HWND hActive = reinterpret_cast<HWND>(::SendMessageA(hClient, WM_MDIGETACTIVE, 0, 0));
    if (hActive)
    {
        const UINT nActiveId = static_cast<UINT>(::GetDlgCtrlID(hActive));
        if (nActiveId >= 0x8000 && nActiveId <= 0x800E)
            g_nFirstWindowId = 0x8000;
        else if (nActiveId >= 1 && nActiveId <= 14)
            g_nFirstWindowId = 1;
    }

    CString strPrompt;
    const BOOL bPrompt = strPrompt.LoadString(kMdiChildPromptId);
    int nListed = 0;
    for (UINT nId = g_nFirstWindowId; nListed < maxListedWindows; ++nId)
    {
        HWND hChild = ::GetDlgItem(hClient, static_cast<int>(nId));
        if (!hChild)
            break;
        // The child's own visibility: a frame still hidden lists its windows too.
        if (!(::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE))
            continue;
        char szText[kMaxWindowText + 1] = {};
        ::GetWindowTextA(hChild, szText, kMaxWindowText + 1);
        ++nListed;
        CXTPControl* pItem = InsertListItem(this, m_nIndex + nListed, static_cast<int>(nId),
                                            FormatMenuItemCaption(szText, nListed));
        if (!pItem)
            continue;
        if (hChild == hActive)
            pItem->SetChecked(TRUE);
        if (bPrompt)
        {
            pItem->SetHelpId(static_cast<int>(kMdiChildPromptId));
            pItem->SetPrompt(strPrompt);
        }
        if (nListed == 1)
        {
            pItem->SetBeginGroup(TRUE);
            if (m_dwFlags & xtpFlagWrapRow)
                pItem->SetFlags(pItem->GetFlags() | xtpFlagWrapRow);
        }
    }
}
