#pragma once
// CWhistDefend: the play engine of the defenders, and of a declaring hand for which the
// bridge table keeps no declarer engine. The table builds one for a single card, calls
// Analyse and ChooseCard, plays the card and drops the engine; it keeps no state between
// cards. It chooses the opening lead (by suit and by the lead tables of LeadRule), the later
// leads (reading partner's signals from the tricks), and the second-, third- and fourth-hand
// plays, and writes one explanation line for every card it chooses, except for the second-hand
// cards that need no comment: a low card under a higher card led, the cheapest winner over a
// lead dummy cannot beat, and a discard without a trump to ruff with. Every card it returns
// is one the hand holds and follows suit when the hand can.

#include "bridge/play/WhistBase.h"
#include "bridge/play/WhistHand.h"

class CWhistDefend : public CWhistBase {
public:
    // The base's arguments plus pDummy, dummy's hand as far as this seat sees it: dummy's
    // real hand once it is open, an empty pile while it is unseen. pDummy is not owned.
    CWhistDefend(int nSeat, int nDummy, int nTrumps, int nContractLevel, CCardPile* pHand,
                 CCardPile* pDummy, CPileGroup* pTricks, CTrick* pTrick, CAuction* pAuction,
                 CExplainWhistDlg* pExplain);
    ~CWhistDefend() override;

    // Fixes the own hand's and dummy's estimates exactly.
    void SetVisibleHands() override;
    // The opening lead before any trick is complete, a later lead after.
    CCard PlayLead() override;
    CCard PlaySecond() override;
    CCard PlayThird() override;
    CCard PlayFourth() override;

    // Leads. The suit choices return a suit the hand holds (-1 only for an empty hand).
    CCard ChooseOpeningLead();
    int ChooseNoTrumpLeadSuit() const;
    int ChooseSuitLeadSuit() const;
    // The card to lead from nSuit (held) by the lead tables, with its "Led - " line.
    CCard ChooseLeadCard(int nSuit);
    CCard ChooseLaterLead();
    int ChooseLaterLeadSuit() const;

    // Valuations used by the lead choices.
    // Walks nSuit's unplayed cards from the top while they are held: the quick tricks and
    // top cards of the suit.
    void CountQuickTricks(int nSuit);
    // Bit k set when the own hand holds position k (0..7) of nSuit's unplayed cards.
    int HeldMask(int nSuit) const;
    // Cards of pile from the ten up.
    static int CountHonours(const CCardPile& pile);
    // The attraction of leading nSuit against a suit contract; 0 for no attraction.
    int ScoreLeadSuit(int nSuit) const;
    // The better of two long suits of equal length for a no-trump lead.
    int CompareLongSuits(int nSuitA, int nSuitB) const;
    // Fills, per suit, whether partner's discards and follows asked for it or against it.
    void ReadPartnerSignals(bool encouraged[SUIT_COUNT], bool discouraged[SUIT_COUNT]) const;
    // Rounds until declarer's side is out of nSuit; -1 when this hand runs out first.
    int RoundsToExhaust(int nSuit) const;
    // The suit's top tricks last until declarer's side is out of it.
    bool CanRunSuit(int nSuit) const;
    // There are more quick tricks than rounds needed to run the suit.
    bool EnoughEntries(int nSuit) const;
    // A completed trick was led in nSuit by this side / by declarer's side.
    bool DefenceLedSuit(int nSuit) const;
    bool DeclarerSideLedSuit(int nSuit) const;
    // No trump is left outside this hand (always true against no trumps).
    bool TrumpsDrawn() const;

    // Ruffing tests by seat.
    bool PartnerMayRuff(int nSuit) const;
    bool DeclarerSideMayRuff(int nSuit) const;
    bool SeatMayRuff(int nSeat, int nSuit) const;

    // Small card choices shared by the plays; none writes a line.
    // The card to play low in nSuit (held): an encouraging card when the suit is worth it.
    CCard LowCard(int nSuit) const;
    CCard SignalCard(int nSuit) const;
    bool ShouldSignal(int nSuit) const;
    bool OpponentsMayHold(int nSuit) const;
    // A card of the suit the hand can best spare (the hand must not be empty).
    CCard ChooseDiscard() const;
    // The lowest trump that wins the current trick, or else a discard.
    CCard RuffOrDiscard() const;

    // Second hand.
    CCard SecondBeforeDummy();
    CCard SecondAfterDummy();
    CCard SecondHighBeforeDummy();
    CCard SecondHighAfterDummy();
    CCard SequenceAroundDummy(int nSuit);
    CCard SecondNotMaster();
    // The card to cover card with in nSuit (held), looking at the two best cards outside.
    CCard CoverCard(int nSuit, const CCard& card) const;
    CCard ForceWithSequence(int nSuit);
    // The lowest card of the own top run in suit, dummy's cards not breaking the run.
    CCard LowestOfTopSequence(int suit) const;
    bool OnlyMineAbove(const CCard& card) const;
    bool OnlyMineOrDummyAbove(const CCard& card) const;
    bool PartnerCannotBeat(const CCard& card) const;
    bool BeatenBefore(const CCard& card, const CCard& earlierWinner) const;

    // Third hand.
    CCard WinCheaply(int nSuit, const CCard& cardToBeat, bool bPartnerWinning);
    // The own card (ownPile not empty) that beats cardToBeat and still makes dummy pay.
    CCard LowestWinnerOverDummy(const CCard& cardToBeat, const CCardPile& dummyPile,
                                const CCardPile& ownPile) const;
    // The card with which the seat after this one may beat; the empty card when none.
    CCard NextOpponentBest(int nSuit) const;
    bool DeclarerMayBeat(const CCard& card) const;
    bool PartnerCardAsGood(const CCardPile& dummyPile, const CCard& partnerCard,
                           const CCard& ownCard) const;
    bool DummyCardBetween(const CCardPile& dummyPile, const CCard& lower, const CCard& upper) const;
    bool ShouldUnblock(const CCard& card) const;
    // Tricks the defence still needs to beat the contract.
    int TricksToDefeat() const;

private:
    int Partner() const { return PartnerSeat(m_nSeat); }
    int Declarer() const { return PartnerSeat(m_nDummy); }
    int PreviousSeat() const { return (m_nSeat + 3) & 3; }
    bool DummyIsNext() const { return NextSeat(m_nSeat) == m_nDummy; }
    bool IsSuitContract() const { return m_nTrumps != NO_TRUMPS; }
    int Length(int nSuit) const { return m_hand.lenSuit[nSuit]; }
    bool HoldsTrump() const { return IsSuitContract() && Length(m_nTrumps) > 0; }
    bool Holds(const CCard& card) const { return m_pHand->Contains(card); }
    bool DummyHolds(const CCard& card) const { return m_pDummy->Contains(card); }
    bool HeldByNeither(const CCard& card) const { return !Holds(card) && !DummyHolds(card); }
    // The own / dummy's highest card of nSuit, the empty card when void.
    CCard OwnTop(int nSuit) const;
    CCard DummyTop(int nSuit) const;
    // Dummy's top card of nSuit, else its top trump, else the empty card.
    CCard DummyBest(int nSuit) const;
    CCard Led() const { return m_pTrick->m_cards[0]; }
    int LedSuit() const { return Led().GetSuit(); }
    // The current trick's winning seat, its card in winningCard.
    int TrickWinner(CCard& winningCard) const;
    // The tie value that orders suits of equal attraction for a lead.
    int LeadTieValue(int nSuit) const;
    // The first four-card suit by the strength of its honours, -1 when none has any.
    int BestFourCardSuit() const;
    // Partner's bid suit that a no-trump lead goes to instead of nResult.
    int PartnerSuitForLead(int nResult) const;
    // The suit step 3 of the suit-contract choice takes from partner's bidding, or -1.
    int PartnerSuitAgainstTrumps(bool bTrumpControl, int nSingleton) const;
    int BestScoredLeadSuit() const;
    // The held suit of the highest valueOf(nSuit); on equal values a later suit wins unless
    // its LeadTieValue is lower. NO_SUIT when the hand is empty.
    template <typename ValueOf>
    int BestLeadSuitBy(ValueOf valueOf) const;
    int BestFlaggedLeadSuit() const;
    // The weighted lead reasons of nSuit for the opening lead and for a later one.
    int FirstLeadFlags(int nSuit) const;
    int LaterLeadFlags(int nSuit, const bool encouraged[SUIT_COUNT],
                       const bool discouraged[SUIT_COUNT]) const;
    // Whether the second hand plays high; writes the line of the reason when it does.
    bool SecondShouldPlayHigh(const CCard& target);
    bool SecondAfterShouldPlayHigh();
    // Third hand with partner winning and no card of the led suit.
    CCard ThirdVoid(int nWinner, const CCard& winningCard);
    CCard ThirdPartnerWinning(const CCard& winningCard);
    // Position of dummy's highest card of nSuit in the unplayed pile, -1 when it has none.
    int FindDummyTop(int nSuit) const;

    // Dummy's hand as passed in, not owned, and split by suit.
    CCardPile* m_pDummy;
    CWhistHand m_dummy;
};
