#pragma once
// CVarrowSearch: the computer player's search in Varrow and Malice, the context of one search
// at a time, owning its table of positions. It tries every sequence of moves onto the centre
// piles in play, depth first, in the order the game's rules give: the pay-off top (which ends
// the sequence), then each card value of the hand once, then each discard top; a plain card
// goes on the first centre pile that takes it, a wild card on every one. Every prefix is
// scored; only a strictly higher score replaces the best sequence, so among equal scores the
// first one found stays.
//
// The search runs on a copy of the position held in small arrays: each centre pile by the
// order its top stands for (wild cards included), each discard pile by its count, the hand by
// the cards still in it. Moves change these in place and are taken back after the deeper
// search. What stays the same whatever the rest of the tree holds is left out:
// - A position reached a second time is not searched again: whatever order of moves led to
//   it, the same cards have left the same piles, so every sequence through it scores as it
//   did the first time, never strictly more. Positions are known by a 64-bit key updated with
//   each move (Zobrist hashing) from the cards left and how many centre piles stand at each
//   order; which pile is which does not count, since piles at the same order make the same
//   sequences but for the piles they name. Suits play no part in any rule or score.
// - For the same reason a wild card is tried only on the first pile of each order.
// - A part of the tree is not searched when even its best case cannot score more than the
//   best sequence found so far: every card that can still reach the centre played, and the
//   pay-off card after the fewest moves that can bring it.
// - A position without a move is not stored.
//
// Every search is bounded: after MAX_POSITIONS positions it stops and the best sequence found
// so far stands. The piles themselves are touched only at the end, to build the best
// sequence's moves, and are left as they were found.

#include <cstddef>
#include <cstdint>

#include "cardtable/CardPile.h"
#include "varrow/PositionSet.h"

class CMoveList;
class CPileGroup;

class CVarrowSearch {
public:
    // The most positions one search visits: on this kind of machine some 30 ms, 80 ms when
    // it is busy, with at most as many positions in the table (4 MB, 6 MB while it grows).
    // Positions of real games visit a few thousand at most.
    static constexpr int MAX_POSITIONS = 1 << 18;
    // What a sequence loses when its last card is one below the opponent's pay-off top, on
    // which the opponent's next card would then fit.
    static constexpr int OPPONENT_OPENING_PENALTY = 20;
    // Card values the rules tell apart: orders 0 (wild) to 13 (king).
    static constexpr int ORDER_VALUES = RANK_KING + 1;
    static constexpr int MAX_CENTRE_PILES = 12;
    static constexpr int MAX_DISCARD_PILES = 4;

    // The piles one search works on (not owned). The working list's moves have been carried
    // out on them; centre piles are runs from the ace built under the pile rules.
    struct SPiles {
        CCardPile* pHand;
        CCardPile* pPayoff;
        CPileGroup* pDiscards;
        // The centre piles in play are the group's first nCentrePiles (at most
        // MAX_CENTRE_PILES); the discard group holds at most MAX_DISCARD_PILES piles.
        CPileGroup* pCentre;
        int nCentrePiles;
        // The opponent's pay-off top: the empty card when that pile is empty.
        CCard cardOpponent;
    };

    CVarrowSearch();
    CVarrowSearch(const CVarrowSearch&) = delete;
    CVarrowSearch& operator=(const CVarrowSearch&) = delete;

    // Searches every sequence that extends moves; when one scores more than nBestScore, the
    // best of them (moves and all) goes into bestMoves and its score into nBestScore. Each
    // call starts with an empty table of positions. Leaves the piles and moves as found.
    void Run(CMoveList& moves, const SPiles& piles, CMoveList& bestMoves, int& nBestScore);

    // Figures of the last search: positions visited (including those met again), positions
    // held in the table, the table's largest size in bytes, and whether it stopped at
    // MAX_POSITIONS before it had seen everything.
    int GetPositionsVisited() const { return m_nVisited; }
    int GetPositionsStored() const { return m_table.GetCount(); }
    size_t GetPeakTableBytes() const { return m_table.GetPeakBytes(); }
    bool WasStopped() const { return m_bStopped; }

private:
    // Enough for every card of any pile in the hand.
    static constexpr int MAX_HAND = PILE_MAX_CARDS;
    // Every move puts a card on a centre pile, which takes at most RANK_KING cards.
    static constexpr int MAX_SEQUENCE = MAX_CENTRE_PILES * RANK_KING;
    // A card of an order outside 0 .. 13 (the game deals none) counts as this one, which no
    // pile takes.
    static constexpr int ORDER_NONE = ORDER_VALUES;
    static constexpr int ORDER_SLOTS = ORDER_VALUES + 1;

    // One move of the sequence being tried, as CMoveList::AddMove takes it.
    struct SStep {
        int nKind;
        int nSourceIndex;
        CCardPile* pSource;
        int nCentre;
    };

    // What some cards can add to a sequence at most: how many add something, the most one
    // adds, and all they add.
    struct SGains {
        int nCount = 0;
        int nEach = 0;
        int nTotal = 0;
        void Add(int nScore)
        {
            if (nScore <= 0)
                return;
            nCount++;
            nEach = nScore > nEach ? nScore : nEach;
            nTotal += nScore;
        }
    };

    void InitKeys();
    // The card's order, ORDER_NONE for an order no card of the game has.
    static int OrderOf(const CCard& card);
    // Copies the position from the piles.
    void Load(const CMoveList& moves, const SPiles& piles, int nBestScore);
    void LoadCentre();
    void LoadHand();
    void LoadDiscards();
    // Searches on from the present position.
    void Visit();
    // The centre piles in play that take a card of nOrder, one bit each.
    uint32_t AcceptingPiles(int nOrder) const;
    // Whether a hand card or a discard top can go on a centre pile (the hand not empty).
    bool HasMove() const;
    // The centre piles a card of nOrder is tried on.
    uint32_t TargetPiles(int nOrder) const;
    // Which values (0: wild) can still reach a centre pile, and the top of the nearest pile
    // below each value (-1: none); ORDER_SLOTS entries each.
    void FindReachable(bool bReachable[], int nNearestBelow[]) const;
    // Whether some sequence through the present position could score more than the best.
    bool CanImprove() const;
    // Try a move: record it, score the sequence, search on (except after the pay-off card),
    // and take it back.
    void TryPayoff(int nCentre);
    void TryHandCard(int nCard, int nCentre);
    void TryDiscard(int nPile, int nCentre);
    // Appends a step to the sequence and keeps the sequence when it scores best; Pop drops it.
    void Push(int nKind, int nSourceIndex, CCardPile* pSource, int nCentre, int nOrder, int nMoveScore);
    void Pop(int nMoveScore);
    void PlaceOnCentre(int nCentre);
    void TakeFromCentre(int nCentre);
    // Gives a centre pile's top a new order, keeping the key and the piles by order.
    void MovePileTop(int nCentre, int nTop);
    // The best sequence's moves on top of moves, into bestMoves.
    void BuildBest(CMoveList& moves, CMoveList& bestMoves) const;

    // The piles of the running search.
    SPiles m_piles = {};

    // Centre piles: the order each top stands for (0 for an empty pile), and for each order
    // the piles whose top stands for it, one bit each, and how many they are.
    int m_nCentreTop[MAX_CENTRE_PILES] = {};
    uint32_t m_nPilesAt[ORDER_VALUES] = {};
    int m_nPileCount[ORDER_VALUES] = {};
    // The hand: each card's order, move score and whether it is still there.
    int m_nHandCount = 0;
    int m_nHandLeft = 0;
    int m_nHandOrder[MAX_HAND] = {};
    int m_nHandScore[MAX_HAND] = {};
    bool m_bInHand[MAX_HAND] = {};
    // Discard piles: their cards' orders and move scores, bottom first, and the count left.
    int m_nDiscardPiles = 0;
    int m_nDiscardCount[MAX_DISCARD_PILES] = {};
    int m_nDiscardOrder[MAX_DISCARD_PILES][PILE_MAX_CARDS] = {};
    int m_nDiscardScore[MAX_DISCARD_PILES][PILE_MAX_CARDS] = {};
    // The pay-off top, when there is one.
    bool m_bPayoff = false;
    int m_nPayoffOrder = 0;
    int m_nPayoffScore = 0;
    // A sequence that ends on this order loses OPPONENT_OPENING_PENALTY.
    int m_nOpeningOrder = 0;

    // The sequence tried: the working list's moves and score, then the steps added here.
    int m_nPrefixCount = 0;
    int m_nScore = 0;
    int m_nDepth = 0;
    SStep m_steps[MAX_SEQUENCE] = {};
    // The cards of each value still in the hand and the discard piles (0: wild cards).
    int m_nLeft[ORDER_SLOTS] = {};
    // The best sequence's steps and score.
    int m_nBestScore = 0;
    int m_nBestDepth = 0;
    SStep m_bestSteps[MAX_SEQUENCE] = {};

    // The present position's key and the random keys it is built from.
    uint64_t m_nKey = 0;
    uint64_t m_nCentreKeys[ORDER_VALUES][MAX_CENTRE_PILES + 1] = {};
    uint64_t m_nHandKeys[MAX_HAND] = {};
    uint64_t m_nDiscardKeys[MAX_DISCARD_PILES][PILE_MAX_CARDS + 1] = {};

    CPositionSet m_table;
    int m_nVisited = 0;
    bool m_bStopped = false;
};
