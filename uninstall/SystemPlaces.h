// What a real run works on: the system's registry roots, the user's shortcut
// folders and message boxes on the desktop.
#pragma once

#include "uninstall/Uninstaller.h"

CUninstallPlaces SystemUninstallPlaces();

class CSystemMessageBox : public CUninstallMessageBox
{
public:
    int Show(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) override;
};
