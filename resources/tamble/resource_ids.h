// Resource and command ids of Tamble.exe, shared by the code and the
// resource script: plain #defines, so that windres reads them too.
#ifndef TAMBLE_RESOURCE_IDS_H
#define TAMBLE_RESOURCE_IDS_H

// Main window: dialog template, program icon, folder icon, menu.
#define IDD_MAIN 102
#define IDI_MAIN 128
#define IDI_FOLDER 158
#define IDR_MAIN_MENU 148 // pop-up 0: context menu; pop-up 1: data folder

// The file-list dialog (CFileListDlg): template, its items, its tool bar
// (created at run time) and the tool bar's strip: 6 images of 16 x 15 like
// IDB_TOOL_BAR (edit, shortcut, rename, delete, up one level, new folder),
// a twice as large version at IDB_FILE_LIST_TOOL_BAR + IDB_DOUBLE_SIZE_OFFSET.
#define IDD_FILE_LIST 103
#define IDC_FILE_NAME 1001
#define IDC_FILE_LIST 1003
#define IDC_FILE_NAME_LABEL 1016
#define IDC_FILE_PATH 1032
#define IDC_FILE_LIST_TOOL_BAR 0xE802
#define IDB_FILE_LIST_TOOL_BAR 129
#define FILE_LIST_TOOL_BAR_IMAGE_COUNT 6

// Child controls of the main window (created at run time).
#define IDC_TOOL_BAR 0xE800
#define IDC_MACRO_TEXT 333
#define IDC_INDICATOR 334
#define IDC_STATUS_BAR 0xE801

// Tool-bar strip: 16 x 15 images, 24 bits, the background RGB(255, 0, 255)
// is transparent. Images in this order: New, Open, Save, Save As,
// Shortcut, Edit, Stop, Play, Record, Pause.
#define IDB_TOOL_BAR 128
#define TOOL_BAR_IMAGE_COUNT 10
#define TOOL_BAR_MASK_RGB 0xFF00FF

// Record/play indicator: digit places (12 x 20) and state pictures (36 x 13),
// drawn on the indicator's black background.
#define IDB_DIGIT_BLANK 130
#define IDB_DIGIT_0 131 // "0" to "9" are 131 to 140
#define IDB_RECORDING 142
#define IDB_RECORDING_BLINK 143
#define IDB_PLAYING 144
#define IDB_PLAYING_BLINK 145
#define IDB_DIGIT_E 146

// Every bitmap above has a twice as large version, for 200 % scaling, at
// its id plus this offset.
#define IDB_DOUBLE_SIZE_OFFSET 100

// Strings.
#define IDS_HOOK_FAILED 102
#define IDS_EDIT_SAVE_OVER 105 // the edit file's first header line
#define IDS_EDIT_BELOW 106     // its second, with its line break
#define IDS_NO_TEXT_EDITOR 107
#define IDS_SYNTAX_ERROR 116
#define IDS_SIZE_PANE 117 // also the id of the status bar's size pane
#define IDS_KEY_STACK_FULL 118
#define IDS_HOT_KEY_FAILED 123
#define IDS_APP_TITLE 57344
#define IDS_OPEN_TITLE 61440
#define IDS_SAVE_AS_TITLE 61441
#define IDS_UNTITLED 61443
#define IDS_ASK_TO_SAVE 61699
#define IDS_OPEN_FAILED 61697
#define IDS_SAVE_FAILED 61698
#define IDS_UNEXPECTED_FORMAT 61728
#define IDS_ASK_OVERWRITE 103    // file list, save mode: "%1 は既にあります。..."
#define IDS_NAME_EXISTS 111      // file list, rename: "%1 は既にあります。..."
#define IDS_CHOOSE_FOLDER 121    // the folder browser's title
#define IDS_FILE_NOT_FOUND 61858 // "%1 が見つかりませんでした。"
#define IDS_BAD_PATH 61859       // "%1 には無効なﾊﾟｽが含まれています。"
#define IDS_UNCONVERTIBLE_CHARACTER 125

// Commands; each has a string "status-bar prompt\ntool tip" under its id.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_EDIT_COPY 57634
#define ID_EDIT_PASTE 57637
#define ID_HELP 57670
#define ID_MACRO_PLAY 32771
#define ID_MACRO_RECORD 32772
#define ID_MACRO_STOP 32773
#define ID_MACRO_PAUSE 32774
#define ID_MACRO_EDIT 32781
#define ID_SHORTCUT 32783
#define ID_OPTIONS 32787
#define ID_FOLDER_STANDARD 32789
#define ID_FOLDER_CHANGE 32790
// Commands of the file-list dialog (ID_MACRO_EDIT is its edit command).
#define ID_FILE_LIST_DELETE 32778
#define ID_FILE_LIST_RENAME 32779
#define ID_FILE_LIST_SHORTCUT 32780
#define ID_FILE_LIST_UP 32785
#define ID_FILE_LIST_NEW_FOLDER 32786

// The shortcut dialogs (CShortcutDlg, CFileShortcutDlg; shortcut_dialogs.rc)
// and the 16 x 16 folder picture of their buttons, light grey (192, 192,
// 192) being transparent.
#define IDD_SHORTCUT 4406
#define IDD_FILE_SHORTCUT 160
#define IDB_FOLDER_BUTTON 161
#define IDC_SHORTCUT_PLAY 1029
#define IDC_SHORTCUT_OPEN 1030
#define IDC_SHORTCUT_RECORD 1032
#define IDC_SHORTCUT_FOLDER_BUTTON 1042
#define IDC_SHORTCUT_FOLDER 1043
#define IDC_SHORTCUT_ICON 1044
#define IDC_SHORTCUT_NAME 1045
#define IDC_SHORTCUT_MACRO 1046
#define IDC_SHORTCUT_MACRO_BUTTON 1047
#define IDS_MACRO_NOT_FOUND 122 // "ファイル %1 が見つかりません"

// The options sheet (CPageSheet) and its pages (options_pages.rc). The
// browse picture is shared with the icon picker.
#define IDB_BROWSE 1245
#define IDS_OPTIONS 108         // the sheet's caption
#define IDS_EDITOR_FILTER 120   // the editor page's open-file filter
#define IDS_PARSE_INT 61712     // the interval is no integer
#define IDS_PARSE_INT_RANGE 61714 // %1 to %2
// COptionPage
#define IDD_OPT_WINDOW 106
#define IDC_OPT_TOP_MOST 1004
// COptRecPage
#define IDD_OPT_RECORD 158
#define IDC_OPT_REC_AS_IS 1011
#define IDC_OPT_REC_MINIMIZE 1010
#define IDC_OPT_REC_HIDE 1012
#define IDC_OPT_REC_END_KEY 1024
#define IDC_OPT_AUTO_BACKUP 1046
#define IDC_OPT_BACKUP_FILE 1048
// COptPlayPage
#define IDD_OPT_PLAY 159
#define IDC_OPT_PLAY_AS_IS 1029
#define IDC_OPT_PLAY_MINIMIZE 1009
#define IDC_OPT_PLAY_HIDE 1030
#define IDC_OPT_INTERVAL 1006
#define IDC_OPT_INTERVAL_SPIN 1005
#define IDC_OPT_PLAY_START_KEY 1049
#define IDC_OPT_PLAY_STOP_KEY 1050
#define IDC_OPT_TRACE 1007
#define IDC_OPT_TRACE_FILES 1047
// COptEditorPage
#define IDD_OPT_EDITOR 157
#define IDC_OPT_TEXT_EDITOR 1033
#define IDC_OPT_TEXT_EDITOR_COMMAND 1036
#define IDC_OPT_TEXT_EDITOR_ICON 1037
#define IDC_OPT_OTHER_EDITOR 1034
#define IDC_OPT_OTHER_EDITOR_COMMAND 1035
#define IDC_OPT_EDITOR_BROWSE 1555
#define IDC_OPT_OTHER_EDITOR_ICON 1038
// CAboutPage
#define IDD_OPT_ABOUT 107
#define IDC_ABOUT_BANNER 1015
#define IDC_ABOUT_VERSION 1017
#define IDC_ABOUT_WEB 1013
#define IDC_ABOUT_MAIL 1014

// The icon picker (CIconDlg; icon_dialog.rc). Its history button shows
// IDB_BROWSE; the history menu's commands are in icon_picker_rules.h.
#define IDD_ICON_PICKER 4405
#define IDC_ICON_FILE 4751
#define IDC_ICON_LIST 4752
#define IDC_ICON_HISTORY 4753
#define IDS_ICON_FILTER 4205        // the open-file dialog's filter, "|"-separated
#define IDS_ICON_TITLE 4206         // its title
#define IDS_CHOOSE_AN_ICON 4453     // OK with no icon selected
#define IDS_ICON_FILE_MISSING 4455  // %1 the file
#define IDS_ICON_FILE_NO_ICONS 4456 // %1 the file

#endif
