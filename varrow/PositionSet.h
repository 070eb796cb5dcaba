#pragma once
// CPositionSet: the positions one search of the computer player has reached, by their 64-bit
// keys. An open-addressing table that grows by doubling while a search runs (so inserting
// costs no allocation per position). Emptied for the next search it keeps its room only
// when the last search filled it well, so that a large search does not hold its memory for
// the rest of the game.

#include <cstddef>
#include <cstdint>
#include <vector>

class CPositionSet {
public:
    CPositionSet();

    // Adds nKey; false when it was there already.
    bool Insert(uint64_t nKey);
    // Forgets every key; gives back the room beyond the first size unless the table was
    // at least an eighth full.
    void Clear();
    int GetCount() const { return m_nCount; }
    // The most bytes the table's slots took since the last Clear, counting both tables while
    // it grows.
    size_t GetPeakBytes() const { return m_nPeakBytes; }

private:
    void Grow();

    // Slots hold keys; 0 marks a free one, so the key 0 is kept apart.
    std::vector<uint64_t> m_slots;
    bool m_bHasEmptyKey = false;
    int m_nCount = 0;
    size_t m_nPeakBytes = 0;
};
