// Access keys and keyboard tracking across the toolbar list: the underlines
// that follow the keyboard, Ctrl+Tab from bar to bar, and Alt+letter, which
// finds its control on the tracking bar or the menu bar and, where the
// options allow, on the toolbars after it.
#include "toolkit/commandbars/CommandBars.h"

#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/ShortcutManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/Controls.h"

#include <vector>

namespace {

// Access-key scope bits of the options.
const int kScopeToolBars = 1;       // toolbars answer too; the walk crosses into them
const int kScopeExplicitOnly = 4;   // only "&" markers match
// Alt+letter access is off altogether.
const int kScopeOff = 2;

// The visible controls of the bar in index order.
void AppendVisibleControls(CXTPCommandBar* pBar, std::vector<CXTPControl*>& controls)
{
    CXTPControls* pControls = pBar->GetControls();
    int nPrevious = -1;
    for (int nIndex = pControls->GetNext(-1, +1); nIndex > nPrevious;
         nIndex = pControls->GetNext(nIndex, +1))
    {
        controls.push_back(pBar->GetControl(nIndex));
        nPrevious = nIndex;
    }
}

// The control's command id; -1 stands for its action's.
int EffectiveId(const CXTPControl* pControl)
{
    const int nId = pControl->GetID();
    if (nId == -1 && pControl->GetAction())
        return pControl->GetAction()->GetID();
    return nId;
}

} // namespace

void CXTPCommandBars::ShowAccessKeyUnderlines(BOOL bShow)
{
    if (m_bCustomizeMode)
        bShow = TRUE;
    if (!m_bAccessKeyTracking || bShow == m_bKeyboardCuesVisible)
        return;
    m_bKeyboardCuesVisible = bShow;
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrBars[i]->GetSafeHwnd() && m_arrBars[i]->IsVisible())
            m_arrBars[i]->Redraw();
}

int CXTPCommandBars::GetNextVisibleBar(int nIndex, int nStep) const
{
    const int nCount = GetCount();
    if (nCount == 0 || (nStep != 1 && nStep != -1))
        return -1;
    const int nStart = nIndex >= 0 && nIndex < nCount ? nIndex : (nStep > 0 ? -1 : nCount);
    for (int n = 1; n <= nCount; ++n)
    {
        const int nNext = ((nStart + n * nStep) % nCount + nCount) % nCount;
        if (nNext == nIndex)
            break;
        CXTPToolBar* pBar = m_arrBars[nNext];
        if (pBar->IsVisible() && pBar->GetSafeHwnd()
            && pBar->GetControls()->GetNext(-1, +1) != -1)
            return nNext;
    }
    return -1;
}

BOOL CXTPCommandBars::ActivateBar(CXTPCommandBar* pBar, int nStep)
{
    CXTPCommandBar* pTarget = pBar;
    if (nStep)
    {
        if (GetCount() < 2)
            return FALSE;
        pTarget = GetAt(GetNextVisibleBar(FindIndex(pBar), nStep));
    }
    if (!pTarget || !pTarget->GetSafeHwnd())
        return FALSE;
    CloseAllPopups();
    ShowAccessKeyUnderlines(TRUE);
    pTarget->SetTrackingMode(1, FALSE, FALSE);
    pTarget->SetSelected(pTarget->GetControls()->GetNext(-1, +1), 2);
    return TRUE;
}

CXTPControl* CXTPCommandBars::FindAccessKeyControl(CXTPCommandBar* pBar, UINT nChar,
                                                   BOOL& bAmbiguous)
{
    bAmbiguous = FALSE;
    if (!pBar)
        return nullptr;
    const int nScope = m_pOptions->keyboardCuesUse;

    // The walk as one list: the bar's controls, then, when the scope lets
    // it cross, those of every other visible toolbar in list order. One
    // round over the list is the whole walk, whatever the bars hold.
    std::vector<CXTPControl*> walk;
    AppendVisibleControls(pBar, walk);
    const int nBarIndex = FindIndex(pBar);
    if ((nScope & kScopeToolBars) && nBarIndex != -1)
        for (int n = 1; n < GetCount(); ++n)
        {
            CXTPToolBar* pNext = m_arrBars[(nBarIndex + n) % GetCount()];
            if (pNext->IsVisible() && pNext->GetSafeHwnd())
                AppendVisibleControls(pNext, walk);
        }
    if (walk.empty())
        return nullptr;

    size_t nFirst = 0;
    CXTPControl* pSelected = pBar->GetControl(pBar->GetSelectedIndex());
    for (size_t i = 0; i < walk.size(); ++i)
        if (walk[i] == pSelected)
            nFirst = i + 1;

    CXTPControl* pExplicit = nullptr;
    CXTPControl* pFirstLetter = nullptr;
    for (size_t nStep = 0; nStep < walk.size(); ++nStep)
    {
        CXTPControl* pControl = walk[(nFirst + nStep) % walk.size()];
        // A caption the control does not show (an icon-only toolbar button)
        // gives the user no letter to press.
        const CString strCaption = pControl->GetCaption();
        if (strCaption.IsEmpty() || !pControl->IsCaptionVisible() || EffectiveId(pControl) == 0)
            continue;
        BOOL bFallback = FALSE;
        const UINT nLetter = XTPAccessLetterOf(strCaption, bFallback);
        if (!nLetter || !CXTPShortcutManager::VirtualKeyMatchesChar(nLetter, nChar))
            continue;
        if (!bFallback)
        {
            if (pExplicit)
            {
                bAmbiguous = TRUE;
                return pExplicit;
            }
            pExplicit = pControl;
            continue;
        }
        CXTPCommandBar* pParent = pControl->GetParent();
        const BOOL bCounts = !(nScope & kScopeExplicitOnly) && pParent
                             && (pParent->GetType() == xtpBarTypeMenuBar || pParent->GetTrackingMode());
        if (!bCounts)
            continue;
        if (pFirstLetter)
            bAmbiguous = TRUE;
        else
            pFirstLetter = pControl;
    }
    return pExplicit ? pExplicit : pFirstLetter;
}

BOOL CXTPCommandBars::HandleAccessKey(CXTPCommandBar* pBar, UINT nChar)
{
    if (m_pOptions->keyboardCuesUse == kScopeOff)
        return FALSE;
    if ((nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9 && !m_pOptions->bUseNumPadAccessKeys)
        || ::MapVirtualKeyA(nChar, 2) == 0)
        return FALSE;
    // A letter typed while a toolbar tracks goes to that toolbar's own walk:
    // the menu bar takes Alt+letters only when nothing else tracks.
    CXTPCommandBar* pCandidate = nullptr;
    for (int i = 0; i < GetCount() && !pCandidate; ++i)
        if (m_arrBars[i]->GetTrackingMode())
            pCandidate = m_arrBars[i];
    if (pCandidate && pCandidate == pBar)
        return FALSE;
    if (!pCandidate)
    {
        CXTPMenuBar* pMenuBar = GetMenuBar();
        if (pMenuBar && pMenuBar->IsVisible())
            pCandidate = pMenuBar;
        else if (m_pOptions->keyboardCuesUse & kScopeToolBars)
            for (int i = 0; i < GetCount() && !pCandidate; ++i)
                if (m_arrBars[i]->IsVisible())
                    pCandidate = m_arrBars[i];
    }
    if (!pCandidate || !pCandidate->GetSafeHwnd())
        return FALSE;
    if (pCandidate->PreviewKey(nChar))
        return TRUE;

    BOOL bAmbiguous = FALSE;
    CXTPControl* pControl = FindAccessKeyControl(pCandidate, nChar, bAmbiguous);
    CXTPCommandBar* pTarget = pControl ? pControl->GetParent() : nullptr;
    if (!pTarget || !pTarget->GetSafeHwnd())
        return FALSE;
    if (!pTarget->GetTrackingMode())
        CloseAllPopups();
    ShowAccessKeyUnderlines(TRUE);
    pTarget->SetTrackingMode(1, FALSE, TRUE);
    pTarget->SetSelected(pControl->GetIndex(), 2);
    if (!bAmbiguous)
    {
        pControl->InternalAddRef();
        pControl->OnKeyboardActivate();
        pControl->InternalRelease();
    }
    return TRUE;
}
