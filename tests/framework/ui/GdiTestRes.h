// Resources of the drawing, menu and image-list tests.
#pragma once

#define IDR_GDITEST_MENU        27100
#define ID_GDITEST_NEW          27101
#define ID_GDITEST_OPEN         27102
#define ID_GDITEST_EXIT         27103
#define ID_GDITEST_ZOOM_IN      27104
#define ID_GDITEST_ZOOM_OUT     27105
#define ID_GDITEST_STATUS       27106

#define IDB_GDITEST_STRIP       27110
