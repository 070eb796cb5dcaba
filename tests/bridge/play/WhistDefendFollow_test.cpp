#include "tests/bridge/play/whistdefend_support.h"

#include "tests/support/CAssertRecorder.h"

using namespace defendtest;

namespace {

class CWhistDefendFollow : public CDefendTable {
};

} // namespace

TEST_F(CWhistDefendFollow, SecondHandSingletonFollows)
{
    Contract(NO_TRUMPS);
    Current(SOUTH, "5H");
    Hand(WEST, "9H AS KS QS");
    EXPECT_EQ("9H", Play(WEST));
    EXPECT_EQ(1, Lines());
    EXPECT_EQ("2nd - follow suit", Line());
}

TEST_F(CWhistDefendFollow, SecondHandTakesTheAceWhenQuickTricksBeatTheContract)
{
    // Declarer leads toward dummy's K 5; West's seven quick tricks reach the six needed.
    Contract(NO_TRUMPS);
    Current(SOUTH, "2H");
    Hand(WEST, "AS KS QS AD KD QD AH 4H 3H");
    Hand(NORTH, "KH 5H JC 9C");
    EXPECT_EQ("AH", Play(WEST));
    EXPECT_EQ("2nd - I can take it and break the contract, play high", Line());
}

TEST_F(CWhistDefendFollow, SecondHandPlaysHighOverDummysHonourDoubleton)
{
    Contract(NO_TRUMPS);
    Current(SOUTH, "2H");
    Hand(WEST, "AH 4H 3H 9S 8S");
    Hand(NORTH, "KH 5H JC 9C");
    EXPECT_EQ("AH", Play(WEST));
    EXPECT_EQ("2nd - Dummy holds honour doubleton, play high", Line());
}

TEST_F(CWhistDefendFollow, SecondHandDucksWhenPartnerMayWin)
{
    Contract(NO_TRUMPS);
    Current(SOUTH, "2H");
    Hand(WEST, "AH 4H 3H 9S 8S 7S");
    Hand(NORTH, "QH 7H 6H 5H JC");
    EXPECT_EQ("3H", Play(WEST));
    EXPECT_EQ(1, Lines());
    EXPECT_EQ("2nd - play low, let partner try to win", Line());
}

TEST_F(CWhistDefendFollow, SecondHandCoversDummysJackWhenPartnerCannotBeatIt)
{
    // West showed out of spades; the ace is still out, so K Q 10 covers with the queen.
    Contract(NO_TRUMPS);
    Completed(NORTH, "2S 3S 4S 2C");
    Current(NORTH, "JS");
    Hand(EAST, "KS QS TS 9H 8H");
    Hand(NORTH, "6S 5S AH KH");
    EXPECT_EQ("QS", Play(EAST));
    EXPECT_EQ("2nd - Partner cannot beat card led, play high", Line());
}

TEST_F(CWhistDefendFollow, SecondHandWithoutForcingSequenceDucksUnderDummysJack)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "JS");
    Hand(EAST, "KS QS TS 9H 8H");
    Hand(NORTH, "6S 5S 2S AH KH");
    EXPECT_EQ("TS", Play(EAST));
    EXPECT_EQ("2nd - Can't win and no 3 card honour sequence", Line());
}

TEST_F(CWhistDefendFollow, SecondHandForcesWithThreeCardSequence)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "9S");
    Hand(EAST, "KS QS JS 3S 8H");
    Hand(NORTH, "6S 5S 2S AH KH");
    EXPECT_EQ("KS", Play(EAST));
    EXPECT_EQ("2nd - Can't win but I have a 3 card honour sequence, so force", Line());
}

TEST_F(CWhistDefendFollow, SecondHandUsesSequenceSurroundingDummy)
{
    // Dummy's A K above and 10 below West's Q J: West splits with the queen.
    Contract(NO_TRUMPS);
    Current(SOUTH, "2S");
    Hand(WEST, "QS JS 4S 8H");
    Hand(NORTH, "AS KS TS 3S KH");
    EXPECT_EQ("QS", Play(WEST));
    EXPECT_EQ("2nd - I have a sequence surrounded by dummy", Line());
}

// Second-hand plays that write no explanation line, before and after dummy (North).
struct SQuietSecondHand {
    const char* szCase;
    int nTrumps;
    int nLeader;
    const char* szLed;
    int nSeat;
    const char* szHand;
    const char* szDummy;
    const char* szCard;
};

const SQuietSecondHand s_quietSecondHands[] = {
    {"below the card led, before dummy", NO_TRUMPS, SOUTH, "KS", WEST, "JS 4S 8H", "AS 3S KH", "4S"},
    {"cheapest winner over a lead dummy cannot beat", NO_TRUMPS, SOUTH, "QS", WEST, "AS KS 4S 8H",
     "3S 2S KH", "KS"},
    // Spades are all top winners and hearts guard against dummy's three: the diamond goes.
    {"void without a trump, before dummy", NO_TRUMPS, SOUTH, "5C", WEST, "AS KS QS 7H 5H 4H 9D 8D 6D",
     "JS 2S QH JH 2H KD 2D AC KC", "6D"},
    {"below the card led by dummy", NO_TRUMPS, NORTH, "KS", EAST, "JS 4S 8H", "3S KH", "4S"},
    {"void without a trump after dummy", HEARTS, NORTH, "5C", EAST, "9D 6D 4D", "2S KD", "4D"},
};

TEST_F(CWhistDefendFollow, SecondHandWritesNoLineWhereThePlayNeedsNoComment)
{
    for (const SQuietSecondHand& c : s_quietSecondHands) {
        SCOPED_TRACE(c.szCase);
        Contract(c.nTrumps);
        Current(c.nLeader, c.szLed);
        Hand(c.nSeat, c.szHand);
        Hand(NORTH, c.szDummy);
        EXPECT_EQ(c.szCard, Play(c.nSeat));
        EXPECT_EQ(0, Lines());
    }
}

TEST_F(CWhistDefendFollow, ThirdHandUnblocksUnderPartnersQueen)
{
    Contract(NO_TRUMPS, 2);
    Current(WEST, "QH 3H");
    Hand(EAST, "KH JH 5S 4S");
    Hand(NORTH, "7H 6H AS");
    EXPECT_EQ("KH", Play(EAST));
    EXPECT_EQ("3rd - unblock partners long suit", Line());
}

TEST_F(CWhistDefendFollow, ThirdHandKeepsTheKingWhenOneTrickDefeats)
{
    // Seven no trump: one trick beats it, so no unblock; declarer's ace may still come.
    Contract(NO_TRUMPS, 6);
    Current(WEST, "QH 3H");
    Hand(EAST, "KH JH 5S 4S");
    Hand(NORTH, "7H 6H AS");
    EXPECT_EQ("JH", Play(EAST));
    EXPECT_EQ("3rd - lho can beat us", Line());
}

TEST_F(CWhistDefendFollow, ThirdHandRuffsWhenDummyWillBeatPartner)
{
    Contract(HEARTS);
    Current(EAST, "QD 3D");
    Hand(WEST, "9H 4H 8S 7S 6C");
    Hand(NORTH, "KD 5D 2S");
    EXPECT_EQ("4H", Play(WEST));
    EXPECT_EQ("3rd - dummy beats partners card so ruff if possible", Line());
}

TEST_F(CWhistDefendFollow, ThirdHandDiscardsWhenDummyCannotBeatPartner)
{
    // The doubleton spade signals with its higher card in a trump contract.
    Contract(HEARTS);
    Current(EAST, "QD 3D");
    Hand(WEST, "9H 4H 8S 7S 6C");
    Hand(NORTH, "5D 2S");
    EXPECT_EQ("8S", Play(WEST));
    EXPECT_EQ("3rd partner winning and dummy can't beat it, discard", Line());
}

TEST_F(CWhistDefendFollow, ThirdHandWinsCheaplyAgainstDeclarer)
{
    Contract(NO_TRUMPS);
    Current(WEST, "3D 8D");
    Hand(EAST, "AD KD 4D 9C");
    Hand(NORTH, "QD 2D 5C");
    // Dummy's queen breaks nothing: the king is as good as the ace.
    EXPECT_EQ("KD", Play(EAST));
    EXPECT_EQ("3rd - win it with lowest high card not in Dummy", Line());
}

TEST_F(CWhistDefendFollow, FourthHandWinsWithItsLowestWinner)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "5S 2S JS");
    Hand(WEST, "AS QS 3S 4D");
    EXPECT_EQ("QS", Play(WEST));
    EXPECT_EQ("4th - win it with lowest card possible", Line());
}

TEST_F(CWhistDefendFollow, FourthHandPlaysLowUnderPartner)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "5S KS JS");
    Hand(WEST, "AS QS 3S 4D");
    EXPECT_EQ("3S", Play(WEST));
    EXPECT_EQ("4th - partner winning, play low", Line());
}

TEST_F(CWhistDefendFollow, FourthHandVoidDiscardsAgainstNoTrumpAndRuffsAgainstTrumps)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "5S 2S JS");
    Hand(WEST, "9H 4H 8D");
    Hand(NORTH, "KH QH");
    EXPECT_EQ("4H", Play(WEST));
    EXPECT_EQ("4th - discard", Line());

    Contract(DIAMONDS);
    Current(NORTH, "5S 2S JS");
    Hand(WEST, "9H 4H 8D");
    Hand(NORTH, "KH QH");
    EXPECT_EQ("8D", Play(WEST));
    EXPECT_EQ("4th - ruff", Line());
}

TEST_F(CWhistDefendFollow, LowCardSignalsOnlyWhenTheSuitIsWorthIt)
{
    Contract(CLUBS);
    Hand(WEST, "8H 3H 5C AS 9S 7S 3S");
    auto pEngine = Engine(WEST);
    // A doubleton beside a trump: the eight lies below the five top cards and signals.
    EXPECT_EQ(Card("8H"), pEngine->LowCard(HEARTS));
    // Four cards headed by the top card: the highest card from the sixth place down.
    EXPECT_EQ(Card("9S"), pEngine->LowCard(SPADES));

    Contract(NO_TRUMPS);
    Hand(WEST, "8H 3H AS KS QS");
    pEngine = Engine(WEST);
    EXPECT_EQ(Card("3H"), pEngine->LowCard(HEARTS));
    // A K Q with the jack out: no signal from three cards, the queen is the low card.
    EXPECT_FALSE(pEngine->ShouldSignal(SPADES));
    EXPECT_EQ(Card("QS"), pEngine->LowCard(SPADES));
}

TEST_F(CWhistDefendFollow, FourthHandDiscardsWhenItsTrumpsCannotOverruff)
{
    Contract(HEARTS);
    Current(SOUTH, "5S 2S 9H");
    Hand(EAST, "4H 3H 8D 7C");
    EXPECT_EQ("8D", Play(EAST));
    EXPECT_EQ("4th - discard", Line());
}

TEST_F(CWhistDefendFollow, LowestOfTopSequenceLetsDummysCardsJoinTheRun)
{
    Contract(NO_TRUMPS);
    Current(NORTH, "2S");
    Hand(EAST, "AS QS TS 4S");
    Hand(NORTH, "KS JS 3S");
    // A, dummy's K, Q, dummy's J, 10: the run ends at the nine.
    EXPECT_EQ(Card("TS"), Engine(EAST)->LowestOfTopSequence(SPADES));
}

TEST_F(CWhistDefendFollow, GuardsOfAnEmptySuitFailTheirAssertions)
{
    Contract(NO_TRUMPS);
    Hand(EAST, "AS");
    Hand(NORTH, "KH");
    auto pEngine = Engine(EAST);
    CAssertRecorder asserts;
    const CCard card = pEngine->LowestOfTopSequence(HEARTS);
    EXPECT_EQ("whistdefend", asserts.GetStem());
    EXPECT_EQ("leadHand.lenSuit[suit] > 0", asserts.GetExpression());
    EXPECT_EQ(CCard(), card);

    asserts.Clear();
    pEngine->LowestWinnerOverDummy(Card("2H"), m_hands[NORTH], CCardPile());
    EXPECT_EQ("whistdefend", asserts.GetStem());
    EXPECT_EQ("cards.size()", asserts.GetExpression());
}
