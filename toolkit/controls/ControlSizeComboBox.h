// The size box of a text-formatting toolbar: point sizes of the current
// face, read and written in twips (1/20 point), with "." as the decimal
// point whatever the locale.
#pragma once

#include "toolkit/controls/ControlFontComboBox.h"

class CXTPControlSizeComboBox : public CXTPControlComboBox
{
    DECLARE_SERIAL(CXTPControlSizeComboBox)
public:
    CXTPControlSizeComboBox();

    // Shows the size (-1: no single size, an empty field), unless the user
    // is busy in the field.
    void SetTwipSize(int nTwips);
    // The field's size: -1 empty, -2 no number, else twips.
    int GetTwipSize() const;
    int GetPixelsPerInch() const { return m_nPixelsPerInch; }

    void OnExecute() override;
    // Opening asks the site for the current face and lists its sizes.
    BOOL SetPopupOpen(BOOL bOpen) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlSizeComboBox; }

    int m_nPixelsPerInch = 0;
    int m_nTwipSize = -1;
};
