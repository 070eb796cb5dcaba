// The whole computer bidder: how many complete auctions per second ChooseBid can bid.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bridge/bidding/BridgeBidder.h"
#include "tests/bridge/bidding/HandTestSupport.h"

namespace {

constexpr int DEAL_COUNT = 64;
constexpr int FIRST_GAME_NUMBER = 3000;
// An auction that runs longer than this has gone wrong; the bench stops it there.
constexpr int MAX_CALLS = 60;

// A bidder with fixed side scores holding one shuffled deal.
class CBenchBidder : public CBridgeBidder {
public:
    void Deal(int nSeat, const CCardPile& hand) { m_pEvaluations[nSeat]->SetCards(&hand); }
    // Bids the deal from an empty auction to its end and returns the number of calls.
    int BidDeal(int nDealer)
    {
        m_auction.RemoveAll();
        m_auction.SetDealer(nDealer);
        while (!m_auction.IsFinished() && m_auction.GetSize() < MAX_CALLS)
            m_auction.m_calls.push_back(ChooseBid());
        return m_auction.GetSize();
    }

protected:
    int GetGamesWon(int) const override { return 0; }
};

// Each of DEAL_COUNT bidders holds one deal, so the timed loop is the bidding alone.
void BM_ChooseBidWholeAuction(benchmark::State& state)
{
    // The first shuffle of a run seeds from the clock; spend it before fixing the game numbers.
    CCardPile spent = handtest::MakeBridgeDeck();
    spent.Shuffle();
    std::vector<std::unique_ptr<CBenchBidder>> bidders;
    for (int i = 0; i < DEAL_COUNT; ++i) {
        CCardPile deck = handtest::MakeBridgeDeck();
        CCardPile::SetGameNumber(FIRST_GAME_NUMBER + i);
        deck.Shuffle();
        bidders.push_back(std::make_unique<CBenchBidder>());
        for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
            CCardPile hand;
            deck.MoveTopTo(RANKS_PER_SUIT, hand);
            bidders.back()->Deal(nSeat, hand);
        }
    }
    size_t i = 0;
    int64_t nCalls = 0;
    for (auto _ : state) {
        const size_t nDeal = i++ % bidders.size();
        nCalls += bidders[nDeal]->BidDeal(static_cast<int>(nDeal % SEAT_COUNT));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["calls"] = benchmark::Counter(static_cast<double>(nCalls), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ChooseBidWholeAuction);

} // namespace
