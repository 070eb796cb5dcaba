#include "bridge/bidding/BridgeBidder.h"

#include <gtest/gtest.h>

#include "tests/bridge/bidding/BidderTestSupport.h"

using namespace biddertest;

namespace {

// The opener's second call and later calls, worked out by hand (dealer North).
const SBidCase s_rebids[] = {
    // Strong 1NT (vulnerable), partner passed, hearts stopped and 16 points: "Gambling".
    {"1NT P P 2H", "AQ2.KJ2.KQ32.J32", nullptr, BID_2NT, "Gambling", true},
    // Without a heart stopper the no trump continuation names 1NT, which is gone: a pass.
    {"1NT P P 2H", "AQ2.432.AKQ2.KJ2", nullptr, BID_NOBID, "", true},
    // 1H raised to 2H: 23 together reach the three level; no club control makes a trial bid.
    {"1H P 2H P", "A32.AKJ54.K2.432", nullptr, BID_3C, "Trial bid, asking for min, max or help in suit"},
    {"1H P 2H P", "A32.AKJ54.K2.432", &g_bTrialBid, BID_3H, "Match major suit, total length > 7, points 23-25"},
    // Clubs controlled, diamonds not: the trial bid is in diamonds.
    {"1H P 2H P", "A32.AKJ54.32.K32", nullptr, BID_3D, "Trial bid, asking for min, max or help in suit"},
    // Partner's limit raise and 34 together: Blackwood, or without it a cue bid of the spade ace.
    {"1H P 3H P", "A2.AKQ54.KQ32.K2", nullptr, BID_4NT, "Blackwood, ask for Aces, points >= 31"},
    {"1H P 3H P", "A2.AKQ54.KQ32.K2", &g_bBlackwood, BID_3S, "Cue bid indicates first round control in suit"},
    // A preempt has said everything.
    {"3H P 3NT P", "A2.AKQJ432.32.32", nullptr, BID_NOBID, ""},
    // After partner's 1NT (6-9): 18 points and a new heart suit jump.
    {"1S P 1NT P", "AKJ54.AQ32.K2.32", nullptr, BID_3H, "Jump bid pts >= 16 in alternative suit"},
    // Otherwise the rows in turn: (a) 18 points, no new suit and good diamonds jump in them
    // before the spades are rebid;
    {"1S P 1NT P", "AKJ54.A2.KQ3.432", nullptr, BID_3D, "Jump bid pts >= 16 in good 3 card minor"},
    // (b) six spades are rebid;
    {"1S P 1NT P", "AKJ543.K32.32.32", nullptr, BID_2S, "Rebiddable major when partner bid NT"},
    // (c) a new major of five or even four cards is shown, not no trump;
    {"1C P 1NT P", "AQ432.32.2.KJ432", nullptr, BID_2S, "Alternative suit"},
    {"1D P 1NT P", "KQ32.Q32.AJ432.2", nullptr, BID_2S, "Alternative suit"},
    // (d) without a new suit, no trump: 17 + 6 reach 2NT, whose text stays empty; a five-card
    // minor is no reason to leave no trump, and 12 + 6 name the 1NT already bid: a pass;
    {"1D P 1NT P", "A32.KQ2.AKJ32.32", nullptr, BID_2NT, ""},
    {"1H P 1NT P", "32.AQ32.KJ432.Q2", nullptr, BID_NOBID, ""},
    // (e) a six-card minor is shown.
    {"1H P 1NT P", "2.AQ32.KJ5432.32", nullptr, BID_2D, "Alternative suit"},
    // Partner's positive 3C over my strong two spades: show hearts, or rebid spades.
    {"2S P 3C P", "AKQJ54.AKJ4.32.2", nullptr, BID_3H, "Alternative suit, looking for match"},
    {"2S P 3C P", "AKQJ543.AK3.32.2", nullptr, BID_3S, "Rebid"},
    // Responder after opener raised spades: 25 together invite game.
    {"1H P 1S P 2S P", "KQ32.32.AQ32.432", nullptr, BID_3S, "Match major suit, total length > 7, points 23-25"},
    // 18 distribution points and a new heart suit over 1S: the jump.
    {"1D P 1S P", "A2.AKJ4.KQ432.32", nullptr, BID_3H, "Alternative biddable suit, jump bid points >= 16"},
    // 18 and a new club suit that only the three level takes: bid there.
    {"1S P 2H P", "AQJ54.2.32.AKQ32", nullptr, BID_3C, "New suit at 3 level is one round force"},
    // 15 points: six good spades are rebid over partner's minor.
    {"1S P 2C P", "AKJ543.K32.Q2.2", nullptr, BID_2S, "Rebiddable major when partner bidding minor suit"},
    // A two-level overcall, partner's game-forcing new suit: 23 points show spades at two.
    {"1H 2C P 2D P", "AKQ5.2.K32.AKQJ3", nullptr, BID_2S, "Alternative biddable suit"},
    // An overcall a round late: nothing is read for East-West, so partner's new suit does not
    // force to game and 24 distribution points jump in spades, the higher of two new suits.
    {"1H P 1NT P P 2C P 2D P", "AKQ54.2.K3.AKQJ3", nullptr, BID_3S, "Alternative biddable suit, jump bid points > 15"},
    // 15 points, no fit, no new suit: six diamonds are rebid.
    {"1D P 1S P", "32.K2.AKJ543.Q32", nullptr, BID_2D, "Rebiddable suit"},
    // 18 points, five weak spades, no new suit: the better minor at the three level.
    {"1S P 2H P", "T9876.AK.AQJ.K32", nullptr, BID_3D, "New suit at 3 level = one round force"},
    // Partner's new suit forces: 15 points show the diamonds; without a new suit the hearts
    // again; partner's new suit doubled is no longer forcing: no trump.
    {"1H P 1S P", "2.AQ32.KQ432.K32", nullptr, BID_2D, "Forced to keep bidding open and have alternative suit"},
    {"1H P 1S P", "2.AQ32.J432.J432", nullptr, BID_2H, "Forced to keep bidding open and have no alternative suit"},
    {"1H P 1S X", "2.AQ32.J432.J432", nullptr, BID_1NT,
     "No match, no alternative suit and my 1st suit is not rebiddable"},
    // Partner passed the overcall: 16 balanced with spades stopped, a new heart suit, or the
    // diamonds again while they are cheap.
    {"1D 1S P P", "AQ3.K32.KQ32.Q32", nullptr, BID_1NT,
     "No trump distribution and opponents suit stopped for cheap contract"},
    {"1D 1S P P", "2.AKJ32.KQ432.A2", nullptr, BID_2H, "Alternative biddable suit"},
    {"1D 1S P P", "32.A2.AKQ432.K32", nullptr, BID_2D, "Try my suit again cause it's cheap"},
    // Four spades opposite partner's four: the fit; 21 together stop at two.
    {"1D P 1S P", "K432.A2.KQ432.32", nullptr, BID_2S, "Match major suit, total length > 7, points 19-22"},
    // Three suits bid by the partnership: no trump with the fourth stopped, else the fourth.
    {"1S P 2C P 3D P", "K32.Q32.32.Q5432", nullptr, BID_3NT, "We've bid 3 suits and I stop the 4th"},
    {"1S P 2C P 3D P", "K32.432.Q2.Q5432", nullptr, BID_3H, "We've bid 3 suits can you stop the 4th for NT?"},
    // 1C, 1S (7), 2C (five clubs), 3C (10-12, three clubs): clubs fit in the summaries, spades
    // with my four. 23 support points and partner's 10 try for slam: the cue search starts
    // after partner's clubs, so the heart ace is shown before the club ace.
    {"1C P 1S P 2C P 3C P", "KQ32.A.32.AKQ432", nullptr, BID_3H, "Cue bid indicates first round control in suit"},
    // Responder after opener's 1NT rebid: four hearts make a fit with 22 together.
    {"1H P 1S P 1NT P", "AJ432.K432.32.32", nullptr, BID_2H, "Match major suit, total length > 7, points 19-22"},
    // Partner's second suit: four spades make the longer fit with partner's first suit.
    {"1S P 2C P 2D P", "KJ32.32.32.AQ432", nullptr, BID_3S, "Match major suit, total length > 7, points 23-25"},
    // Partner's spades (four) and hearts (four, 16 at least): four spades fit, but 18 support
    // points only reach the one level, so spades at the lowest level for length.
    {"1S P 1NT P 2H P", "J432.432.5432.32", nullptr, BID_2S, "Preferred a suit for length"},
    // 1C, 1H, 1S, 2H (five hearts, 9 at least): five good spades, then seven good clubs.
    {"1C P 1H P 1S P 2H P", "AKJ54.2.32.AQ432", nullptr, BID_2S, "No match but my second suit is rebiddable"},
    {"1C P 1H P 1S P 2H P", "KQ32.A.2.AKQ5432", nullptr, BID_3C, "No match but my first suit is rebiddable"},
    // 1C, 1H, 2C, 2H: 23 distribution points show the spades.
    {"1C P 1H P 2C P 2H P", "AKQ4.2.AK2.KQJ32", nullptr, BID_2S, "No match but have alternative suit"},
    // Partner's jump shift forces to game: spades again with a doubleton, or the hearts at
    // the level of partner's four clubs.
    {"1H P 2S P 3C P 3S P", "32.AKJ4.432.AQ32", nullptr, BID_4S, "Forced to keep bidding open till game"},
    {"1S P 3C P 3D P 4C P", "AQ54.KJ432.AQ2.2", nullptr, BID_4H,
     "Forced to keep bidding open. Alternative suit at same level"},
    // Partner's new suit at three forces one round: the club fit's 23 would stop at 3C,
    // which is gone, and clubs at four are above partner's level: no trump.
    {"1H P 1S P 1NT P 3C P", "K2.AJ32.Q32.J432", nullptr, BID_3NT, "Keeping the bidding open because one round force"},
    // A weak responder without a fit goes back to partner's first suit.
    {"1S P 1NT P 2D P", "Q32.K432.32.J432", nullptr, BID_2S, "Preference bid"},
    // Partner's jump shift forced to game; the opponents' 3C and partner's pass leave the
    // forcing rule: spades are too high, so no trump.
    {"P P 1D P 2S P 2NT 3C P P", "32.5432.AKJ4.K32", nullptr, BID_3NT,
     "Keeping the bidding open because of game force"},
};

class CRebidTable : public ::testing::TestWithParam<SBidCase> {};

} // namespace

TEST_P(CRebidTable, RebidsWithTheCallAndTextOfItsRule)
{
    ExpectChosenCall(GetParam());
}

INSTANTIATE_TEST_SUITE_P(RealHands, CRebidTable, ::testing::ValuesIn(s_rebids));
