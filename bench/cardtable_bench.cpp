// Dealing and painting: a bridge deal is a shuffle of 52 cards dealt into four hands (goal:
// at least a million deals a second), and a table repaint draws thirteen-card hands.

#include <benchmark/benchmark.h>

#include "cardtable/CardPainter.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "resources/CardPictures.h"
#include "resources/resource.h"

namespace {

void ShuffleAndDeal(benchmark::State& state)
{
    g_bSeeded = true;
    CCardPile::SetGameNumber(1);
    CCardPile deck;
    CCardPile hands[4];
    CPileGroup group;
    for (CCardPile& hand : hands)
        group.Add(&hand);
    for (auto _ : state) {
        deck.BuildDeck();
        deck.Shuffle();
        group.ClearAll();
        deck.DealRounds(-1, group);
        benchmark::DoNotOptimize(hands[3].m_cards.data());
    }
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(ShuffleAndDeal);

void PaintThirteenCardHand(benchmark::State& state)
{
    RegisterCardPictures();
    CBitmap bitmaps[CARD_IMAGE_COUNT];
    CDC dcs[CARD_IMAGE_COUNT];
    CDC* pDCs[CARD_IMAGE_COUNT];
    for (int i = 0; i < CARD_IMAGE_COUNT; ++i) {
        bitmaps[i].LoadBitmap(IDB_CARD_FIRST + i);
        dcs[i].CreateCompatibleDC(nullptr);
        dcs[i].SelectObject(&bitmaps[i]);
        pDCs[i] = &dcs[i];
    }
    CBitmap bitmapTable;
    bitmapTable.CreateBitmap(640, 442);
    CDC dcTable;
    dcTable.CreateCompatibleDC(nullptr);
    dcTable.SelectObject(&bitmapTable);

    CCardPile hand;
    for (int nRank = 1; nRank <= 13; ++nRank)
        hand.AddCard(CCard(nRank, nRank % 4, nRank, 0));
    hand.SetLayout(CPoint(150, 330), g_sizeHorzSpread, 13, 0);
    CCardPainter painter(dcTable, pDCs);
    for (auto _ : state) {
        hand.Paint(painter);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintThirteenCardHand);

} // namespace
