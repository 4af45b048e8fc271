#include "toolkit/commandbars/FrameWnd.h"

IMPLEMENT_DYNCREATE(CXTPFrameWnd, CFrameWnd)
