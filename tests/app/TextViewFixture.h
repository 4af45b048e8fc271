// A text view in a frame of its own over a card-file document, as the main
// window's pane holds it, with settings cleared around each test; and a
// small reader of the rich text it stores.
#pragma once

#include "AppTestSupport.h"

#include "framework/ui/AppGlobals.h"

#include "app/TextView.h"

#include <string>
#include <vector>

class CFrameWnd;
class CQivDoc;

class TextViewTest : public AppSettingsTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the text (plain, in the stored default format) and selects
    // nothing.
    void SetText(LPCSTR lpszText);
    // Runs a command as the frame routes it to the active view.
    void Command(UINT nID);
    // The check and enabled state an update handler gives.
    struct UpdateState
    {
        int nCheck;
        BOOL bEnabled;
    };
    UpdateState Update(UINT nID);
    std::string StoredRichText();

    CQivDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CQivTextView* m_pView = nullptr;
};

// The control words of a rich text with their numbers ("b", "b0", "fs24",
// "qc"), in order; group braces and text are left out.
std::vector<std::string> RtfControlWords(const std::string& rtf);
// Whether the control word (with its number) occurs.
bool RtfHas(const std::vector<std::string>& words, const std::string& word);
