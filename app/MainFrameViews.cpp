// The main window's view modes: the tree and the right side together, the
// text alone or the tree alone, each switch animated in two steps; and the
// attachments row below the right side.
#include "app/MainFrame.h"

#include "app/AttachmentView.h"
#include "app/Settings.h"
#include "app/SoundEvents.h"
#include "app/TextView.h"
#include "app/TreeView.h"
#include "toolkit/draw/ToolkitClock.h"

namespace {

// The pause between the two steps of a view-mode switch.
const DWORD kStepMilliseconds = 10;
// A splitter size that pushes the other pane out of sight.
const int kWholeSize = 10000;

} // namespace

int CMainFrame::GetTreeWidth() const
{
    int cxCur = 0;
    int cxMin = 0;
    m_wndOuterSplitter.GetColumnInfo(0, cxCur, cxMin);
    return cxCur;
}

int CMainFrame::GetClientWidth() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc.Width();
}

void CMainFrame::SetTreeWidth(int cx)
{
    m_wndOuterSplitter.SetColumnInfo(0, cx, 0);
    m_wndOuterSplitter.SetColumnInfo(1, 0, 0);
    m_wndOuterSplitter.RecalcLayout();
}

void CMainFrame::LeaveNormalView()
{
    if (!m_bNormalView)
        return;
    const int nWidth = GetTreeWidth();
    if (nWidth != QivSettings::kTextOnlyWidth && nWidth != QivSettings::kTreeOnlyWidth)
        QivSettings::Set(QivSettings::SplitterNormal, nWidth);
    m_bNormalView = 0;
}

void CMainFrame::ShowNormalView()
{
    if (m_bNormalView)
        return;
    PlaySoundEvent("ModeSwitch");
    const int nTarget = QivSettings::GetNormalTreeWidth();
    const int nNow = GetTreeWidth();
    SetTreeWidth(nNow == 0 ? nTarget >> 1 : (nTarget + GetClientWidth()) >> 1);
    XTPSleep(kStepMilliseconds);
    SetTreeWidth(nTarget);
    m_bNormalView = 1;
    HideAttachmentsRow();
}

void CMainFrame::ShowTextOnly()
{
    PlaySoundEvent("ModeSwitch");
    LeaveNormalView();
    ActivateView(m_pTextView);
    m_wndOuterSplitter.SetColumnInfo(1, kWholeSize, 0);
    m_wndOuterSplitter.SetColumnInfo(0, GetTreeWidth() >> 1, 0);
    m_wndOuterSplitter.RecalcLayout();
    XTPSleep(kStepMilliseconds);
    m_wndOuterSplitter.SetColumnInfo(0, 0, 0);
    m_wndOuterSplitter.RecalcLayout();
    HideAttachmentsRow();
}

void CMainFrame::ShowTreeOnly()
{
    PlaySoundEvent("ModeSwitch");
    LeaveNormalView();
    ActivateView(m_pTreeView);
    SetTreeWidth((GetTreeWidth() + GetClientWidth()) >> 1);
    XTPSleep(kStepMilliseconds);
    SetTreeWidth(kWholeSize);
    HideAttachmentsRow();
}

BOOL CMainFrame::IsAttachmentsPaneVisible() const
{
    if (!::IsWindow(m_wndInnerSplitter.GetSafeHwnd()))
        return FALSE;
    int cyCur = 0;
    int cyMin = 0;
    m_wndInnerSplitter.GetRowInfo(1, cyCur, cyMin);
    return cyCur > 0;
}

void CMainFrame::HideAttachmentsRow()
{
    if (!IsAttachmentsPaneVisible())
        return;
    m_wndInnerSplitter.SetRowInfo(0, kWholeSize, 0);
    m_wndInnerSplitter.SetRowInfo(1, 0, 0);
    m_wndInnerSplitter.RecalcLayout();
}

void CMainFrame::OpenAttachmentsPane()
{
    if (IsAttachmentsPaneVisible()) {
        ActivateView(m_pAttachmentsView);
        return;
    }
    PlaySoundEvent("ModeSwitch");
    m_wndInnerSplitter.SetRowInfo(0, QivSettings::Get(QivSettings::Splitter2Pos), 0);
    m_wndInnerSplitter.SetRowInfo(1, 0, 0);
    ActivateView(m_pAttachmentsView);
    m_wndInnerSplitter.RecalcLayout();
}

void CMainFrame::ToggleAttachmentsPane()
{
    if (!IsAttachmentsPaneVisible()) {
        OpenAttachmentsPane();
        return;
    }
    if (GetActivePaneView() != m_pAttachmentsView) {
        ActivateView(m_pAttachmentsView);
        return;
    }
    PlaySoundEvent("ModeSwitch");
    int cyCur = 0;
    int cyMin = 0;
    m_wndInnerSplitter.GetRowInfo(0, cyCur, cyMin);
    QivSettings::Set(QivSettings::Splitter2Pos, cyCur);
    ActivateView(m_pTreeView);
    HideAttachmentsRow();
}
