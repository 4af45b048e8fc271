// Pictures that ship beside the program ("splash.jpg", "banner.jpg"): found
// in the program's folder, loaded through OLE, drawn stretched or in their
// own size. A file that is missing is reported once by the caller's choice;
// one that does not decode simply shows nothing.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Geometry.h"

#include <ole2.h>
#include <olectl.h>

class CDC;

// The program's own file name, however long; empty when it cannot be read.
CString QivProgramFile();
// The full path of a file in the program's folder; empty when the program's
// own path cannot be read.
CString QivProgramFolderFile(LPCSTR lpszName);

class CQivPicture
{
public:
    CQivPicture() = default;
    ~CQivPicture() { Release(); }
    CQivPicture(const CQivPicture&) = delete;
    CQivPicture& operator=(const CQivPicture&) = delete;

    // Loads the file through a loading archive (buffer 4096); any earlier
    // picture is released first. FALSE when the file cannot be opened or
    // does not decode.
    BOOL Load(LPCSTR lpszPath);
    void Release();
    BOOL IsLoaded() const { return m_pPicture != nullptr; }

    // The picture's size in device pixels of the DC (the screen when null).
    CSize GetSizePixels(CDC* pDC = nullptr) const;
    // The whole picture stretched into the rectangle; nothing without one.
    void Render(CDC* pDC, const CRect& rc) const;

private:
    IPicture* m_pPicture = nullptr;
};

// Loads the named picture of the program's folder. A missing file is
// reported with string 101 (stop icon) when bReportMissing is set.
BOOL QivLoadProgramPicture(CQivPicture& picture, LPCSTR lpszName, BOOL bReportMissing = TRUE);
