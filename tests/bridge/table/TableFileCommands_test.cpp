// The four file commands of the bridge tables run from the menu with the file dialogs'
// answers queued: Save Stats, Export Xml, Import Xml and Import Times Bridge, at the plain
// table and in the dialog with the auction.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"

namespace {

namespace test = plat::test;

std::string ReadText(const std::string& strPath)
{
    std::ifstream is(strPath);
    std::stringstream text;
    text << is.rdbuf();
    return text.str();
}

// A ".bridge" file: an 87-byte header of junk, then for each given hand (in the file's seat
// order South, West, North, East) 13 records of a card byte and seven junk bytes, and two
// spare bytes.
void WriteTimesBridgeFile(const std::string& strPath,
                          const std::vector<std::vector<unsigned char>>& hands)
{
    std::ofstream os(strPath, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < 87; i++)
        os.put(static_cast<char>(0xA5));
    for (const std::vector<unsigned char>& hand : hands) {
        for (unsigned char byCard : hand) {
            os.put(static_cast<char>(byCard));
            for (int i = 0; i < 7; i++)
                os.put(static_cast<char>(0xFF));
        }
        os.put('\0');
        os.put('\0');
    }
}

// The 13 card bytes of one suit: rank codes 0 (two) .. 12 (ace) in bits 0-3, suit in bits
// 5-6. Clubs' ace is written with bit 4 set, which names the same card.
std::vector<unsigned char> SuitBytes(int nSuit)
{
    std::vector<unsigned char> bytes;
    for (int nCode = 0; nCode <= 12; nCode++)
        bytes.push_back(static_cast<unsigned char>(nSuit * 32 + nCode));
    if (nSuit == SUIT_CLUBS)
        bytes.back() = 28;
    return bytes;
}

} // namespace

namespace tabletest {

TEST_F(TableTest, SaveStatsWritesALinePerFinishedDeal)
{
    ASSERT_NE(OpenTable(4040), nullptr);
    // Before any deal is finished the file is empty.
    test::QueueFileDialogAnswer("empty");
    ASSERT_TRUE(Command(ID_FILE_SAVESTATS));
    ASSERT_TRUE(std::filesystem::exists(FolderFile("empty.csv")));
    EXPECT_EQ(ReadText(FolderFile("empty.csv")), "");

    // The first deal: North deals and leads one club, so West declares for East/West.
    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_tricks.GetCount(), 13);
    const int nResult = m_pTable->m_nTricks[1] - 7;
    const std::string strLine = "3,0,0," + std::to_string(nResult) + ",0,0,0\n";
    test::QueueFileDialogAnswer("stats");
    ASSERT_TRUE(Command(ID_FILE_SAVESTATS));
    EXPECT_EQ(ReadText(FolderFile("stats.csv")), strLine);

    // The next deal, one diamond led by East, adds its line; the file is rewritten whole.
    m_pTable->NextDeal();
    PlayDealByComputer();
    const std::string strSecond =
        "0,0,1," + std::to_string(m_pTable->m_nTricks[0] - 7) + ",0,1,0\n";
    test::QueueFileDialogAnswer("stats.csv");
    ASSERT_TRUE(Command(ID_FILE_SAVESTATS));
    EXPECT_EQ(ReadText(FolderFile("stats.csv")), strLine + strSecond);
    EXPECT_EQ(m_pTable->m_stats.size(), 2u);
}

TEST_F(TableTest, XmlExportImportsIntoANewTableAsTheSameDeal)
{
    ASSERT_NE(OpenTable(5150), nullptr);
    // Two deals on: South deals and leads, hearts are trumps.
    m_pTable->NextDeal();
    m_pTable->NextDeal();
    ASSERT_EQ(m_pTable->m_nDealer, SOUTH);
    const int scores[2][4] = {{1, 0, 30, 60}, {0, 1, 7, 12}};
    for (int nSide = 0; nSide < 2; nSide++) {
        m_pTable->m_nRubbers[nSide] = scores[nSide][0];
        m_pTable->m_nGames[nSide] = scores[nSide][1];
        m_pTable->m_nAbove[nSide] = scores[nSide][2];
        m_pTable->m_nBelow[nSide] = scores[nSide][3];
    }
    std::vector<int> dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = CardIndexes(m_pTable->Hand(nSeat));
    test::QueueFileDialogAnswer("deal");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    const std::string strXml = ReadText(FolderFile("deal.xml"));
    EXPECT_NE(strXml.find("<dealer>South</dealer>"), std::string::npos);
    EXPECT_EQ(strXml.find("<bidding>"), std::string::npos);

    // A new table, on another deal, dealt by North in clubs.
    CloseLauncher();
    ASSERT_NE(OpenTable(77), nullptr);
    ASSERT_EQ(m_pTable->m_nLeader, NORTH);
    test::QueueFileDialogAnswer("deal.xml");
    ASSERT_TRUE(Command(ID_IMPORT_XML));

    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), dealt[nSeat]) << "seat " << nSeat;
    for (int nSide = 0; nSide < 2; nSide++) {
        EXPECT_EQ(m_pTable->m_nRubbers[nSide], scores[nSide][0]);
        EXPECT_EQ(m_pTable->m_nGames[nSide], scores[nSide][1]);
        EXPECT_EQ(m_pTable->m_nAbove[nSide], scores[nSide][2]);
        EXPECT_EQ(m_pTable->m_nBelow[nSide], scores[nSide][3]);
    }
    // The file's dealer leads; contract and dealer of this table stay.
    EXPECT_EQ(m_pTable->m_nLeader, SOUTH);
    EXPECT_EQ(m_pTable->m_nToPlay, SOUTH);
    EXPECT_EQ(m_pTable->m_trick.GetLeader(), SOUTH);
    EXPECT_EQ(m_pTable->m_nDummy, WEST);
    EXPECT_EQ(m_pTable->m_nDeclaringSide, 1);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    // The table's trumps, clubs, are raised for play; the other suits are not.
    for (int nSeat = 0; nSeat < 4; nSeat++) {
        for (const CCard& card : m_pTable->Hand(nSeat).m_cards)
            EXPECT_EQ(card.GetOrder() > ORDER_ACE, card.GetSuit() == SUIT_CLUBS);
    }

    // The imported deal plays through.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    ExpectTricksLegal();
}

TEST_F(TableTest, XmlExportAfterATrickHoldsTheDealAsPlayBegan)
{
    ASSERT_NE(OpenTable(6262), nullptr);
    m_pTable->m_nAbove[1] = 5;
    std::vector<int> dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = CardIndexes(m_pTable->Hand(nSeat));
    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_tricks.GetCount(), 13);
    ASSERT_GT(m_pTable->m_nAbove[0] + m_pTable->m_nBelow[0] + m_pTable->m_nAbove[1] +
                  m_pTable->m_nBelow[1],
              5)
        << "the deal was scored";

    test::QueueFileDialogAnswer("played.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    test::QueueFileDialogAnswer("played.xml");
    ASSERT_TRUE(Command(ID_IMPORT_XML));
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), dealt[nSeat]) << "seat " << nSeat;
    EXPECT_EQ(m_pTable->m_nAbove[0], 0);
    EXPECT_EQ(m_pTable->m_nBelow[0], 0);
    EXPECT_EQ(m_pTable->m_nAbove[1], 5);
    EXPECT_EQ(m_pTable->m_nBelow[1], 0);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 0);
    EXPECT_EQ(m_pTable->m_nTricks[0] + m_pTable->m_nTricks[1], 0);
}

// The cards a seat's suit piles show.
std::vector<int> ShownCards(CTestDummyDlg* pTable, int nSeat)
{
    CCardPile shown;
    pTable->GetSeatPiles(nSeat)->CopyAllTo(shown);
    return CardIndexes(shown);
}

TEST_F(TableTest, XmlExportWritesADealSetUpByHand)
{
    ASSERT_NE(OpenTable(3005), nullptr);
    // Dummy is East: manual East/West play lets the person move cards before play. A card
    // of North's goes to East and one of East's other suits comes back.
    ASSERT_TRUE(Command(ID_TRAINER_MANUALEASTWEST));
    const CCardPile& northPile = *m_pTable->GetSeatPiles(NORTH)->GetAt(0);
    const CCardPile& eastFirst = *m_pTable->GetSeatPiles(EAST)->GetAt(0);
    test::Drag(m_pTable, TopCardPoint(northPile), TopCardPoint(eastFirst));
    test::RunUntilIdle();
    const CCardPile& eastOther = *m_pTable->GetSeatPiles(EAST)->GetAt(3);
    ASSERT_GT(eastOther.GetCount(), 0);
    test::Drag(m_pTable, TopCardPoint(eastOther), TopCardPoint(northPile));
    test::RunUntilIdle();
    std::vector<int> shown[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        shown[nSeat] = ShownCards(m_pTable, nSeat);
    ASSERT_NE(shown[NORTH], CardIndexes(m_pTable->Hand(NORTH))) << "cards were moved";

    test::QueueFileDialogAnswer("edited.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    m_pTable->NextDeal();
    test::QueueFileDialogAnswer("edited.xml");
    ASSERT_TRUE(Command(ID_IMPORT_XML));
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), shown[nSeat]) << "seat " << nSeat;
}

TEST_F(TableTest, TimesBridgeFileImportsIntoTheFourHands)
{
    ASSERT_NE(OpenTable(31), nullptr);
    m_pTable->m_nBelow[0] = 40;
    // South spades, West hearts, North diamonds, East clubs.
    WriteTimesBridgeFile(FolderFile("deal.bridge"),
                         {SuitBytes(SUIT_SPADES), SuitBytes(SUIT_HEARTS),
                          SuitBytes(SUIT_DIAMONDS), SuitBytes(SUIT_CLUBS)});
    test::QueueFileDialogAnswer("deal");
    ASSERT_TRUE(Command(ID_IMPORT_TIMESBRIDGE));

    const int suits[4] = {SUIT_DIAMONDS, SUIT_CLUBS, SUIT_SPADES, SUIT_HEARTS};
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->Hand(nSeat).CountSuit(suits[nSeat]), 13) << "seat " << nSeat;
    // East's clubs are the trumps of this deal: the ace (byte 28) is the highest, 13 + 13.
    const CCardPile& east = m_pTable->Hand(EAST);
    ASSERT_EQ(east.GetCount(), 13);
    EXPECT_EQ(east.m_cards.front().GetRank(), RANK_ACE);
    EXPECT_EQ(east.m_cards.front().GetOrder(), 26);
    EXPECT_EQ(east.m_cards.front().GetPoints(), 4);
    // Only the cards are taken.
    EXPECT_EQ(m_pTable->m_nLeader, NORTH);
    EXPECT_EQ(m_pTable->m_nToPlay, NORTH);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_EQ(m_pTable->m_nBelow[0], 40);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);

    // Each side holds its own suits, so East/West make every trick in clubs.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    ExpectTricksLegal();
}

TEST_F(TableTest, ImportsThatCannotBeReadOrAreDamagedAreReportedAndChangeNothing)
{
    ASSERT_NE(OpenTable(32), nullptr);
    // Mid-trick, so that a load would be seen in the trick and the state.
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    m_pTable->ComputerPlay();
    m_pTable->ComputerPlay();
    m_pTable->m_nAbove[1] = 17;
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 2);
    std::vector<CCard> hands[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        hands[nSeat] = m_pTable->Hand(nSeat).m_cards;

    // Only South's and West's hands are in the file; the XML export of this deal gets a
    // games count no rubber reaches.
    WriteTimesBridgeFile(FolderFile("short.bridge"), {SuitBytes(SUIT_SPADES), SuitBytes(SUIT_HEARTS)});
    test::QueueFileDialogAnswer("games.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    std::string strXml = ReadText(FolderFile("games.xml"));
    const size_t nGames = strXml.find("<games>0</games>");
    ASSERT_NE(nGames, std::string::npos);
    std::ofstream(FolderFile("games.xml")) << strXml.replace(nGames, 16, "<games>5</games>");
    struct Import {
        UINT nID;
        const char* szFile;
        const char* szMessage;
    };
    const Import imports[] = {
        {ID_IMPORT_TIMESBRIDGE, "short.bridge",
         "short.bridge is not a Times Bridge file: it is 299 bytes long, and a deal takes 511"},
        {ID_IMPORT_XML, "missing.xml", "missing.xml could not be opened: No such file or directory"},
        {ID_IMPORT_XML, "games.xml",
         "games.xml is not a hand file: line 35: North/South's games must be 0 to 1, not 5"},
    };
    for (const Import& import : imports) {
        const size_t nBoxes = test::GetMessageBoxes().size();
        test::QueueFileDialogAnswer(import.szFile);
        ASSERT_TRUE(Command(import.nID)) << import.szFile;
        ASSERT_EQ(test::GetMessageBoxes().size(), nBoxes + 1) << import.szFile;
        EXPECT_EQ(test::GetMessageBoxes().back().strText, import.szMessage);
        EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING) << import.szFile;
        EXPECT_EQ(m_pTable->m_trick.GetCount(), 2) << import.szFile;
        EXPECT_EQ(m_pTable->m_nAbove[1], 17) << import.szFile;
        for (int nSeat = 0; nSeat < 4; nSeat++)
            EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, hands[nSeat]) << import.szFile << " seat " << nSeat;
    }
}

TEST_F(TableTest, XmlExportedDuringTheFirstTrickImportsAsADealPlayWillNotStart)
{
    ASSERT_NE(OpenTable(33), nullptr);
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    m_pTable->ComputerPlay();
    test::QueueFileDialogAnswer("first.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    m_pTable->m_nAutoDeals = 0;
    m_pTable->NextDeal();
    test::QueueFileDialogAnswer("first.xml");
    ASSERT_TRUE(Command(ID_IMPORT_XML));
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 12);
    EXPECT_EQ(m_pTable->Hand(EAST).GetCount(), 13);

    ASSERT_TRUE(test::ClickControl(m_pTable, IDC_PLAY));
    test::RunUntilIdle();
    ASSERT_FALSE(test::GetMessageBoxes().empty());
    EXPECT_EQ(test::GetMessageBoxes().back().strText, "North does not have 13 cards");
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_trick.GetCount(), 0);
}

TEST_F(TableTest, CancelInEachFileDialogChangesNothing)
{
    ASSERT_NE(OpenTable(909), nullptr);
    // Mid-trick, so that a load would be seen in the trick and the state.
    m_pTable->m_nAutoDeals = 2;
    m_pTable->m_nState = STATE_PLAYING;
    m_pTable->ComputerPlay();
    m_pTable->ComputerPlay();
    m_pTable->m_nAbove[0] = 9;
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 2);
    std::vector<CCard> hands[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        hands[nSeat] = m_pTable->Hand(nSeat).m_cards;
    const int nToPlay = m_pTable->m_nToPlay;

    for (UINT nID : {ID_FILE_SAVESTATS, ID_EXPORT_XML, ID_IMPORT_XML, ID_IMPORT_TIMESBRIDGE}) {
        test::QueueFileDialogCancel();
        ASSERT_TRUE(Command(nID)) << nID;
        EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING) << nID;
        EXPECT_EQ(m_pTable->m_trick.GetCount(), 2) << nID;
        EXPECT_EQ(m_pTable->m_nToPlay, nToPlay) << nID;
        EXPECT_EQ(m_pTable->m_nAbove[0], 9) << nID;
        for (int nSeat = 0; nSeat < 4; nSeat++)
            EXPECT_EQ(m_pTable->Hand(nSeat).m_cards, hands[nSeat]) << nID << " seat " << nSeat;
    }
    // Each command asked once, and nothing was written.
    EXPECT_EQ(test::GetFileDialogs().size(), 4u);
    for (const test::FileDialogRecord& dialog : test::GetFileDialogs())
        EXPECT_TRUE(dialog.bAnswered);
    EXPECT_TRUE(std::filesystem::is_empty(FolderFile("")));
}

} // namespace tabletest

namespace auctiontest {

TEST_F(BidWhistTest, ImportsLowerTheTrumpsForTheNextAuction)
{
    ASSERT_NE(OpenTable(2024), nullptr);
    const int nDealer = m_pTable->m_nDealer;
    std::vector<int> dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = CardIndexes(m_pTable->Hand(nSeat));
    PlayDealByComputer();
    ASSERT_EQ(m_pTable->m_nDealer, nDealer) << "the deal was bid and played";
    ASSERT_EQ(m_pTable->m_tricks.GetCount(), 13);
    // After the auction the export carries it.
    test::QueueFileDialogAnswer("bid.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    EXPECT_NE(ReadText(FolderFile("bid.xml")).find("<bidding>"), std::string::npos);

    // A new deal waiting for its auction: the calls still held are not its own.
    Command(ID_FUNCTIONS_NEWDEAL);
    ASSERT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    ASSERT_GT(m_pTable->m_auction.GetSize(), 0);
    test::QueueFileDialogAnswer("new.xml");
    ASSERT_TRUE(Command(ID_EXPORT_XML));
    EXPECT_EQ(ReadText(FolderFile("new.xml")).find("<bidding>"), std::string::npos);

    // With hearts as the table's strain the import raises them for play, and the dialog
    // lowers them again: the next auction sees plain orders.
    m_pTable->m_nTrumps = SUIT_HEARTS;
    test::QueueFileDialogAnswer("bid.xml");
    ASSERT_TRUE(Command(ID_IMPORT_XML));
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_HEARTS);
    EXPECT_FALSE(AnyOrderRaised());
    EXPECT_EQ(m_pTable->m_nLeader, nDealer);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(CardIndexes(m_pTable->Hand(nSeat)), dealt[nSeat]) << "seat " << nSeat;

    // Play runs a fresh auction on the imported hands, from the file's dealer.
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_auction.GetDealer(), nDealer);
}

TEST_F(BidWhistTest, TimesBridgeImportLowersTheTrumps)
{
    ASSERT_NE(OpenTable(515), nullptr);
    m_pTable->m_nTrumps = SUIT_SPADES;
    WriteTimesBridgeFile(FolderFile("deal.bridge"),
                         {SuitBytes(SUIT_SPADES), SuitBytes(SUIT_HEARTS),
                          SuitBytes(SUIT_DIAMONDS), SuitBytes(SUIT_CLUBS)});
    test::QueueFileDialogAnswer("deal.bridge");
    ASSERT_TRUE(Command(ID_IMPORT_TIMESBRIDGE));
    EXPECT_EQ(m_pTable->Hand(SOUTH).CountSuit(SUIT_SPADES), 13);
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_SPADES);
    EXPECT_FALSE(AnyOrderRaised());
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
}

} // namespace auctiontest
