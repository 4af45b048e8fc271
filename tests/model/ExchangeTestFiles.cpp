#include "ExchangeTestFiles.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>

namespace qivtest {

CTempFolder::CTempFolder()
{
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    static LONG s_nNext = 0;
    char name[MAX_PATH + 64];
    snprintf(name, sizeof(name), "%sqivx%lu-%ld", base, ::GetCurrentProcessId(),
             ::InterlockedIncrement(&s_nNext));
    ::CreateDirectoryA(name, nullptr);
    m_path = name;
}

CTempFolder::~CTempFolder()
{
    std::string from(m_path.GetString(), m_path.GetLength() + 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    ::SHFileOperationA(&op);
}

CString CTempFolder::Path(LPCSTR lpszName) const
{
    return m_path + "\\" + lpszName;
}

std::string ReadFileBytes(LPCSTR lpszPath)
{
    std::string bytes;
    FILE* f = fopen(lpszPath, "rb");
    if (!f) {
        ADD_FAILURE() << "cannot read " << lpszPath;
        return bytes;
    }
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

void WriteFileBytes(LPCSTR lpszPath, const std::string& bytes)
{
    FILE* f = fopen(lpszPath, "wb");
    ASSERT_TRUE(f) << "cannot write " << lpszPath;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

BOOL FileExists(LPCSTR lpszPath)
{
    return ::GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

CString SourceFolder(LPCSTR lpszRelative)
{
    const char* source = getenv("QIV_SOURCE_DIR");
    CString path(source ? source : "");
    path += "/";
    path += lpszRelative;
    path.Replace('/', '\\');
    // A Unix path of the source tree, as Wine's drive Z: shows it.
    if (path.GetLength() > 0 && path[0] == '\\')
        path = "Z:" + path;
    if (path.Right(1) != "\\")
        path += "\\";
    return path;
}

} // namespace qivtest
