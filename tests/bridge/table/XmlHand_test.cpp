// The XML hand file: the exact export, the bidding rounds, the round trip through the import,
// and damaged, cut or hostile files, refused with what is wrong, never crashing or running away.

#include "bridge/table/XmlHand.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "bridge/bidding/Auction.h"
#include "bridge/table/FileDeal.h"
#include "cardtable/PileGroup.h"
#include "platform/testing/driver.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

namespace test = plat::test;

namespace {

// Game number 4711 shuffled and dealt, with some scores, dealt by nDealer.
CFileDeal DealtDeal(int nDealer)
{
    CCardPile deck;
    for (int nCard = 0; nCard < 52; ++nCard)
        deck.AddCard(BridgeCard(nCard / 4 + 1, nCard % 4));
    CCardPile::SetGameNumber(4711);
    deck.Shuffle();
    CFileDeal deal;
    CPileGroup group;
    for (CCardPile& hand : deal.hands)
        group.Add(&hand);
    deck.DealRounds(-1, group);
    deal.nDealer = nDealer;
    deal.nScores[0][SCORE_RUBBERS] = 1;
    deal.nScores[0][SCORE_ABOVE] = 250;
    deal.nScores[0][SCORE_BELOW] = 60;
    deal.nScores[1][SCORE_GAMES] = 1;
    deal.nScores[1][SCORE_ABOVE] = 30;
    return deal;
}

std::string Export(const CFileDeal& deal, const CAuction* pAuction = nullptr)
{
    std::ostringstream os;
    WriteXmlHand(os, deal, pAuction);
    return os.str();
}

// What the import makes of strFile: the deal when accepted, else the problem.
struct CImport {
    CFileDeal deal;
    CString strProblem;
    bool bAccepted;

    explicit CImport(const std::string& strFile) : bAccepted(ParseXmlHand(strFile, deal, strProblem)) {}
};

// The bidding block of an export of an empty deal dealt by the auction's dealer.
std::string Bidding(const CAuction& auction)
{
    CFileDeal empty;
    empty.nDealer = auction.GetDealer();
    const std::string strFile = Export(empty, &auction);
    const size_t nStart = strFile.find("<bidding>\n");
    const size_t nEnd = strFile.find("</bidding>\n");
    return nStart == std::string::npos ? "" : strFile.substr(nStart + 10, nEnd - nStart - 10);
}

std::string Round(const char* szWest, const char* szNorth, const char* szEast, const char* szSouth)
{
    return std::string("<round>\n<west>") + szWest + "</west>\n<north>" + szNorth + "</north>\n<east>" + szEast +
           "</east>\n<south>" + szSouth + "</south>\n</round>\n";
}

// The cards element of a file whose hands hold the given suit texts, spades first, by seat.
std::string Cards(const std::string (&suits)[4][4])
{
    const char* const szSeats[4] = {"north", "east", "south", "west"};
    const char* const szSuits[4] = {"spades", "hearts", "diamonds", "clubs"};
    std::string strCards = "<cards>\n";
    for (int nSeat = 0; nSeat < 4; ++nSeat) {
        strCards += std::string("<") + szSeats[nSeat] + ">\n";
        for (int i = 0; i < 4; ++i)
            strCards += std::string("<") + szSuits[i] + ">" + suits[nSeat][i] + "</" + szSuits[i] + ">\n";
        strCards += std::string("</") + szSeats[nSeat] + ">\n";
    }
    return strCards + "</cards>\n";
}

const std::string s_strFourSuits[4][4] = {{"A K Q J 10 9 8 7 6 5 4 3 2", "", "", ""},
                                          {"", "A K Q J 10 9 8 7 6 5 4 3 2", "", ""},
                                          {"", "", "A K Q J 10 9 8 7 6 5 4 3 2", ""},
                                          {"", "", "", "A K Q J 10 9 8 7 6 5 4 3 2"}};

} // namespace

TEST(CXmlHand, ExportWithoutAuctionWritesTheFixedStructure)
{
    CFileDeal deal;
    deal.nDealer = 1;
    for (int nRank = 1; nRank <= 13; ++nRank)
        deal.hands[2].AddCard(BridgeCard(nRank, nRank % 3 == 0 ? 0 : 3));
    deal.nScores[0][SCORE_RUBBERS] = 1;
    deal.nScores[1][SCORE_BELOW] = 60;
    const std::string strEmpty = "<spades></spades>\n<hearts></hearts>\n<diamonds></diamonds>\n<clubs></clubs>\n";
    const std::string strExpected =
        "<?xml version='1.0' encoding=\"utf-8\"?>\n<?xml-stylesheet type=\"text/xsl\" href=\"hand.xsl\"?>\n"
        "<hand>\n<title></title>\n<dealer>East</dealer>\n<cards>\n<north>\n" + strEmpty + "</north>\n<west>\n" +
        strEmpty + "</west>\n<east>\n" + strEmpty + "</east>\n<south>\n<spades>A K J 10 8 7 5 4 2</spades>\n"
        "<hearts></hearts>\n<diamonds></diamonds>\n<clubs>Q 9 6 3</clubs>\n</south>\n</cards>\n<scores>\n"
        "<northsouth>\n<rubbers>1</rubbers>\n<games>0</games>\n<above>0</above>\n<below>0</below>\n</northsouth>\n"
        "<eastwest>\n<rubbers>0</rubbers>\n<games>0</games>\n<above>0</above>\n<below>60</below>\n</eastwest>\n"
        "</scores>\n<description>\n</description>\n<solution>\n</solution>\n</hand>\n";
    EXPECT_EQ(strExpected, Export(deal));
    // An auction without calls writes no bidding block either.
    const CAuction empty;
    EXPECT_EQ(strExpected, Export(deal, &empty));
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
    const CFileDeal deal = DealtDeal(3);
    CAuction auction;
    auction.SetDealer(3);
    for (int i = 0; i < 4; ++i)
        auction.AddPass(nullptr, "");
    const CImport imported(Export(deal, &auction));
    ASSERT_TRUE(imported.bAccepted) << imported.strProblem;
    EXPECT_TRUE(imported.deal.bHasLeader);
    EXPECT_EQ(3, imported.deal.nLeader);
    EXPECT_FALSE(imported.deal.bHasContract);
    for (int nSeat = 0; nSeat < 4; ++nSeat)
        EXPECT_EQ(CardList(deal.hands[nSeat]), CardList(imported.deal.hands[nSeat])) << nSeat;
    ASSERT_TRUE(imported.deal.bHasScores);
    for (int nSide = 0; nSide < 2; ++nSide) {
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind)
            EXPECT_EQ(deal.nScores[nSide][nKind], imported.deal.nScores[nSide][nKind]) << nSide << nKind;
    }
    // A dealer text that is not exactly a seat name leaves the first seat alone.
    for (const char* szDealer : {"<dealer>north</dealer>", "<dealer> West</dealer>"}) {
        const CImport other(szDealer + Cards(s_strFourSuits));
        ASSERT_TRUE(other.bAccepted) << szDealer;
        EXPECT_FALSE(other.deal.bHasLeader) << szDealer;
    }
    // Without a scores element the table keeps its scores; hands may be short.
    const CImport noScores(Cards({{"A", "", "", ""}, {"", "", "", ""}, {"", "K", "", "2"}, {"", "", "", ""}}));
    ASSERT_TRUE(noScores.bAccepted) << noScores.strProblem;
    EXPECT_FALSE(noScores.deal.bHasScores);
    EXPECT_EQ(3, noScores.deal.CardCount());
}

TEST(CXmlHand, DamagedContentsAreRefusedWithWhatIsWrongAndWhere)
{
    const std::string strScores =
        "<scores>\n<northsouth>\n<rubbers>1</rubbers>\n<games>0</games>\n<above>12</above>\n<below>0</below>\n"
        "</northsouth>\n<eastwest>\n<rubbers>0</rubbers>\n<games>1</games>\n<above>0</above>\n<below>40</below>\n"
        "</eastwest>\n</scores>\n";
    const std::string strGood = "<hand>\n<dealer>South</dealer>\n" + Cards(s_strFourSuits) + strScores + "</hand>\n";
    ASSERT_TRUE(CImport(strGood).bAccepted) << CImport(strGood).strProblem;
    auto replaced = [&](const std::string& strOld, const std::string& strNew) {
        std::string strFile = strGood;
        strFile.replace(strFile.find(strOld), strOld.size(), strNew);
        return strFile;
    };
    std::string strHearts;
    for (int i = 0; i < 2000; ++i)
        strHearts += "A K Q J 10 ";
    struct Row {
        std::string strFile;
        const char* szProblem;
    };
    const Row rows[] = {
        // Numbers that no rubber reaches, or that are no numbers at all.
        {replaced("<rubbers>1</rubbers>", "<rubbers>2147483647</rubbers>"),
         "line 31: North/South's rubbers must be 0 to 1000000000, not 2147483647"},
        {replaced("<rubbers>1</rubbers>", "<rubbers>99999999999999999999</rubbers>"),
         "line 31: North/South's rubbers must be 0 to 1000000000"},
        {replaced("<rubbers>0</rubbers>", "<rubbers>-99999999999999999999</rubbers>"),
         "line 37: East/West's rubbers must be 0 to 1000000000"},
        {replaced("<games>1</games>", "<games>2</games>"), "line 38: East/West's games must be 0 to 1, not 2"},
        {replaced("<games>0</games>", "<games>-5x</games>"), "line 32: North/South's games must be a number"},
        {replaced("<below>0</below>", "<below>abc</below>"),
         "line 34: North/South's points below the line must be a number"},
        {replaced("<below>40</below>", ""), "line 41: East/West's points below the line are missing"},
        {replaced("<eastwest>", "<westeast>"), "line 42: the scores have none of East/West"},
        {replaced("<above>0</above>", "<above>0</above><above>7</above>"),
         "line 39: East/West's points above the line are given twice"},
        // Cards that are no cards, too many of them, or the same card twice.
        {replaced("A K Q J 10 9 8 7 6 5 4 3 2</spades>", "A Z 1 KK</spades>"),
         "line 5: North's spades hold a word that is no rank"},
        {replaced("A K Q J 10 9 8 7 6 5 4 3 2</diamonds>", "AAAAAAAAAAAAAAAAA</diamonds>"),
         "line 19: South's diamonds hold a word that is no rank"},
        {replaced("<clubs></clubs>\n</east>", "<clubs>2\t3</clubs>\n</east>"),
         "line 14: East's clubs hold a word that is no rank"},
        {replaced("<hearts></hearts>\n<diamonds></diamonds>\n<clubs>", "<hearts>" + strHearts + "</hearts>\n<diamonds></diamonds>\n<clubs>"),
         "line 6: the ace of hearts is dealt twice"},
        {replaced("<hearts></hearts>\n<diamonds></diamonds>\n<clubs>A", "<hearts>A</hearts>\n<diamonds></diamonds>\n<clubs>A"),
         "line 24: the ace of hearts is dealt twice"},
        // Hands and suits missing or given twice, and files that are no hand files at all.
        {replaced("<clubs></clubs>\n</north>", "</north>"), "line 8: North's hand has no clubs"},
        {replaced("<spades></spades>\n<hearts>A", "<spades></spades>\n<spades></spades>\n<hearts>A"),
         "line 12: East's hand gives its spades twice"},
        {replaced("<west>", "<wets>"), "line 28: the cards have no hand of West"},
        {replaced("</cards>", "</cards><cards>"), "line 28: the cards are given twice"},
        {replaced("</hand>", "<scores></scores>"), "line 43: the scores are given twice"},
        {"<hand><dealer>North</dealer></hand>", "line 1: the file has no cards"},
        {"garbage text", "line 1: the file has no cards"},
        {"", "line 1: the file has no cards"},
    };
    for (const Row& row : rows) {
        const CImport import(row.strFile);
        EXPECT_FALSE(import.bAccepted) << row.szProblem;
        EXPECT_EQ(row.szProblem, std::string(import.strProblem));
    }
}

TEST(CXmlHand, TruncatedFilesAreRefusedOrGiveTheWholeDealAndHostileOnesEndSafely)
{
    const CFileDeal deal = DealtDeal(2);
    const std::string strFile = Export(deal);
    // The cards end with the "<" that closes the last suit of the last hand.
    const size_t nCardsEnd = strFile.find("</clubs>\n</south>") + 1;
    for (size_t nLength = 0; nLength <= strFile.size(); ++nLength) {
        const CImport cut(strFile.substr(0, nLength));
        // A file cut inside the cards never loads; one cut later loads the whole deal and
        // either all its scores or none.
        if (nLength < nCardsEnd) {
            EXPECT_FALSE(cut.bAccepted) << nLength;
            continue;
        }
        if (!cut.bAccepted)
            continue;
        for (int nSeat = 0; nSeat < 4; ++nSeat)
            EXPECT_EQ(CardList(deal.hands[nSeat]), CardList(cut.deal.hands[nSeat])) << nLength;
        if (cut.deal.bHasScores) {
            EXPECT_EQ(deal.nScores[1][SCORE_ABOVE], cut.deal.nScores[1][SCORE_ABOVE]) << nLength;
        }
    }
    EXPECT_TRUE(CImport(strFile).bAccepted);
    // A number cut short by the end of the file is not taken for a smaller one.
    const size_t nAbove = strFile.rfind("<above>30") + 8;
    EXPECT_EQ("line 42: the file ends inside East/West's points above the line",
              std::string(CImport(strFile.substr(0, nAbove)).strProblem));

    // An endless tag and endless texts; then random mixtures of the format's own pieces.
    const std::string strHuge(1 << 21, 'x');
    for (const char* szStart : {"<", "<dealer>", "<scores><northsouth><rubbers>", "<cards><north><spades>"})
        EXPECT_FALSE(CImport(szStart + strHuge).bAccepted) << szStart;
    const char* const szPieces[] = {"<", ">", "cards", "/cards", "north", "west", "spades", "clubs", "scores",
                                    "eastwest", "rubbers", "/scores", "dealer", "North", "A", "10", " ", "\xff"};
    std::mt19937 generator(2026);
    std::uniform_int_distribution<size_t> pick(0, std::size(szPieces) - 1);
    for (int nRun = 0; nRun < 300; ++nRun) {
        std::string strRandom;
        for (int i = 0; i < 400; ++i)
            strRandom += szPieces[pick(generator)];
        const CImport random(strRandom);
        for (const CCardPile& hand : random.deal.hands)
            EXPECT_LE(hand.GetCount(), 13) << nRun;
    }
}

TEST(CXmlHand, ExportThroughTheCommandWritesTheFileAndTheImportAsksForOne)
{
    CScratchFolder scratch;
    const CFileDeal deal = DealtDeal(2);
    test::QueueFileDialogAnswer("deal");
    ExportXmlHand(nullptr, deal, nullptr);
    EXPECT_EQ(Export(deal), ReadWholeFile("deal.xml"));

    test::QueueFileDialogAnswer("deal.xml");
    EXPECT_EQ("deal.xml", AskXmlImportFileName(nullptr));
}
