#pragma once
// What the bridge table tests share: a table whose protected state the tests may read and
// set, opened by a launcher through its game table on a pinned game number, with a fresh
// settings file and a working folder of its own (hand files and autosaves land there); and
// the seats by name.

#include <functional>

#include "bridge/table/DummyDlg.h"
#include "tests/bridge/table/BridgeTableTest.h"

namespace tabletest {

using gamewindowtest::TopCardPoint;

constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;

// The table with its state open to the tests.
class CTestDummyDlg : public CDummyDlg {
public:
    using CDummyDlg::CDummyDlg;

    // Runs m_onComputerTurn, when set, each time the table asks whether a computer seat is
    // to play.
    bool IsComputerToPlay() override
    {
        if (m_onComputerTurn)
            m_onComputerTurn();
        return CDummyDlg::IsComputerToPlay();
    }
    std::function<void()> m_onComputerTurn;

    using CDummyDlg::AdvancePlayer;
    using CDummyDlg::ArrangeSuitPiles;
    using CDummyDlg::ComputerPlay;
    using CDummyDlg::Hand;
    using CDummyDlg::PlayCard;
    using CDummyDlg::PlayComputerSeats;
    using CDummyDlg::RaiseTrumps;
    using CDummyDlg::RecordStatistics;
    using CDummyDlg::UpdateSuitPileCounts;

    using CDummyDlg::m_bFaceUp;
    using CDummyDlg::m_bManual;
    using CDummyDlg::m_btnPlay;
    using CDummyDlg::m_nAbove;
    using CDummyDlg::m_nAutoDeals;
    using CDummyDlg::m_nBelow;
    using CDummyDlg::m_nContractLevel;
    using CDummyDlg::m_nDealer;
    using CDummyDlg::m_nDeclaringSide;
    using CDummyDlg::m_nDummy;
    using CDummyDlg::m_nLeader;
    using CDummyDlg::m_nRubbers;
    using CDummyDlg::m_nGames;
    using CDummyDlg::m_nState;
    using CDummyDlg::m_nToPlay;
    using CDummyDlg::m_nTricks;
    using CDummyDlg::m_nTrumps;
    using CDummyDlg::m_origEast;
    using CDummyDlg::m_origNorth;
    using CDummyDlg::m_origSouth;
    using CDummyDlg::m_origWest;
    using CDummyDlg::m_pAttack;
    using CDummyDlg::m_pExplain;
    using CDummyDlg::m_bAutoPlay;
    using CDummyDlg::m_bAutoSave;
    using CDummyDlg::m_bOpenDummy;
    using CDummyDlg::m_bShowHands;
    using CDummyDlg::m_bManualPlayNS;
    using CDummyDlg::m_bManualPlayEW;
    using CDummyDlg::m_bShowLastTrick;
    using CDummyDlg::m_bPlaySingleClick;
    using CDummyDlg::m_playedCards;
    using CDummyDlg::m_stats;
    using CDummyDlg::m_strNames;
    using CDummyDlg::m_trick;
    using CDummyDlg::m_tricks;
    using CDummyDlg::m_rectNorthName;
    using CDummyDlg::m_rectEastName;
    using CDummyDlg::m_rectSouthName;
    using CDummyDlg::m_rectWestName;
    using CDummyDlg::m_rectSideNS;
    using CDummyDlg::m_rectSideEW;
    using CDummyDlg::m_rectGameNumber;
};

class TableTest : public BridgeTableTest<CTestDummyDlg, ID_GAME_DUMMY> {
protected:
    // Every card of every completed trick of the deal was held by the seat that played it
    // and followed suit when that seat could.
    void ExpectTricksLegal();
    // Dealt hands of 13 cards holding the 52 cards of a deck between them.
    void ExpectFullDeal();
    // South, to play, drags the top card of its first suit pile that may go to the trick
    // onto the trick, and the loop runs until idle. False when South holds no such card.
    bool DragPlayableSouthCard();
    // Shows the explanation window and plays the first deal to South's card: North led,
    // East (declaring) played second with the engine the table keeps for West's card. Then
    // closes the window by its close box.
    void PlayToSouthAfterTheDeclaringSide();
};

} // namespace tabletest
