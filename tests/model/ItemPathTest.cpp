// Item paths and the go-to list: the root's title never stands in them,
// categories are listed with a trailing backslash.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace qivtest;

namespace {

std::vector<std::string> ComboLines(HWND hCombo)
{
    std::vector<std::string> lines;
    int nCount = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        std::string line(::SendMessageA(hCombo, CB_GETLBTEXTLEN, i, 0), '\0');
        std::vector<char> buf(line.size() + 1);
        ::SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf.data()));
        lines.push_back(buf.data());
    }
    return lines;
}

} // namespace

// R: A (category: e, B (category: f)), g, with a backslash in a title.
class ItemPath : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root.reset(new C_QivCategory("R"));
        m_pA = new C_QivCategory("A");
        m_pE = new C_QivEntry("e");
        m_pB = new C_QivCategory("B");
        m_pF = new C_QivEntry("f");
        m_pG = new C_QivItem("g\\h");
        m_pB->InsertChild(m_pF, nullptr);
        m_pA->InsertChild(m_pB, nullptr);
        m_pA->InsertChild(m_pE, nullptr);
        m_root->InsertChild(m_pG, nullptr);
        m_root->InsertChild(m_pA, nullptr);
    }
    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pA;
    C_QivEntry* m_pE;
    C_QivCategory* m_pB;
    C_QivEntry* m_pF;
    C_QivItem* m_pG;
};

TEST_F(ItemPath, PathsLeaveTheRootOut)
{
    const CString id = QIV_ROOT_IDENTIFIER;
    EXPECT_EQ(20, id.GetLength());
    struct Case { C_QivItem* pTarget; const char* path; };
    const Case cases[] = {
        { m_pE, "A\\e" }, { m_pA, "A" }, { m_pB, "A\\B" }, { m_pF, "A\\B\\f" },
        { m_pG, "g\\h" }, { m_root.get(), "R" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.path, m_root->GetPath(c.pTarget, id)) << c.path;
    C_QivEntry stranger("x");
    EXPECT_STREQ("", m_root->GetPath(&stranger, id));
    EXPECT_STREQ("", m_root->GetPath(nullptr, id));
}

TEST_F(ItemPath, OtherPrefixesAreKeptInFront)
{
    EXPECT_STREQ("R\\A\\e", m_root->GetPath(m_pE, ""));
    EXPECT_STREQ("R", m_root->GetPath(m_root.get(), ""));
    EXPECT_STREQ("X\\R\\A\\B", m_root->GetPath(m_pB, "X"));
    // Asked from a node inside the tree: that node, its siblings, their subtrees.
    EXPECT_STREQ("B\\f", m_pB->GetPath(m_pF, ""));
    EXPECT_STREQ("g\\h", m_pA->GetPath(m_pG, ""));
    EXPECT_STREQ("", m_pB->GetPath(m_pE, ""));
}

TEST_F(ItemPath, ComboListHoldsEveryNodeBelowTheRootInPreOrder)
{
    CTestWindow combo("COMBOBOX", CBS_DROPDOWN);
    ASSERT_TRUE(combo.m_hWnd);
    m_root->AddPathsToComboBox(combo.m_hWnd, QIV_ROOT_IDENTIFIER);
    EXPECT_EQ((std::vector<std::string>{ "A\\", "A\\e", "A\\B\\", "A\\B\\f", "g\\h" }),
              ComboLines(combo.m_hWnd));

    CTestWindow sorted("COMBOBOX", CBS_DROPDOWN | CBS_SORT);
    m_pB->AddPathsToComboBox(sorted.m_hWnd, "");
    EXPECT_EQ((std::vector<std::string>{ "B\\", "B\\f" }), ComboLines(sorted.m_hWnd));

    CTestWindow empty("COMBOBOX", CBS_DROPDOWN);
    C_QivCategory("leer").AddPathsToComboBox(empty.m_hWnd, QIV_ROOT_IDENTIFIER);
    EXPECT_TRUE(ComboLines(empty.m_hWnd).empty());
}

TEST(ItemPathDeep, PathOfANodeTenThousandLevelsDown)
{
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("R"));
    C_QivCategory* pLevel = root.get();
    std::string expected;
    for (int i = 0; i < 10000; ++i) {
        C_QivCategory* pChild = new C_QivCategory(i % 2 ? "b" : "a");
        pLevel->InsertChild(new C_QivEntry("x"), nullptr);
        pLevel->InsertChild(pChild, nullptr);
        expected += expected.empty() ? "" : "\\";
        expected += i % 2 ? "b" : "a";
        pLevel = pChild;
    }
    C_QivEntry* pLeaf = new C_QivEntry("leaf");
    pLevel->InsertChild(pLeaf, nullptr);
    EXPECT_EQ(expected + "\\leaf", std::string(root->GetPath(pLeaf, QIV_ROOT_IDENTIFIER)));
}
