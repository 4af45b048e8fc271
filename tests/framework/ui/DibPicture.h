// A test DIB read back as text, so that a test states the pixels it expects
// as rows of letters.
#pragma once

#include "toolkit/TestDib.h"

#include <map>
#include <string>
#include <vector>

// One string per row; each pixel is its letter in the legend, '?' when its
// colour has none.
std::vector<std::string> PictureOf(const CTestDib& dib, const std::map<COLORREF, char>& legend);

// The smallest rectangle holding every pixel that is not clrBackground.
CRect InkBox(const CTestDib& dib, COLORREF clrBackground);
