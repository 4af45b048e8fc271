// The caption of a skinned frame as the ribbon draws it: the frame's top
// pieces, the gripper under the quick access row, the small icon, the
// context headers and the title, and the ribbon's system button. Pieces the
// style module lacks leave the plain caption of the Office 2007 frame.
#include "toolkit/draw/RibbonTheme.h"

#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonBar.h"

namespace {

const CRect kPieceMargins(0, 19, 0, 3);
const CRect kGripperMargins(0, 19, 20, 3);
// The gripper's span from the caption's left end, when the quick access row
// is not in the caption.
const int kGripperLeft = 30;
const int kGripperRight = 70;
// Where the small icon sits from the caption's left end.
const int kIconLeft = 10;
// Room around the title, half on each side.
const int kTitlePadding = 20;
const int kSystemIconSize = 32;

CWnd* CaptionSite(CXTPRibbonBar* pRibbonBar)
{
    FrameHook* pHook = pRibbonBar->GetFrameHook();
    CWnd* pSite = pHook ? pHook->GetSite() : pRibbonBar->GetSite();
    return pSite && pSite->GetSafeHwnd() ? pSite : nullptr;
}

} // namespace

void CXTPRibbonTheme::DrawRibbonFrameCaption(CDC* pDC, CXTPRibbonBar* pRibbonBar, BOOL bActive)
{
    const CRect rcCaption = pRibbonBar->GetCaptionRect();
    const int nState = bActive ? 0 : 1;
    const COLORREF* clrBorder = bActive ? m_clrFrameBorderActive : m_clrFrameBorderInactive;

    // Under the pieces, and in place of those missing: the plain caption.
    pDC->FillSolidRect(rcCaption, clrBorder[3]);
    if (!GetImage("FRAMETOPCENTER"))
        pDC->FillSolidRect(rcCaption.left, rcCaption.top, rcCaption.Width(), 1, clrBorder[0]);

    if (CXTPOffice2007Image* pLeft = GetImage("FRAMETOPLEFT"))
        DrawImage(pDC, "FRAMETOPLEFT",
                  CRect(rcCaption.left, rcCaption.top, rcCaption.left + pLeft->GetWidth(), rcCaption.bottom), nState,
                  2, kPieceMargins);
    const BOOL bRowInCaption = pRibbonBar->IsQuickAccessVisible() && !pRibbonBar->IsQuickAccessBelow();
    const int xGripper = bRowInCaption ? pRibbonBar->GetControlQuickAccess()->GetRect().right + 12
                                       : rcCaption.left + kGripperRight;
    DrawImage(pDC, "FRAMEGRIPPER", CRect(rcCaption.left + kGripperLeft, rcCaption.top, xGripper, rcCaption.bottom),
              nState, 2, kGripperMargins);
    int xRight = rcCaption.right;
    if (CXTPOffice2007Image* pRight = GetImage("FRAMETOPRIGHT"))
    {
        xRight -= pRight->GetWidth();
        DrawImage(pDC, "FRAMETOPRIGHT", CRect(xRight, rcCaption.top, rcCaption.right, rcCaption.bottom), nState, 2,
                  kPieceMargins);
    }
    DrawImage(pDC, "FRAMETOPCENTER", CRect(xGripper, rcCaption.top, xRight, rcCaption.bottom), nState, 2,
              kPieceMargins);

    CWnd* pSite = CaptionSite(pRibbonBar);
    // The system button stands where the icon would.
    if (!pRibbonBar->GetSystemButton())
        if (HICON hIcon = GetFrameSmallIcon(pSite))
        {
            const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
            ::DrawIconEx(pDC->GetSafeHdc(), rcCaption.left + kIconLeft,
                         rcCaption.top + (rcCaption.Height() - cyIcon) / 2, hIcon, cxIcon, cyIcon, 0, nullptr,
                         DI_NORMAL);
        }

    if (pRibbonBar->GetContextHeaderCount() > 0)
        DrawContextTabHeaders(pDC, pRibbonBar);

    if (!pSite)
        return;
    CString strTitle;
    pSite->GetWindowText(strTitle);
    int nTitleWidth = 0;
    {
        CXTPFontDC font(pDC, &m_fontFrameCaption);
        nTitleWidth = pDC->GetTextExtent(strTitle).cx + kTitlePadding;
    }
    CRect rcTitle = pRibbonBar->GetCaptionTitleRect(nTitleWidth);
    rcTitle.DeflateRect(kTitlePadding / 2, 0);
    DrawFrameCaptionText(pDC, rcTitle, pSite, bActive);
}

void CXTPRibbonTheme::DrawContextTabHeaders(CDC* pDC, CXTPRibbonBar* pRibbonBar)
{
    CXTPFontDC font(pDC, &m_fontSmCaption);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = 0; i < pRibbonBar->GetContextHeaderCount(); ++i)
    {
        const CXTPRibbonTabContextHeader* pHeader = pRibbonBar->GetContextHeader(i);
        CRect rc = pHeader->m_rcHeader;
        CString strImage;
        strImage.Format("ContextTab%sHeader", GetContextColorName(pHeader->m_nColor));
        if (!DrawImage(pDC, strImage, rc, 0, 1, CRect(1, 1, 1, 1)))
        {
            pDC->FillSolidRect(rc, CXTPDrawHelpers::MixColor(m_clrRibbonFace, ResolveColor(COLOR_HIGHLIGHT), 0.7));
            pDC->Draw3dRect(rc, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
        }
        pDC->SetTextColor(m_clrRibbonText);
        rc.DeflateRect(4, 0);
        pDC->DrawText(pHeader->m_strCaption, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

void CXTPRibbonTheme::DrawRibbonFrameSystemButton(CDC* pDC, CXTPControl* pControl)
{
    const CRect rc = pControl->GetRect();
    const int nFrame = pControl->IsPopupOpen() ? 2 : pControl->GetSelected() ? 1 : 0;
    if (!DrawImage(pDC, "FRAMESYSTEMBUTTON", rc, nFrame, 3, CRect(0, 0, 0, 0)) && nFrame)
        DrawButtonFaceFallback(pDC, rc, nFrame);

    // The button's own icon, else the frame's.
    if (CXTPImageManagerIcon* pIcon = pControl->GetImage(kSystemIconSize))
    {
        const CSize size = pIcon->GetExtent();
        pIcon->DrawNormal(pDC, CPoint(rc.CenterPoint().x - size.cx / 2, rc.CenterPoint().y - size.cy / 2));
        return;
    }
    CXTPCommandBar* pBar = pControl->GetParent();
    CWnd* pSite = pBar && pBar->IsRibbonBar() ? CaptionSite(static_cast<CXTPRibbonBar*>(pBar)) : nullptr;
    if (HICON hIcon = GetFrameLargeIcon(pSite))
        ::DrawIconEx(pDC->GetSafeHdc(), rc.CenterPoint().x - kSystemIconSize / 2,
                     rc.CenterPoint().y - kSystemIconSize / 2, hIcon, kSystemIconSize, kSystemIconSize, 0, nullptr,
                     DI_NORMAL);
}
