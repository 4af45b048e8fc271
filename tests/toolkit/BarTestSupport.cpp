#include "BarTestSupport.h"

#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/draw/ColorManager.h"

CTestBar::CTestBar(int nType, int nPosition)
{
    m_barType = nType;
    m_barPosition = nPosition;
}

CTestBar::~CTestBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CTestBar::CreateHidden(int cx, int cy)
{
    return CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, cx, cy), nullptr, 0);
}

void CTestBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    ++m_nIdleUpdates;
}

namespace {

COLORREF DistinctHook(int nIndex)
{
    return CDistinctSysColors::ColorOf(nIndex);
}

} // namespace

COLORREF CDistinctSysColors::ColorOf(int nIndex)
{
    return RGB(10 + nIndex * 7, 200 - nIndex * 5, 40 + nIndex * 6);
}

CDistinctSysColors::CDistinctSysColors()
{
    CXTPColorManager::SetSysColorHook(&DistinctHook);
    RefreshSystemColors();
}

CDistinctSysColors::~CDistinctSysColors()
{
    CXTPColorManager::SetSysColorHook(nullptr);
    RefreshSystemColors();
}

DWORD GdiObjectCount()
{
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

std::vector<int> BarControlIds(CXTPCommandBar* pBar)
{
    std::vector<int> ids;
    for (int i = 0; pBar && i < pBar->GetControlCount(); ++i)
        ids.push_back(pBar->GetControl(i)->GetID());
    return ids;
}

LRESULT CNotifyRecordingSite::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_XTP_COMMAND)
        m_codes.push_back(reinterpret_cast<NMXTPCONTROL*>(lParam)->hdr.code);
    return CWnd::WindowProc(message, wParam, lParam);
}

CXTPControlGalleryAction* NewTestGalleryAction(int nId, int nItems, BOOL bHeading)
{
    CXTPControlGalleryItems* pItems = new CXTPControlGalleryItems;
    pItems->SetItemSize(CSize(40, 20));
    if (bHeading)
        pItems->AddLabel("Farben");
    for (int i = 0; i < nItems; ++i)
        pItems->AddItem(100 + i, "F");
    auto* pAction = new CXTPControlGalleryAction;
    pAction->SetID(nId);
    pAction->SetItems(pItems);
    pItems->InternalRelease();
    return pAction;
}
