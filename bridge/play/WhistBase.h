#pragma once
// CWhistBase: the abstract play engine. It holds what every engine knows of the deal: the
// seat to play, dummy's seat, trumps and contract level, the engine's own hand by suit, the
// completed and the current trick, the cards of each suit not yet in a completed trick, and
// per seat a CHandEstimate bounding what that seat can still hold.
//
// The bridge table builds an engine for the position at hand, calls Analyse once and then
// ChooseCard, which asks the engine's PlayLead .. PlayFourth by the size of the current trick.
// An engine only reads the hands, tricks and auction it is given; it never changes them.
// Cards of the trump suit carry orders raised by TRUMP_BONUS everywhere in here, as they do
// in the hands and tricks during play.

#include "bridge/play/HandEstimate.h"
#include "bridge/play/PlayConstants.h"
#include "bridge/play/Trick.h"
#include "bridge/play/WhistHand.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "platform/base/CString.h"

class CAuction;
class CExplainWhistDlg;

class CWhistBase {
public:
    // nSeat plays pHand; nContractLevel counts from 0 (one-level). pTricks holds the completed
    // tricks (each a CTrick), pTrick the current one. pAuction is null for a deal played
    // without an auction, pExplain null when no explanation window is attached. None of the
    // pointers is owned.
    CWhistBase(int nSeat, int nDummy, int nTrumps, int nContractLevel, CCardPile* pHand,
               CPileGroup* pTricks, CTrick* pTrick, CAuction* pAuction, CExplainWhistDlg* pExplain);
    virtual ~CWhistBase();
    CWhistBase(const CWhistBase&) = delete;
    CWhistBase& operator=(const CWhistBase&) = delete;

    // Narrows the four estimates from the auction, the tricks and the visible hands to a
    // fixed point. Call it once, after construction.
    void Analyse();
    // The card to play: PlayLead .. PlayFourth by the cards already in the current trick;
    // the empty card when the trick is complete.
    CCard ChooseCard();

    // Fixes the estimates of the hands this engine sees (SetKnownHand).
    virtual void SetVisibleHands() = 0;
    // The card to play in each position of the trick.
    virtual CCard PlayLead() = 0;
    virtual CCard PlaySecond() = 0;
    virtual CCard PlayThird() = 0;
    virtual CCard PlayFourth() = 0;

    // Hands one line to the explanation window, when there is one.
    void Explain(const CString& strText);
    // Where the lines go from now on (null: nowhere). An engine kept from card to card is
    // told when its window closes or is made anew, so that it never writes to a window that
    // is gone.
    void SetExplainWindow(CExplainWhistDlg* pExplain) { m_pExplain = pExplain; }
    // Stores in m_nTricksWon the completed tricks won by the engine's side.
    void CountTricksWon();
    // Appends to m_unplayed a pile of nSuit's cards in no completed trick, highest first.
    void BuildUnplayedSuit(int nSuit);

    // Whether nSeat is shown to hold no card of nSuit: by a trick led in the suit that it did
    // not follow, or by its estimate's maximum length of 0.
    bool IsKnownVoid(int nSeat, int nSuit) const;
    // The own hand's lowest and highest card of nSuit. Callers ask only for suits the hand
    // holds; an empty suit gives the empty card rather than reading past the pile.
    CCard LowestInSuit(int nSuit) const;
    CCard HighestInSuit(int nSuit) const;
    // The lowest card of pile (highest first, not empty) that beats cardToBeat by order, or
    // pile's lowest card when none does.
    CCard LowestWinner(const CCard& cardToBeat, const CCardPile& pile) const;

    int TotalQuickTricks() const;
    int TotalWinners() const;
    int TotalLosers() const;

    // From the auction's summaries; both false without an auction.
    bool HasBidSuit(int nSuit, int nSeat) const;
    bool HasOvercalled(int nSeat) const;

    // Tests of a holding (pile) in nSuit against the suit's unplayed cards. "Top" means
    // the first five unplayed cards.
    // Gaps between held top cards, counted while the run of held cards is one long.
    int CountHoldingGaps(const CCardPile& pile, int nSuit) const;
    // The run of held unplayed cards starting at the first held top card; 0 when none.
    int TopSequenceLength(const CCardPile& pile, int nSuit) const;
    // Held, held, missing, held from the first held top card (as K Q 10).
    bool HasNearSequence(const CCardPile& pile, int nSuit) const;
    // Held, missing, held, held from the first held top card (as K J 10).
    bool HasInteriorSequence(const CCardPile& pile, int nSuit) const;
    // How many of the top cards are held.
    int CountTopCards(const CCardPile& pile, int nSuit) const;

    // Whether pile can ruff nSuit: void in it and holding a trump.
    bool CanRuff(const CCardPile& pile, int nSuit) const;
    // Whether nSeat may ruff nSuit as far as the tricks and its estimate show.
    bool MayRuff(int nSeat, int nSuit) const;
    // Fixes nSeat's estimate to the exact points and suit lengths of pile.
    void SetKnownHand(int nSeat, const CCardPile& pile);

    const CHandEstimate& GetEstimate(int nSeat) const { return m_estimates[nSeat]; }
    // nSuit's cards in no completed trick, highest first (the current trick's included).
    const CCardPile& Unplayed(int nSuit) const { return *m_unplayed.GetAt(nSuit); }
    int GetTricksWon() const { return m_nTricksWon; }

protected:
    int m_nSeat;
    int m_nDummy;
    int m_nTrumps;
    int m_nContractLevel;
    int m_nTricksWon;
    CTrick* m_pTrick;
    CPileGroup* m_pTricks;
    // Per suit, the cards in no completed trick, highest first; the piles are owned.
    CPileGroup m_unplayed;
    int m_quickTricks[SUIT_COUNT];
    int m_winners[SUIT_COUNT];
    int m_losers[SUIT_COUNT];
    CExplainWhistDlg* m_pExplain;
    CWhistHand m_hand;
    CCardPile* m_pHand;
    CAuction* m_pAuction;
    CHandEstimate m_estimates[SEAT_COUNT];

private:
    // Analyse, step 1: the auction's least lengths and point ranges.
    void ApplyAuction();
    // Analyse, steps 2 and 3: every card of trick, the first played by nFirstSeat.
    void ReplayTrick(const CCardPile& trick, int nFirstSeat);
    // Analyse, step 6b for one suit with nOutstanding cards still in the hands; true when
    // any bound changed.
    bool BalanceSuit(int nSuit, int nOutstanding);
    // Whether the card of nSeat in trick (first card played by nFirstSeat), led in nSuit,
    // is of another suit.
    static bool DidNotFollow(const CCardPile& trick, int nFirstSeat, int nSeat, int nSuit);
    // Index in the unplayed pile of nSuit of the first held card among the top cards, -1.
    int FirstHeldTopCard(const CCardPile& pile, int nSuit) const;
    // Whether pile holds the unplayed card of nSuit at nIndex (false past the end).
    bool HoldsUnplayed(const CCardPile& pile, int nSuit, int nIndex) const;
};
