#include "bridge/bidding/Hand.h"

#include <gtest/gtest.h>

#include "tests/bridge/bidding/HandTestSupport.h"

using handtest::MakeHand;

namespace {

// The totals and the whole-hand evaluations of one hand, worked out by hand from the
// evaluation rules.
struct SHandCase {
    const char* szHand;
    int nPoints;
    int nLongestSuit;
    int nLongestLength;
    int nLongBiddable;
    int nFourBiddable;
    int nAces;
    int nKings;
    bool bBalanced;
    bool bBalancedWithStoppers;
    double dQuickTricks;
    int nPlayingTricks;
    int nDistributionPoints;
    bool bRebid;
    int nMinor;
    int nBestBiddable;
    bool bVoid;
    int nFirstRoundControls;
    bool bTwoOpener;
    bool bGoodMinor;
};

const SHandCase s_cases[] = {
    // 4-3-3-3, clubs unstopped (J with three), spades AK32 take 3 tricks.
    {"AK32.K43.Q54.J32", 13, 3, 4, 0, 1, 1, 2, true, true, 2.5, 3, 13, false, 1, 3, false, 1, false, false},
    // 4-4-3-2 with equal majors: spades is the longest and the best biddable suit.
    {"KQ32.AJ54.K32.Q4", 15, 3, 4, 0, 2, 1, 2, true, true, 2.5, 4, 15, false, 1, 3, false, 1, false, true},
    // 5-5 majors: two long biddable suits, hearts with spades is a rebid pair.
    {"AQJ54.KQT93.2.76", 12, 3, 5, 2, 0, 1, 1, false, false, 2.5, 7, 14, true, 0, 3, false, 1, false, false},
    // 6-5 with a diamond void: eight playing tricks and two five-card suits make a two opener.
    {"AKJ982.AQT75..43", 14, 3, 6, 2, 0, 2, 1, false, false, 3.5, 8, 17, true, 0, 3, true, 3, true, false},
    // A solid seven-card club suit.
    {"7.K32.Q5.AKQJT98", 15, 0, 7, 1, 0, 1, 2, false, false, 2.5, 7, 18, true, 0, 0, false, 1, false, true},
    // 4-4-4-1: three four-card biddable suits, not balanced.
    {"AJ32.KQ54.KT87.5", 13, 3, 4, 0, 3, 1, 2, false, false, 2.5, 5, 13, false, 1, 3, false, 1, false, true},
    // Singleton king: no half quick trick, clubs is the only good minor.
    {"K.AQ32.J5432.QJ4", 13, 1, 5, 1, 1, 1, 1, false, false, 1.5, 4, 14, false, 0, 1, false, 1, false, true},
    // Spades headed by the jack are not biddable; every suit is stopped.
    {"J432.Q432.K32.A2", 10, 3, 4, 0, 1, 1, 1, true, true, 1.5, 3, 10, false, 1, 2, false, 1, false, true},
    // AKQ alone; no biddable suit at all; the longest suit is the higher four-card suit.
    {"AKQ.5432.5432.32", 9, 2, 4, 0, 0, 1, 1, true, false, 2.0, 5, 9, false, 1, -1, false, 1, false, false},
    // 25 points and 7 quick tricks, but no long strong major and no two five-card suits.
    {"AK32.AK2.AK2.A32", 25, 3, 4, 0, 1, 4, 3, true, true, 7.0, 8, 25, false, 1, 3, false, 4, false, true},
    // AKQJ-sixth in spades: eight playing tricks with a top sequence.
    {"AKQJ92.AK3.K2.32", 20, 3, 6, 1, 0, 2, 3, false, false, 4.5, 8, 22, true, 1, 3, false, 2, true, false},
    // Thirteen spades: the opponents get no cards, every card is a trick.
    {"AKQJT98765432...", 10, 3, 13, 1, 0, 1, 1, false, false, 2.0, 13, 19, true, 0, 3, true, 4, true, false},
    // Equal minors with equal points: clubs.
    {"AK32.Q32.J32.J32", 11, 3, 4, 0, 1, 1, 1, true, false, 2.0, 3, 11, false, 0, 3, false, 1, false, false},
    // 5-5 without a top sequence: a two opener by its two long suits.
    {"AKJ54.AKJ54.32.3", 16, 3, 5, 2, 0, 2, 2, false, false, 4.0, 8, 18, true, 1, 3, false, 2, true, false},
};

class CHandTable : public ::testing::TestWithParam<SHandCase> {};

} // namespace

TEST_P(CHandTable, EvaluatesTotalsShapeAndTricks)
{
    const SHandCase& expected = GetParam();
    const CCardPile pile = MakeHand(expected.szHand);
    const CHand hand(&pile);
    SCOPED_TRACE(expected.szHand);
    EXPECT_EQ(expected.nPoints, hand.GetSuitPoints(-1));
    EXPECT_EQ(expected.nLongestSuit, hand.GetLongestSuit());
    EXPECT_EQ(expected.nLongestLength, hand.GetLongestLength());
    EXPECT_EQ(expected.nLongBiddable, hand.GetLongBiddableCount());
    EXPECT_EQ(expected.nFourBiddable, hand.GetFourBiddableCount());
    EXPECT_EQ(expected.nAces, hand.GetAces());
    EXPECT_EQ(expected.nKings, hand.GetKings());
    EXPECT_EQ(expected.bBalanced, hand.IsBalanced());
    EXPECT_EQ(expected.bBalancedWithStoppers, hand.IsBalancedWithStoppers());
    EXPECT_DOUBLE_EQ(expected.dQuickTricks, hand.QuickTricks());
    EXPECT_EQ(expected.nPlayingTricks, hand.PlayingTricks());
    EXPECT_EQ(expected.nDistributionPoints, hand.DistributionPoints(0));
    EXPECT_EQ(expected.bRebid, hand.HasRebid());
    EXPECT_EQ(expected.nMinor, hand.ChooseMinor());
    EXPECT_EQ(expected.nBestBiddable, hand.GetBestBiddableSuit());
    EXPECT_EQ(expected.bVoid, hand.HasVoid());
    EXPECT_EQ(expected.nFirstRoundControls, hand.CountFirstRoundControls());
    EXPECT_EQ(expected.nFirstRoundControls == SUIT_COUNT, hand.ControlsAllSuits());
    EXPECT_EQ(expected.bTwoOpener, hand.IsTwoOpener(23));
    EXPECT_EQ(expected.bGoodMinor, hand.HasGoodMinor());
}

INSTANTIATE_TEST_SUITE_P(RealHands, CHandTable, ::testing::ValuesIn(s_cases));

TEST(CHand, SuitLengthAndPointsAcceptStrainsOutsideTheSuits)
{
    const CCardPile pile = MakeHand("AK32.K43.Q54.J32");
    const CHand hand(&pile);
    EXPECT_EQ(4, hand.GetSuitLength(SUIT_SPADES));
    EXPECT_EQ(0, hand.GetSuitLength(4));
    EXPECT_EQ(0, hand.GetSuitLength(-1));
    EXPECT_EQ(7, hand.GetSuitPoints(SUIT_SPADES));
    EXPECT_EQ(1, hand.GetSuitPoints(SUIT_CLUBS));
    EXPECT_EQ(13, hand.GetSuitPoints(4));
}

TEST(CHand, StoppersFollowTheTopCardAndLength)
{
    const CCardPile singletonKing = MakeHand("K.AQ32.J5432.QJ4");
    const CHand first(&singletonKing);
    EXPECT_FALSE(first.HasStopper(SUIT_SPADES));
    EXPECT_TRUE(first.HasStopper(SUIT_HEARTS));
    EXPECT_TRUE(first.HasStopper(SUIT_DIAMONDS)) << "jack with four cards";
    EXPECT_TRUE(first.HasStopper(SUIT_CLUBS)) << "queen with three cards";

    const CCardPile doubletonKing = MakeHand("AKQJ92.AK3.K2.32");
    const CHand second(&doubletonKing);
    EXPECT_TRUE(second.HasStopper(SUIT_DIAMONDS));
    EXPECT_FALSE(second.HasStopper(SUIT_CLUBS));

    const CCardPile shortHonours = MakeHand("AK32.Q32.J32.J32");
    const CHand third(&shortHonours);
    EXPECT_TRUE(third.HasStopper(SUIT_HEARTS));
    EXPECT_FALSE(third.HasStopper(SUIT_DIAMONDS)) << "jack with three cards";
}

TEST(CHand, VoidHasBothControlsButNoStopper)
{
    const CCardPile pile = MakeHand("AKJ982.AQT75..43");
    const CHand hand(&pile);
    EXPECT_TRUE(hand.HasFirstRoundControl(SUIT_DIAMONDS));
    EXPECT_TRUE(hand.HasSecondRoundControl(SUIT_DIAMONDS));
    EXPECT_FALSE(hand.HasStopper(SUIT_DIAMONDS));
    EXPECT_FALSE(hand.HasFirstRoundControl(SUIT_CLUBS));
    EXPECT_FALSE(hand.HasSecondRoundControl(SUIT_CLUBS));
    EXPECT_TRUE(hand.HasSecondRoundControl(SUIT_SPADES)) << "king second in AK";
    EXPECT_FALSE(hand.HasSecondRoundControl(SUIT_HEARTS)) << "AQ holds no king";
    EXPECT_TRUE(hand.HasSideFirstRoundControl(SUIT_SPADES));
}

TEST(CHand, SingletonHasSecondRoundControl)
{
    const CCardPile pile = MakeHand("K.AQ32.J5432.QJ4");
    const CHand hand(&pile);
    EXPECT_FALSE(hand.HasFirstRoundControl(SUIT_SPADES));
    EXPECT_TRUE(hand.HasSecondRoundControl(SUIT_SPADES));
    EXPECT_FALSE(hand.HasSideFirstRoundControl(SUIT_HEARTS)) << "the only ace is in hearts";
}

TEST(CHand, SuitQualityTests)
{
    const CCardPile clubs = MakeHand("7.K32.Q5.AKQJT98");
    const CHand longClubs(&clubs);
    EXPECT_EQ(4, longClubs.CountCardsFrom(SUIT_CLUBS, CHand::ORDER_JACK));
    EXPECT_EQ(5, longClubs.CountCardsFrom(SUIT_CLUBS, 9));
    EXPECT_TRUE(longClubs.IsSolidSuit(SUIT_CLUBS));
    EXPECT_FALSE(longClubs.IsSolidSuit(-1));
    EXPECT_TRUE(longClubs.IsStrongLongSuit(SUIT_CLUBS));
    EXPECT_TRUE(longClubs.HasTopSequence(SUIT_CLUBS, 7, 7));
    EXPECT_FALSE(longClubs.HasTopSequence(SUIT_CLUBS, 7, 6)) << "the seven is missing";
    EXPECT_FALSE(longClubs.HasTopSequence(SUIT_CLUBS, 8, 7)) << "only seven cards";
    EXPECT_TRUE(longClubs.IsGoodSuit(SUIT_CLUBS));
    EXPECT_FALSE(longClubs.IsGoodSuit(SUIT_DIAMONDS)) << "two cards";

    const CCardPile sixFive = MakeHand("AKJ982.AQT75..43");
    const CHand twoSuiter(&sixFive);
    EXPECT_FALSE(twoSuiter.IsSolidSuit(SUIT_SPADES));
    EXPECT_TRUE(twoSuiter.IsStrongLongSuit(SUIT_SPADES));
    EXPECT_FALSE(twoSuiter.IsStrongLongSuit(SUIT_HEARTS)) << "five cards";
    EXPECT_TRUE(twoSuiter.IsLongSuit(SUIT_SPADES, 2));
    EXPECT_FALSE(twoSuiter.IsLongSuit(SUIT_SPADES, 3));
    EXPECT_TRUE(twoSuiter.IsLongSuit(SUIT_HEARTS, 0));
    EXPECT_FALSE(twoSuiter.HasTopSequence(SUIT_SPADES, 5, CHand::ORDER_QUEEN));

    const CCardPile sixSolid = MakeHand("AKQJ92.AK3.K2.32");
    EXPECT_TRUE(CHand(&sixSolid).IsSolidSuit(SUIT_SPADES));

    const CCardPile weakFour = MakeHand("T98.AKQ2.7654.32");
    const CHand lowCards(&weakFour);
    EXPECT_FALSE(lowCards.IsSupportSuit(SUIT_SPADES)) << "three cards below the jack";
    EXPECT_TRUE(lowCards.IsSupportSuit(SUIT_DIAMONDS)) << "four cards";
    EXPECT_FALSE(lowCards.IsBiddable(SUIT_DIAMONDS)) << "four cards headed by the seven";
    EXPECT_TRUE(lowCards.IsBiddable(SUIT_HEARTS));
    EXPECT_FALSE(lowCards.IsLongSuit(SUIT_HEARTS, 0));

    const CCardPile jackThird = MakeHand("AK32.K43.Q54.J32");
    EXPECT_TRUE(CHand(&jackThird).IsSupportSuit(SUIT_CLUBS));
}

TEST(CHand, FourCardSuitNeedsTheQueenToBeBiddable)
{
    const CCardPile pile = MakeHand("J432.Q432.K32.A2");
    const CHand hand(&pile);
    EXPECT_FALSE(hand.IsBiddable(SUIT_SPADES));
    EXPECT_TRUE(hand.IsBiddable(SUIT_HEARTS));
    EXPECT_EQ(1, hand.GetFourBiddableCount());
    EXPECT_EQ(0, hand.GetLongBiddableCount());
}

TEST(CHand, FiveFiveInClubsAndHeartsOrDiamondsAndSpadesHasNoRebid)
{
    const CCardPile clubsHearts = MakeHand("2.AKJ54.32.AQJ54");
    EXPECT_FALSE(CHand(&clubsHearts).HasRebid());
    const CCardPile diamondsSpades = MakeHand("AKJ54.2.AQJ54.32");
    EXPECT_FALSE(CHand(&diamondsSpades).HasRebid());
    const CCardPile clubsSpades = MakeHand("AKJ54.2.32.AQJ54");
    EXPECT_TRUE(CHand(&clubsSpades).HasRebid());
    const CCardPile weakFive = MakeHand("T9854.AKQ2.A2.32");
    EXPECT_FALSE(CHand(&weakFive).HasRebid()) << "five spades headed by the ten";
}

TEST(CHand, SupportPointsCountShortnessUpToTheTrumpsHeld)
{
    const CCardPile fiveFive = MakeHand("AQJ54.KQT93.2.76");
    const CHand majors(&fiveFive);
    EXPECT_EQ(16, majors.SupportPoints(SUIT_HEARTS));
    EXPECT_EQ(16, majors.FitPoints(SUIT_HEARTS));
    EXPECT_EQ(12, majors.SupportPoints(4)) << "no trump gives the bare points";

    const CCardPile sixFive = MakeHand("AKJ982.AQT75..43");
    EXPECT_EQ(20, CHand(&sixFive).SupportPoints(SUIT_SPADES));

    const CCardPile oneTrump = MakeHand("AKQJT9876543.2..");
    EXPECT_EQ(11, CHand(&oneTrump).SupportPoints(SUIT_HEARTS));

    const CCardPile allSpades = MakeHand("AKQJT98765432...");
    const CHand thirteen(&allSpades);
    EXPECT_EQ(28, thirteen.SupportPoints(SUIT_SPADES));
    EXPECT_EQ(10, thirteen.SupportPoints(SUIT_HEARTS)) << "no trumps, no shortness";
}

TEST(CHand, CueBidNeedsShapeAndASideAce)
{
    const CCardPile withVoid = MakeHand("AKJ982.AQT75..43");
    EXPECT_TRUE(CHand(&withVoid).CanCueBid(SUIT_SPADES));

    const CCardPile sideAce = MakeHand("K.AQ32.J5432.QJ4");
    const CHand hand(&sideAce);
    EXPECT_TRUE(hand.CanCueBid(SUIT_DIAMONDS));
    EXPECT_FALSE(hand.CanCueBid(SUIT_HEARTS)) << "the only ace is in trumps";

    const CCardPile noShape = MakeHand("AK32.AK2.AK2.A32");
    EXPECT_FALSE(CHand(&noShape).CanCueBid(SUIT_SPADES)) << "every side suit holds an honour";
}

TEST(CHand, SetCardsReplacesEverything)
{
    CHand hand;
    EXPECT_EQ(0, hand.GetSuitPoints(-1));
    EXPECT_EQ(0, hand.GetSuitLength(SUIT_SPADES));
    EXPECT_TRUE(hand.HasVoid()) << "a hand without cards reads as four voids";
    EXPECT_EQ(0, hand.PlayingTricks());

    const CCardPile first = MakeHand("AKJ982.AQT75..43");
    hand.SetCards(&first);
    EXPECT_EQ(6, hand.GetLongestLength());
    EXPECT_EQ(2, hand.GetAces());

    const CCardPile second = MakeHand("7.K32.Q5.AKQJT98");
    hand.SetCards(&second);
    EXPECT_EQ(SUIT_CLUBS, hand.GetLongestSuit());
    EXPECT_EQ(7, hand.GetLongestLength());
    EXPECT_EQ(1, hand.GetLongBiddableCount());
    EXPECT_EQ(1, hand.GetAces());
    EXPECT_EQ(1, hand.GetSuitLength(SUIT_SPADES));
    EXPECT_EQ(2, hand.GetSuitLength(SUIT_DIAMONDS));

    hand.SetCards(nullptr);
    EXPECT_EQ(0, hand.GetSuitPoints(-1));
    EXPECT_EQ(0, hand.GetLongestLength());
    EXPECT_EQ(0, hand.GetSuitLength(SUIT_CLUBS));
}

TEST(CHand, InputPileIsOnlyRead)
{
    CCardPile pile = MakeHand("AK32.K43.Q54.J32");
    const CCardPile before = pile;
    CHand hand(&pile);
    ASSERT_EQ(before.GetCount(), pile.GetCount());
    for (int i = 0; i < pile.GetCount(); ++i)
        EXPECT_EQ(before.m_cards[i], pile.m_cards[i]);
    pile.Clear();
    EXPECT_EQ(4, hand.GetSuitLength(SUIT_SPADES)) << "the suit piles hold copies";
}

TEST(CHand, PlayingTricksLeaveEveryThirdMissingCardOut)
{
    // Against KJ9 the opponents are modelled with A, Q, 8, 7 (the ten, the third missing
    // card, is left out), so the nine wins the third round.
    const CCardPile pile = MakeHand("KJ9.5432.5432.32");
    EXPECT_EQ(3, CHand(&pile).PlayingTricks());
}

TEST(CHand, OrdersOutsideTheDeckDoNotBreakTheTrickModel)
{
    // A damaged hand file may carry any order; the evaluation must stay within its tables.
    CCardPile pile = MakeHand("AKQ.5432.5432.32");
    pile.AddCard(CCard(1, SUIT_SPADES, 99, 4));
    pile.AddCard(CCard(2, SUIT_SPADES, -5, 0));
    const CHand hand(&pile);
    EXPECT_EQ(5, hand.GetSuitLength(SUIT_SPADES));
    const int nTricks = hand.PlayingTricks();
    EXPECT_GE(nTricks, 5);
    EXPECT_LE(nTricks, pile.GetCount());
}
