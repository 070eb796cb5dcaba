#pragma once
// CReferenceSearch: the computer player's search as the game's rules state it, run on the
// piles themselves through CMoveList::AddMove, UndoLast and RemoveLast, as the game searched
// before CVarrowSearch: every sequence of moves in the rules' order, each prefix scored, a
// position met again (by a key of every card, suits included) not searched twice. Slow and
// unbounded but plain; the tests and the search fuzzer compare CVarrowSearch against it. A
// budget of positions stops a search that would take too long.

#include <cstdint>

#include "cardtable/MoveList.h"
#include "varrow/PositionSet.h"
#include "varrow/VarrowSearch.h"

class CReferenceSearch {
public:
    // nBudget: the most positions one search may hold.
    explicit CReferenceSearch(int nBudget);

    // As CVarrowSearch::Run; false when the budget ran out, and the result counts for
    // nothing then.
    bool Run(CMoveList& moves, const CVarrowSearch::SPiles& piles, CMoveList& bestMoves, int& nBestScore);
    // The positions the last search held.
    int GetPositions() const { return m_searched.GetCount(); }

private:
    void Search(CMoveList& moves);
    void TryMove(CMoveList& moves, int nKind, int nSourceIndex, CCardPile* pSource, CCardPile* pTarget,
                 bool bDeeper);
    int SequenceScore(const CMoveList& moves) const;
    uint64_t PositionKey() const;

    int m_nBudget;
    bool m_bOverBudget = false;
    CVarrowSearch::SPiles m_piles = {};
    CMoveList* m_pBestMoves = nullptr;
    int* m_pBestScore = nullptr;
    CPositionSet m_searched;
};
