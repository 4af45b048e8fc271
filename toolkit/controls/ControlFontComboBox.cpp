#include "toolkit/controls/ControlFontComboBox.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/FontSizeLists.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNCREATE(CXTPControlFontComboBoxList, CXTPControlComboBoxList)
IMPLEMENT_SERIAL(CXTPControlFontComboBox, CXTPControlComboBox, 18)

namespace {

const int kMaxFaceName = LF_FACESIZE - 1;

void SetFaceName(CHARFORMATA& cf, const CString& strFace)
{
    const int nLength = std::min(strFace.GetLength(), kMaxFaceName);
    std::memcpy(cf.szFaceName, static_cast<LPCSTR>(strFace), static_cast<size_t>(nLength));
    cf.szFaceName[nLength] = '\0';
}

} // namespace

CString XTPFaceNameOf(const CHARFORMATA& cf)
{
    const char* pEnd = static_cast<const char*>(std::memchr(cf.szFaceName, 0, kMaxFaceName));
    return CString(cf.szFaceName, pEnd ? static_cast<int>(pEnd - cf.szFaceName) : kMaxFaceName);
}

// --- The list ---------------------------------------------------------------------------------

BOOL CXTPControlFontComboBoxList::CreateListBox()
{
    return CreateListWindow(WS_EX_TOOLWINDOW | WS_EX_STATICEDGE,
                            WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | WS_VSCROLL | LBS_SORT);
}

void CXTPControlFontComboBoxList::FillFontList(int nStyle)
{
    m_nListStyle = nStyle;
    if (CreateListBox())
        XTPFillFontList(m_hWnd);
}

void CXTPControlFontComboBoxList::Copy(CXTPCommandBar* pSource, BOOL bRecursive)
{
    CXTPPopupBar::Copy(pSource, bRecursive);
    auto* pList = dynamic_cast<CXTPControlFontComboBoxList*>(pSource);
    if (!pList)
        return;
    m_nListWidth = pList->m_nListWidth;
    FillFontList(pList->m_nListStyle);
}

void CXTPControlFontComboBoxList::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPPopupBar::DoPropExchange(pPX);
    ExchangeIntProperty(pPX, "StyleListBox", m_nListStyle, 1);
    if (pPX->IsLoading())
        FillFontList(m_nListStyle);
}

// --- The font box -----------------------------------------------------------------------------

CXTPControlFontComboBox::CXTPControlFontComboBox(int nStyle)
{
    CXTPControlFontComboBoxList* pList = new CXTPControlFontComboBoxList;
    pList->EnableShadow(FALSE);
    SetCommandBar(pList);
    pList->InternalRelease();
    pList->FillFontList(nStyle);
    pList->SetListWidth(250);
    m_nWidth = 150;
    SetDropDown(TRUE);
    EnableAutoComplete(TRUE);
}

void CXTPControlFontComboBox::SetCharFormat(const CHARFORMATA& cf)
{
    if (IsUserBusy())
        return;
    const DWORD dwFaceAndCharSet = CFM_FACE | CFM_CHARSET;
    SetText((cf.dwMask & dwFaceAndCharSet) == dwFaceAndCharSet ? XTPFaceNameOf(cf) : CString());
}

CHARFORMATA CXTPControlFontComboBox::GetCharFormat() const
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(CHARFORMATA);
    cf.dwMask = CFM_FACE | CFM_CHARSET;
    const CString strText = GetText();
    CXTPControlComboBoxPopupBar* pList = GetComboPopupBar();
    const int nFound = pList ? pList->FindStringExact(-1, strText) : -1;
    const CXTPFontDesc* pDesc = nullptr;
    if (nFound != -1)
        pDesc = reinterpret_cast<const CXTPFontDesc*>(
            ::SendMessageA(pList->GetSafeHwnd(), LB_GETITEMDATA, static_cast<WPARAM>(nFound), 0));
    if (pDesc && reinterpret_cast<LRESULT>(pDesc) != LB_ERR)
    {
        SetFaceName(cf, pDesc->strName);
        cf.bCharSet = pDesc->nCharSet;
        cf.bPitchAndFamily = pDesc->nPitchAndFamily;
    }
    else
    {
        SetFaceName(cf, strText);
        cf.bCharSet = DEFAULT_CHARSET;
        cf.bPitchAndFamily = 0;
    }
    return cf;
}

void CXTPControlFontComboBox::OnExecute()
{
    if (!GetText().IsEmpty())
    {
        NMXTPCHARHDR record = {};
        record.cf = GetCharFormat();
        NotifySiteEx(XTP_FN_SETFORMAT, &record.hdr);
    }
    CXTPControlComboBox::OnExecute();
}
