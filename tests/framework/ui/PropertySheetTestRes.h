// Pages of the property sheet tests.
#pragma once

#define IDD_PST_WELCOME 27300
#define IDD_PST_NAME 27301
#define IDD_PST_COUNT 27302
#define IDD_PST_DONE 27303
#define IDC_PST_NAME 27310
#define IDC_PST_COUNT 27311
