#include "framework/core/String.h"

#include "framework/core/Module.h"

#include <oleauto.h>
#include <stdio.h>
#include <string.h>
#include <algorithm>

namespace {

bool IsSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

// Case folding of the ANSI code page, built once: the same answer for every
// comparison, whatever the user's sort order.
const unsigned char* LowerTable()
{
    static unsigned char table[256];
    static bool built = false;
    if (!built) {
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<unsigned char>(i);
        ::CharLowerBuffA(reinterpret_cast<LPSTR>(table + 1), 255);
        built = true;
    }
    return table;
}

int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

} // namespace

CString::CString(LPCSTR psz)
{
    if (psz)
        m_str.assign(psz);
}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(const unsigned char* psz)
    : CString(reinterpret_cast<LPCSTR>(psz))
{
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString::CString(LPCWSTR psz)
{
    if (psz)
        *this = AfxWideToAnsi(psz);
}

CString& CString::operator=(LPCSTR psz)
{
    if (!psz)
        m_str.clear();
    else
        m_str.assign(psz);   // std::string handles aliasing of its own buffer
    return *this;
}

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& s)
{
    m_str.append(s.m_str);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_str.append(psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str.push_back(ch);
    return *this;
}

char CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    m_str[static_cast<size_t>(nIndex)] = ch;
}

int CString::Compare(LPCSTR psz) const
{
    return Sign(strcmp(m_str.c_str(), psz ? psz : ""));
}

int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* lower = LowerTable();
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b) {
        int d = lower[*a] - lower[*b];
        if (d != 0 || *a == 0)
            return Sign(d);
    }
}

int CString::Collate(LPCSTR psz) const
{
    return Sign(::lstrcmpA(m_str.c_str(), psz ? psz : ""));
}

int CString::CollateNoCase(LPCSTR psz) const
{
    return Sign(::lstrcmpiA(m_str.c_str(), psz ? psz : ""));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - std::max(nFirst, 0));
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::max(nFirst, 0);
    nCount = std::max(nCount, 0);
    if (nFirst >= GetLength())
        return CString();
    nCount = std::min(nCount, GetLength() - nFirst);
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::min(std::max(nCount, 0), GetLength());
    return CString(m_str.data() + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(strspn(m_str.c_str(), pszCharSet)));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(strcspn(m_str.c_str(), pszCharSet)));
}

void CString::MakeUpper()
{
    if (!m_str.empty())
        ::CharUpperBuffA(&m_str[0], static_cast<DWORD>(m_str.size()));
}

void CString::MakeLower()
{
    if (!m_str.empty())
        ::CharLowerBuffA(&m_str[0], static_cast<DWORD>(m_str.size()));
}

void CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
}

int CString::Replace(char chOld, char chNew)
{
    int n = 0;
    for (char& c : m_str)
        if (c == chOld) {
            c = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    size_t oldLen = pszOld ? strlen(pszOld) : 0;
    if (oldLen == 0)
        return 0;
    std::string replacement = pszNew ? pszNew : "";
    std::string result;
    int n = 0;
    size_t pos = 0;
    for (size_t hit; (hit = m_str.find(pszOld, pos, oldLen)) != std::string::npos; pos = hit + oldLen) {
        result.append(m_str, pos, hit - pos);
        result.append(replacement);
        ++n;
    }
    if (n) {
        result.append(m_str, pos, std::string::npos);
        m_str.swap(result);
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_str.size();
    m_str.erase(std::remove(m_str.begin(), m_str.end(), ch), m_str.end());
    return static_cast<int>(before - m_str.size());
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    m_str.insert(m_str.begin() + nIndex, ch);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    nIndex = std::min(std::max(nIndex, 0), GetLength());
    if (psz)
        m_str.insert(static_cast<size_t>(nIndex), psz);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = std::max(nIndex, 0);
    if (nCount > 0 && nIndex < GetLength())
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && IsSpace(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    size_t i = 0;
    while (i < m_str.size() && m_str[i] == chTarget)
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    size_t i = m_str.find_first_not_of(pszTargets ? pszTargets : "");
    m_str.erase(0, i == std::string::npos ? m_str.size() : i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && IsSpace(m_str[n - 1]))
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    size_t n = m_str.size();
    while (n > 0 && m_str[n - 1] == chTarget)
        --n;
    m_str.resize(n);
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    size_t i = m_str.find_last_not_of(pszTargets ? pszTargets : "");
    m_str.resize(i == std::string::npos ? 0 : i + 1);
    return *this;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_str.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    size_t pos = m_str.find_first_of(pszCharSet ? pszCharSet : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
        return;
    }
    std::string result(static_cast<size_t>(n) + 1, '\0');
    vsnprintf(&result[0], result.size(), pszFormat, args);
    result.resize(static_cast<size_t>(n));
    m_str.swap(result);
}

void AFX_CDECL CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

void AFX_CDECL CString::AppendFormat(LPCSTR pszFormat, ...)
{
    CString tail;
    va_list args;
    va_start(args, pszFormat);
    tail.FormatV(pszFormat, args);
    va_end(args);
    *this += tail;
}

BOOL CString::LoadString(UINT nID)
{
    return LoadString(AfxFindStringResourceHandle(nID), nID);
}

// String tables hold blocks of 16 counted UTF-16 strings; reading the block
// directly has no length limit (LoadStringA would cut at its buffer).
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    m_str.clear();
    HRSRC hRes = ::FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6));
    if (!hRes)
        return FALSE;
    HGLOBAL hData = ::LoadResource(hInstance, hRes);
    DWORD size = ::SizeofResource(hInstance, hRes);
    const WORD* p = hData ? static_cast<const WORD*>(::LockResource(hData)) : nullptr;
    if (!p)
        return FALSE;
    const WORD* end = p + size / sizeof(WORD);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= end)
            return FALSE;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return FALSE;
    *this = AfxWideToAnsi(reinterpret_cast<LPCWSTR>(p + 1), *p);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
}

BSTR CString::AllocSysString() const
{
    std::wstring wide = AfxAnsiToWide(m_str.data(), GetLength());
    return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

CString operator+(const CString& a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(const CString& a, char b)
{
    CString s(a);
    s += b;
    return s;
}

CString operator+(char a, const CString& b)
{
    CString s(a);
    s += b;
    return s;
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    rString.LoadString(nIDS);
    rString.Replace("%1", lpsz1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2)
{
    rString.LoadString(nIDS);
    rString.Replace("%1", lpsz1);
    rString.Replace("%2", lpsz2);
}

CString AfxWideToAnsi(LPCWSTR psz, int nLength)
{
    if (!psz)
        return CString();
    if (nLength < 0)
        nLength = static_cast<int>(wcslen(psz));
    if (nLength == 0)
        return CString();
    int n = ::WideCharToMultiByte(CP_ACP, 0, psz, nLength, nullptr, 0, nullptr, nullptr);
    CString s;
    ::WideCharToMultiByte(CP_ACP, 0, psz, nLength, s.GetBufferSetLength(n), n, nullptr, nullptr);
    return s;
}

std::wstring AfxAnsiToWide(LPCSTR psz, int nLength)
{
    if (!psz)
        return std::wstring();
    if (nLength < 0)
        nLength = static_cast<int>(strlen(psz));
    if (nLength == 0)
        return std::wstring();
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, nLength, nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, psz, nLength, &w[0], n);
    return w;
}
