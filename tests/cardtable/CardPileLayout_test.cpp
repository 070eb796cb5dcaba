// Layout, hit test and painting of piles, painted through a CCardPainter over 58 card
// contexts that each hold a plain picture of its own colour.

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "CardTestHelpers.h"
#include "cardtable/CardPainter.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"

using cardtest::Rummy;

namespace {

constexpr int TABLE_CX = 400;
constexpr int TABLE_CY = 300;
constexpr COLORREF UNTOUCHED = RGB(1, 2, 3);

// The colour that stands for card picture nImage.
COLORREF ImageColor(int nImage)
{
    return RGB(100 + nImage, 255 - nImage, 50);
}

// How the bench's card pictures look.
enum class PictureKind { OneColour, Patterned };

// A table to paint on and 58 card pictures: one colour each, or a pattern in which every
// pixel of every picture differs, so that a picture drawn from the wrong place shows.
class CPaintBench {
public:
    explicit CPaintBench(PictureKind kind = PictureKind::OneColour)
    {
        m_bitmapTable.CreateBitmap(TABLE_CX, TABLE_CY);
        m_dcTable.CreateCompatibleDC(nullptr);
        m_dcTable.SelectObject(&m_bitmapTable);
        m_dcTable.FillSolidRect(0, 0, TABLE_CX, TABLE_CY, UNTOUCHED);
        for (int i = 0; i < CARD_IMAGE_COUNT; ++i) {
            m_bitmaps[i].CreateBitmap(CARD_WIDTH, CARD_HEIGHT);
            m_dcs[i].CreateCompatibleDC(nullptr);
            m_dcs[i].SelectObject(&m_bitmaps[i]);
            m_dcs[i].FillSolidRect(0, 0, CARD_WIDTH, CARD_HEIGHT, ImageColor(i));
            if (kind == PictureKind::Patterned) {
                for (int y = 0; y < CARD_HEIGHT; ++y)
                    for (int x = 0; x < CARD_WIDTH; ++x)
                        m_dcs[i].SetPixel(x, y, RGB(1 + i * 4, x * 3, y * 2));
            }
            m_pDCs[i] = &m_dcs[i];
        }
    }

    CDC& Table() { return m_dcTable; }
    const CSurface& TableSurface() { return *m_bitmapTable.GetSurface(); }
    CDC* const* CardDCs() const { return m_pDCs; }
    // The card picture seen at (x, y), -1 for the table colour, -2 for untouched.
    int ImageAt(int x, int y) const
    {
        const COLORREF color = m_dcTable.GetPixel(x, y);
        if (color == TABLE_COLOR)
            return -1;
        if (color == UNTOUCHED)
            return -2;
        for (int i = 0; i < CARD_IMAGE_COUNT; ++i) {
            if (color == ImageColor(i))
                return i;
        }
        return -3;
    }

private:
    CBitmap m_bitmapTable;
    CDC m_dcTable;
    CBitmap m_bitmaps[CARD_IMAGE_COUNT];
    CDC m_dcs[CARD_IMAGE_COUNT];
    CDC* m_pDCs[CARD_IMAGE_COUNT] = {};
};

// Thirteen clubs, ace to king, fanned from (10, 20).
CCardPile Hand()
{
    CCardPile hand;
    for (int nRank = 1; nRank <= 13; ++nRank)
        hand.AddCard(CCard(nRank, SUIT_CLUBS, nRank, 0));
    hand.SetLayout(CPoint(10, 20), g_sizeHorzSpread, 13, 0);
    return hand;
}

} // namespace

TEST(CCardPile, SlotPositionsStopAtTheLastVisibleSlot)
{
    CCardPile pile;
    pile.SetLayout(CPoint(100, 50), g_sizeVertSpread, 4, 0);
    EXPECT_EQ(pile.GetSlotPosition(0), CPoint(100, 50));
    EXPECT_EQ(pile.GetSlotPosition(3), CPoint(100, 107));
    EXPECT_EQ(pile.GetSlotPosition(9), CPoint(100, 107));
}

TEST(CCardPile, BoundingRectCoversFirstAndLastSlotInEitherDirection)
{
    CCardPile pile;
    pile.SetLayout(CPoint(10, 20), g_sizeHorzSpread, 13, 0);
    EXPECT_EQ(pile.GetBoundingRect(), CRect(10, 20, 10 + 12 * 14 + 71, 20 + 96));
    pile.SetLayout(CPoint(300, 20), CSize(-14, 19), 3, 0);
    EXPECT_EQ(pile.GetBoundingRect(), CRect(272, 20, 371, 20 + 38 + 96));
}

TEST(CCardPile, HitTestFindsTheTopmostCardUnderThePoint)
{
    const CCardPile hand = Hand();
    int nIndex = -1;
    // The exposed strip of the first card.
    EXPECT_TRUE(hand.HitTest(CPoint(10, 20), &nIndex));
    EXPECT_EQ(nIndex, 0);
    EXPECT_TRUE(hand.HitTest(CPoint(23, 115), &nIndex));
    EXPECT_EQ(nIndex, 0);
    // Where cards 1 to 5 overlap, card 5 lies on top.
    EXPECT_TRUE(hand.HitTest(CPoint(80, 50), &nIndex));
    EXPECT_EQ(nIndex, 5);
    EXPECT_TRUE(hand.HitTest(CPoint(10 + 12 * 14 + 70, 50), &nIndex));
    EXPECT_EQ(nIndex, 12);
    nIndex = -7;
    EXPECT_FALSE(hand.HitTest(CPoint(10 + 12 * 14 + 71, 50), &nIndex));
    EXPECT_FALSE(hand.HitTest(CPoint(50, 20 + 96), &nIndex));
    EXPECT_FALSE(hand.HitTest(CPoint(9, 50), &nIndex));
    EXPECT_EQ(nIndex, -7);
}


TEST(CCardPile, ShortPileHitsOnlyTheSlotsItFills)
{
    CCardPile hand = Hand();
    hand.m_cards.resize(3);
    int nIndex = -1;
    EXPECT_TRUE(hand.HitTest(CPoint(10 + 2 * 14 + 70, 50), &nIndex));
    EXPECT_EQ(nIndex, 2);
    EXPECT_FALSE(hand.HitTest(CPoint(10 + 3 * 14 + 71, 50), &nIndex));
}

TEST(CCardPile, PaintFansTheCardsOverTheTable)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), bench.CardDCs());
    CCardPile hand = Hand();
    hand.m_cards.resize(5);
    hand.Paint(painter);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(bench.ImageAt(10 + 14 * k, 20), k) << "card " << k;
    EXPECT_EQ(bench.ImageAt(10 + 4 * 14 + 70, 115), 4);
    // The rest of the pile's area is cleared to the table, and nothing outside it is touched.
    EXPECT_EQ(bench.ImageAt(10 + 4 * 14 + 71, 20), -1);
    EXPECT_EQ(bench.ImageAt(10 + 12 * 14 + 70, 115), -1);
    EXPECT_EQ(bench.ImageAt(10 + 12 * 14 + 71, 20), -2);
    EXPECT_EQ(bench.ImageAt(9, 20), -2);
    EXPECT_EQ(bench.ImageAt(10, 19), -2);
}

TEST(CCardPile, PileWithOneSlotShowsOnlyItsTopCard)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), bench.CardDCs());
    CCardPile stock;
    for (int i = 0; i < 20; ++i)
        stock.AddCard(CCard(1 + i % 13, i / 13, 1 + i % 13, 0));
    stock.SetLayout(CPoint(200, 100), g_sizeHorzSpread, 1, 0);
    stock.Paint(painter);
    EXPECT_EQ(bench.ImageAt(200, 100), stock.Top().GetImageIndex());
    EXPECT_EQ(bench.ImageAt(200 + 70, 100 + 95), stock.Top().GetImageIndex());
    EXPECT_EQ(bench.ImageAt(200 + 71, 100), -2);
    int nIndex = -1;
    EXPECT_TRUE(stock.HitTest(CPoint(230, 150), &nIndex));
    EXPECT_EQ(nIndex, 19);
}

TEST(CCardPile, FaceDownFlagsShowTheBackImage)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), bench.CardDCs());
    CCardPile hand = Hand();
    hand.m_cards.resize(3);
    hand.SetDrawFlags(PILE_TOP_FACE_UP);
    EXPECT_EQ(hand.GetCardImage(0), IMG_BACK);
    EXPECT_EQ(hand.GetCardImage(2), 2);
    hand.SetBackImage(IMG_BACK2);
    hand.Paint(painter);
    EXPECT_EQ(bench.ImageAt(10, 20), IMG_BACK2);
    EXPECT_EQ(bench.ImageAt(10 + 28, 20), 2);
    hand.SetDrawFlags(PILE_FACE_DOWN | PILE_TOP_FACE_UP);
    EXPECT_EQ(hand.GetCardImage(2), IMG_BACK2);
}

TEST(CCardPile, EmptyPlacesAreDrawnOnlyWhenAskedFor)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), bench.CardDCs());
    CCardPile pile;
    pile.SetLayout(CPoint(10, 150), g_sizeHorzSpread, 4, 0);
    pile.Paint(painter);
    EXPECT_EQ(bench.ImageAt(10, 150), -1);

    pile.SetDrawFlags(PILE_SHOW_EMPTY);
    pile.Paint(painter);
    EXPECT_EQ(bench.ImageAt(10, 150), IMG_EMPTY);
    EXPECT_EQ(bench.ImageAt(10 + 3 * 14 + 70, 150), -1);

    pile.SetDrawFlags(PILE_SHOW_SLOTS);
    pile.AddCard(CCard(7, SUIT_HEARTS, 7, 0));
    pile.Paint(painter);
    EXPECT_EQ(bench.ImageAt(10, 150), 32);
    EXPECT_EQ(bench.ImageAt(10 + 71, 150), IMG_EMPTY);
    EXPECT_EQ(bench.ImageAt(10 + 3 * 14 + 70, 150), IMG_EMPTY);
}


TEST(CCardPile, PaintShowsWhatDrawingEveryCardWholeBottomFirstShows)
{
    const struct {
        CSize sizeStep;
        int nVisible;
        int nCards;
        int nFlags;
    } cases[] = {
        {g_sizeHorzSpread, 13, 13, 0}, {g_sizeHorzSpread, 13, 4, 0},     {g_sizeVertSpread, 6, 9, 0},
        {CSize(-14, 0), 5, 5, 0},      {CSize(0, -19), 4, 2, 0},         {CSize(0, 0), 3, 7, 0},
        {CSize(80, 0), 3, 3, 0},       {CSize(0, 96), 3, 3, 0},          {CSize(14, 19), 4, 4, 0},
        {g_sizeHorzSpread, 4, 2, PILE_SHOW_SLOTS}, {CSize(-14, 0), 4, 1, PILE_SHOW_SLOTS},
        {g_sizeVertSpread, 5, 3, PILE_SHOW_SLOTS}, {CSize(0, 0), 3, 1, PILE_SHOW_SLOTS},
        {CSize(80, 0), 3, 1, PILE_SHOW_SLOTS},     {g_sizeHorzSpread, 5, 5, PILE_TOP_FACE_UP},
    };
    for (const auto& c : cases) {
        CCardPile pile;
        for (int i = 0; i < c.nCards; ++i)
            pile.AddCard(CCard(1 + i % 13, i % 4, 1 + i % 13, 0));
        pile.SetLayout(CPoint(150, 100), c.sizeStep, c.nVisible, c.nFlags);

        CPaintBench painted(PictureKind::Patterned);
        CCardPainter painter(painted.Table(), painted.CardDCs());
        pile.Paint(painter);

        CPaintBench expected(PictureKind::Patterned);
        CCardPainter reference(expected.Table(), expected.CardDCs());
        reference.FillBackground(pile.GetBoundingRect());
        const int nDrawn = std::min(c.nVisible, c.nCards);
        if (c.nFlags & PILE_SHOW_SLOTS) {
            for (int nSlot = 0; nSlot < c.nVisible; ++nSlot)
                reference.DrawCard(IMG_EMPTY, pile.GetSlotPosition(nSlot));
        }
        for (int nSlot = 0; nSlot < nDrawn; ++nSlot)
            reference.DrawCard(pile.GetCardImage(c.nCards - nDrawn + nSlot), pile.GetSlotPosition(nSlot));

        int nDiffering = 0;
        for (int y = 0; y < TABLE_CY; ++y) {
            for (int x = 0; x < TABLE_CX; ++x)
                nDiffering += painted.TableSurface().GetPixel(x, y) != expected.TableSurface().GetPixel(x, y);
        }
        EXPECT_EQ(nDiffering, 0) << "step (" << c.sizeStep.cx << ", " << c.sizeStep.cy << "), " << c.nCards
                                 << " cards in " << c.nVisible << " slots";
    }
}

TEST(CCardPainter, WithoutPicturesOnlyTheTableIsDrawn)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), nullptr);
    const CCardPile hand = Hand();
    hand.Paint(painter);
    EXPECT_EQ(bench.ImageAt(10, 20), -1);
    EXPECT_EQ(bench.ImageAt(10 + 12 * 14 + 70, 115), -1);
}

TEST(CCardPainter, ImageIndexesWrapAtFiftyEightAndNegativeOnesDrawNothing)
{
    CPaintBench bench;
    CCardPainter painter(bench.Table(), bench.CardDCs());
    painter.DrawCard(CARD_IMAGE_COUNT + 3, CPoint(0, 0));
    EXPECT_EQ(bench.ImageAt(0, 0), 3);
    painter.DrawCard(-1, CPoint(200, 0));
    EXPECT_EQ(bench.ImageAt(200, 0), -2);
    painter.FillBackground(CRect(200, 0, 210, 10));
    EXPECT_EQ(bench.ImageAt(205, 5), -1);
    EXPECT_EQ(bench.ImageAt(210, 5), -2);
}
