#include "RibbonTestSupport.h"

#include "toolkit/extras/RibbonGroup.h"

CSize CFixedSizeButton::GetSize(CDC* /*pDC*/)
{
    switch (GetStyle())
    {
    case xtpButtonIconAndCaptionBelow:
        return kLargeButton;
    case xtpButtonIconAndCaption:
        return kSmallCaptionButton;
    default:
        return kIconButton;
    }
}

LRESULT CRibbonTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_XTP_COMMAND)
    {
        const NMXTPCONTROL* pNotify = reinterpret_cast<const NMXTPCONTROL*>(lParam);
        if (pNotify && pNotify->pControl && pNotify->pControl->GetID() == XTP_ID_RIBBONCONTROLTAB)
        {
            const UINT nCode = pNotify->hdr.code;
            CXTPRibbonTab* pTab = nullptr;
            if (nCode == XTP_RN_TABCHANGING || nCode == XTP_RN_TABCHANGED)
                pTab = reinterpret_cast<const NMXTPRIBBONTAB*>(lParam)->pTab;
            m_notices.push_back({nCode, pTab});
            return nCode == XTP_RN_TABCHANGING && m_bVeto ? 1 : 0;
        }
    }
    if (message == WM_COMMAND)
        m_commands.push_back(LOWORD(wParam));
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void RibbonTestBase::SetUp()
{
    m_pFrame = new CRibbonTestFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Menüband", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 600)));
    m_pCommandBars.reset(new CXTPCommandBars);
    m_pCommandBars->SetSite(m_pFrame);
    m_pCommandBars->CreateDockBars();
    m_pRibbon = static_cast<CXTPRibbonBar*>(
        m_pCommandBars->CreateToolBar("Menüband", xtpBarTop, RUNTIME_CLASS(CXTPRibbonBar)));
    ASSERT_NE(nullptr, m_pRibbon);
    ASSERT_TRUE(m_pRibbon->IsKindOf(RUNTIME_CLASS(CXTPRibbonBar)));
}

void RibbonTestBase::TearDown()
{
    m_pCommandBars->RemoveAll();
    m_pCommandBars.reset();
    if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
}

CXTPControl* RibbonTestBase::AddButton(CXTPRibbonGroup* pGroup, int nID, int nStyle)
{
    CXTPControl* pControl = new CFixedSizeButton;
    pControl->SetID(nID);
    pControl->SetStyle(nStyle);
    return pGroup->AddControl(pControl);
}

void RibbonTestBase::LayoutAt(int nWidth)
{
    const CSize size = m_pRibbon->CalcDockingLayout(nWidth, LM_HORZDOCK);
    if (m_pRibbon->GetSafeHwnd())
        m_pRibbon->SetWindowPos(nullptr, 0, 0, nWidth, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pRibbon->CalcDockingLayout(nWidth, LM_HORZDOCK | LM_COMMIT);
}

void RibbonTestBase::Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
