#include "tests/bridge/play/whistdefend_support.h"

#include "bridge/bidding/BidThresholds.h"
#include "tests/bridge/bidding/AuctionText.h"

using namespace defendtest;

namespace {

// One holding led from: the contract, the suit's cards, and the card and line expected.
struct LeadCase {
    int nTrumps;
    const char* szHolding;
    const char* szCard;
    const char* szLine;
};

// Every row of both tables in order, each holding matching its row and no earlier one,
// then the fallbacks by length.
const LeadCase s_leadCases[] = {
    {NO_TRUMPS, "AS KS", "KS", "Led - A K doubleton"},
    {NO_TRUMPS, "AS KS QS 5S", "AS", "Led - Solid sequence"},
    {NO_TRUMPS, "KS QS JS 5S", "KS", "Led - Solid sequence"},
    {NO_TRUMPS, "QS JS TS 5S", "QS", "Led - Solid sequence"},
    {NO_TRUMPS, "JS TS 9S 5S", "JS", "Led - Solid sequence"},
    {NO_TRUMPS, "TS 9S 8S 5S", "TS", "Led - Solid sequence"},
    {NO_TRUMPS, "AS KS JS 5S", "AS", "Led - Near sequence"},
    {NO_TRUMPS, "KS QS TS 4S", "KS", "Led - Near sequence"},
    {NO_TRUMPS, "QS JS 9S 5S", "QS", "Led - Near sequence"},
    {NO_TRUMPS, "JS TS 8S 5S", "JS", "Led - Near sequence"},
    {NO_TRUMPS, "TS 9S 7S 5S", "TS", "Led - Near sequence"},
    {NO_TRUMPS, "AS QS JS 3S 2S", "QS", "Led - Interior sequence"},
    {NO_TRUMPS, "AS JS TS 9S 2S", "JS", "Led - Interior sequence"},
    {NO_TRUMPS, "AS TS 9S 5S", "TS", "Led - Interior sequence"},
    {NO_TRUMPS, "KS JS TS 5S", "JS", "Led - Interior sequence"},
    {NO_TRUMPS, "KS TS 9S 5S", "TS", "Led - Interior sequence"},
    {NO_TRUMPS, "QS TS 9S 5S", "TS", "Led - Interior sequence"},
    {NO_TRUMPS, "AS KS 5S", "KS", "Led - Top of touching honours, 3 card suit"},
    {NO_TRUMPS, "KS QS 5S", "KS", "Led - Top of touching honours, 3 card suit"},
    {NO_TRUMPS, "QS JS 7S", "QS", "Led - Top of touching honours, 3 card suit"},
    {NO_TRUMPS, "JS TS 5S", "JS", "Led - Top of touching honours, 3 card suit"},
    {NO_TRUMPS, "TS 9S 5S 4S", "TS", "Led - Top of touching honours, 3 card suit"},
    {NO_TRUMPS, "AS QS JS TS 2S", "TS", "Led - Fourth highest"},
    {CLUBS, "AS KS", "KS", "Led - A K doubleton leads K"},
    {CLUBS, "AS 7S 3S", "AS", "Led - A high in suit contract"},
    {CLUBS, "KS QS JS 5S", "KS", "Led - Solid sequence"},
    {CLUBS, "QS JS TS 5S", "QS", "Led - Solid sequence"},
    {CLUBS, "JS TS 9S 5S", "JS", "Led - Solid sequence"},
    {CLUBS, "TS 9S 8S 5S", "TS", "Led - Solid sequence"},
    {CLUBS, "KS QS TS 5S", "KS", "Led - Near sequence"},
    {CLUBS, "QS JS 9S 5S", "QS", "Led - Near sequence"},
    {CLUBS, "JS TS 8S 5S", "JS", "Led - Near sequence"},
    {CLUBS, "TS 9S 7S 5S", "TS", "Led - Near sequence"},
    {CLUBS, "KS JS TS 5S", "JS", "Led - Interior sequence"},
    {CLUBS, "KS TS 9S 5S", "TS", "Led - Interior sequence"},
    {CLUBS, "QS TS 9S 5S", "TS", "Led - Interior sequence"},
    {CLUBS, "KS QS 3S", "KS", "Led - Top of touching honours, 3 card suit"},
    {CLUBS, "QS JS 5S", "QS", "Led - Top of touching honours, 3 card suit"},
    {CLUBS, "JS TS 5S", "JS", "Led - Top of touching honours, 3 card suit"},
    {CLUBS, "TS 9S 5S 4S", "TS", "Led - Top of touching honours, 3 card suit"},
    {CLUBS, "9S 6S 3S", "6S", "Led - MUD for 3 card suit of rags"},
    {CLUBS, "QS 6S 3S", "3S", "Led - Bottom for 3 card suit with an honour"},
    {CLUBS, "9S 7S 5S 3S", "7S", "Led - similar to MUD for 4 card suit of rags"},
    {CLUBS, "KS 8S 6S 4S 2S", "4S", "Led - Fourth highest"},
    {CLUBS, "7S", "7S", "Led - Singleton"},
    {CLUBS, "8S 3S", "8S", "Led - High low for doubleton"},
};

class CWhistDefendLead : public CDefendTable {
};

} // namespace

TEST_F(CWhistDefendLead, LeadTablesAndFallbacksPickTheCardAndLine)
{
    for (const LeadCase& lead : s_leadCases) {
        SCOPED_TRACE(lead.szHolding);
        Contract(lead.nTrumps);
        Hand(WEST, std::string(lead.szHolding) + " 9H 8D");
        m_pExplain->ResetLines();
        EXPECT_EQ(lead.szCard, Name(Engine(WEST)->ChooseLeadCard(SPADES)));
        EXPECT_EQ(1, Lines());
        EXPECT_EQ(lead.szLine, Line());
    }
}

TEST_F(CWhistDefendLead, NoTrumpLeadPrefersFourCardSequenceOverFiveCardSuit)
{
    Contract(NO_TRUMPS, 2);
    Hand(WEST, "KS QS JS 3S AH 8H 6H 4H 2H 7D 5D 9C 4C");
    Hand(NORTH, "AS 5S 4S KH QH 3H AD KD QD 2D AC KC QC");
    EXPECT_EQ("KS", Play(WEST));
    EXPECT_EQ(1, Lines());
    EXPECT_EQ("Led - Solid sequence", Line());
}

TEST_F(CWhistDefendLead, NoTrumpLeadTakesLongestSuitWithoutStrongFour)
{
    Contract(NO_TRUMPS, 2);
    Hand(WEST, "AS QS JS 3S 2S 8H 7H 6H 5H 9D 8D 7C 3C");
    // Spades are the one five-card suit: A Q J leads the queen.
    EXPECT_EQ("QS", Play(WEST));
    EXPECT_EQ("Led - Interior sequence", Line());
}

TEST_F(CWhistDefendLead, NoTrumpLeadBetweenFiveCardSuitsPrefersTheThreeCardSequence)
{
    // Hearts come first as the longest suit, but K Q J beats A Q J 10 on the sequence.
    Contract(NO_TRUMPS, 2);
    Hand(WEST, "KS QS JS 5S 4S AH QH JH TH 3H 9D 8D 7D");
    EXPECT_EQ("KS", Play(WEST));
    EXPECT_EQ("Led - Solid sequence", Line());
}

TEST_F(CWhistDefendLead, NoTrumpLeadGoesToTheSuitPartnerBid)
{
    Contract(NO_TRUMPS, 2);
    Hand(WEST, "KS QS JS 3S 8H 4H 7D 5D 3D 9C 6C 4C 2C");
    const CBidThresholds thresholds;
    // East opens a heart, South declares three no trump.
    CAuction auction = AuctionFromText(&thresholds, EAST, "1H 1NT P 3NT P P P");
    EXPECT_EQ("8H", Play(WEST, &auction));
    EXPECT_EQ("Led - High low for doubleton", Line());
    EXPECT_EQ("KS", Play(WEST));
}

TEST_F(CWhistDefendLead, SuitLeadWithTrumpControlTakesSingletonOverPartnersSuit)
{
    Contract(SPADES, 3);
    Hand(WEST, "AS 5S 2S 7D 8H 4H QC 9C 8C 6C 5C 4C 3C");
    const CBidThresholds thresholds;
    // South opens a spade, North raises, East overcalls three hearts.
    CAuction auction = AuctionFromText(&thresholds, SOUTH, "1S P 2S 3H 4S P P P");
    EXPECT_EQ("7D", Play(WEST, &auction));
    EXPECT_EQ("Led - Singleton", Line());
}

TEST_F(CWhistDefendLead, SuitLeadWithoutTrumpControlGoesToPartnersSuit)
{
    Contract(SPADES, 3);
    Hand(WEST, "9S 5S 2S 7D 8H 4H QC 9C 8C 6C 5C 4C 3C");
    const CBidThresholds thresholds;
    CAuction auction = AuctionFromText(&thresholds, SOUTH, "1S P 2S 3H 4S P P P");
    EXPECT_EQ("8H", Play(WEST, &auction));
    EXPECT_EQ("Led - High low for doubleton", Line());
}

TEST_F(CWhistDefendLead, SuitLeadWithoutAuctionScoresSmallDoubletonHighest)
{
    // Hearts 8 4 score 2100, the ace-high trumps 1000, the rest nothing.
    Contract(SPADES, 3);
    Hand(WEST, "AS 5S 2S 7D 8H 4H QC 9C 8C 6C 5C 4C 3C");
    EXPECT_EQ("8H", Play(WEST));
    EXPECT_EQ("Led - High low for doubleton", Line());
    const auto pEngine = Engine(WEST);
    EXPECT_EQ(2100, pEngine->ScoreLeadSuit(HEARTS));
    EXPECT_EQ(1000, pEngine->ScoreLeadSuit(SPADES));
    EXPECT_EQ(0, pEngine->ScoreLeadSuit(CLUBS));
    EXPECT_EQ(0, pEngine->ScoreLeadSuit(DIAMONDS));
}

TEST_F(CWhistDefendLead, SuitLeadFromTwoTopHonours)
{
    Contract(HEARTS, 3);
    Hand(WEST, "AS KS 6S 2S 9H 4H QD 8D 5D 9C 8C 7C 3C");
    EXPECT_EQ("AS", Play(WEST));
    EXPECT_EQ("Led - A high in suit contract", Line());
}

TEST_F(CWhistDefendLead, ScoreLeadSuitRanksHoldings)
{
    Contract(HEARTS);
    Hand(WEST, "KS QS JS 3S KD QD TD 4D 2D AC 5C 3C");
    const auto pEngine = Engine(WEST);
    // K Q J: a three-card sequence.
    EXPECT_EQ(3303, pEngine->ScoreLeadSuit(SPADES));
    // K Q 10 4 2: a near sequence.
    EXPECT_EQ(2505, pEngine->ScoreLeadSuit(DIAMONDS));
    // A 5 3: the ace alone among the top cards.
    EXPECT_EQ(1000, pEngine->ScoreLeadSuit(CLUBS));
    EXPECT_EQ(0, pEngine->ScoreLeadSuit(HEARTS));
}

TEST_F(CWhistDefendLead, LaterLeadFollowsPartnersEncouragingDiscard)
{
    Contract(NO_TRUMPS);
    Completed(WEST, "AC 2C 8H 3C");
    Hand(WEST, "7C 6C 4C 9H 5H 2H 9D 5D 2D 9S 5S 3S");
    Hand(NORTH, "JC 9C KH QH 3H KD QD 3D KS QS 4S 2S");
    // Hearts carry the encouragement; with dummy's king over the five, the two is led.
    EXPECT_EQ("2H", Play(WEST));
    EXPECT_EQ(1, Lines());
    EXPECT_EQ("Led - MUD for 3 card suit of rags", Line());
}

TEST_F(CWhistDefendLead, LaterLeadReturnsTheSuitLedWithoutASignal)
{
    Contract(NO_TRUMPS);
    Completed(WEST, "AC 2C 8C 3C");
    Hand(WEST, "7C 6C 4C 9H 5H 2H 9D 5D 2D 9S 5S 3S");
    Hand(NORTH, "JC 9C KH QH 3H KD QD 3D KS QS 4S 2S");
    EXPECT_EQ("4C", Play(WEST));
    EXPECT_EQ("Led - MUD for 3 card suit of rags", Line());
}

TEST_F(CWhistDefendLead, LaterLeadCashesTheTopOfARunningSuit)
{
    // Only West's A K Q of spades are left: the suit runs, and the ace goes first although
    // the lead table names the king.
    Contract(NO_TRUMPS);
    Completed(WEST, "2S 3S 4S 5S");
    Completed(WEST, "6S 7S 8S 9S");
    Completed(WEST, "TS JS 2H 3H");
    Hand(WEST, "AS KS QS 9H 8H 7D 6D 5C 4C");
    Hand(NORTH, "KH QH KD QD KC QC");
    EXPECT_EQ("AS", Play(WEST));
    EXPECT_EQ("Led - Top of touching honours, 3 card suit", Line());
}

TEST_F(CWhistDefendLead, EngineForDummysOwnSeatKeepsItsHandWhileDummyIsUnseen)
{
    Contract(NO_TRUMPS);
    Hand(NORTH, "AS KS QS 9H 8H 7H 6H 5H 4H 3H 2H AC KC");
    CCardPile unseen;
    CWhistDefend engine(NORTH, NORTH, NO_TRUMPS, 0, &m_hands[NORTH], &unseen,
                        &m_tricks.m_tricks, &m_trick, nullptr, nullptr);
    engine.Analyse();
    EXPECT_EQ(3, engine.GetEstimate(NORTH).GetMinLength(SPADES));
    EXPECT_EQ(3, engine.GetEstimate(NORTH).GetMaxLength(SPADES));
    EXPECT_EQ(0, engine.GetEstimate(NORTH).GetMaxLength(DIAMONDS));
}

TEST_F(CWhistDefendLead, ReadPartnerSignalsFromDiscardsAndFollows)
{
    Contract(NO_TRUMPS);
    Completed(SOUTH, "2C 3C 4C 8H");
    Completed(SOUTH, "5C 6C 7C 3D");
    Completed(NORTH, "AS 7S 2S 3S");
    Completed(NORTH, "KS 4S 5S 6S");
    Hand(WEST, "9C 8S");
    bool encouraged[SUIT_COUNT];
    bool discouraged[SUIT_COUNT];
    Engine(WEST)->ReadPartnerSignals(encouraged, discouraged);
    // The eight of hearts alone asks for hearts, the three of diamonds alone refuses them,
    // the seven then four of spades is a high-low follow.
    EXPECT_TRUE(encouraged[HEARTS]);
    EXPECT_FALSE(discouraged[HEARTS]);
    EXPECT_TRUE(discouraged[DIAMONDS]);
    EXPECT_FALSE(encouraged[DIAMONDS]);
    EXPECT_TRUE(encouraged[SPADES]);
    EXPECT_FALSE(discouraged[SPADES]);
    EXPECT_FALSE(encouraged[CLUBS]);
    EXPECT_FALSE(discouraged[CLUBS]);
}

TEST_F(CWhistDefendLead, ReadPartnerSignalsReadsTheOrderOfTwoCards)
{
    Contract(NO_TRUMPS);
    Completed(SOUTH, "2C 3C 4C 9H");
    Completed(SOUTH, "5C 6C 7C 4H");
    Completed(SOUTH, "8C TC JC 4D");
    Completed(SOUTH, "QC KC AC 9D");
    Completed(NORTH, "3S 2S 5S 6S");
    Completed(NORTH, "8S 7S 9S TS");
    Hand(WEST, "JS");
    bool encouraged[SUIT_COUNT];
    bool discouraged[SUIT_COUNT];
    Engine(WEST)->ReadPartnerSignals(encouraged, discouraged);
    EXPECT_TRUE(encouraged[HEARTS]);
    EXPECT_TRUE(discouraged[DIAMONDS]);
    // Low then high on a follow says nothing.
    EXPECT_FALSE(encouraged[SPADES]);
    EXPECT_FALSE(discouraged[SPADES]);
}

TEST_F(CWhistDefendLead, ReadPartnerSignalsIgnoresPartnersLeadsAndWinningCards)
{
    Contract(NO_TRUMPS);
    Completed(NORTH, "2D 9D 5D 4D");
    Completed(EAST, "8H 2H 3H 4H");
    Hand(WEST, "JS");
    bool encouraged[SUIT_COUNT];
    bool discouraged[SUIT_COUNT];
    Engine(WEST)->ReadPartnerSignals(encouraged, discouraged);
    EXPECT_FALSE(encouraged[DIAMONDS]);
    EXPECT_FALSE(encouraged[HEARTS]);
}
