// C_AnlagenView: the list of the files attached to the item selected in the
// tree, in the pane below the text. Only paths are stored; the list adds
// them (file dialog, dropped files), opens the files with the shell, shows
// the shell's context menu of a file, removes paths, changes one, and sorts
// its rows by any of its four columns. Each row owns a copy of its stored
// path; the image lists hold exactly the icons of the rows shown.
#pragma once

#include "framework/ui/ImageList.h"
#include "framework/ui/ListView.h"

#include <shlobj.h>

#include <vector>

class C_QivItem;

class C_AnlagenView : public CListView
{
    DECLARE_DYNCREATE(C_AnlagenView)
public:
    C_AnlagenView();
    ~C_AnlagenView() override;

    // Shows the attachments of pItem (null: none) in their stored order
    // and selects the first; the view then works on that item.
    void ShowAttachments(C_QivItem* pItem);
    // Frees every row's path, deletes the rows and empties the image lists.
    void RemoveAllRows();
    // Appends the row of one stored path; its index.
    int AddAttachmentRow(const CString& strStored);
    // The full path of a stored path, relative to the open card file.
    CString ResolveAttachmentPath(const CString& strStored) const;
    // Opens the selected row's file with the shell.
    void OpenAttachment();
    // The stored path of a row.
    CString GetStoredPath(int nRow) const;

    // The user's actions, each as its command or input runs it.
    void AddFiles(const std::vector<CString>& files);
    void RemoveSelected();
    void ChangeSelectedPath();
    void SortByColumn(int nColumn);

    int GetSortColumn() const { return m_nSortColumn; }
    BOOL IsSortAscending() const { return m_bAscending; }
    CImageList& GetSmallImages() { return m_imagesSmall; }
    CImageList& GetLargeImages() { return m_imagesLarge; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnAddAttachment();
    afx_msg void OnChangePath();
    afx_msg void OnRemove();
    afx_msg void OnSelectAll();
    afx_msg void OnUpdateNeedSelection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI);
    afx_msg void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    int SelectedRow() const;
    void DeselectAll();
    void SelectRow(int nRow);
    // The item's tree pictures follow whether it has attachments (entries
    // only; a category's picture counts its children).
    void UpdateTreeImages();
    void SetModified();
    static int CALLBACK CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    CImageList m_imagesSmall;
    CImageList m_imagesLarge;
    int m_nSortColumn = -1;
    BOOL m_bAscending = TRUE;
    C_QivItem* m_pItem = nullptr;
};

// The shell's context menu of one file: the shell's verbs under commands
// 1..0x7FFF, a separator, and "E&igenschaften" beyond that range.
class CQivShellFileMenu
{
public:
    static constexpr UINT kFirstShellCommand = 1;
    static constexpr UINT kLastShellCommand = 0x7FFF;
    static constexpr UINT kPropertiesCommand = 0x8000;

    CQivShellFileMenu() = default;
    ~CQivShellFileMenu();
    CQivShellFileMenu(const CQivShellFileMenu&) = delete;
    CQivShellFileMenu& operator=(const CQivShellFileMenu&) = delete;

    BOOL Build(const CString& strPath, HWND hOwner);
    HMENU GetMenu() const { return m_hMenu; }
    IContextMenu* GetContextMenu() const { return m_pContextMenu; }

private:
    HMENU m_hMenu = nullptr;
    IContextMenu* m_pContextMenu = nullptr;
};

// Runs a command chosen from such a menu: 0 nothing, the properties
// command the "properties" verb, a shell command its verb. FALSE when
// nothing ran.
BOOL QivInvokeShellMenuCommand(IContextMenu* pContextMenu, UINT nCommand, HWND hOwner);
