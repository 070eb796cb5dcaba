#pragma once
// Short card names for tests and benchmarks: "QH" is the queen of hearts, "TD" the ten of
// diamonds. Parsing gives the rank and suit of a name; what order and points a card carries
// depends on the game, so the games' helpers build the cards themselves.

#include <string>

#include "cardtable/Card.h"
#include "cardtable/CardPile.h"

namespace cardnames {

// The rank of a rank letter: A 1, 2 .. 9, T 10, J 11, Q 12, K 13.
inline int RankOf(char ch)
{
    const std::string ranks = "A23456789TJQK";
    return static_cast<int>(ranks.find(ch)) + 1;
}

// The suit of a suit letter: C 0, D 1, H 2, S 3.
inline int SuitOf(char ch)
{
    const std::string suits = "CDHS";
    return static_cast<int>(suits.find(ch));
}

// The name of a card with any order ("KS"; a wild card is "?" and its suit).
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

} // namespace cardnames
