#pragma once
// Short card names for the card table's tests: "QH" is the queen of hearts, "TD" the ten of
// diamonds; bridge cards carry the bridge orders and points, Rummy cards order = rank.

#include <string>

#include "cardtable/Card.h"
#include "cardtable/CardPile.h"

namespace cardtest {

inline int RankOf(char ch)
{
    const std::string ranks = "A23456789TJQK";
    return static_cast<int>(ranks.find(ch)) + 1;
}

inline int SuitOf(char ch)
{
    const std::string suits = "CDHS";
    return static_cast<int>(suits.find(ch));
}

// The Rummy-deck card ("5S": rank 5, order 5, points 5; court cards 10 points).
inline CCard Rummy(const char* sz)
{
    int nRank = RankOf(sz[0]);
    return CCard(nRank, SuitOf(sz[1]), nRank, nRank < 10 ? nRank : 10);
}

// The name of a card with any order ("KS").
inline std::string Name(const CCard& card)
{
    const std::string ranks = "?A23456789TJQK";
    const std::string suits = "CDHS";
    return std::string(1, ranks[card.GetRank()]) + suits[card.GetSuit()];
}

// The names of a pile's cards, bottom first, separated by blanks.
inline std::string Names(const CCardPile& pile)
{
    std::string str;
    for (const CCard& card : pile.m_cards) {
        if (!str.empty())
            str += ' ';
        str += Name(card);
    }
    return str;
}

// A wild card as the patience race deals it: rank 0, order 0.
inline CCard Wild(int nSuit = 0)
{
    return CCard(0, nSuit, 0, 0);
}

} // namespace cardtest
