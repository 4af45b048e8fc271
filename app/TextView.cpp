#include "app/TextView.h"

#include "app/ColorMenu.h"
#include "app/DateTimeMenu.h"
#include "app/DefaultFont.h"
#include "app/FramePlacement.h"
#include "app/ParagraphDialog.h"
#include "app/Settings.h"
#include "app/SoundEvents.h"
#include "app/SuperSubDialog.h"
#include "app/res/resource.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/WinApp.h"
#include "model/QivItem.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlSizeComboBox.h"
#include "toolkit/controls/Controls.h"

#include <cstdlib>
#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(CQivTextView, CRichEditView)

BEGIN_MESSAGE_MAP(CQivTextView, CRichEditView)
    ON_WM_LBUTTONDBLCLK()
    ON_COMMAND_RANGE(ID_FORMAT_BOLD, ID_FORMAT_BOLD, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_ITALIC, ID_FORMAT_ITALIC, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_UNDERLINE, ID_FORMAT_UNDERLINE, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_STRIKEOUT, ID_FORMAT_STRIKEOUT, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_ALIGN_LEFT, ID_FORMAT_ALIGN_LEFT, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_ALIGN_CENTER, ID_FORMAT_ALIGN_CENTER, OnFormatCommand)
    ON_COMMAND_RANGE(ID_FORMAT_ALIGN_RIGHT, ID_FORMAT_ALIGN_RIGHT, OnFormatCommand)
    ON_COMMAND(ID_FORMAT_BULLETS, OnBullets)
    ON_COMMAND(ID_FONT_BIGGER, OnFontBigger)
    ON_COMMAND(ID_FONT_SMALLER, OnFontSmaller)
    ON_COMMAND_RANGE(ID_COLOR_BLACK, ID_COLOR_AUTOMATIC, OnTextColor)
    ON_COMMAND(ID_FONT_COLOR, OnFontColor)
    ON_COMMAND(ID_FORMAT_PARAGRAPH, OnFormatParagraph)
    ON_COMMAND(ID_FORMAT_SUPERSUB, OnFormatSuperSub)
    ON_COMMAND(ID_PAGE_SETUP, OnPageSetup)
    ON_COMMAND(ID_INSERT_DATETIME, OnDateTimeMenu)
    ON_COMMAND(ID_INSERT_DATETIME_BAR, OnDateTimeMenu)
    ON_COMMAND(ID_INSERT_DATETIME_NOW, OnDateTimeNow)
    ON_COMMAND_RANGE(ID_DATETIME_FIRST, ID_DATETIME_LAST, OnDateTimeItem)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_WORD_WRAP, OnWordWrap)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_BOLD, ID_FORMAT_BOLD, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ITALIC, ID_FORMAT_ITALIC, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_UNDERLINE, ID_FORMAT_UNDERLINE, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_STRIKEOUT, ID_FORMAT_STRIKEOUT, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ALIGN_LEFT, ID_FORMAT_ALIGN_LEFT, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ALIGN_CENTER, ID_FORMAT_ALIGN_CENTER, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ALIGN_RIGHT, ID_FORMAT_ALIGN_RIGHT, OnUpdateFormatCommand)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_BULLETS, OnUpdateBullets)
    ON_UPDATE_COMMAND_UI(ID_FONT_BIGGER, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FONT_SMALLER, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FONT_COLOR, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_FONT, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_PARAGRAPH, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_INSERT_DATETIME, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_INSERT_DATETIME_BAR, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdateNeedWindow)
    ON_UPDATE_COMMAND_UI_RANGE(ID_COLOR_BLACK, ID_COLOR_AUTOMATIC, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_SUPERSUB, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_PAGE_SETUP, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_INSERT_DATETIME_NOW, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI_RANGE(ID_DATETIME_FIRST, ID_DATETIME_LAST, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_WORD_WRAP, OnUpdateWordWrap)
    ON_NOTIFY_EX_RANGE(XTP_FN_SETFORMAT, kFontNameBoxId, kFontSizeBoxId, OnFontBoxNotify)
    ON_NOTIFY_EX_RANGE(XTP_FN_GETFORMAT, kFontNameBoxId, kFontSizeBoxId, OnFontBoxNotify)
    ON_UPDATE_COMMAND_UI(kFontNameBoxId, OnUpdateFontBox)
    ON_UPDATE_COMMAND_UI(kFontSizeBoxId, OnUpdateFontBox)
END_MESSAGE_MAP()

CQivTextView::CQivTextView() : m_crBackground(::GetSysColor(COLOR_WINDOW))
{
}

CQivTextView::~CQivTextView()
{
    QivDateTimeMenu().Destroy();
}

BOOL CQivTextView::PreCreateWindow(CREATESTRUCT& cs)
{
    // The view starts where the main window stood at the last exit, with
    // its show command; the splitter places the pane afterwards.
    CRect rcWindow;
    int nShow = SW_SHOWNORMAL;
    if (ComputeFramePlacement(ReadStoredPlacement(), GetScreenMetrics(), SW_SHOWNORMAL, &rcWindow,
                              &nShow))
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->m_nCmdShow = nShow;
        cs.x = rcWindow.left;
        cs.y = rcWindow.top;
        cs.cx = rcWindow.Width();
        cs.cy = rcWindow.Height();
    }
    return CRichEditView::PreCreateWindow(cs);
}

// ---- showing and storing ------------------------------------------------

CHARFORMATA CQivTextView::ReadDefaultCharFormat()
{
    CHARFORMATA cf = QivReadStoredCharFormat();
    cf.yHeight = cf.yHeight * 3 / 4;
    return cf;
}

void CQivTextView::ApplyDefaultCharFormat()
{
    CHARFORMATA cf = ReadDefaultCharFormat();
    GetRichEditCtrl().SetDefaultCharFormat(cf);
}

void CQivTextView::ApplyStoredSettings()
{
    ApplyDefaultCharFormat();
    m_nWordWrap = QivSettings::Get(QivSettings::WordWrap) == 0 ? WrapNone : WrapToWindow;
    WrapChanged();
    SendMessage(EM_SETOPTIONS, ECOOP_XOR, ECO_AUTOWORDSELECTION);
    SetMargins(CRect(QivSettings::Get(QivSettings::MarginLeft), QivSettings::Get(QivSettings::MarginTop),
                     QivSettings::Get(QivSettings::MarginRight),
                     QivSettings::Get(QivSettings::MarginBottom)));
}

void CQivTextView::ShowText(const BYTE* pText, DWORD nLength, COLORREF crBackground)
{
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    SetRedraw(FALSE);
    if (pText != nullptr && nLength >= 5 && _strnicmp(reinterpret_cast<const char*>(pText), "{\\rtf", 5) == 0)
    {
        // The control knows its first control word only in lower case.
        std::vector<BYTE> rich(pText, pText + nLength);
        memcpy(rich.data(), "{\\rtf", 5);
        CMemFile file(rich.data(), static_cast<UINT>(nLength));
        CArchive ar(&file, CArchive::load, 4096);
        Stream(ar, FALSE);
        ar.Close();
    }
    else
    {
        ApplyDefaultCharFormat();
        // A text is bytes with a length: it is shown up to its first NUL
        // and never read past its end.
        CString strText;
        if (pText != nullptr && nLength > 0)
        {
            const void* pNul = memchr(pText, 0, nLength);
            int nChars = pNul != nullptr ? static_cast<int>(static_cast<const BYTE*>(pNul) - pText)
                                         : static_cast<int>(nLength);
            strText = CString(reinterpret_cast<const char*>(pText), nChars);
        }
        SetWindowText(strText);
    }
    EnableWindow(TRUE);
    m_crBackground = crBackground;
    ctrl.SetBackgroundColor(FALSE, crBackground);
    ctrl.SetModify(FALSE);
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void CQivTextView::StoreText(C_QivEntry* pEntry)
{
    BYTE* pBytes = nullptr;
    DWORD nLength = 0;
    GetRichTextBytes(this, &pBytes, &nLength);
    pEntry->SetText(pBytes, nLength);
    free(pBytes);
}

void GetRichTextBytes(CRichEditView* pView, BYTE** ppBuffer, DWORD* pnLength)
{
    free(*ppBuffer);
    *ppBuffer = nullptr;
    *pnLength = 0;
    CMemFile file(1048576);
    {
        CArchive ar(&file, CArchive::store, 4096);
        pView->Stream(ar, FALSE);
        ar.Close();
    }
    const DWORD nLength = static_cast<DWORD>(file.GetLength());
    BYTE* pData = file.Detach();
    if (nLength == 0)
    {
        free(pData);
        return;
    }
    // The file's own block, cut to the text's length: no second copy of a
    // large note has to find memory.
    auto* pExact = static_cast<BYTE*>(realloc(pData, nLength));
    *ppBuffer = pExact != nullptr ? pExact : pData;
    *pnLength = nLength;
}

// ---- word wrap ------------------------------------------------------------

void CQivTextView::ToggleWordWrap()
{
    m_nWordWrap = m_nWordWrap == WrapNone ? WrapToWindow : WrapNone;
    QivSettings::Set(QivSettings::WordWrap, m_nWordWrap);
    WrapChanged();
}

void CQivTextView::OnWordWrap()
{
    ToggleWordWrap();
}

void CQivTextView::OnUpdateWordWrap(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(m_nWordWrap != WrapNone);
}

// ---- character and paragraph formats ---------------------------------------

namespace {

// The effect and alignment commands: a character effect (mask and effect)
// or a paragraph alignment.
struct FormatCommand
{
    UINT nID;
    DWORD dwMask;
    DWORD dwEffect;
    WORD wAlign;
};

const FormatCommand kFormatCommands[] = {
    { ID_FORMAT_BOLD, CFM_BOLD, CFE_BOLD, 0 },
    { ID_FORMAT_ITALIC, CFM_ITALIC, CFE_ITALIC, 0 },
    { ID_FORMAT_UNDERLINE, CFM_UNDERLINE, CFE_UNDERLINE, 0 },
    { ID_FORMAT_STRIKEOUT, CFM_STRIKEOUT, CFE_STRIKEOUT, 0 },
    { ID_FORMAT_ALIGN_LEFT, 0, 0, PFA_LEFT },
    { ID_FORMAT_ALIGN_CENTER, 0, 0, PFA_CENTER },
    { ID_FORMAT_ALIGN_RIGHT, 0, 0, PFA_RIGHT },
};

const FormatCommand* FindFormatCommand(UINT nID)
{
    for (const FormatCommand& command : kFormatCommands)
    {
        if (command.nID == nID)
            return &command;
    }
    return nullptr;
}

} // namespace

void CQivTextView::OnFormatCommand(UINT nID)
{
    const FormatCommand* pCommand = FindFormatCommand(nID);
    if (pCommand == nullptr)
        return;
    if (pCommand->dwMask != 0)
        OnCharEffect(pCommand->dwMask, pCommand->dwEffect);
    else
        OnParaAlign(pCommand->wAlign);
}

void CQivTextView::OnUpdateFormatCommand(CCmdUI* pCmdUI)
{
    const FormatCommand* pCommand = FindFormatCommand(pCmdUI->m_nID);
    if (pCommand == nullptr)
        return;
    pCmdUI->Enable(IsWindowEnabled());
    if (pCommand->dwMask != 0)
        OnUpdateCharEffect(pCmdUI, pCommand->dwMask, pCommand->dwEffect);
    else
        OnUpdateParaAlign(pCmdUI, pCommand->wAlign);
}

void CQivTextView::OnBullets()
{
    PARAFORMAT2 pf = GetParaFormatSelection();
    const BOOL bBullets = (pf.dwMask & PFM_NUMBERING) && pf.wNumbering == PFN_BULLET;
    PARAFORMAT2 change = {};
    change.cbSize = sizeof(change);
    change.dwMask = PFM_NUMBERING | PFM_OFFSET;
    change.wNumbering = bBullets ? 0 : PFN_BULLET;
    change.dxOffset = bBullets ? 0 : m_nBulletIndent;
    SetParaFormat(change);
}

void CQivTextView::OnUpdateBullets(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWindowEnabled());
    PARAFORMAT2& pf = GetParaFormatSelection();
    if (!(pf.dwMask & PFM_NUMBERING))
        pCmdUI->SetCheck(2);
    else
        pCmdUI->SetCheck(pf.wNumbering == PFN_BULLET ? 1 : 0);
}

void CQivTextView::ChangeFontHeight(int nDelta, int nMinimum)
{
    CHARFORMAT2A cf = GetCharFormatSelection();
    int nHeight = cf.yHeight + nDelta;
    if (nHeight < nMinimum)
        nHeight = nMinimum;
    cf.dwMask = CFM_SIZE;
    cf.yHeight = nHeight;
    SetCharFormat(cf);
}

void CQivTextView::OnFontBigger()
{
    ChangeFontHeight(40, 0);
}

void CQivTextView::OnFontSmaller()
{
    ChangeFontHeight(-40, 180);
}

void CQivTextView::OnTextColor(UINT nID)
{
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_COLOR;
    cf.dwEffects = 0;    // a colour of its own, no longer automatic
    cf.crTextColor = ColorOfCommand(nID);
    SetCharFormat(cf);
}

void CQivTextView::OnFontColor()
{
    CColorMenu menu;
    if (!menu.CreateColorMenu())
        return;
    CPoint point;
    ::GetCursorPos(&point);
    // The chosen colour comes back to this view as its command.
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CQivTextView::OnFormatParagraph()
{
    CAbsatzDlg dlg(this, GetParaFormatSelection());
    if (dlg.DoModal() == IDOK)
        SetParaFormat(dlg.m_pf);
}

void CQivTextView::OnFormatSuperSub()
{
    CHARFORMAT2A cf = GetCharFormatSelection();
    C_HochTiefDlg dlg(this);
    dlg.m_nHeight = cf.yHeight;
    dlg.m_nOffset = cf.yOffset;
    if (dlg.DoModal() != IDOK)
        return;
    cf.dwMask = 0;
    C_HochTiefDlg::ApplyOffset(dlg.m_nOffset, cf);
    SetCharFormat(cf);
}

void CQivTextView::OnUpdateNeedWindow(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWindowEnabled());
}

void CQivTextView::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CQivTextView::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsWindowEnabled() && CanPaste());
}

// ---- editing with sounds --------------------------------------------------

void CQivTextView::OnEditUndo()
{
    PlaySoundEvent("Undo");
    CRichEditView::OnEditUndo();
}

void CQivTextView::OnEditClear()
{
    PlaySoundEvent("Clear");
    CRichEditView::OnEditClear();
}

void CQivTextView::OnEditCut()
{
    PlaySoundEvent("Cut&Clear");
    CRichEditView::OnEditCut();
}

// ---- the font boxes -------------------------------------------------------

QIV_FONTBOX_STATE CQivTextView::GetFontBoxState()
{
    CHARFORMAT2A& cf = GetCharFormatSelection();
    QIV_FONTBOX_STATE state;
    if ((cf.dwMask & (CFM_FACE | CFM_CHARSET)) == (CFM_FACE | CFM_CHARSET))
        state.strFace = cf.szFaceName;
    state.nTwips = (cf.dwMask & CFM_SIZE) ? static_cast<int>(cf.yHeight) : -1;
    return state;
}

BOOL CQivTextView::OnFontBoxNotify(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* pNotify = reinterpret_cast<NMXTPCHARHDR*>(pNMHDR);
    if (pNMHDR->code == XTP_FN_SETFORMAT)
    {
        // The box's record is the first part of the longer one.
        CHARFORMAT2A cf = {};
        memcpy(&cf, &pNotify->cf, sizeof(CHARFORMATA));
        SetCharFormat(cf);
    }
    else
    {
        CHARFORMATA cf = {};
        cf.cbSize = sizeof(cf);
        GetRichEditCtrl().GetSelectionCharFormat(cf);
        pNotify->cf = cf;
    }
    *pResult = 1;
    return TRUE;
}

// Serves the combo box with the command's id on the bar that asks: the name
// box gets the selection's format, the size box its height (-1 when mixed).
void CQivTextView::OnUpdateFontBox(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    auto* pBar = dynamic_cast<CXTPCommandBar*>(pCmdUI->m_pOther);
    CXTPControl* pControl =
        pBar ? pBar->GetControls()->FindControl(xtpControlComboBox, static_cast<int>(pCmdUI->m_nID), FALSE, FALSE)
             : nullptr;
    if (auto* pName = dynamic_cast<CXTPControlFontComboBox*>(pControl))
    {
        // The selection's format begins with the fields of a CHARFORMAT.
        CHARFORMATA cf;
        memcpy(&cf, &GetCharFormatSelection(), sizeof(cf));
        cf.cbSize = sizeof(cf);
        pName->SetCharFormat(cf);
    }
    else if (auto* pSize = dynamic_cast<CXTPControlSizeComboBox*>(pControl))
    {
        pSize->SetTwipSize(GetFontBoxState().nTwips);
    }
}

// ---- context menu ---------------------------------------------------------

HMENU CQivTextView::GetContextMenu(WORD seltype, LPOLEOBJECT, CHARRANGE* lpchrg)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TEXT_CONTEXT))
        return nullptr;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return nullptr;
    HMENU hPopup = pPopup->GetSafeHmenu();
    const BOOL bEmpty = lpchrg == nullptr || lpchrg->cpMin == lpchrg->cpMax;
    ::EnableMenuItem(hPopup, ID_EDIT_PASTE, MF_BYCOMMAND | (CanPaste() ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(hPopup, ID_EDIT_CUT, MF_BYCOMMAND | (bEmpty ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(hPopup, ID_EDIT_COPY, MF_BYCOMMAND | (bEmpty ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(hPopup, ID_OLE_EDIT_PROPERTIES,
                     MF_BYCOMMAND | (seltype == SEL_OBJECT ? MF_ENABLED : MF_GRAYED));
    // The popup leaves its menu bar, which goes with the CMenu.
    ::RemoveMenu(menu.GetSafeHmenu(), 0, MF_BYPOSITION);
    return hPopup;
}
