#include "bridge/table/XmlHand.h"

#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>

#include "bridge/bidding/Auction.h"
#include "bridge/table/DecimalText.h"
#include "bridge/table/SeatNames.h"
#include "bridge/table/TableFileDialog.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "platform/base/assert.h"

namespace {

constexpr char EXPORT_EXTENSION[] = "xml";
constexpr char EXPORT_FILTER[] = "Bridge/Dummy files (*.xml)|*.xml||";
constexpr char IMPORT_FILTER[] = "Bridge files (*.xml)|*.xml||";

constexpr int WEST = 3;
constexpr int SOUTH = 2;

// The element names of the seats.
const char* const s_szSeatTags[SEAT_COUNT] = {"north", "east", "south", "west"};
// The cards block lists the hands in this seat order.
const int s_nCardsOrder[SEAT_COUNT] = {0, 3, 1, 2};
// Suit elements by suit, clubs .. spades.
const char* const s_szSuitTags[SUIT_COUNT] = {"clubs", "diamonds", "hearts", "spades"};
const char* const s_szSideTags[XML_SIDE_COUNT] = {"northsouth", "eastwest"};
// The value elements of a side, in the order written.
const char* const s_szValueTags[] = {"rubbers", "games", "above", "below"};

// The most a tag or a text keeps; the rest of a longer one is read and dropped. Every name
// and number of the format is far shorter.
constexpr int MAX_TAG_LENGTH = 256;
constexpr int MAX_TEXT_LENGTH = 256;
// A word longer than any rank text is no rank, however it goes on.
constexpr int MAX_WORD_LENGTH = 8;
// A bridge hand; further cards of a damaged file are dropped.
constexpr int MAX_HAND_CARDS = RANKS_PER_SUIT;

constexpr int NO_MORE_INPUT = -1;
constexpr int AUCTION_END_PASSES = 3;
constexpr int MIN_AUCTION_CALLS = 4;

void WriteValueElement(std::ostream& os, const char* szTag, int nValue)
{
    os << '<' << szTag << '>' << nValue << "</" << szTag << ">\n";
}

void WriteSideScores(std::ostream& os, const CXmlDeal& deal, int nSide)
{
    os << '<' << s_szSideTags[nSide] << ">\n";
    const int* const pValues[] = {deal.pRubbers, deal.pGames, deal.pAbove, deal.pBelow};
    for (size_t i = 0; i < std::size(s_szValueTags); ++i)
        WriteValueElement(os, s_szValueTags[i], pValues[i][nSide]);
    os << "</" << s_szSideTags[nSide] << ">\n";
}

// The cell text of one call: "Pass", "x", "xx", "3NT" or "1<heart/>".
CString CallCellText(const CBid& call)
{
    if (call.IsNoBid())
        return "Pass";
    if (call.IsDouble())
        return "x";
    if (call.IsRedouble())
        return "xx";
    CString strText;
    if (call.IsNoTrump())
        strText.Format("%dNT", call.GetLevel() + 1);
    else
        strText.Format("%d<%s/>", call.GetLevel() + 1, static_cast<LPCTSTR>(call.GetSuitText()));
    return strText;
}

void WriteCell(std::ostream& os, int nSeat, const CString& strText)
{
    os << '<' << s_szSeatTags[nSeat] << '>' << strText << "</" << s_szSeatTags[nSeat] << ">\n";
}

// Rounds of four cells from West: "-" before the dealer, the calls, then "Pass" until three
// passes stand in a row, then empty cells to finish the round.
void WriteBidding(std::ostream& os, const CAuction& auction)
{
    // The dealer is taken as the auction itself takes it, so a stray value cannot keep the
    // first call from ever being reached.
    const int nDealer = auction.GetDealer() & (SEAT_COUNT - 1);
    const int nCalls = auction.GetSize();
    int nSeat = WEST;
    int nCall = 0;
    bool bStarted = false;
    int nPasses = 0;
    int nCells = 0;
    os << "<bidding>\n";
    for (;;) {
        if (nSeat == WEST)
            os << "<round>\n";
        if (nSeat == nDealer)
            bStarted = true;
        if (bStarted && nCall < nCalls) {
            const CBid& call = auction.m_calls[nCall];
            WriteCell(os, nSeat, CallCellText(call));
            nPasses = call.IsNoBid() ? nPasses + 1 : 0;
            ++nCells;
            ++nCall;
        } else if (nCall < nCalls) {
            WriteCell(os, nSeat, "-");
        } else {
            WriteCell(os, nSeat, nPasses < AUCTION_END_PASSES ? "Pass" : "");
            ++nPasses;
            ++nCells;
        }
        if (nSeat == SOUTH) {
            os << "</round>\n";
            if (nCells >= MIN_AUCTION_CALLS && nPasses >= AUCTION_END_PASSES)
                break;
        }
        nSeat = (nSeat + 1) % SEAT_COUNT;
    }
    os << "</bidding>\n";
}

// The index of the name that strName matches exactly, or -1.
template <class TName, size_t N>
int IndexOfName(const CString& strName, const TName (&names)[N])
{
    for (size_t i = 0; i < N; ++i) {
        if (strName == names[i])
            return static_cast<int>(i);
    }
    return -1;
}

// Adds ch to strText unless it already holds nMax characters.
void AppendBounded(CString& strText, char ch, int nMax)
{
    if (strText.GetLength() < nMax)
        strText += ch;
}

} // namespace

void WriteXmlHand(std::ostream& os, const CXmlDeal& deal)
{
    os << "<?xml version='1.0' encoding=\"utf-8\"?>\n";
    os << "<?xml-stylesheet type=\"text/xsl\" href=\"hand.xsl\"?>\n";
    os << "<hand>\n";
    os << "<title></title>\n";
    os << "<dealer>" << g_strSeatNames[deal.nDealer & (SEAT_COUNT - 1)] << "</dealer>\n";
    os << "<cards>\n";
    for (int nSeat : s_nCardsOrder) {
        os << '<' << s_szSeatTags[nSeat] << ">\n";
        deal.pHands[nSeat]->WriteXmlSuits(os);
        os << "</" << s_szSeatTags[nSeat] << ">\n";
    }
    os << "</cards>\n";
    if (deal.pAuction != nullptr && deal.pAuction->GetSize() > 0)
        WriteBidding(os, *deal.pAuction);
    os << "<scores>\n";
    WriteSideScores(os, deal, 0);
    WriteSideScores(os, deal, 1);
    os << "</scores>\n";
    os << "<description>\n</description>\n<solution>\n</solution>\n</hand>\n";
}

void WriteXmlHand(const CString& strFile, const CXmlDeal& deal)
{
    std::ofstream os(static_cast<LPCTSTR>(strFile), std::ios::out | std::ios::trunc);
    if (os)
        WriteXmlHand(os, deal);
}

void ExportXmlHand(CWnd* pParent, const CXmlDeal& deal)
{
    const CString strFile = AskTableFileName(pParent, FileDialogKind::Save, EXPORT_EXTENSION, EXPORT_FILTER);
    if (!strFile.IsEmpty())
        WriteXmlHand(strFile, deal);
}

CString AskXmlImportFileName(CWnd* pParent)
{
    return AskTableFileName(pParent, FileDialogKind::Open, EXPORT_EXTENSION, IMPORT_FILTER);
}

CXmlHandReader::CXmlHandReader(std::istream& is) : m_is(is)
{
}

bool CXmlHandReader::AtEnd() const
{
    return !m_is.good();
}

int CXmlHandReader::NextChar()
{
    const int ch = m_is.get();
    return m_is.good() ? ch : NO_MORE_INPUT;
}

CString CXmlHandReader::ReadXmlTag()
{
    int ch = NextChar();
    while (ch != NO_MORE_INPUT && ch != '<')
        ch = NextChar();
    CString strTag;
    for (ch = NextChar(); ch != NO_MORE_INPUT && ch != '>'; ch = NextChar()) {
        if (ch != '<')
            AppendBounded(strTag, static_cast<char>(ch), MAX_TAG_LENGTH);
    }
    return strTag;
}

CString CXmlHandReader::ReadXmlText()
{
    CString strText;
    for (int ch = NextChar(); ch != NO_MORE_INPUT && ch != '<'; ch = NextChar())
        AppendBounded(strText, static_cast<char>(ch), MAX_TEXT_LENGTH);
    return strText;
}

int CXmlHandReader::ReadXmlInt()
{
    return DecimalValue(ReadXmlText());
}

void CXmlHandReader::ReadXmlSuit(CCardPile& hand, int nSuit)
{
    CString strWord;
    bool bLongWord = false;
    auto takeWord = [&]() {
        const CCard card = ParseRank(strWord, nSuit);
        const bool bRank = !bLongWord && card.GetRank() != RANK_WILD;
        if (bRank && hand.GetCount() < MAX_HAND_CARDS && !IsDealt(hand, card))
            hand.AddCard(card);
        strWord.Empty();
        bLongWord = false;
    };
    for (int ch = NextChar(); ch != NO_MORE_INPUT && ch != '<'; ch = NextChar()) {
        if (ch == ' ') {
            takeWord();
        } else if (strWord.GetLength() < MAX_WORD_LENGTH) {
            strWord += static_cast<char>(ch);
        } else {
            bLongWord = true;
        }
    }
    takeWord();
}

void CXmlHandReader::ReadXmlHandCards(CCardPile& hand)
{
    bool bMet[SUIT_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < SUIT_COUNT && !AtEnd()) {
        const int nSuit = IndexOfName(ReadXmlTag(), s_szSuitTags);
        if (nSuit < 0)
            continue;
        ReadXmlSuit(hand, nSuit);
        nMet += bMet[nSuit] ? 0 : 1;
        bMet[nSuit] = true;
    }
}

bool CXmlHandReader::IsDealt(const CCardPile& hand, const CCard& card) const
{
    return m_pHands != nullptr ? m_pHands->Contains(card) : hand.Contains(card);
}

void CXmlHandReader::ReadXmlCards(CPileGroup& hands)
{
    m_pHands = &hands;
    bool bMet[SEAT_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < SEAT_COUNT && !AtEnd()) {
        const CString strTag = ReadXmlTag();
        if (strTag == "/cards")
            return;
        const int nSeat = IndexOfName(strTag, s_szSeatTags);
        if (nSeat < 0)
            continue;
        ReadXmlHandCards(*hands.GetAt(nSeat));
        nMet += bMet[nSeat] ? 0 : 1;
        bMet[nSeat] = true;
    }
}

void CXmlHandReader::ReadXmlScores(const CXmlScores& scores)
{
    bool bMet[XML_SIDE_COUNT] = {false, false};
    while (!(bMet[0] && bMet[1]) && !AtEnd()) {
        const int nSide = IndexOfName(ReadXmlTag(), s_szSideTags);
        if (nSide < 0)
            continue;
        ReadXmlSide(nSide, scores);
        bMet[nSide] = true;
    }
}

void CXmlHandReader::ReadXmlSide(int nSide, const CXmlScores& scores)
{
    int* const pValues[] = {scores.pRubbers, scores.pGames, scores.pAbove, scores.pBelow};
    constexpr int VALUE_COUNT = static_cast<int>(std::size(s_szValueTags));
    bool bMet[VALUE_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < VALUE_COUNT && !AtEnd()) {
        const CString strTag = ReadXmlTag();
        if (strTag == "/scores")
            return;
        const int nValue = IndexOfName(strTag, s_szValueTags);
        if (nValue < 0)
            continue;
        pValues[nValue][nSide] = ReadXmlInt();
        nMet += bMet[nValue] ? 0 : 1;
        bMet[nValue] = true;
    }
}

void CXmlHandReader::Read(CPileGroup& hands, int& nLeader, const CXmlScores& scores)
{
    ASSERT(hands.GetCount() == SEAT_COUNT);
    while (!AtEnd()) {
        const CString strTag = ReadXmlTag();
        if (strTag == "cards") {
            ReadXmlCards(hands);
        } else if (strTag == "scores") {
            ReadXmlScores(scores);
        } else if (strTag == "dealer") {
            const int nSeat = IndexOfName(ReadXmlText(), g_strSeatNames);
            if (nSeat >= 0)
                nLeader = nSeat;
        }
    }
}

bool ReadXmlHand(const CString& strFile, CPileGroup& hands, int& nLeader, const CXmlScores& scores)
{
    std::ifstream is(static_cast<LPCTSTR>(strFile));
    if (!is)
        return false;
    CXmlHandReader reader(is);
    reader.Read(hands, nLeader, scores);
    return true;
}
