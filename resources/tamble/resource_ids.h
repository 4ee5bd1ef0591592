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

#endif
