// The bidder's entry: which routine chooses the call of the seat to call.

#include "bridge/bidding/BidderSupport.h"

using namespace bidder;

CBid CBridgeBidder::ChooseBid() const
{
    const int nMe = m_auction.GetNextSeat();
    const int nPartner = (nMe + PARTNER) % SEAT_COUNT;
    int nActions[SEAT_COUNT] = {0, 0, 0, 0};
    int nTotalActions = 0;
    int nOpeningSide = -1;
    int nFirstOfMySide = -1;
    // Doubles and redoubles count as actions like bids.
    for (int i = 0; i < m_auction.GetSize(); ++i) {
        if (m_auction.m_calls[i].IsNoBid())
            continue;
        const int nSeat = m_auction.GetSeatOfCall(i);
        ++nActions[nSeat];
        ++nTotalActions;
        if (nOpeningSide < 0)
            nOpeningSide = nSeat & 1;
        if (nFirstOfMySide < 0 && (nSeat & 1) == (nMe & 1))
            nFirstOfMySide = nSeat;
    }

    if (nTotalActions == 0)
        return OpeningBid();
    if (nActions[nMe] == 0 && nActions[nPartner] == 0) {
        if (nActions[(nMe + LEFT_OPPONENT) % SEAT_COUNT] == 1 || nActions[(nMe + RIGHT_OPPONENT) % SEAT_COUNT] == 1)
            return InterveningBid();
        return MakeBid(SDecision());
    }
    if (nActions[nMe] == 0 && nActions[nPartner] == 1)
        return RespondToPartner(nOpeningSide != (nMe & 1));
    if (nActions[nMe] == 1 && nFirstOfMySide == nMe)
        return OpenerRebid();
    return LaterBid();
}
