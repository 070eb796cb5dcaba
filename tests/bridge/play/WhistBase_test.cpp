#include <gtest/gtest.h>

#include "tests/bridge/play/PlayTestHelpers.h"
#include "tests/support/CAssertRecorder.h"

using namespace playtest;

namespace {

// South's engine at the first trick of a no-trump deal, nothing played.
class FreshDeal : public ::testing::Test {
protected:
    FreshDeal()
        : m_south(Pile("AS KS QS 5S KH JH TH 4H 7D 6D 5D 3C 2C"))
        , m_engine(SOUTH, NO_TRUMPS, &m_south, &m_tricks.m_tricks, &m_trick)
    {
    }

    CTrickList m_tricks;
    CTrick m_trick;
    CCardPile m_south;
    CProbeEngine m_engine;
};

} // namespace

TEST_F(FreshDeal, ChooseCardAsksThePositionOfTheTrick)
{
    EXPECT_EQ(Card("2C"), m_engine.ChooseCard());
    const char* cards[] = {"7C", "8C", "9C", "TC"};
    const char* expected[] = {"3C", "4C", "5C"};
    for (int i = 0; i < 3; ++i) {
        m_trick.AddCard(Card(cards[i]));
        EXPECT_EQ(Card(expected[i]), m_engine.ChooseCard());
    }
    m_trick.AddCard(Card(cards[3]));
    const CCard empty = m_engine.ChooseCard();
    EXPECT_EQ(0, empty.GetRank());
    EXPECT_EQ(0, empty.GetSuit());
    EXPECT_EQ(0, empty.GetOrder());
    EXPECT_EQ(0, empty.GetPoints());
}

TEST_F(FreshDeal, LowestWinnerTakesTheCheapestCardThatBeats)
{
    const CCardPile spades = Pile("KS QS 9S 5S");
    EXPECT_EQ(Card("QS"), m_engine.LowestWinner(Card("TH"), spades));
    EXPECT_EQ(Card("9S"), m_engine.LowestWinner(Card("8S"), spades));
    // Nothing beats the ace: the lowest card.
    EXPECT_EQ(Card("5S"), m_engine.LowestWinner(Card("AS"), spades));
    // Everything beats the two: still the lowest that does.
    EXPECT_EQ(Card("5S"), m_engine.LowestWinner(Card("2S"), spades));
    // An equal order does not beat.
    EXPECT_EQ(Card("5S"), m_engine.LowestWinner(Card("KD"), spades));
}

TEST_F(FreshDeal, LowestWinnerComparesRaisedTrumpsByOrder)
{
    const CCardPile trumps = Pile("3H 2H", HEARTS);
    EXPECT_EQ(Card("2H", HEARTS), m_engine.LowestWinner(Card("AS"), trumps));
    EXPECT_EQ(Card("3H", HEARTS), m_engine.LowestWinner(Card("2H", HEARTS), trumps));
}

TEST_F(FreshDeal, LowestWinnerOfAnEmptyPileFailsItsAssertion)
{
    CAssertRecorder asserts;
    const CCard card = m_engine.LowestWinner(Card("2S"), CCardPile());

    EXPECT_EQ("WhistBase", asserts.GetStem());
    EXPECT_EQ("cards.size()", asserts.GetExpression());
    EXPECT_EQ(CCard(), card);
}

TEST_F(FreshDeal, HoldingTestsOnFullSuits)
{
    // Spades A K Q 5: a three-card top sequence, no gaps.
    EXPECT_EQ(3, m_engine.CountTopCards(m_south, SPADES));
    EXPECT_EQ(3, m_engine.TopSequenceLength(m_south, SPADES));
    EXPECT_FALSE(m_engine.HasNearSequence(m_south, SPADES));
    EXPECT_FALSE(m_engine.HasInteriorSequence(m_south, SPADES));
    EXPECT_EQ(0, m_engine.CountHoldingGaps(m_south, SPADES));
    // Hearts K J 10 4: an interior sequence under the king, one gap (the queen).
    EXPECT_EQ(3, m_engine.CountTopCards(m_south, HEARTS));
    EXPECT_EQ(1, m_engine.TopSequenceLength(m_south, HEARTS));
    EXPECT_TRUE(m_engine.HasInteriorSequence(m_south, HEARTS));
    EXPECT_FALSE(m_engine.HasNearSequence(m_south, HEARTS));
    EXPECT_EQ(1, m_engine.CountHoldingGaps(m_south, HEARTS));
    // Diamonds 7 6 5: nothing among the top five cards.
    EXPECT_EQ(0, m_engine.CountTopCards(m_south, DIAMONDS));
    EXPECT_EQ(0, m_engine.TopSequenceLength(m_south, DIAMONDS));
    EXPECT_FALSE(m_engine.HasNearSequence(m_south, DIAMONDS));
    EXPECT_EQ(0, m_engine.CountHoldingGaps(m_south, DIAMONDS));
}

TEST_F(FreshDeal, NearSequenceAndGapsOfSeparateHoldings)
{
    // K Q 10 with the ace out: near sequence; A Q 10: two single gaps.
    const CCardPile kingQueenTen = Pile("KC QC TC");
    EXPECT_TRUE(m_engine.HasNearSequence(kingQueenTen, CLUBS));
    EXPECT_FALSE(m_engine.HasInteriorSequence(kingQueenTen, CLUBS));
    EXPECT_EQ(2, m_engine.TopSequenceLength(kingQueenTen, CLUBS));
    EXPECT_EQ(0, m_engine.CountHoldingGaps(kingQueenTen, CLUBS));
    EXPECT_EQ(2, m_engine.CountHoldingGaps(Pile("AC QC TC"), CLUBS));
    // A K with the queen and jack out and the ten held: the run is two long, no gap counts.
    EXPECT_EQ(0, m_engine.CountHoldingGaps(Pile("AC KC TC"), CLUBS));
    // Five top cards are looked at, but a sequence may run on past them.
    EXPECT_EQ(7, m_engine.TopSequenceLength(Pile("AC KC QC JC TC 9C 8C 2C"), CLUBS));
    EXPECT_EQ(1, m_engine.CountTopCards(Pile("TC 9C 8C"), CLUBS));
}

TEST(CWhistBase, HoldingTestsFollowTheUnplayedCards)
{
    // The ace and king of hearts are gone: Q J 9 is now a near sequence from the top.
    CTrickList tricks;
    tricks.Add(WEST, "AH 2H 3H KH");
    CTrick trick;
    CCardPile south = Pile("QH JH 9H 3S 2S");
    CProbeEngine engine(SOUTH, NO_TRUMPS, &south, &tricks.m_tricks, &trick);

    EXPECT_EQ("QH JH TH 9H 8H 7H 6H 5H 4H", Names(engine.Unplayed(HEARTS)));
    EXPECT_EQ(2, engine.TopSequenceLength(south, HEARTS));
    EXPECT_TRUE(engine.HasNearSequence(south, HEARTS));
    EXPECT_EQ(3, engine.CountTopCards(south, HEARTS));
}

TEST(CWhistBase, SequenceTestsNeedThreeCardsAfterTheFirstHeld)
{
    // Only K Q 2 of spades are unplayed: the king has two cards after it, not three.
    CTrickList tricks;
    tricks.Add(NORTH, "AS 3S 4S 5S");
    tricks.Add(NORTH, "JS 6S 7S 8S");
    tricks.Add(NORTH, "TS 9S 2C 3C");
    CTrick trick;
    CCardPile south = Pile("KS 2S");
    CProbeEngine engine(SOUTH, NO_TRUMPS, &south, &tricks.m_tricks, &trick);

    EXPECT_EQ(3, engine.Unplayed(SPADES).GetCount());
    EXPECT_FALSE(engine.HasNearSequence(south, SPADES));
    EXPECT_FALSE(engine.HasInteriorSequence(Pile("KS 2S"), SPADES));
    EXPECT_EQ(1, engine.TopSequenceLength(south, SPADES));
}

TEST(CWhistBase, UnplayedTrumpsCarryRaisedOrdersAndDropCompletedTricks)
{
    CTrickList tricks;
    tricks.Add(EAST, "2C TH 3C 4C", HEARTS);
    CTrick trick = Trick(WEST, "5H", HEARTS);
    CCardPile south = Pile("AH", HEARTS);
    CProbeEngine engine(SOUTH, HEARTS, &south, &tricks.m_tricks, &trick);

    const CCardPile& hearts = engine.Unplayed(HEARTS);
    EXPECT_EQ("AH KH QH JH 9H 8H 7H 6H 5H 4H 3H 2H", Names(hearts));
    EXPECT_EQ(26, hearts.m_cards.front().GetOrder());
    EXPECT_EQ(14, hearts.m_cards.back().GetOrder());
    EXPECT_EQ(0, hearts.m_cards.front().GetPoints());
    EXPECT_TRUE(hearts.Contains(Card("5H", HEARTS)));
    EXPECT_EQ(10, engine.Unplayed(CLUBS).GetCount());
    EXPECT_EQ(13, engine.Unplayed(SPADES).GetCount());
    EXPECT_EQ(13, engine.Unplayed(SPADES).m_cards.front().GetOrder());
}

TEST(CWhistBase, CanRuffNeedsAVoidAndATrump)
{
    CTrickList tricks;
    CTrick trick;
    CCardPile south = Pile("AS 2S KH QD", SPADES);
    CProbeEngine engine(SOUTH, SPADES, &south, &tricks.m_tricks, &trick);
    EXPECT_TRUE(engine.CanRuff(south, CLUBS));
    EXPECT_FALSE(engine.CanRuff(south, HEARTS));
    EXPECT_FALSE(engine.CanRuff(south, SPADES));
    EXPECT_FALSE(engine.CanRuff(Pile("KH QD"), CLUBS));
    // A suit the hand does not hold has no lowest or highest card.
    EXPECT_EQ(CCard(), engine.LowestInSuit(CLUBS));
    EXPECT_EQ(CCard(), engine.HighestInSuit(CLUBS));
    EXPECT_EQ(Card("2S", SPADES), engine.LowestInSuit(SPADES));

    CProbeEngine noTrumps(SOUTH, NO_TRUMPS, &south, &tricks.m_tricks, &trick);
    EXPECT_FALSE(noTrumps.CanRuff(south, CLUBS));
    EXPECT_FALSE(noTrumps.MayRuff(EAST, CLUBS));
}

TEST(CWhistBase, MayRuffWhenTheSuitIsGoneButTrumpsMayRemain)
{
    CTrickList tricks;
    CTrick trick;
    CCardPile south = Pile("AS 2S KH QH JH TH 9H QD JD TD 9D 8D 7D", SPADES);
    CProbeEngine engine(SOUTH, SPADES, &south, &tricks.m_tricks, &trick);
    engine.Analyse();
    // South's own estimate is exact: void in clubs with two trumps.
    EXPECT_TRUE(engine.MayRuff(SOUTH, CLUBS));
    EXPECT_FALSE(engine.MayRuff(SOUTH, HEARTS));
    EXPECT_FALSE(engine.MayRuff(WEST, CLUBS));
}
