#pragma once
// CPositionSet: the positions one search of the computer player has reached, by their 64-bit
// fingerprints. An open-addressing table that only grows (doubling, so inserting costs no
// allocation per position) and is emptied for the next search without giving back its room.

#include <cstdint>
#include <vector>

class CPositionSet {
public:
    CPositionSet();

    // Adds nKey; false when it was there already.
    bool Insert(uint64_t nKey);
    // Forgets every key, keeping the table's size.
    void Clear();
    int GetCount() const { return m_nCount; }

private:
    void Grow();

    // Slots hold keys; 0 marks a free one, so the key 0 is kept apart.
    std::vector<uint64_t> m_slots;
    bool m_bHasEmptyKey = false;
    int m_nCount = 0;
};
