#include "tests/varrow/search/RandomPositions.h"

#include <sstream>
#include <vector>

#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

const char* const CARD_CHARS = CSearchPositionDlg::CARD_CHARS;
const char* const INDEX_CHARS = CSearchPositionDlg::INDEX_CHARS;
constexpr int KING = RANK_KING;
constexpr char WILD_CHAR = CSearchPositionDlg::CARD_CHARS[0];
constexpr char EMPTY_CHAR = CSearchPositionDlg::EMPTY_FIELD;
constexpr char SEPARATOR = CSearchPositionDlg::PILE_SEPARATOR;
constexpr char WILDS_MARK = CSearchPositionDlg::WILDS_MARK;
constexpr int WILD_CARDS = 4;
// Two decks: the stock's and the pay-off piles'.
constexpr int COPIES_PER_VALUE = 8;
constexpr int HAND_SIZE = 5;
constexpr int DISCARD_PILES = 4;
constexpr int PAYOFF_SIZE = 26;
// Piles in play: most often the start size's eight or the widest table's twelve.
constexpr int CENTRE_CHOICES[] = {8, 8, 8, 12, 12, 4, 5, 6, 7, 9, 10, 11};
constexpr int CENTRE_CHOICE_COUNT = sizeof(CENTRE_CHOICES) / sizeof(CENTRE_CHOICES[0]);
// Percentages that shape the piles.
constexpr int WILD_PERCENT = 6;
constexpr int EMPTY_CENTRE_PERCENT = 25;
constexpr int SAME_VALUE_PERCENT = 20;
constexpr int LONG_DISCARD_PERCENT = 15;
constexpr int SHORT_DISCARD_MAX = 6;
constexpr int LONG_DISCARD_MAX = 16;
constexpr int FULL_HAND_PERCENT = 70;
constexpr int EMPTY_OPPONENT_PERCENT = 5;
constexpr int ATTEMPTS = 100;

std::vector<std::string> SplitFields(const std::string& strPosition)
{
    std::istringstream is(strPosition);
    std::vector<std::string> fields;
    std::string strField;
    while (is >> strField)
        fields.push_back(strField);
    return fields;
}

int ValueOf(char ch)
{
    for (int n = 0; n <= KING; n++) {
        if (CARD_CHARS[n] == ch)
            return n;
    }
    return -1;
}

} // namespace

CRandomPositions::CRandomPositions(uint64_t nSeed) : m_random(nSeed)
{
}

int CRandomPositions::Below(int nCount)
{
    // The engine's sequence is fixed by the standard, so a seed gives the same positions
    // everywhere; the distributions' are not.
    return static_cast<int>(m_random() % static_cast<uint64_t>(nCount));
}

char CRandomPositions::RandomCard(bool bWildAllowed)
{
    if (bWildAllowed && Chance(WILD_PERCENT))
        return WILD_CHAR;
    return CARD_CHARS[1 + Below(KING)];
}

std::string CRandomPositions::Centre()
{
    const int nPiles = CENTRE_CHOICES[Below(CENTRE_CHOICE_COUNT)];
    std::string strTops;
    std::string strWilds;
    for (int c = 0; c < nPiles; c++) {
        const int nCount = Chance(EMPTY_CENTRE_PERCENT) ? 0 : 1 + Below(KING);
        strTops += nCount == 0 ? EMPTY_CHAR : CARD_CHARS[nCount];
        std::string strPile;
        for (int i = 0; i < nCount; i++) {
            if (Chance(WILD_PERCENT))
                strPile += INDEX_CHARS[i];
        }
        if (!strPile.empty()) {
            strWilds += strWilds.empty() ? WILDS_MARK : SEPARATOR;
            strWilds += INDEX_CHARS[c] + strPile;
        }
    }
    return strTops + strWilds;
}

std::string CRandomPositions::DiscardPile()
{
    const int nLength = Below(1 + (Chance(LONG_DISCARD_PERCENT) ? LONG_DISCARD_MAX : SHORT_DISCARD_MAX));
    if (nLength == 0)
        return std::string(1, EMPTY_CHAR);
    // Each card goes on the one before it: a wild card, the same value, or one lower (a king
    // on an ace); a wild card stands for the value below it.
    std::string strPile(1, RandomCard(true));
    int nValue = ValueOf(strPile[0]) == 0 ? 1 + Below(KING) : ValueOf(strPile[0]);
    while (static_cast<int>(strPile.size()) < nLength) {
        if (Chance(WILD_PERCENT)) {
            strPile += WILD_CHAR;
        } else {
            if (!Chance(SAME_VALUE_PERCENT))
                nValue = nValue == 1 ? KING : nValue - 1;
            strPile += CARD_CHARS[nValue];
        }
    }
    return strPile;
}

std::string CRandomPositions::Discards()
{
    std::string str;
    for (int i = 0; i < DISCARD_PILES; i++)
        str += (i > 0 ? std::string(1, SEPARATOR) : std::string()) + DiscardPile();
    return str;
}

std::string CRandomPositions::Hand()
{
    const int nCount = Chance(FULL_HAND_PERCENT) ? HAND_SIZE : Below(HAND_SIZE + 1);
    std::string str;
    for (int i = 0; i < nCount; i++)
        str += RandomCard(true);
    return str.empty() ? std::string(1, EMPTY_CHAR) : str;
}

std::string CRandomPositions::Field(EField nField)
{
    switch (nField) {
    case FIELD_CENTRE:
        return Centre();
    case FIELD_DISCARDS:
        return Discards();
    case FIELD_HAND:
        return Hand();
    case FIELD_PAYOFF:
        return CARD_CHARS[1 + Below(KING)] + std::to_string(1 + Below(PAYOFF_SIZE));
    default:
        return Chance(EMPTY_OPPONENT_PERCENT) ? std::string(1, EMPTY_CHAR)
                                              : std::string(1, CARD_CHARS[1 + Below(KING)]);
    }
}

std::string CRandomPositions::Next()
{
    for (int nAttempt = 0;; nAttempt++) {
        std::string str;
        for (int f = 0; f < FIELD_COUNT; f++)
            str += (f > 0 ? " " : "") + Field(static_cast<EField>(f));
        if (IsReachable(str) || nAttempt == ATTEMPTS)
            return str;
    }
}

std::string CRandomPositions::Mutate(const std::string& strPosition)
{
    std::vector<std::string> fields = SplitFields(strPosition);
    if (static_cast<int>(fields.size()) < FIELD_COUNT)
        return Next();
    for (int nAttempt = 0; nAttempt < ATTEMPTS; nAttempt++) {
        std::vector<std::string> changed = fields;
        const EField nField = static_cast<EField>(Below(FIELD_COUNT));
        if (nField == FIELD_DISCARDS) {
            std::vector<std::string> piles;
            std::istringstream is(changed[FIELD_DISCARDS]);
            std::string strPile;
            while (std::getline(is, strPile, SEPARATOR))
                piles.push_back(strPile);
            piles[Below(static_cast<int>(piles.size()))] = DiscardPile();
            changed[FIELD_DISCARDS].clear();
            for (size_t i = 0; i < piles.size(); i++)
                changed[FIELD_DISCARDS] += (i > 0 ? std::string(1, SEPARATOR) : std::string()) + piles[i];
        } else {
            changed[nField] = Field(nField);
        }
        std::string str;
        for (int f = 0; f < FIELD_COUNT; f++)
            str += (f > 0 ? " " : "") + changed[f];
        if (IsReachable(str))
            return str;
    }
    return strPosition;
}

bool CRandomPositions::IsReachable(const std::string& strPosition)
{
    const std::vector<std::string> fields = SplitFields(strPosition);
    int nCopies[KING + 1] = {};
    // The centre piles hold every value up to their count but for the wild cards in them.
    const std::string& strCentre = fields[FIELD_CENTRE];
    const size_t nMark = strCentre.find(WILDS_MARK);
    for (char ch : strCentre.substr(0, nMark)) {
        for (int n = 1; n <= ValueOf(ch); n++)
            nCopies[n]++;
    }
    if (nMark != std::string::npos) {
        std::istringstream is(strCentre.substr(nMark + 1));
        std::string strPile;
        while (std::getline(is, strPile, SEPARATOR)) {
            for (size_t i = 1; i < strPile.size(); i++) {
                const int nValue = static_cast<int>(std::string(INDEX_CHARS).find(strPile[i])) + 1;
                nCopies[nValue]--;
                nCopies[0]++;
            }
        }
    }
    for (int f = FIELD_DISCARDS; f < FIELD_COUNT; f++) {
        // The pay-off field is a card and a count; only its first character is a card.
        const std::string strCards = f == FIELD_PAYOFF ? fields[f].substr(0, 1) : fields[f];
        for (char ch : strCards) {
            if (ValueOf(ch) >= 0)
                nCopies[ValueOf(ch)]++;
        }
    }
    bool bReachable = nCopies[0] <= WILD_CARDS;
    for (int n = 1; n <= KING; n++)
        bReachable = bReachable && nCopies[n] <= COPIES_PER_VALUE;
    return bReachable;
}
