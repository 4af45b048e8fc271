// Resource ids of the bar and control tests.
#pragma once

#define IDS_BAR_TEST_OPEN 20300
#define IDS_BAR_TEST_PLAIN 20301
