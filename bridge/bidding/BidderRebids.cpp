// The bidder's opener's rebid: the second call of the seat that made its side's first call.

#include "bridge/bidding/BidderSupport.h"

#include "bridge/bidding/Conventions.h"

using namespace bidder;

namespace {

constexpr int OPENING_FROM_END = 4;
constexpr int LEFT_CALL_FROM_END = 3;
// More than five cards of the first suit, at most four of the new one with at most 7 points:
// a new suit that would only misdescribe a one-suited hand.
constexpr int ONE_SUITER_LENGTH = 5;
constexpr int ONE_SUITER_NEW_POINTS = 7;
// A new suit of this length is shown rather than no trump after partner's no trump.
constexpr int SIX_CARDS = 6;
// Below this minimum shown, a strong hand may still jump in a new suit.
constexpr int JUMP_REBID_SHOWN_POINTS = 16;

// Balanced with stoppers, and every suit an opponent has bid stopped here or bid by partner.
bool IsNoTrumpOk(const CBridgeBidder::SBidValues& v)
{
    if (!v.Hand().IsBalancedWithStoppers())
        return false;
    const CBidSummary& left = v.m_summaries[(v.m_nMe + LEFT_OPPONENT) % SEAT_COUNT];
    const CBidSummary& right = v.m_summaries[(v.m_nMe + RIGHT_OPPONENT) % SEAT_COUNT];
    for (int nSuit = STRAIN_CLUBS; nSuit <= STRAIN_SPADES; ++nSuit) {
        const bool bTheirs = left.m_nSuitBid[nSuit] != 0 || right.m_nSuitBid[nSuit] != 0;
        if (bTheirs && !v.Hand().HasStopper(nSuit) && v.Partner().m_nSuitBid[nSuit] == 0)
            return false;
    }
    return true;
}

// The highest suit in which the partnership holds more than nLength cards; -1 when none.
int HighestFit(const CBridgeBidder::SBidValues& v, int nLength)
{
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (v.Joint(nSuit) > nLength)
            return nSuit;
    }
    return NO_SUIT;
}

// The trial suit after a raise of a major to two: the first side suit without first- or
// second-round control (hearts only when spades are trumps); -1 when every one is covered.
int ChooseTrialSuit(const CHand& hand, int nTrump)
{
    static const int s_nCandidates[] = {STRAIN_CLUBS, STRAIN_DIAMONDS, STRAIN_HEARTS};
    for (int nSuit : s_nCandidates) {
        if (nSuit == nTrump)
            break;
        if (!hand.HasFirstRoundControl(nSuit) && !hand.HasSecondRoundControl(nSuit))
            return nSuit;
    }
    return NO_SUIT;
}

// Whether the new suit may be shown: not a reverse the points cannot stand, and not the short,
// weak suit of a one-suited hand.
bool MayShowNewSuit(const CBridgeBidder::SBidValues& v, const CBidThresholds& t, const CBid& highest,
                    int nNewLevel)
{
    const int nNew = v.m_nNewSuit;
    const int nMine = v.m_mine.GetSuit();
    const bool bReverseOk = !CBidThresholds::IsReverse(v.m_mine.GetLevel(), nMine, nNewLevel, nNew)
        || v.m_nPts >= t.m_nReverseMin;
    const bool bOneSuiter = v.Length(nMine) > ONE_SUITER_LENGTH && v.Length(nNew) <= FOUR_CARDS
        && v.Hand().GetSuitPoints(nNew) <= ONE_SUITER_NEW_POINTS
        && (nNew <= STRAIN_DIAMONDS || highest.GetSuit() >= nNew || highest.GetLevel() > LEVEL_ONE);
    return bReverseOk && !bOneSuiter;
}

// A new suit at its lowest level, or a jump in it with 16 points when that stays below the three
// level over a one-level opening and an opponent's pass.
void ShowAlternativeSuit(CBridgeBidder::SDecision& decision, const CAuction& auction,
                         const CBridgeBidder::SBidValues& v)
{
    const int nLevel = auction.GetLowestLevel(v.m_nNewSuit);
    if (nLevel < LEVEL_THREE && v.m_mine.GetLevel() == LEVEL_ONE && v.m_nPoints > STRONG_REBID_POINTS
        && v.m_right.IsNoBid())
        Decide(decision, nLevel + 1, v.m_nNewSuit, "Alternative suit jump bid pts >= 16");
    else
        Decide(decision, nLevel, v.m_nNewSuit, "Alternative suit");
}

} // namespace

CBid CBridgeBidder::OpenerRebid() const
{
    SBidValues v;
    GetBidValues(v);
    v.m_mine = GetCallFromEnd(OPENING_FROM_END);
    v.m_partnerCall = GetCallFromEnd(PARTNER);
    v.m_left = GetCallFromEnd(LEFT_CALL_FROM_END);
    v.m_right = GetCallFromEnd(1);
    v.m_bContested = !v.m_right.IsPassOrDouble() || !v.m_left.IsPassOrDouble();
    v.m_bNoTrumpOk = IsNoTrumpOk(v);
    v.m_nAgreed = HighestFit(v, OPENER_FIT_LENGTH);
    v.SetPointsWithDistribution(v.m_mine.IsSuitBid() || v.m_nNewSuit != NO_SUIT);

    const CBid& mine = v.m_mine;
    const CBid& partnerCall = v.m_partnerCall;
    SDecision decision;
    if (v.Partner().m_nMeaning != MEANING_NATURAL) {
        ContinueAuction(decision, v.Hand(), v.Own(), v.Partner(), partnerCall, v.m_right, mine, v.m_nAgreed,
                        g_bidNoBid, g_bidNoBid);
    } else if (mine.IsNoTrump()) {
        RebidAfterNoTrump(decision, v);
    } else if (mine.GetLevel() > LEVEL_TWO) {
        // A preempt has said everything.
    } else if (mine.IsSuitBid() && partnerCall.IsSuitBid() && partnerCall.GetSuit() == mine.GetSuit()) {
        RebidAfterRaise(decision, v);
    } else if (partnerCall.IsNoTrump()) {
        RebidAfterNoTrumpResponse(decision, v);
    } else if (mine.IsSuitBid() && partnerCall.IsSuitBid()) {
        RebidAfterNewSuit(decision, v);
    } else {
        RebidUncontested(decision, v);
    }
    return MakeBid(decision);
}

void CBridgeBidder::RebidAfterNoTrump(SDecision& decision, const SBidValues& v) const
{
    const CBidThresholds& t = *m_pThresholds;
    const CBid& partnerCall = v.m_partnerCall;
    const int nSuit = partnerCall.GetSuit();
    if (partnerCall.IsNoTrump() && g_bGerber && v.m_nHighTotal >= t.m_nCombined[COMBINED_NO_TRUMP][LEVEL_SIX]) {
        AskGerber(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    } else if (partnerCall.IsSuitBid() && v.Joint(nSuit) > FIT_LENGTH) {
        const int nSupport = v.Hand().SupportPoints(nSuit) + v.PartnerMin();
        decision.m_nSuit = nSuit;
        if (g_bBlackwood && nSupport >= t.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX])
            AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        else
            FitLevel(nSupport, v.m_nHighTotal, nSuit, nSuit, decision.m_nLevel, decision.m_strText);
    } else if (partnerCall.IsNoBid() && v.m_nTotal > STRONG_REBID_POINTS
               && (!v.m_right.IsSuitBid() || v.Hand().HasStopper(v.m_right.GetSuit()))
               && (!v.m_left.IsSuitBid() || v.Hand().HasStopper(v.m_left.GetSuit()))) {
        Decide(decision, LEVEL_TWO, STRAIN_NOTRUMP, "Gambling");
    } else {
        decision.m_nSuit = STRAIN_NOTRUMP;
        NoTrumpContinuation(v.Own(), v.Partner(), partnerCall, v.m_nHighTotal, decision.m_nLevel,
                            decision.m_strText);
    }
}

void CBridgeBidder::RebidAfterRaise(SDecision& decision, const SBidValues& v) const
{
    const CHand& hand = v.Hand();
    const CBid& partnerCall = v.m_partnerCall;
    const int nSuit = partnerCall.GetSuit();
    const int nFit = v.m_nAgreed;
    const int nSupport = hand.FitPoints(nSuit) + v.PartnerMin();
    const int nSlam = m_pThresholds->m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX];
    // Slam tries, in turn: a cue bid when the shape allows one, Blackwood without a void, a cue
    // bid on a side ace. The cue search starts after partner's suit.
    const bool bCueRoom = partnerCall.GetLevel() < LEVEL_FIVE && g_bCueBid && nSupport >= nSlam && nFit != NO_SUIT;
    decision.m_nSuit = nSuit;
    if (bCueRoom && hand.CanCueBid(nFit)) {
        ChooseCueBid(v.Own(), v.Partner(), nFit, hand, decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        return;
    }
    if (g_bBlackwood && nSupport >= nSlam && nFit != NO_SUIT && !hand.HasVoid()) {
        AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        return;
    }
    if (bCueRoom && hand.HasSideFirstRoundControl(nFit)) {
        ChooseCueBid(v.Own(), v.Partner(), nFit, hand, decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        return;
    }
    FitLevel(nSupport, v.m_nHighTotal, nSuit, nSuit, decision.m_nLevel, decision.m_strText);
    if (g_bTrialBid && partnerCall.IsMajor() && partnerCall.GetLevel() == LEVEL_TWO
        && decision.m_nLevel == LEVEL_THREE) {
        const int nTrial = ChooseTrialSuit(hand, nSuit);
        if (nTrial != NO_SUIT && m_auction.GetLowestLevel(nTrial) == LEVEL_THREE)
            Decide(decision, LEVEL_THREE, nTrial, "Trial bid, asking for min, max or help in suit");
    }
}

void CBridgeBidder::RebidAfterNoTrumpResponse(SDecision& decision, const SBidValues& v) const
{
    const CBidThresholds& t = *m_pThresholds;
    const CHand& hand = v.Hand();
    const int nMine = v.m_mine.GetSuit();
    const int nNew = v.m_nNewSuit;
    const bool bStrongOneLevel = v.m_nDistribution > STRONG_REBID_POINTS && v.m_mine.GetLevel() == LEVEL_ONE
        && v.m_right.IsNoBid();
    const int nMinor = hand.ChooseMinor();
    if (v.m_bNoTrumpOk) {
        if (g_bGerber && v.m_nHighTotal >= t.m_nCombined[COMBINED_NO_TRUMP][LEVEL_SIX]) {
            AskGerber(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        } else {
            decision.m_nSuit = STRAIN_NOTRUMP;
            NoTrumpContinuation(v.Own(), v.Partner(), v.m_partnerCall, v.m_nHighTotal, decision.m_nLevel,
                                decision.m_strText);
        }
    } else if (v.m_partnerCall.IsGameBid() && v.m_nTotal < t.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX]) {
        // Partner's game in no trump stands.
    } else if (bStrongOneLevel && nNew != NO_SUIT && m_auction.GetLowestLevel(nNew) <= LEVEL_THREE) {
        Decide(decision, m_auction.GetLowestLevel(nNew) + 1, nNew, "Jump bid pts >= 16 in alternative suit");
    } else if (bStrongOneLevel && hand.HasGoodMinor() && nMinor != nMine
               && m_auction.GetLowestLevel(nMinor) <= LEVEL_THREE) {
        Decide(decision, m_auction.GetLowestLevel(nMinor) + 1, nMinor, "Jump bid pts >= 16 in good 3 card minor");
    } else if (v.m_mine.IsMajor() && hand.IsLongSuit(nMine, v.Own().m_nSuitBid[nMine])) {
        DecideLowest(decision, m_auction, nMine, "Rebiddable major when partner bid NT");
    } else if (nNew == STRAIN_HEARTS || nNew == STRAIN_SPADES) {
        // A new major of any length is shown before no trump is considered.
        ShowAlternativeSuit(decision, m_auction, v);
    } else if (nNew == NO_SUIT || v.Length(nNew) < SIX_CARDS) {
        decision.m_nSuit = STRAIN_NOTRUMP;
        NoTrumpContinuation(v.Own(), v.Partner(), v.m_partnerCall, v.m_nHighTotal, decision.m_nLevel,
                            decision.m_strText);
    } else {
        // Only a minor of six cards or more is worth showing over partner's no trump.
        ShowAlternativeSuit(decision, m_auction, v);
    }
}

void CBridgeBidder::RebidAfterNewSuit(SDecision& decision, const SBidValues& v) const
{
    const CBidThresholds& t = *m_pThresholds;
    const CHand& hand = v.Hand();
    const int nMine = v.m_mine.GetSuit();
    const int nTheirs = v.m_partnerCall.GetSuit();
    const int nNew = v.m_nNewSuit;
    const int nNewLevel = nNew == NO_SUIT ? BID_LEVEL_COUNT : m_auction.GetLowestLevel(nNew);
    const bool bStrong = v.m_nDistribution > STRONG_REBID_POINTS;
    const bool bPartnerForcesGame = v.Partner().m_bGameForcing;
    if (nNew != NO_SUIT && bStrong && v.m_mine.GetLevel() == LEVEL_ONE && !bPartnerForcesGame) {
        if (nNewLevel == LEVEL_THREE)
            Decide(decision, nNewLevel, nNew, "New suit at 3 level is one round force");
        else if (!v.m_right.IsNoBid())
            Decide(decision, nNewLevel, nNew, "Alternative suit");
        else
            Decide(decision, nNewLevel + 1, nNew, "Alternative biddable suit, jump bid points >= 16");
    } else if (v.m_mine.IsMajor() && v.m_partnerCall.IsMinor() && hand.IsLongSuit(nMine, v.Own().m_nSuitBid[nMine])) {
        DecideLowest(decision, m_auction, nMine, "Rebiddable major when partner bidding minor suit");
    } else if (v.Joint(nTheirs) > FIT_LENGTH) {
        const int nSupport = hand.SupportPoints(nTheirs) + v.PartnerMin();
        decision.m_nSuit = nTheirs;
        if (g_bBlackwood && nSupport >= t.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX] && v.m_nAgreed != NO_SUIT)
            AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
        else
            FitLevel(nSupport, v.m_nHighTotal, nTheirs, nTheirs, decision.m_nLevel, decision.m_strText);
    } else if (v.m_bNoTrumpOk) {
        decision.m_nSuit = STRAIN_NOTRUMP;
        NoTrumpContinuation(v.Own(), v.Partner(), v.m_partnerCall, v.m_nHighTotal, decision.m_nLevel,
                            decision.m_strText);
    } else if (nNew != NO_SUIT && v.m_nPts >= t.GetCombined(COMBINED_NEW_SUIT, nNewLevel)
               && MayShowNewSuit(v, t, m_auction.GetHighestBid(), nNewLevel)) {
        if (bStrong && nNewLevel != LEVEL_THREE && !bPartnerForcesGame
            && v.Own().m_nMinPoints < JUMP_REBID_SHOWN_POINTS && v.m_right.IsNoBid())
            Decide(decision, nNewLevel + 1, nNew, "Alternative biddable suit, jump bid points > 15");
        else
            Decide(decision, nNewLevel, nNew, "Alternative biddable suit");
    } else {
        RebidAfterNewSuitOtherwise(decision, v);
    }
}

void CBridgeBidder::RebidAfterNewSuitOtherwise(SDecision& decision, const SBidValues& v) const
{
    const CHand& hand = v.Hand();
    const int nMine = v.m_mine.GetSuit();
    const int nNew = v.m_nNewSuit;
    const int nNewLevel = nNew == NO_SUIT ? BID_LEVEL_COUNT : m_auction.GetLowestLevel(nNew);
    const int nMinor = hand.ChooseMinor();
    const bool bPartnerForcing = v.Partner().m_bForcing || v.Partner().m_bGameForcing;
    if (hand.IsLongSuit(nMine, v.Own().m_nSuitBid[nMine])) {
        DecideLowest(decision, m_auction, nMine, "Rebiddable suit");
    } else if (nNew != NO_SUIT && v.m_nPts > STRONG_REBID_POINTS && nNewLevel == LEVEL_TWO && v.m_bContested
               && MayShowNewSuit(v, *m_pThresholds, m_auction.GetHighestBid(), nNewLevel)) {
        Decide(decision, nNewLevel, nNew, "Alternative biddable suit");
    } else if (v.m_nDistribution > STRONG_REBID_POINTS && v.m_mine.GetLevel() == LEVEL_ONE && hand.HasGoodMinor()
               && nMinor != nMine && nMinor != v.m_partnerCall.GetSuit() && !v.Partner().m_bGameForcing) {
        const int nLevel = m_auction.GetLowestLevel(nMinor);
        if (nLevel == LEVEL_THREE)
            Decide(decision, nLevel, nMinor, "New suit at 3 level = one round force");
        else
            Decide(decision, nLevel + 1, nMinor, "Jump bid pts >= 16 in good 3 card minor");
    } else if (bPartnerForcing && v.m_right.IsNoBid()) {
        // Without a new suit the forcing auction is kept open in the suit already shown.
        if (nNew != NO_SUIT)
            Decide(decision, nNewLevel, nNew, "Forced to keep bidding open and have alternative suit");
        else
            DecideLowest(decision, m_auction, nMine, "Forced to keep bidding open and have no alternative suit");
    } else if (!v.m_bContested) {
        DecideLowest(decision, m_auction, STRAIN_NOTRUMP,
                     "No match, no alternative suit and my 1st suit is not rebiddable");
    }
}

void CBridgeBidder::RebidUncontested(SDecision& decision, const SBidValues& v) const
{
    const CBid highest = m_auction.GetHighestBid();
    const int nMine = v.m_mine.GetSuit();
    const int nNew = v.m_nNewSuit;
    const bool bStrong = v.m_nTotal > STRONG_REBID_POINTS;
    if (v.m_bNoTrumpOk && bStrong && highest.IsSuitBid() && v.Hand().HasStopper(highest.GetSuit())
        && m_auction.GetLowestLevel(STRAIN_NOTRUMP) <= LEVEL_TWO) {
        DecideLowest(decision, m_auction, STRAIN_NOTRUMP,
                     "No trump distribution and opponents suit stopped for cheap contract");
    } else if (nNew != NO_SUIT && bStrong && m_auction.GetLowestLevel(nNew) <= LEVEL_TWO) {
        DecideLowest(decision, m_auction, nNew, "Alternative biddable suit");
    } else if (bStrong && IsSuit(nMine) && m_auction.GetLowestLevel(nMine) == LEVEL_TWO) {
        DecideLowest(decision, m_auction, nMine, "Try my suit again cause it's cheap");
    }
}
