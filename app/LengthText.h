// Lengths in the format dialogs: twips shown as centimetres ("1,5 cm"), at
// 570 twips to the centimetre, with at most two decimals and a comma.
#pragma once

#include "framework/core/String.h"

class CDataExchange;

// "1 cm", "1,5 cm", "1,75 cm", "0 cm", "-1 cm".
CString TwipsToLengthText(int nTwips);

enum class LengthParse
{
    valid,
    empty,      // nothing but spaces: no value
    invalid,    // not a number of centimetres, or too large
};

// A number with a comma or a point, optionally followed by "cm" in any case
// (spaces allowed around it), as twips rounded half away from zero.
LengthParse LengthTextToTwips(const CString& strText, int* pnTwips);

// Exchanges a length in twips with an edit box. Saving: an empty box keeps
// the value; an invalid one is reported and keeps the dialog on the box; a
// valid one becomes the value its own text shows.
void DDX_Length(CDataExchange* pDX, int nIDC, int& nTwips);
