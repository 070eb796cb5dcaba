// The bridge table's deal, play loop, whist scoring and replay.

#include <stdexcept>

#include "bridge/play/PlayConstants.h"
#include "bridge/play/whistattack.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "resources/resource.h"
#include "tests/bridge/play/PlayTestHelpers.h"
#include "tests/bridge/table/TableTestSupport.h"

namespace tabletest {

namespace {

// The bridge deck in the table's order: ranks outer, suits inner; two 1 .. ace 13.
CCardPile BridgeDeck()
{
    CCardPile deck;
    for (int nRank = 1; nRank <= 13; nRank++) {
        for (int nSuit = 0; nSuit < 4; nSuit++) {
            const int nOrder = nRank == 1 ? 13 : nRank - 1;
            deck.AddCard(CCard(nRank, nSuit, nOrder, nOrder > 9 ? nOrder - 9 : 0));
        }
    }
    return deck;
}

bool HoldsCard(const CCardPile& hand, int nRank, int nSuit)
{
    for (const CCard& card : hand.m_cards) {
        if (card.GetRank() == nRank && card.GetSuit() == nSuit)
            return true;
    }
    return false;
}

} // namespace

TEST_F(TableTest, FirstDealIsNorthsInClubsShuffledFromTheGameNumber)
{
    ASSERT_NE(OpenTable(4321), nullptr);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nToPlay, NORTH);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nContractLevel, 0);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nDummy, EAST);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 1);
    EXPECT_EQ(CCardPile::GetGameNumber(), 4322);
    ExpectFullDeal();

    // The top of the shuffled deck goes to North, the next card to East, and so on.
    CCardPile deck = BridgeDeck();
    CCardPile::SetGameNumber(4321);
    deck.Shuffle();
    for (int i = 0; i < 52; i++) {
        const CCard& card = deck.m_cards[51 - i];
        EXPECT_TRUE(HoldsCard(m_pTable->Hand(i % 4), card.GetRank(), card.GetSuit()))
            << "card " << i;
    }
    // Clubs are trumps: their orders are raised by 13, the others are plain.
    for (int nSeat = 0; nSeat < 4; nSeat++) {
        for (const CCard& card : m_pTable->Hand(nSeat).m_cards) {
            const int nPlain = card.GetRank() == 1 ? 13 : card.GetRank() - 1;
            EXPECT_EQ(card.GetOrder(), card.GetSuit() == SUIT_CLUBS ? nPlain + 13 : nPlain);
        }
    }
}

TEST_F(TableTest, TrumpsStepEachDealAndAreRaisedOnce)
{
    ASSERT_NE(OpenTable(99), nullptr);
    const int expected[] = {SUIT_DIAMONDS, SUIT_HEARTS, SUIT_SPADES, NO_TRUMPS, SUIT_CLUBS};
    int nDealer = m_pTable->m_nDealer;
    for (int nTrumps : expected) {
        m_pTable->NextDeal();
        nDealer = (nDealer + 1) % 4;
        EXPECT_EQ(m_pTable->m_nTrumps, nTrumps);
        EXPECT_EQ(m_pTable->m_nDealer, nDealer);
        EXPECT_EQ(m_pTable->m_nLeader, nDealer);
        int nRaised = 0;
        m_pTable->RaiseTrumps();
        for (int nSeat = 0; nSeat < 4; nSeat++) {
            for (const CCard& card : m_pTable->Hand(nSeat).m_cards) {
                if (card.GetOrder() > 13) {
                    EXPECT_EQ(card.GetSuit(), nTrumps);
                    EXPECT_LE(card.GetOrder(), 26);
                    nRaised++;
                }
            }
        }
        EXPECT_EQ(nRaised, nTrumps == NO_TRUMPS ? 0 : 13);
    }
}

TEST_F(TableTest, ComputerPlaysWholeDealsLegallyAndScoresThem)
{
    ASSERT_NE(OpenTable(2024), nullptr);
    for (int nDeal = 0; nDeal < 3; nDeal++) {
        const int nAbove[2] = {m_pTable->m_nAbove[0], m_pTable->m_nAbove[1]};
        const int nBelow[2] = {m_pTable->m_nBelow[0], m_pTable->m_nBelow[1]};
        PlayDealByComputer();

        EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
        EXPECT_EQ(m_pTable->m_nTricks[0] + m_pTable->m_nTricks[1], 13);
        EXPECT_EQ(m_pTable->m_playedCards.GetCount(), 52);
        for (int nSeat = 0; nSeat < 4; nSeat++)
            EXPECT_EQ(m_pTable->Hand(nSeat).GetCount(), 0);
        ExpectTricksLegal();
        ASSERT_EQ(m_pTable->m_stats.size(), static_cast<size_t>(nDeal + 1));
        EXPECT_TRUE(plat::test::GetMessageBoxes().empty());

        // Whist count: 2 points below per level when made plus one above per overtrick,
        // else one point per undertrick above the line for the defenders.
        const int d = m_pTable->m_nDeclaringSide;
        const int k = m_pTable->m_nContractLevel;
        const int t = m_pTable->m_nTricks[d];
        if (t >= k + 7) {
            EXPECT_EQ(m_pTable->m_nBelow[d], nBelow[d] + 2 * (k + 1));
            EXPECT_EQ(m_pTable->m_nAbove[d], nAbove[d] + t - k - 7);
            EXPECT_EQ(m_pTable->m_nAbove[1 - d], nAbove[1 - d]);
        } else {
            EXPECT_EQ(m_pTable->m_nAbove[1 - d], nAbove[1 - d] + k + 7 - t);
            EXPECT_EQ(m_pTable->m_nBelow[d], nBelow[d]);
        }
        const CHandStats& record = m_pTable->m_stats.back();
        EXPECT_EQ(record.m_nTricks, t);
        EXPECT_EQ(record.m_nDeclarer, (m_pTable->m_nLeader + 3) % 4);
        EXPECT_FALSE(record.m_bContested);
        EXPECT_EQ(record.m_nKind, 0);
        m_pTable->NextDeal();
    }
}

TEST_F(TableTest, WhistCountScoresMadeAndDefeatedContracts)
{
    ASSERT_NE(OpenTable(5), nullptr);
    CTestDummyDlg& table = *m_pTable;
    // One club by North/South with nine tricks: 2 below, 2 above.
    table.m_nDeclaringSide = 0;
    table.m_nContractLevel = 0;
    table.m_nTricks[0] = 9;
    table.m_nTricks[1] = 4;
    table.ScoreDeal();
    EXPECT_EQ(table.m_nBelow[0], 2);
    EXPECT_EQ(table.m_nAbove[0], 2);
    // Three no trump by East/West with seven tricks: two down, 2 above for North/South.
    table.m_nDeclaringSide = 1;
    table.m_nContractLevel = 2;
    table.m_nTricks[0] = 6;
    table.m_nTricks[1] = 7;
    table.ScoreDeal();
    EXPECT_EQ(table.m_nAbove[0], 4);
    EXPECT_EQ(table.m_nAbove[1], 0);
    EXPECT_EQ(table.m_nBelow[1], 0);
    // Four of a suit made exactly by East/West: 8 below, nothing above.
    table.m_nContractLevel = 3;
    table.m_nTricks[1] = 10;
    table.ScoreDeal();
    EXPECT_EQ(table.m_nBelow[1], 8);
    EXPECT_EQ(table.m_nAbove[1], 0);
    EXPECT_EQ(table.m_nGames[1], 0);
    EXPECT_EQ(table.m_nRubbers[1], 0);

    ASSERT_TRUE(Command(ID_FUNCTIONS_SHOWSCORE));
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strCaption, CString("Score"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strText, CString("North/South: 4 / 2\nEast/West: 0 / 8"));
}

TEST_F(TableTest, PlayingACardTheHandDoesNotHoldThrows)
{
    ASSERT_NE(OpenTable(17), nullptr);
    const CCard card = m_pTable->Hand(EAST).m_cards[0];
    m_pTable->m_nToPlay = NORTH;
    EXPECT_THROW(m_pTable->PlayCard(card), std::runtime_error);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);
    EXPECT_EQ(m_pTable->Hand(EAST).GetCount(), 13);
}

TEST_F(TableTest, FailedComputerCardIsReportedAndTheDealStartsAgain)
{
    ASSERT_NE(OpenTable(18), nullptr);
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    m_pTable->OnPlay();
    ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
    // A trick that is already complete leaves the engine no card to give.
    m_pTable->m_trick.m_cards = {CCard(2, 0, 1, 0), CCard(3, 0, 2, 0), CCard(4, 0, 3, 0),
                                 CCard(5, 0, 4, 0)};
    m_pTable->m_nToPlay = WEST;
    m_pTable->PlayComputerSeats();

    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strText, CString("Exception thrown"));
    // The deal is back as it was when Play was pressed, and nobody plays on.
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 0);
    EXPECT_EQ(m_pTable->m_nToPlay, NORTH);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << "seat " << nSeat;
}

TEST_F(TableTest, DummyTurnsFaceUpAfterTheOpeningLead)
{
    ASSERT_NE(OpenTable(31), nullptr);
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    EXPECT_FALSE(m_pTable->m_bFaceUp[EAST]);
    m_pTable->ComputerPlay();
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 1);
    EXPECT_TRUE(m_pTable->m_bFaceUp[EAST]);
    EXPECT_EQ(m_pTable->m_nToPlay, EAST);
    // Dummy's suit piles show what is left of its hand.
    EXPECT_EQ(m_pTable->GetSeatPiles(EAST)->GetCardCount(), 13);
    EXPECT_EQ(m_pTable->GetSeatPiles(NORTH)->GetCardCount(), 12);
}

TEST_F(TableTest, TextsOnScreenKeepUpWithTheTableThroughAutomaticPlay)
{
    ASSERT_NE(OpenTable(31), nullptr);
    // Before each computer card once a card of the trick has moved: the seat names (the
    // leader's in white, dummy's in blue) and the side texts as the table stands.
    int nTurns = 0;
    int nStale = 0;
    m_pTable->m_onComputerTurn = [&] {
        if (m_pTable->m_nState != STATE_PLAYING || m_pTable->m_trick.GetCount() == 0)
            return;
        ++nTurns;
        CClientDC dc(m_pTable);
        CRect rectClient;
        m_pTable->GetClientRect(&rectClient);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, rectClient.Width(), rectClient.Height());
        CDC dcTable;
        dcTable.CreateCompatibleDC(&dc);
        dcTable.SelectObject(&bitmap);
        m_pTable->DrawTable(&dcTable);
        for (const CRect& rect : {m_pTable->m_rectNorthName, m_pTable->m_rectEastName,
                                  m_pTable->m_rectSouthName, m_pTable->m_rectWestName,
                                  m_pTable->m_rectSideNS, m_pTable->m_rectSideEW}) {
            for (int y = rect.top; y < rect.bottom; y++) {
                for (int x = rect.left; x < rect.right; x++)
                    nStale += dc.GetPixel(x, y) != dcTable.GetPixel(x, y);
            }
        }
    };
    m_pTable->PlayFullAuto(1);
    EXPECT_GT(nTurns, 50);
    EXPECT_EQ(nStale, 0) << "pixels unlike the table";
}

TEST_F(TableTest, NewDealChosenWhileTheComputerPlaysStopsTheOldDeal)
{
    ASSERT_NE(OpenTable(909), nullptr);
    // Dispatched while the table lays dummy open after the opening lead.
    plat::test::QueueMessageBoxAnswer(IDOK);
    m_pTable->PostMessage(WM_COMMAND, ID_FUNCTIONS_NEWDEAL);
    m_pTable->OnPlay();
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    EXPECT_EQ(m_pTable->m_nToPlay, EAST);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);
    ExpectFullDeal();
}

TEST_F(TableTest, ReplayHandBringsBackTheDealAndTheScoresOfItsStart)
{
    ASSERT_NE(OpenTable(808), nullptr);
    m_pTable->m_nAbove[1] = 5;
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    PlayDealByComputer();
    ASSERT_NE(m_pTable->m_nAbove[0] + m_pTable->m_nBelow[0] + m_pTable->m_nAbove[1], 5);

    ASSERT_TRUE(Command(ID_FILE_REPLAYHAND));
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 0);
    EXPECT_EQ(m_pTable->m_nTricks[0] + m_pTable->m_nTricks[1], 0);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << "seat " << nSeat;
    EXPECT_EQ(m_pTable->m_nAbove[0], 0);
    EXPECT_EQ(m_pTable->m_nBelow[0], 0);
    EXPECT_EQ(m_pTable->m_nAbove[1], 5);
    EXPECT_EQ(m_pTable->m_nBelow[1], 0);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_TRUE(m_pTable->m_btnPlay.IsWindowVisible());
}

TEST_F(TableTest, RotationIsRefusedOncePlayHasStarted)
{
    ASSERT_NE(OpenTable(64), nullptr);
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    for (int i = 0; i < 3; i++)
        m_pTable->OnRotateHands();
    // After three turns North holds what East was dealt.
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards, dealt[EAST].m_cards);
    m_pTable->OnRotateHands();
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards);

    ASSERT_TRUE(Command(ID_ROTATE_LEAD));
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 0);
    EXPECT_EQ(m_pTable->m_nDummy, SOUTH);

    m_pTable->m_nState = STATE_PLAYING;
    ASSERT_TRUE(Command(ID_ROTATE_ALL));
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 2u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strText,
              CString("Rotating hands only allowed before plays starts"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[1].strText,
              CString("Rotating lead only allowed before plays starts"));
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards, dealt[NORTH].m_cards);
}

TEST_F(TableTest, DeclaringSidesLaterCardOfATrickComesFromTheKeptEngine)
{
    ASSERT_NE(OpenTable(31), nullptr);
    m_pTable->m_nState = STATE_PLAYING;
    // North leads for the defence; dummy East plays second, from a new declarer engine.
    m_pTable->ComputerPlay();
    EXPECT_EQ(m_pTable->m_pAttack, nullptr);
    m_pTable->ComputerPlay();
    const CWhistAttack* pKept = m_pTable->m_pAttack;
    ASSERT_NE(pKept, nullptr);
    // South's defender card leaves that engine as it was, unanalysed since: it still knows
    // of North's lead alone.
    m_pTable->ComputerPlay();
    ASSERT_EQ(m_pTable->m_pAttack, pKept);
    EXPECT_EQ(pKept->GetEstimate(NORTH).GetCardsLeft(), 12);
    EXPECT_EQ(pKept->GetEstimate(SOUTH).GetCardsLeft(), 13);
    // Declarer's fourth card comes from it, in the declarer's words; the trick's end drops it.
    m_pTable->ComputerPlay();
    EXPECT_EQ(playtest::LastExplainLine(*m_pTable->m_pExplain).rfind("4th, ", 0), 0u);
    EXPECT_EQ(m_pTable->m_pAttack, nullptr);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 1);
}

TEST_F(TableTest, AutoPlayDecidesOnlyThePersonsForcedCards)
{
    ASSERT_NE(OpenTable(101), nullptr);
    CTestDummyDlg& table = *m_pTable;
    // North leads, dummy East follows, and play waits for South, who holds one card of the
    // suit led: Auto Play plays it and play goes on.
    table.OnPlay();
    ASSERT_EQ(table.m_nToPlay, SOUTH);
    ASSERT_EQ(table.m_trick.GetCount(), 2);
    const CCard led = table.m_trick.m_cards[0];
    ASSERT_EQ(table.Hand(SOUTH).CountSuitOf(led), 1);
    EXPECT_FALSE(table.IsComputerToPlay());
    table.m_bAutoPlay = true;
    EXPECT_TRUE(table.IsComputerToPlay());
    table.PlayComputerSeats();
    ASSERT_GE(table.m_tricks.GetCount(), 1);
    EXPECT_EQ(table.m_tricks.GetAt(0)->m_cards[2].GetSuit(), led.GetSuit());

    // With two cards of the suit led the choice stays South's.
    ASSERT_NE(OpenTable(102), nullptr);
    m_pTable->m_bAutoPlay = true;
    m_pTable->OnPlay();
    ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
    ASSERT_EQ(m_pTable->Hand(SOUTH).CountSuitOf(m_pTable->m_trick.m_cards[0]), 2);
    EXPECT_FALSE(m_pTable->IsComputerToPlay());
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 2);

    // A seat the person plays: its last card, when it is South, or its only card of the suit
    // led; a seat without cards is nobody's.
    m_pTable->m_trick.Clear();
    m_pTable->Hand(SOUTH).Clear();
    m_pTable->Hand(SOUTH).AddCard(led);
    EXPECT_TRUE(m_pTable->IsComputerToPlay());
    m_pTable->m_nToPlay = NORTH;
    m_pTable->m_bManual[NORTH] = true;
    m_pTable->Hand(NORTH).Clear();
    m_pTable->Hand(NORTH).AddCard(led);
    EXPECT_FALSE(m_pTable->IsComputerToPlay());
    m_pTable->m_trick.AddCard(led);
    EXPECT_TRUE(m_pTable->IsComputerToPlay());
    m_pTable->m_bAutoPlay = false;
    EXPECT_FALSE(m_pTable->IsComputerToPlay());
    m_pTable->m_bManual[NORTH] = false;
    EXPECT_TRUE(m_pTable->IsComputerToPlay());
    m_pTable->Hand(NORTH).Clear();
    EXPECT_FALSE(m_pTable->IsComputerToPlay());
}

} // namespace tabletest
