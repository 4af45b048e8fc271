// Resources of the dialog tests.
#pragma once

#define IDD_DT_EXCHANGE 9101
#define IDD_DT_MODELESS 9102
#define IDD_DT_MISSING 9199

#define IDC_DT_TITLE 1001
#define IDC_DT_COUNT 1002
#define IDC_DT_CHECK 1062
#define IDC_DT_LEFT 1007
#define IDC_DT_RIGHT 1009
#define IDC_DT_CENTER 1008
#define IDC_DT_COMBO 1041
#define IDC_DT_FIRST 1010
#define IDC_DT_SECOND 1011
#define IDC_DT_NOTES 1012
