#include "toolkit/extras/StatusBarPane.h"

CXTPStatusBarPane::CXTPStatusBarPane()
    : m_nStyle(0), m_clrBackground(static_cast<COLORREF>(-1)),
      m_clrText(static_cast<COLORREF>(-1)), m_pFont(nullptr), m_pIcon(nullptr),
      m_rcPadding(2, 1, 2, 1), m_nAlignment(0), m_pStatusBar(nullptr), m_bShowDisabledText(FALSE)
{
}
