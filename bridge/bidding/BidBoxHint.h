#pragma once
// CBidBoxHint: what the bidding box's Hint button asks of the window that runs the box. The
// bridge dialog with the auction answers with its computer bidder's call for the seat to call
// (ChooseBid); tests answer with a call of their own.

#include "bridge/bidding/Bid.h"

class CBidBoxHint {
public:
    virtual ~CBidBoxHint() = default;

    // The call the computer bidder would make for the seat to call, with its explanation.
    virtual CBid GetHintBid() const = 0;

protected:
    CBidBoxHint() = default;
    CBidBoxHint(const CBidBoxHint&) = default;
    CBidBoxHint& operator=(const CBidBoxHint&) = default;
};
