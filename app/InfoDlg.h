// C_InfoDlg: the about box, a sheet of three pages: the product page with
// its small animation, the mailing-list page with two links, and the
// notice page. Only OK closes it (Cancel is hidden).
#pragma once

#include "app/FlatButton.h"
#include "framework/ui/PropertyPage.h"
#include "framework/ui/PropertySheet.h"
#include "toolkit/extras/Hyperlink.h"

// A page of the about box: moves the sheet when its free area is dragged
// and sounds when the user turns to it.
class C_MyPropertyPage : public CPropertyPage
{
public:
    explicit C_MyPropertyPage(UINT nIDTemplate);
    BOOL OnSetActive() override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};

// The product page: static 1063 cycles through three pictures every 750 ms.
class C_QivnotesPageDlg : public C_MyPropertyPage
{
public:
    C_QivnotesPageDlg();
    ~C_QivnotesPageDlg() override;

    BOOL OnInitDialog() override;

    // The picture shown now (132, 31002 or 31003) by the animation step.
    UINT GetShownPicture() const;
    static const UINT_PTR kAnimationTimer = 1998;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();

    HBITMAP m_hFirst;
    HBITMAP m_hSecond;
    HBITMAP m_hThird;
    int m_nStep;

    DECLARE_MESSAGE_MAP()
};

class C_FreewarePage : public C_MyPropertyPage
{
public:
    C_FreewarePage();
    BOOL OnInitDialog() override;

    CXTHyperLink m_mailLink;
    CXTHyperLink m_webLink;
};

class C_InfoDlg : public CPropertySheet
{
public:
    explicit C_InfoDlg(CWnd* pParent = nullptr);

    C_QivnotesPageDlg m_productPage;
    C_FreewarePage m_mailingListPage;
    C_MyPropertyPage m_noticePage;

    BOOL OnInitDialog() override;

protected:
    C_FlatButton m_buttonOK;
    C_FlatButton m_buttonHelp;
};
