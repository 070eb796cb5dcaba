#pragma once
// CCardPile: the one container of cards. Hands, stocks, discard and building piles, tricks
// and every working set are piles; the same type builds, shuffles and deals the deck.

#include <iosfwd>
#include <vector>

#include "cardtable/Card.h"
#include "cardtable/CardGlobals.h"
#include "platform/base/geometry.h"

class CCardPainter;
class CPileGroup;

// Building rules, combined into the rule word; a rule word of 0 accepts any card.
enum {
    PILE_BUILD_UP = 1,   // one order above the effective top; 1 may follow 13
    PILE_BUILD_DOWN = 2, // one order below the effective top; 13 may follow 1
    PILE_SAME_VALUE = 4  // the same order as the effective top
};

// Draw flags.
enum {
    PILE_FACE_DOWN = 1,   // every card shows the back image
    PILE_TOP_FACE_UP = 2, // only the top card shows its face
    PILE_SHOW_EMPTY = 4,  // an empty pile shows the empty-place picture
    PILE_SHOW_SLOTS = 8   // with fewer cards than slots, every slot shows the empty place first
};

// Room reserved in every pile, so that dealing and moving cards rarely allocate.
constexpr int PILE_RESERVED_CARDS = 54;
// The most cards a pile ever holds (the patience race's stock of two decks and four wild
// cards); a pile read from text never takes more.
constexpr int PILE_MAX_CARDS = 108;
// LowestInSuit's answer for a suit the pile does not hold.
constexpr int NO_LOWEST_ORDER = 65535;

// An ordered pile of cards: m_cards[0] is the bottom card, the last one the top. Besides the
// list (which every game reads directly) a pile has building rules for CanPlace, a screen
// layout of visible slots from m_ptPosition in steps of m_sizeStep showing the topmost
// cards, a hit test and painting through a CCardPainter.
class CCardPile {
public:
    // Rules as in SetRules; nFirstOrder is the order that starts the empty pile (0 or less:
    // any card), nLastOrder the order that completes a pile without PILE_SAME_VALUE (0: none).
    explicit CCardPile(int nRules = 0, int nFirstOrder = 0, int nLastOrder = 0);
    CCardPile(const CCardPile& other);
    CCardPile& operator=(const CCardPile& other);
    virtual ~CCardPile();

    // The winning seat of the pile taken as a trick, its card into cardWinner; -1 for a
    // plain pile, which has no winner.
    virtual int GetWinner(CCard& cardWinner) const;
    // The seat that led the pile taken as a trick; -1 for a plain pile.
    virtual int GetLeader() const;

    int GetCount() const { return static_cast<int>(m_cards.size()); }

    // Card list operations.
    void AddCard(const CCard& card);
    void Clear();
    // Removes the top card; nothing on an empty pile.
    void RemoveTop();
    // Removes the card at nIndex; nIndex == count does nothing, nIndex must not exceed it.
    void RemoveAt(int nIndex);
    // Inserts before nIndex (0..count; count appends).
    void InsertAt(int nIndex, const CCard& card);
    // Removes the first card equal to card (suit and order); nothing when absent.
    void RemoveCard(const CCard& card);
    void RemoveCards(const CCardPile& pile);
    void RemoveGroupCards(const CPileGroup& group);
    // A copy of the top card, or the empty card.
    CCard Top() const;
    // The pile's card equal to card (its rank and points), or card itself when absent.
    CCard Find(const CCard& card) const;
    // A copy of this pile with the first card equal to card removed.
    CCardPile Without(const CCard& card) const;
    // Index of the first card equal to card, -1 when absent.
    int IndexOf(const CCard& card) const;
    bool Contains(const CCard& card) const { return IndexOf(card) >= 0; }
    int CountSuitOf(const CCard& card) const { return CountSuit(card.GetSuit()); }
    int CountSuit(int nSuit) const;
    // The length of the longest of the four suits; 0 for an empty pile.
    int LongestSuit() const;
    int CountOrder(int nOrder) const;
    // Appends copies of the cards of card's suit, in pile order, to dest; returns how many.
    int CopySuitOf(const CCard& card, CCardPile& dest) const { return CopySuit(card.GetSuit(), dest); }
    int CopySuit(int nSuit, CCardPile& dest) const;
    // The highest order in the suit, -1 when none.
    int HighestInSuit(int nSuit) const;
    // The lowest order in the suit, NO_LOWEST_ORDER when none.
    int LowestInSuit(int nSuit) const;
    int TotalPoints() const;
    // Adds nDelta to the order of every card of the suit (the trump raise of +13 and -13).
    void AdjustSuitOrder(int nSuit, int nDelta);

    // Appends copies of the top nCount cards (-1: all) to dest, topmost first.
    void CopyTopTo(int nCount, CCardPile& dest) const;
    // Moves the top nCount cards (-1: all) one at a time, topmost first, onto dest; stops
    // early when this pile runs empty.
    void MoveTopTo(int nCount, CCardPile& dest);
    // Each round gives the top card to each pile of the group in group order; nRounds -1
    // deals until empty. Dealing stops as soon as this pile is empty, even mid-round.
    void DealRounds(int nRounds, CPileGroup& group);

    // Replaces the cards with the 52-card Rummy deck: rank 1..13 outer, suit 0..3 inner,
    // order = rank, points = min(rank, 10).
    void BuildDeck();
    static int GetGameNumber();
    static void SetGameNumber(int nNumber);
    // Shuffles with the generator seeded by the game number, which then advances by one;
    // the first shuffle of the run takes the game number from the clock.
    void Shuffle();

    // Sorts for display: highest spade first, then spades down, hearts, clubs, diamonds.
    void Sort();
    // Appends copies of the four suits to the group's piles 0..3 in an order that starts
    // with nFirstSuit and alternates colours; a suit outside 0..3 does nothing. The group
    // must hold four piles.
    void SplitBySuit(int nFirstSuit, CPileGroup& group) const;

    // Stores the rule word (PILE_BUILD_UP | PILE_BUILD_DOWN | PILE_SAME_VALUE).
    void SetRules(int nRules);
    // Whether card may be placed on top under the building rules.
    bool CanPlace(const CCard& card) const;
    // The top card with wild cards (order 0) resolved; pIndex receives the index of the
    // card the wild cards stand on when the top is wild.
    CCard EffectiveTop(int* pIndex = nullptr) const;

    // Writes the count and a line end, then each card's numbers and a line end.
    void WriteText(std::ostream& os) const;
    // Reads a count and that many cards, appending them; the count is capped at
    // PILE_MAX_CARDS and a negative count appends nothing. When the stream fails after the
    // count, the cards still to come are appended as empty cards.
    void ReadText(std::istream& is);
    // Writes the ranks ("A", "2".."10", "J", "Q", "K") in pile order separated by blanks.
    void WriteRanks(std::ostream& os) const;
    // Writes one line per suit, spades, hearts, diamonds, clubs: "<spades>A K 2</spades>",
    // highest first; a missing suit gives its two tags side by side.
    void WriteXmlSuits(std::ostream& os) const;

    void SetPosition(const CPoint& ptPosition, const CSize& sizeStep);
    void SetLayout(const CPoint& ptPosition, const CSize& sizeStep, int nVisibleCount, int nDrawFlags);
    void SetVisibleCount(int nCount) { m_nVisibleCount = nCount; }
    int GetVisibleCount() const { return m_nVisibleCount; }
    void SetDrawFlags(int nFlags) { m_nDrawFlags = nFlags; }
    int GetDrawFlags() const { return m_nDrawFlags; }
    CPoint GetPosition() const { return m_ptPosition; }
    CSize GetStep() const { return m_sizeStep; }
    // The picture of a face-down card (IMG_BACK unless a game picks another back).
    void SetBackImage(int nImage) { m_nBackImage = nImage; }
    int GetBackImage() const { return m_nBackImage; }

    // Position of nSlot; a slot at or beyond the visible count is the last visible slot.
    CPoint GetSlotPosition(int nSlot) const;
    // The rectangle covering slot 0 and the last visible slot.
    CRect GetBoundingRect() const;
    // Without pIndex: whether pt lies in the bounding rectangle. With pIndex: whether pt lies
    // on a drawn card, the topmost one winning, whose index goes to *pIndex.
    bool HitTest(const CPoint& pt, int* pIndex = nullptr) const;
    // Clears the bounding rectangle to the table and draws the visible cards, bottom first.
    void Paint(CCardPainter& painter) const;
    // The picture to draw for the card at nIndex, honouring the face-down flags.
    int GetCardImage(int nIndex) const;

    // The cards, bottom first. Games read and index it directly.
    std::vector<CCard> m_cards;

protected:
    bool m_bBuildUp = false;
    bool m_bBuildDown = false;
    bool m_bSameValue = false;
    int m_nRules = 0;
    int m_nFirstOrder = 0;
    int m_nLastOrder = 0;
    int m_nBackImage = IMG_BACK;
    CPoint m_ptPosition;
    CSize m_sizeStep;
    int m_nVisibleCount = 0;
    int m_nDrawFlags = 0;

private:
    // Cards shown: the topmost ones when the pile holds more than its visible slots.
    int HiddenBelowSlots() const;
    // Paint's plain way: the whole bounding rectangle cleared, then the empty places (when
    // bShowSlots) and every visible card drawn whole, bottom first.
    void PaintEveryCard(CCardPainter& painter, bool bShowSlots) const;
    // For piles whose slots lie in one band (Paint): the rectangle of the first nSlots slots
    // (nSlots at least 1), and what shows of slot nSlot with pictures in the first nSlots.
    CRect SlotsRect(int nSlots) const;
    CRect ShownPartOfSlot(int nSlot, int nSlots) const;
    // The acceptance range of step 3 of CanPlace, for a wild card on top of a pile that
    // builds in a direction and also takes the same value.
    bool InWildRange(const CCard& card, const CCard& cardTop, int nIndex) const;
};
