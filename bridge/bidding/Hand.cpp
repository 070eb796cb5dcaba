#include "bridge/bidding/Hand.h"

#include <algorithm>
#include <iterator>

#include "platform/base/assert.h"

namespace {

constexpr int NO_CARD = 0;
constexpr int LOWEST_ORDER = 1;
constexpr int THREE_CARD_SUIT = 3;
constexpr int FOUR_CARD_SUIT = 4;
constexpr int FIVE_CARD_SUIT = 5;
constexpr int SIX_CARD_SUIT = 6;
constexpr int SEVEN_CARD_SUIT = 7;
constexpr int GOOD_SUIT_POINTS = 2;
constexpr int STOPPED_SUITS_NEEDED = 3;
constexpr int STRONG_SUIT_HONOURS = 3;
constexpr int TWO_OPENER_TRICKS = 8;
constexpr double TWO_OPENER_MAX_QUICK_TRICKS = 5.0;
constexpr double TWO_OPENER_MIN_QUICK_TRICKS = 3.5;
constexpr int TWO_OPENER_SEQUENCE_LENGTH = 5;
constexpr int CUE_SUIT_LENGTH = 2;
// The playing-trick model lets the opponents hold at most (15 - n) / 3 cards of a suit of n.
constexpr int OPPONENT_LIMIT_BASE = 15;
constexpr int OPPONENT_LIMIT_DIVISOR = 3;
// Every third missing card is left out of the opponents' modelled holding.
constexpr int MISSING_CARD_SKIP = 3;

// Minimum length for the top card to stop a suit, by top card.
struct SStopperRule {
    int nTopOrder;
    int nMinLength;
};
constexpr SStopperRule s_stopperRules[] = {
    {CHand::ORDER_ACE, 1},
    {CHand::ORDER_KING, 2},
    {CHand::ORDER_QUEEN, 3},
    {CHand::ORDER_JACK, 4},
};

// Quick tricks of a suit: the first row whose honours are held (and whose length is met)
// gives the value.
struct SQuickTrickRule {
    int nFirstOrder;
    int nSecondOrder; // NO_CARD when one honour is enough
    int nMinLength;
    double dTricks;
};
constexpr SQuickTrickRule s_quickTrickRules[] = {
    {CHand::ORDER_ACE, CHand::ORDER_KING, 0, 2.0},
    {CHand::ORDER_ACE, CHand::ORDER_QUEEN, 0, 1.5},
    {CHand::ORDER_ACE, NO_CARD, 0, 1.0},
    {CHand::ORDER_KING, CHand::ORDER_QUEEN, 0, 1.0},
    {CHand::ORDER_KING, NO_CARD, 2, 0.5},
};

// Shortness points of a side suit by its length (void, singleton, doubleton).
constexpr int s_nShortnessPoints[] = {3, 2, 1};

} // namespace

CHand::CHand(const CCardPile* pHand)
{
    Evaluate(pHand);
}

CHand::~CHand() = default;

void CHand::FreeSuits()
{
    for (auto& pSuit : m_pSuits)
        pSuit.reset();
}

void CHand::SetCards(const CCardPile* pHand)
{
    FreeSuits();
    Evaluate(pHand);
}

void CHand::Evaluate(const CCardPile* pHand)
{
    m_nLongBiddable = 0;
    m_nFourBiddable = 0;
    m_nLongestLength = 0;
    m_nLongestSuit = 0;
    m_nAces = 0;
    m_nKings = 0;
    if (!pHand) {
        m_nPoints = 0;
        FreeSuits();
        return;
    }
    m_nPoints = pHand->TotalPoints();
    m_nAces = pHand->CountOrder(ORDER_ACE);
    m_nKings = pHand->CountOrder(ORDER_KING);
    for (int nSuit = SUIT_SPADES; nSuit >= SUIT_CLUBS; --nSuit) {
        m_pSuits[nSuit] = std::make_unique<CCardPile>(0, 0, 0);
        pHand->CopySuit(nSuit, *m_pSuits[nSuit]);
        m_pSuits[nSuit]->Sort();
        const int nLength = m_pSuits[nSuit]->GetCount();
        if (nLength > m_nLongestLength) {
            m_nLongestLength = nLength;
            m_nLongestSuit = nSuit;
        }
        if (IsBiddable(nSuit)) {
            if (nLength == FOUR_CARD_SUIT)
                ++m_nFourBiddable;
            else
                ++m_nLongBiddable;
        }
    }
}

const CCardPile& CHand::Suit(int nSuit) const
{
    ASSERT(nSuit >= SUIT_CLUBS && nSuit < SUIT_COUNT);
    // A hand given no cards reads as four voids rather than failing.
    static const CCardPile s_noCards;
    return m_pSuits[nSuit] ? *m_pSuits[nSuit] : s_noCards;
}

int CHand::OrderAt(int nSuit, int nIndex) const
{
    const CCardPile& suit = Suit(nSuit);
    return nIndex < suit.GetCount() ? suit.m_cards[nIndex].GetOrder() : NO_CARD;
}

bool CHand::Holds(int nSuit, int nOrder) const
{
    for (const CCard& card : Suit(nSuit).m_cards) {
        if (card.GetOrder() == nOrder)
            return true;
    }
    return false;
}

int CHand::GetSuitLength(int nSuit) const
{
    if (nSuit < SUIT_CLUBS || nSuit >= SUIT_COUNT || !m_pSuits[nSuit])
        return 0;
    return m_pSuits[nSuit]->GetCount();
}

int CHand::GetSuitPoints(int nSuit) const
{
    if (nSuit < SUIT_CLUBS || nSuit >= SUIT_COUNT)
        return m_nPoints;
    return m_pSuits[nSuit] ? m_pSuits[nSuit]->TotalPoints() : 0;
}

int CHand::CountCardsFrom(int nSuit, int nLowestOrder) const
{
    int nCount = 0;
    for (const CCard& card : Suit(nSuit).m_cards) {
        if (card.GetOrder() >= nLowestOrder)
            ++nCount;
    }
    return nCount;
}

bool CHand::IsBalanced() const
{
    int nFours = 0;
    int nThrees = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        const int nLength = GetSuitLength(nSuit);
        if (nLength == FOUR_CARD_SUIT)
            ++nFours;
        else if (nLength == THREE_CARD_SUIT)
            ++nThrees;
    }
    // 4-3-3-3 or 4-4-3-2.
    return (nFours == 1 && nThrees == 3) || (nFours == 2 && nThrees == 1);
}

bool CHand::HasStopper(int nSuit) const
{
    const int nLength = GetSuitLength(nSuit);
    if (nLength == 0)
        return false;
    const int nTop = OrderAt(nSuit, 0);
    for (const SStopperRule& rule : s_stopperRules) {
        if (rule.nTopOrder == nTop)
            return nLength >= rule.nMinLength;
    }
    return false;
}

bool CHand::IsBalancedWithStoppers() const
{
    if (!IsBalanced())
        return false;
    int nStopped = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (HasStopper(nSuit))
            ++nStopped;
    }
    return nStopped >= STOPPED_SUITS_NEEDED;
}

bool CHand::HasFirstRoundControl(int nSuit) const
{
    return GetSuitLength(nSuit) == 0 || OrderAt(nSuit, 0) == ORDER_ACE;
}

int CHand::CountFirstRoundControls() const
{
    int nCount = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (HasFirstRoundControl(nSuit))
            ++nCount;
    }
    return nCount;
}

bool CHand::HasSecondRoundControl(int nSuit) const
{
    return GetSuitLength(nSuit) <= 1 || OrderAt(nSuit, 0) == ORDER_KING
        || OrderAt(nSuit, 1) == ORDER_KING;
}

bool CHand::ControlsAllSuits() const
{
    return CountFirstRoundControls() == SUIT_COUNT;
}

bool CHand::HasSideFirstRoundControl(int nTrump) const
{
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (nSuit != nTrump && HasFirstRoundControl(nSuit))
            return true;
    }
    return false;
}

bool CHand::HasVoid() const
{
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (GetSuitLength(nSuit) == 0)
            return true;
    }
    return false;
}

double CHand::QuickTricks() const
{
    double dTotal = 0.0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        for (const SQuickTrickRule& rule : s_quickTrickRules) {
            if (Holds(nSuit, rule.nFirstOrder)
                && (rule.nSecondOrder == NO_CARD || Holds(nSuit, rule.nSecondOrder))
                && GetSuitLength(nSuit) >= rule.nMinLength) {
                dTotal += rule.dTricks;
                break;
            }
        }
    }
    return dTotal;
}

int CHand::PlayingTricks() const
{
    int nTricks = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit)
        nTricks += SuitPlayingTricks(nSuit);
    return nTricks;
}

// Models the opponents' holding from the missing cards (the 1st, 2nd, 4th, 5th, ... from the
// top, at most (15 - n) / 3 of them) and plays the suit out from the top: an own card above
// their best wins and they discard their lowest; otherwise their best wins.
int CHand::SuitPlayingTricks(int nSuit) const
{
    const CCardPile& suit = Suit(nSuit);
    const int nLength = suit.GetCount();
    const int nLimit = (OPPONENT_LIMIT_BASE - nLength) / OPPONENT_LIMIT_DIVISOR;

    // Orders come from hand files too; one outside the bridge deck's range is never held
    // in the model rather than written outside the table.
    bool bHeld[ORDER_ACE + 1] = {};
    for (const CCard& card : suit.m_cards) {
        if (card.GetOrder() >= LOWEST_ORDER && card.GetOrder() <= ORDER_ACE)
            bHeld[card.GetOrder()] = true;
    }

    int nOpponents[ORDER_ACE];
    int nOpponentCount = 0;
    int nMissing = 0;
    for (int nOrder = ORDER_ACE; nOrder >= LOWEST_ORDER && nOpponentCount < nLimit; --nOrder) {
        if (bHeld[nOrder])
            continue;
        ++nMissing;
        if (nMissing % MISSING_CARD_SKIP != 0)
            nOpponents[nOpponentCount++] = nOrder;
    }

    // The opponents' cards still held are nOpponents[nHighest .. nOpponentCount - 1].
    int nHighest = 0;
    int nTricks = 0;
    for (const CCard& card : suit.m_cards) {
        if (nHighest == nOpponentCount) {
            ++nTricks;
        } else if (card.GetOrder() > nOpponents[nHighest]) {
            ++nTricks;
            --nOpponentCount;
        } else {
            ++nHighest;
        }
    }
    return nTricks;
}

bool CHand::IsGoodSuit(int nSuit) const
{
    return GetSuitLength(nSuit) >= THREE_CARD_SUIT && GetSuitPoints(nSuit) > GOOD_SUIT_POINTS;
}

bool CHand::HasGoodMinor() const
{
    return IsGoodSuit(SUIT_CLUBS) || IsGoodSuit(SUIT_DIAMONDS);
}

bool CHand::IsBiddable(int nSuit) const
{
    const int nLength = GetSuitLength(nSuit);
    if (nLength >= FIVE_CARD_SUIT)
        return true;
    return nLength == FOUR_CARD_SUIT && OrderAt(nSuit, 0) > ORDER_JACK;
}

bool CHand::IsLongSuit(int nSuit, int nExtra) const
{
    const int nMinLength = nExtra >= 1 ? nExtra + FOUR_CARD_SUIT : FIVE_CARD_SUIT;
    return GetSuitLength(nSuit) >= nMinLength && OrderAt(nSuit, 0) >= ORDER_JACK;
}

bool CHand::IsSupportSuit(int nSuit) const
{
    const int nLength = GetSuitLength(nSuit);
    if (nLength >= FOUR_CARD_SUIT)
        return true;
    return nLength == THREE_CARD_SUIT && CountCardsFrom(nSuit, ORDER_JACK) >= 1;
}

bool CHand::IsStrongLongSuit(int nSuit) const
{
    return GetSuitLength(nSuit) >= SIX_CARD_SUIT
        && CountCardsFrom(nSuit, ORDER_JACK) >= STRONG_SUIT_HONOURS;
}

bool CHand::IsSolidSuit(int nSuit) const
{
    if (nSuit < SUIT_CLUBS)
        return false;
    const int nLength = GetSuitLength(nSuit);
    if (nLength == SIX_CARD_SUIT)
        return HasTopSequence(nSuit, SIX_CARD_SUIT, ORDER_JACK);
    return nLength >= SEVEN_CARD_SUIT && HasTopSequence(nSuit, SEVEN_CARD_SUIT, ORDER_QUEEN);
}

bool CHand::HasTopSequence(int nSuit, int nMinLength, int nLowestOrder) const
{
    if (GetSuitLength(nSuit) < nMinLength)
        return false;
    for (int nOrder = ORDER_ACE; nOrder >= nLowestOrder; --nOrder) {
        if (!Holds(nSuit, nOrder))
            return false;
    }
    return true;
}

int CHand::GetBestBiddableSuit() const
{
    int nBest = -1;
    int nBestLength = 0;
    for (int nSuit = SUIT_SPADES; nSuit >= SUIT_CLUBS; --nSuit) {
        if (IsBiddable(nSuit) && GetSuitLength(nSuit) > nBestLength) {
            nBest = nSuit;
            nBestLength = GetSuitLength(nSuit);
        }
    }
    return nBest;
}

bool CHand::HasRebid() const
{
    bool bMarked[SUIT_COUNT];
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        bMarked[nSuit] = IsLongSuit(nSuit, 0);
        if (bMarked[nSuit] && GetSuitLength(nSuit) >= SIX_CARD_SUIT)
            return true;
    }
    // Two five-card suits give a rebid only when they are not clubs with hearts or
    // diamonds with spades.
    return (bMarked[SUIT_CLUBS] || bMarked[SUIT_HEARTS])
        && (bMarked[SUIT_DIAMONDS] || bMarked[SUIT_SPADES]);
}

int CHand::ChooseMinor() const
{
    const bool bGoodClubs = IsGoodSuit(SUIT_CLUBS);
    const bool bGoodDiamonds = IsGoodSuit(SUIT_DIAMONDS);
    if (bGoodClubs != bGoodDiamonds)
        return bGoodClubs ? SUIT_CLUBS : SUIT_DIAMONDS;
    const int nClubs = GetSuitLength(SUIT_CLUBS);
    const int nDiamonds = GetSuitLength(SUIT_DIAMONDS);
    if (nClubs != nDiamonds)
        return nClubs > nDiamonds ? SUIT_CLUBS : SUIT_DIAMONDS;
    return GetSuitPoints(SUIT_DIAMONDS) > GetSuitPoints(SUIT_CLUBS) ? SUIT_DIAMONDS : SUIT_CLUBS;
}

int CHand::DistributionPoints(int) const
{
    int nPoints = m_nPoints;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        const int nLength = GetSuitLength(nSuit);
        if (nLength > FOUR_CARD_SUIT)
            nPoints += nLength - FOUR_CARD_SUIT;
    }
    return nPoints;
}

int CHand::SupportPoints(int nTrump) const
{
    const int nTrumps = GetSuitLength(nTrump);
    int nPoints = m_nPoints;
    if (nTrumps > FOUR_CARD_SUIT)
        nPoints += nTrumps - FOUR_CARD_SUIT;
    int nShortness = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        const int nLength = GetSuitLength(nSuit);
        if (nSuit != nTrump && nLength < static_cast<int>(std::size(s_nShortnessPoints)))
            nShortness += s_nShortnessPoints[nLength];
    }
    return nPoints + std::min(nShortness, nTrumps);
}

bool CHand::IsTwoOpener(int nPointsThreshold) const
{
    if (PlayingTricks() < TWO_OPENER_TRICKS)
        return false;
    if (HasTopSequence(SUIT_SPADES, TWO_OPENER_SEQUENCE_LENGTH, ORDER_QUEEN)
        || HasTopSequence(SUIT_HEARTS, TWO_OPENER_SEQUENCE_LENGTH, ORDER_QUEEN))
        return true;
    int nLongSuits = 0;
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT; ++nSuit) {
        if (GetSuitLength(nSuit) >= FIVE_CARD_SUIT)
            ++nLongSuits;
    }
    if (nLongSuits == 2)
        return true;
    const double dQuickTricks = QuickTricks();
    if (dQuickTricks >= TWO_OPENER_MAX_QUICK_TRICKS || dQuickTricks < TWO_OPENER_MIN_QUICK_TRICKS)
        return false;
    return DistributionPoints(0) >= nPointsThreshold;
}

bool CHand::CanCueBid(int nTrump) const
{
    bool bShape = HasVoid();
    for (int nSuit = SUIT_CLUBS; nSuit < SUIT_COUNT && !bShape; ++nSuit) {
        bShape = nSuit != nTrump && GetSuitLength(nSuit) >= CUE_SUIT_LENGTH
            && CountCardsFrom(nSuit, ORDER_KING) == 0;
    }
    return bShape && HasSideFirstRoundControl(nTrump);
}
