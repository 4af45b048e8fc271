// What the ribbon tests share: a frame that records the tab notifications
// its ribbon sends (and may veto a change), a ribbon made by name on it, and
// buttons whose size depends only on their style, so that the groups'
// widths at each reduction level are known numbers.
#pragma once

#include "framework/ui/ControlBar.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/extras/RibbonBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Sizes of the fixed buttons: large (icon and caption below), small with a
// caption, icon only.
const CSize kLargeButton(100, 66);
const CSize kSmallCaptionButton(150, 22);
const CSize kIconButton(50, 22);

class CFixedSizeButton : public CXTPControlButton
{
public:
    CSize GetSize(CDC* pDC) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CFixedSizeButton; }
};

// A frame whose notifications of the ribbon's tab control are recorded.
class CRibbonTestFrame : public CFrameWnd
{
public:
    struct Notice
    {
        UINT nCode;
        CXTPRibbonTab* pTab;
    };
    std::vector<Notice> m_notices;
    BOOL m_bVeto = FALSE;
    std::vector<UINT> m_commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

struct ReleaseCmdTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};

class RibbonTestBase : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A fixed-size button of the style in the group.
    static CXTPControl* AddButton(CXTPRibbonGroup* pGroup, int nID, int nStyle);
    // Lays the ribbon out at the width (its window sized to it).
    void LayoutAt(int nWidth);
    static void Pump();

    CRibbonTestFrame* m_pFrame = nullptr;
    std::unique_ptr<CXTPCommandBars, ReleaseCmdTarget> m_pCommandBars;
    CXTPRibbonBar* m_pRibbon = nullptr;
};
