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

int CVarrowSearch::OrderOf(const CCard& card)
{
    const int nOrder = card.GetOrder();
    ASSERT(nOrder >= 0 && nOrder < ORDER_VALUES);
    return nOrder >= 0 && nOrder < ORDER_VALUES ? nOrder : ORDER_NONE;
}

void CVarrowSearch::Load(const CMoveList& moves, const SPiles& piles, int nBestScore)
{
    m_piles = piles;
    m_nKey = 0;
    std::fill(std::begin(m_nLeft), std::end(m_nLeft), 0);
    LoadCentre();
    LoadHand();
    LoadDiscards();

    // An empty pay-off pile has ended the game already; its empty top must not pass for a
    // wild card.
    m_bPayoff = piles.pPayoff->GetCount() > 0;
    m_nPayoffOrder = m_bPayoff ? OrderOf(piles.pPayoff->Top()) : ORDER_NONE;
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

void CVarrowSearch::LoadCentre()
{
    ASSERT(m_piles.nCentrePiles <= MAX_CENTRE_PILES);
    m_piles.nCentrePiles = std::min(m_piles.nCentrePiles, MAX_CENTRE_PILES);
    std::fill(std::begin(m_nPilesAt), std::end(m_nPilesAt), 0u);
    std::fill(std::begin(m_nPileCount), std::end(m_nPileCount), 0);
    for (int c = 0; c < m_piles.nCentrePiles; c++) {
        const CCardPile& pile = *m_piles.pCentre->GetAt(c);
        const int nTop = pile.GetCount() > 0 ? pile.EffectiveTop().GetOrder() : 0;
        ASSERT(nTop >= 0 && nTop <= CENTRE_COMPLETE_ORDER);
        m_nCentreTop[c] = std::clamp(nTop, 0, CENTRE_COMPLETE_ORDER);
        m_nPilesAt[m_nCentreTop[c]] |= 1u << c;
        m_nPileCount[m_nCentreTop[c]]++;
    }
    for (int nTop = 0; nTop < ORDER_VALUES; nTop++)
        m_nKey ^= m_nCentreKeys[nTop][m_nPileCount[nTop]];
}

void CVarrowSearch::LoadHand()
{
    const CCardPile& hand = *m_piles.pHand;
    ASSERT(hand.GetCount() <= MAX_HAND);
    m_nHandCount = std::min(hand.GetCount(), MAX_HAND);
    m_nHandLeft = m_nHandCount;
    for (int i = 0; i < m_nHandCount; i++) {
        m_nHandOrder[i] = OrderOf(hand.m_cards[i]);
        m_nHandScore[i] = MoveScore(hand.m_cards[i], MOVE_FROM_HAND);
        m_bInHand[i] = true;
        m_nLeft[m_nHandOrder[i]]++;
    }
}

void CVarrowSearch::LoadDiscards()
{
    ASSERT(m_piles.pDiscards->GetCount() <= MAX_DISCARD_PILES);
    m_nDiscardPiles = std::min(m_piles.pDiscards->GetCount(), MAX_DISCARD_PILES);
    for (int p = 0; p < m_nDiscardPiles; p++) {
        const CCardPile& pile = *m_piles.pDiscards->GetAt(p);
        ASSERT(pile.GetCount() <= PILE_MAX_CARDS);
        m_nDiscardCount[p] = std::min(pile.GetCount(), PILE_MAX_CARDS);
        for (int i = 0; i < m_nDiscardCount[p]; i++) {
            m_nDiscardOrder[p][i] = OrderOf(pile.m_cards[i]);
            m_nDiscardScore[p][i] = MoveScore(pile.m_cards[i], MOVE_FROM_DISCARD);
            m_nLeft[m_nDiscardOrder[p][i]]++;
        }
        m_nKey ^= m_nDiscardKeys[p][m_nDiscardCount[p]];
    }
}

void CVarrowSearch::Visit()
{
    if (m_nVisited >= MAX_POSITIONS) {
        m_bStopped = true;
        return;
    }
    m_nVisited++;
    // Where the pay-off card fits, nothing else is worth looking at.
    if (m_bPayoff) {
        const uint32_t nAccepting = AcceptingPiles(m_nPayoffOrder);
        if (nAccepting != 0) {
            TryPayoff(LowestPile(nAccepting));
            return;
        }
    }
    // A position without a move is not worth a place in the table.
    if (!HasMove() || !m_table.Insert(m_nKey) || !CanImprove())
        return;

    // Each card value of the hand once, then each discard top.
    bool bTried[ORDER_SLOTS] = {};
    for (int i = 0; i < m_nHandCount && !m_bStopped; i++) {
        const int nValue = m_nHandOrder[i];
        if (!m_bInHand[i] || bTried[nValue])
            continue;
        bTried[nValue] = true;
        for (uint32_t nPiles = TargetPiles(m_nHandOrder[i]); nPiles != 0 && !m_bStopped; nPiles &= nPiles - 1)
            TryHandCard(i, LowestPile(nPiles));
    }
    for (int p = 0; p < m_nDiscardPiles && !m_bStopped; p++) {
        if (m_nDiscardCount[p] == 0)
            continue;
        const int nOrder = m_nDiscardOrder[p][m_nDiscardCount[p] - 1];
        for (uint32_t nPiles = TargetPiles(nOrder); nPiles != 0 && !m_bStopped; nPiles &= nPiles - 1)
            TryDiscard(p, LowestPile(nPiles));
    }
}

bool CVarrowSearch::HasMove() const
{
    if (m_nHandLeft == 0)
        return false;
    for (int i = 0; i < m_nHandCount; i++) {
        if (m_bInHand[i] && AcceptingPiles(m_nHandOrder[i]) != 0)
            return true;
    }
    for (int p = 0; p < m_nDiscardPiles; p++) {
        if (m_nDiscardCount[p] > 0 && AcceptingPiles(m_nDiscardOrder[p][m_nDiscardCount[p] - 1]) != 0)
            return true;
    }
    return false;
}

uint32_t CVarrowSearch::TargetPiles(int nOrder) const
{
    // A plain card goes on the first centre pile that takes it.
    const uint32_t nAccepting = AcceptingPiles(nOrder);
    if (!IsWildOrder(nOrder))
        return nAccepting & (~nAccepting + 1);
    // A wild card goes on every one; but on a pile whose top stands for the same order as an
    // earlier one's it makes the same position but for the order of the piles, met already,
    // so only the first pile of each top is tried.
    uint32_t nTargets = 0;
    for (int nTop = 0; nTop < CENTRE_COMPLETE_ORDER; nTop++)
        nTargets |= m_nPilesAt[nTop] & (~m_nPilesAt[nTop] + 1);
    return nTargets;
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

void CVarrowSearch::FindReachable(bool bReachable[], int nNearestBelow[]) const
{
    // A value can still reach a centre pile only when some pile lies below it and the values
    // between of which no card is left are no more than the wild cards left; the nearest
    // such pile below it needs fewest moves. As cards go, no value that cannot be reached
    // becomes reachable.
    int nValuesMissing[ORDER_VALUES] = {};
    const uint32_t nInPlay = (1u << m_piles.nCentrePiles) - 1;
    bReachable[0] = (nInPlay & ~m_nPilesAt[CENTRE_COMPLETE_ORDER]) != 0;
    nNearestBelow[0] = -1;
    bReachable[ORDER_NONE] = false;
    nNearestBelow[ORDER_NONE] = -1;
    int nNearest = -1;
    for (int nOrder = 1; nOrder < ORDER_VALUES; nOrder++) {
        nValuesMissing[nOrder] = nValuesMissing[nOrder - 1] + (m_nLeft[nOrder] == 0 ? 1 : 0);
        if (m_nPilesAt[nOrder - 1] != 0)
            nNearest = nOrder - 1;
        nNearestBelow[nOrder] = nNearest;
        bReachable[nOrder] =
            nNearest >= 0 && nValuesMissing[nOrder - 1] - nValuesMissing[nNearest] <= m_nLeft[0];
    }
}

bool CVarrowSearch::CanImprove() const
{
    bool bReachable[ORDER_SLOTS];
    int nNearestBelow[ORDER_SLOTS];
    FindReachable(bReachable, nNearestBelow);

    // What the cards can add at most: every hand card that can still go, every discard card
    // down to the first that cannot.
    SGains hand;
    SGains discards;
    for (int i = 0; i < m_nHandCount; i++) {
        if (m_bInHand[i] && bReachable[m_nHandOrder[i]])
            hand.Add(m_nHandScore[i]);
    }
    for (int p = 0; p < m_nDiscardPiles; p++) {
        for (int i = m_nDiscardCount[p] - 1; i >= 0 && bReachable[m_nDiscardOrder[p][i]]; i--)
            discards.Add(m_nDiscardScore[p][i]);
    }
    int nBound = hand.nTotal + discards.nTotal;

    // A sequence that ends on the pay-off card: the best cards for the moves before it, and
    // the bonus of its length; it needs at least the moves that lift the nearest pile below
    // the pay-off card to it. Between the points where the cards' worth changes, the bonus
    // falls convexly, so the most lies at one of those points.
    if (m_bPayoff && bReachable[m_nPayoffOrder]) {
        const int nLeast = IsWildOrder(m_nPayoffOrder) ? 0 : m_nPayoffOrder - 1 - nNearestBelow[m_nPayoffOrder];
        const SGains& first = hand.nEach >= discards.nEach ? hand : discards;
        const SGains& second = hand.nEach >= discards.nEach ? discards : hand;
        const int nBefore = m_nPrefixCount + m_nDepth + 1;
        for (int nMoves : {nLeast, first.nCount, first.nCount + second.nCount}) {
            if (nMoves < nLeast)
                continue;
            const int nCards = std::min(nMoves, first.nCount) * first.nEach +
                               std::clamp(nMoves - first.nCount, 0, second.nCount) * second.nEach;
            const int nLength = nBefore + nMoves;
            const int nBonus = (CMoveList::PAYOFF_SEQUENCE_BONUS + nLength - 1) / nLength;
            nBound = std::max(nBound, nCards + std::max(0, m_nPayoffScore) + nBonus);
        }
    }
    return m_nScore + nBound > m_nBestScore;
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
    m_nLeft[m_nHandOrder[nCard]]--;
    m_nKey ^= m_nHandKeys[nCard];
    PlaceOnCentre(nCentre);
    Visit();
    TakeFromCentre(nCentre);
    m_nKey ^= m_nHandKeys[nCard];
    m_nLeft[m_nHandOrder[nCard]]++;
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
    m_nLeft[m_nDiscardOrder[nPile][nCount - 1]]--;
    m_nKey ^= m_nDiscardKeys[nPile][nCount] ^ m_nDiscardKeys[nPile][nCount - 1];
    PlaceOnCentre(nCentre);
    Visit();
    TakeFromCentre(nCentre);
    m_nKey ^= m_nDiscardKeys[nPile][nCount] ^ m_nDiscardKeys[nPile][nCount - 1];
    m_nLeft[m_nDiscardOrder[nPile][nCount - 1]]++;
    m_nDiscardCount[nPile] = nCount;

    Pop(nScore);
}

void CVarrowSearch::PlaceOnCentre(int nCentre)
{
    // A plain card is the next value, and a wild card stands for it.
    MovePileTop(nCentre, m_nCentreTop[nCentre] + 1);
}

void CVarrowSearch::TakeFromCentre(int nCentre)
{
    MovePileTop(nCentre, m_nCentreTop[nCentre] - 1);
}

void CVarrowSearch::MovePileTop(int nCentre, int nTop)
{
    const int nFrom = m_nCentreTop[nCentre];
    const uint32_t nBit = 1u << nCentre;
    m_nKey ^= m_nCentreKeys[nFrom][m_nPileCount[nFrom]] ^ m_nCentreKeys[nTop][m_nPileCount[nTop]];
    m_nPilesAt[nFrom] &= ~nBit;
    m_nPilesAt[nTop] |= nBit;
    m_nPileCount[nFrom]--;
    m_nPileCount[nTop]++;
    m_nKey ^= m_nCentreKeys[nFrom][m_nPileCount[nFrom]] ^ m_nCentreKeys[nTop][m_nPileCount[nTop]];
    m_nCentreTop[nCentre] = nTop;
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
