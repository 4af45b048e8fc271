#include "TextViewFixture.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/FrameWnd.h"
#include "model/QivDoc.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nCheck = -1;
    BOOL m_bEnabled = FALSE;
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
};

} // namespace

void TextViewTest::SetUp()
{
    AppSettingsTest::SetUp();
    m_pDoc = new CQivDoc;
    m_pDoc->m_bAutoDelete = FALSE;
    m_pFrame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CQivTextView);
    context.m_pCurrentDoc = m_pDoc;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Notiz", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400), nullptr,
                                 nullptr, 0, &context));
    m_pView = static_cast<CQivTextView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_NE(m_pView, nullptr);
    m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);
    m_pFrame->SetActiveView(m_pView, FALSE);
    m_pView->ApplyStoredSettings();
}

void TextViewTest::TearDown()
{
    if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    delete m_pDoc;
    AppSettingsTest::TearDown();
}

void TextViewTest::SetText(LPCSTR lpszText)
{
    const std::string text(lpszText);
    m_pView->ShowText(reinterpret_cast<const BYTE*>(text.data()), static_cast<DWORD>(text.size()),
                      RGB(255, 255, 255));
    m_pView->GetRichEditCtrl().SetSel(0, 0);
}

void TextViewTest::Command(UINT nID)
{
    m_pFrame->SendMessage(WM_COMMAND, nID);
}

TextViewTest::UpdateState TextViewTest::Update(UINT nID)
{
    CRecordingCmdUI state;
    state.m_nID = nID;
    state.DoUpdate(m_pFrame, FALSE);
    return { state.m_nCheck, state.m_bEnabled };
}

std::string TextViewTest::StoredRichText()
{
    BYTE* pBytes = nullptr;
    DWORD nLength = 0;
    GetRichTextBytes(m_pView, &pBytes, &nLength);
    std::string rtf(reinterpret_cast<const char*>(pBytes), nLength);
    free(pBytes);
    return rtf;
}

std::vector<std::string> RtfControlWords(const std::string& rtf)
{
    std::vector<std::string> words;
    for (size_t i = 0; i < rtf.size(); ++i)
    {
        if (rtf[i] != '\\' || i + 1 >= rtf.size() || !std::isalpha(static_cast<unsigned char>(rtf[i + 1])))
            continue;
        size_t j = i + 1;
        while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
            ++j;
        if (j < rtf.size() && rtf[j] == '-')
            ++j;
        while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[j])))
            ++j;
        words.push_back(rtf.substr(i + 1, j - i - 1));
        i = j - 1;
    }
    return words;
}

bool RtfHas(const std::vector<std::string>& words, const std::string& word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}
