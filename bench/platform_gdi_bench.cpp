// Speed of the drawing the card tables do most: one card picture copied, the table filled,
// and a whole table of 52 cards with its texts repainted (the goal is well under 1 ms).

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi.h"

namespace {

constexpr int CARD_WIDTH = 71;
constexpr int CARD_HEIGHT = 96;
constexpr int TABLE_WIDTH = 640;
constexpr int TABLE_HEIGHT = 442;
constexpr int CARD_COUNT = 52;
constexpr int CARDS_PER_ROW = 13;
constexpr int FAN_X = 14;
constexpr int ROW_SPACING = 100;
const COLORREF TABLE_COLOR = RGB(0, 127, 0);

// Memory contexts holding the 52 card pictures and the back buffer, as a game window has them.
struct CTableFixture {
    std::vector<CBitmap> cardBitmaps = std::vector<CBitmap>(CARD_COUNT);
    std::vector<CDC> cardDCs = std::vector<CDC>(CARD_COUNT);
    CBitmap backBuffer;
    CDC backDC;

    CTableFixture()
    {
        for (int i = 0; i < CARD_COUNT; ++i) {
            cardBitmaps[i].CreateFromSurface(CSurface(CARD_WIDTH, CARD_HEIGHT, 0xFFFFFF - static_cast<uint32_t>(i)));
            cardDCs[i].CreateCompatibleDC(nullptr);
            cardDCs[i].SelectObject(&cardBitmaps[i]);
        }
        backBuffer.CreateBitmap(TABLE_WIDTH, TABLE_HEIGHT);
        backDC.CreateCompatibleDC(nullptr);
        backDC.SelectObject(&backBuffer);
    }
};

void BM_CopyCardPicture(benchmark::State& state)
{
    CTableFixture table;
    for (auto _ : state) {
        table.backDC.BitBlt(100, 100, CARD_WIDTH, CARD_HEIGHT, &table.cardDCs[7], 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyCardPicture);

void BM_FillTable(benchmark::State& state)
{
    CTableFixture table;
    const CRect rectTable(0, 0, TABLE_WIDTH, TABLE_HEIGHT);
    CBrush brush(TABLE_COLOR);
    for (auto _ : state) {
        table.backDC.FillRect(&rectTable, &brush);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FillTable);

void BM_RepaintFullTable(benchmark::State& state)
{
    CTableFixture table;
    const CRect rectTable(0, 0, TABLE_WIDTH, TABLE_HEIGHT);
    CBrush brush(TABLE_COLOR);
    CRect rectScore(0, 0, 200, 60);
    table.backDC.SetBkColor(TABLE_COLOR);
    for (auto _ : state) {
        table.backDC.FillRect(&rectTable, &brush);
        table.backDC.DrawText(CString("Tricks : 3\nScore : 60 / 120\nVulnerable"), &rectScore, DT_LEFT | DT_TOP);
        for (int i = 0; i < CARD_COUNT; ++i) {
            const int x = 20 + (i % CARDS_PER_ROW) * FAN_X;
            const int y = 20 + (i / CARDS_PER_ROW) * ROW_SPACING;
            table.backDC.BitBlt(x, y, CARD_WIDTH, CARD_HEIGHT, &table.cardDCs[i], 0, 0, SRCCOPY);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintFullTable)->Unit(benchmark::kMicrosecond);

} // namespace
