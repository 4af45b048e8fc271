#include "app/AttachmentPath.h"

namespace {

bool IsRelative(const CString& strStored)
{
    return strStored.Find('\\') < 0 || strStored.Left(2) == ".\\" || strStored.Left(3) == "..\\";
}

} // namespace

CString ResolveAttachmentPath(const CString& strStored, const CString& strCardFile)
{
    if (!IsRelative(strStored))
        return strStored;
    const int nSlash = strCardFile.ReverseFind('\\');
    // An untitled card file gives no folder; the current folder is no
    // substitute.
    if (nSlash < 0)
        return CString();
    const CString strFolder = strCardFile.Left(nSlash + 1);
    // ".\name" loses its dot and backslash; "..\name" stands beside the
    // card file's folder.
    if (strStored.Left(2) == ".\\")
        return strFolder + strStored.Mid(2);
    return strFolder + strStored;
}

CString AttachmentFolderPart(const CString& strStored)
{
    const int nSlash = strStored.ReverseFind('\\');
    return nSlash < 0 ? CString() : strStored.Left(nSlash);
}
