// The hand files and scores tried as a hostile user would, through the real commands with the
// file dialogs answered: a failed open, a damaged file, uneven hands, trick counts and scores
// no deal allows, the contract saved in the middle of a deal and the record of a pass-out
// after a load. None of them may cost the player the deal on the table or a score.

#include <sstream>
#include <string>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace auctiontest {

namespace {

namespace test = plat::test;

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& strText)
{
    std::vector<std::string> lines;
    std::istringstream is(strText);
    for (std::string strLine; std::getline(is, strLine);)
        lines.push_back(strLine);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string strText;
    for (const std::string& strLine : lines)
        strText += strLine + "\n";
    return strText;
}

} // namespace

// What the table holds that a refused load must not change.
struct CTableState {
    std::vector<CCard> hands[SEAT_COUNT];
    int nScores[4][2];
    int nLevel, nTrumps, nLeader, nDealer, nState, nTricks;

    explicit CTableState(const CTestBidWhistDlg& table)
        : nScores{{table.m_nRubbers[0], table.m_nRubbers[1]}, {table.m_nGames[0], table.m_nGames[1]},
                  {table.m_nAbove[0], table.m_nAbove[1]}, {table.m_nBelow[0], table.m_nBelow[1]}},
          nLevel(table.m_nContractLevel), nTrumps(table.m_nTrumps), nLeader(table.m_nLeader),
          nDealer(table.m_nDealer), nState(table.m_nState), nTricks(table.m_nTricks[0] + table.m_nTricks[1])
    {
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            hands[nSeat] = table.Hand(nSeat).m_cards;
    }
    bool operator==(const CTableState& other) const
    {
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
            if (hands[nSeat] != other.hands[nSeat])
                return false;
        }
        for (int i = 0; i < 4; i++) {
            if (nScores[i][0] != other.nScores[i][0] || nScores[i][1] != other.nScores[i][1])
                return false;
        }
        return nLevel == other.nLevel && nTrumps == other.nTrumps && nLeader == other.nLeader &&
               nDealer == other.nDealer && nState == other.nState && nTricks == other.nTricks;
    }
};

class TableFileFaultsTest : public BidWhistTest {
protected:
    // Loads szFile with command nID; the texts of the message boxes it showed.
    std::vector<CString> Load(UINT nID, const char* szFile)
    {
        const size_t nBoxes = test::GetMessageBoxes().size();
        test::QueueFileDialogAnswer(szFile);
        EXPECT_TRUE(Command(nID)) << szFile;
        std::vector<CString> shown;
        for (size_t i = nBoxes; i < test::GetMessageBoxes().size(); i++)
            shown.push_back(test::GetMessageBoxes()[i].strText);
        return shown;
    }

    // Loads szFile with command nID and expects it refused with szMessage alone, the table
    // left exactly as it was.
    void ExpectRefused(UINT nID, const char* szFile, const char* szMessage)
    {
        const CTableState before(*m_pTable);
        EXPECT_EQ(Load(nID, szFile), std::vector<CString>{szMessage});
        EXPECT_TRUE(CTableState(*m_pTable) == before) << szFile;
    }

    // The current deal saved as a hand file, as lines.
    std::vector<std::string> SavedDealLines()
    {
        m_pTable->WriteHandFile("deal.brg");
        return Lines(ReadWholeFile(FolderFile("deal.brg").c_str()));
    }
};

TEST_F(TableFileFaultsTest, AMistypedOrUnreadableNameIsReportedAndTheDealStays)
{
    ASSERT_NE(OpenTable(2024), nullptr);
    ExpectRefused(ID_FILE_OPENHAND, "mistyped.brg", "mistyped.brg could not be opened: No such file or directory");
    // Far larger than any hand file: not read into memory at all.
    std::ofstream(FolderFile("huge.brg")) << std::string(2 << 20, '0');
    ExpectRefused(ID_FILE_OPENHAND, "huge.brg", "huge.brg could not be read: File too large");
    ExpectRefused(ID_IMPORT_TIMESBRIDGE, "mistyped.bridge",
                  "mistyped.bridge could not be opened: No such file or directory");
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).GetCount(), CARDS_PER_HAND);

    // Play bids and plays the deal that stayed, not an empty one.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    ASSERT_EQ(m_pTable->m_stats.size(), 1u);
    EXPECT_NE(m_pTable->m_stats[0].m_nKind, STATS_KIND_PASSED_OUT);
}

TEST_F(TableFileFaultsTest, DamagedFilesAreReportedAndAPartlyReadOneChangesNoScore)
{
    ASSERT_NE(OpenTable(31), nullptr);
    m_pTable->m_nAbove[0] = 70;
    m_pTable->m_nBelow[1] = 40;
    std::ofstream(FolderFile("damaged.brg")) << "0 2\n1 2\nnorth\n";
    ExpectRefused(ID_FILE_OPENHAND, "damaged.brg",
                  "damaged.brg is not a hand file: line 3: the player to move must be a number");

    // An export whose North/South scores read well before East/West's turn out damaged.
    test::QueueFileDialogAnswer("deal.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    std::string strXml = ReadWholeFile(FolderFile("deal.xml").c_str());
    const size_t nAbove = strXml.find("<above>70</above>");
    ASSERT_NE(nAbove, std::string::npos);
    strXml.replace(nAbove, 17, "<above>95</above>");
    strXml.replace(strXml.find("<games>0</games>", nAbove), 16, "<games>x</games>");
    std::ofstream(FolderFile("partly.xml")) << strXml;
    ExpectRefused(ID_IMPORT_XML, "partly.xml",
                  "partly.xml is not a hand file: line 41: East/West's games must be a number");
    EXPECT_EQ(m_pTable->m_nAbove[0], 70);

    std::string strBridge(511, '\0');
    strBridge[87] = 12;
    strBridge[95] = 12;
    std::ofstream(FolderFile("twice.bridge"), std::ios::binary) << strBridge;
    ExpectRefused(ID_IMPORT_TIMESBRIDGE, "twice.bridge",
                  "twice.bridge is not a Times Bridge file: the ace of clubs (byte 95) is dealt twice");
}

TEST_F(TableFileFaultsTest, UnevenHandsFromAHandFileAreExplainedByPlayAndNeverStickTheTable)
{
    ASSERT_NE(OpenTable(808), nullptr);
    // North's first card, the one a first trick would have taken, is gone from the file.
    std::vector<std::string> lines = SavedDealLines();
    ASSERT_EQ(lines[4], "13");
    lines[4] = "12";
    lines.erase(lines.begin() + 5);
    std::ofstream(FolderFile("uneven.brg")) << Joined(lines);
    EXPECT_TRUE(Load(ID_FILE_OPENHAND, "uneven.brg").empty());
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 12);

    PlayDealByComputer();
    ASSERT_FALSE(test::GetMessageBoxes().empty());
    EXPECT_EQ(test::GetMessageBoxes().back().strText, "North does not have 13 cards");
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_auction.GetSize(), 0);
    EXPECT_TRUE(m_pTable->m_stats.empty());
    // The next deal is played as ever.
    Command(ID_FUNCTIONS_NEWDEAL);
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_stats.size(), 1u);
}

TEST_F(TableFileFaultsTest, TrickCountsAndScoresNoDealAllowsAreRefused)
{
    ASSERT_NE(OpenTable(909), nullptr);
    m_pTable->m_nAbove[1] = 150;
    const std::vector<std::string> lines = SavedDealLines();
    ASSERT_EQ(lines[3], "0 0");
    ASSERT_EQ(lines.size(), 62u);
    struct Damage {
        size_t nLine;
        const char* szLine;
        const char* szMessage;
    };
    const Damage damages[] = {
        {3, "13 13", "bad.brg is not a hand file: line 4: 26 tricks taken and 13 cards still in a hand make "
                     "more than 13 tricks"},
        {61, "0 0 2147483500 0",
         "bad.brg is not a hand file: line 62: East/West's points above the line must be 0 to 10000000, not "
         "2147483500"},
        {60, "0 2 0 0", "bad.brg is not a hand file: line 61: North/South's games must be 0 to 1, not 2"},
    };
    for (const Damage& damage : damages) {
        std::vector<std::string> bad = lines;
        bad[damage.nLine] = damage.szLine;
        std::ofstream(FolderFile("bad.brg")) << Joined(bad);
        ExpectRefused(ID_FILE_OPENHAND, "bad.brg", damage.szMessage);
    }
    EXPECT_EQ(m_pTable->m_nAbove[1], 150);

    // The same scores in an XML file.
    test::QueueFileDialogAnswer("deal.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    std::string strXml = ReadWholeFile(FolderFile("deal.xml").c_str());
    strXml.replace(strXml.find("<above>150</above>"), 18, "<above>2147483500</above>");
    std::ofstream(FolderFile("huge.xml")) << strXml;
    ExpectRefused(ID_IMPORT_XML, "huge.xml",
                  "huge.xml is not a hand file: line 42: East/West's points above the line must be 0 to "
                  "10000000, not 2147483500");
}

TEST_F(TableFileFaultsTest, HandFileSavedAfterATrickNamesTheContractInPlayAndAPassOutAfterItsLoadIsAPass)
{
    ASSERT_NE(OpenTable(4321), nullptr);
    // North 1H, East pass, South 4H, three passes; East made the last call, so the review
    // box follows.
    Command(ID_TRAINER_MANUALBIDDING);
    ScriptCalls("1H P 4H P P P");
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();
    ASSERT_EQ(m_pTable->m_nContractLevel, 3);
    ASSERT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    // East led; the computer plays the rest of the first trick.
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_bManual[NORTH] = false;
    m_pTable->m_bManual[SOUTH] = false;
    while (m_pTable->m_tricks.GetCount() == 0)
        m_pTable->ComputerPlay();
    m_pTable->m_nAutoDeals = 0;

    test::QueueFileDialogAnswer("fourhearts");
    ASSERT_TRUE(Command(ID_FILE_SAVEHAND));
    const std::vector<std::string> lines = Lines(ReadWholeFile(FolderFile("fourhearts.brg").c_str()));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "3 2") << "four hearts";
    EXPECT_EQ(lines[1], "1 0") << "East leads, North dealt";
    EXPECT_EQ(lines[3], "0 0");

    Command(ID_FUNCTIONS_NEWDEAL);
    EXPECT_TRUE(Load(ID_FILE_OPENHAND, "fourhearts.brg").empty());
    EXPECT_EQ(m_pTable->m_nContractLevel, 3);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);

    // Every seat passes the loaded deal, from East; the review box follows.
    ScriptCalls("P P P P");
    ScriptEscape();
    m_pTable->OnPlay();
    test::RunUntilIdle();
    ASSERT_EQ(m_pTable->m_stats.size(), 1u);
    test::QueueFileDialogAnswer("stats.csv");
    ASSERT_TRUE(Command(ID_FILE_SAVESTATS));
    EXPECT_EQ(ReadWholeFile(FolderFile("stats.csv").c_str()), "0,0,-1,-7,0,0,1\n");
}

} // namespace auctiontest
