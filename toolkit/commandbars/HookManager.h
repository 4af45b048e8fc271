// CXTPHookManager: subclasses windows on behalf of hook-able objects
// (HookManagerHookAble.h) and offers them each message before the window's
// own procedure gets it. One instance serves the process; its calls come
// from the thread that owns the windows.
//
// Objects may unhook themselves, be deleted or destroy the window while a
// message is offered to them, so a message is offered from a copy of the
// object list, objects that left meanwhile are skipped, and a sink that is
// taken away during its own dispatch is deleted only when that dispatch has
// returned.
//
// When a window is unhooked after someone else subclassed it on top of the
// hook, writing the saved procedure back would cut the later subclasser
// off. The hook procedure then stays in the chain as a pass-through to the
// saved procedure, until the window is destroyed or the hook procedure is
// on top again.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Map.h"
#include "framework/core/ProcessLocal.h"

class CXTPHookManagerHookAble;

class CXTPHookManager : public CNoTrackObject
{
public:
    // One hooked window: its objects in the order they were added, and the
    // window procedure it had before it was subclassed.
    class CHookSink
    {
    public:
        HWND GetHwnd() const { return m_hWnd; }
        WNDPROC GetOldWndProc() const { return m_pfnOldWndProc; }
        INT_PTR GetCount() const { return m_arrHookAbles.GetSize(); }
        CXTPHookManagerHookAble* GetAt(INT_PTR nIndex) const { return m_arrHookAbles[nIndex]; }
        INT_PTR Find(const CXTPHookManagerHookAble* pHookAble) const;

    private:
        friend class CXTPHookManager;
        explicit CHookSink(HWND hWnd);

        HWND m_hWnd;
        WNDPROC m_pfnOldWndProc;
        CArray<CXTPHookManagerHookAble*, CXTPHookManagerHookAble*> m_arrHookAbles;
        int m_nDispatchDepth;   // messages of this sink being offered now
        BOOL m_bDetached;       // left the map while being dispatched
    };

    CXTPHookManager();
    // Unhooks every window still hooked.
    ~CXTPHookManager() override;
    CXTPHookManager(const CXTPHookManager&) = delete;
    CXTPHookManager& operator=(const CXTPHookManager&) = delete;

    // Adds the object to the window's sink, subclassing the window with the
    // first one; an object already in the sink is not added again.
    void SetHook(HWND hWnd, CXTPHookManagerHookAble* pHookAble);
    // Takes the object out of the window's sink; the last one out unhooks
    // the window.
    void RemoveHook(HWND hWnd, CXTPHookManagerHookAble* pHookAble);
    // Takes the object out of every sink.
    void RemoveAll(CXTPHookManagerHookAble* pHookAble);
    // Unhooks the window, whatever objects its sink holds.
    void RemoveWindow(HWND hWnd);

    // The window's sink; null when the window is not hooked.
    CHookSink* Lookup(HWND hWnd) const;
    // The window procedure every hooked window gets.
    static WNDPROC GetHookWndProc() { return &HookWndProc; }

private:
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(CHookSink* pSink, UINT nMessage, WPARAM wParam, LPARAM lParam);
    // A window that left the hook under a later subclasser.
    LRESULT PassThrough(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Takes the sink out of the map, gives the window its procedure back (or
    // leaves a pass-through) and deletes the sink unless it is dispatching.
    void DetachSink(CHookSink* pSink);

    CMap<HWND, HWND, CHookSink*, CHookSink*> m_mapSinks;
    CMap<HWND, HWND, WNDPROC, WNDPROC> m_mapPassThrough;
};

// The process's hook manager, made on first use.
CXTPHookManager* AFXAPI XTPHookManager();
