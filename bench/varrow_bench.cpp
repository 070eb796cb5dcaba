// The computer's search in Varrow and Malice: one step's search over every sequence of moves
// onto the centre piles. Every position must take well under a tenth of a second and 64 MB:
// a usual middle-game position takes microseconds, the heavy ones below a millisecond, and a
// position the search cannot finish stops at its bound. Counters: the score found, the
// positions visited and stored, the table's peak memory and whether the search stopped at
// its bound. Positions are written as the search corpus writes them (SearchPositionDlg.h),
// the right to move.

#include <benchmark/benchmark.h>

#include <memory>

#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

constexpr double BYTES_PER_MB = 1024.0 * 1024.0;

// Each search runs in a game object of its own, so that its table starts small and grows as
// a game's first heavy search would.
void RunSearch(benchmark::State& state, const char* szPosition)
{
    std::unique_ptr<CSearchPositionDlg> pDlg;
    for (auto _ : state) {
        state.PauseTiming();
        pDlg = std::make_unique<CSearchPositionDlg>();
        const bool bRead = pDlg->ReadPosition(szPosition);
        state.ResumeTiming();
        if (!bRead) {
            state.SkipWithError("not a position");
            return;
        }
        pDlg->Search();
        benchmark::DoNotOptimize(pDlg->m_nBestScore);
    }
    const CSearchPositionDlg& dlg = *pDlg;
    const CVarrowSearch& search = dlg.m_search;
    state.counters["score"] = dlg.m_nBestScore;
    state.counters["positions"] = search.GetPositionsVisited();
    state.counters["stored"] = search.GetPositionsStored();
    state.counters["table_MB"] = static_cast<double>(search.GetPeakTableBytes()) / BYTES_PER_MB;
    state.counters["stopped"] = search.WasStopped() ? 1 : 0;
}

void SearchMiddleGame(benchmark::State& state)
{
    RunSearch(state, "36A9---- QJ,87,55,TT *247K J1 K");
}
BENCHMARK(SearchMiddleGame)->Unit(benchmark::kMicrosecond);

// Four discard runs and two wild cards ready to go.
void SearchFourRunsReady(benchmark::State& state)
{
    RunSearch(state, "35A72--- 9876,KQJT98,543,7654 *468* J1 K");
}
BENCHMARK(SearchFourRunsReady)->Unit(benchmark::kMillisecond);

// Long discard runs that reach the king on the pay-off pile in many orders.
void SearchLongRunsToTheKing(benchmark::State& state)
{
    RunSearch(state, "356824A7 987654,T9876,QJT9,876543 K*QQJ K1 A");
}
BENCHMARK(SearchLongRunsToTheKing)->Unit(benchmark::kMillisecond);

// Four discard runs down to the ace and six empty centre piles, the pay-off queen out of
// reach: every way of building the runs counts.
void SearchRunsFromTheAce(benchmark::State& state)
{
    RunSearch(state, "----45-- 432A,65432A,765432A,5432A KKQQJ Q1 K");
}
BENCHMARK(SearchRunsFromTheAce)->Unit(benchmark::kMillisecond);

// The worst position the search fuzzer found: the search stops at its bound.
void SearchStoppedAtTheBound(benchmark::State& state)
{
    RunSearch(state, "2A-3--4A--5 54*32A,6*,4432,8887654*3 *AK22 T17 J");
}
BENCHMARK(SearchStoppedAtTheBound)->Unit(benchmark::kMillisecond);

} // namespace
