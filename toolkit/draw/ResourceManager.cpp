#include "toolkit/draw/ResourceManager.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/Menu.h"
#include "framework/ui/ToolBar.h"
#include "framework/ui/MessageBox.h"

CXTPResourceManager::CXTPResourceManager()
    : m_bValid(TRUE)
    , m_hResourceFile(nullptr)
{
}

CXTPResourceManager::~CXTPResourceManager()
{
    Close();
}

BOOL CXTPResourceManager::LoadString(CString* pString, UINT nIDResource)
{
    return pString->LoadString(AfxFindStringResourceHandle(nIDResource), nIDResource);
}

BOOL CXTPResourceManager::LoadMenu(CMenu* pMenu, UINT nIDResource)
{
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return hMenu && pMenu->Attach(hMenu);
}

BOOL CXTPResourceManager::LoadToolBar(CToolBar* pToolBar, UINT nIDResource)
{
    CResourceHandleScope scope;
    return pToolBar->LoadToolBar(nIDResource);
}

BOOL CXTPResourceManager::LoadBitmap(CBitmap* pBitmap, UINT nIDResource)
{
    HBITMAP hBitmap = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    return hBitmap && pBitmap->Attach(hBitmap);
}

HCURSOR CXTPResourceManager::LoadCursor(UINT nIDResource)
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

LPCDLGTEMPLATEA CXTPResourceManager::LoadDialogTemplate(UINT nIDResource)
{
    HGLOBAL hTemplate = LoadDialogResource(MAKEINTRESOURCEA(nIDResource));
    return hTemplate ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

HGLOBAL CXTPResourceManager::LoadDialogResource(LPCSTR lpszTemplateName)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    if (!hInstance)
        return nullptr;
    HRSRC hResource = ::FindResourceA(hInstance, lpszTemplateName, MAKEINTRESOURCEA(5));
    if (!hResource)
        return nullptr;
    return ::LoadResource(hInstance, hResource);
}

BOOL CXTPResourceManager::Close()
{
    if (!m_hResourceFile)
        return FALSE;
    BOOL bResult = ::FreeLibrary(m_hResourceFile);
    m_hResourceFile = nullptr;
    return bResult;
}

int CXTPResourceManager::ShowMessage(UINT nIDMessage, UINT nType)
{
    CString strMessage;
    LoadString(&strMessage, nIDMessage);
    return AfxMessageBox(strMessage, nType, 0);
}

CXTPResourceManager* GetResourceManager()
{
    static CProcessLocal<CXTPResourceManager> s_manager;
    CXTPResourceManager* pManager = s_manager.GetData();
    if (!pManager)
        AfxThrowMemoryException();
    return pManager;
}

CResourceHandleScope::CResourceHandleScope()
    : m_hOldResource(nullptr)
    , m_hOldInstance(nullptr)
    , m_bSwitched(FALSE)
{
    HMODULE hToolkit = GetResourceManager()->GetResourceHandle();
    if (!hToolkit)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_hOldResource = pState->m_hCurrentResourceHandle;
    m_hOldInstance = pState->m_hCurrentInstanceHandle;
    pState->m_hCurrentResourceHandle = hToolkit;
    if (!pState->m_hCurrentInstanceHandle)
        pState->m_hCurrentInstanceHandle = hToolkit;
    m_bSwitched = TRUE;
}

CResourceHandleScope::~CResourceHandleScope()
{
    if (!m_bSwitched)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentResourceHandle = m_hOldResource;
    pState->m_hCurrentInstanceHandle = m_hOldInstance;
}
