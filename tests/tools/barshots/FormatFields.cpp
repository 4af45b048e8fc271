#include "FormatFields.h"

#include "toolkit/controls/ControlEdit.h"
#include "toolkit/controls/ControlFontComboBox.h"
#include "toolkit/controls/ControlSizeComboBox.h"
#include "toolkit/controls/Controls.h"

CXTPControlComboBox* AddFormatFields(CXTPControls* pControls, int nFirstId, int nBefore)
{
    // Each field goes after the one before it.
    auto next = [&nBefore]() { return nBefore < 0 ? -1 : nBefore++; };
    auto* pFont = new CXTPControlFontComboBox(1);
    pControls->Add(pFont, nFirstId, nullptr, next());
    pFont->SetText("Liberation Sans");
    auto* pSize = new CXTPControlSizeComboBox;
    pControls->Add(pSize, nFirstId + 1, nullptr, next());
    pSize->SetTwipSize(240);
    auto* pCombo = static_cast<CXTPControlComboBox*>(
        pControls->Add(xtpControlComboBox, nFirstId + 2, nullptr, next()));
    pCombo->SetDropDown(TRUE);
    pCombo->SetEditHint("Suchen");
    for (const char* psz : {"Arial", "Arial Black", "Courier", "Liberation Sans", "Tahoma"})
        pCombo->AddString(psz);
    auto* pEdit = static_cast<CXTPControlEdit*>(pControls->Add(xtpControlEdit, nFirstId + 3, nullptr, next()));
    pEdit->SetCaption("Titel");
    pEdit->ShowLabel(TRUE);
    pEdit->SetText("Notiz");
    // What stood there before begins a group after the fields.
    if (nBefore >= 0 && nBefore < pControls->GetCount())
        pControls->GetAt(nBefore)->SetBeginGroup(TRUE);
    return pCombo;
}
