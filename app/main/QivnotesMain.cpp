// The program: its one application object. WinMain is the framework's.
#include "app/QivApp.h"

CQivApp theApp;
