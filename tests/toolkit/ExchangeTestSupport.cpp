#include "ExchangeTestSupport.h"

#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "toolkit/commandbars/PropExchangeArchive.h"

void ExchangeThroughArchive(const ExchangeFn& store, const ExchangeFn& load)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        store(&px);
        ar.Close();
    }
    file.Seek(0, CFile::begin);
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    load(&px);
}
