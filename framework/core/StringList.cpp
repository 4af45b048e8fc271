#include "framework/core/StringList.h"

#include "framework/core/Archive.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)

CStringList::CStringList(INT_PTR nBlockSize)
    : CList<CString, const CString&>(nBlockSize)
{
}

void CStringList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
    } else {
        DWORD_PTR nNewCount = ar.ReadCount();
        CString newData;
        while (nNewCount-- > 0) {
            ar >> newData;
            AddTail(newData);
        }
    }
}
