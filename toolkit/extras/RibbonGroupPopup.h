// A ribbon group reduced to one button: CXTPRibbonGroupControlPopup is that
// button, CXTPRibbonGroupPopupToolBar the popup bar that shows a copy of
// the group when the button opens.
#pragma once

#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlPopup.h"

class CXTPRibbonBar;
class CXTPRibbonGroup;

// Bar flag of the group popup: its sub-popups open downwards.
const DWORD xtpFlagPopupDropDown = 0x200000;

class CXTPRibbonGroupControlPopup : public CXTPControlPopup
{
    DECLARE_DYNCREATE(CXTPRibbonGroupControlPopup)
public:
    explicit CXTPRibbonGroupControlPopup(CXTPRibbonGroup* pGroup = nullptr);
    ~CXTPRibbonGroupControlPopup() override;

    CXTPRibbonGroup* GetGroup() const { return m_pGroup; }
    CXTPRibbonGroup* GetPopupGroup() const { return m_pPopupGroup; }
    BOOL SetPopupOpen(BOOL bOpen) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPRibbonGroupControlPopup; }

private:
    CXTPRibbonGroup* m_pGroup;
    CXTPRibbonGroup* m_pPopupGroup;
};

class CXTPRibbonGroupPopupToolBar : public CXTPPopupToolBar
{
    DECLARE_DYNCREATE(CXTPRibbonGroupPopupToolBar)
public:
    explicit CXTPRibbonGroupPopupToolBar(CXTPRibbonGroup* pGroup = nullptr);
    ~CXTPRibbonGroupPopupToolBar() override;

    CXTPRibbonGroup* GetGroup() const { return m_pGroup; }
    CXTPRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;

private:
    CXTPRibbonBar* m_pRibbonBar = nullptr;
    CXTPRibbonGroup* m_pGroup = nullptr;
};
