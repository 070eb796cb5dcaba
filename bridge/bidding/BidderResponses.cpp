// The bidder's responses: the first call of a seat whose partner has called once, and the
// values the later stages share.

#include "bridge/bidding/BidderSupport.h"

#include <algorithm>

#include "bridge/bidding/Conventions.h"

using namespace bidder;

namespace {

// Fewer calls than this and partner's double is still the first round's take-out double.
constexpr int TAKE_OUT_DOUBLE_CALLS = 8;
// The doubled call is three places back; with more calls than four and a pass there, five.
constexpr int DOUBLED_CALL_LOOKBACK_CALLS = 4;
constexpr int DOUBLED_CALL_FROM_END = 3;
constexpr int DOUBLED_CALL_FROM_END_AFTER_PASS = 5;
// Partnership points for a five-card suit at its level, and (more than) for no trump.
constexpr int DOUBLE_ANSWER_SUIT_POINTS = 19;
constexpr int DOUBLE_ANSWER_NO_TRUMP_POINTS = 18;
constexpr double PREEMPT_RAISE_QUICK_TRICKS = 3.0;
// Swiss shows 13-15 points opposite an opening of 13: 26-28 together, with 3 or 2 aces.
constexpr int SWISS_MIN_TOTAL = 26;
constexpr int SWISS_MAX_TOTAL = 28;
constexpr int SWISS_DIAMOND_ACES = 3;
constexpr int SWISS_CLUB_ACES = 2;
// A major partner opened in which I hold more than this is worth a waiting bid in a minor.
constexpr int WAITING_BID_MAJOR_LENGTH = 2;

// The longest suit of five or more, the lower suit on equal lengths; -1 when none.
int LongestFiveCardSuit(const CHand& hand)
{
    int nLong = NO_SUIT;
    int nLength = FIVE_CARDS - 1;
    for (int nSuit = STRAIN_CLUBS; nSuit <= STRAIN_SPADES; ++nSuit) {
        if (hand.GetSuitLength(nSuit) > nLength) {
            nLong = nSuit;
            nLength = hand.GetSuitLength(nSuit);
        }
    }
    return nLong;
}

// The strictly longest suit other than nExcluded, spades first.
int LongestSuitExcept(const CHand& hand, int nExcluded)
{
    int nBest = NO_SUIT;
    int nBestLength = -1;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (nSuit != nExcluded && hand.GetSuitLength(nSuit) > nBestLength) {
            nBest = nSuit;
            nBestLength = hand.GetSuitLength(nSuit);
        }
    }
    return nBest;
}

} // namespace

CBid CBridgeBidder::GetCallFromEnd(int nFromEnd) const
{
    const int nIndex = m_auction.GetSize() - nFromEnd;
    return nIndex >= 0 && nIndex < m_auction.GetSize() ? m_auction.m_calls[nIndex] : g_bidNoBid;
}

void CBridgeBidder::GetBidValues(SBidValues& values) const
{
    GetBidSummaries(values.m_summaries);
    values.m_nMe = m_auction.GetNextSeat();
    values.m_nPartner = (values.m_nMe + PARTNER) % SEAT_COUNT;
    values.m_pHand = &MyHand();
    values.m_nPoints = values.Hand().GetSuitPoints(-1);
    values.m_nDistribution = values.Hand().DistributionPoints(0);
    values.m_nNewSuit = BestNewSuit(values.Hand(), values.Own(), values.Partner());
    values.SetPointsWithDistribution(values.m_nNewSuit != NO_SUIT);
    values.m_nHighTotal = values.m_nPoints + values.PartnerMin();
}

int CBridgeBidder::BestNewSuit(const CHand& hand, const CBidSummary& own, const CBidSummary& partner) const
{
    const int nTheirSide = (m_auction.GetNextSeat() + LEFT_OPPONENT) & 1;
    int nBest = NO_SUIT;
    int nBestLength = 0;
    for (int nSuit = STRAIN_SPADES; nSuit >= STRAIN_CLUBS; --nSuit) {
        if (own.m_nSuitBid[nSuit] != 0 || partner.m_nSuitBid[nSuit] != 0 || !hand.IsBiddable(nSuit)
            || m_auction.HasSideBidSuit(nSuit, nTheirSide))
            continue;
        if (hand.GetSuitLength(nSuit) > nBestLength) {
            nBest = nSuit;
            nBestLength = hand.GetSuitLength(nSuit);
        }
    }
    return nBest;
}

void CBridgeBidder::AnswerTakeOutDouble(SDecision& decision, const CHand& hand, const CBidSummary& own,
                                        const CBidSummary& partner, const CBid& rightCall, int nTotal,
                                        int nHighTotal) const
{
    CBid doubledCall = GetCallFromEnd(DOUBLED_CALL_FROM_END);
    if (doubledCall.IsNoBid() && m_auction.GetSize() > DOUBLED_CALL_LOOKBACK_CALLS)
        doubledCall = GetCallFromEnd(DOUBLED_CALL_FROM_END_AFTER_PASS);
    const int nDoubled = doubledCall.GetSuit();
    const int nLongest = hand.GetLongestSuit();
    if (nTotal >= DOUBLE_ANSWER_SUIT_POINTS && hand.GetLongestLength() >= FIVE_CARDS && nLongest != nDoubled) {
        decision.m_nSuit = nLongest;
        decision.m_strText = "Length >= 5, ";
        LevelForPoints(nTotal, nHighTotal, STRAIN_NOTRUMP, nLongest,
                       decision.m_nLevel, decision.m_strText);
        decision.m_nLevel = std::max(decision.m_nLevel, m_auction.GetLowestLevel(nLongest));
    } else if (nHighTotal > DOUBLE_ANSWER_NO_TRUMP_POINTS && IsSuit(nDoubled) && hand.HasStopper(nDoubled)) {
        decision.m_nSuit = STRAIN_NOTRUMP;
        NoTrumpContinuation(own, partner, g_bidDouble, nHighTotal, decision.m_nLevel, decision.m_strText);
    } else if (rightCall.IsNoBid()) {
        const int nSuit = nLongest == nDoubled ? LongestSuitExcept(hand, nDoubled) : nLongest;
        DecideLowest(decision, m_auction, nSuit,
                     "No 5 card suit, but opposition suit not stopped, settle for longest suit");
    }
}

CBid CBridgeBidder::RespondToPartner(bool bPartnerIntervened) const
{
    SBidValues values;
    GetBidValues(values);
    const CBid partnerCall = GetCallFromEnd(PARTNER);
    const CBid rightCall = GetCallFromEnd(1);
    SDecision decision;
    if (values.Partner().m_nMeaning != MEANING_NATURAL) {
        ContinueAuction(decision, values.Hand(), values.Own(), values.Partner(), partnerCall, rightCall,
                        g_bidNoBid, NO_SUIT, g_bidNoBid, g_bidNoBid);
    } else if (bPartnerIntervened && m_auction.GetSize() < TAKE_OUT_DOUBLE_CALLS && partnerCall.IsDouble()) {
        AnswerTakeOutDouble(decision, values.Hand(), values.Own(), values.Partner(), rightCall, values.m_nTotal,
                            values.m_nHighTotal);
    } else if (partnerCall.IsNoTrump()) {
        RespondToNoTrump(decision, values, partnerCall);
    } else if (partnerCall.IsSuitBid() && partnerCall.GetLevel() == LEVEL_ONE) {
        RespondToOneOfASuit(decision, values, partnerCall, rightCall);
    } else if (!bPartnerIntervened && partnerCall.IsSuitBid() && partnerCall.GetLevel() >= LEVEL_THREE
               && values.Hand().QuickTricks() >= PREEMPT_RAISE_QUICK_TRICKS) {
        // Partner's preempt and three quick tricks here make game; nothing to explain.
        Decide(decision, GameLevel(partnerCall.GetSuit()), partnerCall.GetSuit(), CString());
    }
    return MakeBid(decision);
}

void CBridgeBidder::RespondToNoTrump(SDecision& decision, const SBidValues& values, const CBid& partnerCall) const
{
    const CBidThresholds& thresholds = *m_pThresholds;
    const CHand& hand = values.Hand();
    const int nLevel = std::min(partnerCall.GetLevel(), LEVEL_SIX);
    const int nLimit = thresholds.m_nCombined[COMBINED_NEW_SUIT][nLevel + 1];
    const int nLong = LongestFiveCardSuit(hand);
    const int nNew = values.m_nNewSuit;
    const bool bTwoNoTrump = partnerCall.GetCode() == BID_2NT;

    if (values.m_nTotal >= thresholds.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX] && g_bGerber) {
        AskGerber(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    } else if (!bTwoNoTrump && values.m_nTotal >= nLimit && (nNew == STRAIN_HEARTS || nNew == STRAIN_SPADES)
               && hand.GetSuitLength(nNew) >= FIVE_CARDS) {
        decision.m_nSuit = nNew;
        decision.m_strText = "Alternative suit of 5 or greater length";
        LevelForPoints(values.m_nTotal, values.m_nHighTotal, STRAIN_NOTRUMP, nNew, decision.m_nLevel,
                       decision.m_strText);
    } else if (!bTwoNoTrump || nLong == NO_SUIT) {
        const CBidSummary& left = values.m_summaries[(values.m_nMe + LEFT_OPPONENT) % SEAT_COUNT];
        const CBidSummary& right = values.m_summaries[(values.m_nMe + RIGHT_OPPONENT) % SEAT_COUNT];
        const bool bTheyBidSpades = left.m_nSuitBid[STRAIN_SPADES] != 0 || right.m_nSuitBid[STRAIN_SPADES] != 0;
        if (g_bStayman && partnerCall.GetCode() == BID_1NT
            && values.m_nHighTotal >= thresholds.m_nCombined[COMBINED_NO_TRUMP][LEVEL_THREE]
            && (hand.GetSuitLength(STRAIN_SPADES) >= FOUR_CARDS || hand.GetSuitLength(STRAIN_HEARTS) >= FOUR_CARDS)
            && !bTheyBidSpades) {
            DecideLowest(decision, m_auction, STRAIN_CLUBS, "Stayman, looking for four card majors, points >= 26");
        } else {
            decision.m_nSuit = STRAIN_NOTRUMP;
            NoTrumpContinuation(values.Own(), values.Partner(), partnerCall, values.m_nHighTotal,
                                decision.m_nLevel, decision.m_strText);
        }
    } else if (nLong >= STRAIN_HEARTS) {
        // Over two no trump a major is shown by a transfer from the suit below it.
        Decide(decision, LEVEL_THREE, nLong - 1, "Transfer bid, one below suit wanted");
    } else if (values.m_nTotal < thresholds.m_nCombined[COMBINED_NEW_SUIT][LEVEL_FIVE]) {
        Decide(decision, LEVEL_THREE, STRAIN_DIAMONDS,
               nLong == STRAIN_DIAMONDS
                   ? "Want diamonds lower than five level. Wait for partners transfer to hearts and rebid diamonds"
                   : "Want clubs lower than five level. Wait for partners transfer to hearts and bid clubs");
    } else {
        CString strIgnored;
        LevelForPoints(values.m_nTotal, values.m_nHighTotal, STRAIN_NOTRUMP, nLong, decision.m_nLevel, strIgnored);
        decision.m_nSuit = nLong;
        decision.m_strText = "Prefer to play in suit";
    }
}

void CBridgeBidder::RespondToOneOfASuit(SDecision& decision, const SBidValues& values, const CBid& partnerCall,
                                        const CBid& rightCall) const
{
    const CBidThresholds& t = *m_pThresholds;
    const CHand& hand = values.Hand();
    const int nTheirs = partnerCall.GetSuit();
    const int nNew = values.m_nNewSuit;
    const int nNewLevel = nNew == NO_SUIT ? LEVEL_SEVEN : m_auction.GetLowestLevel(nNew);
    const bool bFit = values.Joint(nTheirs) > FIT_LENGTH;
    const bool bMajor = partnerCall.IsMajor();
    const bool bAbove = !rightCall.IsPassOrDouble() && rightCall.GetSuit() > nNew;
    const int nSupport = (bFit ? hand.SupportPoints(nTheirs) : values.m_nDistribution) + values.PartnerMin();
    const int nTotal = values.m_nTotal;
    // With Swiss a jump to four clubs would be read as Swiss, so clubs open only at the three
    // level are not shown by a jump.
    const bool bJumpShiftOk = nNew != NO_SUIT && !(g_bSwiss && nNew == STRAIN_CLUBS && nNewLevel == LEVEL_THREE);
    const bool bSwiss = g_bSwiss && bMajor && nTotal >= SWISS_MIN_TOTAL && nTotal <= SWISS_MAX_TOTAL
        && hand.GetSuitLength(nTheirs) >= FOUR_CARDS;
    const int nAces = hand.GetAces();
    const int nFitPoints = hand.SupportPoints(nTheirs) + values.PartnerMin();

    // The first row that applies decides.
    if (nSupport >= t.m_nCombined[COMBINED_NEW_SUIT][LEVEL_SIX] && bFit && g_bBlackwood) {
        AskBlackwood(decision.m_nSuit, decision.m_nLevel, decision.m_strText);
    } else if (nTotal >= t.m_nJumpShiftMin + t.m_nJumpShiftMargin && bAbove && bJumpShiftOk) {
        Decide(decision, nNewLevel + 1, nNew, "Game forcing jump bid in alternative suit, points > 31");
    } else if (nTotal >= t.m_nJumpShiftMin && !bAbove && bJumpShiftOk) {
        Decide(decision, nNewLevel + 1, nNew, "Game forcing jump bid in alternative suit, points > 29");
    } else if (bSwiss && nAces == SWISS_DIAMOND_ACES) {
        Decide(decision, LEVEL_FOUR, STRAIN_DIAMONDS, "Swiss, 4 cards in your major, 3 Aces, points 13-15");
    } else if (bSwiss && nAces == SWISS_CLUB_ACES) {
        Decide(decision, LEVEL_FOUR, STRAIN_CLUBS, "Swiss, 4 cards in your major, 2 Aces, points 13-15");
    } else if (bFit && bMajor && nSupport >= t.m_nRaiseMin && nSupport <= t.m_nLimitRaiseMax) {
        decision.m_nSuit = nTheirs;
        FitLevel(nFitPoints, values.m_nHighTotal, nTheirs, nTheirs, decision.m_nLevel, decision.m_strText);
    } else if (nNew != NO_SUIT && nTotal >= t.GetCombined(COMBINED_NEW_SUIT, nNewLevel) - 1
               && (nNewLevel == LEVEL_ONE || hand.GetSuitLength(nNew) >= FIVE_CARDS)) {
        Decide(decision, nNewLevel, nNew,
               nNewLevel == LEVEL_ONE ? "Alternative suit, points > 18"
                                      : "Alternative suit, points > 20 for second level bid");
    } else if (bFit && nSupport >= t.m_nRaiseMin) {
        decision.m_nSuit = nTheirs;
        FitLevel(nFitPoints, values.m_nHighTotal, nTheirs, nTheirs, decision.m_nLevel, decision.m_strText);
    } else if (bMajor && hand.GetSuitLength(nTheirs) > WAITING_BID_MAJOR_LENGTH && hand.HasGoodMinor()
               && nTotal >= t.m_nCombined[COMBINED_NEW_SUIT][LEVEL_TWO]) {
        Decide(decision, LEVEL_TWO, hand.ChooseMinor(), "Waiting bid, weak match for major suit");
    } else if (values.m_nPoints >= t.m_n3NTRespMin && hand.IsBalancedWithStoppers()) {
        Decide(decision, LEVEL_THREE, STRAIN_NOTRUMP, "Limit bid NT dist, pts " + t.Get3NTRespText());
    } else if (values.m_nPoints >= t.m_n2NTRespMin && hand.IsBalancedWithStoppers()) {
        Decide(decision, LEVEL_TWO, STRAIN_NOTRUMP, "Limit bid NT dist, pts " + t.Get2NTRespText());
    } else if (values.m_nPoints >= t.m_n1NTRespMin) {
        Decide(decision, LEVEL_ONE, STRAIN_NOTRUMP,
               "Limit bid, pts " + t.Get1NTRespText() + " or better but couldn't bid a suit and not NT dist");
    }
}
