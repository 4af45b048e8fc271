// COleDropTarget: makes a window a place where dragged data can be dropped.
// Registered for a window, it hands the drag's steps (enter, over, leave,
// drop) to its own overridables, which by default pass them on to the
// window when it is a view (CView::OnDragEnter and so on). Points are in
// the window's client coordinates; effects the drag's source does not
// allow are replaced (copy for move and back) or refused.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/DropEffect.h"

class COleDataObject;
class CWnd;

class COleDropTarget : public CCmdTarget
{
public:
    COleDropTarget();
    // Revokes a registration that is still in place.
    ~COleDropTarget() override;

    // FALSE when the system refuses (OLE not started, or the window is
    // registered already).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // TRUE when something was dropped.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    // A drop that decides its effect itself; (DROPEFFECT)-1 leaves it to
    // OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);

    // The interface the system calls during a drag (no reference added).
    IDropTarget* GetIDropTarget();
    HWND GetRegisteredWindow() const;

protected:
    LPUNKNOWN GetInterfaceHook(const void* iid) override;
    CWnd* GetTargetWnd() const;
    CPoint ClientPoint(POINTL pt) const;

    HWND m_hWnd = nullptr;
    LPDATAOBJECT m_lpDataObject = nullptr;   // the data of the drag under way

    class XDropTarget : public IDropTarget
    {
    public:
        explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(DragEnter)(LPDATAOBJECT pDataObj, DWORD grfKeyState, POINTL pt,
                             LPDWORD pdwEffect) override;
        STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, LPDWORD pdwEffect) override;
        STDMETHOD(DragLeave)() override;
        STDMETHOD(Drop)(LPDATAOBJECT pDataObj, DWORD grfKeyState, POINTL pt,
                        LPDWORD pdwEffect) override;

    private:
        COleDropTarget* m_pOwner;
    };
    XDropTarget m_xDropTarget;
};
