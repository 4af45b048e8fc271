// The caption of a skinned frame the ribbon draws into: the frame-skinning
// object and the context headers over runs of context tabs.
#include "toolkit/extras/RibbonBar.h"

#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>

namespace {

// The narrowest a context header gets.
const int kMinHeaderWidth = 40;

// Fits the headers between nLeft and nRight: forwards each starts at least
// at the previous one's end, backwards each ends at most at the next one's
// start, each at least 40 wide. FALSE when they do not fit.
BOOL FitHeaders(std::vector<std::unique_ptr<CXTPRibbonTabContextHeader>>& arrHeaders, int nLeft,
                int nRight)
{
    int nLimit = nLeft;
    for (auto& pHeader : arrHeaders)
    {
        CRect& rc = pHeader->m_rcHeader;
        rc.left = std::max(static_cast<int>(rc.left), nLimit);
        rc.right = std::max(static_cast<int>(rc.right), static_cast<int>(rc.left) + kMinHeaderWidth);
        nLimit = rc.right;
    }
    nLimit = nRight;
    for (auto it = arrHeaders.rbegin(); it != arrHeaders.rend(); ++it)
    {
        CRect& rc = (*it)->m_rcHeader;
        rc.right = std::min(static_cast<int>(rc.right), nLimit);
        rc.left = std::min(static_cast<int>(rc.left), static_cast<int>(rc.right) - kMinHeaderWidth);
        if (rc.left < nLeft)
            return FALSE;
        nLimit = rc.left;
    }
    return TRUE;
}

} // namespace

void CXTPRibbonBar::EnableFrameTheme(BOOL bEnable)
{
    CWnd* pFrame = GetSiteFrame();
    HWND hFrame = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    if (!bEnable)
    {
        const BOOL bWasSkinned = m_pFrameHook != nullptr;
        m_pFrameHook.reset();
        LayoutCaptionButtons();
        m_arrContextHeaders.clear();
        for (int i = 0; i < GetTabCount(); ++i)
            GetTab(i)->SetContextHeader(nullptr);
        // The frame gets its own caption and shape back.
        if (bWasSkinned && hFrame)
        {
            ::SetWindowRgn(hFrame, nullptr, TRUE);
            ::SetWindowPos(hFrame, nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    else if (!m_pFrameHook && hFrame)
    {
        m_pFrameHook.reset(new FrameHook(pFrame, GetCommandBars(), this));
        // Under a look that draws no frames the ribbon's own theme does.
        m_pFrameHook->SetPaintManager(GetRibbonTheme());
        m_pFrameHook->SetRibbonVisible(m_bRibbonBarVisible);
        m_pFrameHook->RecalcFrame();
    }
    if (m_hWnd)
        RecalcLayout();
}

void CXTPRibbonBar::LayoutContextHeaders()
{
    // The old headers go; the tabs must not keep pointing at them.
    for (int i = 0; i < GetTabCount(); ++i)
        GetTab(i)->SetContextHeader(nullptr);
    m_arrContextHeaders.clear();

    CXTPRibbonTabContextHeader* pLast = nullptr;
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CXTPRibbonTab* pTab = GetTab(i);
        if (!pTab->IsVisible() || pTab->GetContextColor() == 0 || pTab->GetContextCaption().IsEmpty())
        {
            pLast = nullptr;
            continue;
        }
        const CRect rcTab = pTab->GetRect();
        if (pLast && pLast->m_nColor == pTab->GetContextColor()
            && pLast->m_strCaption == pTab->GetContextCaption())
        {
            pLast->m_pLastTab = pTab;
            pLast->m_rcHeader.right = rcTab.right;
        }
        else
        {
            std::unique_ptr<CXTPRibbonTabContextHeader> pHeader(new CXTPRibbonTabContextHeader);
            pHeader->m_pFirstTab = pHeader->m_pLastTab = pTab;
            pHeader->m_strCaption = pTab->GetContextCaption();
            pHeader->m_nColor = pTab->GetContextColor();
            pHeader->m_rcHeader = CRect(rcTab.left, m_rcCaption.top + 4, rcTab.right, m_rcCaption.bottom);
            pLast = pHeader.get();
            m_arrContextHeaders.push_back(std::move(pHeader));
        }
        pTab->SetContextHeader(pLast);
    }
    if (m_arrContextHeaders.empty())
        return;

    auto dropAll = [this]() {
        for (int i = 0; i < GetTabCount(); ++i)
            GetTab(i)->SetContextHeader(nullptr);
        m_arrContextHeaders.clear();
    };
    const int nLeft = m_rcCaptionText.left;
    const int nRight = m_rcCaptionText.right;
    if (!FitHeaders(m_arrContextHeaders, nLeft, nRight))
    {
        dropAll();
        return;
    }

    // The title keeps clear of the headers: it moves to the side with more room.
    CString strTitle;
    if (CWnd* pFrame = GetSiteFrame())
        pFrame->GetWindowText(strTitle);
    CClientDC dc(m_hWnd ? this : nullptr);
    CXTPFontDC font(&dc, &GetRibbonTheme()->m_fontFrameCaption);
    const int nTitle = dc.GetTextExtent(strTitle).cx + 20;
    const int nHeadersLeft = m_arrContextHeaders.front()->m_rcHeader.left;
    const int nHeadersRight = m_arrContextHeaders.back()->m_rcHeader.right;
    const int nTitleLeft = (nLeft + nRight - nTitle) / 2;
    if (nTitleLeft >= nHeadersRight || nTitleLeft + nTitle <= nHeadersLeft)
        return;
    const BOOL bHeadersLeft = (nHeadersLeft + nHeadersRight) / 2 < nTitleLeft + nTitle / 2;
    if (bHeadersLeft)
    {
        if (nHeadersRight + nTitle <= nRight)
            return;
        if (!FitHeaders(m_arrContextHeaders, nLeft, nRight - nTitle))
            dropAll();
    }
    else
    {
        if (nHeadersLeft - nTitle >= nLeft)
            return;
        if (!FitHeaders(m_arrContextHeaders, nLeft + nTitle, nRight))
            dropAll();
    }
}
