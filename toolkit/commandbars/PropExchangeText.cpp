#include "toolkit/commandbars/PropExchangeText.h"

#include "framework/core/OleVariant.h"
#include "toolkit/commandbars/PropExchange.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

BOOL IntegerToText(BOOL bStoring, int nType, void* pValue, CString& strText)
{
    int nSize = PropertyTypeSize(nType);
    if (bStoring)
    {
        DWORD dwValue = 0;
        memcpy(&dwValue, pValue, nSize);
        strText.Format("%i", static_cast<int>(dwValue));
        return TRUE;
    }
    int nValue = atoi(strText);
    memcpy(pValue, &nValue, nSize);
    return TRUE;
}

BOOL VariantToText(BOOL bStoring, COleVariant& var, CString& strText)
{
    if (bStoring)
    {
        if (var.vt == VT_DATE)
        {
            strText = DateToText(COleDateTime(var.date));
            return TRUE;
        }
        VARIANT varText;
        ::VariantInit(&varText);
        if (FAILED(::VariantChangeTypeEx(&varText, &var, 0, 0, VT_BSTR)))
            return FALSE;
        strText = AfxWideToAnsi(varText.bstrVal);
        ::VariantClear(&varText);
        return TRUE;
    }
    var = strText;
    COleDateTime date;
    if (TextToDate(strText, date))
        var = date;
    return TRUE;
}

} // namespace

BOOL ValueToText(BOOL bStoring, int nType, void* pValue, CString& strText)
{
    switch (nType)
    {
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_UI1:
        return IntegerToText(bStoring, nType, pValue, strText);
    case VT_R8:
        if (bStoring)
            strText.Format("%f", *static_cast<double*>(pValue));
        else
            *static_cast<double*>(pValue) = strtod(strText, nullptr);
        return TRUE;
    case VT_DATE:
        if (bStoring)
        {
            strText = DateToText(*static_cast<COleDateTime*>(pValue));
            return TRUE;
        }
        return TextToDate(strText, *static_cast<COleDateTime*>(pValue));
    case VT_VARIANT:
        return VariantToText(bStoring, *static_cast<COleVariant*>(pValue), strText);
    case VT_LPSTR:
        if (bStoring)
        {
            strText = *static_cast<CString*>(pValue);
            EscapeText(TRUE, strText);
        }
        else
        {
            EscapeText(FALSE, strText);
            *static_cast<CString*>(pValue) = strText;
        }
        return TRUE;
    case XTP_VT_RECT:
    {
        RECT& rc = *static_cast<RECT*>(pValue);
        if (bStoring)
        {
            strText.Format("%i, %i, %i, %i", static_cast<int>(rc.left), static_cast<int>(rc.top),
                           static_cast<int>(rc.right), static_cast<int>(rc.bottom));
            return TRUE;
        }
        int l = 0, t = 0, r = 0, b = 0;
        if (sscanf(strText, "%i, %i, %i, %i", &l, &t, &r, &b) != 4)
            return FALSE;
        rc = RECT{l, t, r, b};
        return TRUE;
    }
    case XTP_VT_SIZE:
    {
        SIZE& sz = *static_cast<SIZE*>(pValue);
        if (bStoring)
        {
            strText.Format("%i, %i", static_cast<int>(sz.cx), static_cast<int>(sz.cy));
            return TRUE;
        }
        int cx = 0, cy = 0;
        if (sscanf(strText, "%i, %i", &cx, &cy) != 2)
            return FALSE;
        sz = SIZE{cx, cy};
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void EscapeText(BOOL bStoring, CString& strText)
{
    if (bStoring)
    {
        strText.Replace("\\", "\\\\");
        strText.Replace("\n", "\\n");
        strText.Replace("\r", "\\r");
        strText.Replace("\t", "\\t");
        return;
    }
    if (strText.Find('\\') < 0)
        return;
    // An escaped backslash is parked as a two-byte marker, so the backslash
    // it leaves does not start another escape.
    strText.Replace("\\\\", "\x01\x01");
    strText.Replace("\\n", "\n");
    strText.Replace("\\r", "\r");
    strText.Replace("\\t", "\t");
    strText.Replace("\x01\x01", "\\");
}

CString DateToText(const COleDateTime& date)
{
    if (date.GetStatus() == COleDateTime::null)
        return CString();
    double dWholeDays = static_cast<double>(static_cast<long>(date.m_dt));
    if (dWholeDays != 0)
        return date.Format(date.m_dt != dWholeDays ? "%Y-%d-%mT%H:%M:%S" : "%Y-%d-%m");
    return date.Format("%H:%M:%S");
}

BOOL TextToDate(LPCSTR pszText, COleDateTime& date)
{
    unsigned short nYear = 0, nDay = 0, nMonth = 0, nHour = 0, nMinute = 0, nSecond = 0;
    int nFields = sscanf(pszText, "%hu-%hu-%huT%hu:%hu:%hu", &nYear, &nDay, &nMonth, &nHour,
                         &nMinute, &nSecond);
    if (nFields == 3 || nFields == 5 || nFields == 6)
    {
        COleDateTime result;
        result.SetDateTime(nYear, nMonth, nDay, nHour, nMinute, nSecond);
        if (result.GetStatus() != COleDateTime::valid)
            return FALSE;
        date = result;
        return TRUE;
    }
    nHour = nMinute = nSecond = 0;
    nFields = sscanf(pszText, "%hu:%hu:%hu", &nHour, &nMinute, &nSecond);
    if (nFields != 2 && nFields != 3)
        return FALSE;
    date.m_dt = (nHour * 3600.0 + nMinute * 60.0 + nSecond) / 86400.0;
    date.SetStatus(COleDateTime::valid);
    return TRUE;
}
