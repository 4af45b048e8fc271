// The menus of the real program by keyboard: Alt and the underlined letter
// of each menu-bar item opens that item's menu (its items read back through
// the popup's accessibility object from this process), Esc closes it, a
// letter that only an icon-only toolbar button carries opens nothing, and
// Alt+Space opens the window's system menu, whose "Immer im Vordergrund" the
// keyboard reaches; Alt or F10 tapped alone in the tree hands the keyboard
// to the menu bar.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "toolkit/input/InputTestSupport.h"

#include <oleacc.h>

#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesMenuKeys : public e2e::QivnotesTest
{
protected:
    void SetUp() override
    {
        e2e::QivnotesTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    }
    void TearDown() override
    {
        ::CoUninitialize();
        e2e::QivnotesTest::TearDown();
    }
};

// The names of a popup bar's items as accessibility clients read them
// (caption without access-key marks, a shortcut after a tab).
std::vector<std::string> ItemNames(HWND hPopup)
{
    std::vector<std::string> names;
    // Looked up by name, as the program itself does.
    using PFNACCESSIBLEOBJECTFROMWINDOW = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    static HMODULE s_hOleacc = ::LoadLibraryA("oleacc.dll");
    const auto pfnObjectFromWindow = reinterpret_cast<PFNACCESSIBLEOBJECTFROMWINDOW>(
        s_hOleacc ? reinterpret_cast<void*>(::GetProcAddress(s_hOleacc, "AccessibleObjectFromWindow")) : nullptr);
    IAccessible* pAcc = nullptr;
    if (!pfnObjectFromWindow
        || FAILED(pfnObjectFromWindow(hPopup, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                      reinterpret_cast<void**>(&pAcc))))
        return names;
    long nCount = 0;
    pAcc->get_accChildCount(&nCount);
    for (long nChild = 1; nChild <= nCount; ++nChild) {
        VARIANT var;
        ::VariantInit(&var);
        var.vt = VT_I4;
        var.lVal = nChild;
        BSTR bstr = nullptr;
        std::string name = "(none)";
        if (SUCCEEDED(pAcc->get_accName(var, &bstr)) && bstr) {
            char sz[256] = {};
            ::WideCharToMultiByte(CP_ACP, 0, bstr, -1, sz, sizeof(sz), nullptr, nullptr);
            name = sz;
            ::SysFreeString(bstr);
        }
        names.push_back(name);
    }
    pAcc->Release();
    return names;
}

// The window that has the keyboard focus in the program's main thread.
HWND FocusOf(HWND hMain)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hMain, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool IsTopMost(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace

TEST_F(QivnotesMenuKeys, AltAndEachMenusLetterOpensItsMenuAndEscClosesIt)
{
    const struct
    {
        char chLetter;
        std::vector<std::string> firstItems;
    } kMenus[] = {
        {'d', {"Neu\tStrg+N", "\xD6" "ffnen...\tStrg+O", "Speichern\tStrg+S"}},
        {'b', {"R\xFC" "ckg\xE4" "ngig\tStrg+Z", "Ausschneiden\tStrg+X", "Kopieren\tStrg+C"}},
        {'a', {"Normalansicht", "Text", "Verzeichnis"}},
        {'o', {"Zeichen...", "Absatz...", "Hoch-/tiefstellen..."}},
        {'x', {"Zeichentabelle\tStrg+T", "Optionen..."}},
        {'?', {"Hilfethemen", "Tipps & Tricks..."}},
    };
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, WriteSample("menukeys")));

    for (const auto& menu : kMenus) {
        InjectCharWithAlt(menu.chLetter);
        HWND hPopup = program.WaitForVisibleClass("XTPPopupBar", 5000);
        ASSERT_NE(nullptr, hPopup) << "Alt+" << menu.chLetter << " opened no menu";
        const std::vector<std::string> names = ItemNames(hPopup);
        ASSERT_GE(names.size(), menu.firstItems.size()) << menu.chLetter;
        EXPECT_EQ(menu.firstItems, std::vector<std::string>(names.begin(), names.begin() + menu.firstItems.size()))
            << "Alt+" << menu.chLetter;
        // Esc closes the menu and leaves the menu bar; nothing else opened.
        TapKey(VK_ESCAPE);
        TapKey(VK_ESCAPE);
        EXPECT_TRUE(program.WaitUntilNoVisibleClass("XTPPopupBar", 5000)) << menu.chLetter;
        ASSERT_TRUE(program.WaitUntilIdle());
        EXPECT_EQ(nullptr, program.WaitForVisibleClass("#32770", 0)) << menu.chLetter;
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesMenuKeys, LettersOfIconOnlyToolbarButtonsRunNothing)
{
    // "Ö&ffnen" and "&Drucken" stand on the toolbar as icons alone; F is no
    // menu's letter.
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, WriteSample("iconletters")));
    InjectCharWithAlt('f');
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(nullptr, program.WaitForVisibleClass("#32770", 500)) << "Alt+F opened a dialog";
    EXPECT_EQ(nullptr, program.WaitForVisibleClass("XTPPopupBar", 0));
    TapKey(VK_ESCAPE);
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesMenuKeys, AltSpaceOpensTheSystemMenuWhoseTopMostItemTheKeyboardReaches)
{
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, WriteSample("sysmenu")));
    HWND hMain = program.MainWindow();
    ASSERT_FALSE(IsTopMost(hMain));

    // Alt+Space opens it; Esc closes its popup, a second Esc leaves it.
    InjectCharWithAlt(' ');
    ASSERT_NE(nullptr, program.WaitForVisibleClass("#32768", 5000));
    TapKey(VK_ESCAPE);
    TapKey(VK_ESCAPE);
    EXPECT_TRUE(program.WaitUntilNoVisibleClass("#32768", 5000));
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_FALSE(IsTopMost(hMain));

    // Its "&Immer im Vordergrund" by the letter turns the setting over,
    // and back again.
    for (bool bTopMost : {true, false}) {
        InjectCharWithAlt(' ');
        ASSERT_NE(nullptr, program.WaitForVisibleClass("#32768", 5000)) << bTopMost;
        TapKey('I');
        EXPECT_TRUE(program.WaitUntilNoVisibleClass("#32768", 5000)) << bTopMost;
        EXPECT_TRUE(WaitForTopMost(program, bTopMost));
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesMenuKeys, AltAloneInTheTreeHandsTheKeyboardToTheMenuBar)
{
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, WriteSample("altalone"), "Küche\\Suppe"));
    // The tree takes the Alt key itself: the system's menu key command
    // never follows its release there.
    HWND hTree = program.FindChild(WC_TREEVIEWA);
    ASSERT_NE(nullptr, hTree);
    const struct
    {
        WORD wMenuKey;
        WORD wKey;
        const char* pszOpened;
    } kCases[] = {
        {VK_MENU, 'D', "XTPPopupBar"},
        {VK_MENU, VK_SPACE, "#32768"},
        {VK_F10, 'D', "XTPPopupBar"},
    };
    ASSERT_TRUE(ClickInto(hTree));
    ASSERT_TRUE(program.WaitUntilIdle());
    ASSERT_EQ(hTree, FocusOf(program.MainWindow()));
    for (const auto& test : kCases) {
        // Alt (or F10) pressed and released alone, then the key: the menu
        // opens.
        TapKey(test.wMenuKey);
        TapKey(test.wKey);
        HWND hMenu = program.WaitForVisibleClass(test.pszOpened, 5000);
        ASSERT_NE(nullptr, hMenu) << "keys " << test.wMenuKey << " " << test.wKey;
        if (test.wKey == 'D') {
            const std::vector<std::string> names = ItemNames(hMenu);
            ASSERT_FALSE(names.empty());
            EXPECT_EQ("Neu\tStrg+N", names.front());
        }
        // Esc closes the menu, a second one leaves the menu bar: the focus
        // is back where it was.
        TapKey(VK_ESCAPE);
        TapKey(VK_ESCAPE);
        EXPECT_TRUE(program.WaitUntilNoVisibleClass(test.pszOpened, 5000)) << test.wKey;
        ASSERT_TRUE(program.WaitUntilIdle());
        EXPECT_EQ(hTree, FocusOf(program.MainWindow())) << test.wKey;
    }

    // Esc right after the Alt leaves the menu bar again: D then opens
    // nothing (in the tree it only looks for an item).
    TapKey(VK_MENU);
    TapKey(VK_ESCAPE);
    TapKey('D');
    ASSERT_TRUE(program.WaitUntilIdle());
    EXPECT_EQ(nullptr, program.WaitForVisibleClass("XTPPopupBar", 500));
    EXPECT_EQ(0, program.Close());
}
