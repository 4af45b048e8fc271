// The page that lists what the installation will do: the copy page's dry
// run, made again whenever the page's controls are loaded, so the list
// follows every change made on the pages before.
#pragma once

#include "framework/ui/PropertyPage.h"

class CCopyPage;

class CSummaryPage : public CPropertyPage
{
public:
    explicit CSummaryPage(CCopyPage& copyPage);
    BOOL OnSetActive() override;

    CString m_strSummary;       // edit 1007

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CCopyPage& m_copyPage;
};
