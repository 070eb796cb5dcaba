// The computer bidder's opening decision: how many per second one seat can make.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bridge/bidding/BridgeBidder.h"
#include "tests/bridge/bidding/HandTestSupport.h"

namespace {

constexpr int DEAL_COUNT = 64;
constexpr int FIRST_GAME_NUMBER = 2000;

// A bidder with fixed side scores whose dealer holds a shuffled hand.
class CBenchBidder : public CBridgeBidder {
public:
    void Deal(const CCardPile& hand) { m_pEvaluations[m_auction.GetNextSeat()]->SetCards(&hand); }

protected:
    int GetGamesWon(int) const override { return 0; }
};

// Each of DEAL_COUNT bidders holds one shuffled hand for the dealer, so the timed loop is
// the decision alone.
void BM_OpeningBid(benchmark::State& state)
{
    CCardPile::SetGameNumber(FIRST_GAME_NUMBER);
    std::vector<std::unique_ptr<CBenchBidder>> bidders;
    for (int i = 0; i < DEAL_COUNT; ++i) {
        CCardPile deck = handtest::MakeBridgeDeck();
        deck.Shuffle();
        CCardPile hand;
        deck.MoveTopTo(RANKS_PER_SUIT, hand);
        bidders.push_back(std::make_unique<CBenchBidder>());
        bidders.back()->Deal(hand);
    }
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bidders[i++ % bidders.size()]->OpeningBid());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OpeningBid);

} // namespace
