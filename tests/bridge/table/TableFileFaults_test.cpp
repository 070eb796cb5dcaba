// The hand files and scores tried as a hostile user would, through the real commands with the
// file dialogs answered: a failed open, a damaged file, uneven hands, trick counts and scores
// no deal allows, the contract saved in the middle of a deal and the record of a pass-out
// after a load. And as a user's desktop has them: a named pipe, a socket, a device, a link, a
// file with a second name or another user's, a read-only file, a folder that takes no new
// file, a name as long as the system allows, a missing folder, a byte-order mark, a NUL byte
// inside a word, a deal set up by hand, the other table's autosave, autosaves that keep
// failing and scores of long sessions.
// None of them may hang or trap the player or cost the deal on the table or a score.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "resources/BridgeOptionTemplates.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableFilesTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/CUnprivileged.h"

namespace {

namespace test = plat::test;

// Chooses command nID of pTable's menu with szFile typed into its file dialog; the texts of
// the message boxes shown meanwhile.
std::vector<CString> RunFileCommand(CWnd* pTable, UINT nID, const char* szFile)
{
    const size_t nBoxes = test::GetMessageBoxes().size();
    test::QueueFileDialogAnswer(szFile);
    EXPECT_TRUE(test::ChooseMenuCommand(pTable, nID)) << szFile;
    test::RunUntilIdle();
    std::vector<CString> shown;
    for (size_t i = nBoxes; i < test::GetMessageBoxes().size(); i++)
        shown.push_back(test::GetMessageBoxes()[i].strText);
    return shown;
}

// Whether pWnd shows strText whole somewhere inside rect, as its font draws it in black on
// the table colour.
bool ShowsText(CWnd* pWnd, const CRect& rect, const CString& strText)
{
    CClientDC dc(pWnd);
    CRect rectText(CPoint(0, 0), dc.GetTextExtent(strText));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rectText.Width(), rectText.Height());
    CDC dcText;
    dcText.CreateCompatibleDC(&dc);
    dcText.SelectObject(&bitmap);
    dcText.FillSolidRect(&rectText, TABLE_COLOR);
    dcText.SetBkColor(TABLE_COLOR);
    dcText.DrawText(strText, &rectText, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
    const auto matchesAt = [&](int x, int y) {
        for (int dy = 0; dy < rectText.Height(); dy++) {
            for (int dx = 0; dx < rectText.Width(); dx++) {
                if (dc.GetPixel(x + dx, y + dy) != dcText.GetPixel(dx, dy))
                    return false;
            }
        }
        return true;
    };
    for (int y = rect.top; y + rectText.Height() <= rect.bottom; y++) {
        for (int x = rect.left; x + rectText.Width() <= rect.right; x++) {
            if (matchesAt(x, y))
                return true;
        }
    }
    return false;
}

} // namespace

namespace auctiontest {

namespace {

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
    std::vector<CString> Load(UINT nID, const char* szFile) { return RunFileCommand(m_pTable, nID, szFile); }

    // Loads szFile with command nID and expects it refused with szMessage alone, the table
    // left exactly as it was.
    void ExpectRefused(UINT nID, const char* szFile, const CString& strMessage)
    {
        const CTableState before(*m_pTable);
        EXPECT_EQ(Load(nID, szFile), std::vector<CString>{strMessage});
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
    // A named pipe is refused at once, never waited on for a writer.
    const std::pair<UINT, const char*> pipes[] = {
        {ID_FILE_OPENHAND, "pipe.brg"}, {ID_IMPORT_XML, "pipe.xml"}, {ID_IMPORT_TIMESBRIDGE, "pipe.bridge"}};
    for (const auto& [nID, szPipe] : pipes) {
        ASSERT_EQ(::mkfifo(FolderFile(szPipe).c_str(), 0644), 0);
        ExpectRefused(nID, szPipe, CString(szPipe) + " is not a regular file");
    }
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
    // "Q", a NUL and "J" are no queen, and no queen with the jack lost.
    std::string strJoined = ReadWholeFile(FolderFile("deal.xml").c_str());
    const size_t nHearts = strJoined.find("<hearts>", strJoined.find("<east>"));
    const size_t nBlank = strJoined.find(' ', nHearts);
    ASSERT_LT(nBlank, strJoined.find('<', nHearts + 1)) << "East holds two hearts";
    strJoined[nBlank] = '\0';
    std::ofstream(FolderFile("joined.xml")) << strJoined;
    ExpectRefused(ID_IMPORT_XML, "joined.xml", "joined.xml is not a hand file: line 21: East's hearts hold a word that is no rank");

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
         "bad.brg is not a hand file: line 62: East/West's points above the line must be 0 to 1000000000, not "
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
                  "1000000000, not 2147483500");
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

TEST_F(TableFileFaultsTest, FilesWithAByteOrderMarkAndXmlWithAnEmptyValueOpen)
{
    ASSERT_NE(OpenTable(616), nullptr);
    m_pTable->m_nAbove[0] = 70;
    m_pTable->m_nBelow[1] = 40;
    std::vector<int> dealt[SEAT_COUNT];
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
        dealt[nSeat] = CardIndexes(m_pTable->Hand(nSeat));
    ASSERT_TRUE(RunFileCommand(m_pTable, ID_EXPORT_XML, "deal.xml").empty());
    ASSERT_TRUE(RunFileCommand(m_pTable, ID_FILE_SAVEHAND, "deal.brg").empty());
    std::string strXml = ReadWholeFile(FolderFile("deal.xml").c_str());
    strXml.replace(strXml.find("<above>70</above>"), 17, "<above></above>");
    std::ofstream(FolderFile("marked.xml")) << "\xEF\xBB\xBF" << strXml;
    std::ofstream(FolderFile("marked.brg")) << "\xEF\xBB\xBF" << ReadWholeFile(FolderFile("deal.brg").c_str());
    // The XML file's empty value reads as 0.
    const std::tuple<UINT, const char*, int> loads[] = {{ID_IMPORT_XML, "marked.xml", 0}, {ID_FILE_OPENHAND, "marked.brg", 70}};
    for (const auto& [nID, szFile, nAbove] : loads) {
        m_pTable->NextDeal();
        EXPECT_TRUE(Load(nID, szFile).empty()) << szFile;
        EXPECT_EQ(m_pTable->m_nAbove[0], nAbove) << szFile;
        EXPECT_EQ(m_pTable->m_nBelow[1], 40);
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), dealt[nSeat]) << szFile << " seat " << nSeat;
    }
}

} // namespace auctiontest

namespace tabletest {

using PlainTableFileFaultsTest = TableTest;

TEST_F(PlainTableFileFaultsTest, ADealSetUpByHandWithUnevenHandsSavesAndOpensAsItWas)
{
    ASSERT_NE(OpenTable(3005), nullptr);
    // Dummy is East: manual East/West play lets the person move one of North's cards to East.
    ASSERT_TRUE(Command(ID_TRAINER_MANUALEASTWEST));
    test::Drag(m_pTable, TopCardPoint(*m_pTable->GetSeatPiles(NORTH)->GetAt(0)),
               TopCardPoint(*m_pTable->GetSeatPiles(EAST)->GetAt(0)));
    test::RunUntilIdle();
    std::vector<int> shown[SEAT_COUNT];
    for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++) {
        CCardPile pile;
        m_pTable->GetSeatPiles(nSeat)->CopyAllTo(pile);
        shown[nSeat] = CardIndexes(pile);
    }
    ASSERT_EQ(shown[NORTH].size(), 12u);
    ASSERT_EQ(shown[EAST].size(), 14u);

    const std::pair<UINT, UINT> commands[] = {{ID_FILE_SAVEHAND, ID_FILE_OPENHAND}, {ID_EXPORT_XML, ID_IMPORT_XML}};
    for (const auto& [nSave, nOpen] : commands) {
        const char* szFile = nSave == ID_EXPORT_XML ? "edited.xml" : "edited.brg";
        EXPECT_TRUE(RunFileCommand(m_pTable, nSave, szFile).empty()) << szFile;
        m_pTable->NextDeal();
        EXPECT_TRUE(RunFileCommand(m_pTable, nOpen, szFile).empty()) << szFile;
        for (int nSeat = 0; nSeat < SEAT_COUNT; nSeat++)
            EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), shown[nSeat]) << szFile << " seat " << nSeat;
    }
    // Play names the seat to put right, as for the deal set up on the table.
    ASSERT_TRUE(test::ClickControl(m_pTable, IDC_PLAY));
    test::RunUntilIdle();
    EXPECT_EQ(test::GetMessageBoxes().back().strText, "North does not have 13 cards");
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
}

TEST_F(PlainTableFileFaultsTest, TheOtherTablesDealBeforeItsAuctionIsPlayedInThisTablesContract)
{
    ASSERT_NE(OpenTable(4242), nullptr);
    ASSERT_EQ(m_pTable->m_nContractLevel, 0);
    ASSERT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    // The table with the auction saves its deal before the auction with level -1, no trump.
    ASSERT_TRUE(RunFileCommand(m_pTable, ID_FILE_SAVEHAND, "deal.brg").empty());
    std::string strFile = ReadWholeFile(FolderFile("deal.brg").c_str());
    std::ofstream(FolderFile("auction.brg")) << strFile.replace(0, strFile.find('\n'), "-1 4");
    m_pTable->NextDeal();
    EXPECT_TRUE(RunFileCommand(m_pTable, ID_FILE_OPENHAND, "auction.brg").empty());
    EXPECT_EQ(m_pTable->m_nContractLevel, 0);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_DIAMONDS);

    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_stats.size(), 1u);
    EXPECT_EQ(m_pTable->m_stats[0].m_contract.GetLevel(), 0);
    EXPECT_EQ(m_pTable->m_stats[0].m_contract.GetSuit(), SUIT_DIAMONDS);
    EXPECT_EQ(m_pTable->m_stats[0].m_nKind, STATS_KIND_PLAIN);
}

TEST_F(PlainTableFileFaultsTest, AFailingAutosaveIsReportedOnceUntilOneSucceedsOrAutoSaveIsSwitchedAgain)
{
    ASSERT_NE(OpenTable(77), nullptr);
    // Folders where the autosave files go: no save can replace them, not even root's.
    const auto blockAutosaves = [this]() {
        for (int n = 1; n <= 9; n++)
            ::mkdir(FolderFile(("autosave" + std::to_string(n) + ".brg").c_str()).c_str(), 0755);
    };
    const auto failuresDuring = [](const std::function<void()>& fnRun) {
        const size_t nBoxes = test::GetMessageBoxes().size();
        fnRun();
        int nFailures = 0;
        for (size_t i = nBoxes; i < test::GetMessageBoxes().size(); i++)
            nFailures += test::GetMessageBoxes()[i].strText.Find("autosave") == 0;
        return nFailures;
    };
    const auto twoNewDeals = [this]() {
        for (int i = 0; i < 2; i++) {
            test::QueueMessageBoxAnswer(IDOK);
            ASSERT_TRUE(Command(ID_FUNCTIONS_NEWDEAL));
        }
    };
    blockAutosaves();
    ASSERT_TRUE(Command(ID_OPTIONS_AUTOSAVE));
    // Five hands of automatic play and the deal for the person after them: one box.
    EXPECT_EQ(failuresDuring([this]() {
                  test::ScriptNextDialog(IDD_AUTOMATIC_PLAY,
                                         {test::SetTextStep(IDC_AUTO_HANDS, "5"), test::ClickStep(IDOK)});
                  ASSERT_TRUE(Command(ID_FUNCTIONS_PLAYFULLAUTO));
              }),
              1);
    EXPECT_EQ(failuresDuring(twoNewDeals), 0);
    // Switched off and on, Auto Save tells of the next failure again; so it does after an
    // autosave that succeeded.
    ASSERT_TRUE(Command(ID_OPTIONS_AUTOSAVE));
    ASSERT_TRUE(Command(ID_OPTIONS_AUTOSAVE));
    EXPECT_EQ(failuresDuring(twoNewDeals), 1);
    for (int n = 1; n <= 9; n++)
        ::rmdir(FolderFile(("autosave" + std::to_string(n) + ".brg").c_str()).c_str());
    EXPECT_EQ(failuresDuring(twoNewDeals), 0);
    blockAutosaves();
    EXPECT_EQ(failuresDuring(twoNewDeals), 1);
}

TEST_F(PlainTableFileFaultsTest, ScoresOfLongSessionsAreAddedSavedAndOpened)
{
    ASSERT_NE(OpenTable(5151), nullptr);
    // Ten million each, which about 100,000 deals reach.
    const int nLong = 10000000;
    for (int nSide = 0; nSide < 2; nSide++)
        m_pTable->m_nAbove[nSide] = m_pTable->m_nBelow[nSide] = nLong;
    PlayDealByComputer();
    const int nSum = m_pTable->m_nAbove[0] + m_pTable->m_nBelow[0] + m_pTable->m_nAbove[1] + m_pTable->m_nBelow[1];
    EXPECT_GT(nSum, 4 * nLong) << "the deal's points count";

    m_pTable->NextDeal();
    m_pTable->m_nRubbers[1] = 123456789;
    m_pTable->m_nBelow[0] = MAX_SIDE_SCORE;
    ASSERT_TRUE(RunFileCommand(m_pTable, ID_FILE_SAVEHAND, "long.brg").empty());
    m_pTable->m_nRubbers[1] = m_pTable->m_nBelow[0] = 0;
    EXPECT_TRUE(RunFileCommand(m_pTable, ID_FILE_OPENHAND, "long.brg").empty());
    EXPECT_EQ(m_pTable->m_nRubbers[1], 123456789);
    EXPECT_EQ(m_pTable->m_nBelow[0], MAX_SIDE_SCORE);

    // The table shows the longest scores whole, and the line after them.
    m_pTable->m_nAbove[1] = MAX_SIDE_SCORE - 1;
    m_pTable->m_nBelow[1] = MAX_SIDE_SCORE;
    m_pTable->RefreshTable();
    test::RunUntilIdle();
    for (const char* szText : {"999999999", "1000000000", "Not vulnerable"})
        EXPECT_TRUE(ShowsText(m_pTable, m_pTable->m_rectSideEW, szText)) << szText;
}

TEST_F(PlainTableFileFaultsTest, SavesFollowLinksKeepEveryNameAndOwnerAndRefuseReadOnlyOrSpecialFiles)
{
    ASSERT_NE(OpenTable(6161), nullptr);
    ASSERT_TRUE(RunFileCommand(m_pTable, ID_FILE_SAVEHAND, "plain.brg").empty());
    const std::string strDeal = ReadWholeFile(FolderFile("plain.brg").c_str());
    ASSERT_EQ(::mkdir(FolderFile("hands").c_str(), 0755), 0);
    std::ofstream(FolderFile("hands/real.brg")) << "old";
    ASSERT_EQ(::symlink("hands/real.brg", FolderFile("link.brg").c_str()), 0);
    std::ofstream(FolderFile("readonly.brg")) << "old";
    ASSERT_EQ(::chmod(FolderFile("readonly.brg").c_str(), 0444), 0);
    const std::string strLongName = std::string(251, 'n') + ".brg";
    std::ofstream(FolderFile("mine.brg")) << "old";
    ASSERT_EQ(::link(FolderFile("mine.brg").c_str(), FolderFile("club-copy.brg").c_str()), 0);
    // Root must leave another user's file theirs; root may make a file in any folder, so a
    // folder that takes no new file is tried by nobody.
    const bool bRoot = CUnprivileged::IsRoot();
    std::ofstream(FolderFile("theirs.brg")) << "old";
    ASSERT_TRUE(!bRoot || ::chown(FolderFile("theirs.brg").c_str(), CUnprivileged::NOBODY_UID, 0) == 0);
    ASSERT_EQ(::chmod(FolderFile("").c_str(), 0711), 0);
    ASSERT_EQ(::mkdir(FolderFile("locked").c_str(), 0755), 0);
    std::ofstream(FolderFile("locked/mine.brg")) << "old";
    ASSERT_EQ(::chmod(FolderFile("locked/mine.brg").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(FolderFile("locked").c_str(), 0555), 0);
    // A pipe, a socket and, through a link, a device that drops what it is given (root alone
    // may make one).
    ASSERT_EQ(::mknod(FolderFile("pipe.brg").c_str(), S_IFIFO | 0644, 0), 0);
    ASSERT_EQ(::mknod(FolderFile("socket.xml").c_str(), S_IFSOCK | 0644, 0), 0);
    const char* szDevice = ::mknod(FolderFile("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0 ? "null" : "pipe.brg";
    ASSERT_EQ(::symlink(szDevice, FolderFile("tonull.csv").c_str()), 0);

    const CString strPrompt = " already exists.\nDo you want to replace it?";
    struct Save {
        UINT nID;
        std::string strName;
        std::vector<CString> boxes;
        bool bAsNobody;
    };
    const Save saves[] = {
        {ID_FILE_SAVEHAND, "link.brg", {"link.brg" + strPrompt}, false},
        {ID_FILE_SAVEHAND, "readonly.brg",
         {"readonly.brg" + strPrompt, "readonly.brg could not be written: Permission denied"}, false},
        {ID_FILE_SAVEHAND, strLongName, {}, false},
        {ID_FILE_SAVEHAND, "missing/deal.brg", {"missing/deal.brg could not be written: No such file or directory"}, false},
        {ID_FILE_SAVEHAND, "mine.brg", {"mine.brg" + strPrompt}, false},
        {ID_FILE_SAVEHAND, "theirs.brg", {"theirs.brg" + strPrompt}, false},
        {ID_FILE_SAVEHAND, "locked/mine.brg", {"mine.brg" + strPrompt}, true},
        {ID_FILE_SAVEHAND, "pipe.brg", {"pipe.brg" + strPrompt, "pipe.brg is not a regular file"}, false},
        {ID_EXPORT_XML, "socket.xml", {"socket.xml" + strPrompt, "socket.xml is not a regular file"}, false},
        {ID_FILE_SAVESTATS, "tonull.csv", {"tonull.csv" + strPrompt, "tonull.csv is not a regular file"}, false},
    };
    for (const Save& save : saves) {
        test::QueueMessageBoxAnswer(IDYES);
        std::optional<CUnprivileged> unprivileged;
        if (save.bAsNobody)
            unprivileged.emplace();
        EXPECT_EQ(RunFileCommand(m_pTable, save.nID, save.strName.c_str()), save.boxes) << save.strName;
        unprivileged.reset();
        // The file dialog left the chosen folder current.
        ASSERT_EQ(::chdir(FolderFile("").c_str()), 0);
        test::ResetDriver();
    }
    struct stat info;
    ASSERT_EQ(::lstat(FolderFile("link.brg").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
    EXPECT_EQ(ReadWholeFile(FolderFile("readonly.brg").c_str()), "old");
    for (const char* szSaved : {"hands/real.brg", strLongName.c_str(), "club-copy.brg", "theirs.brg", "locked/mine.brg"})
        EXPECT_EQ(ReadWholeFile(FolderFile(szSaved).c_str()), strDeal) << szSaved;
    ASSERT_EQ(::stat(FolderFile("theirs.brg").c_str(), &info), 0);
    EXPECT_TRUE(!bRoot || info.st_uid == CUnprivileged::NOBODY_UID) << "the file stays nobody's";
    EXPECT_TRUE(RunFileCommand(m_pTable, ID_FILE_OPENHAND, strLongName.c_str()).empty());

    // The autosave, whose file no one chose, is refused alike.
    ASSERT_EQ(::symlink(szDevice, FolderFile("autosave1.brg").c_str()), 0);
    ASSERT_TRUE(Command(ID_OPTIONS_AUTOSAVE));
    test::QueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(Command(ID_FUNCTIONS_NEWDEAL));
    EXPECT_EQ(test::GetMessageBoxes().back().strText, "autosave1.brg is not a regular file");
    const std::pair<const char*, mode_t> specials[] = {
        {"pipe.brg", S_IFIFO}, {"socket.xml", S_IFSOCK}, {szDevice, std::string(szDevice) == "null" ? S_IFCHR : S_IFIFO}};
    for (const auto& [szFile, nType] : specials) {
        ASSERT_EQ(::lstat(FolderFile(szFile).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, nType) << szFile;
    }
    ASSERT_EQ(::chmod(FolderFile("locked").c_str(), 0755), 0);
}

} // namespace tabletest
