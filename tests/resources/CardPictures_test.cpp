#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/CSurface.h"
#include "platform/gdi/gdidefs.h"
#include "platform/res/resources.h"
#include "resources/CardImages.h"
#include "resources/CardPictures.h"
#include "resources/resource.h"

namespace {

constexpr int RANKS = 13;

class CardPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterCardPictures(); }

    static const CSurface& Picture(int nImage)
    {
        const CSurface* pSurface = AfxFindBitmap(IDB_CARD_FIRST + nImage);
        EXPECT_NE(pSurface, nullptr) << "picture " << nImage;
        static const CSurface s_empty;
        return pSurface ? *pSurface : s_empty;
    }
};

bool IsRed(uint32_t pixel)
{
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r > 150 && g < 90 && b < 90;
}

bool IsInk(uint32_t pixel)
{
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r + g + b < 3 * 160;
}

// The number of separate blots of ink in rect: one per pip, when no two pips touch.
int CountBlots(const CSurface& surface, const CRect& rect)
{
    std::vector<char> seen(static_cast<size_t>(rect.Width() * rect.Height()), 0);
    auto index = [&](int x, int y) { return static_cast<size_t>((y - rect.top) * rect.Width() + x - rect.left); };
    int nBlots = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (seen[index(x, y)] || !IsInk(surface.GetPixel(x, y)))
                continue;
            ++nBlots;
            std::vector<CPoint> stack{CPoint(x, y)};
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const CPoint pt = stack.back();
                stack.pop_back();
                const CPoint next[] = {{pt.x + 1, pt.y}, {pt.x - 1, pt.y}, {pt.x, pt.y + 1}, {pt.x, pt.y - 1}};
                for (const CPoint& n : next) {
                    if (!rect.PtInRect(n) || seen[index(n.x, n.y)] || !IsInk(surface.GetPixel(n.x, n.y)))
                        continue;
                    seen[index(n.x, n.y)] = 1;
                    stack.push_back(n);
                }
            }
        }
    }
    return nBlots;
}

} // namespace

TEST_F(CardPictures, AllFiftyEightAreRegisteredAtTheirSize)
{
    for (int nImage = 0; nImage < CARD_IMAGE_COUNT; ++nImage) {
        const CSurface& picture = Picture(nImage);
        EXPECT_EQ(picture.GetWidth(), CARD_WIDTH) << nImage;
        EXPECT_EQ(picture.GetHeight(), CARD_HEIGHT) << nImage;
    }
    EXPECT_EQ(AfxFindBitmap(IDB_CARD_LAST + 1), nullptr);
}

TEST_F(CardPictures, EveryPictureDiffersFromEveryOther)
{
    for (int a = 0; a < CARD_IMAGE_COUNT; ++a) {
        for (int b = a + 1; b < CARD_IMAGE_COUNT; ++b) {
            const CSurface& pa = Picture(a);
            const CSurface& pb = Picture(b);
            const bool bSame = std::equal(pa.GetPixels(), pa.GetPixels() + CARD_WIDTH * CARD_HEIGHT,
                                          pb.GetPixels());
            EXPECT_FALSE(bSame) << "pictures " << a << " and " << b;
        }
    }
}

TEST_F(CardPictures, IndexesAreRedForHeartsAndDiamondsOnly)
{
    const CRect rectIndex(1, 1, 16, 29);
    for (int nImage = 0; nImage < 4 * RANKS; ++nImage) {
        const int nSuit = nImage / RANKS;
        int nRed = 0, nInk = 0;
        for (int y = rectIndex.top; y < rectIndex.bottom; ++y) {
            for (int x = rectIndex.left; x < rectIndex.right; ++x) {
                nRed += IsRed(Picture(nImage).GetPixel(x, y));
                nInk += IsInk(Picture(nImage).GetPixel(x, y));
            }
        }
        EXPECT_GT(nInk, 30) << "picture " << nImage;
        if (nSuit == 1 || nSuit == 2)
            EXPECT_GT(nRed, nInk / 2) << "picture " << nImage;
        else
            EXPECT_EQ(nRed, 0) << "picture " << nImage;
    }
}

TEST_F(CardPictures, FacesReadTheSameFromEitherEnd)
{
    for (int nImage = 0; nImage < 4 * RANKS; ++nImage) {
        const CSurface& picture = Picture(nImage);
        int nDifferent = 0;
        for (int y = 1; y < 29; ++y) {
            for (int x = 1; x < 16; ++x)
                nDifferent += picture.GetPixel(x, y) != picture.GetPixel(CARD_WIDTH - 1 - x, CARD_HEIGHT - 1 - y);
        }
        EXPECT_EQ(nDifferent, 0) << "picture " << nImage;
    }
}

TEST_F(CardPictures, NumberCardsShowAsManySeparatePipsAsTheirRank)
{
    const CRect rectPips(16, 6, CARD_WIDTH - 16, CARD_HEIGHT - 6);
    for (int nSuit = 0; nSuit < 4; ++nSuit) {
        for (int nRank = 1; nRank <= 10; ++nRank) {
            const int nImage = nSuit * RANKS + nRank - 1;
            EXPECT_EQ(CountBlots(Picture(nImage), rectPips), nRank) << "picture " << nImage;
        }
    }
}


TEST_F(CardPictures, EmptyPlaceIsAnOutlineOnTheTable)
{
    const CSurface& picture = Picture(IMG_EMPTY);
    const uint32_t table = plat::ColorToPixel(TABLE_COLOR);
    EXPECT_EQ(picture.GetPixel(CARD_WIDTH / 2, CARD_HEIGHT / 2), table);
    EXPECT_EQ(picture.GetPixel(10, 10), table);
    EXPECT_NE(picture.GetPixel(CARD_WIDTH / 2, 0), table);
    EXPECT_NE(picture.GetPixel(0, CARD_HEIGHT / 2), table);
    EXPECT_NE(picture.GetPixel(CARD_WIDTH - 1, CARD_HEIGHT / 2), table);
}


// Lays all 58 pictures out on one sheet in the build folder, so that they can be looked at.
TEST_F(CardPictures, SavesASheetOfAllPictures)
{
    constexpr int COLUMNS = 13, GAP = 4;
    constexpr int ROWS = (CARD_IMAGE_COUNT + COLUMNS - 1) / COLUMNS;
    CSurface sheet(GAP + COLUMNS * (CARD_WIDTH + GAP), GAP + ROWS * (CARD_HEIGHT + GAP),
                   plat::ColorToPixel(TABLE_COLOR));
    for (int nImage = 0; nImage < CARD_IMAGE_COUNT; ++nImage) {
        sheet.Blit(GAP + nImage % COLUMNS * (CARD_WIDTH + GAP), GAP + nImage / COLUMNS * (CARD_HEIGHT + GAP),
                   Picture(nImage), CRect(0, 0, CARD_WIDTH, CARD_HEIGHT));
    }
    const char* szDir = std::getenv("ORVEL_BUILD_DIR");
    const std::string strPath = std::string(szDir && *szDir ? szDir : ".") + "/card-pictures.png";
    EXPECT_TRUE(sheet.SavePng(strPath.c_str())) << strPath;
}
