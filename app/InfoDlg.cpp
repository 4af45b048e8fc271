#include "app/InfoDlg.h"

#include "app/DialogHelp.h"
#include "app/res/resource.h"

namespace
{
const COLORREF kLinkColor = RGB(0, 0, 0x80);
const COLORREF kHoverColor = RGB(0, 0, 0xC0);

HBITMAP LoadPicture(UINT nID)
{
    return static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID),
                                             IMAGE_BITMAP, 0, 0, 0));
}

CString LoadText(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}
}

// ---------------------------------------------------------------- page base

BEGIN_MESSAGE_MAP(C_MyPropertyPage, CPropertyPage)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

C_MyPropertyPage::C_MyPropertyPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate)
{
}

BOOL C_MyPropertyPage::OnSetActive()
{
    QivPlayPageSwitchSound(this);
    return CPropertyPage::OnSetActive();
}

void C_MyPropertyPage::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    QivDragByCaption(this, point);
}

// ---------------------------------------------------------------- product page

BEGIN_MESSAGE_MAP(C_QivnotesPageDlg, C_MyPropertyPage)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

C_QivnotesPageDlg::C_QivnotesPageDlg()
    : C_MyPropertyPage(IDD_ABOUT_PRODUCT), m_hFirst(nullptr), m_hSecond(nullptr),
      m_hThird(nullptr), m_nStep(2)
{
}

C_QivnotesPageDlg::~C_QivnotesPageDlg()
{
    for (HBITMAP hBitmap : {m_hFirst, m_hSecond, m_hThird})
        if (hBitmap)
            ::DeleteObject(hBitmap);
}

BOOL C_QivnotesPageDlg::OnInitDialog()
{
    C_MyPropertyPage::OnInitDialog();
    m_hFirst = LoadPicture(IDB_ABOUT_FIRST);
    m_hSecond = LoadPicture(IDB_ABOUT_SECOND);
    // The static shows the third picture from its template; it is kept to
    // be shown again and deleted with the page.
    m_hThird = reinterpret_cast<HBITMAP>(
        SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                           reinterpret_cast<LPARAM>(m_hFirst)));
    m_nStep = 2;
    SetTimer(kAnimationTimer, 750);
    return TRUE;
}

UINT C_QivnotesPageDlg::GetShownPicture() const
{
    const HBITMAP hShown = reinterpret_cast<HBITMAP>(
        SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (hShown == m_hFirst)
        return IDB_ABOUT_FIRST;
    if (hShown == m_hSecond)
        return IDB_ABOUT_SECOND;
    if (hShown == m_hThird)
        return IDB_ABOUT_THIRD;
    return 0;
}

// Each tick shows the picture of the step and moves on: 2 shows the first
// picture, 0 the second, 1 the third.
void C_QivnotesPageDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kAnimationTimer)
    {
        C_MyPropertyPage::OnTimer(nIDEvent);
        return;
    }
    HBITMAP hNext = nullptr;
    switch (m_nStep)
    {
    case 2:
        hNext = m_hFirst;
        m_nStep = 0;
        break;
    case 0:
        hNext = m_hSecond;
        m_nStep = 1;
        break;
    default:
        hNext = m_hThird;
        m_nStep = 2;
        break;
    }
    SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hNext));
}

void C_QivnotesPageDlg::OnDestroy()
{
    KillTimer(kAnimationTimer);
    // The static must not delete a picture the page owns.
    SendDlgItemMessage(IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0);
    C_MyPropertyPage::OnDestroy();
}

// ---------------------------------------------------------------- mailing list

C_FreewarePage::C_FreewarePage()
    : C_MyPropertyPage(IDD_ABOUT_MAILINGLIST)
{
}

BOOL C_FreewarePage::OnInitDialog()
{
    C_MyPropertyPage::OnInitDialog();
    m_mailLink.SubclassDlgItem(IDC_MAIL_LINK, this);
    m_webLink.SubclassDlgItem(IDC_WEB_LINK, this);
    const std::pair<CXTHyperLink*, UINT> links[] = {{&m_mailLink, IDS_MAILINGLIST_MAIL},
                                                    {&m_webLink, IDS_MAILINGLIST_WEB}};
    for (const auto& link : links)
    {
        link.first->SetLinkColors(kLinkColor, kLinkColor, kHoverColor);
        link.first->SetTarget(LoadText(link.second));
        link.first->ActivateTip(FALSE);
    }
    return TRUE;
}

// ---------------------------------------------------------------- sheet

C_InfoDlg::C_InfoDlg(CWnd* pParent)
    : CPropertySheet("Info", pParent), m_noticePage(IDD_ABOUT_NOTICE)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
    AddPage(&m_productPage);
    AddPage(&m_mailingListPage);
    AddPage(&m_noticePage);
}

BOOL C_InfoDlg::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    if (m_buttonOK.Attach(this, IDOK, IDB_BUTTON_OK))
    {
        CRect rect;
        m_buttonOK.GetWindowRect(&rect);
        ScreenToClient(&rect);
        rect.OffsetRect(81, 0);
        m_buttonOK.MoveWindow(&rect);
    }
    if (CWnd* pCancel = GetDlgItem(IDCANCEL))
        pCancel->ShowWindow(SW_HIDE);
    m_buttonHelp.Attach(this, IDHELP, IDB_BUTTON_HELP);
    return bResult;
}
