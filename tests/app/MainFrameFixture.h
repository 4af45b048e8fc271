// The program's real main frame in the test process: its command bars, its
// panes and a card file on disk, so a test runs commands as a user does and
// reads back the windows, the settings and the saved file.
#pragma once

#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "framework/ui/TestSeams.h"

#include <memory>
#include <vector>

class CQivDoc;
class CXTPControl;

namespace apptest {

// Records the commands that reach it instead of running them while
// m_bRecordOnly is set.
class CRecordingMainFrame : public CMainFrame
{
public:
    BOOL m_bRecordOnly = FALSE;
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// A command's state: enabled (a command nobody handles is grey), check,
// text.
struct CommandState
{
    BOOL bEnabled = TRUE;
    int nCheck = 0;
    CString strText;
};

class MainFrameTest : public AppSettingsTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the frame (again) over the card file: root "Notizen", category
    // "Küche" with the entries "Brot" and "Suppe".
    void CreateFrame();
    // Closes it as the program ends, keeping the settings it stores.
    void DestroyFrame();

    // The control of a command in the menu bar's menus; null when no menu
    // holds it.
    CXTPControl* MenuControl(UINT nID);
    // What the frame's update handlers make of a command, as when its menu
    // opens.
    CommandState StateOf(UINT nID);
    // Runs the command through its menu-bar control (fails the test when
    // the menus hold none or it is grey).
    void RunFromMenu(UINT nID);

    int TreeWidth() const;
    int UpperRightHeight() const;

    // The test folder has no banner picture: its one report is answered.
    std::unique_ptr<CTestSeamScope<AFX_MESSAGEBOX_REQUEST>> m_bannerReport;
    CString m_strFile;
    CQivDoc* m_pDoc = nullptr;
    CRecordingMainFrame* m_pFrame = nullptr;
};

} // namespace apptest
