// The auction-inference rules of CBid by position in the auction: opening, response,
// opener's rebid, responder's rebid and later calls, and the overcall. The rules chosen by
// partner's meaning code are in BidConventionReply.cpp.

#include "bridge/bidding/Bid.h"

#include "bridge/bidding/Conventions.h"
#include "bridge/bidding/Inference.h"

namespace {

// Fixed lengths and points the rules assign outright.
constexpr int SIX_CARD_SUIT = 6;
constexpr int PREEMPT_LENGTH = 7;
constexpr int TAKEOUT_SHORT_LENGTH = 3;      // each unbid suit of a take-out double
constexpr double TWO_CLUB_QUICK_TRICKS = 5.0;
constexpr int STRONG_TWO_PLAYING_TRICKS = 8;
constexpr int REVERSE_OR_JUMP_MIN = 16;     // opener's jump or reverse rebid
constexpr int NO_TRUMP_OVERCALL_MIN = 16;
constexpr int CUE_BID_MIN = 31;
constexpr int NO_TRUMP_RESPONSE_SPAN = 1;    // a no trump answer to no trump is a two-point range
constexpr int SWISS_SPAN = 2;
constexpr int WEAK_RESPONSE_MAX = 5;
constexpr int JUMP_SHIFT_OVER_TWO_MIN = 9;
constexpr int SWISS_ACES_4C = 2;
constexpr int SWISS_ACES_4D = 3;
constexpr int TAKEOUT_DOUBLE_MIN = 13;
constexpr int TWO_LEVEL_OVERCALL_MIN = 13;
constexpr int TWO_LEVEL_OVERCALL_MAX = 15;
constexpr int OVERCALL_MIN = 10;
constexpr int OVERCALL_MAX = 12;
constexpr int BALANCING_ALLOWANCE = 3;

// Playing tricks a preempt shows at the three and four levels, not vulnerable; one more
// when vulnerable.
constexpr int PREEMPT_THREE_TRICKS = 6;
constexpr int PREEMPT_FOUR_TRICKS = 7;

void InferPreempt(CInference& infer)
{
    CBidSummary& own = infer.m_own;
    const CBidThresholds& t = infer.Thresholds();
    infer.SetPoints(t.m_nPreemptMin, t.m_nPreemptMax);
    infer.MarkBid(infer.Strain());
    infer.SetLength(infer.Strain(), PREEMPT_LENGTH);
    infer.SetMainSuit(infer.Strain());
    const int nVulnerableExtra = own.m_bVulnerable ? 1 : 0;
    if (infer.Level() == LEVEL_THREE)
        own.m_nPlayingTricks = PREEMPT_THREE_TRICKS + nVulnerableExtra;
    else if (infer.Level() == LEVEL_FOUR)
        own.m_nPlayingTricks = PREEMPT_FOUR_TRICKS + nVulnerableExtra;
}

// A no trump response to a one- or two-level suit Q: Blackwood, or the no trump ranges
// over a one-level suit.
void InferNoTrumpResponseToSuit(CInference& infer, const CBid& partnerCall)
{
    const CBid& call = infer.m_call;
    const CBidThresholds& t = infer.Thresholds();
    if (g_bBlackwood && call.GetCode() == BID_4NT) {
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
        infer.m_own.m_nMeaning = MEANING_BLACKWOOD;
        infer.SupportSuitOf(partnerCall);
    } else if (partnerCall.GetLevel() != LEVEL_ONE) {
        return;
    } else if (call.GetCode() == BID_1NT) {
        infer.SetPoints(t.m_n1NTRespMin, t.m_n1NTRespMax);
    } else if (call.GetCode() == BID_2NT) {
        infer.SetAllLengths(BALANCED_LENGTH);
        infer.SetPoints(t.m_n2NTRespMin, t.m_n2NTRespMax);
    } else if (call.GetCode() == BID_3NT) {
        infer.SetAllLengths(BALANCED_LENGTH);
        infer.SetPoints(t.m_n3NTRespMin, t.m_n3NTRespMax);
    } else {
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, infer.Level()));
    }
}

// A new suit in response to a one- or two-level suit Q: a jump shift or a forcing new suit.
void InferNewSuitResponse(CInference& infer, const CBid& partnerCall, const CBid& intervening)
{
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    const bool bPartnerAtOne = partnerCall.GetLevel() == LEVEL_ONE;
    const bool bPartnerAtTwo = partnerCall.GetLevel() == LEVEL_TWO;
    infer.SetMainSuit(s);
    infer.MarkBid(s);
    if (infer.m_call.IsJump(partnerCall, intervening)) {
        own.m_bGameForcing = true;
        if (bPartnerAtOne) {
            infer.Shows(infer.Thresholds().m_nJumpShiftMin);
            infer.SetLength(s, FOUR_CARD_SUIT);
        } else if (bPartnerAtTwo) {
            own.m_nMinPoints = JUMP_SHIFT_OVER_TWO_MIN;
            infer.SetLength(s, SIX_CARD_SUIT);
        }
        infer.MaxAtMost(TOTAL_POINTS);
        return;
    }
    own.m_bForcing = true;
    infer.Shows(infer.NewSuitValue());
    infer.MaxAtMost(TOTAL_POINTS);
    if (bPartnerAtTwo)
        own.m_bGameForcing = true;
    const bool bTwoOverOne = bPartnerAtOne && infer.Level() == LEVEL_TWO;
    infer.SetLength(s, bTwoOverOne ? FIVE_CARD_SUIT : FOUR_CARD_SUIT);
}

// Responses to a one- or two-level suit opening (or overcall) Q.
void InferResponseToSuit(CInference& infer, const CBid& partnerCall, const CBid& intervening)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    if (call.IsDouble() || call.IsRedouble()) {
        own.m_nMinPoints = 0;
        infer.MaxAtMost(WEAK_RESPONSE_MAX);
    } else if (call.IsNoTrump()) {
        InferNoTrumpResponseToSuit(infer, partnerCall);
    } else if (g_bSwiss && partnerCall.IsMajor() && partnerCall.GetLevel() == LEVEL_ONE
               && (call.GetCode() == BID_4C || call.GetCode() == BID_4D)) {
        own.m_nMeaning = MEANING_SWISS;
        infer.SetLength(partnerCall.GetSuit(), FOUR_CARD_SUIT);
        infer.Shows(infer.NewSuitValue());
        infer.MaxAtMost(own.m_nMinPoints + SWISS_SPAN);
        own.m_nAces = call.GetCode() == BID_4D ? SWISS_ACES_4D : SWISS_ACES_4C;
    } else if (SameStrain(call, partnerCall)) {
        infer.SetLength(infer.Strain(), FOUR_CARD_SUIT);
        infer.Shows(infer.RaiseValue());
        infer.AtMost(infer.RaiseMaxValue());
        if (partnerCall.GetLevel() == LEVEL_TWO)
            own.m_bGameForcing = true;
    } else {
        InferNewSuitResponse(infer, partnerCall, intervening);
    }
}

// Responses to a no trump opening Q.
void InferResponseToNoTrump(CInference& infer, const CBid& partnerCall)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    if (g_bGerber && call.GetCode() == BID_4C) {
        own.m_nMeaning = MEANING_GERBER;
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
    } else if (g_bStayman && partnerCall.GetCode() == BID_1NT && call.GetCode() == BID_2C) {
        own.m_nMeaning = MEANING_STAYMAN;
        infer.Shows(infer.Combined(COMBINED_NEW_SUIT, LEVEL_FOUR));
    } else if (call.IsNoTrump()) {
        infer.Shows(infer.NewSuitValue());
        own.m_nMaxPoints = own.m_nMinPoints + NO_TRUMP_RESPONSE_SPAN;
    } else if (call.IsDouble() || call.IsRedouble()) {
        infer.Shows(infer.NewSuitValue());
        infer.MaxAtMost(WEAK_RESPONSE_MAX);
    } else {
        infer.Shows(infer.NewSuitValue());
        infer.SetLength(infer.Strain(), FIVE_CARD_SUIT);
        infer.SetMainSuit(infer.Strain());
        infer.MaxAtMost(TOTAL_POINTS);
    }
}

// Responses to a two no trump opening in a suit: Gerber, Baron, transfers, a natural suit.
void InferSuitResponseTo2NT(CInference& infer)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    if (g_bGerber && call.GetCode() == BID_4C) {
        own.m_nMeaning = MEANING_GERBER;
        infer.AtLeast(infer.Combined(COMBINED_NO_TRUMP, LEVEL_SIX));
    } else if (g_bBaron && call.GetCode() == BID_3C) {
        own.m_nMeaning = MEANING_BARON;
    } else if (call.GetCode() == BID_3D || call.GetCode() == BID_3H) {
        infer.SetLength(infer.Strain() + 1, FIVE_CARD_SUIT);
        own.m_nMeaning = MEANING_TRANSFER;
    } else {
        infer.SetLength(infer.Strain(), FIVE_CARD_SUIT);
        infer.MarkBid(infer.Strain());
        infer.Shows(infer.NewSuitValue());
        infer.SetMainSuit(infer.Strain());
    }
}

// A slam ask over partner's last call Q: the grand slam force (when bGrandSlamForce) or
// Blackwood. True when the call was one.
bool InferSlamAsk(CInference& infer, const CBid& partnerLast, bool bGrandSlamForce, int nBlackwoodRow)
{
    const CBid& call = infer.m_call;
    if (bGrandSlamForce && g_bGSF && call.GetCode() == BID_5NT) {
        infer.m_own.m_nMeaning = MEANING_GRAND_SLAM_FORCE;
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SEVEN));
        infer.SupportSuitOf(partnerLast);
        return true;
    }
    if (g_bBlackwood && call.GetCode() == BID_4NT) {
        infer.AtLeast(infer.Combined(nBlackwoodRow, LEVEL_SIX));
        infer.m_own.m_nMeaning = MEANING_BLACKWOOD;
        infer.SupportSuitOf(partnerLast);
        return true;
    }
    return false;
}

// A cue bid once a fit is known: a suit other than the agreed one.
bool InferCueBid(CInference& infer, int nAgreed)
{
    const CBid& call = infer.m_call;
    if (!g_bCueBid || nAgreed < 0 || !call.IsSuitBid() || call.GetSuit() == nAgreed)
        return false;
    infer.FirstCue();
    infer.SetControl(infer.Strain());
    infer.m_own.m_nMeaning = MEANING_CUE_BID;
    infer.MinAtLeast(CUE_BID_MIN);
    return true;
}

// Opener's rebid after partner's no trump response to a one- or two-level suit opening F.
void InferRebidOverNoTrump(CInference& infer, const CBid& ownFirst, const CBid& partnerResponse,
                           const CBid& intervening)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    if (call.IsNoTrump()) {
        infer.AtLeast(infer.NewSuitValue());
        infer.AllLengthsAtLeast(BALANCED_LENGTH);
    } else if (SameStrain(call, ownFirst)) {
        infer.LengthPlusOne(s);
        infer.BidAgain(s);
    } else {
        infer.AtLeast(infer.NewSuitValue());
        if (call.IsJump(partnerResponse, intervening)) {
            infer.MinAtLeast(REVERSE_OR_JUMP_MIN);
            own.m_bGameForcing = true;
        }
        infer.MarkBid(s);
        infer.SetLength(s, FOUR_CARD_SUIT);
        if (infer.Level() == LEVEL_THREE)
            own.m_bForcing = true;
    }
}

// Opener's rebid after partner raised the opening suit F.
void InferRebidAfterRaise(CInference& infer, const CBid& ownFirst, const CBid& partnerResponse,
                          const CBid& intervening, int nAgreed)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    if (InferSlamAsk(infer, partnerResponse, false, COMBINED_AGREED))
        return;
    if (g_bTrialBid && nAgreed >= 0 && call.IsMinor() && s != nAgreed && infer.Level() == LEVEL_THREE) {
        own.m_bTrialSuit[s] = true;
        own.m_nMeaning = MEANING_TRIAL_BID;
        infer.AtLeast(infer.Combined(COMBINED_AGREED, LEVEL_THREE));
        infer.AtMost(infer.Combined(COMBINED_AGREED, LEVEL_FOUR) - 1);
        return;
    }
    if (InferCueBid(infer, nAgreed) || call.IsNoTrump())
        return;
    if (SameStrain(call, ownFirst)) {
        if (infer.NotForced(partnerResponse, intervening)) {
            infer.AtLeast(infer.RaiseValue());
            infer.AtMost(infer.RaiseMaxValue());
        }
        return;
    }
    infer.MarkBid(s);
    infer.SetLength(s, FOUR_CARD_SUIT);
    if (call.IsJump(partnerResponse, intervening)) {
        infer.MinAtLeast(REVERSE_OR_JUMP_MIN);
        own.m_bForcing = true;
    }
    if (infer.Level() == LEVEL_THREE)
        own.m_bForcing = true;
}

// Opener's rebid after partner bid a new suit Q over the opening suit F.
void InferRebidOverNewSuit(CInference& infer, const CBid& ownFirst, const CBid& partnerResponse,
                           const CBid& intervening)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    const CBidThresholds& t = infer.Thresholds();
    const int s = infer.Strain();
    if (InferSlamAsk(infer, partnerResponse, true, COMBINED_NEW_SUIT))
        return;
    if (call.IsNoTrump()) {
        infer.AllLengthsAtLeast(BALANCED_LENGTH);
        if (infer.NotForced(partnerResponse, intervening)) {
            infer.AtLeast(infer.NewSuitValue());
            infer.MaxAtMost(own.m_nMinPoints + NO_TRUMP_RESPONSE_SPAN);
        }
    } else if (SameStrain(call, ownFirst)) {
        if (ownFirst.GetLevel() == LEVEL_ONE)
            infer.LengthPlusOne(s);
        infer.BidAgain(s);
    } else if (SameStrain(call, partnerResponse)) {
        infer.AtLeast(infer.RaiseValue());
        infer.AtMost(infer.RaiseMaxValue());
        infer.Support(s);
    } else {
        if (infer.Level() > partnerResponse.GetLevel())
            infer.AtLeast(infer.NewSuitValue());
        infer.MarkBid(s);
        infer.SetLength(s, FOUR_CARD_SUIT);
        if (!call.IsJump(partnerResponse, intervening)) {
            if (CBidThresholds::IsReverse(partnerResponse.GetLevel(), partnerResponse.GetSuit(),
                                          infer.Level(), s)) {
                infer.MinAtLeast(t.m_nReverseMin);
                infer.LengthPlusOne(ownFirst.GetSuit());
            }
        } else {
            infer.MinAtLeast(REVERSE_OR_JUMP_MIN);
            own.m_bForcing = true;
        }
        if (infer.Level() == LEVEL_THREE)
            own.m_bForcing = true;
    }
}

// Opener's rebid after a no trump opening F.
void InferNoTrumpOpenerRebid(CInference& infer, const CBid& ownFirst, const CBid& partnerResponse,
                             const CBid& intervening)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    const bool bNotForced = infer.NotForced(partnerResponse, intervening);
    if (!partnerResponse.IsNoTrump() && !call.IsNoTrump()) {
        if (SameStrain(call, partnerResponse)) {
            if (bNotForced)
                infer.Shows(infer.NewSuitValue());
            infer.Support(s);
        } else if (!(ownFirst.GetCode() == BID_2NT && partnerResponse.GetLevel() == LEVEL_THREE)) {
            if (bNotForced)
                infer.Shows(infer.NewSuitValue());
            infer.SetLength(s, FIVE_CARD_SUIT);
            if (infer.Level() == LEVEL_THREE)
                own.m_bForcing = true;
        }
    } else if (!partnerResponse.IsNoTrump()) {
        if (!InferSlamAsk(infer, partnerResponse, false, COMBINED_NEW_SUIT) && bNotForced)
            infer.Shows(infer.NewSuitValue());
    } else if (g_bGerber && call.GetCode() == BID_4C) {
        own.m_nMeaning = MEANING_GERBER;
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
    } else if (!call.IsNoTrump()) {
        infer.AtLeast(infer.NewSuitValue());
        infer.SetLength(s, FIVE_CARD_SUIT);
        if (infer.Level() == LEVEL_THREE)
            own.m_bForcing = true;
    } else {
        infer.AtLeast(infer.NewSuitValue());
    }
}

// A suit the seat has not bid before (or one partner has bid) in a later call: natural, or
// the fourth suit forcing when the other three suits have all been bid by the partnership.
void InferNewSuitLaterBid(CInference& infer, bool bNotForced)
{
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    int nOtherSuitsBid = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (nSuit != s && (infer.OwnHasBid(nSuit) || infer.PartnerHasBid(nSuit)))
            ++nOtherSuitsBid;
    }
    if (nOtherSuitsBid < SUIT_COUNT - 1) {
        if (bNotForced) {
            infer.AtLeast(infer.NewSuitValue());
            infer.LengthAtLeast(s, FOUR_CARD_SUIT);
        } else {
            infer.LengthAtLeast(s, FOUR_CARD_SUIT - 1);
        }
        infer.MarkBid(s);
        if (infer.Level() == LEVEL_THREE)
            own.m_bForcing = true;
    } else {
        own.m_bForcing = true;
        own.m_nMeaning = MEANING_FOURTH_SUIT;
        own.m_bTrialSuit[TRIAL_FOURTH_SUIT] = true;
    }
}

// Responder's rebid and every later call when partner's meaning is natural.
void InferNaturalLaterBid(CInference& infer, const CBid& partnerFirst, const CBid& ownFirst,
                          const CBid& partnerLast, const CBid& intervening)
{
    const CBid& call = infer.m_call;
    CBidSummary& own = infer.m_own;
    const int s = infer.Strain();
    const bool bNotForced = infer.NotForced(partnerLast, intervening);
    if (g_bGerber && partnerLast.IsNoTrump() && call.GetCode() == BID_4C) {
        own.m_nMeaning = MEANING_GERBER;
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
    } else if (partnerLast.IsSuitBid() && InferSlamAsk(infer, partnerLast, true, COMBINED_NEW_SUIT)) {
        return;
    } else if (InferCueBid(infer, infer.AgreedSuit())) {
        return;
    } else if (call.IsNoTrump()) {
        if (bNotForced)
            infer.AtLeast(infer.NewSuitValue());
        infer.MaxAtMost(own.m_nMinPoints + NO_TRUMP_RESPONSE_SPAN);
        if (bNotForced && !partnerFirst.IsNoTrump() && !partnerLast.IsNoTrump())
            infer.AllLengthsAtLeast(BALANCED_LENGTH);
    } else if (partnerFirst.IsSuitBid() && partnerLast.IsSuitBid()
               && partnerFirst.GetSuit() != partnerLast.GetSuit()
               && SameStrain(call, partnerFirst) && infer.Level() == partnerLast.GetLevel()) {
        return;
    } else if (SameStrain(call, partnerFirst) || SameStrain(call, partnerLast)) {
        if (bNotForced) {
            infer.AtLeast(infer.RaiseValue());
            infer.AtMost(infer.RaiseMaxValue());
            infer.Support(s);
        }
    } else if (SameStrain(call, ownFirst)) {
        if (bNotForced) {
            infer.AtLeast(infer.NewSuitValue());
            infer.LengthPlusOne(s);
        }
        infer.BidAgain(s);
    } else if (!infer.OwnHasBid(s) || infer.PartnerHasBid(s)) {
        InferNewSuitLaterBid(infer, bNotForced);
    } else {
        infer.LengthPlusOne(s);
        infer.BidAgain(s);
    }
}

} // namespace

void CBid::InferOpening(CBidSummary& own) const
{
    CInference infer(*this, own, own);
    const CBidThresholds& t = infer.Thresholds();
    const int s = infer.Strain();
    if (m_nCode == BID_2C) {
        own.m_bForcing = true;
        infer.SetPoints(t.m_n2CMin, t.m_n2CMax);
        own.m_dQuickTricks = TWO_CLUB_QUICK_TRICKS;
        own.m_nMeaning = MEANING_2C_OPENING;
    } else if (m_nCode == BID_2NT) {
        infer.SetPoints(t.m_n2NTMin, t.m_n2NTMax);
        infer.SetAllLengths(BALANCED_LENGTH);
    } else if (IsSuitBid() && infer.Level() == LEVEL_TWO) {
        infer.SetPoints(t.m_nOpenMin, t.m_nStrongTwoMax);
        infer.SetLength(s, FIVE_CARD_SUIT);
        infer.MarkBid(s);
        infer.SetMainSuit(s);
        own.m_nPlayingTricks = STRONG_TWO_PLAYING_TRICKS;
        own.m_nMeaning = MEANING_STRONG_TWO;
    } else if (m_nCode == BID_1NT) {
        if (g_bStrongNT && own.m_bVulnerable)
            infer.SetPoints(t.m_nStrongNTMin, t.m_nStrongNTMax);
        else
            infer.SetPoints(t.m_nWeakNTMin, t.m_nWeakNTMax);
        infer.SetAllLengths(BALANCED_LENGTH);
    } else if (IsSuitBid() && infer.Level() == LEVEL_ONE) {
        infer.SetPoints(t.m_nOpenMin, t.m_nOpenMax);
        infer.SetLength(s, FOUR_CARD_SUIT);
        infer.MarkBid(s);
        infer.SetMainSuit(s);
    } else if (IsSuitBid() && infer.Level() >= LEVEL_THREE) {
        InferPreempt(infer);
    }
    infer.FixRange();
}

void CBid::InferResponse(int /*nFlag*/, CBidSummary& own, const CBidSummary& partner,
                         const CBid& partnerCall, const CBid& intervening) const
{
    if (IsNoBid())
        return;
    if (partner.m_nMeaning != MEANING_NATURAL) {
        InferConventionReply(-1, own, partner, g_bidNoBid, partnerCall, intervening);
        return;
    }
    CInference infer(*this, own, partner);
    const int nPartnerLevel = partnerCall.GetLevel();
    if (partnerCall.GetCode() == BID_2NT && IsSuitBid()) {
        InferSuitResponseTo2NT(infer);
    } else if (partnerCall.IsNoTrump()) {
        InferResponseToNoTrump(infer, partnerCall);
    } else if (partnerCall.IsSuitBid() && nPartnerLevel <= LEVEL_TWO) {
        InferResponseToSuit(infer, partnerCall, intervening);
    } else if (partnerCall.IsSuitBid() && m_nCode > BID_NOBID) {
        if (SameStrain(*this, partnerCall))
            own.m_dQuickTricks = infer.Level() + BOOK_TRICKS - partner.m_dQuickTricks;
        else
            InferSlamAsk(infer, partnerCall, false, COMBINED_NEW_SUIT);
    }
}

void CBid::InferOpenerRebid(CBidSummary& own, const CBidSummary& partner, const CBid& ownFirst,
                            const CBid& partnerResponse, const CBid& intervening) const
{
    own.m_bForcing = false;
    if (IsNoBid() || partnerResponse.IsNoBid()) {
        own.m_nMeaning = MEANING_NATURAL;
        return;
    }
    CInference infer(*this, own, partner);
    const int nAgreed = infer.AgreedSuit();
    if (partner.m_nMeaning != MEANING_NATURAL) {
        InferConventionReply(nAgreed, own, partner, ownFirst, partnerResponse, intervening);
    } else if (ownFirst.IsSuitBid() && ownFirst.GetLevel() <= LEVEL_TWO) {
        own.m_nMeaning = MEANING_NATURAL;
        if (partnerResponse.IsNoTrump())
            InferRebidOverNoTrump(infer, ownFirst, partnerResponse, intervening);
        else if (SameStrain(partnerResponse, ownFirst))
            InferRebidAfterRaise(infer, ownFirst, partnerResponse, intervening, nAgreed);
        else if (partnerResponse.IsSuitBid())
            InferRebidOverNewSuit(infer, ownFirst, partnerResponse, intervening);
    } else if (ownFirst.IsSuitBid()) {
        own.m_nMeaning = MEANING_NATURAL;
    } else if (ownFirst.IsNoTrump()) {
        own.m_nMeaning = MEANING_NATURAL;
        InferNoTrumpOpenerRebid(infer, ownFirst, partnerResponse, intervening);
    }
    infer.FixRange();
}

void CBid::InferResponderRebid(CBidSummary& own, const CBidSummary& partner,
                               const CBid& partnerFirst, const CBid& ownFirst,
                               const CBid& partnerLast, const CBid& intervening) const
{
    own.m_bForcing = false;
    if (IsNoBid() || partnerLast.IsNoBid()) {
        own.m_nMeaning = MEANING_NATURAL;
        return;
    }
    CInference infer(*this, own, partner);
    if (partner.m_nMeaning != MEANING_NATURAL) {
        InferConventionReply(infer.AgreedSuit(), own, partner, ownFirst, partnerLast, intervening);
    } else {
        own.m_nMeaning = MEANING_NATURAL;
        InferNaturalLaterBid(infer, partnerFirst, ownFirst, partnerLast, intervening);
    }
    infer.FixRange();
}

void CBid::InferLaterBid(CBidSummary& own, const CBidSummary& partner, const CBid& partnerFirst,
                         const CBid& ownFirst, const CBid& partnerLast, const CBid& intervening) const
{
    InferResponderRebid(own, partner, partnerFirst, ownFirst, partnerLast, intervening);
}

void CBid::InferOvercall(CBidSummary& own, const CBid& previous, BOOL bBalancing) const
{
    CInference infer(*this, own, own);
    const CBidThresholds& t = infer.Thresholds();
    const int s = infer.Strain();
    if (IsDouble()) {
        if (previous.IsSuitBid()) {
            for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
                if (nSuit != previous.GetSuit())
                    infer.SetLength(nSuit, TAKEOUT_SHORT_LENGTH);
            }
            own.m_nMeaning = MEANING_TAKEOUT_DOUBLE;
            own.m_nMinPoints = TAKEOUT_DOUBLE_MIN;
            infer.MaxAtMost(TOTAL_POINTS);
            own.m_bOvercall = true;
        }
    } else if (IsSuitBid()) {
        infer.SetMainSuit(s);
        if (!IsJumpOver(previous)) {
            const bool bTwoLevel = infer.Level() == LEVEL_TWO;
            own.m_nMinPoints = bTwoLevel ? TWO_LEVEL_OVERCALL_MIN : OVERCALL_MIN;
            infer.MaxAtMost(bTwoLevel ? TWO_LEVEL_OVERCALL_MAX : OVERCALL_MAX);
        } else {
            infer.SetPoints(t.m_nStrongTwoMin, t.m_nStrongTwoMax);
            own.m_nPlayingTricks = STRONG_TWO_PLAYING_TRICKS;
            own.m_nMeaning = MEANING_STRONG_TWO;
        }
        infer.SetLength(s, FIVE_CARD_SUIT);
        infer.MarkBid(s);
        own.m_bOvercall = true;
    } else if (IsNoTrump()) {
        if (infer.Level() == LEVEL_TWO) {
            infer.SetPoints(t.m_n2NTMin, t.m_n2NTMax);
        } else {
            own.m_nMinPoints = NO_TRUMP_OVERCALL_MIN;
            infer.MaxAtMost(TOTAL_POINTS);
        }
        infer.SetAllLengths(BALANCED_LENGTH);
        own.m_bOvercall = true;
    }
    if (bBalancing && own.m_nMinPoints > BALANCING_ALLOWANCE)
        own.m_nMinPoints -= BALANCING_ALLOWANCE;
}
