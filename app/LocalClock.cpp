#include "app/LocalClock.h"

namespace {

PFN_QIV_LOCALTIME g_pfnLocalTime = nullptr;

} // namespace

void QivGetLocalTime(SYSTEMTIME* pTime)
{
    if (g_pfnLocalTime)
        g_pfnLocalTime(pTime);
    else
        ::GetLocalTime(pTime);
}

PFN_QIV_LOCALTIME QivSetLocalTimeSource(PFN_QIV_LOCALTIME pfnLocalTime)
{
    PFN_QIV_LOCALTIME pfnPrevious = g_pfnLocalTime;
    g_pfnLocalTime = pfnLocalTime;
    return pfnPrevious;
}
