#include "app/AutoSave.h"

#include "app/Settings.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/Document.h"
#include "framework/ui/Wnd.h"

void QivRestartAutoSave(CWnd* pFrame)
{
    pFrame->KillTimer(kAutoSaveTimerId);
    if (QivSettings::IsOn(QivSettings::AutoSave))
        pFrame->SetTimer(kAutoSaveTimerId, QivSettings::GetAutoSaveIntervalMs());
}

void QivOnAutoSaveTimer(CWnd* pFrame, CDocument* pDocument)
{
    if (!pDocument || !pDocument->IsModified() || pDocument->GetPathName().IsEmpty())
        return;
    if (!pFrame->IsWindowEnabled())
        return;
    pFrame->PostMessage(WM_COMMAND, ID_FILE_SAVE);
}
