// Where a customise drag may drop a control: any bar takes a plain button,
// while the five list placeholders and a hosted-window control belong in
// menus and are refused by every bar but a popup bar, which then shows no
// insertion marker.
#include "toolkit/commandbars/CommandBar.h"

#include "BarTestSupport.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/ControlOleItems.h"
#include "toolkit/controls/ControlRecentFileList.h"
#include "toolkit/controls/ControlToolbars.h"
#include "toolkit/controls/ControlWindowList.h"
#include "toolkit/controls/ControlWorkspaceActions.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A bar of the type that shows itself as visible, so drags may enter it.
class CDropTestBar : public CTestBar
{
public:
    using CTestBar::CTestBar;
    BOOL IsVisible() const override { return TRUE; }
    CRect GetMarker() const { return m_rcMarker; }
};

} // namespace

TEST(CustomizeDragOver, MenuOnlyControlsDropOnlyOntoPopupBars)
{
    const struct
    {
        const char* pszName;
        std::function<CXTPControl*()> make;
        BOOL bMenuOnly;
    } kControls[] = {
        {"button", [] { return new CXTPControlButton; }, FALSE},
        {"window list", [] { return new CXTPControlWindowList; }, TRUE},
        {"toolbar list", [] { return new CXTPControlToolbars; }, TRUE},
        {"OLE verbs", [] { return new CXTPControlOleItems; }, TRUE},
        {"recent files", [] { return new CXTPControlRecentFileList; }, TRUE},
        {"tab-group commands", [] { return new CXTPControlWorkspaceActions; }, TRUE},
        {"custom", [] { return new CXTPControlCustom; }, TRUE},
    };
    const struct
    {
        const char* pszName;
        int nType;
        int nPosition;
    } kBars[] = {{"toolbar", xtpBarTypeNormal, xtpBarTop},
                 {"menu bar", xtpBarTypeMenuBar, xtpBarTop},
                 {"floating", xtpBarTypeNormal, xtpBarFloating},
                 {"popup", xtpBarTypePopup, xtpBarPopup}};
    for (const auto& bar : kBars)
    {
        CDropTestBar target(bar.nType, bar.nPosition);
        ASSERT_TRUE(target.CreateHidden(200, 60));
        CXTPControl* pTarget = target.GetControls()->Add(xtpControlButton, 4711);
        pTarget->SetCaption("Ziel");
        pTarget->SetRect(CRect(10, 10, 60, 32));
        const CPoint pt = target.GetControl(0)->GetRect().CenterPoint();
        for (const auto& control : kControls)
        {
            CRefPtr<CXTPControl> pControl(control.make());
            const BOOL bTaken = !control.bMenuOnly || bar.nType == xtpBarTypePopup;
            DWORD dropEffect = DROPEFFECT_MOVE;
            EXPECT_EQ(bTaken, pControl->IsCustomizeDragOverAvail(&target, pt, dropEffect))
                << control.pszName << " over " << bar.pszName;
            EXPECT_EQ(bTaken ? DWORD(DROPEFFECT_MOVE) : DWORD(DROPEFFECT_NONE), dropEffect)
                << control.pszName << " over " << bar.pszName;
            // The bar follows the control's answer: no marker where refused.
            EXPECT_EQ(bTaken, target.OnCustomizeDragEnter(pControl.get(), pt))
                << control.pszName << " over " << bar.pszName;
            EXPECT_EQ(!bTaken, target.GetMarker().IsRectEmpty()) << control.pszName << " over " << bar.pszName;
            target.OnCustomizeDragLeave();
        }
    }
}
