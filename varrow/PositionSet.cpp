#include "varrow/PositionSet.h"

#include <algorithm>

namespace {

constexpr size_t INITIAL_SLOTS = 4096;
constexpr uint64_t EMPTY_SLOT = 0;
// A table at least this fraction full (1 / divisor) keeps its room when emptied.
constexpr size_t KEEP_FILL_DIVISOR = 8;

} // namespace

CPositionSet::CPositionSet() : m_slots(INITIAL_SLOTS, EMPTY_SLOT), m_nPeakBytes(INITIAL_SLOTS * sizeof(uint64_t))
{
}

bool CPositionSet::Insert(uint64_t nKey)
{
    if (nKey == EMPTY_SLOT) {
        const bool bNew = !m_bHasEmptyKey;
        m_bHasEmptyKey = true;
        m_nCount += bNew ? 1 : 0;
        return bNew;
    }
    // Kept at most half full, so a free slot is always near.
    if (static_cast<size_t>(m_nCount + 1) * 2 > m_slots.size())
        Grow();
    const size_t nMask = m_slots.size() - 1;
    for (size_t i = static_cast<size_t>(nKey) & nMask;; i = (i + 1) & nMask) {
        if (m_slots[i] == nKey)
            return false;
        if (m_slots[i] == EMPTY_SLOT) {
            m_slots[i] = nKey;
            m_nCount++;
            return true;
        }
    }
}

void CPositionSet::Clear()
{
    // A table the last search filled well is likely needed again by the next one, and
    // emptying it costs less than growing a new one; else the room goes back.
    if (m_slots.size() > INITIAL_SLOTS && static_cast<size_t>(m_nCount) * KEEP_FILL_DIVISOR < m_slots.size())
        std::vector<uint64_t>(INITIAL_SLOTS, EMPTY_SLOT).swap(m_slots);
    else if (m_nCount > 0)
        std::fill(m_slots.begin(), m_slots.end(), EMPTY_SLOT);
    m_nCount = 0;
    m_bHasEmptyKey = false;
    m_nPeakBytes = m_slots.size() * sizeof(uint64_t);
}

void CPositionSet::Grow()
{
    std::vector<uint64_t> oldSlots(m_slots.size() * 2, EMPTY_SLOT);
    oldSlots.swap(m_slots);
    m_nPeakBytes = std::max(m_nPeakBytes, (oldSlots.size() + m_slots.size()) * sizeof(uint64_t));
    m_nCount = m_bHasEmptyKey ? 1 : 0;
    for (const uint64_t nKey : oldSlots) {
        if (nKey != EMPTY_SLOT)
            Insert(nKey);
    }
}
