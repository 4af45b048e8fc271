// The style text is read in place from the locked resource on every lookup:
// it is small, lookups happen only when a theme refreshes its colours, and
// nothing has to be kept in step with the module. The text comes from a
// file we do not control, so every read is bounded by the resource's size
// and nothing in it is trusted to be terminated or well formed.
#include "toolkit/draw/Office2007StyleResources.h"
#include "framework/core/Module.h"
#include "toolkit/draw/Office2007Image.h"
#include <stdlib.h>

namespace
{
const char kDefaultTextName[] = "OFFICE2007BLUE_INI";
const char kTextType[] = "TEXTFILE";

// The first "TEXTFILE" resource of a module, by name or by number.
struct FirstResourceName
{
    CString strName;
    LPCSTR lpszId = nullptr;
    BOOL bFound = FALSE;
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam)
{
    FirstResourceName* pFirst = reinterpret_cast<FirstResourceName*>(lParam);
    if (IS_INTRESOURCE(lpszName))
        pFirst->lpszId = lpszName;
    else
        pFirst->strName = lpszName;
    pFirst->bFound = TRUE;
    return FALSE;
}

// One line of the text in the ANSI code page.
CString NarrowLine(const WCHAR* pStart, const WCHAR* pEnd)
{
    CString strLine;
    int nChars = static_cast<int>(pEnd - pStart);
    if (nChars <= 0)
        return strLine;
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pStart, nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return strLine;
    LPSTR pBuffer = strLine.GetBufferSetLength(nBytes);
    ::WideCharToMultiByte(CP_ACP, 0, pStart, nChars, pBuffer, nBytes, nullptr, nullptr);
    strLine.ReleaseBuffer(nBytes);
    return strLine;
}

// Reads one integer as sscanf's "%i" does (decimal, "0x" hexadecimal,
// leading-zero octal, optional sign); FALSE when none stands at p. The value
// wraps instead of overflowing: only its low 8 bits are used.
BOOL ReadInteger(const char*& p, unsigned& nValue)
{
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        p++;
    BOOL bNegative = FALSE;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return FALSE;

    unsigned nBase = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && isxdigit(static_cast<unsigned char>(p[2])))
    {
        nBase = 16;
        p += 2;
    }
    else if (p[0] == '0')
        nBase = 8;

    nValue = 0;
    for (;; p++)
    {
        unsigned nDigit;
        if (*p >= '0' && *p <= '9')
            nDigit = *p - '0';
        else if (*p >= 'a' && *p <= 'f')
            nDigit = *p - 'a' + 10;
        else if (*p >= 'A' && *p <= 'F')
            nDigit = *p - 'A' + 10;
        else
            break;
        if (nDigit >= nBase)
            break;
        nValue = nValue * nBase + nDigit;
    }
    if (bNegative)
        nValue = 0u - nValue;
    return TRUE;
}
} // namespace

CXTPOffice2007StyleResources::CXTPOffice2007StyleResources()
    : m_hModule(nullptr), m_pTextStart(nullptr), m_pTextEnd(nullptr), m_bOwnsModule(FALSE)
{
    m_mapImages.InitHashTable(199, FALSE);

    HINSTANCE hInstance = AfxGetInstanceHandle();
    SetHandle(hInstance, nullptr, FALSE);
    if (IsLoaded())
        return;

    char szPath[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
    CString strPath(szPath);
    int nSlash = strPath.ReverseFind('\\');
    if (nSlash >= 0)
        strPath = strPath.Left(nSlash);
    strPath += "\\Styles\\Office2007Blue.dll";
    LoadStyleModule(strPath, nullptr);
}

CXTPOffice2007StyleResources::~CXTPOffice2007StyleResources()
{
    RemoveAllImages();
    if (m_hModule && m_bOwnsModule)
        ::FreeLibrary(m_hModule);
}

void CXTPOffice2007StyleResources::LoadStyleModule(LPCSTR lpszPath, LPCSTR lpszTextName)
{
    HMODULE hModule = lpszPath ? ::LoadLibraryA(lpszPath) : nullptr;
    if (hModule)
    {
        m_strModulePath = lpszPath;
        SetHandle(hModule, lpszTextName, TRUE);
    }
    else
    {
        SetHandle(AfxGetInstanceHandle(), lpszTextName, FALSE);
    }
}

BOOL CXTPOffice2007StyleResources::SetHandle(HMODULE hModule, LPCSTR lpszTextName, BOOL bOwnsModule)
{
    // A module set again over itself must stay loaded until it is held anew.
    HMODULE hOldModule = (m_hModule && m_bOwnsModule) ? m_hModule : nullptr;
    BOOL bNamed = lpszTextName && *lpszTextName;
    CString strName = bNamed ? lpszTextName : kDefaultTextName;
    strName.Replace('.', '_');

    m_hModule = hModule;
    m_bOwnsModule = bOwnsModule;
    m_pTextStart = m_pTextEnd = nullptr;
    if (hOldModule)
        ::FreeLibrary(hOldModule);

    HRSRC hResource = hModule ? ::FindResourceA(hModule, strName, kTextType) : nullptr;
    if (!hResource && hModule && !bNamed)
    {
        FirstResourceName first;
        ::EnumResourceNamesA(hModule, kTextType, TakeFirstName,
                             reinterpret_cast<LONG_PTR>(&first));
        if (first.bFound)
            hResource = ::FindResourceA(hModule, first.lpszId ? first.lpszId : (LPCSTR)first.strName,
                                        kTextType);
    }
    if (!hResource)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hModule, hResource);
    const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr;
    if (!pData)
        return FALSE;

    DWORD cbSize = ::SizeofResource(hModule, hResource) & ~1u;
    m_pTextStart = static_cast<const WCHAR*>(pData);
    m_pTextEnd = m_pTextStart + cbSize / sizeof(WCHAR);
    RemoveAllImages();
    return TRUE;
}

BOOL CXTPOffice2007StyleResources::IsLoaded() const
{
    return m_pTextStart != nullptr;
}

CString CXTPOffice2007StyleResources::GetValue(LPCSTR lpszSection, LPCSTR lpszKey) const
{
    CString strSection(lpszSection ? lpszSection : "");
    CString strKey(lpszKey ? lpszKey : "");
    strSection.MakeUpper();
    strKey.MakeUpper();
    if (!m_pTextStart)
        return CString();

    // The text ends at its first zero character.
    const WCHAR* pEnd = m_pTextStart;
    while (pEnd < m_pTextEnd && *pEnd != 0)
        pEnd++;

    BOOL bInSection = FALSE;
    const WCHAR* pLine = m_pTextStart;
    for (;;)
    {
        // Only lines ended by a carriage return count.
        const WCHAR* pCR = pLine;
        while (pCR < pEnd && *pCR != L'\r')
            pCR++;
        if (pCR >= pEnd)
            break;
        CString strLine = NarrowLine(pLine, pCR);
        pLine = pCR + 1;
        if (pLine < pEnd && *pLine == L'\n')
            pLine++;

        strLine.TrimLeft();
        if (strLine.IsEmpty() || strLine[0] == ';')
            continue;
        int nComment = strLine.Find(';');
        if (nComment >= 0)
            strLine = strLine.Left(nComment);
        strLine.MakeUpper();

        if (strLine[0] == '[')
        {
            if (bInSection)
                break;
            int nLength = strLine.GetLength();
            CString strName = nLength >= 2 ? strLine.Mid(1, nLength - 2) : CString();
            bInSection = strName == strSection;
            continue;
        }
        if (!bInSection)
            continue;
        int nEquals = strLine.Find('=');
        if (nEquals <= 0)
            continue;
        CString strLineKey = strLine.Left(nEquals);
        strLineKey.TrimRight();
        if (strLineKey == strKey)
        {
            CString strValue = strLine.Mid(nEquals + 1);
            strValue.Trim();
            return strValue;
        }
    }
    return CString();
}

COLORREF CXTPOffice2007StyleResources::LookupColor(LPCSTR lpszSection, LPCSTR lpszKey) const
{
    CString strValue = GetValue(lpszSection, lpszKey);
    if (strValue.IsEmpty())
        return 0xFFFFFFFF;

    unsigned nRGB[3] = {0, 0, 0};
    const char* p = strValue;
    for (unsigned& nPart : nRGB)
    {
        if (!ReadInteger(p, nPart))
            break;
    }
    return RGB(nRGB[0] & 0xFF, nRGB[1] & 0xFF, nRGB[2] & 0xFF);
}

CXTPOffice2007Image* CXTPOffice2007StyleResources::GetImage(LPCSTR lpszName)
{
    if (!m_hModule || !lpszName)
        return nullptr;
    void* pCached = nullptr;
    if (m_mapImages.Lookup(lpszName, pCached))
        return static_cast<CXTPOffice2007Image*>(pCached);

    CXTPOffice2007Image* pImage = LoadImage(lpszName);
    if (pImage)
        m_mapImages.SetAt(lpszName, pImage);
    return pImage;
}

CXTPOffice2007Image* CXTPOffice2007StyleResources::LoadImage(LPCSTR lpszName)
{
    CString strName(lpszName);
    CString strAlias = GetValue("Images", lpszName);
    if (!strAlias.IsEmpty())
        strName = strAlias;
    strName.Replace('.', '_');
    strName.Replace('\\', '_');

    CXTPOffice2007Image* pImage = new CXTPOffice2007Image();
    if (!pImage->LoadFromResource(m_hModule, strName))
    {
        delete pImage;
        return nullptr;
    }
    return pImage;
}

void CXTPOffice2007StyleResources::RemoveAllImages()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        CString strName;
        void* pImage = nullptr;
        m_mapImages.GetNextAssoc(pos, strName, pImage);
        delete static_cast<CXTPOffice2007Image*>(pImage);
    }
    m_mapImages.RemoveAll();
}

namespace
{
CXTPOffice2007StyleResources* s_pStyleResources = nullptr;

void DestroyStyleResources()
{
    delete s_pStyleResources;
    s_pStyleResources = nullptr;
}
} // namespace

CXTPOffice2007StyleResources* GetOffice2007StyleResources()
{
    if (!s_pStyleResources)
    {
        s_pStyleResources = new CXTPOffice2007StyleResources();
        atexit(DestroyStyleResources);
    }
    return s_pStyleResources;
}
