// Where the toolkit tests find their style modules: the folder "office2007"
// beside the test program (the build puts them there).
#pragma once

#include "framework/core/String.h"

inline CString StyleModulePath(LPCSTR lpszFileName)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    CString strPath(szPath);
    strPath = strPath.Left(strPath.ReverseFind('\\') + 1);
    return strPath + "office2007\\" + lpszFileName;
}

// The colours of the 2 x 2 cells of the nine-part test bitmap: two frames of
// 6 x 6 pixels, nine cells each (make_style_modules.py draws them).
inline COLORREF NineCellColor(int nFrame, int nRow, int nCol)
{
    int i = nRow * 3 + nCol;
    if (nFrame == 0)
        return RGB(20 + 25 * i, 240 - 20 * i, 10 * i);
    return RGB(i + 1, 100, 200);
}
