#pragma once
// The XML hand file: Export Xml writes one deal (dealer, the four hands by suit, the auction
// when there is one, both sides' scores) for a browser to show through the stylesheet
// "hand.xsl"; Import Xml reads back the dealer, the hands and the scores with a small tag
// scanner and skips everything else.

#include <iosfwd>

#include "bridge/bidding/Auction.h"
#include "platform/base/CString.h"

class CCard;
class CCardPile;
class CPileGroup;
class CWnd;

// The two sides of the table, 0 North/South and 1 East/West, by which scores are kept.
constexpr int XML_SIDE_COUNT = 2;

// Where the import puts the side scores it finds: a table's four arrays by side; not owned.
struct CXmlScores {
    int* pRubbers;
    int* pGames;
    int* pAbove;
    int* pBelow;
};

// What the export writes. The hands are by seat (North, East, South, West) and the score
// arrays by side (0 North/South, 1 East/West); nothing is owned. The table passes its current
// hands and scores before the first trick is complete, and afterwards the hands kept when
// play began with the start-of-deal scores.
struct CXmlDeal {
    int nDealer;
    const CCardPile* pHands[SEAT_COUNT];
    const CAuction* pAuction; // null at the table without an auction
    const int* pRubbers;
    const int* pGames;
    const int* pAbove;
    const int* pBelow;
};

// Writes the whole file to os, one element per line.
void WriteXmlHand(std::ostream& os, const CXmlDeal& deal);
// Writes the file strFile (created or truncated); nothing when it cannot be created.
void WriteXmlHand(const CString& strFile, const CXmlDeal& deal);
// The Export Xml command: asks for an ".xml" file to save, then writes it. Cancel does nothing.
void ExportXmlHand(CWnd* pParent, const CXmlDeal& deal);

// The Import Xml command's file dialog: the name of the ".xml" file to open, or the empty text
// after Cancel.
CString AskXmlImportFileName(CWnd* pParent);

// The tag scanner of the import over one input stream. Every loop ends at the end of the
// stream, and what one file can make it hold is bounded: tags and texts are cut at a fixed
// length, a hand takes at most 13 cards, and words that are no rank give no card. A card that
// a hand of the deal already holds is not dealt a second time.
class CXmlHandReader {
public:
    explicit CXmlHandReader(std::istream& is);
    CXmlHandReader(const CXmlHandReader&) = delete;
    CXmlHandReader& operator=(const CXmlHandReader&) = delete;

    // Reads the whole stream: the hands are appended to hands (four piles by seat), the seat
    // named by the dealer element ("North" .. "West", exactly) goes to nLeader, and the side
    // scores found replace those in scores' arrays. What the file lacks is left as it was.
    void Read(CPileGroup& hands, int& nLeader, const CXmlScores& scores);

    // The text between the next "<" and ">" (a further "<" dropped); at the end of the stream,
    // what was collected.
    CString ReadXmlTag();
    // The text up to the next "<", which is consumed, or to the end of the stream.
    CString ReadXmlText();
    // The decimal number that ReadXmlText begins with, 0 when none.
    int ReadXmlInt();
    // The blank-separated ranks up to the next "<", appended to hand as cards of nSuit; a card
    // already dealt (to the hands ReadXmlCards reads, else to hand itself) is skipped.
    void ReadXmlSuit(CCardPile& hand, int nSuit);
    // The four suit elements of one hand, however far apart.
    void ReadXmlHandCards(CCardPile& hand);
    // The hands up to "/cards" (or once all four were read).
    void ReadXmlCards(CPileGroup& hands);
    // The "northsouth" and "eastwest" blocks.
    void ReadXmlScores(const CXmlScores& scores);
    // The four values of one side, up to "/scores".
    void ReadXmlSide(int nSide, const CXmlScores& scores);

    // True once the stream has no more characters.
    bool AtEnd() const;

private:
    // The next character, or -1 at the end of the stream.
    int NextChar();
    bool IsDealt(const CCardPile& hand, const CCard& card) const;

    std::istream& m_is;
    // The hands of the deal being read, not owned; null until ReadXmlCards.
    const CPileGroup* m_pHands = nullptr;
};

// Reads the file strFile into the deal as CXmlHandReader::Read does; false (nothing read)
// when it cannot be opened.
bool ReadXmlHand(const CString& strFile, CPileGroup& hands, int& nLeader, const CXmlScores& scores);
