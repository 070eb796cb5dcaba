#include "bridge/table/XmlHand.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "bridge/bidding/Auction.h"
#include "bridge/table/SeatNames.h"
#include "bridge/table/TableFileDialog.h"
#include "bridge/table/TableFileIo.h"
#include "cardtable/CardPile.h"

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
const char* const s_szSideTags[SIDE_COUNT] = {"northsouth", "eastwest"};
// The value elements of a side, in the order written.
const char* const s_szValueTags[SIDE_SCORE_COUNT] = {"rubbers", "games", "above", "below"};

// The most a tag or a text keeps; the rest of a longer one is read and dropped. Every name
// and number of the format is far shorter.
constexpr int MAX_TAG_LENGTH = 256;
constexpr int MAX_TEXT_LENGTH = 256;
// A word longer than any rank text is no rank, however it goes on.
constexpr int MAX_WORD_LENGTH = 8;

constexpr int NO_MORE_INPUT = -1;
constexpr int AUCTION_END_PASSES = 3;
constexpr int MIN_AUCTION_CALLS = 4;

void WriteValueElement(std::ostream& os, const char* szTag, int nValue)
{
    os << '<' << szTag << '>' << nValue << "</" << szTag << ">\n";
}

void WriteSideScores(std::ostream& os, const CFileDeal& deal, int nSide)
{
    os << '<' << s_szSideTags[nSide] << ">\n";
    for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind)
        WriteValueElement(os, s_szValueTags[nKind], deal.nScores[nSide][nKind]);
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

void WriteXmlHand(std::ostream& os, const CFileDeal& deal, const CAuction* pAuction)
{
    os << "<?xml version='1.0' encoding=\"utf-8\"?>\n";
    os << "<?xml-stylesheet type=\"text/xsl\" href=\"hand.xsl\"?>\n";
    os << "<hand>\n";
    os << "<title></title>\n";
    os << "<dealer>" << g_strSeatNames[deal.nDealer & (SEAT_COUNT - 1)] << "</dealer>\n";
    os << "<cards>\n";
    for (int nSeat : s_nCardsOrder) {
        os << '<' << s_szSeatTags[nSeat] << ">\n";
        deal.hands[nSeat].WriteXmlSuits(os);
        os << "</" << s_szSeatTags[nSeat] << ">\n";
    }
    os << "</cards>\n";
    if (pAuction != nullptr && pAuction->GetSize() > 0)
        WriteBidding(os, *pAuction);
    os << "<scores>\n";
    WriteSideScores(os, deal, 0);
    WriteSideScores(os, deal, 1);
    os << "</scores>\n";
    os << "<description>\n</description>\n<solution>\n</solution>\n</hand>\n";
}

void ExportXmlHand(CWnd* pParent, const CFileDeal& deal, const CAuction* pAuction)
{
    const CString strFile = AskTableFileName(pParent, FileDialogKind::Save, EXPORT_EXTENSION, EXPORT_FILTER);
    if (strFile.IsEmpty())
        return;
    std::ostringstream os;
    WriteXmlHand(os, deal, pAuction);
    SaveTableFile(pParent, strFile, os.str());
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
    return !m_is.good() || !m_strProblem.IsEmpty();
}

int CXmlHandReader::NextChar()
{
    const int ch = m_is.get();
    if (!m_is.good())
        return NO_MORE_INPUT;
    if (ch == '\n')
        ++m_nLine;
    return ch;
}

bool CXmlHandReader::Fail(const CString& strWhat)
{
    if (m_strProblem.IsEmpty())
        m_strProblem.Format("line %d: %s", m_nLine, static_cast<LPCTSTR>(strWhat));
    return false;
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

bool CXmlHandReader::ReadXmlText(CString& strText, const CString& strWhere)
{
    strText.Empty();
    for (int ch = NextChar(); ch != NO_MORE_INPUT; ch = NextChar()) {
        if (ch == '<')
            return true;
        AppendBounded(strText, static_cast<char>(ch), MAX_TEXT_LENGTH);
    }
    // A text cut off by the end of the file may be cut short: "60" read as "6".
    return Fail("the file ends inside " + strWhere);
}

bool CXmlHandReader::ReadXmlInt(int nMin, int nMax, const CString& strWhat, int& nValue)
{
    CString strText;
    if (!ReadXmlText(strText, strWhat))
        return false;
    std::string strWord(strText);
    const size_t nFirst = strWord.find_first_not_of(" \t\r\n");
    const size_t nLast = strWord.find_last_not_of(" \t\r\n");
    // An empty value reads as 0, as the format has always read it.
    strWord = nFirst == std::string::npos ? std::string("0")
                                          : strWord.substr(nFirst, nLast - nFirst + 1);
    CString strProblem;
    return ReadFileNumber(strWord, nMin, nMax, strWhat, nValue, strProblem) || Fail(strProblem);
}

bool CXmlHandReader::ReadXmlSuit(CCardPile& hand, int nSeat, int nSuit)
{
    const CString strWhere = g_strSeatNames[nSeat] + "'s " + s_szSuitTags[nSuit];
    CString strWord;
    bool bLongWord = false;
    auto takeWord = [&]() {
        if (strWord.IsEmpty())
            return true;
        const CCard card = ParseRank(strWord, nSuit);
        strWord.Empty();
        if (bLongWord || card.GetRank() == RANK_WILD)
            return Fail(strWhere + " hold a word that is no rank");
        // A hand may hold any number of cards (a deal set up by hand); as no card may come
        // twice, it holds 52 at most.
        if (!m_dealt.Deal(card))
            return Fail(CardName(card) + " is dealt twice");
        hand.AddCard(card);
        return true;
    };
    for (int ch = NextChar(); ch != NO_MORE_INPUT; ch = NextChar()) {
        if (ch == '<')
            return takeWord();
        if (ch == ' ') {
            if (!takeWord())
                return false;
        } else if (strWord.GetLength() < MAX_WORD_LENGTH) {
            strWord += static_cast<char>(ch);
        } else {
            bLongWord = true;
        }
    }
    return Fail("the file ends inside " + strWhere);
}

bool CXmlHandReader::ReadXmlHandCards(CCardPile& hand, int nSeat)
{
    const CString strSeat = g_strSeatNames[nSeat];
    const CString strClose = CString("/") + s_szSeatTags[nSeat];
    bool bMet[SUIT_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < SUIT_COUNT) {
        if (AtEnd())
            return Fail("the file ends inside " + strSeat + "'s hand");
        const CString strTag = ReadXmlTag();
        if (strTag == strClose)
            break;
        const int nSuit = IndexOfName(strTag, s_szSuitTags);
        if (nSuit < 0)
            continue;
        if (bMet[nSuit])
            return Fail(strSeat + "'s hand gives its " + s_szSuitTags[nSuit] + " twice");
        if (!ReadXmlSuit(hand, nSeat, nSuit))
            return false;
        bMet[nSuit] = true;
        ++nMet;
    }
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (!bMet[nSuit])
            return Fail(strSeat + "'s hand has no " + s_szSuitTags[nSuit]);
    }
    return true;
}

bool CXmlHandReader::ReadXmlCards(CFileDeal& deal)
{
    bool bMet[SEAT_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < SEAT_COUNT) {
        if (AtEnd())
            return Fail("the file ends inside the cards");
        const CString strTag = ReadXmlTag();
        if (strTag == "/cards")
            break;
        const int nSeat = IndexOfName(strTag, s_szSeatTags);
        if (nSeat < 0)
            continue;
        if (bMet[nSeat])
            return Fail(g_strSeatNames[nSeat] + "'s hand is given twice");
        if (!ReadXmlHandCards(deal.hands[nSeat], nSeat))
            return false;
        bMet[nSeat] = true;
        ++nMet;
    }
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        if (!bMet[nSeat])
            return Fail("the cards have no hand of " + g_strSeatNames[nSeat]);
    }
    return true;
}

bool CXmlHandReader::ReadXmlScores(CFileDeal& deal)
{
    bool bMet[SIDE_COUNT] = {false, false};
    while (!(bMet[0] && bMet[1])) {
        if (AtEnd())
            return Fail("the file ends inside the scores");
        const CString strTag = ReadXmlTag();
        if (strTag == "/scores")
            break;
        const int nSide = IndexOfName(strTag, s_szSideTags);
        if (nSide < 0)
            continue;
        if (bMet[nSide])
            return Fail(SideName(nSide) + "'s scores are given twice");
        if (!ReadXmlSide(nSide, deal))
            return false;
        bMet[nSide] = true;
    }
    for (int nSide = 0; nSide < SIDE_COUNT; ++nSide) {
        if (!bMet[nSide])
            return Fail("the scores have none of " + SideName(nSide));
    }
    deal.bHasScores = true;
    return true;
}

bool CXmlHandReader::ReadXmlSide(int nSide, CFileDeal& deal)
{
    const CString strClose = CString("/") + s_szSideTags[nSide];
    bool bMet[SIDE_SCORE_COUNT] = {false, false, false, false};
    int nMet = 0;
    while (nMet < SIDE_SCORE_COUNT) {
        if (AtEnd())
            return Fail("the file ends inside " + SideName(nSide) + "'s scores");
        const CString strTag = ReadXmlTag();
        if (strTag == strClose || strTag == "/scores")
            break;
        const int nKind = IndexOfName(strTag, s_szValueTags);
        if (nKind < 0)
            continue;
        const CString strWhat = SideScoreName(nSide, nKind);
        if (bMet[nKind])
            return Fail(strWhat + " are given twice");
        if (!ReadXmlInt(0, MaxSideScore(nKind), strWhat, deal.nScores[nSide][nKind]))
            return false;
        bMet[nKind] = true;
        ++nMet;
    }
    for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind) {
        if (!bMet[nKind])
            return Fail(SideScoreName(nSide, nKind) + " are missing");
    }
    return true;
}

bool CXmlHandReader::Read(CFileDeal& deal)
{
    bool bCards = false;
    bool bScores = false;
    while (!AtEnd()) {
        const CString strTag = ReadXmlTag();
        if (strTag == "cards") {
            if (bCards)
                return Fail("the cards are given twice");
            if (!ReadXmlCards(deal))
                return false;
            bCards = true;
        } else if (strTag == "scores") {
            if (bScores)
                return Fail("the scores are given twice");
            if (!ReadXmlScores(deal))
                return false;
            bScores = true;
        } else if (strTag == "dealer") {
            CString strText;
            if (!ReadXmlText(strText, "the dealer"))
                return false;
            const int nSeat = IndexOfName(strText, g_strSeatNames);
            if (nSeat >= 0) {
                deal.nLeader = nSeat;
                deal.bHasLeader = true;
            }
        }
    }
    return m_strProblem.IsEmpty() && (bCards || Fail("the file has no cards"));
}

bool ParseXmlHand(const std::string& strText, CFileDeal& deal, CString& strProblem)
{
    std::istringstream is(strText);
    CXmlHandReader reader(is);
    if (reader.Read(deal))
        return true;
    strProblem = reader.GetProblem();
    return false;
}
