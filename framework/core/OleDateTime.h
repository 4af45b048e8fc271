// COleDateTime: an OLE DATE (days since 30 December 1899 as a double, the
// fraction being the time of day) with a status. Before that day the whole
// part counts backwards while the fraction still runs forward from midnight:
// -1.25 is 29 December 1899, 06:00. Valid dates run from the year 100 to
// 9999; calendar fields are rounded to the nearest second.
#pragma once

#include "framework/core/String.h"

#include <oleauto.h>

#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CArchive;

class COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    static COleDateTime GetCurrentTime();

    COleDateTime();
    COleDateTime(DATE dtSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(const SYSTEMTIME& systimeSrc);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }

    // Each answers 0 and makes the date valid, or answers 1 and makes it
    // invalid when a field is out of range.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);

    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // The calendar fields; -1 unless the date is valid and in range.
    int GetYear() const;
    int GetMonth() const;          // 1..12
    int GetDay() const;            // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;      // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;      // 1 = 1 January

    // strftime codes; empty text for a null or invalid date.
    CString Format(LPCSTR pszFormat) const;

    // Valid dates compare in time order (see the note on days before 1899).
    bool operator==(const COleDateTime& date) const;
    bool operator!=(const COleDateTime& date) const { return !(*this == date); }
    bool operator<(const COleDateTime& date) const;
    bool operator>(const COleDateTime& date) const { return date < *this; }
    bool operator<=(const COleDateTime& date) const { return !(date < *this); }
    bool operator>=(const COleDateTime& date) const { return !(*this < date); }

    DATE m_dt;
    DateTimeStatus m_status;
};

// Archive form: the DATE as a double, then the status as a DWORD (12 bytes).
// A status the program does not know loads as invalid.
CArchive& operator<<(CArchive& ar, const COleDateTime& dateSrc);
CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc);
