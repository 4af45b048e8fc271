#include "framework/ui/MessageBox.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"

int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType,
                             UINT nIDHelp)
{
    AFX_MESSAGEBOX_REQUEST request = { hWndOwner, CString(lpszText), CString(lpszCaption), nType,
                                       nIDHelp };
    int nResult = 0;
    if (CMessageBoxSeam::Answer(request, &nResult))
        return nResult;
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxShowMessageBox(::GetActiveWindow(), lpszText, AfxGetAppName(), nType, nIDHelp);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr)
        lpszCaption = AfxGetAppName();
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption, nType, 0);
}
