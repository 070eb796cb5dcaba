#pragma once
// Short card names for the card table's tests (see tests/support/CardNames.h): Rummy cards
// order = rank, and the patience race's wild cards.

#include <initializer_list>

#include "cardtable/Card.h"
#include "cardtable/CardPile.h"
#include "tests/support/CardNames.h"

namespace cardtest {

using cardnames::Name;
using cardnames::Names;

// The Rummy-deck card ("5S": rank 5, order 5, points 5; court cards 10 points).
inline CCard Rummy(const char* sz)
{
    int nRank = cardnames::RankOf(sz[0]);
    return CCard(nRank, cardnames::SuitOf(sz[1]), nRank, nRank < 10 ? nRank : 10);
}

// A pile of Rummy-deck cards in the order given.
inline CCardPile PileOf(std::initializer_list<const char*> names)
{
    CCardPile pile;
    for (const char* sz : names)
        pile.AddCard(Rummy(sz));
    return pile;
}

// A wild card as the patience race deals it: rank 0, order 0.
inline CCard Wild(int nSuit = 0)
{
    return CCard(0, nSuit, 0, 0);
}

} // namespace cardtest
