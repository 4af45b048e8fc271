#include "model/exchange/ExchangePath.h"

#include <vector>

namespace {

int FileNameStart(const CString& path)
{
    int i = path.GetLength();
    while (i > 0 && path[i - 1] != '\\' && path[i - 1] != '/' && path[i - 1] != ':')
        --i;
    return i;
}

} // namespace

CString QivPathFileName(LPCSTR lpszPath)
{
    CString path(lpszPath);
    return path.Mid(FileNameStart(path));
}

CString QivPathFolder(LPCSTR lpszPath)
{
    CString path(lpszPath);
    return path.Left(FileNameStart(path));
}

CString QivPathExtension(LPCSTR lpszPath)
{
    CString name = QivPathFileName(lpszPath);
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString QivPathTitle(LPCSTR lpszPath)
{
    CString name = QivPathFileName(lpszPath);
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString QivGetProgramFolder()
{
    // Grows until the whole path fits: the program may lie deeper than
    // MAX_PATH.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return CString();
        if (n < buffer.size())
            return QivPathFolder(CString(buffer.data(), static_cast<int>(n)));
        buffer.resize(buffer.size() * 2);
    }
}
