// The wizard's plain pages: welcome, program parts, shortcuts and the end.
// Each sets its wizard buttons whenever it is shown.
#pragma once

#include "framework/ui/PropertyPage.h"

class CWelcomePage : public CPropertyPage
{
public:
    CWelcomePage();
    BOOL OnSetActive() override;
};

class CModulesPage : public CPropertyPage
{
public:
    CModulesPage();
    BOOL OnSetActive() override;

    BOOL m_bProgram = TRUE;     // check box 1008

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CLinksPage : public CPropertyPage
{
public:
    CLinksPage();
    BOOL OnSetActive() override;

    BOOL m_bStartMenu = TRUE;   // check box 1004
    BOOL m_bDesktop = TRUE;     // check box 1005
    // The user's favourites with a trailing backslash; empty when unknown.
    CString m_strFavourites;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CFinishedPage : public CPropertyPage
{
public:
    CFinishedPage();
    BOOL OnSetActive() override;
};

// Sets the buttons of the sheet the page is shown in.
void SetPageWizardButtons(CPropertyPage& page, DWORD dwFlags);
