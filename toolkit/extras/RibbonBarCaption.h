// The caption buttons a ribbon places in the caption of a skinned frame:
// minimise, maximise or restore, and close. Each carries its system command
// as its id and hands it to the frame when executed.
#pragma once

#include "toolkit/extras/RibbonBar.h"

class CXTPRibbonBar::CControlCaptionButton : public CXTPControlButton
{
public:
    CControlCaptionButton();
    void Draw(CDC* pDC) override;
    void OnExecute() override;

protected:
    CXTPControl* CreateSameClass() const override { return new CControlCaptionButton; }

private:
    // The frame skin of the ribbon the button sits on; null without one.
    FrameHook* GetFrameHook() const;
};
