// Hand evaluation: splitting a dealt hand into suits and answering what the bidder asks.

#include <benchmark/benchmark.h>

#include <vector>

#include "bridge/bidding/Hand.h"
#include "cardtable/PileGroup.h"
#include "tests/bridge/bidding/HandTestSupport.h"

namespace {

constexpr int DEAL_COUNT = 64;
constexpr int FIRST_GAME_NUMBER = 1000;

// North's hands of DEAL_COUNT fixed deals.
std::vector<CCardPile> DealHands()
{
    std::vector<CCardPile> hands;
    CCardPile::SetGameNumber(FIRST_GAME_NUMBER);
    for (int i = 0; i < DEAL_COUNT; ++i) {
        CCardPile deck = handtest::MakeBridgeDeck();
        deck.Shuffle();
        CCardPile north;
        deck.MoveTopTo(RANKS_PER_SUIT, north);
        hands.push_back(north);
    }
    return hands;
}

void BM_SetCards(benchmark::State& state)
{
    const std::vector<CCardPile> hands = DealHands();
    CHand hand;
    size_t i = 0;
    for (auto _ : state) {
        hand.SetCards(&hands[i++ % hands.size()]);
        benchmark::DoNotOptimize(hand.GetLongestSuit());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetCards);

// SetCards and every whole-hand evaluation the opening call reads.
void BM_EvaluateForOpening(benchmark::State& state)
{
    const std::vector<CCardPile> hands = DealHands();
    CHand hand;
    size_t i = 0;
    for (auto _ : state) {
        hand.SetCards(&hands[i++ % hands.size()]);
        benchmark::DoNotOptimize(hand.QuickTricks());
        benchmark::DoNotOptimize(hand.PlayingTricks());
        benchmark::DoNotOptimize(hand.IsBalancedWithStoppers());
        benchmark::DoNotOptimize(hand.DistributionPoints(0));
        benchmark::DoNotOptimize(hand.HasRebid());
        benchmark::DoNotOptimize(hand.ChooseMinor());
        benchmark::DoNotOptimize(hand.IsTwoOpener(23));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateForOpening);

} // namespace
