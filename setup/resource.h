// Resource ids of the setup wizard.
#pragma once

#define IDI_SETUP 128
#define IDB_SIDE 129

#define IDD_WELCOME 107
#define IDD_DESTINATION 109
#define IDD_LINKS 110
#define IDD_MODULES 111
#define IDD_SUMMARY 112
#define IDD_COPY 113
#define IDD_FINISHED 114

#define IDC_BROWSE 1002
#define IDC_DESTINATION 1003
#define IDC_STARTMENU 1004
#define IDC_DESKTOP 1005
#define IDC_SUMMARY 1007
#define IDC_PROGRAM 1008
#define IDC_PROGRESS 1013
#define IDC_STATUS 1014
#define IDC_START 1017
#define IDC_CONTINUE 1018

#define IDS_SETUP_TITLE 1
