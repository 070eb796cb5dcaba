#pragma once
// The hand file (".brg"): one deal as text, decimal integers separated by white space, one
// group per line as the writer puts them: level and trumps; leader and dealer; the player to
// move; the tricks of North/South and East/West; the hands of North, East, South and West
// (each a count, then one line per card: rank, suit, order, points); then rubbers, games,
// above and below of North/South and of East/West. The scores may be missing; the reader
// does not depend on the line structure, and skips a UTF-8 byte-order mark at the start.

#include <iosfwd>
#include <string>

#include "bridge/table/FileDeal.h"
#include "platform/base/CString.h"

// Reads strText as a hand file into deal (which should be fresh). True when it holds a
// consistent deal (FileDeal.h): every card is then the deck's, whatever order and points the
// file gave it. Otherwise false, and strProblem says what is wrong and where ("line 4: ...").
bool ParseHandFile(const std::string& strText, CFileDeal& deal, CString& strProblem);

// Writes deal (which must have its contract) as a hand file, the cards as its hands hold
// them and the scores when it has them.
void FormatHandFile(std::ostream& os, const CFileDeal& deal);
