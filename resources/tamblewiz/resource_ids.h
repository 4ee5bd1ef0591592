// Resource ids of Tamblewiz.exe, shared by the code and the scripts.
#ifndef TAMBLE_TAMBLEWIZ_RESOURCE_IDS_H
#define TAMBLE_TAMBLEWIZ_RESOURCE_IDS_H

// Windows: the main window, then its pages in tree order.
#define IDD_HELPER 149
#define IDD_KEY_TOP 151
#define IDD_DIRECT_KEY 156
#define IDD_CHARS 130
#define IDD_SPECIAL_KEY 150
#define IDD_LOCK_KEY 179
#define IDD_WINDOW_SWITCH 152
#define IDD_MATCH_MODE 157
#define IDD_WAIT 153
#define IDD_RUN 164
#define IDD_WAIT_WINDOW1 175
#define IDD_WAIT_WINDOW2 176
#define IDD_WAIT_WINDOW3 177
#define IDD_REPEAT 178
#define IDD_MESSAGE 160
#define IDD_ON_ERROR 162
#define IDD_SPEED 167
#define IDD_EDITOR 158
#define IDD_COPY 180
// The first-run set-up.
#define IDD_SETUP 102

// Pictures.
#define IDI_MAIN 128
#define IDB_TOP_MOST 129     // 6 frames: normal, hot, pressed, checked, checked hot, spare
#define IDB_HELP 131         // 3 frames: normal, hot, pressed
#define IDI_PICKER 152       // the picker at rest
#define IDI_PICKER_EMPTY 154 // its place while it is dragged
#define IDC_PICKER_CURSOR 155
#define IDB_BROWSE 1245
#define IDI_SETUP_CHECK 168 // a step done, shown at the small-icon size
#define IDI_SETUP 169

// Controls of the main window.
#define IDC_PAGE_FRAME 1004
#define IDC_PAGE_TREE 1010
// On every page that builds text, and the pages that lead to the next.
#define IDC_SEND 1019
#define IDC_NEXT 1057

// The first-run set-up: its progress bar, three step labels with their
// check icons (top to bottom), the logo button and the set-up picture.
#define IDC_SETUP_PROGRESS 1048
#define IDC_SETUP_STEP1 1049
#define IDC_SETUP_STEP2 1050
#define IDC_SETUP_STEP3 1051
#define IDC_SETUP_CHECK1 1052
#define IDC_SETUP_CHECK2 1053
#define IDC_SETUP_CHECK3 1054
#define IDC_SETUP_LOGO 1055
#define IDC_SETUP_PICTURE 1056

// Command pages
#define IDC_RUN_ICON 1001
#define IDC_RUN_PATH 1002
#define IDC_RUN_BROWSE 1003
#define IDC_RUN_WAIT 1004
#define IDC_RUN_NOWAIT 1005
#define IDC_COUNT_SPIN 1005 // wait time, repeat count
#define IDC_COUNT_EDIT 1006
#define IDC_ERROR_RESUME 1032
#define IDC_COMMAND_TEXT 1038 // message, error message, copied text
#define IDC_ERROR_SHOW 1039
#define IDC_ERROR_HIDE 1040
#define IDC_ERROR_STOP 1041
#define IDC_SPEED_BAR 1043
#define IDC_KEYWORD_LIST 1045
#define IDC_KEYWORD_INSERT 1046
// End of command pages

// Strings.
#define IDS_RUN_FILTER 120
#define IDS_TIP_TOP_MOST 163
#define IDS_TIP_HELP 165
#define IDS_USAGE 166
#define IDS_NO_DOUBLE_BYTE 168
#define IDS_KEYWORD_NOTES 169
#define IDS_NO_EDITOR 170
#define IDS_CLIPBOARD_FAILED 191
#define IDS_EDITOR_NOT_FRONT 192
// The first-run set-up's step labels: the first step on a first
// installation or on a conversion, then samples and start-up.
#define IDS_SETUP_ENVIRONMENT 171
#define IDS_SETUP_SAMPLES 172
#define IDS_SETUP_START 173
#define IDS_SETUP_CONVERSION 174
// Tree titles, in tree order.
#define IDS_PAGE_FIRST 200
#define IDS_PAGE_KEY_TOP 200
#define IDS_PAGE_DIRECT_KEY 201
#define IDS_PAGE_CHARS 202
#define IDS_PAGE_SPECIAL_KEY 203
#define IDS_PAGE_LOCK_KEY 204
#define IDS_PAGE_WINDOW_SWITCH 205
#define IDS_PAGE_MATCH_MODE 206
#define IDS_PAGE_WAIT 207
#define IDS_PAGE_RUN 208
#define IDS_PAGE_WAIT_WINDOW1 209
#define IDS_PAGE_WAIT_WINDOW2 210
#define IDS_PAGE_WAIT_WINDOW3 211
#define IDS_PAGE_REPEAT 212
#define IDS_PAGE_MESSAGE 213
#define IDS_PAGE_ON_ERROR 214
#define IDS_PAGE_SPEED 215
#define IDS_PAGE_EDITOR 216
#define IDS_PAGE_COPY 217
// Field validation.
#define IDS_PARSE_INT 61704
#define IDS_PARSE_INT_RANGE 61705

// Key pages
// The tool buttons made on the first page at run time.
#define IDC_KEY_TOP_MOST 101
#define IDC_KEY_HELP 102
#define IDC_KEY_USAGE 1000
#define IDC_KEY_CHARS 1001
#define IDC_KEY_COUNT_SPIN 1005
#define IDC_KEY_COUNT 1006
#define IDC_KEY_SHIFT 1020
#define IDC_KEY_CTRL 1021
#define IDC_KEY_ALT 1022
#define IDC_KEY_LIST 1023
#define IDC_KEY_HOT_KEY 1024
#define IDC_KEY_UP 1044
#define IDC_KEY_DOWN 1045
#define IDC_LOCK_NUM 1059
#define IDC_LOCK_SCROLL 1060
#define IDC_LOCK_CAPS 1061
#define IDC_LOCK_ON 1062
#define IDC_LOCK_OFF 1063
#define IDS_NO_CONTROL_CHAR 300
#define IDS_HYPHEN_KEY_BOTH 301
#define IDS_NO_KEY_NAME 302
// End of key pages

// Window pages
// The picking pages (window switch, first wait-for-window page) and the
// third wait-for-window page.
#define IDC_WINDOW_CLASS 1002
#define IDC_WINDOW_TITLE 1026
#define IDC_WINDOW_PICKER 1025
#define IDC_PARENT_ONLY 1028
#define IDC_WAIT_SECONDS_SPIN 1005
#define IDC_WAIT_SECONDS 1006
// The match-mode pages (and the second wait-for-window page).
#define IDC_MATCH_CLASS 1003
#define IDC_TITLE_EQUAL 1029
#define IDC_TITLE_HEAD 1030
#define IDC_TITLE_TAIL 1031
#define IDC_TITLE_CONTAINS 1036
#define IDC_CLASS_EQUAL 1037
#define IDC_CLASS_HEAD 1038
#define IDC_CLASS_TAIL 1035
#define IDC_CLASS_CONTAINS 1039
// The editor page.
#define IDC_EDITOR_WINDOW 1030
#define IDC_EDITOR_OK 1031
#define IDC_EDITOR_CANCEL 1042
// End of window pages

#endif
