// The defender engine: the table builds one for every defender's card, analyses the deal so
// far and asks it for the card. Measured on the opening lead after an auction (the lead
// choice asks the auction about bid suits several times) and on a card in mid-play.
// Goal: one defender card under 50 us.

#include <benchmark/benchmark.h>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidThresholds.h"
#include "bridge/play/whistdefend.h"
#include "tests/support/BridgeCards.h"

namespace {

using namespace bridgecards;

// Four spades by South: level 4 counted from 0.
constexpr int FOUR_LEVEL = 3;

// Four spades by South after 1S P 2S 3H 4S and three passes; dummy North is open.
class CDefendDeal {
public:
    CDefendDeal()
    {
        AddCards(m_west, "AS 5S 2S 7D 8H 4H QC 9C 8C 6C 5C 4C 3C", SPADES);
        AddCards(m_east, "3S AH KH QH TH 6H 2H AD 9D 6D KC JC 2C", SPADES);
        AddCards(m_north, "KS 9S 7S 4S JH 7H 5H KD QD 5D 3D AC 7C", SPADES);
        m_auction.SetDealer(SOUTH);
        m_auction.AddBid(&m_thresholds, 0, SPADES, "");
        m_auction.AddPass(&m_thresholds, "");
        m_auction.AddBid(&m_thresholds, 1, SPADES, "");
        m_auction.AddBid(&m_thresholds, 2, HEARTS, "");
        m_auction.AddBid(&m_thresholds, FOUR_LEVEL, SPADES, "");
        for (int i = 0; i < 3; ++i)
            m_auction.AddPass(&m_thresholds, "");
        m_trick.SetTrumps(SPADES);
        m_trick.SetLeader(WEST);
    }
    CDefendDeal(const CDefendDeal&) = delete;
    CDefendDeal& operator=(const CDefendDeal&) = delete;

    // Plays three tricks and opens the fourth: West's diamond, won by East's ace; East's
    // hearts twice, West ruffing the second; West leads a club and dummy plays low.
    void PlayOn()
    {
        Play(WEST, "7D 3D AD JD");
        Play(EAST, "AH 9H 8H 5H");
        Play(EAST, "KH 3H 2S 7H");
        m_trick = Trick(WEST, "QC 7C", SPADES);
        TakeFromHands(m_trick);
    }

    CCard ChooseCard(int nSeat)
    {
        CCardPile* pHand = nSeat == WEST ? &m_west : &m_east;
        CWhistDefend engine(nSeat, NORTH, SPADES, FOUR_LEVEL, pHand, &m_north, &m_tricks.m_tricks, &m_trick,
                            &m_auction, nullptr);
        engine.Analyse();
        return engine.ChooseCard();
    }

private:
    void Play(int nLeader, const std::string& strCards)
    {
        m_tricks.Add(nLeader, strCards, SPADES);
        TakeFromHands(Pile(strCards, SPADES));
    }

    // Takes the played cards out of whichever hand this bench tracks.
    void TakeFromHands(const CCardPile& played)
    {
        for (const CCard& card : played.m_cards) {
            for (CCardPile* pHand : {&m_west, &m_east, &m_north}) {
                if (pHand->Contains(card))
                    pHand->RemoveCard(card);
            }
        }
    }

    CCardPile m_west;
    CCardPile m_east;
    CCardPile m_north;
    CTrickList m_tricks;
    CTrick m_trick;
    CBidThresholds m_thresholds;
    CAuction m_auction;
};

void BM_OpeningLead(benchmark::State& state)
{
    CDefendDeal deal;
    for (auto _ : state)
        benchmark::DoNotOptimize(deal.ChooseCard(WEST));
}
BENCHMARK(BM_OpeningLead)->Unit(benchmark::kMicrosecond);

void BM_ThirdHandInMidPlay(benchmark::State& state)
{
    CDefendDeal deal;
    deal.PlayOn();
    for (auto _ : state)
        benchmark::DoNotOptimize(deal.ChooseCard(EAST));
}
BENCHMARK(BM_ThirdHandInMidPlay)->Unit(benchmark::kMicrosecond);

} // namespace
