// The one road by which the toolkit asks the shell to open a file or an
// address. Tests install a CShellOpenSeam handler to see what would be
// opened and to choose the shell's answer without starting anything.
#pragma once

#include "framework/ui/TestSeams.h"

struct XT_SHELLOPEN_REQUEST
{
    CString strFile;
    CString strParameters;   // empty when none
    CString strDirectory;    // empty when none
    int nShowCmd;
};
using CShellOpenSeam = CTestSeam<XT_SHELLOPEN_REQUEST>;

// ShellExecute with the verb "open" and no owner window; the result as the
// shell gives it (above 32 on success, else its error code).
INT_PTR XTShellOpen(LPCSTR lpszFile, LPCSTR lpszParams, LPCSTR lpszDir, int nShowCmd);

// The German message for a shell error code, from the string table when the
// program has it, else the built-in text.
CString XTShellOpenErrorText(int nError);
