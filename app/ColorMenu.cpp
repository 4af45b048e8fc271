#include "app/ColorMenu.h"

#include "app/FontDialog.h"
#include "framework/ui/Dc.h"

namespace {

// Default-palette entries of 32900..32915, in command order.
const int kPaletteIndex[] = { 0, 1, 2, 3, 4, 5, 6, 12, 7, 13, 14, 15, 16, 17, 18, 19 };

CString ColorName(UINT nID)
{
    CString strName;
    strName.LoadString(nID);
    return strName;
}

} // namespace

COLORREF ColorOfCommand(UINT nID)
{
    const COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
    if (nID < kFirstColorCommand || nID >= kLastColorCommand)
        return crText;
    PALETTEENTRY entry = {};
    auto hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    if (hPalette == nullptr
        || ::GetPaletteEntries(hPalette, kPaletteIndex[nID - kFirstColorCommand], 1, &entry) != 1)
        return crText;
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

BOOL CColorMenu::CreateColorMenu()
{
    if (!CreatePopupMenu())
        return FALSE;
    for (UINT nID = kFirstColorCommand; nID <= kLastColorCommand; ++nID)
    {
        // The item data of an owner-drawn entry travels in the text pointer.
        if (!AppendMenu(MF_OWNERDRAW, nID, reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(nID))))
            return FALSE;
    }
    return TRUE;
}

void CColorMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    CDisplayIC dc;
    CString strName = ColorName(static_cast<UINT>(lpMIS->itemData));
    CSize size = dc.GetTextExtent(strName, strName.GetLength());
    lpMIS->itemWidth = static_cast<UINT>(size.cx + 50);
    lpMIS->itemHeight = static_cast<UINT>(size.cy);
}

void CColorMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const UINT nID = static_cast<UINT>(lpDIS->itemData);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const CRect rcItem(lpDIS->rcItem);

    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcItem);

    COLORREF crBack = bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : pDC->GetBkColor();
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOldText = pDC->GetTextColor();
    if (bSelected)
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));

    CRect rcText(rcItem.left + 30, rcItem.top, rcItem.right, rcItem.bottom);
    pDC->FillSolidRect(&rcText, crBack);
    CString strName = ColorName(nID);
    pDC->TextOut(rcText.left + 2, rcText.top + 1, strName, strName.GetLength());

    CRect rcSwatch(rcItem.left + 4, rcItem.top + 2, rcItem.left + 26, rcItem.bottom - 2);
    pDC->FillSolidRect(&rcSwatch, ColorOfCommand(nID));
    pDC->Draw3dRect(&rcSwatch, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    CRect rcOuter = rcSwatch;
    rcOuter.InflateRect(2, 2);
    if (bSelected)
        pDC->Draw3dRect(&rcOuter, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    else
        pDC->Draw3dRect(&rcOuter, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));

    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}
