// The page that names the installation folder: typed, or chosen with the
// shell's folder picker. When the page is left the text, trimmed, must be a
// full path (drive or server) of a folder that can be made and written;
// anything else is refused with a message and the user picks another.
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
