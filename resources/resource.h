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

// The Rummy window (template IDD_RUMMY), whose button IDC_PLAY reads "Rummy".
#define IDD_RUMMY 302

// The table menu, loaded by the bridge tables and by Rummy.
#define IDR_TABLE_MENU 131
#define ID_FILE_NEWGAME 32771
#define ID_FILE_QUIT 32772
#define ID_OPTIONS_DUMMYOPEN 32777
#define ID_FUNCTIONS_SHOWSCORE 32780
#define ID_TRAINER_SHOWHANDS 32784
#define ID_FILE_SELECTGAME 32785
#define ID_FILE_OPENHAND 32789
#define ID_FILE_SAVEHAND 32790
#define ID_ROTATE_HANDS 32791
#define ID_ROTATE_LEAD 32792
#define ID_TRAINER_SHOWEXPLANATION 32795
#define ID_FILE_REPLAYHAND 32796
#define ID_FUNCTIONS_SHOWBIDDING 32797
#define ID_OPTIONS_CONVENTIONS 32798
#define ID_FUNCTIONS_NEWDEAL 32800
#define ID_PLAYER_NAMES 32802
#define ID_ROTATE_ALL 32803
#define ID_OPTIONS_AUTOSAVE 32804
#define ID_OPTIONS_CARDPLAYOPTIONS 32806
#define ID_FILE_SAVESTATS 32807
#define ID_FUNCTIONS_PLAYFULLAUTO 32808
#define ID_TRAINER_MANUALBIDDING 32809
#define ID_IMPORT_TIMESBRIDGE 32810
#define ID_TRAINER_MANUALEASTWEST 32811
#define ID_TRAINER_MANUALNORTHSOUTH 32812
#define ID_EXPORT_XML 32813
#define ID_IMPORT_XML 32815
