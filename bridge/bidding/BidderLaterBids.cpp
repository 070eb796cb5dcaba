// The bidder's later calls: every call of a seat after its first, other than the opener's
// rebid, and the first call of a seat whose partner has called more than once.

#include "bridge/bidding/BidderSupport.h"

#include <algorithm>

#include "bridge/bidding/Conventions.h"

using namespace bidder;

namespace {

// Partner bid a suit more than this many times: it is worth supporting with a doubleton.
constexpr int REPEATED_SUIT = 1;
constexpr int DOUBLETON = 2;
// Joint lengths up to this leave no suit worth playing: no trump instead.
constexpr int NO_TRUMP_JOINT_LENGTH = 4;
// GetNthLastCall counts a seat's calls back from the end: the last and the one before it.
constexpr int LAST_CALL = 1;
constexpr int PREVIOUS_CALL = 2;

// The lowest suit in which both summaries together show a fit; -1 when none.
int LowestShownFit(const CBidSummary& own, const CBidSummary& partner)
{
    for (int nSuit = STRAIN_CLUBS; nSuit <= STRAIN_SPADES; ++nSuit) {
        if (own.m_nMinLength[nSuit] + partner.m_nMinLength[nSuit] > FIT_LENGTH)
            return nSuit;
    }
    return NO_SUIT;
}

// The suit of the largest joint length, among partner's bid suits only when bPartnersOnly;
// equal lengths go to partner's main suit, else to the lower suit. -1 when none qualifies.
int LongestJointSuit(const CBridgeBidder::SBidValues& v, bool bPartnersOnly, int& nLength)
{
    int nBest = NO_SUIT;
    nLength = 0;
    for (int nSuit = STRAIN_CLUBS; nSuit <= STRAIN_SPADES; ++nSuit) {
        if (bPartnersOnly && v.Partner().m_nSuitBid[nSuit] == 0)
            continue;
        const int nJoint = v.Joint(nSuit);
        if (nBest == NO_SUIT || nJoint > nLength || (nJoint == nLength && nSuit == v.Partner().m_nSuit)) {
            nBest = nSuit;
            nLength = nJoint;
        }
    }
    return nBest;
}

void FillLaterSuits(CBridgeBidder::SBidValues& v)
{
    v.m_nBestFit = LowestShownFit(v.Own(), v.Partner());
    v.m_nMyFit = NO_SUIT;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS && v.m_nMyFit == NO_SUIT; --nSuit) {
        if (v.Joint(nSuit) > FIT_LENGTH)
            v.m_nMyFit = nSuit;
    }
    v.m_nUnbid = NO_SUIT;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (v.Own().m_nSuitBid[nSuit] == 0 && v.Partner().m_nSuitBid[nSuit] == 0)
            v.m_nUnbid = nSuit;
    }
    v.m_nJoint = LongestJointSuit(v, false, v.m_nJointLength);
    v.m_nPartnerJoint = LongestJointSuit(v, true, v.m_nPartnerJointLength);
}

} // namespace

CBid CBridgeBidder::LaterBid() const
{
    SBidValues v;
    GetBidValues(v);
    v.m_mine = m_auction.GetNthLastCall(LAST_CALL, v.m_nMe);
    v.m_minePrevious = m_auction.GetNthLastCall(PREVIOUS_CALL, v.m_nMe);
    v.m_partnerCall = m_auction.GetNthLastCall(LAST_CALL, v.m_nPartner);
    v.m_partnerPrevious = m_auction.GetNthLastCall(PREVIOUS_CALL, v.m_nPartner);
    v.m_right = GetCallFromEnd(1);
    FillLaterSuits(v);

    SDecision decision;
    const CBid& partnerCall = v.m_partnerCall;
    if (!GetCallFromEnd(PARTNER).IsNoBid() && !v.m_mine.IsNoBid()) {
        if (v.Partner().m_nMeaning != MEANING_NATURAL) {
            ContinueAuction(decision, v.Hand(), v.Own(), v.Partner(), partnerCall, v.m_right, v.m_mine,
                            v.m_nBestFit != NO_SUIT ? v.m_nBestFit : v.m_nMyFit, v.m_partnerPrevious,
                            v.m_minePrevious);
        } else if (partnerCall.IsSuitBid()) {
            if (!LaterBidWithFit(decision, v))
                LaterBidWithoutFit(decision, v);
        } else if (partnerCall.IsNoTrump()) {
            LaterBidOverNoTrump(decision, v);
        }
    }
    KeepForcingAuctionOpen(decision, v);
    return MakeBid(decision);
}

// A cue bid when the shape allows one, else Blackwood, else a cue bid on a side ace, else the
// level of the fit in nFitSuit. nCueSuit is the agreed suit the cue bids serve (-1: none); the
// search for a cue starts after nFitSuit, the suit the decision names before any slam try.
void CBridgeBidder::SlamTryOrFit(SDecision& decision, const SBidValues& v, int nCueSuit, bool bCueShape,
                                 bool bBlackwood, int nSupport, int nFitSuit) const
{
    const CHand& hand = v.Hand();
    const int nSlam = m_pThresholds->m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX];
    const bool bCueRoom = nCueSuit != NO_SUIT && v.m_partnerCall.GetLevel() < LEVEL_FIVE && g_bCueBid
        && nSupport >= nSlam;
    decision.m_nSuit = nFitSuit;
    if (bCueRoom && bCueShape && hand.CanCueBid(nCueSuit))
        ChooseCueBid(v.Own(), v.Partner(), nCueSuit, hand, decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    else if (bBlackwood && g_bBlackwood && nSupport >= nSlam)
        AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    else if (bCueRoom && hand.HasSideFirstRoundControl(nCueSuit))
        ChooseCueBid(v.Own(), v.Partner(), nCueSuit, hand, decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    else
        FitLevel(nSupport, v.m_nHighTotal, v.m_partnerCall.GetSuit(), nFitSuit, decision.m_nLevel,
                 decision.m_strText);
}

bool CBridgeBidder::LaterBidWithFit(SDecision& decision, const SBidValues& v) const
{
    const CHand& hand = v.Hand();
    const int nSuit = v.m_partnerCall.GetSuit();
    const int nFit = v.m_nBestFit;
    const int nMyFit = v.m_nMyFit;
    const int nJoint = v.m_nPartnerJoint;
    if (nFit != NO_SUIT && nFit == nMyFit) {
        SlamTryOrFit(decision, v, nFit, true, !hand.HasVoid(), hand.SupportPoints(nFit) + v.PartnerMin(), nFit);
    } else if (v.Own().m_nSuitBid[nSuit] >= 1) {
        SlamTryOrFit(decision, v, nMyFit, nFit != NO_SUIT, nMyFit != NO_SUIT,
                     hand.SupportPoints(nSuit) + v.PartnerMin(), nSuit);
    } else if (nJoint != NO_SUIT && v.m_nPartnerJointLength > FIT_LENGTH) {
        const int nSupport = hand.SupportPoints(nJoint) + v.PartnerMin();
        if (g_bBlackwood && nSupport >= m_pThresholds->m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX] && nSuit == nJoint) {
            AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
            return true;
        }
        decision.m_nSuit = nJoint;
        FitLevel(nSupport, v.m_nHighTotal, nSuit, nJoint, decision.m_nLevel, decision.m_strText);
        const int nLowest = m_auction.GetLowestLevel(nJoint);
        if (nSuit != nJoint && decision.m_nLevel < nLowest) {
            decision.m_nLevel = nLowest;
            decision.m_strText = "Preferred a suit for length";
        }
    } else {
        return false;
    }
    return true;
}

void CBridgeBidder::LaterBidWithoutFit(SDecision& decision, const SBidValues& v) const
{
    const CBidThresholds& t = *m_pThresholds;
    const CHand& hand = v.Hand();
    const CBid& partnerCall = v.m_partnerCall;
    const int nSuit = partnerCall.GetSuit();
    const int nMine = v.m_mine.GetSuit();
    const int nMine2 = v.m_minePrevious.GetSuit();
    const int nNew = v.m_nNewSuit;
    const bool bGame = partnerCall.IsGameBid();
    auto reaches = [&](int nStrain) { return v.m_nTotal >= t.GetCombined(COMBINED_NEW_SUIT, m_auction.GetLowestLevel(nStrain)); };

    if (v.m_mine.IsSuitBid() && nMine != nMine2 && hand.IsLongSuit(nMine, v.Own().m_nSuitBid[nMine])
        && ((!bGame && reaches(nMine))
            || (SameStrain(v.m_partnerPrevious, partnerCall) && nSuit != nMine && nMine == v.m_nJoint))) {
        DecideLowest(decision, m_auction, nMine, "No match but my second suit is rebiddable");
    } else if (v.m_minePrevious.IsSuitBid() && hand.IsLongSuit(nMine2, v.Own().m_nSuitBid[nMine2]) && !bGame
               && reaches(nMine2)) {
        DecideLowest(decision, m_auction, nMine2, "No match but my first suit is rebiddable");
    } else if (ThreeSuitsBid(v.Own(), v.Partner()) && v.m_nUnbid != NO_SUIT
               && m_auction.GetLowestLevel(v.m_nUnbid) < LEVEL_FOUR) {
        if (hand.HasStopper(v.m_nUnbid))
            DecideLowest(decision, m_auction, STRAIN_NOTRUMP, "We've bid 3 suits and I stop the 4th");
        else
            DecideLowest(decision, m_auction, v.m_nUnbid, "We've bid 3 suits can you stop the 4th for NT?");
    } else if (nNew != NO_SUIT && v.m_nPts >= t.GetCombined(COMBINED_NEW_SUIT, m_auction.GetLowestLevel(nNew))) {
        DecideLowest(decision, m_auction, nNew, "No match but have alternative suit");
    } else if (v.m_nPartnerJoint != NO_SUIT && v.m_partnerPrevious.GetSuit() != nSuit && nSuit != v.m_nPartnerJoint
               && nSuit != v.Partner().m_nSuit) {
        DecideLowest(decision, m_auction, v.m_nPartnerJoint, "Preference bid");
    } else if ((v.Own().m_bGameForcing || v.Partner().m_bGameForcing) && !bGame) {
        const char* const szText = "Forced to keep bidding open till game";
        if (nNew != NO_SUIT && m_auction.GetLowestLevel(nNew) == partnerCall.GetLevel())
            DecideLowest(decision, m_auction, nNew, "Forced to keep bidding open. Alternative suit at same level");
        else if (v.Partner().m_nSuitBid[nSuit] > REPEATED_SUIT && hand.GetSuitLength(nSuit) >= DOUBLETON)
            DecideLowest(decision, m_auction, nSuit, szText);
        else if (v.m_nJointLength <= NO_TRUMP_JOINT_LENGTH && m_auction.GetLowestLevel(v.m_nJoint) < LEVEL_FOUR)
            DecideLowest(decision, m_auction, STRAIN_NOTRUMP, szText);
        else
            DecideLowest(decision, m_auction, v.m_nJoint, szText);
    }
}

void CBridgeBidder::LaterBidOverNoTrump(SDecision& decision, const SBidValues& v) const
{
    const CBidThresholds& t = *m_pThresholds;
    const int nNeeded = t.m_nCombined[COMBINED_NEW_SUIT][std::min(v.m_partnerCall.GetLevel() + 1, LEVEL_SEVEN)];
    const int nNew = v.m_nNewSuit;
    const int nMyFit = v.m_nMyFit;
    const int nTotal = v.m_nDistribution + v.PartnerMin();
    const int nShown = v.m_minePrevious.IsSuitBid() ? v.m_minePrevious.GetSuit() : v.m_mine.GetSuit();
    if (nNew >= STRAIN_HEARTS && v.m_nTotal >= nNeeded && v.Joint(nNew) > FIT_LENGTH) {
        DecideLowest(decision, m_auction, nNew, CString());
    } else if (nMyFit >= STRAIN_HEARTS && nTotal >= nNeeded && v.Joint(nMyFit) > FIT_LENGTH) {
        decision.m_nSuit = nMyFit;
        FitLevel(nTotal, v.m_nHighTotal, STRAIN_NOTRUMP, nMyFit, decision.m_nLevel, decision.m_strText);
    } else if ((v.m_minePrevious.IsSuitBid() || v.m_mine.IsSuitBid()) && nTotal >= nNeeded
               && v.Joint(nShown) > FIT_LENGTH) {
        decision.m_nSuit = nShown;
        LevelForPoints(nTotal, v.m_nHighTotal, STRAIN_NOTRUMP, nShown, decision.m_nLevel, decision.m_strText);
    } else if (g_bGerber && v.m_nHighTotal >= t.m_nCombined[COMBINED_NO_TRUMP][LEVEL_SIX]) {
        AskGerber(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    } else {
        decision.m_nSuit = STRAIN_NOTRUMP;
        NoTrumpContinuation(v.Own(), v.Partner(), v.m_partnerCall, v.m_nHighTotal, decision.m_nLevel,
                            decision.m_strText);
    }
}

void CBridgeBidder::KeepForcingAuctionOpen(SDecision& decision, const SBidValues& v) const
{
    const CBidSummary& partner = v.Partner();
    const CBid& partnerCall = v.m_partnerCall;
    const bool bForced = partner.m_bForcing || (partner.m_bGameForcing && !partnerCall.IsGameBid());
    if (!bForced || !v.m_right.IsNoBid() || decision.m_bDouble)
        return;
    if (decision.m_nSuit >= 0 && decision.m_nLevel >= m_auction.GetLowestLevel(decision.m_nSuit))
        return;
    int nSuit = v.m_nJoint;
    if (v.m_nBestFit != NO_SUIT)
        nSuit = v.m_nBestFit;
    else if (v.m_nNewSuit != NO_SUIT)
        nSuit = v.m_nNewSuit;
    else if (v.m_nJointLength <= NO_TRUMP_JOINT_LENGTH && m_auction.GetLowestLevel(STRAIN_NOTRUMP) < LEVEL_FOUR)
        nSuit = STRAIN_NOTRUMP;
    if (m_auction.GetLowestLevel(nSuit) > partnerCall.GetLevel() && !partnerCall.IsNoTrump())
        nSuit = STRAIN_NOTRUMP;
    DecideLowest(decision, m_auction, nSuit,
                 partner.m_bGameForcing ? "Keeping the bidding open because of game force"
                                        : "Keeping the bidding open because one round force");
}
