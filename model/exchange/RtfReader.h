// Plain text out of rich text, for the exports that cannot carry formatting
// (text files, HTML pages). Formatting and non-body destinations (font and
// colour tables, pictures, headers, ...) are dropped; the few control words
// that stand for characters become those characters.
#pragma once

#include "framework/core/String.h"

// TRUE and the plain text in strText when the rich text parses; FALSE leaves
// strText as the caller passed it. The input is read like a text-mode file:
// CR LF arrives as LF, and a byte 26 ends it.
BOOL ConvertRtfToText(const CString& strRtf, CString& strText);
BOOL ConvertRtfToText(LPCSTR pchRtf, int nLength, CString& strText);

// TRUE when a note's bytes begin with "{\rtf": notes from the editor are rich
// text, while imported notes and titles are plain text.
BOOL IsRichText(LPCSTR pch, int nLength);
