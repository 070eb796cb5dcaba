#include "bridge/bidding/BidThresholds.h"

#include <gtest/gtest.h>

TEST(CBidThresholds, NewObjectHoldsTheSystemNumbersInFieldOrder)
{
    CBidThresholds t;
    const int nActual[] = {
        t.m_nOpenMin, t.m_nOpenMax, t.m_nReverseMin, t.m_nStrongTwoMin, t.m_nStrongTwoMax,
        t.m_n2CMin, t.m_n2CMax, t.m_nWeakNTMin, t.m_nWeakNTMax, t.m_nStrongNTMin,
        t.m_nStrongNTMax, t.m_n2NTMin, t.m_n2NTMax, t.m_nPreemptMin, t.m_nPreemptMax,
        t.m_nJumpShiftMargin, t.m_n1NTRespMin, t.m_n1NTRespMax, t.m_n2NTRespMin,
        t.m_n2NTRespMax, t.m_n3NTRespMin, t.m_n3NTRespMax, t.m_nRaiseMin, t.m_nRaiseMax,
        t.m_nLimitRaiseMin, t.m_nLimitRaiseMax, t.m_nJumpShiftMin, t.m_nJumpShiftMax,
        t.m_nSlamMin, t.m_nSlamMax};
    const int nExpected[] = {13, 21, 16, 22, 40, 23, 40, 12, 14, 15, 17, 20, 22, 7, 10,
                             2, 6, 9, 10, 12, 13, 15, 6, 9, 10, 12, 29, 40, 30, 40};
    ASSERT_EQ(sizeof nExpected, sizeof nActual);
    for (size_t i = 0; i < sizeof nExpected / sizeof nExpected[0]; ++i)
        EXPECT_EQ(nExpected[i], nActual[i]) << "field " << i;

    const int nRows[COMBINED_ROWS][COMBINED_LEVELS] = {
        {20, 22, 24, 26, 28, 31, 37},
        {17, 19, 23, 26, 28, 31, 37},
        {21, 23, 25, 27, 30, 33, 37}};
    for (int nRow = 0; nRow < COMBINED_ROWS; ++nRow) {
        for (int nLevel = 0; nLevel < COMBINED_LEVELS; ++nLevel) {
            EXPECT_EQ(nRows[nRow][nLevel], t.m_nCombined[nRow][nLevel]);
            EXPECT_EQ(nRows[nRow][nLevel], t.GetCombined(nRow, nLevel));
        }
    }
}

TEST(CBidThresholds, CombinedLookupBeyondSevenReadsTheWholePack)
{
    CBidThresholds t;
    EXPECT_EQ(40, t.GetCombined(COMBINED_AGREED, 7));
    EXPECT_EQ(40, t.GetCombined(COMBINED_NEW_SUIT, 19));
    EXPECT_EQ(20, t.GetCombined(COMBINED_NEW_SUIT, -2));
}

TEST(CBidThresholds, RangeTextsHaveNoBlanks)
{
    CBidThresholds t;
    EXPECT_EQ("12-14", CBidThresholds::GetRangeText(12, 14));
    EXPECT_EQ("7", CBidThresholds::GetNumberText(7));
    EXPECT_EQ("13-21", t.GetOpenText());
    EXPECT_EQ("23-40", t.Get2CText());
    EXPECT_EQ("12-14", t.GetWeakNTText());
    EXPECT_EQ("15-17", t.GetStrongNTText());
    EXPECT_EQ("20-22", t.Get2NTText());
    EXPECT_EQ("6-9", t.Get1NTRespText());
    EXPECT_EQ("10-12", t.Get2NTRespText());
    EXPECT_EQ("13-15", t.Get3NTRespText());
    EXPECT_EQ("6-9", t.GetRaiseText());
    EXPECT_EQ("10-12", t.GetLimitRaiseText());
    EXPECT_EQ("7-10", t.GetPreemptText());
    EXPECT_EQ("22-40", t.GetStrongTwoText());
    EXPECT_EQ("29-40", t.GetJumpShiftText());
}

TEST(CBidThresholds, ReverseNeedsAHigherLevelAndStrainButNotClubsThenSpades)
{
    EXPECT_TRUE(CBidThresholds::IsReverse(0, 1, 1, 2));
    EXPECT_FALSE(CBidThresholds::IsReverse(0, 2, 1, 1));
    EXPECT_FALSE(CBidThresholds::IsReverse(1, 1, 1, 2));
    EXPECT_FALSE(CBidThresholds::IsReverse(0, 0, 1, 3));
    EXPECT_TRUE(CBidThresholds::IsReverse(0, 0, 1, 2));
}
