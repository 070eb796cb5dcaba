// What the three file readers share: cards dealt once, numbers read whole and within range,
// the names messages use, the score bounds and the saturating sum; and the seed files of the
// readers' fuzz targets, which must stay files the readers accept.

#include "bridge/table/FileDeal.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "bridge/table/HandFile.h"
#include "bridge/table/TimesBridgeImport.h"
#include "bridge/table/XmlHand.h"
#include "tests/bridge/table/TableFilesTestSupport.h"

TEST(CFileDeal, EachCardIsDealtOnceAndNamedInWords)
{
    CDealtCards dealt;
    EXPECT_TRUE(dealt.Deal(MakeDeckCard(RANK_ACE, SUIT_SPADES)));
    EXPECT_TRUE(dealt.Deal(MakeDeckCard(RANK_KING, SUIT_CLUBS)));
    EXPECT_TRUE(dealt.Deal(MakeDeckCard(RANK_ACE, SUIT_HEARTS)));
    EXPECT_FALSE(dealt.Deal(MakeDeckCard(RANK_ACE, SUIT_SPADES)));
    EXPECT_FALSE(dealt.Deal(MakeDeckCard(RANK_KING, SUIT_CLUBS)));
    EXPECT_EQ("the ace of spades", CardName(MakeDeckCard(RANK_ACE, SUIT_SPADES)));
    EXPECT_EQ("the ten of diamonds", CardName(MakeDeckCard(10, SUIT_DIAMONDS)));
    EXPECT_EQ("the two of clubs", CardName(MakeDeckCard(2, SUIT_CLUBS)));
    // The deck's orders and points.
    CCardPile honours;
    for (int nRank : {1, 13, 12, 11, 10, 2})
        honours.AddCard(MakeDeckCard(nRank, SUIT_HEARTS));
    EXPECT_EQ("1/2/13/4 13/2/12/3 12/2/11/2 11/2/10/1 10/2/9/0 2/2/1/0 ", CardList(honours));
    EXPECT_FALSE(IsDeckCard(0, SUIT_CLUBS));
    EXPECT_FALSE(IsDeckCard(RANK_ACE, 4));
    EXPECT_TRUE(IsDeckCard(RANK_KING, SUIT_SPADES));
}

TEST(CFileDeal, NumbersAreReadWholeAndWithinTheirRange)
{
    struct Row {
        const char* szWord;
        int nMin, nMax;
        bool bRead;
        int nValue;
        const char* szProblem;
    };
    const Row rows[] = {
        {"7", 0, 13, true, 7, ""},
        {"+3", 0, 3, true, 3, ""},
        {"-1", -1, 6, true, -1, ""},
        {"-2147483648", INT_MIN, INT_MAX, true, INT_MIN, ""},
        {"14", 0, 13, false, 0, "the count must be 0 to 13, not 14"},
        {"-2", -1, 6, false, 0, "the count must be -1 to 6, not -2"},
        {"2147483648", INT_MIN, INT_MAX, false, 0,
         "the count must be -2147483648 to 2147483647, not 2147483648"},
        {"99999999999999999999", 0, 13, false, 0, "the count must be 0 to 13"},
        {"12abc", 0, 13, false, 0, "the count must be a number"},
        {"-", 0, 13, false, 0, "the count must be a number"},
        {"", 0, 13, false, 0, "the count must be a number"},
        {"1.5", 0, 13, false, 0, "the count must be a number"},
    };
    for (const Row& row : rows) {
        int nValue = 0;
        CString strProblem;
        EXPECT_EQ(row.bRead, ReadFileNumber(row.szWord, row.nMin, row.nMax, "the count", nValue, strProblem))
            << row.szWord;
        EXPECT_EQ(row.nValue, nValue) << row.szWord;
        EXPECT_EQ(row.szProblem, std::string(strProblem)) << row.szWord;
    }
}

TEST(CFileDeal, ScoresStayWithinWhatARubberReaches)
{
    EXPECT_EQ(ClampSideScore(SCORE_RUBBERS, 0), 0);
    EXPECT_EQ(ClampSideScore(SCORE_ABOVE, MAX_SIDE_SCORE), MAX_SIDE_SCORE);
    EXPECT_EQ(ClampSideScore(SCORE_BELOW, INT_MAX), MAX_SIDE_SCORE);
    EXPECT_EQ(ClampSideScore(SCORE_ABOVE, -1), 0);
    EXPECT_EQ(ClampSideScore(SCORE_GAMES, 1), 1);
    EXPECT_EQ(ClampSideScore(SCORE_GAMES, 2), 1);
    EXPECT_EQ(AddToScore(100, 620), 720);
    EXPECT_EQ(AddToScore(MAX_SIDE_SCORE - 5, 620), MAX_SIDE_SCORE);
    EXPECT_EQ(AddToScore(INT_MAX, INT_MAX), MAX_SIDE_SCORE);
    EXPECT_EQ(AddToScore(INT_MIN, 500), 0);
    EXPECT_EQ(SideScoreName(1, SCORE_ABOVE), "East/West's points above the line");
    EXPECT_EQ(SideScoreName(0, SCORE_GAMES), "North/South's games");
}

TEST(CFileDeal, TheFuzzTargetsSeedFilesAreAccepted)
{
    using Parser = bool (*)(const std::string&, CFileDeal&, CString&);
    const std::pair<const char*, Parser> readers[] = {
        {"hand_file", ParseHandFile}, {"xml_hand", ParseXmlHand}, {"times_bridge", ParseTimesBridge}};
    for (const auto& reader : readers) {
        int nSeeds = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(ORVEL_FUZZ_CORPUS) + "/" + reader.first)) {
            CFileDeal deal;
            CString strProblem;
            EXPECT_TRUE(reader.second(ReadWholeFile(entry.path().c_str()), deal, strProblem))
                << entry.path() << ": " << strProblem;
            ++nSeeds;
        }
        EXPECT_GE(nSeeds, 2) << reader.first;
    }
}
