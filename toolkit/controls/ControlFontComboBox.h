// The font and size boxes of a text-formatting toolbar. Both exchange
// character formats with the site: code 4096 sends the chosen format, code
// 4097 asks the site for the current one; the record is the control
// notification followed by a 60-byte CHARFORMAT. Both ignore the document's
// format while the user is busy in them.
#pragma once

#include "framework/ui/RichEditCtrl.h"
#include "toolkit/controls/ControlComboBox.h"

// Notification codes of the format boxes.
const UINT XTP_FN_SETFORMAT = 0x1000;
const UINT XTP_FN_GETFORMAT = 0x1001;

// The record of codes 4096 and 4097.
struct NMXTPCHARHDR
{
    NMXTPCONTROL hdr;
    CHARFORMATA cf;
};

// The font box's list: the installed font families, each item's data the
// family's description.
class CXTPControlFontComboBoxList : public CXTPControlComboBoxList
{
    DECLARE_DYNCREATE(CXTPControlFontComboBoxList)
public:
    CXTPControlFontComboBoxList() = default;

    BOOL CreateListBox() override;
    // Fills the list with the process's font families; the option is kept
    // and stored ("StyleListBox"), the filling does not vary with it.
    void FillFontList(int nStyle = 1);
    int GetListStyle() const { return m_nListStyle; }

    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

protected:
    int m_nListStyle = 1;
};

class CXTPControlFontComboBox : public CXTPControlComboBox
{
    DECLARE_SERIAL(CXTPControlFontComboBox)
public:
    explicit CXTPControlFontComboBox(int nStyle = 1);

    // The face of the format, when it names face and character set; else an
    // empty field. Ignored while the user is busy.
    void SetCharFormat(const CHARFORMATA& cf);
    // The format the field names: the listed family's face, character set
    // and pitch, or the typed face with the default character set.
    CHARFORMATA GetCharFormat() const;
    void OnExecute() override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlFontComboBox; }
};

// Reads a face name of a format to at most 31 characters, whether or not
// the format ends it.
CString XTPFaceNameOf(const CHARFORMATA& cf);
