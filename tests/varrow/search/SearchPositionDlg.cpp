#include "tests/varrow/search/SearchPositionDlg.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

const char* const CARD_CHARS = CSearchPositionDlg::CARD_CHARS;
constexpr int CARD_CHAR_COUNT = sizeof(CSearchPositionDlg::CARD_CHARS) - 1;
const char* const INDEX_CHARS = CSearchPositionDlg::INDEX_CHARS;
constexpr int INDEX_CHAR_COUNT = sizeof(CSearchPositionDlg::INDEX_CHARS) - 1;
constexpr char EMPTY_FIELD = CSearchPositionDlg::EMPTY_FIELD;
constexpr char PILE_SEPARATOR = CSearchPositionDlg::PILE_SEPARATOR;
constexpr char WILDS_MARK = CSearchPositionDlg::WILDS_MARK;
constexpr char MOVE_FROM_HAND_CODE = 'h';
constexpr char MOVE_FROM_DISCARD_CODE = 'd';
constexpr char MOVE_FROM_PAYOFF_CODE = 'p';
constexpr char UNKNOWN_CODE = '?';
// The card under the pay-off top plays no part in a search; any will do.
constexpr int PAYOFF_FILLER_RANK = RANK_KING;
// The suit given to every card laid out from text.
constexpr int LAID_OUT_SUIT = SUIT_CLUBS;
// The start size's client area lies below the menu bar.
constexpr int MENU_BAR_HEIGHT = 20;

// The character of nIndex in the table szChars of nCount characters; '?' outside it.
char IndexedChar(const char* szChars, int nCount, int nIndex)
{
    return nIndex >= 0 && nIndex < nCount ? szChars[nIndex] : UNKNOWN_CODE;
}

char OrderChar(int nOrder)
{
    return IndexedChar(CARD_CHARS, CARD_CHAR_COUNT, nOrder);
}

char CardChar(const CCard& card)
{
    return OrderChar(card.GetOrder());
}

char IndexChar(int nIndex)
{
    return IndexedChar(INDEX_CHARS, INDEX_CHAR_COUNT, nIndex);
}

// The card of a corpus character; false for any other character.
bool ReadCard(char ch, CCard& card)
{
    for (int nOrder = 0; nOrder < CARD_CHAR_COUNT; nOrder++) {
        if (CARD_CHARS[nOrder] == ch) {
            card = CCard(nOrder, LAID_OUT_SUIT, nOrder, 0);
            return true;
        }
    }
    return false;
}

void WriteCards(std::string& str, const CCardPile& pile)
{
    if (pile.GetCount() == 0)
        str += EMPTY_FIELD;
    for (const CCard& card : pile.m_cards)
        str += CardChar(card);
}

// The centre piles are runs from the ace up, so each is its count and where its wild cards
// lie: the count as one card character each ("-" for none), then, for each pile holding
// wild cards, its index followed by theirs.
void WriteCentre(std::string& str, const CPileGroup& centre, int nPiles)
{
    std::string strWilds;
    for (int c = 0; c < nPiles; c++) {
        const CCardPile& pile = *centre.GetAt(c);
        str += pile.GetCount() == 0 ? EMPTY_FIELD : OrderChar(pile.GetCount());
        std::string strPile;
        for (int i = 0; i < pile.GetCount(); i++) {
            const int nOrder = pile.m_cards[i].GetOrder();
            if (nOrder == 0)
                strPile += IndexChar(i);
            else if (nOrder != i + 1)
                strPile += UNKNOWN_CODE;
        }
        if (!strPile.empty()) {
            strWilds += strWilds.empty() ? WILDS_MARK : PILE_SEPARATOR;
            strWilds += IndexChar(c);
            strWilds += strPile;
        }
    }
    str += strWilds;
}

bool ReadCards(const std::string& str, CCardPile& pile)
{
    pile.Clear();
    if (str.size() == 1 && str[0] == EMPTY_FIELD)
        return true;
    for (char ch : str) {
        CCard card;
        if (!ReadCard(ch, card))
            return false;
        pile.AddCard(card);
    }
    return !str.empty();
}

int IndexOfChar(const char* szChars, int nCount, char ch)
{
    for (int i = 0; i < nCount; i++) {
        if (szChars[i] == ch)
            return i;
    }
    return -1;
}

bool ReadCentre(const std::string& str, CPileGroup& centre, int& nPiles)
{
    const size_t nMark = str.find(WILDS_MARK);
    const std::string strTops = str.substr(0, nMark);
    nPiles = static_cast<int>(strTops.size());
    if (nPiles == 0 || nPiles > centre.GetCount())
        return false;
    for (int c = 0; c < nPiles; c++) {
        CCardPile& pile = *centre.GetAt(c);
        pile.Clear();
        const int nCount = strTops[c] == EMPTY_FIELD ? 0 : IndexOfChar(CARD_CHARS, CARD_CHAR_COUNT, strTops[c]);
        if (nCount < 0)
            return false;
        for (int nRank = RANK_ACE; nRank <= nCount; nRank++)
            pile.AddCard(CCard(nRank, LAID_OUT_SUIT, nRank, 0));
    }
    if (nMark == std::string::npos)
        return true;
    std::istringstream is(str.substr(nMark + 1));
    std::string strPile;
    while (std::getline(is, strPile, PILE_SEPARATOR)) {
        const int c = strPile.empty() ? -1 : IndexOfChar(INDEX_CHARS, nPiles, strPile[0]);
        if (c < 0 || strPile.size() < 2)
            return false;
        CCardPile& pile = *centre.GetAt(c);
        for (size_t i = 1; i < strPile.size(); i++) {
            const int nIndex = IndexOfChar(INDEX_CHARS, pile.GetCount(), strPile[i]);
            if (nIndex < 0)
                return false;
            pile.m_cards[nIndex] = CCard(RANK_WILD, LAID_OUT_SUIT, 0, 0);
        }
    }
    return true;
}

std::vector<std::string> Split(const std::string& str, char chSeparator)
{
    std::vector<std::string> parts;
    std::string strPart;
    std::istringstream is(str);
    while (std::getline(is, strPart, chSeparator))
        parts.push_back(strPart);
    return parts;
}

} // namespace

CSearchPositionDlg::CSearchPositionDlg() : CVarrowDlg(nullptr, nullptr)
{
    Layout(GAME_CLIENT_CX, GAME_CLIENT_CY - MENU_BAR_HEIGHT);
    m_bHuman[0] = true;
    m_bHuman[1] = true;
}

std::string CSearchPositionDlg::WritePosition(int nPlayer)
{
    std::string str;
    WriteCentre(str, m_centre, m_nCentreVisible);
    str += ' ';
    for (int i = 0; i < Discards(nPlayer).GetCount(); i++) {
        if (i > 0)
            str += PILE_SEPARATOR;
        WriteCards(str, *Discards(nPlayer).GetAt(i));
    }
    str += ' ';
    WriteCards(str, Hand(nPlayer));
    str += ' ';
    const CCardPile& payoff = Payoff(nPlayer);
    str += payoff.GetCount() > 0 ? CardChar(payoff.Top()) : EMPTY_FIELD;
    str += std::to_string(payoff.GetCount());
    str += ' ';
    const CCardPile& opponent = Payoff(OtherPlayer(nPlayer));
    str += opponent.GetCount() > 0 ? CardChar(opponent.Top()) : EMPTY_FIELD;
    return str;
}

bool CSearchPositionDlg::ReadPosition(const std::string& strLine)
{
    std::istringstream is(strLine);
    std::string strCentre, strDiscards, strHand, strPayoff, strOpponent;
    if (!(is >> strCentre >> strDiscards >> strHand >> strPayoff >> strOpponent))
        return false;
    ClearTable();
    m_nPlayer = 1;

    if (!ReadCentre(strCentre, m_centre, m_nCentreVisible))
        return false;
    const std::vector<std::string> discards = Split(strDiscards, PILE_SEPARATOR);
    if (static_cast<int>(discards.size()) != DISCARD_PILES_PER_PLAYER)
        return false;
    for (int i = 0; i < DISCARD_PILES_PER_PLAYER; i++) {
        if (!ReadCards(discards[i], *m_discards2.GetAt(i)))
            return false;
    }
    if (!ReadCards(strHand, m_hand2))
        return false;

    CCard cardPayoff;
    if (strPayoff.size() < 2 || !ReadCard(strPayoff[0], cardPayoff))
        return false;
    const int nPayoffCount = std::atoi(strPayoff.c_str() + 1);
    if (nPayoffCount < 1 || nPayoffCount > PILE_MAX_CARDS)
        return false;
    for (int i = 1; i < nPayoffCount; i++)
        m_payoff2.AddCard(CCard(PAYOFF_FILLER_RANK, LAID_OUT_SUIT, PAYOFF_FILLER_RANK, 0));
    m_payoff2.AddCard(cardPayoff);
    return ReadCards(strOpponent, m_payoff1) && m_payoff1.GetCount() <= 1;
}

void CSearchPositionDlg::ResetBest()
{
    m_bestMoves = CMoveList();
    m_nBestScore = INITIAL_BEST_SCORE;
}

void CSearchPositionDlg::Search()
{
    CMoveList moves;
    ResetBest();
    SearchMoves(moves, m_hand2, m_payoff2, m_discards2);
}

CVarrowSearch::SPiles CSearchPositionDlg::GetPiles()
{
    return {&m_hand2, &m_payoff2, &m_discards2, &m_centre, m_nCentreVisible, m_payoff1.Top()};
}

char CSearchPositionDlg::SourceCode(int nPlayer, const CCardMove& move)
{
    if (move.GetKind() == MOVE_FROM_HAND)
        return IndexChar(move.GetSourceIndex());
    if (move.GetKind() == MOVE_FROM_PAYOFF)
        return EMPTY_FIELD;
    for (int i = 0; i < Discards(nPlayer).GetCount(); i++) {
        if (Discards(nPlayer).GetAt(i) == move.GetSourcePile())
            return IndexChar(i);
    }
    return UNKNOWN_CODE;
}

char CSearchPositionDlg::CentreCode(const CCardPile* pPile)
{
    for (int c = 0; c < CENTRE_PILE_COUNT; c++) {
        if (m_centre.GetAt(c) == pPile)
            return IndexChar(c);
    }
    return UNKNOWN_CODE;
}

std::string CSearchPositionDlg::WriteResult(int nPlayer)
{
    static const char KIND_CODES[] = {MOVE_FROM_HAND_CODE, MOVE_FROM_DISCARD_CODE,
                                      MOVE_FROM_PAYOFF_CODE};
    std::string str = std::to_string(m_nBestScore) + ' ';
    if (m_bestMoves.IsEmpty())
        str += EMPTY_FIELD;
    for (int i = 0; i < m_bestMoves.GetCount(); i++) {
        const CCardMove& move = m_bestMoves.GetAt(i);
        const int nKind = move.GetKind();
        str += nKind >= MOVE_FROM_HAND && nKind <= MOVE_FROM_PAYOFF ? KIND_CODES[nKind] : UNKNOWN_CODE;
        str += SourceCode(nPlayer, move);
        str += CentreCode(move.GetTargetPile());
    }
    return str;
}

bool CSearchPositionDlg::HasCentreMove(int nPlayer)
{
    std::vector<CCard> cards(Hand(nPlayer).m_cards);
    if (Payoff(nPlayer).GetCount() > 0)
        cards.push_back(Payoff(nPlayer).Top());
    for (const CCardPile* pDiscard : Discards(nPlayer).m_piles) {
        if (pDiscard->GetCount() > 0)
            cards.push_back(pDiscard->Top());
    }
    for (int c = 0; c < m_nCentreVisible; c++) {
        for (const CCard& card : cards) {
            if (m_centre.GetAt(c)->CanPlace(card))
                return true;
        }
    }
    return false;
}
