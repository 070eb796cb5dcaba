#pragma once
// CMoveList: a sequence of card moves with a score, which the patience race's computer
// player builds by trying a move, searching on, undoing it and dropping it again.

#include <vector>

#include "cardtable/CardMove.h"

// A list of moves. Every UndoLast is followed by RemoveLast before the list is used again,
// so no move is undone twice.
class CMoveList {
public:
    // The bonus for a sequence that ends on the pay-off pile, shared out over its moves.
    static constexpr int PAYOFF_SEQUENCE_BONUS = 1000;

    CMoveList();

    int GetCount() const { return static_cast<int>(m_moves.size()); }
    bool IsEmpty() const { return m_moves.empty(); }
    // The move at nIndex (0..count - 1).
    const CCardMove& GetAt(int nIndex) const { return m_moves[nIndex]; }

    // Moves the source pile's card at nSourceIndex (its top when outside the pile) onto the
    // end of the target pile at once, and appends that move.
    void AddMove(int nKind, int nSourceIndex, CCardPile* pSourcePile, CCardPile* pTargetPile);
    // Carries out every move in order.
    void DoAll();
    // Undoes the last move on the piles; the move stays in the list. Nothing when empty.
    void UndoLast();
    // Drops the last move without touching the piles.
    void RemoveLast();
    // A copy of the last move; the list must not be empty.
    CCardMove GetLast() const;
    // The sum of the move scores, plus 1000 / count when the last move plays the pay-off
    // card (the shorter such a sequence, the better); 0 when empty.
    int Score() const;

private:
    std::vector<CCardMove> m_moves;
};
