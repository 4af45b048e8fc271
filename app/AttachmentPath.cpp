#include "app/AttachmentPath.h"

namespace {

bool IsRelative(const CString& strStored)
{
    return strStored.Find('\\') < 0 || strStored.Left(2) == ".\\" || strStored.Left(3) == "..\\";
}

// The path without "." and ".." steps: the shell's file information
// refuses paths that hold them. Paths without such steps, and paths the
// system cannot make whole, stay as they are.
CString WholePath(const CString& strPath)
{
    const CString strMarked = "\\" + strPath + "\\";
    if (strMarked.Find("\\.\\") < 0 && strMarked.Find("\\..\\") < 0)
        return strPath;
    char szWhole[MAX_PATH] = {};
    const DWORD nLength = ::GetFullPathNameA(strPath, MAX_PATH, szWhole, nullptr);
    return nLength > 0 && nLength < MAX_PATH ? CString(szWhole) : strPath;
}

} // namespace

CString ResolveAttachmentPath(const CString& strStored, const CString& strCardFile)
{
    if (!IsRelative(strStored))
        return WholePath(strStored);
    const int nSlash = strCardFile.ReverseFind('\\');
    // An untitled card file gives no folder; the current folder is no
    // substitute.
    if (nSlash < 0)
        return CString();
    const CString strFolder = strCardFile.Left(nSlash + 1);
    // ".\name" loses its dot and backslash; "..\name" stands beside the
    // card file's folder.
    if (strStored.Left(2) == ".\\")
        return WholePath(strFolder + strStored.Mid(2));
    return WholePath(strFolder + strStored);
}

CString AttachmentFolderPart(const CString& strStored)
{
    const int nSlash = strStored.ReverseFind('\\');
    return nSlash < 0 ? CString() : strStored.Left(nSlash);
}
