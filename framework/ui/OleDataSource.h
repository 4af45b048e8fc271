// COleDataSource: data the program offers to other programs (and to
// itself), through the clipboard or by dragging. Blocks of global memory
// are cached by format; the source answers IDataObject requests from that
// cache. It is reference counted: the creator's reference goes to the
// clipboard with SetClipboard, and is given back with InternalRelease after
// a drag.
//
// COleDropSource decides while a drag runs whether it goes on, drops or is
// cancelled (by the mouse buttons and Escape).
#pragma once

#include "framework/ui/CmdTarget.h"
#include "framework/ui/DropEffect.h"

#include <vector>

class COleDropSource : public CCmdTarget
{
public:
    COleDropSource();
    ~COleDropSource() override;

    // Escape cancels; releasing the mouse button drops.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    // The source's interface for the system's drag loop (no reference is
    // added).
    IDropSource* GetIDropSource();

protected:
    class XDropSource : public IDropSource
    {
    public:
        explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHOD(GiveFeedback)(DWORD dwEffect) override;

    private:
        COleDropSource* m_pOwner;
    };
    XDropSource m_xDropSource;
    DWORD m_dwButtonDrop = 0;   // the button that started the drag
};

class COleDataSource : public CCmdTarget
{
public:
    COleDataSource();
    ~COleDataSource() override;

    // The source takes ownership of hGlobal; a block cached before under
    // the same format is freed.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    // Frees every cached block.
    void Empty();
    // Puts the source on the clipboard, replacing what was there; the
    // clipboard holds the creator's reference from now on. Raises
    // COleException when the clipboard refuses.
    void SetClipboard();
    // Runs the system's drag loop with this data; answers the effect the
    // drop had (DROPEFFECT_NONE when cancelled). pDropSource decides when
    // the drag ends (null: the mouse button and Escape).
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    // The source's IDataObject (no reference is added).
    IDataObject* GetIDataObject();

protected:
    LPUNKNOWN GetInterfaceHook(const void* iid) override;

    struct CacheEntry
    {
        FORMATETC formatEtc;
        STGMEDIUM stgMedium;
    };
    const CacheEntry* Lookup(const FORMATETC* pFormatEtc) const;

    std::vector<CacheEntry> m_cache;

    class XDataObject : public IDataObject
    {
    public:
        explicit XDataObject(COleDataSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetData)(LPFORMATETC pformatetcIn, LPSTGMEDIUM pmedium) override;
        STDMETHOD(GetDataHere)(LPFORMATETC pformatetc, LPSTGMEDIUM pmedium) override;
        STDMETHOD(QueryGetData)(LPFORMATETC pformatetc) override;
        STDMETHOD(GetCanonicalFormatEtc)(LPFORMATETC pformatectIn,
                                         LPFORMATETC pformatetcOut) override;
        STDMETHOD(SetData)(LPFORMATETC pformatetc, LPSTGMEDIUM pmedium, BOOL fRelease) override;
        STDMETHOD(EnumFormatEtc)(DWORD dwDirection, LPENUMFORMATETC* ppenumFormatEtc) override;
        STDMETHOD(DAdvise)(LPFORMATETC pformatetc, DWORD advf, LPADVISESINK pAdvSink,
                           LPDWORD pdwConnection) override;
        STDMETHOD(DUnadvise)(DWORD dwConnection) override;
        STDMETHOD(EnumDAdvise)(LPENUMSTATDATA* ppenumAdvise) override;

    private:
        COleDataSource* m_pOwner;
    };
    XDataObject m_xDataObject;
};
