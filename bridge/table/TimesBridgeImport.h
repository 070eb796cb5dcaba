#pragma once
// Import of a ".bridge" deal file (the "Times Bridge" binary format): after an 87-byte
// header, four hands of 13 eight-byte card records and two spare bytes each, in the seat
// order South, West, North, East. Only the cards are taken; bytes after the fourth hand are
// not read.

#include <string>

#include "platform/base/CString.h"

class CCard;
class CWnd;
struct CFileDeal;

// The card of a record's card byte: rank code in the low four bits (0 two .. 12 ace), suit
// in bits 5 and 6; bit 4 is not used. False for a byte that names no card of the deck
// (rank codes 13 to 15, or bit 7 set).
bool TimesBridgeCard(unsigned char byCard, CCard& card);

// Reads the file's bytes strBytes into the hands of deal (which should be fresh). True when
// they hold a whole deal: 52 records, each naming a card of the deck, none twice. Otherwise
// false, and strProblem says what is wrong: a file too short for a deal, or the record at
// fault with its byte offset.
bool ParseTimesBridge(const std::string& strBytes, CFileDeal& deal, CString& strProblem);

// The Import Times Bridge command's file dialog: the name of the ".bridge" file to open, or
// the empty text after Cancel.
CString AskTimesBridgeFileName(CWnd* pParent);
