// Going to an item by its path in a shown tree.
#include "CardTreeFixture.h"

#include "app/GoToEntry.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

using namespace apptest;

class GoToEntryTree : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root.reset(new C_QivCategory("Notizen"));
        m_pProjects = AddCategory(m_root.get(), "Projekte");
        m_pNote = AddEntry(m_pProjects, "Notiz");
        m_pSecondNote = AddEntry(m_pProjects, "NOTIZ");
        m_pSub = AddCategory(m_pProjects, "Unter");
        C_QivCategory* pUmlauts = AddCategory(m_root.get(), "über");
        m_pAnger = AddEntry(pUmlauts, "ärger");
        m_pEmptyTitle = AddEntry(m_root.get(), "");
        m_pStart = AddEntry(m_root.get(), "Start");
        m_tree.Show(m_root.get());
    }

    // Goes to the path and answers the selection afterwards; the messages
    // shown are collected.
    C_QivItem* Go(LPCSTR lpszPath)
    {
        ::SendMessageA(m_tree.m_hWnd, TVM_SELECTITEM, TVGN_CARET,
                       reinterpret_cast<LPARAM>(m_pStart->m_hTreeItem));
        GoToEntry(m_tree.m_hWnd, m_root.get(), lpszPath);
        return m_tree.Selected();
    }

    CTreeWindow m_tree;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pProjects = nullptr;
    C_QivEntry* m_pNote = nullptr;
    C_QivEntry* m_pSecondNote = nullptr;
    C_QivCategory* m_pSub = nullptr;
    C_QivEntry* m_pAnger = nullptr;
    C_QivEntry* m_pEmptyTitle = nullptr;
    C_QivEntry* m_pStart = nullptr;
};

TEST_F(GoToEntryTree, PathsSelectTheirItems)
{
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return IDOK;
    });
    struct { LPCSTR path; C_QivItem* expected; } const cases[] = {
        { "Projekte\\", m_pProjects },          // as the go-to list shows a category
        { "Projekte", m_pProjects },
        { "projekte\\notiz", m_pNote },         // case ignored, the first in chain order
        { "Projekte\\Notiz\\mehr", m_pNote },   // the rest behind an entry is ignored
        { "Projekte\\Unter", m_pSub },
        { "ÜBER\\ÄRGER", m_pAnger },            // umlauts without case too
        { "\\", m_pEmptyTitle },                // an empty segment looks for an empty title
        { "", m_pStart },                       // nothing happens
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Go(c.path)) << c.path;
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GoToEntryTree, PathNamingNothingIsReportedAndKeepsTheSelection)
{
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return IDOK;
    });
    for (LPCSTR path : { "Projekte\\\\Notiz", "Fehlt", "Projekte\\Fehlt\\Notiz", "Notizen" }) {
        boxes.clear();
        EXPECT_EQ(m_pStart, Go(path)) << path;
        ASSERT_EQ(1u, boxes.size()) << path;
        EXPECT_EQ(CString("Der Eintrag '") + path + "' existiert nicht.", boxes[0].strText);
        EXPECT_EQ(CString("Fehler"), boxes[0].strCaption);
        EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), boxes[0].nType);
        EXPECT_EQ(m_tree.m_hWnd, boxes[0].hWndOwner);
    }
}
