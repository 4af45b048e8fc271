// Dragging items in the tree and dropping items and files on it: the
// drop-target methods run over a data object of the drag's own source, in
// place of the system's drag loop.
#include "CardTreeFixture.h"
#include "ViewTestFrame.h"

#include "app/ItemClipboard.h"
#include "app/TreeView.h"
#include "framework/ui/OleDataObject.h"
#include "framework/ui/OleDataSource.h"
#include "framework/ui/TestSeams.h"
#include "model/QivDoc.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <fstream>

using namespace apptest;

namespace {

class ItemDropTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_pCat = AddCategory(Root(), "Kat");
        m_pA = AddEntry(m_pCat, "a", "text a");
        m_pSub = AddCategory(m_pCat, "Unter");
        m_pDeep = AddEntry(m_pSub, "tief");
        m_pC = AddEntry(m_pCat, "c");
        m_pOther = AddEntry(Root(), "Andere");
        m_pCat->m_dwExpanded = 1;
        m_pSub->m_dwExpanded = 1;
        Show();
    }

    CQivTreeView* View() const { return m_pFrame->m_pTree; }

    CPoint PointOn(C_QivItem* pItem) const
    {
        CRect rect;
        Tree().GetItemRect(pItem->m_hTreeItem, &rect, TRUE);
        return rect.CenterPoint();
    }

    // Drags pSource out of the tree; the drag goes over pTarget (when given)
    // and drops there when the tree allows it, or ends with endOutside.
    DROPEFFECT Drag(C_QivItem* pSource, C_QivItem* pTarget, DWORD dwKeyState,
                    DROPEFFECT endOutside = DROPEFFECT_NONE)
    {
        m_overEffect = DROPEFFECT_NONE;
        CTestSeamScope<QIV_DRAG_REQUEST> drag([&](const QIV_DRAG_REQUEST& request) {
            if (!pTarget)
                return static_cast<int>(endOutside);
            COleDataObject data;
            data.Attach(request.pSource->GetIDataObject(), FALSE);
            m_overEffect = View()->OnDragOver(&data, dwKeyState, PointOn(pTarget));
            if (m_overEffect == DROPEFFECT_NONE) {
                View()->OnDragLeave();
                return static_cast<int>(DROPEFFECT_NONE);
            }
            return View()->OnDrop(&data, m_overEffect, PointOn(pTarget)) ? static_cast<int>(m_overEffect)
                                                                          : static_cast<int>(DROPEFFECT_NONE);
        });
        NMTREEVIEWA notify = {};
        notify.hdr.hwndFrom = View()->m_hWnd;
        notify.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(View()->m_hWnd));
        notify.hdr.code = TVN_BEGINDRAGA;
        notify.itemNew.hItem = pSource->m_hTreeItem;
        ::SendMessageA(::GetParent(View()->m_hWnd), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
        return m_overEffect;
    }

    // Drops the data of a source made by the test on pTarget.
    BOOL DropOn(COleDataSource& source, C_QivItem* pTarget, DROPEFFECT* pOver = nullptr)
    {
        COleDataObject data;
        data.Attach(source.GetIDataObject(), FALSE);
        DROPEFFECT over = View()->OnDragEnter(&data, 0, PointOn(pTarget));
        if (pOver)
            *pOver = over;
        return View()->OnDrop(&data, over, PointOn(pTarget));
    }

    DROPEFFECT m_overEffect = DROPEFFECT_NONE;
    C_QivCategory* m_pCat = nullptr;
    C_QivEntry* m_pA = nullptr;
    C_QivCategory* m_pSub = nullptr;
    C_QivEntry* m_pDeep = nullptr;
    C_QivEntry* m_pC = nullptr;
    C_QivEntry* m_pOther = nullptr;
};

const char kStart[] = "Notizen{Kat{a,Unter{tief},c},Andere}";

// A file list as the shell hands it over.
HGLOBAL FileList(const std::vector<std::string>& paths)
{
    size_t nChars = 1;
    for (const std::string& path : paths)
        nChars += path.size() + 1;
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nChars);
    BYTE* p = static_cast<BYTE*>(::GlobalLock(hBlock));
    reinterpret_cast<DROPFILES*>(p)->pFiles = sizeof(DROPFILES);
    char* pName = reinterpret_cast<char*>(p + sizeof(DROPFILES));
    for (const std::string& path : paths) {
        memcpy(pName, path.c_str(), path.size() + 1);
        pName += path.size() + 1;
    }
    ::GlobalUnlock(hBlock);
    return hBlock;
}

} // namespace

TEST_F(ItemDropTest, ADraggedItemMovesOrCopiesWithinTheTree)
{
    CSoundRecorder sounds({ "Drag", "Drop" });
    struct { C_QivItem* source; C_QivItem* target; DWORD keys; DROPEFFECT effect; LPCSTR outline; } const cases[] = {
        // Onto its own parent: to the front of it.
        { m_pC, m_pCat, 0, DROPEFFECT_MOVE, "Notizen{Kat{c,a,Unter{tief}},Andere}" },
        // Onto an entry: right after it; with Ctrl a copy.
        { m_pOther, m_pA, MK_CONTROL, DROPEFFECT_COPY, "Notizen{Kat{c,a,Andere,Unter{tief}},Andere}" },
        // A category with its subtree into another category.
        { m_pSub, m_pCat, 0, DROPEFFECT_MOVE, "Notizen{Kat{Unter{tief},c,a,Andere},Andere}" },
    };
    for (const auto& c : cases) {
        SetModified(FALSE);
        sounds.m_events.clear();
        EXPECT_EQ(c.effect, Drag(c.source, c.target, c.keys)) << c.outline;
        EXPECT_EQ(c.outline, Outline(Root()));
        EXPECT_EQ(c.outline, TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
        EXPECT_TRUE(Modified());
        EXPECT_EQ((std::vector<std::string>{ "Drag", "Drop" }), sounds.m_events);
        EXPECT_EQ(c.outline, Outline(SavedAndReadBack().get()));
    }
    // The copy carries the whole item.
    C_QivItem* pMoved = m_pCat->m_pFirstChild;
    EXPECT_STREQ("Unter", pMoved->m_strTitle);
    C_QivEntry* pText = static_cast<C_QivEntry*>(m_pCat->m_pFirstChild->m_pNext->m_pNext);
    EXPECT_EQ("text a", std::string(reinterpret_cast<const char*>(pText->m_pText), pText->m_nTextLength));
}

TEST_F(ItemDropTest, ADragOntoItselfOrBelowItselfHasNoEffect)
{
    for (C_QivItem* pTarget : { static_cast<C_QivItem*>(m_pCat), static_cast<C_QivItem*>(m_pSub),
                                static_cast<C_QivItem*>(m_pDeep) }) {
        EXPECT_EQ(DROPEFFECT_NONE, Drag(m_pCat, pTarget, 0)) << pTarget->m_strTitle.GetString();
        EXPECT_EQ(kStart, Outline(Root()));
    }
    EXPECT_EQ(DROPEFFECT_NONE, Drag(Root(), m_pA, 0)) << "everything lies below the root";
    EXPECT_EQ(kStart, Outline(Root()));
    EXPECT_FALSE(Modified());
}

TEST_F(ItemDropTest, AMoveThatEndsOutsideTheTreeKeepsTheItem)
{
    for (C_QivItem* pSource : { static_cast<C_QivItem*>(m_pSub), static_cast<C_QivItem*>(Root()) }) {
        Drag(pSource, nullptr, 0, DROPEFFECT_MOVE);
        EXPECT_EQ(kStart, Outline(Root())) << pSource->m_strTitle.GetString();
        EXPECT_EQ(kStart, TreeOutline(Tree().m_hWnd, Root()->m_hTreeItem));
    }
    EXPECT_FALSE(Modified());
}

TEST_F(ItemDropTest, DroppedTextFilesBecomeEntriesAndOthersAreReported)
{
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    std::vector<std::string> paths;
    for (LPCSTR name : { "a.txt", "b.rtf", "c.doc" }) {
        paths.push_back(std::string(szDir) + name);
        std::ofstream(paths.back(), std::ios::binary) << "Inhalt " << name;
    }
    std::vector<std::string> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText.GetString());
        return IDOK;
    });
    COleDataSource* pSource = new COleDataSource;
    pSource->CacheGlobalData(CF_HDROP, FileList(paths));
    DROPEFFECT over = DROPEFFECT_NONE;
    EXPECT_TRUE(DropOn(*pSource, m_pA, &over));
    pSource->InternalRelease();
    EXPECT_EQ(DROPEFFECT_COPY, over);
    EXPECT_EQ("Notizen{Kat{b,a,a,Unter{tief},c},Andere}", Outline(Root()));
    EXPECT_EQ(std::vector<std::string>{ "'" + paths[2] + "' kann nicht importiert werden." }, messages);
    C_QivEntry* pB = static_cast<C_QivEntry*>(m_pCat->m_pFirstChild);
    EXPECT_EQ(std::string("Inhalt b.rtf", 13), std::string(reinterpret_cast<const char*>(pB->m_pText), pB->m_nTextLength));
    EXPECT_TRUE(Modified());
    EXPECT_EQ("Notizen{Kat{b,a,a,Unter{tief},c},Andere}", Outline(SavedAndReadBack().get()));
    for (const std::string& path : paths)
        ::DeleteFileA(path.c_str());
}

TEST_F(ItemDropTest, AnUnreadableItemBlockInsertsNothing)
{
    std::vector<std::string> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText.GetString());
        return IDOK;
    });
    struct { CLIPFORMAT format; std::string bytes; } const cases[] = {
        { QivEntryClipFormat(), std::string("\x05\x41", 2) },             // a title cut short
        { QivCategoryClipFormat(), std::string("\x01K\x00\x00", 4) },     // the colour missing
        { QivEntryClipFormat(), std::string(64, '\xFF') },
    };
    for (const auto& c : cases) {
        messages.clear();
        COleDataSource* pSource = new COleDataSource;
        pSource->CacheGlobalData(c.format, QivTextBlock(c.bytes.data(), c.bytes.size()));
        EXPECT_FALSE(DropOn(*pSource, m_pCat));
        pSource->InternalRelease();
        EXPECT_EQ(kStart, Outline(Root()));
        EXPECT_EQ(1u, messages.size()) << "reported once";
    }
    EXPECT_FALSE(Modified());
}
