// The play-engine base: every computer card builds an engine and runs Analyse once, so both
// are measured on a position in the middle of a deal played after an auction.
// Goal: Analyse under 20 us.

#include <benchmark/benchmark.h>

#include "bridge/bidding/Auction.h"
#include "bridge/play/WhistBase.h"
#include "tests/support/BridgeCards.h"
#include "tests/support/CTwoHeartsMidDeal.h"

namespace {

using namespace bridgecards;

// A defender that sees its own hand and dummy's, as the table's defender engine does.
class CBenchEngine : public CWhistBase {
public:
    CBenchEngine(int nSeat, CCardPile* pHand, const CCardPile* pDummy, CPileGroup* pTricks,
                 CTrick* pTrick, CAuction* pAuction)
        : CWhistBase(nSeat, SOUTH, HEARTS, 1, pHand, pTricks, pTrick, pAuction, nullptr)
        , m_pDummy(pDummy)
    {
    }

    void SetVisibleHands() override
    {
        SetKnownHand(m_nSeat, *m_pHand);
        SetKnownHand(m_nDummy, *m_pDummy);
    }
    CCard PlayLead() override { return LowestInSuit(SPADES); }
    CCard PlaySecond() override { return LowestInSuit(SPADES); }
    CCard PlayThird() override { return LowestInSuit(SPADES); }
    CCard PlayFourth() override { return LowestInSuit(SPADES); }

private:
    const CCardPile* m_pDummy;
};

// West to play to the sixth trick of two hearts by North, seeing dummy South.
CBenchEngine MakeEngine(CTwoHeartsMidDeal& deal)
{
    return CBenchEngine(WEST, &deal.m_west, &deal.m_south, &deal.m_tricks.m_tricks, &deal.m_trick,
                        &deal.m_auction);
}

void BM_BuildEngine(benchmark::State& state)
{
    CTwoHeartsMidDeal deal;
    for (auto _ : state) {
        CBenchEngine engine = MakeEngine(deal);
        benchmark::DoNotOptimize(engine.GetTricksWon());
    }
}
BENCHMARK(BM_BuildEngine)->Unit(benchmark::kMicrosecond);

// Build and Analyse together: the cost of one computer card before its decision. The cost of
// Analyse alone is this less BM_BuildEngine.
void BM_BuildAndAnalyse(benchmark::State& state)
{
    CTwoHeartsMidDeal deal;
    for (auto _ : state) {
        CBenchEngine engine = MakeEngine(deal);
        engine.Analyse();
        benchmark::DoNotOptimize(engine.GetEstimate(NORTH).GetMaxLength(HEARTS));
    }
}
BENCHMARK(BM_BuildAndAnalyse)->Unit(benchmark::kMicrosecond);

} // namespace
