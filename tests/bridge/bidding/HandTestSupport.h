#pragma once
// Builds bridge hands for the tests and benchmarks from text such as "AK32.K43.Q54.J32": the
// suits in the order spades, hearts, diamonds, clubs, separated by dots, ranks written
// A K Q J T 9 .. 2; and the whole bridge deck to shuffle and deal from.

#include <cstring>

#include "cardtable/CardPile.h"

namespace handtest {

// The bridge deck's card for a rank letter: order two 1 .. ace 13, points ace 4 .. jack 1.
inline CCard MakeBridgeCard(char chRank, int nSuit)
{
    static const char s_szRanks[] = "23456789TJQKA";
    static const int s_nRanks[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1};
    static const int s_nPoints[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    const char* pFound = std::strchr(s_szRanks, chRank);
    const int nIndex = pFound ? static_cast<int>(pFound - s_szRanks) : 0;
    return CCard(s_nRanks[nIndex], nSuit, nIndex + 1, s_nPoints[nIndex]);
}

inline CCardPile MakeHand(const char* szHand)
{
    CCardPile hand;
    int nSuit = SUIT_SPADES;
    for (const char* p = szHand; *p; ++p) {
        if (*p == '.')
            --nSuit;
        else
            hand.AddCard(MakeBridgeCard(*p, nSuit));
    }
    return hand;
}

// The 52 bridge cards suit by suit from clubs, each suit ace first and then two .. king:
// the order a shuffle with a fixed game number starts from.
inline CCardPile MakeBridgeDeck()
{
    static const char s_szDeckRanks[] = "A23456789TJQK";
    CCardPile deck;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        for (const char* p = s_szDeckRanks; *p; ++p)
            deck.AddCard(MakeBridgeCard(*p, nSuit));
    }
    return deck;
}

} // namespace handtest
