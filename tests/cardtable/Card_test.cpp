#include <gtest/gtest.h>

#include <string>

#include "cardtable/Card.h"


TEST(CCard, ImageIndexRunsBySuitThenRankAndJokersFollow)
{
    EXPECT_EQ(CCard(1, 0, 13, 4).GetImageIndex(), 0);
    EXPECT_EQ(CCard(13, 0, 12, 3).GetImageIndex(), 12);
    EXPECT_EQ(CCard(1, 1, 13, 4).GetImageIndex(), 13);
    EXPECT_EQ(CCard(2, 2, 1, 0).GetImageIndex(), 27);
    EXPECT_EQ(CCard(13, 3, 12, 3).GetImageIndex(), 51);
    EXPECT_EQ(CCard(0, 0, 0, 0).GetImageIndex(), 52);
    EXPECT_EQ(CCard(0, 2, 0, 0).GetImageIndex(), 53);
    EXPECT_EQ(CCard(0, 1, 0, 0).GetImageIndex(), 53);
}

TEST(CCard, EqualityLooksAtSuitAndOrderOnly)
{
    EXPECT_TRUE(CCard(5, 2, 4, 0) == CCard(5, 2, 4, 7));
    EXPECT_TRUE(CCard(5, 2, 4, 0) == CCard(9, 2, 4, 0));
    EXPECT_FALSE(CCard(5, 2, 4, 0) == CCard(5, 3, 4, 0));
    EXPECT_TRUE(CCard(5, 2, 4, 0) != CCard(5, 2, 5, 0));
}

TEST(CCard, OrderingIgnoresSuits)
{
    const CCard twoOfSpades(2, 3, 1, 0);
    const CCard threeOfClubs(3, 0, 2, 0);
    EXPECT_TRUE(twoOfSpades < threeOfClubs);
    EXPECT_FALSE(twoOfSpades > threeOfClubs);
    EXPECT_TRUE(threeOfClubs >= twoOfSpades);
    EXPECT_TRUE(CCard(3, 2, 2, 0) >= threeOfClubs);
    EXPECT_FALSE(CCard(3, 2, 2, 0) > threeOfClubs);
}


TEST(CCard, CompareCardsPutsDiamondsBeforeClubsThenByOrder)
{
    const CCard aceOfDiamonds(1, 1, 13, 4);
    const CCard twoOfClubs(2, 0, 1, 0);
    const CCard jackOfHearts(11, 2, 10, 1);
    const CCard queenOfHearts(12, 2, 11, 2);
    EXPECT_EQ(CompareCards(&aceOfDiamonds, &twoOfClubs), -1);
    EXPECT_EQ(CompareCards(&twoOfClubs, &aceOfDiamonds), 1);
    EXPECT_EQ(CompareCards(&jackOfHearts, &queenOfHearts), -1);
    EXPECT_EQ(CompareCards(&queenOfHearts, &jackOfHearts), 1);
    EXPECT_EQ(CompareCards(&queenOfHearts, &queenOfHearts), 0);
    EXPECT_EQ(CompareCards(&twoOfClubs, &jackOfHearts), -1);
}

TEST(CCard, ParseRankGivesBridgeOrdersAndPoints)
{
    struct {
        const char* szText;
        int nRank, nOrder, nPoints;
    } cases[] = {
        {"A", 1, 13, 4}, {"K", 13, 12, 3}, {"Q", 12, 11, 2}, {"J", 11, 10, 1},
        {"10", 10, 9, 0}, {"9", 9, 8, 0}, {"3", 3, 2, 0}, {"2", 2, 1, 0},
        {"a", 0, 0, 0}, {"T", 0, 0, 0}, {"", 0, 0, 0}, {"1", 0, 0, 0}, {"10 ", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const CCard card = ParseRank(c.szText, 2);
        EXPECT_EQ(card.GetRank(), c.nRank) << c.szText;
        EXPECT_EQ(card.GetSuit(), 2) << c.szText;
        EXPECT_EQ(card.GetOrder(), c.nOrder) << c.szText;
        EXPECT_EQ(card.GetPoints(), c.nPoints) << c.szText;
    }
    // A NUL byte does not cut a text short to a rank's.
    EXPECT_EQ(ParseRank(CString(std::string("Q\0J", 3)), 2).GetRank(), 0);
}


