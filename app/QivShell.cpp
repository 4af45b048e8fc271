#include "app/QivShell.h"

#include "framework/ui/FrameWnd.h"
#include "framework/ui/View.h"

IQivShell* QivShellOf(const CWnd* pWnd)
{
    if (!pWnd)
        return nullptr;
    return dynamic_cast<IQivShell*>(pWnd->GetParentFrame());
}

HWND QivTextEditorOf(IQivShell* pShell)
{
    if (!pShell)
        return nullptr;
    CView* pTextView = pShell->GetTextView();
    return pTextView ? pTextView->GetSafeHwnd() : nullptr;
}

void QivStoreEditedEntryText(IQivShell* pShell)
{
    HWND hEditor = QivTextEditorOf(pShell);
    if (hEditor && ::SendMessageA(hEditor, EM_GETMODIFY, 0, 0))
        pShell->StoreCurrentEntryText();
}

void QivParkShortcuts(CWnd* pView, HACCEL* phSaved)
{
    if (CFrameWnd* pFrame = pView->GetParentFrame()) {
        *phSaved = pFrame->m_hAccelTable;
        pFrame->m_hAccelTable = nullptr;
    }
    if (IQivShell* pShell = QivShellOf(pView))
        pShell->SuspendShortcuts(TRUE);
}

void QivRestoreShortcuts(CWnd* pView, HACCEL* phSaved)
{
    if (CFrameWnd* pFrame = pView->GetParentFrame())
        pFrame->m_hAccelTable = *phSaved;
    *phSaved = nullptr;
    if (IQivShell* pShell = QivShellOf(pView))
        pShell->SuspendShortcuts(FALSE);
}

BOOL QivIsItemDeleteKey(UINT nChar, UINT nFlags)
{
    // The repeat and previous-state bits of a key held down do not count.
    return nChar == VK_DELETE && (nFlags & 0x1FF) == 0x153;
}
