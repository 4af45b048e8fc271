#include "toolkit/extras/ThemeManager.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"

namespace {

// The factories' map is small: a handful of themed window kinds.
const UINT FACTORY_HASH_SIZE = 10;

CProcessLocal<CXTThemeManager> g_themeManager;

} // namespace

CXTThemeManager* GetThemeManager()
{
    return g_themeManager.GetData();
}

// ---- manager ----------------------------------------------------------------

CXTThemeManager::CXTThemeManager()
    : m_nTheme(0)
    , m_pFirstFactory(nullptr)
{
    m_mapFactories.InitHashTable(FACTORY_HASH_SIZE, FALSE);
}

CXTThemeManager::~CXTThemeManager()
{
    // Each factory unlinks itself from the list while it goes.
    while (m_pFirstFactory != nullptr)
        delete m_pFirstFactory;
    m_mapFactories.RemoveAll();
}

CXTThemeManagerStyleFactory* CXTThemeManager::GetFactory(CRuntimeClass* pFactoryClass)
{
    if (pFactoryClass == nullptr
        || !pFactoryClass->IsDerivedFrom(RUNTIME_CLASS(CXTThemeManagerStyleFactory)))
        return nullptr;
    void* pFound = nullptr;
    if (m_mapFactories.Lookup(pFactoryClass, pFound))
        return static_cast<CXTThemeManagerStyleFactory*>(pFound);

    CObject* pObject = nullptr;
    try
    {
        pObject = pFactoryClass->CreateObject();
    }
    catch (CException* e)
    {
        e->Delete();
        return nullptr;
    }
    auto* pFactory = static_cast<CXTThemeManagerStyleFactory*>(pObject);
    if (pFactory != nullptr)
        m_mapFactories.SetAt(pFactoryClass, pFactory);
    return pFactory;
}

void CXTThemeManager::RefreshAll()
{
    for (CXTThemeManagerStyleFactory* p = m_pFirstFactory; p != nullptr; p = p->m_pNextFactory)
        p->RefreshStyle();
}

// ---- factory ----------------------------------------------------------------

IMPLEMENT_DYNCREATE(CXTThemeManagerStyleFactory, CObject)

CXTThemeManagerStyleFactory::CXTThemeManagerStyleFactory()
    : m_pStyle(nullptr)
    , m_pFirstHost(nullptr)
    , m_pNextFactory(nullptr)
{
    CXTThemeManager* pManager = GetThemeManager();
    m_pNextFactory = pManager->m_pFirstFactory;
    pManager->m_pFirstFactory = this;
}

CXTThemeManagerStyleFactory::~CXTThemeManagerStyleFactory()
{
    delete m_pStyle;
    m_pStyle = nullptr;

    // Hosts still bound fall back to having no shared factory.
    while (m_pFirstHost != nullptr)
    {
        CXTThemeManagerStyleHost* pHost = m_pFirstHost;
        m_pFirstHost = pHost->m_pNextHost;
        pHost->m_pNextHost = nullptr;
        pHost->m_pSharedFactory = nullptr;
    }

    CXTThemeManager* pManager = GetThemeManager();
    for (CXTThemeManagerStyleFactory** pp = &pManager->m_pFirstFactory; *pp != nullptr;
         pp = &(*pp)->m_pNextFactory)
    {
        if (*pp == this)
        {
            *pp = m_pNextFactory;
            break;
        }
    }
    void* pFound = nullptr;
    if (pManager->m_mapFactories.Lookup(GetRuntimeClass(), pFound) && pFound == this)
        pManager->m_mapFactories.RemoveKey(GetRuntimeClass());
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::GetStyle()
{
    if (m_pStyle == nullptr)
    {
        int nTheme = GetThemeManager()->GetTheme();
        m_pStyle = MakeStyle(nTheme);
        if (m_pStyle != nullptr)
        {
            m_pStyle->m_pFactory = this;
            m_pStyle->m_nTheme = nTheme;
            m_pStyle->RefreshColors();
        }
    }
    return m_pStyle;
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::MakeStyle(int)
{
    return nullptr;
}

void CXTThemeManagerStyleFactory::RefreshStyle()
{
    if (m_pStyle != nullptr)
        m_pStyle->RefreshColors();
}

// ---- host -------------------------------------------------------------------

CXTThemeManagerStyleHost::CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass)
    : m_bOwnPrivateFactory(FALSE)
    , m_pFactoryClass(nullptr)
    , m_pPrivateFactory(nullptr)
    , m_pSharedFactory(nullptr)
    , m_pNextHost(nullptr)
{
    SetFactoryClass(pFactoryClass);
}

CXTThemeManagerStyleHost::~CXTThemeManagerStyleHost()
{
    Unbind();
    FreePrivateFactory();
}

CXTThemeManagerStyleFactory* CXTThemeManagerStyleHost::CreateFactoryObject()
{
    if (m_pFactoryClass == nullptr)
        return nullptr;
    return static_cast<CXTThemeManagerStyleFactory*>(m_pFactoryClass->CreateObject());
}

void CXTThemeManagerStyleHost::OnThemeChanged()
{
}

void CXTThemeManagerStyleHost::SetFactoryClass(CRuntimeClass* pFactoryClass)
{
    Unbind();
    m_pFactoryClass = pFactoryClass;
    Bind(GetThemeManager()->GetFactory(pFactoryClass));
}

void CXTThemeManagerStyleHost::SetPrivateFactory(CXTThemeManagerStyleFactory* pFactory, BOOL bOwn)
{
    if (pFactory != m_pPrivateFactory)
        FreePrivateFactory();
    m_pPrivateFactory = pFactory;
    m_bOwnPrivateFactory = pFactory != nullptr && bOwn;
    OnThemeChanged();
}

CXTThemeManagerStyle* CXTThemeManagerStyleHost::GetStyle() const
{
    if (m_pPrivateFactory != nullptr)
        return m_pPrivateFactory->GetStyle();
    return m_pSharedFactory != nullptr ? m_pSharedFactory->GetStyle() : nullptr;
}

void CXTThemeManagerStyleHost::Bind(CXTThemeManagerStyleFactory* pFactory)
{
    m_pSharedFactory = pFactory;
    if (pFactory != nullptr)
    {
        m_pNextHost = pFactory->m_pFirstHost;
        pFactory->m_pFirstHost = this;
    }
}

void CXTThemeManagerStyleHost::Unbind()
{
    if (m_pSharedFactory == nullptr)
        return;
    for (CXTThemeManagerStyleHost** pp = &m_pSharedFactory->m_pFirstHost; *pp != nullptr;
         pp = &(*pp)->m_pNextHost)
    {
        if (*pp == this)
        {
            *pp = m_pNextHost;
            break;
        }
    }
    m_pNextHost = nullptr;
    m_pSharedFactory = nullptr;
}

void CXTThemeManagerStyleHost::FreePrivateFactory()
{
    if (m_bOwnPrivateFactory)
        delete m_pPrivateFactory;
    m_pPrivateFactory = nullptr;
    m_bOwnPrivateFactory = FALSE;
}

// ---- style ------------------------------------------------------------------

CXTThemeManagerStyle::CXTThemeManagerStyle()
    : m_pFactory(nullptr)
    , m_nTheme(0)
{
}

CXTThemeManagerStyle::~CXTThemeManagerStyle() = default;

void CXTThemeManagerStyle::RefreshColors()
{
}

BOOL CXTThemeManagerStyle::CaptureParentBackground(CWnd* pWnd)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->m_hWnd))
        return FALSE;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr || !::IsWindow(pParent->m_hWnd))
        return FALSE;

    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    m_bmpParentBackground.DeleteObject();

    CClientDC dcParent(pParent);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcParent)
        || !m_bmpParentBackground.CreateCompatibleBitmap(&dcParent, rect.Width(), rect.Height()))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpParentBackground);
    dcMem.BitBlt(0, 0, rect.Width(), rect.Height(), &dcParent, rect.left, rect.top, SRCCOPY);
    dcMem.SelectObject(pOld);
    return TRUE;
}

BOOL CXTThemeManagerStyle::DrawParentBackground(CDC* pDC, CWnd* pWnd)
{
    if (pDC == nullptr || pWnd == nullptr || !(pWnd->GetExStyle() & WS_EX_TRANSPARENT))
        return FALSE;
    if (!CaptureParentBackground(pWnd))
        return FALSE;
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&m_bmpParentBackground);
    pDC->BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
    return TRUE;
}
