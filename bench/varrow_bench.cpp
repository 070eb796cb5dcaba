// The computer's search in Varrow and Malice: one step's search over every sequence of moves
// onto the centre piles. A usual middle-game position should take well under the card delay
// of one animation step (10 ms); the heavy one, with four discard runs and two wild cards
// ready to go, is about as much as a step can meet and must still end within a second.

#include <benchmark/benchmark.h>

#include <initializer_list>

#include "varrow/VarrowDlg.h"

namespace {

// A run of one suit from rank nFrom to nTo, upwards or downwards, bottom first.
struct SRun {
    int nFrom;
    int nTo;
};

// The window object, never shown, with its search in reach; the right is to move.
class CVarrowBenchDlg : public CVarrowDlg {
public:
    CVarrowBenchDlg() : CVarrowDlg(nullptr, nullptr)
    {
        Layout(GAME_CLIENT_CX, GAME_CLIENT_CY - MENU_BAR_HEIGHT);
        m_nPlayer = 1;
        m_payoff1.AddCard(CCard(13, 3, 13, 0));
    }

    void SetPosition(std::initializer_list<SRun> centre, std::initializer_list<SRun> discards,
                     std::initializer_list<int> hand, int nPayoffRank)
    {
        int i = 0;
        for (const SRun& run : centre)
            Build(*m_centre.GetAt(i++), run);
        i = 0;
        for (const SRun& run : discards)
            Build(*m_discards2.GetAt(i++), run);
        for (int nRank : hand)
            m_hand2.AddCard(CCard(nRank, 1, nRank, 0));
        m_payoff2.AddCard(CCard(nPayoffRank, 2, nPayoffRank, 0));
    }

    // One step's search; returns the best score found.
    int Search()
    {
        CMoveList moves;
        m_bestMoves = CMoveList();
        m_nBestScore = -10;
        m_searched.Clear();
        SearchMoves(moves, m_hand2, m_payoff2, m_discards2);
        return m_nBestScore;
    }

    int GetPositionCount() const { return m_searched.GetCount(); }

private:
    // The start size's client area lies below the menu bar.
    static constexpr int MENU_BAR_HEIGHT = 20;

    static void Build(CCardPile& pile, const SRun& run)
    {
        const int nStep = run.nFrom <= run.nTo ? 1 : -1;
        for (int nRank = run.nFrom;; nRank += nStep) {
            pile.AddCard(CCard(nRank, 0, nRank, 0));
            if (nRank == run.nTo)
                break;
        }
    }
};

void RunSearch(benchmark::State& state, CVarrowBenchDlg& dlg)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg.Search());
    state.counters["score"] = dlg.Search();
    state.counters["positions"] = dlg.GetPositionCount();
}

void SearchMiddleGame(benchmark::State& state)
{
    CVarrowBenchDlg dlg;
    dlg.SetPosition({{1, 3}, {1, 6}, {1, 1}, {1, 9}}, {{12, 11}, {8, 7}, {5, 5}, {10, 10}},
                    {0, 2, 4, 7, 13}, 11);
    RunSearch(state, dlg);
}
BENCHMARK(SearchMiddleGame)->Unit(benchmark::kMicrosecond);

void SearchFourRunsReady(benchmark::State& state)
{
    CVarrowBenchDlg dlg;
    dlg.SetPosition({{1, 3}, {1, 5}, {1, 1}, {1, 7}, {1, 2}}, {{9, 6}, {13, 8}, {5, 3}, {7, 4}},
                    {0, 4, 6, 8, 0}, 11);
    RunSearch(state, dlg);
}
BENCHMARK(SearchFourRunsReady)->Unit(benchmark::kMillisecond);

} // namespace
