#include "framework/ui/CommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo() = default;

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(LPCSTR pszParam)
{
    if (lstrcmpiA(pszParam, "pt") == 0)
        m_nShellCommand = FilePrintTo;
    else if (lstrcmpiA(pszParam, "p") == 0)
        m_nShellCommand = FilePrint;
    else if (lstrcmpiA(pszParam, "Register") == 0 || lstrcmpiA(pszParam, "Regserver") == 0)
        m_nShellCommand = AppRegister;
    else if (lstrcmpiA(pszParam, "Unregister") == 0 || lstrcmpiA(pszParam, "Unregserver") == 0)
        m_nShellCommand = AppUnregister;
    else if (lstrcmpiA(pszParam, "dde") == 0)
        m_nShellCommand = FileDDE;
    else if (lstrcmpiA(pszParam, "Embedding") == 0)
        m_bRunEmbedded = TRUE;
    else if (lstrcmpiA(pszParam, "Automation") == 0)
        m_bRunAutomated = TRUE;
}

// The first plain argument is the file; for "print to" the printer, driver
// and port follow it.
void CCommandLineInfo::ParseParamNotFlag(LPCSTR pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

void AFXAPI AfxParseCommandLine(CCommandLineInfo& rCmdInfo, int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        LPCSTR pszParam = argv[i];
        BOOL bFlag = FALSE;
        if (pszParam[0] == '-' || pszParam[0] == '/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i + 1 == argc);
    }
}
