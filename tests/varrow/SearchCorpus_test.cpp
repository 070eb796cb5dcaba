#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

// The corpus holds at least this many positions.
constexpr int CORPUS_MIN_POSITIONS = 10000;
// Enough differences to see what went wrong without flooding the log.
constexpr int MISMATCHES_SHOWN = 20;
constexpr char COMMENT_MARK = '#';

// Fields nFirst up to nEnd of a corpus line, separated by single blanks.
std::string Fields(const std::string& strLine, int nFirst, int nEnd)
{
    std::istringstream is(strLine);
    std::string strField;
    std::string strFields;
    for (int i = 0; i < nEnd && is >> strField; i++) {
        if (i >= nFirst)
            strFields += (i > nFirst ? " " : "") + strField;
    }
    return strFields;
}

// Positions of seeded games between two computers, with the best score and sequence one
// step's search found when the corpus was written (tests/varrow/tools): every search since
// must find the same sequence, move for move, and the same score, within its bound, and
// leave the table as it found it.
TEST(CVarrowSearch, EveryCorpusPositionGivesThePinnedSequenceAndScore)
{
    std::ifstream is(VARROW_SEARCH_CORPUS);
    ASSERT_TRUE(is.good()) << VARROW_SEARCH_CORPUS;
    CSearchPositionDlg dlg;
    int nPositions = 0;
    int nMismatches = 0;
    std::string strLine;
    while (std::getline(is, strLine) && nMismatches < MISMATCHES_SHOWN) {
        if (strLine.empty() || strLine[0] == COMMENT_MARK)
            continue;
        ASSERT_TRUE(dlg.ReadPosition(strLine)) << strLine;
        const std::string strPosition = Fields(strLine, 0, CSearchPositionDlg::POSITION_FIELDS);
        ASSERT_EQ(strPosition, dlg.WritePosition(1)) << "laid out as written";
        dlg.Search();
        const std::string strFound = dlg.WriteResult(1);
        const std::string strPinned =
            Fields(strLine, CSearchPositionDlg::POSITION_FIELDS, CSearchPositionDlg::LINE_FIELDS);
        if (strFound != strPinned || dlg.WritePosition(1) != strPosition || dlg.m_search.WasStopped()) {
            ADD_FAILURE() << strLine << "\n  found " << strFound << "\n  table " << dlg.WritePosition(1)
                          << (dlg.m_search.WasStopped() ? "\n  stopped at the bound" : "");
            nMismatches++;
        }
        nPositions++;
    }
    EXPECT_GE(nPositions, CORPUS_MIN_POSITIONS);
}

// The benchmark positions (bench/varrow_bench.cpp) with the sequences the search found for
// them before it was made fast, the last two after minutes and gigabytes.
TEST(CVarrowSearch, BenchmarkPositionsGiveThePinnedSequences)
{
    const char* const LINES[] = {
        "36A9---- QJ,87,55,TT *247K J1 K 601 d33p-3",
        "35A72--- 9876,KQJT98,543,7654 *468* J1 K 353 d13d13d13p-3",
        "356824A7 987654,T9876,QJT9,876543 K*QQJ K1 A 322 d23d23h43h23p-3",
        "----45-- 432A,65432A,765432A,5432A KKQQJ Q1 K 22 "
        "d00d00d00d00d11d11d11d11d10d10d22d22d22d22d21d21d20d33d33d33d33d32",
    };
    CSearchPositionDlg dlg;
    for (const char* szLine : LINES) {
        ASSERT_TRUE(dlg.ReadPosition(szLine)) << szLine;
        dlg.Search();
        EXPECT_EQ(Fields(szLine, CSearchPositionDlg::POSITION_FIELDS, CSearchPositionDlg::LINE_FIELDS),
                  dlg.WriteResult(1));
    }
}

} // namespace
