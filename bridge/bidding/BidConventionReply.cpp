// CBid::InferConventionReply: the reply rules chosen by partner's meaning code, one small
// function per code in a table indexed by the code.

#include "bridge/bidding/Bid.h"

#include "bridge/bidding/Conventions.h"
#include "bridge/bidding/Inference.h"

namespace {

// The reply under interpretation and the calls around it.
struct SReply {
    CInference& infer;
    int nAgreed;                // the agreed suit, or -1
    const CBid& ownPrevious;    // F
    const CBid& partnerLast;    // Q
    const CBid& intervening;    // V

    const CBid& Call() const { return infer.m_call; }
    CBidSummary& Own() const { return infer.m_own; }
    void Mean(int nMeaning) const { infer.m_own.m_nMeaning = nMeaning; }
};

// Fixed values the replies assign outright.
constexpr int POSITIVE_2C_RESPONSE_MIN = 5;
constexpr int NEGATIVE_2C_RESPONSE_MAX = 4;
constexpr int THREE_CARD_SUPPORT = 3;
constexpr double STRONG_TWO_ANSWER_TRICKS = 1.0;
constexpr double STRONG_TWO_NEW_SUIT_TRICKS = 1.5;
constexpr int STRONG_TWO_RAISE_MIN = 9;
constexpr int STRONG_TWO_RAISE_MAX = 10;
constexpr int TAKEOUT_ANSWER_MIN = 4;
constexpr int TAKEOUT_JUMP_ANSWER_MIN = 10;
// Over an opponent's bid after Blackwood, the steps above it count the aces up to three.
constexpr int MAX_STEP_ACES = 3;

// Blackwood four no trump over a suit Q: at least the slam value, support for Q.
void AskAces(const SReply& r)
{
    r.Mean(MEANING_BLACKWOOD);
    r.infer.AtLeast(r.infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
    r.infer.SupportSuitOf(r.partnerLast);
}

// Four no trump in a strong-two sequence: the ace ask, with support for a suit Q.
void AskAcesInStrongTwo(const SReply& r, int nMeaning)
{
    if (r.partnerLast.IsSuitBid())
        r.infer.SupportSuitOf(r.partnerLast);
    r.Mean(nMeaning);
}

// The aces or kings of a Gerber answer: diamonds 0 (or four), hearts 1, spades 2, no
// trump 3; clubs tells nothing.
void SetGerberCount(const SReply& r, int& nCount)
{
    const int s = r.infer.Strain();
    if (s > STRAIN_CLUBS && s <= STRAIN_NOTRUMP)
        nCount = s - STRAIN_DIAMONDS;
}

void ReplyTo2COpening(const SReply& r)
{
    CBidSummary& own = r.Own();
    if (r.Call().GetCode() != BID_2D) {
        own.m_nMinPoints = POSITIVE_2C_RESPONSE_MIN;
        r.infer.MaxAtMost(TOTAL_POINTS);
        if (r.Call().IsNoTrump()) {
            r.infer.SetAllLengths(BALANCED_LENGTH);
        } else if (r.Call().IsSuitBid()) {
            r.infer.SetLength(r.infer.Strain(), FOUR_CARD_SUIT);
            r.infer.MarkBid(r.infer.Strain());
        }
        own.m_bGameForcing = true;
    } else {
        own.m_nMinPoints = 0;
        r.infer.MaxAtMost(NEGATIVE_2C_RESPONSE_MAX);
        own.m_bForcing = true;
    }
    r.Mean(MEANING_2C_RESPONSE);
}

void ReplyTo2CResponse(const SReply& r)
{
    CInference& infer = r.infer;
    const CBid& call = r.Call();
    const int s = infer.Strain();
    const int nLevel = infer.Level();
    r.Mean(MEANING_2C_REBID);
    if (r.partnerLast.GetCode() != BID_2D) {
        if (call.IsNoTrump()) {
            infer.SetAllLengths(BALANCED_LENGTH);
        } else if (SameStrain(call, r.partnerLast)) {
            infer.SetLength(s, THREE_CARD_SUPPORT);
        } else if (call.IsSuitBid()) {
            infer.SetLength(s, FIVE_CARD_SUIT);
            infer.MarkBid(s);
        }
    } else if (!call.IsJumpOver(r.partnerLast)) {
        if (call.IsNoTrump()) {
            infer.MinAtLeast(infer.Combined(COMBINED_NO_TRUMP, nLevel));
            infer.MaxAtMost(infer.Combined(COMBINED_NO_TRUMP, nLevel + 1));
        } else if (call.IsSuitBid()) {
            infer.SetLength(s, FIVE_CARD_SUIT);
            infer.MarkBid(s);
            infer.MinAtLeast(infer.Combined(COMBINED_NEW_SUIT, nLevel));
            infer.MaxAtMost(infer.Combined(COMBINED_NEW_SUIT, nLevel + 1));
        }
    } else {
        r.Mean(MEANING_2C_JUMP_REBID);
    }
    if (call.GetCode() < BID_2NT)
        r.Own().m_bForcing = true;
}

void ReplyTo2CRebid(const SReply& r)
{
    CInference& infer = r.infer;
    const CBid& call = r.Call();
    if (g_bGSF && call.GetCode() == BID_5NT) {
        r.Mean(MEANING_GRAND_SLAM_FORCE);
        infer.AtLeast(infer.Combined(COMBINED_NEW_SUIT, LEVEL_SEVEN));
        infer.SupportSuitOf(r.partnerLast);
    } else if (g_bBlackwood && r.partnerLast.IsSuitBid() && call.GetCode() == BID_4NT) {
        AskAces(r);
    } else {
        r.Mean(MEANING_2C_LATER_1);
        if (call.IsNoTrump()) {
            if (!r.partnerLast.IsNoTrump())
                infer.AllLengthsAtLeast(BALANCED_LENGTH);
        } else if (SameStrain(call, r.partnerLast)) {
            infer.Support(infer.Strain());
        } else if (call.IsSuitBid()) {
            infer.SetLength(infer.Strain(), FIVE_CARD_SUIT);
            infer.MarkBid(infer.Strain());
        }
    }
}

// Codes 4, 5 and 6: the later calls of a two-club auction, each naming the next code.
void ReplyTo2CLater(const SReply& r, int nNextMeaning)
{
    CInference& infer = r.infer;
    const int s = infer.Strain();
    r.Mean(nNextMeaning);
    if (r.Call().IsSuitBid()) {
        if (!infer.PartnerHasBid(s)) {
            if (!infer.OwnHasBid(s))
                infer.SetLength(s, FOUR_CARD_SUIT);
            infer.BidAgain(s);
        }
    } else if (g_bBlackwood && r.partnerLast.IsSuitBid() && r.Call().GetCode() == BID_4NT) {
        AskAces(r);
    }
}

void ReplyTo2CLater1(const SReply& r) { ReplyTo2CLater(r, MEANING_2C_LATER_2); }
void ReplyTo2CLater2(const SReply& r) { ReplyTo2CLater(r, MEANING_2C_LATER_3); }
void ReplyTo2CLater3(const SReply& r) { ReplyTo2CLater(r, MEANING_NATURAL); }

void ReplyTo2CJumpRebid(const SReply& r)
{
    r.Mean(MEANING_2C_JUMP_ANSWER);
    r.infer.FirstCue();
}

void ReplyToStrongTwo(const SReply& r)
{
    CInference& infer = r.infer;
    CBidSummary& own = r.Own();
    const CBid& call = r.Call();
    const int s = infer.Strain();
    if (call.GetCode() == BID_2NT) {
        r.Mean(MEANING_STRONG_TWO_RESPONSE);
        return;
    }
    if (call.GetCode() == BID_4NT) {
        AskAcesInStrongTwo(r, MEANING_BLACKWOOD);
        return;
    }
    own.m_dQuickTricks = STRONG_TWO_ANSWER_TRICKS;
    if (SameStrain(call, r.partnerLast)) {
        infer.SetLength(s, THREE_CARD_SUPPORT);
        if (infer.Level() == LEVEL_THREE) {
            own.m_nAces = 1;
        } else {
            own.m_nAces = 0;
            infer.SetPoints(STRONG_TWO_RAISE_MIN, STRONG_TWO_RAISE_MAX);
        }
    } else if (call.IsSuitBid()) {
        infer.SetLength(s, FOUR_CARD_SUIT);
        infer.MarkBid(s);
        if (infer.Level() == LEVEL_THREE)
            own.m_dQuickTricks = STRONG_TWO_NEW_SUIT_TRICKS;
    }
    infer.SetMainSuit(s);
    r.Mean(MEANING_STRONG_TWO_RESPONSE);
    own.m_bGameForcing = true;
}

void ReplyToStrongTwoResponse(const SReply& r)
{
    const CBid& call = r.Call();
    const CBid& F = r.ownPrevious;
    const CBid& Q = r.partnerLast;
    const int s = r.infer.Strain();
    if (call.GetCode() == BID_4NT) {
        const bool bRaisedToThree = Q.GetLevel() == LEVEL_THREE && SameStrain(Q, F);
        AskAcesInStrongTwo(r, bRaisedToThree ? MEANING_KING_ASK : MEANING_BLACKWOOD);
        return;
    }
    const bool bNewSuit = call.IsSuitBid() && s != F.GetSuit();
    if (F.IsSuitBid() && SameStrain(F, Q) && bNewSuit) {
        r.Mean(MEANING_CUE_BID);
        return;
    }
    r.Mean(MEANING_STRONG_TWO_REBID);
    if (F.IsSuitBid() && Q.IsSuitBid() && F.GetSuit() != Q.GetSuit() && bNewSuit) {
        r.infer.MarkBid(s);
        r.infer.SetLength(s, FOUR_CARD_SUIT);
    }
}

// Codes 11 and 12: four no trump asks for aces, anything else moves the sequence on.
void MoveStrongTwoOn(const SReply& r, int nNextMeaning)
{
    if (r.Call().GetCode() == BID_4NT)
        AskAcesInStrongTwo(r, MEANING_BLACKWOOD);
    else
        r.Mean(nNextMeaning);
}

void ReplyToStrongTwoRebid(const SReply& r) { MoveStrongTwoOn(r, MEANING_STRONG_TWO_LATER); }
void ReplyToStrongTwoLater(const SReply& r) { MoveStrongTwoOn(r, MEANING_NATURAL); }

void ReplyToBaron(const SReply& r)
{
    if (r.Call().IsNoTrump()) {
        r.infer.SetLength(STRAIN_CLUBS, FOUR_CARD_SUIT);
    } else {
        r.infer.SetLength(r.infer.Strain(), FOUR_CARD_SUIT);
        r.infer.MarkBid(r.infer.Strain());
    }
    r.Mean(MEANING_BARON_ANSWER);
}

// Codes 14 and 16: a suit shows four cards and is marked unless it is partner's suit (or,
// bMarkDiamonds, diamonds); no trump shows a balanced hand.
void ReplyToAskAnswer(const SReply& r, bool bMarkDiamonds)
{
    const int s = r.infer.Strain();
    if (!r.Call().IsNoTrump()) {
        r.infer.SetLength(s, FOUR_CARD_SUIT);
        if ((bMarkDiamonds && s == STRAIN_DIAMONDS) || !SameStrain(r.Call(), r.partnerLast))
            r.infer.MarkBid(s);
    } else {
        r.infer.SetAllLengths(BALANCED_LENGTH);
    }
    r.Mean(MEANING_NATURAL);
}

void ReplyToBaronAnswer(const SReply& r) { ReplyToAskAnswer(r, false); }
void ReplyToStaymanAnswer(const SReply& r) { ReplyToAskAnswer(r, true); }

void ReplyToStayman(const SReply& r)
{
    const int nCode = r.Call().GetCode();
    if (nCode != BID_2D && nCode != BID_3D) {
        r.infer.SetLength(r.infer.Strain(), FOUR_CARD_SUIT);
        r.infer.MarkBid(r.infer.Strain());
    }
    r.Mean(MEANING_STAYMAN_ANSWER);
}

void ReplyToSwiss(const SReply& r)
{
    if (r.Call().GetCode() == BID_4NT) {
        r.Mean(MEANING_KING_ASK);
        r.infer.AtLeast(r.infer.Combined(COMBINED_NEW_SUIT, LEVEL_SIX));
    } else {
        r.Mean(MEANING_NATURAL);
    }
}

// Codes 18 and 21: kings by the strain of the answer, clubs 0 .. no trump 4.
void ReplyToKingAsk(const SReply& r)
{
    const int s = r.infer.Strain();
    if (s >= STRAIN_CLUBS && s <= STRAIN_NOTRUMP)
        r.Own().m_nKings = s;
    r.Mean(MEANING_KING_ANSWER);
}

void ReplyToBlackwood(const SReply& r)
{
    CBidSummary& own = r.Own();
    const CBid& call = r.Call();
    if (r.intervening.GetCode() <= BID_NOBID) {
        if (call.IsSuitBid())
            own.m_nAces = call.GetSuit();
    } else if (call.IsDouble()) {
        own.m_nAces = 0;
    } else if (call.IsNoBid()) {
        own.m_nAces = 1;
    } else if (call.GetCode() > BID_NOBID) {
        const int nSteps = call.GetCode() - r.intervening.GetCode() + 1;
        own.m_nAces = nSteps > MAX_STEP_ACES ? 0 : nSteps;
    }
    r.Mean(MEANING_BLACKWOOD_ANSWER);
}

void ReplyToBlackwoodAnswer(const SReply& r)
{
    const CBid& call = r.Call();
    if (call.GetCode() == BID_5NT)
        r.Mean(MEANING_BLACKWOOD_KING_ASK);
    else if (r.nAgreed >= 0 && call.GetCode() > BID_NOBID && call.GetSuit() == r.nAgreed)
        r.Mean(MEANING_SLAM_SIGN_OFF);
    else if (r.infer.Level() == LEVEL_FIVE)
        r.Mean(MEANING_NEW_STRAIN_AFTER_ACES);
    else if (!g_bJosephine)
        r.Mean(MEANING_SLAM_SIGN_OFF);
    else
        r.Mean(MEANING_GRAND_SLAM_FORCE);
}

void ReplyWithSignOff(const SReply& r) { r.Mean(MEANING_SLAM_SIGN_OFF); }

void ReplyToGerber(const SReply& r)
{
    SetGerberCount(r, r.Own().m_nAces);
    r.Mean(MEANING_GERBER_ANSWER);
}

void ReplyToGerberAnswer(const SReply& r)
{
    r.Mean(r.Call().GetCode() == BID_5C ? MEANING_GERBER_KING_ASK : MEANING_GERBER_END);
}

void ReplyToGerberKingAsk(const SReply& r)
{
    SetGerberCount(r, r.Own().m_nKings);
    r.Mean(MEANING_GERBER_KING_ANSWER);
}

void ReplyToGerberEnd(const SReply& r) { r.Mean(MEANING_GERBER_END); }
void ReplyNatural(const SReply& r) { r.Mean(MEANING_NATURAL); }
void ReplyToTransfer(const SReply& r) { r.Mean(MEANING_TRANSFER_COMPLETED); }

void ReplyToTransferCompleted(const SReply& r)
{
    r.Mean(MEANING_NATURAL);
    if (r.Call().IsSuitBid()) {
        r.infer.MarkBid(r.infer.Strain());
        r.infer.SetLength(r.infer.Strain(), FIVE_CARD_SUIT);
    }
}

// Codes 33 and 34: a return to the agreed suit ends the cue bids, any other call is the
// next cue in its strain.
void ReplyToCue(const SReply& r, int nMeaningAfterCue)
{
    const int nAgreed = r.infer.AgreedSuit();
    if (nAgreed >= 0 && r.Call().GetCode() > BID_NOBID && r.infer.Strain() == nAgreed) {
        r.Mean(MEANING_CUE_RETURN);
        return;
    }
    r.infer.NextCue();
    r.Mean(nMeaningAfterCue);
}

void ReplyToCueBid(const SReply& r) { ReplyToCue(r, MEANING_CUE_ANSWER); }
void ReplyToCueAnswer(const SReply& r) { ReplyToCue(r, MEANING_CUE_BID); }
void ReplyToCueReturn(const SReply& r) { r.Mean(MEANING_CUE_RETURN); }

void ReplyToFourthSuit(const SReply& r)
{
    if (r.Call().IsNoTrump())
        r.infer.SetControl(r.partnerLast.GetSuit());
    r.Mean(MEANING_NATURAL);
}

void ReplyToTakeoutDouble(const SReply& r)
{
    CInference& infer = r.infer;
    const CBid& call = r.Call();
    if (call.IsSuitBid()) {
        infer.SetLength(infer.Strain(), FOUR_CARD_SUIT);
        r.Own().m_nMinPoints = call.IsJumpOver(r.intervening) ? TAKEOUT_JUMP_ANSWER_MIN : TAKEOUT_ANSWER_MIN;
        infer.MarkBid(infer.Strain());
    } else if (call.IsNoTrump()) {
        infer.Shows(infer.NewSuitValue());
        infer.SetAllLengths(BALANCED_LENGTH);
    }
    r.Mean(MEANING_TAKEOUT_ANSWER);
}

void ReplyToTakeoutAnswer(const SReply& r)
{
    CInference& infer = r.infer;
    const int s = infer.Strain();
    r.Mean(MEANING_NATURAL);
    infer.AtLeast(infer.NewSuitValue());
    if (!r.Call().IsSuitBid())
        return;
    if (SameStrain(r.Call(), r.ownPrevious)) {
        infer.SetLength(s, FIT_LENGTH - infer.m_partner.m_nMinLength[s]);
    } else {
        infer.BidAgain(s);
        infer.SetLength(s, FIVE_CARD_SUIT);
    }
}

typedef void (*ReplyRule)(const SReply&);

// The reply rule of each meaning code of partner's last call; code 0 never chooses one.
const ReplyRule s_replyRules[MEANING_COUNT] = {
    nullptr,                    // 0 natural
    ReplyTo2COpening,           // 1
    ReplyTo2CResponse,          // 2
    ReplyTo2CRebid,             // 3
    ReplyTo2CLater1,            // 4
    ReplyTo2CLater2,            // 5
    ReplyTo2CLater3,            // 6
    ReplyTo2CJumpRebid,         // 7
    ReplyNatural,               // 8
    ReplyToStrongTwo,           // 9
    ReplyToStrongTwoResponse,   // 10
    ReplyToStrongTwoRebid,      // 11
    ReplyToStrongTwoLater,      // 12
    ReplyToBaron,               // 13
    ReplyToBaronAnswer,         // 14
    ReplyToStayman,             // 15
    ReplyToStaymanAnswer,       // 16
    ReplyToSwiss,               // 17
    ReplyToKingAsk,             // 18
    ReplyToBlackwood,           // 19
    ReplyToBlackwoodAnswer,     // 20
    ReplyToKingAsk,             // 21
    ReplyWithSignOff,           // 22
    ReplyWithSignOff,           // 23
    ReplyWithSignOff,           // 24
    ReplyToGerber,              // 25
    ReplyToGerberAnswer,        // 26
    ReplyToGerberKingAsk,       // 27
    ReplyToGerberEnd,           // 28
    ReplyToGerberEnd,           // 29
    ReplyNatural,               // 30
    ReplyToTransfer,            // 31
    ReplyToTransferCompleted,   // 32
    ReplyToCueBid,              // 33
    ReplyToCueAnswer,           // 34
    ReplyToCueReturn,           // 35
    ReplyNatural,               // 36
    ReplyToFourthSuit,          // 37
    ReplyToTakeoutDouble,       // 38
    ReplyToTakeoutAnswer,       // 39
};

} // namespace

void CBid::InferConventionReply(int nAgreed, CBidSummary& own, const CBidSummary& partner,
                                const CBid& ownPrevious, const CBid& partnerLast,
                                const CBid& intervening) const
{
    const int nMeaning = partner.m_nMeaning;
    if (nMeaning <= MEANING_NATURAL || nMeaning >= MEANING_COUNT)
        return;
    CInference infer(*this, own, partner);
    s_replyRules[nMeaning](SReply{infer, nAgreed, ownPrevious, partnerLast, intervening});
}
