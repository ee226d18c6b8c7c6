#pragma once
// Every id of the card writers' resource set, for the resource script, the
// C++ code and the end-to-end tests alike (plain defines, so that the
// resource compiler reads them too).

// Bitmaps and the icon.
#define IDB_SKIN 8100
#define IDB_OVERLAY 8101 // the card picture, keyed on magenta
#define IDB_CLOCK 8003   // the Now buttons
#define IDI_CARD_WRITER 8200

// Menus, one per interface language (Italian, English, Spanish, French).
#define IDM_MENU_ITALIAN 2001
#define IDM_MENU_ENGLISH 2002
#define IDM_MENU_SPANISH 2003
#define IDM_MENU_FRENCH 2004
#define IDM_MENU_FIRST IDM_MENU_ITALIAN // + language index

// Menu commands.
#define CMD_ITALIAN 3001
#define CMD_ENGLISH 3002
#define CMD_SPANISH 3003
#define CMD_FRENCH 3004
#define CMD_LANGUAGE_FIRST CMD_ITALIAN
#define CMD_LANGUAGE_LAST CMD_FRENCH
#define CMD_COM_PORT 6002

// The COM port dialog, one template per interface language, and its list.
#define IDD_COM_PORT_ITALIAN 1002
#define IDD_COM_PORT_ENGLISH 1003
#define IDD_COM_PORT_SPANISH 1004
#define IDD_COM_PORT_FRENCH 1005
#define IDD_COM_PORT_FIRST IDD_COM_PORT_ITALIAN // + language index
#define IDC_COM_PORT_LIST 4001

// Controls of the main window: the id each reports and is found by.
#define TC_WRITE 100
#define TC_USER_CARD 101
#define TC_MASTER_CARD 102
#define TC_PERSONAL 103
#define TC_FREE 104
#define TC_DELETE_DB 105
#define TC_UID 106
#define TC_EXPIRY_NOW 107
#define TC_DATETIME_NOW 108
#define TC_RESET 109
#define TC_CODE 110
#define TC_ACCESSES 111
#define TC_EXPIRY 112
#define TC_DATETIME 113
