// The XML hand file: the exact export, the bidding rounds, the round trip through the import,
// and damaged or hostile files that must neither crash nor run away.

#include "bridge/table/XmlHand.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>

#include "bridge/bidding/Auction.h"
#include "cardtable/PileGroup.h"
#include "platform/testing/driver.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace test = plat::test;

namespace {

// Four hands by seat and both sides' scores, as a table holds them.
struct CDeal {
    CCardPile hands[4];
    CPileGroup group;
    int nRubbers[2] = {};
    int nGames[2] = {};
    int nAbove[2] = {};
    int nBelow[2] = {};
    int nLeader = 1;

    CDeal()
    {
        for (CCardPile& hand : hands)
            group.Add(&hand);
    }
    CXmlDeal View(int nDealer, const CAuction* pAuction) const
    {
        return CXmlDeal{nDealer, {&hands[0], &hands[1], &hands[2], &hands[3]}, pAuction, nRubbers, nGames, nAbove, nBelow};
    }
    CXmlScores Scores() { return CXmlScores{nRubbers, nGames, nAbove, nBelow}; }
    void Import(const std::string& strFile)
    {
        std::istringstream is(strFile);
        CXmlHandReader(is).Read(group, nLeader, Scores());
    }
};

// Game number 4711 shuffled and dealt, with some scores.
void Deal(CDeal& deal)
{
    CCardPile deck;
    for (int nCard = 0; nCard < 52; ++nCard)
        deck.AddCard(BridgeCard(nCard / 4 + 1, nCard % 4));
    CCardPile::SetGameNumber(4711);
    deck.Shuffle();
    deck.DealRounds(-1, deal.group);
    deal.nRubbers[0] = 1;
    deal.nAbove[0] = 250;
    deal.nBelow[0] = 60;
    deal.nGames[1] = 1;
    deal.nAbove[1] = 30;
}

std::string Export(const CXmlDeal& deal)
{
    std::ostringstream os;
    WriteXmlHand(os, deal);
    return os.str();
}

// The bidding block of an export of an empty deal dealt by the auction's dealer.
std::string Bidding(const CAuction& auction)
{
    const std::string strFile = Export(CDeal().View(auction.GetDealer(), &auction));
    const size_t nStart = strFile.find("<bidding>\n");
    const size_t nEnd = strFile.find("</bidding>\n");
    return nStart == std::string::npos ? "" : strFile.substr(nStart + 10, nEnd - nStart - 10);
}

std::string Round(const char* szWest, const char* szNorth, const char* szEast, const char* szSouth)
{
    return std::string("<round>\n<west>") + szWest + "</west>\n<north>" + szNorth + "</north>\n<east>" + szEast +
           "</east>\n<south>" + szSouth + "</south>\n</round>\n";
}

void ExpectSaneHands(const CDeal& deal, const std::string& strWhat)
{
    for (const CCardPile& hand : deal.hands) {
        EXPECT_LE(hand.GetCount(), 13) << strWhat;
        for (const CCard& card : hand.m_cards)
            EXPECT_TRUE(card.GetRank() >= 1 && card.GetRank() <= 13 && card.GetSuit() >= 0 && card.GetSuit() <= 3);
    }
}

} // namespace

TEST(CXmlHand, ExportWithoutAuctionWritesTheFixedStructure)
{
    CDeal deal;
    for (int nRank = 1; nRank <= 13; ++nRank)
        deal.hands[2].AddCard(BridgeCard(nRank, nRank % 3 == 0 ? 0 : 3));
    deal.nRubbers[0] = 1;
    deal.nBelow[1] = 60;
    const std::string strEmpty = "<spades></spades>\n<hearts></hearts>\n<diamonds></diamonds>\n<clubs></clubs>\n";
    const std::string strExpected =
        "<?xml version='1.0' encoding=\"utf-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"hand.xsl\"?>\n"
        "<hand>\n<title></title>\n<dealer>East</dealer>\n<cards>\n<north>\n" + strEmpty + "</north>\n<west>\n" +
        strEmpty + "</west>\n<east>\n" + strEmpty + "</east>\n<south>\n<spades>A K J 10 8 7 5 4 2</spades>\n"
        "<hearts></hearts>\n<diamonds></diamonds>\n<clubs>Q 9 6 3</clubs>\n</south>\n</cards>\n<scores>\n"
        "<northsouth>\n<rubbers>1</rubbers>\n<games>0</games>\n<above>0</above>\n<below>0</below>\n</northsouth>\n"
        "<eastwest>\n<rubbers>0</rubbers>\n<games>0</games>\n<above>0</above>\n<below>60</below>\n</eastwest>\n"
        "</scores>\n<description>\n</description>\n<solution>\n</solution>\n</hand>\n";
    EXPECT_EQ(strExpected, Export(deal.View(1, nullptr)));
    // An auction without calls writes no bidding block either.
    const CAuction empty;
    EXPECT_EQ(strExpected, Export(deal.View(1, &empty)));
}

TEST(CXmlHand, BiddingRunsInRoundsFromWestUntilThreePassesEndARound)
{
    CAuction auction; // East deals: 1H, pass, pass, 2H, pass, pass, pass
    auction.SetDealer(1);
    auction.AddBid(nullptr, 0, 2, "");
    auction.AddPass(nullptr, "");
    auction.AddPass(nullptr, "");
    auction.AddBid(nullptr, 1, 2, "");
    for (int i = 0; i < 3; ++i)
        auction.AddPass(nullptr, "");
    EXPECT_EQ(Round("-", "-", "1<heart/>", "Pass") + Round("Pass", "2<heart/>", "Pass", "Pass") +
                  Round("Pass", "", "", ""), Bidding(auction));

    CAuction passedOut; // North deals, four passes
    for (int i = 0; i < 4; ++i)
        passedOut.AddPass(nullptr, "");
    EXPECT_EQ(Round("-", "Pass", "Pass", "Pass") + Round("Pass", "", "", ""), Bidding(passedOut));

    CAuction doubled; // South deals: 1NT, double, redouble, pass, 4S, pass, pass, pass
    doubled.SetDealer(2);
    doubled.AddBid(nullptr, 0, 4, "");
    doubled.AddDouble(nullptr, "");
    doubled.AddDouble(nullptr, "");
    doubled.AddPass(nullptr, "");
    doubled.AddBid(nullptr, 3, 3, "");
    for (int i = 0; i < 3; ++i)
        doubled.AddPass(nullptr, "");
    EXPECT_EQ(Round("-", "-", "-", "1NT") + Round("x", "xx", "Pass", "4<spade/>") + Round("Pass", "Pass", "Pass", ""),
              Bidding(doubled));

    CAuction running; // exported while West's opening is the only call: passes complete it
    running.SetDealer(3);
    running.AddBid(nullptr, 0, 0, "");
    EXPECT_EQ(Round("1<club/>", "Pass", "Pass", "Pass"), Bidding(running));
}

TEST(CXmlHand, ImportReadsBackHandsDealerAndScoresOnly)
{
    CDeal deal;
    Deal(deal);
    CAuction auction;
    auction.SetDealer(3);
    for (int i = 0; i < 4; ++i)
        auction.AddPass(nullptr, "");
    CDeal imported;
    imported.nLeader = 0;
    imported.Import(Export(deal.View(3, &auction)));
    EXPECT_EQ(3, imported.nLeader);
    for (int nSeat = 0; nSeat < 4; ++nSeat)
        EXPECT_EQ(CardList(deal.hands[nSeat]), CardList(imported.hands[nSeat])) << nSeat;
    for (int nSide = 0; nSide < 2; ++nSide) {
        EXPECT_EQ(deal.nRubbers[nSide], imported.nRubbers[nSide]);
        EXPECT_EQ(deal.nGames[nSide], imported.nGames[nSide]);
        EXPECT_EQ(deal.nAbove[nSide], imported.nAbove[nSide]);
        EXPECT_EQ(deal.nBelow[nSide], imported.nBelow[nSide]);
    }
    for (const char* szDealer : {"<dealer>north</dealer>", "<dealer> West</dealer>"}) {
        CDeal other;
        other.Import(szDealer);
        EXPECT_EQ(1, other.nLeader) << szDealer;
    }
}

TEST(CXmlHand, DamagedContentsGiveNoStrayCardsAndBoundedNumbers)
{
    std::string strHearts;
    for (int i = 0; i < 2000; ++i)
        strHearts += "A K Q J 10 ";
    CDeal deal;
    deal.Import("<cards><east><spades>A Z 1 KK 10\tJ  Q </spades><hearts>0</hearts><diamonds>AAAAAAAAAAAAAAAAA"
                "</diamonds><clubs></clubs></east><west><spades>2 3 4 5 6 7 8 9 10 J K A Q</spades><hearts>" +
                strHearts + "</hearts><diamonds></diamonds><clubs></clubs></west></cards>"
                "<scores><northsouth><rubbers>99999999999999999999</rubbers><games>-5x</games><above>  12</above>"
                "<below>abc</below></northsouth><eastwest><rubbers>-99999999999999999999</rubbers></scores>");
    CCardPile expected;
    expected.AddCard(BridgeCard(1, 3));
    expected.AddCard(BridgeCard(12, 3));
    EXPECT_EQ(CardList(expected), CardList(deal.hands[1]));
    // West's spades lack East's ace and queen, and only two hearts fit into thirteen cards.
    EXPECT_EQ(13, deal.hands[3].GetCount());
    EXPECT_EQ(11, deal.hands[3].CountSuit(3));
    EXPECT_EQ(INT_MAX, deal.nRubbers[0]);
    EXPECT_EQ(-5, deal.nGames[0]);
    EXPECT_EQ(12, deal.nAbove[0]);
    EXPECT_EQ(0, deal.nBelow[0]);
    EXPECT_EQ(INT_MIN, deal.nRubbers[1]);
}

TEST(CXmlHand, TruncatedAndHostileFilesEndSafely)
{
    CDeal deal;
    Deal(deal);
    const std::string strFile = Export(deal.View(2, nullptr));
    for (size_t nLength = 0; nLength <= strFile.size(); ++nLength) {
        CDeal cut;
        cut.Import(strFile.substr(0, nLength));
        ExpectSaneHands(cut, "length " + std::to_string(nLength));
    }
    // An endless tag and endless texts; then random mixtures of the format's own pieces.
    const std::string strHuge(1 << 21, 'x');
    for (const char* szStart : {"<", "<dealer>", "<scores><northsouth><rubbers>", "<cards><north><spades>"}) {
        CDeal hostile;
        hostile.Import(szStart + strHuge);
        EXPECT_EQ(1, hostile.nLeader);
        EXPECT_EQ(0, hostile.nRubbers[0] + hostile.hands[0].GetCount());
    }
    const char* const szPieces[] = {"<", ">", "cards", "/cards", "north", "west", "spades", "clubs", "scores",
                                    "eastwest", "rubbers", "/scores", "dealer", "North", "A", "10", " ", "\xff"};
    std::mt19937 generator(2026);
    std::uniform_int_distribution<size_t> pick(0, std::size(szPieces) - 1);
    for (int nRun = 0; nRun < 300; ++nRun) {
        std::string strRandom;
        for (int i = 0; i < 400; ++i)
            strRandom += szPieces[pick(generator)];
        CDeal random;
        random.Import(strRandom);
        ExpectSaneHands(random, "run " + std::to_string(nRun));
    }
}

TEST(CXmlHand, FilesThroughTheCommandsAndAMissingFile)
{
    CScratchFolder scratch;
    CDeal deal;
    Deal(deal);
    test::QueueFileDialogAnswer("deal");
    ExportXmlHand(nullptr, deal.View(2, nullptr));
    EXPECT_EQ(Export(deal.View(2, nullptr)), ReadWholeFile("deal.xml"));

    test::QueueFileDialogAnswer("deal.xml");
    const CString strName = AskXmlImportFileName(nullptr);
    CDeal imported;
    EXPECT_TRUE(ReadXmlHand(strName, imported.group, imported.nLeader, imported.Scores()));
    EXPECT_EQ(2, imported.nLeader);
    EXPECT_EQ(CardList(deal.hands[3]), CardList(imported.hands[3]));
    CDeal missing;
    EXPECT_FALSE(ReadXmlHand("missing.xml", missing.group, missing.nLeader, missing.Scores()));
}
