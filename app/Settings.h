// The shell's settings in the application profile: every section, key and
// default in one table (the keys below), read and written through the
// application object's profile calls, so they live under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>.
//
// Booleans come in two stored forms: strings that count only when they are
// exactly "1" (or, for ShowSplash, exactly "0"), and integers.
#pragma once

#include "framework/core/String.h"

struct QivIntSetting
{
    LPCSTR pszSection;
    LPCSTR pszKey;
    int nDefault;
};

struct QivStringSetting
{
    LPCSTR pszSection;
    LPCSTR pszKey;
    LPCSTR pszDefault;
};

namespace QivSettings
{
// Settings
extern const QivStringSetting ShowSplash;
extern const QivStringSetting AutoOpen;
extern const QivStringSetting AutoSave;
extern const QivIntSetting AutoSaveIntervall;
extern const QivStringSetting Backup;
extern const QivStringSetting Audio;
extern const QivStringSetting AutoHide;
extern const QivStringSetting BannerText;
extern const QivIntSetting TopMost;
extern const QivIntSetting WordWrap;
extern const QivIntSetting Splitter;
extern const QivIntSetting SplitterNormal;
extern const QivIntSetting Splitter2Pos;
// MainFrame, Frame
extern const QivIntSetting Banner;
extern const QivIntSetting FrameStatus;
extern const QivIntSetting FrameTop;
extern const QivIntSetting FrameLeft;
extern const QivIntSetting FrameBottom;
extern const QivIntSetting FrameRight;
// rectMargin (twips)
extern const QivIntSetting MarginLeft;
extern const QivIntSetting MarginTop;
extern const QivIntSetting MarginRight;
extern const QivIntSetting MarginBottom;
// cf: the default character format
extern const QivIntSetting CfSize;
extern const QivIntSetting CfMask;
extern const QivIntSetting CfEffects;
extern const QivIntSetting CfHeight;
extern const QivIntSetting CfOffset;
extern const QivIntSetting CfTextColor;
extern const QivIntSetting CfCharSet;
extern const QivIntSetting CfPitchAndFamily;
extern const QivStringSetting CfFaceName;
// TimeAndDate, Tip
extern const QivIntSetting DateTimeFormat;
extern const QivIntSetting TipStartUp;
extern const QivIntSetting TipFilePos;
extern const QivStringSetting TipTimeStamp;

// The banner's default text, which shows the logo instead of a text.
extern const char kDefaultBannerText[];
// The tree column width of a fresh start.
const int kDefaultTreeWidth = 225;
// Settings\Splitter of a text-only and a tree-only exit.
const int kTextOnlyWidth = 0;
const int kTreeOnlyWidth = 10000;

int Get(const QivIntSetting& setting);
CString Get(const QivStringSetting& setting);
void Set(const QivIntSetting& setting, int nValue);
void Set(const QivStringSetting& setting, LPCSTR pszValue);

// A string flag is on only when its stored value is exactly "1".
bool IsOn(const QivStringSetting& setting);
// Stores a string flag as "1" or "0".
void SetFlag(const QivStringSetting& setting, bool bOn);

// ShowSplash: only "0" turns the splash off.
bool IsSplashOn();
// The tree width of the normal view: a stored 0 or 10000 (the text-only
// and tree-only marks) reads as 225, so the normal view can always bring
// the tree back.
int GetNormalTreeWidth();
// The automatic-save interval in milliseconds, the minutes clamped to 1..120.
UINT GetAutoSaveIntervalMs();
}
