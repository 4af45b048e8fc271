#include "framework/ui/PropertySheet.h"

#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/PropertyPage.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
END_MESSAGE_MAP()

namespace {

// The sheet whose window the system is making: the style it asked for goes
// into the dialog template before the window is created.
CPropertySheet* g_pSheetCreating = nullptr;

// The first bytes of an extended dialog template.
struct DialogTemplateEx
{
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
};

// Help is offered where the program answers the help command: the
// application or its main window handles ID_HELP.
BOOL IsHelpOffered()
{
    AFX_CMDHANDLERINFO info = {};
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info))
        return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd != nullptr && pMainWnd->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info);
}

} // namespace

CPropertySheet::CPropertySheet()
{
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption)
{
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    for (CPropertyPage* pPage : m_pages)
        pPage->m_pSheet = nullptr;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    m_psh = PROPSHEETHEADERA();
    // The first layout of the record, which every version of the system
    // takes.
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    if (IsHelpOffered())
        m_psh.dwFlags |= PSH_HASHELP;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

// ---------------------------------------------------------------------------
// Pages

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    ASSERT(pPage != nullptr);
    m_pages.push_back(pPage);
    pPage->m_pSheet = this;
    if (m_hWnd != nullptr)
    {
        // A running sheet takes the page at once.
        PROPSHEETPAGEA psp = pPage->m_psp;
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
        if (hPage != nullptr)
            SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage));
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(nPage));
    m_pages[static_cast<size_t>(nPage)]->m_pSheet = nullptr;
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const
{
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(nPage)];
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (size_t i = 0; i < m_pages.size(); ++i)
    {
        if (m_pages[i] == pPage)
            return static_cast<int>(i);
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndPage = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (CPropertyPage* pPage : m_pages)
    {
        if (pPage->m_hWnd != nullptr && pPage->m_hWnd == hWndPage)
            return pPage;
    }
    return nullptr;
}

int CPropertySheet::GetActiveIndex() const
{
    return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd == nullptr)
    {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

// ---------------------------------------------------------------------------
// Look and buttons

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::SetWizardMode()
{
    m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CPropertySheet::IsWizard() const
{
    return (m_psh.dwFlags & PSH_WIZARD) != 0;
}

// Posted, as the system's own macro does: a page sets its buttons while it
// is being activated.
void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    if (m_hWnd != nullptr)
        PostMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CPropertySheet::SetFinishText(LPCSTR lpszText)
{
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::PressButton(int nButton)
{
    if (m_hWnd == nullptr)
        return;
    // The run ends with what the button would end it with, should the
    // pages let it.
    switch (nButton)
    {
    case PSBTN_OK:
    case PSBTN_APPLYNOW:
        m_nModalResult = IDOK;
        break;
    case PSBTN_FINISH:
        m_nModalResult = ID_WIZFINISH;
        break;
    case PSBTN_CANCEL:
        m_nModalResult = IDCANCEL;
        break;
    default:
        break;
    }
    SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton));
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    m_bEndRequested = TRUE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED)
    {
        switch (LOWORD(wParam))
        {
        case IDOK:
            m_nModalResult = IDOK;
            break;
        case ID_WIZFINISH:
            m_nModalResult = ID_WIZFINISH;
            break;
        case IDCANCEL:
            m_nModalResult = IDCANCEL;
            break;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

// ---------------------------------------------------------------------------
// Running

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam)
{
    CPropertySheet* pSheet = g_pSheetCreating;
    if (message != PSCB_PRECREATE || pSheet == nullptr || lParam == 0)
        return 0;
    auto* pTemplateEx = reinterpret_cast<DialogTemplateEx*>(lParam);
    auto* pTemplate = reinterpret_cast<DLGTEMPLATE*>(lParam);
    BOOL bExtended = pTemplateEx->signature == 0xFFFF;
    DWORD& dwStyle = bExtended ? pTemplateEx->style : pTemplate->style;
    DWORD& dwExStyle = bExtended ? pTemplateEx->exStyle : pTemplate->dwExtendedStyle;
    if (pSheet->m_dwCreateStyle != static_cast<DWORD>(-1))
        dwStyle = pSheet->m_dwCreateStyle;
    dwExStyle |= pSheet->m_dwCreateExStyle;
    return 0;
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle)
{
    ASSERT(m_hWnd == nullptr);
    // The system steps through the records by each one's own size. The
    // sheet's Help button serves every page.
    m_pageRecords.clear();
    for (CPropertyPage* pPage : m_pages)
    {
        pPage->m_pSheet = this;
        pPage->m_bFirstSetActive = TRUE;
        PROPSHEETPAGEA psp = pPage->m_psp;
        if ((m_psh.dwFlags & PSH_HASHELP) != 0)
            psp.dwFlags |= PSP_HASHELP;
        const auto* pFirst = reinterpret_cast<const BYTE*>(&psp);
        m_pageRecords.insert(m_pageRecords.end(), pFirst, pFirst + psp.dwSize);
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    m_psh.dwFlags &= ~PSH_USEHICON;
    m_psh.pfnCallback = SheetCallback;
    m_psh.hwndParent = hWndParent;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.nPages = static_cast<UINT>(m_pages.size());
    m_psh.ppsp = m_pageRecords.empty() ? nullptr
                                       : reinterpret_cast<LPCPROPSHEETPAGEA>(m_pageRecords.data());
    m_dwCreateStyle = dwStyle;
    m_dwCreateExStyle = dwExStyle;

    // The sheet is the first window the system makes.
    g_pSheetCreating = this;
    AfxHookWindowCreate(this);
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    g_pSheetCreating = nullptr;
    HWND hWnd = reinterpret_cast<HWND>(nResult);
    if (nResult <= 0 || !::IsWindow(hWnd))
        return FALSE;
    if (m_hWnd == nullptr && !SubclassWindow(hWnd))
    {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

LRESULT CPropertySheet::OnInitDialogMessage(WPARAM, LPARAM)
{
    // The system makes the first page first.
    LRESULT lResult = Default();
    // The system leaves a sheet where the window manager puts it: a sheet of
    // its own stands over its owner, as the program's dialogs do.
    if (!(GetStyle() & WS_CHILD))
        CenterWindow();
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheet::OnInitDialog()
{
    return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    m_pParentWnd = pParentWnd;
    HWND hWndParent = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    return CreateSheet(hWndParent, dwStyle, dwExStyle);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // The sheet's keyboard: Tab through the page, Ctrl+Tab through pages,
    // Enter and Escape on the buttons.
    if (m_hWnd != nullptr && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return static_cast<BOOL>(SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
    return FALSE;
}

BOOL CPropertySheet::IsRunning() const
{
    return m_hWnd != nullptr && !m_bEndRequested && SendMessage(PSM_GETCURRENTPAGEHWND) != 0;
}

BOOL CPropertySheet::AnswerFromSeam()
{
    if (!CPropertySheetSeam::IsInstalled())
        return FALSE;
    // A handler that never ends the sheet must not hold the run.
    const int nMaxCalls = 100;
    for (int nCall = 0; IsRunning(); ++nCall)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!AfxPumpMessage(&msg))
            {
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
                m_nModalResult = -1;
                return TRUE;
            }
        }
        if (!IsRunning())
            break;
        if (nCall == nMaxCalls)
        {
            EndDialog(IDABORT);
            break;
        }
        const AFX_PROPERTYSHEET_REQUEST request = { this, nCall };
        int nButton = -1;
        CPropertySheetSeam::Answer(request, &nButton);
        if (nButton < 0)
            return FALSE;
        if (IsRunning())
            PressButton(nButton);
    }
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    CModalOwner owner(m_pParentWnd);
    m_nModalResult = IDCANCEL;
    m_bEndRequested = FALSE;
    m_modalLoop.Begin();
    if (CreateSheet(owner.GetSafeHwnd(), static_cast<DWORD>(-1), 0))
    {
        if (AnswerFromSeam())
        {
            m_modalLoop.End(nullptr, m_nModalResult);
        }
        else
        {
            // The system ends the sheet by itself once its pages are done:
            // it then shows no page any more.
            m_modalLoop.Run(this, FALSE, [this] {
                if (!IsRunning())
                    m_modalLoop.End(nullptr, m_nModalResult);
            });
        }
    }
    else
    {
        m_modalLoop.End(nullptr, -1);
    }
    owner.EndRun(this);
    return m_modalLoop.GetResult();
}
