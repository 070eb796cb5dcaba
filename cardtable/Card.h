#pragma once
// CCard: the value of one playing card, copied freely between piles, hands and files.

#include <iosfwd>

#include "platform/base/CString.h"

// Suits in their integer order; a bridge strain of 4 means no trump.
enum {
    SUIT_CLUBS = 0,
    SUIT_DIAMONDS = 1,
    SUIT_HEARTS = 2,
    SUIT_SPADES = 3,
    SUIT_COUNT = 4
};

// Ranks with names; 2 to 10 are the number cards themselves.
enum {
    RANK_WILD = 0,
    RANK_ACE = 1,
    RANK_TEN = 10,
    RANK_JACK = 11,
    RANK_QUEEN = 12,
    RANK_KING = 13,
    RANKS_PER_SUIT = 13
};

// A card: rank (1 ace .. 13 king, 0 a wild card or the empty card), suit (0 clubs ..
// 3 spades; for a wild card it picks one of the two joker pictures), order (the comparison
// value the deck builder chose for the game; 0 marks a wild card to the pile rules) and
// points (bridge high-card points or a Rummy count). A default card is the empty card.
// Two cards are equal when suit and order are equal; the ordering operators compare order
// alone, whatever the suits.
class CCard {
public:
    CCard(int nRank = 0, int nSuit = 0, int nOrder = 0, int nPoints = 0)
        : m_nRank(nRank), m_nSuit(nSuit), m_nOrder(nOrder), m_nPoints(nPoints)
    {
    }

    int GetRank() const { return m_nRank; }
    int GetSuit() const { return m_nSuit; }
    int GetOrder() const { return m_nOrder; }
    void SetOrder(int nOrder) { m_nOrder = nOrder; }
    int GetPoints() const { return m_nPoints; }

    bool operator<(const CCard& other) const { return m_nOrder < other.m_nOrder; }
    bool operator>(const CCard& other) const { return m_nOrder > other.m_nOrder; }
    bool operator>=(const CCard& other) const { return m_nOrder >= other.m_nOrder; }
    bool operator==(const CCard& other) const
    {
        return m_nSuit == other.m_nSuit && m_nOrder == other.m_nOrder;
    }
    bool operator!=(const CCard& other) const { return !(*this == other); }

    // The card's picture among the 58 card images: suit * 13 + rank - 1 for the 52 cards,
    // 52 or 53 (suit 0 or any other suit) for a wild card.
    int GetImageIndex() const;
    // The display sort key of the suit, so that colours alternate: diamonds 0, clubs 1,
    // hearts 2, spades 3.
    int SuitDisplayOrder() const;

    // Writes rank, suit, order and points separated by single blanks, without a line end.
    void WriteNumbers(std::ostream& os) const;
    // Reads four whitespace-separated numbers into rank, suit, order and points; every
    // field from the first number that cannot be read onwards becomes 0.
    void ReadNumbers(std::istream& is);
    // Writes the rank as "A", "J", "Q", "K" or a decimal number (0 for a wild card).
    void WriteRank(std::ostream& os) const;

private:
    int m_nRank;
    int m_nSuit;
    int m_nOrder;
    int m_nPoints;
};

// Three-way comparison of two cards (pointers to CCard) for an array sort: by display suit
// key first, then by order. Ascending order is diamonds, clubs, hearts, spades, each from
// low to high.
int CompareCards(const void* pA, const void* pB);

// The bridge-deck card for a rank text ("A", "K", "Q", "J", "10" down to "2", compared
// exactly) in the given suit; any other text gives rank, order and points 0.
CCard ParseRank(const CString& strRank, int nSuit);
