#include "framework/core/Module.h"

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    static AFX_MODULE_STATE state;
    if (!state.m_hCurrentInstanceHandle)
        state.m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
    if (!state.m_hCurrentResourceHandle)
        state.m_hCurrentResourceHandle = state.m_hCurrentInstanceHandle;
    return &state;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hRes = AfxGetResourceHandle();
    if (hRes && ::FindResourceA(hRes, lpszName, lpszType))
        return hRes;
    HINSTANCE hInst = AfxGetInstanceHandle();
    return ::FindResourceA(hInst, lpszName, lpszType) ? hInst : hRes;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    return AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6) /* RT_STRING */);
}
