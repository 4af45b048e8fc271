#include "toolkit/extras/StatusBarPane.h"

#include "framework/ui/Wnd.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/StatusBar.h"

CXTPStatusBarPane::CXTPStatusBarPane()
    : m_nID(0), m_cxText(0), m_nStyle(0), m_nFlags(0), m_bVisible(TRUE),
      m_clrText(static_cast<COLORREF>(-1)), m_clrBackground(static_cast<COLORREF>(-1)),
      m_pChild(nullptr), m_bAutoDeleteChild(FALSE), m_nAlignment(0), m_pStatusBar(nullptr),
      m_nIndex(-1), m_nVisibleIndex(-1), m_nIconId(-1), m_rcPadding(2, 1, 2, 1),
      m_bShowDisabledText(FALSE)
{
}

CXTPStatusBarPane::~CXTPStatusBarPane()
{
    SetChild(nullptr);
}

void CXTPStatusBarPane::SetWidth(int cxText)
{
    if (m_cxText == cxText)
        return;
    m_cxText = cxText;
    if (m_pStatusBar != nullptr)
        m_pStatusBar->RecalcPanes(CXTPStatusBar::recalcRects);
}

void CXTPStatusBarPane::SetVisible(BOOL bVisible)
{
    bVisible = bVisible ? TRUE : FALSE;
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    // The control's parts are renumbered: every shown text must go again.
    m_nFlags |= textPending;
    if (m_pStatusBar != nullptr)
    {
        for (int i = 0; i < m_pStatusBar->GetPaneCount(); ++i)
            m_pStatusBar->GetPane(i)->m_nFlags |= textPending;
        m_pStatusBar->RecalcPanes(CXTPStatusBar::recalcRects | CXTPStatusBar::recalcTexts);
    }
}

void CXTPStatusBarPane::SetText(LPCSTR lpszText)
{
    if (m_pStatusBar != nullptr && m_nIndex >= 0)
        m_pStatusBar->SetPaneTextAt(m_nIndex, lpszText, TRUE);
    else
        m_strText = lpszText;
}

CFont* CXTPStatusBarPane::GetTextFont()
{
    if (m_font.GetSafeHandle() != nullptr)
        return &m_font;
    return m_pStatusBar != nullptr ? m_pStatusBar->GetFont() : nullptr;
}

void CXTPStatusBarPane::SetTextFont(CFont* pFont)
{
    LOGFONTA lf;
    if (pFont != nullptr && pFont->GetLogFont(&lf) != 0)
        SetTextFont(&lf);
    else
        SetTextFont(static_cast<const LOGFONTA*>(nullptr));
}

void CXTPStatusBarPane::SetTextFont(const LOGFONTA* pLogFont)
{
    m_font.DeleteObject();
    if (pLogFont != nullptr)
        m_font.CreateFontIndirect(pLogFont);
}

CXTPImageManagerIcon* CXTPStatusBarPane::GetIcon()
{
    if (m_nIconId == -1)
        return nullptr;
    CXTPImageManager* pImageManager =
        m_pStatusBar != nullptr ? m_pStatusBar->GetImageManager() : XTPImageManager();
    return pImageManager->LookupIcon(static_cast<UINT>(m_nIconId), 0);
}

void CXTPStatusBarPane::SetChild(CWnd* pChild, BOOL bAutoDelete)
{
    if (m_pChild != nullptr && m_pChild != pChild)
    {
        if (::IsWindow(m_pChild->GetSafeHwnd()))
            m_pChild->DestroyWindow();
        if (m_bAutoDeleteChild)
            delete m_pChild;
    }
    m_pChild = pChild;
    m_bAutoDeleteChild = pChild != nullptr && bAutoDelete;
    if (m_pStatusBar != nullptr && pChild != nullptr)
        m_pStatusBar->RecalcPanes(CXTPStatusBar::recalcRects);
}

void CXTPStatusBarPane::Draw(CDC* pDC, CRect rc)
{
    CXTPPaintManager* pPaintManager =
        m_pStatusBar != nullptr ? m_pStatusBar->GetPaintManager() : XTPPaintManager();
    pPaintManager->DrawStatusBarPaneEntry(pDC, rc, this);
}

BOOL CXTPStatusBarPane::IsDisabledTextShown() const
{
    return m_pStatusBar != nullptr ? m_pStatusBar->IsDisabledTextShown() : m_bShowDisabledText;
}
