#include <gtest/gtest.h>

#include "bridge/play/HandEstimate.h"
#include "tests/bridge/play/PlayTestHelpers.h"

using namespace playtest;

namespace {

// Plays the named cards, each following suit.
void PlayAll(CHandEstimate& estimate, const char* szNames)
{
    for (const CCard& card : Pile(szNames).m_cards)
        estimate.CardPlayed(card);
}

} // namespace

TEST(CHandEstimate, CardPlayedCountsTheCardInItsSuit)
{
    CHandEstimate estimate;
    estimate.SetMinLength(SPADES, 5);
    PlayAll(estimate, "KS QD");
    EXPECT_EQ(11, estimate.GetCardsLeft());
    EXPECT_EQ(5, estimate.GetPointsPlayed());
    EXPECT_EQ(1, estimate.GetPlayed(SPADES));
    EXPECT_EQ(1, estimate.GetPlayed(DIAMONDS));
    EXPECT_EQ(4, estimate.GetMinLength(SPADES));
    EXPECT_EQ(12, estimate.GetMaxLength(SPADES));
    // A minimum of 0 stays 0.
    EXPECT_EQ(0, estimate.GetMinLength(DIAMONDS));
    EXPECT_EQ(12, estimate.GetMaxLength(DIAMONDS));
}

TEST(CHandEstimate, ShowedOutEmptiesTheLedSuitAndCountsTheDiscard)
{
    CHandEstimate estimate;
    estimate.SetMinLength(HEARTS, 4);
    estimate.ShowedOut(HEARTS, Card("JC"));
    EXPECT_EQ(0, estimate.GetMinLength(HEARTS));
    EXPECT_EQ(0, estimate.GetMaxLength(HEARTS));
    EXPECT_EQ(12, estimate.GetMaxLength(CLUBS));
    EXPECT_EQ(1, estimate.GetPlayed(CLUBS));
    EXPECT_EQ(0, estimate.GetPlayed(HEARTS));
    EXPECT_EQ(12, estimate.GetCardsLeft());
    EXPECT_EQ(1, estimate.GetPointsPlayed());
}

TEST(CHandEstimate, ThreeCardsWithOneEachInThreeSuitsLeaveNoneOfTheFourth)
{
    CHandEstimate estimate;
    PlayAll(estimate, "AC KC QC JC AD KD QD AH KH QH");
    ASSERT_EQ(3, estimate.GetCardsLeft());
    estimate.SetMinLength(CLUBS, 1);
    estimate.SetMinLength(DIAMONDS, 1);
    estimate.SetMinLength(HEARTS, 1);

    EXPECT_TRUE(estimate.PropagateLengths());
    EXPECT_EQ(0, estimate.GetMaxLength(SPADES));
    for (int nSuit : {CLUBS, DIAMONDS, HEARTS}) {
        EXPECT_EQ(1, estimate.GetMinLength(nSuit));
        EXPECT_EQ(1, estimate.GetMaxLength(nSuit));
    }
    // A second call finds nothing more to do.
    EXPECT_FALSE(estimate.PropagateLengths());
}

TEST(CHandEstimate, MaximumsOfOtherSuitsForceAMinimum)
{
    // Five cards left and at most one club, diamond and heart: at least two spades, and no
    // more spades than the cards left.
    CHandEstimate estimate;
    PlayAll(estimate, "2C 3C 4C 5C 6C 7C 8C 2D");
    ASSERT_EQ(5, estimate.GetCardsLeft());
    estimate.SetMaxLength(CLUBS, 1);
    estimate.SetMaxLength(DIAMONDS, 1);
    estimate.SetMaxLength(HEARTS, 1);

    EXPECT_TRUE(estimate.PropagateLengths());
    EXPECT_EQ(2, estimate.GetMinLength(SPADES));
    EXPECT_EQ(5, estimate.GetMaxLength(SPADES));
    EXPECT_EQ(0, estimate.GetMinLength(CLUBS));
}

TEST(CHandEstimate, PropagationOfAKnownVoidReachesTheOtherSuits)
{
    // Two cards left, void in clubs and diamonds, at least one heart: both cards may be
    // hearts, but at most one can be a spade.
    CHandEstimate estimate;
    PlayAll(estimate, "2C 3C 4C 5C 2D 3D 4D 5D 2H 3H 2S");
    ASSERT_EQ(2, estimate.GetCardsLeft());
    estimate.SetLengthRange(CLUBS, 0, 0);
    estimate.SetLengthRange(DIAMONDS, 0, 0);
    estimate.SetMinLength(HEARTS, 1);

    EXPECT_TRUE(estimate.PropagateLengths());
    EXPECT_EQ(1, estimate.GetMaxLength(SPADES));
    EXPECT_EQ(2, estimate.GetMaxLength(HEARTS));
    EXPECT_EQ(0, estimate.GetMinLength(SPADES));
}

TEST(CHandEstimate, ContradictoryMinimumsEndWithoutNegativeBounds)
{
    // An auction that claims five cards in every suit cannot be met by thirteen cards; the
    // propagation must end and keep its bounds within a hand.
    CHandEstimate estimate;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        estimate.SetMinLength(nSuit, 5);
    estimate.PropagateLengths();
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        EXPECT_GE(estimate.GetMaxLength(nSuit), 0);
        EXPECT_LE(estimate.GetMinLength(nSuit), 13);
    }
}
