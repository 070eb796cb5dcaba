#include "cardtable/CardPile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <istream>
#include <ostream>

#include "cardtable/CardPainter.h"
#include "cardtable/PileGroup.h"
#include "platform/base/assert.h"
#include "platform/base/random.h"

int g_nGameNumber = 0;
bool g_bSeeded = false;

namespace {

// The suits given to a group's piles 0..3 by SplitBySuit, by first suit: colours alternate.
const int s_splitOrder[SUIT_COUNT][SUIT_COUNT] = {
    {SUIT_CLUBS, SUIT_HEARTS, SUIT_SPADES, SUIT_DIAMONDS},
    {SUIT_DIAMONDS, SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS},
    {SUIT_HEARTS, SUIT_SPADES, SUIT_DIAMONDS, SUIT_CLUBS},
    {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS},
};

struct SXmlSuit {
    int nSuit;
    const char* szOpen;
    const char* szClose;
};

// The suit lines of the XML hand export, in their order.
const SXmlSuit s_xmlSuits[] = {
    {SUIT_SPADES, "<spades>", "</spades>"},
    {SUIT_HEARTS, "<hearts>", "</hearts>"},
    {SUIT_DIAMONDS, "<diamonds>", "</diamonds>"},
    {SUIT_CLUBS, "<clubs>", "</clubs>"},
};

// Orders run 1..13; a building pile wraps from one end to the other.
constexpr int ORDER_SPAN = 12;
// The Rummy deck counts court cards as ten.
constexpr int RUMMY_MAX_POINTS = 10;

bool IsWild(const CCard& card)
{
    return card.GetOrder() == 0;
}

// Whether the cards of a fan with this step lie in one band without gaps: they step along
// one axis (or not at all) by no more than a card, so each card covers the one below it
// across the band's whole width and what shows of a card is one rectangle.
bool IsBandStep(CSize sizeStep)
{
    return (sizeStep.cx == 0 || sizeStep.cy == 0) && std::abs(sizeStep.cx) <= g_sizeCard.cx &&
           std::abs(sizeStep.cy) <= g_sizeCard.cy;
}

// The part of rectWhole outside rectCover when rectCover spans rectWhole along one axis and
// reaches past one of its ends on the other (then that part is a rectangle, maybe empty);
// otherwise all of rectWhole.
CRect Uncovered(const CRect& rectWhole, const CRect& rectCover)
{
    if (rectCover.top <= rectWhole.top && rectCover.bottom >= rectWhole.bottom) {
        if (rectCover.left <= rectWhole.left)
            return CRect(std::max(rectCover.right, rectWhole.left), rectWhole.top, rectWhole.right, rectWhole.bottom);
        if (rectCover.right >= rectWhole.right)
            return CRect(rectWhole.left, rectWhole.top, std::min(rectCover.left, rectWhole.right), rectWhole.bottom);
    }
    if (rectCover.left <= rectWhole.left && rectCover.right >= rectWhole.right) {
        if (rectCover.top <= rectWhole.top)
            return CRect(rectWhole.left, std::max(rectCover.bottom, rectWhole.top), rectWhole.right, rectWhole.bottom);
        if (rectCover.bottom >= rectWhole.bottom)
            return CRect(rectWhole.left, rectWhole.top, rectWhole.right, std::min(rectCover.top, rectWhole.bottom));
    }
    return rectWhole;
}

} // namespace

CCardPile::CCardPile(int nRules, int nFirstOrder, int nLastOrder)
    : m_nFirstOrder(nFirstOrder), m_nLastOrder(nLastOrder)
{
    m_cards.reserve(PILE_RESERVED_CARDS);
    SetRules(nRules);
}

CCardPile::CCardPile(const CCardPile& other)
{
    m_cards.reserve(std::max<size_t>(PILE_RESERVED_CARDS, other.m_cards.size()));
    *this = other;
}

CCardPile& CCardPile::operator=(const CCardPile& other)
{
    if (this == &other)
        return *this;
    m_cards.assign(other.m_cards.begin(), other.m_cards.end());
    SetRules(other.m_nRules);
    m_nFirstOrder = other.m_nFirstOrder;
    m_nLastOrder = other.m_nLastOrder;
    m_nBackImage = other.m_nBackImage;
    m_ptPosition = other.m_ptPosition;
    m_sizeStep = other.m_sizeStep;
    m_nVisibleCount = other.m_nVisibleCount;
    m_nDrawFlags = other.m_nDrawFlags;
    return *this;
}

CCardPile::~CCardPile() = default;

int CCardPile::GetWinner(CCard&) const
{
    return -1;
}

int CCardPile::GetLeader() const
{
    return -1;
}

void CCardPile::AddCard(const CCard& card)
{
    m_cards.push_back(card);
}

void CCardPile::Clear()
{
    m_cards.clear();
}

void CCardPile::RemoveTop()
{
    if (!m_cards.empty())
        m_cards.pop_back();
}

void CCardPile::RemoveAt(int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex <= GetCount());
    if (nIndex >= 0 && nIndex < GetCount())
        m_cards.erase(m_cards.begin() + nIndex);
}

void CCardPile::InsertAt(int nIndex, const CCard& card)
{
    ASSERT(nIndex >= 0 && nIndex <= GetCount());
    if (nIndex >= 0 && nIndex <= GetCount())
        m_cards.insert(m_cards.begin() + nIndex, card);
}

void CCardPile::RemoveCard(const CCard& card)
{
    int nIndex = IndexOf(card);
    if (nIndex >= 0)
        m_cards.erase(m_cards.begin() + nIndex);
}

void CCardPile::RemoveCards(const CCardPile& pile)
{
    // A pile may be asked to remove its own cards; iterate over a copy then.
    const std::vector<CCard> cards = pile.m_cards;
    for (const CCard& card : cards)
        RemoveCard(card);
}

void CCardPile::RemoveGroupCards(const CPileGroup& group)
{
    for (const CCardPile* pPile : group.m_piles)
        RemoveCards(*pPile);
}

CCard CCardPile::Top() const
{
    return m_cards.empty() ? CCard() : m_cards.back();
}

CCard CCardPile::Find(const CCard& card) const
{
    int nIndex = IndexOf(card);
    return nIndex >= 0 ? m_cards[nIndex] : card;
}

CCardPile CCardPile::Without(const CCard& card) const
{
    CCardPile pile(*this);
    pile.RemoveCard(card);
    return pile;
}

int CCardPile::IndexOf(const CCard& card) const
{
    auto it = std::find(m_cards.begin(), m_cards.end(), card);
    return it == m_cards.end() ? -1 : static_cast<int>(it - m_cards.begin());
}

int CCardPile::CountSuit(int nSuit) const
{
    return static_cast<int>(std::count_if(m_cards.begin(), m_cards.end(),
                                          [nSuit](const CCard& c) { return c.GetSuit() == nSuit; }));
}

int CCardPile::LongestSuit() const
{
    int nLongest = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        nLongest = std::max(nLongest, CountSuit(nSuit));
    return nLongest;
}

int CCardPile::CountOrder(int nOrder) const
{
    return static_cast<int>(std::count_if(m_cards.begin(), m_cards.end(),
                                          [nOrder](const CCard& c) { return c.GetOrder() == nOrder; }));
}

int CCardPile::CopySuit(int nSuit, CCardPile& dest) const
{
    // dest may be this pile: count first, then append from the unchanged front part.
    const int nCount = GetCount();
    int nCopied = 0;
    for (int i = 0; i < nCount; ++i) {
        if (m_cards[i].GetSuit() == nSuit) {
            CCard card = m_cards[i];
            dest.AddCard(card);
            ++nCopied;
        }
    }
    return nCopied;
}

int CCardPile::HighestInSuit(int nSuit) const
{
    int nHighest = -1;
    for (const CCard& card : m_cards) {
        if (card.GetSuit() == nSuit)
            nHighest = std::max(nHighest, card.GetOrder());
    }
    return nHighest;
}

int CCardPile::LowestInSuit(int nSuit) const
{
    int nLowest = NO_LOWEST_ORDER;
    for (const CCard& card : m_cards) {
        if (card.GetSuit() == nSuit)
            nLowest = std::min(nLowest, card.GetOrder());
    }
    return nLowest;
}

int CCardPile::TotalPoints() const
{
    int nTotal = 0;
    for (const CCard& card : m_cards)
        nTotal += card.GetPoints();
    return nTotal;
}

void CCardPile::AdjustSuitOrder(int nSuit, int nDelta)
{
    for (CCard& card : m_cards) {
        if (card.GetSuit() == nSuit)
            card.SetOrder(card.GetOrder() + nDelta);
    }
}

void CCardPile::CopyTopTo(int nCount, CCardPile& dest) const
{
    const int nAvailable = GetCount();
    const int nCopy = (nCount < 0 || nCount > nAvailable) ? nAvailable : nCount;
    for (int i = 0; i < nCopy; ++i) {
        CCard card = m_cards[nAvailable - 1 - i];
        dest.AddCard(card);
    }
}

void CCardPile::MoveTopTo(int nCount, CCardPile& dest)
{
    for (int i = 0; (nCount < 0 || i < nCount) && !m_cards.empty(); ++i) {
        CCard card = m_cards.back();
        m_cards.pop_back();
        dest.AddCard(card);
    }
}

void CCardPile::DealRounds(int nRounds, CPileGroup& group)
{
    if (group.m_piles.empty())
        return;
    for (int nRound = 0; nRounds < 0 || nRound < nRounds; ++nRound) {
        for (CCardPile* pPile : group.m_piles) {
            if (m_cards.empty())
                return;
            CCard card = m_cards.back();
            m_cards.pop_back();
            pPile->AddCard(card);
        }
    }
}

void CCardPile::BuildDeck()
{
    m_cards.clear();
    for (int nRank = RANK_ACE; nRank <= RANK_KING; ++nRank) {
        for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
            m_cards.emplace_back(nRank, nSuit, nRank, std::min(nRank, RUMMY_MAX_POINTS));
    }
}

int CCardPile::GetGameNumber()
{
    return g_nGameNumber;
}

void CCardPile::SetGameNumber(int nNumber)
{
    g_nGameNumber = nNumber;
}

void CCardPile::Shuffle()
{
    if (!g_bSeeded) {
        g_nGameNumber = static_cast<int>(time(nullptr));
        if (g_nGameNumber == 0)
            g_nGameNumber = 1;
        g_bSeeded = true;
    }
    plat::srand(static_cast<unsigned int>(g_nGameNumber));
    // The number a person types may be the largest int; step on with wrap-around rather
    // than signed overflow.
    g_nGameNumber = static_cast<int>(static_cast<uint32_t>(g_nGameNumber) + 1u);

    // The working list holds the positions of the cards not yet drawn, in their original
    // order; a draw takes one out and closes the gap, exactly as taking a card out of a list
    // would, but moving small positions instead of cards. A pile of the usual size shuffles
    // in buffers on the stack.
    const size_t nCount = m_cards.size();
    CCard localCards[PILE_MAX_CARDS];
    uint32_t localOrder[PILE_MAX_CARDS];
    std::vector<CCard> largeCards;
    std::vector<uint32_t> largeOrder;
    CCard* pCards = localCards;
    uint32_t* pOrder = localOrder;
    if (nCount > PILE_MAX_CARDS) {
        largeCards.resize(nCount);
        largeOrder.resize(nCount);
        pCards = largeCards.data();
        pOrder = largeOrder.data();
    }
    std::copy(m_cards.begin(), m_cards.end(), pCards);
    for (size_t i = 0; i < nCount; ++i)
        pOrder[i] = static_cast<uint32_t>(i);

    for (size_t nPlaced = 0; nPlaced < nCount; ++nPlaced) {
        const unsigned int nLeft = static_cast<unsigned int>(nCount - nPlaced);
        const unsigned int nPick = static_cast<unsigned int>(plat::rand()) % nLeft;
        m_cards[nPlaced] = pCards[pOrder[nPick]];
        std::copy(pOrder + nPick + 1, pOrder + nLeft, pOrder + nPick);
    }
}

void CCardPile::Sort()
{
    std::stable_sort(m_cards.begin(), m_cards.end(), [](const CCard& a, const CCard& b) {
        return CompareCards(&a, &b) < 0;
    });
    std::reverse(m_cards.begin(), m_cards.end());
}

void CCardPile::SplitBySuit(int nFirstSuit, CPileGroup& group) const
{
    if (nFirstSuit < 0 || nFirstSuit >= SUIT_COUNT)
        return;
    ASSERT(group.GetCount() >= SUIT_COUNT);
    if (group.GetCount() < SUIT_COUNT)
        return;
    for (int nPile = 0; nPile < SUIT_COUNT; ++nPile)
        CopySuit(s_splitOrder[nFirstSuit][nPile], *group.m_piles[nPile]);
}

void CCardPile::SetRules(int nRules)
{
    m_nRules = nRules;
    m_bBuildUp = (nRules & PILE_BUILD_UP) != 0;
    m_bBuildDown = (nRules & PILE_BUILD_DOWN) != 0;
    m_bSameValue = (nRules & PILE_SAME_VALUE) != 0;
}

CCard CCardPile::EffectiveTop(int* pIndex) const
{
    const CCard cardTop = Top();
    if (!IsWild(cardTop))
        return cardTop;

    // The wild cards on top stand on the highest real card below them, or on the first
    // order when there is none.
    const int nCount = GetCount();
    int nIndex = nCount - 2;
    while (nIndex >= 0 && m_cards[nIndex].GetOrder() <= 0)
        --nIndex;
    CCard cardBase;
    if (nIndex >= 0) {
        cardBase = m_cards[nIndex];
    } else {
        cardBase = CCard(m_nFirstOrder, 0, m_nFirstOrder, 0);
        nIndex = 0;
    }
    if (pIndex)
        *pIndex = nIndex;

    // On a pile that builds one way, each wild card above the base is the next order.
    if (!IsWild(cardBase) && !m_bSameValue && m_bBuildUp != m_bBuildDown) {
        const int nSteps = nCount - 1 - nIndex;
        const int nOrder = m_bBuildUp ? cardBase.GetOrder() + nSteps : cardBase.GetOrder() - nSteps;
        return CCard(nOrder, 0, nOrder, 0);
    }
    return cardBase;
}

bool CCardPile::InWildRange(const CCard& card, const CCard& cardTop, int nIndex) const
{
    // Each wild card from the base to the top may stand for one step or for the same value,
    // and the new card may go one step further.
    const int nReach = GetCount() - nIndex;
    int nHigh = cardTop.GetOrder();
    int nLow = nHigh;
    if (m_bBuildUp) {
        nHigh += nReach;
        if (m_nLastOrder != 0 && nHigh > m_nLastOrder)
            nHigh = m_nLastOrder;
    }
    if (m_bBuildDown)
        nLow -= nReach;
    const int nOrder = card.GetOrder();
    return nOrder == 0 || (nLow <= nOrder && nOrder <= nHigh);
}

bool CCardPile::CanPlace(const CCard& card) const
{
    const int nOrder = card.GetOrder();
    if (m_nRules == 0)
        return true;
    if (m_cards.empty())
        return m_nFirstOrder <= 0 || nOrder == m_nFirstOrder || nOrder == 0;

    int nIndex = 0;
    bool bAccepted = false;
    CCard cardTop = Top();
    if (IsWild(cardTop)) {
        cardTop = EffectiveTop(&nIndex);
        if (m_bSameValue && (m_bBuildUp || m_bBuildDown))
            bAccepted = InWildRange(card, cardTop, nIndex);
    }
    cardTop = EffectiveTop(&nIndex);
    if (bAccepted)
        return true;

    const int nDiff = cardTop.GetOrder() - nOrder;
    // A complete pile takes nothing more, not even a wild card.
    if (cardTop.GetOrder() == m_nLastOrder && !m_bSameValue)
        return false;
    if (nOrder == 0)
        return true;
    if (nDiff == 0 && m_bSameValue)
        return true;
    if (m_bBuildDown && (nDiff == 1 || nDiff == -ORDER_SPAN))
        return true;
    if (m_bBuildUp && (nDiff == -1 || nDiff == ORDER_SPAN))
        return true;
    return false;
}

void CCardPile::WriteText(std::ostream& os) const
{
    os << GetCount() << '\n';
    for (const CCard& card : m_cards) {
        card.WriteNumbers(os);
        os << '\n';
    }
}

void CCardPile::ReadText(std::istream& is)
{
    int nCount = 0;
    if (!(is >> nCount))
        return;
    // The count comes from a file: never trust it beyond the largest pile there is.
    nCount = std::min(nCount, PILE_MAX_CARDS);
    for (int i = 0; i < nCount; ++i) {
        CCard card;
        card.ReadNumbers(is);
        m_cards.push_back(card);
    }
}

void CCardPile::WriteRanks(std::ostream& os) const
{
    for (size_t i = 0; i < m_cards.size(); ++i) {
        if (i > 0)
            os << ' ';
        m_cards[i].WriteRank(os);
    }
}

void CCardPile::WriteXmlSuits(std::ostream& os) const
{
    for (const SXmlSuit& suit : s_xmlSuits) {
        CCardPile pileSuit;
        CopySuit(suit.nSuit, pileSuit);
        pileSuit.Sort();
        os << suit.szOpen;
        pileSuit.WriteRanks(os);
        os << suit.szClose << '\n';
    }
}

void CCardPile::SetPosition(const CPoint& ptPosition, const CSize& sizeStep)
{
    m_ptPosition = ptPosition;
    m_sizeStep = sizeStep;
}

void CCardPile::SetLayout(const CPoint& ptPosition, const CSize& sizeStep, int nVisibleCount,
                          int nDrawFlags)
{
    SetPosition(ptPosition, sizeStep);
    m_nVisibleCount = nVisibleCount;
    m_nDrawFlags = nDrawFlags;
}

CPoint CCardPile::GetSlotPosition(int nSlot) const
{
    if (nSlot >= m_nVisibleCount)
        nSlot = m_nVisibleCount - 1;
    return CPoint(m_ptPosition.x + nSlot * m_sizeStep.cx, m_ptPosition.y + nSlot * m_sizeStep.cy);
}

CRect CCardPile::GetBoundingRect() const
{
    const CPoint ptFirst = m_ptPosition;
    const CPoint ptLast = GetSlotPosition(m_nVisibleCount - 1);
    return CRect(std::min(ptFirst.x, ptLast.x), std::min(ptFirst.y, ptLast.y),
                 std::max(ptFirst.x, ptLast.x) + g_sizeCard.cx,
                 std::max(ptFirst.y, ptLast.y) + g_sizeCard.cy);
}

int CCardPile::HiddenBelowSlots() const
{
    return GetCount() > m_nVisibleCount ? GetCount() - m_nVisibleCount : 0;
}

bool CCardPile::HitTest(const CPoint& pt, int* pIndex) const
{
    if (!pIndex)
        return GetBoundingRect().PtInRect(pt);
    if (m_cards.empty())
        return false;
    const int nSkip = HiddenBelowSlots();
    // The topmost drawn card wins where cards overlap.
    for (int nSlot = m_nVisibleCount - 1; nSlot >= 0; --nSlot) {
        if (nSlot + nSkip >= GetCount())
            continue;
        if (CRect(GetSlotPosition(nSlot), g_sizeCard).PtInRect(pt)) {
            *pIndex = nSlot + nSkip;
            return true;
        }
    }
    return false;
}

void CCardPile::Paint(CCardPainter& painter) const
{
    const bool bShowSlots = GetCount() < m_nVisibleCount && (m_nDrawFlags & PILE_SHOW_SLOTS);
    if (m_cards.empty() || !painter.HasPictures() || !IsBandStep(m_sizeStep)) {
        PaintEveryCard(painter, bShowSlots);
        return;
    }
    // A pile is painted often (every card played redraws two), so each pixel is written
    // once: the table only where no picture lies, of each empty place only what the next
    // place and the cards leave showing, of each card only what the next card leaves
    // showing. The picture is the same as PaintEveryCard's.
    const int nSkip = HiddenBelowSlots();
    const int nCardSlots = std::min(m_nVisibleCount, GetCount());
    const int nPictureSlots = bShowSlots ? m_nVisibleCount : nCardSlots;
    const CRect rectTable = Uncovered(GetBoundingRect(), SlotsRect(nPictureSlots));
    if (!rectTable.IsRectEmpty())
        painter.FillBackground(rectTable);
    const CRect rectCards = SlotsRect(nCardSlots);
    // An empty place under a card is hidden by it whole.
    for (int nSlot = nCardSlots; nSlot < nPictureSlots; ++nSlot) {
        const CRect rectShown = Uncovered(ShownPartOfSlot(nSlot, nPictureSlots), rectCards);
        if (!rectShown.IsRectEmpty())
            painter.DrawCardPart(IMG_EMPTY, GetSlotPosition(nSlot), rectShown);
    }
    for (int nSlot = 0; nSlot < nCardSlots; ++nSlot) {
        const CRect rectShown = ShownPartOfSlot(nSlot, nCardSlots);
        if (!rectShown.IsRectEmpty())
            painter.DrawCardPart(GetCardImage(nSlot + nSkip), GetSlotPosition(nSlot), rectShown);
    }
}

CRect CCardPile::SlotsRect(int nSlots) const
{
    const CRect rectFirst(GetSlotPosition(0), g_sizeCard);
    const CRect rectLast(GetSlotPosition(nSlots - 1), g_sizeCard);
    CRect rectSlots;
    rectSlots.UnionRect(&rectFirst, &rectLast);
    return rectSlots;
}

CRect CCardPile::ShownPartOfSlot(int nSlot, int nSlots) const
{
    const CRect rectSlot(GetSlotPosition(nSlot), g_sizeCard);
    if (nSlot + 1 >= nSlots)
        return rectSlot;
    return Uncovered(rectSlot, CRect(GetSlotPosition(nSlot + 1), g_sizeCard));
}

void CCardPile::PaintEveryCard(CCardPainter& painter, bool bShowSlots) const
{
    painter.FillBackground(GetBoundingRect());
    if (bShowSlots) {
        for (int nSlot = 0; nSlot < m_nVisibleCount; ++nSlot)
            painter.DrawCard(IMG_EMPTY, GetSlotPosition(nSlot));
    }
    if (m_cards.empty()) {
        if (m_nDrawFlags & PILE_SHOW_EMPTY)
            painter.DrawCard(IMG_EMPTY, m_ptPosition);
        return;
    }
    const int nSkip = HiddenBelowSlots();
    for (int nSlot = 0; nSlot < m_nVisibleCount && nSlot + nSkip < GetCount(); ++nSlot)
        painter.DrawCard(GetCardImage(nSlot + nSkip), GetSlotPosition(nSlot));
}

int CCardPile::GetCardImage(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetCount());
    if (nIndex < 0 || nIndex >= GetCount())
        return IMG_EMPTY;
    if (m_nDrawFlags & PILE_FACE_DOWN)
        return m_nBackImage;
    if ((m_nDrawFlags & PILE_TOP_FACE_UP) && nIndex != GetCount() - 1)
        return m_nBackImage;
    return m_cards[nIndex].GetImageIndex();
}
