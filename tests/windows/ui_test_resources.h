// Ids of the dialog layer's test resources (ui_tests.rc).
#ifndef TAMBLE_TESTS_UI_TEST_RESOURCES_H
#define TAMBLE_TESTS_UI_TEST_RESOURCES_H

#define IDD_COMMANDS 102
#define IDD_SIZING 103
#define IDD_PAGE_ONE 104
#define IDD_PAGE_TWO 105
#define IDD_CONTROLS 106
#define IDR_COMMAND_MENU 110

// Commands, each with its own place in the chain.
#define ID_DIALOG_ONLY 1001
#define ID_DOCUMENT 1002
#define ID_APPLICATION 1003
#define ID_DISABLED_BY_APP 1004
#define ID_DOC_OVERRIDES_APP 1005
#define ID_DISABLED_BY_DIALOG 1006
#define ID_PAUSE 1007
#define ID_NO_RULE 1008

#define IDC_EDIT 2001
#define IDC_CORNER 2002
#define IDC_CENTRE 2003
#define IDC_LIST 2004
#define IDC_LINK 2005
#define IDC_TARGET_LINK 2006

#define IDS_LONG 3001

#endif
