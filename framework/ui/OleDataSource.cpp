#include "framework/ui/OleDataSource.h"

#include "framework/core/Exceptions.h"

namespace {

// The formats of a data source, one after the other.
class CFormatEnumerator : public IEnumFORMATETC
{
public:
    CFormatEnumerator(std::vector<FORMATETC> formats, size_t nPos)
        : m_formats(std::move(formats)), m_nPos(nPos)
    {
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumFORMATETC))
        {
            *ppv = static_cast<IEnumFORMATETC*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRef)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return static_cast<ULONG>(nRef);
    }
    STDMETHODIMP Next(ULONG celt, FORMATETC* rgelt, ULONG* pceltFetched) override
    {
        ULONG nFetched = 0;
        while (nFetched < celt && m_nPos < m_formats.size())
            rgelt[nFetched++] = m_formats[m_nPos++];
        if (pceltFetched != nullptr)
            *pceltFetched = nFetched;
        return nFetched == celt ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG celt) override
    {
        m_nPos += celt;
        if (m_nPos > m_formats.size())
        {
            m_nPos = m_formats.size();
            return S_FALSE;
        }
        return S_OK;
    }
    STDMETHODIMP Reset() override
    {
        m_nPos = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumFORMATETC** ppenum) override
    {
        if (ppenum == nullptr)
            return E_POINTER;
        *ppenum = new CFormatEnumerator(m_formats, m_nPos);
        return S_OK;
    }

private:
    virtual ~CFormatEnumerator() = default;

    std::vector<FORMATETC> m_formats;
    size_t m_nPos;
    LONG m_nRef = 1;
};

} // namespace

// ---------------------------------------------------------------------------
// COleDropSource

COleDropSource::COleDropSource()
    : m_xDropSource(this)
{
    // The button held when the drag starts is the one whose release drops.
    m_dwButtonDrop = ::GetKeyState(VK_RBUTTON) < 0 ? MK_RBUTTON : MK_LBUTTON;
}

COleDropSource::~COleDropSource() = default;

IDropSource* COleDropSource::GetIDropSource()
{
    return &m_xDropSource;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & (MK_LBUTTON | MK_RBUTTON)) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource))
    {
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

// The drop source lives on the stack of the drag: the system's references
// never release the last one.
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return m_pOwner->ExternalRelease();
}

STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    return m_pOwner->GiveFeedback(dwEffect);
}

// ---------------------------------------------------------------------------
// COleDataSource

COleDataSource::COleDataSource()
    : m_xDataObject(this)
{
}

COleDataSource::~COleDataSource()
{
    Empty();
}

IDataObject* COleDataSource::GetIDataObject()
{
    return &m_xDataObject;
}

LPUNKNOWN COleDataSource::GetInterfaceHook(const void* iid)
{
    const IID& riid = *static_cast<const IID*>(iid);
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        return &m_xDataObject;
    return nullptr;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC formatEtc = { cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    if (lpFormatEtc != nullptr)
    {
        formatEtc = *lpFormatEtc;
        formatEtc.cfFormat = cfFormat;
        formatEtc.tymed = TYMED_HGLOBAL;
    }
    for (CacheEntry& entry : m_cache)
    {
        if (entry.formatEtc.cfFormat == cfFormat && entry.formatEtc.dwAspect == formatEtc.dwAspect)
        {
            ::ReleaseStgMedium(&entry.stgMedium);
            entry.formatEtc = formatEtc;
            entry.stgMedium.tymed = TYMED_HGLOBAL;
            entry.stgMedium.hGlobal = hGlobal;
            entry.stgMedium.pUnkForRelease = nullptr;
            return;
        }
    }
    CacheEntry entry;
    entry.formatEtc = formatEtc;
    entry.stgMedium.tymed = TYMED_HGLOBAL;
    entry.stgMedium.hGlobal = hGlobal;
    entry.stgMedium.pUnkForRelease = nullptr;
    m_cache.push_back(entry);
}

void COleDataSource::Empty()
{
    for (CacheEntry& entry : m_cache)
        ::ReleaseStgMedium(&entry.stgMedium);
    m_cache.clear();
}

const COleDataSource::CacheEntry* COleDataSource::Lookup(const FORMATETC* pFormatEtc) const
{
    for (const CacheEntry& entry : m_cache)
    {
        if (entry.formatEtc.cfFormat == pFormatEtc->cfFormat
            && (pFormatEtc->tymed & entry.formatEtc.tymed) != 0
            && entry.formatEtc.dwAspect == pFormatEtc->dwAspect)
            return &entry;
    }
    return nullptr;
}

void COleDataSource::SetClipboard()
{
    HRESULT hr = ::OleSetClipboard(&m_xDataObject);
    if (FAILED(hr))
        AfxThrowOleException(hr);
    // The clipboard holds its own reference now.
    InternalRelease();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT, COleDropSource* pDropSource)
{
    COleDropSource dropSource;
    if (pDropSource == nullptr)
        pDropSource = &dropSource;
    DWORD dwResultEffect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(&m_xDataObject, pDropSource->GetIDropSource(), dwEffects,
                              &dwResultEffect);
    if (hr != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return dwResultEffect;
}

// ---------------------------------------------------------------------------
// IDataObject

STDMETHODIMP COleDataSource::XDataObject::QueryInterface(REFIID riid, void** ppv)
{
    return m_pOwner->ExternalQueryInterface(&riid, ppv);
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

STDMETHODIMP_(ULONG) COleDataSource::XDataObject::Release()
{
    return m_pOwner->ExternalRelease();
}

// The caller gets a copy of the cached block, which it frees.
STDMETHODIMP COleDataSource::XDataObject::GetData(LPFORMATETC pformatetcIn, LPSTGMEDIUM pmedium)
{
    if (pformatetcIn == nullptr || pmedium == nullptr)
        return E_INVALIDARG;
    const CacheEntry* pEntry = m_pOwner->Lookup(pformatetcIn);
    if (pEntry == nullptr)
        return DV_E_FORMATETC;
    HGLOBAL hCopy = static_cast<HGLOBAL>(
        ::OleDuplicateData(pEntry->stgMedium.hGlobal, pEntry->formatEtc.cfFormat, 0));
    if (hCopy == nullptr)
        return E_OUTOFMEMORY;
    pmedium->tymed = TYMED_HGLOBAL;
    pmedium->hGlobal = hCopy;
    pmedium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::GetDataHere(LPFORMATETC, LPSTGMEDIUM)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::QueryGetData(LPFORMATETC pformatetc)
{
    if (pformatetc == nullptr)
        return E_INVALIDARG;
    return m_pOwner->Lookup(pformatetc) != nullptr ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::GetCanonicalFormatEtc(LPFORMATETC,
                                                                LPFORMATETC pformatetcOut)
{
    if (pformatetcOut != nullptr)
        pformatetcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleDataSource::XDataObject::SetData(LPFORMATETC, LPSTGMEDIUM, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleDataSource::XDataObject::EnumFormatEtc(DWORD dwDirection,
                                                        LPENUMFORMATETC* ppenumFormatEtc)
{
    if (ppenumFormatEtc == nullptr)
        return E_POINTER;
    *ppenumFormatEtc = nullptr;
    if (dwDirection != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const CacheEntry& entry : m_pOwner->m_cache)
        formats.push_back(entry.formatEtc);
    *ppenumFormatEtc = new CFormatEnumerator(std::move(formats), 0);
    return S_OK;
}

STDMETHODIMP COleDataSource::XDataObject::DAdvise(LPFORMATETC, DWORD, LPADVISESINK, LPDWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP COleDataSource::XDataObject::EnumDAdvise(LPENUMSTATDATA*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
