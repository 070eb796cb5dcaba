#include "bridge/play/Trick.h"

#include "bridge/play/PlayConstants.h"

CTrick::CTrick()
    : CCardPile(0, 0, 0)
    , m_nLeader(0)
    , m_nTrumps(NO_TRUMPS)
{
}

int CTrick::GetWinner(CCard& winningCard) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return m_nLeader;

    const int nLedSuit = m_cards[0].GetSuit();
    int nBest = 0;
    int nBestValue = m_cards[0].GetOrder();
    for (int i = 1; i < nCount; ++i) {
        const CCard& card = m_cards[i];
        const bool bCounts = card.GetSuit() == nLedSuit || card.GetSuit() == m_nTrumps;
        const int nValue = bCounts ? card.GetOrder() : 0;
        if (nValue > nBestValue) {
            nBest = i;
            nBestValue = nValue;
        }
    }
    winningCard = m_cards[nBest];
    return (m_nLeader + nBest) & 3;
}
