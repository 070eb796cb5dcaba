// The declarer engine's suit analysis, counting rules and finesse matching, on holdings
// worked out by hand.

#include <gtest/gtest.h>

#include <string>

#include "tests/bridge/play/whistattack_helpers.h"
#include "tests/support/CAssertRecorder.h"

using namespace playtest;

namespace {

// South's spade holding filled to nCards with low clubs, North's with low diamonds, so that
// the spades are the only suit the pair shares.
std::string WithClubs(const std::string& strSpades, int nCards = CARDS_PER_HAND)
{
    std::string strHand = strSpades;
    const int nSpades = Pile(strSpades).GetCount();
    const char* const ranks = "23456789TJQKA";
    for (int i = 0; i < nCards - nSpades; ++i)
        strHand += std::string(" ") + ranks[i] + "C";
    return strHand;
}

std::string WithDiamonds(const std::string& strSpades, int nCards = CARDS_PER_HAND)
{
    std::string strHand = WithClubs(strSpades, nCards);
    for (char& ch : strHand) {
        if (ch == 'C')
            ch = 'D';
    }
    return strHand;
}

struct FinesseCase {
    int nRow;
    const char* szOwn;
    const char* szPartner;
    const char* szLead;
    const char* szPlay;
    int nPercent;
};

// The lead table, South (hand 1) leading toward North (hand 2) in spades. Row 12 cannot match
// (its ignored positions include a card it asks for) and row 15 is always taken by row 14
// first, so neither has a holding of its own.
const FinesseCase s_leadRows[] = {
    {0, "3S 2S", "AS QS TS 4S", "2S", "TS", 25},
    {1, "2S", "AS QS 3S", "2S", "QS", 50},
    {2, "QS 2S", "AS JS 3S", "2S", "JS", 50},
    {3, "QS JS 2S", "AS TS", "2S", "TS", 50},
    {4, "QS JS", "AS 3S", "QS", "3S", 50},
    {5, "AS 3S 2S", "QS TS 9S 4S", "2S", "QS", 50},
    {6, "AS 9S 2S", "QS TS 4S 3S", "2S", "TS", 25},
    {7, "AS TS 2S", "QS 9S 4S 3S", "2S", "9S", 25},
    {8, "AS 3S 2S", "QS JS 9S 4S", "2S", "QS", 50},
    {9, "2S", "AS KS JS", "2S", "JS", 50},
    {10, "3S 2S", "AS KS JS", "2S", "AS", 50},
    {11, "JS 2S", "AS KS TS", "2S", "AS", 50},
    {13, "4S 3S 2S", "AS KS TS", "2S", "TS", 25},
    {14, "3S 2S", "AS JS 4S", "2S", "JS", 25},
    {16, "3S 2S", "KS QS TS", "2S", "KS", 25},
    {17, "3S 2S", "KS JS 4S", "2S", "JS", 25},
    {18, "3S 2S", "KS TS 9S", "2S", "TS", 25},
    {19, "3S 2S", "QS JS 4S", "2S", "QS", 25},
    {20, "3S 2S", "QS TS 4S", "2S", "TS", 25},
};

// The second-hand table, South (hand 1) second to play with North still to come. Row 5
// cannot match: it asks for the third-highest card in neither hand nor outstanding.
const FinesseCase s_secondHandRows[] = {
    {0, "KS 2S", "AS JS 3S", "2S", "JS", 50},
    {1, "KS 2S", "AS TS 3S", "2S", "TS", 50},
    {2, "KS 2S", "QS TS 3S", "2S", "QS", 50},
    {3, "KS 2S", "QS 4S 3S", "KS", "3S", 50},
    {4, "KS 2S", "JS 3S", "2S", "JS", 50},
    {6, "QS 2S", "AS 3S", "QS", "3S", 50},
    {7, "3S 2S", "AS JS", "2S", "JS", 25},
    {8, "JS 2S", "AS 3S", "JS", "3S", 25},
};

void ExpectRow(const FinesseCase& row, const FinesseCombo* pTable, const CWhistHand& record)
{
    SCOPED_TRACE(pTable[row.nRow].name);
    EXPECT_EQ(row.nRow, record.finesseRow[SPADES]);
    EXPECT_EQ(row.nPercent, record.finessePercent[SPADES]);
    EXPECT_EQ(Card(row.szLead), record.finesseLead[SPADES]) << Name(record.finesseLead[SPADES]);
    EXPECT_EQ(Card(row.szPlay), record.finessePlay[SPADES]) << Name(record.finessePlay[SPADES]);
    EXPECT_EQ(pTable[row.nRow].min1, record.finesseMin1[SPADES]);
    EXPECT_EQ(pTable[row.nRow].min2, record.finesseMin2[SPADES]);
}

} // namespace

TEST(CWhistAttack, EveryLeadTableRowMatchesItsHolding)
{
    for (const FinesseCase& row : s_leadRows) {
        CDeclaringPair pair(WithClubs(row.szOwn), WithDiamonds(row.szPartner));
        CWhistAttack& engine = pair.Engine();
        engine.MatchLeadFinesses();
        ExpectRow(row, g_finesseCombos, engine.OwnRecord());
    }
}

TEST(CWhistAttack, EverySecondHandTableRowMatchesItsHolding)
{
    for (const FinesseCase& row : s_secondHandRows) {
        CDeclaringPair pair(WithClubs(row.szOwn), WithDiamonds(row.szPartner));
        CWhistAttack& engine = pair.Engine();
        engine.MatchSecondHandFinesses();
        ExpectRow(row, g_secondHandFinesseCombos, engine.OwnRecord());
    }
}

TEST(CWhistAttack, FinesseAgainstAKnownHoldingIsSureAndAgainstAVoidIsOff)
{
    // East (South's right) showed out of spades: the king, jack and nine lie with West.
    CDeclaringPair rightVoid("3S 2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC", "AS QS TS 2D 3D 4D 5D 6D 7D 8D 9D TD");
    rightVoid.AddTrick(WEST, "8S 4S 5H 7S");
    CWhistAttack& sure = rightVoid.Engine();
    sure.MatchLeadFinesses();
    EXPECT_EQ(0, sure.OwnRecord().finesseRow[SPADES]);
    EXPECT_EQ(100, sure.OwnRecord().finessePercent[SPADES]);
    EXPECT_EQ(Card("TS"), sure.OwnRecord().finessePlay[SPADES]);

    // West (South's left) showed out instead: the finesse cannot work and no row matches.
    CDeclaringPair leftVoid("3S 2S 2C 3C 4C 5C 6C 7C 8C 9C TC JC", "AS QS TS 2D 3D 4D 5D 6D 7D 8D 9D TD");
    leftVoid.AddTrick(EAST, "8S 7S 5H 4S");
    CWhistAttack& off = leftVoid.Engine();
    off.MatchLeadFinesses();
    EXPECT_EQ(0, off.OwnRecord().finessePercent[SPADES]);
}

TEST(CWhistAttack, AVoidHandNeverMatchesAFinesse)
{
    CDeclaringPair pair(WithClubs(""), WithDiamonds("AS QS TS 4S"));
    CWhistAttack& engine = pair.Engine();
    engine.MatchLeadFinesses();
    EXPECT_EQ(0, engine.OwnRecord().finessePercent[SPADES]);
    EXPECT_EQ(0, engine.PartnerRecord().finessePercent[SPADES]);
}

TEST(CWhistAttack, CashingAlternativeReplacesTheFinesseWhenTheSuitRunsFromTheTop)
{
    // [x] - [A,Q] (the nine is not looked at) with the pair's Q J 10 9 8 7 running below
    // the missing king, more cards than the opponents' K 6 5 4: the engine cashes from the
    // top instead of finessing.
    CDeclaringPair pair(WithClubs("9S 2S"), WithDiamonds("AS QS JS TS 8S 7S 3S"));
    CWhistAttack& engine = pair.Engine();
    engine.MatchLeadFinesses();
    EXPECT_EQ(1, engine.OwnRecord().finesseRow[SPADES]);
    EXPECT_EQ(50, engine.OwnRecord().finessePercent[SPADES]);
    EXPECT_EQ(Card("9S"), engine.OwnRecord().finesseLead[SPADES]);
    EXPECT_EQ(Card("3S"), engine.OwnRecord().finessePlay[SPADES]);
}

TEST(CWhistAttack, AnalysisCountsTopCardsWinnersAndTheLongHand)
{
    // South A K 5, North Q 4 3 2: three quick tricks, the queen an early top card of the
    // long hand; six spades out, four rounds to draw them.
    CDeclaringPair pair(WithClubs("AS KS 5S"), WithDiamonds("QS 4S 3S 2S"));
    CWhistAttack& engine = pair.Engine();
    EXPECT_EQ(3, engine.QuickTricks(SPADES));
    EXPECT_EQ(3, engine.Winners(SPADES));
    EXPECT_EQ(0, engine.Losers(SPADES));
    EXPECT_EQ(0, engine.ExtraLength(SPADES));
    EXPECT_EQ(2, engine.OwnRecord().topCards[SPADES]);
    EXPECT_EQ(1, engine.PartnerRecord().topCards[SPADES]);
    EXPECT_EQ(0, engine.OwnRecord().firstWinnerAt[SPADES]);
    EXPECT_EQ(2, engine.PartnerRecord().firstWinnerAt[SPADES]);
    EXPECT_FALSE(engine.OwnRecord().longHand[SPADES]);
    EXPECT_TRUE(engine.PartnerRecord().longHand[SPADES]);
    EXPECT_EQ(4, engine.RoundsToDraw(SPADES));
    EXPECT_EQ(6, engine.OpponentCards(SPADES).GetCount());
}

TEST(CWhistAttack, AnalysisCountsLengthWinnersAndCapsQuickTricks)
{
    // A K Q and four small opposite two small: three rounds draw the four outstanding
    // cards, and the four long cards win after them.
    CDeclaringPair pair(WithClubs("AS KS QS 5S 4S 3S 2S"), WithDiamonds("7S 6S"));
    CWhistAttack& engine = pair.Engine();
    EXPECT_EQ(3, engine.QuickTricks(SPADES));
    EXPECT_EQ(7, engine.Winners(SPADES));
    EXPECT_EQ(4, engine.ExtraLength(SPADES));
    EXPECT_EQ(0, engine.Losers(SPADES));
    EXPECT_TRUE(engine.HasLengthWinners(SPADES));
}

TEST(CWhistAttack, AnalysisCountsLosersWhenThePairRunsOutFirst)
{
    // Two small opposite two small with nine out: five rounds to draw, the pair lasts two.
    CDeclaringPair pair(WithClubs("5S 4S"), WithDiamonds("3S 2S"));
    CWhistAttack& engine = pair.Engine();
    EXPECT_EQ(0, engine.QuickTricks(SPADES));
    EXPECT_EQ(0, engine.Winners(SPADES));
    EXPECT_EQ(5, engine.Losers(SPADES));
    EXPECT_EQ(-1, engine.OwnRecord().firstWinnerAt[SPADES]);
}

TEST(CWhistAttack, RoundsToDrawAndEvenSplitsFollowTheOutstandingCount)
{
    // Outstanding spades: 5, 3, 2 (South's clubs and North's diamonds fill the hands).
    CDeclaringPair five(WithClubs("AS KS QS 4S"), WithDiamonds("3S 2S 5S 6S"));
    EXPECT_EQ(3, five.Engine().RoundsToDraw(SPADES));
    EXPECT_EQ(3, five.m_pEngine->EvenSplitRounds(SPADES));
    CDeclaringPair three(WithClubs("AS KS QS 4S 7S"), WithDiamonds("3S 2S 5S 6S 8S"));
    EXPECT_EQ(2, three.Engine().RoundsToDraw(SPADES));
    EXPECT_EQ(2, three.m_pEngine->EvenSplitRounds(SPADES));
    CDeclaringPair two(WithClubs("AS KS QS 4S 7S 9S"), WithDiamonds("3S 2S 5S 6S 8S"));
    EXPECT_EQ(1, two.Engine().RoundsToDraw(SPADES));
    EXPECT_EQ(1, two.m_pEngine->EvenSplitRounds(SPADES));

    // East showed out of spades: West holds all four outstanding ones.
    CDeclaringPair known(WithClubs("AS KS QS", 12), WithDiamonds("3S 2S 5S", 12));
    known.AddTrick(WEST, "4S 6S 5H 7S");
    EXPECT_EQ(4, known.Engine().RoundsToDraw(SPADES));
    EXPECT_EQ(4, known.m_pEngine->EvenSplitRounds(SPADES));
}

TEST(CWhistAttack, DropPercentOfFourOutstandingCards)
{
    // North 9 8 7 6 opposite five spades headed by one, two, three and four top cards.
    const char* const holdings[] = {"AS 5S 4S 3S 2S", "AS KS 4S 3S 2S", "AS KS QS 3S 2S", "AS KS QS JS 2S"};
    const int expected[] = {0, 50, 50, 100};
    for (int i = 0; i < 4; ++i) {
        CDeclaringPair pair(WithClubs(holdings[i]), WithDiamonds("9S 8S 7S 6S"));
        EXPECT_EQ(expected[i], pair.Engine().DropPercent(SPADES)) << holdings[i];
        EXPECT_EQ(4, pair.m_pEngine->OpponentCards(SPADES).GetCount());
    }
}

TEST(CWhistAttack, SequencesAreReadAgainstTheOpponentsCards)
{
    // South K J 10 2, North 9 8 3; out: A Q 7 6 5 4.
    CDeclaringPair pair(WithClubs("KS JS TS 2S"), WithDiamonds("9S 8S 3S"));
    CWhistAttack& engine = pair.Engine();
    EXPECT_TRUE(engine.InSequence(Card("JS"), Card("8S")));
    EXPECT_FALSE(engine.InSequence(Card("KS"), Card("JS")));
    EXPECT_TRUE(engine.OpponentCardBetween(Card("JS"), Card("KS")));
    EXPECT_FALSE(engine.OpponentCardBetween(Card("8S"), Card("JS")));
    EXPECT_EQ(4, engine.CountSequenceBelow(Card("QS")));
    // Nobody of the pair holds the ace: the sequence below it is the king alone.
    EXPECT_EQ(1, engine.SequenceBelowTop(SPADES));
    EXPECT_EQ(6, engine.MaxOpponentLength(SPADES));
}

TEST(CWhistAttack, UnblockingWinnerTakesTheTopOfTheTouchingCards)
{
    CDeclaringPair pair(WithClubs("KS TS 9S 8S"), WithDiamonds("QS JS 2S"));
    CWhistAttack& engine = pair.Engine();
    const CCardPile& north = engine.PartnerRecord().Suit(SPADES);
    const CCardPile& south = engine.OwnRecord().Suit(SPADES);
    // J and Q beat the five and touch South's K 10 9 8: the queen unblocks.
    EXPECT_EQ(Card("QS"), engine.UnblockingWinner(Card("5S"), north, south));
    // Nothing beats the ace: the lowest card, which touches nothing of the pair.
    EXPECT_EQ(Card("2S"), engine.UnblockingWinner(Card("AS"), north, south));
}

TEST(CWhistAttack, UnblockingWinnerOfAnEmptyPileFailsItsAssertion)
{
    CDeclaringPair pair(WithClubs("KS"), WithDiamonds("QS"));
    CWhistAttack& engine = pair.Engine();
    CAssertRecorder asserts;
    const CCard card = engine.UnblockingWinner(Card("5S"), CCardPile(), CCardPile());
    EXPECT_EQ("whistattack", asserts.GetStem());
    EXPECT_EQ("cards.size()", asserts.GetExpression());
    EXPECT_EQ(0, card.GetRank());
}
