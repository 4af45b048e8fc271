#include "framework/ui/OleDataObject.h"

namespace {

FORMATETC FormatFor(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD tymed)
{
    if (lpFormatEtc != nullptr)
    {
        FORMATETC formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
        return formatEtc;
    }
    FORMATETC formatEtc = { cfFormat, nullptr, DVASPECT_CONTENT, -1, tymed };
    return formatEtc;
}

} // namespace

COleDataObject::COleDataObject() = default;

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    if (m_lpEnumerator != nullptr)
    {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = nullptr;
    return lpDataObject;
}

void COleDataObject::Release()
{
    LPDATAOBJECT lpDataObject = Detach();
    if (lpDataObject != nullptr && m_bAutoRelease)
        lpDataObject->Release();
}

BOOL COleDataObject::AttachClipboard()
{
    LPDATAOBJECT lpDataObject = nullptr;
    if (FAILED(::OleGetClipboard(&lpDataObject)) || lpDataObject == nullptr)
        return FALSE;
    Attach(lpDataObject, TRUE);
    return TRUE;
}

LPDATAOBJECT COleDataObject::GetIDataObject(BOOL bAddRef)
{
    if (bAddRef && m_lpDataObject != nullptr)
        m_lpDataObject->AddRef();
    return m_lpDataObject;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr)
        return FALSE;
    FORMATETC formatEtc = FormatFor(cfFormat, lpFormatEtc, TYMED_HGLOBAL | TYMED_ISTREAM
                                                               | TYMED_ISTORAGE | TYMED_GDI
                                                               | TYMED_MFPICT | TYMED_ENHMF);
    return m_lpDataObject->QueryGetData(&formatEtc) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == nullptr || lpStgMedium == nullptr)
        return FALSE;
    FORMATETC formatEtc = FormatFor(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    return SUCCEEDED(m_lpDataObject->GetData(&formatEtc, lpStgMedium));
}

// A block held by someone else (a medium with a release object) is copied,
// so the caller always owns what it gets.
HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    STGMEDIUM stgMedium = {};
    FORMATETC formatEtc = FormatFor(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    formatEtc.tymed = TYMED_HGLOBAL;
    if (!GetData(cfFormat, &stgMedium, &formatEtc))
        return nullptr;
    if (stgMedium.tymed != TYMED_HGLOBAL)
    {
        ::ReleaseStgMedium(&stgMedium);
        return nullptr;
    }
    if (stgMedium.pUnkForRelease == nullptr)
        return stgMedium.hGlobal;
    HGLOBAL hCopy = static_cast<HGLOBAL>(::OleDuplicateData(stgMedium.hGlobal, cfFormat, 0));
    ::ReleaseStgMedium(&stgMedium);
    return hCopy;
}

void COleDataObject::BeginEnumFormats()
{
    if (m_lpEnumerator != nullptr)
    {
        m_lpEnumerator->Release();
        m_lpEnumerator = nullptr;
    }
    if (m_lpDataObject != nullptr)
        m_lpDataObject->EnumFormatEtc(DATADIR_GET, &m_lpEnumerator);
}

BOOL COleDataObject::GetNextFormat(LPFORMATETC lpFormatEtc)
{
    if (m_lpEnumerator == nullptr)
        return FALSE;
    ULONG nFetched = 0;
    if (m_lpEnumerator->Next(1, lpFormatEtc, &nFetched) != S_OK || nFetched != 1)
        return FALSE;
    if (lpFormatEtc->ptd != nullptr)
    {
        ::CoTaskMemFree(lpFormatEtc->ptd);
        lpFormatEtc->ptd = nullptr;
    }
    return TRUE;
}
