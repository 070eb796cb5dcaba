#include "bridge/play/HandEstimate.h"

#include "cardtable/Card.h"

namespace {

int Clamp(int n, int nLow, int nHigh)
{
    return n < nLow ? nLow : (n > nHigh ? nHigh : n);
}

} // namespace

CHandEstimate::CHandEstimate()
    : m_nCardsLeft(CARDS_PER_HAND)
    , m_nPointsPlayed(0)
    , m_nPlayed{0, 0, 0, 0}
    , m_nMinPoints(0)
    , m_nMaxPoints(DECK_POINTS)
    , m_nMinLength{0, 0, 0, 0}
    , m_nMaxLength{CARDS_PER_HAND, CARDS_PER_HAND, CARDS_PER_HAND, CARDS_PER_HAND}
{
}

void CHandEstimate::SetPointRange(int nMin, int nMax)
{
    m_nMinPoints = nMin;
    m_nMaxPoints = nMax;
}

void CHandEstimate::SetLengthRange(int nSuit, int nMin, int nMax)
{
    m_nMinLength[nSuit] = nMin;
    m_nMaxLength[nSuit] = nMax;
}

void CHandEstimate::SetMinLength(int nSuit, int n)
{
    m_nMinLength[nSuit] = Clamp(n, 0, CARDS_PER_HAND);
}

void CHandEstimate::SetMaxLength(int nSuit, int n)
{
    m_nMaxLength[nSuit] = Clamp(n, 0, CARDS_PER_HAND);
}

void CHandEstimate::CardPlayed(const CCard& card)
{
    const int nSuit = card.GetSuit();
    --m_nCardsLeft;
    ++m_nPlayed[nSuit];
    m_nPointsPlayed += card.GetPoints();
    --m_nMaxLength[nSuit];
    if (m_nMinLength[nSuit] > 0)
        --m_nMinLength[nSuit];
}

void CHandEstimate::ShowedOut(int nLedSuit, const CCard& card)
{
    m_nMinLength[nLedSuit] = 0;
    m_nMaxLength[nLedSuit] = 0;
    CardPlayed(card);
}

bool CHandEstimate::PropagateLengths()
{
    bool bChanged = false;
    while (PropagatePass())
        bChanged = true;
    return bChanged;
}

bool CHandEstimate::PropagatePass()
{
    bool bChanged = false;
    // The other suits' least lengths leave room for at most v cards of this one. When the
    // auction claims more cards than the seat has left, v falls below 0; the bound is then
    // left alone, since lowering it there would feed the minimums below without end.
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        int nOthers = 0;
        for (int nOther = 0; nOther < SUIT_COUNT; ++nOther) {
            if (nOther != nSuit)
                nOthers += m_nMinLength[nOther];
        }
        const int v = m_nCardsLeft - nOthers;
        if (v < m_nMaxLength[nSuit] && v <= m_nCardsLeft && v >= 0) {
            m_nMaxLength[nSuit] = v;
            bChanged = true;
        }
    }
    // The other suits' greatest lengths force at least v cards of this one.
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        int nOthers = 0;
        for (int nOther = 0; nOther < SUIT_COUNT; ++nOther) {
            if (nOther != nSuit)
                nOthers += m_nMaxLength[nOther];
        }
        const int v = m_nCardsLeft - nOthers;
        if (v > m_nMinLength[nSuit] && v >= 0) {
            m_nMinLength[nSuit] = v;
            bChanged = true;
        }
    }
    return bChanged;
}
