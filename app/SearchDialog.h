// The search window: a modeless, resizable dialog that lists every item
// whose title or note matches the query, with the category path of each,
// and opens a hit in the tree. It holds plain pointers into the card file:
// the frame closes it before the tree is replaced, and an item deleted
// after a search is found missing when its row is opened. Closing only
// hides it; its placement is stored then and restored when it is made.
#pragma once

#include "app/AutoComboBox.h"
#include "app/FlatButton.h"
#include "app/SearchQuery.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/ImageList.h"
#include "framework/ui/ListCtrl.h"

#include <memory>

class C_QivCategory;
class CFrameWnd;
class CLongOperation;
class CStringList;

class CSuchenDlg : public CDialog
{
public:
    // pTreeView shows the card file (a view of pFrame, or any window of a
    // tree control); pHistory is the frame's list of search texts, oldest
    // first, which the window fills and reads.
    CSuchenDlg(C_QivCategory* pRoot, CWnd* pTreeView, CFrameWnd* pFrame, CStringList* pHistory);
    ~CSuchenDlg() override;

    // Makes the window, hidden, from its template.
    BOOL Create();
    // The card file to search from now on (the window was restored).
    void SetRoot(C_QivCategory* pRoot) { m_pRoot = pRoot; }

    // Runs the search of the text in the search box.
    void RunSearch();
    // Opens the row that is focused and selected.
    void OpenHit();

    const CQivSearchQuery& GetQuery() const { return m_query; }

    CListCtrl m_listResults;
    C_AutoComboBox m_comboTerms;
    CString m_strSearch;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* pMMI);
    afx_msg LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);
    afx_msg void OnStart();
    afx_msg void OnGoTo();
    afx_msg void OnNewSearch();
    afx_msg void OnDblClkResults(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Layout(int cx, int cy);
    void RememberSearchText(const CString& strText);
    void EnableHitButtons(BOOL bEnable);
    void SavePlacement();
    void RestorePlacement();

    C_QivCategory* m_pRoot;
    CWnd* m_pTreeView;
    CFrameWnd* m_pFrame;
    CStringList* m_pHistory;
    CQivSearchQuery m_query;
    std::unique_ptr<CLongOperation> m_longOperation;
    CImageList m_images;
    C_FlatButton m_btnStart;
    C_FlatButton m_btnGoTo;
    C_FlatButton m_btnNew;
};
