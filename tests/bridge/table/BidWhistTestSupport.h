#pragma once
// What the tests of the bridge dialog with the auction share: the dialog with its protected
// state open to the tests, opened by a launcher through "Play &Bridge" on a pinned game
// number, with a fresh settings file and a working folder of its own; and scripts for the
// bidding boxes the auction opens.

#include <string>
#include <vector>

#include "bridge/table/BidWhistDlg.h"
#include "tests/bridge/table/BridgeTableTest.h"

namespace auctiontest {

enum { NORTH, EAST, SOUTH, WEST };

// The dialog with its state open to the tests. Hint can also save the table as a picture,
// which is how a test sees the table while a bidding box is up.
class CTestBidWhistDlg : public CBidWhistDlg {
public:
    using CBidWhistDlg::CBidWhistDlg;

    CBid GetHintBid() const override;

    using CBidWhistDlg::ChooseBid;
    using CBidWhistDlg::IsVulnerable;
    using CDummyDlg::ComputerPlay;
    using CDummyDlg::Hand;

    using CBidWhistDlg::m_auction;
    using CBidWhistDlg::m_pThresholds;
    using CDummyDlg::m_bDealEdited;
    using CDummyDlg::m_btnPlay;
    using CDummyDlg::m_bManual;
    using CDummyDlg::m_nAbove;
    using CDummyDlg::m_nAutoDeals;
    using CDummyDlg::m_nBelow;
    using CDummyDlg::m_nContractLevel;
    using CDummyDlg::m_nDealer;
    using CDummyDlg::m_nDeclaringSide;
    using CDummyDlg::m_nGames;
    using CDummyDlg::m_nLeader;
    using CDummyDlg::m_nRubbers;
    using CDummyDlg::m_nState;
    using CDummyDlg::m_nToPlay;
    using CDummyDlg::m_nTricks;
    using CDummyDlg::m_nTrumps;
    using CDummyDlg::m_playedCards;
    using CDummyDlg::m_stats;
    using CDummyDlg::m_trick;
    using CDummyDlg::m_tricks;
    using CDummyDlg::m_bFaceUp;
    using CDummyDlg::m_bShowLastTrick;
    using CDummyDlg::m_rectNorthName;
    using CDummyDlg::m_rectEastName;
    using CDummyDlg::m_rectSouthName;
    using CDummyDlg::m_rectWestName;
    using CDummyDlg::m_rectSideNS;
    using CDummyDlg::m_rectSideEW;

    // Where Hint saves the table and the box that asked (nothing when empty), and the
    // table's state it saw.
    std::string m_strHintPicture;
    std::string m_strHintBoxPicture;
    // Hint also asks the window to close, as a person closing it with the box up would.
    bool m_bCloseOnHint = false;
    mutable int m_nHintState = -1;
};

// The bidding box starts each test at its first place.
class BidWhistTest : public BridgeTableTest<CTestBidWhistDlg, ID_FILE_PLAYBRIDGE> {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next bidding box picks call nCode and presses OK.
    static void ScriptCall(int nCode);
    // The next bidding box is closed with Escape (a pass, or the end of a review).
    static void ScriptEscape();
    // One box per call of szCalls ("1H P 4H ..."; a pass presses the no-bid button).
    static void ScriptCalls(const char* szCalls);
    // The codes of the calls of szCalls.
    static std::vector<int> CallCodes(const char* szCalls);
    // The codes of the dialog's auction.
    std::vector<int> AuctionCodes() const;

    // Whether some card of the four hands carries a raised (trump) order.
    bool AnyOrderRaised() const;
};

} // namespace auctiontest
