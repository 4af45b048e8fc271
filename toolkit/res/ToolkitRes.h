// Resource ids of the toolkit's own resources (toolkit/res/Toolkit.rc),
// which every program and test using the bars links in.
#pragma once

#define XTP_IDS_CONFIRM_RESETTOOLBAR 9349
#define XTP_IDS_TOOLBAR_CHANGED 9394
#define XTP_ID_CUSTOMIZE_ADDORREMOVE 9300
#define XTP_ID_CUSTOMIZE_RESET 9315
#define XTP_ID_TOOLBAR_EXPAND 9400
#define XTP_ID_TOOLBAR_HIDE 9401
#define XTP_ID_POPUPBAR_EXPAND 9402
#define XTP_ID_MENUBAR_CLOSE 9403
#define XTP_ID_MENUBAR_RESTORE 9404
#define XTP_ID_MENUBAR_MINIMIZE 9405
#define XTP_IDB_MENUBAR_ICONS 9407
#define XTP_IDC_COMMANDBARS_RESIZE 9972
