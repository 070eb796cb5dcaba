// The defender engine: the table builds one for every defender's card, analyses the deal so
// far and asks it for the card. Measured on the opening lead after an auction (the lead
// choice asks the auction about bid suits several times) and on a card in mid-play.
// Goal: one defender card under 50 us.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidThresholds.h"
#include "bridge/play/whistdefend.h"

namespace {

constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;
constexpr int HEARTS = 2;
constexpr int SPADES = 3;
// Four spades by South: level 4 counted from 0.
constexpr int FOUR_LEVEL = 3;

CCard MakeCard(const std::string& strName, int nTrumps)
{
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CDHS";
    const int nRank = static_cast<int>(ranks.find(strName[0])) + 1;
    const int nSuit = static_cast<int>(suits.find(strName[1]));
    const int nOrder = nRank == RANK_ACE ? ORDER_ACE : nRank - 1;
    const int nPoints = nRank == RANK_ACE ? 4 : (nRank >= RANK_JACK ? nRank - RANK_TEN : 0);
    return CCard(nRank, nSuit, nOrder + (nSuit == nTrumps ? TRUMP_BONUS : 0), nPoints);
}

void AddCards(CCardPile& pile, const std::string& strNames, int nTrumps)
{
    std::istringstream names(strNames);
    std::string strName;
    while (names >> strName)
        pile.AddCard(MakeCard(strName, nTrumps));
}

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
    ~CDefendDeal() { m_tricks.DeleteAll(); }
    CDefendDeal(const CDefendDeal&) = delete;
    CDefendDeal& operator=(const CDefendDeal&) = delete;

    // Plays three tricks and opens the fourth: West's diamond, won by East's ace; East's
    // hearts twice, West ruffing the second; West leads a club and dummy plays low.
    void PlayOn()
    {
        Play(WEST, "7D 3D AD JD");
        Play(EAST, "AH 9H 8H 5H");
        Play(EAST, "KH 3H 2S 7H");
        m_trick.SetLeader(WEST);
        for (const char* szCard : {"QC", "7C"})
            Move(szCard, m_trick);
    }

    CCard ChooseCard(int nSeat)
    {
        CCardPile* pHand = nSeat == WEST ? &m_west : &m_east;
        CWhistDefend engine(nSeat, NORTH, SPADES, FOUR_LEVEL, pHand, &m_north, &m_tricks, &m_trick,
                            &m_auction, nullptr);
        engine.Analyse();
        return engine.ChooseCard();
    }

private:
    void Play(int nLeader, const std::string& strCards)
    {
        CTrick* pTrick = new CTrick;
        pTrick->SetLeader(nLeader);
        pTrick->SetTrumps(SPADES);
        std::istringstream names(strCards);
        std::string strName;
        while (names >> strName)
            Move(strName, *pTrick);
        m_tricks.Add(pTrick);
    }

    // Takes the card out of whichever hand this bench tracks and adds it to dest.
    void Move(const std::string& strName, CCardPile& dest)
    {
        const CCard card = MakeCard(strName, SPADES);
        for (CCardPile* pHand : {&m_west, &m_east, &m_north}) {
            if (pHand->Contains(card))
                pHand->RemoveCard(card);
        }
        dest.AddCard(card);
    }

    CCardPile m_west;
    CCardPile m_east;
    CCardPile m_north;
    CPileGroup m_tricks;
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
