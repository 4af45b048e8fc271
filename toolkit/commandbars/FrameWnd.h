// CXTPFrameWndBase: a frame that carries command bars. The command bars see
// the frame's messages before the frame itself does (OnFrameWndMsg) and
// its keyboard messages after the frame's own pre-translation; print
// preview hides the bars and suspends the accelerators. CXTPFrameWnd is the
// application's frame base built on it.
#pragma once

#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ShortcutManager.h"

template <class TBase>
class CXTPFrameWndBase : public TBase
{
public:
    CXTPFrameWndBase() = default;
    ~CXTPFrameWndBase() override
    {
        if (m_pCommandBars)
            m_pCommandBars->InternalRelease();
    }

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    // Makes the frame's command bars (of the class) with their four dock
    // bars; the frame's window must exist. FALSE when the class makes no
    // command bars.
    BOOL InitCommandBars(CRuntimeClass* pCommandBarsClass = RUNTIME_CLASS(CXTPCommandBars))
    {
        if (m_pCommandBars)
            return TRUE;
        CObject* pObject = pCommandBarsClass ? pCommandBarsClass->CreateObject() : nullptr;
        if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CXTPCommandBars)))
        {
            delete pObject;
            return FALSE;
        }
        m_pCommandBars = static_cast<CXTPCommandBars*>(pObject);
        m_pCommandBars->SetSite(this);
        m_pCommandBars->CreateDockBars();
        return TRUE;
    }

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override
    {
        if (!TBase::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
            return FALSE;
        // The shortcut manager's table replaces the frame's own.
        if (m_pCommandBars && m_pCommandBars->GetShortcutManager()->GetOriginalAccelTable())
            this->m_hAccelTable = nullptr;
        return TRUE;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        // Typing in a bar's edit field is no accelerator; Enter, Tab and Esc still are.
        if (m_pCommandBars && m_pCommandBars->IsKeyForFocusedEdit(pMsg))
            return FALSE;
        if (TBase::PreTranslateMessage(pMsg))
            return TRUE;
        return m_pCommandBars && m_pCommandBars->PreTranslateFrameMessage(pMsg);
    }

    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override
    {
        if (m_pCommandBars)
            m_pCommandBars->SetPreviewMode(bPreview);
        TBase::OnSetPreviewMode(bPreview, pState);
    }

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (m_pCommandBars && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
            return TRUE;
        return TBase::OnWndMsg(message, wParam, lParam, pResult);
    }

    CXTPCommandBars* m_pCommandBars = nullptr;
};

class CXTPFrameWnd : public CXTPFrameWndBase<CFrameWnd>
{
    DECLARE_DYNCREATE(CXTPFrameWnd)
};
