// Keeps the embedded objects of rich text that the rich-edit control cannot
// hold. Some controls read an object group ({\object ...}) as nothing more
// than its result picture and write the picture back, so the object itself
// (its class and data) would be lost on the next save. For such a control
// the keeper takes each object group out of the text being loaded, lets the
// control show its result picture (or a placeholder) in its place, notes
// which of the control's objects stands for which group, and puts the
// groups back when the text is written out.
//
// Whether a control needs this is found out once per process by streaming a
// small object through a hidden control.
#pragma once

#include "framework/core/AfxWin.h"

#include <ole2.h>

#include <string>
#include <vector>

class CRichEditCtrl;

class CRichEditObjectKeeper
{
public:
    CRichEditObjectKeeper() = default;
    ~CRichEditObjectKeeper();

    CRichEditObjectKeeper(const CRichEditObjectKeeper&) = delete;
    CRichEditObjectKeeper& operator=(const CRichEditObjectKeeper&) = delete;

    // TRUE when the controls of this process drop object groups.
    static BOOL ControlDropsObjects();

    // Before loading rtf into the control: replaces the object groups by
    // a marked stand-in picture and keeps them. Forgets earlier groups.
    std::string PrepareLoad(const std::string& rtf);
    // After loading: binds the stand-ins to the control's objects and takes
    // the marks out of the text (undo and modified state untouched).
    void FinishLoad(CRichEditCtrl& ctrl);
    // The control's rich text with the kept groups back in place of the
    // objects that stand for them.
    std::string RestoreObjects(CRichEditCtrl& ctrl, const std::string& rtf) const;
    // Lets go of every kept group (the control was emptied).
    void Clear();

    BOOL IsEmpty() const;

private:
    struct KeptObject
    {
        std::string group;              // the whole {\object ...} group
        LPOLEOBJECT pObject = nullptr;  // the control's object standing for it
    };
    std::vector<KeptObject> m_objects;
};
