#include "bridge/play/whistdefend.h"

#include <vector>

#include "bridge/play/LeadRule.h"
#include "platform/base/assert.h"

namespace {

constexpr int NO_SUIT = -1;
// HeldMask looks at this many of a suit's highest unplayed cards.
constexpr int MASK_POSITIONS = 8;
// The lowest honour, the ten, as a plain order (trumps carry TRUMP_BONUS more).
constexpr int ORDER_TEN = 9;
// The lowest card that encourages as a single signal: the seven (order 6); a single follow
// encourages above the six (order 5).
constexpr int ENCOURAGING_ORDER = 6;
constexpr int ENCOURAGING_FOLLOW_ABOVE = 5;
// SignalCard looks for its card from the sixth-highest unplayed card down.
constexpr int SIGNAL_START = 5;
// A sequence that forces is three cards long and starts among the six highest.
constexpr int FORCING_SEQUENCE = 3;
constexpr int FORCING_SEQUENCE_LAST_START = 5;
// Tricks a trick count is measured against: the book plus one for the defence.
constexpr int DEFENCE_TARGET = 7;

// Suit lengths the lead choices distinguish.
constexpr int DOUBLETON = 2;
constexpr int THREE_CARD_SUIT = 3;
constexpr int FOUR_CARD_SUIT = 4;
constexpr int LONG_SUIT = 5;
constexpr int VERY_LONG_SUIT = 6;
constexpr int LEAD_SEQUENCE = 3;
// Ratings of a four-card suit for a no-trump lead, above its count of top cards.
constexpr int RATING_NEAR_SEQUENCE = 8;
constexpr int RATING_INTERIOR_SEQUENCE = 7;
constexpr int RATING_TWO_TOP_CARDS = 6;

// A suit partner bid is not led when the partnership holds this many cards of it.
constexpr int PARTNERSHIP_FIT = 10;
// Without a count of gaps a holding gets this tie value instead.
constexpr int NO_GAPS_TIE = 6;
constexpr int TIE_PER_CARD = 10;

// Places in a holding, highest first.
constexpr int HIGHEST = 0;
constexpr int SECOND_HIGHEST = 1;
constexpr int THIRD_HIGHEST = 2;
constexpr int FOURTH_HIGHEST = 3;
// A signal is read from at most this many cards of a suit.
constexpr size_t SIGNAL_CARDS = 3;

// Bits of HeldMask.
constexpr int BIT_FIRST = 1;
constexpr int BIT_SECOND = 2;
constexpr int BIT_THIRD = 4;
constexpr int BIT_FOURTH = 8;
constexpr int BITS_TOP_TWO = BIT_FIRST | BIT_SECOND;
constexpr int BITS_SECOND_TO_FOURTH = BIT_SECOND | BIT_THIRD | BIT_FOURTH;

// ScoreLeadSuit: the first matching condition gives base + its multiples of the sequence
// length, the suit length and the count of top cards.
struct LeadScore {
    int nBase;
    int nPerSequence;
    int nPerLength;
    int nPerTop;
};
enum LeadScoreCondition {
    SCORE_LONG_SEQUENCE,
    SCORE_TOP_TWO,
    SCORE_SINGLETON_TOP,
    SCORE_NEAR_SEQUENCE,
    SCORE_INTERIOR_SEQUENCE,
    SCORE_TWO_SEQUENCE,
    SCORE_TOP_CARDS,
    SCORE_SMALL_DOUBLETON,
    SCORE_SMALL_THREE_FOUR,
    SCORE_BARE_TOP,
    SCORE_CONDITIONS
};
constexpr LeadScore s_leadScores[SCORE_CONDITIONS] = {
    {3300, 1, 0, 0}, {3200, 0, 1, 0}, {3000, 0, 0, 0}, {2500, 0, 1, 0}, {2400, 0, 1, 0},
    {2300, 0, 1, 0}, {2200, 0, 1, 10}, {2100, 0, 0, 0}, {2000, 0, 0, 0}, {1000, 0, 0, 0},
};

// The reasons that make a suit attractive to lead, with their weights; a suit's flag value
// is the sum of the weights of the reasons that hold.
enum LeadReason {
    REASON_CAN_RUN,
    REASON_HAS_ENTRIES,
    REASON_PARTNER_RUFFS,
    REASON_ENCOURAGED,
    REASON_PARTNER_BID,
    REASON_PARTNER_LED,
    REASON_DEFENCE_LED,
    REASON_DECLARER_NOT_LED,
    REASON_DUMMY_NOT_BID,
    REASON_NO_RUFF_AGAINST,
    REASON_NOT_DISCOURAGED,
    REASON_DUMMY_NOT_TENACE,
    REASON_DECLARER_NOT_BID,
    LEAD_REASONS
};
constexpr int s_leadReasonWeights[LEAD_REASONS] = {
    4096, 2048, 1024, 512, 256, 128, 128, 128, 64, 32, 16, 8, 4,
};

// The same for a discard: each suit starts from a base and loses the weights of the reasons
// to keep it.
constexpr int DISCARD_BASE = 2048;
constexpr int DISCARD_TRUMP_BASE = 1024;
enum KeepReason {
    KEEP_SURE_WINNERS_WHILE_TRICK_SURE,
    KEEP_WINNERS_OPPONENTS_HOLD,
    KEEP_GUARD_AGAINST_DUMMY,
    KEEP_ALL_WINNERS,
    KEEP_REASONS
};
constexpr int s_keepReasonWeights[KEEP_REASONS] = {512, 256, 64, 32};

int Bit(int nPosition)
{
    return 1 << nPosition;
}

bool HasBits(int nMask, int nBits)
{
    return (nMask & nBits) == nBits;
}

bool IsHonour(const CCard& card)
{
    const int nOrder = card.GetOrder() > ORDER_ACE ? card.GetOrder() - TRUMP_BONUS : card.GetOrder();
    return nOrder >= ORDER_TEN;
}

int SumWeights(const bool* reasons, const int* weights, int nCount)
{
    int nSum = 0;
    for (int i = 0; i < nCount; ++i) {
        if (reasons[i])
            nSum += weights[i];
    }
    return nSum;
}

} // namespace

CWhistDefend::CWhistDefend(int nSeat, int nDummy, int nTrumps, int nContractLevel,
                           CCardPile* pHand, CCardPile* pDummy, CPileGroup* pTricks,
                           CTrick* pTrick, CAuction* pAuction, CExplainWhistDlg* pExplain)
    : CWhistBase(nSeat, nDummy, nTrumps, nContractLevel, pHand, pTricks, pTrick, pAuction, pExplain)
    , m_pDummy(pDummy)
    , m_dummy(*pDummy)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        CountQuickTricks(nSuit);
}

CWhistDefend::~CWhistDefend() = default;

void CWhistDefend::SetVisibleHands()
{
    SetKnownHand(m_nSeat, *m_pHand);
    // A declaring hand played by this engine while dummy is unseen is itself dummy's seat;
    // its own hand is what it knows of that seat, not the empty stand-in.
    if (m_nDummy != m_nSeat)
        SetKnownHand(m_nDummy, *m_pDummy);
}

// ---------------------------------------------------------------------------------------
// Small services

CCard CWhistDefend::OwnTop(int nSuit) const
{
    return Length(nSuit) > 0 ? HighestInSuit(nSuit) : CCard();
}

CCard CWhistDefend::DummyTop(int nSuit) const
{
    const CCardPile& pile = m_dummy.Suit(nSuit);
    return pile.GetCount() > 0 ? pile.m_cards[0] : CCard();
}

CCard CWhistDefend::DummyBest(int nSuit) const
{
    if (m_dummy.Suit(nSuit).GetCount() > 0)
        return DummyTop(nSuit);
    if (IsSuitContract())
        return DummyTop(m_nTrumps);
    return CCard();
}

int CWhistDefend::TrickWinner(CCard& winningCard) const
{
    return m_pTrick->GetWinner(winningCard);
}

int CWhistDefend::HeldMask(int nSuit) const
{
    const CCardPile& unplayed = Unplayed(nSuit);
    int nMask = 0;
    for (int k = 0; k < MASK_POSITIONS && k < unplayed.GetCount(); ++k) {
        if (Holds(unplayed.m_cards[k]))
            nMask |= Bit(k);
    }
    return nMask;
}

int CWhistDefend::CountHonours(const CCardPile& pile)
{
    int nHonours = 0;
    for (const CCard& card : pile.m_cards) {
        if (IsHonour(card))
            ++nHonours;
    }
    return nHonours;
}

void CWhistDefend::CountQuickTricks(int nSuit)
{
    m_quickTricks[nSuit] = 0;
    m_winners[nSuit] = 0;
    m_losers[nSuit] = 0;
    for (const CCard& card : Unplayed(nSuit).m_cards) {
        if (!Holds(card))
            break;
        ++m_quickTricks[nSuit];
        ++m_hand.topCards[nSuit];
    }
}

bool CWhistDefend::SeatMayRuff(int nSeat, int nSuit) const
{
    if (nSeat == m_nDummy)
        return CanRuff(*m_pDummy, nSuit);
    return MayRuff(nSeat, nSuit);
}

bool CWhistDefend::PartnerMayRuff(int nSuit) const
{
    return MayRuff(Partner(), nSuit);
}

bool CWhistDefend::DeclarerSideMayRuff(int nSuit) const
{
    return CanRuff(*m_pDummy, nSuit) || MayRuff(Declarer(), nSuit);
}

int CWhistDefend::LeadTieValue(int nSuit) const
{
    const int nGaps = CountHoldingGaps(*m_pHand, nSuit);
    return TIE_PER_CARD * Length(nSuit) + m_hand.Suit(nSuit).TotalPoints()
        + (nGaps != 0 ? nGaps : NO_GAPS_TIE);
}

// ---------------------------------------------------------------------------------------
// Opening lead

CCard CWhistDefend::PlayLead()
{
    if (m_pTricks->GetCount() > 0)
        return ChooseLaterLead();
    return ChooseOpeningLead();
}

CCard CWhistDefend::ChooseOpeningLead()
{
    const int nSuit = IsSuitContract() ? ChooseSuitLeadSuit() : ChooseNoTrumpLeadSuit();
    return ChooseLeadCard(nSuit);
}

int CWhistDefend::BestFourCardSuit() const
{
    int nBest = NO_SUIT;
    int nBestValue = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) != FOUR_CARD_SUIT)
            continue;
        int nValue;
        if (HasNearSequence(*m_pHand, nSuit))
            nValue = RATING_NEAR_SEQUENCE;
        else if (HasInteriorSequence(*m_pHand, nSuit))
            nValue = RATING_INTERIOR_SEQUENCE;
        else if (TopSequenceLength(*m_pHand, nSuit) == DOUBLETON)
            nValue = RATING_TWO_TOP_CARDS;
        else
            nValue = CountTopCards(*m_pHand, nSuit);
        if (nValue > nBestValue) {
            nBest = nSuit;
            nBestValue = nValue;
        }
    }
    return nBest;
}

int CWhistDefend::PartnerSuitForLead(int nResult) const
{
    int nTaken = NO_SUIT;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) == 0 || !HasBidSuit(nSuit, Partner()))
            continue;
        if (nTaken == NO_SUIT || nTaken != nResult)
            nTaken = nSuit;
    }
    return nTaken;
}

int CWhistDefend::ChooseNoTrumpLeadSuit() const
{
    int nLongest = 0;
    for (int nSuit = 1; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) > Length(nLongest))
            nLongest = nSuit;
    }
    const int d = Length(nLongest);
    int nStrong4 = NO_SUIT;
    int nSecond = NO_SUIT;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) == FOUR_CARD_SUIT && TopSequenceLength(*m_pHand, nSuit) >= LEAD_SEQUENCE)
            nStrong4 = nSuit;
        if (d >= LONG_SUIT && nSuit != nLongest && Length(nSuit) == d)
            nSecond = nSuit;
    }

    int nResult;
    if (d < VERY_LONG_SUIT && nStrong4 != NO_SUIT)
        nResult = nStrong4;
    else if (d <= FOUR_CARD_SUIT)
        nResult = BestFourCardSuit();
    else
        nResult = nSecond == NO_SUIT ? nLongest : CompareLongSuits(nLongest, nSecond);

    const int nPartnerSuit = PartnerSuitForLead(nResult);
    if (nPartnerSuit != NO_SUIT)
        nResult = nPartnerSuit;
    if (nResult == NO_SUIT) {
        for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
            if (Length(nSuit) > 0)
                nResult = nSuit;
        }
    }
    return nResult;
}

int CWhistDefend::CompareLongSuits(int nSuitA, int nSuitB) const
{
    const bool bSeqA = TopSequenceLength(*m_pHand, nSuitA) >= LEAD_SEQUENCE;
    const bool bSeqB = TopSequenceLength(*m_pHand, nSuitB) >= LEAD_SEQUENCE;
    if (bSeqA != bSeqB)
        return bSeqA ? nSuitA : nSuitB;
    const bool bNearA = HasNearSequence(*m_pHand, nSuitA);
    const bool bNearB = HasNearSequence(*m_pHand, nSuitB);
    if (!bNearA && !bNearB)
        return nSuitA;
    if (bNearA != bNearB)
        return bNearA ? nSuitA : nSuitB;
    const int nTopA = CountTopCards(*m_pHand, nSuitA);
    const int nTopB = CountTopCards(*m_pHand, nSuitB);
    if (nTopB > nTopA)
        return nSuitB;
    if (nTopA > nTopB)
        return nSuitA;
    const int nHigher = HighestInSuit(nSuitA) > HighestInSuit(nSuitB) ? nSuitA : nSuitB;
    return HighestInSuit(nHigher) == Unplayed(nHigher).m_cards[0] ? nSuitB : nSuitA;
}

int CWhistDefend::ScoreLeadSuit(int nSuit) const
{
    const int L = Length(nSuit);
    if (L == 0)
        return 0;
    const int nSeq = TopSequenceLength(*m_pHand, nSuit);
    const int nTop = CountTopCards(*m_pHand, nSuit);
    const int M = HeldMask(nSuit);
    bool conditions[SCORE_CONDITIONS] = {};
    conditions[SCORE_LONG_SEQUENCE] = nSeq >= LEAD_SEQUENCE;
    conditions[SCORE_TOP_TWO] = HasBits(M, BITS_TOP_TWO);
    conditions[SCORE_SINGLETON_TOP] = nSeq == 1 && L == 1;
    conditions[SCORE_NEAR_SEQUENCE] = HasNearSequence(*m_pHand, nSuit);
    conditions[SCORE_INTERIOR_SEQUENCE] = HasInteriorSequence(*m_pHand, nSuit);
    conditions[SCORE_TWO_SEQUENCE] = nSeq == DOUBLETON;
    conditions[SCORE_TOP_CARDS] = nTop >= DOUBLETON;
    conditions[SCORE_SMALL_DOUBLETON] = nTop == 0 && L == DOUBLETON;
    conditions[SCORE_SMALL_THREE_FOUR] = nTop == 0 && (L == THREE_CARD_SUIT || L == FOUR_CARD_SUIT);
    conditions[SCORE_BARE_TOP] = nTop == 1 && HasBits(M, BIT_FIRST) && L >= DOUBLETON;
    for (int i = 0; i < SCORE_CONDITIONS; ++i) {
        if (conditions[i]) {
            const LeadScore& score = s_leadScores[i];
            return score.nBase + score.nPerSequence * nSeq + score.nPerLength * L
                + score.nPerTop * nTop;
        }
    }
    return 0;
}

int CWhistDefend::PartnerSuitAgainstTrumps(bool bTrumpControl, int nSingleton) const
{
    int nChoice = NO_SUIT;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        const int L = Length(nSuit);
        if (L == 0 || nSuit == m_nTrumps || !HasBidSuit(nSuit, Partner()))
            continue;
        if (m_estimates[Partner()].GetMinLength(nSuit) + L >= PARTNERSHIP_FIT)
            continue;
        if (bTrumpControl && nSingleton != NO_SUIT) {
            nChoice = nSingleton;
            continue;
        }
        // A tenace over declarer's holding (A x Q) is kept unless partner's bid was an
        // overcall, which promises the suit.
        const int M = HeldMask(nSuit);
        if (HasBits(M, BIT_FIRST | BIT_THIRD) && !(M & BIT_SECOND) && L >= THREE_CARD_SUIT
            && !HasOvercalled(Partner()))
            continue;
        nChoice = nSuit;
    }
    return nChoice;
}

int CWhistDefend::BestScoredLeadSuit() const
{
    int nChoice = NO_SUIT;
    int nBestScore = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) == 0 || HasBidSuit(nSuit, Declarer()) || HasBidSuit(nSuit, m_nDummy))
            continue;
        const int nScore = ScoreLeadSuit(nSuit);
        if (nScore > nBestScore) {
            nChoice = nSuit;
            nBestScore = nScore;
        }
    }
    return nChoice;
}

template <typename ValueOf>
int CWhistDefend::BestLeadSuitBy(ValueOf valueOf) const
{
    int nChoice = NO_SUIT;
    int nBestValue = 0;
    int nBestTie = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (Length(nSuit) == 0)
            continue;
        const int nValue = valueOf(nSuit);
        const int nTie = LeadTieValue(nSuit);
        if (nValue > nBestValue || (nValue == nBestValue && nTie >= nBestTie)) {
            nChoice = nSuit;
            nBestValue = nValue;
            nBestTie = nTie;
        }
    }
    return nChoice;
}

int CWhistDefend::FirstLeadFlags(int nSuit) const
{
    const bool bPartnerRuffs = PartnerMayRuff(nSuit);
    const bool bTheyRuff = DeclarerSideMayRuff(nSuit);
    // The first lead has no tricks to read: only these reasons apply.
    bool reasons[LEAD_REASONS] = {};
    reasons[REASON_PARTNER_RUFFS] = bPartnerRuffs;
    reasons[REASON_PARTNER_BID] = HasBidSuit(nSuit, Partner()) && !bTheyRuff;
    reasons[REASON_DUMMY_NOT_BID] = !HasBidSuit(nSuit, m_nDummy);
    reasons[REASON_NO_RUFF_AGAINST] = !bTheyRuff || bPartnerRuffs;
    reasons[REASON_DECLARER_NOT_BID] = !HasBidSuit(nSuit, Declarer());
    return SumWeights(reasons, s_leadReasonWeights, LEAD_REASONS);
}

int CWhistDefend::BestFlaggedLeadSuit() const
{
    return BestLeadSuitBy([this](int nSuit) { return FirstLeadFlags(nSuit); });
}

int CWhistDefend::ChooseSuitLeadSuit() const
{
    const int T = m_nTrumps;
    const int nTrumpMask = HeldMask(T);
    const bool bTrumpControl = (Length(T) >= DOUBLETON && (nTrumpMask & BIT_FIRST))
        || (Length(T) >= THREE_CARD_SUIT && (nTrumpMask & BIT_SECOND));

    int nChoice = NO_SUIT;
    int nSingleton = NO_SUIT;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        const int L = Length(nSuit);
        if (nSuit == T || L == 0)
            continue;
        const int M = HeldMask(nSuit);
        if (L == 1)
            nSingleton = nSuit;
        else if (HasBits(M, BITS_TOP_TWO) || HasBits(M, BITS_SECOND_TO_FOURTH))
            nChoice = nSuit;
    }
    if (nChoice == NO_SUIT)
        nChoice = PartnerSuitAgainstTrumps(bTrumpControl, nSingleton);
    if (nChoice == NO_SUIT)
        nChoice = BestScoredLeadSuit();
    if (nChoice == NO_SUIT)
        nChoice = BestFlaggedLeadSuit();
    return nChoice;
}

CCard CWhistDefend::ChooseLeadCard(int nSuit)
{
    const int L = Length(nSuit);
    const int M = HeldMask(nSuit);
    const LeadRule* pRules = IsSuitContract() ? g_suitLeads : g_noTrumpLeads;
    CString strText = "Led - ";
    for (const LeadRule* pRule = pRules; pRule->value > 0; ++pRule) {
        if ((M & pRule->mask) == pRule->value && pRule->minLength <= L && L <= pRule->maxLength) {
            Explain(strText + pRule->name);
            return Unplayed(nSuit).m_cards[pRule->cardIndex];
        }
    }

    const CCardPile& own = m_hand.Suit(nSuit);
    int nPosition;
    if (L == 1) {
        strText += "Singleton";
        nPosition = HIGHEST;
    } else if (L == DOUBLETON) {
        strText += "High low for doubleton";
        nPosition = HIGHEST;
    } else if (L == THREE_CARD_SUIT && CountHonours(own) > 0) {
        strText += "Bottom for 3 card suit with an honour";
        nPosition = THIRD_HIGHEST;
    } else if (L == THREE_CARD_SUIT) {
        strText += "MUD for 3 card suit of rags";
        nPosition = SECOND_HIGHEST;
    } else if (L == FOUR_CARD_SUIT && CountHonours(own) == 0) {
        strText += "similar to MUD for 4 card suit of rags";
        nPosition = SECOND_HIGHEST;
    } else {
        strText += "Fourth highest";
        nPosition = FOURTH_HIGHEST;
    }
    Explain(strText);
    return own.m_cards[nPosition];
}

// ---------------------------------------------------------------------------------------
// Later leads

CCard CWhistDefend::ChooseLaterLead()
{
    const int nSuit = ChooseLaterLeadSuit();
    CCard card = ChooseLeadCard(nSuit);
    const CCardPile& dummy = m_dummy.Suit(nSuit);
    const int nDummyLength = dummy.GetCount();
    // A card that dummy's higher card can simply beat is wasted: lead low instead. Behind
    // dummy that is only so when dummy's card is a singleton it cannot keep back.
    if (DummyIsNext()) {
        if (nDummyLength > 0 && DummyTop(nSuit) > card)
            card = LowestInSuit(nSuit);
    } else if (nDummyLength == 1 && DummyTop(nSuit) > card) {
        card = LowestInSuit(nSuit);
    }
    if (m_hand.topCards[nSuit] > 0 && nDummyLength == 1 && card < DummyTop(nSuit))
        card = HighestInSuit(nSuit);
    const int nOthers = Unplayed(nSuit).GetCount() - (Length(nSuit) + nDummyLength);
    const int nNeed = nOthers > nDummyLength ? nOthers : nDummyLength;
    if (m_hand.topCards[nSuit] >= nNeed && TrumpsDrawn())
        card = HighestInSuit(nSuit);
    return card;
}

bool CWhistDefend::TrumpsDrawn() const
{
    if (!IsSuitContract())
        return true;
    return Unplayed(m_nTrumps).GetCount() == Length(m_nTrumps);
}

void CWhistDefend::ReadPartnerSignals(bool encouraged[SUIT_COUNT], bool discouraged[SUIT_COUNT]) const
{
    std::vector<CCard> follows[SUIT_COUNT];
    std::vector<CCard> discards[SUIT_COUNT];
    const int nPartner = Partner();
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        const int nLeader = pTrick->GetLeader();
        const int nIndex = (nPartner - nLeader) & 3;
        if (nLeader == nPartner || nIndex >= pTrick->GetCount())
            continue;
        const CCard& card = pTrick->m_cards[nIndex];
        const int nSuit = card.GetSuit();
        if (nSuit != pTrick->m_cards[0].GetSuit() && nSuit != m_nTrumps) {
            discards[nSuit].push_back(card);
            continue;
        }
        bool bToWin = true;
        for (int i = 0; i < nIndex; ++i)
            bToWin = bToWin && card >= pTrick->m_cards[i];
        if (!bToWin)
            follows[nSuit].push_back(card);
    }

    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        encouraged[nSuit] = false;
        discouraged[nSuit] = false;
        // A single card speaks by its rank; two or three speak high before low.
        const std::vector<CCard>& D = discards[nSuit];
        bool bHighLow = false;
        if (D.size() == 1)
            bHighLow = D[0].GetOrder() >= ENCOURAGING_ORDER;
        else if (D.size() == 2)
            bHighLow = D[0] > D[1];
        else if (D.size() == 3)
            bHighLow = D[1] > D[2];
        if (!D.empty() && D.size() <= SIGNAL_CARDS) {
            encouraged[nSuit] = bHighLow;
            discouraged[nSuit] = !bHighLow;
        }
        const std::vector<CCard>& F = follows[nSuit];
        if ((F.size() == 1 && F[0].GetOrder() > ENCOURAGING_FOLLOW_ABOVE)
            || (F.size() == 2 && F[0] > F[1]) || (F.size() == 3 && F[1] > F[2]))
            encouraged[nSuit] = true;
    }
}

int CWhistDefend::RoundsToExhaust(int nSuit) const
{
    // Before dummy is seen it is taken to hold three cards of the suit.
    constexpr int UNSEEN_DUMMY_LENGTH = 3;
    const int L = Length(nSuit);
    const int e = m_pTricks->GetCount() > 0 ? m_dummy.lenSuit[nSuit] : UNSEEN_DUMMY_LENGTH;
    const int n = Unplayed(nSuit).GetCount();
    int h = (n - L - e + 1) / 2;
    const CHandEstimate& declarer = m_estimates[Declarer()];
    if (h < declarer.GetMinLength(nSuit))
        h = declarer.GetMinLength(nSuit);
    if (h > declarer.GetMaxLength(nSuit))
        h = declarer.GetMaxLength(nSuit);
    const int r = h > e ? h : e;
    return L < r ? -1 : r;
}

bool CWhistDefend::CanRunSuit(int nSuit) const
{
    const int r = RoundsToExhaust(nSuit);
    return r >= 0 && m_quickTricks[nSuit] >= r;
}

bool CWhistDefend::EnoughEntries(int nSuit) const
{
    const int r = RoundsToExhaust(nSuit);
    return r >= 0 && r < TotalQuickTricks();
}

bool CWhistDefend::DefenceLedSuit(int nSuit) const
{
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        if (pTrick->GetCount() > 0 && pTrick->m_cards[0].GetSuit() == nSuit
            && SideOf(pTrick->GetLeader()) == SideOf(m_nSeat))
            return true;
    }
    return false;
}

bool CWhistDefend::DeclarerSideLedSuit(int nSuit) const
{
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        const int nLeader = pTrick->GetLeader();
        if (pTrick->GetCount() > 0 && pTrick->m_cards[0].GetSuit() == nSuit
            && (nLeader == Declarer() || nLeader == m_nDummy))
            return true;
    }
    return false;
}

int CWhistDefend::LaterLeadFlags(int nSuit, const bool encouraged[SUIT_COUNT],
                                 const bool discouraged[SUIT_COUNT]) const
{
    const CCardPile& firstTrick = *m_pTricks->GetAt(0);
    const int nPartnerLead =
        firstTrick.GetLeader() == Partner() ? firstTrick.m_cards[0].GetSuit() : NO_SUIT;
    const CCardPile& lastTrick = *m_pTricks->GetAt(m_pTricks->GetCount() - 1);
    const int nLastSuit = lastTrick.m_cards[0].GetSuit();
    const bool bLastByDeclarerSide = SideOf(lastTrick.GetLeader()) != SideOf(m_nSeat);

    const bool bRunning = !IsSuitContract() || Unplayed(m_nTrumps).GetCount() == 0;
    const bool bCanRun = bRunning && CanRunSuit(nSuit);
    const bool bTheyRuff = DeclarerSideMayRuff(nSuit);
    const bool bPartnerRuffs = PartnerMayRuff(nSuit);
    const bool bTrumpSuit = nSuit == m_nTrumps;
    bool reasons[LEAD_REASONS] = {};
    reasons[REASON_CAN_RUN] = bCanRun;
    reasons[REASON_HAS_ENTRIES] = bRunning && !bCanRun && EnoughEntries(nSuit);
    reasons[REASON_PARTNER_RUFFS] = bPartnerRuffs && !SeatMayRuff(PreviousSeat(), nSuit);
    reasons[REASON_ENCOURAGED] = encouraged[nSuit] && !bTheyRuff && !bTrumpSuit
        && (IsSuitContract() || !bLastByDeclarerSide || nSuit != nLastSuit);
    reasons[REASON_PARTNER_BID] = HasBidSuit(nSuit, Partner()) && !bTheyRuff;
    reasons[REASON_PARTNER_LED] = nSuit == nPartnerLead && !bTheyRuff;
    reasons[REASON_DEFENCE_LED] = DefenceLedSuit(nSuit) && !bTheyRuff;
    reasons[REASON_DECLARER_NOT_LED] = !DeclarerSideLedSuit(nSuit) && !bTheyRuff;
    reasons[REASON_DUMMY_NOT_BID] = !HasBidSuit(nSuit, m_nDummy);
    reasons[REASON_NO_RUFF_AGAINST] = (!bTheyRuff || bPartnerRuffs) && !bTrumpSuit;
    reasons[REASON_NOT_DISCOURAGED] = !discouraged[nSuit];
    reasons[REASON_DUMMY_NOT_TENACE] =
        PreviousSeat() != m_nDummy || CountHoldingGaps(*m_pDummy, nSuit) == 0;
    reasons[REASON_DECLARER_NOT_BID] = !HasBidSuit(nSuit, Declarer());
    return SumWeights(reasons, s_leadReasonWeights, LEAD_REASONS);
}

int CWhistDefend::ChooseLaterLeadSuit() const
{
    bool encouraged[SUIT_COUNT];
    bool discouraged[SUIT_COUNT];
    ReadPartnerSignals(encouraged, discouraged);
    return BestLeadSuitBy(
        [&](int nSuit) { return LaterLeadFlags(nSuit, encouraged, discouraged); });
}

// ---------------------------------------------------------------------------------------
// Low cards and discards

bool CWhistDefend::ShouldSignal(int nSuit) const
{
    const int L = Length(nSuit);
    bool bSignal = false;
    if (m_hand.topCards[nSuit] >= 1)
        bSignal = L >= FOUR_CARD_SUIT;
    if (!IsSuitContract() && L >= LONG_SUIT)
        bSignal = true;
    if (HoldsTrump() && nSuit != m_nTrumps && L == DOUBLETON)
        bSignal = true;
    return bSignal;
}

CCard CWhistDefend::SignalCard(int nSuit) const
{
    const CCardPile& unplayed = Unplayed(nSuit);
    for (int k = SIGNAL_START; k < unplayed.GetCount(); ++k) {
        if (Holds(unplayed.m_cards[k]))
            return unplayed.m_cards[k];
    }
    return LowestInSuit(nSuit);
}

CCard CWhistDefend::LowCard(int nSuit) const
{
    return ShouldSignal(nSuit) ? SignalCard(nSuit) : LowestInSuit(nSuit);
}

bool CWhistDefend::OpponentsMayHold(int nSuit) const
{
    const bool bDummyHolds = m_dummy.Suit(nSuit).GetCount() > 0;
    if (IsKnownVoid(Declarer(), nSuit) && !bDummyHolds)
        return false;
    if (Length(nSuit) == Unplayed(nSuit).GetCount())
        return false;
    if (bDummyHolds)
        return true;
    return m_estimates[Declarer()].GetMaxLength(nSuit) > 0;
}

CCard CWhistDefend::ChooseDiscard() const
{
    CCard winningCard;
    const int nWinner = TrickWinner(winningCard);
    const CCardPile& winningSuit = Unplayed(winningCard.GetSuit());
    const bool bSure = m_pTrick->GetCount() > 0 && winningSuit.GetCount() > 0
        && winningCard == winningSuit.m_cards[0];

    int nChoice = NO_SUIT;
    int nBest = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        const int L = Length(nSuit);
        if (L == 0)
            continue;
        const bool bAll = m_hand.topCards[nSuit] == L;
        const CCardPile& dummy = m_dummy.Suit(nSuit);
        bool keep[KEEP_REASONS] = {};
        keep[KEEP_SURE_WINNERS_WHILE_TRICK_SURE] =
            bAll && bSure && m_estimates[nWinner].GetMaxLength(nSuit) > 0;
        keep[KEEP_WINNERS_OPPONENTS_HOLD] = bAll && OpponentsMayHold(nSuit);
        keep[KEEP_GUARD_AGAINST_DUMMY] =
            dummy.GetCount() == L && HighestInSuit(nSuit) > dummy.m_cards[L - 1];
        keep[KEEP_ALL_WINNERS] = bAll;
        const int nValue = (nSuit == m_nTrumps ? DISCARD_TRUMP_BASE : DISCARD_BASE)
            - SumWeights(keep, s_keepReasonWeights, KEEP_REASONS);
        if (nValue >= nBest) {
            nChoice = nSuit;
            nBest = nValue;
        }
    }
    return LowCard(nChoice);
}

CCard CWhistDefend::RuffOrDiscard() const
{
    CCard winningCard;
    TrickWinner(winningCard);
    if (HoldsTrump() && HighestInSuit(m_nTrumps) > winningCard)
        return LowestWinner(winningCard, m_hand.Suit(m_nTrumps));
    return ChooseDiscard();
}

// ---------------------------------------------------------------------------------------
// Shared tests of the following plays

bool CWhistDefend::OnlyMineAbove(const CCard& card) const
{
    for (const CCard& unplayed : Unplayed(card.GetSuit()).m_cards) {
        if (unplayed == card)
            return true;
        if (!Holds(unplayed))
            return false;
    }
    return false;
}

bool CWhistDefend::OnlyMineOrDummyAbove(const CCard& card) const
{
    for (const CCard& unplayed : Unplayed(card.GetSuit()).m_cards) {
        if (unplayed == card)
            return true;
        if (HeldByNeither(unplayed))
            return false;
    }
    return false;
}

CCard CWhistDefend::LowestOfTopSequence(int suit) const
{
    const CWhistHand& leadHand = m_hand;
    ASSERT(leadHand.lenSuit[suit] > 0);
    if (leadHand.lenSuit[suit] <= 0)
        return CCard();
    CCard last;
    bool bRemembered = false;
    for (const CCard& unplayed : Unplayed(suit).m_cards) {
        if (Holds(unplayed)) {
            last = unplayed;
            bRemembered = true;
        } else if (bRemembered && !DummyHolds(unplayed)) {
            break;
        }
    }
    // A hand that holds the suit always remembers a card; the fallback keeps the card legal
    // should the unplayed cards ever disagree with the hand.
    return bRemembered ? last : LowestInSuit(suit);
}

int CWhistDefend::TricksToDefeat() const
{
    return DEFENCE_TARGET - m_nContractLevel - m_nTricksWon;
}

// ---------------------------------------------------------------------------------------
// Second hand

CCard CWhistDefend::PlaySecond()
{
    const int nSuit = LedSuit();
    if (Length(nSuit) == 1) {
        Explain("2nd - follow suit");
        return LowestInSuit(nSuit);
    }
    return DummyIsNext() ? SecondBeforeDummy() : SecondAfterDummy();
}

CCard CWhistDefend::SecondBeforeDummy()
{
    const CCard led = Led();
    const int nSuit = led.GetSuit();
    const CCard r = DummyBest(nSuit);
    if (Length(nSuit) == 0) {
        if (!HoldsTrump())
            return ChooseDiscard();
        return SecondHighBeforeDummy();
    }
    const CCard top = HighestInSuit(nSuit);
    if (top < led)
        return LowCard(nSuit);
    if (led > r && top > led)
        return LowestWinner(led, m_hand.Suit(nSuit));
    if (top > r)
        return SecondHighBeforeDummy();
    return SequenceAroundDummy(nSuit);
}

bool CWhistDefend::SecondShouldPlayHigh(const CCard& target)
{
    const int nSuit = LedSuit();
    if (TotalQuickTricks() + m_nTricksWon >= DEFENCE_TARGET - 1 - m_nContractLevel) {
        Explain("2nd - I can take it and break the contract, play high");
        return true;
    }
    int nEntrySuits = 0;
    for (int s = 0; s < SUIT_COUNT; ++s) {
        if (s != nSuit && m_quickTricks[s] > 0)
            ++nEntrySuits;
    }
    const CCardPile& dummy = m_dummy.Suit(nSuit);
    const bool bPartnerVoid = IsKnownVoid(Partner(), nSuit)
        && (!IsSuitContract() || IsKnownVoid(Partner(), m_nTrumps));
    const bool bSideSuit = IsSuitContract() && nSuit != m_nTrumps;
    if (nEntrySuits == 1 && TrumpsDrawn()) {
        Explain("2nd - I have quick tricks in side suit and no alternative entries. Play high");
        return true;
    }
    if (dummy.GetCount() == DOUBLETON && CountHonours(dummy) > 0) {
        Explain("2nd - Dummy holds honour doubleton, play high");
        return true;
    }
    if (OnlyMineAbove(target) || bPartnerVoid) {
        Explain("2nd - Partner can't possibly win, play high");
        return true;
    }
    if (bSideSuit && m_dummy.Suit(m_nTrumps).GetCount() > 0 && dummy.GetCount() == 1) {
        Explain("2nd - Play winner now, dummy can ruff next round");
        return true;
    }
    if (bSideSuit && Length(nSuit) == 0 && HoldsTrump()) {
        Explain("2nd - I can ruff, play high");
        return true;
    }
    return false;
}

CCard CWhistDefend::SecondHighBeforeDummy()
{
    const CCard led = Led();
    const int nSuit = led.GetSuit();
    const CCard r = DummyBest(nSuit);
    const CCard target = r > led ? r : led;
    const bool bHigh = SecondShouldPlayHigh(target);
    if (Length(nSuit) == 0) {
        if (bHigh && HoldsTrump())
            return RuffOrDiscard();
        Explain("2nd - play low, let partner try to win");
        return ChooseDiscard();
    }
    if (bHigh)
        return LowestWinner(target, m_hand.Suit(nSuit));
    Explain("2nd - play low, let partner try to win");
    return LowCard(nSuit);
}

int CWhistDefend::FindDummyTop(int nSuit) const
{
    const CCardPile& unplayed = Unplayed(nSuit);
    for (int i = 0; i < unplayed.GetCount(); ++i) {
        if (DummyHolds(unplayed.m_cards[i]))
            return i;
    }
    return -1;
}

CCard CWhistDefend::SequenceAroundDummy(int nSuit)
{
    const CCardPile& unplayed = Unplayed(nSuit);
    const int nCount = unplayed.GetCount();
    const CCard led = Led();
    int i = FindDummyTop(nSuit);
    if (i >= 0) {
        while (i < nCount && (DummyHolds(unplayed.m_cards[i]) || unplayed.m_cards[i] == led))
            ++i;
        const int nStart = i;
        while (i < nCount && (Holds(unplayed.m_cards[i]) || unplayed.m_cards[i] == led))
            ++i;
        const bool bCardBelow = i < nCount;
        if (i - nStart > 1 && bCardBelow
            && (DummyHolds(unplayed.m_cards[i]) || IsKnownVoid(Partner(), nSuit))) {
            Explain("2nd - I have a sequence surrounded by dummy");
            return unplayed.m_cards[nStart];
        }
    }
    Explain("2nd - Can't win and no sequence surrounded by dummy");
    return LowCard(nSuit);
}

CCard CWhistDefend::SecondAfterDummy()
{
    const CCard led = Led();
    const int nSuit = led.GetSuit();
    if (Length(nSuit) > 0) {
        const CCard top = HighestInSuit(nSuit);
        if (top < led)
            return LowestInSuit(nSuit);
        if (OnlyMineOrDummyAbove(top))
            return SecondHighAfterDummy();
        return SecondNotMaster();
    }
    if (!HoldsTrump())
        return ChooseDiscard();
    return SecondHighAfterDummy();
}

bool CWhistDefend::SecondAfterShouldPlayHigh()
{
    const CCard led = Led();
    const int nSuit = led.GetSuit();
    if (TotalQuickTricks() + m_nTricksWon >= DEFENCE_TARGET - m_nContractLevel) {
        Explain("2nd - I can take it and break the contract, play high");
        return true;
    }
    const CCardPile& dummy = m_dummy.Suit(nSuit);
    const int nHonours = CountHonours(m_hand.Suit(nSuit));
    const bool bDummyHasTrump = IsSuitContract() && m_dummy.Suit(m_nTrumps).GetCount() > 0;
    const bool bPartnerVoid = IsKnownVoid(Partner(), nSuit)
        && (!IsSuitContract() || IsKnownVoid(Partner(), m_nTrumps));
    const bool bCanRuff = IsSuitContract() && nSuit != m_nTrumps && Length(nSuit) == 0 && HoldsTrump();
    if (nHonours == 1) {
        Explain("2nd - I have one honour, play high");
        return true;
    }
    if (nHonours >= 1 && dummy.GetCount() > 0 && DummyTop(nSuit) > OwnTop(nSuit)) {
        Explain("2nd - Winning honours above dummys, play high");
        return true;
    }
    if (OnlyMineOrDummyAbove(led) || bPartnerVoid) {
        Explain("2nd - partner can't win, play high");
        return true;
    }
    if ((dummy.GetCount() > 0 || !bDummyHasTrump) && bCanRuff) {
        Explain("2nd - always ruff if can, play high");
        return true;
    }
    if (IsSuitContract() && dummy.GetCount() == 0 && bDummyHasTrump) {
        Explain("2nd - dummy can start to ruff next round, play high");
        return true;
    }
    return false;
}

CCard CWhistDefend::SecondHighAfterDummy()
{
    const int nSuit = LedSuit();
    const bool bHigh = SecondAfterShouldPlayHigh();
    if (Length(nSuit) == 0) {
        if (bHigh && HoldsTrump())
            return RuffOrDiscard();
        Explain("2nd - let partner win, discard");
        return ChooseDiscard();
    }
    if (bHigh)
        return LowestOfTopSequence(nSuit);
    Explain("2nd - let partner win, play low");
    return LowCard(nSuit);
}

CCard CWhistDefend::SecondNotMaster()
{
    const CCard led = Led();
    if (PartnerCannotBeat(led)) {
        Explain("2nd - Partner cannot beat card led, play high");
        return CoverCard(led.GetSuit(), led);
    }
    return ForceWithSequence(led.GetSuit());
}

bool CWhistDefend::BeatenBefore(const CCard& card, const CCard& earlierWinner) const
{
    for (const CCard& unplayed : Unplayed(card.GetSuit()).m_cards) {
        if (unplayed > earlierWinner)
            return true;
        if (unplayed > card && HeldByNeither(unplayed))
            return false;
    }
    return true;
}

bool CWhistDefend::PartnerCannotBeat(const CCard& card) const
{
    const int nSuit = card.GetSuit();
    const int nDeclaringSide = SideOf(Declarer());
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        if (pTrick->GetLeader() != PreviousSeat() || pTrick->GetCount() == 0
            || pTrick->m_cards[0].GetSuit() != nSuit)
            continue;
        CCard winningCard;
        const int nWinner = pTrick->GetWinner(winningCard);
        if (SideOf(nWinner) == nDeclaringSide && winningCard.GetSuit() == nSuit
            && BeatenBefore(card, winningCard))
            return true;
    }
    const CHandEstimate& partner = m_estimates[Partner()];
    return partner.GetMaxLength(nSuit) == 0
        && (!IsSuitContract() || partner.GetMaxLength(m_nTrumps) == 0);
}

CCard CWhistDefend::CoverCard(int nSuit, const CCard& card) const
{
    const CCardPile& own = m_hand.Suit(nSuit);
    if (own.GetCount() < 2)
        return own.m_cards[0];
    CCard outside[2];
    int nFound = 0;
    for (const CCard& unplayed : Unplayed(nSuit).m_cards) {
        if (nFound < 2 && HeldByNeither(unplayed))
            outside[nFound++] = unplayed;
    }
    const CCard& o1 = outside[0];
    const CCard& o2 = outside[1];
    const CCard& top = own.m_cards[0];
    const CCard& second = own.m_cards[1];
    if (o1 > top && second > o2 && second > card)
        return second;
    if (top > o1)
        return top;
    return LowestInSuit(nSuit);
}

CCard CWhistDefend::ForceWithSequence(int nSuit)
{
    const CCardPile& unplayed = Unplayed(nSuit);
    int nStart = 0;
    while (nStart < unplayed.GetCount() && !Holds(unplayed.m_cards[nStart]))
        ++nStart;
    int nEnd = nStart;
    while (nEnd < unplayed.GetCount() && Holds(unplayed.m_cards[nEnd]))
        ++nEnd;
    if (nEnd - nStart >= FORCING_SEQUENCE && nStart <= FORCING_SEQUENCE_LAST_START) {
        Explain("2nd - Can't win but I have a 3 card honour sequence, so force");
        return unplayed.m_cards[nStart];
    }
    Explain("2nd - Can't win and no 3 card honour sequence");
    return LowCard(nSuit);
}

// ---------------------------------------------------------------------------------------
// Third hand

bool CWhistDefend::ShouldUnblock(const CCard& card) const
{
    const int nSuit = card.GetSuit();
    return card.GetOrder() >= ORDER_TEN && Length(nSuit) == DOUBLETON
        && HighestInSuit(nSuit).GetOrder() == card.GetOrder() + 1 && TricksToDefeat() != 1;
}

bool CWhistDefend::DeclarerMayBeat(const CCard& card) const
{
    const int nSuit = card.GetSuit();
    if (m_estimates[Declarer()].GetMaxLength(nSuit) < 1)
        return MayRuff(Declarer(), nSuit);
    for (const CCard& unplayed : Unplayed(nSuit).m_cards) {
        if (unplayed < card)
            return false;
        if (unplayed > card && HeldByNeither(unplayed))
            return true;
    }
    return false;
}

CCard CWhistDefend::NextOpponentBest(int nSuit) const
{
    const int nNext = NextSeat(m_nSeat);
    if (nNext == m_nDummy)
        return DummyBest(nSuit);
    int nLookIn = nSuit;
    if (IsKnownVoid(nNext, nSuit)) {
        if (!IsSuitContract() || IsKnownVoid(nNext, m_nTrumps))
            return CCard();
        nLookIn = m_nTrumps;
    }
    for (const CCard& unplayed : Unplayed(nLookIn).m_cards) {
        if (HeldByNeither(unplayed))
            return unplayed;
    }
    return CCard();
}

bool CWhistDefend::PartnerCardAsGood(const CCardPile& dummyPile, const CCard& partnerCard,
                                     const CCard& ownCard) const
{
    bool bPassedOwn = false;
    for (const CCard& unplayed : Unplayed(partnerCard.GetSuit()).m_cards) {
        if (unplayed == partnerCard)
            return true;
        if (bPassedOwn && !dummyPile.Contains(unplayed))
            return false;
        if (unplayed == ownCard)
            bPassedOwn = true;
    }
    return true;
}

bool CWhistDefend::DummyCardBetween(const CCardPile& dummyPile, const CCard& lower,
                                    const CCard& upper) const
{
    bool bPassedUpper = false;
    for (const CCard& unplayed : Unplayed(lower.GetSuit()).m_cards) {
        if (unplayed == lower)
            return false;
        if (bPassedUpper && dummyPile.Contains(unplayed))
            return true;
        if (unplayed == upper)
            bPassedUpper = true;
    }
    return true;
}

CCard CWhistDefend::LowestWinnerOverDummy(const CCard& cardToBeat, const CCardPile& dummyPile,
                                          const CCardPile& ownPile) const
{
    const std::vector<CCard>& cards = ownPile.m_cards;
    ASSERT(cards.size());
    if (cards.empty())
        return CCard();
    const CCard d = dummyPile.GetCount() > 0 ? dummyPile.m_cards[0] : CCard();
    const CCard v = LowestWinner(d, ownPile);
    if (!(v < d))
        return v;
    CCard p = cards[0];
    for (const CCard& c : cards) {
        if ((p > cardToBeat && DummyCardBetween(dummyPile, c, p)) || c < cardToBeat)
            return p;
        p = c;
    }
    return v;
}

CCard CWhistDefend::WinCheaply(int nSuit, const CCard& cardToBeat, bool bPartnerWinning)
{
    const CCard n = NextOpponentBest(nSuit);
    const CCardPile& own = m_hand.Suit(nSuit);
    const CCardPile& dummy = m_dummy.Suit(nSuit);
    if (DummyIsNext()) {
        if (dummy.GetCount() == 0) {
            Explain("3rd - Dummy out, win it with lowest high card");
            return LowestWinner(cardToBeat, own);
        }
        Explain("3rd - win it with lowest high card looking at dummy");
        if (n > cardToBeat)
            return LowestWinnerOverDummy(cardToBeat, dummy, own);
        return LowestWinner(cardToBeat, own);
    }
    const CCard s = LowestOfTopSequence(nSuit);
    if (n > s) {
        Explain("3rd - lho can beat us");
        return CoverCard(nSuit, cardToBeat);
    }
    if (bPartnerWinning && PartnerCardAsGood(dummy, cardToBeat, s)) {
        Explain("3rd - partners card is as good as mine so discard");
        return LowCard(nSuit);
    }
    Explain("3rd - win it with lowest high card not in Dummy");
    return s;
}

CCard CWhistDefend::ThirdPartnerWinning(const CCard& winningCard)
{
    const int nSuit = LedSuit();
    const CCardPile& dummy = m_dummy.Suit(nSuit);
    if (ShouldUnblock(winningCard)) {
        Explain("3rd - unblock partners long suit");
        return HighestInSuit(nSuit);
    }
    if (!DummyIsNext()) {
        if (DeclarerMayBeat(winningCard) && HighestInSuit(nSuit) > winningCard)
            return WinCheaply(nSuit, winningCard, true);
        Explain("3rd after dummy - partner winning, play low");
        return LowCard(nSuit);
    }
    if (dummy.GetCount() == 0) {
        Explain("3rd before dummy - partner winning and dummy out of suit, discard");
        return LowCard(nSuit);
    }
    const CCard G = DummyTop(nSuit);
    if (!(G > winningCard)) {
        Explain("3rd before dummy - partner winning and dummy can't beat it, discard");
        return LowCard(nSuit);
    }
    const CCard v = LowestWinnerOverDummy(winningCard, dummy, m_hand.Suit(nSuit));
    if (v > G) {
        Explain("3rd - can beat dummy");
        return v;
    }
    if (DummyCardBetween(dummy, winningCard, v)) {
        Explain("3rd - can force higher card from dummy");
        return v;
    }
    Explain("3rd - partner is forcing dummy so discard");
    return LowCard(nSuit);
}

CCard CWhistDefend::ThirdVoid(int nWinner, const CCard& winningCard)
{
    const int nSuit = LedSuit();
    if (!IsSuitContract()) {
        Explain("3rd - Discard");
        return ChooseDiscard();
    }
    if (nWinner != Partner()) {
        Explain("3rd - ruff");
        return RuffOrDiscard();
    }
    if (!DummyIsNext()) {
        if (DeclarerMayBeat(winningCard)) {
            Explain("3rd - attacker could beat partners card so ruff it");
            return RuffOrDiscard();
        }
        Explain("3rd - attacker can't beat partners card, discard");
        return ChooseDiscard();
    }
    if (m_dummy.Suit(nSuit).GetCount() == 0) {
        const CCard dummyTrump = DummyTop(m_nTrumps);
        if (HoldsTrump() && m_dummy.Suit(m_nTrumps).GetCount() > 0
            && HighestInSuit(m_nTrumps) > dummyTrump) {
            Explain("3rd ruff higher than dummy can");
            return LowestWinner(dummyTrump, m_hand.Suit(m_nTrumps));
        }
        Explain("3rd before dummy - partner winning and dummy out of suit, discard");
        return ChooseDiscard();
    }
    if (DummyTop(nSuit) > winningCard) {
        Explain("3rd - dummy beats partners card so ruff if possible");
        return RuffOrDiscard();
    }
    Explain("3rd partner winning and dummy can't beat it, discard");
    return ChooseDiscard();
}

CCard CWhistDefend::PlayThird()
{
    const int nSuit = LedSuit();
    CCard winningCard;
    const int nWinner = TrickWinner(winningCard);
    if (Length(nSuit) == 1) {
        Explain("3rd - follow suit");
        return LowestInSuit(nSuit);
    }
    if (Length(nSuit) == 0)
        return ThirdVoid(nWinner, winningCard);
    if (nWinner == Partner())
        return ThirdPartnerWinning(winningCard);
    if (HighestInSuit(nSuit) > winningCard)
        return WinCheaply(nSuit, winningCard, false);
    if (ShouldUnblock(Led())) {
        Explain("3rd - unblock partners long suit");
        return HighestInSuit(nSuit);
    }
    Explain("3rd - my high card is lower than current winning card, play low");
    return LowCard(nSuit);
}

// ---------------------------------------------------------------------------------------
// Fourth hand

CCard CWhistDefend::PlayFourth()
{
    const int nSuit = LedSuit();
    CCard winningCard;
    const int nWinner = TrickWinner(winningCard);
    if (Length(nSuit) == 1) {
        Explain("4th - follow suit");
        return LowestInSuit(nSuit);
    }
    if (Length(nSuit) > 1) {
        if (nWinner == Partner()) {
            Explain("4th - partner winning, play low");
            return LowCard(nSuit);
        }
        if (HighestInSuit(nSuit) > winningCard) {
            Explain("4th - win it with lowest card possible");
            return LowestWinner(winningCard, m_hand.Suit(nSuit));
        }
        Explain("4th - my high card is lower than current winning card, play low");
        return LowCard(nSuit);
    }
    if (nWinner == Partner()) {
        Explain("4th - discard");
        return ChooseDiscard();
    }
    const CCard card = RuffOrDiscard();
    Explain(IsSuitContract() && card.GetSuit() == m_nTrumps ? "4th - ruff" : "4th - discard");
    return card;
}
