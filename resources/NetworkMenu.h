#pragma once
// The network card table's menu (132): "File" with "Connect" and "New Game". The table opens
// on template 102 and puts this menu in place of the template's own.

#define IDR_NETWORK_MENU 132
// Connects to the card server; New Game is the shared ID_FILE_NEWGAME (32771).
#define ID_NETWORK_CONNECT 32782

// Registers menu IDR_NETWORK_MENU in the platform's resource table.
void RegisterNetworkMenu();
