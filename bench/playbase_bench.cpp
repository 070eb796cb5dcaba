// The play-engine base: every computer card builds an engine and runs Analyse once, so both
// are measured on a position in the middle of a deal played after an auction.
// Goal: Analyse under 20 us.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidThresholds.h"
#include "bridge/play/WhistBase.h"

namespace {

constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;
constexpr int HEARTS = 2;
constexpr int SPADES = 3;

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

// Two hearts by North after 1H 1S 2H and three passes; five tricks played, East has led to
// the sixth and South (dummy) followed; West is to play.
class CMidDeal {
public:
    CMidDeal()
    {
        const struct {
            int nLeader;
            const char* szCards;
        } tricks[] = {{EAST, "KS 2S 5S AS"}, {NORTH, "AH 2H 3H 4H"}, {NORTH, "QH 8H 7H 6H"},
                      {NORTH, "7C 3C JC AC"}, {WEST, "7D 2D AD 5D"}};
        for (const auto& trick : tricks) {
            CTrick* pTrick = new CTrick;
            pTrick->SetLeader(trick.nLeader);
            pTrick->SetTrumps(HEARTS);
            AddCards(*pTrick, trick.szCards, HEARTS);
            m_tricks.Add(pTrick);
        }
        m_trick.SetLeader(EAST);
        m_trick.SetTrumps(HEARTS);
        AddCards(m_trick, "QS 6S", HEARTS);
        AddCards(m_west, "7S TD 8D 3D TC 9C 4C 2C", HEARTS);
        AddCards(m_south, "8S KH TH QD 9D 8C 6C", HEARTS);
        m_auction.SetDealer(NORTH);
        m_auction.AddBid(&m_thresholds, 0, HEARTS, "");
        m_auction.AddBid(&m_thresholds, 0, SPADES, "");
        m_auction.AddBid(&m_thresholds, 1, HEARTS, "");
        for (int i = 0; i < 3; ++i)
            m_auction.AddPass(&m_thresholds, "");
    }
    ~CMidDeal() { m_tricks.DeleteAll(); }
    CMidDeal(const CMidDeal&) = delete;
    CMidDeal& operator=(const CMidDeal&) = delete;

    CBenchEngine MakeEngine()
    {
        return CBenchEngine(WEST, &m_west, &m_south, &m_tricks, &m_trick, &m_auction);
    }

private:
    CPileGroup m_tricks;
    CTrick m_trick;
    CCardPile m_west;
    CCardPile m_south;
    CBidThresholds m_thresholds;
    CAuction m_auction;
};

void BM_BuildEngine(benchmark::State& state)
{
    CMidDeal deal;
    for (auto _ : state) {
        CBenchEngine engine = deal.MakeEngine();
        benchmark::DoNotOptimize(engine.GetTricksWon());
    }
}
BENCHMARK(BM_BuildEngine)->Unit(benchmark::kMicrosecond);

// Build and Analyse together: the cost of one computer card before its decision. The cost of
// Analyse alone is this less BM_BuildEngine.
void BM_BuildAndAnalyse(benchmark::State& state)
{
    CMidDeal deal;
    for (auto _ : state) {
        CBenchEngine engine = deal.MakeEngine();
        engine.Analyse();
        benchmark::DoNotOptimize(engine.GetEstimate(NORTH).GetMaxLength(HEARTS));
    }
}
BENCHMARK(BM_BuildAndAnalyse)->Unit(benchmark::kMicrosecond);

} // namespace
