// Resource ids of the status-bar tests.
#pragma once

#define IDS_STATUS_TEST_LINE 20320
// No string has this id.
#define IDS_STATUS_TEST_MISSING 20329
