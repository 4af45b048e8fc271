// CTime: a point in time as seconds since 1970 (UTC), shown in local time;
// CTimeSpan: a signed number of seconds between two of them.
//
// A time that cannot be represented (components out of range, a year before
// 1900, an unconvertible FILETIME) is kept as -1; its calendar getters answer
// 0 and Format gives empty text.
#pragma once

#include "framework/core/String.h"

#include <time.h>

// <windows.h> defines GetCurrentTime() as a macro; the framework's name wins.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(__time64_t time);
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    __time64_t GetTimeSpan() const { return m_timeSpan; }
    __time64_t GetTotalSeconds() const { return m_timeSpan; }
    LONGLONG GetDays() const;

    bool operator==(CTimeSpan other) const { return m_timeSpan == other.m_timeSpan; }
    bool operator!=(CTimeSpan other) const { return m_timeSpan != other.m_timeSpan; }
    bool operator<(CTimeSpan other) const { return m_timeSpan < other.m_timeSpan; }
    bool operator>(CTimeSpan other) const { return m_timeSpan > other.m_timeSpan; }

private:
    __time64_t m_timeSpan = 0;
};

class CTime
{
public:
    static CTime GetCurrentTime();

    CTime() = default;
    CTime(__time64_t time);
    // Local calendar components; nDST < 0 lets the C library decide.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1);      // local time
    CTime(const FILETIME& ft, int nDST = -1);        // UTC, as the file system keeps it

    __time64_t GetTime() const { return m_time; }
    BOOL IsValid() const { return m_time != -1; }

    // Null when the time cannot be converted.
    struct tm* GetLocalTm(struct tm* ptm) const;
    struct tm* GetGmtTm(struct tm* ptm) const;
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;     // local time

    int GetYear() const;
    int GetMonth() const;          // 1..12
    int GetDay() const;            // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;      // 1 = Sunday .. 7 = Saturday

    // strftime codes, local time; empty when the time cannot be converted.
    CString Format(LPCSTR pszFormat) const;
    CString FormatGmt(LPCSTR pszFormat) const;

    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

    CTimeSpan operator-(CTime time) const;
    CTime operator-(CTimeSpan timeSpan) const;
    CTime operator+(CTimeSpan timeSpan) const;
    CTime& operator+=(CTimeSpan timeSpan);
    CTime& operator-=(CTimeSpan timeSpan);

private:
    int LocalField(int tm::*field) const;

    __time64_t m_time = 0;
};

// strftime into a CString of any length ("" for an empty result).
CString AfxFormatTm(LPCSTR pszFormat, const struct tm& t);
