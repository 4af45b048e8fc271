#include "framework/core/LongPath.h"

std::wstring LongPathW(const CString& strPath)
{
    std::wstring wide = AfxAnsiToWide(strPath);
    if (wide.size() < MAX_PATH)
        return wide;
    for (wchar_t& ch : wide)
        if (ch == L'/')
            ch = L'\\';
    if (wide.compare(0, 2, L"\\\\") == 0)
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

BOOL PathExists(const CString& strPath)
{
    return ::GetFileAttributesW(LongPathW(strPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}
