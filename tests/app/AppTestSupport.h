// The application object of the app tests: named "Qivnotes" (the string
// table's title) with settings under a test company key of its own, so a
// test never touches the settings of a real run in the same prefix. It is
// set up at start-up but never runs its message loop; an unexpected message
// box fails the test that shows it.
#pragma once

#include "framework/ui/WinApp.h"

#include <gtest/gtest.h>

class CAppTestApp : public CWinApp
{
public:
    CAppTestApp();
    BOOL InitInstance() override;
};

// HKEY_CURRENT_USER\Software\<test company>\Qivnotes
CString AppTestSettingsKey();

// Every test of these fixtures starts and ends with no stored settings, the
// sound events on and no sound scheme.
class AppSettingsTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores the scheme file of a sound event ("" stores an empty path).
    static void RegisterSoundEvent(LPCSTR lpszEvent, LPCSTR lpszFile);
    static void WriteSettingString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue);
    static void WriteSettingInt(LPCSTR lpszSection, LPCSTR lpszKey, int nValue);
    // The registry type of a stored value, 0 when it is missing.
    static DWORD StoredType(LPCSTR lpszSection, LPCSTR lpszKey);
};

// A file of the source tree as Windows sees it (drive Z: for a Unix path);
// empty when QIV_SOURCE_DIR is not set.
CString SourcePath(LPCSTR lpszRelative);

// Keeps a copy of a card file a test saved, beside the dump of the tree the
// program held when saving it, in the build tree's folder app-saved: a test
// run after the app tests reads every copy with the independent reader and
// compares. Nothing is kept when QIV_BINARY_DIR is not set.
class C_QivItem;
void KeepSavedCardFile(const CString& strPath, C_QivItem* pRoot);

// Dispatches every message waiting in the thread's queue.
void PumpAppMessages();
