// Resource ids of qivnotes.exe. Plain #defines only: the resource script
// includes this file as well as the C++ sources. The framework's own
// command and string ids (ID_FILE_NEW, ID_HELP, AFX_IDS_APP_TITLE ...) come
// from framework/ui/AfxRes.h.
#pragma once

#include "framework/ui/AfxRes.h"

// ---- Frame resources (menu, accelerators, icon, document string) ----
#define IDR_MAINFRAME               128
#define IDR_CNTR_INPLACE            6
#define IDR_TOOLBAR_STANDARD        129
#define IDR_TOOLBAR_FORMAT          131
#define IDR_TOOLBAR_VIEW            174
#define IDR_TOOLBAR_ICONS           172

// ---- Context and tray menus ----
#define IDR_TEXT_CONTEXT            151
#define IDR_TREE_CONTEXT            152
#define IDR_TIPS_CONTEXT            162
#define IDR_TRAY_MENU               161

// ---- Icons (the shell counts them by ascending id: 128 is index 0) ----
#define IDI_PROGRAM                 128
#define IDI_CARDFILE                129
#define IDI_TIP                     130
#define IDI_NOTICE                  131
#define IDI_ENTRY                   132
#define IDI_CATEGORY                133
#define IDI_TRAY                    158
#define IDI_SEARCH                  197
#define IDI_OPTIONS                 198

// ---- Bitmaps ----
#define IDB_TREE                    130
#define IDB_ABOUT_FIRST             132
#define IDB_ABOUT_STRIP             152
#define IDB_BUTTON_CANCEL           167
#define IDB_BUTTON_OK               168
#define IDB_BUTTON_HELP             169
#define IDB_BUTTON_ADD              177
#define IDB_BULB_DARK               195
#define IDB_BUTTON_CLOSE            196
#define IDB_BUTTON_GOTO             198
#define IDB_BANNER_LOGO             204
#define IDB_BUTTON_NEXT_TIP         30997
#define IDB_BUTTON_NEW_SEARCH       30998
#define IDB_BUTTON_START_SEARCH     30999
#define IDB_BULB_LIT                31000
#define IDB_BUTTON_PRINTER          31001
#define IDB_ABOUT_SECOND            31002
#define IDB_ABOUT_THIRD             31003

// ---- Dialogs and property pages ----
#define IDD_ABOUT_PRODUCT           105
#define IDD_ABOUT_MAILINGLIST       106
#define IDD_OPTIONS_VIEW            107
#define IDD_OPTIONS_GENERAL         108
#define IDD_TIP                     109
#define IDD_QUICKNOTE               142
#define IDD_ABOUT_NOTICE            143
#define IDD_PARAGRAPH               150
#define IDD_SEARCH                  156
#define IDD_SORT                    170
#define IDD_GOTO                    185
#define IDD_SUPERSUB                186
#define IDD_LINK                    191
#define IDD_ATTACHMENT              201

// ---- Strings ----
#define IDS_ALWAYS_ON_TOP           16
#define IDS_OLE_INIT_FAILED         100
#define IDS_FILE_MISSING            101
#define IDS_BAR_MENU                200
#define IDS_BAR_STANDARD            201
#define IDS_BAR_FORMAT              202
#define IDS_BAR_VIEW                203
#define IDS_HOME_PAGE_URL           210
#define IDS_SHOP_URL                211
#define IDS_MAILINGLIST_MAIL        212
#define IDS_MAILINGLIST_WEB         213

// ---- Commands of the application object ----
#define ID_TIP_OF_THE_DAY           110

// ---- Commands of the frame and the views ----
#define ID_RENAME                   32771
#define ID_INSERT_DATETIME          32774
#define ID_NEW_CATEGORY             32775
#define ID_NEW_ENTRY                32776
#define ID_FORMAT_BOLD              32779
#define ID_FORMAT_ITALIC            32781
#define ID_FORMAT_UNDERLINE         32782
#define ID_FORMAT_ALIGN_LEFT        32783
#define ID_FORMAT_ALIGN_RIGHT       32785
#define ID_FORMAT_ALIGN_CENTER      32786
#define ID_VIEW_TREE_ONLY           32788
#define ID_VIEW_TEXT_ONLY           32789
#define ID_FONT_BIGGER              32790
#define ID_FONT_SMALLER             32791
#define ID_VIEW_NORMAL              32793
#define ID_QUICKNOTE                32798
#define ID_FORMAT_PARAGRAPH         32799
#define ID_INSERT_DATETIME_BAR      32800
#define ID_FIRST_ENTRY              32805
#define ID_PREVIOUS_ENTRY           32807
#define ID_NEXT_ENTRY               32808
#define ID_LAST_ENTRY               32811
#define ID_SEARCH                   32816
#define ID_FORMAT_BULLETS           32817
#define ID_DATETIME_FIRST           32818
#define ID_DATETIME_LAST            32830
#define ID_OPTIONS                  32845
#define ID_GOTO                     32846
#define ID_IMPORT_TEXT              32848
#define ID_CREATE_SHORTCUT          32850
#define ID_CHARACTER_MAP            32854
#define ID_FONT_COLOR               32856
#define ID_EXPORT_TEXT              32860
#define ID_DEFAULT_FONT             32861
#define ID_PAGE_SETUP               32863
#define ID_FORMAT_STRIKEOUT         32864
#define ID_BACKGROUND_COLOR         32866
#define ID_VIEW_ATTACHMENTS         32868
#define ID_INSERT_DATETIME_NOW      32869
#define ID_WEB_HOME                 32870
#define ID_EXPORT_CARDFILE          32873
#define ID_IMPORT_CARDFILE          32874
#define ID_IMPORT_VAULT             32875
#define ID_FORMAT_SUPERSUB          32879
#define ID_IMPORT_CSV               32880
#define ID_WORD_WRAP                32881
#define ID_EXPORT_HTML              32882
#define ID_EXIT                     32883
#define ID_HIDE_RESTORE             32884
#define ID_ADD_ATTACHMENT           32885
#define ID_EXPAND                   32887
#define ID_COLLAPSE                 32888
#define ID_COLLAPSE_ALL             32889
#define ID_EXPAND_ALL               32890
#define ID_PARENT_CATEGORY          32891
#define ID_SORT                     32892
#define ID_CHANGE_ATTACHMENT_PATH   32893
#define ID_SWITCH_PANE              32894
#define ID_MOVE_UP                  32895
#define ID_MOVE_DOWN                32896
#define ID_VIEW_BANNER              32843
#define ID_COLOR_BLACK              32900
#define ID_COLOR_AUTOMATIC          32916
#define ID_FORWARD                  33012
#define ID_BACK                     33013
#define ID_EXPORT_DHTML             33017
#define ID_WEB_SHOP                 33031
#define ID_FONT_NAME                33032
#define ID_FONT_SIZE                33033
#define ID_CUSTOMIZE                35001

// The tip dialog's context menu.
#define ID_TIP_PREVIOUS             1080

// ---- Controls ----
// Tip of the day
#define IDC_TIP_STARTUP             1001
#define IDC_TIP_NEXT                1002
#define IDC_TIP_TEXT                1056
// Options, view page
#define IDC_BAR_STANDARD            1025
#define IDC_BAR_VIEW                1026
#define IDC_BAR_FORMAT              1027
#define IDC_STATUS_BAR              1029
#define IDC_BANNER_VISIBLE          1030
#define IDC_BANNER_TEXT             1033
#define IDC_TOPMOST                 1079
// Options, general page
#define IDC_SHOW_SPLASH             1034
#define IDC_AUTOOPEN                1035
#define IDC_CURRENT_FILE            1036
#define IDC_BROWSE                  1037
#define IDC_AUTOSAVE                1044
#define IDC_AUTOSAVE_MINUTES        1045
#define IDC_AUTOSAVE_SPIN           1046
#define IDC_BACKUP                  1048
#define IDC_SHOW_TIPS               1057
#define IDC_AUDIO                   1071
#define IDC_AUTOHIDE                1081
// About box
#define IDC_MAIL_LINK               1042
#define IDC_WEB_LINK                1043
#define IDC_ABOUT_PICTURE           1063
// Go to
#define IDC_GOTO_PATH               1041
// Sort
#define IDC_SORT_ASCENDING          1060
#define IDC_SORT_DESCENDING         1061
#define IDC_SORT_SUBCATEGORIES      1062
// Quick note
#define IDC_QUICKNOTE_TITLE         1009
#define IDC_QUICKNOTE_TEXT          1010
// Search window
#define IDC_SEARCH_TERMS            1010
#define IDC_SEARCH_STATUS           1029
#define IDC_SEARCH_START            1058
#define IDC_SEARCH_NEW              1060
#define IDC_SEARCH_RESULTS          1061
#define IDC_SEARCH_GOTO             1070
// Paragraph
#define IDC_PARA_ALIGN_LEFT         1007
#define IDC_PARA_ALIGN_CENTER       1008
#define IDC_PARA_ALIGN_RIGHT        1009
#define IDC_PARA_INDENT_LEFT        1016
#define IDC_PARA_INDENT_RIGHT       1017
#define IDC_PARA_INDENT_FIRST       1018
#define IDC_PARA_BULLETS            1019
#define IDC_PARA_SPIN_LEFT          1023
#define IDC_PARA_SPIN_RIGHT         1024
#define IDC_PARA_SPIN_FIRST         1025
// Superscript and subscript
#define IDC_SUPERSUB_SPIN           1023
#define IDC_SUPERSUB_OFFSET         1075
#define IDC_SUPERSCRIPT             1076
#define IDC_SUBSCRIPT               1077
#define IDC_SUPERSUB_NORMAL         1078
// Shortcut
#define IDC_LINK_CARDFILE           1050
#define IDC_LINK_DESKTOP            1051
#define IDC_LINK_FAVORITES          1052
#define IDC_LINK_ITEM               1053
// Attachment path
#define IDC_ATTACHMENT_PATH         1084
// Page setup: the common dialog's printer button
#define IDC_PAGESETUP_PRINTER       1026
