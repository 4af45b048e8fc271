// Command routing through CCmdTarget message maps: the first target of a
// chain with a handler takes a command, _EX handlers may pass it on, update
// handlers reach CCmdUI (also by the reflected broadcast code), WM_NOTIFY
// routes with its record, and a probe finds the handler without running it.
#include "TestApp.h"

#include "framework/ui/CmdTarget.h"
#include "framework/ui/CmdUI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT ID_ALPHA = 1001;
const UINT ID_BETA = 1002;
const UINT ID_RANGE_FIRST = 1010;
const UINT ID_RANGE_LAST = 1019;
const UINT ID_PASS_ON = 1020;
const UINT ID_CONTROL = 1030;

std::vector<std::string> g_log;

class CBaseTarget : public CCmdTarget
{
public:
    explicit CBaseTarget(const char* pszName) : m_name(pszName) {}
    std::string m_name;

protected:
    void OnAlpha() { g_log.push_back(m_name + ":alpha(base)"); }
    void OnBeta() { g_log.push_back(m_name + ":beta"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_COMMAND(ID_ALPHA, OnAlpha)
    ON_COMMAND(ID_BETA, OnBeta)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget
{
public:
    using CBaseTarget::CBaseTarget;
    BOOL m_bTakePassOn = FALSE;
    UINT m_nUpdateCheck = 0;
    bool m_bContinueUpdate = false;
    NMHDR* m_pLastNotify = nullptr;

protected:
    void OnAlphaDerived() { g_log.push_back(m_name + ":alpha(derived)"); }
    void OnRange(UINT nID) { g_log.push_back(m_name + ":range " + std::to_string(nID)); }
    BOOL OnPassOn(UINT nID)
    {
        g_log.push_back(m_name + ":passon " + std::to_string(nID));
        return m_bTakePassOn;
    }
    void OnUpdateAlpha(CCmdUI* pCmdUI)
    {
        pCmdUI->SetCheck(static_cast<int>(m_nUpdateCheck));
        if (m_bContinueUpdate)
            pCmdUI->ContinueRouting();
    }
    void OnUpdateAll(CCmdUI* pCmdUI) { g_log.push_back(m_name + ":update-all " + std::to_string(pCmdUI->m_nID)); }
    void OnControlChange() { g_log.push_back(m_name + ":en-change"); }
    void OnItemClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_pLastNotify = pNMHDR;
        *pResult = 77;
    }
    void OnOutOfMemory(NMHDR*, LRESULT* pResult) { *pResult = 5; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_COMMAND(ID_ALPHA, OnAlphaDerived)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_COMMAND_EX(ID_PASS_ON, OnPassOn)
    ON_UPDATE_COMMAND_UI(ID_ALPHA, OnUpdateAlpha)
    ON_UPDATE_COMMAND_UI_REFLECT(OnUpdateAll)
    ON_EN_CHANGE(ID_CONTROL, OnControlChange)
    ON_NOTIFY(NM_CLICK, ID_CONTROL, OnItemClick)
    ON_NOTIFY(NM_OUTOFMEMORY, ID_CONTROL, OnOutOfMemory)
END_MESSAGE_MAP()

// Routes like a frame: each target in turn until one handles the command.
class CChainTarget : public CCmdTarget
{
public:
    std::vector<CCmdTarget*> m_targets;
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        for (CCmdTarget* pTarget : m_targets)
        {
            if (pTarget->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
                return TRUE;
        }
        return FALSE;
    }
};

// Records what update handlers do to it.
class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nCheck = -1;
    int m_nEnable = -1;
    void Enable(BOOL bOn) override
    {
        m_nEnable = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}
};

class RoutingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_log.clear();
        m_chain.m_targets = { &m_view, &m_doc, &m_frame };
    }
    CDerivedTarget m_view{ "view" };
    CBaseTarget m_doc{ "doc" };
    CDerivedTarget m_frame{ "frame" };
    CChainTarget m_chain;
};

TEST_F(RoutingTest, CommandGoesToTheFirstHandlerOfTheChain)
{
    struct Case { UINT nID; BOOL bHandled; const char* pszLog; };
    const Case cases[] = {
        { ID_ALPHA, TRUE, "view:alpha(derived)" },  // derived map before base map
        { ID_BETA, TRUE, "view:beta" },             // base map reached through the chain
        { ID_RANGE_FIRST + 3, TRUE, "view:range 1013" },
        { ID_RANGE_LAST + 50, FALSE, nullptr },
    };
    for (const Case& c : cases)
    {
        g_log.clear();
        EXPECT_EQ(c.bHandled, m_chain.OnCmdMsg(c.nID, CN_COMMAND, nullptr, nullptr)) << c.nID;
        if (c.pszLog != nullptr)
            EXPECT_EQ(std::vector<std::string>{ c.pszLog }, g_log) << c.nID;
        else
            EXPECT_TRUE(g_log.empty());
    }
}

TEST_F(RoutingTest, ExHandlerThatDeclinesLetsTheNextTargetAct)
{
    EXPECT_FALSE(m_chain.OnCmdMsg(ID_PASS_ON, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{ "view:passon 1020", "frame:passon 1020" }), g_log);

    g_log.clear();
    m_frame.m_bTakePassOn = FALSE;
    m_view.m_bTakePassOn = TRUE;
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_PASS_ON, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(std::vector<std::string>{ "view:passon 1020" }, g_log);
}

TEST_F(RoutingTest, ProbeNamesTheHandlerWithoutRunningIt)
{
    AFX_CMDHANDLERINFO info = { nullptr, nullptr };
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_BETA, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(&m_view, info.pTarget);
    ASSERT_NE(nullptr, info.pmf);
    info.pmf(info.pTarget, ID_BETA, 0);
    EXPECT_EQ(std::vector<std::string>{ "view:beta" }, g_log);

    AFX_CMDHANDLERINFO none = { nullptr, nullptr };
    EXPECT_FALSE(m_chain.OnCmdMsg(4711, CN_COMMAND, nullptr, &none));
    EXPECT_EQ(nullptr, none.pTarget);
}

TEST_F(RoutingTest, UpdateHandlersSetTheItemAndMayPassItOn)
{
    CRecordingCmdUI state;
    state.m_nID = ID_ALPHA;
    m_view.m_nUpdateCheck = 1;
    m_frame.m_nUpdateCheck = 2;
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_ALPHA, CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_EQ(1, state.m_nCheck);

    // ContinueRouting: the view's handler runs, then the frame's decides.
    m_view.m_bContinueUpdate = true;
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_ALPHA, CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_EQ(2, state.m_nCheck);
    EXPECT_FALSE(state.m_bContinueRouting);
}

TEST_F(RoutingTest, DoUpdateDisablesCommandsWithoutAnyHandler)
{
    struct Case { UINT nID; int nEnable; };
    const Case cases[] = {
        { ID_BETA, 1 },    // command handler, no update handler: enabled
        { 4711, 0 },       // nobody handles it: disabled
        { ID_ALPHA, 1 },   // its update handler leaves the state: the command handler counts
    };
    for (const Case& c : cases)
    {
        CRecordingCmdUI state;
        state.m_nID = c.nID;
        state.DoUpdate(&m_chain, TRUE);
        EXPECT_EQ(c.nEnable, state.m_nEnable) << c.nID;
    }
}

TEST_F(RoutingTest, ReflectedUpdateBroadcastReachesUpdateHandlers)
{
    CRecordingCmdUI state;
    state.m_nID = ID_ALPHA;
    EXPECT_TRUE(m_view.OnCmdMsg(0, 0xBD11FFFF, &state, nullptr));
    EXPECT_EQ(std::vector<std::string>{ "view:update-all 1001" }, g_log);
    // The plain update code does not reach the broadcast handler.
    EXPECT_FALSE(m_doc.OnCmdMsg(0, 0xBD11FFFF, &state, nullptr));
}

TEST_F(RoutingTest, ControlNotificationsRouteByCodeAndMessage)
{
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_CONTROL, EN_CHANGE, nullptr, nullptr));
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_CONTROL, MAKELONG(EN_CHANGE, WM_COMMAND), nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{ "view:en-change", "view:en-change" }), g_log);
    EXPECT_FALSE(m_chain.OnCmdMsg(ID_CONTROL, EN_KILLFOCUS, nullptr, nullptr));
}

TEST_F(RoutingTest, NotificationsCarryTheirRecordAndResult)
{
    NMHDR nmhdr = { nullptr, ID_CONTROL, static_cast<UINT>(NM_CLICK) };
    LRESULT lResult = 0;
    AFX_NOTIFY notify = { &lResult, &nmhdr };
    EXPECT_TRUE(m_chain.OnCmdMsg(ID_CONTROL, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(77, lResult);
    EXPECT_EQ(&nmhdr, m_view.m_pLastNotify);

    // A notification code whose low word is 0xFFFF is a notification, not
    // a command update: its record must not be taken for a CCmdUI.
    NMHDR nmOut = { nullptr, ID_CONTROL, static_cast<UINT>(NM_OUTOFMEMORY) };
    AFX_NOTIFY notifyOut = { &lResult, &nmOut };
    EXPECT_TRUE(m_view.OnCmdMsg(ID_CONTROL, MAKELONG(NM_OUTOFMEMORY, WM_NOTIFY), &notifyOut, nullptr));
    EXPECT_EQ(5, lResult);
    EXPECT_EQ(ID_CONTROL, nmOut.idFrom);
}

} // namespace
