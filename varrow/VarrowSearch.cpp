#include "varrow/VarrowSearch.h"

#include <algorithm>

#include "cardtable/CardMove.h"
#include "cardtable/MoveList.h"
#include "cardtable/PileGroup.h"
#include "platform/base/assert.h"

namespace {

// A centre pile whose top stands for the king is complete and takes nothing more.
constexpr int CENTRE_COMPLETE_ORDER = RANK_KING;
// The random keys come from a fixed SplitMix64 sequence, so that searches repeat exactly.
constexpr uint64_t KEY_SEED = 0x5eed5eed5eed5eedull;
constexpr uint64_t SPLITMIX_GAMMA = 0x9e3779b97f4a7c15ull;
constexpr uint64_t SPLITMIX_MULTIPLIER1 = 0xbf58476d1ce4e5b9ull;
constexpr uint64_t SPLITMIX_MULTIPLIER2 = 0x94d049bb133111ebull;
constexpr int SPLITMIX_SHIFT1 = 30;
constexpr int SPLITMIX_SHIFT2 = 27;
constexpr int SPLITMIX_SHIFT3 = 31;

uint64_t NextKey(uint64_t& nState)
{
    uint64_t n = (nState += SPLITMIX_GAMMA);
    n = (n ^ (n >> SPLITMIX_SHIFT1)) * SPLITMIX_MULTIPLIER1;
    n = (n ^ (n >> SPLITMIX_SHIFT2)) * SPLITMIX_MULTIPLIER2;
    return n ^ (n >> SPLITMIX_SHIFT3);
}

bool IsWildOrder(int nOrder)
{
    return nOrder == 0;
}

// What moving a card of the kind is worth (the one definition is CCardMove::Score).
int MoveScore(const CCard& card, int nKind)
{
    return CCardMove(card, nKind, -1, -1, nullptr, nullptr).Score();
}

int LowestPile(uint32_t nPiles)
{
    int nPile = 0;
    while ((nPiles & 1u) == 0) {
        nPiles >>= 1;
        nPile++;
    }
    return nPile;
}

} // namespace

CVarrowSearch::CVarrowSearch()
{
    InitKeys();
}

void CVarrowSearch::InitKeys()
{
    uint64_t nState = KEY_SEED;
    for (auto& keys : m_nCentreKeys) {
        for (uint64_t& nKey : keys)
            nKey = NextKey(nState);
    }
    for (uint64_t& nKey : m_nHandKeys)
        nKey = NextKey(nState);
    for (auto& keys : m_nDiscardKeys) {
        for (uint64_t& nKey : keys)
            nKey = NextKey(nState);
    }
}

void CVarrowSearch::Run(CMoveList& moves, const SPiles& piles, CMoveList& bestMoves, int& nBestScore)
{
    Load(moves, piles, nBestScore);
    m_table.Clear();
    m_nVisited = 0;
    m_bStopped = false;
    Visit();
    if (m_nBestScore > nBestScore) {
        BuildBest(moves, bestMoves);
        nBestScore = m_nBestScore;
    }
}

void CVarrowSearch::Load(const CMoveList& moves, const SPiles& piles, int nBestScore)
{
    m_piles = piles;
    m_nKey = 0;
    m_nGainLeft = 0;

    ASSERT(piles.nCentrePiles <= MAX_CENTRE_PILES);
    m_piles.nCentrePiles = std::min(piles.nCentrePiles, MAX_CENTRE_PILES);
    std::fill(std::begin(m_nPilesAt), std::end(m_nPilesAt), 0u);
    for (int c = 0; c < m_piles.nCentrePiles; c++) {
        const CCardPile& pile = *piles.pCentre->GetAt(c);
        const int nTop = pile.GetCount() > 0 ? pile.EffectiveTop().GetOrder() : 0;
        ASSERT(nTop >= 0 && nTop <= CENTRE_COMPLETE_ORDER);
        m_nCentreTop[c] = std::clamp(nTop, 0, CENTRE_COMPLETE_ORDER);
        m_nPilesAt[m_nCentreTop[c]] |= 1u << c;
        m_nKey ^= m_nCentreKeys[c][m_nCentreTop[c]];
    }

    const CCardPile& hand = *piles.pHand;
    ASSERT(hand.GetCount() <= MAX_HAND);
    m_nHandCount = std::min(hand.GetCount(), MAX_HAND);
    m_nHandLeft = m_nHandCount;
    for (int i = 0; i < m_nHandCount; i++) {
        m_nHandOrder[i] = hand.m_cards[i].GetOrder();
        m_nHandScore[i] = MoveScore(hand.m_cards[i], MOVE_FROM_HAND);
        m_bInHand[i] = true;
        m_nGainLeft += std::max(0, m_nHandScore[i]);
    }

    ASSERT(piles.pDiscards->GetCount() <= MAX_DISCARD_PILES);
    m_nDiscardPiles = std::min(piles.pDiscards->GetCount(), MAX_DISCARD_PILES);
    for (int p = 0; p < m_nDiscardPiles; p++) {
        const CCardPile& pile = *piles.pDiscards->GetAt(p);
        m_nDiscardCount[p] = std::min(pile.GetCount(), PILE_MAX_CARDS);
        for (int i = 0; i < m_nDiscardCount[p]; i++) {
            m_nDiscardOrder[p][i] = pile.m_cards[i].GetOrder();
            m_nDiscardScore[p][i] = MoveScore(pile.m_cards[i], MOVE_FROM_DISCARD);
            m_nGainLeft += std::max(0, m_nDiscardScore[p][i]);
        }
        m_nKey ^= m_nDiscardKeys[p][m_nDiscardCount[p]];
    }

    // An empty pay-off pile has ended the game already; its empty top must not pass for a
    // wild card.
    m_bPayoff = piles.pPayoff->GetCount() > 0;
    m_nPayoffOrder = m_bPayoff ? piles.pPayoff->Top().GetOrder() : 0;
    m_nPayoffScore = m_bPayoff ? MoveScore(piles.pPayoff->Top(), MOVE_FROM_PAYOFF) : 0;
    m_nOpeningOrder = piles.cardOpponent.GetOrder() - 1;

    m_nPrefixCount = moves.GetCount();
    m_nScore = 0;
    for (int i = 0; i < m_nPrefixCount; i++)
        m_nScore += moves.GetAt(i).Score();
    m_nDepth = 0;
    m_nBestScore = nBestScore;
    m_nBestDepth = 0;
}

void CVarrowSearch::Visit()
{
    if (m_nVisited >= MAX_POSITIONS) {
        m_bStopped = true;
        return;
    }
    m_nVisited++;
    if (!m_table.Insert(m_nKey) || !CanImprove())
        return;

    // Where the pay-off card fits, nothing else is worth looking at.
    if (m_bPayoff) {
        const uint32_t nAccepting = AcceptingPiles(m_nPayoffOrder);
        if (nAccepting != 0) {
            TryPayoff(LowestPile(nAccepting));
            return;
        }
    }
    if (m_nHandLeft == 0)
        return;

    // Each card value of the hand once; a plain card on the first centre pile that takes it,
    // a wild card on every one.
    bool bTried[ORDER_VALUES] = {};
    for (int i = 0; i < m_nHandCount && !m_bStopped; i++) {
        const int nValue = m_nHandOrder[i] % ORDER_VALUES;
        if (!m_bInHand[i] || bTried[nValue])
            continue;
        bTried[nValue] = true;
        for (uint32_t nPiles = AcceptingPiles(m_nHandOrder[i]); nPiles != 0 && !m_bStopped;
             nPiles &= nPiles - 1) {
            TryHandCard(i, LowestPile(nPiles));
            if (!IsWildOrder(m_nHandOrder[i]))
                break;
        }
    }

    for (int p = 0; p < m_nDiscardPiles && !m_bStopped; p++) {
        if (m_nDiscardCount[p] == 0)
            continue;
        const int nOrder = m_nDiscardOrder[p][m_nDiscardCount[p] - 1];
        for (uint32_t nPiles = AcceptingPiles(nOrder); nPiles != 0 && !m_bStopped;
             nPiles &= nPiles - 1) {
            TryDiscard(p, LowestPile(nPiles));
            if (!IsWildOrder(nOrder))
                break;
        }
    }
}

uint32_t CVarrowSearch::AcceptingPiles(int nOrder) const
{
    // A wild card goes on any pile that is not complete, another card where it is the next.
    if (IsWildOrder(nOrder)) {
        const uint32_t nInPlay = (1u << m_piles.nCentrePiles) - 1;
        return nInPlay & ~m_nPilesAt[CENTRE_COMPLETE_ORDER];
    }
    return nOrder >= 1 && nOrder <= CENTRE_COMPLETE_ORDER ? m_nPilesAt[nOrder - 1] : 0u;
}

bool CVarrowSearch::CanImprove() const
{
    int nGain = m_nGainLeft;
    // The pay-off card can still come while a pile in play is below it (or it is wild).
    bool bPayoffReachable = false;
    for (int nTop = 0; m_bPayoff && nTop < CENTRE_COMPLETE_ORDER && !bPayoffReachable; nTop++) {
        bPayoffReachable = m_nPilesAt[nTop] != 0 &&
                           (IsWildOrder(m_nPayoffOrder) || nTop < m_nPayoffOrder);
    }
    if (bPayoffReachable) {
        nGain += std::max(0, m_nPayoffScore) +
                 CMoveList::PAYOFF_SEQUENCE_BONUS / (m_nPrefixCount + m_nDepth + 1);
    }
    return m_nScore + nGain > m_nBestScore;
}

void CVarrowSearch::Push(int nKind, int nSourceIndex, CCardPile* pSource, int nCentre, int nOrder,
                         int nMoveScore)
{
    m_steps[m_nDepth++] = SStep{nKind, nSourceIndex, pSource, nCentre};
    m_nScore += nMoveScore;
    int nScore = m_nScore;
    if (nKind == MOVE_FROM_PAYOFF)
        nScore += CMoveList::PAYOFF_SEQUENCE_BONUS / (m_nPrefixCount + m_nDepth);
    if (nOrder == m_nOpeningOrder)
        nScore -= OPPONENT_OPENING_PENALTY;
    if (nScore > m_nBestScore) {
        m_nBestScore = nScore;
        m_nBestDepth = m_nDepth;
        std::copy(m_steps, m_steps + m_nDepth, m_bestSteps);
    }
}

void CVarrowSearch::Pop(int nMoveScore)
{
    m_nScore -= nMoveScore;
    m_nDepth--;
}

void CVarrowSearch::TryPayoff(int nCentre)
{
    // The search goes no deeper after the pay-off card.
    Push(MOVE_FROM_PAYOFF, m_piles.pPayoff->GetCount() - 1, m_piles.pPayoff, nCentre,
         m_nPayoffOrder, m_nPayoffScore);
    Pop(m_nPayoffScore);
}

void CVarrowSearch::TryHandCard(int nCard, int nCentre)
{
    // The card's index in the hand as it is now: the cards before it that are still there.
    int nSourceIndex = 0;
    for (int i = 0; i < nCard; i++)
        nSourceIndex += m_bInHand[i] ? 1 : 0;
    const int nScore = m_nHandScore[nCard];
    Push(MOVE_FROM_HAND, nSourceIndex, m_piles.pHand, nCentre, m_nHandOrder[nCard], nScore);

    m_bInHand[nCard] = false;
    m_nHandLeft--;
    m_nGainLeft -= std::max(0, nScore);
    m_nKey ^= m_nHandKeys[nCard];
    PlaceOnCentre(nCentre);
    Visit();
    TakeFromCentre(nCentre);
    m_nKey ^= m_nHandKeys[nCard];
    m_nGainLeft += std::max(0, nScore);
    m_nHandLeft++;
    m_bInHand[nCard] = true;

    Pop(nScore);
}

void CVarrowSearch::TryDiscard(int nPile, int nCentre)
{
    const int nCount = m_nDiscardCount[nPile];
    const int nScore = m_nDiscardScore[nPile][nCount - 1];
    Push(MOVE_FROM_DISCARD, nCount - 1, m_piles.pDiscards->GetAt(nPile), nCentre,
         m_nDiscardOrder[nPile][nCount - 1], nScore);

    m_nDiscardCount[nPile] = nCount - 1;
    m_nGainLeft -= std::max(0, nScore);
    m_nKey ^= m_nDiscardKeys[nPile][nCount] ^ m_nDiscardKeys[nPile][nCount - 1];
    PlaceOnCentre(nCentre);
    Visit();
    TakeFromCentre(nCentre);
    m_nKey ^= m_nDiscardKeys[nPile][nCount] ^ m_nDiscardKeys[nPile][nCount - 1];
    m_nGainLeft += std::max(0, nScore);
    m_nDiscardCount[nPile] = nCount;

    Pop(nScore);
}

void CVarrowSearch::PlaceOnCentre(int nCentre)
{
    // A plain card is the next order, and a wild card stands for it.
    const int nTop = m_nCentreTop[nCentre];
    const uint32_t nBit = 1u << nCentre;
    m_nPilesAt[nTop] &= ~nBit;
    m_nPilesAt[nTop + 1] |= nBit;
    m_nKey ^= m_nCentreKeys[nCentre][nTop] ^ m_nCentreKeys[nCentre][nTop + 1];
    m_nCentreTop[nCentre] = nTop + 1;
}

void CVarrowSearch::TakeFromCentre(int nCentre)
{
    const int nTop = m_nCentreTop[nCentre];
    const uint32_t nBit = 1u << nCentre;
    m_nPilesAt[nTop] &= ~nBit;
    m_nPilesAt[nTop - 1] |= nBit;
    m_nKey ^= m_nCentreKeys[nCentre][nTop] ^ m_nCentreKeys[nCentre][nTop - 1];
    m_nCentreTop[nCentre] = nTop - 1;
}

void CVarrowSearch::BuildBest(CMoveList& moves, CMoveList& bestMoves) const
{
    // The steps are carried out on the piles to make the moves, then taken back.
    for (int i = 0; i < m_nBestDepth; i++) {
        const SStep& step = m_bestSteps[i];
        moves.AddMove(step.nKind, step.nSourceIndex, step.pSource,
                      m_piles.pCentre->GetAt(step.nCentre));
    }
    bestMoves = moves;
    for (int i = 0; i < m_nBestDepth; i++) {
        moves.UndoLast();
        moves.RemoveLast();
    }
}
