// The text forms of values in INI files: numbers as "%i" (integers
// zero-extended from their size, so a 16-bit -1 is 65535), doubles as "%f",
// dates year-day-month ("2005-31-12", "2005-31-12T08:30:00", or "08:30:00"
// for a time alone), strings with backslash escapes, rectangles and sizes
// as "%i, %i, %i, %i" and "%i, %i".
#pragma once

#include "framework/core/OleDateTime.h"
#include "framework/core/String.h"

// Storing: the value as text into strText. Loading: strText into the value.
// FALSE for types without a text form and for text that does not parse.
BOOL ValueToText(BOOL bStoring, int nType, void* pValue, CString& strText);

// Storing: "\" "\\", line feed "\n", carriage return "\r", tab "\t".
// Loading undoes it.
void EscapeText(BOOL bStoring, CString& strText);

CString DateToText(const COleDateTime& date);
BOOL TextToDate(LPCSTR pszText, COleDateTime& date);
