// Text output and measurement.
#include "framework/ui/Dc.h"

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    ASSERT(m_hDC != nullptr);
    // The string is passed as const: the call must not be asked to write to it.
    ASSERT((nFormat & DT_MODIFYSTRING) == 0);
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    ASSERT(m_hDC != nullptr);
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString,
                     UINT nCount, LPINT lpDxWidths)
{
    ASSERT(m_hDC != nullptr);
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    ASSERT(m_hAttribDC != nullptr);
    CSize size;
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    ASSERT(m_hDC != nullptr);
    CSize size;
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent(str, str.GetLength());
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    ASSERT(m_hAttribDC != nullptr);
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    ASSERT(m_hAttribDC != nullptr);
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    ASSERT(m_hAttribDC != nullptr);
    int nLength = ::GetTextFaceA(m_hAttribDC, 0, nullptr);   // with the NUL
    if (nLength <= 0)
    {
        rString.Empty();
        return 0;
    }
    int nResult = ::GetTextFaceA(m_hAttribDC, nLength, rString.GetBuffer(nLength));
    rString.ReleaseBuffer();
    return nResult;
}
