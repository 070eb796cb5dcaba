#pragma once
// CCardMove: one card taken from a place in one pile and put at a place in another, so that
// the move can be carried out, animated and undone.

#include "cardtable/Card.h"

class CCardPile;

// Where a moved card comes from, which is what the patience race's computer player scores.
enum {
    MOVE_FROM_HAND = 0,
    MOVE_FROM_DISCARD = 1,
    MOVE_FROM_PAYOFF = 2
};

// A move of one card between two piles (not owned). Removal and insertion go by position,
// never by searching for the card: an index outside the pile means its top.
class CCardMove {
public:
    // The empty card, kind -1, both indexes -1 and no piles.
    CCardMove();
    CCardMove(const CCard& card, int nKind, int nSourceIndex, int nTargetIndex,
              CCardPile* pSourcePile, CCardPile* pTargetPile);

    const CCard& GetCard() const { return m_card; }
    int GetKind() const { return m_nKind; }
    int GetSourceIndex() const { return m_nSourceIndex; }
    int GetTargetIndex() const { return m_nTargetIndex; }
    CCardPile* GetSourcePile() const { return m_pSourcePile; }
    CCardPile* GetTargetPile() const { return m_pTargetPile; }
    void SetCard(const CCard& card) { m_card = card; }
    void SetKind(int nKind) { m_nKind = nKind; }
    void SetSourceIndex(int nIndex) { m_nSourceIndex = nIndex; }
    void SetTargetIndex(int nIndex) { m_nTargetIndex = nIndex; }
    void SetSourcePile(CCardPile* pPile) { m_pSourcePile = pPile; }
    void SetTargetPile(CCardPile* pPile) { m_pTargetPile = pPile; }

    // Removes the card at the source index from the source pile (its top when the index lies
    // outside the pile).
    void TakeFromSource();
    // Inserts the card at the target index of the target pile (on top when outside it).
    void PutOnTarget();
    // Inserts the card at the source index of the source pile (on top when outside it).
    void ReturnToSource();
    // Removes the card at the target index from the target pile (its top when outside it).
    void TakeFromTarget();
    // ReturnToSource, then TakeFromTarget; also right when source and target are one pile.
    void Undo();
    // The move's value to the computer player: by kind, with wild cards (order 0) costing.
    int Score() const;

private:
    CCard m_card;
    int m_nKind;
    int m_nSourceIndex;
    int m_nTargetIndex;
    CCardPile* m_pSourcePile;
    CCardPile* m_pTargetPile;
};
