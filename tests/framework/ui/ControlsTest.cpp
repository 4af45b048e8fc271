// The control wrappers against real controls, each a child of a top-level
// test window.
#include "framework/ui/Controls.h"
#include "framework/ui/ImageList.h"
#include "framework/ui/WndClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

class ControlsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "Steuerelemente",
                                      WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr,
                                      nullptr));
    }

    void TearDown() override { m_parent.DestroyWindow(); }

    static CRect Area() { return CRect(10, 10, 310, 210); }

    CWnd m_parent;
};

// ---- tree ---------------------------------------------------------------------

int CALLBACK CompareByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    EXPECT_EQ(lParamSort, 4711);
    return static_cast<int>(lParam2 - lParam1);
}

std::vector<CString> ChildTexts(const CTreeCtrl& tree, HTREEITEM hParent)
{
    std::vector<CString> texts;
    for (HTREEITEM h = tree.GetChildItem(hParent); h != nullptr; h = tree.GetNextSiblingItem(h))
        texts.push_back(tree.GetItemText(h));
    return texts;
}

TEST_F(ControlsTest, TreeBuildsNavigatesAndSortsAChainWithACallback)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
                            Area(), &m_parent, 100));

    // Filled with redraw off, as the program fills its category tree.
    tree.SetRedraw(FALSE);
    HTREEITEM hRoot = tree.InsertItem("Wurzel", 0, 1);
    const char* titles[] = {"Birnen", "Äpfel", "Zitronen", "Datteln"};
    HTREEITEM hLast = TVI_FIRST;
    for (int i = 0; i < 4; ++i)
    {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = hRoot;
        tvis.hInsertAfter = hLast;
        tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
        tvis.item.pszText = const_cast<LPSTR>(titles[i]);
        tvis.item.lParam = 10 * (i + 1);
        hLast = tree.InsertItem(&tvis);
        ASSERT_NE(hLast, nullptr);
    }
    HTREEITEM hGrandChild = tree.InsertItem("Kern", hLast);
    tree.SetRedraw(TRUE);

    EXPECT_EQ(tree.GetCount(), 6u);
    EXPECT_EQ(tree.GetRootItem(), hRoot);
    EXPECT_EQ(tree.GetParentItem(hGrandChild), hLast);
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));
    EXPECT_TRUE(tree.ItemHasChildren(hLast));
    EXPECT_FALSE(tree.ItemHasChildren(hGrandChild));
    EXPECT_EQ(ChildTexts(tree, hRoot), (std::vector<CString>{"Birnen", "Äpfel", "Zitronen", "Datteln"}));
    EXPECT_EQ(tree.GetPrevSiblingItem(hLast), tree.GetNextSiblingItem(tree.GetNextSiblingItem(tree.GetChildItem(hRoot))));

    TVSORTCB sort = {hRoot, CompareByDataDescending, 4711};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
    EXPECT_EQ(ChildTexts(tree, hRoot), (std::vector<CString>{"Datteln", "Zitronen", "Äpfel", "Birnen"}));
    EXPECT_EQ(tree.GetItemData(tree.GetChildItem(hRoot)), 40u);
    // The subtree moves with its item.
    EXPECT_EQ(tree.GetChildItem(hLast), hGrandChild);

    EXPECT_TRUE(tree.SortChildren(hRoot));
    EXPECT_EQ(ChildTexts(tree, hRoot).front(), "Äpfel");

    EXPECT_TRUE(tree.DeleteItem(hLast));
    EXPECT_EQ(tree.GetCount(), 4u);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(ControlsTest, TreeItemAttributesSelectionAndHitTest)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES | TVS_EDITLABELS, Area(), &m_parent, 101));
    HTREEITEM hFirst = tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_STATE, "Erster", 0, 0,
                                       TVIS_BOLD, TVIS_BOLD, 77, TVI_ROOT, TVI_LAST);
    HTREEITEM hSecond = tree.InsertItem("Zweiter");
    ASSERT_NE(hSecond, nullptr);

    EXPECT_EQ(tree.GetItemData(hFirst), 77u);
    EXPECT_EQ(tree.GetItemState(hFirst, TVIS_BOLD), static_cast<UINT>(TVIS_BOLD));
    EXPECT_TRUE(tree.SetItemState(hFirst, 0, TVIS_BOLD));
    EXPECT_EQ(tree.GetItemState(hFirst, TVIS_BOLD), 0u);
    EXPECT_TRUE(tree.SetItemData(hSecond, 0x12345678));
    EXPECT_EQ(tree.GetItemData(hSecond), 0x12345678u);
    EXPECT_TRUE(tree.SetItemImage(hSecond, 4, 5));
    int nImage = 0;
    int nSelected = 0;
    EXPECT_TRUE(tree.GetItemImage(hSecond, nImage, nSelected));
    EXPECT_EQ(nImage, 4);
    EXPECT_EQ(nSelected, 5);

    // A title longer than any first guess of a buffer comes back whole.
    const std::string longTitle(700, 'x');
    EXPECT_TRUE(tree.SetItemText(hSecond, longTitle.c_str()));
    EXPECT_EQ(std::string(tree.GetItemText(hSecond)), longTitle);

    EXPECT_TRUE(tree.Select(hSecond, TVGN_CARET));
    EXPECT_EQ(tree.GetSelectedItem(), hSecond);
    EXPECT_TRUE(tree.SelectItem(hFirst));
    EXPECT_EQ(tree.GetSelectedItem(), hFirst);
    EXPECT_TRUE(tree.SelectDropTarget(hSecond));
    EXPECT_EQ(tree.GetDropHilightItem(), hSecond);
    EXPECT_TRUE(tree.SelectDropTarget(nullptr));
    EXPECT_EQ(tree.GetNextVisibleItem(hFirst), hSecond);

    EXPECT_TRUE(tree.SetItemText(hSecond, "Zweiter"));
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(hSecond, &rect, TRUE));
    EXPECT_FALSE(rect.IsRectEmpty());
    UINT nFlags = 0;
    EXPECT_EQ(tree.HitTest(rect.CenterPoint(), &nFlags), hSecond);
    EXPECT_TRUE(nFlags & TVHT_ONITEM);
    EXPECT_EQ(tree.HitTest(CPoint(5, 180), &nFlags), nullptr);

    // Editing a label in place gives the tree's edit box.
    tree.SetFocus();
    CEdit* pEdit = tree.EditLabel(hFirst);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetSafeHwnd(), tree.GetEditControl()->GetSafeHwnd());
    CString strEdit;
    pEdit->GetWindowText(strEdit);
    EXPECT_EQ(strEdit, "Erster");
    EXPECT_TRUE(tree.EndEditLabelNow(TRUE));
}

TEST_F(ControlsTest, TreeTakesAnImageListAndMakesDragImages)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE, Area(), &m_parent, 102));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(tree.SetImageList(&images, TVSIL_NORMAL), nullptr);
    EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), &images);

    HTREEITEM hItem = tree.InsertItem("Zum Ziehen");
    CImageList* pDrag = tree.CreateDragImage(hItem);
    ASSERT_NE(pDrag, nullptr);
    EXPECT_NE(pDrag->GetSafeHandle(), nullptr);
    delete pDrag;
    EXPECT_EQ(tree.SetImageList(nullptr, TVSIL_NORMAL), &images);
}

// ---- list view ----------------------------------------------------------------

int CALLBACK CompareByData(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return static_cast<int>(lParam1 - lParam2);
}

TEST_F(ControlsTest, ListColumnsItemsSelectionAndSort)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, Area(), &m_parent, 110));
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP));

    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 150), 0);
    EXPECT_EQ(list.InsertColumn(1, "Ort", LVCFMT_LEFT, 300), 1);
    EXPECT_EQ(list.InsertColumn(2, "Weg"), 2);
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_TRUE(list.SetColumnWidth(1, 120));
    EXPECT_EQ(list.GetColumnWidth(1), 120);
    EXPECT_TRUE(list.DeleteColumn(2));

    const char* names[] = {"Gamma", "Alpha", "Beta"};
    const LPARAM data[] = {30, 10, 20};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, list.GetItemCount(), names[i], 0, 0, 0,
                                  data[i]), i);
        EXPECT_TRUE(list.SetItemText(i, 1, CString("C:\\Ablage\\") + names[i]));
    }
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(1, 0), "Alpha");
    EXPECT_EQ(list.GetItemText(2, 1), "C:\\Ablage\\Beta");
    char szShort[4];
    EXPECT_EQ(list.GetItemText(0, 0, szShort, sizeof(szShort)), 3);
    EXPECT_STREQ(szShort, "Gam");
    EXPECT_EQ(list.GetItemData(2), 20u);

    // A text far longer than the first buffer.
    const std::string longPath(900, 'p');
    EXPECT_TRUE(list.SetItemText(0, 1, longPath.c_str()));
    EXPECT_EQ(std::string(list.GetItemText(0, 1)), longPath);

    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_TRUE(list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos != nullptr;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), 0u);

    EXPECT_TRUE(list.SortItems(CompareByData, 0));
    EXPECT_EQ(list.GetItemText(0, 0), "Alpha");
    EXPECT_EQ(list.GetItemText(2, 0), "Gamma");
    // Selection travels with the rows.
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));

    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = "Beta";
    EXPECT_EQ(list.FindItem(&find), 1);
    EXPECT_TRUE(list.EnsureVisible(2, FALSE));

    CRect rect;
    ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
    EXPECT_EQ(list.HitTest(rect.CenterPoint()), 1);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST_F(ControlsTest, ListImageListsAndLabelEditing)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS | LVS_SHAREIMAGELISTS, Area(),
                            &m_parent, 111));
    CImageList small;
    ASSERT_TRUE(small.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 8));
    list.SetImageList(&small, LVSIL_SMALL);
    EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &small);
    EXPECT_EQ(list.GetImageList(LVSIL_NORMAL), nullptr);

    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    EXPECT_EQ(list.InsertItem(0, "Erste", 3), 0);
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_EQ(item.iImage, 3);

    list.SetFocus();
    CEdit* pEdit = list.EditLabel(0);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetSafeHwnd(), list.GetEditControl()->GetSafeHwnd());
}

// ---- rich edit -------------------------------------------------------------------

// Streams a string in and out of a control.
struct StreamBuffer
{
    std::string text;
    size_t offset = 0;

    static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
    {
        auto* self = reinterpret_cast<StreamBuffer*>(cookie);
        const size_t n = std::min(static_cast<size_t>(cb), self->text.size() - self->offset);
        memcpy(pbBuff, self->text.data() + self->offset, n);
        self->offset += n;
        *pcb = static_cast<LONG>(n);
        return 0;
    }

    static DWORD CALLBACK Write(DWORD_PTR cookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
    {
        auto* self = reinterpret_cast<StreamBuffer*>(cookie);
        self->text.append(reinterpret_cast<const char*>(pbBuff), static_cast<size_t>(cb));
        *pcb = cb;
        return 0;
    }
};

std::string StreamOut(CRichEditCtrl& edit, int nFormat)
{
    StreamBuffer out;
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&out), 0, StreamBuffer::Write};
    edit.StreamOut(nFormat, es);
    return out.text;
}

TEST_F(ControlsTest, RichEditUsesTheVersionTwoClass)
{
    EXPECT_TRUE(AfxInitRichEdit2());
    EXPECT_TRUE(AfxInitRichEdit());
    EXPECT_STREQ(CRichEditCtrl::GetWindowClassName(), "RichEdit20A");

    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, Area(), &m_parent, 120));
    char szClass[32] = {};
    ::GetClassNameA(edit.GetSafeHwnd(), szClass, sizeof(szClass));
    EXPECT_STREQ(szClass, "RichEdit20A");
}

TEST_F(ControlsTest, RichEditStreamsRichTextInAndOut)
{
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, Area(), &m_parent, 121));

    StreamBuffer in;
    in.text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Gr\\'fc\\'dfe \\b fett\\b0  Ende}";
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&in), 0, StreamBuffer::Read};
    EXPECT_GT(edit.StreamIn(SF_RTF, es), 0);
    EXPECT_EQ(es.dwError, 0u);

    EXPECT_EQ(StreamOut(edit, SF_TEXT), "Grüße fett Ende");
    EXPECT_EQ(edit.GetTextLength(), 15);

    // The bold word keeps its format.
    FINDTEXTEXA find = {{0, -1}, "fett", {0, 0}};
    EXPECT_EQ(edit.FindText(FR_DOWN | FR_WHOLEWORD, &find), 6);
    EXPECT_EQ(find.chrgText.cpMin, 6);
    EXPECT_EQ(find.chrgText.cpMax, 10);
    edit.SetSel(find.chrgText);
    EXPECT_EQ(edit.GetSelText(), "fett");
    CHARFORMAT2A cf = {};
    EXPECT_TRUE(edit.GetSelectionCharFormat(cf) & CFM_BOLD);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    edit.SetSel(11, 15);
    edit.GetSelectionCharFormat(cf);
    EXPECT_FALSE(cf.dwEffects & CFE_BOLD);

    // Out as rich text and back in: same text, bold kept, umlauts intact.
    // (How a writer spells the runs differs between rich-edit versions.)
    const std::string rtf = StreamOut(edit, SF_RTF);
    EXPECT_EQ(rtf.compare(0, 5, "{\\rtf"), 0);
    EXPECT_NE(rtf.find("\\b"), std::string::npos);

    CRichEditCtrl copy;
    ASSERT_TRUE(copy.Create(ES_MULTILINE, Area(), &m_parent, 122));
    StreamBuffer again;
    again.text = rtf;
    EDITSTREAM es2 = {reinterpret_cast<DWORD_PTR>(&again), 0, StreamBuffer::Read};
    copy.StreamIn(SF_RTF, es2);
    EXPECT_EQ(StreamOut(copy, SF_TEXT), "Grüße fett Ende");
    copy.SetSel(6, 10);
    CHARFORMATA cfCopy = {};
    copy.GetSelectionCharFormat(cfCopy);
    EXPECT_TRUE(cfCopy.dwEffects & CFE_BOLD);
}

TEST_F(ControlsTest, RichEditFormatsSelectionModifyAndUndo)
{
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, Area(), &m_parent, 123));
    edit.SetWindowText("eins zwei");
    edit.SetModify(FALSE);
    edit.EmptyUndoBuffer();
    EXPECT_FALSE(edit.GetModify());
    EXPECT_FALSE(edit.CanUndo());

    edit.SetSel(5, 9);
    edit.ReplaceSel("drei", TRUE);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_EQ(StreamOut(edit, SF_TEXT), "eins drei");
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(StreamOut(edit, SF_TEXT), "eins zwei");
    EXPECT_TRUE(edit.CanRedo());
    EXPECT_TRUE(edit.Redo());
    EXPECT_EQ(StreamOut(edit, SF_TEXT), "eins drei");

    long nStart = 0;
    long nEnd = 0;
    edit.SetSel(0, 4);
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 4);

    CHARFORMAT2A cf = {};
    cf.dwMask = CFM_ITALIC | CFM_COLOR;
    cf.dwEffects = CFE_ITALIC;
    cf.crTextColor = RGB(0x80, 0, 0);
    EXPECT_TRUE(edit.SetSelectionCharFormat(cf));
    CHARFORMAT2A back = {};
    EXPECT_TRUE(edit.GetSelectionCharFormat(back) & CFM_ITALIC);
    EXPECT_TRUE(back.dwEffects & CFE_ITALIC);
    EXPECT_EQ(back.crTextColor, RGB(0x80, 0, 0));

    PARAFORMAT2 pf = {};
    pf.dwMask = PFM_ALIGNMENT | PFM_STARTINDENT;
    pf.wAlignment = PFA_CENTER;
    pf.dxStartIndent = 570;
    EXPECT_TRUE(edit.SetParaFormat(pf));
    PARAFORMAT2 pfBack = {};
    EXPECT_TRUE(edit.GetParaFormat(pfBack) & PFM_ALIGNMENT);
    EXPECT_EQ(pfBack.wAlignment, PFA_CENTER);
    EXPECT_EQ(pfBack.dxStartIndent, 570);

    CHARFORMATA cfDefault = {};
    cfDefault.dwMask = CFM_SIZE;
    cfDefault.yHeight = 240;
    EXPECT_TRUE(edit.SetDefaultCharFormat(cfDefault));
    CHARFORMATA cfDefaultBack = {};
    edit.GetDefaultCharFormat(cfDefaultBack);
    EXPECT_EQ(cfDefaultBack.yHeight, 240);

    EXPECT_EQ(edit.SetEventMask(ENM_CHANGE | ENM_SELCHANGE), 0u);
    EXPECT_EQ(edit.GetEventMask(), static_cast<DWORD>(ENM_CHANGE | ENM_SELCHANGE));
    edit.SetBackgroundColor(FALSE, RGB(255, 255, 0));
    EXPECT_EQ(edit.SetBackgroundColor(TRUE, 0), RGB(255, 255, 0));

    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5);

    IRichEditOle* pOle = edit.GetIRichEditOle();
    ASSERT_NE(pOle, nullptr);
    pOle->Release();
}

// ---- combo box and list box -------------------------------------------------------

TEST_F(ControlsTest, ComboFindsByPrefixOrExactlyAndReadsItsItems)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(10, 10, 200, 200),
                             &m_parent, 130));
    for (LPCSTR psz : {"Projekte\\", "Projekte\\Notiz", "projekte", "Privat"})
        combo.AddString(psz);
    EXPECT_EQ(combo.GetCount(), 4);

    struct Case { int nStartAfter; LPCSTR pszFind; int nPrefix; int nExact; };
    const Case cases[] = {
        {-1, "projekte", 0, 2},        // the prefix matches the first, the exact one the third
        {-1, "PROJEKTE\\NOTIZ", 1, 1}, // case is ignored both ways
        {0, "Projekte", 1, 2},         // the search starts after nStartAfter
        {2, "pr", 3, CB_ERR},          // and wraps round
        {-1, "Zitrone", CB_ERR, CB_ERR},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszFind);
        EXPECT_EQ(combo.FindString(c.nStartAfter, c.pszFind), c.nPrefix);
        EXPECT_EQ(combo.FindStringExact(c.nStartAfter, c.pszFind), c.nExact);
    }

    CString str;
    combo.GetLBText(1, str);
    EXPECT_EQ(str, "Projekte\\Notiz");
    EXPECT_EQ(combo.GetLBTextLen(1), 14);
    char szText[32];
    EXPECT_EQ(combo.GetLBText(3, szText), 6);
    EXPECT_STREQ(szText, "Privat");
    combo.GetLBText(17, str);
    EXPECT_TRUE(str.IsEmpty());

    EXPECT_EQ(combo.SetItemData(3, 99), TRUE);
    EXPECT_EQ(combo.GetItemData(3), 99u);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    CString strEdit;
    combo.GetWindowText(strEdit);
    EXPECT_EQ(strEdit, "Projekte\\Notiz");

    combo.SetFocus();
    EXPECT_TRUE(combo.SetEditSel(2, 5));
    EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(2, 5)));

    EXPECT_EQ(combo.InsertString(0, "Anfang"), 0);
    EXPECT_EQ(combo.DeleteString(1), 4);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxWithSeveralSelections)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, CRect(10, 10, 200, 200),
                            &m_parent, 131));
    for (LPCSTR psz : {"Rot", "Grün", "Blau", "Gelb"})
        list.AddString(psz);
    EXPECT_EQ(list.SetSel(1), 0);
    EXPECT_EQ(list.SetSel(3), 0);
    EXPECT_EQ(list.GetSelCount(), 2);
    int selected[4] = {};
    EXPECT_EQ(list.GetSelItems(4, selected), 2);
    EXPECT_EQ(selected[0], 1);
    EXPECT_EQ(selected[1], 3);
    EXPECT_TRUE(list.GetSel(3) > 0);
    EXPECT_EQ(list.SetSel(-1, FALSE), 0);
    EXPECT_EQ(list.GetSelCount(), 0);

    CString str;
    list.GetText(1, str);
    EXPECT_EQ(str, "Grün");
    EXPECT_EQ(list.FindStringExact(-1, "blau"), 2);
    EXPECT_EQ(list.FindString(-1, "G"), 1);
    EXPECT_EQ(list.SetItemData(2, 5), TRUE);
    EXPECT_EQ(list.GetItemData(2), 5u);
    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.GetCount(), 3);
}

// ---- buttons, statics, edits ----------------------------------------------------------

class CRecordingButton : public CButton
{
public:
    int m_nDrawCalls = 0;
    UINT m_nLastAction = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_nDrawCalls;
        m_nLastAction = lpDrawItemStruct->itemAction;
    }
};

TEST_F(ControlsTest, OwnerDrawnButtonDrawsItselfThroughReflection)
{
    CRecordingButton button;
    ASSERT_TRUE(button.Create("&Hilfe", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 100, 40),
                              &m_parent, 140));
    EXPECT_EQ(button.GetButtonStyle(), static_cast<UINT>(BS_OWNERDRAW));
    // Only a visible button paints.
    m_parent.ShowWindow(SW_SHOWNA);
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GT(button.m_nDrawCalls, 0);
    EXPECT_EQ(button.m_nLastAction, static_cast<UINT>(ODA_DRAWENTIRE));
}

TEST_F(ControlsTest, CheckBoxStateAndStyle)
{
    CButton check;
    ASSERT_TRUE(check.Create("&Tipps", WS_VISIBLE | BS_AUTO3STATE, CRect(10, 10, 100, 30), &m_parent, 141));
    for (int nCheck : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED})
    {
        check.SetCheck(nCheck);
        EXPECT_EQ(check.GetCheck(), nCheck);
    }
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
    check.SetState(FALSE);
    check.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(check.GetButtonStyle(), static_cast<UINT>(BS_AUTOCHECKBOX));
}

TEST_F(ControlsTest, StaticHandsBackThePreviousBitmap)
{
    CStatic picture;
    ASSERT_TRUE(picture.Create(nullptr, WS_VISIBLE | SS_BITMAP, CRect(10, 10, 60, 60), &m_parent));
    CBitmap first;
    CBitmap second;
    ASSERT_TRUE(first.CreateBitmap(8, 8, 1, 1, nullptr));
    ASSERT_TRUE(second.CreateBitmap(8, 8, 1, 1, nullptr));
    EXPECT_EQ(picture.SetBitmap(first), nullptr);
    EXPECT_EQ(picture.GetBitmap(), static_cast<HBITMAP>(first));
    EXPECT_EQ(picture.SetBitmap(second), static_cast<HBITMAP>(first));
    EXPECT_EQ(picture.SetBitmap(nullptr), static_cast<HBITMAP>(second));
}

TEST_F(ControlsTest, EditLinesSelectionAndLimits)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, Area(), &m_parent, 150));
    edit.SetWindowText("erste Zeile\r\nzweite\r\n");
    EXPECT_EQ(edit.GetLineCount(), 3);
    char szLine[64];
    EXPECT_EQ(edit.GetLine(1, szLine, sizeof(szLine)), 6);
    EXPECT_STREQ(szLine, "zweite");
    // A buffer shorter than the line gets what fits, terminated.
    char szShort[4];
    EXPECT_EQ(edit.GetLine(0, szShort, sizeof(szShort)), 3);
    EXPECT_STREQ(szShort, "ers");
    EXPECT_EQ(edit.GetLine(2, szLine, sizeof(szLine)), 0);
    EXPECT_STREQ(szLine, "");
    EXPECT_EQ(edit.LineIndex(1), 13);
    EXPECT_EQ(edit.LineFromChar(14), 1);
    EXPECT_EQ(edit.LineLength(13), 6);

    edit.SetModify(FALSE);
    edit.SetSel(0, 5);
    int nStart = 0;
    int nEnd = 0;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 5);
    edit.ReplaceSel("letzte", TRUE);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_EQ(edit.GetLine(0, szLine, sizeof(szLine)), 12);
    EXPECT_STREQ(szLine, "letzte Zeile");

    edit.LimitText(20);
    EXPECT_EQ(edit.GetLimitText(), 20u);
    EXPECT_FALSE(edit.GetStyle() & ES_READONLY);
    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

// ---- spin, progress, tooltip, rebar ---------------------------------------------------

// A parent that hears its spin button's steps through its message map.
class CSpinParent : public CWnd
{
public:
    std::vector<int> m_deltas;

protected:
    void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_deltas.push_back(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSpinParent, CWnd)
    ON_NOTIFY(UDN_DELTAPOS, 162, OnDeltaPos)
END_MESSAGE_MAP()

TEST_F(ControlsTest, SpinButtonTellsItsParentOfEachStep)
{
    CSpinParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Zahl", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, nullptr, nullptr));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE, CRect(10, 10, 30, 50), &parent, 162));
    spin.SetRange(0, 10);
    spin.SetPos(5);
    // A press on the upper arrow, then on the lower one.
    for (int y : {5, 35})
    {
        spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, y));
        spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, y));
    }
    EXPECT_EQ(parent.m_deltas, (std::vector<int>{1, -1}));
    EXPECT_EQ(spin.GetPos(), 5);
    parent.DestroyWindow();
}

TEST_F(ControlsTest, SpinButtonKeepsItsPositionInRange)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE | ES_NUMBER, CRect(10, 10, 80, 30), &m_parent, 160));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(80, 10, 100, 30),
                            &m_parent, 161));
    EXPECT_EQ(spin.SetBuddy(&buddy), nullptr);
    EXPECT_EQ(spin.GetBuddy()->GetSafeHwnd(), buddy.GetSafeHwnd());

    spin.SetRange(1, 120);
    int nLower = 0;
    int nUpper = 0;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 1);
    EXPECT_EQ(nUpper, 120);
    spin.SetPos(10);
    EXPECT_EQ(spin.GetPos(), 10);
    CString strBuddy;
    buddy.GetWindowText(strBuddy);
    EXPECT_EQ(strBuddy, "10");

    spin.SetRange32(-5, 100000);
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, -5);
    EXPECT_EQ(nUpper, 100000);
    spin.SetPos32(70000);
    BOOL bError = TRUE;
    EXPECT_EQ(spin.GetPos32(&bError), 70000);
    EXPECT_FALSE(bError);
}

TEST_F(ControlsTest, ProgressStepsAndWrapsAtItsUpperLimit)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 10, 300, 30), &m_parent, 170));
    progress.SetRange(0, 100);
    int nLower = -1;
    int nUpper = -1;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 100);
    EXPECT_EQ(progress.SetStep(40), 10);
    EXPECT_EQ(progress.SetPos(10), 0);
    EXPECT_EQ(progress.StepIt(), 10);
    EXPECT_EQ(progress.GetPos(), 50);
    EXPECT_EQ(progress.OffsetPos(5), 50);
    EXPECT_EQ(progress.GetPos(), 55);
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 95);
    progress.StepIt();   // past the upper limit: starts again from the lower one
    EXPECT_EQ(progress.GetPos(), 35);
    progress.SetRange32(0, 1000000);
    progress.SetPos(500000);
    EXPECT_EQ(progress.GetPos(), 500000);
}

TEST_F(ControlsTest, ToolTipAddsUpdatesAndRemovesWindowTools)
{
    CEdit title;
    CEdit text;
    ASSERT_TRUE(title.Create(WS_VISIBLE, CRect(0, 0, 200, 23), &m_parent, 1009));
    ASSERT_TRUE(text.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 23, 200, 200), &m_parent, 1010));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    EXPECT_EQ(tip.GetOwner()->GetSafeHwnd(), m_parent.GetSafeHwnd());
    EXPECT_TRUE(tip.AddTool(&title, "Titel"));
    EXPECT_TRUE(tip.AddTool(&text, "Text"));
    EXPECT_EQ(tip.GetToolCount(), 2);
    tip.Activate(TRUE);

    CString str;
    tip.GetText(str, &title);
    EXPECT_EQ(str, "Titel");
    tip.UpdateTipText("Überschrift", &title);
    tip.GetText(str, &title);
    EXPECT_EQ(str, "Überschrift");

    // A rectangle of a window under an id is a tool of its own.
    CRect rect(0, 0, 50, 50);
    EXPECT_TRUE(tip.AddTool(&m_parent, "Ecke", &rect, 7));
    tip.GetText(str, &m_parent, 7);
    EXPECT_EQ(str, "Ecke");
    EXPECT_EQ(tip.GetToolCount(), 3);

    MSG msg = {title.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), ::GetTickCount(), {5, 5}};
    tip.RelayEvent(&msg);
    tip.Pop();
    tip.SetMaxTipWidth(300);
    tip.SetDelayTime(TTDT_INITIAL, 250);
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 250);

    tip.DelTool(&title);
    tip.DelTool(&m_parent, 7);
    EXPECT_EQ(tip.GetToolCount(), 1);
    tip.GetText(str, &text);
    EXPECT_EQ(str, "Text");
}

// The toolkit subclasses its tooltip to answer which window is under a point.
class CAnsweringToolTip : public CToolTipCtrl
{
public:
    HWND m_hWndAnswer = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == TTM_WINDOWFROMPOINT)
            return reinterpret_cast<LRESULT>(m_hWndAnswer);
        return CToolTipCtrl::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ControlsTest, ToolTipMessagesReachItsObject)
{
    CAnsweringToolTip tip;
    ASSERT_TRUE(tip.Create(&m_parent, TTS_ALWAYSTIP));
    EXPECT_EQ(CWnd::FromHandlePermanent(tip.GetSafeHwnd()), &tip);
    tip.m_hWndAnswer = m_parent.GetSafeHwnd();
    POINT pt = {1, 1};
    EXPECT_EQ(reinterpret_cast<HWND>(tip.SendMessage(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&pt))),
              m_parent.GetSafeHwnd());
    // Everything else still reaches the control.
    EXPECT_TRUE(tip.AddTool(&m_parent, "Fenster", CRect(0, 0, 10, 10), 3));
    EXPECT_EQ(tip.GetToolCount(), 1);
}

TEST_F(ControlsTest, ReBarHoldsBandsWithTheirChildren)
{
    CReBarCtrl rebar;
    ASSERT_TRUE(rebar.Create(WS_VISIBLE | WS_CLIPCHILDREN | CCS_NODIVIDER | RBS_VARHEIGHT,
                             CRect(0, 0, 400, 30), &m_parent, 0xE804));
    CStatic label;
    ASSERT_TRUE(label.Create("Banner", WS_VISIBLE, CRect(0, 0, 100, 20), &rebar));

    REBARBANDINFOA band = {};
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_TEXT | RBBIM_ID;
    band.fStyle = RBBS_CHILDEDGE;
    band.hwndChild = label.GetSafeHwnd();
    band.cxMinChild = 100;
    band.cyMinChild = 20;
    band.lpText = const_cast<LPSTR>("Leiste");
    band.wID = 5;
    EXPECT_TRUE(rebar.InsertBand(static_cast<UINT>(-1), &band));
    EXPECT_EQ(band.cbSize, CReBarCtrl::bandInfoSize);
#ifndef _WIN64
    EXPECT_EQ(band.cbSize, 80u);
#endif
    EXPECT_EQ(rebar.GetBandCount(), 1u);
    EXPECT_EQ(rebar.IDToIndex(5), 0);
    EXPECT_GE(rebar.GetBarHeight(), 20u);

    char szText[16] = {};
    REBARBANDINFOA back = {};
    back.fMask = RBBIM_CHILD | RBBIM_TEXT;
    back.lpText = szText;
    back.cch = sizeof(szText);
    ASSERT_TRUE(rebar.GetBandInfo(0, &back));
    EXPECT_EQ(back.hwndChild, label.GetSafeHwnd());
    EXPECT_STREQ(szText, "Leiste");

    back.fMask = RBBIM_STYLE;
    back.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    EXPECT_TRUE(rebar.SetBandInfo(0, &back));
    rebar.MaximizeBand(0);
    rebar.MinimizeBand(0);
    EXPECT_TRUE(rebar.DeleteBand(0));
    EXPECT_EQ(rebar.GetBandCount(), 0u);
}

} // namespace
