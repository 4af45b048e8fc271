// The fields of a format toolbar as the screenshot program shows them: the
// font box, the size box, an editable combo with a hint and a labelled
// edit, in that order.
#pragma once

class CXTPControlComboBox;
class CXTPControls;

// Inserts the four fields with the ids nFirstId to nFirstId + 3 before the
// control at nBefore (-1: at the end), which then begins a group; the
// combo, for its list.
CXTPControlComboBox* AddFormatFields(CXTPControls* pControls, int nFirstId, int nBefore = -1);
