#include "model/ShellServices.h"

namespace {

CQivShellServices*& InstalledServices()
{
    static CQivShellServices* pServices = nullptr;
    return pServices;
}

} // namespace

void CQivShellServices::PlaySoundEvent(LPCSTR)
{
}

HWND CQivShellServices::GetTextEditor()
{
    return nullptr;
}

void CQivShellServices::StoreCurrentEntryText()
{
}

void CQivShellServices::CloseSearchWindow()
{
}

HWND CQivShellServices::GetTreeWindow()
{
    return nullptr;
}

void CQivShellServices::OnItemExpanding(HTREEITEM, UINT)
{
}

BOOL CQivShellServices::FindTextInEditor(LPCSTR, BOOL, BOOL)
{
    return FALSE;
}

CQivShellServices& QivGetShellServices()
{
    static CQivShellServices noServices;
    CQivShellServices* pServices = InstalledServices();
    return pServices ? *pServices : noServices;
}

void QivSetShellServices(CQivShellServices* pServices)
{
    InstalledServices() = pServices;
}
