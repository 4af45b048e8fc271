#include "setup/DestinationCheck.h"

#include "setup/InstallFiles.h"

#include "framework/core/LongPath.h"

#include <vector>

namespace {

const char kPickAnother[] = "\n\nBitte wählen Sie einen anderen Zielordner.";

// "C:\" or "\\server\share\" of a full path.
CString RootOf(const CString& strFolder)
{
    if (strFolder.Left(2) != "\\\\")
        return strFolder.Left(3);
    int nEnd = strFolder.Find('\\', 2);
    if (nEnd > 0)
        nEnd = strFolder.Find('\\', nEnd + 1);
    return nEnd > 0 ? strFolder.Left(nEnd + 1) : strFolder + "\\";
}

// The first part of the path that exists but is a file, or empty.
CString FileInTheWay(const CString& strFolder)
{
    for (int i = RootOf(strFolder).GetLength(); i <= strFolder.GetLength(); ++i) {
        if (i < strFolder.GetLength() && strFolder[i] != '\\')
            continue;
        const CString strPart = strFolder.Left(i);
        const DWORD dw = ::GetFileAttributesW(LongPathW(strPart).c_str());
        if (dw == INVALID_FILE_ATTRIBUTES)
            return CString();
        if (!(dw & FILE_ATTRIBUTE_DIRECTORY))
            return strPart;
    }
    return CString();
}

// Whether a file can be made in the existing folder.
BOOL CanWriteInto(const CString& strFolder)
{
    CString strProbe = strFolder;
    if (strProbe[strProbe.GetLength() - 1] != '\\')
        strProbe += '\\';
    strProbe += "~qivsetup.probe";
    const HANDLE hFile = ::CreateFileW(LongPathW(strProbe).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_EXISTS;
    ::CloseHandle(hFile);
    return TRUE;
}

CString Quoted(const CString& str)
{
    return "\"" + str + "\"";
}

} // namespace

CString CheckDestinationFolder(const CString& strFolderGiven)
{
    CString strFolder = strFolderGiven;
    while (strFolder.GetLength() > 3 && strFolder[strFolder.GetLength() - 1] == '\\')
        strFolder = strFolder.Left(strFolder.GetLength() - 1);

    const CString strRoot = RootOf(strFolder);
    if (::GetFileAttributesW(LongPathW(strRoot).c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (strRoot[1] == ':')
            return "Das Laufwerk " + strRoot.Left(2) + " ist nicht vorhanden oder nicht bereit."
                   + kPickAnother;
        return "Die Netzwerkfreigabe " + Quoted(strRoot.Left(strRoot.GetLength() - 1))
               + " ist nicht erreichbar." + kPickAnother;
    }
    const CString strFile = FileInTheWay(strFolder);
    if (!strFile.IsEmpty())
        return "Der Zielordner kann nicht angelegt werden, weil " + Quoted(strFile)
               + " eine Datei ist." + kPickAnother;

    std::vector<CString> created;
    CString strMessage;
    if (!CreateFolders(strFolder, &created))
        strMessage = "Der Ordner " + Quoted(strFolder) + " kann nicht angelegt werden." + kPickAnother;
    else if (!CanWriteInto(strFolder))
        strMessage = "In den Ordner " + Quoted(strFolder) + " kann nicht geschrieben werden."
                     + kPickAnother;
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        ::RemoveDirectoryW(LongPathW(*it).c_str());
    return strMessage;
}
