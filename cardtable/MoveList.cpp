#include "cardtable/MoveList.h"

#include "cardtable/CardPile.h"
#include "platform/base/assert.h"

namespace {

// Room for the longest sequences the computer player's search builds.
constexpr size_t MOVE_LIST_RESERVED = 50;

} // namespace

CMoveList::CMoveList()
{
    m_moves.reserve(MOVE_LIST_RESERVED);
}

void CMoveList::AddMove(int nKind, int nSourceIndex, CCardPile* pSourcePile, CCardPile* pTargetPile)
{
    ASSERT(pSourcePile && pTargetPile);
    if (!pSourcePile || !pTargetPile)
        return;
    const bool bInside = nSourceIndex >= 0 && nSourceIndex < pSourcePile->GetCount();
    const CCard card = bInside ? pSourcePile->m_cards[nSourceIndex] : pSourcePile->Top();
    CCardMove move(card, nKind, nSourceIndex, pTargetPile->GetCount(), pSourcePile, pTargetPile);
    move.TakeFromSource();
    move.PutOnTarget();
    m_moves.push_back(move);
}

void CMoveList::DoAll()
{
    for (CCardMove& move : m_moves) {
        move.TakeFromSource();
        move.PutOnTarget();
    }
}

void CMoveList::UndoLast()
{
    if (m_moves.empty())
        return;
    CCardMove move = m_moves.back();
    move.Undo();
}

void CMoveList::RemoveLast()
{
    if (!m_moves.empty())
        m_moves.pop_back();
}

CCardMove CMoveList::GetLast() const
{
    ASSERT(!m_moves.empty());
    return m_moves.empty() ? CCardMove() : m_moves.back();
}

int CMoveList::Score() const
{
    if (m_moves.empty())
        return 0;
    int nScore = 0;
    for (const CCardMove& move : m_moves)
        nScore += move.Score();
    if (m_moves.back().GetKind() == MOVE_FROM_PAYOFF)
        nScore += PAYOFF_SEQUENCE_BONUS / GetCount();
    return nScore;
}
