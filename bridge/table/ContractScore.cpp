#include "bridge/table/ContractScore.h"

#include "bridge/bidding/Bid.h"

namespace {

// Points of a game, below the line.
constexpr int GAME_POINTS = 100;
// Level indexes of the slams.
constexpr int SMALL_SLAM_LEVEL = 5;
constexpr int GRAND_SLAM_LEVEL = 6;

// Trick values below the line by strain: the first trick over book, and each further one.
struct TrickValue {
    int nFirst;
    int nPer;
};
constexpr TrickValue TRICK_VALUES[STRAIN_COUNT] = {
    {20, 20}, // clubs
    {20, 20}, // diamonds
    {30, 30}, // hearts
    {30, 30}, // spades
    {40, 30}, // no trump
};

// Undoubled overtricks are worth one trick of their strain; doubled and redoubled ones a
// fixed value by vulnerability.
constexpr int DOUBLED_OVERTRICK = 100;
constexpr int DOUBLED_OVERTRICK_VULNERABLE = 200;
constexpr int INSULT_BONUS = 50;
constexpr int SMALL_SLAM_BONUS = 500;
constexpr int SMALL_SLAM_BONUS_VULNERABLE = 750;
constexpr int GRAND_SLAM_BONUS = 1000;
constexpr int GRAND_SLAM_BONUS_VULNERABLE = 1500;
// The rubber won two games to one, or two games to none.
constexpr int RUBBER_BONUS_THREE_GAMES = 500;
constexpr int RUBBER_BONUS_TWO_GAMES = 700;

// The penalty per undertrick: the first, the second and third, the fourth and later.
struct PenaltyRow {
    int nFirst;
    int nSecondThird;
    int nLater;
};
// Indexed [vulnerable][doubled or redoubled].
constexpr PenaltyRow PENALTIES[2][2] = {
    {{50, 50, 50}, {100, 200, 300}},
    {{100, 100, 100}, {200, 300, 300}},
};
// The undertricks after the first that the second-and-third rate covers.
constexpr int SECOND_THIRD_COUNT = 2;

int TrickStrain(int nTrumps)
{
    return nTrumps >= 0 && nTrumps < STRAIN_COUNT ? nTrumps : STRAIN_NOTRUMP;
}

} // namespace

CContractScore::CContractScore(int nLevel, int nTrumps, bool bVulnerable, bool bOppVulnerable,
                               int nBelowBefore, int nMultiplier, int nTricks, int nDeclarer)
    : m_nLevel(nLevel), m_nTrumps(nTrumps), m_nMultiplier(nMultiplier), m_nTricks(nTricks),
      m_nBelowBefore(nBelowBefore), m_bVulnerable(bVulnerable), m_bOppVulnerable(bOppVulnerable),
      m_nDeclarer(nDeclarer)
{
}

bool CContractScore::IsMade() const
{
    return m_nTricks >= m_nLevel + BOOK_TRICKS;
}

int CContractScore::ContractPoints() const
{
    if (!IsMade())
        return 0;
    const TrickValue& value = TRICK_VALUES[TrickStrain(m_nTrumps)];
    return m_nMultiplier * (value.nFirst + m_nLevel * value.nPer);
}

bool CContractScore::IsGame() const
{
    // The part score comes from the settings and may hold anything: the sum must not overflow.
    return IsMade() &&
           static_cast<long long>(ContractPoints()) + m_nBelowBefore >= GAME_POINTS;
}

int CContractScore::OvertrickCount() const
{
    return IsMade() ? m_nTricks - m_nLevel - BOOK_TRICKS : 0;
}

int CContractScore::OvertrickPoints() const
{
    if (!IsMade())
        return 0;
    int nValue = TRICK_VALUES[TrickStrain(m_nTrumps)].nPer;
    if (m_nMultiplier == REDOUBLED || m_nMultiplier == DOUBLED) {
        nValue = m_bVulnerable ? DOUBLED_OVERTRICK_VULNERABLE : DOUBLED_OVERTRICK;
        if (m_nMultiplier == REDOUBLED)
            nValue *= 2;
    }
    return OvertrickCount() * nValue;
}

int CContractScore::InsultBonus() const
{
    return IsMade() && m_nMultiplier > UNDOUBLED ? INSULT_BONUS : 0;
}

int CContractScore::SlamBonus() const
{
    if (!IsMade())
        return 0;
    if (m_nLevel == SMALL_SLAM_LEVEL)
        return m_bVulnerable ? SMALL_SLAM_BONUS_VULNERABLE : SMALL_SLAM_BONUS;
    if (m_nLevel == GRAND_SLAM_LEVEL)
        return m_bVulnerable ? GRAND_SLAM_BONUS_VULNERABLE : GRAND_SLAM_BONUS;
    return 0;
}

int CContractScore::RubberBonus() const
{
    if (!IsGame() || !m_bVulnerable)
        return 0;
    return m_bOppVulnerable ? RUBBER_BONUS_THREE_GAMES : RUBBER_BONUS_TWO_GAMES;
}

int CContractScore::HonourPoints() const
{
    return 0;
}

int CContractScore::UndertrickCount() const
{
    return IsMade() ? 0 : m_nLevel + BOOK_TRICKS - m_nTricks;
}

int CContractScore::UndertrickPoints() const
{
    const int nDown = UndertrickCount();
    if (nDown <= 0)
        return 0;
    const PenaltyRow& row = PENALTIES[m_bVulnerable ? 1 : 0][m_nMultiplier > UNDOUBLED ? 1 : 0];
    const int nSecondThird = nDown - 1 < SECOND_THIRD_COUNT ? nDown - 1 : SECOND_THIRD_COUNT;
    const int nLater = nDown - 1 - nSecondThird;
    const int nPenalty = row.nFirst + nSecondThird * row.nSecondThird + nLater * row.nLater;
    return m_nMultiplier == REDOUBLED ? 2 * nPenalty : nPenalty;
}

int CContractScore::AboveLinePoints() const
{
    if (!IsMade())
        return UndertrickPoints();
    return HonourPoints() + OvertrickPoints() + InsultBonus() + SlamBonus() + RubberBonus();
}
