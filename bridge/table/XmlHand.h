#pragma once
// The XML hand file: Export Xml writes one deal (dealer, the four hands by suit, the auction
// when there is one, both sides' scores) for a browser to show through the stylesheet
// "hand.xsl"; Import Xml reads back the dealer, the hands and the scores with a small tag
// scanner and skips everything else.

#include <iosfwd>
#include <string>

#include "bridge/bidding/Auction.h"
#include "bridge/table/FileDeal.h"
#include "platform/base/CString.h"

class CWnd;

// Writes deal as the whole file to os, one element per line: its dealer (nDealer), its hands
// and its scores, with the bidding block when pAuction (may be null) holds a call.
void WriteXmlHand(std::ostream& os, const CFileDeal& deal, const CAuction* pAuction);
// The Export Xml command: asks for an ".xml" file to save, then writes it (reporting a file
// that could not be written). Cancel does nothing.
void ExportXmlHand(CWnd* pParent, const CFileDeal& deal, const CAuction* pAuction);

// The Import Xml command's file dialog: the name of the ".xml" file to open, or the empty text
// after Cancel.
CString AskXmlImportFileName(CWnd* pParent);

// The tag scanner of the import over one input stream. Every loop ends at the end of the
// stream or at the first problem found, and what one file can make it hold is bounded: tags
// and texts are cut at a fixed length and no card is taken twice.
class CXmlHandReader {
public:
    explicit CXmlHandReader(std::istream& is);
    CXmlHandReader(const CXmlHandReader&) = delete;
    CXmlHandReader& operator=(const CXmlHandReader&) = delete;

    // Reads the whole stream into deal (which should be fresh): the four hands of the cards
    // element, the seat named by the dealer element ("North" .. "West", exactly) as the
    // leader, and the side scores when the file has a scores element. True when the file held
    // a consistent deal (FileDeal.h); otherwise false, and GetProblem says what is wrong.
    // A file must have its four hands, each with its four suit elements, and a scores
    // element all eight values, each a whole number a rubber can reach.
    bool Read(CFileDeal& deal);
    // What is wrong and on which line ("line 12: ..."); empty while nothing is.
    const CString& GetProblem() const { return m_strProblem; }

    // The text between the next "<" and ">" (a further "<" dropped); at the end of the stream,
    // what was collected.
    CString ReadXmlTag();
    // The text up to the next "<", which is consumed, or to the end of the stream; false
    // (a problem naming szWhere) when the stream ends first.
    bool ReadXmlText(CString& strText, const CString& strWhere);
    // The whole number ReadXmlText gives (white space around it allowed; an empty text is 0),
    // which must lie in nMin..nMax; strWhat names it in the problem otherwise.
    bool ReadXmlInt(int nMin, int nMax, const CString& strWhat, int& nValue);
    // The blank-separated ranks up to the next "<", dealt to hand as cards of nSuit. A word
    // that is not a rank's text byte for byte (a NUL or any byte no rank holds inside it) is
    // refused, never read as the rank it starts with.
    bool ReadXmlSuit(CCardPile& hand, int nSeat, int nSuit);
    // The four suit elements of the hand of nSeat, up to its closing tag.
    bool ReadXmlHandCards(CCardPile& hand, int nSeat);
    // The four hands, up to "/cards".
    bool ReadXmlCards(CFileDeal& deal);
    // The "northsouth" and "eastwest" blocks, up to "/scores".
    bool ReadXmlScores(CFileDeal& deal);
    // The four values of one side, up to its closing tag.
    bool ReadXmlSide(int nSide, CFileDeal& deal);

    // True once the stream has no more characters or a problem was found.
    bool AtEnd() const;

private:
    // The next character, or -1 at the end of the stream.
    int NextChar();
    // Records the first problem, on the current line; returns false.
    bool Fail(const CString& strWhat);

    std::istream& m_is;
    int m_nLine = 1;
    CString m_strProblem;
    CDealtCards m_dealt;
};

// Reads strText as an XML hand file into deal as CXmlHandReader::Read does.
bool ParseXmlHand(const std::string& strText, CFileDeal& deal, CString& strProblem);
