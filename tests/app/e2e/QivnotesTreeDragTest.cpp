// One drag in the tree with the real mouse: an entry pressed, carried in
// steps onto another category and released there moves into it, in the
// tree the program shows and in the card file it saves.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "framework/ui/AfxRes.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesTreeDrag : public e2e::QivnotesTest
{
protected:
    // Root "Notizen" with the open categories "Küche" (entries "Brot" and
    // "Suppe") and "Garten" (entry "Rosen").
    static CString WriteTwoCategories(LPCSTR lpszFolder)
    {
        CString strPath = e2e::ScratchFolder(lpszFolder) + "\\Haushalt.qiv";
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        C_QivCategory* pKitchen = new C_QivCategory("Küche");
        C_QivCategory* pGarden = new C_QivCategory("Garten");
        pRoot->m_dwExpanded = 1;
        pKitchen->m_dwExpanded = 1;
        pGarden->m_dwExpanded = 1;
        C_QivEntry* pBread = new C_QivEntry("Brot");
        C_QivEntry* pSoup = new C_QivEntry("Suppe");
        pRoot->m_pFirstChild = pKitchen;
        pKitchen->m_pNext = pGarden;
        pKitchen->m_pFirstChild = pBread;
        pBread->m_pNext = pSoup;
        pGarden->m_pFirstChild = new C_QivEntry("Rosen");
        CQivCardFileStore store;
        store.ReplaceRoot(pRoot);
        store.Save(strPath, FALSE);
        return strPath;
    }
};

POINT Centre(const RECT& rc)
{
    return POINT{ (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
}

// The titles of the tree's rows with their depth ("0 Notizen|1 Küche|...").
std::string Outline(const std::vector<CQivnotesProcess::TreeRow>& rows)
{
    std::string strText;
    for (const auto& row : rows)
        strText += (strText.empty() ? "" : "|") + std::to_string(row.nDepth) + " " + row.strTitle;
    return strText;
}

HTREEITEM ItemTitled(const CQivnotesProcess& program, const std::string& strTitle)
{
    std::vector<HTREEITEM> handles;
    const auto rows = program.TreeRows(&handles);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].strTitle == strTitle)
            return handles[i];
    }
    return nullptr;
}

} // namespace

TEST_F(QivnotesTreeDrag, AnEntryDraggedOntoAnotherCategoryMovesToItsFront)
{
    const CString strFile = WriteTwoCategories("tree-drag");
    CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    ASSERT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    ASSERT_EQ("0 Notizen|1 Küche|2 Brot|2 Suppe|1 Garten|2 Rosen", Outline(program.TreeRows()));
    const RECT rcBread = program.TreeItemScreenRect(ItemTitled(program, "Brot"));
    const RECT rcGarden = program.TreeItemScreenRect(ItemTitled(program, "Garten"));
    ASSERT_LT(rcBread.top, rcBread.bottom);
    ASSERT_LT(rcGarden.top, rcGarden.bottom);
    ASSERT_TRUE(MakeForeground(program.MainWindow()));

    // Pressed on "Brot", carried down in steps (the tree starts the drag
    // once the pointer leaves the drag rectangle, the drop target follows
    // each move), released on "Garten".
    const POINT ptFrom = Centre(rcBread);
    const POINT ptTo = Centre(rcGarden);
    ASSERT_TRUE(MoveMouseTo(ptFrom));
    InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(program.WaitUntilIdle());
    const int nSteps = 12;
    for (int i = 1; i <= nSteps; ++i) {
        InjectMouseMove(POINT{ ptFrom.x + (ptTo.x - ptFrom.x) * i / nSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / nSteps });
        // Answered once the program's loop (the tree's or the drag's) took
        // the move.
        ASSERT_TRUE(program.WaitUntilIdle());
    }
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(program.WaitUntilIdle());

    // The moved entry stands first in "Garten", selected, and is gone from
    // "Küche".
    EXPECT_EQ("Brot", program.WaitForSelectedTreeText("Brot"));
    EXPECT_EQ("0 Notizen|1 Küche|2 Suppe|1 Garten|2 Brot|2 Rosen", Outline(program.TreeRows()));
    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());
    EXPECT_EQ("Notizen{Küche{Suppe},Garten{Brot,Rosen}}", SavedOutline(strFile));
}
