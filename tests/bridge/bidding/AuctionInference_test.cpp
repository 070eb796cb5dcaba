// What CAuction::Summarise reads from real auctions. Every expected value was worked out by
// hand from the inference rules and the thresholds (opening 13-21, combined-points rows
// new suit 20 22 24 26 28 31 37, agreed suit 17 19 23 26 28 31 37, no trump 21 23 25 27 30
// 33 37), with all conventions on unless a test says otherwise.

#include "bridge/bidding/Auction.h"

#include <gtest/gtest.h>

#include "bridge/bidding/BidSummary.h"
#include "bridge/bidding/Conventions.h"
#include "tests/bridge/bidding/AuctionText.h"

namespace {

const int NORTH = 0;
const int EAST = 1;
const int SOUTH = 2;
const int WEST = 3;

// Restores the ten convention switches to on around every test.
class ConventionsOn : public ::testing::Test {
protected:
    void SetUp() override { SetAll(true); }
    void TearDown() override { SetAll(true); }

    static void SetAll(bool bOn)
    {
        for (bool* pFlag : {&g_bGSF, &g_bJosephine, &g_bBlackwood, &g_bGerber, &g_bStrongNT,
                            &g_bStayman, &g_bBaron, &g_bSwiss, &g_bCueBid, &g_bTrialBid})
            *pFlag = bOn;
    }

    // Summarises the auction dealt by nDealer; bVulnerableNS marks North and South.
    void Summarise(int nDealer, const char* szCalls, bool bVulnerableNS = false)
    {
        for (CBidSummary& summary : m_summaries)
            summary = CBidSummary();
        m_summaries[NORTH].m_bVulnerable = bVulnerableNS;
        m_summaries[SOUTH].m_bVulnerable = bVulnerableNS;
        AuctionFromText(&m_thresholds, nDealer, szCalls).Summarise(m_summaries);
    }

    CBidThresholds m_thresholds;
    CBidSummary m_summaries[SEAT_COUNT];
};

// One seat's summary after one auction.
struct SummaryCase {
    const char* szCalls;         // dealt by North
    int nSeat;
    int nMinPoints;
    int nMaxPoints;
    int nMeaning;
    int nLengths[SUIT_COUNT];    // clubs, diamonds, hearts, spades
    int nSuit;
    bool bForcing;
    bool bGameForcing;
    bool bOvercall;
};

class AuctionInference : public ConventionsOn,
                         public ::testing::WithParamInterface<SummaryCase> {
};

const SummaryCase s_cases[] = {
    // Opening one heart: 13-21 with four hearts.
    {"1H P 2H", NORTH, 13, 21, 0, {0, 0, 4, 0}, STRAIN_HEARTS, false, false, false},
    // Single raise: 19 - 13 up to 23 - 1 - 13.
    {"1H P 2H", SOUTH, 6, 9, 0, {0, 0, 4, 0}, -1, false, false, false},
    // Limit raise: 23 - 13 up to 26 - 1 - 13.
    {"1H P 3H", SOUTH, 10, 12, 0, {0, 0, 4, 0}, -1, false, false, false},
    // Jump shift: 29 - 13, four spades, game forcing.
    {"1H P 2S", SOUTH, 16, 40, 0, {0, 0, 0, 4}, STRAIN_SPADES, false, true, false},
    // New suit at the one level: 20 - 13, forcing one round; at the two level 22 - 13 and five cards.
    {"1H P 1S P 2C", SOUTH, 7, 40, 0, {0, 0, 0, 4}, STRAIN_SPADES, true, false, false},
    {"1S P 2C", SOUTH, 9, 40, 0, {5, 0, 0, 0}, STRAIN_CLUBS, true, false, false},
    // Responder's next call after 1H, 1S, 2C (opener at least 15): hearts at the level of
    // clubs is a simple preference that shows nothing; spades again show 22 - 15 and five;
    // 2NT 23 - 15 up to one more, and two cards in each suit.
    {"1H P 1S P 2C P 2H", SOUTH, 7, 40, 0, {0, 0, 0, 4}, STRAIN_SPADES, false, false, false},
    {"1H P 1S P 2C P 2S", SOUTH, 7, 40, 0, {0, 0, 0, 5}, STRAIN_SPADES, false, false, false},
    {"1H P 1S P 2C P 2NT", SOUTH, 8, 9, 0, {2, 2, 2, 4}, STRAIN_SPADES, false, false, false},
    // Gerber over opener's 1NT rebid: at least 31 - 13.
    {"1H P 1S P 1NT P 4C", SOUTH, 18, 40, MEANING_GERBER, {0, 0, 0, 4}, STRAIN_SPADES, false, false, false},
    // Partner forced to game by the jump shift: a new suit of opener's promises three cards.
    {"1H P 2S P 2NT P 3S P 4C", NORTH, 13, 21, 0, {3, 2, 4, 2}, STRAIN_HEARTS, false, false, false},
    // Opener's new suit at a higher level: at least 22 - 7.
    {"1H P 1S P 2C", NORTH, 15, 21, 0, {4, 0, 4, 0}, STRAIN_HEARTS, false, false, false},
    // A reverse over one diamond (not a jump over the one spade overcall): at least 16, the
    // clubs one longer.
    {"1C P 1D 1S 2H", NORTH, 16, 21, 0, {5, 0, 4, 0}, STRAIN_CLUBS, false, false, false},
    // The same two hearts without the overcall jumps: at least 16 and forcing.
    {"1C P 1D P 2H", NORTH, 16, 21, 0, {4, 0, 4, 0}, STRAIN_CLUBS, true, false, false},
    // No trump response to a one-level suit: 6-9.
    {"1H P 1NT", SOUTH, 6, 9, 0, {0, 0, 0, 0}, -1, false, false, false},
    // Simple overcall 10-12, at the two level 13-15, a single jump 22-40 (strong two).
    {"1H 1S", EAST, 10, 12, 0, {0, 0, 0, 5}, STRAIN_SPADES, false, false, true},
    {"1H 2C", EAST, 13, 15, 0, {5, 0, 0, 0}, STRAIN_CLUBS, false, false, true},
    {"1H 2S", EAST, 22, 40, MEANING_STRONG_TWO, {0, 0, 0, 5}, STRAIN_SPADES, false, false, true},
    // Balancing after two passes: three points fewer.
    {"1H P P 1S", WEST, 7, 12, 0, {0, 0, 0, 5}, STRAIN_SPADES, false, false, true},
    // Take-out double: 13-40, three cards in each unbid suit.
    {"1H X", EAST, 13, 40, MEANING_TAKEOUT_DOUBLE, {3, 3, 0, 3}, -1, false, false, true},
    // Its answer: four spades, 4 points, or 10 after a jump.
    {"1H X P 1S", WEST, 4, 40, MEANING_TAKEOUT_ANSWER, {0, 0, 0, 4}, -1, false, false, false},
    {"1H X P 2S", WEST, 10, 40, MEANING_TAKEOUT_ANSWER, {0, 0, 0, 4}, -1, false, false, false},
    // 1NT instead shows 21 - 13 and a balanced hand; the doubler's 2S over one spade shows
    // 22 - 4 and five spades.
    {"1H X P 1NT", WEST, 8, 40, MEANING_TAKEOUT_ANSWER, {2, 2, 2, 2}, -1, false, false, false},
    {"1H X P 1S P 2S", EAST, 18, 40, 0, {3, 3, 0, 5}, -1, false, false, true},
    // 2NT over a weak no trump: 23 - 12, one point of range.
    {"1NT P 2NT", SOUTH, 11, 12, 0, {0, 0, 0, 0}, -1, false, false, false},
    // Stayman over a weak no trump: 26 - 12; the answer shows four hearts.
    {"1NT P 2C P 2H", SOUTH, 14, 40, MEANING_STAYMAN, {0, 0, 0, 0}, -1, false, false, false},
    {"1NT P 2C P 2H", NORTH, 12, 14, MEANING_STAYMAN_ANSWER, {2, 2, 4, 2}, -1, false, false, false},
    {"1NT P 2C P 2H P 4H", SOUTH, 14, 40, 0, {0, 0, 4, 0}, -1, false, false, false},
    {"1NT P 2C P 2H P 3NT", SOUTH, 14, 40, 0, {2, 2, 2, 2}, -1, false, false, false},
    // Blackwood after a limit raise: at least 31 - 10, held to opener's 21.
    {"1S P 3S P 4NT", NORTH, 21, 21, MEANING_BLACKWOOD, {0, 0, 0, 4}, STRAIN_SPADES, false, false, false},
    {"1S P 3S P 4NT P 5H", SOUTH, 10, 12, MEANING_BLACKWOOD_ANSWER, {0, 0, 0, 4}, -1, false, false, false},
    // After the answer: the agreed suit signs off; six of another suit is Josephine's ask.
    {"1S P 3S P 4NT P 5H P 5S", NORTH, 21, 21, MEANING_SLAM_SIGN_OFF, {0, 0, 0, 4}, STRAIN_SPADES, false, false,
     false},
    {"1S P 3S P 4NT P 5H P 6H", NORTH, 21, 21, MEANING_GRAND_SLAM_FORCE, {0, 0, 0, 4}, STRAIN_SPADES, false,
     false, false},
    // Two clubs and the negative: 23-40 forcing; 0-4 forcing.
    {"2C P 2D", NORTH, 23, 40, MEANING_2C_OPENING, {0, 0, 0, 0}, -1, true, false, false},
    {"2C P 2D", SOUTH, 0, 4, MEANING_2C_RESPONSE, {0, 0, 0, 0}, -1, true, false, false},
    // Opener's two no trump over the negative: 23 up to 25.
    {"2C P 2D P 2NT", NORTH, 23, 25, MEANING_2C_REBID, {0, 0, 0, 0}, -1, false, false, false},
    // Swiss: 26 - 13 up to two more, four spades.
    {"1S P 4D", SOUTH, 13, 15, MEANING_SWISS, {0, 0, 0, 4}, -1, false, false, false},
    // Its king ask: at least 31 - 13.
    {"1S P 4D P 4NT", NORTH, 18, 21, MEANING_KING_ASK, {0, 0, 0, 4}, STRAIN_SPADES, false, false, false},
    // Gerber over one no trump: at least 31 - 12.
    {"1NT P 4C", SOUTH, 19, 40, MEANING_GERBER, {0, 0, 0, 0}, -1, false, false, false},
    // Two no trump opening, Baron and a transfer showing the next suit up.
    {"2NT", NORTH, 20, 22, 0, {2, 2, 2, 2}, -1, false, false, false},
    {"2NT P 3C", SOUTH, 0, 40, MEANING_BARON, {0, 0, 0, 0}, -1, false, false, false},
    {"2NT P 3D", SOUTH, 0, 40, MEANING_TRANSFER, {0, 0, 5, 0}, -1, false, false, false},
    {"2NT P 3D P 3H", NORTH, 20, 22, MEANING_TRANSFER_COMPLETED, {2, 2, 2, 2}, -1, false, false, false},
    // A suit after the completed transfer shows five cards.
    {"2NT P 3D P 3H P 3S", SOUTH, 0, 40, 0, {0, 0, 5, 5}, -1, false, false, false},
    // Baron's answer in no trump shows four clubs, in hearts four hearts; a no trump reply to
    // that is balanced, a raise shows four.
    {"2NT P 3C P 3NT", NORTH, 20, 22, MEANING_BARON_ANSWER, {4, 2, 2, 2}, -1, false, false, false},
    {"2NT P 3C P 3H", NORTH, 20, 22, MEANING_BARON_ANSWER, {2, 2, 4, 2}, -1, false, false, false},
    {"2NT P 3C P 3H P 3NT", SOUTH, 0, 40, 0, {2, 2, 2, 2}, -1, false, false, false},
    {"2NT P 3C P 3H P 4H", SOUTH, 0, 40, 0, {0, 0, 4, 0}, -1, false, false, false},
    // Strong two: a raise to three shows an ace, to four 9-10 points; then four no trump
    // over the three-level raise asks for kings.
    {"2H P 3H", SOUTH, 0, 40, MEANING_STRONG_TWO_RESPONSE, {0, 0, 3, 0}, STRAIN_HEARTS, false, true, false},
    {"2H P 4H", SOUTH, 9, 10, MEANING_STRONG_TWO_RESPONSE, {0, 0, 3, 0}, STRAIN_HEARTS, false, true, false},
    {"2H P 3H P 4NT", NORTH, 13, 40, MEANING_KING_ASK, {0, 0, 5, 0}, STRAIN_HEARTS, false, false, false},
    // Another suit over that raise is a cue bid.
    {"2H P 3H P 3S", NORTH, 13, 40, MEANING_CUE_BID, {0, 0, 5, 0}, STRAIN_HEARTS, false, false, false},
    // The fourth suit: clubs, hearts and spades already bid, two diamonds forces.
    {"1C P 1H P 1S P 2D", NORTH, 13, 21, 0, {4, 0, 0, 4}, STRAIN_CLUBS, false, false, false},
    {"1C P 1H P 1S P 2D", SOUTH, 7, 40, MEANING_FOURTH_SUIT, {0, 0, 4, 0}, STRAIN_HEARTS, true, false, false},
    // A trial bid after a single raise: 23 - 6 up to 26 - 1 - 6.
    {"1H P 2H P 3C", NORTH, 17, 19, MEANING_TRIAL_BID, {0, 0, 4, 0}, STRAIN_HEARTS, false, false, false},
    // A cue bid after a limit raise: at least 31, held to opener's 21.
    {"1H P 3H P 4C", NORTH, 21, 21, MEANING_CUE_BID, {0, 0, 4, 0}, STRAIN_HEARTS, false, false, false},
    {"1H P 3H P 4C P 4D", SOUTH, 10, 12, MEANING_CUE_ANSWER, {0, 0, 4, 0}, -1, false, false, false},
    // Passes before the opening show at most 12; nothing is read for a side that comes in late.
    {"P 1S", NORTH, 0, 12, 0, {0, 0, 0, 0}, -1, false, false, false},
    {"P 1S", EAST, 13, 21, 0, {0, 0, 0, 4}, STRAIN_SPADES, false, false, false},
    {"1S P 2S P P 3C", EAST, 0, 40, 0, {0, 0, 0, 0}, -1, false, false, false},
};

} // namespace

TEST_P(AuctionInference, SeatShowsWhatTheRulesSay)
{
    const SummaryCase& c = GetParam();
    Summarise(NORTH, c.szCalls);
    const CBidSummary& s = m_summaries[c.nSeat];
    SCOPED_TRACE(testing::Message() << c.szCalls << " seat " << c.nSeat);
    EXPECT_EQ(c.nMinPoints, s.m_nMinPoints);
    EXPECT_EQ(c.nMaxPoints, s.m_nMaxPoints);
    EXPECT_EQ(c.nMeaning, s.m_nMeaning);
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        EXPECT_EQ(c.nLengths[nSuit], s.m_nMinLength[nSuit]) << "suit " << nSuit;
    EXPECT_EQ(c.nSuit, s.m_nSuit);
    EXPECT_EQ(c.bForcing, s.m_bForcing);
    EXPECT_EQ(c.bGameForcing, s.m_bGameForcing);
    EXPECT_EQ(c.bOvercall, s.m_bOvercall);
}

INSTANTIATE_TEST_SUITE_P(RealAuctions, AuctionInference, ::testing::ValuesIn(s_cases));

TEST_F(ConventionsOn, OneNoTrumpIsStrongOnlyWhenVulnerableWithTheSwitchOn)
{
    Summarise(NORTH, "P P 1NT", true);
    EXPECT_EQ(15, m_summaries[SOUTH].m_nMinPoints);
    EXPECT_EQ(17, m_summaries[SOUTH].m_nMaxPoints);
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        EXPECT_EQ(2, m_summaries[SOUTH].m_nMinLength[nSuit]);
    EXPECT_EQ(12, m_summaries[NORTH].m_nMaxPoints);
    EXPECT_EQ(12, m_summaries[EAST].m_nMaxPoints);
    EXPECT_EQ(40, m_summaries[WEST].m_nMaxPoints);

    Summarise(NORTH, "P P 1NT", false);
    EXPECT_EQ(12, m_summaries[SOUTH].m_nMinPoints);
    EXPECT_EQ(14, m_summaries[SOUTH].m_nMaxPoints);

    g_bStrongNT = false;
    Summarise(NORTH, "P P 1NT", true);
    EXPECT_EQ(12, m_summaries[SOUTH].m_nMinPoints);
    EXPECT_EQ(14, m_summaries[SOUTH].m_nMaxPoints);
}

TEST_F(ConventionsOn, FourPassesLeaveOnlyThePassedHandLimit)
{
    Summarise(EAST, "P P P P");
    for (const CBidSummary& s : m_summaries) {
        EXPECT_EQ(0, s.m_nMinPoints);
        EXPECT_EQ(12, s.m_nMaxPoints);
        EXPECT_EQ(0, s.m_nMeaning);
        EXPECT_EQ(-1, s.m_nSuit);
    }
}

TEST_F(ConventionsOn, BlackwoodAnswersCountAcesAlsoOverInterference)
{
    Summarise(NORTH, "1S P 3S P 4NT P 5H");
    EXPECT_EQ(2, m_summaries[SOUTH].m_nAces);
    Summarise(NORTH, "1S P 3S P 4NT P 5C");
    EXPECT_EQ(0, m_summaries[SOUTH].m_nAces);
    // An opponent's five clubs: each step above it is one more ace, up to three.
    Summarise(NORTH, "1S P 3S P 4NT 5C 5D");
    EXPECT_EQ(2, m_summaries[SOUTH].m_nAces);
    EXPECT_EQ(MEANING_BLACKWOOD_ANSWER, m_summaries[SOUTH].m_nMeaning);
    Summarise(NORTH, "1S P 3S P 4NT 5C X");
    EXPECT_EQ(0, m_summaries[SOUTH].m_nAces);
    Summarise(NORTH, "1S P 3S P 4NT 5C 5NT");
    EXPECT_EQ(0, m_summaries[SOUTH].m_nAces);

    // The reply rule itself reads a pass over the opponents' bid as one ace.
    CBidSummary asker;
    asker.m_nMeaning = MEANING_BLACKWOOD;
    CBidSummary answerer;
    CBid pass(&m_thresholds, BID_NOBID, "");
    pass.InferConventionReply(STRAIN_SPADES, answerer, asker, CBid(&m_thresholds, BID_3S, ""),
                              CBid(&m_thresholds, BID_4NT, ""), CBid(&m_thresholds, BID_5C, ""));
    EXPECT_EQ(1, answerer.m_nAces);
    EXPECT_EQ(MEANING_BLACKWOOD_ANSWER, answerer.m_nMeaning);
}

TEST_F(ConventionsOn, SlamAnswersCountKingsAndGerberAces)
{
    Summarise(NORTH, "1NT P 4C P 4H");
    EXPECT_EQ(1, m_summaries[NORTH].m_nAces);
    EXPECT_EQ(MEANING_GERBER_ANSWER, m_summaries[NORTH].m_nMeaning);

    // Gerber's king answer: five spades, two.
    Summarise(NORTH, "1NT P 4C P 4H P 5C P 5S");
    EXPECT_EQ(2, m_summaries[NORTH].m_nKings);
    EXPECT_EQ(MEANING_GERBER_KING_ANSWER, m_summaries[NORTH].m_nMeaning);

    Summarise(NORTH, "1S P 3S P 4NT P 5D P 5NT P 6H");
    EXPECT_EQ(1, m_summaries[SOUTH].m_nAces);
    EXPECT_EQ(MEANING_BLACKWOOD_KING_ASK, m_summaries[NORTH].m_nMeaning);
    EXPECT_EQ(STRAIN_HEARTS, m_summaries[SOUTH].m_nKings);
    EXPECT_EQ(MEANING_KING_ANSWER, m_summaries[SOUTH].m_nMeaning);
}

TEST_F(ConventionsOn, OpeningMarksTricksAndBids)
{
    Summarise(NORTH, "2C P 2D");
    EXPECT_DOUBLE_EQ(5.0, m_summaries[NORTH].m_dQuickTricks);

    Summarise(NORTH, "3H", true);
    EXPECT_EQ(7, m_summaries[NORTH].m_nMinPoints);
    EXPECT_EQ(10, m_summaries[NORTH].m_nMaxPoints);
    EXPECT_EQ(7, m_summaries[NORTH].m_nMinLength[STRAIN_HEARTS]);
    EXPECT_EQ(7, m_summaries[NORTH].m_nPlayingTricks);
    EXPECT_EQ(1, m_summaries[NORTH].m_nSuitBid[STRAIN_HEARTS]);
    Summarise(NORTH, "4S");
    EXPECT_EQ(7, m_summaries[NORTH].m_nPlayingTricks);

    Summarise(NORTH, "2S");
    EXPECT_EQ(13, m_summaries[NORTH].m_nMinPoints);
    EXPECT_EQ(40, m_summaries[NORTH].m_nMaxPoints);
    EXPECT_EQ(8, m_summaries[NORTH].m_nPlayingTricks);
    EXPECT_EQ(MEANING_STRONG_TWO, m_summaries[NORTH].m_nMeaning);

    // A raise of a strong two to three shows one ace and a quick trick.
    Summarise(NORTH, "2S P 3S");
    EXPECT_EQ(1, m_summaries[SOUTH].m_nAces);
    EXPECT_DOUBLE_EQ(1.0, m_summaries[SOUTH].m_dQuickTricks);

    // A raise of a preempt counts the tricks the raiser expects: 4H needs ten.
    Summarise(NORTH, "3H P 4H");
    EXPECT_DOUBLE_EQ(10.0, m_summaries[SOUTH].m_dQuickTricks);
}

TEST_F(ConventionsOn, ConventionMarksAreRecorded)
{
    Summarise(NORTH, "1S P 4D");
    EXPECT_EQ(3, m_summaries[SOUTH].m_nAces);
    Summarise(NORTH, "1S P 4C");
    EXPECT_EQ(2, m_summaries[SOUTH].m_nAces);

    Summarise(NORTH, "1H P 3H P 4C P 4D");
    EXPECT_TRUE(m_summaries[NORTH].m_bFirstCue[STRAIN_CLUBS]);
    EXPECT_TRUE(m_summaries[NORTH].m_bControl[STRAIN_CLUBS]);
    EXPECT_TRUE(m_summaries[SOUTH].m_bFirstCue[STRAIN_DIAMONDS]);
    EXPECT_TRUE(m_summaries[SOUTH].m_bControl[STRAIN_DIAMONDS]);
    EXPECT_FALSE(m_summaries[SOUTH].m_bSecondCue[STRAIN_DIAMONDS]);

    // A second cue in the same suit.
    Summarise(NORTH, "1H P 3H P 4C P 4D P 5C");
    EXPECT_TRUE(m_summaries[NORTH].m_bSecondCue[STRAIN_CLUBS]);
    EXPECT_FALSE(m_summaries[NORTH].m_bThirdCue[STRAIN_CLUBS]);

    Summarise(NORTH, "1H P 2H P 3C");
    EXPECT_TRUE(m_summaries[NORTH].m_bTrialSuit[STRAIN_CLUBS]);
    Summarise(NORTH, "1C P 1H P 1S P 2D");
    EXPECT_TRUE(m_summaries[SOUTH].m_bTrialSuit[TRIAL_FOURTH_SUIT]);
    // No trump over the fourth suit marks it stopped.
    Summarise(NORTH, "1C P 1H P 1S P 2D P 2NT");
    EXPECT_TRUE(m_summaries[NORTH].m_bControl[STRAIN_DIAMONDS]);

    // Over the Stayman answer a suit is marked bid when it is diamonds or not the answer's.
    Summarise(NORTH, "1NT P 2C P 2D P 3D");
    EXPECT_EQ(1, m_summaries[SOUTH].m_nSuitBid[STRAIN_DIAMONDS]);
    Summarise(NORTH, "1NT P 2C P 2H P 3H");
    EXPECT_EQ(0, m_summaries[SOUTH].m_nSuitBid[STRAIN_HEARTS]);
    EXPECT_EQ(4, m_summaries[SOUTH].m_nMinLength[STRAIN_HEARTS]);
}

TEST_F(ConventionsOn, SwitchedOffConventionsReadNaturally)
{
    g_bStayman = false;
    Summarise(NORTH, "1NT P 2C");
    EXPECT_EQ(0, m_summaries[SOUTH].m_nMeaning);
    EXPECT_EQ(10, m_summaries[SOUTH].m_nMinPoints);   // 22 - 12
    EXPECT_EQ(5, m_summaries[SOUTH].m_nMinLength[STRAIN_CLUBS]);
    EXPECT_EQ(STRAIN_CLUBS, m_summaries[SOUTH].m_nSuit);

    g_bSwiss = false;
    Summarise(NORTH, "1S P 4D");
    EXPECT_NE(MEANING_SWISS, m_summaries[SOUTH].m_nMeaning);
    EXPECT_EQ(0, m_summaries[SOUTH].m_nAces);

    g_bBlackwood = false;
    Summarise(NORTH, "1S P 3S P 4NT");
    EXPECT_EQ(0, m_summaries[NORTH].m_nMeaning);
}

TEST_F(ConventionsOn, CallsWithoutThresholdsReadTheDefaultSystem)
{
    CAuction auction = AuctionFromText(nullptr, NORTH, "1H P 2H");
    auction.Summarise(m_summaries);
    EXPECT_EQ(6, m_summaries[SOUTH].m_nMinPoints);
    EXPECT_EQ(9, m_summaries[SOUTH].m_nMaxPoints);
}

TEST_F(ConventionsOn, ReplyToAnUnknownMeaningChangesNothing)
{
    for (int nMeaning : {-1, static_cast<int>(MEANING_COUNT), 99}) {
        CBidSummary partner;
        partner.m_nMeaning = nMeaning;
        CBidSummary own;
        CBid(&m_thresholds, BID_4NT, "").InferConventionReply(
            STRAIN_SPADES, own, partner, g_bidNoBid, CBid(&m_thresholds, BID_3S, ""), g_bidNoBid);
        EXPECT_EQ(0, own.m_nMeaning);
        EXPECT_EQ(0, own.m_nMinPoints);
        EXPECT_EQ(40, own.m_nMaxPoints);
        EXPECT_EQ(0, own.m_nMinLength[STRAIN_SPADES]);
    }
}
