#include "Shots.h"
#include "ShotSupport.h"
#include "DockSample.h"

#include "framework/ui/CreateContext.h"
#include "framework/ui/View.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ShadowsManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/Splitter.h"
#include "toolkit/extras/StatusBar.h"
#include "toolkit/extras/ToolTipContext.h"
#include "toolkit/extras/ToolTipWnd.h"

#include <algorithm>
#include <vector>

namespace {

// A pane of the splitter frame: a white page with its name.
class CShotView : public CView
{
    DECLARE_DYNCREATE(CShotView)
public:
    void OnDraw(CDC* pDC) override
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, RGB(255, 255, 255));
        pDC->TextOut(8, 8, "Ansicht", 7);
    }
};
IMPLEMENT_DYNCREATE(CShotView, CView)

void ShootStatusBars(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    CFrameWnd* pFrame = ShowFrame("Statusleiste", CRect(20, 20, 520, 160));
    CXTPStatusBar bar;
    if (pFrame == nullptr || !bar.Create(pFrame))
    {
        Count(false, "extras/statusbar", "status bar", nShots, nFailed, strIndex);
        return;
    }
    // The main window's panes: the message, caps lock and num lock. The
    // frame's first idle message comes first, so it does not blank the text.
    PumpMessages();
    const UINT ids[] = {0, 0, 0};
    bar.SetPanesFromIds(ids, 3);
    const char* const texts[] = {"Bereit", "UF", "NUM"};
    for (int i = 0; i < 3; ++i)
    {
        bar.SetPaneTextAt(i, texts[i]);
        if (i > 0)
            bar.GetPane(i)->SetWidth(bar.CalcPaneWidth(bar.GetPane(i)));
    }
    pFrame->RecalcLayout();

    struct
    {
        const char* pszName;
        UINT nCapsStyle;
        BOOL bShowDisabledText;
    } shots[] = {{"statusbar", 0, TRUE},
                 {"statusbar-disabled", XTP_SBPS_DISABLED, TRUE},
                 {"statusbar-disabled-hidden", XTP_SBPS_DISABLED, FALSE}};
    for (const auto& shot : shots)
    {
        bar.SetPaneStyleAt(1, shot.nCapsStyle);
        bar.SetDisabledTextShown(shot.bShowDisabledText);
        std::string strName = std::string("extras/") + shot.pszName;
        Count(ShootWindow(bar, strFolder + "\\" + strName + ".png"), strName, "status bar", nShots,
              nFailed, strIndex);
    }
    pFrame->DestroyWindow();
}

void ShootSplitters(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    for (BOOL bFlat : {FALSE, TRUE})
    {
        std::string strName = bFlat ? "extras/splitter-flat" : "extras/splitter";
        CFrameWnd* pFrame = ShowFrame("Teiler", CRect(40, 200, 440, 480));
        if (pFrame == nullptr)
        {
            Count(false, strName, "splitter", nShots, nFailed, strIndex);
            continue;
        }
        // The main window's arrangement: a tree beside two rows.
        auto* pOuter = new CXTSplitterWnd;
        auto* pInner = new CXTSplitterWnd;
        CCreateContext context;
        bool bMade = pOuter->CreateStatic(pFrame, 1, 2)
                     && pOuter->CreateView(0, 0, RUNTIME_CLASS(CShotView), CSize(140, 0), &context)
                     && pInner->CreateStatic(pOuter, 2, 1, WS_CHILD | WS_VISIBLE, pOuter->IdFromRowCol(0, 1))
                     && pInner->CreateView(0, 0, RUNTIME_CLASS(CShotView), CSize(0, 120), &context)
                     && pInner->CreateView(1, 0, RUNTIME_CLASS(CShotView), CSize(0, 0), &context);
        if (bMade)
        {
            pOuter->SetFlatLook(bFlat);
            pInner->SetFlatLook(bFlat);
            pFrame->RecalcLayout();
        }
        Count(bMade && ShootWindow(*pFrame, strFolder + "\\" + strName + ".png"), strName, "splitter",
              nShots, nFailed, strIndex);
        pFrame->DestroyWindow();
        delete pInner;
        delete pOuter;
    }
}

// Draws a self-drawn tip into a DIB of its size, as its window paints itself.
bool ShootTip(CXTPToolTipContext& context, CXTPToolTipContextToolTip& tip, const std::string& strPath)
{
    TOOLITEM tool;
    tool.strText = "Speichert das Dokument (Strg+S)";
    CSize size = tip.CalcTipSize(tool);
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    CShotDib dib(size);
    if (!dib.IsValid())
        return false;
    CDC& dc = dib.Dc();
    CRect rc(CPoint(0, 0), size);
    dc.SetTextColor(context.GetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    {
        CXTPFontDC font(&dc, context.GetFont());
        tip.DrawBackground(&dc, tool, rc);
        tip.DrawContent(&dc, tool, rc);
    }
    return dib.Write(strPath);
}

void ShootTips(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    CXTPToolTipContext context;
    CXTPToolTipContextToolTip tipOffice(&context);
    CXTPToolTipContext::CLunaToolTip tipLuna(&context);
    CXTPToolTipContext::COffice2007ToolTip tipOffice2007(&context);
    const struct
    {
        const char* pszName;
        int nStyle;
        CXTPToolTipContextToolTip* pTip;
    } tips[] = {{"tip-office", xtpToolTipOffice, &tipOffice},
                {"tip-luna", xtpToolTipLuna, &tipLuna},
                {"tip-office2007", xtpToolTipOffice2007, &tipOffice2007}};
    for (const auto& tip : tips)
    {
        context.SetStyle(tip.nStyle);
        std::string strName = std::string("extras/") + tip.pszName;
        Count(ShootTip(context, *tip.pTip, strFolder + "\\" + strName + ".png"), strName, "tooltip",
              nShots, nFailed, strIndex);
    }
}

// A popup's rectangle on white with its right and bottom shadow strips
// blended over the background, as the layered strips show them.
void ShootShadows(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    const int cx = 80, cy = 50, nMargin = 10, nShadow = 4;
    const int cxImage = cx + 2 * nMargin, cyImage = cy + 2 * nMargin;
    for (int k : {1, 2})
    {
        std::vector<DWORD> pixels(static_cast<size_t>(cxImage) * cyImage, 0xFFFFFF);
        for (int y = nMargin; y < nMargin + cy; ++y)
            for (int x = nMargin; x < nMargin + cx; ++x)
                pixels[static_cast<size_t>(y) * cxImage + x] =
                    (x == nMargin || y == nMargin || x == nMargin + cx - 1 || y == nMargin + cy - 1) ? 0x808080
                                                                                                     : 0xF0F0F0;
        // Right strip: (right, top + 4) to (right + 4, bottom); bottom strip:
        // (left + 4, bottom) to (right + 4, bottom + 4).
        struct
        {
            BOOL bBottom;
            CRect rc;
        } strips[] = {{FALSE, CRect(nMargin + cx, nMargin + nShadow, nMargin + cx + nShadow, nMargin + cy)},
                      {TRUE, CRect(nMargin + nShadow, nMargin + cy, nMargin + cx + nShadow, nMargin + cy + nShadow)}};
        for (const auto& strip : strips)
        {
            for (int y = 0; y < strip.rc.Height(); ++y)
            {
                for (int x = 0; x < strip.rc.Width(); ++x)
                {
                    DWORD dwShadow = CXTPShadowsManager::ShadowPixel(strip.bBottom, x, y, strip.rc.Width(),
                                                                     strip.rc.Height(), k, RGB(0, 0, 0));
                    DWORD alpha = dwShadow >> 24;
                    DWORD& dwPixel = pixels[static_cast<size_t>(strip.rc.top + y) * cxImage + strip.rc.left + x];
                    DWORD dwOut = 0;
                    for (int nShift = 0; nShift < 24; nShift += 8)
                    {
                        DWORD c = (dwShadow >> nShift) & 0xFF;
                        DWORD b = (dwPixel >> nShift) & 0xFF;
                        dwOut |= std::min<DWORD>(255, c + b * (255 - alpha) / 255) << nShift;
                    }
                    dwPixel = dwOut;
                }
            }
        }
        std::string strName = "extras/shadow-k" + std::to_string(k);
        Count(WritePng(strFolder + "\\" + strName + ".png", pixels.data(), cxImage, cyImage), strName,
              "shadow", nShots, nFailed, strIndex);
    }
}

// A dialog bar docked at the top of a frame, hosting an edit field under
// its caption band with the caption button's menu arrow and the hide
// button, and the same bar floating.
void ShootDialogBars(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    CFrameWnd* pFrame = ShowFrame("Dialogleiste", CRect(20, 20, 420, 260));
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    CXTPDialogBar* pBar = nullptr;
    if (pFrame)
    {
        pCommandBars->SetSite(pFrame);
        pCommandBars->CreateDockBars();
        pBar = static_cast<CXTPDialogBar*>(
            pCommandBars->CreateToolBar("Suche", xtpBarTop, RUNTIME_CLASS(CXTPDialogBar)));
    }
    if (!pBar)
    {
        Count(false, "extras/dialogbar-docked", "dialog bar", nShots, nFailed, strIndex);
        pCommandBars->InternalRelease();
        if (pFrame)
            pFrame->DestroyWindow();
        return;
    }
    pBar->SetDockingClientSize(CSize(240, 40));
    pBar->SetFloatingClientSize(CSize(180, 60));
    pBar->GetCaptionPopupBar()->GetControls()->Add(xtpControlButton, ID_SHOT)->SetCaption("&Optionen");
    CWnd edit;
    edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "Suchbegriff", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                  pFrame, 1001);
    pBar->SetChild(&edit);
    pFrame->RecalcLayout();
    PumpMessages();
    Count(ShootWindow(*pFrame, strFolder + "\\extras\\dialogbar-docked.png"), "extras/dialogbar-docked",
          "dialog bar", nShots, nFailed, strIndex);

    pBar->SetPosition(xtpBarFloating);
    pBar->SetWindowPos(&CWnd::wndTopMost, 440, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    pBar->OnRecalcLayout();
    PumpMessages();
    Count(ShootWindow(*pBar, strFolder + "\\extras\\dialogbar-floating.png"), "extras/dialogbar-floating",
          "dialog bar", nShots, nFailed, strIndex);
    edit.DestroyWindow();
    pCommandBars->RemoveAll();
    pCommandBars->InternalRelease();
    pFrame->DestroyWindow();
}

} // namespace

// The docking sample: the frame with its docked rows, and its floating bar.
void ShootDocking(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                  int& nShots, int& nFailed)
{
    ::CreateDirectoryA((strFolder + "\\dock").c_str(), nullptr);
    CDockSampleFrame* pFrame = CDockSampleFrame::Make(CRect(20, 20, 660, 420), pImages, ID_SHOT);
    if (pFrame == nullptr || pFrame->GetFloatingBar() == nullptr)
    {
        Count(false, "dock/rows", "dock bars", nShots, nFailed, strIndex);
        return;
    }
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    PumpMessages();
    Count(ShootWindow(*pFrame, strFolder + "\\dock\\rows.png"), "dock/rows", "dock bars", nShots,
          nFailed, strIndex);
    Count(ShootWindow(*pFrame->GetFloatingBar(), strFolder + "\\dock\\floating.png"), "dock/floating",
          "floating toolbar", nShots, nFailed, strIndex);
    pFrame->GetCommandBars()->RemoveAll();
    pFrame->DestroyWindow();
}

// The status bar, the splitter frame, the self-drawn tips and the shadows,
// in shots/extras.
void ShootExtras(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    ::CreateDirectoryA((strFolder + "\\extras").c_str(), nullptr);
    ShootStatusBars(strFolder, strIndex, nShots, nFailed);
    ShootSplitters(strFolder, strIndex, nShots, nFailed);
    ShootTips(strFolder, strIndex, nShots, nFailed);
    ShootShadows(strFolder, strIndex, nShots, nFailed);
    ShootDialogBars(strFolder, strIndex, nShots, nFailed);
}
