#include "bridge/play/WhistHand.h"

#include <algorithm>

#include "platform/base/runtime.h"

CWhistHand::CWhistHand(const CCardPile& hand)
    : winners{}
    , finessePercent{}
    , finesseMin1{}
    , finesseMin2{}
    , finesseRow{}
    , lenSuit{}
    , longHand{}
    , firstWinnerAt{}
    , topCards{}
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        CCardPile* pSuit = DEBUG_NEW CCardPile(0, 0, 0);
        hand.CopySuit(nSuit, *pSuit);
        pSuit->Sort();
        lenSuit[nSuit] = pSuit->GetCount();
        m_suits.Add(pSuit);
    }
}

CWhistHand::~CWhistHand()
{
    m_suits.DeleteAll();
}

void CWhistHand::CountWinners(const CWhistHand& other, int nTrumps)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        winners[nSuit] = std::min(CountCoveredCards(other, nSuit), topCards[nSuit]);
        const bool bRuffable = nTrumps != NO_TRUMPS && nSuit != nTrumps && lenSuit[nSuit] == 0;
        if (bRuffable)
            winners[nSuit] = std::min(lenSuit[nTrumps], other.lenSuit[nSuit]);
    }
}

int CWhistHand::CountCoveredCards(const CWhistHand& other, int nSuit) const
{
    const auto& mine = Suit(nSuit).m_cards;
    const auto& theirs = other.Suit(nSuit).m_cards;
    const size_t nTheirs = theirs.size();
    size_t k = 0;
    int nCount = 0;
    for (const CCard& card : mine) {
        while (k < nTheirs && theirs[k] > card)
            ++k;
        if (k == nTheirs)
            break;
        ++nCount;
    }
    return nCount;
}
