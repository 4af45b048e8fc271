// What every part of the screenshot program shares: the icon of the shots,
// the PNG writer, a 32-bit DIB to draw into, shooting a window, the index
// lines and the small frames the shots are taken in.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"

#include "common/PngFile.h"

#include <windows.h>

#include <string>

class CXTPCommandBar;

// The command id whose icon every shot button shows.
const int ID_SHOT = 1000;

// A square icon: a blue page with a yellow corner.
HICON MakeIcon(int nSize);


// A top-down 32-bit DIB selected into a memory DC: the shots draw into it
// and write it as a PNG.
class CShotDib
{
public:
    explicit CShotDib(CSize size);
    ~CShotDib();
    CShotDib(const CShotDib&) = delete;
    CShotDib& operator=(const CShotDib&) = delete;

    bool IsValid() const { return m_hBitmap != nullptr; }
    CDC& Dc() { return m_dc; }
    // Flushes GDI and writes the pixels; false when the DIB or file failed.
    bool Write(const std::string& strPath);

private:
    CSize m_size;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
};

void PumpMessages();

// Counts a shot and lists it in the index, or reports it missing.
void Count(bool bWritten, const std::string& strName, const std::string& strKind, int& nShots,
           int& nFailed, std::string& strIndex);

// Counts an open bar's shot and lists it in the index with its size.
void CountBarShot(bool bWritten, const std::string& strName, CSize size, int& nShots, int& nFailed,
                  std::string& strIndex);

// The client area of a window as the screen shows it.
bool ShootWindow(CWnd& wnd, const std::string& strPath);

// A bar's client area drawn through WM_PRINTCLIENT, and its size.
bool ShootWindow(CXTPCommandBar& bar, const std::string& strPath, CSize& size);

// A top-most frame at the place and size, shown without taking the focus.
CFrameWnd* ShowFrame(LPCSTR lpszTitle, const CRect& rc);

// A file beside the program (a path relative to its folder).
std::string ModulePathBeside(const std::string& strRelative);

// A caption as a quoted CSV field, tabs shown as spaces.
std::string CsvField(const CString& str);
