#pragma once
// CBridgeBidder: the computer bidder: legal calls, the opening and the intervening call, the
// shared operations, the responses, the opener's rebid and later calls, the answers to
// partner's conventional calls, and ChooseBid, which picks the routine for the seat to call.

#include <memory>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/Bid.h"
#include "bridge/bidding/BidSummary.h"
#include "bridge/bidding/BidThresholds.h"
#include "bridge/bidding/Hand.h"

// The bridge dialog with the auction (CBidWhistDlg) derives from this class and the bridge
// table, so the bidder's operations are its members; they read nothing of the window beyond
// the data here: the four hand evaluations, the auction, the thresholds, the convention
// switches (g_bStrongNT, g_bStayman, ...) and the side scores, which reach the bidder only
// through GetGamesWon. Every decision is computed afresh from that data, so the same hands,
// auction, vulnerability, thresholds and switches always give the same call and text.
//
// A choosing routine fills an SDecision and hands it to MakeBid, which turns anything that is
// not a legal call into a pass with an empty explanation: the bidder never fails.
class CBridgeBidder {
public:
    // What a choosing routine decided: a strain 0..4 and a 0-based level (-1 for none, a
    // pass), or a double, with the explanation.
    struct SDecision {
        int m_nSuit = -1;
        int m_nLevel = -1;
        bool m_bDouble = false;
        CString m_strText;
    };
    // What the later stages read of the auction and the hand of the seat to call; defined
    // with the bidder's own helpers, which share it.
    struct SBidValues;

    virtual ~CBridgeBidder();
    CBridgeBidder(const CBridgeBidder&) = delete;
    CBridgeBidder& operator=(const CBridgeBidder&) = delete;

    // The legal call for a decision: a double (a redouble over a double) when bDouble is
    // set; a bid when nSuit names a strain whose level is still open and at most seven;
    // otherwise a pass with an empty explanation. Every call carries m_pThresholds.
    CBid MakeBid(bool bDouble, int nLevel, int nSuit, const CString& strText) const;
    CBid MakeBid(const SDecision& decision) const;

    // The first call other than a pass of the auction, for the seat to call.
    CBid OpeningBid() const;
    // The call of the seat to call after one opponent has called and neither partner has.
    CBid InterveningBid() const;

    // True when the seat's side has won exactly one game of the current rubber.
    bool IsVulnerable(int nSeat) const;
    // Fresh summaries of the auction with each seat's vulnerability set.
    void GetBidSummaries(CBidSummary summaries[SEAT_COUNT]) const;

    // The level index that nPoints of the partnership reach with an agreed suit (nSlamPoints
    // decide from the five level up), stopping at game in a major or no trump whose four
    // level is open; appends "points <range>" to strText. nOtherSuit and nSuit are strains.
    void LevelForPoints(int nPoints, int nSlamPoints, int nOtherSuit, int nSuit, int& nLevel,
                        CString& strText) const;
    // LevelForPoints behind the "Match major/minor suit, total length > 7, " prefix.
    void FitLevel(int nPoints, int nSlamPoints, int nOtherSuit, int nSuit, int& nLevel,
                  CString& strText) const;
    // The no trump level for nPoints of the partnership after partner's call, with slam
    // tries and sign-offs; the caller sets the strain to no trump.
    void NoTrumpContinuation(const CBidSummary& own, const CBidSummary& partner,
                             const CBid& partnerCall, int nPoints, int& nLevel,
                             CString& strText) const;
    // The Blackwood ace ask: four no trump.
    void AskBlackwood(int& nSuit, int& nLevel, CString& strText) const;
    // The Gerber ace ask: four clubs.
    void AskGerber(int& nSuit, int& nLevel, CString& strText) const;
    // The next suit after nSuit (cyclically) with first-round control that neither summary
    // has cue-bid, or the agreed suit when none is left; sets nSuit, nLevel (its lowest
    // legal level) and the text, and returns the level.
    int ChooseCueBid(const CBidSummary& first, const CBidSummary& second, int nAgreedSuit,
                     const CHand& hand, int& nSuit, int& nLevel, CString& strText) const;
    // True when the two seats together have bid exactly three different suits.
    bool ThreeSuitsBid(const CBidSummary& first, const CBidSummary& second) const;

    // The call of the seat to call with its explanation, from the routine that fits how far
    // the auction has got for the seat and its partner. Keeps no state; never fails.
    CBid ChooseBid() const;
    // The first call of a seat whose partner has made exactly one call other than a pass;
    // bPartnerIntervened when that call came over the opponents' opening.
    CBid RespondToPartner(bool bPartnerIntervened) const;
    // The second call of the seat that made its side's first call other than a pass.
    CBid OpenerRebid() const;
    // Every other call of a seat that has called before or whose partner has called twice.
    CBid LaterBid() const;
    // The answer to partner's conventional or forcing call, chosen by partner's meaning code:
    // fills decision, or leaves it untouched (a pass) for a code without an answer. The calls
    // are partner's last, the right-hand opponent's, my previous, partner's and my calls before
    // those; nAgreedSuit is the agreed suit or -1.
    void ContinueAuction(SDecision& decision, const CHand& hand, const CBidSummary& own,
                         const CBidSummary& partner, const CBid& partnerCall, const CBid& rightCall,
                         const CBid& myCall, int nAgreedSuit, const CBid& partnerPrevious,
                         const CBid& myPrevious) const;
    // My best new suit: the longest biddable suit that neither summary of my side has bid and
    // no opponent has named, the higher on equal lengths; -1 when none.
    int BestNewSuit(const CHand& hand, const CBidSummary& own, const CBidSummary& partner) const;
    // The answer to partner's take-out double of the call three places back (five when that is
    // a pass after more than four calls), after rightCall; nTotal and nHighTotal are the
    // partnership's points counted with and without distribution.
    void AnswerTakeOutDouble(SDecision& decision, const CHand& hand, const CBidSummary& own,
                             const CBidSummary& partner, const CBid& rightCall, int nTotal,
                             int nHighTotal) const;

protected:
    // Four hands without cards, an empty auction and the default thresholds.
    CBridgeBidder();

    // Games the side (0 North/South, 1 East/West) has won in the current rubber.
    virtual int GetGamesWon(int nSide) const = 0;

    // The evaluation of the seat to call.
    const CHand& MyHand() const;

    // The hand evaluations by seat, refilled with CHand::SetCards before every auction.
    std::unique_ptr<CHand> m_pEvaluations[SEAT_COUNT];
    // The calls of the current deal.
    CAuction m_auction;
    // The bidding system's point ranges; every call made here points to them.
    std::unique_ptr<CBidThresholds> m_pThresholds;

private:
    void DecideOneLevelOpening(SDecision& decision) const;
    void DecideTwoOpener(SDecision& decision) const;

    // The summaries, points and best new suit of the seat to call.
    void GetBidValues(SBidValues& values) const;
    // The call nFromEnd places before the end of the auction (1 the last); a pass before it.
    CBid GetCallFromEnd(int nFromEnd) const;

    void RespondToNoTrump(SDecision& decision, const SBidValues& values, const CBid& partnerCall) const;
    void RespondToOneOfASuit(SDecision& decision, const SBidValues& values, const CBid& partnerCall,
                             const CBid& rightCall) const;

    void RebidAfterNoTrump(SDecision& decision, const SBidValues& values) const;
    void RebidAfterRaise(SDecision& decision, const SBidValues& values) const;
    void RebidAfterNoTrumpResponse(SDecision& decision, const SBidValues& values) const;
    void RebidAfterNewSuit(SDecision& decision, const SBidValues& values) const;
    void RebidAfterNewSuitOtherwise(SDecision& decision, const SBidValues& values) const;
    void RebidUncontested(SDecision& decision, const SBidValues& values) const;

    void SlamTryOrFit(SDecision& decision, const SBidValues& values, int nCueSuit, bool bCueShape,
                      bool bBlackwood, int nSupport, int nFitSuit) const;
    bool LaterBidWithFit(SDecision& decision, const SBidValues& values) const;
    void LaterBidWithoutFit(SDecision& decision, const SBidValues& values) const;
    void LaterBidOverNoTrump(SDecision& decision, const SBidValues& values) const;
    void KeepForcingAuctionOpen(SDecision& decision, const SBidValues& values) const;
};
