#include "app/ShellCommands.h"

#include "framework/core/String.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/CmdTarget.h"
#include "toolkit/extras/HyperlinkShell.h"

#include <vector>

namespace {

// A folder the system names (Windows or system folder), however long.
template <typename Getter>
CString SystemFolder(Getter getFolder)
{
    std::vector<char> buffer(MAX_PATH + 1);
    UINT nLength = getFolder(buffer.data(), static_cast<UINT>(buffer.size()));
    if (nLength >= buffer.size()) {
        buffer.resize(nLength + 1);
        nLength = getFolder(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    if (nLength == 0 || nLength >= buffer.size())
        return CString();
    return CString(buffer.data());
}

// Starts charmap.exe from the folder; TRUE when the shell started it.
BOOL StartCharacterMapIn(const CString& strFolder)
{
    if (strFolder.IsEmpty())
        return FALSE;
    CString strFile = strFolder;
    if (strFile.Right(1) != "\\")
        strFile += "\\";
    strFile += "charmap.exe";
    return XTShellOpen(strFile, nullptr, strFolder, SW_SHOWNORMAL) > 32;
}

} // namespace

void QivOpenWebPage(UINT nIDAddress)
{
    CString strAddress;
    if (strAddress.LoadString(nIDAddress))
        XTShellOpen(strAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void QivOpenCharacterMap()
{
    CWaitCursor wait;
    if (HWND hRunning = ::FindWindowA("MyDlgClass", "Zeichentabelle")) {
        ::SetForegroundWindow(hRunning);
        ::ShowWindow(hRunning, SW_RESTORE);
        return;
    }
    if (StartCharacterMapIn(SystemFolder(::GetWindowsDirectoryA)))
        return;
    if (StartCharacterMapIn(SystemFolder(::GetSystemDirectoryA)))
        return;
    AfxMessageBox("Die Windows-Zeichentabelle ist nicht verfügbar.\n"
                  "Installieren Sie sie über Systemsteuerung/Software/Windows-Setup!",
                  MB_OK | MB_ICONEXCLAMATION);
}
