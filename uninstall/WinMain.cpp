// The uninstaller takes no command line and has no window of its own; its
// exit code is always 0.
#include "uninstall/SystemPlaces.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CSystemMessageBox messageBox;
    RunUninstall(SystemUninstallPlaces(), messageBox);
    return 0;
}
