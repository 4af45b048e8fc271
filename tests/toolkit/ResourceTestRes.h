// Resource ids of the resource manager's tests (ResourceTestRes.rc).
#pragma once

#define IDS_TEST_MESSAGE 20200
#define IDR_TEST_MENU 20201
#define IDD_TEST_DIALOG 20202
#define ID_TEST_COMMAND 20203
#define IDS_TEST_MISSING 20299
