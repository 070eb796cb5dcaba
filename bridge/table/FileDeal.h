#pragma once
// CFileDeal: one deal as the hand files carry it, on its way between a file and a bridge
// table. The readers (hand file, XML, Times Bridge) fill what their format holds and accept a
// deal only when it is one the table can take; the table then takes it whole or, when a
// reader refused it, not at all.
//
// An accepted deal is consistent: every card is a card of the bridge deck (order and points as
// the deck makes them, trumps not raised) and no card is dealt twice, so that the hands hold
// 52 cards at most; the seats, level and strain are in range; once tricks have been taken,
// they and the cards of the longest hand make at most 13 tricks; and the scores are ones a
// rubber can reach (ScoreLimits.h). A hand may hold any number of cards: a deal set up by hand
// before play can give a seat more or fewer than 13, and Play names the seat until the person
// has put it right.

#include <cstdint>
#include <string>

#include "bridge/bidding/Auction.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/table/ScoreLimits.h"
#include "cardtable/CardPile.h"

// Contract levels a hand file may hold: -1 for none (a deal waiting for its auction), 0 for
// the one-level .. 6 for the seven-level.
constexpr int FILE_NO_CONTRACT = -1;
constexpr int FILE_HIGHEST_LEVEL = 6;
// The cards of the bridge deck, the most one hand can be given.
constexpr int DECK_CARDS = SEAT_COUNT * CARDS_PER_HAND;

struct CFileDeal {
    // The hands by seat: North, East, South, West.
    CCardPile hands[SEAT_COUNT];

    // Contract, seats and tricks: a hand file holds them, the imports do not.
    bool bHasContract = false;
    int nLevel = 0;
    int nTrumps = 0;
    int nDealer = 0;
    int nToPlay = 0;
    int nTricks[SIDE_COUNT] = {};

    // The seat the deal starts from: the opening leader at the plain table, the first seat to
    // call in the dialog with the auction.
    bool bHasLeader = false;
    int nLeader = 0;

    // The side scores by side and kind (SideScore).
    bool bHasScores = false;
    int nScores[SIDE_COUNT][SIDE_SCORE_COUNT] = {};

    // The number of cards the four hands hold together.
    int CardCount() const;
    // The number of cards in the longest hand.
    int LongestHand() const;
    // Whether the tricks taken leave room for the cards still held: every trick took a card
    // from each hand, so once a trick is counted no hand holds more than 13 less the tricks.
    bool TricksFitHands() const;
};

// The cards a reader has dealt so far, to catch a card dealt twice.
class CDealtCards {
public:
    // Notes card (a card of the bridge deck); false when it was dealt before.
    bool Deal(const CCard& card);

private:
    uint64_t m_nDealt = 0;
};

// The bridge deck's card of nRank (1 ace .. 13 king) and nSuit (0..3): order two 1 .. ace 13,
// points ace 4, king 3, queen 2, jack 1.
CCard MakeDeckCard(int nRank, int nSuit);
// Whether nRank and nSuit name a card of the bridge deck.
bool IsDeckCard(int nRank, int nSuit);
// How messages name a card: "the ace of spades", "the ten of hearts".
CString CardName(const CCard& card);

// Reads strWord as a whole decimal number (an optional sign, then digits only) that must lie
// in nMin..nMax. Otherwise false, with what is wrong in strProblem, naming the number strWhat:
// "the dealer must be 0 to 3, not 7".
bool ReadFileNumber(const std::string& strWord, int nMin, int nMax, const CString& strWhat,
                    int& nValue, CString& strProblem);
