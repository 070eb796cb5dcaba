#include "bridge/table/FileDeal.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

// Honour points: the ace 4, each lower honour one less, down to the jack.
constexpr int ACE_POINTS = 4;

// A number longer than this is repeated in no message.
constexpr size_t MAX_SHOWN_DIGITS = 12;
// Beyond this a number is far outside every range of a file; reading stops growing it.
constexpr long long NUMBER_CEILING = 100LL * INT_MAX;

const char* const s_szRankNames[RANKS_PER_SUIT] = {
    "ace", "two", "three", "four", "five", "six", "seven",
    "eight", "nine", "ten", "jack", "queen", "king"};
const char* const s_szSuitNames[SUIT_COUNT] = {"clubs", "diamonds", "hearts", "spades"};

} // namespace

int CFileDeal::CardCount() const
{
    int nCount = 0;
    for (const CCardPile& hand : hands)
        nCount += hand.GetCount();
    return nCount;
}

int CFileDeal::LongestHand() const
{
    int nLongest = 0;
    for (const CCardPile& hand : hands)
        nLongest = std::max(nLongest, hand.GetCount());
    return nLongest;
}

bool CFileDeal::TricksFitHands() const
{
    const int nTaken = nTricks[0] + nTricks[1];
    return nTaken == 0 || nTaken + LongestHand() <= CARDS_PER_HAND;
}

bool CDealtCards::Deal(const CCard& card)
{
    const uint64_t nBit = uint64_t(1) << card.GetImageIndex();
    const bool bNew = (m_nDealt & nBit) == 0;
    m_nDealt |= nBit;
    return bNew;
}

CCard MakeDeckCard(int nRank, int nSuit)
{
    const int nOrder = nRank == RANK_ACE ? ORDER_ACE : nRank - 1;
    const int nPoints = nOrder - (ORDER_ACE - ACE_POINTS);
    return CCard(nRank, nSuit, nOrder, nPoints > 0 ? nPoints : 0);
}

bool IsDeckCard(int nRank, int nSuit)
{
    return nRank >= RANK_ACE && nRank <= RANK_KING && nSuit >= 0 && nSuit < SUIT_COUNT;
}

CString CardName(const CCard& card)
{
    if (!IsDeckCard(card.GetRank(), card.GetSuit()))
        return "a card of no deck";
    return CString("the ") + s_szRankNames[card.GetRank() - 1] + " of " +
           s_szSuitNames[card.GetSuit()];
}

bool ReadFileNumber(const std::string& strWord, int nMin, int nMax, const CString& strWhat,
                    int& nValue, CString& strProblem)
{
    const bool bNegative = !strWord.empty() && strWord[0] == '-';
    size_t nDigit = !strWord.empty() && (bNegative || strWord[0] == '+') ? 1 : 0;
    if (nDigit == strWord.size()) {
        strProblem = strWhat + " must be a number";
        return false;
    }
    long long nNumber = 0;
    for (; nDigit < strWord.size(); ++nDigit) {
        if (!std::isdigit(static_cast<unsigned char>(strWord[nDigit]))) {
            strProblem = strWhat + " must be a number";
            return false;
        }
        if (nNumber < NUMBER_CEILING)
            nNumber = nNumber * 10 + (strWord[nDigit] - '0');
    }
    if (bNegative)
        nNumber = -nNumber;
    if (nNumber < nMin || nNumber > nMax) {
        strProblem.Format(" must be %d to %d", nMin, nMax);
        strProblem = strWhat + strProblem;
        if (strWord.size() <= MAX_SHOWN_DIGITS)
            strProblem += ", not " + CString(strWord.c_str());
        return false;
    }
    nValue = static_cast<int>(nNumber);
    return true;
}
