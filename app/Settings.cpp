#include "app/Settings.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

#include <algorithm>

namespace QivSettings
{
namespace
{
const char kSettings[] = "Settings";
const char kFrame[] = "Frame";
const char kMargin[] = "rectMargin";
const char kCf[] = "cf";
const char kTip[] = "Tip";
}

const char kDefaultBannerText[] = "Qivnotes2000";

const QivStringSetting ShowSplash = {kSettings, "ShowSplash", "1"};
const QivStringSetting AutoOpen = {kSettings, "AutoOpen", ""};
const QivStringSetting AutoSave = {kSettings, "AutoSave", "0"};
const QivIntSetting AutoSaveIntervall = {kSettings, "AutoSaveIntervall", 10};
const QivStringSetting Backup = {kSettings, "Backup", "0"};
const QivStringSetting Audio = {kSettings, "Audio", "1"};
const QivStringSetting AutoHide = {kSettings, "AutoHide", "0"};
const QivStringSetting BannerText = {kSettings, "BannerText", kDefaultBannerText};
const QivIntSetting TopMost = {kSettings, "TopMost", 0};
const QivIntSetting WordWrap = {kSettings, "WordWrap", 1};
const QivIntSetting Splitter = {kSettings, "Splitter", kDefaultTreeWidth};
const QivIntSetting SplitterNormal = {kSettings, "SplitterNormal", kDefaultTreeWidth};
const QivIntSetting Splitter2Pos = {kSettings, "Splitter2Pos", 100};

const QivIntSetting Banner = {"MainFrame", "Banner", 1};
const QivIntSetting FrameStatus = {kFrame, "Status", -1};
const QivIntSetting FrameTop = {kFrame, "Top", -1};
const QivIntSetting FrameLeft = {kFrame, "Left", -1};
const QivIntSetting FrameBottom = {kFrame, "Bottom", -1};
const QivIntSetting FrameRight = {kFrame, "Right", -1};

const QivIntSetting MarginLeft = {kMargin, "left", 1417};
const QivIntSetting MarginTop = {kMargin, "top", 1417};
const QivIntSetting MarginRight = {kMargin, "right", 1417};
const QivIntSetting MarginBottom = {kMargin, "bottom", 1133};

const QivIntSetting CfSize = {kCf, "cbSize", 60};
const QivIntSetting CfMask = {kCf, "dwMask", static_cast<int>(0xF000001F)};
const QivIntSetting CfEffects = {kCf, "dwEffects", 0x40000000};
const QivIntSetting CfHeight = {kCf, "yHeight", 293};
const QivIntSetting CfOffset = {kCf, "yOffset", 0};
const QivIntSetting CfTextColor = {kCf, "crTextColor", 0};
const QivIntSetting CfCharSet = {kCf, "bCharSet", 1};
const QivIntSetting CfPitchAndFamily = {kCf, "bPitchAndFamily", 0};
const QivStringSetting CfFaceName = {kCf, "szFaceName", "Arial"};

const QivIntSetting DateTimeFormat = {"TimeAndDate", "Default", 0};
const QivIntSetting TipStartUp = {kTip, "StartUp", 0};
const QivIntSetting TipFilePos = {kTip, "FilePos", 0};
const QivStringSetting TipTimeStamp = {kTip, "TimeStamp", ""};

int Get(const QivIntSetting& setting)
{
    return static_cast<int>(
        AfxGetApp()->GetProfileInt(setting.pszSection, setting.pszKey, setting.nDefault));
}

CString Get(const QivStringSetting& setting)
{
    return AfxGetApp()->GetProfileString(setting.pszSection, setting.pszKey, setting.pszDefault);
}

void Set(const QivIntSetting& setting, int nValue)
{
    AfxGetApp()->WriteProfileInt(setting.pszSection, setting.pszKey, nValue);
}

void Set(const QivStringSetting& setting, LPCSTR pszValue)
{
    AfxGetApp()->WriteProfileString(setting.pszSection, setting.pszKey, pszValue);
}

bool IsOn(const QivStringSetting& setting)
{
    return Get(setting) == "1";
}

void SetFlag(const QivStringSetting& setting, bool bOn)
{
    Set(setting, bOn ? "1" : "0");
}

bool IsSplashOn()
{
    return Get(ShowSplash) != "0";
}

int GetNormalTreeWidth()
{
    const int nWidth = Get(SplitterNormal);
    if (nWidth == kTextOnlyWidth || nWidth == kTreeOnlyWidth)
        return kDefaultTreeWidth;
    return nWidth;
}

UINT GetAutoSaveIntervalMs()
{
    const int nMinutes = std::clamp(Get(AutoSaveIntervall), 1, 120);
    return static_cast<UINT>(nMinutes) * 60000u;
}
}
