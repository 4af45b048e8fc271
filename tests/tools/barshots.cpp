// The screenshot program of the toolkit: renders every control of the bars in
// every state through each theme into PNG files, so that a person can look
// at the themes. It writes shots/<theme>/<bar>-<control>-<state>.png, each
// exactly the control's rectangle, tab strips of every appearance and
// colour set at each header position as shots/tabs/<appearance>-<colour>-
// <position>.png, the status bar, the splitter frame, the self-drawn tips and
// popup shadows as shots/extras/*.png, the text fields, the open combo list
// and galleries as shots/fields/*.png, and shots/index.csv listing them.
//
//   barshots [output folder]   (default: "shots" beside the program)
//   barshots --app EXE FILE [output folder]   (the real program: AppShots.cpp)
#include "barshots/DockSample.h"
#include "framework/core/String.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/View.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/ShadowsManager.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlEdit.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/ControlSizeComboBox.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlSelector.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/Splitter.h"
#include "toolkit/extras/StatusBar.h"
#include "toolkit/extras/ToolTipContext.h"
#include "toolkit/extras/ToolTipWnd.h"
#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabPaintManager.h"

#include "AppShots.h"

#include <png.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int ID_SHOT = 1000;

// A bar of the type and position of the shot.
class CShotBar : public CXTPCommandBar
{
public:
    CShotBar(int nType, int nPosition)
    {
        m_barType = nType;
        m_barPosition = nPosition;
    }
};

struct BarKind
{
    const char* pszName;
    int nType;
    int nPosition;
};

const BarKind s_bars[] = {
    {"toolbar", xtpBarTypeNormal, xtpBarTop},
    {"vertical", xtpBarTypeNormal, xtpBarLeft},
    {"menubar", xtpBarTypeMenuBar, xtpBarTop},
    {"popup", xtpBarTypePopup, xtpBarPopup},
};

struct ControlKind
{
    const char* pszName;
    int nType;
    int nStyle;
    const char* pszCaption;
    int nId;
};

const ControlKind s_controls[] = {
    {"button", xtpControlButton, xtpButtonIconAndCaption, "&Speichern\tStrg+S", ID_SHOT},
    {"caption", xtpControlButton, xtpButtonCaption, "&Drucken", ID_SHOT},
    {"icon", xtpControlButton, xtpButtonIcon, "Neu", ID_SHOT},
    {"large", xtpControlButton, xtpButtonIconAndCaptionBelow, "Neue Kategorie", ID_SHOT},
    {"popup", xtpControlPopup, xtpButtonAutomatic, "&Ansicht", 0},
    {"split", xtpControlSplitButtonPopup, xtpButtonIconAndCaption, "Farbe", ID_SHOT},
    {"checkbox", xtpControlCheckBox, xtpButtonAutomatic, "Fett", 0},
    {"label", xtpControlLabel, xtpButtonAutomatic, "Suchen:", 0},
    {"edit", xtpControlEdit, xtpButtonCaption, "Titel", 0},
    {"combo", xtpControlComboBox, xtpButtonAutomatic, "", 0},
};

struct StateKind
{
    const char* pszName;
    int nSelected;
    int nPressed;
    int nChecked;
    BOOL bEnabled;
};

const StateKind s_states[] = {
    {"normal", 0, 0, 0, TRUE},   {"hot", 1, 0, 0, TRUE},     {"pressed", 1, 1, 0, TRUE},
    {"checked", 0, 0, 1, TRUE},  {"checkedhot", 1, 0, 1, TRUE}, {"disabled", 0, 0, 0, FALSE},
    {"keyboard", 2, 0, 0, TRUE},
};

// A 16 × 16 icon: a blue page with a yellow corner.
HICON MakeIcon(int nSize)
{
    std::vector<DWORD> pixels(nSize * nSize);
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            pixels[y * nSize + x] = x + y > nSize * 3 / 2 ? 0x00F0C020 : 0x002050C0;
    std::vector<BYTE> mask(nSize * nSize / 8 + 4, 0);
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = ::CreateBitmap(nSize, nSize, 1, 1, mask.data());
    info.hbmColor = ::CreateBitmap(nSize, nSize, 1, 32, pixels.data());
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return hIcon;
}

// Writes the 32-bit top-down pixels as an RGB PNG file.
bool WritePng(const std::string& strPath, const DWORD* pPixels, int cx, int cy)
{
    FILE* pFile = fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        fclose(pFile);
        return false;
    }
    png_init_io(png, pFile);
    png_set_IHDR(png, info, cx, cy, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(cx) * 3);
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
        {
            DWORD dw = pPixels[y * cx + x];
            row[x * 3] = static_cast<png_byte>((dw >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<png_byte>((dw >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<png_byte>(dw & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(pFile);
    return true;
}

// Draws the control into a DIB of its own rectangle over the bar's background.
bool Shoot(CXTPPaintManager* pPaintManager, CShotBar& bar, CXTPControl* pControl,
           const std::string& strPath, CSize& size)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    size = pControl->GetSize(&dc);
    if (pControl->GetType() == xtpControlEdit || pControl->GetType() == xtpControlComboBox)
        size.cx = bar.GetType() == xtpBarTypePopup ? size.cx + 120 : 120;
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    pControl->SetRect(CRect(CPoint(0, 0), size));

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return false;
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    CRect rc(CPoint(0, 0), size);
    dc.FillSolidRect(&rc, pPaintManager->ResolveColor(COLOR_3DFACE));
    pControl->Draw(&dc);
    ::GdiFlush();
    bool bWritten = WritePng(strPath, static_cast<const DWORD*>(pBits), size.cx, size.cy);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return bWritten;
}

// A tab strip without a window for the tab shots: four tabs, the second
// selected, the third hot, the first with an icon.
class CShotTabStrip : public CXTPTabManager
{
public:
    CShotTabStrip() : m_pPaintManager(new CXTPTabPaintManager()) { m_pPaintManager->AddAtom(this); }
    ~CShotTabStrip() override
    {
        DeleteAllItems();
        m_pPaintManager->InternalRelease();
    }

    void Reposition() override
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        m_pPaintManager->RepositionTabControl(this, &dc, m_rcLayout);
    }
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawRect(LPCRECT, BOOL) override {}
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                      CSize& szIcon) override
    {
        if (!pItem)
            return TRUE;
        if (pItem->GetImageIndex() < 0)
            return FALSE;
        szIcon = CSize(16, 16);
        if (bDraw)
            ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, m_hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        return TRUE;
    }
    void MakeHot(int nIndex) { SetHighlighted(GetItem(nIndex)); }

    CXTPTabPaintManager* m_pPaintManager;
    CRect m_rcLayout;
    HICON m_hIcon = nullptr;
};

// Every appearance set with every colour set at each header position:
// shots/tabs/<appearance>-<colour>-<position>.png.
void ShootTabs(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    static const char* const s_appearances[] = {"propertypage", "propertypageselected",
        "propertypageflat", "propertypage2003", "statebuttons", "visualstudio", "flat", "excel",
        "visio", "visualstudio2005"};
    static const struct { int nColor; const char* pszName; } s_colors[] = {
        {1, "default"}, {2, "visualstudio"}, {4, "office2003"}, {8, "winxp"}, {16, "whidbey"},
        {32, "office2007"}};
    static const char* const s_positions[] = {"top", "left", "bottom", "right"};
    std::string strTabFolder = strFolder + "\\tabs";
    ::CreateDirectoryA(strTabFolder.c_str(), nullptr);
    HICON hIcon = MakeIcon(16);
    for (int nAppearance = 0; nAppearance < 10; ++nAppearance)
    {
        for (const auto& color : s_colors)
        {
            for (int nPosition = 0; nPosition < 4; ++nPosition)
            {
                CShotTabStrip strip;
                strip.m_hIcon = hIcon;
                BOOL bHorizontal = nPosition == 0 || nPosition == 2;
                CSize size = bHorizontal ? CSize(320, 90) : CSize(140, 320);
                strip.m_rcLayout = CRect(CPoint(0, 0), size);
                strip.m_pPaintManager->SetAppearance(nAppearance);
                strip.m_pPaintManager->SetColor(color.nColor);
                strip.m_pPaintManager->SetPosition(nPosition);
                for (const char* pszCaption : {"Notizen", "Anlagen", "Suche", "Einstellungen"})
                {
                    CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
                    pItem->SetCaption(pszCaption);
                    pItem->SetImageIndex(strip.GetItemCount() == 0 ? 0 : -1);
                    strip.InsertItem(-1, pItem);
                }
                strip.SetCurSel(1);
                strip.MakeHot(2);

                CDC dc;
                dc.CreateCompatibleDC(nullptr);
                BITMAPINFO bmi = {};
                bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
                bmi.bmiHeader.biWidth = size.cx;
                bmi.bmiHeader.biHeight = -size.cy;
                bmi.bmiHeader.biPlanes = 1;
                bmi.bmiHeader.biBitCount = 32;
                void* pBits = nullptr;
                HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
                std::string strName = std::string(s_appearances[nAppearance]) + "-" + color.pszName +
                                      "-" + s_positions[nPosition];
                bool bWritten = false;
                if (hBitmap)
                {
                    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
                    dc.FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
                    strip.m_pPaintManager->DrawTabControl(&strip, &dc, strip.m_rcLayout);
                    ::GdiFlush();
                    bWritten = WritePng(strTabFolder + "\\" + strName + ".png",
                                        static_cast<const DWORD*>(pBits), size.cx, size.cy);
                    ::SelectObject(dc.GetSafeHdc(), hOld);
                    ::DeleteObject(hBitmap);
                }
                if (!bWritten)
                {
                    ++nFailed;
                    fprintf(stderr, "barshots: tabs/%s not written\n", strName.c_str());
                    continue;
                }
                ++nShots;
                char szLine[256];
                snprintf(szLine, sizeof(szLine), "tabs/%s,tab strip,%d,%d,selected 1 hot 2,,%ldx%ld\n",
                         strName.c_str(), nAppearance, nPosition, size.cx, size.cy);
                strIndex += szLine;
            }
        }
    }
    ::DestroyIcon(hIcon);
}

// ---- the status bar, the splitter frame, self-drawn tips and shadows ----------

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

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Counts a shot and lists it in the index, or reports it missing.
void Count(bool bWritten, const std::string& strName, const std::string& strKind, int& nShots,
           int& nFailed, std::string& strIndex)
{
    if (!bWritten)
    {
        ++nFailed;
        fprintf(stderr, "barshots: %s not written\n", strName.c_str());
        return;
    }
    ++nShots;
    strIndex += strName + "," + strKind + ",,,,,\n";
}

// The client area of a window as the screen shows it.
bool ShootWindow(CWnd& wnd, const std::string& strPath)
{
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    CRect rc;
    wnd.GetClientRect(&rc);
    if (rc.IsRectEmpty())
        return false;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = rc.Width();
    bmi.bmiHeader.biHeight = -rc.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return false;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    HDC hWindowDC = ::GetDC(wnd.m_hWnd);
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(wnd.m_hWnd, hWindowDC);
    ::GdiFlush();
    bool bWritten = WritePng(strPath, static_cast<const DWORD*>(pBits), rc.Width(), rc.Height());
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return bWritten;
}

// A top-most frame at the place and size, shown without taking the focus.
CFrameWnd* ShowFrame(LPCSTR lpszTitle, const CRect& rc)
{
    auto* pFrame = new CFrameWnd;   // frames delete themselves when destroyed
    if (!pFrame->Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, rc))
        return nullptr;
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return pFrame;
}

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
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap)
        return false;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    CRect rc(CPoint(0, 0), size);
    dc.SetTextColor(context.GetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    {
        CXTPFontDC font(&dc, context.GetFont());
        tip.DrawBackground(&dc, tool, rc);
        tip.DrawContent(&dc, tool, rc);
    }
    ::GdiFlush();
    bool bWritten = WritePng(strPath, static_cast<const DWORD*>(pBits), size.cx, size.cy);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    return bWritten;
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

// The status bar, the splitter frame, the self-drawn tips and the shadows,
// in shots/extras.
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

void ShootExtras(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    ::CreateDirectoryA((strFolder + "\\extras").c_str(), nullptr);
    ShootStatusBars(strFolder, strIndex, nShots, nFailed);
    ShootSplitters(strFolder, strIndex, nShots, nFailed);
    ShootTips(strFolder, strIndex, nShots, nFailed);
    ShootShadows(strFolder, strIndex, nShots, nFailed);
    ShootDialogBars(strFolder, strIndex, nShots, nFailed);
}

// ---- text fields and galleries on toolbars ----------------------------------------

// A gallery collection of colour swatches under two headings.
class CShotSwatches : public CXTPControlGalleryItems
{
public:
    BOOL PreDrawItem(CDC* pDC, CXTPControlGallery* /*pGallery*/, CXTPControlGalleryItem* pItem,
                     CRect rc, BOOL /*bEnabled*/, BOOL bSelected, BOOL /*bPressed*/, BOOL bChecked) override
    {
        if (pItem->IsLabel())
            return FALSE;
        rc.DeflateRect(2, 2);
        pDC->FillSolidRect(&rc, bSelected || bChecked ? RGB(0, 0, 0) : RGB(128, 128, 128));
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(&rc, static_cast<COLORREF>(pItem->GetID()));
        return TRUE;
    }
};

CXTPControlGalleryItems* MakeSwatches()
{
    CXTPControlGalleryItems* pItems = new CShotSwatches;
    pItems->SetItemSize(CSize(24, 24));
    pItems->AddLabel("Grundfarben");
    const COLORREF basics[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0),
                               RGB(0, 255, 255), RGB(255, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
    for (COLORREF clr : basics)
        pItems->AddItem(static_cast<int>(clr), "");
    pItems->AddLabel("Weitere Farben");
    for (int i = 0; i < 24; ++i)
        pItems->AddItem(static_cast<int>(RGB(i * 10, 255 - i * 10, 128)), "");
    return pItems;
}

// The fields of a format toolbar (font box, size box, an editable combo
// showing its hint, a labelled edit), the combo's open list, and a gallery
// with labels and scroll bar in the visual-styles and the classic scroll
// bar: shots/fields/*.png, taken from the screen.
void ShootFields(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    const std::string strFields = strFolder + "\\fields";
    ::CreateDirectoryA(strFields.c_str(), nullptr);
    CFrameWnd* pFrame = ShowFrame("Felder", CRect(20, 20, 620, 320));
    if (!pFrame)
    {
        Count(false, "fields/toolbar", "fields", nShots, nFailed, strIndex);
        return;
    }
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(pFrame);
    pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    CXTPToolBar* pFormat = pCommandBars->CreateToolBar("Format", xtpBarTop);
    CXTPToolBar* pGalleryBar = pCommandBars->CreateToolBar("Galerie", xtpBarTop);
    if (!pFormat || !pGalleryBar)
    {
        Count(false, "fields/toolbar", "fields", nShots, nFailed, strIndex);
        pCommandBars->InternalRelease();
        pFrame->DestroyWindow();
        return;
    }
    CXTPControls* pControls = pFormat->GetControls();
    auto* pFont = new CXTPControlFontComboBox(1);
    pControls->Add(pFont, 2001);
    pFont->SetText("Liberation Sans");
    auto* pSize = new CXTPControlSizeComboBox;
    pControls->Add(pSize, 2002);
    pSize->SetTwipSize(240);
    auto* pCombo = static_cast<CXTPControlComboBox*>(pControls->Add(xtpControlComboBox, 2003));
    pCombo->SetDropDown(TRUE);
    pCombo->SetEditHint("Suchen");
    for (LPCSTR psz : {"Arial", "Arial Black", "Courier", "Liberation Sans", "Tahoma"})
        pCombo->AddString(psz);
    auto* pEdit = static_cast<CXTPControlEdit*>(pControls->Add(xtpControlEdit, 2004));
    pEdit->SetCaption("Titel");
    pEdit->ShowLabel(TRUE);
    pEdit->SetText("Notiz");

    CXTPControlGalleryItems* pItems = MakeSwatches();
    auto* pAction = new CXTPControlGalleryAction;
    pAction->SetID(2005);
    pAction->SetItems(pItems);
    pItems->InternalRelease();
    auto* pGallery = new CXTPControlGallery;
    pGalleryBar->GetControls()->Add(pGallery, 2005);
    pGallery->SetAction(pAction);
    pGallery->SetControlSize(CSize(8 * 24 + ::GetSystemMetrics(SM_CXVSCROLL) + 2, 62));
    pGallery->ShowBorders(TRUE);
    pGallery->SetCheckedItem(static_cast<int>(RGB(0, 0, 255)));
    pFrame->RecalcLayout();
    PumpMessages();

    Count(ShootWindow(*pFormat, strFields + "\\format-toolbar.png"), "fields/format-toolbar",
          "font box, size box, combo with hint, labelled edit", nShots, nFailed, strIndex);
    // Another program of the display taking the foreground closes the list
    // again, so the list is opened anew until it stands.
    HWND hWndList = nullptr;
    for (int nTry = 0; nTry < 5 && !(hWndList && ::IsWindowVisible(hWndList)); ++nTry)
    {
        pFormat->OpenControlPopup(pCombo->GetIndex());
        PumpMessages();
        hWndList = pCombo->GetListWindow();
    }
    Count(hWndList && ::IsWindowVisible(hWndList)
              && ShootWindow(*CWnd::FromHandle(hWndList), strFields + "\\combo-open-list.png"),
          "fields/combo-open-list", "open combo list", nShots, nFailed, strIndex);
    Count(ShootWindow(*pFormat, strFields + "\\combo-open.png"), "fields/combo-open",
          "combo with its list open", nShots, nFailed, strIndex);
    pFormat->OpenControlPopup(-1);
    pFormat->SetTrackingMode(0);
    PumpMessages();

    const struct
    {
        const char* pszName;
        int nScrollStyle;
    } galleries[] = {{"gallery-styles", 0}, {"gallery-classic", 1}};
    for (const auto& gallery : galleries)
    {
        pGallery->SetScrollStyle(gallery.nScrollStyle);
        pGallery->SetScrollPos(24);
        std::string strName = std::string("fields/") + gallery.pszName;
        Count(ShootWindow(*pGalleryBar, strFolder + "\\" + strName + ".png"), strName,
              "gallery with labels and scroll bar", nShots, nFailed, strIndex);
    }

    pCommandBars->CloseAllPopups();
    pCommandBars->RemoveAll();
    pCommandBars->InternalRelease();
    pAction->InternalRelease();
    pFrame->DestroyWindow();
    PumpMessages();
}

std::string CsvField(const CString& str)
{
    std::string s = "\"";
    for (const char* p = str; *p; ++p)
    {
        if (*p == '"')
            s += '"';
        s += *p == '\t' ? ' ' : *p;
    }
    return s + "\"";
}

int s_nShotScheme = 0;

// The visual style's names for the scheme of the theme being shot.
BOOL ShotThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    static const wchar_t* const s_colorNames[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
    ::lstrcpynW(pszFile, L"Luna.msstyles", cchFile);
    ::lstrcpynW(pszColor, s_colorNames[s_nShotScheme], cchColor);
    return TRUE;
}

std::string DefaultFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath);
    size_t nSlash = strPath.find_last_of("\\/");
    return (nSlash == std::string::npos ? std::string(".") : strPath.substr(0, nSlash)) + "\\shots";
}

// Writes the open popup's client area (drawn through WM_PRINT) as a PNG.
bool ShootWindow(CXTPCommandBar& bar, const std::string& strPath, CSize& size)
{
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    size = rcClient.Size();
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap || size.cx <= 0 || size.cy <= 0)
        return false;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    bar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
    ::GdiFlush();
    bool bWritten = WritePng(strPath, static_cast<const DWORD*>(pBits), size.cx, size.cy);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return bWritten;
}

// Whole popup menus, opened on the screen: a menu with groups, a checked and
// a disabled item and a sub-menu, and a menu too tall for the screen,
// scrolled a few steps down. Appends their index lines; answers how many
// could not be written.
int ShootPopups(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                int& nShots)
{
    int nFailed = 0;
    for (int nKind = 0; nKind < 2; ++nKind)
    {
        CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(nullptr);
        pPopup->SetPaintManager(pPaintManager);
        pPopup->SetImageManager(pImages);
        CXTPControls* pControls = pPopup->GetControls();
        const char* pszName = nKind == 0 ? "popupbar-open" : "popupbar-scrolled";
        if (nKind == 0)
        {
            pControls->Add(xtpControlButton, ID_SHOT)->SetCaption("&Speichern\tStrg+S");
            pControls->Add(xtpControlButton, 0)->SetCaption("Speichern &unter...");
            CXTPControl* pChecked = pControls->Add(xtpControlButton, 0);
            pChecked->SetCaption("&Immer im Vordergrund");
            pChecked->SetChecked(TRUE);
            pChecked->SetBeginGroup(TRUE);
            CXTPControl* pDisabled = pControls->Add(xtpControlButton, 0);
            pDisabled->SetCaption("&Drucken...\tStrg+P");
            pDisabled->SetEnabled(FALSE);
            CXTPControl* pSub = pControls->Add(xtpControlPopup, 0);
            pSub->SetCaption("&Exportieren");
            pSub->SetBeginGroup(TRUE);
            pControls->Add(xtpControlButton, 0)->SetCaption("&Beenden");
        }
        else
        {
            for (int i = 0; i < 80; ++i)
            {
                CString strCaption;
                strCaption.Format("Eintrag &%d", i + 1);
                pControls->Add(xtpControlButton, 0)->SetCaption(strCaption);
            }
        }
        CSize size;
        std::string strName = std::string(pszTheme) + "/" + pszName;
        bool bShot = pPopup->PopupAt(20, 20) != FALSE;
        if (bShot && nKind == 1)
            for (int i = 0; i < 5; ++i)
                pPopup->ScrollDown();
        if (bShot && nKind == 0)
            pPopup->SetSelected(0, 2);
        bShot = bShot && ShootWindow(*pPopup, strThemeFolder + "\\" + pszName + ".png", size);
        pPopup->SetTrackingMode(0);
        pPopup->InternalRelease();
        if (!bShot)
        {
            ++nFailed;
            fprintf(stderr, "barshots: %s not written\n", strName.c_str());
            continue;
        }
        ++nShots;
        char szLine[256];
        snprintf(szLine, sizeof(szLine), "%s,%d,0,%d,open,\"\",%ldx%ld\n", strName.c_str(),
                 xtpBarTypePopup, xtpBarPopup, size.cx, size.cy);
        strIndex += szLine;
    }
    return nFailed;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && strcmp(argv[1], "--app") == 0)
        return RunAppShots(argv[2], argv[3], argc > 4 ? argv[4] : DefaultFolder(), WritePng);
    std::string strFolder = argc > 1 ? argv[1] : DefaultFolder();
    if (strFolder != "--frame")
        ::CreateDirectoryA(strFolder.c_str(), nullptr);

    CXTPImageManager* pImages = new CXTPImageManager;
    for (int nSize : {16, 32})
    {
        HICON hIcon = MakeIcon(nSize);
        pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), ID_SHOT, nSize);
        ::DestroyIcon(hIcon);
    }

    // A frame a person can try: barshots --frame [--state COMPANY APP].
    if (strFolder == "--frame")
    {
        CWinApp app("barshots");
        const bool bState = argc > 4 && std::string(argv[2]) == "--state";
        const int nResult = CDockSampleFrame::Run(bState ? argv[3] : nullptr, bState ? argv[4] : nullptr,
                                                  pImages, ID_SHOT);
        pImages->InternalRelease();
        return nResult;
    }

    std::string strIndex = "name,type,style,bar position,states,caption,size\n";
    int nShots = 0, nFailed = 0;
    // Themes with a scheme draw as under that XP colour variant.
    const struct
    {
        int nTheme;
        const char* pszName;
        int nScheme;
    } themes[] = {{xtpThemeOffice2000, "classic", 0}, {xtpThemeOfficeXP, "office", 0},
                  {xtpThemeOffice2003, "office2003", 0}, {xtpThemeOffice2003, "office2003-blue", 1},
                  {xtpThemeOffice2003, "office2003-olive", 2}, {xtpThemeOffice2003, "office2003-silver", 3},
                  {xtpThemeNativeWinXP, "nativexp", 0}, {xtpThemeWhidbey, "whidbey", 0},
                  {xtpThemeWhidbey, "whidbey-silver", 3}};
    for (const auto& theme : themes)
    {
        s_nShotScheme = theme.nScheme;
        CXTPColorManager::SetThemeNameSource(theme.nScheme ? &ShotThemeNames : nullptr);
        CXTPPaintManager* pPaintManager = CreatePaintTheme(theme.nTheme);
        pPaintManager->RefreshMetrics();
        std::string strThemeFolder = strFolder + "\\" + theme.pszName;
        ::CreateDirectoryA(strThemeFolder.c_str(), nullptr);
        for (const BarKind& barKind : s_bars)
        {
            for (const ControlKind& controlKind : s_controls)
            {
                for (const StateKind& state : s_states)
                {
                    CShotBar bar(barKind.nType, barKind.nPosition);
                    bar.SetPaintManager(pPaintManager);
                    bar.SetImageManager(pImages);
                    CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, controlKind.nId);
                    pControl->SetType(controlKind.nType);
                    pControl->SetStyle(controlKind.nStyle);
                    pControl->SetCaption(controlKind.pszCaption);
                    pControl->SetChecked(state.nChecked);
                    pControl->SetEnabled(state.bEnabled);
                    pControl->OnSetSelected(state.nSelected);
                    pControl->SetPressed(state.nPressed);

                    std::string strName = std::string(barKind.pszName) + "-" + controlKind.pszName
                                          + "-" + state.pszName;
                    CSize size;
                    if (!Shoot(pPaintManager, bar, pControl, strThemeFolder + "\\" + strName + ".png",
                               size))
                    {
                        ++nFailed;
                        fprintf(stderr, "barshots: %s/%s not written\n", theme.pszName, strName.c_str());
                        continue;
                    }
                    ++nShots;
                    char szLine[512];
                    snprintf(szLine, sizeof(szLine), "%s/%s,%d,%d,%d,%s,%s,%ldx%ld\n", theme.pszName,
                             strName.c_str(), controlKind.nType, controlKind.nStyle,
                             barKind.nPosition, state.pszName,
                             CsvField(controlKind.pszCaption).c_str(), size.cx, size.cy);
                    strIndex += szLine;
                }
            }
        }
        nFailed += ShootPopups(pPaintManager, pImages, strThemeFolder, theme.pszName, strIndex,
                               nShots);
        pPaintManager->InternalRelease();
    }
    ShootDocking(strFolder, pImages, strIndex, nShots, nFailed);
    pImages->InternalRelease();
    ShootTabs(strFolder, strIndex, nShots, nFailed);
    ShootExtras(strFolder, strIndex, nShots, nFailed);
    ShootFields(strFolder, strIndex, nShots, nFailed);

    std::string strIndexPath = strFolder + "\\index.csv";
    FILE* pIndex = fopen(strIndexPath.c_str(), "wb");
    if (!pIndex)
        return 1;
    fwrite(strIndex.data(), 1, strIndex.size(), pIndex);
    fclose(pIndex);
    printf("barshots: %d shots in %s\n", nShots, strFolder.c_str());
    return nFailed == 0 ? 0 : 1;
}
