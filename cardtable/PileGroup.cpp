#include "cardtable/PileGroup.h"

#include "cardtable/CardPile.h"
#include "platform/base/assert.h"

namespace {

// Most games group up to ten piles (hands, suit piles, discard rows).
constexpr size_t GROUP_RESERVED_PILES = 10;

} // namespace

CPileGroup::CPileGroup()
{
    m_piles.reserve(GROUP_RESERVED_PILES);
}

void CPileGroup::Add(CCardPile* pPile)
{
    m_piles.push_back(pPile);
}

void CPileGroup::RemoveAt(int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex < GetCount());
    if (nIndex >= 0 && nIndex < GetCount())
        m_piles.erase(m_piles.begin() + nIndex);
}

void CPileGroup::RemoveAll()
{
    m_piles.clear();
}

void CPileGroup::DeleteAll()
{
    for (CCardPile* pPile : m_piles)
        delete pPile;
    m_piles.clear();
}

void CPileGroup::ClearAll()
{
    for (CCardPile* pPile : m_piles)
        pPile->Clear();
}

void CPileGroup::Paint(CCardPainter& painter) const
{
    for (const CCardPile* pPile : m_piles)
        pPile->Paint(painter);
}

bool CPileGroup::Contains(const CCard& card) const
{
    for (const CCardPile* pPile : m_piles) {
        if (pPile->Contains(card))
            return true;
    }
    return false;
}

void CPileGroup::CopyAllTo(CCardPile& dest) const
{
    for (const CCardPile* pPile : m_piles)
        pPile->CopyTopTo(-1, dest);
}

int CPileGroup::GetCardCount() const
{
    int nTotal = 0;
    for (const CCardPile* pPile : m_piles)
        nTotal += pPile->GetCount();
    return nTotal;
}
