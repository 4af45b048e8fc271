#include "app/DateTimeMenu.h"

#include "app/LocalClock.h"

namespace {

// The enumeration calls take no context: the list being filled is parked
// here for the length of one call.
std::vector<QIV_DATETIME_FORMAT>* g_pCollecting = nullptr;
BOOL g_bCollectingTimes = FALSE;

BOOL CALLBACK CollectFormat(LPSTR lpszPicture)
{
    if (g_pCollecting != nullptr && lpszPicture != nullptr)
        g_pCollecting->push_back({ g_bCollectingTimes, CString(lpszPicture) });
    return TRUE;
}

PFN_QIV_DATETIME_FORMATS g_pfnFormats = nullptr;

// The picture applied to the moment; FALSE when the locale cannot format
// it in 256 bytes.
BOOL FormatMoment(LCID lcid, const SYSTEMTIME& time, const QIV_DATETIME_FORMAT& format,
                  CString& strText)
{
    char szText[256] = {};
    int nLength = format.bTime
                      ? ::GetTimeFormatA(lcid, 0, &time, format.strPicture, szText, sizeof(szText))
                      : ::GetDateFormatA(lcid, 0, &time, format.strPicture, szText, sizeof(szText));
    if (nLength <= 0)
        return FALSE;
    strText = szText;
    return TRUE;
}

} // namespace

std::vector<QIV_DATETIME_FORMAT> QivLocaleDateTimeFormats(LCID lcid)
{
    std::vector<QIV_DATETIME_FORMAT> formats;
    g_pCollecting = &formats;
    g_bCollectingTimes = FALSE;
    ::EnumDateFormatsA(CollectFormat, lcid, DATE_LONGDATE);
    ::EnumDateFormatsA(CollectFormat, lcid, DATE_SHORTDATE);
    g_bCollectingTimes = TRUE;
    ::EnumTimeFormatsA(CollectFormat, lcid, 0);
    g_pCollecting = nullptr;
    return formats;
}

PFN_QIV_DATETIME_FORMATS QivSetDateTimeFormatSource(PFN_QIV_DATETIME_FORMATS pfn)
{
    PFN_QIV_DATETIME_FORMATS pfnPrevious = g_pfnFormats;
    g_pfnFormats = pfn;
    return pfnPrevious;
}

BOOL CQivDateTimeMenu::Build()
{
    SYSTEMTIME now;
    QivGetLocalTime(&now);
    const LCID lcid = ::GetUserDefaultLCID();
    Destroy();
    if (!m_menu.CreatePopupMenu())
        return FALSE;

    const auto formats = g_pfnFormats != nullptr ? g_pfnFormats(lcid) : QivLocaleDateTimeFormats(lcid);
    std::vector<CString> texts;
    for (const QIV_DATETIME_FORMAT& format : formats)
    {
        if (static_cast<int>(texts.size()) == kMaxLocaleItems)
            break;
        CString strText;
        if (!FormatMoment(lcid, now, format, strText))
            continue;
        bool bSeen = false;
        for (const CString& strShown : texts)
            bSeen = bSeen || strShown == strText;
        if (bSeen)
            continue;
        m_menu.AppendMenu(MF_STRING, kFirstDateTimeCommand + static_cast<UINT>(texts.size()), strText);
        texts.push_back(strText);
    }

    // The numeric item, from a second reading of the clock.
    SYSTEMTIME again;
    QivGetLocalTime(&again);
    CString strNumeric;
    strNumeric.Format("%02d.%02d.%04d %02d:%02d", again.wDay, again.wMonth, again.wYear, again.wHour,
                      again.wMinute);
    m_menu.AppendMenu(MF_STRING, kFirstDateTimeCommand + static_cast<UINT>(texts.size()), strNumeric);
    return TRUE;
}

void CQivDateTimeMenu::Destroy()
{
    if (m_menu.GetSafeHmenu() != nullptr)
        m_menu.DestroyMenu();
}

int CQivDateTimeMenu::GetItemCount() const
{
    return IsBuilt() ? m_menu.GetMenuItemCount() : 0;
}

BOOL CQivDateTimeMenu::GetCommandText(UINT nID, CString& strText) const
{
    if (!IsBuilt() || m_menu.GetMenuState(nID, MF_BYCOMMAND) == static_cast<UINT>(-1))
        return FALSE;
    return m_menu.GetMenuString(nID, strText, MF_BYCOMMAND) >= 0;
}

CQivDateTimeMenu& QivDateTimeMenu()
{
    // Never destroyed at exit: the views destroy the menu itself while the
    // framework's handle maps still exist.
    static CQivDateTimeMenu* s_pMenu = new CQivDateTimeMenu;
    return *s_pMenu;
}
