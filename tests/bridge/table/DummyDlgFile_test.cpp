// The bridge table's hand files: Save Hand and Open Hand, damaged files and the autosaves.

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bridge/play/PlayConstants.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/TableTestSupport.h"

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

TEST_F(TableTest, HandFileSavedMidTrickLacksTheCardsPlayed)
{
    ASSERT_NE(OpenTable(1003), nullptr);
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    m_pTable->ComputerPlay();
    m_pTable->ComputerPlay();
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 2);
    const CCard ledCard = m_pTable->m_trick.m_cards[0];

    m_pTable->WriteHandFile("midtrick.brg");
    ASSERT_TRUE(m_pTable->ReadHandFile("midtrick.brg"));
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 12);
    EXPECT_EQ(m_pTable->Hand(EAST).GetCount(), 12);
    EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 13);
    EXPECT_FALSE(m_pTable->Hand(NORTH).Contains(ledCard));
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);

    // The uneven deal plays until a seat to play has no card left.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 12);
    ExpectTricksLegal();
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

TEST_F(TableTest, DamagedHandFilesLeaveTheDealAsItWas)
{
    ASSERT_NE(OpenTable(8), nullptr);
    const std::string strGood = HandWrittenDeal(true);
    // The four hands and the scores, after the four lines of contract, seats and tricks.
    const std::string strHands = strGood.substr(14);
    const std::string damaged[] = {
        "",
        "garbage text",
        "0 2\n1 2\n1\n0 0\n13\n13 3 12",                 // ends inside a card
        "0 2\n1 2\n1\n0 0\n1000000\n",                   // huge count
        "0 2\n1 2\n1\n0 0\n-3\n",                        // negative count
        "0 2\n7 2\n1\n0 0\n" + strHands,       // no such seat
        "9 2\n1 2\n1\n0 0\n" + strHands,       // no such level
        "0 -4\n1 2\n1\n0 0\n" + strHands,      // no such strain
        "0 2\n1 2\n1\n40 0\n" + strHands,      // more tricks than a deal has
        "0 0\n0 0\n0\n0 0\n2\n1 9 13 4\n2 0 1 0\n0\n0\n0\n", // no such suit
        "0 0\n0 0\n0\n0 0\n1\n1 0 13 4\n1\n1 0 13 4\n0\n0\n", // one card twice
        "0 0\n0 0\n0\n0 0\n1\n0 0 0 0\n0\n0\n0\n",       // no such rank
    };
    ASSERT_EQ(strGood.substr(0, 14), "0 2\n1 2\n1\n0 0\n");
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);
    for (const std::string& strText : damaged) {
        WriteText("damaged.brg", strText);
        EXPECT_FALSE(m_pTable->ReadHandFile("damaged.brg")) << strText;
        EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
        EXPECT_EQ(m_pTable->m_nLeader, NORTH);
        for (int nSeat = 0; nSeat < 4; nSeat++)
            EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, dealt[nSeat].m_cards) << strText;
    }
    // Damage to a card's order and points is repaired from its rank.
    WriteText("repaired.brg", "0 4\n0 0\n0\n0 0\n1\n1 3 99 -7\n0\n0\n0\n");
    ASSERT_TRUE(m_pTable->ReadHandFile("repaired.brg"));
    ASSERT_EQ(m_pTable->Hand(NORTH).GetCount(), 1);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards[0].GetOrder(), 13);
    EXPECT_EQ(m_pTable->Hand(NORTH).m_cards[0].GetPoints(), 4);

    // A file that cannot be opened empties the table and keeps the contract.
    EXPECT_FALSE(m_pTable->ReadHandFile("missing.brg"));
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 0);
    EXPECT_EQ(m_pTable->m_nTrumps, NO_TRUMPS);
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

    WriteSetting("autosave", 12);
    m_pTable->NextDeal();
    EXPECT_TRUE(std::filesystem::exists(FolderFile("autosave12.brg")));
    EXPECT_EQ(ReadSetting("autosave", 0), 1);

    // Writing the autosave leaves the trumps of the deal raised.
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_SPADES);
    for (const CCard& card : m_pTable->Hand(NORTH).m_cards)
        EXPECT_EQ(card.GetOrder() > 13, card.GetSuit() == SUIT_SPADES);
}

} // namespace tabletest
