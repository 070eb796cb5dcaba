#include <gtest/gtest.h>

#include "bridge/play/Trick.h"
#include "tests/bridge/play/PlayTestHelpers.h"

using namespace playtest;

TEST(CTrick, LoneLeadWinsForTheLeader)
{
    CTrick trick = Trick(SOUTH, "5H");
    CCard winner;
    EXPECT_EQ(SOUTH, trick.GetWinner(winner));
    EXPECT_EQ(Card("5H"), winner);
}

TEST(CTrick, WinningSeatWrapsPastWest)
{
    // West leads; the third card (index 2) is East's ace.
    CTrick trick = Trick(WEST, "3C 5C AC 2C");
    CCard winner;
    EXPECT_EQ(EAST, trick.GetWinner(winner));
    EXPECT_EQ(Card("AC"), winner);
}

TEST(CTrick, DiscardsNeverWinWhateverTheirOrder)
{
    // No trumps: clubs led, three aces of other suits discarded.
    CTrick trick = Trick(EAST, "2C AS AH AD");
    CCard winner;
    EXPECT_EQ(EAST, trick.GetWinner(winner));
    EXPECT_EQ(Card("2C"), winner);
}

TEST(CTrick, TrumpBeatsLedAceAndHigherTrumpBeatsIt)
{
    const int nHearts = 2;
    CTrick trick = Trick(NORTH, "AS 2H", nHearts);
    CCard winner;
    EXPECT_EQ(EAST, trick.GetWinner(winner));
    EXPECT_EQ(Card("2H", nHearts), winner);
    EXPECT_EQ(14, winner.GetOrder());

    trick.AddCard(Card("3S", nHearts));
    trick.AddCard(Card("3H", nHearts));
    EXPECT_EQ(WEST, trick.GetWinner(winner));
    EXPECT_EQ(15, winner.GetOrder());
}

TEST(CTrick, LedTrumpCompetesByOrder)
{
    const int nSpades = 3;
    // South leads, West discards, North follows low and East's king wins.
    CTrick trick = Trick(SOUTH, "2S AH 3S KS", nSpades);
    CCard winner;
    EXPECT_EQ(EAST, trick.GetWinner(winner));
    EXPECT_EQ(Card("KS", nSpades), winner);
}

TEST(CTrick, EqualValuesKeepTheEarlierCard)
{
    CTrick trick;
    trick.SetLeader(EAST);
    trick.AddCard(CCard(5, 0, 4, 0));
    trick.AddCard(CCard(5, 0, 4, 0));
    CCard winner;
    EXPECT_EQ(EAST, trick.GetWinner(winner));
}

TEST(CTrick, EmptyTrickGivesLeaderAndLeavesCardAlone)
{
    CTrick trick;
    trick.SetLeader(WEST);
    CCard winner = Card("QD");
    EXPECT_EQ(WEST, trick.GetWinner(winner));
    EXPECT_EQ(Card("QD"), winner);
}

TEST(CTrick, CopyKeepsCardsLeaderAndTrumps)
{
    const int nClubs = 0;
    CTrick trick = Trick(WEST, "KD 2C", nClubs);
    CTrick copy(trick);
    EXPECT_EQ(2, copy.GetCount());
    EXPECT_EQ(WEST, copy.GetLeader());
    EXPECT_EQ(nClubs, copy.GetTrumps());
    CCard winner;
    EXPECT_EQ(NORTH, copy.GetWinner(winner));

    // Read through the plain pile, as the engines read the completed tricks.
    const CCardPile& pile = copy;
    EXPECT_EQ(WEST, pile.GetLeader());
    EXPECT_EQ(NORTH, pile.GetWinner(winner));
}
