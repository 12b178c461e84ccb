// Resource ids, shared by the resource script and the code. Plain #defines only: the resource
// compiler reads this file, and portable code may include it without <windows.h>.
#pragma once

// ---- Frame, product name, program icon, context menu ----
#define IDR_MAINFRAME 128 // string 128 is the product name; menu 128 the context menus
#define IDS_WEB_WELCOME 130
#define IDB_BANNER 130 // the About box's banner, 200 x 50, magenta transparent (make_banner.sh)

// ---- Icons of the taskbar and the program ----
#define IDI_NORMAL 153
#define IDI_PAUSED 185
#define IDI_BUSY 188

// ---- Menu pictures, 16 x 16 (drawn by make_menu_icons.py) ----
#define IDI_PREFERENCES 150       // hand holding a form
#define IDI_TIME 151              // clock face
#define IDI_PASTE_AS 152          // clipboard with a sheet
#define IDI_ITEM_TEXT 154         // each item picture has four variants: plain, "+...+"
#define IDI_ITEM_RTF 158          // caption, scheduled without and with a start time
#define IDI_ITEM_HTML 162
#define IDI_ITEM_FILES 166
#define IDI_ITEM_BITMAP 170
#define IDI_ITEM_MEDIA 174
#define IDI_COLLECTION_CLOSED 178 // closed yellow folder
#define IDI_COLLECTION_OPEN 179   // open yellow folder
#define IDI_URLS 180              // browser page
#define IDI_PLAYER 183            // play triangle
#define IDI_SCHEDULER 184         // clock
#define IDI_DOCUMENTS 187         // grey tile with a "D"
#define IDI_COMMAND_FIRST 2800    // pictures of the commands 32800 .. 32812, same order
#define IDI_COMMAND_LAST 2812

// ---- Caption pictures of the hot-menu window, 20 x 20 (drawn by make_menu_icons.py) ----
#define IDI_CAPTION_FREE 189   // green diamond with a paper clip
#define IDI_CAPTION_BUSY 190   // the same in red
#define IDI_CAPTION_PAUSED 191 // the same in grey

// ---- Pictures of the hot-icon: three frames each (free, busy, paused), magenta transparent
// (drawn by make_hot_pictures.py) ----
#define IDB_HOT_SIMPLE 138        // 87 x 30, "Simple Bitmap"
#define IDB_HOT_CLASSIC 139       // 114 x 38, "Windows Classic"; also stands in for a bad file
#define IDB_HOT_CLASSIC_CLOCK 140 // "Digital Clock"
#define IDB_HOT_XP 141            // "XP Style"
#define IDB_HOT_XP_CLOCK 142      // "XP Style Clock"
#define IDB_HOT_DIGITS 143        // 50 x 7: the clock's digits 0..9, 5 pixels apart

// ---- Cursors while an entry is dragged out of the main menu ----
#define IDC_DRAG_MOVE 2001
#define IDC_DRAG_COPY 2002

// ---- Dialogs ----
#define IDD_ABOUT 100
#define IDD_INPUT 101
#define IDD_CAMERA 102
#define IDD_HOT_WINDOW 103
#define IDD_SCHEDULE 104
#define IDD_VIDEO 105

// ---- Controls of the Camera; each id also numbers its tip ----
#define IDC_CAMERA_VIEW 2007
#define IDC_CAMERA_SIZE 2009
#define IDC_CAMERA_POSITION 2010
#define IDC_CAMERA_COLOR 2011
#define IDC_CAMERA_IMAGE 2012
#define IDC_CAMERA_COLOR_CHECK 2013
#define IDC_CAMERA_COPY 2054
#define IDC_CAMERA_SIZE_LABEL 2055
#define IDC_CAMERA_POSITION_LABEL 2056
#define IDC_CAMERA_COLOR_LABEL 2057
#define IDS_CAMERA_COPY 2058
#define IDS_CAMERA_IMAGE 2059
#define IDS_CAMERA_COLOR 2060

// ---- Controls of the input dialog (IDD_INPUT) ----
#define IDC_INPUT_EDIT 2047
#define IDC_INPUT_HOTKEY 2048 // in the edit field's place
#define IDC_INPUT_CHECK 2049
#define IDC_INPUT_PROMPT 2050
#define IDS_COPY_ACTIVE 2049
#define IDS_OK 2061
#define IDS_CANCEL 2062

// ---- Controls of the About box (IDD_ABOUT); the banner's id also numbers its tip ----
#define IDC_ABOUT_BANNER 130
#define IDC_ABOUT_TITLE 2004
#define IDC_ABOUT_SAVINGS 2005
#define IDC_ABOUT_VERSION 2015

// ---- Commands between copies of the program ----
#define ID_UNINSTALL_REQUEST 2003
#define ID_APP_ABOUT 57664 // show the About box
#define ID_APP_EXIT 57665  // save and end: a newer copy installs over this one

// ---- Texts of the string table (the string table holds the texts themselves) ----
#define IDS_VERSION 3000
#define IDS_HOTKEY_FAILED 3001
#define IDS_QBX_FILE_ERROR 3002
#define IDS_INSTALL_CAPTION 3003
#define IDS_INSTALL_QUESTION 3004
#define IDS_INSTALL_RUNNING 3005
#define IDS_INSTALL_STOPPED 3006
#define IDS_REMOVE_ALL_QUESTION 3007
#define IDS_REMOVE_COLLECTION_QUESTION 3008
#define IDS_PAUSED_TIP 3009
#define IDS_VERSION_LINE 3010
#define IDS_SAVINGS 2005
#define IDS_CLIPBOARD_CANNOT_OPEN 3014
#define IDS_CLIPBOARD_EMPTY 3015
#define IDS_CLIPBOARD_FORMATS 3016
#define IDS_CLIPBOARD_FORMATS_CAPTION 3017
#define IDS_UNINSTALL_CAPTION 3018
#define IDS_UNINSTALL_QUESTION 3019
#define IDS_MAX_ITEMS_PROMPT 3020
#define IDS_MIN_SIZE_PROMPT 3021
#define IDS_MAX_SIZE_PROMPT 3022
#define IDS_COUNTER_PROMPT 3023 // .. 3025 for counters 1..3
#define IDS_NEW_COLLECTION 3026
#define IDS_RENAME_COLLECTION 3027
#define IDS_RENAME_ITEM 3028
#define IDS_HOT_KEY_PROMPT 3029
#define IDS_TIME_POPUP 3031
#define IDS_TIME_NOW 3032
#define IDS_URLS_POPUP 3033
#define IDS_DOCS_OPENSAVE_POPUP 3034
#define IDS_DOCS_RECENT_POPUP 3035
#define IDS_PASTE_AS_POPUP 3036
#define IDS_PLAYER_POPUP 3037
#define IDS_SCHEDULER_POPUP 3038
#define IDS_PREFERENCES_POPUP 3039
#define IDS_MAX_ITEMS_IS 3056 // "Max items = %d", then min text size, max item size, counters
#define IDS_ACTIVE_CREATED 3062
#define IDS_DAMAGED_FILE_KEPT 3063
#define IDS_SAVE_FAILED 3064
#define IDS_PLAYING 3040
#define IDS_DEVICE_BUSY 3041
#define IDS_MEDIA_LOADING 3042
#define IDS_MEDIA_PAUSED 3047
#define IDS_MEDIA_STARTING 3054
#define IDS_MEDIA_CANNOT_OPEN 3055
#define IDS_TOO_MANY_FILES 3070
#define IDS_SUNDAY 2089 // .. IDS_SUNDAY + 6 Saturday
#define IDS_ANY_WEEKDAY 2096
#define IDS_FORMAT_AT_TIME 2097 // date-time picker formats of the Schedule dialog
#define IDS_FORMAT_DISABLED 2098
#define IDS_FORMAT_ANY_MONTH 2099
#define IDS_FORMAT_ANY_DAY 2100
#define IDS_FORMAT_DAYS 2101
#define IDS_CANNOT_PLAY 3071

// ---- Service window commands (wParam 0, the command in lParam) ----
#define ID_OPEN_MAIN_MENU 32792
#define ID_SAVE_AND_RELOAD 32793
#define ID_OPEN_CONTEXT_MENU 32794
#define ID_SHOW_FILE_NOTICES 32795 // posted after a save that has something to tell
#define ID_RELEASE_CUTS 32796 // posted after a closed menu's choice: held cuts may enter
#define ID_EDITOR_ENDED 32797 // posted when an editor started by "Edit" has ended

// ---- Commands of menu resource 128; each id also numbers its help text ----
#define ID_PASTE_AS 32773
#define ID_PASTE_TEXT 32774
#define ID_PASTE_UPPER 32775
#define ID_PASTE_LOWER 32776
#define ID_PASTE_HTML 32777
#define ID_PASTE_UNIX 32778
#define ID_PLAYER 32779
#define ID_PLAYER_STOP 32780
#define ID_PLAYER_PLAY 32781
#define ID_PLAYER_SKIP 32782
#define ID_SCHEDULER 32784
#define ID_SCHEDULER_START 32785
#define ID_SCHEDULER_STOP 32786
#define ID_SCHEDULE_EDIT 32787
#define ID_PASTE_ALL 32800
#define ID_COLLECTION_NEW 32801
#define ID_RENAME 32802
#define ID_EDIT 32803
#define ID_DELETE 32804
#define ID_REMOVE_ALL 32805
#define ID_PRINT 32806
#define ID_RUN 32807
#define ID_CAMERA 32808
#define ID_SAVE_REFRESH 32809
#define ID_PAUSE_SERVICE 32810
#define ID_CONTINUE_SERVICE 32811
#define ID_CLOSE 32812
#define ID_PREFERENCES 32821
#define ID_HOTKEYS_MENU 32822
#define ID_HK_ALT_SHIFT_INS 32823
#define ID_HK_CTRL_SHIFT_INS 32824
#define ID_HK_CTRL_SHIFT_V 32825
#define ID_HK_MOUSE_AT_TOP 32826
#define ID_HK_USER 32827
#define ID_HOT_WINDOW_MENU 32828
#define ID_HOT_STYLE_FIRST 32829 // "None"; 32829 + style, up to 32836 "Quillbox Menu"
#define ID_HOT_STYLE_LAST 32836
#define ID_HOT_MOUSE_ON_ICON 32837
#define ID_TRAY_ICON 32838
#define ID_RIGHT_CLICK_MENU 32839
#define ID_LEFT_CLICK_MENU 32840
#define ID_SUPER_HOT_KEY_MENU 32841
#define ID_SUPER_HOT_KEY_FIRST 32842 // "None"; 32842 + choice, up to 32846
#define ID_SUPER_HOT_KEY_LAST 32846
#define ID_PASTE_EMULATION_MENU 32847
#define ID_PASTE_SHIFT_INS 32848
#define ID_PASTE_CTRL_V 32849
#define ID_PASTE_DROP_FILE 32850
#define ID_INSERT_MENU 32851
#define ID_INSERT_HEAD 32852
#define ID_INSERT_TAIL 32853
#define ID_SOUND_MENU 32854
#define ID_SOUND_FIRST 32855 // "None"; 32855 + choice, up to 32861 "Default"
#define ID_SOUND_LAST 32861
#define ID_AUTOSAVE 32862
#define ID_FORMATS_MENU 32863
#define ID_FMT_TEXT 32864
#define ID_FMT_RTF 32865
#define ID_FMT_HTML 32866
#define ID_FMT_BITMAP 32867
#define ID_FMT_FILES 32868
#define ID_FMT_MULTIMEDIA 32869
#define ID_EXTENSIONS_MENU 32870
#define ID_EXT_TIME 32871
#define ID_EXT_URLS 32872
#define ID_EXT_DOCS_OPENSAVE 32873
#define ID_EXT_DOCS_RECENT 32874
#define ID_EXT_APPLY 32875
#define ID_LIMITS_MENU 32876
#define ID_MAX_ITEMS 32877
#define ID_MIN_TEXT_SIZE 32878
#define ID_MAX_ITEM_SIZE 32879
#define ID_COUNTER_1 32880
#define ID_COUNTER_2 32881
#define ID_COUNTER_3 32882
#define ID_AUTOSTART_MENU 32883
#define ID_DISABLE_AUTOSTART 32884
#define ID_KEEP_CLIPBOARD_EMPTY 32885
#define ID_FONT_MENU 32886
#define ID_FONT 32887
#define ID_LANGUAGE_MENU 32888
#define ID_LANGUAGE_FIRST 32889 // "English"; 32889 + index, up to 32892 "Russian"
#define ID_LANGUAGE_LAST 32892
#define ID_ABOUT 32894

// ---- Status ids of the main menu's popups (also the ids of their help texts) ----
#define ID_STATUS_TIME 32895
#define ID_STATUS_URLS 32896
#define ID_STATUS_DOCS_OPENSAVE 32897
#define ID_STATUS_DOCS_RECENT 32898
#define ID_STATUS_COLLECTION 32899

// ---- Controls of the Schedule dialog (IDD_SCHEDULE); each id also numbers its tool tip ----
#define IDC_SCH_TITLE 2004
#define IDC_SCH_TEXT 2006
#define IDC_SCH_NOW 2014
#define IDC_SCH_FILES 2016
#define IDC_SCH_INTERVAL_TIME 2017
#define IDC_SCH_START_TIME 2018
#define IDC_SCH_START_WEEKDAY 2019
#define IDC_SCH_START_MONTH 2020
#define IDC_SCH_START_DAY 2021
#define IDC_SCH_STOP_TIME 2022
#define IDC_SCH_STOP_WEEKDAY 2023
#define IDC_SCH_STOP_MONTH 2024
#define IDC_SCH_STOP_DAY 2025
#define IDC_SCH_BROWSE 2026
#define IDC_SCH_INTERVAL_DAYS 2028
#define IDC_SCH_DURATION 2029
#define IDC_SCH_START_WEEKDAY_SPIN 2030
#define IDC_SCH_STOP_WEEKDAY_SPIN 2031
#define IDC_SCH_START_WEEKDAY_CHECK 2032
#define IDC_SCH_STOP_WEEKDAY_CHECK 2033
#define IDC_SCH_INFO 2034
#define IDC_SCH_MEDIA 2035 // .. 2038: the players in the order of their kinds
#define IDC_SCH_EXTERNAL 2038
#define IDC_SCH_RANDOM 2039
#define IDC_SCH_PAUSE 2040
#define IDC_SCH_PROGRESS 2041
#define IDC_SCH_VOLUME 2042
#define IDC_SCH_VOLUME_SPIN 2043
#define IDC_SCH_VOLUME_CHECK 2044
#define IDC_SCH_LENGTH 2045
#define IDC_SCH_TEST 2051
#define IDC_SCH_STOP 2052
#define IDC_SCH_SKIP 2053
