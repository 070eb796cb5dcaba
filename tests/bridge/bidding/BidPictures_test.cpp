// The bid-button pictures: every name the bidding box loads exists at the button's size,
// the call table is indexed by code + 2, and the pictures carry their suit colours and states.

#include "resources/BidPictures.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "bridge/bidding/Bid.h"
#include "platform/gdi/gdidefs.h"
#include "platform/res/resources.h"

namespace {

class BidPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBidPictures(); }

    static const CSurface& Picture(const char* szName)
    {
        const CSurface* pSurface = AfxFindBitmap(szName);
        EXPECT_NE(pSurface, nullptr) << szName;
        static const CSurface s_empty;
        return pSurface ? *pSurface : s_empty;
    }

    // Pixels of the picture's inside (the edge rings left out) that are close to a colour.
    static int CountNear(const CSurface& picture, COLORREF color)
    {
        constexpr int EDGE = 3;
        constexpr int TOLERANCE = 40;
        int nCount = 0;
        for (int y = EDGE; y < picture.GetHeight() - EDGE; ++y) {
            for (int x = EDGE; x < picture.GetWidth() - EDGE; ++x) {
                const COLORREF pixel = plat::PixelToColor(picture.GetPixel(x, y));
                if (std::abs(GetRValue(pixel) - GetRValue(color)) < TOLERANCE &&
                    std::abs(GetGValue(pixel) - GetGValue(color)) < TOLERANCE &&
                    std::abs(GetBValue(pixel) - GetBValue(color)) < TOLERANCE)
                    ++nCount;
            }
        }
        return nCount;
    }

    static std::vector<uint32_t> Pixels(const CSurface& picture)
    {
        return std::vector<uint32_t>(picture.GetPixels(), picture.GetPixels() + picture.GetWidth() * picture.GetHeight());
    }
};

const COLORREF RED = RGB(208, 0, 0);
const COLORREF BLACK = RGB(0, 0, 0);

} // namespace

TEST_F(BidPictures, EveryCaptionHasFourPicturesThatFillASixteenUnitButton)
{
    // 16 x 16 dialog units at base units 6 x 13.
    EXPECT_EQ(24, BID_PICTURE_WIDTH);
    EXPECT_EQ(26, BID_PICTURE_HEIGHT);
    std::vector<CString> captions = {"NB", "DOUBLE", "REDOUBLE", "DASH"};
    for (const char* szLevel : {"1", "2", "3", "4", "5", "6", "7"}) {
        for (const char* szStrain : {"C", "D", "H", "S", "NT"})
            captions.push_back(CString(szLevel) + szStrain);
    }
    ASSERT_EQ(39u, captions.size());
    for (const CString& strCaption : captions) {
        for (const char* szSuffix : {"U", "D", "F", "X"}) {
            const CSurface& picture = Picture(strCaption + szSuffix);
            EXPECT_EQ(24, picture.GetWidth()) << strCaption << szSuffix;
            EXPECT_EQ(26, picture.GetHeight()) << strCaption << szSuffix;
        }
    }
    // The double and redouble buttons are captioned in lower case.
    EXPECT_NE(nullptr, AfxFindBitmap("redoubleU"));
    EXPECT_NE(nullptr, AfxFindBitmap("doubleX"));
}

TEST_F(BidPictures, CallTableIsIndexedByCodePlusTwo)
{
    EXPECT_STREQ("DOUBLEU", g_szBidBitmaps[BID_DOUBLE + 2]);
    EXPECT_STREQ("REDOUBLEU", g_szBidBitmaps[BID_REDOUBLE + 2]);
    EXPECT_STREQ("NBU", g_szBidBitmaps[BID_NOBID + 2]);
    EXPECT_STREQ("1CU", g_szBidBitmaps[3]);
    EXPECT_STREQ("1NTU", g_szBidBitmaps[BID_1NT + 2]);
    EXPECT_STREQ("2HU", g_szBidBitmaps[BID_2H + 2]);
    EXPECT_STREQ("3NTU", g_szBidBitmaps[BID_3NT + 2]);
    EXPECT_STREQ("7NTU", g_szBidBitmaps[37]);
    EXPECT_EQ("4S", GetBidPictureCaption(BID_4S + 2));
    EXPECT_EQ("DASH", GetBidPictureCaption(BID_PICTURE_DASH));
}

TEST_F(BidPictures, SuitsShowInTheirColoursAndDisabledPicturesHaveNeither)
{
    for (const char* szRed : {"1HU", "5DU"}) {
        EXPECT_GT(CountNear(Picture(szRed), RED), 10) << szRed;
    }
    for (const char* szBlack : {"2SU", "7CU", "3NTU"}) {
        EXPECT_EQ(0, CountNear(Picture(szBlack), RED)) << szBlack;
        EXPECT_GT(CountNear(Picture(szBlack), BLACK), 20) << szBlack;
    }
    for (const char* szDisabled : {"1HX", "2SX", "NBX", "DOUBLEX"}) {
        EXPECT_EQ(0, CountNear(Picture(szDisabled), RED)) << szDisabled;
        EXPECT_EQ(0, CountNear(Picture(szDisabled), BLACK)) << szDisabled;
    }
    EXPECT_GT(CountNear(Picture("NBU"), RGB(255, 255, 255)), 10) << "white letters on green";
}

TEST_F(BidPictures, UpPicturesAreAllDifferentAndEachStateDiffersFromUp)
{
    std::set<std::vector<uint32_t>> seen;
    for (int nPicture = 0; nPicture < BID_PICTURE_COUNT; ++nPicture) {
        const CString strCaption = GetBidPictureCaption(nPicture);
        const std::vector<uint32_t> up = Pixels(Picture(strCaption + "U"));
        EXPECT_TRUE(seen.insert(up).second) << strCaption << " looks like another call";
        for (const char* szSuffix : {"D", "F", "X"})
            EXPECT_NE(up, Pixels(Picture(strCaption + szSuffix))) << strCaption << szSuffix;
    }
}
