#pragma once
// Builds auctions for the tests from text such as "1H P 2NT X XX": P a pass, X a double,
// XX a redouble, a level and C, D, H, S or NT a bid; and finds a call's bidding-box button.

#include <sstream>
#include <string>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidThresholds.h"
#include "resources/BiddingTemplate.h"

// The code of one call written as text; fails the test on an unknown word.
inline int CallCodeFromText(const std::string& strCall)
{
    if (strCall == "P")
        return BID_NOBID;
    if (strCall == "X")
        return BID_DOUBLE;
    if (strCall == "XX")
        return BID_REDOUBLE;
    static const char* const s_szStrains[STRAIN_COUNT] = {"C", "D", "H", "S", "NT"};
    const int nLevel = strCall[0] - '1';
    for (int nStrain = 0; nStrain < STRAIN_COUNT; ++nStrain) {
        if (strCall.substr(1) == s_szStrains[nStrain])
            return nLevel * BID_STRAIN_STEP + nStrain + 1;
    }
    ADD_FAILURE() << "unknown call " << strCall;
    return BID_NOBID;
}

// The bidding box's button for a call.
inline UINT ButtonOf(int nCode)
{
    switch (nCode) {
    case BID_NOBID:
        return IDC_BID_NOBID;
    case BID_DOUBLE:
        return IDC_BID_DOUBLE;
    case BID_REDOUBLE:
        return IDC_BID_REDOUBLE;
    default:
        return IDC_BID_FIRST + nCode - 1;
    }
}

// An auction of the given calls, each carrying pThresholds.
inline CAuction AuctionFromText(const CBidThresholds* pThresholds, int nDealer, const std::string& strCalls)
{
    CAuction auction;
    auction.SetDealer(nDealer);
    std::istringstream stream(strCalls);
    std::string strCall;
    while (stream >> strCall)
        auction.m_calls.push_back(CBid(pThresholds, CallCodeFromText(strCall), CString()));
    return auction;
}
