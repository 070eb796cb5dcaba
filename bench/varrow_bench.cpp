// The computer's search in Varrow and Malice: one step's search over every sequence of moves
// onto the centre piles. A usual middle-game position should take well under the card delay
// of one animation step (10 ms); the heavy one, with four discard runs and two wild cards
// ready to go, is about as much as a step can meet and must still end within a second.

#include <benchmark/benchmark.h>

#include <initializer_list>

#include "varrow/VarrowDlg.h"

namespace {

// A run from rank nFrom to nTo, upwards or downwards, bottom first; nFrom 0 leaves the pile
// empty.
struct SRun {
    int nFrom;
    int nTo;
};

constexpr SRun EMPTY_PILE = {0, 0};

// How the cards of a position get their suits: the table's piles clubs, the hand diamonds,
// the pay-off cards hearts and spades; or as a real deal would, the copies of one rank taking
// the suits in turn, so that positions equal but for suits arise as they do in play.
enum ESuits { SUITS_BY_PILE, SUITS_DEALT };

// The window object, never shown, with its search in reach; the right is to move.
class CVarrowBenchDlg : public CVarrowDlg {
public:
    CVarrowBenchDlg() : CVarrowDlg(nullptr, nullptr)
    {
        Layout(GAME_CLIENT_CX, GAME_CLIENT_CY - MENU_BAR_HEIGHT);
        m_nPlayer = 1;
    }

    void SetPosition(std::initializer_list<SRun> centre, std::initializer_list<SRun> discards,
                     std::initializer_list<int> hand, int nPayoffRank, ESuits nSuits = SUITS_BY_PILE,
                     int nOpponentRank = RANK_KING)
    {
        m_nSuits = nSuits;
        int i = 0;
        for (const SRun& run : centre)
            Build(*m_centre.GetAt(i++), run);
        i = 0;
        for (const SRun& run : discards)
            Build(*m_discards2.GetAt(i++), run);
        for (int nRank : hand)
            m_hand2.AddCard(NextCard(nRank, SUIT_DIAMONDS));
        m_payoff2.AddCard(NextCard(nPayoffRank, SUIT_HEARTS));
        m_payoff1.Clear();
        m_payoff1.AddCard(NextCard(nOpponentRank, SUIT_SPADES));
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

    const CVarrowSearch& GetSearch() const { return m_search; }

private:
    // The start size's client area lies below the menu bar.
    static constexpr int MENU_BAR_HEIGHT = 20;

    CCard NextCard(int nRank, int nPileSuit)
    {
        const int nDealtSuit = m_nCopies[nRank]++ % SUIT_COUNT;
        const int nSuit = m_nSuits == SUITS_DEALT ? nDealtSuit : nPileSuit;
        return CCard(nRank, nRank == RANK_WILD ? 0 : nSuit, nRank, 0);
    }

    void Build(CCardPile& pile, const SRun& run)
    {
        if (run.nFrom == 0)
            return;
        const int nStep = run.nFrom <= run.nTo ? 1 : -1;
        for (int nRank = run.nFrom;; nRank += nStep) {
            pile.AddCard(NextCard(nRank, SUIT_CLUBS));
            if (nRank == run.nTo)
                break;
        }
    }

    ESuits m_nSuits = SUITS_BY_PILE;
    // The cards of each rank laid out so far.
    int m_nCopies[RANK_KING + 1] = {};
};

constexpr double BYTES_PER_MB = 1024.0 * 1024.0;

void RunSearch(benchmark::State& state, CVarrowBenchDlg& dlg)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg.Search());
    state.counters["score"] = dlg.Search();
    const CVarrowSearch& search = dlg.GetSearch();
    state.counters["positions"] = search.GetPositionsVisited();
    state.counters["stored"] = search.GetPositionsStored();
    state.counters["table_MB"] = static_cast<double>(search.GetPeakTableBytes()) / BYTES_PER_MB;
    state.counters["stopped"] = search.WasStopped() ? 1 : 0;
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

// Long discard runs that reach the king on the pay-off pile in many orders.
void SearchLongRunsToTheKing(benchmark::State& state)
{
    CVarrowBenchDlg dlg;
    dlg.SetPosition({{1, 3}, {1, 5}, {1, 6}, {1, 8}, {1, 2}, {1, 4}, {1, 1}, {1, 7}},
                    {{9, 4}, {10, 6}, {12, 9}, {8, 3}}, {13, 0, 12, 12, 11}, 13, SUITS_DEALT, RANK_ACE);
    RunSearch(state, dlg);
}
BENCHMARK(SearchLongRunsToTheKing)->Unit(benchmark::kMillisecond);

// Four discard runs down to the ace and six empty centre piles, the pay-off queen out of
// reach: every way of building the runs is tried.
void SearchRunsFromTheAce(benchmark::State& state)
{
    CVarrowBenchDlg dlg;
    dlg.SetPosition({EMPTY_PILE, EMPTY_PILE, EMPTY_PILE, EMPTY_PILE, {1, 4}, {1, 5}, EMPTY_PILE,
                     EMPTY_PILE},
                    {{4, 1}, {6, 1}, {7, 1}, {5, 1}}, {13, 13, 12, 12, 11}, 12, SUITS_DEALT);
    RunSearch(state, dlg);
}
BENCHMARK(SearchRunsFromTheAce)->Unit(benchmark::kMillisecond);

} // namespace
