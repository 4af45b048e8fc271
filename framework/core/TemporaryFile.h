// Saving a file so that it is never found half written: the new content
// goes to a temporary file beside it, which takes the file's place in one
// step once it is complete.
//
// The temporary file is named after the file it stands for and hidden, so
// one that a save cut short (a killed process, a power cut) left behind is
// taken again by the next save of that file instead of piling up. A file
// of that name the program did not make is never touched: the save then
// goes through a fresh name.
#pragma once

#include "framework/core/String.h"

// The temporary file of lpszPath: its name behind "~$" in the same folder
// (x.qiv -> ~$x.qiv). Where that would not fit a path, the name's first two
// characters give way to "~$".
CString AFXAPI AfxTemporaryPathOf(LPCSTR lpszPath);

// Makes the empty, hidden temporary file for a save of lpszPath and answers
// its path; empty when none could be made (the error stays in
// GetLastError). The caller writes it without truncating it again
// (CFile::modeNoTruncate keeps its attributes) and hands it to
// AfxReplaceWithTemporary, or deletes it when the save fails.
CString AFXAPI AfxCreateTemporaryFileFor(LPCSTR lpszPath);

// Puts the complete temporary file in lpszPath's place in one step, showing
// as lpszPath did (or as a new file); FALSE with the error in GetLastError
// when it cannot, and then lpszPath is unchanged.
BOOL AFXAPI AfxReplaceWithTemporary(LPCSTR lpszTemp, LPCSTR lpszPath);
