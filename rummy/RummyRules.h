#pragma once
// CRummyRules: the rules of the Rummy table that need no window: which cards of a hand are
// matched, the hand's deadwood, what a deadwood allows, and the computer player's choices.
//
// Only sets count as matched: three or four cards of one rank. The rank of a card for
// matching is its order (ace 1 low .. king 13), so a hand's ranks are indexed 0..12.

#include <array>

#include "cardtable/Card.h"

class CCardPile;

// The number of cards of each rank in a hand, indexed by RankIndex.
typedef std::array<int, RANKS_PER_SUIT> RankCounts;

// What a deadwood count lets the player to move do.
enum class RummyOutcome {
    Gin,   // no deadwood at all
    Rummy, // a little deadwood, below RUMMY_DEADWOOD_LIMIT: may go out
    None   // too much deadwood to go out
};

class CRummyRules {
public:
    // A rank held this many times or more is a set, and its cards are matched.
    static constexpr int SET_SIZE = 3;
    // Going out with Rummy needs deadwood below this.
    static constexpr int RUMMY_DEADWOOD_LIMIT = 10;

    // The card's rank index, (order - 1) mod 13: ace 0 .. king 12. The card must be a card
    // of the Rummy deck (order 1..13).
    static int RankIndex(const CCard& card);
    static RankCounts CountRanks(const CCardPile& hand);
    // The points of the unmatched cards, less the highest of them (the card the player
    // would throw away); 0 when every card is matched.
    static int Deadwood(const CCardPile& hand);
    static RummyOutcome Judge(int nDeadwood);

    // Whether the computer takes the discard pile's top card (cardTop, the empty card when
    // that pile is empty) rather than the stock's: when it holds two or more of its rank.
    static bool TakesDiscard(const CCardPile& hand, const CCard& cardTop);
    // The index in hand of the card the computer throws away: the first card of its rarest
    // rank, of equally rare ranks the highest. The hand must not be empty.
    static int ChooseDiscard(const CCardPile& hand);
};
