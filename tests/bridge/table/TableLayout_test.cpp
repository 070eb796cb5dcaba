// Both bridge tables open, with no stored rectangle or with one smaller than the table needs,
// at the smallest size where no card covers a seat name or a side text, and cannot be made
// smaller. A pile paints its whole fan of places (it fills them with the table colour before
// drawing its cards), so a pile's area is its bounding rectangle, cards or not.

#include <ostream>
#include <utility>
#include <vector>

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CInputRouter.h"
#include "resources/resource.h"
#include "tests/bridge/table/BidWhistTestSupport.h"
#include "tests/bridge/table/TableTestSupport.h"

// Rectangles print as their four edges and sizes as width x height in failure messages.
void PrintTo(const CRect& rect, std::ostream* pStream)
{
    *pStream << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const CSize& size, std::ostream* pStream)
{
    *pStream << size.cx << " x " << size.cy;
}

namespace {

constexpr int SEATS = 4;
constexpr int SUITS = 4;

CSize ClientSize(CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(&rect);
    return rect.Size();
}

// Each seat's four suit piles when it is face up, else its hand (one back); the trick's
// four places; the last trick when it is shown.
template <class TTable>
std::vector<CRect> CardAreas(TTable& table)
{
    std::vector<CRect> areas;
    for (int nSeat = 0; nSeat < SEATS; nSeat++) {
        if (!table.m_bFaceUp[nSeat]) {
            areas.push_back(table.Hand(nSeat).GetBoundingRect());
            continue;
        }
        for (int i = 0; i < SUITS; i++)
            areas.push_back(table.GetSeatPiles(nSeat)->GetAt(i)->GetBoundingRect());
    }
    areas.push_back(table.m_trick.GetBoundingRect());
    if (table.m_bShowLastTrick)
        areas.push_back(table.m_playedCards.GetBoundingRect());
    return areas;
}

// The seat names and the side texts that some card area overlaps, each with one such area.
template <class TTable>
std::vector<std::pair<CRect, CRect>> CoveredTexts(TTable& table)
{
    const CRect texts[] = {table.m_rectNorthName, table.m_rectEastName, table.m_rectSouthName,
                           table.m_rectWestName,  table.m_rectSideNS,   table.m_rectSideEW};
    std::vector<std::pair<CRect, CRect>> covered;
    for (const CRect& rectText : texts) {
        for (const CRect& rectCards : CardAreas(table)) {
            CRect rectBoth;
            if (rectBoth.IntersectRect(&rectText, &rectCards)) {
                covered.emplace_back(rectText, rectCards);
                break;
            }
        }
    }
    return covered;
}


// Game 218's first deal: six-card suits at South, West and East, five cards at most at
// North. West's six cards fill the room left of the East/West text, South's the room below
// the North/South text.
constexpr int GAME_WITH_SIX_CARD_SUITS = 218;
const int LONGEST_SUITS[] = {5, 6, 6, 6};
// The smallest table for such deals, by the layout rules: West's fan, 4 + 5 x 14 + 71, ends
// at the East/West text's left edge, cx/2 - 35 - 28 - 4 - 160; South's piles, from
// cy - 6 x 19 - 96 + 15, begin at the North/South text's bottom edge, cy/2 - 48 + 96 + 84.
const CSize SMALLEST_TABLE(744, 653);
// The template's table, which the windows used to open at, with its menu bar.
constexpr char TEMPLATE_RECT[] = "100,120,658,552";

void WriteValue(const char* szName, const char* szValue)
{
    CRegSettings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY, settings_keys::SUITE_KEY)
        .WriteString(szName, szValue);
}

// With every hand face up and the last trick shown: the table keeps its texts clear, and
// one pixel less in either direction would not.
template <class TTable>
void ExpectSmallestClearTable(TTable& table, const char* szCase)
{
    ASSERT_EQ(CDummyDlg::GetMinClientSize(), SMALLEST_TABLE);
    EXPECT_EQ(ClientSize(table), SMALLEST_TABLE) << szCase;
    for (int nSeat = 0; nSeat < SEATS; nSeat++) {
        ASSERT_TRUE(table.m_bFaceUp[nSeat]) << szCase;
        ASSERT_EQ(table.GetSeatPiles(nSeat)->GetAt(0)->GetVisibleCount(), LONGEST_SUITS[nSeat]);
    }
    table.m_bShowLastTrick = true;
    EXPECT_EQ(CoveredTexts(table), (std::vector<std::pair<CRect, CRect>>{})) << szCase;
    table.Layout(SMALLEST_TABLE.cx - 1, SMALLEST_TABLE.cy);
    EXPECT_FALSE(CoveredTexts(table).empty()) << szCase << ": narrower";
    table.Layout(SMALLEST_TABLE.cx, SMALLEST_TABLE.cy - 1);
    EXPECT_FALSE(CoveredTexts(table).empty()) << szCase << ": lower";
    table.RefreshTable();
}

// The person drags the window's frame smaller than the table: it springs back.
template <class TTable>
void ExpectFrameHeldAtTheSmallestTable(TTable& table)
{
    plat::CInputRouter::OnResized(table.GetSafeHwnd(), CSize(640, 480));
    plat::test::RunUntilIdle();
    EXPECT_EQ(ClientSize(table), SMALLEST_TABLE);
}

} // namespace

namespace tabletest {

TEST_F(TableTest, OpensAtTheSmallestSizeThatKeepsTheTextsClearOfTheCards)
{
    ASSERT_NE(OpenTable(GAME_WITH_SIX_CARD_SUITS), nullptr);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWHANDS));
    ExpectSmallestClearTable(*m_pTable, "no stored rectangle");
    EXPECT_TRUE(plat::test::SaveWindowPng(m_pTable, plat::test::BuildFolderPath("bridge-table-smallest.png")));
    ExpectFrameHeldAtTheSmallestTable(*m_pTable);

    // In play, with dummy open and a completed trick, the texts stay clear as well.
    PlayDealByComputer();
    m_pTable->m_bShowLastTrick = true;
    EXPECT_TRUE(CoveredTexts(*m_pTable).empty());
}

} // namespace tabletest

namespace auctiontest {

TEST_F(BidWhistTest, OpensAtTheSmallestSizeThatKeepsTheTextsClearOfTheCards)
{
    WriteValue("BridgeRect", TEMPLATE_RECT);
    ASSERT_NE(OpenTable(GAME_WITH_SIX_CARD_SUITS), nullptr);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWHANDS));
    ExpectSmallestClearTable(*m_pTable, "stored rectangle of the template's size");
    ExpectFrameHeldAtTheSmallestTable(*m_pTable);
}

} // namespace auctiontest
