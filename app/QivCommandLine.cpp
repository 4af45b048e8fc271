#include "app/QivCommandLine.h"

#include <string.h>

void C_QivCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag) {
        if (_stricmp(pszParam, "Q") == 0)
            m_bMinimized = TRUE;
        else if (_stricmp(pszParam, "HIDE") == 0)
            m_bHide = TRUE;
    } else if (!m_strFileName.IsEmpty()) {
        m_strItemPath = pszParam;
    }
    // The framework still sees every argument, so the first plain one stays
    // the file to open and its own switches keep their meaning.
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
