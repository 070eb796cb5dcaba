#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/varrow/SearchPositionDlg.h"

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
// must find the same sequence, move for move, and the same score, and leave the table as
// it found it.
TEST(CVarrowDlgSearchCorpus, EveryPositionGivesThePinnedSequenceAndScore)
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
        if (strFound != strPinned || dlg.WritePosition(1) != strPosition) {
            ADD_FAILURE() << strLine << "\n  found " << strFound << "\n  table " << dlg.WritePosition(1);
            nMismatches++;
        }
        nPositions++;
    }
    EXPECT_GE(nPositions, CORPUS_MIN_POSITIONS);
}

} // namespace
