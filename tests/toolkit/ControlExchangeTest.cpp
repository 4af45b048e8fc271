// Controls stored and loaded again through the registry, an INI file and an
// archive: every class comes back as itself with the same properties.
#include "toolkit/controls/Controls.h"

#include "BarTestSupport.h"
#include "ExchangeTestSupport.h"
#include "TestDib.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PropExchangeIniFile.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlCheckBox.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/ControlEdit.h"
#include "toolkit/controls/ControlLabel.h"
#include "toolkit/controls/ControlSelector.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <functional>
#include <vector>

namespace {

// Runs the store, then the load, through one back end.
struct Backend
{
    const char* pszName;
    std::function<void(const ExchangeFn& store, const ExchangeFn& load)> run;
};

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Controls-%lu", ::GetCurrentProcessId());
    return strKey;
}

CString TestIni()
{
    char szPath[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szPath);
    CString strPath;
    strPath.Format("%s%lu-controls.ini", szPath, ::GetCurrentProcessId());
    return strPath;
}

const Backend s_backends[] = {
    {"registry",
     [](const ExchangeFn& store, const ExchangeFn& load) {
         ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
         {
             CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
             store(&px);
         }
         {
             CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
             load(&px);
         }
         ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
     }},
    {"INI file",
     [](const ExchangeFn& store, const ExchangeFn& load) {
         ::DeleteFileA(TestIni());
         {
             CXTPPropExchangeIniFile px(FALSE, nullptr, "Controls");
             px.AssignFile(TestIni());
             store(&px);
         }
         {
             CXTPPropExchangeIniFile px(TRUE, nullptr, "Controls");
             px.AssignFile(TestIni());
             load(&px);
         }
         ::DeleteFileA(TestIni());
     }},
    {"archive", &ExchangeThroughArchive},
};

// One control of each class, with values other than the defaults.
void FillControls(CXTPControls* pControls)
{
    pControls->Add(xtpControlButton, 101);
    pControls->Add(xtpControlLabel, 102);
    pControls->Add(xtpControlCheckBox, 103);
    pControls->AddTail(new CXTPControlSelector);
    pControls->Add(xtpControlCustom, 105);
    pControls->Add(xtpControlEdit, 107);
    for (int i = 0; i < pControls->GetCount(); ++i)
    {
        CXTPControl* pControl = pControls->GetAt(i);
        pControl->SetCaption("&Tabelle");
        pControl->SetTooltip("Tabelle einfügen");
        pControl->SetDescription("Fügt eine Tabelle ein");
        pControl->SetParameter("Ä;ö");
        pControl->SetShortcutText("Strg+T");
        pControl->SetCustomCaption(i % 2 ? "Eigen" : "");
        pControl->SetCategory("Einfügen");
        pControl->SetStyle(xtpButtonIconAndCaption);
        pControl->SetCustomStyle(i == 0 ? xtpButtonIcon : -1);
        pControl->SetBeginGroup(i % 2 == 0);
        pControl->SetIconId(12 + i);
        pControl->SetTag(99);
        pControl->SetHelpId(5);
        pControl->SetFlags(pControl->GetFlags() | 0x100);
        pControl->SetDefaultItem(TRUE);
        pControl->SetCloseSubMenuOnClick(FALSE);
        pControl->GetExcludedDocTemplates().SetAt(129, TRUE);
        pControl->GetExcludedDocTemplates().SetAt(128, TRUE);
    }
    auto* pSelector = static_cast<CXTPControlSelector*>(pControls->GetAt(3));
    pSelector->SetItemsCount(CSize(7, 3));
    pSelector->SetItemsMax(CSize(10, 9));
    pSelector->SetItemSize(CSize(20, 18));
    auto* pCustom = static_cast<CXTPControlCustom*>(pControls->GetAt(4));
    pCustom->SetBorders(CRect(1, 2, 3, 4));
    pCustom->SetSize(CSize(80, 21));
    pCustom->SetVerticalPositionOption(xtpVerticalButton);
    auto* pEdit = static_cast<CXTPControlEdit*>(pControls->GetAt(5));
    pEdit->SetWidth(140);
    pEdit->ShowLabel(TRUE);
    pEdit->SetReadOnly(TRUE);
    pEdit->SetEditHint("Suchen");
}

struct ReleaseCommandBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};

TEST(ControlExchange, EveryClassThroughEveryBackend)
{
    for (const Backend& backend : s_backends)
    {
        std::unique_ptr<CXTPCommandBars, ReleaseCommandBars> pCommandBars(new CXTPCommandBars);
        pCommandBars->EnableActions(FALSE);   // the texts stay the controls' own
        CTestBar source, target;
        source.SetCommandBars(pCommandBars.get());
        target.SetCommandBars(pCommandBars.get());
        FillControls(source.GetControls());
        source.GetControls()->Add(xtpControlButton, 106, nullptr, -1, TRUE);   // not stored

        backend.run([&](CXTPPropExchange* px) { source.GetControls()->DoPropExchange(px); },
                    [&](CXTPPropExchange* px) { target.GetControls()->DoPropExchange(px); });

        ASSERT_EQ(6, target.GetControlCount()) << backend.pszName;
        for (int i = 0; i < 6; ++i)
        {
            CXTPControl* pSource = source.GetControl(i);
            CXTPControl* pLoaded = target.GetControl(i);
            const char* pszClass = pSource->GetRuntimeClass()->m_lpszClassName;
            EXPECT_EQ(pSource->GetRuntimeClass(), pLoaded->GetRuntimeClass()) << backend.pszName;
            EXPECT_TRUE(pSource->IsEqual(pLoaded)) << backend.pszName << " " << pszClass;
            EXPECT_STREQ("Strg+T", pLoaded->GetShortcutText()) << backend.pszName << pszClass;
            EXPECT_STREQ("Einfügen", pLoaded->GetCategory()) << backend.pszName << pszClass;
            EXPECT_EQ(99u, pLoaded->GetTag()) << backend.pszName << pszClass;
            EXPECT_EQ(5, pLoaded->GetHelpId()) << backend.pszName << pszClass;
            EXPECT_TRUE(pLoaded->IsDefaultItem()) << backend.pszName << pszClass;
            EXPECT_FALSE(pLoaded->GetCloseSubMenuOnClick()) << backend.pszName << pszClass;
            EXPECT_EQ(pSource->GetStyleValue(), pLoaded->GetStyleValue()) << backend.pszName;
            BOOL bValue = FALSE;
            EXPECT_TRUE(pLoaded->GetExcludedDocTemplates().Lookup(129, bValue)) << backend.pszName;
            EXPECT_EQ(2, pLoaded->GetExcludedDocTemplates().GetCount()) << backend.pszName;
            EXPECT_EQ(0, pLoaded->GetAssignedDocTemplates().GetCount()) << backend.pszName;
        }
        auto* pSelector = static_cast<CXTPControlSelector*>(target.GetControl(3));
        EXPECT_EQ(CSize(7, 3), pSelector->GetItemsCount()) << backend.pszName;
        EXPECT_EQ(CSize(10, 9), pSelector->GetItemsMax()) << backend.pszName;
        EXPECT_EQ(CSize(20, 18), pSelector->GetItemSize()) << backend.pszName;
        auto* pCustom = static_cast<CXTPControlCustom*>(target.GetControl(4));
        EXPECT_EQ(CRect(1, 2, 3, 4), pCustom->GetBorders()) << backend.pszName;
        EXPECT_EQ(CSize(80, 21), pCustom->GetControlSize()) << backend.pszName;
        EXPECT_EQ(xtpVerticalButton, pCustom->GetVerticalPositionOption()) << backend.pszName;
        auto* pEdit = static_cast<CXTPControlEdit*>(target.GetControl(5));
        EXPECT_EQ(140, pEdit->GetWidth()) << backend.pszName;
        EXPECT_TRUE(pEdit->HasLabel()) << backend.pszName;
        EXPECT_TRUE(pEdit->GetReadOnly()) << backend.pszName;
        EXPECT_STREQ("Suchen", pEdit->GetEditHint()) << backend.pszName;
    }
}

TEST(ControlExchange, LoadedIdsLinkExistingActions)
{
    for (const Backend& backend : s_backends)
    {
        std::unique_ptr<CXTPCommandBars, ReleaseCommandBars> pCommandBars(new CXTPCommandBars);
        CTestBar source, target;
        source.SetCommandBars(pCommandBars.get());
        target.SetCommandBars(pCommandBars.get());
        CXTPControl* pStored = source.GetControls()->Add(xtpControlButton, 300);
        pStored->GetAction()->SetCaption("Aktion");
        source.GetControls()->Add(xtpControlButton, 0)->SetId(301);   // no action of its own

        backend.run([&](CXTPPropExchange* px) { source.GetControls()->DoPropExchange(px); },
                    [&](CXTPPropExchange* px) { target.GetControls()->DoPropExchange(px); });
        ASSERT_EQ(2, target.GetControlCount()) << backend.pszName;
        EXPECT_EQ(pStored->GetAction(), target.GetControl(0)->GetAction()) << backend.pszName;
        EXPECT_STREQ("Aktion", target.GetControl(0)->GetCaption()) << backend.pszName;
        EXPECT_EQ(nullptr, target.GetControl(1)->GetAction()) << backend.pszName;
        EXPECT_EQ(301, target.GetControl(1)->GetID()) << backend.pszName;
    }
}

TEST(ControlExchange, SelectorKeepsItsSizesForMissingOrZeroValues)
{
    // Loading an empty section gives the exchange defaults (0, 0): they are
    // refused and the selector keeps a usable grid.
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        int nType = 1;
        ExchangeIntProperty(&px, "Type", nType, 0);
    }
    CXTPControlSelector selector;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        selector.DoPropExchange(&px);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    EXPECT_EQ(CSize(5, 4), selector.GetItemsCount());
    EXPECT_EQ(CSize(12, 12), selector.GetItemsMax());
    EXPECT_EQ(CSize(28, 28), selector.GetItemSize());
    CTestDib dib(4, 4);
    EXPECT_EQ(CSize(140, 112), selector.GetSize(&dib.DC()));
}

} // namespace
