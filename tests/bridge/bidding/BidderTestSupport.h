#pragma once
// A bidder for the tests of the later stages: hands written as in HandTestSupport.h, auctions
// written as in AuctionText.h, each side's games set directly, and the convention switches
// restored after every test.

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>

#include "bridge/bidding/BridgeBidder.h"
#include "bridge/bidding/Conventions.h"
#include "tests/bridge/bidding/AuctionText.h"
#include "tests/bridge/bidding/HandTestSupport.h"

namespace biddertest {

// A bidder whose hands, auction and games won the test writes directly.
class CScriptedBidder : public CBridgeBidder {
public:
    // Gives nSeat the hand written as in HandTestSupport.h.
    void Deal(int nSeat, const char* szHand)
    {
        const CCardPile pile = handtest::MakeHand(szHand);
        m_pEvaluations[nSeat]->SetCards(&pile);
    }
    void DealPile(int nSeat, const CCardPile& pile) { m_pEvaluations[nSeat]->SetCards(&pile); }
    // Replaces the auction with the calls written in strCalls, the dealer first.
    void SetAuction(int nDealer, const std::string& strCalls)
    {
        m_auction = AuctionFromText(m_pThresholds.get(), nDealer, strCalls);
    }
    // Gives the seat to call the hand and returns that seat.
    int DealNext(const char* szHand)
    {
        const int nSeat = m_auction.GetNextSeat();
        Deal(nSeat, szHand);
        return nSeat;
    }
    void Append(const CBid& bid) { m_auction.m_calls.push_back(bid); }
    const CAuction& Auction() const { return m_auction; }
    const CBidThresholds* Thresholds() const { return m_pThresholds.get(); }
    const CHand& HandOf(int nSeat) const { return *m_pEvaluations[nSeat]; }

    // Games won in the current rubber by North-South (0) and East-West (1).
    int m_nGames[2] = {0, 0};

protected:
    int GetGamesWon(int nSide) const override { return m_nGames[nSide]; }
};

// Keeps every convention switch as it was before the test and turns them all on; tests
// switch off the ones they need.
class CConventionsGuard {
public:
    CConventionsGuard()
    {
        for (size_t i = 0; i < std::size(s_pSwitches); ++i)
            m_bSaved[i] = *s_pSwitches[i];
        SetAll(true);
    }
    ~CConventionsGuard()
    {
        for (size_t i = 0; i < std::size(s_pSwitches); ++i)
            *s_pSwitches[i] = m_bSaved[i];
    }
    CConventionsGuard(const CConventionsGuard&) = delete;
    CConventionsGuard& operator=(const CConventionsGuard&) = delete;

    static void SetAll(bool bOn)
    {
        for (bool* pSwitch : s_pSwitches)
            *pSwitch = bOn;
    }

private:
    static constexpr bool* s_pSwitches[] = {&g_bGSF, &g_bJosephine, &g_bBlackwood, &g_bGerber, &g_bStrongNT,
                                            &g_bStayman, &g_bBaron, &g_bSwiss, &g_bCueBid, &g_bTrialBid};
    bool m_bSaved[std::size(s_pSwitches)] = {};
};

inline void ExpectCall(const CBid& bid, int nCode, const char* szText)
{
    EXPECT_EQ(nCode, bid.GetCode()) << bid.GetText().str() << ": " << bid.GetExplanation().str();
    EXPECT_EQ(std::string(szText), std::string(bid.GetExplanation().str()));
}

// One row of a table test: the auction so far (dealer North), the hand of the seat to call,
// the switch that differs from "all on" (or null), the call and text worked out by hand, and
// whether North-South are vulnerable (East-West never are).
struct SBidCase {
    const char* szAuction;
    const char* szHand;
    bool* pSwitchOff;
    int nCode;
    const char* szText;
    bool bNorthSouthVulnerable = false;
};

// Sets up the case and checks the call ChooseBid makes for the seat to call.
inline void ExpectChosenCall(const SBidCase& c)
{
    CConventionsGuard guard;
    if (c.pSwitchOff)
        *c.pSwitchOff = false;
    CScriptedBidder bidder;
    bidder.SetAuction(0, c.szAuction);
    bidder.m_nGames[0] = c.bNorthSouthVulnerable ? 1 : 0;
    bidder.DealNext(c.szHand);
    ExpectCall(bidder.ChooseBid(), c.nCode, c.szText);
}

inline std::ostream& operator<<(std::ostream& os, const SBidCase& c)
{
    return os << "[" << c.szAuction << "] " << c.szHand;
}

} // namespace biddertest
