// The bridge table's hand files: Save Hand and Open Hand, damaged files and the autosaves.

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/CFileSizeLimit.h"
#include "tests/support/CTempWorkingFolder.h"

namespace tabletest {

namespace {

void WriteText(const std::string& strPath, const std::string& strText)
{
    std::ofstream os(strPath, std::ios::out | std::ios::trunc);
    os << strText;
}

std::string ReadText(const std::string& strPath)
{
    std::ifstream is(strPath);
    std::stringstream text;
    text << is.rdbuf();
    return text.str();
}

int ReadSetting(const char* szName, int nDefault)
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    return settings.ReadInt(szName, nDefault);
}

void WriteSetting(const char* szName, int nValue)
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    settings.WriteInt(szName, nValue);
}

// A deal written by hand: one heart by East (dealer South), North holding the spades,
// East the hearts, South the diamonds, West the clubs; then the scores.
std::string HandWrittenDeal(bool bWithScores)
{
    std::ostringstream text;
    text << "0 2\n1 2\n1\n0 0\n";
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_DIAMONDS, SUIT_CLUBS}) {
        text << "13\n";
        for (int nRank = 13; nRank >= 1; nRank--) {
            const int nOrder = nRank == 1 ? 13 : nRank - 1;
            text << nRank << ' ' << nSuit << ' ' << nOrder << ' ' << (nOrder > 9 ? nOrder - 9 : 0)
                 << '\n';
        }
    }
    if (bWithScores)
        text << "1 1 30 40\n0 1 7 12\n";
    return text.str();
}

} // namespace

TEST_F(TableTest, HandFileSavedBeforePlayOpensAsTheSameDeal)
{
    ASSERT_NE(OpenTable(1001), nullptr);
    m_pTable->m_nAbove[0] = 3;
    m_pTable->m_nBelow[1] = 8;
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);

    plat::test::QueueFileDialogAnswer("saved");
    ASSERT_TRUE(Command(ID_FILE_SAVEHAND));
    ASSERT_TRUE(std::filesystem::exists(FolderFile("saved.brg")));
    // Clubs are written with their plain orders: the first lines read level, trumps,
    // leader, dealer, player to move, tricks.
    EXPECT_EQ(ReadText(FolderFile("saved.brg")).rfind("0 0\n0 0\n0\n0 0\n13\n", 0), 0u);

    m_pTable->NextDeal();
    m_pTable->m_nAbove[0] = 0;
    m_pTable->m_nBelow[1] = 0;
    plat::test::QueueFileDialogAnswer("saved.brg");
    ASSERT_TRUE(Command(ID_FILE_OPENHAND));

    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nContractLevel, 0);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nDummy, EAST);
    EXPECT_EQ(m_pTable->m_nAbove[0], 3);
    EXPECT_EQ(m_pTable->m_nBelow[1], 8);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << "seat " << nSeat;
    EXPECT_EQ(plat::test::GetFileDialogs().size(), 2u);
}

TEST_F(TableTest, HandFileSavedAfterATrickHoldsTheDealAsPlayBegan)
{
    ASSERT_NE(OpenTable(1002), nullptr);
    m_pTable->m_nBelow[0] = 6;
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_tricks.GetCount(), 13);

    m_pTable->WriteHandFile("after.brg");
    m_pTable->NextDeal();
    ASSERT_TRUE(m_pTable->ReadHandFile("after.brg"));
    EXPECT_EQ(m_pTable->m_nTricks[0], 0);
    EXPECT_EQ(m_pTable->m_nTricks[1], 0);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nBelow[0], 6);
    EXPECT_EQ(m_pTable->m_nAbove[0] + m_pTable->m_nAbove[1] + m_pTable->m_nBelow[1], 0);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << "seat " << nSeat;
}

TEST_F(TableTest, HandFileSavedMidTrickLacksTheCardsPlayedAndPlayNamesTheShortSeat)
{
    ASSERT_NE(OpenTable(1003), nullptr);
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    m_pTable->ComputerPlay();
    m_pTable->ComputerPlay();
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 2);
    const CCard ledCard = m_pTable->m_trick.m_cards[0];

    ASSERT_TRUE(m_pTable->WriteHandFile("midtrick.brg"));
    ASSERT_TRUE(m_pTable->ReadHandFile("midtrick.brg"));
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 12);
    EXPECT_EQ(m_pTable->Hand(EAST).GetCount(), 12);
    EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 13);
    EXPECT_FALSE(m_pTable->Hand(NORTH).Contains(ledCard));
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);

    // Played as it stands the uneven deal would stop for good after twelve tricks, never
    // scored: Play names the seat that lacks a card instead, and nothing starts.
    PlayDealByComputer();
    ASSERT_FALSE(plat::test::GetMessageBoxes().empty());
    EXPECT_EQ(plat::test::GetMessageBoxes().back().strText, "North does not have 13 cards");
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 0);
    EXPECT_TRUE(m_pTable->m_stats.empty());
}

TEST_F(TableTest, HandWrittenFileLoadsWithTrumpsRaisedAndScores)
{
    ASSERT_NE(OpenTable(7), nullptr);
    WriteText("hand.brg", HandWrittenDeal(true));
    ASSERT_TRUE(m_pTable->ReadHandFile("hand.brg"));
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    EXPECT_EQ(m_pTable->m_nLeader, EAST);
    EXPECT_EQ(m_pTable->m_nToPlay, EAST);
    EXPECT_EQ(m_pTable->m_nDealer, SOUTH);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 0);
    EXPECT_EQ(m_pTable->m_nDummy, SOUTH);
    EXPECT_EQ(m_pTable->m_nRubbers[0], 1);
    EXPECT_EQ(m_pTable->m_nAbove[0], 30);
    EXPECT_EQ(m_pTable->m_nBelow[1], 12);
    // East's hearts are trumps: ace 26 .. two 14. North's spades stay plain.
    const CCardPile& east = m_pTable->Hand(EAST);
    ASSERT_EQ(east.GetCount(), 13);
    EXPECT_EQ(east.m_cards.front().GetOrder(), 26);
    EXPECT_EQ(east.m_cards.back().GetOrder(), 14);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards.front().GetOrder(), 13);
    EXPECT_EQ(m_pTable->Hand(WEST).CountSuit(SUIT_CLUBS), 13);
    // Trumps come first among the displayed suit piles.
    EXPECT_EQ(m_pTable->GetSeatPiles(EAST)->GetAt(0)->GetCount(), 13);

    // A file that ends after the West hand leaves the scores alone.
    WriteText("noscores.brg", HandWrittenDeal(false));
    m_pTable->m_nAbove[0] = 99;
    ASSERT_TRUE(m_pTable->ReadHandFile("noscores.brg"));
    EXPECT_EQ(m_pTable->m_nAbove[0], 99);
    EXPECT_EQ(m_pTable->Hand(SOUTH).CountSuit(SUIT_DIAMONDS), 13);
}

TEST_F(TableTest, DamagedHandFilesAreReportedAndLeaveTheDealAsItWas)
{
    ASSERT_NE(OpenTable(8), nullptr);
    const std::string strGood = HandWrittenDeal(true);
    // The four hands, after the four lines of contract, seats and tricks; and without scores.
    const std::string strHands = strGood.substr(14);
    const std::string strNoScores = HandWrittenDeal(false).substr(14);
    ASSERT_EQ(strGood.substr(0, 14), "0 2\n1 2\n1\n0 0\n");
    struct Row {
        std::string strText;
        const char* szProblem;
    };
    const Row rows[] = {
        {"", "line 1: the file ends where the contract level should follow"},
        {"garbage text", "line 1: the contract level must be a number"},
        {"0 2\n1 2\n1\n0 0\n13\n13 3 12", "line 6: the file ends where the points of a card of North should follow"},
        {"0 2\n1 2\n1\n0 0\n1000000\n", "line 5: the number of North's cards must be 0 to 52, not 1000000"},
        {"0 2\n1 2\n1\n0 0\n-3\n", "line 5: the number of North's cards must be 0 to 52, not -3"},
        {"0 2\n7 2\n1\n0 0\n" + strHands, "line 2: the leader must be 0 to 3, not 7"},
        {"0 2\n1 2\n9\n0 0\n" + strHands, "line 3: the player to move must be 0 to 3, not 9"},
        {"9 2\n1 2\n1\n0 0\n" + strHands, "line 1: the contract level must be -1 to 6, not 9"},
        {"0 -4\n1 2\n1\n0 0\n" + strHands, "line 1: the trump suit must be 0 to 4, not -4"},
        {"0 2\n1 2\n1\n40 0\n" + strHands, "line 4: North/South's tricks must be 0 to 13, not 40"},
        {"0 2\n1 2\n1\n0 1x\n" + strHands, "line 4: East/West's tricks must be a number"},
        // The cards left allow no trick at all: thirteen each way is no deal.
        {"0 2\n1 2\n1\n13 13\n" + strHands, "line 4: 26 tricks taken and 13 cards still in a hand make more than 13 tricks"},
        {"0 0\n0 0\n0\n0 0\n2\n1 9 13 4\n2 0 1 0\n0\n0\n0\n", "line 6: the suit of a card of North must be 0 to 3, not 9"},
        {"0 0\n0 0\n0\n0 0\n1\n1 0 13 4\n1\n1 0 13 4\n0\n0\n", "line 8: the ace of clubs is dealt twice"},
        {"0 0\n0 0\n0\n0 0\n1\n0 0 0 0\n0\n0\n0\n", "line 6: the rank of a card of North must be 1 to 13, not 0"},
        {"0 0\n0 0\n0\n0 0\n1\n1 0 99999999999 4\n0\n0\n0\n",
         "line 6: the order of a card of North must be -2147483648 to 2147483647, not 99999999999"},
        // Scores no rubber reaches, or only some of them.
        {"0 2\n1 2\n1\n0 0\n" + strNoScores + "2147483647 0 0 0\n0 0 0 0\n",
         "line 61: North/South's rubbers must be 0 to 1000000000, not 2147483647"},
        {"0 2\n1 2\n1\n0 0\n" + strNoScores + "0 2 0 0\n0 0 0 0\n", "line 61: North/South's games must be 0 to 1, not 2"},
        {"0 2\n1 2\n1\n0 0\n" + strNoScores + "0 0 0 0\n0 0 -150 0\n",
         "line 62: East/West's points above the line must be 0 to 1000000000, not -150"},
        {"0 2\n1 2\n1\n0 0\n" + strNoScores + "1 1 30 40\n0 1\n",
         "line 63: the file ends where East/West's points above the line should follow"},
    };
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    for (const Row& row : rows) {
        WriteText("damaged.brg", row.strText);
        const size_t nBoxes = plat::test::GetMessageBoxes().size();
        EXPECT_FALSE(m_pTable->ReadHandFile("damaged.brg")) << row.szProblem;
        ASSERT_EQ(plat::test::GetMessageBoxes().size(), nBoxes + 1) << row.szProblem;
        EXPECT_EQ(plat::test::GetMessageBoxes().back().strText,
                  CString("damaged.brg is not a hand file: ") + row.szProblem);
        EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
        EXPECT_EQ(m_pTable->m_nLeader, NORTH);
        EXPECT_EQ(m_pTable->m_nTricks[0] + m_pTable->m_nTricks[1], 0);
        EXPECT_EQ(m_pTable->m_nRubbers[0], 0);
        for (int nSeat = 0; nSeat < 4; nSeat++)
            EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << row.szProblem;
    }
    // Damage to a card's order and points is repaired from its rank.
    WriteText("repaired.brg", "0 4\n0 0\n0\n0 0\n1\n1 3 99 -7\n0\n0\n0\n");
    ASSERT_TRUE(m_pTable->ReadHandFile("repaired.brg"));
    ASSERT_EQ(m_pTable->Hand(NORTH).GetCount(), 1);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards[0].GetOrder(), 13);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards[0].GetPoints(), 4);
    // Tricks the cards left allow are taken.
    WriteText("tricks.brg", "0 4\n0 0\n0\n8 4\n1\n1 3 13 4\n0\n0\n0\n");
    ASSERT_TRUE(m_pTable->ReadHandFile("tricks.brg"));
    EXPECT_EQ(m_pTable->m_nTricks[0], 8);
    EXPECT_EQ(m_pTable->m_nTricks[1], 4);
}

TEST_F(TableTest, AutosaveRotatesThroughNineFiles)
{
    ASSERT_NE(OpenTable(11), nullptr);
    ASSERT_FALSE(std::filesystem::exists(FolderFile("autosave1.brg")));
    ASSERT_TRUE(Command(ID_OPTIONS_AUTOSAVE));
    EXPECT_TRUE(m_pTable->m_bAutoSave);

    m_pTable->NextDeal();
    EXPECT_TRUE(std::filesystem::exists(FolderFile("autosave1.brg")));
    EXPECT_EQ(ReadSetting("autosave", 0), 2);
    // The autosave is the deal as dealt, with its contract: one diamond led by East.
    EXPECT_EQ(ReadText(FolderFile("autosave1.brg")).rfind("0 1\n1 1\n1\n0 0\n13\n", 0), 0u);

    WriteSetting("autosave", 9);
    m_pTable->NextDeal();
    EXPECT_TRUE(std::filesystem::exists(FolderFile("autosave9.brg")));
    EXPECT_EQ(ReadSetting("autosave", 0), 1);

    // A stored counter outside the nine names is brought back to the nearest of them.
    std::filesystem::remove(FolderFile("autosave9.brg"));
    WriteSetting("autosave", 12);
    m_pTable->NextDeal();
    EXPECT_TRUE(std::filesystem::exists(FolderFile("autosave9.brg")));
    EXPECT_EQ(ReadSetting("autosave", 0), 1);

    // Writing the autosave leaves the trumps of the deal raised.
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_SPADES);
    for (const CCard& card : m_pTable->Hand(NORTH).m_cards)
        EXPECT_EQ(card.GetOrder() > 13, card.GetSuit() == SUIT_SPADES);

    std::filesystem::remove(FolderFile("autosave1.brg"));
    WriteSetting("autosave", INT_MIN);
    m_pTable->NextDeal();
    EXPECT_TRUE(std::filesystem::exists(FolderFile("autosave1.brg")));
    EXPECT_EQ(ReadSetting("autosave", 0), 2);
    EXPECT_EQ(FileNamesIn(FolderFile("")), (std::vector<std::string>{"autosave1.brg", "autosave9.brg"}));
}

TEST_F(TableTest, EverySaveThatFailsLeavesThePreviousFileWholeAndSaysWhyOnce)
{
    ASSERT_NE(OpenTable(12), nullptr);
    const CHandStats record(0, CBid(nullptr, 3, 3, ""), 10, FALSE, 3, STATS_KIND_PLAIN);
    m_pTable->m_stats.assign(2, record);
    // Each save: the file it writes, how the table saves it, and whether the file dialog
    // asks before replacing the file.
    struct Save {
        const char* szFile;
        std::function<void()> save;
        bool bAsksToReplace;
    };
    const auto command = [this](UINT nID, const char* szFile) {
        return [this, nID, szFile]() {
            plat::test::QueueFileDialogAnswer(szFile);
            ASSERT_TRUE(Command(nID));
        };
    };
    const Save saves[] = {
        {"saved.brg", command(ID_FILE_SAVEHAND, "saved.brg"), true},
        {"deal.xml", command(ID_EXPORT_XML, "deal.xml"), true},
        {"stats.csv", command(ID_FILE_SAVESTATS, "stats.csv"), true},
        {"autosave1.brg",
         [this]() {
             WriteSetting("autosave", 1);
             m_pTable->NextDeal();
         },
         false},
    };
    m_pTable->SetAutoSave(true);
    for (const Save& save : saves) {
        save.save();
        const std::string strBefore = ReadText(FolderFile(save.szFile));
        ASSERT_FALSE(strBefore.empty()) << save.szFile;
        const std::vector<std::string> filesBefore = FileNamesIn(FolderFile(""));
        // Another deal, more scores and records: every file would grow past the limit.
        m_pTable->m_nAbove[1] = 123456;
        m_pTable->m_stats.assign(12, record);
        WriteSetting("autosave", 1);
        const size_t nBoxes = plat::test::GetMessageBoxes().size();
        {
            CFileSizeLimit limit(100);
            ASSERT_TRUE(limit.IsActive());
            save.save();
        }
        EXPECT_EQ(ReadText(FolderFile(save.szFile)), strBefore) << save.szFile;
        EXPECT_EQ(FileNamesIn(FolderFile("")), filesBefore) << "no temporary file is left";
        // One message says what went wrong, after the question whether to replace the file.
        std::vector<CString> expected;
        if (save.bAsksToReplace)
            expected.push_back(CString(save.szFile) + " already exists.\nDo you want to replace it?");
        expected.push_back(CString(save.szFile) + " could not be written: File too large");
        std::vector<CString> shown;
        for (size_t i = nBoxes; i < plat::test::GetMessageBoxes().size(); i++)
            shown.push_back(plat::test::GetMessageBoxes()[i].strText);
        EXPECT_EQ(shown, expected) << save.szFile;
        m_pTable->m_stats.assign(2, record);
    }
    // The hand file kept is whole: it opens as the deal it was.
    const size_t nBoxes = plat::test::GetMessageBoxes().size();
    EXPECT_TRUE(m_pTable->ReadHandFile("saved.brg"));
    EXPECT_EQ(plat::test::GetMessageBoxes().size(), nBoxes);
    EXPECT_EQ(m_pTable->m_nAbove[1], 0);
}

} // namespace tabletest
