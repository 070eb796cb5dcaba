#include "bridge/bidding/Auction.h"

#include "bridge/bidding/BidSummary.h"

#include <algorithm>

namespace {

// An auction ends with three passes after at least four calls.
constexpr int FINISHING_PASSES = 3;
constexpr int MIN_FINISHED_CALLS = 4;

// A seat that passes before the opening has shown less than an opening bid.
constexpr int PASSED_HAND_MAX_POINTS = 12;

// Calls of one partnership are two apart; one round of the auction is four calls.
constexpr int PARTNER_STEP = 2;
constexpr int ROUND = 4;
// The first call that InferLaterBid reads, counted from the side's first call.
constexpr int FIRST_LATER_CALL = 8;
// A first action at this index, after an opening and two passes, is made in the pass-out seat.
constexpr int BALANCING_CALL = 3;

} // namespace

void CAuction::AddBid(const CBidThresholds* pThresholds, int nLevel, int nStrain,
                      const CString& strExplanation)
{
    m_calls.push_back(CBid(pThresholds, nLevel, nStrain, strExplanation));
}

void CAuction::AddPass(const CBidThresholds* pThresholds, const CString& strExplanation)
{
    CBid bid = g_bidNoBid;
    bid.SetThresholds(pThresholds);
    bid.SetExplanation(strExplanation);
    m_calls.push_back(bid);
}

void CAuction::AddDouble(const CBidThresholds* pThresholds, const CString& strExplanation)
{
    const CBid* pLast = GetLastAction();
    CBid bid = (pLast && pLast->IsDouble()) ? g_bidRedouble : g_bidDouble;
    bid.SetThresholds(pThresholds);
    bid.SetExplanation(strExplanation);
    m_calls.push_back(bid);
}

int CAuction::GetLastActionIndex() const
{
    for (int i = GetSize() - 1; i >= 0; --i) {
        if (!m_calls[i].IsNoBid())
            return i;
    }
    return -1;
}

const CBid* CAuction::GetLastAction() const
{
    const int nLast = GetLastActionIndex();
    return nLast >= 0 ? &m_calls[nLast] : nullptr;
}

CBid CAuction::GetHighestBid() const
{
    CBid best = g_bidNoBid;
    for (const CBid& call : m_calls) {
        if (call > best)
            best = call;
    }
    return best;
}

int CAuction::GetHighestBidder() const
{
    CBid best = g_bidNoBid;
    int nSeat = 0;
    for (int i = 0; i < GetSize(); ++i) {
        if (m_calls[i] > best) {
            best = m_calls[i];
            nSeat = GetSeatOfCall(i);
        }
    }
    return nSeat;
}

BOOL CAuction::IsFinished() const
{
    int nSize = GetSize();
    if (nSize < MIN_FINISHED_CALLS)
        return FALSE;
    for (int i = nSize - FINISHING_PASSES; i < nSize; ++i) {
        if (!m_calls[i].IsNoBid())
            return FALSE;
    }
    return TRUE;
}

int CAuction::GetLowestLevel(int nStrain) const
{
    CBid highest = GetHighestBid();
    int nLevel = std::min(highest.GetLevel() - 1, BID_LEVEL_COUNT);
    while (nLevel < BID_LEVEL_COUNT && CBid(nullptr, nLevel, nStrain, CString()) <= highest)
        ++nLevel;
    return nLevel;
}

int CAuction::GetDeclarer(int nStrain, int nSide) const
{
    int nSeat = -1;
    for (int i = 0; i < GetSize(); ++i) {
        nSeat = GetSeatOfCall(i);
        if (m_calls[i].GetSuit() == nStrain && (nSeat & 1) == nSide)
            return nSeat;
    }
    return nSeat;
}

BOOL CAuction::HasSideBidSuit(int nStrain, int nSide) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (m_calls[i].GetCode() > BID_NOBID && m_calls[i].GetSuit() == nStrain
            && (GetSeatOfCall(i) & 1) == nSide)
            return TRUE;
    }
    return FALSE;
}

BOOL CAuction::HasSideBid(int nSide) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (!m_calls[i].IsNoBid() && (GetSeatOfCall(i) & 1) == nSide)
            return TRUE;
    }
    return FALSE;
}

CBid CAuction::GetNthCall(int n, int nSeat) const
{
    int nFound = 0;
    for (int i = 0; i < GetSize(); ++i) {
        if (GetSeatOfCall(i) == nSeat && !m_calls[i].IsNoBid() && ++nFound == n)
            return m_calls[i];
    }
    return g_bidNoBid;
}

CBid CAuction::GetNthLastCall(int n, int nSeat) const
{
    int nFound = 0;
    for (int i = GetSize() - 1; i >= 0; --i) {
        if (GetSeatOfCall(i) == nSeat && !m_calls[i].IsNoBid() && ++nFound == n)
            return m_calls[i];
    }
    return g_bidNoBid;
}

BOOL CAuction::IsDoubled() const
{
    const CBid* pLast = GetLastAction();
    return pLast && pLast->IsDouble();
}

BOOL CAuction::IsRedoubled() const
{
    const CBid* pLast = GetLastAction();
    return pLast && pLast->IsRedouble();
}

int CAuction::FindOpening() const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (!m_calls[i].IsNoBid())
            return i;
    }
    return -1;
}

void CAuction::Summarise(CBidSummary summaries[SEAT_COUNT]) const
{
    const int nSize = GetSize();
    const int o = FindOpening();
    const int nPasses = o < 0 ? nSize : o;
    for (int i = 0; i < nPasses; ++i)
        summaries[GetSeatOfCall(i)].m_nMaxPoints = PASSED_HAND_MAX_POINTS;

    if (o >= 0) {
        CBidSummary& opener = summaries[GetSeatOfCall(o)];
        CBidSummary& responder = summaries[GetSeatOfCall(o + PARTNER_STEP)];
        m_calls[o].InferOpening(opener);
        if (o + 2 < nSize)
            m_calls[o + 2].InferResponse(0, responder, opener, m_calls[o], m_calls[o + 1]);
        if (o + 4 < nSize)
            m_calls[o + 4].InferOpenerRebid(opener, responder, m_calls[o], m_calls[o + 2], m_calls[o + 3]);
        if (o + 6 < nSize)
            m_calls[o + 6].InferResponderRebid(responder, opener, m_calls[o], m_calls[o + 2],
                                               m_calls[o + 4], m_calls[o + 5]);
        SummariseLaterCalls(summaries, o);
    }
    SummariseDefenders(summaries);
}

void CAuction::SummariseDefenders(CBidSummary summaries[SEAT_COUNT]) const
{
    const int nSize = GetSize();
    const int o = FindOpening();
    if (o < 0)
        return;
    const int nOpeningSide = GetSeatOfCall(o) & 1;
    int i = o + 1;
    while (i < nSize && ((GetSeatOfCall(i) & 1) == nOpeningSide || m_calls[i].IsNoBid()))
        ++i;
    if (i >= nSize || i >= o + ROUND)
        return;

    CBidSummary& overcaller = summaries[GetSeatOfCall(i)];
    CBidSummary& advancer = summaries[GetSeatOfCall(i + PARTNER_STEP)];
    const BOOL bBalancing = i == BALANCING_CALL && m_calls[BALANCING_CALL - 2].IsNoBid()
                            && m_calls[BALANCING_CALL - 1].IsNoBid();
    const CBid& previous = m_calls[i - 1].IsNoBid() ? m_calls[o] : m_calls[i - 1];
    m_calls[i].InferOvercall(overcaller, previous, bBalancing);
    if (i + 2 < nSize)
        m_calls[i + 2].InferResponse(1, advancer, overcaller, m_calls[i], m_calls[i + 1]);
    if (i + 4 < nSize)
        m_calls[i + 4].InferOpenerRebid(overcaller, advancer, m_calls[i], m_calls[i + 2], m_calls[i + 3]);
    if (i + 6 < nSize)
        m_calls[i + 6].InferResponderRebid(advancer, overcaller, m_calls[i], m_calls[i + 2],
                                           m_calls[i + 4], m_calls[i + 5]);
    SummariseLaterCalls(summaries, i);
}

void CAuction::SummariseLaterCalls(CBidSummary summaries[SEAT_COUNT], int nFirst) const
{
    for (int k = FIRST_LATER_CALL; nFirst + k < GetSize(); k += PARTNER_STEP) {
        const int nCall = nFirst + k;
        CBidSummary& own = summaries[GetSeatOfCall(nCall)];
        const CBidSummary& partner = summaries[GetSeatOfCall(nCall + PARTNER_STEP)];
        m_calls[nCall].InferLaterBid(own, partner, m_calls[nCall - 6], m_calls[nCall - 4],
                                     m_calls[nCall - 2], m_calls[nCall - 1]);
    }
}
