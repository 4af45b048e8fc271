// Pasting into the view: rich text on the clipboard comes from another
// program and is outside input like a file, so what the control could not
// read safely is trimmed and streamed in here instead of the control's own
// paste.
#include "framework/ui/RichEditView.h"

#include "framework/ui/RichEditSafeRtf.h"

#include <string.h>

#include <string>

BOOL CRichEditView::PasteTrimmedRichText()
{
    static const UINT s_cfRtf = ::RegisterClipboardFormatA(CF_RTF);
    if (!::IsClipboardFormatAvailable(s_cfRtf) || !::OpenClipboard(m_hWnd))
        return FALSE;
    std::string rtf;
    if (HGLOBAL hData = ::GetClipboardData(s_cfRtf))
    {
        if (const char* pData = static_cast<const char*>(::GlobalLock(hData)))
        {
            rtf.assign(pData, strnlen(pData, ::GlobalSize(hData)));
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    if (!AfxMakeRtfSafeForRichEdit(rtf))
        return FALSE;
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    AfxStreamInSafely(ctrl.m_hWnd, rtf, SF_RTF | SFF_SELECTION);
    ctrl.SetModify(TRUE);
    return TRUE;
}

void CRichEditView::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == 'V' && ::GetKeyState(VK_CONTROL) < 0 && !(GetStyle() & ES_READONLY) && PasteTrimmedRichText())
        return;
    Default();
}

LRESULT CRichEditView::OnPasteMessage(WPARAM wParam, LPARAM)
{
    // A paste special of another format is the control's.
    if ((wParam == 0 || wParam == ::RegisterClipboardFormatA(CF_RTF)) && !(GetStyle() & ES_READONLY) && PasteTrimmedRichText())
        return 0;
    return Default();
}

void CRichEditView::OnMButtonDown(UINT, CPoint)
{
    SetFocus();
}
