// C_InhaltView: the list of a category's children in the main window's
// top-right pane, shown while a category is selected in the tree (the frame
// swaps it with the text view). Each row carries its model item; the list
// owns nothing. From here the user opens, renames, deletes and sorts the
// children.
#pragma once

#include "framework/ui/ImageList.h"
#include "framework/ui/ListView.h"

class C_QivCategory;
class C_QivItem;
class CQivTreeView;

class C_InhaltView : public CListView
{
    DECLARE_DYNCREATE(C_InhaltView)
public:
    C_InhaltView();
    ~C_InhaltView() override;

    // One row per child of pItem in chain order: title and image, the child
    // as the row's data, "Kategorie" or "Eintrag"; empty for an item
    // without children.
    void Fill(C_QivItem* pItem);
    C_QivItem* ItemOfRow(int nRow) const;

    // Deletes the selected rows' items from the list, the tree and the
    // model after one question.
    void DeleteSelectedRows();
    // Sorts the rows as the tree sorts a category (categories first, then
    // by title); the model and the tree keep their order.
    void SortRows();

    CImageList m_imageList;
    HACCEL m_hSavedAccelerators = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRename();
    afx_msg void OnDelete();
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    CQivTreeView* GetTreeView() const;

    BOOL m_bLabelEditing = FALSE;
};
