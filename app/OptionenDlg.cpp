#include "app/OptionenDlg.h"

#include "app/DialogHelp.h"
#include "app/RegistryKey.h"
#include "app/Settings.h"
#include "app/res/resource.h"
#include "framework/ui/DataExchange.h"
#include "framework/ui/FileDialog.h"

#include <commctrl.h>

namespace
{
const int kMaxInterval = 120;
}

// ---------------------------------------------------------------- view page

BEGIN_MESSAGE_MAP(C_AnsichtPageDlg, CPropertyPage)
    ON_BN_CLICKED(IDC_BANNER_VISIBLE, OnBannerClicked)
    ON_WM_LBUTTONDOWN()
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

C_AnsichtPageDlg::C_AnsichtPageDlg(const QivViewOptions& options)
    : CPropertyPage(IDD_OPTIONS_VIEW), m_bStandardBar(options.bStandardBar),
      m_bViewBar(options.bViewBar), m_bFormatBar(options.bFormatBar),
      m_bStatusBar(options.bStatusBar), m_bBanner(options.bBanner),
      m_strBannerText(options.strBannerText),
      m_bTopMost(QivSettings::Get(QivSettings::TopMost) != 0)
{
}

QivViewOptions C_AnsichtPageDlg::GetViewOptions() const
{
    QivViewOptions options;
    options.bStandardBar = m_bStandardBar;
    options.bViewBar = m_bViewBar;
    options.bFormatBar = m_bFormatBar;
    options.bStatusBar = m_bStatusBar;
    options.bBanner = m_bBanner;
    options.strBannerText = m_strBannerText;
    return options;
}

void C_AnsichtPageDlg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_BAR_STANDARD, m_bStandardBar);
    DDX_Check(pDX, IDC_BAR_VIEW, m_bViewBar);
    DDX_Check(pDX, IDC_BAR_FORMAT, m_bFormatBar);
    DDX_Check(pDX, IDC_STATUS_BAR, m_bStatusBar);
    DDX_Check(pDX, IDC_BANNER_VISIBLE, m_bBanner);
    DDX_CBString(pDX, IDC_BANNER_TEXT, m_strBannerText);
    DDX_Check(pDX, IDC_TOPMOST, m_bTopMost);
}

// The banner texts to choose from: the default, which shows the logo, and
// the registered owner and organisation of this computer.
BOOL C_AnsichtPageDlg::OnInitDialog()
{
    m_bannerText.SubclassDlgItem(IDC_BANNER_TEXT, this);
    m_bannerText.SetRedraw(FALSE);
    m_bannerText.AddString(QivSettings::kDefaultBannerText);
    CQivRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion"))
    {
        for (LPCSTR lpszValue : {"RegisteredOwner", "RegisteredOrganization"})
        {
            CString strText;
            if (key.QueryString(lpszValue, strText) && !strText.IsEmpty()
                && m_bannerText.FindStringExact(-1, strText) == CB_ERR)
                m_bannerText.AddString(strText);
        }
    }
    m_bannerText.SetRedraw(TRUE);
    CPropertyPage::OnInitDialog();
    m_bannerText.EnableWindow(m_bBanner);
    return TRUE;
}

BOOL C_AnsichtPageDlg::OnSetActive()
{
    QivPlayPageSwitchSound(this);
    return CPropertyPage::OnSetActive();
}

void C_AnsichtPageDlg::OnBannerClicked()
{
    const BOOL bVisible = IsDlgButtonChecked(IDC_BANNER_VISIBLE) == BST_CHECKED;
    m_bannerText.EnableWindow(bVisible);
    if (bVisible)
        m_bannerText.SetFocus();
}

void C_AnsichtPageDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    QivDragByCaption(this, point);
}

BOOL C_AnsichtPageDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (QivShowContextHelp(pHelpInfo, IDD_OPTIONS_VIEW,
                           {IDC_BAR_STANDARD, IDC_BAR_VIEW, IDC_BAR_FORMAT, IDC_STATUS_BAR,
                            IDC_BANNER_VISIBLE, IDC_BANNER_TEXT, IDC_TOPMOST}))
        return TRUE;
    return CPropertyPage::OnHelpInfo(pHelpInfo);
}

// ---------------------------------------------------------------- general page

BEGIN_MESSAGE_MAP(C_AllgemeinPageDlg, CPropertyPage)
    ON_BN_CLICKED(IDC_CURRENT_FILE, OnCurrentFile)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_AUTOSAVE, OnAutoSaveClicked)
    ON_NOTIFY(UDN_DELTAPOS, IDC_AUTOSAVE_SPIN, OnIntervalDelta)
    ON_WM_LBUTTONDOWN()
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

C_AllgemeinPageDlg::C_AllgemeinPageDlg(const CString& strCurrentFile)
    : CPropertyPage(IDD_OPTIONS_GENERAL),
      m_strAutoOpen(QivSettings::Get(QivSettings::AutoOpen)),
      m_bShowSplash(QivSettings::IsOn(QivSettings::ShowSplash)),
      m_bShowTips(QivSettings::Get(QivSettings::TipStartUp) == 0),
      m_bAutoSave(QivSettings::IsOn(QivSettings::AutoSave)),
      m_nAutoSaveMinutes(QivSettings::Get(QivSettings::AutoSaveIntervall)),
      m_bBackup(QivSettings::IsOn(QivSettings::Backup)),
      m_bAudio(QivSettings::IsOn(QivSettings::Audio)),
      m_bAutoHide(QivSettings::IsOn(QivSettings::AutoHide)), m_strCurrentFile(strCurrentFile)
{
}

int C_AllgemeinPageDlg::StepInterval(int nEdit, int nDelta)
{
    const int nNew = nEdit - nDelta;
    if (nNew == 0)
        return 1;
    if (nNew > kMaxInterval || nNew < 0)
        return kMaxInterval;
    return nNew;
}

void C_AllgemeinPageDlg::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_AUTOOPEN, m_strAutoOpen);
    DDX_Check(pDX, IDC_SHOW_SPLASH, m_bShowSplash);
    DDX_Check(pDX, IDC_SHOW_TIPS, m_bShowTips);
    DDX_Check(pDX, IDC_AUTOSAVE, m_bAutoSave);
    DDX_Text(pDX, IDC_AUTOSAVE_MINUTES, m_nAutoSaveMinutes);
    DDX_Check(pDX, IDC_BACKUP, m_bBackup);
    DDX_Check(pDX, IDC_AUDIO, m_bAudio);
    DDX_Check(pDX, IDC_AUTOHIDE, m_bAutoHide);
}

BOOL C_AllgemeinPageDlg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_buttonCurrent.Attach(this, IDC_CURRENT_FILE, 0);
    m_buttonBrowse.Attach(this, IDC_BROWSE, 0);
    EnableInterval(m_bAutoSave);
    m_buttonCurrent.EnableWindow(!m_strCurrentFile.IsEmpty());
    return TRUE;
}

BOOL C_AllgemeinPageDlg::OnSetActive()
{
    QivPlayPageSwitchSound(this);
    return CPropertyPage::OnSetActive();
}

void C_AllgemeinPageDlg::EnableInterval(BOOL bEnable)
{
    for (int nID : {IDC_AUTOSAVE_MINUTES, IDC_AUTOSAVE_SPIN})
        if (CWnd* pWnd = GetDlgItem(nID))
            pWnd->EnableWindow(bEnable);
}

void C_AllgemeinPageDlg::PutAutoOpen(const CString& strPath)
{
    SetDlgItemText(IDC_AUTOOPEN, strPath);
    SendDlgItemMessage(IDC_AUTOOPEN, EM_SETSEL, 0, -1);
    if (CWnd* pEdit = GetDlgItem(IDC_AUTOOPEN))
        pEdit->SetFocus();
}

void C_AllgemeinPageDlg::OnCurrentFile()
{
    PutAutoOpen(m_strCurrentFile);
}

void C_AllgemeinPageDlg::OnBrowse()
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                       "Qivnotes Datenbanken (*.qiv)|*.qiv||", this);
    dialog.m_ofn.lpstrTitle = "Durchsuchen";
    if (dialog.DoModal() == IDOK)
        PutAutoOpen(dialog.GetPathName());
}

void C_AllgemeinPageDlg::OnAutoSaveClicked()
{
    const BOOL bOn = IsDlgButtonChecked(IDC_AUTOSAVE) == BST_CHECKED;
    EnableInterval(bOn);
    if (bOn)
    {
        SendDlgItemMessage(IDC_AUTOSAVE_MINUTES, EM_SETSEL, 0, -1);
        if (CWnd* pEdit = GetDlgItem(IDC_AUTOSAVE_MINUTES))
            pEdit->SetFocus();
    }
}

void C_AllgemeinPageDlg::OnIntervalDelta(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    BOOL bNumber = FALSE;
    const int nEdit = static_cast<int>(GetDlgItemInt(IDC_AUTOSAVE_MINUTES, &bNumber, TRUE));
    SetDlgItemInt(IDC_AUTOSAVE_MINUTES, static_cast<UINT>(StepInterval(nEdit, pUpDown->iDelta)), TRUE);
    *pResult = 0;
}

void C_AllgemeinPageDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    QivDragByCaption(this, point);
}

BOOL C_AllgemeinPageDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (QivShowContextHelp(pHelpInfo, IDD_OPTIONS_GENERAL,
                           {IDC_SHOW_SPLASH, IDC_AUTOOPEN, IDC_CURRENT_FILE, IDC_BROWSE, IDC_AUTOSAVE,
                            IDC_AUTOSAVE_MINUTES, IDC_BACKUP, IDC_SHOW_TIPS, IDC_AUDIO, IDC_AUTOHIDE},
                           {{IDC_AUTOSAVE_SPIN, IDC_AUTOSAVE_MINUTES}}))
        return TRUE;
    return CPropertyPage::OnHelpInfo(pHelpInfo);
}

// ---------------------------------------------------------------- sheet

C_OptionenDlg::C_OptionenDlg(const QivViewOptions& viewOptions, const CString& strCurrentFile)
    : CPropertySheet("Optionen"), m_ansichtPage(viewOptions), m_allgemeinPage(strCurrentFile),
      m_hIcon(nullptr)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
    AddPage(&m_ansichtPage);
    AddPage(&m_allgemeinPage);
}

INT_PTR C_OptionenDlg::DoModal()
{
    const INT_PTR nResult = CPropertySheet::DoModal();
    if (nResult == IDOK)
        WriteSettings();
    return nResult;
}

BOOL C_OptionenDlg::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    m_buttonOK.Attach(this, IDOK, IDB_BUTTON_OK);
    m_buttonCancel.Attach(this, IDCANCEL, IDB_BUTTON_CANCEL);
    m_buttonHelp.Attach(this, IDHELP, IDB_BUTTON_HELP);
    m_hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_OPTIONS),
                                              IMAGE_ICON, 16, 16, LR_SHARED));
    if (m_hIcon)
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return bResult;
}

void C_OptionenDlg::WriteSettings() const
{
    const C_AllgemeinPageDlg& general = m_allgemeinPage;
    QivSettings::SetFlag(QivSettings::ShowSplash, general.m_bShowSplash != 0);
    QivSettings::Set(QivSettings::TipStartUp, general.m_bShowTips ? 0 : 1);
    QivSettings::Set(QivSettings::AutoOpen, general.m_strAutoOpen);
    QivSettings::SetFlag(QivSettings::AutoSave, general.m_bAutoSave != 0);
    QivSettings::Set(QivSettings::AutoSaveIntervall, general.m_nAutoSaveMinutes);
    QivSettings::SetFlag(QivSettings::Backup, general.m_bBackup != 0);
    QivSettings::SetFlag(QivSettings::Audio, general.m_bAudio != 0);
    QivSettings::SetFlag(QivSettings::AutoHide, general.m_bAutoHide != 0);
    QivSettings::Set(QivSettings::BannerText, m_ansichtPage.m_strBannerText);
    QivSettings::Set(QivSettings::TopMost, m_ansichtPage.m_bTopMost ? 1 : 0);
}
