#include "common/ShellLinks.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

} // namespace

CRedirectedFolder::CRedirectedFolder(LPCSTR lpszValue, LPCSTR lpszLeaf) : m_strValue(lpszValue)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strPath = CString(szTemp) + lpszLeaf;
    ::CreateDirectoryA(m_strPath, nullptr);
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_hKey,
                      nullptr);
    char szOld[MAX_PATH] = {};
    DWORD cb = sizeof szOld;
    DWORD dwType = 0;
    m_bHadValue = ::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType, reinterpret_cast<BYTE*>(szOld), &cb)
        == ERROR_SUCCESS;
    m_dwOldType = dwType;
    m_strOld = szOld;
    ::RegSetValueExA(m_hKey, lpszValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_strPath.GetString()),
                     m_strPath.GetLength() + 1);
}

CRedirectedFolder::~CRedirectedFolder()
{
    if (m_bHadValue)
        ::RegSetValueExA(m_hKey, m_strValue, 0, m_dwOldType, reinterpret_cast<const BYTE*>(m_strOld.GetString()),
                         m_strOld.GetLength() + 1);
    else
        ::RegDeleteValueA(m_hKey, m_strValue);
    ::RegCloseKey(m_hKey);
}

LinkContents ReadShellLink(const CString& strLinkPath)
{
    LinkContents contents;
    IShellLinkA* pLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&pLink))))
        return contents;
    IPersistFile* pFile = nullptr;
    if (SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile)))) {
        const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strLinkPath, -1, nullptr, 0);
        std::vector<WCHAR> wide(static_cast<size_t>(nWide > 0 ? nWide : 1));
        ::MultiByteToWideChar(CP_ACP, 0, strLinkPath, -1, wide.data(), nWide);
        if (SUCCEEDED(pFile->Load(wide.data(), STGM_READ))) {
            char sz[1024] = {};
            pLink->GetPath(sz, sizeof sz, nullptr, 0);
            contents.path = sz;
            sz[0] = 0;
            pLink->GetArguments(sz, sizeof sz);
            contents.arguments = sz;
            sz[0] = 0;
            pLink->GetIconLocation(sz, sizeof sz, &contents.nIcon);
            contents.iconPath = sz;
        }
        pFile->Release();
    }
    pLink->Release();
    return contents;
}
