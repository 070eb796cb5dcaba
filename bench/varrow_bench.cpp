// The computer's search in Varrow and Malice: one step's search over every sequence of moves
// onto the centre piles, from a busy middle-game position with a wild card in the hand and
// runs waiting on the discard piles. A turn is a few such steps, so one search should take
// well under the card delay of a single animation step (10 ms).

#include <benchmark/benchmark.h>

#include "varrow/VarrowDlg.h"

namespace {

// The window object, never shown, with its search in reach.
class CVarrowBenchDlg : public CVarrowDlg {
public:
    CVarrowBenchDlg() : CVarrowDlg(nullptr, nullptr) {}

    // Lays out the start size and the position; the right is to move.
    void SetUpPosition()
    {
        Layout(GAME_CLIENT_CX, GAME_CLIENT_CY - MENU_BAR);
        m_nPlayer = 1;
        Build(*m_centre.GetAt(0), 1, 3);
        Build(*m_centre.GetAt(1), 1, 5);
        Build(*m_centre.GetAt(2), 1, 1);
        Build(*m_centre.GetAt(3), 1, 7);
        Build(*m_centre.GetAt(4), 1, 2);
        Build(*m_discards2.GetAt(0), 9, 6);
        Build(*m_discards2.GetAt(1), 13, 8);
        Build(*m_discards2.GetAt(2), 5, 3);
        Build(*m_discards2.GetAt(3), 7, 4);
        for (int nRank : {0, 4, 6, 8, 0})
            m_hand2.AddCard(CCard(nRank, 1, nRank, 0));
        m_payoff2.AddCard(CCard(11, 2, 11, 0));
        m_payoff1.AddCard(CCard(13, 3, 13, 0));
    }

    // One step's search; returns the best score found.
    int Search()
    {
        CMoveList moves;
        m_bestMoves = CMoveList();
        m_nBestScore = -10;
        SearchMoves(moves, m_hand2, m_payoff2, m_discards2);
        return m_nBestScore;
    }

private:
    // The client height of the start size below the menu bar.
    static constexpr int MENU_BAR = 20;

    // A run of one suit from rank nFrom to nTo, upwards or downwards, bottom first.
    static void Build(CCardPile& pile, int nFrom, int nTo)
    {
        const int nStep = nFrom <= nTo ? 1 : -1;
        for (int nRank = nFrom;; nRank += nStep) {
            pile.AddCard(CCard(nRank, 0, nRank, 0));
            if (nRank == nTo)
                break;
        }
    }
};

void SearchOneStep(benchmark::State& state)
{
    CVarrowBenchDlg dlg;
    dlg.SetUpPosition();
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg.Search());
    state.counters["score"] = dlg.Search();
}
BENCHMARK(SearchOneStep)->Unit(benchmark::kMicrosecond);

} // namespace
