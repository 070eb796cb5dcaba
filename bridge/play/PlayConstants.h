#pragma once
// Numbers of bridge card play shared by the trick, the play engines and the bridge table.
// Seats are 0 North, 1 East, 2 South, 3 West (the auction's SEAT_COUNT, which is also the
// number of cards in a complete trick); suits are the card's (SUIT_CLUBS .. SUIT_SPADES,
// SUIT_COUNT of them), and a trump strain of NO_TRUMPS means no trump suit.

#include "bridge/bidding/Auction.h"
#include "cardtable/Card.h"

constexpr int NO_TRUMPS = SUIT_COUNT;
// Cards of a hand at the start of a deal; a seat can hold at most this many of one suit.
constexpr int CARDS_PER_HAND = 13;
// High-card points of the whole deck.
constexpr int DECK_POINTS = 40;
// While a trump suit is in force its cards carry orders raised by this much (14..26), so that
// any trump outranks any plain card in a plain order comparison.
constexpr int TRUMP_BONUS = 13;
// Order of the ace in a plain suit; the orders run 1 (two) to 13 (ace).
constexpr int ORDER_ACE = 13;

// The next seat clockwise, the partner, and the side (0 North/South, 1 East/West).
constexpr int NextSeat(int nSeat) { return (nSeat + 1) & 3; }
constexpr int PartnerSeat(int nSeat) { return (nSeat + 2) & 3; }
constexpr int SideOf(int nSeat) { return nSeat & 1; }
