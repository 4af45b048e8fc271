// The bars' customised controls as one stream: section "CommandBars", an
// enumerator "CommandBar" with one section per bar ("Class", then the bar's
// keys and controls). Written through an archive exchange, the stream is
// the controls blob the profile keeps (ControlsBlob.h); read back, every
// bar is made from its stored class, and a stream that breaks anywhere
// gives no bars at all.
#include "toolkit/commandbars/CommandBarsState.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/ControlsBlob.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/controls/Controls.h"

#include <memory>

namespace {

struct SectionReleaser
{
    void operator()(CXTPPropExchange* pSection) const { pSection->InternalRelease(); }
};
using SectionPtr = std::unique_ptr<CXTPPropExchange, SectionReleaser>;

// Archive and OLE errors end a read or write; anything else goes on up.
BOOL IsStreamError(CException* e)
{
    return e->IsKindOf(RUNTIME_CLASS(CArchiveException)) || e->IsKindOf(RUNTIME_CLASS(COleException));
}

void ReleaseBars(std::vector<CXTPCommandBar*>& bars)
{
    for (CXTPCommandBar* pBar : bars)
        pBar->InternalRelease();
    bars.clear();
}

} // namespace

BOOL ExchangeBarsOut(CXTPPropExchange* pPX, const std::vector<CXTPCommandBar*>& bars)
{
    try
    {
        SectionPtr pSection(pPX->GetSection("CommandBars"));
        std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(
            pSection->GetEnumerator("CommandBar"));
        POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(bars.size()));
        for (CXTPCommandBar* pBar : bars)
        {
            if (!pos)
                break;
            SectionPtr pBarSection(pEnumerator->GetNext(pos));
            CObject* pObject = pBar;
            ExchangeRuntimeClass(pBarSection.get(), pObject, RUNTIME_CLASS(CXTPCommandBar));
            pBar->DoPropExchange(pBarSection.get());
        }
    }
    catch (CException* e)
    {
        if (!IsStreamError(e))
            throw;
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL ExchangeBarsIn(CXTPPropExchange* pPX, std::vector<CXTPCommandBar*>& bars)
{
    bars.clear();
    try
    {
        SectionPtr pSection(pPX->GetSection("CommandBars"));
        std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(
            pSection->GetEnumerator("CommandBar"));
        POSITION pos = pEnumerator->GetPosition(0);
        while (pos)
        {
            SectionPtr pBarSection(pEnumerator->GetNext(pos));
            CObject* pObject = nullptr;
            if (!ExchangeRuntimeClass(pBarSection.get(), pObject, RUNTIME_CLASS(CXTPCommandBar))
                || !pObject)
                AfxThrowArchiveException(CArchiveException::badClass);
            CXTPCommandBar* pBar = static_cast<CXTPCommandBar*>(pObject);
            bars.push_back(pBar);
            pBar->DoPropExchange(pBarSection.get());
            pBar->GetControls()->RefreshIndexes();
        }
    }
    catch (CException* e)
    {
        if (!IsStreamError(e))
        {
            ReleaseBars(bars);
            throw;
        }
        e->Delete();
        ReleaseBars(bars);
        return FALSE;
    }
    return TRUE;
}

BOOL StoreBarsToBlob(const std::vector<CXTPCommandBar*>& bars,
                     XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, std::vector<BYTE>& blob)
{
    blob.clear();
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store, 4096);
        CXTPPropExchangeArchive px(ar);
        px.SetContext(pParams);
        if (!ExchangeBarsOut(&px, bars))
        {
            ar.Abort();
            return FALSE;
        }
        ar.Close();
    }
    const ULONGLONG nLength = file.GetLength();
    BYTE* pData = file.Detach();
    blob = CompressControlsBlob(pData, static_cast<size_t>(nLength));
    free(pData);
    return TRUE;
}

BOOL LoadBarsFromBlob(const std::vector<BYTE>& blob, XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams,
                      std::vector<CXTPCommandBar*>& bars)
{
    bars.clear();
    std::vector<BYTE> data;
    if (!DecompressControlsBlob(blob.data(), blob.size(), data) || data.empty())
        return FALSE;
    CMemFile file(data.data(), static_cast<UINT>(data.size()));
    CArchive ar(&file, CArchive::load, 4096);
    CXTPPropExchangeArchive px(ar);
    px.SetContext(pParams);
    const BOOL bRead = ExchangeBarsIn(&px, bars);
    try
    {
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    return bRead;
}
