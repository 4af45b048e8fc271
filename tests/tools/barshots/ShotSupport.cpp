#include "ShotSupport.h"

#include "toolkit/commandbars/CommandBar.h"

#include <stdio.h>

#include <vector>

HICON MakeIcon(int nSize)
{
    std::vector<DWORD> pixels(nSize * nSize);
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            pixels[y * nSize + x] = x + y > nSize * 3 / 2 ? 0x00F0C020 : 0x002050C0;
    std::vector<BYTE> mask(nSize * nSize / 8 + 4, 0);
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = ::CreateBitmap(nSize, nSize, 1, 1, mask.data());
    info.hbmColor = ::CreateBitmap(nSize, nSize, 1, 32, pixels.data());
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return hIcon;
}

CShotDib::CShotDib(CSize size) : m_size(size)
{
    m_dc.CreateCompatibleDC(nullptr);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    if (m_hBitmap)
        m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
}

CShotDib::~CShotDib()
{
    if (!m_hBitmap)
        return;
    ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
    ::DeleteObject(m_hBitmap);
}

bool CShotDib::Write(const std::string& strPath)
{
    if (!m_hBitmap)
        return false;
    ::GdiFlush();
    return WritePng(strPath, static_cast<const DWORD*>(m_pBits), m_size.cx, m_size.cy);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void Count(bool bWritten, const std::string& strName, const std::string& strKind, int& nShots,
           int& nFailed, std::string& strIndex)
{
    if (!bWritten)
    {
        ++nFailed;
        fprintf(stderr, "barshots: %s not written\n", strName.c_str());
        return;
    }
    ++nShots;
    strIndex += strName + "," + strKind + ",,,,,\n";
}

void CountBarShot(bool bWritten, const std::string& strName, CSize size, int& nShots, int& nFailed,
                  std::string& strIndex)
{
    if (!bWritten)
    {
        ++nFailed;
        fprintf(stderr, "barshots: %s not written\n", strName.c_str());
        return;
    }
    ++nShots;
    char szLine[256];
    snprintf(szLine, sizeof(szLine), "%s,%d,0,%d,open,\"\",%ldx%ld\n", strName.c_str(), xtpBarTypePopup,
             xtpBarPopup, size.cx, size.cy);
    strIndex += szLine;
}

bool ShootWindow(CWnd& wnd, const std::string& strPath)
{
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    CRect rc;
    wnd.GetClientRect(&rc);
    if (rc.IsRectEmpty())
        return false;
    CShotDib dib(rc.Size());
    if (!dib.IsValid())
        return false;
    HDC hWindowDC = ::GetDC(wnd.m_hWnd);
    ::BitBlt(dib.Dc().GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(wnd.m_hWnd, hWindowDC);
    return dib.Write(strPath);
}

bool ShootWindow(CXTPCommandBar& bar, const std::string& strPath, CSize& size)
{
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    size = rcClient.Size();
    CShotDib dib(size);
    if (!dib.IsValid())
        return false;
    bar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.Dc().GetSafeHdc()), PRF_CLIENT);
    return dib.Write(strPath);
}

CFrameWnd* ShowFrame(LPCSTR lpszTitle, const CRect& rc)
{
    auto* pFrame = new CFrameWnd;   // frames delete themselves when destroyed
    if (!pFrame->Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, rc))
        return nullptr;
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return pFrame;
}

std::string CsvField(const CString& str)
{
    std::string s = "\"";
    for (const char* p = str; *p; ++p)
    {
        if (*p == '"')
            s += '"';
        s += *p == '\t' ? ' ' : *p;
    }
    return s + "\"";
}

std::string ModulePathBeside(const std::string& strRelative)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath);
    size_t nSlash = strPath.find_last_of("\\/");
    return (nSlash == std::string::npos ? std::string(".") : strPath.substr(0, nSlash)) + "\\" + strRelative;
}
