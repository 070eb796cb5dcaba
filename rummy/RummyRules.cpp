#include "rummy/RummyRules.h"

#include <algorithm>

#include "cardtable/CardPile.h"
#include "platform/base.h"

int CRummyRules::RankIndex(const CCard& card)
{
    ASSERT(card.GetOrder() >= RANK_ACE && card.GetOrder() <= RANK_KING);
    return (card.GetOrder() - 1) % RANKS_PER_SUIT;
}

RankCounts CRummyRules::CountRanks(const CCardPile& hand)
{
    RankCounts counts{};
    for (const CCard& card : hand.m_cards)
        counts[RankIndex(card)]++;
    return counts;
}

int CRummyRules::Deadwood(const CCardPile& hand)
{
    const RankCounts counts = CountRanks(hand);
    int nSum = 0;
    int nHighest = 0;
    for (const CCard& card : hand.m_cards) {
        if (counts[RankIndex(card)] >= SET_SIZE)
            continue;
        nSum += card.GetPoints();
        nHighest = std::max(nHighest, card.GetPoints());
    }
    return nSum - nHighest;
}

RummyOutcome CRummyRules::Judge(int nDeadwood)
{
    if (nDeadwood == 0)
        return RummyOutcome::Gin;
    return nDeadwood < RUMMY_DEADWOOD_LIMIT ? RummyOutcome::Rummy : RummyOutcome::None;
}

bool CRummyRules::TakesDiscard(const CCardPile& hand, const CCard& cardTop)
{
    // An empty discard pile offers nothing to take.
    if (cardTop.GetOrder() == 0)
        return false;
    return CountRanks(hand)[RankIndex(cardTop)] >= SET_SIZE - 1;
}

int CRummyRules::ChooseDiscard(const CCardPile& hand)
{
    ASSERT(hand.GetCount() > 0);
    const RankCounts counts = CountRanks(hand);
    int nChosen = -1;
    for (int nRank = RANKS_PER_SUIT - 1; nRank >= 0; nRank--) {
        if (counts[nRank] > 0 && (nChosen < 0 || counts[nRank] < counts[nChosen]))
            nChosen = nRank;
    }
    for (int i = 0; i < hand.GetCount(); i++) {
        if (RankIndex(hand.m_cards[i]) == nChosen)
            return i;
    }
    return -1;
}
