// The order of a category's children: categories before entries, then the
// titles by a sort key that puts short leading numbers in value order and
// folds the German letters, compared without regard to case.
#pragma once

#include "framework/core/String.h"

#include <commctrl.h>

class C_QivItem;
class C_QivCategory;

// The sort key of a title: one or two leading digits padded with zeros to
// three, then ä ö ü (either case) folded to a o u and ß to s.
CString MakeSortKey(const CString& strTitle);

// Tree-control comparisons of two items (lParam1 and lParam2 are the items
// the tree items carry): ascending, and its exact negation.
int CALLBACK CompareItemsForSort(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
int CALLBACK CompareItemsForSortDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

// Sorts pCategory's children in the tree control and relinks its child
// chain in the new order; with bSubcategories every category below it is
// sorted and relinked as well. Marks nothing modified.
void SortCategory(HWND hTree, C_QivCategory* pCategory, BOOL bAscending, BOOL bSubcategories);
