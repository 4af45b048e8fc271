// A note or title as an HTML fragment, for the HTML and DynamicHTML pages.
#pragma once

#include "framework/core/String.h"

// Rich text (beginning with "{\rtf") goes through the RTF reader first (a
// text it cannot read gives an empty fragment); any other text is taken as
// it is, up to a terminating NUL. Line feeds become "<BR>", web and mail
// addresses links, the HTML specials and the German umlauts entities.
CString ConvertTextToHtml(const CString& strText);
CString ConvertTextToHtml(LPCSTR pchText, int nLength);

// The text as the inside of a double-quoted script string: the DynamicHTML
// tree-data lines stay valid script whatever a title holds.
CString EscapeScriptString(const CString& strText);
