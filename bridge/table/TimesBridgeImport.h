#pragma once
// Import of a ".bridge" deal file (the "Times Bridge" binary format): after an 87-byte
// header, four hands of 13 eight-byte card records and two spare bytes each, in the seat
// order South, West, North, East. Only the cards are taken.

#include <iosfwd>

#include "platform/base/CString.h"

class CCard;
class CPileGroup;
class CWnd;

// How much of a deal a file gave.
enum class TimesBridgeResult {
    Complete,   // all 52 records held a card, each card once
    Incomplete, // the file ended early, or some records held no card or a card twice
    NotOpened   // the file could not be opened; nothing was read
};

// The card of a record's card byte: rank code in the low four bits (0 two .. 12 ace), suit
// in bits 5 and 6; bit 4 is not used. False for a byte that names no card of the deck
// (rank codes 13 to 15, or bit 7 set).
bool TimesBridgeCard(unsigned char byCard, CCard& card);

// Reads the deal from is, appending each hand's cards to hands (four piles by seat, North,
// East, South, West). Records that hold no card, or a card the hands already hold, are
// skipped; reading stops at the end of the stream, leaving the hands still to come with fewer
// cards.
TimesBridgeResult ReadTimesBridge(std::istream& is, CPileGroup& hands);
// The same from the file strFile, opened for binary input.
TimesBridgeResult ReadTimesBridge(const CString& strFile, CPileGroup& hands);

// The Import Times Bridge command's file dialog: the name of the ".bridge" file to open, or
// the empty text after Cancel.
CString AskTimesBridgeFileName(CWnd* pParent);
