#pragma once
// The calls of one deal in the order made, with the seat that made the first call.

#include <vector>

#include "bridge/bidding/Bid.h"

class CBidSummary;

constexpr int SEAT_COUNT = 4;

// CAuction answers whose turn it is, the contract, its declarer, doubled or redoubled, the
// lowest level still open to a strain and whether the auction is over. The call at index i
// was made by seat (dealer + i) & 3; the side of a seat is seat & 1. No operation checks
// that a call is legal: the bidding box and the bidder offer and make only legal calls.
class CAuction {
public:
    CAuction() : m_nDealer(0) {}

    // Appends the contract bid of 0-based level nLevel in strain nStrain.
    void AddBid(const CBidThresholds* pThresholds, int nLevel, int nStrain, const CString& strExplanation);
    void AddPass(const CBidThresholds* pThresholds, const CString& strExplanation);
    // Appends a double, or a redouble when the last call other than a pass is a double.
    void AddDouble(const CBidThresholds* pThresholds, const CString& strExplanation);
    // Empties the calls; the dealer stays.
    void RemoveAll() { m_calls.clear(); }

    void SetDealer(int nSeat) { m_nDealer = nSeat; }
    int GetDealer() const { return m_nDealer; }
    int GetSize() const { return static_cast<int>(m_calls.size()); }
    // The seat that made call nIndex (0-based).
    int GetSeatOfCall(int nIndex) const { return (m_nDealer + nIndex) & (SEAT_COUNT - 1); }
    // The seat to call next.
    int GetNextSeat() const { return GetSeatOfCall(GetSize()); }

    // The call with the largest code (the contract); a bare pass when no bid was made.
    CBid GetHighestBid() const;
    // The seat of GetHighestBid; 0 when no bid was made.
    int GetHighestBidder() const;
    // True after at least four calls of which the last three are passes.
    BOOL IsFinished() const;
    // The lowest 0-based level at which nStrain outbids the highest bid; 7 when none can.
    int GetLowestLevel(int nStrain) const;
    // The first seat of nSide to have bid nStrain. Without a match, the seat of the last
    // call (-1 for an empty auction).
    int GetDeclarer(int nStrain, int nSide) const;
    BOOL HasSideBidSuit(int nStrain, int nSide) const;
    // True when a seat of nSide made any call other than a pass (a double counts).
    BOOL HasSideBid(int nSide) const;
    // The n-th (1-based) call other than a pass by nSeat, from the start; a pass when fewer.
    CBid GetNthCall(int n, int nSeat) const;
    // The n-th (1-based) call other than a pass by nSeat, counted back from the last call.
    CBid GetNthLastCall(int n, int nSeat) const;
    // Index of the last call other than a pass, or -1.
    int GetLastActionIndex() const;
    // The last call other than a pass is a double / a redouble.
    BOOL IsDoubled() const;
    BOOL IsRedoubled() const;

    // Fills four summaries indexed by seat from the whole auction, first for the side that
    // opened, then (SummariseDefenders) for the other side. The summaries are not reset.
    void Summarise(CBidSummary summaries[SEAT_COUNT]) const;
    void SummariseDefenders(CBidSummary summaries[SEAT_COUNT]) const;

    // The calls in the order made; only ever appended to.
    std::vector<CBid> m_calls;

private:
    // The last call other than a pass, or null.
    const CBid* GetLastAction() const;
    // Index of the first call that is not a pass, or -1.
    int FindOpening() const;
    // Applies InferLaterBid to the calls of one side from nFirst + 8 on (nFirst: the side's
    // first call), each read against the calls six, four, two and one before it.
    void SummariseLaterCalls(CBidSummary summaries[SEAT_COUNT], int nFirst) const;

    int m_nDealer;
};
