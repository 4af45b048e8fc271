// Renaming in the real program by F2 and Enter: a long title comes back
// whole when nothing was changed, and with only the change when it was.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "common/WindowSearch.h"
#include "framework/ui/AfxRes.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesRename : public e2e::QivnotesTest
{
};

struct Rename
{
    std::string title;
    const char* pszTyped;   // typed at the end of the title, or null
};

TEST_F(QivnotesRename, F2AndEnterKeepEveryCharacterOfALongTitle)
{
    std::vector<Rename> renames;
    for (int nLength : { 258, 259, 260, 300, 5000 })
        renames.push_back({ std::string(1, static_cast<char>('A' + renames.size())) + std::string(nLength - 1, 'x'),
                            nullptr });
    renames.push_back({ "F" + std::string(299, 'y'), "z" });

    const CString strFile = e2e::ScratchFolder("rename") + "\\Titel.qiv";
    {
        CQivCardFileStore store;
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        pRoot->m_dwExpanded = 1;
        C_QivItem** ppNext = &pRoot->m_pFirstChild;
        for (const Rename& rename : renames) {
            *ppNext = new C_QivEntry(rename.title.c_str());
            ppNext = &(*ppNext)->m_pNext;
        }
        store.ReplaceRoot(pRoot);
        store.Save(strFile, FALSE);
    }

    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile));
    std::vector<HTREEITEM> handles;
    ASSERT_EQ(renames.size() + 1, program.TreeRows(&handles).size());
    HWND hTree = program.FindChild(WC_TREEVIEWA);
    for (size_t i = 0; i < renames.size(); ++i) {
        ASSERT_TRUE(program.SelectTreeItem(handles[i + 1]));
        ASSERT_TRUE(program.WaitUntilIdle());
        TapKey(VK_F2);
        HWND hEdit = reinterpret_cast<HWND>(CQivnotesProcess::WaitForAnswer(hTree, TVM_GETEDITCONTROL));
        ASSERT_NE(nullptr, hEdit) << i;
        if (renames[i].pszTyped) {
            TapKey(VK_END);
            for (const char* p = renames[i].pszTyped; *p; ++p)
                TapKey(static_cast<WORD>(toupper(*p)));
        }
        TapKey(VK_RETURN);
        windows::WaitUntilGone(hEdit, 3000);
        ASSERT_TRUE(program.WaitUntilIdle());
    }
    ASSERT_TRUE(program.SendCommand(program.MainWindow(), ID_FILE_SAVE));
    EXPECT_EQ(0, program.Close());

    std::unique_ptr<C_QivCategory> saved = ReadCardFile(strFile);
    ASSERT_TRUE(saved);
    const C_QivItem* pItem = saved->m_pFirstChild;
    for (const Rename& rename : renames) {
        ASSERT_NE(nullptr, pItem);
        const std::string expected = rename.title + (rename.pszTyped ? rename.pszTyped : "");
        const std::string title = pItem->m_strTitle.GetString();
        EXPECT_EQ(expected.size(), title.size()) << rename.title.substr(0, 1);
        EXPECT_TRUE(expected == title) << rename.title.substr(0, 1);
        pItem = pItem->m_pNext;
    }
}

} // namespace
