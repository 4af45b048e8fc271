#include "toolkit/controls/EditWnd.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ResourceManager.h"

IMPLEMENT_DYNAMIC(CXTPEdit, CEdit)

#ifndef _WIN64
// The character formats travel to the window by their 32-bit sizes.
static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMAT is 60 bytes");
static_assert(sizeof(CHARFORMAT2A) == 84, "CHARFORMAT2 is 84 bytes");
#endif

namespace {

// The rich edit library of the process, chosen once: its window class and
// version; the library stays loaded.
struct RichEditLibrary
{
    LPCSTR lpszClass;
    int nVersion;
};

const RichEditLibrary& GetRichEditLibrary()
{
    static const RichEditLibrary s_library = [] {
        if (AfxInitRichEdit2())
            return RichEditLibrary{RICHEDIT_CLASSA, 2};
        if (AfxInitRichEdit())
            return RichEditLibrary{RICHEDIT_CLASS10A, 1};
        return RichEditLibrary{nullptr, 0};
    }();
    return s_library;
}

BOOL IsDialogKey(UINT nChar)
{
    if (nChar == 'C' || nChar == 'V' || nChar == 'X' || nChar == 'Z')
        return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return nChar == VK_BACK || (nChar >= VK_PRIOR && nChar <= VK_DELETE);
}

} // namespace

CXTPEdit::CXTPEdit()
    : m_bImeComposition(FALSE), m_clrDefaultText(CLR_INVALID), m_clrDefaultBack(CLR_INVALID)
{
}

int CXTPEdit::GetRichEditVersion()
{
    return GetRichEditLibrary().nVersion;
}

UINT CXTPEdit::GetCharFormatSize()
{
    return GetRichEditVersion() == 2 ? sizeof(CHARFORMAT2A) : sizeof(CHARFORMATA);
}

BOOL CXTPEdit::Create(DWORD dwStyle, CWnd* pParentWnd)
{
    LPCSTR lpszClass = GetRichEditLibrary().lpszClass;
    m_clrDefaultText = m_clrDefaultBack = CLR_INVALID;
    if (!CreateEx(0, lpszClass ? lpszClass : "EDIT", "", dwStyle, CRect(0, 0, 0, 0), pParentWnd,
                  0))
        return FALSE;
    if (lpszClass)
    {
        SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE);
        SendMessage(EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO, 0);
    }
    return TRUE;
}

BOOL CXTPEdit::SetDefaultColors(COLORREF clrText, COLORREF clrBack)
{
    if (!m_hWnd || (clrText == m_clrDefaultText && clrBack == m_clrDefaultBack))
        return FALSE;
    CHARFORMAT2A cf = {};
    cf.cbSize = GetCharFormatSize();
    cf.dwMask = CFM_COLOR | CFM_BACKCOLOR;
    cf.crTextColor = clrText;
    cf.crBackColor = clrBack;
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessage(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(clrBack));
    m_clrDefaultText = clrText;
    m_clrDefaultBack = clrBack;
    return TRUE;
}

BOOL CXTPEdit::ShowContextMenu(CXTPControl* pControl, CPoint /*point*/)
{
    CString strCut;
    if (!GetResourceManager()->LoadString(&strCut, ID_EDIT_CUT))
        return FALSE;
    // The menu is a popup bar of the control's command bars, tracked by
    // them; a field on a bar without command bars has no menu.
    CXTPCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (!pBar || !pBar->GetCommandBars())
        return FALSE;
    return FALSE;
}

BOOL CXTPEdit::ProcessDialogKey(UINT nChar, UINT /*nFlags*/)
{
    if (!m_hWnd || !IsDialogKey(nChar))
        return FALSE;
    MSG msg = {};
    msg.hwnd = m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nChar;
    msg.lParam = 1;
    ::IsDialogMessageA(m_hWnd, &msg);
    return TRUE;
}

BOOL CXTPEdit::OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID != ID_EDIT_CUT && nID != ID_EDIT_COPY && nID != ID_EDIT_PASTE)
        return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    if (nCode == CN_UPDATE_COMMAND_UI)
    {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        if (!pCmdUI)
            return FALSE;
        if (nID == ID_EDIT_PASTE)
            pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT));
        else
        {
            int nStart = 0, nEnd = 0;
            GetSel(nStart, nEnd);
            pCmdUI->Enable(nStart != nEnd);
        }
        return TRUE;
    }
    if (nCode != CN_COMMAND || !m_hWnd)
        return FALSE;
    if (pHandlerInfo)
        return TRUE;
    UINT nMessage = nID == ID_EDIT_CUT ? WM_CUT : nID == ID_EDIT_COPY ? WM_COPY : WM_PASTE;
    SendMessage(nMessage, 0, 0);
    return TRUE;
}

LRESULT CXTPEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_IME_STARTCOMPOSITION:
        m_bImeComposition = TRUE;
        break;
    case WM_IME_ENDCOMPOSITION:
    case WM_KILLFOCUS:
        m_bImeComposition = FALSE;
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
