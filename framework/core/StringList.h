// CStringList: a list of CStrings that serializes itself as the archive's
// count followed by each string in list order.
#pragma once

#include "framework/core/List.h"
#include "framework/core/String.h"

class CArchive;

class CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10);

    // Loading appends the strings read to those already in the list.
    void Serialize(CArchive& ar) override;
};
