// CCommandLineInfo: what the command line asks the program to do. The
// application parses its arguments into one (ParseCommandLine): a leading
// '/' or '-' makes an argument a switch, and each argument reaches
// ParseParam, which a program's own class may extend.
//
// Switches understood here: "p" print, "pt" print to (printer, driver, port
// follow), "dde" opened by the shell, "Embedding" and "Automation" started
// by OLE (both turn the splash off). The first plain argument is the file to
// open.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    ~CCommandLineInfo() override;

    // bFlag: the argument was a switch (its '/' or '-' taken off); bLast: it
    // was the last argument.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;

    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand = FileNew;

    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(LPCSTR pszParam);
    void ParseParamNotFlag(LPCSTR pszParam);
    void ParseLast(BOOL bLast);
};

// Hands argv[1..argc-1] to rCmdInfo as ParseCommandLine does with the
// program's own arguments.
void AFXAPI AfxParseCommandLine(CCommandLineInfo& rCmdInfo, int argc, char** argv);
