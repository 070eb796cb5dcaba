#include "bridge/bidding/BridgeBidder.h"

#include <gtest/gtest.h>

#include "bridge/bidding/Conventions.h"
#include "tests/bridge/bidding/HandTestSupport.h"

namespace {

enum Vulnerability { NOT_VULNERABLE, VULNERABLE };

// A bidder whose side scores the test sets, with access to its hands and auction.
class CTestBidder : public CBridgeBidder {
public:
    // Gives nSeat the hand written as in HandTestSupport.h.
    void Deal(int nSeat, const char* szHand)
    {
        const CCardPile pile = handtest::MakeHand(szHand);
        m_pEvaluations[nSeat]->SetCards(&pile);
    }
    // Makes nSeat's side vulnerable or not; the other side gets the opposite state, so a
    // seat mixed up with its opponent shows.
    void SetVulnerable(int nSeat, Vulnerability vulnerability)
    {
        m_nGames[nSeat & 1] = vulnerability == VULNERABLE ? 1 : 0;
        m_nGames[(nSeat + 1) & 1] = vulnerability == VULNERABLE ? 0 : 1;
    }
    CAuction& Auction() { return m_auction; }
    const CBidThresholds* Thresholds() const { return m_pThresholds.get(); }
    void Pass() { m_auction.AddPass(m_pThresholds.get(), CString()); }
    void Bid(int nCode) { m_auction.m_calls.push_back(CBid(m_pThresholds.get(), nCode, CString())); }
    void Double() { m_auction.AddDouble(m_pThresholds.get(), CString()); }

    int m_nGames[2] = {0, 0};

protected:
    int GetGamesWon(int nSide) const override { return m_nGames[nSide]; }
};

// Saves the convention switches and puts them back, so that tests may turn them off.
class CBridgeBidderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bStrongNT = g_bStrongNT;
        g_bStrongNT = true;
    }
    void TearDown() override { g_bStrongNT = m_bStrongNT; }

    bool m_bStrongNT = true;
};

void ExpectCall(const CBid& bid, int nCode, const char* szText)
{
    EXPECT_EQ(nCode, bid.GetCode()) << bid.GetText().str() << ": " << bid.GetExplanation().str();
    EXPECT_EQ(CString(szText), bid.GetExplanation());
}

// An opening: the hand, its side's vulnerability, the strong no trump switch, and the call
// and explanation worked out by hand from the opening rules.
struct SOpeningCase {
    const char* szHand;
    Vulnerability vulnerability;
    bool bStrongNT;
    int nCode;
    const char* szText;
};

const SOpeningCase s_openings[] = {
    // 25 points, 7 quick tricks: two clubs before any no trump test.
    {"AK32.AK2.AK2.A32", NOT_VULNERABLE, true, BID_2C, "Quick Tricks >= 5, points 23-40"},
    {"AK32.KQ2.AJ2.K32", NOT_VULNERABLE, true, BID_2NT, "NT distribution, points 20-22"},
    // 15 balanced points: strong no trump only when vulnerable.
    {"KQ32.AJ54.K32.Q4", VULNERABLE, true, BID_1NT, "Vulnerable, NT distribution, points 15-17"},
    {"KQ32.AJ54.K32.Q4", NOT_VULNERABLE, true, BID_1H, "Two biddable suits (prefer h,d,c), points 13-21"},
    {"KQ32.AJ54.K32.Q4", VULNERABLE, false, BID_1H, "Two biddable suits (prefer h,d,c), points 13-21"},
    // 13 balanced points, no biddable suit, good diamonds.
    {"J432.K32.AQ2.K32", VULNERABLE, true, BID_1D, "Vulnerable, NT distribution, points 12-14"},
    {"J432.K32.AQ2.K32", NOT_VULNERABLE, true, BID_1NT, "Not vulnerable, NT distribution, points 12-14"},
    {"J432.K32.AQ2.K32", VULNERABLE, false, BID_1NT, "Not vulnerable, NT distribution, points 12-14"},
    // 17 balanced points with one four-card suit and a good minor.
    {"AJ32.K32.AQ2.K32", NOT_VULNERABLE, true, BID_1D, "Not Vulnerable, NT distribution, points 15-17"},
    {"AJ32.K32.AQ2.K32", VULNERABLE, true, BID_1NT, "Vulnerable, NT distribution, points 15-17"},
    {"AJ32.K32.AQ2.K32", NOT_VULNERABLE, false, BID_1S, "Single biddable suit, points 13-21"},
    // 4-4-4-1: the suit below the singleton, hearts below a club singleton.
    {"AJ32.KQ54.KT87.5", NOT_VULNERABLE, true, BID_1H,
     "Three biddable suit, choose suit below the singleton, points 13-21"},
    {"AJ32.KQ54.5.KT87", NOT_VULNERABLE, true, BID_1C,
     "Three biddable suit, choose suit below the singleton, points 13-21"},
    {"5.AJ32.KQ54.KT87", NOT_VULNERABLE, true, BID_1H,
     "Three biddable suit, choose suit below the singleton, points 13-21"},
    // Five spades with five clubs open one club; with five hearts, one spade.
    {"AJ954.K2.2.KJ954", NOT_VULNERABLE, true, BID_1C, "Longest of Two >= 5 card suits, points 13-21"},
    {"AJ954.KJ954.2.K2", NOT_VULNERABLE, true, BID_1S, "Longest of Two >= 5 card suits, points 13-21"},
    {"K.AQ32.J5432.QJ4", NOT_VULNERABLE, true, BID_1D, "One >= 5 card suit, points 13-21"},
    // Preempts by vulnerability and playing tricks.
    {"KQJT982.2.432.32", NOT_VULNERABLE, true, BID_3S, "Not vulnerable, Long suit > 6 + 6 quick tricks"},
    {"KQJT982.2.432.32", VULNERABLE, true, BID_NOBID, ""},
    {"KQJT9832.32.43.2", NOT_VULNERABLE, true, BID_4S, "Not vulnerable, Long suit > 6 + 7 quick tricks"},
    {"KQJT9832.32.43.2", VULNERABLE, true, BID_3S, "Vulnerable, Long suit > 6 + 6 quick tricks"},
    // With the ace on top the eight spades make eight playing tricks.
    {"AKJT9832.32.43.2", VULNERABLE, true, BID_4S, "Vulnerable, Long suit > 6 + 7 quick tricks"},
    {"AQJ982.K32.32.32", NOT_VULNERABLE, true, BID_1S, "Typical light opener, hand has a rebid, points >= 11"},
    {"J432.Q432.K32.A2", NOT_VULNERABLE, true, BID_NOBID, ""},
    {"T432.T432.AKQ.AK", NOT_VULNERABLE, true, BID_1D, "No biddable suit, points >= 14"},
    // Two openers.
    {"AKQJ92.AK3.K2.32", NOT_VULNERABLE, true, BID_2S,
     "Two opener, long strong suit or two long suiter, 8 playing tricks"},
    {"AKJ54.AKJ54.32.3", NOT_VULNERABLE, true, BID_2S,
     "Two opener, long strong suit or two long suiter, 8 playing tricks"},
    {"2.AK.K32.AKQJ983", NOT_VULNERABLE, true, BID_1C,
     "Two opener hand but only clubs biddable, open at one level and raise"},
};

class COpeningTable : public ::testing::TestWithParam<SOpeningCase> {};

} // namespace

// Every opening is tried for every dealer and every number of passes before it.
TEST_P(COpeningTable, OpensWithTheCallAndTextOfItsRow)
{
    const SOpeningCase& expected = GetParam();
    const bool bSavedStrongNT = g_bStrongNT;
    g_bStrongNT = expected.bStrongNT;
    for (int nDealer = 0; nDealer < SEAT_COUNT; ++nDealer) {
        for (int nPasses = 0; nPasses < SEAT_COUNT; ++nPasses) {
            CTestBidder bidder;
            bidder.Auction().SetDealer(nDealer);
            for (int i = 0; i < nPasses; ++i)
                bidder.Pass();
            const int nSeat = bidder.Auction().GetNextSeat();
            bidder.Deal(nSeat, expected.szHand);
            bidder.SetVulnerable(nSeat, expected.vulnerability);
            SCOPED_TRACE(::testing::Message() << expected.szHand << " dealer " << nDealer << " seat " << nSeat);
            const CBid bid = bidder.OpeningBid();
            ExpectCall(bid, expected.nCode, expected.szText);
            EXPECT_EQ(bidder.Thresholds(), bid.GetThresholds());
        }
    }
    g_bStrongNT = bSavedStrongNT;
}

INSTANTIATE_TEST_SUITE_P(RealHands, COpeningTable, ::testing::ValuesIn(s_openings));

namespace {

// An intervening call after the dealer's opening nOpening (and, when bProtective, two
// passes), worked out by hand from the intervening rules.
struct SOverCallCase {
    const char* szHand;
    int nOpening;
    bool bProtective;
    int nCode;
    const char* szText;
};

const SOverCallCase s_overcalls[] = {
    {"AK32.KQ2.AJ2.K32", BID_1H, false, BID_2NT, "NT distribution, points 20-22"},
    {"AKQJ92.AK3.K2.32", BID_1D, false, BID_2S, "Two opener in intervening position, playing tricks >= 8"},
    {"AJ32.K32.AQ2.K32", BID_1H, false, BID_1NT, "Intervening bid, NT distribution, points >= 16"},
    {"K2.32.AQJ54.KJ54", BID_1H, false, BID_2D, "Intervening bid at second level, length >= 5, points >= 13"},
    {"KJ32.2.AQ32.K432", BID_1H, false, BID_DOUBLE, "Take out double, weak in last bid suit, points 13-21"},
    {"2.AKQ954.K32.K32", BID_1H, false, BID_2H, "Rebiddable suit of opponents, ponts >= 16"},
    // Three diamonds stop the double; the spades come in at the one level from the last row.
    {"AQJ54.K32.432.Q2", BID_1D, false, BID_1S, "Intervening bid, length >= 5, points >= 10"},
    // With a doubleton diamond and support for the other suits the same points double.
    {"AQJ54.K32.32.Q32", BID_1D, false, BID_DOUBLE, "Take out double, weak in last bid suit, points 13-21"},
    // ... but not with a doubleton club as well.
    {"AQJ54.K432.32.Q2", BID_1D, false, BID_1S, "Intervening bid, length >= 5, points >= 10"},
    // Ten points may overcall at the one level but not at the two level.
    {"32.KQJ54.K32.432", BID_1D, false, BID_1H, "Intervening bid, length >= 5, points >= 10"},
    {"32.KQJ54.K32.432", BID_1S, false, BID_NOBID, ""},
    {"AJ32.2.Q432.K432", BID_1H, false, BID_NOBID, ""},
    // In fourth seat after two passes the hand counts three points more.
    {"AJ32.2.Q432.K432", BID_1H, true, BID_DOUBLE,
     "Take out double, weak in last bid suit, points 13-21(-3 in protective position)"},
    {"AQJ54.K32.432.Q2", BID_1H, true, BID_1S,
     "Intervening bid, length >= 5, points >= 10(-3 in protective position)"},
};

class COverCallTable : public ::testing::TestWithParam<SOverCallCase> {};

} // namespace

TEST_P(COverCallTable, IntervenesWithTheCallAndTextOfItsRow)
{
    const SOverCallCase& expected = GetParam();
    for (int nDealer = 0; nDealer < SEAT_COUNT; ++nDealer) {
        for (Vulnerability vulnerability : {NOT_VULNERABLE, VULNERABLE}) {
            CTestBidder bidder;
            bidder.Auction().SetDealer(nDealer);
            bidder.Bid(expected.nOpening);
            if (expected.bProtective) {
                bidder.Pass();
                bidder.Pass();
            }
            const int nSeat = bidder.Auction().GetNextSeat();
            bidder.Deal(nSeat, expected.szHand);
            bidder.SetVulnerable(nSeat, vulnerability);
            SCOPED_TRACE(::testing::Message() << expected.szHand << " dealer " << nDealer << " vul " << vulnerability);
            ExpectCall(bidder.InterveningBid(), expected.nCode, expected.szText);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RealHands, COverCallTable, ::testing::ValuesIn(s_overcalls));

TEST_F(CBridgeBidderTest, MakeBidTurnsIllegalDecisionsIntoPassesWithoutText)
{
    CTestBidder bidder;
    bidder.Bid(BID_1H);
    ExpectCall(bidder.MakeBid(false, 0, STRAIN_CLUBS, "too low"), BID_NOBID, "");
    ExpectCall(bidder.MakeBid(false, 7, STRAIN_CLUBS, "too high"), BID_NOBID, "");
    ExpectCall(bidder.MakeBid(false, 1, -1, "no suit"), BID_NOBID, "");
    ExpectCall(bidder.MakeBid(false, -1, STRAIN_SPADES, "no level"), BID_NOBID, "");
    ExpectCall(bidder.MakeBid(false, 0, STRAIN_SPADES, "one spade"), BID_1S, "one spade");
    ExpectCall(bidder.MakeBid(false, 6, STRAIN_NOTRUMP, "grand"), BID_7NT, "grand");
    const CBid pass = bidder.MakeBid(false, 0, STRAIN_HEARTS, "same bid");
    ExpectCall(pass, BID_NOBID, "");
    EXPECT_EQ(bidder.Thresholds(), pass.GetThresholds());
}

TEST_F(CBridgeBidderTest, MakeBidDoublesAndRedoublesOverADouble)
{
    CTestBidder bidder;
    bidder.Bid(BID_1H);
    ExpectCall(bidder.MakeBid(true, -1, -1, "double"), BID_DOUBLE, "double");
    bidder.Double();
    ExpectCall(bidder.MakeBid(true, -1, -1, "redouble"), BID_REDOUBLE, "redouble");
    bidder.Pass();
    bidder.Pass();
    ExpectCall(bidder.MakeBid(true, 3, STRAIN_HEARTS, "still doubled"), BID_REDOUBLE, "still doubled");
}

TEST_F(CBridgeBidderTest, SeatWithoutCardsPasses)
{
    CTestBidder bidder;
    ExpectCall(bidder.OpeningBid(), BID_NOBID, "");
    bidder.Bid(BID_1H);
    ExpectCall(bidder.InterveningBid(), BID_NOBID, "");
}

TEST_F(CBridgeBidderTest, VulnerableAfterExactlyOneGame)
{
    CTestBidder bidder;
    bidder.m_nGames[0] = 1;
    EXPECT_TRUE(bidder.IsVulnerable(0));
    EXPECT_TRUE(bidder.IsVulnerable(2));
    EXPECT_FALSE(bidder.IsVulnerable(1));
    EXPECT_FALSE(bidder.IsVulnerable(3));
    bidder.m_nGames[0] = 2;
    bidder.m_nGames[1] = 1;
    EXPECT_FALSE(bidder.IsVulnerable(0));
    EXPECT_TRUE(bidder.IsVulnerable(3));
}

TEST_F(CBridgeBidderTest, SummariesCarryEachSidesVulnerability)
{
    CTestBidder bidder;
    bidder.Bid(BID_1NT);
    bidder.m_nGames[0] = 1;
    CBidSummary summaries[SEAT_COUNT];
    summaries[1].m_nMinPoints = 30;
    bidder.GetBidSummaries(summaries);
    EXPECT_TRUE(summaries[0].m_bVulnerable);
    EXPECT_FALSE(summaries[1].m_bVulnerable);
    EXPECT_EQ(15, summaries[0].m_nMinPoints) << "strong no trump when vulnerable";
    EXPECT_EQ(17, summaries[0].m_nMaxPoints);
    EXPECT_EQ(0, summaries[1].m_nMinPoints) << "summaries start afresh";

    bidder.m_nGames[0] = 0;
    bidder.GetBidSummaries(summaries);
    EXPECT_EQ(12, summaries[0].m_nMinPoints);
}

TEST_F(CBridgeBidderTest, LevelForPointsReadsTheAgreedSuitRow)
{
    CTestBidder bidder;
    int nLevel = -1;
    CString strText = "lead, ";
    bidder.LevelForPoints(26, 0, STRAIN_CLUBS, STRAIN_HEARTS, nLevel, strText);
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("lead, points 26-27"), strText);

    strText.Empty();
    bidder.LevelForPoints(16, 16, STRAIN_CLUBS, STRAIN_HEARTS, nLevel, strText);
    EXPECT_EQ(0, nLevel) << "below the one-level entry still gives the one level";
    EXPECT_EQ(CString("points 17-18"), strText);

    strText.Empty();
    bidder.LevelForPoints(35, 20, STRAIN_CLUBS, STRAIN_CLUBS, nLevel, strText);
    EXPECT_EQ(1, nLevel) << "slam levels are decided by the slam points";
    EXPECT_EQ(CString("points 19-22"), strText);

    strText.Empty();
    bidder.LevelForPoints(40, 40, STRAIN_CLUBS, STRAIN_SPADES, nLevel, strText);
    EXPECT_EQ(6, nLevel);
    EXPECT_EQ(CString("points 37-39"), strText);
}

TEST_F(CBridgeBidderTest, LevelForPointsStopsAtGameInAMajorOrNoTrump)
{
    CTestBidder bidder;
    int nLevel = -1;
    CString strText;
    bidder.LevelForPoints(29, 29, STRAIN_CLUBS, STRAIN_HEARTS, nLevel, strText);
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("points 28-30 stop at game"), strText);

    strText.Empty();
    bidder.LevelForPoints(29, 29, STRAIN_CLUBS, STRAIN_DIAMONDS, nLevel, strText);
    EXPECT_EQ(4, nLevel) << "a minor goes on to the five level";
    EXPECT_EQ(CString("points 28-30"), strText);

    // Over four no trump four hearts is gone: the five level stands unless it is our suit.
    bidder.Bid(BID_4NT);
    strText.Empty();
    bidder.LevelForPoints(29, 29, STRAIN_CLUBS, STRAIN_HEARTS, nLevel, strText);
    EXPECT_EQ(4, nLevel);
    EXPECT_EQ(CString("points 28-30"), strText);
    strText.Empty();
    bidder.LevelForPoints(29, 29, STRAIN_HEARTS, STRAIN_HEARTS, nLevel, strText);
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("points 28-30 stop at game"), strText);
}

TEST_F(CBridgeBidderTest, FitLevelPrefixesTheFit)
{
    CTestBidder bidder;
    int nLevel = -1;
    CString strText;
    bidder.FitLevel(24, 24, STRAIN_SPADES, STRAIN_SPADES, nLevel, strText);
    EXPECT_EQ(2, nLevel);
    EXPECT_EQ(CString("Match major suit, total length > 7, points 23-25"), strText);
    strText.Empty();
    bidder.FitLevel(20, 20, STRAIN_DIAMONDS, STRAIN_DIAMONDS, nLevel, strText);
    EXPECT_EQ(1, nLevel);
    EXPECT_EQ(CString("Match minor suit, total length > 7, points 19-22"), strText);
}

TEST_F(CBridgeBidderTest, NoTrumpContinuationAfterANaturalSuitCall)
{
    CTestBidder bidder;
    CBidSummary own;
    CBidSummary partner;
    partner.m_nMinPoints = 13;
    partner.m_nMaxPoints = 21;
    const CBid oneHeart(bidder.Thresholds(), BID_1H, CString());
    int nLevel = -1;
    CString strText;
    bidder.NoTrumpContinuation(own, partner, oneHeart, 26, nLevel, strText);
    EXPECT_EQ(2, nLevel);
    EXPECT_EQ(CString("NT distribution, points 24-25"), strText);
    bidder.NoTrumpContinuation(own, partner, oneHeart, 28, nLevel, strText);
    EXPECT_EQ(2, nLevel);
    EXPECT_EQ(CString("NT distribution, stop at game, points 26-27"), strText);
    bidder.NoTrumpContinuation(own, partner, oneHeart, 34, nLevel, strText);
    EXPECT_EQ(5, nLevel) << "the small slam level is not capped after a natural suit";
    EXPECT_EQ(CString("NT distribution, points 31-36"), strText);
}

TEST_F(CBridgeBidderTest, NoTrumpContinuationTriesForSlamByThePartnersSpread)
{
    CTestBidder bidder;
    CBidSummary own;
    CBidSummary partner;
    partner.m_nMinPoints = 15;
    partner.m_nMaxPoints = 17;
    const CBid oneNoTrump(bidder.Thresholds(), BID_1NT, CString());
    int nLevel = -1;
    CString strText;
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 34, nLevel, strText);
    EXPECT_EQ(5, nLevel);
    EXPECT_EQ(CString("NT distribution, stop at small slam, points 31-36"), strText);
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 31, nLevel, strText);
    EXPECT_EQ(3, nLevel) << "a spread of 33 may reach 6NT";
    EXPECT_EQ(CString("NT distribution, asking for NB(min) or 6NT(max) points 28-30"), strText);
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 28, nLevel, strText);
    EXPECT_EQ(2, nLevel);
    EXPECT_EQ(CString("NT distribution, stop at game, points 26-27"), strText);

    partner.m_nMinPoints = 12;
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 34, nLevel, strText);
    EXPECT_EQ(4, nLevel);
    EXPECT_EQ(CString("NT distribution, asking for 6NT(min) or 7NT(max) points 31-36"), strText);

    partner.m_nMinPoints = 16;
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 30, nLevel, strText);
    EXPECT_EQ(2, nLevel) << "a spread of 31 stays in game";
    EXPECT_EQ(CString("NT distribution, stop at game, points 28-30"), strText);

    strText = "kept";
    bidder.NoTrumpContinuation(own, partner, oneNoTrump, 24, nLevel, strText);
    EXPECT_EQ(1, nLevel);
    EXPECT_EQ(CString("kept"), strText);
}

TEST_F(CBridgeBidderTest, NoTrumpContinuationSignsOffOverFourAndFiveNoTrump)
{
    CTestBidder bidder;
    CBidSummary own;
    own.m_nMaxPoints = 17;
    CBidSummary partner;
    partner.m_nMinPoints = 15;
    partner.m_nMaxPoints = 17;
    const CBid fourNoTrump(bidder.Thresholds(), BID_4NT, CString());
    const CBid fiveNoTrump(bidder.Thresholds(), BID_5NT, CString());
    int nLevel = -1;
    CString strText;
    bidder.NoTrumpContinuation(own, partner, fourNoTrump, 32, nLevel, strText);
    EXPECT_EQ(5, nLevel);
    EXPECT_EQ(CString("Sign off"), strText);
    bidder.NoTrumpContinuation(own, partner, fourNoTrump, 31, nLevel, strText);
    EXPECT_EQ(0, nLevel);
    bidder.NoTrumpContinuation(own, partner, fiveNoTrump, 32, nLevel, strText);
    EXPECT_EQ(6, nLevel);
    bidder.NoTrumpContinuation(own, partner, fiveNoTrump, 31, nLevel, strText);
    EXPECT_EQ(5, nLevel);
}

TEST_F(CBridgeBidderTest, AceAsksNameTheSlamPoints)
{
    CTestBidder bidder;
    int nSuit = -1;
    int nLevel = -1;
    CString strText;
    bidder.AskBlackwood(nSuit, nLevel, strText);
    EXPECT_EQ(STRAIN_NOTRUMP, nSuit);
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("Blackwood, ask for Aces, points >= 31"), strText);
    bidder.AskGerber(nSuit, nLevel, strText);
    EXPECT_EQ(STRAIN_CLUBS, nSuit);
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("Gerber, ask for Aces, points >= 31"), strText);
}

TEST_F(CBridgeBidderTest, ChooseCueBidShowsTheNextUncuedControl)
{
    CTestBidder bidder;
    bidder.Bid(BID_1S);
    bidder.Pass();
    bidder.Bid(BID_3S);
    bidder.Pass();
    const CCardPile pile = handtest::MakeHand("AKJ982.AQT75..43");
    const CHand hand(&pile);
    CBidSummary first;
    CBidSummary second;
    int nSuit = STRAIN_SPADES;
    int nLevel = -1;
    CString strText;
    EXPECT_EQ(3, bidder.ChooseCueBid(first, second, STRAIN_SPADES, hand, nSuit, nLevel, strText));
    EXPECT_EQ(STRAIN_DIAMONDS, nSuit) << "the void, clubs having no control";
    EXPECT_EQ(3, nLevel);
    EXPECT_EQ(CString("Cue bid indicates first round control in suit"), strText);

    second.m_bFirstCue[STRAIN_DIAMONDS] = true;
    nSuit = STRAIN_SPADES;
    bidder.ChooseCueBid(first, second, STRAIN_SPADES, hand, nSuit, nLevel, strText);
    EXPECT_EQ(STRAIN_HEARTS, nSuit);
    EXPECT_EQ(3, nLevel);

    first.m_bFirstCue[STRAIN_HEARTS] = true;
    nSuit = STRAIN_SPADES;
    EXPECT_EQ(3, bidder.ChooseCueBid(first, second, STRAIN_SPADES, hand, nSuit, nLevel, strText));
    EXPECT_EQ(STRAIN_SPADES, nSuit);
    EXPECT_EQ(CString("No more suits to cue bid so revert to our suit"), strText);
}

TEST_F(CBridgeBidderTest, ThreeSuitsBidCountsSuitsOfBothSeats)
{
    CTestBidder bidder;
    CBidSummary first;
    CBidSummary second;
    first.m_nSuitBid[STRAIN_CLUBS] = 1;
    second.m_nSuitBid[STRAIN_CLUBS] = 2;
    second.m_nSuitBid[STRAIN_HEARTS] = 1;
    first.m_nSuitBid[STRAIN_NOTRUMP] = 1;
    EXPECT_FALSE(bidder.ThreeSuitsBid(first, second)) << "no trump is not a suit";
    second.m_nSuitBid[STRAIN_SPADES] = 1;
    EXPECT_TRUE(bidder.ThreeSuitsBid(first, second));
    first.m_nSuitBid[STRAIN_DIAMONDS] = 1;
    EXPECT_FALSE(bidder.ThreeSuitsBid(first, second));
}
