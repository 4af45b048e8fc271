// COleDataObject: data offered by someone else, from the clipboard or by a
// drag over one of the program's windows; the program asks which formats
// are there and takes blocks of them.
#pragma once

#include "framework/core/AfxWin.h"

#include <ole2.h>

class COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();

    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // Works on lpDataObject; with bAutoRelease the reference it has is
    // given back when this object lets go.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // The clipboard's data; FALSE when the clipboard cannot be read.
    BOOL AttachClipboard();

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // A copy of the block in that format, which the caller frees
    // (GlobalFree); null when there is none.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);

    // The formats on offer, one after the other.
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);

    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

private:
    LPDATAOBJECT m_lpDataObject = nullptr;
    LPENUMFORMATETC m_lpEnumerator = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
