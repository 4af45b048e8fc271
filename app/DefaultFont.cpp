#include "app/DefaultFont.h"

#include "app/FontDialog.h"
#include "app/Settings.h"

CHARFORMATA QivReadStoredCharFormat()
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = static_cast<DWORD>(QivSettings::Get(QivSettings::CfMask));
    cf.dwEffects = static_cast<DWORD>(QivSettings::Get(QivSettings::CfEffects));
    cf.yHeight = QivSettings::Get(QivSettings::CfHeight);
    cf.yOffset = QivSettings::Get(QivSettings::CfOffset);
    cf.crTextColor = static_cast<COLORREF>(QivSettings::Get(QivSettings::CfTextColor));
    cf.bCharSet = static_cast<BYTE>(QivSettings::Get(QivSettings::CfCharSet));
    cf.bPitchAndFamily = static_cast<BYTE>(QivSettings::Get(QivSettings::CfPitchAndFamily));
    CString strFace = QivSettings::Get(QivSettings::CfFaceName);
    lstrcpynA(cf.szFaceName, strFace, LF_FACESIZE);
    return cf;
}

void QivWriteStoredCharFormat(const CHARFORMATA& cf)
{
    // The stored size field is the 32-bit structure's, in both builds.
    QivSettings::Set(QivSettings::CfSize, 60);
    QivSettings::Set(QivSettings::CfMask, static_cast<int>(cf.dwMask));
    QivSettings::Set(QivSettings::CfEffects, static_cast<int>(cf.dwEffects));
    QivSettings::Set(QivSettings::CfHeight, cf.yHeight);
    QivSettings::Set(QivSettings::CfOffset, cf.yOffset);
    QivSettings::Set(QivSettings::CfTextColor, static_cast<int>(cf.crTextColor));
    QivSettings::Set(QivSettings::CfCharSet, cf.bCharSet);
    QivSettings::Set(QivSettings::CfPitchAndFamily, cf.bPitchAndFamily);
    QivSettings::Set(QivSettings::CfFaceName, cf.szFaceName);
}

BOOL QivChooseDefaultFont(CWnd* pParentWnd)
{
    CHARFORMATA cf = QivReadStoredCharFormat();
    LOGFONTA lf;
    COLORREF crColor = 0;
    QivLogFontFromCharFormat(cf, &lf, &crColor);
    C_FontDialog dlg(&lf, pParentWnd);
    dlg.m_cf.rgbColors = crColor;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    QivCharFormatFromLogFont(dlg.m_lf, dlg.GetColor(), &cf);
    QivWriteStoredCharFormat(cf);
    return TRUE;
}
