// Rubber scoring at the bridge dialog with the auction: what a finished deal adds to the side
// scores, games and rubbers, and the exact text of the score box, all worked out by hand.

#include <climits>
#include <filesystem>

#include "platform/testing/driver.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/ModalHooks.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"

namespace auctiontest {

namespace {

namespace test = plat::test;

enum { CLUBS, DIAMONDS, HEARTS, SPADES, NOTRUMP };
enum { NORTH_SOUTH, EAST_WEST };

// The side scores of the table: rubbers, games, above and below the line.
struct Side {
    int nRubbers;
    int nGames;
    int nAbove;
    int nBelow;
};

class BidWhistScoreTest : public BidWhistTest {
protected:
    void SetUp() override
    {
        BidWhistTest::SetUp();
        ASSERT_NE(OpenTable(11), nullptr);
    }

    void SetSide(int nSide, const Side& side)
    {
        m_pTable->m_nRubbers[nSide] = side.nRubbers;
        m_pTable->m_nGames[nSide] = side.nGames;
        m_pTable->m_nAbove[nSide] = side.nAbove;
        m_pTable->m_nBelow[nSide] = side.nBelow;
    }

    void ExpectSide(int nSide, const Side& side)
    {
        EXPECT_EQ(m_pTable->m_nRubbers[nSide], side.nRubbers) << "side " << nSide;
        EXPECT_EQ(m_pTable->m_nGames[nSide], side.nGames) << "side " << nSide;
        EXPECT_EQ(m_pTable->m_nAbove[nSide], side.nAbove) << "side " << nSide;
        EXPECT_EQ(m_pTable->m_nBelow[nSide], side.nBelow) << "side " << nSide;
    }

    // Scores nLevel (as bid) in nTrumps by nDeclarer, who opened the auction with it; szDouble
    // is "", "X" or "X XX"; the declaring side took nTricks.
    void ScorePlayedDeal(int nLevel, int nTrumps, int nDeclarer, const char* szDouble, int nTricks)
    {
        CAuction& auction = m_pTable->m_auction;
        auction.RemoveAll();
        auction.SetDealer(nDeclarer);
        auction.AddBid(m_pTable->m_pThresholds.get(), nLevel - 1, nTrumps, "");
        for (int nCode : CallCodes(szDouble))
            auction.m_calls.push_back(CBid(m_pTable->m_pThresholds.get(), nCode, ""));
        for (int i = 0; i < 3; i++)
            auction.AddPass(m_pTable->m_pThresholds.get(), "");
        const int nSide = nDeclarer & 1;
        m_pTable->m_nContractLevel = nLevel - 1;
        m_pTable->m_nTrumps = nTrumps;
        m_pTable->m_nDeclaringSide = nSide;
        m_pTable->m_nLeader = (nDeclarer + 1) % 4;
        m_pTable->m_nTricks[nSide] = nTricks;
        m_pTable->m_nTricks[1 - nSide] = 13 - nTricks;
        m_pTable->ScoreDeal();
    }

    static int CountScoreBoxes()
    {
        int nCount = 0;
        for (const auto& box : test::GetMessageBoxes())
            nCount += box.strCaption == "Score" ? 1 : 0;
        return nCount;
    }

    // The text the Show Score command put in its box.
    CString ShowScoreText()
    {
        EXPECT_TRUE(Command(ID_FUNCTIONS_SHOWSCORE));
        const auto& boxes = test::GetMessageBoxes();
        if (boxes.empty())
            return CString();
        EXPECT_EQ(boxes.back().strCaption, "Score");
        return boxes.back().strText;
    }
};

// Saves the first modal window that goes idle (the score box) to s_strPicture, then lets the
// driver answer it.
plat::ModalIdleHook s_pfnDriverHook = nullptr;
std::string s_strPicture;

void SavePictureHook(HWND hDialog)
{
    if (!s_strPicture.empty()) {
        test::SaveWindowPng(CWnd::FromHandle(hDialog), s_strPicture.c_str());
        s_strPicture.clear();
    }
    s_pfnDriverHook(hDialog);
}

} // namespace

TEST_F(BidWhistScoreTest, GameMovesBothPartScoresAboveTheLine)
{
    SetSide(EAST_WEST, {0, 0, 0, 60});
    ScorePlayedDeal(3, NOTRUMP, NORTH, "", 9);
    ExpectSide(NORTH_SOUTH, {0, 1, 100, 0});
    ExpectSide(EAST_WEST, {0, 0, 60, 0});
    EXPECT_TRUE(m_pTable->IsVulnerable(NORTH));
    EXPECT_FALSE(m_pTable->IsVulnerable(EAST));
}

TEST_F(BidWhistScoreTest, PartScoresStayBelowUntilTheyMakeGame)
{
    ScorePlayedDeal(1, NOTRUMP, EAST, "", 8);
    ExpectSide(EAST_WEST, {0, 0, 30, 40});
    // Two clubs on top of 60 below: 100, game.
    SetSide(EAST_WEST, {0, 0, 0, 60});
    ScorePlayedDeal(2, CLUBS, WEST, "", 8);
    ExpectSide(EAST_WEST, {0, 1, 100, 0});
    ExpectSide(NORTH_SOUTH, {0, 0, 0, 0});
}

TEST_F(BidWhistScoreTest, DoubledGameEarnsTheDoubleBonus)
{
    ScorePlayedDeal(4, SPADES, SOUTH, "X", 10);
    // 240 below (moved above by the game) and the double bonus of 50.
    ExpectSide(NORTH_SOUTH, {0, 1, 290, 0});
    ExpectSide(EAST_WEST, {0, 0, 0, 0});
}

TEST_F(BidWhistScoreTest, SecondGameWinsTheRubberAndClearsTheGames)
{
    SetSide(NORTH_SOUTH, {0, 1, 100, 0});
    SetSide(EAST_WEST, {0, 0, 0, 30});
    ScorePlayedDeal(6, NOTRUMP, NORTH, "", 12);
    // 190 for the slam, 750 slam bonus, 700 rubber bonus (East/West not vulnerable).
    ExpectSide(NORTH_SOUTH, {1, 0, 100 + 190 + 750 + 700, 0});
    ExpectSide(EAST_WEST, {0, 0, 30, 0});
    EXPECT_FALSE(m_pTable->IsVulnerable(NORTH));
}

TEST_F(BidWhistScoreTest, UndertricksGoToTheDefenders)
{
    SetSide(NORTH_SOUTH, {0, 0, 0, 40});
    ScorePlayedDeal(3, NOTRUMP, NORTH, "X", 6);
    ExpectSide(NORTH_SOUTH, {0, 0, 0, 40});
    ExpectSide(EAST_WEST, {0, 0, 500, 0});
    // Vulnerable and redoubled, one down: 400.
    SetSide(EAST_WEST, {0, 1, 0, 0});
    ScorePlayedDeal(4, HEARTS, EAST, "X XX", 9);
    ExpectSide(NORTH_SOUTH, {0, 0, 400, 40});
    ExpectSide(EAST_WEST, {0, 1, 0, 0});
}

TEST_F(BidWhistScoreTest, ScoresNoRubberReachesNeitherOverflowNorStayOutOfRange)
{
    // What settings saved by older runs can hold: sums wrapped past the int's limits.
    SetSide(NORTH_SOUTH, {INT_MAX, INT_MAX, INT_MAX, INT_MAX});
    SetSide(EAST_WEST, {INT_MIN, -7, INT_MIN, -2147483499});
    ScorePlayedDeal(7, NOTRUMP, NORTH, "X XX", 13);
    // The grand slam is a game that wins the rubber; every sum stops at the bound.
    ExpectSide(NORTH_SOUTH, {MAX_SIDE_SCORE, 0, MAX_SIDE_SCORE, 0});
    ExpectSide(EAST_WEST, {INT_MIN, 0, 0, 0});
    // Down at the limit: the penalty stops there too.
    SetSide(EAST_WEST, {0, 0, INT_MAX - 10, 0});
    ScorePlayedDeal(7, SPADES, SOUTH, "X XX", 0);
    ExpectSide(EAST_WEST, {0, 0, MAX_SIDE_SCORE, 0});
    ExpectSide(NORTH_SOUTH, {MAX_SIDE_SCORE, 0, MAX_SIDE_SCORE, 0});
}

TEST_F(BidWhistScoreTest, ScoreBoxBeforeAnyDealShowsOnlyTheTotals)
{
    SetSide(NORTH_SOUTH, {2, 1, 870, 40});
    SetSide(EAST_WEST, {1, 0, 350, 0});
    EXPECT_EQ(ShowScoreText(), "Totals:\n"
                               "East/West:\n\tRubbers:\t1\n\tGames:\t0\n\tPoints:\t350 / 0\n"
                               "North/South:\n\tRubbers:\t2\n\tGames:\t1\n\tPoints:\t870 / 40");
}

TEST_F(BidWhistScoreTest, ScoreBoxForADoubledGameThatWinsTheRubber)
{
    SetSide(NORTH_SOUTH, {0, 1, 0, 0});
    ScorePlayedDeal(4, HEARTS, NORTH, "X", 11);
    EXPECT_EQ(ShowScoreText(), "Four hearts vulnerable doubled\n"
                               "Player:\tNorth\n\n"
                               "Score contract\t: 240\n"
                               "Number overtricks\t: 1\n"
                               "Score overtricks \t: 200\n"
                               "Rubber bonus     \t: 700\n"
                               "Double bonus     \t: 50\n"
                               "\n"
                               "Totals:\n"
                               "East/West:\n\tRubbers:\t0\n\tGames:\t0\n\tPoints:\t0 / 0\n"
                               "North/South:\n\tRubbers:\t1\n\tGames:\t0\n\tPoints:\t1190 / 0");
}

TEST_F(BidWhistScoreTest, ScoreBoxPictureShowsItsColumns)
{
    // For a look at the columns the tabs set out: $ORVEL_BUILD_DIR/bridge-score.png.
    SetSide(NORTH_SOUTH, {0, 1, 0, 0});
    ScorePlayedDeal(4, HEARTS, NORTH, "X", 11);
    const std::string strPath = static_cast<LPCTSTR>(test::BuildFolderPath("bridge-score.png"));
    std::filesystem::remove(strPath);
    s_strPicture = strPath;
    s_pfnDriverHook = plat::SetModalIdleHook(&SavePictureHook);
    m_pTable->ShowScore();
    plat::SetModalIdleHook(s_pfnDriverHook);
    EXPECT_TRUE(s_strPicture.empty()) << "the score box never went idle";
    EXPECT_TRUE(std::filesystem::exists(strPath));
    EXPECT_EQ(CountScoreBoxes(), 1);
}

TEST_F(BidWhistScoreTest, ScoreBoxForASlamAndForADefeatedContract)
{
    ScorePlayedDeal(6, SPADES, WEST, "X XX", 12);
    const CString strSlam = ShowScoreText();
    EXPECT_EQ(strSlam.Left(strSlam.Find("Totals:")), "Six spades redoubled\n"
                                                     "Player:\tWest\n\n"
                                                     "Score contract\t: 720\n"
                                                     "Slam bonus       \t: 500\n"
                                                     "Double bonus     \t: 50\n"
                                                     "\n");

    ScorePlayedDeal(2, DIAMONDS, SOUTH, "", 5);
    const CString strDown = ShowScoreText();
    EXPECT_EQ(strDown.Left(strDown.Find("Totals:")), "Two diamonds\n"
                                                     "Player:\tSouth\n\n"
                                                     "Number undertricks\t: 3\n"
                                                     "Score undertricks\t: 150\n"
                                                     "\n");
}

} // namespace auctiontest
