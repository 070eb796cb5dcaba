#pragma once
// CWhistHand: one hand split by suit for a play engine, with the per-suit values the engines
// fill in as they analyse it. The split is made once, when the engine is built: lenSuit keeps
// the lengths of that moment while the piles may later be read by the engine. The per-suit
// fields carry the names the engines' decision rules use.

#include "bridge/play/PlayConstants.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"

class CWhistHand {
public:
    // Copies each suit of hand into its own pile (index = suit), highest card first, and
    // clears every per-suit value.
    explicit CWhistHand(const CCardPile& hand);
    ~CWhistHand();
    CWhistHand(const CWhistHand&) = delete;
    CWhistHand& operator=(const CWhistHand&) = delete;

    // The hand's pile of nSuit, highest card first.
    CCardPile& Suit(int nSuit) { return *m_suits.GetAt(nSuit); }
    const CCardPile& Suit(int nSuit) const { return *m_suits.GetAt(nSuit); }

    // Per suit, counts this hand's cards from the top under each of which other (the other
    // hand of the pair) can still play a lower card, capped by topCards; with a trump suit, a
    // suit this hand is void in counts the other hand's losers it can ruff instead.
    void CountWinners(const CWhistHand& other, int nTrumps);

    // The four suit piles, owned: deleted with the hand.
    CPileGroup m_suits;
    int winners[SUIT_COUNT];
    int finessePercent[SUIT_COUNT];
    int finesseMin1[SUIT_COUNT];
    int finesseMin2[SUIT_COUNT];
    int finesseRow[SUIT_COUNT];
    CCard finesseLead[SUIT_COUNT];
    CCard finessePlay[SUIT_COUNT];
    int lenSuit[SUIT_COUNT];
    bool longHand[SUIT_COUNT];
    int firstWinnerAt[SUIT_COUNT];
    int topCards[SUIT_COUNT];

private:
    // Step 1 of CountWinners for one suit: the cards from the top that other can cover low.
    int CountCoveredCards(const CWhistHand& other, int nSuit) const;
};
