// Laying out a strip of 200 tabs (automatic, size to fit and multi-row)
// through the tab paint manager, beside a plain loop that measures the same
// 200 captions with GetTextExtent in the same font.
// Target: each layout within 2x of the plain measuring.
#include "bench/BenchCommon.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabManager.h"
#include "toolkit/extras/TabPaintManager.h"

#include <stdio.h>

#include <vector>

namespace {

const int kTabs = 200;
const int kLayouts = 200;
const int kRounds = 7;

// A strip without a window that lays itself out into a fixed rectangle.
class CBenchTabs : public CXTPTabManager
{
public:
    CBenchTabs(CXTPTabPaintManager* pPaintManager, CDC* pDC)
        : m_pPaintManager(pPaintManager), m_pDC(pDC)
    {
    }
    ~CBenchTabs() override { DeleteAllItems(); }

    void Reposition() override
    {
        if (m_bLayout)
            m_pPaintManager->RepositionTabControl(this, m_pDC, CRect(0, 0, 1200, 600));
    }
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawRect(LPCRECT, BOOL) override {}
    BOOL DrawItemIcon(CDC*, CPoint, CXTPTabManagerItem* pItem, BOOL, CSize&) override
    {
        return pItem == nullptr;
    }

    BOOL m_bLayout = FALSE;

private:
    CXTPTabPaintManager* m_pPaintManager;
    CDC* m_pDC;
};

} // namespace

int main()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CXTPTabPaintManager* pPaint = new CXTPTabPaintManager();
    CBenchTabs tabs(pPaint, &dc);
    std::vector<CString> captions;
    char szCaption[32];
    for (int i = 0; i < kTabs; ++i)
    {
        wsprintfA(szCaption, "Notiz Nummer %d", i * 37 % 1000);
        captions.push_back(szCaption);
        CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
        pItem->SetCaption(szCaption);
        tabs.InsertItem(-1, pItem);
    }
    tabs.m_bLayout = TRUE;

    bench::Rounds baseline;
    for (int r = 0; r < kRounds; ++r)
    {
        CXTPFontDC font(&dc, pPaint->GetNormalFont());
        int nTotal = 0;
        double dStart = bench::Now();
        for (int n = 0; n < kLayouts; ++n)
            for (const CString& strCaption : captions)
                nTotal += dc.GetTextExtent(strCaption).cx;
        baseline.Add(bench::Now() - dStart);
        if (nTotal == 0)
            printf("no text measured\n");
    }

    const struct { int nMode; const char* pszName; } modes[] = {
        {xtpTabLayoutAutoSize, "layout of 200 tabs, automatic"},
        {xtpTabLayoutSizeToFit, "layout of 200 tabs, size to fit"},
        {xtpTabLayoutMultiRow, "layout of 200 tabs, multi-row"},
    };
    bool bMet = true;
    for (const auto& mode : modes)
    {
        pPaint->SetLayoutMode(mode.nMode);
        bench::Rounds measured;
        for (int r = 0; r < kRounds; ++r)
        {
            double dStart = bench::Now();
            for (int n = 0; n < kLayouts; ++n)
                tabs.Reposition();
            measured.Add(bench::Now() - dStart);
        }
        double dRatio = bench::ReportAgainst(mode.pszName, measured,
                                             "200 captions measured by GetTextExtent", baseline);
        bMet = bMet && dRatio <= 2.0;
    }
    printf("target: every layout within 2x of the plain measuring: %s\n", bMet ? "met" : "missed");

    tabs.m_bLayout = FALSE;
    tabs.DeleteAllItems();
    pPaint->InternalRelease();
    return 0;
}
