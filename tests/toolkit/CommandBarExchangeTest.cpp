// A bar's stored properties and its controls' collection through the
// archive and the registry exchange: every key comes back, loaded bars join
// the command bars the exchange's parameters name, and the parts of older
// or damaged streams are read past or refused as a whole.
#include "toolkit/commandbars/CommandBar.h"

#include "BarTestSupport.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <functional>
#include <memory>

namespace {

using ExchangeFn = std::function<void(CXTPPropExchange*)>;

struct ReleaseTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Bars-%lu", ::GetCurrentProcessId());
    return strKey;
}

// Stores through an archive, then loads from it; both exchanges carry the
// parameters.
void ThroughArchive(XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, const ExchangeFn& store,
                    const ExchangeFn& load)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        px.SetContext(pParams);
        store(&px);
        ar.Close();
    }
    file.Seek(0, CFile::begin);
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    px.SetContext(pParams);
    load(&px);
}

void ThroughRegistry(XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, const ExchangeFn& store,
                     const ExchangeFn& load)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        px.SetContext(pParams);
        store(&px);
    }
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        px.SetContext(pParams);
        load(&px);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
}

TEST(CommandBarExchange, EveryBarKeyAndTheControlsComeBack)
{
    const struct
    {
        const char* pszName;
        void (*run)(XTP_COMMANDBARS_PROPEXCHANGE_PARAM*, const ExchangeFn&, const ExchangeFn&);
    } kBackends[] = {{"archive", ThroughArchive}, {"registry", ThroughRegistry}};

    for (const auto& backend : kBackends)
    {
        SCOPED_TRACE(backend.pszName);
        std::unique_ptr<CXTPCommandBars, ReleaseTarget> pCommandBars(new CXTPCommandBars);
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.pCommandBars = pCommandBars.get();

        CTestBar source(xtpBarTypePopup, xtpBarLeft);
        source.SetCommandBars(pCommandBars.get());
        source.SetBarID(0x1000002);
        source.SetFlags(xtpFlagFloating | xtpFlagStretched);
        source.SetBarStyle(xtpBarStyleGripper);
        source.SetTitle("Format\xFC" "bertragung");
        source.SetMRUWidth(321);
        source.SetIconSize(CSize(24, 24));
        source.SetButtonSize(CSize(30, 28));
        source.SetShowTextBelowIcons(1);
        source.EnableAnimation(TRUE);
        source.GetControls()->Add(xtpControlButton, 100);
        source.GetControls()->Add(xtpControlButton, 101)->SetBeginGroup(TRUE);

        CTestBar target;
        backend.run(&params, [&](CXTPPropExchange* px) { source.DoPropExchange(px); },
                    [&](CXTPPropExchange* px) { target.DoPropExchange(px); });

        EXPECT_EQ(xtpBarTypePopup, target.GetType());
        EXPECT_EQ(xtpBarLeft, target.GetPosition());
        EXPECT_EQ(0x1000002u, target.GetBarID());
        EXPECT_EQ(xtpFlagFloating | xtpFlagStretched, target.GetFlags());
        EXPECT_EQ(xtpBarStyleGripper, target.GetBarStyle());
        EXPECT_STREQ("Format\xFC" "bertragung", target.GetTitle());
        EXPECT_EQ(321, target.GetMRUWidth());
        EXPECT_EQ(CSize(24, 24), target.GetIconSize());
        EXPECT_EQ(CSize(30, 28), target.GetButtonSize());
        EXPECT_TRUE(target.GetShowTextBelowIcons());
        EXPECT_TRUE(target.IsAnimationEnabled());
        EXPECT_EQ(pCommandBars.get(), target.GetCommandBars());
        ASSERT_EQ(2, target.GetControlCount());
        EXPECT_EQ(101, target.GetControl(1)->GetID());
        EXPECT_TRUE(target.GetControl(1)->GetBeginGroup());
        EXPECT_EQ(&target, target.GetControl(1)->GetParent());
    }
}

// An archive of an older version holds a further set of controls after the
// flag "CustomizedControls"; it is read past and dropped.
TEST(CommandBarExchange, AnOlderStreamsExtraControlsAreReadPast)
{
    CTestBar extra;
    extra.GetControls()->Add(xtpControlButton, 7);
    extra.GetControls()->Add(xtpControlButton, 8);

    CTestBar target;
    target.GetControls()->Add(xtpControlButton, 99);
    int nAfter = 0;
    ThroughArchive(
        nullptr,
        [&](CXTPPropExchange* px) {
            CXTPPropExchangeEnumerator controls(px, "Control");
            controls.StartEnumeration(0);
            BOOL bOriginal = FALSE, bCustomized = TRUE;
            ExchangeBoolProperty(px, "OriginalControls", bOriginal, FALSE);
            ExchangeBoolProperty(px, "CustomizedControls", bCustomized, FALSE);
            CXTPPropExchange* pSection = px->GetSection("CustomizedControls");
            extra.GetControls()->DoPropExchange(pSection);
            pSection->InternalRelease();
            int nMarker = 4711;
            ExchangeIntProperty(px, "After", nMarker, 0);
        },
        [&](CXTPPropExchange* px) {
            target.GetControls()->DoPropExchange(px);
            ExchangeIntProperty(px, "After", nAfter, 0);
        });
    EXPECT_EQ(0, target.GetControlCount());
    EXPECT_EQ(4711, nAfter);
}

TEST(CommandBarExchange, OriginalControlsGoAlongUnlessTheParametersSayNot)
{
    for (BOOL bSave : {TRUE, FALSE})
    {
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.bSaveOriginalControls = bSave;
        CTestBar source;
        source.GetControls()->Add(xtpControlButton, 1);
        source.GetControls()->CreateOriginalControls();
        source.GetControls()->Add(xtpControlButton, 2);
        CTestBar target;
        ThroughArchive(&params, [&](CXTPPropExchange* px) { source.DoPropExchange(px); },
                       [&](CXTPPropExchange* px) { target.DoPropExchange(px); });
        EXPECT_EQ(2, target.GetControlCount());
        CXTPControls* pOriginal = target.GetControls()->GetOriginalControls();
        if (bSave)
        {
            ASSERT_NE(nullptr, pOriginal);
            EXPECT_EQ(1, pOriginal->GetCount());
            EXPECT_TRUE(target.GetControls()->IsChanged());
        }
        else
        {
            EXPECT_EQ(nullptr, pOriginal);
        }
    }
}

// A control section whose class is not a control leaves the rest of the
// stream unplaceable: the archive's bad-class error ends the read.
TEST(CommandBarExchange, AStoredClassThatIsNoControlEndsTheRead)
{
    CTestBar target;
    BOOL bBadClass = FALSE;
    ThroughArchive(
        nullptr,
        [&](CXTPPropExchange* px) {
            CXTPPropExchangeEnumerator controls(px, "Control");
            POSITION pos = controls.StartEnumeration(1);
            CXTPPropExchange* pSection = controls.NextSection(pos);
            std::unique_ptr<CXTPCommandBars, ReleaseTarget> pNotAControl(new CXTPCommandBars);
            CObject* pObject = pNotAControl.get();
            ExchangeRuntimeClass(pSection, pObject, RUNTIME_CLASS(CObject));
            pSection->InternalRelease();
        },
        [&](CXTPPropExchange* px) {
            try
            {
                target.GetControls()->DoPropExchange(px);
            }
            catch (CArchiveException* e)
            {
                bBadClass = e->m_cause == CArchiveException::badClass;
                e->Delete();
            }
        });
    EXPECT_TRUE(bBadClass);
    EXPECT_EQ(0, target.GetControlCount());
}

} // namespace
