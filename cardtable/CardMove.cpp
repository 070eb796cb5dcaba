#include "cardtable/CardMove.h"

#include "cardtable/CardPile.h"

namespace {

struct SMoveScore {
    int nCard;
    int nWild;
};

// Scores by kind (MOVE_FROM_HAND, MOVE_FROM_DISCARD, MOVE_FROM_PAYOFF): playing the pay-off
// card is what wins the race; spending a wild card from the hand or a discard pile costs.
const SMoveScore s_moveScores[] = {
    {10, -20},
    {1, -10},
    {100, 100},
};
constexpr int MOVE_KIND_COUNT = sizeof(s_moveScores) / sizeof(s_moveScores[0]);

bool IsInside(int nIndex, const CCardPile& pile)
{
    return nIndex >= 0 && nIndex < pile.GetCount();
}

void RemoveFrom(CCardPile* pPile, int nIndex)
{
    if (!pPile)
        return;
    if (IsInside(nIndex, *pPile))
        pPile->RemoveAt(nIndex);
    else
        pPile->RemoveTop();
}

void PutInto(CCardPile* pPile, int nIndex, const CCard& card)
{
    if (!pPile)
        return;
    if (IsInside(nIndex, *pPile))
        pPile->InsertAt(nIndex, card);
    else
        pPile->AddCard(card);
}

} // namespace

CCardMove::CCardMove()
    : m_nKind(-1), m_nSourceIndex(-1), m_nTargetIndex(-1), m_pSourcePile(nullptr),
      m_pTargetPile(nullptr)
{
}

CCardMove::CCardMove(const CCard& card, int nKind, int nSourceIndex, int nTargetIndex,
                     CCardPile* pSourcePile, CCardPile* pTargetPile)
    : m_card(card), m_nKind(nKind), m_nSourceIndex(nSourceIndex), m_nTargetIndex(nTargetIndex),
      m_pSourcePile(pSourcePile), m_pTargetPile(pTargetPile)
{
}

void CCardMove::TakeFromSource()
{
    RemoveFrom(m_pSourcePile, m_nSourceIndex);
}

void CCardMove::PutOnTarget()
{
    PutInto(m_pTargetPile, m_nTargetIndex, m_card);
}

void CCardMove::ReturnToSource()
{
    PutInto(m_pSourcePile, m_nSourceIndex, m_card);
}

void CCardMove::TakeFromTarget()
{
    RemoveFrom(m_pTargetPile, m_nTargetIndex);
}

void CCardMove::Undo()
{
    ReturnToSource();
    TakeFromTarget();
}

int CCardMove::Score() const
{
    if (m_nKind < 0 || m_nKind >= MOVE_KIND_COUNT)
        return 0;
    return m_card.GetOrder() == 0 ? s_moveScores[m_nKind].nWild : s_moveScores[m_nKind].nCard;
}
