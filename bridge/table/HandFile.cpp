#include "bridge/table/HandFile.h"

#include <cctype>
#include <climits>
#include <ostream>
#include <string_view>

#include "bridge/table/SeatNames.h"

namespace {

constexpr int LAST_SEAT = SEAT_COUNT - 1;
// Editors on some systems begin a text file with the UTF-8 byte-order mark.
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

bool IsSpace(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

// The numbers of a hand file in order, each checked against its range as it is read; the
// first problem is kept with the line it was found on.
class CHandFileReader {
public:
    // A byte-order mark at the start is skipped.
    explicit CHandFileReader(const std::string& strText)
        : m_strText(strText),
          m_nPos(strText.compare(0, BYTE_ORDER_MARK.size(), BYTE_ORDER_MARK) == 0
                     ? BYTE_ORDER_MARK.size()
                     : 0)
    {
    }

    // The next number into nValue; it must lie in nMin..nMax. strWhat names it in messages.
    bool Read(int& nValue, int nMin, int nMax, const CString& strWhat);
    // True when nothing but white space is left.
    bool AtEnd();
    // The line of the last number read.
    int GetLine() const { return m_nLine; }
    // Records the first problem, found on nLine; false.
    bool Fail(int nLine, const CString& strWhat);
    const CString& GetProblem() const { return m_strProblem; }

private:
    void SkipSpace();

    const std::string& m_strText;
    size_t m_nPos;
    int m_nLine = 1;
    CString m_strProblem;
};

void CHandFileReader::SkipSpace()
{
    while (m_nPos < m_strText.size() && IsSpace(m_strText[m_nPos])) {
        if (m_strText[m_nPos] == '\n')
            ++m_nLine;
        ++m_nPos;
    }
}

bool CHandFileReader::AtEnd()
{
    SkipSpace();
    return m_nPos == m_strText.size();
}

bool CHandFileReader::Fail(int nLine, const CString& strWhat)
{
    if (m_strProblem.IsEmpty())
        m_strProblem.Format("line %d: %s", nLine, static_cast<LPCTSTR>(strWhat));
    return false;
}

bool CHandFileReader::Read(int& nValue, int nMin, int nMax, const CString& strWhat)
{
    if (AtEnd())
        return Fail(m_nLine, "the file ends where " + strWhat + " should follow");
    const size_t nStart = m_nPos;
    while (m_nPos < m_strText.size() && !IsSpace(m_strText[m_nPos]))
        ++m_nPos;
    CString strProblem;
    if (!ReadFileNumber(m_strText.substr(nStart, m_nPos - nStart), nMin, nMax, strWhat, nValue,
                        strProblem))
        return Fail(m_nLine, strProblem);
    return true;
}

bool ReadHand(CHandFileReader& reader, int nSeat, CCardPile& hand, CDealtCards& dealt)
{
    const CString strSeat = g_strSeatNames[nSeat];
    int nCount = 0;
    if (!reader.Read(nCount, 0, DECK_CARDS, "the number of " + strSeat + "'s cards"))
        return false;
    for (int i = 0; i < nCount; ++i) {
        int nRank = 0, nSuit = 0, nOrder = 0, nPoints = 0;
        // Order and points follow from the rank: a raised or a plain trump, and any damage to
        // those two fields, give the same card.
        if (!reader.Read(nRank, RANK_ACE, RANK_KING, "the rank of a card of " + strSeat) ||
            !reader.Read(nSuit, SUIT_CLUBS, SUIT_SPADES, "the suit of a card of " + strSeat) ||
            !reader.Read(nOrder, INT_MIN, INT_MAX, "the order of a card of " + strSeat) ||
            !reader.Read(nPoints, INT_MIN, INT_MAX, "the points of a card of " + strSeat))
            return false;
        const CCard card = MakeDeckCard(nRank, nSuit);
        if (!dealt.Deal(card))
            return reader.Fail(reader.GetLine(), CardName(card) + " is dealt twice");
        hand.AddCard(card);
    }
    return true;
}

bool ReadScores(CHandFileReader& reader, CFileDeal& deal)
{
    for (int nSide = 0; nSide < SIDE_COUNT; ++nSide) {
        for (int nKind = 0; nKind < SIDE_SCORE_COUNT; ++nKind) {
            if (!reader.Read(deal.nScores[nSide][nKind], 0, MaxSideScore(nKind),
                             SideScoreName(nSide, nKind)))
                return false;
        }
    }
    deal.bHasScores = true;
    return true;
}

bool ReadDeal(CHandFileReader& reader, CFileDeal& deal)
{
    if (!reader.Read(deal.nLevel, FILE_NO_CONTRACT, FILE_HIGHEST_LEVEL, "the contract level") ||
        !reader.Read(deal.nTrumps, 0, NO_TRUMPS, "the trump suit") ||
        !reader.Read(deal.nLeader, 0, LAST_SEAT, "the leader") ||
        !reader.Read(deal.nDealer, 0, LAST_SEAT, "the dealer") ||
        !reader.Read(deal.nToPlay, 0, LAST_SEAT, "the player to move") ||
        !reader.Read(deal.nTricks[0], 0, CARDS_PER_HAND, SideName(0) + "'s tricks") ||
        !reader.Read(deal.nTricks[1], 0, CARDS_PER_HAND, SideName(1) + "'s tricks"))
        return false;
    const int nTricksLine = reader.GetLine();
    CDealtCards dealt;
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        if (!ReadHand(reader, nSeat, deal.hands[nSeat], dealt))
            return false;
    }
    if (!deal.TricksFitHands()) {
        const int nTricks = deal.nTricks[0] + deal.nTricks[1];
        CString strWhat;
        strWhat.Format("%d tricks taken and %d cards still in a hand make more than %d tricks",
                       nTricks, deal.LongestHand(), CARDS_PER_HAND);
        return reader.Fail(nTricksLine, strWhat);
    }
    deal.bHasContract = true;
    deal.bHasLeader = true;
    // The scores may be missing, but not only some of them.
    return reader.AtEnd() || ReadScores(reader, deal);
}

} // namespace

bool ParseHandFile(const std::string& strText, CFileDeal& deal, CString& strProblem)
{
    CHandFileReader reader(strText);
    if (ReadDeal(reader, deal))
        return true;
    strProblem = reader.GetProblem();
    return false;
}

void FormatHandFile(std::ostream& os, const CFileDeal& deal)
{
    os << deal.nLevel << ' ' << deal.nTrumps << '\n';
    os << deal.nLeader << ' ' << deal.nDealer << '\n';
    os << deal.nToPlay << '\n';
    os << deal.nTricks[0] << ' ' << deal.nTricks[1] << '\n';
    for (const CCardPile& hand : deal.hands)
        hand.WriteText(os);
    if (!deal.bHasScores)
        return;
    for (const auto& side : deal.nScores) {
        os << side[SCORE_RUBBERS] << ' ' << side[SCORE_GAMES] << ' ' << side[SCORE_ABOVE] << ' '
           << side[SCORE_BELOW] << '\n';
    }
}
