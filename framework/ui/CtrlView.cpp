#include "framework/ui/CtrlView.h"

#include "framework/ui/Dc.h"

IMPLEMENT_DYNAMIC(CCtrlView, CView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CCtrlView::CCtrlView(LPCSTR lpszClass, DWORD dwStyle)
    : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle)
{
}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs)
{
    ASSERT(cs.lpszClass == nullptr);
    cs.lpszClass = m_strClass;
    // The control's own style bits live in the low word; the creator's
    // window style keeps the rest.
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

void CCtrlView::OnPaint()
{
    Default();
}

void CCtrlView::OnDraw(CDC* pDC)
{
    if (pDC != nullptr && m_hWnd != nullptr)
        SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                    PRF_CLIENT | PRF_CHILDREN);
}
