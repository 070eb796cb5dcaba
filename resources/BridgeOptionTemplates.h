#pragma once
// The bridge table's four small option dialogs: Player Names (275), Card play options (277),
// Automatic Play (278) and the deal selection (303), with their control ids.

#define IDD_PLAYER_NAMES 275
#define IDD_CARD_PLAY_OPTIONS 277
#define IDD_AUTOMATIC_PLAY 278
#define IDD_SELECT_GAME 303

// Automatic Play: the number of deals to play.
#define IDC_AUTO_HANDS 1007

// Select Game: the game number and the three contract combo boxes.
#define IDC_GAME_NUMBER 1007
#define IDC_CONTRACT_LEVEL 1008
#define IDC_CONTRACT_SUIT 1009
#define IDC_LEADING_HAND 1010

// Player Names: the three computer seats' combo boxes, South's edit field and the hidden list
// that receives the listing of the sounds folder.
#define IDC_NAME_WEST 1039
#define IDC_NAME_NORTH 1040
#define IDC_NAME_EAST 1041
#define IDC_NAME_SOUTH 1042
#define IDC_VOICE_LIST 1043

// Card play options: the four switches.
#define IDC_OPT_AUTO_PLAY 1045
#define IDC_OPT_SINGLE_CLICK_BID 1046
#define IDC_OPT_SINGLE_CLICK_PLAY 1047
#define IDC_OPT_SHOW_LAST_TRICK 1048

// Registers the four templates in the platform's resource table.
void RegisterBridgeOptionTemplates();
