#include "cardtable/Card.h"

#include <istream>
#include <ostream>

#include "resources/CardImages.h"

namespace {

// Display keys swap clubs and diamonds so that a sorted hand alternates black and red.
constexpr int DISPLAY_KEY_CLUBS = 1;
constexpr int DISPLAY_KEY_DIAMONDS = 0;

struct SRankText {
    const char* szText;
    int nRank;
    int nOrder;
    int nPoints;
};

// The bridge deck: two has order 1 up to ace 13; honours carry the high-card points.
const SRankText s_bridgeRanks[] = {
    {"A", RANK_ACE, 13, 4},   {"K", RANK_KING, 12, 3}, {"Q", RANK_QUEEN, 11, 2},
    {"J", RANK_JACK, 10, 1},  {"10", 10, 9, 0},        {"9", 9, 8, 0},
    {"8", 8, 7, 0},           {"7", 7, 6, 0},          {"6", 6, 5, 0},
    {"5", 5, 4, 0},           {"4", 4, 3, 0},          {"3", 3, 2, 0},
    {"2", 2, 1, 0},
};

} // namespace

int CCard::GetImageIndex() const
{
    if (m_nRank != RANK_WILD)
        return m_nSuit * RANKS_PER_SUIT + m_nRank - 1;
    return m_nSuit == 0 ? IMG_JOKER1 : IMG_JOKER2;
}

int CCard::SuitDisplayOrder() const
{
    if (m_nSuit == SUIT_CLUBS)
        return DISPLAY_KEY_CLUBS;
    if (m_nSuit == SUIT_DIAMONDS)
        return DISPLAY_KEY_DIAMONDS;
    return m_nSuit;
}

void CCard::WriteNumbers(std::ostream& os) const
{
    os << m_nRank << ' ' << m_nSuit << ' ' << m_nOrder << ' ' << m_nPoints;
}

void CCard::ReadNumbers(std::istream& is)
{
    // A failed extraction stores 0 and the ones after it do not run, so locals that start
    // at 0 give exactly "every field not read is 0".
    int nRank = 0;
    int nSuit = 0;
    int nOrder = 0;
    int nPoints = 0;
    is >> nRank >> nSuit >> nOrder >> nPoints;
    *this = CCard(nRank, nSuit, nOrder, nPoints);
}

void CCard::WriteRank(std::ostream& os) const
{
    switch (m_nRank) {
    case RANK_ACE: os << 'A'; break;
    case RANK_JACK: os << 'J'; break;
    case RANK_QUEEN: os << 'Q'; break;
    case RANK_KING: os << 'K'; break;
    default: os << m_nRank; break;
    }
}

int CompareCards(const void* pA, const void* pB)
{
    const CCard& a = *static_cast<const CCard*>(pA);
    const CCard& b = *static_cast<const CCard*>(pB);
    if (a.SuitDisplayOrder() < b.SuitDisplayOrder())
        return -1;
    if (a.SuitDisplayOrder() > b.SuitDisplayOrder())
        return 1;
    if (a.GetOrder() < b.GetOrder())
        return -1;
    return a.GetOrder() != b.GetOrder() ? 1 : 0;
}

CCard ParseRank(const CString& strRank, int nSuit)
{
    for (const SRankText& entry : s_bridgeRanks) {
        // Byte for byte: a text a NUL byte cuts short is no rank.
        if (strRank.str() == entry.szText)
            return CCard(entry.nRank, nSuit, entry.nOrder, entry.nPoints);
    }
    return CCard(RANK_WILD, nSuit, 0, 0);
}
