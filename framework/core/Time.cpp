#include "framework/core/Time.h"

#include <vector>

namespace {

const __time64_t kInvalidTime = -1;

} // namespace

CString AfxFormatTm(LPCSTR pszFormat, const struct tm& t)
{
    if (!pszFormat || !*pszFormat)
        return CString();
    // strftime answers 0 both for "too small" and for an empty result; stop
    // growing once the buffer is far larger than any expansion of the format.
    size_t nLimit = 256 + 128 * strlen(pszFormat);
    for (size_t nSize = 128; nSize <= nLimit; nSize *= 2) {
        std::vector<char> buffer(nSize);
        size_t n = strftime(buffer.data(), nSize, pszFormat, &t);
        if (n > 0)
            return CString(buffer.data(), static_cast<int>(n));
    }
    return CString();
}

// CTimeSpan

CTimeSpan::CTimeSpan(__time64_t time)
    : m_timeSpan(time)
{
}

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + static_cast<__time64_t>(24) * lDays)))
{
}

LONGLONG CTimeSpan::GetDays() const
{
    return m_timeSpan / (24 * 3600);
}

// CTime

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

CTime::CTime(__time64_t time)
    : m_time(time)
{
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(kInvalidTime)
{
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0
        || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        return;
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    m_time = _mktime64(&t);
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{
}

CTime::CTime(const FILETIME& ft, int nDST)
    : m_time(kInvalidTime)
{
    FILETIME local;
    SYSTEMTIME st;
    if (::FileTimeToLocalFileTime(&ft, &local) && ::FileTimeToSystemTime(&local, &st))
        *this = CTime(st, nDST);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    if (m_time == kInvalidTime || !ptm)
        return nullptr;
    struct tm* p = _localtime64(&m_time);
    if (!p)
        return nullptr;
    *ptm = *p;
    return ptm;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    if (m_time == kInvalidTime || !ptm)
        return nullptr;
    struct tm* p = _gmtime64(&m_time);
    if (!p)
        return nullptr;
    *ptm = *p;
    return ptm;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    struct tm t;
    if (!GetLocalTm(&t))
        return FALSE;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(t.tm_year + 1900);
    st.wMonth = static_cast<WORD>(t.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    st.wDay = static_cast<WORD>(t.tm_mday);
    st.wHour = static_cast<WORD>(t.tm_hour);
    st.wMinute = static_cast<WORD>(t.tm_min);
    st.wSecond = static_cast<WORD>(t.tm_sec);
    return TRUE;
}

int CTime::LocalField(int tm::*field) const
{
    struct tm t;
    return GetLocalTm(&t) ? t.*field : 0;
}

int CTime::GetYear() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_year + 1900 : 0;
}

int CTime::GetMonth() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_mon + 1 : 0;
}

int CTime::GetDay() const { return LocalField(&tm::tm_mday); }
int CTime::GetHour() const { return LocalField(&tm::tm_hour); }
int CTime::GetMinute() const { return LocalField(&tm::tm_min); }
int CTime::GetSecond() const { return LocalField(&tm::tm_sec); }

int CTime::GetDayOfWeek() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_wday + 1 : 0;
}

CString CTime::Format(LPCSTR pszFormat) const
{
    struct tm t;
    return GetLocalTm(&t) ? AfxFormatTm(pszFormat, t) : CString();
}

CString CTime::FormatGmt(LPCSTR pszFormat) const
{
    struct tm t;
    return GetGmtTm(&t) ? AfxFormatTm(pszFormat, t) : CString();
}

CTimeSpan CTime::operator-(CTime time) const
{
    return CTimeSpan(m_time - time.m_time);
}

CTime CTime::operator-(CTimeSpan timeSpan) const
{
    return CTime(m_time - timeSpan.GetTimeSpan());
}

CTime CTime::operator+(CTimeSpan timeSpan) const
{
    return CTime(m_time + timeSpan.GetTimeSpan());
}

CTime& CTime::operator+=(CTimeSpan timeSpan)
{
    m_time += timeSpan.GetTimeSpan();
    return *this;
}

CTime& CTime::operator-=(CTimeSpan timeSpan)
{
    m_time -= timeSpan.GetTimeSpan();
    return *this;
}
