// The declarer engine in second, third and fourth position, on tricks worked out by hand.
// South's engine plays South second and North third or fourth, as the table asks it.

#include <gtest/gtest.h>

#include "tests/bridge/play/whistattack_helpers.h"

using namespace playtest;

TEST(CWhistAttackPlay, SecondHandBelowTheLedCardPlaysLow)
{
    CDeclaringPair pair("9S 5S 2S AH KH QH 2D 3D 4D 2C 3C 4C 5C",
                        "8S 7S 6S 2H 3H 4H 5D 6D 7D 6C 7C 8C 9C");
    pair.SetTrick(EAST, "AS");
    EXPECT_EQ(Card("2S"), pair.Engine().ChooseCard());
    EXPECT_EQ("2nd, my high card lower than played card, play low", pair.LastLine());
}

TEST(CWhistAttackPlay, SecondHandRuffsLowUnlessTheLeftOpponentCanOverruff)
{
    // Hearts trumps; East leads the club ace, South has none and North still has three
    // clubs without a top card: South ruffs with its lowest trump.
    CDeclaringPair low("KH 5H 2H AS KS QS 2S AD KD QD 2D 3D 4D",
                       "8C 7C 6C QH 3H JS TS 9S JD TD 9D 8D 7D", HEARTS);
    low.SetTrick(EAST, "AC");
    EXPECT_EQ(low.C("2H"), low.Engine().ChooseCard());
    EXPECT_EQ("2nd, attempt ruff", low.LastLine());

    // West showed out of clubs in the first trick and may hold trumps: South ruffs as high
    // as it can, the king, since it has nothing above the opponents' ace.
    CDeclaringPair high("KH 5H 2H AS KS QS 2S AD KD QD 2D 3D",
                        "7C 6C QH 3H JS TS 9S JD TD 9D 8D 7D", HEARTS);
    high.AddTrick(EAST, "KC 3C 4D 8C");
    high.SetTrick(EAST, "AC");
    EXPECT_EQ(high.C("KH"), high.Engine().ChooseCard());
    EXPECT_EQ("2nd, attempt ruff", high.LastLine());
}

TEST(CWhistAttackPlay, SecondHandVoidAtNoTrumpsDiscardsFromTheSuitItCanSpare)
{
    // South's spades all win and will cash; its small hearts are worth least: 2048 less the
    // 512 for a suit that does not unblock, less 1 for the long hand, less 3 for winners over
    // quick tricks (1532), against spades' 2048 - 512 - 16 - 1 (1519).
    CDeclaringPair pair("AS KS QS JS TS 9S 8S 7H 6H 5H 4H 3H 2H",
                        "3S 2S AH KH AD 4D 3D 2D 6C 5C 4C 3C 2C");
    pair.SetTrick(EAST, "KC");
    EXPECT_EQ(Card("2H"), pair.Engine().ChooseCard());
    EXPECT_EQ("2nd, discard, let partner play it", pair.LastLine());
}

TEST(CWhistAttackPlay, ThirdHandPlaysASingletonWhateverTheTrickHolds)
{
    CDeclaringPair pair("AS KS 2S AH 2H 3H 4H 2D 3D 4D 2C 3C 4C",
                        "5S KH QH JH 5D 6D 7D 8D 5C 6C 7C 8C 9C");
    pair.SetTrick(SOUTH, "");
    CWhistAttack& engine = pair.Engine();
    pair.Play("2S");
    pair.Play("9S");
    EXPECT_EQ(Card("5S"), engine.ChooseCard());
    EXPECT_EQ("3rd, follow suit", pair.LastLine());
}

TEST(CWhistAttackPlay, ThirdHandTakesTheFinesseUnlessSecondHandCovers)
{
    // [x,x] - [A,Q,10] in extra-tricks mode: South leads the two for the finesse of the ten.
    const char* szSouth = "3S 2S 2H 3H 4H 5H 2D 3D 4D 5D 2C 3C 4C";
    const char* szNorth = "AS QS TS 4S 6H 7H 8H 6D 7D 8D 5C 6C 7C";
    CDeclaringPair low(szSouth, szNorth);
    low.SetTrick(SOUTH, "");
    CWhistAttack& finesse = low.Engine();
    ASSERT_EQ(Card("2S"), finesse.ChooseCard());
    low.Play("2S");
    low.Play("5S");
    EXPECT_EQ(Card("TS"), finesse.ChooseCard());
    EXPECT_EQ("3rd, attempting Finesse", low.LastLine());

    // West covers with the king: North wins with the ace.
    CDeclaringPair covered(szSouth, szNorth);
    covered.SetTrick(SOUTH, "");
    CWhistAttack& failed = covered.Engine();
    ASSERT_EQ(Card("2S"), failed.ChooseCard());
    covered.Play("2S");
    covered.Play("KS");
    EXPECT_EQ(Card("AS"), failed.ChooseCard());
    EXPECT_EQ("3rd, finesse failed so win with lowest winner", covered.LastLine());
}

TEST(CWhistAttackPlay, ThirdHandOvertakesASingletonHonourToUnblock)
{
    // South leads its singleton king, North holds A Q 3 and no other winners lie with South.
    CDeclaringPair pair("KS 2H 3H 4H 5H 2D 3D 4D 5D 2C 3C 4C 5C",
                        "AS QS 3S 6H 7H 8H 6D 7D 8D 6C 7C 8C 9C");
    pair.SetTrick(SOUTH, "");
    CWhistAttack& engine = pair.Engine();
    pair.Play("KS");
    pair.Play("4S");
    EXPECT_EQ(Card("AS"), engine.ChooseCard());
    EXPECT_EQ("3rd, overtake partner to unblock", pair.LastLine());
}

TEST(CWhistAttackPlay, FourthHandDucksUnderTheOwnWinningCard)
{
    CDeclaringPair pair("AS 3S 2S AH KH QH JH 2D 3D 4D 2C 3C 4C",
                        "QS 5S 4S 2H 3H 4H 5D 6D 7D 8D 5C 6C 7C");
    pair.SetTrick(EAST, "6S");
    CWhistAttack& engine = pair.Engine();
    // Second hand: South holds the top spade and takes the trick with it.
    ASSERT_EQ(Card("AS"), engine.ChooseCard());
    EXPECT_EQ("2nd, we can win it in suit so take it in the best hand for us", pair.LastLine());
    pair.Play("AS");
    pair.Play("7S");
    EXPECT_EQ(Card("4S"), engine.ChooseCard());
    EXPECT_EQ("4th, try to win with lowest winner", pair.LastLine());
}
