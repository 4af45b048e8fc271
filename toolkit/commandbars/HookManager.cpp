#include "toolkit/commandbars/HookManager.h"

#include "framework/ui/ThreadState.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

#include <vector>

namespace {

WNDPROC CurrentWndProc(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

WNDPROC ReplaceWndProc(HWND hWnd, WNDPROC pfnWndProc)
{
    return reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnWndProc)));
}

// Puts the message into the thread's current-message record for the time of
// one call, as the framework's own window procedure does.
class CCurrentMessageScope
{
public:
    CCurrentMessageScope(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
        : m_pState(AfxGetThreadState())
        , m_msgOld(m_pState->m_lastSentMsg)
    {
        m_pState->m_lastSentMsg.hwnd = hWnd;
        m_pState->m_lastSentMsg.message = nMessage;
        m_pState->m_lastSentMsg.wParam = wParam;
        m_pState->m_lastSentMsg.lParam = lParam;
    }
    ~CCurrentMessageScope() { m_pState->m_lastSentMsg = m_msgOld; }
    CCurrentMessageScope(const CCurrentMessageScope&) = delete;
    CCurrentMessageScope& operator=(const CCurrentMessageScope&) = delete;

private:
    AFX_THREAD_STATE* m_pState;
    MSG m_msgOld;
};

} // namespace

CXTPHookManager::CHookSink::CHookSink(HWND hWnd)
    : m_hWnd(hWnd)
    , m_pfnOldWndProc(nullptr)
    , m_nDispatchDepth(0)
    , m_bDetached(FALSE)
{
}

INT_PTR CXTPHookManager::CHookSink::Find(const CXTPHookManagerHookAble* pHookAble) const
{
    for (INT_PTR i = 0; i < m_arrHookAbles.GetSize(); ++i)
    {
        if (m_arrHookAbles[i] == pHookAble)
            return i;
    }
    return -1;
}

CXTPHookManager::CXTPHookManager()
{
    m_mapSinks.InitHashTable(17);
}

CXTPHookManager::~CXTPHookManager()
{
    while (!m_mapSinks.IsEmpty())
    {
        POSITION pos = m_mapSinks.GetStartPosition();
        HWND hWnd = nullptr;
        CHookSink* pSink = nullptr;
        m_mapSinks.GetNextAssoc(pos, hWnd, pSink);
        DetachSink(pSink);
    }
}

CXTPHookManager::CHookSink* CXTPHookManager::Lookup(HWND hWnd) const
{
    CHookSink* pSink = nullptr;
    return m_mapSinks.Lookup(hWnd, pSink) ? pSink : nullptr;
}

void CXTPHookManager::SetHook(HWND hWnd, CXTPHookManagerHookAble* pHookAble)
{
    if (!pHookAble || !::IsWindow(hWnd))
        return;
    CHookSink* pSink = Lookup(hWnd);
    if (pSink)
    {
        if (pSink->Find(pHookAble) < 0)
            pSink->m_arrHookAbles.Add(pHookAble);
        return;
    }

    pSink = new CHookSink(hWnd);
    WNDPROC pfnSaved = nullptr;
    if (m_mapPassThrough.Lookup(hWnd, pfnSaved))
    {
        // The hook procedure still sits in the window's chain: use it again.
        pSink->m_pfnOldWndProc = pfnSaved;
        m_mapPassThrough.RemoveKey(hWnd);
    }
    else
    {
        pSink->m_pfnOldWndProc = ReplaceWndProc(hWnd, &HookWndProc);
        if (!pSink->m_pfnOldWndProc)
        {
            delete pSink;
            return;
        }
    }
    pSink->m_arrHookAbles.Add(pHookAble);
    m_mapSinks.SetAt(hWnd, pSink);
}

void CXTPHookManager::RemoveHook(HWND hWnd, CXTPHookManagerHookAble* pHookAble)
{
    CHookSink* pSink = Lookup(hWnd);
    if (!pSink)
        return;
    INT_PTR nIndex = pSink->Find(pHookAble);
    if (nIndex < 0)
        return;
    pSink->m_arrHookAbles.RemoveAt(nIndex);
    if (pSink->m_arrHookAbles.IsEmpty())
        DetachSink(pSink);
}

void CXTPHookManager::RemoveAll(CXTPHookManagerHookAble* pHookAble)
{
    // Collected first: detaching changes the map being walked.
    std::vector<HWND> windows;
    POSITION pos = m_mapSinks.GetStartPosition();
    while (pos)
    {
        HWND hWnd = nullptr;
        CHookSink* pSink = nullptr;
        m_mapSinks.GetNextAssoc(pos, hWnd, pSink);
        if (pSink->Find(pHookAble) >= 0)
            windows.push_back(hWnd);
    }
    for (HWND hWnd : windows)
        RemoveHook(hWnd, pHookAble);
}

void CXTPHookManager::RemoveWindow(HWND hWnd)
{
    if (CHookSink* pSink = Lookup(hWnd))
        DetachSink(pSink);
}

void CXTPHookManager::DetachSink(CHookSink* pSink)
{
    HWND hWnd = pSink->m_hWnd;
    m_mapSinks.RemoveKey(hWnd);
    pSink->m_arrHookAbles.RemoveAll();
    if (::IsWindow(hWnd))
    {
        if (CurrentWndProc(hWnd) == &HookWndProc)
            ReplaceWndProc(hWnd, pSink->m_pfnOldWndProc);
        else
            m_mapPassThrough.SetAt(hWnd, pSink->m_pfnOldWndProc);
    }
    if (pSink->m_nDispatchDepth > 0)
        pSink->m_bDetached = TRUE;
    else
        delete pSink;
}

LRESULT CALLBACK CXTPHookManager::HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                              LPARAM lParam)
{
    CCurrentMessageScope current(hWnd, nMessage, wParam, lParam);
    CXTPHookManager* pManager = XTPHookManager();
    CHookSink* pSink = pManager->Lookup(hWnd);
    if (!pSink)
        return pManager->PassThrough(hWnd, nMessage, wParam, lParam);

    if (nMessage == WM_NCDESTROY)
    {
        // The window gets its own procedure back before it sees its last
        // message.
        WNDPROC pfnOld = pSink->m_pfnOldWndProc;
        pManager->DetachSink(pSink);
        LRESULT lResult = ::CallWindowProcA(pfnOld, hWnd, nMessage, wParam, lParam);
        pManager->m_mapPassThrough.RemoveKey(hWnd);
        return lResult;
    }
    return pManager->Dispatch(pSink, nMessage, wParam, lParam);
}

LRESULT CXTPHookManager::Dispatch(CHookSink* pSink, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = pSink->m_hWnd;
    const std::vector<CXTPHookManagerHookAble*> snapshot(
        pSink->m_arrHookAbles.GetData(), pSink->m_arrHookAbles.GetData() + pSink->GetCount());

    ++pSink->m_nDispatchDepth;
    BOOL bHandled = FALSE;
    LRESULT lResult = 0;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
    {
        // Objects that left the sink meanwhile (perhaps deleted) are skipped.
        if (pSink->Find(*it) < 0)
            continue;
        LRESULT lObjectResult = 0;
        int nAnswer = (*it)->OnHookMessage(hWnd, nMessage, wParam, lParam, lObjectResult);
        if (nAnswer == CXTPHookManagerHookAble::hookHandled)
        {
            bHandled = TRUE;
            lResult = lObjectResult;
            break;
        }
        if (nAnswer == CXTPHookManagerHookAble::hookPassOn)
            break;
    }
    --pSink->m_nDispatchDepth;

    WNDPROC pfnOld = pSink->m_pfnOldWndProc;
    if (pSink->m_bDetached && pSink->m_nDispatchDepth == 0)
        delete pSink;
    if (bHandled)
        return lResult;
    // A window destroyed by an object has nothing left to handle the message.
    if (!::IsWindow(hWnd))
        return 0;
    return ::CallWindowProcA(pfnOld, hWnd, nMessage, wParam, lParam);
}

LRESULT CXTPHookManager::PassThrough(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnSaved = nullptr;
    if (!m_mapPassThrough.Lookup(hWnd, pfnSaved))
        return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
    if (nMessage == WM_NCDESTROY)
        m_mapPassThrough.RemoveKey(hWnd);
    else if (CurrentWndProc(hWnd) == &HookWndProc)
    {
        // The later subclasser has left: the window gets its procedure back.
        ReplaceWndProc(hWnd, pfnSaved);
        m_mapPassThrough.RemoveKey(hWnd);
    }
    return ::CallWindowProcA(pfnSaved, hWnd, nMessage, wParam, lParam);
}

CXTPHookManager* AFXAPI XTPHookManager()
{
    static CProcessLocal<CXTPHookManager> s_hookManager;
    return s_hookManager.GetData();
}
