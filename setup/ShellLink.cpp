#include "setup/ShellLink.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace {

class CComScope
{
public:
    CComScope() : m_bInitialized(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~CComScope()
    {
        if (m_bInitialized)
            ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    BOOL m_bInitialized;
};

template <class T>
class CInterface
{
public:
    CInterface() = default;
    ~CInterface()
    {
        if (m_p)
            m_p->Release();
    }
    CInterface(const CInterface&) = delete;
    CInterface& operator=(const CInterface&) = delete;
    T* operator->() const { return m_p; }
    void** Out() { return reinterpret_cast<void**>(&m_p); }
    T* m_p = nullptr;
};

} // namespace

BOOL CreateShellLink(LPCSTR lpszLinkPath, LPCSTR lpszWorkingDirectory, LPCSTR lpszTarget,
                     LPCSTR lpszArguments)
{
    CComScope com;
    CInterface<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.Out())))
        return FALSE;
    CInterface<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())))
        return TRUE;
    if (FAILED(link->SetPath(lpszTarget)) || FAILED(link->SetArguments(lpszArguments))
        || FAILED(link->SetWorkingDirectory(lpszWorkingDirectory))
        || FAILED(link->SetShowCmd(SW_SHOWNORMAL)))
        return TRUE;
    // The whole name, however long: the shell decides what it can save.
    const std::wstring linkPath = AfxAnsiToWide(lpszLinkPath);
    if (SUCCEEDED(file->Save(linkPath.c_str(), TRUE)))
        file->SaveCompleted(linkPath.c_str());
    return TRUE;
}
