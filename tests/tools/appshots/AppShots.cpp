// The screenshot program's pictures of the real qivnotes.exe: started with a
// card file in fresh settings, driven by its own commands from outside, and
// photographed from the screen as a person sees it, with any dialog, menu
// or tool window it shows in front:
//
//   barshots --app EXE FILE [output folder]
//
// writes <folder>/app/<state>.png (default folder: "shots" beside barshots).
// The states: the start, the file menu opened by Alt+D, text only, tree
// only, the attachments pane, the banner's logo and an own banner text, the
// tip of the day, the options and the about box; an entry shown, a
// formatted note, a category with its contents list, an entry's
// attachments, a title being edited, the tree's context menu, the go-to and
// sort dialogs; the date menu, the paragraph, superscript and shortcut
// dialogs, the print preview (whole page and zoomed in), the banner as the
// program itself draws it after the preview closed, the character dialog
// (these runs have no printer: the screen's fonts), the search window with
// its results and the quick note, the frame with its three toolbars
// switched off in the options; then the banner's own text, and the
// attachments of a card file that stores them with "." and ".." steps.
//
// The card file is shown, never changed: every dialog and edit is
// cancelled, so the program closes without asking to save.
#include "AppShots.h"
#include "AppShotsProgram.h"

#include "app/res/resource.h"
#include "common/WindowSearch.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// A path as Windows takes it: a Unix path lies on drive Z:.
std::string WindowsPath(const std::string& strPath)
{
    std::string strWindows = !strPath.empty() && strPath[0] == '/' ? "Z:" + strPath : strPath;
    std::replace(strWindows.begin(), strWindows.end(), '/', '\\');
    return strWindows;
}

// Counts the shots written and the states that failed.
class CShots
{
public:
    explicit CShots(std::string strFolder) : m_strFolder(std::move(strFolder)) {}

    void Shoot(const CShotProgram& program, HWND hFront, const char* pszState)
    {
        if (ShootScreen(program.Main(), hFront, m_strFolder + "\\" + pszState + ".png"))
            ++m_nShots;
        else
            Fail(pszState, "not written");
    }

    // Opens a dialog by its command, shoots it and closes it by nClose.
    void Dialog(const CShotProgram& program, UINT nID, LPCSTR lpszTitle, UINT nClose, const char* pszState)
    {
        HWND hDialog = program.OpenDialog(nID, lpszTitle);
        if (!hDialog) {
            Fail(pszState, lpszTitle);
            return;
        }
        Shoot(program, hDialog, pszState);
        ::PostMessageA(hDialog, WM_COMMAND, nClose, 0);
        program.Settle();
    }

    // A popup menu the program opened (of the class), shot and closed by Esc.
    void Menu(const CShotProgram& program, const char* pszState, const char* pszClass = "#32768")
    {
        HWND hMenu = program.WaitForMenu(pszClass);
        if (!hMenu) {
            Fail(pszState, "no menu");
            return;
        }
        program.Settle();
        Shoot(program, hMenu, pszState);
        program.TypeKey(VK_ESCAPE);
    }

    void Fail(const char* pszState, const char* pszWhy)
    {
        ++m_nFailed;
        fprintf(stderr, "barshots: app/%s: %s\n", pszState, pszWhy);
    }

    int Shots() const { return m_nShots; }
    int Failed() const { return m_nFailed; }

private:
    std::string m_strFolder;
    int m_nShots = 0;
    int m_nFailed = 0;
};

// Start-up states: the views, the banner, the start dialogs.
void ShootStart(CShots& shots, const CShotProgram& program)
{
    shots.Shoot(program, nullptr, "start");
    shots.Shoot(program, nullptr, "banner-logo");
    // The file menu by its access key, with the underlines it shows; the
    // second Esc leaves the menu bar.
    program.TypeKey('D', VK_MENU);
    shots.Menu(program, "file-menu", "XTPPopupBar");
    program.TypeKey(VK_ESCAPE);
    program.SelectFirstEntry();
    program.Command(ID_VIEW_TEXT_ONLY);
    shots.Shoot(program, nullptr, "text-only");
    program.Command(ID_VIEW_TREE_ONLY);
    shots.Shoot(program, nullptr, "tree-only");
    program.Command(ID_VIEW_NORMAL);
    program.Command(ID_VIEW_ATTACHMENTS);
    shots.Shoot(program, nullptr, "attachments");
    program.Command(ID_VIEW_ATTACHMENTS);
    shots.Dialog(program, ID_TIP_OF_THE_DAY, "Tipps & Tricks", IDCANCEL, "tip");
    shots.Dialog(program, ID_OPTIONS, "Optionen", IDCANCEL, "options");
    shots.Dialog(program, ID_APP_ABOUT, "Info", IDOK, "about");
}

// The tree's states: entries shown, a category's contents, attachments,
// a title being edited, the context menu and the tree's dialogs.
void ShootTree(CShots& shots, const CShotProgram& program)
{
    if (program.SelectTitled("Gemüsesuppe"))
        shots.Shoot(program, nullptr, "entry");
    else
        shots.Fail("entry", "no item \"Gemüsesuppe\"");
    if (program.SelectTitled("Küche"))
        shots.Shoot(program, nullptr, "category-contents");
    else
        shots.Fail("category-contents", "no item \"Küche\"");
    if (program.SelectTitled("Einkauf")) {
        program.Command(ID_VIEW_ATTACHMENTS);
        shots.Shoot(program, nullptr, "attachment-rows");
        program.Command(ID_VIEW_ATTACHMENTS);
    } else {
        shots.Fail("attachment-rows", "no item \"Einkauf\"");
    }

    // The title edit opens on the selected item; cancelled, as Esc would.
    HWND hTree = program.FindChild(WC_TREEVIEWA);
    ::PostMessageA(program.Main(), WM_COMMAND, ID_RENAME, 0);
    program.Settle();
    HWND hEdit = nullptr;
    for (int i = 0; i < 100 && !hEdit; ++i) {
        DWORD_PTR dwEdit = 0;
        ::SendMessageTimeoutA(hTree, TVM_GETEDITCONTROL, 0, 0, SMTO_NORMAL, 30000, &dwEdit);
        hEdit = reinterpret_cast<HWND>(dwEdit);
        if (!hEdit)
            ::Sleep(100);
    }
    if (hEdit) {
        program.Settle();
        shots.Shoot(program, nullptr, "title-edit");
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(hTree, TVM_ENDEDITLABELNOW, TRUE, 0, SMTO_NORMAL, 30000, &dwResult);
        program.Settle();
    } else {
        shots.Fail("title-edit", "no edit field");
    }

    // The right button released on the selected item opens the menu there.
    const RECT rcItem = program.SelectedItemRect();
    POINT ptItem = {(rcItem.left + rcItem.right) / 2, (rcItem.top + rcItem.bottom) / 2};
    ::ScreenToClient(hTree, &ptItem);
    ::PostMessageA(hTree, WM_RBUTTONUP, 0, MAKELPARAM(ptItem.x, ptItem.y));
    shots.Menu(program, "tree-menu");

    shots.Dialog(program, ID_GOTO, "Gehe zu", IDCANCEL, "goto");
    shots.Dialog(program, ID_SORT, "Sortieren", IDCANCEL, "sort");
}

// The note's states: a formatted note, the date menu, the format dialogs
// and the print preview, all with the note's pane active.
void ShootNote(CShots& shots, const CShotProgram& program)
{
    if (!program.SelectTitled("Brot backen")) {
        shots.Fail("formatted-note", "no item \"Brot backen\"");
        return;
    }
    shots.Shoot(program, nullptr, "formatted-note");
    // F6's command makes the note the active pane.
    program.Command(ID_SWITCH_PANE);

    // The date menu opens where the pointer stands: over the note.
    if (HWND hNote = program.FindChild("RichEdit20A")) {
        RECT rcNote = {};
        ::GetWindowRect(hNote, &rcNote);
        ::SetCursorPos(rcNote.left + 60, rcNote.top + 90);
    }
    ::PostMessageA(program.Main(), WM_COMMAND, ID_INSERT_DATETIME, 0);
    shots.Menu(program, "date-menu");

    shots.Dialog(program, ID_FORMAT_PARAGRAPH, "Absatz", IDCANCEL, "paragraph");
    shots.Dialog(program, ID_FORMAT_SUPERSUB, "Hoch-/tiefstellen", IDCANCEL, "superscript");
    shots.Dialog(program, ID_CREATE_SHORTCUT, "Verknüpfung erstellen", IDCANCEL, "shortcut");
    if (HWND hFonts = program.OpenSystemDialog(ID_FORMAT_FONT)) {
        shots.Shoot(program, hFonts, "character");
        ::PostMessageA(hFonts, WM_COMMAND, IDCANCEL, 0);
        program.Settle();
    } else {
        shots.Fail("character", "no font dialog");
    }

    program.Command(ID_FILE_PRINT_PREVIEW);
    shots.Shoot(program, nullptr, "print-preview");
    program.Command(AFX_ID_PREVIEW_ZOOMIN);
    shots.Shoot(program, nullptr, "print-preview-zoomed");
    program.CommandAsDrawn(AFX_ID_PREVIEW_CLOSE);
    shots.Shoot(program, nullptr, "banner-after-preview");
    program.Command(ID_SWITCH_PANE);
}

// The tool windows: the search window with the hits of a term, the quick
// note.
void ShootToolWindows(CShots& shots, const CShotProgram& program)
{
    HWND hSearch = program.OpenDialog(ID_SEARCH, "Einträge suchen");
    if (hSearch) {
        ::SendMessageA(::GetDlgItem(hSearch, IDC_SEARCH_TERMS), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>("lassen"));
        ::PostMessageA(hSearch, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_START, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hSearch, IDC_SEARCH_START)));
        HWND hResults = ::GetDlgItem(hSearch, IDC_SEARCH_RESULTS);
        DWORD_PTR dwRows = 0;
        for (int i = 0; i < 100 && dwRows == 0; ++i) {
            ::SendMessageTimeoutA(hResults, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 30000, &dwRows);
            if (dwRows == 0)
                ::Sleep(100);
        }
        program.Settle();
        if (dwRows > 0)
            shots.Shoot(program, hSearch, "search-results");
        else
            shots.Fail("search-results", "no hits");
        ::PostMessageA(hSearch, WM_CLOSE, 0, 0);
        program.Settle();
    } else {
        shots.Fail("search-results", "Einträge suchen");
    }
    shots.Dialog(program, ID_QUICKNOTE, "Qivnotes QuickNotiz", IDCANCEL, "quicknote");
}

// Clicks the options' three toolbar choices and OK.
void ToggleToolBarsInOptions(const CShotProgram& program)
{
    HWND hSheet = program.OpenDialog(ID_OPTIONS, "Optionen");
    if (!hSheet)
        return;
    for (int nID : {IDC_BAR_STANDARD, IDC_BAR_VIEW, IDC_BAR_FORMAT}) {
        HWND hPage = ::FindWindowExA(hSheet, nullptr, "#32770", nullptr);
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(::GetDlgItem(hPage, nID), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &dwResult);
    }
    ::PostMessageA(hSheet, WM_COMMAND, IDOK, 0);
    // The frame lays its bars out once the sheet is gone.
    windows::WaitUntilGone(hSheet, 10000);
    program.Settle();
}

// The frame after the options switched the toolbars off; on again after.
void ShootOptionsApplied(CShots& shots, const CShotProgram& program)
{
    ToggleToolBarsInOptions(program);
    shots.Shoot(program, nullptr, "options-applied");
    ToggleToolBarsInOptions(program);
}

// A copy of the sample's two attachments, one in the folder of a card file
// that stores it as ".\name" and one above it stored as "..\name"; the
// card file's path, empty when it could not be written.
std::string WriteDotStepsCardFile(const std::string& strSampleFile)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string strTop = std::string(szTemp) + "qivshots-dotsteps";
    const std::string strFolder = strTop + "\\Karten";
    ::CreateDirectoryA(strTop.c_str(), nullptr);
    ::CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strSampleFolder = strSampleFile.substr(0, strSampleFile.rfind('\\') + 1);
    ::CopyFileA((strSampleFolder + "Einkaufsliste.txt").c_str(), (strFolder + "\\Einkaufsliste.txt").c_str(), FALSE);
    ::CopyFileA((strSampleFolder + "Vorratsliste.txt").c_str(), (strTop + "\\Vorratsliste.txt").c_str(), FALSE);
    const std::string strFile = strFolder + "\\Anlagen.qiv";
    CQivCardFileStore store;
    C_QivCategory* pRoot = new C_QivCategory("Notizen");
    pRoot->m_dwExpanded = 1;
    C_QivEntry* pEntry = new C_QivEntry("Einkauf");
    pEntry->m_lstAttachments.AddTail(".\\Einkaufsliste.txt");
    pEntry->m_lstAttachments.AddTail("..\\Vorratsliste.txt");
    pRoot->m_pFirstChild = pEntry;
    store.ReplaceRoot(pRoot);
    store.Save(strFile.c_str(), FALSE);
    return ::GetFileAttributesA(strFile.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string() : strFile;
}

void ShootDotStepAttachments(CShots& shots, const std::string& strExe, const std::string& strSampleFile)
{
    const std::string strFile = WriteDotStepsCardFile(strSampleFile);
    CShotProgram program;
    if (strFile.empty() || !program.Start(strExe, strFile) || !program.SelectTitled("Einkauf")) {
        shots.Fail("attachments-dot-steps", "did not start");
        return;
    }
    program.Command(ID_VIEW_ATTACHMENTS);
    shots.Shoot(program, nullptr, "attachments-dot-steps");
    program.Close();
}

} // namespace

int RunAppShots(const std::string& strExeArgument, const std::string& strFileArgument, const std::string& strFolder)
{
    const std::string strExe = WindowsPath(strExeArgument);
    const std::string strFile = WindowsPath(strFileArgument);
    const std::string strAppFolder = strFolder + "\\app";
    ::CreateDirectoryA(strFolder.c_str(), nullptr);
    ::CreateDirectoryA(strAppFolder.c_str(), nullptr);
    CShots shots(strAppFolder);
    {
        PrepareAppSettings(nullptr);
        CShotProgram program;
        if (!program.Start(strExe, strFile)) {
            fprintf(stderr, "barshots: %s did not start\n", strExe.c_str());
            return 1;
        }
        ShootStart(shots, program);
        ShootTree(shots, program);
        ShootNote(shots, program);
        ShootToolWindows(shots, program);
        ShootOptionsApplied(shots, program);
        if (program.Close() != 0)
            shots.Fail("close", "the program did not end cleanly");
    }
    {
        PrepareAppSettings("Haushalt");
        CShotProgram program;
        if (program.Start(strExe, strFile))
            shots.Shoot(program, nullptr, "banner-text");
        else
            shots.Fail("banner-text", "did not start");
        program.Close();
    }
    PrepareAppSettings(nullptr);
    ShootDotStepAttachments(shots, strExe, strFile);
    DeleteAppSettings();
    printf("barshots: %d shots of %s in %s\n", shots.Shots(), strExe.c_str(), strAppFolder.c_str());
    return shots.Failed() == 0 ? 0 : 1;
}
