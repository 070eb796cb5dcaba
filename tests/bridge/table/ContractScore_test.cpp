// The rubber score of one deal, every value worked out by hand from the scoring table.

#include "bridge/table/ContractScore.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

enum { CLUBS, DIAMONDS, HEARTS, SPADES, NOTRUMP };
enum { NORTH, EAST, SOUTH, WEST };
constexpr bool VUL = true;
constexpr bool NOT_VUL = false;
constexpr int UNDOUBLED = 1;
constexpr int DOUBLED = 2;
constexpr int REDOUBLED = 4;

// The contract at level nLevel (1..7, as bid) with nTricks taken by the declaring side.
CContractScore Score(int nLevel, int nTrumps, int nTricks, int nMultiplier = UNDOUBLED,
                     bool bVul = NOT_VUL, bool bOppVul = NOT_VUL, int nBelowBefore = 0)
{
    return CContractScore(nLevel - 1, nTrumps, bVul, bOppVul, nBelowBefore, nMultiplier, nTricks,
                          NORTH);
}

} // namespace

TEST(CContractScore, TrickValuesBelowTheLineByStrain)
{
    // Minors 20 a trick, majors 30, no trump 40 for the first and 30 for the rest.
    EXPECT_EQ(Score(1, CLUBS, 7).ContractPoints(), 20);
    EXPECT_EQ(Score(5, DIAMONDS, 11).ContractPoints(), 100);
    EXPECT_EQ(Score(2, HEARTS, 8).ContractPoints(), 60);
    EXPECT_EQ(Score(4, SPADES, 10).ContractPoints(), 120);
    EXPECT_EQ(Score(1, NOTRUMP, 7).ContractPoints(), 40);
    EXPECT_EQ(Score(3, NOTRUMP, 9).ContractPoints(), 100);
    EXPECT_EQ(Score(4, SPADES, 10, DOUBLED).ContractPoints(), 240);
    EXPECT_EQ(Score(2, CLUBS, 8, REDOUBLED).ContractPoints(), 160);
    // Nothing below the line for a contract that fails.
    EXPECT_EQ(Score(4, SPADES, 9).ContractPoints(), 0);
}

TEST(CContractScore, GameNeedsAHundredWithThePartScore)
{
    EXPECT_TRUE(Score(3, NOTRUMP, 9).IsGame());
    EXPECT_FALSE(Score(4, DIAMONDS, 13).IsGame()); // 80, overtricks count above the line
    EXPECT_TRUE(Score(2, CLUBS, 8, UNDOUBLED, NOT_VUL, NOT_VUL, 60).IsGame());
    EXPECT_FALSE(Score(1, CLUBS, 7, UNDOUBLED, NOT_VUL, NOT_VUL, 70).IsGame());
    EXPECT_TRUE(Score(2, SPADES, 8, DOUBLED).IsGame()); // 120 doubled into game
    EXPECT_FALSE(Score(5, CLUBS, 10, UNDOUBLED, NOT_VUL, NOT_VUL, 90).IsGame());
    // A part score stored by an older run may hold anything; the sum must not wrap.
    EXPECT_TRUE(Score(7, NOTRUMP, 13, REDOUBLED, NOT_VUL, NOT_VUL, INT_MAX).IsGame());
    EXPECT_FALSE(Score(1, CLUBS, 7, UNDOUBLED, NOT_VUL, NOT_VUL, INT_MIN).IsGame());
}

TEST(CContractScore, OneNoTrumpWithAnOvertrick)
{
    const CContractScore score = Score(1, NOTRUMP, 8);
    EXPECT_TRUE(score.IsMade());
    EXPECT_EQ(score.ContractPoints(), 40);
    EXPECT_EQ(score.OvertrickCount(), 1);
    EXPECT_EQ(score.OvertrickPoints(), 30);
    EXPECT_EQ(score.AboveLinePoints(), 30);
    EXPECT_FALSE(score.IsGame());
}

TEST(CContractScore, DoubledAndRedoubledOvertricksAndTheInsult)
{
    EXPECT_EQ(Score(4, SPADES, 10, DOUBLED).AboveLinePoints(), 50);
    EXPECT_EQ(Score(2, HEARTS, 10, DOUBLED).OvertrickPoints(), 200);
    EXPECT_EQ(Score(2, HEARTS, 10, DOUBLED, VUL).OvertrickPoints(), 400);
    EXPECT_EQ(Score(1, CLUBS, 9, REDOUBLED).OvertrickPoints(), 400);
    EXPECT_EQ(Score(1, CLUBS, 9, REDOUBLED, VUL).OvertrickPoints(), 800);
    EXPECT_EQ(Score(1, CLUBS, 9, REDOUBLED).InsultBonus(), 50);
    EXPECT_EQ(Score(1, CLUBS, 9).InsultBonus(), 0);
    EXPECT_EQ(Score(1, CLUBS, 6, DOUBLED).InsultBonus(), 0);
    // Undoubled overtricks are worth one trick of the strain.
    EXPECT_EQ(Score(1, DIAMONDS, 10).OvertrickPoints(), 60);
    EXPECT_EQ(Score(1, SPADES, 10).OvertrickPoints(), 90);
    EXPECT_EQ(Score(1, NOTRUMP, 10).OvertrickPoints(), 90);
}

TEST(CContractScore, SlamBonusesByVulnerability)
{
    EXPECT_EQ(Score(6, HEARTS, 12).SlamBonus(), 500);
    EXPECT_EQ(Score(6, HEARTS, 12, UNDOUBLED, VUL).SlamBonus(), 750);
    EXPECT_EQ(Score(7, CLUBS, 13).SlamBonus(), 1000);
    EXPECT_EQ(Score(7, CLUBS, 13, UNDOUBLED, VUL).SlamBonus(), 1500);
    EXPECT_EQ(Score(6, HEARTS, 13).SlamBonus(), 500);
    EXPECT_EQ(Score(6, HEARTS, 11).SlamBonus(), 0);
    EXPECT_EQ(Score(5, HEARTS, 12).SlamBonus(), 0);

    const CContractScore grand = Score(7, CLUBS, 13);
    EXPECT_EQ(grand.ContractPoints(), 140);
    EXPECT_EQ(grand.AboveLinePoints(), 1000);
}

TEST(CContractScore, RubberBonusForTheVulnerableSidesGame)
{
    // 6NT vulnerable against non-vulnerable opponents: 190 below; slam and rubber above.
    const CContractScore slam = Score(6, NOTRUMP, 12, UNDOUBLED, VUL, NOT_VUL);
    EXPECT_EQ(slam.ContractPoints(), 190);
    EXPECT_EQ(slam.SlamBonus(), 750);
    EXPECT_EQ(slam.RubberBonus(), 700);
    EXPECT_EQ(slam.AboveLinePoints(), 1450);

    EXPECT_EQ(Score(4, HEARTS, 10, UNDOUBLED, VUL, VUL).RubberBonus(), 500);
    // No rubber for a game by a non-vulnerable side, nor for a vulnerable part score.
    EXPECT_EQ(Score(4, HEARTS, 10, UNDOUBLED, NOT_VUL, VUL).RubberBonus(), 0);
    EXPECT_EQ(Score(2, HEARTS, 8, UNDOUBLED, VUL, NOT_VUL).RubberBonus(), 0);
    EXPECT_EQ(Score(4, HEARTS, 9, UNDOUBLED, VUL, NOT_VUL).RubberBonus(), 0);
    EXPECT_EQ(Score(1, HEARTS, 7, UNDOUBLED, VUL, NOT_VUL, 80).RubberBonus(), 700);
}

TEST(CContractScore, UndertrickPenaltiesGoAboveTheLine)
{
    // Not vulnerable: 50 each undoubled; doubled 100, 300, 500, 800, 1100.
    EXPECT_EQ(Score(4, SPADES, 8).UndertrickPoints(), 100);
    const int notVulDoubled[] = {100, 300, 500, 800, 1100};
    for (int nDown = 1; nDown <= 5; nDown++)
        EXPECT_EQ(Score(7, SPADES, 13 - nDown, DOUBLED).UndertrickPoints(), notVulDoubled[nDown - 1])
            << nDown << " down";
    // Vulnerable: 100 each undoubled; doubled 200, 500, 800, 1100; redoubled twice that.
    EXPECT_EQ(Score(4, HEARTS, 6, UNDOUBLED, VUL).UndertrickPoints(), 400);
    const int vulDoubled[] = {200, 500, 800, 1100};
    for (int nDown = 1; nDown <= 4; nDown++)
        EXPECT_EQ(Score(7, SPADES, 13 - nDown, DOUBLED, VUL).UndertrickPoints(), vulDoubled[nDown - 1])
            << nDown << " down";
    const int vulRedoubled[] = {400, 1000, 1600};
    for (int nDown = 1; nDown <= 3; nDown++)
        EXPECT_EQ(Score(7, SPADES, 13 - nDown, REDOUBLED, VUL).UndertrickPoints(), vulRedoubled[nDown - 1])
            << nDown << " down";
    EXPECT_EQ(Score(3, NOTRUMP, 6, REDOUBLED).UndertrickPoints(), 1000);

    const CContractScore down = Score(3, NOTRUMP, 6, DOUBLED);
    EXPECT_FALSE(down.IsMade());
    EXPECT_EQ(down.UndertrickCount(), 3);
    EXPECT_EQ(down.AboveLinePoints(), 500);
    EXPECT_EQ(down.OvertrickCount(), 0);
    EXPECT_EQ(down.InsultBonus(), 0);
    EXPECT_EQ(down.RubberBonus(), 0);
    // A made contract costs nothing; no tricks at all is seven down at the one level.
    EXPECT_EQ(Score(3, NOTRUMP, 9).UndertrickPoints(), 0);
    EXPECT_EQ(Score(1, CLUBS, 0).UndertrickCount(), 7);
    EXPECT_EQ(Score(1, CLUBS, 0).UndertrickPoints(), 350);
}
