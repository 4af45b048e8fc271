// Resource ids of the toolkit's own resources (toolkit/res/Toolkit.rc):
// every string, picture, menu and cursor the toolkit loads. Every program
// and test linking the toolkit links them in.
#pragma once

#define XTP_IDS_INVALID_NUMBER 9347
#define XTP_IDS_INVALID_FONTSIZE 9348
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
// The cursors of the toolkit's global data: drag with no drop, copy and
// move; the splitter's sideways and up-down bars; the hand over a link
// where the system has none.
#define XTP_IDC_DRAGNONE 9011
#define XTP_IDC_DRAGCOPY 9008
#define XTP_IDC_DRAGMOVE 9009
#define XTP_IDC_HSPLITBAR 9970
#define XTP_IDC_VSPLITBAR 9971
#define XTP_IDC_HAND 9973
// The customize drag's cursors: copy, move, no drop.
#define XTP_IDC_COMMANDBARS_DRAGCOPY 9301
#define XTP_IDC_COMMANDBARS_DRAGMOVE 9302
#define XTP_IDC_COMMANDBARS_DRAGNONE 9303
// The ribbon's quick access menu and its commands.
#define XTP_ID_RIBBONCUSTOMIZE_REMOVE 9532
#define XTP_ID_RIBBONCUSTOMIZE_ADD 9533
#define XTP_ID_RIBBONCUSTOMIZE 9534
#define XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSBELOW 9535
#define XTP_ID_RIBBONCUSTOMIZE_QUICKACCESSABOVE 9536
#define XTP_IDR_RIBBONCUSTOMIZEMENU 9537
// The tab-group commands of the MDI tab workspace.
#define XTP_IDS_WORKSPACE_MOVEPREVIOUS 9420
#define XTP_IDS_WORKSPACE_MOVENEXT 9421
#define XTP_IDS_WORKSPACE_NEWHORIZONTAL 9422
#define XTP_IDS_WORKSPACE_NEWVERTICAL 9423
