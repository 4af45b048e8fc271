// Values are read and written through the wide-character profile calls:
// they take values of any length, where the 8-bit ones cut long values.
#include "toolkit/commandbars/PropExchangeIniFile.h"

#include "toolkit/commandbars/PropExchangeText.h"

#include <string>
#include <vector>

namespace {

std::wstring Wide(LPCSTR psz)
{
    return AfxAnsiToWide(psz ? psz : "");
}

std::wstring Upper(std::wstring text)
{
    if (!text.empty())
        ::CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

CXTPPropExchangeIniFile::CXTPPropExchangeIniFile(BOOL bLoading, LPCSTR pszParentSection,
                                                 LPCSTR pszSection)
    : m_bTempFile(TRUE)
{
    m_bLoading = bLoading;
    m_bEmptied = TRUE;
    if (pszParentSection && *pszParentSection)
        m_strSectionName = CString(pszParentSection) + "\\" + pszSection;
    else
        m_strSectionName = pszSection;
}

CXTPPropExchangeIniFile::~CXTPPropExchangeIniFile()
{
    if (!m_bChild && m_bTempFile && !m_strFileName.IsEmpty())
        ::DeleteFileA(m_strFileName);
}

void CXTPPropExchangeIniFile::AssignFile(LPCSTR pszFileName)
{
    m_strFileName = pszFileName;
    m_bTempFile = FALSE;
    m_bEmptied = FALSE;
}

BOOL CXTPPropExchangeIniFile::Prepare()
{
    if (!m_bPrepared)
    {
        m_bPrepared = TRUE;
        if (m_strFileName.IsEmpty())
        {
            char szPath[MAX_PATH] = {};
            char szFile[MAX_PATH] = {};
            ::GetTempPathA(MAX_PATH, szPath);
            if (::GetTempFileNameA(szPath, "xtp", 0, szFile))
            {
                m_strFileName = szFile;
                m_bTempFile = TRUE;
            }
        }
    }
    return !m_strFileName.IsEmpty();
}

BOOL CXTPPropExchangeIniFile::ReadText(LPCSTR pszName, CString& strText)
{
    std::wstring section = Wide(m_strSectionName);
    std::wstring key = Wide(pszName);
    std::wstring file = Wide(m_strFileName);
    std::vector<wchar_t> buffer(256);
    for (;;)
    {
        DWORD nLength = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"",
                                                   buffer.data(), static_cast<DWORD>(buffer.size()),
                                                   file.c_str());
        if (nLength + 1 < buffer.size())
        {
            strText = AfxWideToAnsi(buffer.data(), static_cast<int>(nLength));
            return nLength > 0;
        }
        // The value filled the buffer: it may go on.
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CXTPPropExchangeIniFile::WriteText(LPCSTR pszName, LPCSTR pszText)
{
    std::wstring text = Wide(pszText);
    return ::WritePrivateProfileStringW(Wide(m_strSectionName).c_str(), Wide(pszName).c_str(),
                                        pszText ? text.c_str() : nullptr,
                                        Wide(m_strFileName).c_str());
}

BOOL CXTPPropExchangeIniFile::ExchangeValue(LPCSTR pszName, int nType, void* pValue,
                                            const void* pDefault)
{
    pDefault = EffectiveDefault(pDefault);
    if (IsStoring())
    {
        if (!Prepare())
            return FALSE;
        if (IsDefaultValue(nType, pValue, pDefault))
        {
            if (!m_bEmptied)
                WriteText(pszName, nullptr);
            return TRUE;
        }
        CString strText;
        if (!ValueToText(TRUE, nType, pValue, strText))
            return FALSE;
        return WriteText(pszName, strText);
    }

    CString strText;
    if (!Prepare() || !ReadText(pszName, strText))
        return CopyTypedValue(nType, pValue, pDefault);
    if (ValueToText(FALSE, nType, pValue, strText))
        return TRUE;
    // A rectangle or size with numbers missing takes the default; any other
    // text that does not convert is refused and the variable keeps its value.
    if (nType == XTP_VT_RECT || nType == XTP_VT_SIZE)
        return CopyTypedValue(nType, pValue, pDefault);
    return FALSE;
}

CXTPPropExchange* CXTPPropExchangeIniFile::OpenSection(LPCSTR pszName)
{
    Prepare();
    CXTPPropExchangeIniFile* pSection =
        new CXTPPropExchangeIniFile(IsLoading(), m_strSectionName, pszName);
    pSection->InitSection(this);
    pSection->m_strFileName = m_strFileName;
    pSection->m_bTempFile = m_bTempFile;
    return pSection;
}

void CXTPPropExchangeIniFile::ClearSection()
{
    if (m_bEmptied || m_strSectionName.IsEmpty() || !Prepare())
        return;
    m_bEmptied = TRUE;

    std::wstring file = Wide(m_strFileName);
    std::vector<wchar_t> names(8000);
    for (;;)
    {
        DWORD nLength = ::GetPrivateProfileSectionNamesW(names.data(),
                                                         static_cast<DWORD>(names.size()),
                                                         file.c_str());
        if (nLength + 2 != names.size())
            break;
        names.resize(names.size() * 2);
    }

    // The profile calls find sections without regard to case, so the names
    // are compared the same way: "[commandbars]" is this section too, and
    // deleting by an exact name would take whichever of the two comes first.
    std::wstring section = Upper(Wide(m_strSectionName));
    std::wstring prefix = section + L"\\";
    for (const wchar_t* pszName = names.data(); *pszName; pszName += wcslen(pszName) + 1)
    {
        std::wstring name = Upper(pszName);
        if (name == section || name.compare(0, prefix.size(), prefix) == 0)
            ::WritePrivateProfileStringW(pszName, nullptr, nullptr, file.c_str());
    }
}
