// The entry point of a framework program: the static initialisers have
// made the application object; this hands over to it. A program links this
// file by referring to WinMain (for the static library: link option
// -Wl,-u,_WinMain@16); test programs have their own main and do not.
#include "framework/ui/AppGlobals.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
