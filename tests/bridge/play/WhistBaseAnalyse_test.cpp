// Analyse on positions worked out by hand from the estimate rules: every expected bound below
// comes from replaying the tricks and narrowing seat by seat and suit by suit on paper.

#include <gtest/gtest.h>

#include "tests/bridge/play/PlayTestHelpers.h"
#include "tests/support/CTwoHeartsMidDeal.h"

using namespace playtest;

namespace {

struct Bounds {
    int nMin[SUIT_COUNT];
    int nMax[SUIT_COUNT];
};

void ExpectBounds(const CHandEstimate& estimate, const Bounds& bounds, const char* szSeat)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        EXPECT_EQ(bounds.nMin[nSuit], estimate.GetMinLength(nSuit)) << szSeat << " suit " << nSuit;
        EXPECT_EQ(bounds.nMax[nSuit], estimate.GetMaxLength(nSuit)) << szSeat << " suit " << nSuit;
    }
}

// West to play to the sixth trick of two hearts by North (see CTwoHeartsMidDeal).
class MidDeal : public ::testing::Test, public CTwoHeartsMidDeal {
};

} // namespace

TEST_F(MidDeal, AnalyseCombinesAuctionTricksAndVisibleHands)
{
    CProbeEngine engine(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick, &m_auction, nullptr,
                        SOUTH, &m_south);
    engine.Analyse();

    // North opened (four hearts, 13-21) and played two hearts: at least two left, and the
    // five outstanding hearts less South's two leave at most three.
    ExpectBounds(engine.GetEstimate(NORTH), {{0, 0, 2, 0}, {3, 4, 3, 2}}, "North");
    // East overcalled (five spades) and played two: at least three left; one heart at most.
    ExpectBounds(engine.GetEstimate(EAST), {{0, 0, 0, 3}, {3, 4, 1, 5}}, "East");
    ExpectBounds(engine.GetEstimate(SOUTH), {{2, 2, 2, 1}, {2, 2, 2, 1}}, "South");
    ExpectBounds(engine.GetEstimate(WEST), {{4, 3, 0, 1}, {4, 3, 0, 1}}, "West");

    EXPECT_EQ(8, engine.GetEstimate(NORTH).GetCardsLeft());
    EXPECT_EQ(7, engine.GetEstimate(EAST).GetCardsLeft());
    EXPECT_EQ(7, engine.GetEstimate(SOUTH).GetCardsLeft());
    EXPECT_EQ(8, engine.GetEstimate(WEST).GetCardsLeft());

    EXPECT_EQ(13, engine.GetEstimate(NORTH).GetMinPoints());
    EXPECT_EQ(21, engine.GetEstimate(NORTH).GetMaxPoints());
    EXPECT_EQ(10, engine.GetEstimate(EAST).GetMinPoints());
    EXPECT_EQ(12, engine.GetEstimate(EAST).GetMaxPoints());
    EXPECT_EQ(5, engine.GetEstimate(SOUTH).GetMinPoints());
    EXPECT_EQ(5, engine.GetEstimate(SOUTH).GetMaxPoints());
    EXPECT_EQ(10, engine.GetEstimate(NORTH).GetPointsPlayed());
    EXPECT_EQ(9, engine.GetEstimate(EAST).GetPointsPlayed());
    EXPECT_EQ(2, engine.GetEstimate(NORTH).GetPlayed(HEARTS));
    EXPECT_EQ(2, engine.GetEstimate(EAST).GetPlayed(SPADES));
}

TEST_F(MidDeal, WithoutAnAuctionOnlyTricksAndHandsNarrowTheBounds)
{
    CProbeEngine engine(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick, nullptr, nullptr,
                        SOUTH, &m_south);
    engine.Analyse();

    ExpectBounds(engine.GetEstimate(NORTH), {{0, 0, 0, 0}, {3, 4, 3, 5}}, "North");
    ExpectBounds(engine.GetEstimate(EAST), {{0, 0, 0, 0}, {3, 4, 3, 5}}, "East");
    EXPECT_EQ(0, engine.GetEstimate(NORTH).GetMinPoints());
    EXPECT_EQ(40, engine.GetEstimate(NORTH).GetMaxPoints());
}

TEST_F(MidDeal, EngineCountsItsSideTricksAndAsksThirdHand)
{
    CProbeEngine west(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick);
    EXPECT_EQ(2, west.GetTricksWon());
    EXPECT_EQ(Card("4C"), west.ChooseCard());

    CProbeEngine south(SOUTH, HEARTS, &m_south, &m_tricks.m_tricks, &m_trick);
    EXPECT_EQ(3, south.GetTricksWon());
}

TEST_F(MidDeal, UnplayedPilesHoldRaisedTrumpsAndTheCurrentTrick)
{
    CProbeEngine engine(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick);
    EXPECT_EQ("KH JH TH 9H 5H", Names(engine.Unplayed(HEARTS)));
    for (const CCard& card : engine.Unplayed(HEARTS).m_cards)
        EXPECT_GT(card.GetOrder(), 13);
    EXPECT_EQ(25, engine.Unplayed(HEARTS).m_cards[0].GetOrder());
    // The queen and six of spades are in the current trick, not a completed one.
    EXPECT_EQ("QS JS TS 9S 8S 7S 6S 4S 3S", Names(engine.Unplayed(SPADES)));
    EXPECT_EQ(9, engine.Unplayed(CLUBS).GetCount());
    EXPECT_EQ(9, engine.Unplayed(DIAMONDS).GetCount());
}

TEST_F(MidDeal, AuctionTellsWhoBidASuitAndWhoOvercalled)
{
    CProbeEngine engine(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick, &m_auction);
    EXPECT_TRUE(engine.HasBidSuit(HEARTS, NORTH));
    EXPECT_TRUE(engine.HasBidSuit(SPADES, EAST));
    EXPECT_FALSE(engine.HasBidSuit(SPADES, NORTH));
    EXPECT_FALSE(engine.HasBidSuit(CLUBS, WEST));
    EXPECT_TRUE(engine.HasOvercalled(EAST));
    EXPECT_FALSE(engine.HasOvercalled(NORTH));

    CProbeEngine silent(WEST, HEARTS, &m_west, &m_tricks.m_tricks, &m_trick);
    EXPECT_FALSE(silent.HasBidSuit(HEARTS, NORTH));
    EXPECT_FALSE(silent.HasOvercalled(EAST));
}

// Ten tricks, all led by North, in which East discarded on every club and diamond lead. South
// (the engine) sees North; three cards are left each:
//   N: AH KH QH   E: 7H 6H 2S   S: AS KS QS   W: 5C 5D 8H
TEST(CWhistBase, AnalyseChainsShownVoidsThroughSeatsAndSuits)
{
    CTrickList tricks;
    tricks.Add(NORTH, "AC 2H 2C 3C");
    tricks.Add(NORTH, "KC 3H 4C 6C");
    tricks.Add(NORTH, "QC 4H 7C 8C");
    tricks.Add(NORTH, "JC 3S 9C TC");
    tricks.Add(NORTH, "AD 4S 2D 3D");
    tricks.Add(NORTH, "KD 5S 4D 6D");
    tricks.Add(NORTH, "QD 6S 7D 8D");
    tricks.Add(NORTH, "JD 7S 9D TD");
    tricks.Add(NORTH, "JH TH 9H 5H");
    tricks.Add(NORTH, "JS TS 9S 8S");
    CTrick trick;
    trick.SetLeader(NORTH);
    CCardPile south = Pile("AS KS QS");
    CCardPile north = Pile("AH KH QH");

    CProbeEngine engine(SOUTH, NO_TRUMPS, &south, &tricks.m_tricks, &trick, nullptr, nullptr,
                        NORTH, &north);
    EXPECT_EQ(10, engine.GetTricksWon());
    engine.Analyse();

    // The last club and diamond must be West's (South and North are seen, East showed out),
    // which leaves West one card for hearts or spades, and East at least two hearts.
    ExpectBounds(engine.GetEstimate(WEST), {{1, 1, 0, 0}, {1, 1, 1, 1}}, "West");
    ExpectBounds(engine.GetEstimate(EAST), {{0, 0, 2, 0}, {0, 0, 3, 1}}, "East");
    ExpectBounds(engine.GetEstimate(NORTH), {{0, 0, 3, 0}, {0, 0, 3, 0}}, "North");
    EXPECT_TRUE(engine.IsKnownVoid(EAST, CLUBS));
    EXPECT_TRUE(engine.IsKnownVoid(NORTH, CLUBS));
    EXPECT_FALSE(engine.IsKnownVoid(WEST, CLUBS));
    EXPECT_FALSE(engine.IsKnownVoid(WEST, SPADES));
}

// East showed out of clubs on the first trick; South sees its own hand and North's, and
// West is left holding every club that is out.
TEST(CWhistBase, ThreeSeatsKnownExactlyFixTheFourth)
{
    CTrickList tricks;
    tricks.Add(WEST, "KC 3C 5D 2C", SPADES);
    CTrick trick;
    trick.SetLeader(WEST);
    trick.SetTrumps(SPADES);
    CCardPile south = Pile("AC 4C KD 7D 3D QH JH 9H 8H AS 6S 2S", SPADES);
    CCardPile north = Pile("QC JC TC 9C AD QD TD AH KH KS QS JS", SPADES);

    CProbeEngine engine(SOUTH, SPADES, &south, &tricks.m_tricks, &trick, nullptr, nullptr, NORTH,
                        &north);
    engine.Analyse();

    ExpectBounds(engine.GetEstimate(WEST), {{4, 0, 0, 0}, {4, 6, 7, 7}}, "West");
    ExpectBounds(engine.GetEstimate(EAST), {{0, 0, 0, 0}, {0, 6, 7, 7}}, "East");
    EXPECT_TRUE(engine.IsKnownVoid(EAST, CLUBS));
    EXPECT_TRUE(engine.MayRuff(EAST, CLUBS));
    EXPECT_FALSE(engine.MayRuff(WEST, CLUBS));
    EXPECT_FALSE(engine.MayRuff(EAST, SPADES));
}

TEST(CWhistBase, CurrentTrickCountsForTheSeatsThatPlayedToIt)
{
    // West led the king of spades and North, the engine, is second to play.
    CTrickList tricks;
    CTrick trick = Trick(WEST, "KS");
    CCardPile north = Pile("AC 7C 2C AD 7D 2D AH 7H 2H AS 7S 4S 2S");

    CProbeEngine engine(NORTH, NO_TRUMPS, &north, &tricks.m_tricks, &trick);
    engine.Analyse();

    EXPECT_EQ(12, engine.GetEstimate(WEST).GetCardsLeft());
    EXPECT_EQ(13, engine.GetEstimate(EAST).GetCardsLeft());
    // Twelve spades are out of the trick; North holds four, so eight at most elsewhere.
    ExpectBounds(engine.GetEstimate(WEST), {{0, 0, 0, 0}, {10, 10, 10, 8}}, "West");
    ExpectBounds(engine.GetEstimate(EAST), {{0, 0, 0, 0}, {10, 10, 10, 8}}, "East");
    EXPECT_EQ(Card("3C"), engine.ChooseCard());
}

TEST(CWhistBase, SeatThatDidNotFollowInTheCurrentTrickIsKnownVoid)
{
    CTrickList tricks;
    CTrick trick = Trick(WEST, "5C 2H");
    CCardPile east = Pile("AC KC QC JC TC 9C 8C AD KD QD AH KH QH");

    CProbeEngine engine(EAST, NO_TRUMPS, &east, &tricks.m_tricks, &trick);
    EXPECT_TRUE(engine.IsKnownVoid(NORTH, CLUBS));
    EXPECT_FALSE(engine.IsKnownVoid(NORTH, HEARTS));
    EXPECT_FALSE(engine.IsKnownVoid(SOUTH, CLUBS));
    engine.Analyse();
    EXPECT_EQ(0, engine.GetEstimate(NORTH).GetMaxLength(CLUBS));
    EXPECT_EQ(12, engine.GetEstimate(WEST).GetCardsLeft());
}
