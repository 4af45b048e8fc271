// The command bars' whole state in the profile under one base name: the
// arrangement of the toolbars (CommandBarsState.h) and, when the site lets
// the user customise controls, the bars' controls as one packed value or a
// side file. Loaded toolbars are merged into the running ones.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/ControlsBlob.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

#include <algorithm>

namespace {

// Popup bars without an id of their own are numbered from here when stored.
const UINT kFirstCollectedBarId = 0x1000000;

std::vector<CXTPCommandBar*> ToolBarList(const CXTPCommandBars* pCommandBars)
{
    std::vector<CXTPCommandBar*> toolbars;
    for (int i = 0; i < pCommandBars->GetCount(); ++i)
        toolbars.push_back(pCommandBars->GetAt(i));
    return toolbars;
}

void ReleaseBars(std::vector<CXTPCommandBar*>& bars)
{
    for (CXTPCommandBar* pBar : bars)
        pBar->InternalRelease();
    bars.clear();
}

// Adds the bar and, depth first, the bars its controls open.
void CollectBar(CXTPCommandBar* pBar, std::vector<CXTPCommandBar*>& bars, UINT& nNextId)
{
    if (!pBar || std::find(bars.begin(), bars.end(), pBar) != bars.end())
        return;
    pBar->InternalAddRef();
    bars.push_back(pBar);
    if (!pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar))
        && (pBar->GetBarID() == 0 || pBar->GetBarID() >= kFirstCollectedBarId))
        pBar->SetBarID(nNextId++);
    for (int i = 0; i < pBar->GetControlCount(); ++i)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (!pControl->IsTemporary())
            CollectBar(pControl->GetCommandBar(), bars, nNextId);
    }
}

// The popup controls of the bar take the loaded bars their stored ids name,
// and those bars in turn theirs.
void ResolveLoadedSubBars(CXTPCommandBar* pBar, const std::vector<CXTPCommandBar*>& loaded)
{
    for (int i = 0; i < pBar->GetControlCount(); ++i)
    {
        CXTPControl* pControl = pBar->GetControl(i);
        if (!pControl->IsKindOf(RUNTIME_CLASS(CXTPControlPopup)))
            continue;
        auto* pPopup = static_cast<CXTPControlPopup*>(pControl);
        if (pPopup->ResolveCommandBarId(loaded))
            ResolveLoadedSubBars(pPopup->GetCommandBar(), loaded);
    }
}

} // namespace

void CXTPCommandBars::CollectBars(std::vector<CXTPCommandBar*>& bars,
                                  XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams)
{
    UINT nNextId = kFirstCollectedBarId;
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPToolBar* pToolBar = GetAt(i);
        if (pParams && pParams->bCollectBaseline && pToolBar->IsBuiltIn()
            && !pToolBar->ShouldSaveControls())
            continue;
        CollectBar(pToolBar, bars, nNextId);
    }
}

void CXTPCommandBars::StoreStateToProfile(LPCSTR lpszProfileName, BOOL bStoreArgument)
{
    XTP_COMMANDBARS_LAYOUT layout;
    TakeLayoutSnapshot(layout, ToolBarList(this), m_pDocks, m_pSite);
    WriteLayoutToProfile(lpszProfileName, layout);

    if (IsCustomizableControls())
    {
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.bStoreArgument = bStoreArgument;
        params.pCommandBars = this;
        const CString strSection = FormatStateSection(lpszProfileName, "%s-Controls");
        std::vector<CXTPCommandBar*> bars;
        CollectBars(bars, &params);
        std::vector<BYTE> blob;
        if (StoreBarsToBlob(bars, &params, blob))
            WriteControlsBlob(strSection, blob,
                              GetControlsSideFilePath(lpszProfileName, m_strControlsSideFile));
        else if (CWinApp* pApp = AfxGetApp())
            pApp->WriteProfileString(strSection, nullptr, nullptr);
        ReleaseBars(bars);
    }
    m_pOptions->bDirty = FALSE;
}

void CXTPCommandBars::RestoreStateFromProfile(LPCSTR lpszProfileName, BOOL bSilent)
{
    if (IsCustomizableControls())
    {
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.bSilentLoad = bSilent;
        params.pCommandBars = this;
        std::vector<BYTE> blob;
        std::vector<CXTPCommandBar*> loaded;
        if (ReadControlsBlob(FormatStateSection(lpszProfileName, "%s-Controls"), blob)
            && LoadBarsFromBlob(blob, &params, loaded))
        {
            ApplyLoadedBars(loaded, bSilent);
            ReleaseBars(loaded);
        }
    }

    XTP_COMMANDBARS_LAYOUT layout;
    ReadLayoutFromProfile(lpszProfileName, layout,
                          CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)),
                          CSize(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)));
    ApplyLayoutSnapshot(layout, ToolBarList(this), m_pDocks, m_pSite);
    RecalcFrameLayout(TRUE);
    m_pOptions->bDirty = FALSE;
}

void CXTPCommandBars::ApplyLoadedBars(const std::vector<CXTPCommandBar*>& bars, BOOL bSilent)
{
    for (CXTPCommandBar* pBar : bars)
    {
        if (!pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar)))
            continue;
        CXTPToolBar* pLoaded = static_cast<CXTPToolBar*>(pBar);
        ResolveLoadedSubBars(pLoaded, bars);
        if (CXTPToolBar* pRunning = GetToolBar(pLoaded->GetBarID()))
        {
            pRunning->MergeLoaded(pLoaded, bSilent);
            continue;
        }
        // A toolbar the user made: it joins the list as a docked window.
        pLoaded->SetCommandBars(this);
        const int nPosition = pLoaded->GetPosition();
        if (!pLoaded->SetPosition(nPosition >= xtpBarTop && nPosition <= xtpBarFloating ? nPosition
                                                                                         : xtpBarTop))
            continue;
        pLoaded->InternalAddRef();
        m_arrBars.Add(pLoaded);
    }
}
