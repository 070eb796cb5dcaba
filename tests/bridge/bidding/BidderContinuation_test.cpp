#include "bridge/bidding/BridgeBidder.h"

#include <gtest/gtest.h>

#include "tests/bridge/bidding/BidderTestSupport.h"

using namespace biddertest;

namespace {

// Answers to partner's conventional calls, worked out by hand; the auction gives partner the
// meaning code named in the comment.
const SBidCase s_continuations[] = {
    // 1: partner's two clubs. Nothing: the negative two diamonds; an ace and a king: positive.
    {"2C P", "5432.432.432.432", nullptr, BID_2D, "Negative response, points < 8 or quick tricks < 1.5"},
    {"2C P", "K5432.A32.432.32", nullptr, BID_2S,
     "Exactly 1 Ace and 1 King or points >= 8 or quickTricks >= 1.0 and biddable major suit or qts >= 1.5"},
    // 9: partner's strong two hearts. No support, no new suit: 2NT; support and an ace: 3H.
    {"2H P", "A32.K32.5432.432", nullptr, BID_2NT, "Negative response"},
    {"2H P", "A32.K32.K432.432", nullptr, BID_3H, "Good support and a first round control, pts >= 9, qts >= 1.0"},
    // 13: Baron three clubs over 2NT without a four-card suit above clubs.
    {"2NT P 3C P", "AK3.KQ3.KQ3.Q432", nullptr, BID_3NT, "Baron, Lowest 4 Card suit"},
    {"2NT P 3C P", "AK3.KQ3.KQ32.Q43", nullptr, BID_3D, "Baron, Lowest 4 Card suit"},
    // 15: Stayman answers.
    {"1NT P 2C P", "AQ32.KJ32.K2.Q32", nullptr, BID_2S, "Long biddable spade suit, response to Stayman"},
    {"1NT P 2C P", "K32.AQ32.J32.K32", nullptr, BID_2H, "Long biddable heart suit, response to Stayman"},
    {"1NT P 2C P", "K32.Q32.AJ32.K32", nullptr, BID_2D, "No four card biddable major, response to Stayman"},
    // 17: Swiss four diamonds; 28 together settle for game, 34 with all aces ask for kings.
    {"1S P 4D P", "AKJ54.K32.Q32.32", nullptr, BID_4S, "Not enough points for slam, settle for game"},
    {"1S P 4D P", "AKQ54.KQ2.KQ2.32", nullptr, BID_4NT, "Blackwood but asking for kings"},
    // 19: Blackwood, no interference: one step per ace from clubs.
    {"1S P 3S P 4NT P", "K432.A32.Q32.432", nullptr, BID_5D, "One ace"},
    {"1S P 3S P 4NT P", "K432.K32.Q32.432", nullptr, BID_5C, "Zero or four aces"},
    // 19 over the opponents' five clubs: pass with one ace, the next strain with two, double with none.
    {"1S P 3S P 4NT 5C", "K432.A32.Q32.432", nullptr, BID_NOBID, ""},
    {"1S P 3S P 4NT 5C", "K432.A32.A32.432", nullptr, BID_5D, "Two aces"},
    {"1S P 3S P 4NT 5C", "K432.A32.A32.A32", nullptr, BID_5H, "Three aces"},
    {"1S P 3S P 4NT 5C", "K432.K32.Q32.432", nullptr, BID_DOUBLE, "Zero or four aces"},
    // 20: two aces shown opposite two: all four, three kings ask for kings; one ace backs off.
    {"1S P 3S P 4NT P 5H P", "AKQ54.A2.KQ2.K32", nullptr, BID_5NT, "We have all the aces, ask for kings"},
    {"1S P 3S P 4NT P 5H P", "KQJ54.A2.KQ2.K32", nullptr, BID_5S, "Missing aces, back off from slam"},
    // 25: Gerber over one no trump with three aces.
    {"1NT P 4C P", "A32.A32.A32.5432", nullptr, BID_4NT, "Three aces"},
    // 30: the trial bid in clubs after 1H-2H. Partner shows 17 at least.
    {"1H P 2H P 3C P", "432.K432.Q32.432", nullptr, BID_3H, "Too few points for game"},
    {"1H P 2H P 3C P", "432.K432.KQ2.J32", nullptr, BID_4H, "Enough points for game"},
    {"1H P 2H P 3C P", "432.K432.KQ2.432", nullptr, BID_3H, "No help in trial bid suit"},
    {"1H P 2H P 3C P", "432.K432.Q32.K32", nullptr, BID_4H, "Have help in trial bid suit"},
    // 31: partner's three diamonds over 2NT asks for hearts.
    {"2NT P 3D P", "AK3.KQ3.KQ3.Q432", nullptr, BID_3H, "Transfer to partners preferred suit"},
    // 36: the grand slam force after a jump shift agreed spades: ace and queen bid seven.
    {"1H P 2S P 5NT P", "AQJ54.32.AK2.K32", nullptr, BID_7S, "I have 2 of the top 3 trumps, bid seven"},
    {"1H P 2S P 5NT P", "AJ954.32.AK2.K32", nullptr, BID_6S, "I do not have 2 of the top 3 trumps, bid six"},
};

class CContinuationTable : public ::testing::TestWithParam<SBidCase> {};

} // namespace

TEST_P(CContinuationTable, AnswersPartnersMeaningCode)
{
    ExpectChosenCall(GetParam());
}

INSTANTIATE_TEST_SUITE_P(RealHands, CContinuationTable, ::testing::ValuesIn(s_continuations));

TEST(CBridgeBidderContinuation, CodesWithoutAnAnswerLeaveTheDecisionAlone)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(0, "1S P 3S P");
    const int nSeat = bidder.DealNext("AKQ54.A2.KQ2.K32");
    const CBid partnerCall(bidder.Thresholds(), BID_3S, CString());
    const int nMeanings[] = {MEANING_STRONG_TWO_LATER, MEANING_SLAM_SIGN_OFF, MEANING_GERBER_END,
                             MEANING_CUE_RETURN, MEANING_COUNT, -1};
    for (int nMeaning : nMeanings) {
        CBidSummary own;
        CBidSummary partner;
        partner.m_nMeaning = nMeaning;
        partner.m_nMinLength[STRAIN_SPADES] = 4;
        CBridgeBidder::SDecision decision;
        bidder.ContinueAuction(decision, bidder.HandOf(nSeat), own, partner, partnerCall, g_bidNoBid,
                               g_bidNoBid, STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
        EXPECT_EQ(-1, decision.m_nSuit) << nMeaning;
        EXPECT_EQ(-1, decision.m_nLevel) << nMeaning;
        EXPECT_FALSE(decision.m_bDouble) << nMeaning;
        EXPECT_TRUE(decision.m_strText.IsEmpty()) << nMeaning;
    }
}

TEST(CBridgeBidderContinuation, KingAnswersAndSlamDecisions)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(0, "1S P 3S P 4NT P 5H P 5NT P");
    const int nSeat = bidder.DealNext("K432.A32.K32.K32");
    const CBid partnerCall(bidder.Thresholds(), BID_5NT, CString());
    CBidSummary own;
    CBidSummary partner;
    CBridgeBidder::SDecision decision;
    partner.m_nMeaning = MEANING_BLACKWOOD_KING_ASK;
    bidder.ContinueAuction(decision, bidder.HandOf(nSeat), own, partner, partnerCall, g_bidNoBid, g_bidNoBid,
                           STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_6S, "Three kings");

    // Opposite a king answer of six diamonds (one king) three kings here make all four.
    bidder.SetAuction(0, "1S P 3S P 4NT P 5H P 5NT P 6D P");
    const int nAsker = bidder.DealNext("AKQ54.A2.KQ2.K32");
    const CBid kingAnswer(bidder.Thresholds(), BID_6D, CString());
    partner.m_nMeaning = MEANING_KING_ANSWER;
    decision = CBridgeBidder::SDecision();
    bidder.ContinueAuction(decision, bidder.HandOf(nAsker), own, partner, kingAnswer, g_bidNoBid, g_bidNoBid,
                           STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_7S, "We've got all the kings, let's go slamming");
    bidder.Deal(nAsker, "AKQ54.A2.Q32.K32");
    decision = CBridgeBidder::SDecision();
    bidder.ContinueAuction(decision, bidder.HandOf(nAsker), own, partner, kingAnswer, g_bidNoBid, g_bidNoBid,
                           STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_6S, "Missing a king, revert to our suit at lowest level");
}

TEST(CBridgeBidderContinuation, GerberKingsAndCueBids)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(0, "1NT P 4C P 4S P 5C P");
    const int nSeat = bidder.DealNext("K32.K32.A32.5432");
    const CBid fiveClubs(bidder.Thresholds(), BID_5C, CString());
    CBidSummary own;
    CBidSummary partner;
    partner.m_nMeaning = MEANING_GERBER_KING_ASK;
    CBridgeBidder::SDecision decision;
    bidder.ContinueAuction(decision, bidder.HandOf(nSeat), own, partner, fiveClubs, g_bidNoBid, g_bidNoBid,
                           -1, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_5S, "Two kings");

    // Partner cue-bid diamonds with spades agreed: my next first-round control is hearts.
    bidder.SetAuction(0, "1S P 3S P 4D P");
    const int nCuer = bidder.DealNext("KQ32.A32.K32.432");
    const CBid fourDiamonds(bidder.Thresholds(), BID_4D, CString());
    partner = CBidSummary();
    partner.m_nMeaning = MEANING_CUE_BID;
    partner.m_bFirstCue[STRAIN_DIAMONDS] = true;
    decision = CBridgeBidder::SDecision();
    bidder.ContinueAuction(decision, bidder.HandOf(nCuer), own, partner, fourDiamonds, g_bidNoBid, g_bidNoBid,
                           STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_4H, "Cue bid indicates first round control in suit");

    // A cue in the suit just below the agreed one leaves nothing to show.
    const CBid fourHearts(bidder.Thresholds(), BID_4H, CString());
    bidder.SetAuction(0, "1S P 3S P 4H P");
    decision = CBridgeBidder::SDecision();
    bidder.ContinueAuction(decision, bidder.HandOf(nCuer), own, partner, fourHearts, g_bidNoBid, g_bidNoBid,
                           STRAIN_SPADES, g_bidNoBid, g_bidNoBid);
    ExpectCall(bidder.MakeBid(decision), BID_4S, "Cue bidding no control to show");
}
