// Looks for the positions that cost the Varrow and Malice search most, and checks the search
// against the plain search on the way.
//
//   varrow_search_fuzz [seconds] [seed] [plain]
//
// From random positions a game can reach it climbs, one changed pile or hand at a time,
// towards positions where the search visits and stores more positions, restarting now and
// then; with
// "plain" it climbs on the plain search (the one on the piles themselves, CReferenceSearch)
// instead, within a budget. Every position the fast search finishes is also searched plainly
// within a small budget, and the two must agree move for move. At the end it prints the
// costliest positions found as corpus lines (see SearchPositionDlg.h), with the positions
// the fast search visited, the time of one search (the median of several) and the table's
// peak memory, and the positions and time of the plain search (which may take a minute
// and most of a gigabyte before it gives up).

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "tests/varrow/search/RandomPositions.h"
#include "tests/varrow/search/ReferenceSearch.h"
#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

constexpr int DEFAULT_SECONDS = 60;
constexpr uint64_t DEFAULT_SEED = 1;
// Changes tried from one random start before the next.
constexpr int CLIMB_STEPS = 400;
// The plain search compared on every position stops here; climbing on it, here.
constexpr int CHECK_BUDGET = 300000;
constexpr int CLIMB_BUDGET = 1000000;
// The plain search on the costliest position found may go this far (some 800 MB).
constexpr int FINAL_BUDGET = 20000000;
constexpr int WORST_KEPT = 5;
constexpr int TIMING_RUNS = 5;
constexpr double BYTES_PER_MB = 1024.0 * 1024.0;

struct SCost {
    // Positions visited and stored by the fast search, or visited by the plain one.
    int nPositions = 0;
    std::string strPosition;
};

class CFuzzer {
public:
    CFuzzer(uint64_t nSeed, bool bPlain) : m_positions(nSeed), m_bPlain(bPlain) {}

    // Climbs from random starts until the time is up; false when the searches disagreed.
    bool Run(int nSeconds);
    void Report();

private:
    // What the position costs the search being climbed on; checks the fast search against
    // the plain one on the way.
    int Cost(const std::string& strPosition);
    int PlainPositions(const std::string& strPosition, int nBudget);
    void Keep(const SCost& cost);
    void ReportFast(const std::string& strPosition);
    void ReportPlain(const std::string& strPosition);

    CRandomPositions m_positions;
    bool m_bPlain;
    CSearchPositionDlg m_dlg;
    CReferenceSearch m_check{CHECK_BUDGET};
    std::vector<SCost> m_worst;
    long long m_nSearches = 0;
    long long m_nCompared = 0;
    int m_nMismatches = 0;
};

int CFuzzer::PlainPositions(const std::string& strPosition, int nBudget)
{
    CReferenceSearch reference(nBudget);
    CMoveList moves;
    m_dlg.ReadPosition(strPosition);
    m_dlg.ResetBest();
    reference.Run(moves, m_dlg.GetPiles(), m_dlg.m_bestMoves, m_dlg.m_nBestScore);
    return reference.GetPositions();
}

int CFuzzer::Cost(const std::string& strPosition)
{
    m_nSearches++;
    if (!m_dlg.ReadPosition(strPosition))
        return 0;
    m_dlg.Search();
    const CVarrowSearch& search = m_dlg.m_search;
    const int nFast = search.GetPositionsVisited();
    const bool bStopped = search.WasStopped();
    const std::string strFast = m_dlg.WriteResult(1);

    CMoveList moves;
    m_dlg.ResetBest();
    if (!bStopped && m_check.Run(moves, m_dlg.GetPiles(), m_dlg.m_bestMoves, m_dlg.m_nBestScore)) {
        m_nCompared++;
        if (m_dlg.WriteResult(1) != strFast) {
            m_nMismatches++;
            std::cout << "MISMATCH " << strPosition << "\n  fast  " << strFast << "\n  plain "
                      << m_dlg.WriteResult(1) << std::endl;
        }
    }
    // Searches stopped at the bound visit as many positions; those that store more take longer.
    return m_bPlain ? PlainPositions(strPosition, CLIMB_BUDGET) : nFast + search.GetPositionsStored();
}

void CFuzzer::Keep(const SCost& cost)
{
    for (const SCost& kept : m_worst) {
        if (kept.strPosition == cost.strPosition)
            return;
    }
    m_worst.push_back(cost);
    std::sort(m_worst.begin(), m_worst.end(),
              [](const SCost& a, const SCost& b) { return a.nPositions > b.nPositions; });
    if (static_cast<int>(m_worst.size()) > WORST_KEPT)
        m_worst.pop_back();
}

bool CFuzzer::Run(int nSeconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(nSeconds);
    while (std::chrono::steady_clock::now() < end) {
        SCost cost;
        cost.strPosition = m_positions.Next();
        cost.nPositions = Cost(cost.strPosition);
        for (int i = 0; i < CLIMB_STEPS && std::chrono::steady_clock::now() < end; i++) {
            SCost next;
            next.strPosition = m_positions.Mutate(cost.strPosition);
            next.nPositions = Cost(next.strPosition);
            if (next.nPositions >= cost.nPositions)
                cost = next;
        }
        Keep(cost);
    }
    return m_nMismatches == 0;
}

void CFuzzer::ReportFast(const std::string& strPosition)
{
    std::vector<double> times;
    for (int i = 0; i < TIMING_RUNS; i++) {
        m_dlg.ReadPosition(strPosition);
        const auto start = std::chrono::steady_clock::now();
        m_dlg.Search();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const CVarrowSearch& search = m_dlg.m_search;
    std::cout << "  fast:  " << search.GetPositionsVisited() << " positions visited, "
              << search.GetPositionsStored() << " stored, " << times[TIMING_RUNS / 2] << " ms, table "
              << static_cast<double>(search.GetPeakTableBytes()) / BYTES_PER_MB << " MB"
              << (search.WasStopped() ? ", stopped at the bound" : "") << ", result "
              << m_dlg.WriteResult(1) << '\n';
}

void CFuzzer::ReportPlain(const std::string& strPosition)
{
    const auto start = std::chrono::steady_clock::now();
    const int nPositions = PlainPositions(strPosition, FINAL_BUDGET);
    const double dMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << "  plain: " << nPositions << " positions" << (nPositions >= FINAL_BUDGET ? " (budget spent)" : "")
              << ", " << dMs << " ms\n";
}

void CFuzzer::Report()
{
    std::cout << m_nSearches << " positions searched, " << m_nCompared << " compared with the plain search, "
              << m_nMismatches << " differences\n";
    for (const SCost& cost : m_worst) {
        std::cout << cost.strPosition << '\n';
        ReportFast(cost.strPosition);
        ReportPlain(cost.strPosition);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int nSeconds = argc > 1 ? std::atoi(argv[1]) : DEFAULT_SECONDS;
    const uint64_t nSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : DEFAULT_SEED;
    const bool bPlain = argc > 3 && std::string(argv[3]) == "plain";
    CFuzzer fuzzer(nSeed, bPlain);
    const bool bAgreed = fuzzer.Run(nSeconds);
    fuzzer.Report();
    return bAgreed ? 0 : 1;
}
