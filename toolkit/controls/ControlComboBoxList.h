// The drop-downs of the combo box. CXTPControlComboBoxPopupBar is the base
// of every combo drop-down: the selection operations the combo calls, which
// answer "nothing" here. CXTPControlComboBoxList is the default drop-down:
// a popup bar whose window is a system list box, kept (hidden) between
// openings so that it holds the items.
#pragma once

#include "toolkit/commandbars/PopupBar.h"

class CXTPControlComboBox;

class CXTPControlComboBoxPopupBar : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CXTPControlComboBoxPopupBar)
public:
    CXTPControlComboBoxPopupBar() = default;

    // The combo the drop-down serves while it is open.
    CXTPControlComboBox* GetComboBox() const { return m_pComboBox; }

    virtual int GetCurSel() const { return -1; }
    virtual int FindString(int /*nStartAfter*/, LPCSTR /*lpszText*/) const { return -1; }
    virtual int FindStringExact(int /*nStartAfter*/, LPCSTR /*lpszText*/) const { return -1; }
    virtual int SetTopIndex(int /*nIndex*/) { return -1; }
    virtual void SetCurSel(int /*nIndex*/) {}
    virtual void GetItemText(int /*nIndex*/, CString& strText) const { strText.Empty(); }
    // A key for the list while the combo has the focus; TRUE when taken.
    virtual BOOL ProcessListKey(CXTPControlComboBox* pCombo, UINT nChar, UINT nFlags);

protected:
    // The selection moved by a key: the field follows.
    void OnListSelChanged(CXTPControlComboBox* pCombo, int nOldSel);

    CXTPControlComboBox* m_pComboBox = nullptr;
};

class CXTPControlComboBoxList : public CXTPControlComboBoxPopupBar
{
    DECLARE_DYNCREATE(CXTPControlComboBoxList)
public:
    CXTPControlComboBoxList();
    static CXTPControlComboBoxList* CreateComboBoxList(CXTPCommandBars* pCommandBars);

    // Makes the (hidden) list-box window when there is none.
    virtual BOOL CreateListBox();
    HWND GetListBox() const { return m_hWnd; }
    int GetListWidth() const { return m_nListWidth; }
    void SetListWidth(int nWidth) { m_nListWidth = nWidth; }

    int GetCurSel() const override;
    int FindString(int nStartAfter, LPCSTR lpszText) const override;
    int FindStringExact(int nStartAfter, LPCSTR lpszText) const override;
    int SetTopIndex(int nIndex) override;
    void SetCurSel(int nIndex) override;
    // The item's text, read by its own length.
    void GetItemText(int nIndex, CString& strText) const override;
    BOOL ProcessListKey(CXTPControlComboBox* pCombo, UINT nChar, UINT nFlags) override;

    BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard = FALSE) override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    // The wheel turned over the open list scrolls it.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;
    BOOL IsVisible() const override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

protected:
    // The list box's own procedure does the work; the bar's message map is
    // not used for this window.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Makes a list-box window of the styles (hidden, owned by the site).
    BOOL CreateListWindow(DWORD dwExStyle, DWORD dwStyle);
    void OnListMouseMove(CPoint pt);
    void OnListLButtonUp();
    void DrawListFrame();
    void LoadItems(CXTPPropExchange* pSection);
    void StoreItems(CXTPPropExchange* pSection);

    int m_nListWidth;
};

// Stored lists longer than this are not read further.
const int XTP_COMBO_MAX_STORED_ITEMS = 32767;
