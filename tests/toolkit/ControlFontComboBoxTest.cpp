// The font and size boxes against the site: the font list compared with the
// test's own enumeration, the formats they send (4096) and ask for (4097),
// the size texts and their messages, and the document's format ignored
// while the user is busy.
#include "toolkit/controls/ControlSizeComboBox.h"

#include "BarTestSupport.h"
#include "ExchangeTestSupport.h"
#include "framework/ui/TestSeams.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// Records the formats sent and answers the question for the current one
// with its face.
class CFormatSite : public CWnd
{
public:
    std::vector<CHARFORMATA> m_sent;
    CString m_strCurrentFace;
    int m_nQuestions = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_COMMAND)
        {
            auto* pRecord = reinterpret_cast<NMXTPCHARHDR*>(lParam);
            if (pRecord->hdr.hdr.code == XTP_FN_SETFORMAT)
                m_sent.push_back(pRecord->cf);
            if (pRecord->hdr.hdr.code == XTP_FN_GETFORMAT)
            {
                ++m_nQuestions;
                EXPECT_EQ(60u, pRecord->cf.cbSize);
                EXPECT_EQ(0u, pRecord->cf.dwMask);
                if (!m_strCurrentFace.IsEmpty())
                {
                    pRecord->cf.dwMask = CFM_FACE | CFM_CHARSET;
                    lstrcpynA(pRecord->cf.szFaceName, m_strCurrentFace, LF_FACESIZE);
                }
                return TRUE;
            }
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

int CALLBACK CollectFamily(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    if (!(dwType & RASTER_FONTTYPE) && pLogFont->lfCharSet != MAC_CHARSET && pLogFont->lfFaceName[0] != '@')
        reinterpret_cast<std::set<std::string>*>(lParam)->insert(pLogFont->lfFaceName);
    return 1;
}

std::vector<CString> ListTexts(HWND hWndList)
{
    std::vector<CString> texts;
    const int nCount = static_cast<int>(::SendMessageA(hWndList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
    {
        char szText[LF_FACESIZE + 8] = {};
        ::SendMessageA(hWndList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szText));
        texts.push_back(szText);
    }
    return texts;
}

class FormatBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        m_bar.SetPaintManager(&m_theme);
        ASSERT_TRUE(m_bar.CreateHidden(400, 40));
        m_bar.SetSite(&m_site);
        m_pFont = new CXTPControlFontComboBox(1);
        m_bar.GetControls()->Add(m_pFont, 400);
        m_pSize = new CXTPControlSizeComboBox;
        m_bar.GetControls()->Add(m_pSize, 401);
        m_pFont->SetRect(CRect(0, 5, 150, 27));
        m_pSize->SetRect(CRect(152, 5, 202, 27));
    }
    void TearDown() override
    {
        m_bar.SetTrackingMode(0);
        m_bar.GetControls()->RemoveAll();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    CTestTheme m_theme;
    CFormatSite m_site;
    CTestBar m_bar;
    CXTPControlFontComboBox* m_pFont = nullptr;
    CXTPControlSizeComboBox* m_pSize = nullptr;
};

TEST_F(FormatBoxTest, FontListIsTheEnumerationFilteredSortedOnce)
{
    EXPECT_EQ(150, m_pFont->GetWidth());
    EXPECT_TRUE(m_pFont->GetDropDown());
    EXPECT_TRUE(m_pFont->IsAutoComplete());
    auto* pList = dynamic_cast<CXTPControlFontComboBoxList*>(m_pFont->GetCommandBar());
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(250, pList->GetListWidth());
    EXPECT_EQ(1, pList->GetListStyle());

    std::set<std::string> expected;
    HDC hDC = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(hDC, &lf, &CollectFamily, reinterpret_cast<LPARAM>(&expected), 0);
    ::ReleaseDC(nullptr, hDC);

    const std::vector<CString> texts = ListTexts(m_pFont->GetListWindow());
    std::set<std::string> listed;
    for (size_t i = 0; i < texts.size(); ++i)
    {
        EXPECT_TRUE(listed.insert(static_cast<LPCSTR>(texts[i])).second) << "twice: " << texts[i];
        if (i > 0)
        {
            EXPECT_LE(lstrcmpiA(texts[i - 1], texts[i]), 0) << texts[i - 1] << " / " << texts[i];
        }
    }
    EXPECT_EQ(expected, listed);
    EXPECT_EQ(1u, listed.count("Liberation Sans"));
    for (const char* pszRaster : {"Courier", "Fixedsys", "MS Sans Serif", "Small Fonts", "System"})
        EXPECT_EQ(0u, listed.count(pszRaster)) << pszRaster;
    for (const std::string& strFace : listed)
        EXPECT_NE('@', strFace[0]);
}

TEST_F(FormatBoxTest, FontBoxSendsTheFaceItNames)
{
    struct FaceCase
    {
        const char* pszTyped;
        const char* pszSent;
        BOOL bDefaultCharSet;
    };
    const FaceCase cases[] = {
        {"Liberation Sans", "Liberation Sans", FALSE},
        {"Nirgendwo Grotesk", "Nirgendwo Grotesk", TRUE},
        // A face name longer than a format holds is cut to 31 characters.
        {"Ein sehr langer Schriftname ohne Ende", "Ein sehr langer Schriftname ohn", TRUE},
    };
    for (const FaceCase& c : cases)
    {
        m_site.m_sent.clear();
        m_pFont->SetText(c.pszTyped);
        m_pFont->OnExecute();
        ASSERT_EQ(1u, m_site.m_sent.size()) << c.pszTyped;
        const CHARFORMATA& cf = m_site.m_sent[0];
        EXPECT_EQ(static_cast<DWORD>(CFM_FACE | CFM_CHARSET), cf.dwMask);
        EXPECT_STREQ(c.pszSent, cf.szFaceName);
        if (c.bDefaultCharSet)
        {
            EXPECT_EQ(DEFAULT_CHARSET, cf.bCharSet);
            EXPECT_EQ(0, cf.bPitchAndFamily);
        }
    }
    // An empty field sends nothing.
    m_site.m_sent.clear();
    m_pFont->SetText("");
    m_pFont->OnExecute();
    EXPECT_TRUE(m_site.m_sent.empty());
}

TEST_F(FormatBoxTest, FontBoxShowsTheDocumentsFaceUnlessBusy)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_FACE | CFM_CHARSET;
    // A face without its terminating zero is read to 31 characters.
    std::memset(cf.szFaceName, 'A', sizeof(cf.szFaceName));
    m_pFont->SetCharFormat(cf);
    EXPECT_EQ(CString('A', 31), m_pFont->GetText());

    lstrcpyA(cf.szFaceName, "Liberation Sans");
    cf.dwMask = CFM_FACE;
    m_pFont->SetCharFormat(cf);
    EXPECT_STREQ("", m_pFont->GetText());
    cf.dwMask = CFM_FACE | CFM_CHARSET;
    m_pFont->SetCharFormat(cf);
    EXPECT_STREQ("Liberation Sans", m_pFont->GetText());

    m_pFont->SetFocused(TRUE);
    EXPECT_TRUE(m_pFont->IsUserBusy());
    lstrcpyA(cf.szFaceName, "Courier New");
    m_pFont->SetCharFormat(cf);
    EXPECT_STREQ("Liberation Sans", m_pFont->GetText());
    m_pFont->SetFocused(FALSE);
}

TEST_F(FormatBoxTest, SizeTextsAndTheirAnswers)
{
    std::vector<CString> shown;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(box.strText);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), box.nType & MB_ICONMASK);
        return IDOK;
    });
    const char* const kInvalid = "Dies ist keine gültige Zahl.";
    const char* const kRange = "Der Schriftgrad muss zwischen 1 und 1638 liegen. Bitte geben Sie einen "
                               "gültigen Schriftgrad ein.";
    struct SizeCase
    {
        const char* pszText;
        LONG nSent;              // -1: nothing sent
        const char* pszMessage;  // null: no message
    };
    const SizeCase cases[] = {
        {"10", 200, nullptr},        {"10.5", 210, nullptr},     {" 72 ", 1440, nullptr},
        {"1", 20, nullptr},          {"1638", 32760, nullptr},   {"0.5", -1, kRange},
        {"1639", -1, kRange},        {"abc", -1, kInvalid},      {"12pt", -1, kInvalid},
        {"", -1, nullptr},           {"1e10", -1, kRange},       {"inf", -1, kInvalid},
        {"nan", -1, kInvalid},       {"0x10", -1, kInvalid},     {"-3", -1, kRange},
    };
    for (const SizeCase& c : cases)
    {
        m_site.m_sent.clear();
        shown.clear();
        m_pSize->SetText(c.pszText);
        m_pSize->OnExecute();
        if (c.nSent == -1)
        {
            EXPECT_TRUE(m_site.m_sent.empty()) << c.pszText;
        }
        else
        {
            ASSERT_EQ(1u, m_site.m_sent.size()) << c.pszText;
            EXPECT_EQ(static_cast<DWORD>(CFM_SIZE), m_site.m_sent[0].dwMask);
            EXPECT_EQ(c.nSent, m_site.m_sent[0].yHeight) << c.pszText;
            EXPECT_EQ(60u, m_site.m_sent[0].cbSize);
        }
        if (c.pszMessage)
        {
            ASSERT_EQ(1u, shown.size()) << c.pszText;
            EXPECT_STREQ(c.pszMessage, shown[0]) << c.pszText;
        }
        else
        {
            EXPECT_TRUE(shown.empty()) << c.pszText;
        }
    }
}

TEST_F(FormatBoxTest, SizeBoxShowsTheDocumentsSizeUnlessBusy)
{
    EXPECT_EQ(50, m_pSize->GetWidth());
    EXPECT_TRUE(m_pSize->GetDropDown());
    const struct
    {
        int nTwips;
        const char* pszShown;
    } cases[] = {{240, "12"}, {230, "11.5"}, {215, "11"}, {-1, ""}, {200, "10"}};
    for (const auto& c : cases)
    {
        m_pSize->SetTwipSize(c.nTwips);
        EXPECT_STREQ(c.pszShown, m_pSize->GetText()) << c.nTwips;
    }
    m_pSize->SetFocused(TRUE);
    m_pSize->SetTwipSize(480);
    EXPECT_STREQ("10", m_pSize->GetText());
    m_pSize->SetFocused(FALSE);
}

TEST_F(FormatBoxTest, OpeningListsTheSizesOfTheCurrentFace)
{
    const char* const kFixed[] = {"8", "9", "10", "11", "12", "14", "16", "18",
                                  "20", "22", "24", "26", "28", "36", "48", "72"};
    struct FaceCase
    {
        const char* pszFace;
        std::vector<CString> sizes;
    };
    const FaceCase cases[] = {
        {"Liberation Sans", std::vector<CString>(std::begin(kFixed), std::end(kFixed))},
        {"MS Sans Serif", {"8.5", "10", "12"}},
        {"", {}},
    };
    for (const FaceCase& c : cases)
    {
        m_site.m_strCurrentFace = c.pszFace;
        m_site.m_nQuestions = 0;
        ASSERT_TRUE(m_bar.OpenControlPopup(m_pSize->GetIndex()));
        EXPECT_EQ(1, m_site.m_nQuestions);
        const std::vector<CString> listed = ListTexts(m_pSize->GetListWindow());
        if (*c.pszFace)
        {
            EXPECT_EQ(c.sizes, listed) << c.pszFace;
        }
        m_bar.OpenControlPopup(-1);
    }
    EXPECT_EQ(96, m_pSize->GetPixelsPerInch());
}

CString FontListKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\FontList-%lu", ::GetCurrentProcessId());
    return strKey;
}

// The list option goes to the registry as "StyleListBox", comes back from
// it and from an archive, refills the loaded list, and is 1 when missing.
TEST(ControlFontComboBoxExchange, ListStyleRoundTrips)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, FontListKey());
    CXTPControlFontComboBoxList source;
    source.FillFontList(3);
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, FontListKey());
        source.DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, FontListKey(), 0, KEY_READ, &hKey));
    DWORD dwType = 0, dwStyle = 0, cbStyle = sizeof(dwStyle);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "StyleListBox", nullptr, &dwType,
                                                reinterpret_cast<BYTE*>(&dwStyle), &cbStyle));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
    EXPECT_EQ(3u, dwStyle);
    ::RegCloseKey(hKey);

    CXTPControlFontComboBoxList loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, FontListKey());
        loaded.DoPropExchange(&px);
    }
    EXPECT_EQ(3, loaded.GetListStyle());
    ASSERT_NE(nullptr, loaded.GetSafeHwnd());
    EXPECT_EQ(source.SendMessage(LB_GETCOUNT, 0, 0), loaded.SendMessage(LB_GETCOUNT, 0, 0));
    ::SHDeleteKeyA(HKEY_CURRENT_USER, FontListKey());

    CXTPControlFontComboBoxList missing;
    missing.FillFontList(5);
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, FontListKey());
        missing.DoPropExchange(&px);
    }
    EXPECT_EQ(1, missing.GetListStyle());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, FontListKey());

    CXTPControlFontComboBoxList fromArchive;
    ExchangeThroughArchive([&](CXTPPropExchange* pPX) { source.DoPropExchange(pPX); },
                           [&](CXTPPropExchange* pPX) { fromArchive.DoPropExchange(pPX); });
    EXPECT_EQ(3, fromArchive.GetListStyle());
    EXPECT_EQ(source.SendMessage(LB_GETCOUNT, 0, 0), fromArchive.SendMessage(LB_GETCOUNT, 0, 0));
}

} // namespace
