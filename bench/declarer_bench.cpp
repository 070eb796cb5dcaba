// The declarer engine: every card of the declaring side that starts a trick for it builds an
// engine (which analyses all four suits), runs Analyse and chooses the card, so one card is
// measured as all three together, after three completed tricks of a spade contract.
// Goal: one declarer card under 50 us.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bridge/play/whistattack.h"

namespace {

constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;
constexpr int SPADES = 3;
// The contract is four spades: level 3 counted from the one-level.
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

void AddCards(CCardPile& pile, const std::string& strNames)
{
    std::istringstream names(strNames);
    std::string strName;
    while (names >> strName)
        pile.AddCard(MakeCard(strName, SPADES));
}

// South declares four spades with North as dummy; three tricks are done and South is on lead
// (or second to play after East's lead).
class CDeclarerPosition {
public:
    CDeclarerPosition()
    {
        AddCards(m_south, "AS QS 9S 7S 4S KH 5H AD 6D 3D");
        AddCards(m_north, "JS TS 5S AH 8H 3H 2H KD 8D 4D");
        const char* const tricks[] = {"KC AC 2C 3C", "QC 6C 4C 5C", "2S 8S KS 3S"};
        const int leaders[] = {WEST, NORTH, NORTH};
        for (int i = 0; i < 3; ++i) {
            CTrick* pTrick = new CTrick;
            pTrick->SetLeader(leaders[i]);
            pTrick->SetTrumps(SPADES);
            AddCards(*pTrick, tricks[i]);
            m_tricks.Add(pTrick);
        }
        m_trick.SetTrumps(SPADES);
    }
    ~CDeclarerPosition() { m_tricks.DeleteAll(); }
    CDeclarerPosition(const CDeclarerPosition&) = delete;
    CDeclarerPosition& operator=(const CDeclarerPosition&) = delete;

    CCard PlayCard()
    {
        CWhistAttack engine(SOUTH, NORTH, SPADES, FOUR_LEVEL, &m_south, &m_north, &m_tricks, &m_trick,
                            nullptr, nullptr);
        engine.Analyse();
        return engine.ChooseCard();
    }

    CCardPile m_south;
    CCardPile m_north;
    CPileGroup m_tricks;
    CTrick m_trick;
};

void BM_DeclarerLead(benchmark::State& state)
{
    CDeclarerPosition position;
    position.m_trick.SetLeader(SOUTH);
    for (auto _ : state)
        benchmark::DoNotOptimize(position.PlayCard());
}
BENCHMARK(BM_DeclarerLead);

void BM_DeclarerSecondHand(benchmark::State& state)
{
    CDeclarerPosition position;
    position.m_trick.SetLeader(EAST);
    position.m_trick.AddCard(MakeCard("QH", SPADES));
    for (auto _ : state)
        benchmark::DoNotOptimize(position.PlayCard());
}
BENCHMARK(BM_DeclarerSecondHand);

} // namespace
