// Summarising a whole auction into four seat summaries: the bidder does it before every
// computer call and the play engines before every card, so it has to stay cheap (goal:
// under 5 microseconds for twelve calls).

#include <benchmark/benchmark.h>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidSummary.h"
#include "bridge/bidding/BidThresholds.h"

namespace {

// 1S (2H) 3S (P) 4NT (P) 5H (P) 6S (P) P P: an overcall, a raise, Blackwood and the answer.
const int s_nTwelveCalls[] = {BID_1S, BID_2H, BID_3S, BID_NOBID, BID_4NT, BID_NOBID,
                              BID_5H, BID_NOBID, BID_6S, BID_NOBID, BID_NOBID, BID_NOBID};

void BM_SummariseTwelveCalls(benchmark::State& state)
{
    CBidThresholds thresholds;
    CAuction auction;
    auction.SetDealer(1);
    for (int nCode : s_nTwelveCalls)
        auction.m_calls.push_back(CBid(&thresholds, nCode, "explained"));
    for (auto _ : state) {
        CBidSummary summaries[SEAT_COUNT];
        auction.Summarise(summaries);
        benchmark::DoNotOptimize(summaries);
    }
}
BENCHMARK(BM_SummariseTwelveCalls);

} // namespace
