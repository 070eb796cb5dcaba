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
    // 2: partner answered my two clubs. Negative: a balanced hand without a biddable suit
    // bids no trump; else the best suit, one level higher with ten playing tricks and three
    // aces. Positive hearts, no support: spades, or no trump without a new suit.
    {"2C P 2D P", "J432.AKQ.AKQ.AKQ", nullptr, BID_2NT, "No trump hand"},
    {"2C P 2D P", "AKQJ5.AK2.AQ2.K2", nullptr, BID_2S, "Biddable suit"},
    {"2C P 2D P", "AKQJT98.AK2.A2.2", nullptr, BID_3S, "Jump bid asking for an Ace"},
    {"2C P 2H P", "AKQJ5.2.AKQ2.A2", nullptr, BID_2S, "Now show my preferred suit"},
    {"2C P 2H P", "AK2.AK2.AKJ.J432", nullptr, BID_2NT, "No match and no alternative biddable suit"},
    // 3: opener's hearts after my negative: four hearts and an ace, or no ace; a long strong
    // suit with or without its ace; nothing, or 7 points. After a positive two spades, no
    // support and no new suit say no more.
    {"2C P 2D P 2H P", "5432.K432.A2.432", nullptr, BID_3H, "Strong support, scattered pts > 3"},
    {"2C P 2D P 2H P", "5432.K432.Q32.32", nullptr, BID_4H, "Strong support, pts > 3, no Ace or void"},
    {"2C P 2D P 2H P", "32.32.432.AKJ432", nullptr, BID_3C, "Long solid self supporting suit"},
    {"2C P 2D P 2H P", "32.32.432.KQJ432", nullptr, BID_4C, "Long solid self supporting suit, missing the Ace"},
    {"2C P 2D P 2H P", "5432.432.432.432", nullptr, BID_2NT, "Nothing more to say"},
    {"2C P 2D P 2H P", "5432.32.K432.A32", nullptr, BID_3NT, "Should be 6,7 pts but currently >= 6"},
    {"2C P 2S P 3H P", "KQ432.32.J32.432", nullptr, BID_3NT, "Nothing more to say"},
    // 4: partner's diamonds after my 2NT: three of them and no new suit.
    {"2C P 2S P 2NT P 3D P", "AKQ2.AKQ.AKQ.J32", nullptr, BID_3NT, "No alternative suit"},
    // 7: opener's jump over my negative asks for an ace: none, or the diamond ace.
    {"2C P 2D P 3H P", "5432.432.432.432", nullptr, BID_3NT, "No aces"},
    {"2C P 2D P 3H P", "5432.432.A32.432", nullptr, BID_4D, "Ace in suit bid"},
    // 8: the answer to my jump: slam with a card of partner's ace suit, else game.
    {"2C P 2D P 3H P 4D P", "AKQ.AKQJ32.A2.K2", nullptr, BID_6H, "Small slam"},
    {"2C P 2D P 3H P 3NT P", "AKQ.AKQJ32.A2.K2", nullptr, BID_4H, "Major suit game"},
    {"2C P 2D P 4C P 4D P", "A2.AK2..AKQJ5432", nullptr, BID_5C, "Minor suit game"},
    // 9: partner's strong two hearts. No support, no new suit: 2NT; support and an ace: 3H.
    {"2H P", "A32.K32.5432.432", nullptr, BID_2NT, "Negative response"},
    {"2H P", "A32.K32.K432.432", nullptr, BID_3H, "Good support and a first round control, pts >= 9, qts >= 1.0"},
    // Support worth 9 without an ace or void; a new suit below hearts needs 1.5 quick tricks.
    {"2H P", "KQ2.K32.J432.432", nullptr, BID_4H, "Good support, no first round control,  9 <= pts <= 10, qts >= 1.0"},
    {"2H P", "32.32.AKJ32.5432", nullptr, BID_3D, "Alternative suit, next level qts >= 1.5"},
    {"2H P", "AKJ32.32.5432.32", nullptr, BID_2S, "Alternative suit, same level qts >= 1.0"},
    // 10: the strong two hearts opener after the negative 2NT or a raise to three with one
    // first-round control.
    {"2H P 2NT P", "2.AKQJ32.AQ32.A2", nullptr, BID_3D, "Alternative suit, looking for preference"},
    {"2H P 2NT P", "32.AKQJ32.AK2.A2", nullptr, BID_3H, "Prefer my suit"},
    {"2H P 3H P", "K32.AKQJ32.KQ2.2", nullptr, BID_4H, "Not enough 1st rnd controls for slam attempt"},
    // 11: partner rebid hearts over my positive clubs: three hearts, without Blackwood a weak
    // match; a doubleton forces on in no trump; partner's diamonds: back to hearts for game.
    {"2H P 3C P 3H P", "32.K32.A32.KQJ32", &g_bBlackwood, BID_4H, "Show weak match"},
    {"2H P 3C P 3H P", "432.32.A32.KQJ32", nullptr, BID_3NT, "Still can't help your suit and forced to keep bidding open"},
    {"2H P 3C P 3D P", "432.K32.32.AKJ32", nullptr, BID_4H, "Preference bid with Game force"},
    // 13: Baron three clubs over 2NT without a four-card suit above clubs.
    {"2NT P 3C P", "AK3.KQ3.KQ3.Q432", nullptr, BID_3NT, "Baron, Lowest 4 Card suit"},
    {"2NT P 3C P", "AK3.KQ3.KQ32.Q43", nullptr, BID_3D, "Baron, Lowest 4 Card suit"},
    // 14: opener's Baron answer in hearts: four spades go on, three go back to 3NT.
    {"2NT P 3C P 3H P", "K432.32.K432.Q32", nullptr, BID_3S, "Baron, Bid next four card suit"},
    {"2NT P 3C P 3H P", "432.32.K432.KQ32", nullptr, BID_3NT, "No fit, just put it back to 3NT game"},
    // 15: Stayman answers.
    {"1NT P 2C P", "AQ32.KJ32.K2.Q32", nullptr, BID_2S, "Long biddable spade suit, response to Stayman"},
    {"1NT P 2C P", "K32.AQ32.J32.K32", nullptr, BID_2H, "Long biddable heart suit, response to Stayman"},
    {"1NT P 2C P", "K32.Q32.AJ32.K32", nullptr, BID_2D, "No four card biddable major, response to Stayman"},
    // Four good hearts and four weak spades.
    {"1NT P 2C P", "J432.KQ32.A32.K2", nullptr, BID_2H, "Biddable heart suit, response to Stayman"},
    // 16: hearts shown, my four are spades.
    {"1NT P 2C P 2H P", "KQ32.32.K432.Q32", nullptr, BID_2S, "You picked the wrong suit, try this one"},
    // 17: Swiss four diamonds; 28 together settle for game, 34 with all aces ask for kings.
    {"1S P 4D P", "AKJ54.K32.Q32.32", nullptr, BID_4S, "Not enough points for slam, settle for game"},
    {"1S P 4D P", "AKQ54.KQ2.KQ2.32", nullptr, BID_4NT, "Blackwood but asking for kings"},
    {"1S P 4D P", "KQJ54.KQ2.KQ2.K2", nullptr, BID_4S, "Missing an ace so settle for game"},
    // 18: the kings asked after Swiss, one step each from clubs, all four in no trump.
    {"1S P 4D P 4NT P", "A432.A32.A32.432", nullptr, BID_5C, "Zero kings"},
    {"1S P 4D P 4NT P", "A432.A32.A32.K32", nullptr, BID_5D, "One king"},
    {"1S P 4D P 4NT P", "K432.K32.K32.K32", nullptr, BID_5NT, "Four kings"},
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
    // With clubs agreed: all aces but two kings settle for six; one ace short, a balanced hand
    // asks for no trump through spades, an unbalanced one stops in clubs.
    {"1C P 3C P 4NT P 5H P", "A32.A32.K32.KQJ2", nullptr, BID_6C,
     "All aces but asking for kings could get us into trouble, settle for six"},
    {"1C P 3C P 4NT P 5H P", "AQ2.K32.KQ2.QJ32", nullptr, BID_5S,
     "Missing aces, back off from slam. Can't bid clubs at this level so ask partner to convert to NT"},
    {"1C P 3C P 4NT P 5H P", "A2.K32.KQ2.QJ432", nullptr, BID_6C, "Missing aces, stop here"},
    // 21: three kings answered at six spades; 22: with partner's one king all four, or three.
    {"1S P 3S P 4NT P 5H P 5NT P", "K432.A32.K32.K32", nullptr, BID_6S, "Three kings"},
    {"1S P 3S P 4NT P 5H P 5NT P 6D P", "AKQ54.A2.KQ2.K32", nullptr, BID_7S, "We've got all the kings, let's go slamming"},
    {"1S P 3S P 4NT P 5H P 5NT P 6D P", "AKQ54.A2.Q32.K32", nullptr, BID_6S,
     "Missing a king, revert to our suit at lowest level"},
    // Partner's 6NT counts four kings: with three here the count is not four, and no trump
    // ranks above spades.
    {"1S P 3S P 4NT P 5H P 5NT P 6NT P", "AKQ54.A2.KQ2.K32", nullptr, BID_7NT,
     "Missing a king, revert to our suit at lowest level"},
    // 23: partner's five diamonds after my ace answer.
    {"1H P 3H P 4NT P 5C P 5D P", "A32.K432.K32.432", nullptr, BID_5NT, "You wanted to duck out of slam into 5NT"},
    // 25: Gerber over one no trump with three aces.
    {"1NT P 4C P", "A32.A32.A32.5432", nullptr, BID_4NT, "Three aces"},
    // 27: partner asks for kings: two, or none; 28: one answered with three here.
    {"1NT P 4C P 4H P 5C P", "K32.K32.A32.5432", nullptr, BID_5S, "Two kings"},
    {"1NT P 4C P 4H P 5C P", "AQ2.QJ2.QJ32.QJ2", nullptr, BID_5D, "Zero or four kings"},
    {"1NT P 4C P 4H P 5C P 5D P", "AK2.AK2.AK2.5432", nullptr, BID_5NT, "Missing a king, revert to lowest NT contract"},
    // 30: the trial bid in clubs after 1H-2H. Partner shows 17 at least.
    {"1H P 2H P 3C P", "432.K432.Q32.432", nullptr, BID_3H, "Too few points for game"},
    {"1H P 2H P 3C P", "432.K432.KQ2.J32", nullptr, BID_4H, "Enough points for game"},
    {"1H P 2H P 3C P", "432.K432.KQ2.432", nullptr, BID_3H, "No help in trial bid suit"},
    {"1H P 2H P 3C P", "432.K432.Q32.K32", nullptr, BID_4H, "Have help in trial bid suit"},
    // 31: partner's three diamonds over 2NT asks for hearts.
    {"2NT P 3D P", "AK3.KQ3.KQ3.Q432", nullptr, BID_3H, "Transfer to partners preferred suit"},
    // 32: the transfer completed, my five clubs are shown.
    {"2NT P 3D P 3H P", "432.32.Q32.KJ432", nullptr, BID_4C, "Show my true suit now as shutup bid"},
    // 33: partner cue-bid diamonds with spades agreed: the heart ace; a cue of hearts, just
    // below spades, leaves nothing to show.
    {"1S P 3S P 4D P", "KQ32.A32.K32.432", nullptr, BID_4H, "Cue bid indicates first round control in suit"},
    {"1S P 3S P 4H P", "KQ32.A32.K32.432", nullptr, BID_4S, "Cue bidding no control to show"},
    // 34: partner's cue skipped diamonds and I hold neither red ace; with partner's diamond
    // control three first-round controls try six; four and three second-round controls, seven.
    {"1H P 3H P 4C P 4S P", "KQ2.KQJ32.KQ2.A2", nullptr, BID_5H,
     "Cue bidding missing 2 1st round controls, or a 1st and 2nd in same suit"},
    {"1H P 3H P 4C P 4D P", "K2.AKQJ2.K32.A32", nullptr, BID_6H,
     "Maximum of 1 suit with only 2nd round control, try a small slam"},
    {"1H P 3H P 4C P 4D P", "AK.AKQJ2.K32.A32", nullptr, BID_7H,
     "We've got 4 1st and 3 2nd round controls, try a grand slam"},
    // 36: the grand slam force after a jump shift agreed spades: ace and queen bid seven.
    {"1H P 2S P 5NT P", "AQJ54.32.AK2.K32", nullptr, BID_7S, "I have 2 of the top 3 trumps, bid seven"},
    {"1H P 2S P 5NT P", "AJ954.32.AK2.K32", nullptr, BID_6S, "I do not have 2 of the top 3 trumps, bid six"},
    // 37: partner's fourth suit: diamonds stopped, or the longest joint suit, hearts on ties.
    {"1C P 1H P 1S P 2D P", "KQ32.2.KQ2.AJ432", nullptr, BID_2NT, "I stop the 4th suit"},
    {"1C P 1H P 1S P 2D P", "KQ32.2.432.AKJ32", nullptr, BID_2H, "Forced to bid, chose longest joint suit to avoid NT"},
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
