// The program's command line: the framework's arguments, plus "/Q" (start
// minimised), "/HIDE" (start in the notification area only) and a second
// plain argument, the path of the entry to show once the card file is open.
#pragma once

#include "framework/ui/CommandLineInfo.h"

class C_QivCommandLineInfo : public CCommandLineInfo
{
public:
    void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast) override;

    BOOL m_bMinimized = FALSE;
    BOOL m_bHide = FALSE;
    // Titles below the root joined with "\"; empty when none was given.
    CString m_strItemPath;
};
