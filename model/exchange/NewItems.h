// Nodes an import has made and not yet linked into the card file. An import
// reads its whole file first and links only once nothing can fail any more,
// so a file error leaves the card file as it was.
#pragma once

#include "framework/core/AfxWin.h"

#include <memory>
#include <vector>

class C_QivCategory;
class C_QivItem;

using CQivNewItems = std::vector<std::unique_ptr<C_QivItem>>;

// Links the nodes one after the other at the front of pTarget's children
// (so the last stands first) and answers them in the order linked; items is
// left empty.
std::vector<C_QivItem*> QivLinkAtFront(C_QivCategory* pTarget, CQivNewItems& items);
