#include "bridge/bidding/BridgeBidder.h"

#include <gtest/gtest.h>

#include "tests/bridge/bidding/BidderTestSupport.h"

using namespace biddertest;

namespace {

// First calls of South after North's call, worked out by hand. North's one no trump is weak
// (12-14) when not vulnerable, a one-level suit opening shows 13 and four cards, two no trump 20.
const SBidCase s_responses[] = {
    // 13 HCP with four hearts opposite 12: 25 together reaches Stayman.
    {"1NT P", "K32.AJ54.K32.Q32", nullptr, BID_2C, "Stayman, looking for four card majors, points >= 26"},
    // Without Stayman, 25 points reach the 3NT row; that level keeps the text it had: none.
    {"1NT P", "K32.AJ54.K32.Q32", &g_bStayman, BID_3NT, ""},
    // Five good spades and 11 points: 23 together reach the new-suit limit of the two level;
    // the range follows the text without a blank.
    {"1NT P", "KQJ32.A32.32.432", nullptr, BID_3S, "Alternative suit of 5 or greater lengthpoints 23-25"},
    // 6 HCP and five spades over 2NT: a transfer through hearts.
    {"2NT P", "KJ432.32.Q32.432", nullptr, BID_3H, "Transfer bid, one below suit wanted"},
    // Five clubs and 27 together: three diamonds, not three clubs.
    {"2NT P", "432.32.Q32.KJ432", nullptr, BID_3D,
     "Want clubs lower than five level. Wait for partners transfer to hearts and bid clubs"},
    {"2NT P", "432.32.KJ432.Q32", nullptr, BID_3D,
     "Want diamonds lower than five level. Wait for partners transfer to hearts and rebid diamonds"},
    // 11 points and five clubs: 31 together asks with Gerber, or plays five clubs without it.
    {"2NT P", "K32.32.Q32.AJ432", nullptr, BID_4C, "Gerber, ask for Aces, points >= 31"},
    {"2NT P", "K32.32.Q32.AJ432", &g_bGerber, BID_5C, "Prefer to play in suit"},
    // Four hearts, three aces, 14 points: Swiss four diamonds; without Swiss a raise to game.
    {"1H P", "A32.Q432.A32.A32", nullptr, BID_4D, "Swiss, 4 cards in your major, 3 Aces, points 13-15"},
    {"1H P", "A32.Q432.A32.A32", &g_bSwiss, BID_4H, "Match major suit, total length > 7, points 26-27"},
    {"1H P", "A32.Q432.A32.K432", nullptr, BID_4C, "Swiss, 4 cards in your major, 2 Aces, points 13-15"},
    // 19 distribution points and strong spades: a jump shift.
    {"1H P", "AKJ54.32.AK2.K32", nullptr, BID_2S, "Game forcing jump bid in alternative suit, points > 29"},
    // A spade fit worth 34: Blackwood; without it the jump shift in diamonds.
    {"1S P", "AK32.2.AKQ32.K32", nullptr, BID_4NT, "Blackwood, ask for Aces, points >= 31"},
    {"1S P", "AK32.2.AKQ32.K32", &g_bBlackwood, BID_3D, "Game forcing jump bid in alternative suit, points > 29"},
    // Over an overcall, clubs open at the three level: with Swiss on the jump to four clubs would
    // be read as Swiss, so the suit is bid at its level; without Swiss it jumps.
    {"1H 2S", "A2.K2.A32.AKQJ32", nullptr, BID_3C, "Alternative suit, points > 20 for second level bid"},
    {"1H 2S", "A2.K2.A32.AKQJ32", &g_bSwiss, BID_4C, "Game forcing jump bid in alternative suit, points > 31"},
    // A new suit at the one level with 8 points.
    {"1H P", "KQ54.32.Q432.J32", nullptr, BID_1S, "Alternative suit, points > 18"},
    // A five-card diamond suit needs 21 together for the two level; 20 bid 1NT.
    {"1H P", "Q32.32.K5432.J32", nullptr, BID_1NT,
     "Limit bid, pts 6-9 or better but couldn't bid a suit and not NT dist"},
    // Over the opponents' three spades the 1NT limit bid is gone: a pass without a text.
    {"1H 3S", "Q32.32.K5432.J32", nullptr, BID_NOBID, ""},
    // Three hearts and a good minor: the waiting bid in the minor.
    {"1H P", "KQ3.K32.AJ32.Q32", nullptr, BID_2D, "Waiting bid, weak match for major suit"},
    // Balanced 14 with stoppers and only four-card minors: 3NT.
    {"1H P", "KJ3.Q2.A432.KJ32", nullptr, BID_3NT, "Limit bid NT dist, pts 13-15"},
    // Three and a half quick tricks raise partner's preempt to game, without a word.
    {"3H P", "A32.32.AK32.K432", nullptr, BID_4H, ""},
    // Partner's three hearts overcall is not raised by the same hand.
    {"1C 3H P", "A32.32.AK32.K432", nullptr, BID_NOBID, ""},
    // Partner's take-out double: five spades and 20 together, or a weak hand's longest suit.
    {"1H X P", "KJ543.32.Q32.432", nullptr, BID_2S, "Length >= 5, points 19-22"},
    {"1H X P", "J5432.32.Q32.432", nullptr, BID_1S,
     "No 5 card suit, but opposition suit not stopped, settle for longest suit"},
    // Partner's balancing double of 1H, five calls back: five hearts are not bid, spades are.
    {"1H P P X P", "432.KJ543.Q32.32", nullptr, BID_1S,
     "No 5 card suit, but opposition suit not stopped, settle for longest suit"},
    // Without a five-card suit the longer major, the higher of equal lengths.
    {"1H X P", "J543.32.Q32.5432", nullptr, BID_1S,
     "No 5 card suit, but opposition suit not stopped, settle for longest suit"},
};

class CResponseTable : public ::testing::TestWithParam<SBidCase> {};

} // namespace

TEST_P(CResponseTable, RespondsWithTheCallAndTextOfItsRule)
{
    ExpectChosenCall(GetParam());
}

INSTANTIATE_TEST_SUITE_P(RealHands, CResponseTable, ::testing::ValuesIn(s_responses));

TEST(CBridgeBidderResponses, RespondsToPartnersOpeningOverAnOvercallAsOpeningSide)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    // North opens, East overcalls; South raises the preempt as a response to an opening.
    bidder.SetAuction(0, "3H 3S");
    bidder.DealNext("A32.32.AK32.K432");
    ExpectCall(bidder.ChooseBid(), BID_4H, "");
    ExpectCall(bidder.RespondToPartner(true), BID_NOBID, "");
}

TEST(CBridgeBidderResponses, BestNewSuitSkipsSuitsEitherSideHasNamed)
{
    CConventionsGuard guard;
    CScriptedBidder bidder;
    bidder.SetAuction(0, "1H 1S");
    const int nSeat = bidder.DealNext("AQ32.KQ432.K4.32");
    CBidSummary own;
    CBidSummary partner;
    EXPECT_EQ(STRAIN_HEARTS, bidder.BestNewSuit(bidder.HandOf(nSeat), own, partner))
        << "spades were named by an opponent";
    partner.m_nSuitBid[STRAIN_HEARTS] = 1;
    EXPECT_EQ(-1, bidder.BestNewSuit(bidder.HandOf(nSeat), own, partner)) << "the minors are not biddable";

    bidder.SetAuction(0, "1C P");
    bidder.Deal(nSeat, "KQ43.32.AQ32.A32");
    EXPECT_EQ(STRAIN_SPADES, bidder.BestNewSuit(bidder.HandOf(nSeat), own, partner))
        << "of two four-card suits the higher";
    own.m_nSuitBid[STRAIN_SPADES] = 1;
    EXPECT_EQ(STRAIN_DIAMONDS, bidder.BestNewSuit(bidder.HandOf(nSeat), own, partner));
}
