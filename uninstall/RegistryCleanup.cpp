#include "uninstall/RegistryCleanup.h"

#include "framework/core/String.h"

namespace {

// In the order they are deleted: a key goes only after its sub-keys.
const LPCSTR kAssociationKeys[] = {
    ".qiv",
    "Qivnotes.Datenbank\\shell\\open\\command",
    "Qivnotes.Datenbank\\shell\\open",
    "Qivnotes.Datenbank\\shell",
    "Qivnotes.Datenbank\\DefaultIcon",
    "Qivnotes.Datenbank",
};

const char kSettingsKey[] = "Software\\VRNK\\Qivnotes";

const LPCSTR kSettingsSections[] = {
    "cf",
    "CommandBars-Bar0",
    "CommandBars-Bar1",
    "CommandBars-Bar2",
    "CommandBars-Bar3",
    "CommandBars-DockBar0",
    "CommandBars-Options",
    "CommandBars-Summary",
    "Frame",
    "MainFrame",
    "Recent File List",
    "rectMargin",
    "Settings",
    "Tip",
    "TimeAndDate",
    "Toolbars-Bar0",
    "Toolbars-Bar1",
    "Toolbars-Bar2",
    "Toolbars-Bar3",
    "Toolbars-Bar4",
    "Toolbars-Bar5",
    "Toolbars-Bar6",
    "Toolbars-Summary",
    "wndplsearch",
};

} // namespace

void DeleteFileAssociation(HKEY hClasses)
{
    for (LPCSTR key : kAssociationKeys)
        ::RegDeleteKeyA(hClasses, key);
}

void DeleteProgramSettings(HKEY hUser)
{
    for (LPCSTR section : kSettingsSections) {
        CString strKey(kSettingsKey);
        strKey += "\\";
        strKey += section;
        ::RegDeleteKeyA(hUser, strKey);
    }
    ::RegDeleteKeyA(hUser, kSettingsKey);
}
