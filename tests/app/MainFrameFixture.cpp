#include "MainFrameFixture.h"

#include "CardTreeFixture.h"

#include "app/TextView.h"
#include "app/res/resource.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/CreateContext.h"
#include "model/CardFileStore.h"
#include "model/QivDoc.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

namespace apptest {

namespace {

class CStateCmdUI : public CCmdUI
{
public:
    explicit CStateCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        m_state.bEnabled = bOn;
    }
    void SetCheck(int nCheck) override { m_state.nCheck = nCheck; }
    void SetRadio(BOOL bOn) override { m_state.nCheck = bOn ? 1 : 0; }
    void SetText(LPCSTR lpszText) override { m_state.strText = lpszText; }

    CommandState m_state;
};

} // namespace

BOOL CRecordingMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bRecordOnly) {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    return CMainFrame::OnCommand(wParam, lParam);
}

void MainFrameTest::SetUp()
{
    AppSettingsTest::SetUp();
    auto previous = CMessageBoxSeam::Get();
    m_bannerReport.reset(new CTestSeamScope<AFX_MESSAGEBOX_REQUEST>([previous](const AFX_MESSAGEBOX_REQUEST& box) {
        if (box.strText.Find("banner.jpg") >= 0)
            return IDOK;
        return previous ? previous(box) : IDCANCEL;
    }));
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strFile.Format("%sqiv-frame-%lu.qiv", szTemp, ::GetCurrentProcessId());
    CQivCardFileStore store;
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    pRoot->m_dwExpanded = 1;
    C_QivCategory* pKitchen = AddCategory(pRoot, "Küche");
    pKitchen->m_dwExpanded = 1;
    AddEntry(pKitchen, "Brot", "Mehl, Wasser, Salz");
    AddEntry(pKitchen, "Suppe");
    store.ReplaceRoot(pRoot);
    store.Save(m_strFile, FALSE);
    CreateFrame();
}

void MainFrameTest::TearDown()
{
    DestroyFrame();
    ::DeleteFileA(m_strFile);
    m_bannerReport.reset();
    AppSettingsTest::TearDown();
}

void MainFrameTest::CreateFrame()
{
    DestroyFrame();
    m_pDoc = new CQivDoc;
    m_pDoc->m_bAutoDelete = FALSE;
    ASSERT_TRUE(m_pDoc->OnOpenDocument(m_strFile));
    m_pDoc->SetPathName(m_strFile, FALSE);
    m_pFrame = new CRecordingMainFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CQivTextView);
    context.m_pCurrentDoc = m_pDoc;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
    m_pFrame->InitialUpdateFrame(m_pDoc, TRUE);
    m_pFrame->RecalcLayout();
    PumpAppMessages();
}

void MainFrameTest::DestroyFrame()
{
    if (m_pFrame && ::IsWindow(m_pFrame->GetSafeHwnd()))
        m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpAppMessages();
    delete m_pDoc;
    m_pDoc = nullptr;
}

CXTPControl* MainFrameTest::MenuControl(UINT nID)
{
    CXTPMenuBar* pMenuBar = m_pFrame->GetCommandBars()->GetMenuBar();
    if (!pMenuBar)
        return nullptr;
    return pMenuBar->GetControls()->FindControl(0, static_cast<int>(nID), FALSE, TRUE);
}

CommandState MainFrameTest::StateOf(UINT nID)
{
    CStateCmdUI state(nID);
    if (!m_pFrame->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
        state.DoUpdate(m_pFrame, TRUE);
    return state.m_state;
}

void MainFrameTest::RunFromMenu(UINT nID)
{
    CXTPControl* pControl = MenuControl(nID);
    ASSERT_NE(nullptr, pControl) << "no menu entry for " << nID;
    ASSERT_TRUE(StateOf(nID).bEnabled) << nID << " is grey";
    pControl->OnExecute();
    PumpAppMessages();
}

int MainFrameTest::TreeWidth() const
{
    int cxCur = 0;
    int cxMin = 0;
    m_pFrame->GetOuterSplitter().GetColumnInfo(0, cxCur, cxMin);
    return cxCur;
}

int MainFrameTest::UpperRightHeight() const
{
    int cyCur = 0;
    int cyMin = 0;
    m_pFrame->GetInnerSplitter().GetRowInfo(0, cyCur, cyMin);
    return cyCur;
}

} // namespace apptest
