#pragma once
// CPileGroup: a list of piles that a game deals to, clears, paints or counts at once.

#include <vector>

class CCard;
class CCardPainter;
class CCardPile;

// A list of pile pointers. The group does not own its piles: DeleteAll deletes them when a
// caller wants that, and the destructor frees only the list.
class CPileGroup {
public:
    CPileGroup();

    int GetCount() const { return static_cast<int>(m_piles.size()); }
    CCardPile* GetAt(int nIndex) const { return m_piles[nIndex]; }

    void Add(CCardPile* pPile);
    // Removes the pointer at nIndex (0..count - 1) without deleting the pile.
    void RemoveAt(int nIndex);
    // Removes all pointers without deleting the piles.
    void RemoveAll();
    // Deletes every pile, then removes all pointers.
    void DeleteAll();
    // Empties every pile.
    void ClearAll();
    // Paints every pile in group order.
    void Paint(CCardPainter& painter) const;
    // Whether any pile holds a card equal to card.
    bool Contains(const CCard& card) const;
    // Appends every pile's cards to dest, pile by pile in group order, each topmost first.
    void CopyAllTo(CCardPile& dest) const;
    // The total number of cards in all piles.
    int GetCardCount() const;

    // The piles, not owned (see DeleteAll).
    std::vector<CCardPile*> m_piles;
};
