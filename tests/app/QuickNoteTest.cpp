// The quick note: its title from the clock, the entry it fills, its layout,
// and the command that files it first under the root.
#include "CardTreeFixture.h"

#include "app/LocalClock.h"
#include "app/QuickNote.h"
#include "app/res/resource.h"
#include "framework/ui/DialogSeams.h"
#include "model/exchange/ExchangeContext.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

void FifthOfMarch2007(SYSTEMTIME* pTime)
{
    *pTime = {};
    pTime->wYear = 2007;
    pTime->wMonth = 3;
    pTime->wDay = 5;
    pTime->wHour = 9;
    pTime->wMinute = 7;
    pTime->wSecond = 59;
}

// The clock of the tests for their lifetime.
class CFixedClock
{
public:
    CFixedClock() : m_pfnPrevious(QivSetLocalTimeSource(FifthOfMarch2007)) {}
    ~CFixedClock() { QivSetLocalTimeSource(m_pfnPrevious); }

private:
    PFN_QIV_LOCALTIME m_pfnPrevious;
};

CRect ChildRect(CDialog* pDialog, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(pDialog->m_hWnd, nID), &rc);
    ::MapWindowPoints(nullptr, pDialog->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

} // namespace

TEST(QuickNote, TitleFromTheClockAndPlainTextWithItsNul)
{
    CFixedClock clock;
    struct { LPCSTR text; DWORD length; } const cases[] = {
        { "Milch kaufen", 13 },
        { "", 1 },                     // the NUL alone
        { "zwei\r\nZeilen", 13 },
    };
    for (const auto& c : cases) {
        C_QivEntry entry("");
        CQuickNotizDlg dialog(&entry);
        CString strShownTitle;
        CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
            request.pDialog->GetDlgItemText(IDC_QUICKNOTE_TITLE, strShownTitle);
            request.pDialog->SetDlgItemText(IDC_QUICKNOTE_TEXT, c.text);
            return IDOK;
        });
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_STREQ("2007/03/05, 09:07", strShownTitle.GetString());
        EXPECT_STREQ("2007/03/05, 09:07", entry.m_strTitle.GetString());
        ASSERT_EQ(c.length, entry.m_nTextLength) << c.text;
        EXPECT_EQ(0, memcmp(c.text, entry.m_pText, c.length)) << c.text;
    }
}

TEST(QuickNote, LayoutFollowsTheClientSize)
{
    C_QivEntry entry("");
    CQuickNotizDlg dialog(&entry);
    CRect rcButton, rcText, rcTitle;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        CDialog* pDlg = request.pDialog;
        RECT rc = { 0, 0, 400, 300 };
        ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongPtrA(pDlg->m_hWnd, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongPtrA(pDlg->m_hWnd, GWL_EXSTYLE)));
        ::SetWindowPos(pDlg->m_hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOMOVE | SWP_NOZORDER);
        rcButton = ChildRect(pDlg, IDOK);
        rcText = ChildRect(pDlg, IDC_QUICKNOTE_TEXT);
        rcTitle = ChildRect(pDlg, IDC_QUICKNOTE_TITLE);
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_EQ(CRect(317, 0, 400, 23), rcButton);
    EXPECT_EQ(CRect(0, 23, 400, 300), rcText);    // 277 pixels high
    EXPECT_EQ(CRect(0, 0, 317, 23), rcTitle);
}

class QuickNoteCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root.reset(new C_QivCategory("Notizen"));
        C_QivCategory* pA = AddCategory(m_root.get(), "A");
        C_QivCategory* pB = AddCategory(pA, "B");
        m_pDeep = AddEntry(pB, "Tief");
        AddEntry(m_root.get(), "Oben");
        m_root->m_dwExpanded = 1;
        m_tree.Show(m_root.get());
        ::SendMessageA(m_tree.m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(m_pDeep->m_hTreeItem));
        m_ctx.hTree = m_tree.m_hWnd;
        m_ctx.pRoot = m_root.get();
        m_ctx.setModified = [this] { ++m_nModified; };
    }

    CFixedClock m_clock;
    CTreeWindow m_tree;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivEntry* m_pDeep = nullptr;
    CQivExchangeContext m_ctx;
    int m_nModified = 0;
};

TEST_F(QuickNoteCommand, FiledFirstUnderTheRootAndSelected)
{
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        request.pDialog->SetDlgItemText(IDC_QUICKNOTE_TEXT, "Notiz");
        return IDOK;
    });
    EXPECT_TRUE(QivRunQuickNote(m_ctx));
    EXPECT_EQ((std::vector<std::string>{ "2007/03/05, 09:07", "A", "Oben" }), ChainTitles(m_root.get()));
    EXPECT_EQ((std::vector<std::string>{ "2007/03/05, 09:07", "A", "Oben" }), TreeTitles(m_tree.m_hWnd, m_root.get()));
    EXPECT_EQ(m_root->m_pFirstChild, m_tree.Selected());
    EXPECT_EQ(1, m_nModified);
}

TEST_F(QuickNoteCommand, CancelLeavesNothing)
{
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST&) { return IDCANCEL; });
    EXPECT_FALSE(QivRunQuickNote(m_ctx));
    EXPECT_EQ((std::vector<std::string>{ "A", "Oben" }), ChainTitles(m_root.get()));
    EXPECT_EQ((std::vector<std::string>{ "A", "Oben" }), TreeTitles(m_tree.m_hWnd, m_root.get()));
    EXPECT_EQ(m_pDeep, m_tree.Selected());
    EXPECT_EQ(0, m_nModified);
}
