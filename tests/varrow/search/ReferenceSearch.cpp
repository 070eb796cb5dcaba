#include "tests/varrow/search/ReferenceSearch.h"

#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"

namespace {

// Position keys are FNV-1a hashes, finished so that the low bits mix well.
constexpr uint64_t FNV_OFFSET_BASIS = 14695981039346656037ull;
constexpr uint64_t FNV_PRIME = 1099511628211ull;
constexpr int FINAL_SHIFT = 33;
constexpr uint64_t FINAL_MULTIPLIER = 0xff51afd7ed558ccdull;

bool IsWild(const CCard& card)
{
    return card.GetOrder() == 0;
}

} // namespace

CReferenceSearch::CReferenceSearch(int nBudget) : m_nBudget(nBudget)
{
}

bool CReferenceSearch::Run(CMoveList& moves, const CVarrowSearch::SPiles& piles, CMoveList& bestMoves,
                           int& nBestScore)
{
    m_piles = piles;
    m_pBestMoves = &bestMoves;
    m_pBestScore = &nBestScore;
    m_bOverBudget = false;
    m_searched.Clear();
    Search(moves);
    return !m_bOverBudget;
}

int CReferenceSearch::SequenceScore(const CMoveList& moves) const
{
    const int nScore = moves.Score();
    if (moves.IsEmpty())
        return nScore;
    if (moves.GetLast().GetCard().GetOrder() == m_piles.cardOpponent.GetOrder() - 1)
        return nScore - CVarrowSearch::OPPONENT_OPENING_PENALTY;
    return nScore;
}

uint64_t CReferenceSearch::PositionKey() const
{
    uint64_t nKey = FNV_OFFSET_BASIS;
    const auto mix = [&nKey](int nValue) { nKey = (nKey ^ static_cast<uint32_t>(nValue)) * FNV_PRIME; };
    const auto mixPile = [&mix](const CCardPile& pile) {
        mix(pile.GetCount());
        for (const CCard& card : pile.m_cards)
            mix(card.GetSuit() * CVarrowSearch::ORDER_VALUES + card.GetOrder());
    };
    mixPile(*m_piles.pHand);
    for (const CCardPile* pDiscard : m_piles.pDiscards->m_piles)
        mix(pDiscard->GetCount());
    for (int c = 0; c < m_piles.nCentrePiles; c++)
        mixPile(*m_piles.pCentre->GetAt(c));
    nKey ^= nKey >> FINAL_SHIFT;
    nKey *= FINAL_MULTIPLIER;
    nKey ^= nKey >> FINAL_SHIFT;
    return nKey;
}

void CReferenceSearch::TryMove(CMoveList& moves, int nKind, int nSourceIndex, CCardPile* pSource,
                               CCardPile* pTarget, bool bDeeper)
{
    moves.AddMove(nKind, nSourceIndex, pSource, pTarget);
    const int nScore = SequenceScore(moves);
    if (nScore > *m_pBestScore) {
        *m_pBestMoves = moves;
        *m_pBestScore = nScore;
    }
    if (bDeeper)
        Search(moves);
    moves.UndoLast();
    moves.RemoveLast();
}

void CReferenceSearch::Search(CMoveList& moves)
{
    if (m_bOverBudget || m_searched.GetCount() >= m_nBudget) {
        m_bOverBudget = true;
        return;
    }
    if (!m_searched.Insert(PositionKey()))
        return;
    CCardPile& hand = *m_piles.pHand;
    CCardPile& payoff = *m_piles.pPayoff;
    if (payoff.GetCount() > 0) {
        for (int c = 0; c < m_piles.nCentrePiles; c++) {
            CCardPile* pCentre = m_piles.pCentre->GetAt(c);
            if (pCentre->CanPlace(payoff.Top())) {
                TryMove(moves, MOVE_FROM_PAYOFF, payoff.GetCount() - 1, &payoff, pCentre, false);
                return;
            }
        }
    }
    if (hand.GetCount() == 0)
        return;

    bool bTried[CVarrowSearch::ORDER_VALUES] = {};
    for (int i = 0; i < hand.GetCount(); i++) {
        const CCard card = hand.m_cards[i];
        const int nValue = card.GetOrder() % CVarrowSearch::ORDER_VALUES;
        if (bTried[nValue])
            continue;
        bTried[nValue] = true;
        for (int c = 0; c < m_piles.nCentrePiles; c++) {
            CCardPile* pCentre = m_piles.pCentre->GetAt(c);
            if (!pCentre->CanPlace(card))
                continue;
            TryMove(moves, MOVE_FROM_HAND, i, &hand, pCentre, true);
            if (!IsWild(card))
                break;
        }
    }
    for (CCardPile* pDiscard : m_piles.pDiscards->m_piles) {
        if (pDiscard->GetCount() == 0)
            continue;
        const CCard cardTop = pDiscard->Top();
        for (int c = 0; c < m_piles.nCentrePiles; c++) {
            CCardPile* pCentre = m_piles.pCentre->GetAt(c);
            if (!pCentre->CanPlace(cardTop))
                continue;
            TryMove(moves, MOVE_FROM_DISCARD, pDiscard->GetCount() - 1, pDiscard, pCentre, true);
            if (!IsWild(cardTop))
                break;
        }
    }
}
