// Resource ids of the image tests' resources (ImageTestRes.rc).
#pragma once

#define IDB_TEST_TOOLBAR 20100
#define IDR_TEST_TOOLBAR 20100
#define IDB_TEST_ALPHA 20101
#define IDB_TEST_PNG 20102
#define IDB_TEST_PNG_TRUNCATED 20103
#define IDB_TEST_PNG_NINE 20104
#define IDB_TEST_PNG_BADSIG 20105
#define IDB_TEST_MISSING 20199
