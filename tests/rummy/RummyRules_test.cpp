#include "rummy/RummyRules.h"

#include "cardtable/CardPile.h"
#include "tests/rummy/RummyTestSupport.h"

namespace {

using rummytest::Pile;

TEST(CRummyRules, RankIndexRunsFromAceToKing)
{
    EXPECT_EQ(0, CRummyRules::RankIndex(cardtest::Rummy("AS")));
    EXPECT_EQ(9, CRummyRules::RankIndex(cardtest::Rummy("TD")));
    EXPECT_EQ(12, CRummyRules::RankIndex(cardtest::Rummy("KC")));
}

TEST(CRummyRules, DeadwoodLeavesOutSetsAndTheHighestUnmatchedCard)
{
    // Two sets; the 2, 3, 4 and 9 are unmatched, and the 9 would be thrown away.
    EXPECT_EQ(2 + 3 + 4, CRummyRules::Deadwood(Pile("KC KD KH 5C 5D 5S 2C 3D 4H 9S")));
    // Court cards count ten; pairs are not matched. 10 + 10 + 7 + 7 + 4, less one queen.
    EXPECT_EQ(10 + 7 + 7 + 4, CRummyRules::Deadwood(Pile("QC QD 7H 7S 4C AD AH AS")));
    // Four of a kind is a set too; the ace is the only unmatched card.
    EXPECT_EQ(0, CRummyRules::Deadwood(Pile("8C 8D 8H 8S 2C 2D 2H AS")));
    // Runs do not count: a straight flush is all deadwood. 5 + 6 + 7 + 8, less the 8.
    EXPECT_EQ(18, CRummyRules::Deadwood(Pile("5H 6H 7H 8H")));
}

TEST(CRummyRules, HandOfSetsOnlyHasNoDeadwood)
{
    EXPECT_EQ(0, CRummyRules::Deadwood(Pile("AC AD AH 2C 2D 2H 3C 3D 3H 3S")));
    EXPECT_EQ(0, CRummyRules::Deadwood(CCardPile()));
}

TEST(CRummyRules, JudgeGivesGinAtNoneAndRummyBelowTen)
{
    EXPECT_EQ(RummyOutcome::Gin, CRummyRules::Judge(0));
    EXPECT_EQ(RummyOutcome::Rummy, CRummyRules::Judge(1));
    EXPECT_EQ(RummyOutcome::Rummy, CRummyRules::Judge(9));
    EXPECT_EQ(RummyOutcome::None, CRummyRules::Judge(10));
    EXPECT_EQ(RummyOutcome::None, CRummyRules::Judge(57));
}

TEST(CRummyRules, ComputerTakesTheDiscardOnlyWithTwoOfItsRank)
{
    const CCard sevenOfHearts = cardtest::Rummy("7H");
    EXPECT_FALSE(CRummyRules::TakesDiscard(Pile("7C KD 2S"), sevenOfHearts));
    EXPECT_TRUE(CRummyRules::TakesDiscard(Pile("7C 7D 2S"), sevenOfHearts));
    EXPECT_TRUE(CRummyRules::TakesDiscard(Pile("7C 7D 7S"), sevenOfHearts));
    EXPECT_FALSE(CRummyRules::TakesDiscard(Pile("7C 7D"), CCard()))
        << "an empty discard pile offers nothing";
}

TEST(CRummyRules, ComputerThrowsAwayTheFirstCardOfItsRarestRank)
{
    // Queen and two are single; of equally rare ranks the higher goes: the queen, index 2.
    EXPECT_EQ(2, CRummyRules::ChooseDiscard(Pile("KC KD QS 5C 5D 5H 2C")));
    // No single card: the pair of threes is rarer than the set of sevens; the first three.
    EXPECT_EQ(1, CRummyRules::ChooseDiscard(Pile("7C 3D 7D 3S 7H")));
    // All single: the king, wherever it lies.
    EXPECT_EQ(3, CRummyRules::ChooseDiscard(Pile("AC 9D 4H KS 2C")));
    // Two kings and a single ace: the ace is the rarest.
    EXPECT_EQ(2, CRummyRules::ChooseDiscard(Pile("KC KD AH")));
}

} // namespace
