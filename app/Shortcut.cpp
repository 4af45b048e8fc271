#include "app/Shortcut.h"

#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <objbase.h>
#include <shlobj.h>
#include <string.h>

#include <string>

namespace {

class CComScope
{
public:
    CComScope() : m_bInitialized(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~CComScope()
    {
        if (m_bInitialized)
            ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    BOOL m_bInitialized;
};

template <class T>
class CInterface
{
public:
    CInterface() = default;
    ~CInterface()
    {
        if (m_p)
            m_p->Release();
    }
    CInterface(const CInterface&) = delete;
    CInterface& operator=(const CInterface&) = delete;
    T* operator->() const { return m_p; }
    void** Out() { return reinterpret_cast<void**>(&m_p); }
    T* m_p = nullptr;
};

// The icons of the program file: an entry's and a category's.
const int kEntryIcon = 4;
const int kCategoryIcon = 5;

void WriteLink(const CString& strLinkPath, const CString& strProgram, const CString& strArguments, int nIcon)
{
    CComScope com;
    CInterface<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out())))
        return;
    CInterface<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())))
        return;
    if (FAILED(link->SetPath(strProgram)) || FAILED(link->SetArguments(strArguments))
        || FAILED(link->SetShowCmd(SW_SHOWNORMAL)))
        return;
    if (nIcon >= 0 && FAILED(link->SetIconLocation(strProgram, nIcon)))
        return;
    const std::wstring linkPath = AfxAnsiToWide(strLinkPath);
    if (SUCCEEDED(file->Save(linkPath.c_str(), TRUE)))
        file->SaveCompleted(linkPath.c_str());
}

} // namespace

CString QivShortcutArguments(const CString& strCardFile, const CString& strItemPath)
{
    CString strArguments = "\"" + strCardFile + "\"";
    if (!strItemPath.IsEmpty())
        strArguments += " \"" + strItemPath;
    return strArguments;
}

CString QivShortcutFileName(const CString& strTitle, const CString& strFallback)
{
    CString strName = strTitle.IsEmpty() ? strFallback : strTitle;
    for (int i = 0; i < strName.GetLength(); ++i) {
        char ch = strName[i];
        if (strchr("\\/:*?\"<>|", ch) || static_cast<unsigned char>(ch) < 0x20)
            strName.SetAt(i, '_');
    }
    return strName;
}

CString QivCreateShortcut(const QIV_SHORTCUT_REQUEST& request)
{
    char szFolder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, szFolder,
                                   request.bFavorites ? CSIDL_FAVORITES : CSIDL_DESKTOPDIRECTORY, FALSE))
        return CString();

    CString strItemPath;
    int nIcon = -1;
    CString strTitle = request.strDocTitle;
    if (request.pItem) {
        if (request.pItem != request.pRoot && request.pRoot)
            strItemPath = request.pRoot->GetPath(request.pItem, QIV_ROOT_IDENTIFIER);
        nIcon = QivAsCategory(request.pItem) ? kCategoryIcon : kEntryIcon;
        strTitle = request.pItem->m_strTitle;
    }
    CString strLinkPath = CString(szFolder) + "\\" + QivShortcutFileName(strTitle, request.strDocTitle) + ".lnk";
    WriteLink(strLinkPath, request.strProgram, QivShortcutArguments(request.strCardFile, strItemPath), nIcon);
    return strLinkPath;
}
