#include "Shots.h"
#include "ShotSupport.h"

#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabPaintManager.h"

#include <stdio.h>

namespace {

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

} // namespace

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

                std::string strName = std::string(s_appearances[nAppearance]) + "-" + color.pszName +
                                      "-" + s_positions[nPosition];
                CShotDib dib(size);
                bool bWritten = false;
                if (dib.IsValid())
                {
                    dib.Dc().FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
                    strip.m_pPaintManager->DrawTabControl(&strip, &dib.Dc(), strip.m_rcLayout);
                    bWritten = dib.Write(strTabFolder + "\\" + strName + ".png");
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
