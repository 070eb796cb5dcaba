#pragma once
// What the layout tests of both bridge tables check: the areas the table paints its cards
// into, as it paints them, against those of its side texts and seat names. A pile paints its
// whole fan of places (it fills them with the table colour before drawing its cards), so a
// pile's area is its bounding rectangle, cards or not.

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "cardtable/CardPile.h"
#include "platform/base/geometry.h"

// Rectangles print as their four edges and sizes as width x height in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* pStream)
{
    *pStream << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const CSize& size, std::ostream* pStream)
{
    *pStream << size.cx << " x " << size.cy;
}

namespace layouttest {

constexpr int SEATS = 4;
constexpr int SUITS = 4;

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

// The client size of the table's window.
template <class TTable>
CSize ClientSize(TTable& table)
{
    CRect rect;
    table.GetClientRect(&rect);
    return rect.Size();
}

} // namespace layouttest
