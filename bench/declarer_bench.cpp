// The declarer engine: every card of the declaring side that starts a trick for it builds an
// engine (which analyses all four suits), runs Analyse and chooses the card, so one card is
// measured as all three together, after three completed tricks of a spade contract.
// Goal: one declarer card under 50 us.

#include <benchmark/benchmark.h>

#include "bridge/play/whistattack.h"
#include "tests/support/BridgeCards.h"

namespace {

using namespace bridgecards;

// The contract is four spades: level 3 counted from the one-level.
constexpr int FOUR_LEVEL = 3;

// South declares four spades with North as dummy; three tricks are done and South is on lead
// (or second to play after East's lead).
class CDeclarerPosition {
public:
    CDeclarerPosition()
    {
        AddCards(m_south, "AS QS 9S 7S 4S KH 5H AD 6D 3D", SPADES);
        AddCards(m_north, "JS TS 5S AH 8H 3H 2H KD 8D 4D", SPADES);
        m_tricks.Add(WEST, "KC AC 2C 3C", SPADES);
        m_tricks.Add(NORTH, "QC 6C 4C 5C", SPADES);
        m_tricks.Add(NORTH, "2S 8S KS 3S", SPADES);
        m_trick.SetTrumps(SPADES);
    }
    CDeclarerPosition(const CDeclarerPosition&) = delete;
    CDeclarerPosition& operator=(const CDeclarerPosition&) = delete;

    CCard PlayCard()
    {
        CWhistAttack engine(SOUTH, NORTH, SPADES, FOUR_LEVEL, &m_south, &m_north, &m_tricks.m_tricks, &m_trick,
                            nullptr, nullptr);
        engine.Analyse();
        return engine.ChooseCard();
    }

    CCardPile m_south;
    CCardPile m_north;
    CTrickList m_tricks;
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
    position.m_trick.AddCard(Card("QH", SPADES));
    for (auto _ : state)
        benchmark::DoNotOptimize(position.PlayCard());
}
BENCHMARK(BM_DeclarerSecondHand);

} // namespace
