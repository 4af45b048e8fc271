#include "TestFiles.h"

#include <stdio.h>
#include <stdlib.h>

CString EnvironmentFolder(LPCSTR lpszVariable, LPCSTR lpszRelative)
{
    const char* pszValue = getenv(lpszVariable);
    if (!pszValue || !*pszValue)
        return CString();
    CString strPath(pszValue);
    strPath += "/";
    strPath += lpszRelative;
    strPath.Replace('/', '\\');
    if (strPath[0] == '\\')
        strPath = "Z:" + strPath;
    if (strPath.Right(1) != "\\")
        strPath += "\\";
    return strPath;
}

std::string ReadWholeFile(LPCSTR lpszPath)
{
    std::string data;
    FILE* pFile = fopen(lpszPath, "rb");
    if (!pFile)
        return data;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), pFile)) > 0)
        data.append(buffer, n);
    fclose(pFile);
    return data;
}

BOOL WriteWholeFile(LPCSTR lpszPath, const void* pData, size_t nSize)
{
    FILE* pFile = fopen(lpszPath, "wb");
    if (!pFile)
        return FALSE;
    BOOL bOk = fwrite(pData, 1, nSize, pFile) == nSize;
    return fclose(pFile) == 0 && bOk;
}
