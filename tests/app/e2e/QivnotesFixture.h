// The fixture of the end-to-end tests: the program's settings removed before
// and after each test, no splash and no start-up tip, and card files written
// and read back by the model.
#pragma once

#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class C_QivCategory;

namespace e2e {
class CQivnotesProcess;
}

namespace e2e {

class QivnotesTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static void SetSetting(LPCSTR lpszSection, LPCSTR lpszName, LPCSTR lpszValue);
    static void SetSettingInt(LPCSTR lpszSection, LPCSTR lpszName, DWORD dwValue);
    // 0xFFFFFFFF when the value is missing or no integer.
    static DWORD SettingInt(LPCSTR lpszSection, LPCSTR lpszName);
    // "(missing)" when the value is missing or no string.
    static std::string SettingString(LPCSTR lpszSection, LPCSTR lpszName);

    // A card file: root "Notizen" with the open category "Küche" holding the
    // entries "Brot" and "Suppe" (a text, a colour and an attachment).
    static CString WriteSample(LPCSTR lpszFolder, LPCSTR lpszName = "Rezepte.qiv");
    // A card file: root "Notizen" with the open category holding one entry
    // per title and note (each note stored with a closing NUL).
    static CString WriteCategory(LPCSTR lpszFolder, LPCSTR lpszName, LPCSTR lpszCategory,
                                 const std::vector<std::pair<std::string, std::string>>& entries);
    // The tree of a card file as title outline ("Notizen{Küche{Brot,Suppe}}").
    static std::string SavedOutline(const CString& strPath);
    static std::unique_ptr<C_QivCategory> ReadCardFile(const CString& strPath);
    // Starts the program on the card file (with the item at the path, e.g.
    // "Küche\\Suppe", selected when one is given), waits until it is idle
    // and puts it in front.
    static void StartInFront(CQivnotesProcess& program, const CString& strFile, const std::string& strPath = "");
    // Clicks (SendInput) into the first line of the window, 40 pixels in;
    // FALSE when the pointer did not get there.
    static BOOL ClickInto(HWND hWnd);
    // The same into the shown note, which takes the focus and the command
    // route; the note's window, or null.
    static HWND ClickIntoNote(const CQivnotesProcess& program);
    // Waits (up to 5 s) until the main window stands always on top, or not,
    // and the setting "TopMost" says so: a choice in a menu arrives as a
    // system command posted after the menu closed. FALSE when it did not.
    static bool WaitForTopMost(const CQivnotesProcess& program, bool bTopMost);
};

} // namespace e2e
