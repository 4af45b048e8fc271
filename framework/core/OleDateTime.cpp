#include "framework/core/OleDateTime.h"

#include "framework/core/Archive.h"
#include "framework/core/Time.h"

#include <math.h>

namespace {

// 1 January 100 and 31 December 9999, 23:59:59.
const double kMinDate = -657434.0;
const double kMaxDate = 2958465.0 + 86399.0 / 86400.0;
// Days from 1 January 1970 back to 30 December 1899.
const long kDaysTo1970 = 25569;

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

bool DateFromFields(int y, int mo, int d, int h, int mi, int s, DATE& dt)
{
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo)
        || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    const long days = DaysFromCivil(y, mo, d) + kDaysTo1970;
    const double time = (h * 3600 + mi * 60 + s) / 86400.0;
    dt = days >= 0 ? days + time : days - time;
    return true;
}

// The calendar fields of a DATE, rounded to the nearest second.
bool FieldsFromDate(DATE dt, struct tm& t)
{
    if (!(dt >= kMinDate && dt <= kMaxDate))
        return false;
    const double whole = trunc(dt);
    long days = static_cast<long>(whole);
    long secs = static_cast<long>(floor(fabs(dt - whole) * 86400.0 + 0.5));
    if (secs >= 86400) {
        secs -= 86400;
        ++days;
    }
    int y, m, d;
    CivilFromDays(days - kDaysTo1970, y, m, d);
    t = tm{};
    t.tm_year = y - 1900;
    t.tm_mon = m - 1;
    t.tm_mday = d;
    t.tm_hour = static_cast<int>(secs / 3600);
    t.tm_min = static_cast<int>(secs / 60 % 60);
    t.tm_sec = static_cast<int>(secs % 60);
    // 30 December 1899 was a Saturday.
    t.tm_wday = static_cast<int>(((days % 7) + 7 + 6) % 7);
    t.tm_yday = static_cast<int>(DaysFromCivil(y, m, d) - DaysFromCivil(y, 1, 1));
    return true;
}

// The DATE on a line where later means larger, also before 1899.
double LinearDate(DATE dt)
{
    return dt >= 0 ? dt : 2 * trunc(dt) - dt;
}

// One calendar field of a valid date, else -1.
template <class Pick>
int FieldOf(const COleDateTime& date, Pick pick)
{
    struct tm t;
    if (date.m_status != COleDateTime::valid || !FieldsFromDate(date.m_dt, t))
        return -1;
    return pick(t);
}

} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime()
    : m_dt(0), m_status(valid)
{
}

COleDateTime::COleDateTime(DATE dtSrc)
    : m_dt(dtSrc), m_status(valid)
{
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : COleDateTime()
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
    : COleDateTime()
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    m_status = DateFromFields(nYear, nMonth, nDay, nHour, nMin, nSec, m_dt) ? valid : invalid;
    return m_status == valid ? 0 : 1;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    struct tm t;
    if (m_status != valid || !FieldsFromDate(m_dt, t))
        return FALSE;
    sysTime = SYSTEMTIME{};
    sysTime.wYear = static_cast<WORD>(t.tm_year + 1900);
    sysTime.wMonth = static_cast<WORD>(t.tm_mon + 1);
    sysTime.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    sysTime.wDay = static_cast<WORD>(t.tm_mday);
    sysTime.wHour = static_cast<WORD>(t.tm_hour);
    sysTime.wMinute = static_cast<WORD>(t.tm_min);
    sysTime.wSecond = static_cast<WORD>(t.tm_sec);
    return TRUE;
}

int COleDateTime::GetYear() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_year + 1900; });
}

int COleDateTime::GetMonth() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_mon + 1; });
}

int COleDateTime::GetDay() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_mday; });
}

int COleDateTime::GetHour() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_hour; });
}

int COleDateTime::GetMinute() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_min; });
}

int COleDateTime::GetSecond() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_sec; });
}

int COleDateTime::GetDayOfWeek() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_wday + 1; });
}

int COleDateTime::GetDayOfYear() const
{
    return FieldOf(*this, [](const tm& t) { return t.tm_yday + 1; });
}

CString COleDateTime::Format(LPCSTR pszFormat) const
{
    struct tm t;
    if (m_status != valid || !FieldsFromDate(m_dt, t))
        return CString();
    return AfxFormatTm(pszFormat, t);
}

bool COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && m_dt == date.m_dt;
}

bool COleDateTime::operator<(const COleDateTime& date) const
{
    return LinearDate(m_dt) < LinearDate(date.m_dt);
}

CArchive& operator<<(CArchive& ar, const COleDateTime& dateSrc)
{
    ar << dateSrc.m_dt;
    ar << static_cast<DWORD>(dateSrc.m_status);
    return ar;
}

CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    DWORD dwStatus;
    ar >> dateSrc.m_dt;
    ar >> dwStatus;
    dateSrc.m_status = dwStatus <= COleDateTime::null
        ? static_cast<COleDateTime::DateTimeStatus>(dwStatus) : COleDateTime::invalid;
    return ar;
}
