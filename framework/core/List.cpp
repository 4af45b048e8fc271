#include "framework/core/List.h"

CPtrList::CPtrList(INT_PTR nBlockSize)
    : CList<void*, void*>(nBlockSize)
{
}

CObList::CObList(INT_PTR nBlockSize)
    : CList<CObject*, CObject*>(nBlockSize)
{
}
