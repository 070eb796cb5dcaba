#pragma once
// The window of "Varrow and Malice": template 102 with its menu 129. The network card table
// opens on the same template and replaces the menu by its own.

#define IDD_VARROW 102
#define IDR_VARROW_MENU 129

// Commands of menu 129. Quit, Help and About stand on the menu but do nothing in this window.
#define ID_VARROW_NEW_GAME 32771
#define ID_VARROW_QUIT 32772
#define ID_VARROW_PLAYER1_HUMAN 32773
#define ID_VARROW_PLAYER2_HUMAN 32774
#define ID_VARROW_HELP 32786
#define ID_VARROW_ABOUT 32787

// Registers template IDD_VARROW and menu IDR_VARROW_MENU in the platform's resource table.
void RegisterVarrowResources();
