#pragma once
// Resource ids of the suite: bitmaps, and (as they arrive) dialog templates, menus and strings.

// Card pictures: image i of the 58 card images is bitmap IDB_CARD_FIRST + i.
#define IDB_CARD_FIRST 201
#define IDB_CARD_LAST 258

// The application shell: the About box, the card options, the launcher and its menu, the
// window icon, and the strings of start-up and of the game windows' system menu.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDP_SOCKETS_INIT_FAILED 103
#define IDR_MAINFRAME 128
#define IDR_MAIN_MENU 130
#define IDD_CARD_OPTIONS 276
#define IDD_MAIN 300
#define IDD_GAME_TABLE 305
#define IDC_PLAY 1000
#define IDC_CARD_DELAY 1007

// Launcher commands: each opens a game window or one of the shell's dialogs.
#define ID_GAME_VARROW 32775
#define ID_GAME_DUMMY 32776
#define ID_FILE_PLAYBRIDGE 32778
#define ID_GAME_RUMMY 32779
#define ID_GAME_NETWORK 32781
#define ID_HELP_ABOUT 32787
#define ID_OPTIONS_CARDOPTIONS 32805
