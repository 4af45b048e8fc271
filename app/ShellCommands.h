// Frame commands that hand work to other programs: the product's and the
// partner shop's web pages in the browser, and the system's character map.
#pragma once

#include "framework/core/AfxWin.h"

// Opens the web page of the string (IDS_HOME_PAGE_URL, IDS_SHOP_URL) in the
// browser, shown normally.
void QivOpenWebPage(UINT nIDAddress);

// Brings a running character map to the front, or starts "charmap.exe" from
// the Windows folder, else from the system folder; says in German when it
// is not there.
void QivOpenCharacterMap();
