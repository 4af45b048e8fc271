// Copy, cut and paste of items through the system clipboard, which every
// program on the display shares: these tests run alone.
#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/ItemClipboard.h"
#include "app/TreeView.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/OleDataObject.h"
#include "framework/ui/OleInit.h"
#include "framework/ui/TestSeams.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

using Bytes = std::vector<BYTE>;

// The bytes of item blocks, spelled out.
struct ByteWriter
{
    Bytes bytes;
    ByteWriter& Word(WORD w)
    {
        bytes.push_back(static_cast<BYTE>(w));
        bytes.push_back(static_cast<BYTE>(w >> 8));
        return *this;
    }
    ByteWriter& Dword(DWORD dw) { return Word(LOWORD(dw)).Word(HIWORD(dw)); }
    ByteWriter& Raw(const std::string& s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    ByteWriter& Str(const std::string& s)
    {
        bytes.push_back(static_cast<BYTE>(s.size()));
        return Raw(s);
    }
    ByteWriter& NewClass(const std::string& name) { return Word(0xFFFF).Word(0).Word(static_cast<WORD>(name.size())).Raw(name); }
};

Bytes BlockBytes(HGLOBAL hBlock)
{
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hBlock));
    Bytes bytes(p, p + ::GlobalSize(hBlock));
    ::GlobalUnlock(hBlock);
    return bytes;
}

// The block starts with the expected bytes; the rest of it is zero.
void ExpectBlock(HGLOBAL hBlock, const Bytes& expected)
{
    Bytes bytes = BlockBytes(hBlock);
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(expected, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(expected.size())));
    for (size_t i = expected.size(); i < bytes.size(); ++i)
        ASSERT_EQ(0, bytes[i]) << "at " << i;
}

class ItemClipboardTest : public ViewTest
{
protected:
    static void SetUpTestSuite() { AfxOleInit(); }

    void SetUp() override
    {
        ViewTest::SetUp();
        m_pCat = AddCategory(Root(), "K");
        m_pCat->m_crBackground = 0x00102030;
        m_pCat->m_dwExpanded = 1;
        m_pSub = AddCategory(m_pCat, "U");
        m_pSub->m_crBackground = 0x00405060;
        m_pSub->m_dwExpanded = 1;
        m_pX = AddEntry(m_pSub, "x");
        m_pX->m_crBackground = 0x00708090;
        m_pEntry = AddEntry(Root(), "E", "hi");
        m_pEntry->m_crBackground = 0x00112233;
        m_pEntry->m_lstAttachments.AddTail("a");
        Show();
    }

    CQivTreeView* View() const { return m_pFrame->m_pTree; }
    void Command(UINT nID) { View()->SendMessageA(WM_COMMAND, nID, 0); }

    C_QivCategory* m_pCat = nullptr;
    C_QivCategory* m_pSub = nullptr;
    C_QivEntry* m_pX = nullptr;
    C_QivEntry* m_pEntry = nullptr;
};

} // namespace

TEST_F(ItemClipboardTest, BlocksHoldTheItemAloneInTheCardFilesEncoding)
{
    ByteWriter entryRecord;
    entryRecord.Str("E").Word(0).Dword(0x00112233).Word(1).Str("a").Dword(2).Raw("hi");
    ByteWriter entryObject;
    entryObject.NewClass("C_QivEntry").Raw(std::string(entryRecord.bytes.begin(), entryRecord.bytes.end()));

    // Class indexes and object indexes share one count, from 1 in each block.
    ByteWriter categoryObject;
    categoryObject.NewClass("C_QivCategory").Str("K").Word(0).Dword(0x00102030).Word(0)
        .Word(0x8001).Str("U").Word(0).Dword(0x00405060).Word(0)
        .NewClass("C_QivEntry").Str("x").Word(0).Dword(0x00708090).Word(0).Dword(0)
        .Dword(1)       // U's expanded flag
        .Dword(1);      // K's
    ByteWriter categoryRecord;
    categoryRecord.Str("K").Word(0).Dword(0x00102030).Word(0)
        .NewClass("C_QivCategory").Str("U").Word(0).Dword(0x00405060).Word(0)
        .NewClass("C_QivEntry").Str("x").Word(0).Dword(0x00708090).Word(0).Dword(0)
        .Dword(1).Dword(1);

    struct { C_QivItem* item; BOOL asObject; const Bytes& bytes; } const cases[] = {
        { m_pEntry, TRUE, entryObject.bytes },
        { m_pEntry, FALSE, entryRecord.bytes },
        { m_pCat, TRUE, categoryObject.bytes },
        { m_pCat, FALSE, categoryRecord.bytes },
    };
    for (const auto& c : cases) {
        HGLOBAL hBlock = QivWriteItemBlock(c.item, c.asObject);
        ASSERT_NE(nullptr, hBlock);
        ExpectBlock(hBlock, c.bytes);
        EXPECT_EQ(UINT(GMEM_DDESHARE), ::GlobalFlags(hBlock) & GMEM_DDESHARE);
        C_QivItem* pRead = QivReadItemBlock(hBlock, c.item->GetRuntimeClass(), c.asObject);
        ASSERT_NE(nullptr, pRead);
        EXPECT_STREQ(c.item->m_strTitle, pRead->m_strTitle);
        EXPECT_EQ(nullptr, pRead->m_pNext) << "the siblings stay out";
        delete pRead;
        ::GlobalFree(hBlock);
    }
    EXPECT_EQ(m_pEntry, m_pCat->m_pNext) << "the sibling link is back";
}

TEST_F(ItemClipboardTest, CopyOffersThreeFormatsForAnEntryAndOneForACategory)
{
    struct { C_QivItem* item; std::vector<CLIPFORMAT> offered; std::vector<CLIPFORMAT> absent; } const cases[] = {
        { m_pEntry, { QivEntryClipFormat(), QivRichTextClipFormat(), CF_TEXT }, { QivCategoryClipFormat() } },
        { m_pCat, { QivCategoryClipFormat() }, { QivEntryClipFormat(), QivRichTextClipFormat(), CF_TEXT } },
    };
    for (const auto& c : cases) {
        Select(c.item);
        SetModified(FALSE);
        Command(ID_EDIT_COPY);
        EXPECT_FALSE(Modified()) << "copying changes nothing";
        EXPECT_TRUE(View()->m_bPasteAvailable);
        COleDataObject data;
        ASSERT_TRUE(data.AttachClipboard());
        for (CLIPFORMAT cf : c.offered)
            EXPECT_TRUE(data.IsDataAvailable(cf)) << cf;
        for (CLIPFORMAT cf : c.absent)
            EXPECT_FALSE(data.IsDataAvailable(cf)) << cf;
    }
    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    HGLOBAL hBlock = data.GetGlobalData(QivCategoryClipFormat());
    ASSERT_NE(nullptr, hBlock);
    EXPECT_EQ(BYTE(0xFF), BlockBytes(hBlock)[0]);
    ::GlobalFree(hBlock);
    EXPECT_EQ(1, QueryCommand(View(), ID_EDIT_PASTE).nEnabled);
}

TEST_F(ItemClipboardTest, PasteIntoACategoryOrAfterAnEntryTwice)
{
    Select(m_pEntry);
    Command(ID_EDIT_COPY);
    Select(m_pCat);
    Command(ID_EDIT_PASTE);
    Command(ID_EDIT_PASTE);     // the clipboard keeps its item
    EXPECT_EQ("Notizen{K{E,E,U{x}},E}", Outline(Root()));
    C_QivItem* pFirst = m_pCat->m_pFirstChild;
    EXPECT_NE(pFirst, pFirst->m_pNext);
    // The first paste selected its item: the second followed it.
    EXPECT_EQ(pFirst->m_pNext->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_EQ(0x00112233u, pFirst->m_crBackground);
    EXPECT_TRUE(Modified());

    Select(m_pCat);
    Command(ID_EDIT_COPY);
    Select(m_pX);
    Command(ID_EDIT_PASTE);
    const char kExpected[] = "Notizen{K{E,E,U{x,K{E,E,U{x}}}},E}";
    EXPECT_EQ(kExpected, Outline(Root()));
    EXPECT_EQ(kExpected, TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
    EXPECT_EQ(kExpected, Outline(SavedAndReadBack().get()));
}

TEST_F(ItemClipboardTest, CutMovesAnItemButNeverTheRoot)
{
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return IDOK;
    });
    CSoundRecorder sounds({ "DeleteRow" });
    Select(Root());
    EXPECT_EQ(0, QueryCommand(View(), ID_EDIT_CUT).nEnabled);
    View()->CutSelection();    // as a button pressed before its state caught up
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Die Wurzelkategorie kann nicht ausgeschnitten werden!", boxes[0].strText);
    EXPECT_STREQ("Hinweis", boxes[0].strCaption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), boxes[0].nType);
    EXPECT_EQ("Notizen{K{U{x}},E}", Outline(Root()));
    EXPECT_FALSE(Modified());

    Select(m_pSub);
    sounds.m_events.clear();
    Command(ID_EDIT_CUT);
    EXPECT_EQ("Notizen{K{},E}", Outline(Root()));
    EXPECT_EQ("Notizen{K{},E}", TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
    EXPECT_EQ(m_pCat->m_hTreeItem, Tree().GetSelectedItem());
    EXPECT_TRUE(Modified());
    EXPECT_EQ(std::vector<std::string>{ "DeleteRow" }, sounds.m_events);
    Select(m_pEntry);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("Notizen{K{},E,U{x}}", Outline(Root()));
    EXPECT_EQ("Notizen{K{},E,U{x}}", Outline(SavedAndReadBack().get()));
}

TEST_F(ItemClipboardTest, AGarbageBlockUnderTheItemFormatInsertsNothing)
{
    std::vector<std::string> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText.GetString());
        return IDOK;
    });
    const std::string garbage = "\xFF\xFF\x00\x00\x0A\x00" "C_QivEntry\x05" "ab";
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(QivEntryClipFormat(), QivTextBlock(garbage.data(), garbage.size()));
    ::CloseClipboard();
    Select(m_pCat);
    SetModified(FALSE);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("Notizen{K{U{x}},E}", Outline(Root()));
    EXPECT_EQ(1u, messages.size());
    EXPECT_FALSE(Modified());
}
