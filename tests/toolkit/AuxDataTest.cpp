#include "toolkit/draw/AuxData.h"

#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/SystemInfo.h"

#include <gtest/gtest.h>

namespace {

LOGFONTA LogFontOf(const CFont& font)
{
    LOGFONTA lf = {};
    EXPECT_NE(nullptr, font.GetSafeHandle());
    font.GetLogFont(&lf);
    return lf;
}

LOGFONTA MenuFont()
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = 340;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0);
    return ncm.lfMenuFont;
}

TEST(AuxData, VersionClasses)
{
    struct Case
    {
        DWORD dwPlatform, dwMajor, dwMinor;
        BOOL b95, b98, bNT4, b2K, bXP;
    };
    const Case cases[] = {
        {1, 4, 0, TRUE, FALSE, FALSE, FALSE, FALSE},
        {1, 4, 10, FALSE, TRUE, FALSE, FALSE, FALSE},
        {1, 4, 90, FALSE, FALSE, FALSE, FALSE, FALSE},   // neither 95 nor 98
        {2, 4, 0, FALSE, FALSE, TRUE, FALSE, FALSE},
        {2, 5, 0, FALSE, FALSE, FALSE, TRUE, FALSE},
        {2, 5, 1, FALSE, FALSE, FALSE, FALSE, TRUE},
        {2, 6, 1, FALSE, FALSE, FALSE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        OSVERSIONINFOA v = {};
        v.dwPlatformId = c.dwPlatform;
        v.dwMajorVersion = c.dwMajor;
        v.dwMinorVersion = c.dwMinor;
        EXPECT_EQ(c.b95, IsWin95(v)) << c.dwPlatform << " " << c.dwMajor << "." << c.dwMinor;
        EXPECT_EQ(c.b98, IsWin98(v)) << c.dwPlatform << " " << c.dwMajor << "." << c.dwMinor;
        EXPECT_EQ(c.bNT4, IsWinNT4(v));
        EXPECT_EQ(c.b2K, IsWin2000(v));
        EXPECT_EQ(c.bXP, IsWinXP(v));
    }
    // The test system reports 6.1: none of the five.
    CXTAuxData* pData = GetAuxData();
    EXPECT_FALSE(pData->bWin95 || pData->bWin98 || pData->bWinNT4 || pData->bWin2K
                 || pData->bWinXP);
    EXPECT_EQ(pData, GetAuxData());
}

TEST(AuxData, ColoursMetricsAndVersion)
{
    CXTAuxData* pData = GetAuxData();
    pData->UpdateSysColors();
    CXTPColorManager* pManager = GetColorManager();
    EXPECT_EQ(pManager->ResolveColor(COLOR_BTNFACE), pData->clr3DFace);
    EXPECT_EQ(pManager->ResolveColor(COLOR_3DLIGHT), pData->clr3DLight);
    EXPECT_EQ(pManager->ResolveColor(COLOR_INACTIVECAPTIONTEXT), pData->clrInactiveCaptText);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(pManager->ResolveColor(30 + i), pData->clrToolkit[i]) << 30 + i;

    EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), pData->cxSmIcon);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENU), pData->cyMenuItem);
    EXPECT_EQ(18, pData->cxSize);
    EXPECT_EQ(18, pData->cySize);
    EXPECT_EQ(GetComCtl32Version(), pData->GetComCtlVersion());
}

TEST(AuxData, CursorsFromTheSystemAndTheResources)
{
    CXTAuxData* pData = GetAuxData();
    ASSERT_TRUE(pData->LoadSysCursors());
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)), pData->hcurHand);
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)), pData->hcurMove);
    for (HCURSOR hCursor : {pData->hcurDragNone, pData->hcurDragCopy, pData->hcurDragMove,
                            pData->hcurHSplitBar, pData->hcurVSplitBar})
        EXPECT_NE(nullptr, hCursor);
}

TEST(AuxData, FontsFollowTheMenuFont)
{
    CXTAuxData data;
    LOGFONTA lfMenu = MenuFont();
    LOGFONTA lf = LogFontOf(data.font);
    EXPECT_STREQ(lfMenu.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(lfMenu.lfHeight, lf.lfHeight);
    EXPECT_EQ(FW_BOLD, LogFontOf(data.fontBold).lfWeight);
    EXPECT_EQ(1, LogFontOf(data.fontULine).lfUnderline);
    EXPECT_EQ(0, LogFontOf(data.fontBold).lfUnderline);

    LOGFONTA lfVert = LogFontOf(data.fontVert);
    EXPECT_EQ(2700, lfVert.lfEscapement);
    EXPECT_EQ(900, lfVert.lfOrientation);
    // Not Tahoma: the vertical fonts take Arial.
    if (lstrcmpiA(lfMenu.lfFaceName, "Tahoma") != 0)
    {
        EXPECT_STREQ("Arial", lfVert.lfFaceName);
    }
    EXPECT_EQ(FW_BOLD, LogFontOf(data.fontVertBold).lfWeight);
    EXPECT_EQ(2700, LogFontOf(data.fontVertBold).lfEscapement);

    LOGFONTA lfIcon = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0);
    EXPECT_STREQ(lfIcon.lfFaceName, LogFontOf(data.fontIconTitle).lfFaceName);
    EXPECT_EQ(FW_BOLD, LogFontOf(data.fontIconTitleBold).lfWeight);
    LOGFONTA lfSymbol = LogFontOf(data.fontMarlett);
    EXPECT_STREQ("Marlett", lfSymbol.lfFaceName);
    EXPECT_EQ(lfIcon.lfHeight, lfSymbol.lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, lfSymbol.lfCharSet);
    EXPECT_NE(nullptr, data.fontStatus.GetSafeHandle());
    EXPECT_NE(nullptr, data.fontMessage.GetSafeHandle());
}

TEST(AuxData, GivenFacesReplaceTheMenuFace)
{
    CXTAuxData data;
    LOGFONTA lfMenu = MenuFont();

    // A face that is not installed leaves the menu font's face.
    ASSERT_TRUE(data.CreateSysFonts("Keine Schrift", "Auch keine"));
    EXPECT_STREQ(lfMenu.lfFaceName, LogFontOf(data.font).lfFaceName);

    ASSERT_TRUE(data.CreateSysFonts("Courier New", "Tahoma"));
    EXPECT_STREQ("Courier New", LogFontOf(data.font).lfFaceName);
    EXPECT_STREQ("Courier New", LogFontOf(data.fontBold).lfFaceName);
    EXPECT_STREQ("Courier New", LogFontOf(data.fontStatus).lfFaceName);
    EXPECT_STREQ("Courier New", LogFontOf(data.fontMessage).lfFaceName);
    EXPECT_STREQ("Tahoma", LogFontOf(data.fontVert).lfFaceName);

    data.bPreferTahoma = TRUE;
    ASSERT_TRUE(data.CreateSysFonts());
    EXPECT_STREQ("Tahoma", LogFontOf(data.font).lfFaceName);
    EXPECT_STREQ("Tahoma", LogFontOf(data.fontVert).lfFaceName);
}

} // namespace
