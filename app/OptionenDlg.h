// C_OptionenDlg: the options sheet with its two pages. "Ansicht" shows and
// hides the bars and the banner and sets the banner text and the
// always-on-top state; "Allgemein" holds what happens at start, automatic
// saving, the backup copy, sounds and hiding in the notification area.
// On OK the sheet writes the settings of both pages; the main frame then
// applies the view page's choices to its windows. Cancel writes nothing.
#pragma once

#include "app/FlatButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/PropertyPage.h"
#include "framework/ui/PropertySheet.h"

// What the view page starts from: the frame's windows as they are now.
struct QivViewOptions
{
    BOOL bStandardBar = TRUE;
    BOOL bViewBar = TRUE;
    BOOL bFormatBar = TRUE;
    BOOL bStatusBar = TRUE;
    BOOL bBanner = TRUE;
    CString strBannerText;
};

class C_AnsichtPageDlg : public CPropertyPage
{
public:
    explicit C_AnsichtPageDlg(const QivViewOptions& options);

    int m_bStandardBar;
    int m_bViewBar;
    int m_bFormatBar;
    int m_bStatusBar;
    int m_bBanner;
    CString m_strBannerText;
    int m_bTopMost;

    // The frame's windows as the page leaves them.
    QivViewOptions GetViewOptions() const;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnBannerClicked();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    CComboBox m_bannerText;

    DECLARE_MESSAGE_MAP()
};

class C_AllgemeinPageDlg : public CPropertyPage
{
public:
    // strCurrentFile: the card file open in the main window ("" when none).
    explicit C_AllgemeinPageDlg(const CString& strCurrentFile);

    CString m_strAutoOpen;
    int m_bShowSplash;
    int m_bShowTips;
    int m_bAutoSave;
    int m_nAutoSaveMinutes;
    int m_bBackup;
    int m_bAudio;
    int m_bAutoHide;
    CString m_strCurrentFile;

    // A step of the interval's arrows from the edit's number: 0 gives 1,
    // anything above 120 or below 0 gives 120.
    static int StepInterval(int nEdit, int nDelta);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void EnableInterval(BOOL bEnable);
    void PutAutoOpen(const CString& strPath);

    afx_msg void OnCurrentFile();
    afx_msg void OnBrowse();
    afx_msg void OnAutoSaveClicked();
    afx_msg void OnIntervalDelta(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    C_FlatButton m_buttonCurrent;
    C_FlatButton m_buttonBrowse;

    DECLARE_MESSAGE_MAP()
};

class C_OptionenDlg : public CPropertySheet
{
public:
    C_OptionenDlg(const QivViewOptions& viewOptions, const CString& strCurrentFile);

    C_AnsichtPageDlg m_ansichtPage;
    C_AllgemeinPageDlg m_allgemeinPage;

    // Runs the sheet; on OK writes the settings of both pages.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    // The ten settings of the pages, in their order.
    void WriteSettings() const;

protected:
    C_FlatButton m_buttonOK;
    C_FlatButton m_buttonCancel;
    C_FlatButton m_buttonHelp;
    HICON m_hIcon;
};
