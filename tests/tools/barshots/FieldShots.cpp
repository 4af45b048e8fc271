#include "FormatFields.h"
#include "Shots.h"
#include "ShotSupport.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/Controls.h"

namespace {

// A gallery collection of colour swatches under two headings.
class CShotSwatches : public CXTPControlGalleryItems
{
public:
    BOOL PreDrawItem(CDC* pDC, CXTPControlGallery* /*pGallery*/, CXTPControlGalleryItem* pItem,
                     CRect rc, BOOL /*bEnabled*/, BOOL bSelected, BOOL /*bPressed*/, BOOL bChecked) override
    {
        if (pItem->IsLabel())
            return FALSE;
        rc.DeflateRect(2, 2);
        pDC->FillSolidRect(&rc, bSelected || bChecked ? RGB(0, 0, 0) : RGB(128, 128, 128));
        rc.DeflateRect(1, 1);
        pDC->FillSolidRect(&rc, static_cast<COLORREF>(pItem->GetID()));
        return TRUE;
    }
};

CXTPControlGalleryItems* MakeSwatches()
{
    CXTPControlGalleryItems* pItems = new CShotSwatches;
    pItems->SetItemSize(CSize(24, 24));
    pItems->AddLabel("Grundfarben");
    const COLORREF basics[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0),
                               RGB(0, 255, 255), RGB(255, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
    for (COLORREF clr : basics)
        pItems->AddItem(static_cast<int>(clr), "");
    pItems->AddLabel("Weitere Farben");
    for (int i = 0; i < 24; ++i)
        pItems->AddItem(static_cast<int>(RGB(i * 10, 255 - i * 10, 128)), "");
    return pItems;
}

} // namespace

// The fields of a format toolbar (font box, size box, an editable combo
// showing its hint, a labelled edit), the combo's open list, and a gallery
// with labels and scroll bar in the visual-styles and the classic scroll
// bar: shots/fields/*.png, taken from the screen.
void ShootFields(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed)
{
    const std::string strFields = strFolder + "\\fields";
    ::CreateDirectoryA(strFields.c_str(), nullptr);
    CFrameWnd* pFrame = ShowFrame("Felder", CRect(20, 20, 620, 320));
    if (!pFrame)
    {
        Count(false, "fields/toolbar", "fields", nShots, nFailed, strIndex);
        return;
    }
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
    pCommandBars->SetSite(pFrame);
    pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    CXTPToolBar* pFormat = pCommandBars->CreateToolBar("Format", xtpBarTop);
    CXTPToolBar* pGalleryBar = pCommandBars->CreateToolBar("Galerie", xtpBarTop);
    if (!pFormat || !pGalleryBar)
    {
        Count(false, "fields/toolbar", "fields", nShots, nFailed, strIndex);
        pCommandBars->InternalRelease();
        pFrame->DestroyWindow();
        return;
    }
    CXTPControlComboBox* pCombo = AddFormatFields(pFormat->GetControls(), 2001);

    CXTPControlGalleryItems* pItems = MakeSwatches();
    auto* pAction = new CXTPControlGalleryAction;
    pAction->SetID(2005);
    pAction->SetItems(pItems);
    pItems->InternalRelease();
    auto* pGallery = new CXTPControlGallery;
    pGalleryBar->GetControls()->Add(pGallery, 2005);
    pGallery->SetAction(pAction);
    pGallery->SetControlSize(CSize(8 * 24 + ::GetSystemMetrics(SM_CXVSCROLL) + 2, 62));
    pGallery->ShowBorders(TRUE);
    pGallery->SetCheckedItem(static_cast<int>(RGB(0, 0, 255)));
    pFrame->RecalcLayout();
    PumpMessages();

    Count(ShootWindow(*pFormat, strFields + "\\format-toolbar.png"), "fields/format-toolbar",
          "font box, size box, combo with hint, labelled edit", nShots, nFailed, strIndex);
    // Another program of the display taking the foreground closes the list
    // again, so the list is opened anew until it stands.
    HWND hWndList = nullptr;
    for (int nTry = 0; nTry < 5 && !(hWndList && ::IsWindowVisible(hWndList)); ++nTry)
    {
        pFormat->OpenControlPopup(pCombo->GetIndex());
        PumpMessages();
        hWndList = pCombo->GetListWindow();
    }
    Count(hWndList && ::IsWindowVisible(hWndList)
              && ShootWindow(*CWnd::FromHandle(hWndList), strFields + "\\combo-open-list.png"),
          "fields/combo-open-list", "open combo list", nShots, nFailed, strIndex);
    Count(ShootWindow(*pFormat, strFields + "\\combo-open.png"), "fields/combo-open",
          "combo with its list open", nShots, nFailed, strIndex);
    pFormat->OpenControlPopup(-1);
    pFormat->SetTrackingMode(0);
    PumpMessages();

    const struct
    {
        const char* pszName;
        int nScrollStyle;
    } galleries[] = {{"gallery-styles", 0}, {"gallery-classic", 1}};
    for (const auto& gallery : galleries)
    {
        pGallery->SetScrollStyle(gallery.nScrollStyle);
        pGallery->SetScrollPos(24);
        std::string strName = std::string("fields/") + gallery.pszName;
        Count(ShootWindow(*pGalleryBar, strFolder + "\\" + strName + ".png"), strName,
              "gallery with labels and scroll bar", nShots, nFailed, strIndex);
    }

    pCommandBars->CloseAllPopups();
    pCommandBars->RemoveAll();
    pCommandBars->InternalRelease();
    pAction->InternalRelease();
    pFrame->DestroyWindow();
    PumpMessages();
}
