#include "toolkit/controls/ControlSizeComboBox.h"

#include "framework/core/Archive.h"
#include "toolkit/controls/FontSizeLists.h"
#include "toolkit/draw/ResourceManager.h"
#include "toolkit/res/ToolkitRes.h"

IMPLEMENT_SERIAL(CXTPControlSizeComboBox, CXTPControlComboBox, 18)

namespace {

// Sizes outside 1 to 1638 points.
const int kSmallestTwips = 20;
const int kLargestTwips = 32760;

} // namespace

CXTPControlSizeComboBox::CXTPControlSizeComboBox()
{
    m_nWidth = 50;
    SetDropDown(TRUE);
}

int CXTPControlSizeComboBox::GetTwipSize() const
{
    return XTPParseTwips(GetText());
}

void CXTPControlSizeComboBox::SetTwipSize(int nTwips)
{
    if (IsUserBusy())
        return;
    if (GetTwipSize() != nTwips)
        SetText(XTPFormatTwipsAsPoints(nTwips));
    m_nTwipSize = nTwips;
}

void CXTPControlSizeComboBox::OnExecute()
{
    const int nTwips = GetTwipSize();
    if (nTwips == -2)
        GetResourceManager()->ShowMessage(XTP_IDS_INVALID_NUMBER, MB_ICONINFORMATION);
    else if ((nTwips >= 0 && nTwips < kSmallestTwips) || nTwips > kLargestTwips)
        GetResourceManager()->ShowMessage(XTP_IDS_INVALID_FONTSIZE, MB_ICONINFORMATION);
    else if (nTwips != -1)
    {
        NMXTPCHARHDR record = {};
        record.cf.cbSize = sizeof(CHARFORMATA);
        record.cf.dwMask = CFM_SIZE;
        record.cf.yHeight = nTwips;
        NotifySiteEx(XTP_FN_SETFORMAT, &record.hdr);
    }
    CXTPControlComboBox::OnExecute();
}

BOOL CXTPControlSizeComboBox::SetPopupOpen(BOOL bOpen)
{
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(m_pCommandBar);
    if (bOpen && pList && pList->CreateListBox())
    {
        HWND hWndList = pList->GetListBox();
        NMXTPCHARHDR record = {};
        record.cf.cbSize = sizeof(CHARFORMATA);
        NotifySiteEx(XTP_FN_GETFORMAT, &record.hdr);
        const DWORD dwFaceAndCharSet = CFM_FACE | CFM_CHARSET;
        if ((record.cf.dwMask & dwFaceAndCharSet) == dwFaceAndCharSet)
        {
            HWND hWndDesktop = ::GetDesktopWindow();
            HDC hDC = ::GetDC(hWndDesktop);
            m_nPixelsPerInch = XTPFillSizeList(hWndList, hDC, XTPFaceNameOf(record.cf));
            ::ReleaseDC(hWndDesktop, hDC);
        }
    }
    return CXTPControlComboBox::SetPopupOpen(bOpen);
}
