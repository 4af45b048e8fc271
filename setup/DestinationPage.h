// The page that names the installation folder: typed, or chosen with the
// shell's folder picker. The text is taken as it stands when the page is
// left.
#pragma once

#include "framework/ui/PropertyPage.h"

class CDestinationPage : public CPropertyPage
{
public:
    CDestinationPage();
    BOOL OnSetActive() override;

    CString m_strDestination;   // edit 1003

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Button 1002: the chosen folder replaces the whole text.
    afx_msg void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
