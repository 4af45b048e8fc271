// Notes to and from text files: an entry's note exported as rich text
// (".rtf", ".doc") or plain text (".txt"), and a text or rich-text file
// imported as a new entry.
#pragma once

#include "framework/core/AfxWin.h"

class C_QivEntry;

// The entry of a file whose path ends in "txt" or "rtf" (any case): titled
// with the file name less its folder and its last four characters, holding
// the file's bytes and one NUL (counted in the length). Null for any other
// path. File errors raise CFileException.
C_QivEntry* QivReadFileAsEntry(LPCSTR lpszPath);

// Writes a note's rich text to lpszPath by the path's extension (any case):
// "rtf" and "doc" as it is, "txt" converted to plain text with CR LF line
// ends (empty when the rich text cannot be read). FALSE, and nothing
// written, for any other extension. File errors raise CFileException.
BOOL QivExportEntryText(LPCSTR lpszPath, const BYTE* pRichText, DWORD nLength);
