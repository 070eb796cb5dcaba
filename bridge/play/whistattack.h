#pragma once
// CWhistAttack: the play engine of the declaring side. It plays for declarer and for dummy
// and sees both of the side's hands: the own hand (m_nSeat, m_hand) and the partner's
// (m_pPartner, m_partnerHand). Construction analyses every suit of the pair against the
// opponents' cards (quick tricks, winners, losers, top cards, the long hand); the lead then
// scores the suits in cash or extra-tricks mode and matches the holdings against the finesse
// tables, and the later plays follow the late-hand rule. Every card comes with one
// explanation line: "1st, " for a lead, then "2nd", "3rd" or "4th".
//
// The bridge table builds the engine when a declaring hand plays first or second to a trick,
// and asks the same engine, without a new analysis, for the declaring side's other card of
// that trick. So PlayLead and PlaySecond play the own hand, PlayThird and PlayFourth the
// partner's. Every card returned is one the playing hand holds, of the led suit when it can.

#include "bridge/play/FinesseCombo.h"
#include "bridge/play/WhistBase.h"
#include "bridge/play/WhistHand.h"

// The flags of EvaluateLeadSuit; the higher flags weigh more in the choice of the lead suit.
enum {
    LEAD_HAS_CARDS = 0x1,
    LEAD_NO_REVERSE_FINESSE = 0x2,
    LEAD_LOW_TO_HIGH = 0x4,
    LEAD_WINNERS_OVER_QTS = 0x8,
    LEAD_FINESSE = 0x10,
    LEAD_LONG_FINESSE = 0x20,
    LEAD_SEQUENCE_BELOW_TOP = 0x40,
    LEAD_DROP_50 = 0x80,
    LEAD_LENGTH = 0x100,
    LEAD_RUFF_AFTER_DRAWING = 0x200,
    LEAD_DISCARD_LOSER = 0x400,
    LEAD_CAN_RUFF = 0x800,
    LEAD_FINESSE_100 = 0x1000,
    LEAD_DROP_100 = 0x2000,
    LEAD_QUICK_TRICKS = 0x4000,
    LEAD_QUICK_NO_ENTRIES = 0x8000,
    LEAD_SELF_BLOCKING = 0x20000,
    LEAD_UNLIKELY_RUFF = 0x40000,
    LEAD_RUN_OUT_SUIT = 0x100000
};

class CWhistAttack : public CWhistBase {
public:
    // The base's arguments plus pPartner, the other hand of the declaring side (dummy's when
    // declarer plays, declarer's when dummy plays); not owned. Analyses all four suits.
    CWhistAttack(int nSeat, int nDummy, int nTrumps, int nContractLevel, CCardPile* pHand,
                 CCardPile* pPartner, CPileGroup* pTricks, CTrick* pTrick, CAuction* pAuction,
                 CExplainWhistDlg* pExplain);
    ~CWhistAttack() override;

    // Fixes the estimates of the own and the partner's hand exactly.
    void SetVisibleHands() override;
    CCard PlayLead() override;
    CCard PlaySecond() override;
    CCard PlayThird() override;
    CCard PlayFourth() override;

    // Suit analysis (run by the constructor).
    // Appends to m_opponents nSuit's unplayed cards held by neither hand nor in the trick.
    void BuildOpponentCards(int nSuit);
    // Quick tricks, top cards, winners, losers, long hand and first winners of nSuit.
    void AnalyseSuit(int nSuit);

    // Counting rules; "outstanding" cards are the suit's unplayed cards outside both hands.
    // Rounds of nSuit until the opponents hold no more of it.
    int RoundsToDraw(int nSuit) const;
    // Rounds until the shorter opponent is out of nSuit on an even split.
    int EvenSplitRounds(int nSuit) const;
    // The most cards of nSuit one opponent can hold.
    int MaxOpponentLength(int nSuit) const;
    bool OpponentsOutOfTrumps() const;
    // The chance in percent that nSuit's quick tricks drop the opponents' cards.
    int DropPercent(int nSuit) const;
    // The partner's lowest and highest card of nSuit; the empty card when void.
    CCard PartnerLowest(int nSuit) const;
    CCard PartnerHighest(int nSuit) const;
    // Whether every unplayed card between higher and lower (same suit) is held by the pair.
    bool InSequence(const CCard& higher, const CCard& lower) const;
    // Whether the opponents hold a card of the suit between lower and higher.
    bool OpponentCardBetween(const CCard& lower, const CCard& higher) const;
    // The unplayed cards directly below card that the pair holds, up to the first it lacks.
    int CountSequenceBelow(const CCard& card) const;
    // CountSequenceBelow of the suit's highest card when neither hand has a top card, else 0.
    int SequenceBelowTop(int nSuit) const;
    // Whether the pair's cards from card down outnumber the opponents' and pile1's highest
    // card beats pile2's lowest.
    bool CanRunFromTop(const CCard& card, const CCardPile& pile1, const CCardPile& pile2) const;

    // Finesse matching. Finds the first row of pTable that nSuit's holding fits, hand 1
    // being record1 at nSeat1 and hand 2 the suit piles of hand2, and stores its percent,
    // lengths, row and cards in record1.
    void MatchFinesse(const FinesseCombo* pTable, int nSeat1, int nSuit, CWhistHand& record1,
                      const CWhistHand& hand2);
    // Before a lead: every suit against the lead table, the own hand as hand 1 and then the
    // partner's.
    void MatchLeadFinesses();
    // Before a second-hand card: every suit against the second-hand table, own hand as hand 1.
    void MatchSecondHandFinesses();

    // The lead (cash mode cashes sure tricks, extra-tricks mode develops more).
    bool IsCashMode() const;
    // Picks the lead suit, explains it and returns the card to lead.
    CCard ChooseLeadSuit(bool bCash);
    // The flag word that scores nSuit as a lead (LEAD_* values).
    int EvaluateLeadSuit(bool bCash, int nSuit) const;
    // The lead's explanation line: the opening of the mode and the phrases of nFlags.
    CString LeadExplanation(bool bCash, int nSuit, int nFlags) const;
    // The own highest or lowest card of nSuit, whichever the pair's holding calls for.
    CCard LeadCardInSuit(int nSuit) const;
    int RunnableInSuit(int nSuit) const;
    int RunnableTricks() const;
    // Rounds lost before the pair's winners take over, summed over the suits; nTrumpSuit is
    // the trump suit when drawing one round of trumps is to be allowed for, else NO_TRUMPS.
    int CountEarlyLosers(int nTrumpSuit) const;
    int SafeTricks() const;
    int TricksToLose() const;

    // Lead predicates (the ruff ones are false with no trumps).
    bool RuffRisk(int nSuit) const;
    bool OpponentsHoldTopTrumps() const;
    bool IsSelfBlocking(int nSuit) const;
    bool PartnerCanRuff(int nSuit) const;
    bool PartnerCanRuffAfterDrawing(int nSuit) const;
    bool CanDiscardLoser(int nSuit) const;
    bool HasLengthWinners(int nSuit) const;
    bool IsLowToHigh(int nSuit) const;

    // Later hands. The playing hand is the own hand in second position, the partner's in
    // third and fourth.
    // The late-hand rule: win, duck or unblock in the led suit, or ruff or discard.
    CCard PlayToTrick(bool bOvertake, bool bFourth);
    CCard RuffOrDiscard();
    CCard ChooseDiscard();
    // The lowest card of the suit hand can best spare, other being the other hand.
    CCard ChooseDiscardSuit(const CWhistHand& hand, const CWhistHand& other) const;
    // The card of playing (not empty) that beats cardToBeat, taken from the top of the
    // pair's touching cards so that it does not block other's run.
    CCard UnblockingWinner(const CCard& cardToBeat, const CCardPile& playing,
                           const CCardPile& other) const;

    // Discard helpers.
    bool IsUnblockingDiscard(const CCard& card, const CWhistHand& hand, const CWhistHand& other) const;
    bool CanCashSuit(const CCard& card, const CWhistHand& hand, const CWhistHand& other) const;
    int CountEntries(int nSuit, const CWhistHand& other) const;
    bool IsWinningCard(const CCard& card) const;
    bool LongHandCanDraw(int nSuit) const;
    bool CanAffordDuck(int nSuit) const;

    // Read access for the table and the tests.
    const CWhistHand& OwnRecord() const { return m_hand; }
    const CWhistHand& PartnerRecord() const { return m_partnerHand; }
    const CCardPile& OpponentCards(int nSuit) const { return *m_opponents.GetAt(nSuit); }
    int QuickTricks(int nSuit) const { return m_quickTricks[nSuit]; }
    int Winners(int nSuit) const { return m_winners[nSuit]; }
    int Losers(int nSuit) const { return m_losers[nSuit]; }
    int ExtraLength(int nSuit) const { return m_extraLength[nSuit]; }

private:
    // The five masks of BuildTopCardMasks: bit i for the unplayed card at index i.
    struct TopCardMasks {
        int nHand1;
        int nHand2;
        int nOutstanding;
        int nWithLeft;  // outstanding cards known to lie with hand 1's left opponent
        int nWithRight; // outstanding cards known to lie with hand 1's right opponent
    };
    // A penalty row of ChooseDiscardSuit.
    struct DiscardPenalty;
    static const DiscardPenalty s_discardPenalties[];

    // The record of the hand that holds card, or null for an opponents' card.
    CWhistHand* Holder(const CCard& card);
    // AnalyseSuit's cash run from the top: quick tricks and top cards. True when longRecord
    // holds one of the first nShort cards.
    bool CountCashRun(int nSuit, const CWhistHand& longRecord, int nShort);
    // AnalyseSuit's rounds of the suit: winners, losers, extra length and first winners.
    void CountRounds(int nSuit, int nLong);
    TopCardMasks BuildTopCardMasks(int nSuit, int nSeat1, int nIgnore, const CCardPile& pile1,
                                   const CCardPile& pile2) const;
    // Whether the row fits the masks and lengths.
    static bool RowMatches(const FinesseCombo& row, const TopCardMasks& masks, int nLength1,
                           int nLength2, int nExcess);
    // Stores the matched row's cards and values in record1.
    void TakeFinesseRow(const FinesseCombo& row, int nRow, int nSuit, const TopCardMasks& masks,
                        CWhistHand& record1, const CCardPile& pile1, const CCardPile& pile2);
    // Whether the trump suit is to be led now.
    bool ShouldDrawTrumps() const;
    // The lead card for the chosen suit's flags.
    CCard LeadCardForFlags(int nSuit, int nFlags) const;
    // LeadCardInSuit's rules for the partner holding at least as many cards as the own hand.
    bool LeadHighFromShortHand(int nSuit) const;
    // LeadCardInSuit's rules for the own hand being longer.
    bool LeadHighFromLongHand(int nSuit) const;
    // The second hand following the led card.
    CCard FollowSecond(const CCard& cardLed);
    // The late-hand rule while the partner holds the led suit.
    CCard PlayToTrickInSuit(bool bOvertake, bool bFourth);
    // RuffOrDiscard for the own hand in second position and the partner's later.
    CCard RuffOrDiscardSecond();
    CCard RuffOrDiscardLate();
    int ScoreDiscardSuit(int nSuit, const CWhistHand& hand, const CWhistHand& other) const;

    // Outstanding cards of nSuit: unplayed cards outside both hands (the trick's included).
    int Outstanding(int nSuit) const;
    // Whether either hand of the pair holds card.
    bool PairHolds(const CCard& card) const;
    int LeftOpponent() const { return NextSeat(m_nSeat); }
    int RightOpponent() const { return (m_nSeat + 3) & 3; }
    int PartnerSeatOf() const { return PartnerSeat(m_nSeat); }
    int LedSuit() const;
    int OwnLength(int nSuit) const { return m_hand.lenSuit[nSuit]; }
    int PartnerLength(int nSuit) const { return m_partnerHand.lenSuit[nSuit]; }
    bool IsSideSuit(int nSuit) const { return m_nTrumps != NO_TRUMPS && nSuit != m_nTrumps; }
    static int SumWinners(const CWhistHand& hand, int nExceptSuit);

    // Per suit, the unplayed cards held by neither hand nor in the current trick when the
    // engine was built, highest first; the piles are owned.
    CPileGroup m_opponents;
    CCardPile* m_pPartner;
    int m_extraLength[SUIT_COUNT];
    CWhistHand m_partnerHand;
};
