#pragma once
// CHand: the evaluation of one bridge hand for the computer bidder.

#include <memory>

#include "cardtable/CardPile.h"

// Splits a 13-card bridge hand once into four suit piles (index = suit, each sorted with the
// highest card at index 0) and answers the bidder's questions about shape, strength,
// stoppers, controls and tricks. It knows nothing of the auction: thresholds that depend on
// the bidding system are passed in by the caller.
//
// Cards carry the bridge deck's plain orders (two 1 .. ace 13; trumps never raised while a
// hand is evaluated) and points (ace 4, king 3, queen 2, jack 1). Suit arguments are 0..3
// unless a function says otherwise. A hand built without cards evaluates as four voids.
class CHand {
public:
    // Orders of the honours in the bridge deck.
    static constexpr int ORDER_JACK = 10;
    static constexpr int ORDER_QUEEN = 11;
    static constexpr int ORDER_KING = 12;
    static constexpr int ORDER_ACE = 13;

    // Evaluates pHand, which may be null (a hand without cards).
    explicit CHand(const CCardPile* pHand = nullptr);
    ~CHand();
    CHand(const CHand&) = delete;
    CHand& operator=(const CHand&) = delete;

    // Rebuilds the suit piles and every total from pHand; null leaves no suit piles and 0
    // points. The input pile is only read.
    void Evaluate(const CCardPile* pHand);
    // Frees the previous suit piles and evaluates pHand afresh.
    void SetCards(const CCardPile* pHand);

    // The longest suit; of equally long suits the higher one.
    int GetLongestSuit() const { return m_nLongestSuit; }
    int GetLongestLength() const { return m_nLongestLength; }
    // Biddable suits of five or more cards.
    int GetLongBiddableCount() const { return m_nLongBiddable; }
    // Biddable suits of exactly four cards.
    int GetFourBiddableCount() const { return m_nFourBiddable; }
    int GetAces() const { return m_nAces; }
    int GetKings() const { return m_nKings; }
    // Cards in the suit; 0 for a suit outside 0..3 (so no trump has length 0).
    int GetSuitLength(int nSuit) const;
    // High-card points of the suit; the whole hand's for a suit outside 0..3.
    int GetSuitPoints(int nSuit) const;
    // Cards of the suit whose order is nLowestOrder or higher.
    int CountCardsFrom(int nSuit, int nLowestOrder) const;

    // 4-3-3-3 or 4-4-3-2 only.
    bool IsBalanced() const;
    // Decided by the top card: ace; king with 2 cards; queen with 3; jack with 4. Not a void.
    bool HasStopper(int nSuit) const;
    // Balanced with stoppers in at least three suits.
    bool IsBalancedWithStoppers() const;
    // A void or the ace.
    bool HasFirstRoundControl(int nSuit) const;
    int CountFirstRoundControls() const;
    // A void, a singleton, or the king as the top or the second card.
    bool HasSecondRoundControl(int nSuit) const;
    bool ControlsAllSuits() const;
    // First-round control in some suit other than nTrump.
    bool HasSideFirstRoundControl(int nTrump) const;
    bool HasVoid() const;
    // Honour tricks: AK 2, AQ 1.5, A 1, KQ 1, Kx 0.5 per suit.
    double QuickTricks() const;
    // Tricks the hand takes playing each suit out against a modelled opposing holding.
    int PlayingTricks() const;
    // At least 3 cards holding more than 2 high-card points.
    bool IsGoodSuit(int nSuit) const;
    bool HasGoodMinor() const;
    // Five or more cards, or four headed by the queen or better.
    bool IsBiddable(int nSuit) const;
    // At least nExtra + 4 cards (5 when nExtra is below 1) headed by the jack or better.
    bool IsLongSuit(int nSuit, int nExtra) const;
    // Four or more cards, or three holding the jack or better.
    bool IsSupportSuit(int nSuit) const;
    // Six or more cards with at least three of the jack or better.
    bool IsStrongLongSuit(int nSuit) const;
    // Six cards headed by AKQJ or seven or more headed by AKQ; false for a negative suit.
    bool IsSolidSuit(int nSuit) const;
    // At least nMinLength cards holding every order from the ace down to nLowestOrder.
    bool HasTopSequence(int nSuit, int nMinLength, int nLowestOrder) const;
    // The longest biddable suit, the higher one on equal lengths; -1 when none.
    int GetBestBiddableSuit() const;
    // A six-card long suit, or two five-card long suits the opening can show in turn.
    bool HasRebid() const;
    // The minor (0 clubs, 1 diamonds) to open on a balanced hand.
    int ChooseMinor() const;
    // High-card points plus one for every card beyond four in a suit; nSuit is not read.
    int DistributionPoints(int nSuit) const;
    // High-card points, long trumps and shortness (capped by the trumps held); a trump
    // outside 0..3 gives the bare high-card points.
    int SupportPoints(int nTrump) const;
    // The points that count towards a slam: the same as SupportPoints.
    int FitPoints(int nTrump) const { return SupportPoints(nTrump); }
    // Whether the hand is worth a strong two opening; nPointsThreshold is the lowest point
    // count of the strong two-club opening.
    bool IsTwoOpener(int nPointsThreshold) const;
    // A void or a side suit without ace or king, together with a side first-round control.
    bool CanCueBid(int nTrump) const;

private:
    // The suit pile, empty in a hand without cards.
    const CCardPile& Suit(int nSuit) const;
    // Order of the card at nIndex of the suit (0 the highest); 0 when the suit is shorter.
    int OrderAt(int nSuit, int nIndex) const;
    bool Holds(int nSuit, int nOrder) const;
    int SuitPlayingTricks(int nSuit) const;
    void FreeSuits();

    // The cards of each suit, highest first; null in a hand built without cards.
    std::unique_ptr<CCardPile> m_pSuits[SUIT_COUNT];
    int m_nPoints = 0;
    int m_nLongBiddable = 0;
    int m_nFourBiddable = 0;
    int m_nLongestLength = 0;
    int m_nLongestSuit = 0;
    int m_nAces = 0;
    int m_nKings = 0;
};
