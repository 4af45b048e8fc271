// Rich text trimmed to what the rich-edit control reads without harm. The
// control keeps the state of open groups in a fixed table and collects
// control words, font names and style names in fixed buffers; text that
// nests deeper or runs longer makes it read and write past them and can end
// the program. Every rich text from outside (an entry's note, a card file's
// tail) passes here before the control gets it.
#pragma once

#include "framework/core/AfxWin.h"

#include <string>

class CArchive;

// The deepest nesting of groups the control keeps, the outermost group
// counted as 1.
const int kRichEditMaxGroupDepth = 32;
// The longest control word (letters) and parameter (digits) let through;
// real control words are far shorter.
const int kRichEditMaxControlWord = 32;
const int kRichEditMaxParameter = 10;
// The longest name of a font or a style in the tables.
const int kRichEditMaxTableName = 255;

// TRUE when the bytes begin as the control recognises rich text ("{\rtf" or
// "{\urtf"); anything else it reads as plain text.
BOOL AfxIsRichEditRtf(const char* pText, size_t nLength);

// Rewrites rich text so that the control can read it: the braces of groups
// beyond kRichEditMaxGroupDepth are dropped (their text stays, in the
// deepest group kept), control words and parameters are cut to their
// bounds, and names in the font table and style sheet to theirs. Text that
// is not rich text is left alone. TRUE when something was changed.
BOOL AfxMakeRtfSafeForRichEdit(std::string& rtf);

// Streams the text into the control (EM_STREAMIN with nFormat), rich text
// made safe first; the control's answer.
LRESULT AfxStreamInSafely(HWND hWnd, std::string text, int nFormat);

// What is left to read in a loading archive, for streaming in whole.
std::string AfxReadRestOfArchive(CArchive& ar);
