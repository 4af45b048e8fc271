// CXTPControlComboBoxGalleryPopupBar: the drop-down of a combo box whose
// list is a gallery (its first control). The combo's selection operations
// go to the gallery's selected item, its search and its scrolling; Return
// on the gallery and a click on an item accept the item.
#pragma once

#include "toolkit/controls/ControlComboBoxList.h"

class CXTPControlGallery;

class CXTPControlComboBoxGalleryPopupBar : public CXTPControlComboBoxPopupBar
{
    DECLARE_DYNCREATE(CXTPControlComboBoxGalleryPopupBar)
public:
    CXTPControlComboBoxGalleryPopupBar() = default;
    static CXTPControlComboBoxGalleryPopupBar* CreateComboBoxGalleryPopupBar(CXTPCommandBars* pCommandBars);

    // The first control as a gallery; null when it is none.
    CXTPControlGallery* GetGallery() const;

    int GetCurSel() const override;
    void SetCurSel(int nIndex) override;
    int SetTopIndex(int nIndex) override;
    int FindString(int nStartAfter, LPCSTR lpszText) const override;
    int FindStringExact(int nStartAfter, LPCSTR lpszText) const override;
    void GetItemText(int nIndex, CString& strText) const override;

    BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard = FALSE) override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
