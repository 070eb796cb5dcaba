#include <gtest/gtest.h>

#include "bridge/play/WhistHand.h"
#include "tests/bridge/play/PlayTestHelpers.h"

using namespace playtest;

TEST(CWhistHand, SplitsBySuitHighestFirstAndClearsTheRest)
{
    CWhistHand hand(Pile("2C KH 9C 4S AC TH"));
    EXPECT_EQ("AC 9C 2C", Names(hand.Suit(CLUBS)));
    EXPECT_EQ("", Names(hand.Suit(DIAMONDS)));
    EXPECT_EQ("KH TH", Names(hand.Suit(HEARTS)));
    EXPECT_EQ("4S", Names(hand.Suit(SPADES)));
    const int expectedLengths[SUIT_COUNT] = {3, 0, 2, 1};
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        EXPECT_EQ(expectedLengths[nSuit], hand.lenSuit[nSuit]);
        EXPECT_EQ(0, hand.winners[nSuit]);
        EXPECT_EQ(0, hand.finessePercent[nSuit]);
        EXPECT_EQ(0, hand.topCards[nSuit]);
        EXPECT_EQ(0, hand.firstWinnerAt[nSuit]);
        EXPECT_FALSE(hand.longHand[nSuit]);
        EXPECT_EQ(CCard(), hand.finesseLead[nSuit]);
    }
}

TEST(CWhistHand, SplitKeepsRaisedTrumpOrders)
{
    const int nTrumps = HEARTS;
    CWhistHand hand(Pile("3H AH 2H", nTrumps));
    EXPECT_EQ("AH 3H 2H", Names(hand.Suit(HEARTS)));
    EXPECT_EQ(26, hand.Suit(HEARTS).m_cards[0].GetOrder());
}

TEST(CWhistHand, CountWinnersCountsCardsTheOtherHandCanCoverLow)
{
    // Spades A K against Q 3: the three goes under both. Hearts Q J 2 against A K: nothing
    // lower is left under any of them once A and K are passed. Diamonds K 5 against a void:
    // nothing.
    CWhistHand mine(Pile("AS KS QH JH 2H KD 5D"));
    CWhistHand other(Pile("QS 3S AH KH 7C 6C"));
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        mine.topCards[nSuit] = 3;

    mine.CountWinners(other, NO_TRUMPS);
    EXPECT_EQ(2, mine.winners[SPADES]);
    EXPECT_EQ(0, mine.winners[HEARTS]);
    EXPECT_EQ(0, mine.winners[DIAMONDS]);
    EXPECT_EQ(0, mine.winners[CLUBS]);

    // The count never exceeds the suit's top cards.
    mine.topCards[SPADES] = 1;
    mine.CountWinners(other, NO_TRUMPS);
    EXPECT_EQ(1, mine.winners[SPADES]);
}

TEST(CWhistHand, VoidSuitCountsTheOtherHandsRuffableLosers)
{
    // Void in clubs with three trumps; the other hand holds two clubs, so two can be ruffed.
    // Diamonds: the other hand holds five, but only three trumps are there to ruff them.
    const int nTrumps = SPADES;
    CWhistHand mine(Pile("AS 7S 6S KH QH JH TH 9H 8H 7H AD", nTrumps));
    CWhistHand other(Pile("4C 3C 9D 8D 7D 6D 5D 2S", nTrumps));
    mine.CountWinners(other, nTrumps);
    EXPECT_EQ(2, mine.winners[CLUBS]);
    // Diamonds are held (one card), so the covering count applies and topCards is 0.
    EXPECT_EQ(0, mine.winners[DIAMONDS]);

    CWhistHand shortOfTrumps(Pile("AS 7S KH QH JH TH 9H 8H 7H 6H 5H", nTrumps));
    CWhistHand longInDiamonds(Pile("9D 8D 7D 6D 5D", nTrumps));
    shortOfTrumps.CountWinners(longInDiamonds, nTrumps);
    EXPECT_EQ(2, shortOfTrumps.winners[DIAMONDS]);
    EXPECT_EQ(0, shortOfTrumps.winners[CLUBS]);

    // Without trumps a void suit counts nothing.
    shortOfTrumps.CountWinners(longInDiamonds, NO_TRUMPS);
    EXPECT_EQ(0, shortOfTrumps.winners[DIAMONDS]);
}
