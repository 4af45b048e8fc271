// The module state: which instance the program is and where its resources
// come from. The application object fills it at start-up; until then both
// handles are the executable's.
#pragma once

#include "framework/core/AfxWin.h"

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    LPCSTR m_lpszCurrentAppName = nullptr;
};

AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds a resource: the resource module, else the executable.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
