#pragma once
// What the tests of the game windows share: the game entered in the launcher's game table
// over a fresh settings file, the launcher opened with the game in it (on a pinned game
// number where the test needs known deals), and points on the game's table. The launcher
// owns the game window and deletes it when it goes.

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/GameFactory.h"
#include "app/MainDlg.h"
#include "cardtable/CardGlobals.h"
#include "cardtable/CardPile.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"

namespace gamewindowtest {

// The game table's factory for TGameDlg.
template <class TGameDlg>
CGameDlg* MakeGame(CMainDlg* pMainDlg)
{
    return new TGameDlg(pMainDlg, pMainDlg);
}

// Removes the settings file and enters TGameDlg in the game table under command nCommand
// with dialog template nTemplate.
template <class TGameDlg>
void RegisterGame(UINT nCommand, UINT nTemplate)
{
    std::remove(plat::RegistryFilePath().c_str());
    CGameFactory::Register(nCommand, nTemplate, MakeGame<TGameDlg>);
}

// Creates and shows the launcher in pMainDlg, chooses nCommand there and runs until idle;
// the game window that opened, or nullptr when the launcher could not be created.
template <class TGameDlg>
TGameDlg* OpenFromLauncher(std::unique_ptr<CMainDlg>& pMainDlg, UINT nCommand)
{
    pMainDlg = std::make_unique<CMainDlg>();
    if (!pMainDlg->Create(IDD_MAIN))
        return nullptr;
    pMainDlg->ShowWindow(SW_SHOW);
    pMainDlg->SendMessage(WM_COMMAND, nCommand);
    TGameDlg* pGame = static_cast<TGameDlg*>(pMainDlg->GetGameDlg(0));
    plat::test::RunUntilIdle();
    return pGame;
}

// OpenFromLauncher with the first deal shuffled from nGameNumber.
template <class TGameDlg>
TGameDlg* OpenFromLauncher(std::unique_ptr<CMainDlg>& pMainDlg, UINT nCommand, int nGameNumber)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(nGameNumber);
    return OpenFromLauncher<TGameDlg>(pMainDlg, nCommand);
}

// The client point in the middle of the top visible card of pile.
inline CPoint TopCardPoint(const CCardPile& pile)
{
    const int nSlot = std::min(pile.GetCount(), pile.GetVisibleCount()) - 1;
    return pile.GetSlotPosition(std::max(nSlot, 0)) + CSize(CARD_WIDTH / 2, CARD_HEIGHT / 2);
}

} // namespace gamewindowtest
