#include "app/TipDlg.h"

#include "app/DialogHelp.h"
#include "app/ProgramPicture.h"
#include "app/Settings.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/core/Module.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"
#include "framework/ui/Menu.h"
#include "framework/ui/OleDataSource.h"
#include "toolkit/draw/BufferDC.h"
#include "toolkit/draw/ColorManager.h"

BEGIN_MESSAGE_MAP(CTipDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_HELPINFO()
    ON_COMMAND(IDC_TIP_NEXT, OnNextTip)
    ON_COMMAND(ID_TIP_PREVIOUS, OnPreviousTip)
    ON_COMMAND(ID_EDIT_COPY, OnCopy)
END_MESSAGE_MAP()

namespace
{
const char kMissingFile[] =
    "Die Tipps und Tricks können nicht angezeigt werden, weil die Datei 'tipps.txt' sich nicht im "
    "gleichen Verzeichnis befindet, wie die Programmdatei.";
const char kHeading[] = "Wussten Sie schon...?";
const CPoint kBulbOrigin(19, 7);
const CSize kBulbSize(28, 37);
const CPoint kHeadingOrigin(61, 15);
// How far above its place the sliding tip is drawn, step by step.
const int kSlideSteps[] = {105, 85, 65, 45, 25, 5, 4, 3, 2, 1, 0};

BOOL IsMenuAnimationOn()
{
    BOOL bOn = FALSE;
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &bOn, 0);
    return bOn;
}

COLORREF ThemeColor(UINT nIndex)
{
    return GetColorManager()->ResolveColor(nIndex);
}
}

CTipDlg::CTipDlg(LPCSTR lpszCaption, CWnd* pParent, LPCSTR lpszTipsFile)
    : CDialog(IDD_TIP, pParent), m_bStartup(IsShownAtStartup()), m_strCaption(lpszCaption),
      m_bDarkBulb(FALSE), m_bAnimateNextPaint(TRUE)
{
    const CString strPath = lpszTipsFile ? CString(lpszTipsFile) : DefaultTipsFile();
    if (!m_file.Open(strPath))
        m_strTip = kMissingFile;
    else
    {
        long nPosition = QivSettings::Get(QivSettings::TipFilePos);
        const CString strStamp = m_file.GetTimeStamp();
        if (strStamp != QivSettings::Get(QivSettings::TipTimeStamp))
        {
            QivSettings::Set(QivSettings::TipTimeStamp, strStamp);
            nPosition = 0;
        }
        m_file.SetPosition(nPosition);
        m_strTip = m_file.ReadNextTip();
    }
    m_brushInfo.CreateSolidBrush(::GetSysColor(COLOR_INFOBK));
    m_fontTip.CreatePointFont(110, "Arial");
    m_fontHeading.CreatePointFont(160, "Arial");
}

CTipDlg::~CTipDlg()
{
    if (m_file.IsOpen())
        QivSettings::Set(QivSettings::TipFilePos, static_cast<int>(m_file.GetPosition()));
}

BOOL CTipDlg::IsShownAtStartup()
{
    return QivSettings::Get(QivSettings::TipStartUp) == 0;
}

CString CTipDlg::DefaultTipsFile()
{
    return QivProgramFolderFile("tipps.txt");
}

void CTipDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TIP_STARTUP, m_bStartup);
}

BOOL CTipDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_buttonNext.Attach(this, IDC_TIP_NEXT, IDB_BUTTON_NEXT_TIP);
    m_buttonClose.Attach(this, IDOK, IDB_BUTTON_CLOSE);
    if (!m_file.IsOpen())
        m_buttonNext.EnableWindow(FALSE);
    m_bulbLit.Create(IDB_BULB_LIT, kBulbSize.cx, 1, RGB(0, 255, 0));
    m_bulbDark.Create(IDB_BULB_DARK, kBulbSize.cx, 1, RGB(0, 255, 0));
    if (CWnd* pText = GetDlgItem(IDC_TIP_TEXT))
    {
        pText->SetFont(&m_fontTip);
        pText->SetWindowText(m_strTip);
    }
    SetWindowText(m_strCaption);
    if (IsMenuAnimationOn())
        SetTimer(kBulbTimer, 750);
    PlaySoundEvent("PlySelect");
    return TRUE;
}

void CTipDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    QivSettings::Set(QivSettings::TipStartUp, m_bStartup ? 0 : 1);
    CDialog::OnOK();
}

void CTipDlg::ShowNextTip()
{
    ShowTip(TRUE);
}

void CTipDlg::ShowPreviousTip()
{
    ShowTip(FALSE);
}

void CTipDlg::ShowTip(BOOL bNext)
{
    if (!m_file.IsOpen())
        return;
    m_bAnimateNextPaint = TRUE;
    PlaySoundEvent("PlySelect");
    UpdateData(TRUE);
    m_strTip = bNext ? m_file.ReadNextTip() : m_file.ReadPreviousTip();
    SetDlgItemText(IDC_TIP_TEXT, m_strTip);
    if (CWnd* pCheck = GetDlgItem(IDC_TIP_STARTUP))
        pCheck->SetFocus();
    CRect rcTip = GetTipRect();
    rcTip.DeflateRect(1, 1);
    InvalidateRect(rcTip);
}

void CTipDlg::CopyTip()
{
    if (!::OpenClipboard(GetSafeHwnd()))
        return;
    ::EmptyClipboard();
    const int nLength = m_strTip.GetLength();
    if (HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(nLength) + 1))
    {
        char* pText = static_cast<char*>(::GlobalLock(hText));
        memcpy(pText, static_cast<LPCSTR>(m_strTip), static_cast<size_t>(nLength) + 1);
        ::GlobalUnlock(hText);
        if (!::SetClipboardData(CF_TEXT, hText))
            ::GlobalFree(hText);
    }
    ::CloseClipboard();
}

void CTipDlg::OnNextTip()
{
    ShowNextTip();
}

void CTipDlg::OnPreviousTip()
{
    ShowPreviousTip();
}

void CTipDlg::OnCopy()
{
    CopyTip();
}

CRect CTipDlg::GetTipRect() const
{
    CRect rect;
    if (CWnd* pText = GetDlgItem(IDC_TIP_TEXT))
    {
        pText->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

void CTipDlg::DrawBulb(CDC* pDC, CPoint pt) const
{
    const CImageList& bulb = m_bDarkBulb ? m_bulbDark : m_bulbLit;
    if (bulb.GetSafeHandle())
        ::ImageList_Draw(bulb.GetSafeHandle(), 0, pDC->GetSafeHdc(), pt.x, pt.y, ILD_TRANSPARENT);
}

// The tip text inside the framed area, nRaise pixels above its place.
void CTipDlg::DrawTip(CDC* pDC, const CRect& rcArea, int nRaise) const
{
    CRect rcText = rcArea;
    rcText.DeflateRect(2, 2);
    rcText.OffsetRect(0, -nRaise);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), m_fontTip.GetSafeHandle());
    ::SetBkMode(pDC->GetSafeHdc(), TRANSPARENT);
    ::SetTextColor(pDC->GetSafeHdc(), ::GetSysColor(COLOR_INFOTEXT));
    ::DrawTextA(pDC->GetSafeHdc(), m_strTip, m_strTip.GetLength(), &rcText, DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CTipDlg::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcTip = GetTipRect();
    CRect rcInside = rcTip;
    rcInside.DeflateRect(1, 1);
    {
        CXTMemDC dc(&paintDC, rcClient, CXTPPaintManagerColorGradient(ThemeColor(COLOR_BTNFACE)));
        DrawBulb(&dc, kBulbOrigin);
        HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_fontHeading.GetSafeHandle());
        ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
        ::SetTextColor(dc.GetSafeHdc(), ::GetSysColor(COLOR_BTNTEXT));
        ::TextOutA(dc.GetSafeHdc(), kHeadingOrigin.x, kHeadingOrigin.y, kHeading,
                   static_cast<int>(sizeof(kHeading) - 1));
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
        dc.Draw3dRect(rcTip, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::FillRect(dc.GetSafeHdc(), &rcInside, static_cast<HBRUSH>(m_brushInfo.GetSafeHandle()));
        if (!(m_bAnimateNextPaint && IsMenuAnimationOn()))
            DrawTip(&dc, rcInside, 0);
    }
    if (m_bAnimateNextPaint && IsMenuAnimationOn())
    {
        m_bAnimateNextPaint = FALSE;
        for (int nRaise : kSlideSteps)
        {
            CXTMemDC dc(&paintDC, rcInside, CXTPPaintManagerColorGradient(ThemeColor(COLOR_INFOBK)));
            DrawTip(&dc, CRect(0, 0, rcInside.Width(), rcInside.Height()), nRaise);
        }
    }
}

BOOL CTipDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nSaved = ::SaveDC(pDC->GetSafeHdc());
    const CRect rcTip = GetTipRect();
    ::ExcludeClipRect(pDC->GetSafeHdc(), rcTip.left, rcTip.top, rcTip.right, rcTip.bottom);
    ::FillRect(pDC->GetSafeHdc(), &rcClient, ::GetSysColorBrush(COLOR_BTNFACE));
    ::RestoreDC(pDC->GetSafeHdc(), nSaved);
    return TRUE;
}

void CTipDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kBulbTimer)
    {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    m_bDarkBulb = !m_bDarkBulb;
    CClientDC clientDC(this);
    CXTMemDC dc(&clientDC, CRect(kBulbOrigin, kBulbSize),
                CXTPPaintManagerColorGradient(ThemeColor(COLOR_BTNFACE)));
    DrawBulb(&dc, CPoint(0, 0));
}

void CTipDlg::OnDestroy()
{
    KillTimer(kBulbTimer);
    CDialog::OnDestroy();
}

void CTipDlg::OnRButtonUp(UINT nFlags, CPoint point)
{
    CDialog::OnRButtonUp(nFlags, point);
    CMenu menu;
    if (!menu.LoadMenu(IDR_TIPS_CONTEXT))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    if (!m_file.IsOpen())
    {
        pPopup->EnableMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | MF_GRAYED);
        pPopup->EnableMenuItem(IDC_TIP_NEXT, MF_BYCOMMAND | MF_GRAYED);
    }
    POINT pt = {};
    ::GetCursorPos(&pt);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void CTipDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    const CRect rcTip = GetTipRect();
    if (::PtInRect(&rcTip, point))
        StartTipDrag();
    else
        QivDragByCaption(this, point);
    (void)nFlags;
}

// The tip travels as text to whatever it is dropped on.
void CTipDlg::StartTipDrag()
{
    const int nLength = m_strTip.GetLength();
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT,
                                  static_cast<SIZE_T>(nLength) + 1);
    if (!hText)
        return;
    memcpy(::GlobalLock(hText), static_cast<LPCSTR>(m_strTip), static_cast<size_t>(nLength) + 1);
    ::GlobalUnlock(hText);
    COleDataSource source;
    source.CacheGlobalData(CF_TEXT, hText);
    source.DoDragDrop(DROPEFFECT_COPY);
}

BOOL CTipDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    if (zDelta < 0)
        ShowNextTip();
    else if (zDelta > 0)
        ShowPreviousTip();
    return TRUE;
}

BOOL CTipDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (QivShowContextHelp(pHelpInfo, IDD_TIP, {IDC_TIP_STARTUP, IDC_TIP_NEXT}))
        return TRUE;
    return CDialog::OnHelpInfo(pHelpInfo);
}
