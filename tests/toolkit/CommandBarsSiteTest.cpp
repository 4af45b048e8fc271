// Toolbars the user or a torn-off popup makes: the site sees the request
// first and may adjust the new bar; a torn-off one floats, a user-made one
// goes to the top; neither counts as built in.
#include "toolkit/commandbars/CommandBars.h"

#include "BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"

#include <gtest/gtest.h>

namespace {

class CRequestFrame : public CFrameWnd
{
public:
    int m_nRequests = 0;
    BOOL m_bTearOff = -1;
    CString m_strTitle;
    UINT m_nBarID = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_CREATECOMMANDBAR)
        {
            const DWORD_PTR* pRequest = reinterpret_cast<const DWORD_PTR*>(lParam);
            ++m_nRequests;
            m_bTearOff = static_cast<BOOL>(pRequest[3]);
            m_strTitle = reinterpret_cast<LPCSTR>(pRequest[5]);
            m_nBarID = static_cast<UINT>(pRequest[6]);
            // The site adjusts the new bar.
            reinterpret_cast<CXTPToolBar*>(pRequest[0])->SetCloseable(FALSE);
            return 1;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(CommandBarsSite, ToolBarsFromTheSite)
{
    CRequestFrame* pFrame = new CRequestFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, "Leisten", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)));
    CRefPtr<CXTPCommandBars> pCommandBars(new CXTPCommandBars);
    pCommandBars->SetSite(pFrame);
    pCommandBars->CreateDockBars();
    const struct
    {
        const char* pszTitle;
        UINT nBarID;
        BOOL bTearOff;
        int nPosition;
    } kCases[] = {
        {"Benutzer 1", 0x10001, FALSE, xtpBarTop},
        {"Abgerissen", 0x10002, TRUE, xtpBarFloating},
    };
    for (const auto& c : kCases)
    {
        const int nRequests = pFrame->m_nRequests;
        CXTPToolBar* pBar = pCommandBars->CreateToolBarFromSite(c.pszTitle, c.nBarID, c.bTearOff);
        ASSERT_NE(nullptr, pBar) << c.pszTitle;
        EXPECT_EQ(nRequests + 1, pFrame->m_nRequests) << c.pszTitle;
        EXPECT_EQ(c.bTearOff, pFrame->m_bTearOff) << c.pszTitle;
        EXPECT_EQ(CString(c.pszTitle), pFrame->m_strTitle) << c.pszTitle;
        EXPECT_EQ(c.nBarID, pFrame->m_nBarID) << c.pszTitle;
        EXPECT_FALSE(pBar->IsCloseable()) << c.pszTitle;
        EXPECT_EQ(c.nPosition, pBar->GetPosition()) << c.pszTitle;
        EXPECT_EQ(c.nBarID, pBar->GetBarID()) << c.pszTitle;
        EXPECT_FALSE(pBar->IsBuiltIn()) << c.pszTitle;
        EXPECT_EQ(c.bTearOff, pBar->IsTearOffBar()) << c.pszTitle;
        EXPECT_EQ(pBar, pCommandBars->GetToolBar(c.nBarID)) << c.pszTitle;
        EXPECT_NE(nullptr, pBar->GetSafeHwnd()) << c.pszTitle;
    }
    EXPECT_EQ(2, pCommandBars->GetCount());
    pCommandBars->RemoveAll();
    pCommandBars.reset();
    pFrame->DestroyWindow();
}

} // namespace
