#pragma once
// CGameFactory: the launcher's table of command id -> game window maker. app/main.cpp fills it
// at start-up with the games that are built (CVarrowDlg for ID_GAME_VARROW, ...), so the shell
// never includes a game's header, and tests register windows of their own. A launcher command
// that has no entry opens nothing.

#include "platform/base/types.h"

class CGameDlg;
class CMainDlg;

// Makes a game object (not yet a window) whose launcher and parent are pMainDlg.
typedef CGameDlg* (*GameMaker)(CMainDlg* pMainDlg);

struct GameFactoryEntry {
    UINT nTemplateID; // the dialog template the window is created from
    GameMaker pfnMake;
};

class CGameFactory {
public:
    // Makes nCommandID open the game pfnMake builds, from template nTemplateID; replaces an
    // earlier entry of the same command.
    static void Register(UINT nCommandID, UINT nTemplateID, GameMaker pfnMake);
    static void Unregister(UINT nCommandID);
    // The entry of nCommandID, or nullptr when no game is registered for it.
    static const GameFactoryEntry* Find(UINT nCommandID);
};
