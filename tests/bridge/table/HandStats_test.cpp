// CHandStats: statistics lines worked out by hand, and the Save Stats file.

#include "bridge/table/HandStats.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/testing/driver.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace test = plat::test;

namespace {

std::string CsvLine(const CHandStats& record)
{
    std::ostringstream os;
    record.WriteCsvLine(os);
    return os.str();
}

CBid Contract(int nLevel, int nStrain)
{
    return CBid(nullptr, nLevel, nStrain, "");
}

const std::vector<CHandStats> s_twoDeals = {CHandStats(0, Contract(3, 3), 10, FALSE, 3, STATS_KIND_PLAIN),
                                            CHandStats(3, CBid(), 0, FALSE, 0, STATS_KIND_PASSED_OUT)};
const char s_szTwoDeals[] = "0,3,3,0,0,3,0\n3,0,-1,-7,0,0,1\n";

} // namespace

TEST(CHandStats, LinesHoldDeclarerLevelStrainResultContestedDealerKind)
{
    // Four spades by North, dealt by West, made exactly.
    EXPECT_EQ("0,3,3,0,0,3,0", CsvLine(s_twoDeals[0]));
    // One no trump by East, doubled, one down after South's overcall, dealt by South.
    EXPECT_EQ("1,0,4,-1,1,2,2", CsvLine(CHandStats(1, Contract(0, 4), 6, TRUE, 2, STATS_KIND_DOUBLED)));
    // Passed out, dealt by North: a pass has level 0, strain -1, and no trick is seven down.
    EXPECT_EQ("3,0,-1,-7,0,0,1", CsvLine(s_twoDeals[1]));
    // Overtricks count above the book; any contested value is written as 1.
    EXPECT_EQ(2, CHandStats(2, Contract(2, 4), 11, FALSE, 1, STATS_KIND_PLAIN).GetResult());
    EXPECT_EQ("2,6,0,0,1,1,3", CsvLine(CHandStats(2, Contract(6, 0), 13, 5, 1, STATS_KIND_REDOUBLED)));
}

TEST(CHandStats, SaveStatsWritesEveryDealIntoEachChosenFile)
{
    CScratchFolder scratch;
    test::QueueFileDialogAnswer("first");
    test::QueueFileDialogAnswer("second.csv");
    SaveStatsFile(nullptr, s_twoDeals);
    SaveStatsFile(nullptr, s_twoDeals);
    EXPECT_EQ(s_szTwoDeals, ReadWholeFile("first.csv"));
    EXPECT_EQ(s_szTwoDeals, ReadWholeFile("second.csv"));
}

TEST(CHandStats, SaveStatsTruncatesAnOldFileAndCancelWritesNothing)
{
    CScratchFolder scratch;
    std::ofstream("stats.csv") << "a much longer line that must not survive the save\n";
    test::QueueMessageBoxAnswer(IDYES); // replace the file
    test::QueueFileDialogAnswer("stats.csv");
    SaveStatsFile(nullptr, std::vector<CHandStats>());
    EXPECT_EQ("", ReadWholeFile("stats.csv"));
    test::QueueFileDialogCancel();
    SaveStatsFile(nullptr, s_twoDeals);
    EXPECT_EQ("", ReadWholeFile("stats.csv"));
}
