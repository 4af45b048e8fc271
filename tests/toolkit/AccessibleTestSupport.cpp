#include "AccessibleTestSupport.h"

#include <stdlib.h>
#include <string.h>

bool OleaccMissing()
{
    const char* psz = getenv("QIV_EXPECT_OLEACC");
    return psz != nullptr && strcmp(psz, "missing") == 0;
}

VARIANT ChildVariant(long nChild)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

std::wstring TakeBstr(BSTR bstr)
{
    std::wstring str = bstr != nullptr ? std::wstring(bstr) : std::wstring(L"(null)");
    ::SysFreeString(bstr);
    return str;
}
