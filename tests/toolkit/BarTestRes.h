// Resource ids of the bar and control tests.
#pragma once

#define IDS_BAR_TEST_OPEN 20300
#define IDS_BAR_TEST_PLAIN 20301

// A toolbar of five buttons in three groups; one whose count claims more
// ids than it holds; the German menu of the menu-bar tests.
#define IDR_BAR_TEST_TOOLBAR 20310
#define IDR_BAR_TEST_SHORT_TOOLBAR 20311
#define IDR_BAR_TEST_MENU 20312
#define ID_BAR_TEST_NEW 57600
#define ID_BAR_TEST_OPEN 57601
#define ID_BAR_TEST_SAVE 57603
#define ID_BAR_TEST_PRINT 57607
#define ID_BAR_TEST_FIND 57636
#define ID_BAR_TEST_STATUS 59393
#define ID_BAR_TEST_TOOLBAR 59392
#define ID_BAR_TEST_APP_EXIT 57665
#define ID_BAR_TEST_ABOUT 57664
