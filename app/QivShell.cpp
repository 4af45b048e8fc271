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
