// The framework's standard command, string and window ids. Plain #defines
// only, so resource scripts can include this file as well as C++ sources.
#pragma once

#ifndef RC_INVOKED
#include "framework/core/AfxWin.h"
#endif

// ---- File commands ----
#define ID_FILE_NEW                 0xE100
#define ID_FILE_OPEN                0xE101
#define ID_FILE_CLOSE               0xE102
#define ID_FILE_SAVE                0xE103
#define ID_FILE_SAVE_AS             0xE104
#define ID_FILE_PAGE_SETUP          0xE105
#define ID_FILE_PRINT_SETUP         0xE106
#define ID_FILE_PRINT               0xE107
#define ID_FILE_PRINT_DIRECT        0xE108
#define ID_FILE_PRINT_PREVIEW       0xE109
#define ID_FILE_MRU_FILE1           0xE110
#define ID_FILE_MRU_FILE16          0xE11F
#define ID_FILE_MRU_FIRST           ID_FILE_MRU_FILE1
#define ID_FILE_MRU_LAST            ID_FILE_MRU_FILE16

// ---- Edit commands ----
#define ID_EDIT_CLEAR               0xE120
#define ID_EDIT_CLEAR_ALL           0xE121
#define ID_EDIT_COPY                0xE122
#define ID_EDIT_CUT                 0xE123
#define ID_EDIT_FIND                0xE124
#define ID_EDIT_PASTE               0xE125
#define ID_EDIT_PASTE_LINK          0xE126
#define ID_EDIT_PASTE_SPECIAL       0xE127
#define ID_EDIT_REPEAT              0xE128
#define ID_EDIT_REPLACE             0xE129
#define ID_EDIT_SELECT_ALL          0xE12A
#define ID_EDIT_UNDO                0xE12B
#define ID_EDIT_REDO                0xE12C

// ---- Application, help and window commands ----
#define ID_APP_ABOUT                0xE140
#define ID_APP_EXIT                 0xE141
#define ID_HELP_INDEX               0xE142
#define ID_HELP_FINDER              0xE143
#define ID_HELP_USING               0xE144
#define ID_CONTEXT_HELP             0xE145
#define ID_HELP                     0xE146
#define ID_DEFAULT_HELP             0xE147
#define ID_NEXT_PANE                0xE150
#define ID_PREV_PANE                0xE151
#define ID_FORMAT_FONT              0xE160

// ---- OLE commands ----
#define ID_OLE_INSERT_NEW           0xE200
#define ID_OLE_EDIT_LINKS           0xE201
#define ID_OLE_EDIT_CONVERT         0xE202
#define ID_OLE_EDIT_CHANGE_ICON     0xE203
#define ID_OLE_EDIT_PROPERTIES      0xE204
#define ID_OLE_VERB_FIRST           0xE210
#define ID_OLE_VERB_LAST            0xE21F

// ---- Print preview commands ----
#define AFX_ID_PREVIEW_CLOSE        0xE300
#define AFX_ID_PREVIEW_NUMPAGE      0xE301
#define AFX_ID_PREVIEW_NEXT         0xE302
#define AFX_ID_PREVIEW_PREV         0xE303
#define AFX_ID_PREVIEW_PRINT        0xE304
#define AFX_ID_PREVIEW_ZOOMIN       0xE305
#define AFX_ID_PREVIEW_ZOOMOUT      0xE306

// ---- Status-bar indicators ----
#define ID_INDICATOR_EXT            0xE700
#define ID_INDICATOR_CAPS           0xE701
#define ID_INDICATOR_NUM            0xE702
#define ID_INDICATOR_SCRL           0xE703
#define ID_INDICATOR_OVR            0xE704
#define ID_INDICATOR_REC            0xE705
#define ID_INDICATOR_KANA           0xE706
#define ID_SEPARATOR                0

// ---- Property sheet buttons (the ids the system gives them) ----
#define ID_APPLY_NOW                0x3021
#define ID_WIZBACK                  0x3023
#define ID_WIZNEXT                  0x3024
#define ID_WIZFINISH                0x3025

// ---- Control bars and panes ----
#define AFX_IDW_CONTROLBAR_FIRST    0xE800
#define AFX_IDW_CONTROLBAR_LAST     0xE8FF
#define AFX_IDW_TOOLBAR             0xE800
#define AFX_IDW_STATUS_BAR          0xE801
#define AFX_IDW_PREVIEW_BAR         0xE802
#define AFX_IDW_RESIZE_BAR          0xE803
#define AFX_IDW_REBAR               0xE804
#define AFX_IDW_DIALOGBAR           0xE805
#define AFX_IDW_DOCKBAR_TOP         0xE81B
#define AFX_IDW_DOCKBAR_LEFT        0xE81C
#define AFX_IDW_DOCKBAR_RIGHT       0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM      0xE81E
#define AFX_IDW_DOCKBAR_FLOAT       0xE81F
#define AFX_IDW_PANE_FIRST          0xE900
#define AFX_IDW_PANE_LAST           0xE9FF
#define AFX_IDW_HSCROLL_FIRST       0xEA00
#define AFX_IDW_VSCROLL_FIRST       0xEA10
#define AFX_IDW_SIZE_BOX            0xEA20
#define AFX_IDW_PANE_SAVE           0xEA21

// ---- Strings ----
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE           0xE000
#endif
#ifndef AFX_IDS_IDLEMESSAGE
#define AFX_IDS_IDLEMESSAGE         0xE001
#endif
#define AFX_IDS_HELPMODEMESSAGE     0xE002
#define AFX_IDS_APP_TITLE_EMBEDDING 0xE003
#define AFX_IDS_COMPANY_NAME        0xE004
#define AFX_IDS_OBJ_TITLE_INPLACE   0xE005
// Prompts of the system commands: AFX_IDS_SCFIRST + ((SC_xxx - 0xF000) >> 4).
#define AFX_IDS_SCFIRST             0xEF00
#define AFX_IDS_MDICHILD            0xEF1F
