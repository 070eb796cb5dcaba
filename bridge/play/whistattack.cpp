#include "bridge/play/whistattack.h"

#include <algorithm>

#include "platform/base/assert.h"
#include "platform/base/runtime.h"

namespace {

// IndexOf's answer for a card the pile does not hold.
constexpr int NOT_FOUND = -1;
// CountEarlyLosers takes a hand that wins no round of a suit as winning only after the last.
constexpr int NO_FIRST_WINNER_ROUND = 14;

// The explanation openings of the lead.
constexpr char LEAD_CASH[] = "1st, Cash tricks, ";
constexpr char LEAD_EXTRA[] = "1st, Extra tricks, ";

// The phrases of the lead flags, in the order they are written. A row with bFinesseName
// follows its phrase with the name of the matched finesse row and a comma.
struct LeadPhrase {
    int nFlags;
    const char* szPhrase;
    bool bFinesseName;
};

const LeadPhrase s_leadPhrases[] = {
    {LEAD_RUN_OUT_SUIT, "Run out last cards of suit,", false},
    {LEAD_UNLIKELY_RUFF, "Unlikely ruff,", false},
    {LEAD_SELF_BLOCKING, "Self blocking,", false},
    {LEAD_QUICK_NO_ENTRIES, "Has quick tricks with no entries,", false},
    {LEAD_QUICK_TRICKS, "Has quick tricks,", false},
    {LEAD_DROP_100, "Drop 100%,", false},
    {LEAD_FINESSE_100, "Finesse100% ", true},
    {LEAD_LENGTH, "Length,", false},
    {LEAD_CAN_RUFF | LEAD_RUFF_AFTER_DRAWING, "Can ruff,", false},
    {LEAD_DISCARD_LOSER, "Can discard loser,", false},
    {LEAD_WINNERS_OVER_QTS, "Winners > QTs,", false},
    {LEAD_DROP_50, "Drop 50%,", false},
    {LEAD_SEQUENCE_BELOW_TOP, "Seqence below top card,", false},
    {LEAD_LONG_FINESSE, "Long Finesse ", true},
    {LEAD_FINESSE, "Finesse50% ", true},
    {LEAD_LOW_TO_HIGH, "Low to high lead,", false},
    {LEAD_NO_REVERSE_FINESSE, "No reverse finesse,", false},
};

// Finesse chances the rules name.
constexpr int PERCENT_SURE = 100;
constexpr int PERCENT_EVEN = 50;
constexpr int PERCENT_QUARTER = 25;

// The starting scores of a discard suit; a trump is worth keeping more than a side card.
constexpr int DISCARD_BASE_SIDE = 2048;
constexpr int DISCARD_BASE_TRUMPS = 1024;

// The highest card of a pile sorted highest first, or the empty card.
CCard Highest(const CCardPile& pile)
{
    return pile.m_cards.empty() ? CCard() : pile.m_cards.front();
}

// The lowest card of a pile sorted highest first, or the empty card.
CCard Lowest(const CCardPile& pile)
{
    return pile.m_cards.empty() ? CCard() : pile.m_cards.back();
}

} // namespace

// One reason to keep a suit when choosing a discard: what it costs the suit's score and
// whether it holds for suit nSuit of hand, other being the other hand of the pair.
struct CWhistAttack::DiscardPenalty {
    int nAmount;
    bool (*pApplies)(const CWhistAttack& engine, int nSuit, const CWhistHand& hand,
                     const CWhistHand& other);
};

CWhistAttack::CWhistAttack(int nSeat, int nDummy, int nTrumps, int nContractLevel,
                           CCardPile* pHand, CCardPile* pPartner, CPileGroup* pTricks,
                           CTrick* pTrick, CAuction* pAuction, CExplainWhistDlg* pExplain)
    : CWhistBase(nSeat, nDummy, nTrumps, nContractLevel, pHand, pTricks, pTrick, pAuction, pExplain)
    , m_pPartner(pPartner)
    , m_extraLength{}
    , m_partnerHand(*pPartner)
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        m_quickTricks[nSuit] = 0;
        m_winners[nSuit] = 0;
        m_losers[nSuit] = 0;
        m_extraLength[nSuit] = 0;
        BuildOpponentCards(nSuit);
        AnalyseSuit(nSuit);
    }
    m_hand.CountWinners(m_partnerHand, m_nTrumps);
    m_partnerHand.CountWinners(m_hand, m_nTrumps);
}

CWhistAttack::~CWhistAttack()
{
    m_opponents.DeleteAll();
}

void CWhistAttack::SetVisibleHands()
{
    SetKnownHand(m_nSeat, *m_pHand);
    SetKnownHand(PartnerSeatOf(), *m_pPartner);
}

// ---------------------------------------------------------------------------------------
// Suit analysis

void CWhistAttack::BuildOpponentCards(int nSuit)
{
    CCardPile* pCards = DEBUG_NEW CCardPile(0, 0, 0);
    for (const CCard& card : Unplayed(nSuit).m_cards) {
        if (!PairHolds(card) && !m_pTrick->Contains(card))
            pCards->AddCard(card);
    }
    m_opponents.Add(pCards);
}

void CWhistAttack::AnalyseSuit(int nSuit)
{
    const int a = OwnLength(nSuit);
    const int b = PartnerLength(nSuit);
    const int nLong = std::max(a, b);
    const int nShort = std::min(a, b);
    m_partnerHand.longHand[nSuit] = b >= a;
    m_hand.longHand[nSuit] = a > b;

    const bool bLongHandEarly = CountCashRun(nSuit, a >= b ? m_hand : m_partnerHand, nShort);
    CountRounds(nSuit, nLong);

    const int nOwnFirst = m_hand.firstWinnerAt[nSuit];
    const int nPartnerFirst = m_partnerHand.firstWinnerAt[nSuit];
    if (m_losers[nSuit] >= nOwnFirst || m_losers[nSuit] >= nPartnerFirst) {
        const int e = std::min(nOwnFirst, nPartnerFirst);
        if (e >= 0)
            m_losers[nSuit] = std::max(e - 1, 0);
    }

    // When the quick tricks outlast the opponents' cards, the whole long hand cashes if it
    // holds an early top card or is the hand on lead; otherwise the suit blocks after the
    // short hand's length.
    const int d = OpponentCards(nSuit).GetCount();
    if (m_quickTricks[nSuit] < d)
        m_quickTricks[nSuit] = std::min(m_quickTricks[nSuit], nLong);
    else
        m_quickTricks[nSuit] = bLongHandEarly || a == nLong ? nLong : nShort;
}

CWhistHand* CWhistAttack::Holder(const CCard& card)
{
    const int nSuit = card.GetSuit();
    if (m_hand.Suit(nSuit).Contains(card))
        return &m_hand;
    if (m_partnerHand.Suit(nSuit).Contains(card))
        return &m_partnerHand;
    return nullptr;
}

bool CWhistAttack::CountCashRun(int nSuit, const CWhistHand& longRecord, int nShort)
{
    bool bLongHandEarly = false;
    const std::vector<CCard>& unplayed = Unplayed(nSuit).m_cards;
    for (int i = 0; i < static_cast<int>(unplayed.size()); ++i) {
        CWhistHand* pHolder = Holder(unplayed[i]);
        if (!pHolder)
            break;
        ++m_quickTricks[nSuit];
        ++pHolder->topCards[nSuit];
        if (pHolder == &longRecord && i < nShort)
            bLongHandEarly = true;
    }
    return bLongHandEarly;
}

void CWhistAttack::CountRounds(int nSuit, int nLong)
{
    m_hand.firstWinnerAt[nSuit] = -1;
    m_partnerHand.firstWinnerAt[nSuit] = -1;
    const int r = RoundsToDraw(nSuit);
    int j = 0;
    int k = 0;
    int nBalance = 0;
    for (const CCard& card : Unplayed(nSuit).m_cards) {
        const int p = std::max(j, k);
        CWhistHand* pHolder = Holder(card);
        if (pHolder) {
            ++j;
            ++nBalance;
            if (nBalance > m_winners[nSuit]) {
                m_winners[nSuit] = nBalance;
                if (pHolder->firstWinnerAt[nSuit] < 0)
                    pHolder->firstWinnerAt[nSuit] = p;
            }
        } else {
            ++k;
            --nBalance;
            m_losers[nSuit] = std::max(m_losers[nSuit], -nBalance);
        }
        const int pAfter = std::max(j, k);
        if (pAfter >= r && pAfter < nLong) {
            m_winners[nSuit] += nLong - r;
            m_extraLength[nSuit] = nLong - r;
            return;
        }
        if (pAfter >= nLong && pAfter < r) {
            m_losers[nSuit] += r - nLong;
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Counting rules

int CWhistAttack::Outstanding(int nSuit) const
{
    return Unplayed(nSuit).GetCount() - OwnLength(nSuit) - PartnerLength(nSuit);
}

bool CWhistAttack::PairHolds(const CCard& card) const
{
    const int nSuit = card.GetSuit();
    return m_hand.Suit(nSuit).Contains(card) || m_partnerHand.Suit(nSuit).Contains(card);
}

int CWhistAttack::RoundsToDraw(int nSuit) const
{
    const int n = Outstanding(nSuit);
    if (n <= 0)
        return 0;
    if (IsKnownVoid(LeftOpponent(), nSuit) || IsKnownVoid(RightOpponent(), nSuit))
        return n;
    if (n <= 2)
        return 1;
    if (n == 3)
        return 2;
    return n / 2 + 1;
}

int CWhistAttack::EvenSplitRounds(int nSuit) const
{
    const int n = Outstanding(nSuit);
    if (n <= 0)
        return 0;
    if (IsKnownVoid(LeftOpponent(), nSuit) || IsKnownVoid(RightOpponent(), nSuit))
        return n;
    return (n + 1) / 2;
}

int CWhistAttack::MaxOpponentLength(int nSuit) const
{
    const int nLeftMin = m_estimates[LeftOpponent()].GetMinLength(nSuit);
    const int nRightMin = m_estimates[RightOpponent()].GetMinLength(nSuit);
    return Outstanding(nSuit) - std::min(nLeftMin, nRightMin);
}

bool CWhistAttack::OpponentsOutOfTrumps() const
{
    return m_nTrumps == NO_TRUMPS || OpponentCards(m_nTrumps).GetCount() == 0;
}

int CWhistAttack::DropPercent(int nSuit) const
{
    const int q = m_quickTricks[nSuit];
    if (q <= 0 || OwnLength(nSuit) == 0)
        return 0;
    if (q >= OpponentCards(nSuit).GetCount())
        return PERCENT_SURE;
    if (q < EvenSplitRounds(nSuit))
        return 0;
    return PERCENT_EVEN;
}

CCard CWhistAttack::PartnerLowest(int nSuit) const
{
    return Lowest(m_partnerHand.Suit(nSuit));
}

CCard CWhistAttack::PartnerHighest(int nSuit) const
{
    return Highest(m_partnerHand.Suit(nSuit));
}

bool CWhistAttack::InSequence(const CCard& higher, const CCard& lower) const
{
    for (const CCard& card : Unplayed(higher.GetSuit()).m_cards) {
        if (!(card < higher))
            continue;
        if (card == lower)
            return true;
        if (!PairHolds(card))
            return false;
    }
    return true;
}

bool CWhistAttack::OpponentCardBetween(const CCard& lower, const CCard& higher) const
{
    for (const CCard& card : OpponentCards(higher.GetSuit()).m_cards) {
        if (card > lower && card < higher)
            return true;
    }
    return false;
}

int CWhistAttack::CountSequenceBelow(const CCard& card) const
{
    const CCardPile& unplayed = Unplayed(card.GetSuit());
    const int nPlace = unplayed.IndexOf(card);
    if (nPlace == NOT_FOUND)
        return 0;
    int nCount = 0;
    for (int i = nPlace + 1; i < unplayed.GetCount() && PairHolds(unplayed.m_cards[i]); ++i)
        ++nCount;
    return nCount;
}

int CWhistAttack::SequenceBelowTop(int nSuit) const
{
    const CCardPile& unplayed = Unplayed(nSuit);
    if (unplayed.GetCount() == 0 || m_hand.topCards[nSuit] != 0 || m_partnerHand.topCards[nSuit] != 0)
        return 0;
    return CountSequenceBelow(unplayed.m_cards.front());
}

bool CWhistAttack::CanRunFromTop(const CCard& card, const CCardPile& pile1,
                                 const CCardPile& pile2) const
{
    if (CountSequenceBelow(card) < OpponentCards(card.GetSuit()).GetCount())
        return false;
    return Highest(pile1) > Lowest(pile2);
}

// ---------------------------------------------------------------------------------------
// Finesse matching

CWhistAttack::TopCardMasks CWhistAttack::BuildTopCardMasks(int nSuit, int nSeat1, int nIgnore,
                                                           const CCardPile& pile1,
                                                           const CCardPile& pile2) const
{
    TopCardMasks masks = {0, 0, 0, 0, 0};
    const std::vector<CCard>& unplayed = Unplayed(nSuit).m_cards;
    const int nTop = std::min(FINESSE_TOP_CARDS, static_cast<int>(unplayed.size()));
    for (int i = 0; i < nTop; ++i) {
        const int nBit = 1 << i;
        if (pile1.Contains(unplayed[i]))
            masks.nHand1 |= nBit;
        else if (pile2.Contains(unplayed[i]))
            masks.nHand2 |= nBit;
        else
            masks.nOutstanding |= nBit;
    }
    // A void opponent places every outstanding card with the other one.
    if (IsKnownVoid(NextSeat(nSeat1), nSuit))
        masks.nWithRight = masks.nOutstanding;
    else if (IsKnownVoid((nSeat1 + 3) & 3, nSuit))
        masks.nWithLeft = masks.nOutstanding;
    const int nKeep = ~nIgnore;
    masks.nHand1 &= nKeep;
    masks.nHand2 &= nKeep;
    masks.nOutstanding &= nKeep;
    masks.nWithLeft &= nKeep;
    masks.nWithRight &= nKeep;
    return masks;
}

bool CWhistAttack::RowMatches(const FinesseCombo& row, const TopCardMasks& masks, int nLength1,
                              int nLength2, int nExcess)
{
    return masks.nWithRight != row.outstanding && masks.nOutstanding == row.outstanding
        && masks.nHand1 == row.mask1 && masks.nHand2 == row.mask2 && row.min1 <= nLength1
        && nLength1 <= row.max1 && row.min2 <= nLength2 && nLength2 <= row.max2
        && nExcess <= row.maxExcess;
}

void CWhistAttack::MatchFinesse(const FinesseCombo* pTable, int nSeat1, int nSuit,
                                CWhistHand& record1, const CWhistHand& hand2)
{
    const CCardPile& pile1 = record1.Suit(nSuit);
    const CCardPile& pile2 = hand2.Suit(nSuit);
    const int n1 = pile1.GetCount();
    const int n2 = pile2.GetCount();
    if (n1 == 0 || n2 == 0) {
        record1.finessePercent[nSuit] = 0;
        return;
    }
    const int nExcess = n1 + n2 - OpponentCards(nSuit).GetCount();
    for (int nRow = 0; pTable[nRow].mask1 != FINESSE_TABLE_END; ++nRow) {
        const FinesseCombo& row = pTable[nRow];
        const TopCardMasks masks = BuildTopCardMasks(nSuit, nSeat1, row.ignore, pile1, pile2);
        if (RowMatches(row, masks, n1, n2, nExcess)) {
            TakeFinesseRow(row, nRow, nSuit, masks, record1, pile1, pile2);
            return;
        }
    }
}

void CWhistAttack::TakeFinesseRow(const FinesseCombo& row, int nRow, int nSuit,
                                  const TopCardMasks& masks, CWhistHand& record1,
                                  const CCardPile& pile1, const CCardPile& pile2)
{
    const std::vector<CCard>& unplayed = Unplayed(nSuit).m_cards;
    const bool bCash = row.alternative != FINESSE_NO_ALTERNATIVE
        && row.alternative < static_cast<int>(unplayed.size())
        && CanRunFromTop(unplayed[row.alternative], pile1, pile2);
    if (bCash) {
        record1.finesseLead[nSuit] = HighestInSuit(nSuit);
        record1.finessePlay[nSuit] = PartnerLowest(nSuit);
    } else {
        record1.finessePlay[nSuit] = row.play2 == FINESSE_LOWEST_CARD ? Lowest(pile2) : unplayed[row.play2];
        record1.finesseLead[nSuit] = row.lead1 == FINESSE_LOWEST_CARD ? Lowest(pile1) : unplayed[row.lead1];
    }
    record1.finessePercent[nSuit] = (masks.nWithLeft & row.outstanding) != 0 ? PERCENT_SURE : row.percent;
    record1.finesseMin1[nSuit] = row.min1;
    record1.finesseMin2[nSuit] = row.min2;
    record1.finesseRow[nSuit] = nRow;
}

// ---------------------------------------------------------------------------------------
// The lead

void CWhistAttack::MatchLeadFinesses()
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        MatchFinesse(g_finesseCombos, m_nSeat, nSuit, m_hand, m_partnerHand);
        MatchFinesse(g_finesseCombos, PartnerSeatOf(), nSuit, m_partnerHand, m_hand);
    }
}

void CWhistAttack::MatchSecondHandFinesses()
{
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        MatchFinesse(g_secondHandFinesseCombos, m_nSeat, nSuit, m_hand, m_partnerHand);
}

CCard CWhistAttack::PlayLead()
{
    MatchLeadFinesses();
    return ChooseLeadSuit(IsCashMode());
}

bool CWhistAttack::IsCashMode() const
{
    if (m_nTrumps != NO_TRUMPS && !OpponentsOutOfTrumps())
        return TotalWinners() >= m_nContractLevel + BOOK_TRICKS - m_nTricksWon;
    return RunnableTricks() >= CARDS_PER_HAND - m_pTricks->GetCount() - CountEarlyLosers(NO_TRUMPS);
}

int CWhistAttack::RunnableInSuit(int nSuit) const
{
    if (m_quickTricks[nSuit] < EvenSplitRounds(nSuit))
        return m_quickTricks[nSuit];
    return std::max(OwnLength(nSuit), PartnerLength(nSuit));
}

int CWhistAttack::RunnableTricks() const
{
    if (!OpponentsOutOfTrumps())
        return TotalQuickTricks();
    int nTricks = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        nTricks += RunnableInSuit(nSuit);
    return nTricks;
}

int CWhistAttack::CountEarlyLosers(int nTrumpSuit) const
{
    int nLosers = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        const int nOwnFirst = m_hand.firstWinnerAt[nSuit];
        const int nPartnerFirst = m_partnerHand.firstWinnerAt[nSuit];
        int c = std::min(nOwnFirst < 0 ? NO_FIRST_WINNER_ROUND : nOwnFirst,
                         nPartnerFirst < 0 ? NO_FIRST_WINNER_ROUND : nPartnerFirst);
        if (IsSideSuit(nSuit)) {
            // A hand that runs out of the suit while it still has a trump ruffs the next round.
            const int nSpent = nTrumpSuit == m_nTrumps ? 1 : 0;
            if (OwnLength(nSuit) < c && OwnLength(m_nTrumps) - nSpent > 0)
                c = OwnLength(nSuit) + 1;
            if (PartnerLength(nSuit) < c && PartnerLength(m_nTrumps) - nSpent > 0)
                c = PartnerLength(nSuit) + 1;
        }
        c = std::min(c, EvenSplitRounds(nSuit) + 1);
        if (c > 0)
            nLosers += c - 1;
    }
    return nLosers;
}

int CWhistAttack::SafeTricks() const
{
    if (m_nTrumps == NO_TRUMPS)
        return TotalWinners();
    // Side-suit quick tricks stand until an opponent who may hold trumps runs out.
    struct Opponent {
        int nMin;
        int nTrumps;
    };
    int nTricks = 0;
    bool bRuffPossible = false;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (nSuit == m_nTrumps)
            continue;
        const int q = m_quickTricks[nSuit];
        Opponent opponents[2];
        const int nSeats[2] = {LeftOpponent(), RightOpponent()};
        for (int i = 0; i < 2; ++i) {
            const CHandEstimate& estimate = m_estimates[nSeats[i]];
            opponents[i].nMin = estimate.GetMaxLength(nSuit) != 0 ? EvenSplitRounds(nSuit)
                                                                  : estimate.GetMinLength(nSuit);
            opponents[i].nTrumps = estimate.GetMaxLength(m_nTrumps);
        }
        int v = q;
        if (opponents[0].nTrumps != 0) {
            bRuffPossible = true;
            v = opponents[0].nMin == 0 ? std::max(q - opponents[0].nTrumps, 0)
                                       : std::min(q, opponents[0].nMin);
        }
        if (opponents[1].nTrumps != 0) {
            bRuffPossible = true;
            v = opponents[1].nMin == 0 ? std::min(v, std::max(q - opponents[1].nTrumps, 0))
                                       : std::min(v, std::min(q, opponents[1].nMin));
        } else {
            v = std::min(v, q);
        }
        nTricks += v;
    }
    nTricks += m_winners[m_nTrumps];
    const CCardPile& trumps = Unplayed(m_nTrumps);
    const int nTheirTrumps = OpponentCards(m_nTrumps).GetCount();
    if (bRuffPossible && trumps.GetCount() > nTheirTrumps) {
        if (nTheirTrumps == 1)
            ++nTricks;
        else if (nTheirTrumps > 1 && trumps.GetCount() > 1
                 && !OpponentCards(m_nTrumps).Contains(trumps.m_cards[1]))
            ++nTricks;
    }
    return nTricks;
}

int CWhistAttack::TricksToLose() const
{
    return CARDS_PER_HAND - m_pTricks->GetCount() - SafeTricks();
}

bool CWhistAttack::ShouldDrawTrumps() const
{
    const int t = m_nTrumps;
    const bool bOwnLong = OwnLength(t) >= PartnerLength(t);
    const int nLongest = std::max(OwnLength(t), PartnerLength(t));
    bool bShortRuff = false;
    bool bLongRuff = false;
    bool bDiscard = false;
    for (int s = 0; s < SUIT_COUNT; ++s) {
        if (s == t)
            continue;
        const bool bOwnLosers = m_hand.topCards[s] < OwnLength(s);
        const bool bPartnerLosers = m_partnerHand.topCards[s] < PartnerLength(s);
        bShortRuff |= (bOwnLong ? PartnerCanRuff(s) : PartnerCanRuffAfterDrawing(s)) && bOwnLosers;
        bLongRuff |= (bOwnLong ? PartnerCanRuffAfterDrawing(s) : PartnerCanRuff(s)) && bPartnerLosers;
        bDiscard |= CanDiscardLoser(s);
    }
    const int nTheirTrumps = OpponentCards(t).GetCount();
    bool bDraw = true;
    if (nTheirTrumps == 1 && m_hand.topCards[t] == 0 && m_partnerHand.topCards[t] == 0)
        bDraw = false;
    if (nLongest >= EvenSplitRounds(t) && CountEarlyLosers(t) < TricksToLose())
        bDraw = true;
    if (bDiscard)
        bDraw = false;
    if (bOwnLong && bShortRuff)
        bDraw = false;
    if (!bOwnLong && bLongRuff && bShortRuff)
        bDraw = false;
    if (nTheirTrumps == 0)
        bDraw = false;
    int nOwnCards = 0;
    for (int s = 0; s < SUIT_COUNT; ++s)
        nOwnCards += OwnLength(s);
    if (nOwnCards == OwnLength(t))
        bDraw = true;
    return bDraw;
}

CCard CWhistAttack::ChooseLeadSuit(bool bCash)
{
    int nSuit = -1;
    int nFlags = 0;
    if (m_nTrumps != NO_TRUMPS && OwnLength(m_nTrumps) > 0 && ShouldDrawTrumps()) {
        nSuit = m_nTrumps;
        nFlags = EvaluateLeadSuit(bCash, m_nTrumps);
    } else {
        for (int s = 0; s < SUIT_COUNT; ++s) {
            if (s == m_nTrumps || OwnLength(s) == 0)
                continue;
            const int nScore = EvaluateLeadSuit(bCash, s);
            if (nSuit < 0 || nScore > nFlags) {
                nSuit = s;
                nFlags = nScore;
            }
        }
    }
    if (nSuit < 0)
        return CCard(); // an empty hand has nothing to lead
    Explain(LeadExplanation(bCash, nSuit, nFlags));
    return LeadCardForFlags(nSuit, nFlags);
}

CString CWhistAttack::LeadExplanation(bool bCash, int nSuit, int nFlags) const
{
    CString strText = bCash ? LEAD_CASH : LEAD_EXTRA;
    for (const LeadPhrase& phrase : s_leadPhrases) {
        if ((nFlags & phrase.nFlags) == 0)
            continue;
        strText += phrase.szPhrase;
        if (phrase.bFinesseName) {
            strText += g_finesseCombos[m_hand.finesseRow[nSuit]].name;
            strText += ",";
        }
    }
    return strText;
}

CCard CWhistAttack::LeadCardForFlags(int nSuit, int nFlags) const
{
    const auto has = [nFlags](int nFlag) { return (nFlags & nFlag) != 0; };
    if (has(LEAD_CAN_RUFF))
        return LowestInSuit(nSuit);
    if (has(LEAD_DISCARD_LOSER))
        return HighestInSuit(nSuit);
    if (has(LEAD_RUFF_AFTER_DRAWING)
        && !has(LEAD_QUICK_TRICKS | LEAD_QUICK_NO_ENTRIES | LEAD_SELF_BLOCKING))
        return LowestInSuit(nSuit);
    if (has(LEAD_DROP_100))
        return LeadCardInSuit(nSuit);
    if (has(LEAD_FINESSE_100)
        || (has(LEAD_FINESSE | LEAD_LONG_FINESSE) && !has(LEAD_DROP_50) && !has(LEAD_DROP_100)))
        return m_hand.finesseLead[nSuit];
    return LeadCardInSuit(nSuit);
}

int CWhistAttack::EvaluateLeadSuit(bool bCash, int s) const
{
    const int q = m_quickTricks[s];
    const bool bSuitContract = m_nTrumps != NO_TRUMPS;
    const int nOwnPercent = m_hand.finessePercent[s];
    const bool bPartFinesse = nOwnPercent == PERCENT_EVEN || nOwnPercent == PERCENT_QUARTER;
    const bool bRuffRisk = RuffRisk(s);
    const bool bTopTrumps = OpponentsHoldTopTrumps();
    const int nDrop = DropPercent(s);
    struct Condition {
        int nFlag;
        bool bHolds;
    };
    const Condition conditions[] = {
        {LEAD_RUN_OUT_SUIT, OpponentsOutOfTrumps() && q >= MaxOpponentLength(s)},
        {LEAD_UNLIKELY_RUFF, bSuitContract && (!bRuffRisk || bTopTrumps)},
        {LEAD_SELF_BLOCKING, IsSelfBlocking(s)},
        {LEAD_QUICK_NO_ENTRIES, bCash && q > 0 && m_hand.winners[s] == 0 && m_hand.topCards[s] >= 1},
        {LEAD_QUICK_TRICKS, bCash && q > 0 && (m_hand.winners[s] != 0 || m_hand.topCards[s] < 1)},
        {LEAD_DROP_100, bCash && nDrop == PERCENT_SURE},
        {LEAD_FINESSE_100, nOwnPercent == PERCENT_SURE},
        {LEAD_LENGTH, HasLengthWinners(s) && m_partnerHand.finessePercent[s] == 0},
        {LEAD_CAN_RUFF, bSuitContract && PartnerCanRuff(s)},
        {LEAD_RUFF_AFTER_DRAWING, bSuitContract && PartnerCanRuffAfterDrawing(s)},
        {LEAD_DISCARD_LOSER, bSuitContract && CanDiscardLoser(s)
                                 && ((!bRuffRisk && !bTopTrumps) || !PartnerCanRuffAfterDrawing(s))},
        {LEAD_WINNERS_OVER_QTS, !bCash && q < m_winners[s]},
        {LEAD_DROP_50, nDrop == PERCENT_EVEN},
        {LEAD_SEQUENCE_BELOW_TOP, SequenceBelowTop(s) > 1},
        {LEAD_LONG_FINESSE, bPartFinesse
                                && OpponentCards(s).GetCount() < OwnLength(s) + PartnerLength(s)},
        {LEAD_FINESSE, bPartFinesse},
        {LEAD_LOW_TO_HIGH, IsLowToHigh(s)},
        {LEAD_NO_REVERSE_FINESSE, m_partnerHand.finessePercent[s] == 0},
        {LEAD_HAS_CARDS, OwnLength(s) > 0},
    };
    int nFlags = 0;
    for (const Condition& condition : conditions) {
        if (condition.bHolds)
            nFlags |= condition.nFlag;
    }
    return nFlags;
}

bool CWhistAttack::RuffRisk(int nSuit) const
{
    return IsSideSuit(nSuit) && OpponentCards(nSuit).GetCount() == RoundsToDraw(nSuit)
        && !OpponentsOutOfTrumps();
}

bool CWhistAttack::OpponentsHoldTopTrumps() const
{
    if (m_nTrumps == NO_TRUMPS)
        return false;
    const int nLongest = std::max(OwnLength(m_nTrumps), PartnerLength(m_nTrumps));
    const int r = RoundsToDraw(m_nTrumps);
    if (nLongest != r || r <= 0)
        return false;
    const CCardPile& trumps = Unplayed(m_nTrumps);
    if (trumps.GetCount() < r)
        return false;
    for (int i = 0; i < r; ++i) {
        if (!OpponentCards(m_nTrumps).Contains(trumps.m_cards[i]))
            return false;
    }
    return true;
}

bool CWhistAttack::IsSelfBlocking(int nSuit) const
{
    if (m_hand.longHand[nSuit])
        return m_hand.topCards[nSuit] > 0 && m_hand.winners[nSuit] == 0 && PartnerLength(nSuit) > 0;
    return m_partnerHand.topCards[nSuit] > 0 && m_partnerHand.winners[nSuit] == 0
        && OwnLength(nSuit) > 0;
}

bool CWhistAttack::PartnerCanRuff(int nSuit) const
{
    return IsSideSuit(nSuit) && PartnerLength(nSuit) == 0 && PartnerLength(m_nTrumps) > 0
        && OwnLength(nSuit) > 0 && OwnLength(m_nTrumps) >= PartnerLength(m_nTrumps);
}

bool CWhistAttack::PartnerCanRuffAfterDrawing(int nSuit) const
{
    return IsSideSuit(nSuit) && PartnerLength(nSuit) == 0 && PartnerLength(m_nTrumps) > 0
        && OwnLength(nSuit) > 0 && PartnerLength(m_nTrumps) >= RoundsToDraw(m_nTrumps);
}

bool CWhistAttack::CanDiscardLoser(int nSuit) const
{
    if (!IsSideSuit(nSuit) || PartnerLength(nSuit) != 0 || m_quickTricks[nSuit] <= 0)
        return false;
    // Another side suit with a loser in the partner's hand that the own hand cannot cover.
    for (int t = 0; t < SUIT_COUNT; ++t) {
        if (t == nSuit || !IsSideSuit(t))
            continue;
        const int q = m_quickTricks[t];
        const bool bOwnCannotCover = OwnLength(t) > q || (OwnLength(t) == 0 && OwnLength(m_nTrumps) == 0);
        if (PartnerLength(t) > q && bOwnCannotCover)
            return true;
    }
    return false;
}

bool CWhistAttack::HasLengthWinners(int nSuit) const
{
    const int nLong = std::max(OwnLength(nSuit), PartnerLength(nSuit));
    return m_extraLength[nSuit] >= 1 && nLong - RoundsToDraw(nSuit) >= 1 && m_winners[nSuit] > 0;
}

bool CWhistAttack::IsLowToHigh(int nSuit) const
{
    return PartnerLength(nSuit) > 0 && PartnerHighest(nSuit) > LeadCardInSuit(nSuit);
}

int CWhistAttack::SumWinners(const CWhistHand& hand, int nExceptSuit)
{
    int nSum = 0;
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        if (nSuit != nExceptSuit)
            nSum += hand.winners[nSuit];
    }
    return nSum;
}

CCard CWhistAttack::LeadCardInSuit(int nSuit) const
{
    const bool bHigh = PartnerLength(nSuit) >= OwnLength(nSuit) ? LeadHighFromShortHand(nSuit)
                                                                : LeadHighFromLongHand(nSuit);
    return bHigh ? HighestInSuit(nSuit) : LowestInSuit(nSuit);
}

bool CWhistAttack::LeadHighFromShortHand(int s) const
{
    const int nOwnTop = m_hand.topCards[s];
    const int nPartnerTop = m_partnerHand.topCards[s];
    if (OwnLength(s) == 2 && PartnerLength(s) == 2 && nOwnTop > 0 && nPartnerTop > 0)
        return SumWinners(m_partnerHand, -1) < SumWinners(m_hand, -1);
    if (nOwnTop >= 1) {
        const bool bLow = nOwnTop == 1 && OwnLength(s) > 2 && nPartnerTop > 1
            && m_partnerHand.winners[s] > 1;
        return !bLow;
    }
    const CCardPile& theirs = OpponentCards(s);
    return theirs.GetCount() < SequenceBelowTop(s) && InSequence(Highest(theirs), HighestInSuit(s));
}

bool CWhistAttack::LeadHighFromLongHand(int s) const
{
    const CCard ownHigh = HighestInSuit(s);
    const CCard partnerHigh = PartnerHighest(s);
    if (m_partnerHand.topCards[s] == 0) {
        if (m_hand.topCards[s] >= 1)
            return true;
        if (ownHigh < partnerHigh)
            return false;
        return !InSequence(ownHigh, partnerHigh);
    }
    const bool bOnlyEntry = s != m_nTrumps && SumWinners(m_hand, s) == 0;
    if (PartnerLength(s) == 1 && m_hand.topCards[s] > 0 && ownHigh > partnerHigh
        && (bOnlyEntry || OpponentCardBetween(partnerHigh, ownHigh)))
        return true;
    return m_partnerHand.topCards[s] == 1 && PartnerLength(s) > 2 && ownHigh > partnerHigh
        && m_hand.topCards[s] > 1 && m_hand.winners[s] > 1;
}

// ---------------------------------------------------------------------------------------
// Second, third and fourth hand

int CWhistAttack::LedSuit() const
{
    return m_pTrick->m_cards.front().GetSuit();
}

CCard CWhistAttack::PlaySecond()
{
    MatchSecondHandFinesses();
    const CCard cardLed = m_pTrick->m_cards.front();
    const int g = cardLed.GetSuit();
    if (OwnLength(g) > 0)
        return FollowSecond(cardLed);
    const bool bRuff = m_partnerHand.topCards[g] <= 0 && m_nTrumps != NO_TRUMPS
        && (PartnerLength(g) > 0 || PartnerLength(m_nTrumps) == 0
            || PartnerLength(m_nTrumps) >= OwnLength(m_nTrumps));
    if (bRuff) {
        Explain("2nd, attempt ruff");
        return RuffOrDiscard();
    }
    Explain("2nd, discard, let partner play it");
    return ChooseDiscard();
}

CCard CWhistAttack::FollowSecond(const CCard& cardLed)
{
    const int g = cardLed.GetSuit();
    const CCard high = HighestInSuit(g);
    if (high < cardLed) {
        Explain("2nd, my high card lower than played card, play low");
        return LowestInSuit(g);
    }
    if (m_hand.finessePercent[g] > 0
        && (m_hand.finesseLead[g] > cardLed || m_hand.finessePlay[g] > cardLed)) {
        Explain(CString("2nd, possible finesse ") + g_secondHandFinesseCombos[m_hand.finesseRow[g]].name);
        return m_hand.finesseLead[g];
    }
    if (m_hand.topCards[g] > 0 || m_partnerHand.topCards[g] > 0) {
        Explain("2nd, we can win it in suit so take it in the best hand for us");
        return LeadCardInSuit(g);
    }
    if (PartnerLength(g) == 0) {
        if (m_nDummy == m_nSeat && !IsKnownVoid(PartnerSeatOf(), g)) {
            Explain("2nd, partner hand void but not visible nor shown out, play low");
            return LowestInSuit(g);
        }
        if (IsKnownVoid(LeftOpponent(), g)) {
            Explain("2nd, player to my left shown out, play low");
            return LowestInSuit(g);
        }
        Explain("2nd, partner void and player to left not shown out, play high");
        return high;
    }
    const CCard partnerHigh = PartnerHighest(g);
    if (high < partnerHigh) {
        Explain("2nd, partners card higher than mine, play low");
        return LowestInSuit(g);
    }
    if (InSequence(high, partnerHigh)) {
        Explain("2nd, partners card in sequence with mine, play low");
        return LowestInSuit(g);
    }
    Explain("2nd, partners card lower and not in sequence, play high");
    return high;
}

CCard CWhistAttack::PlayThird()
{
    const CCard cardLed = m_pTrick->m_cards[0];
    const CCard cardSecond = m_pTrick->m_cards[1];
    const int g = cardLed.GetSuit();
    if (PartnerLength(g) == 0) {
        Explain("3rd, cant' follow suit so ruff or discard, don't overtake partner");
        return PlayToTrick(false, false);
    }
    if (PartnerLength(g) == 1) {
        Explain("3rd, follow suit");
        return PartnerLowest(g);
    }
    const CCard& finesseLead = m_hand.finesseLead[g];
    const CCard& finessePlay = m_hand.finessePlay[g];
    if (!IsCashMode() && DropPercent(g) < m_hand.finessePercent[g] && cardLed == finesseLead) {
        const bool bSecondCovers = cardSecond > finesseLead && cardSecond > finessePlay;
        if (cardSecond.GetSuit() == g && !bSecondCovers) {
            Explain("3rd, attempting Finesse");
            return finessePlay;
        }
        Explain("3rd, finesse failed so win with lowest winner");
        return PlayToTrick(false, false);
    }
    const bool bOtherWinners = SumWinners(m_hand, g) > 0;
    if (g != m_nTrumps && OwnLength(g) == 1
        && ((!bOtherWinners && PartnerLength(g) > 1) || m_partnerHand.topCards[g] >= 2)) {
        Explain("3rd, overtake partner to unblock");
        return PlayToTrick(true, false);
    }
    if (g == m_nTrumps && OwnLength(g) == 1 && m_partnerHand.topCards[g] >= RoundsToDraw(g)) {
        Explain("3rd, overtake partner to unblock");
        return PlayToTrick(true, false);
    }
    Explain("3rd, try to play winner but don't overtake partner");
    return PlayToTrick(false, false);
}

CCard CWhistAttack::PlayFourth()
{
    const int g = LedSuit();
    const bool bOtherWinners = SumWinners(m_partnerHand, g) > 0;
    if (!bOtherWinners && PartnerLength(g) > 0 && OwnLength(g) == 1 && PartnerLength(g) > 1) {
        Explain("4th, try to win with lowest winner, overtaking partner");
        return PlayToTrick(true, true);
    }
    Explain("4th, try to win with lowest winner");
    return PlayToTrick(false, true);
}

CCard CWhistAttack::PlayToTrick(bool bOvertake, bool bFourth)
{
    const int g = LedSuit();
    if (m_partnerHand.Suit(g).GetCount() > 0)
        return PlayToTrickInSuit(bOvertake, bFourth);
    if (m_nTrumps == NO_TRUMPS)
        return ChooseDiscard();
    CCard cardWinning;
    const int nWinner = m_pTrick->GetWinner(cardWinning);
    const CCard theirHigh = Highest(OpponentCards(g));
    if (nWinner != m_nSeat || bOvertake || (!bFourth && theirHigh > cardWinning))
        return RuffOrDiscard();
    return ChooseDiscard();
}

CCard CWhistAttack::PlayToTrickInSuit(bool bOvertake, bool bFourth)
{
    const int g = LedSuit();
    const CCardPile& partnerCards = m_partnerHand.Suit(g);
    const CCardPile& ownCards = m_hand.Suit(g);
    const CCard theirHigh = Highest(OpponentCards(g));
    CCard cardWinning;
    const int nWinner = m_pTrick->GetWinner(cardWinning);
    const CCard high = PartnerHighest(g);
    const CCard low = PartnerLowest(g);
    const auto winningPlay = [&]() {
        return partnerCards.GetCount() < ownCards.GetCount()
            ? UnblockingWinner(cardWinning, partnerCards, ownCards)
            : LowestWinner(cardWinning, partnerCards);
    };
    if (nWinner == m_nSeat) {
        if (bFourth || cardWinning > theirHigh)
            return bOvertake && high > cardWinning ? winningPlay() : low;
        // Third hand over a card the opponents can still beat: cover only when an opponent's
        // card lies between, so that the cover forces it out.
        if (high > cardWinning)
            return OpponentCardBetween(cardWinning, high) ? high : low;
        return low;
    }
    if (high < cardWinning)
        return LongHandCanDraw(g) ? high : low;
    if (!bFourth)
        return high;
    return CanAffordDuck(g) ? low : winningPlay();
}

bool CWhistAttack::LongHandCanDraw(int nSuit) const
{
    return m_hand.longHand[nSuit] && m_hand.topCards[nSuit] >= RoundsToDraw(nSuit);
}

bool CWhistAttack::CanAffordDuck(int nSuit) const
{
    const int nRounds = EvenSplitRounds(nSuit);
    return OpponentsOutOfTrumps() && TotalQuickTricks() < CARDS_PER_HAND - m_pTricks->GetCount()
        && nRounds >= 2 && m_quickTricks[nSuit] < nRounds;
}

CCard CWhistAttack::UnblockingWinner(const CCard& cardToBeat, const CCardPile& playing,
                                     const CCardPile& other) const
{
    const std::vector<CCard>& cards = playing.m_cards;
    ASSERT(cards.size());
    if (cards.empty())
        return CCard();
    const std::vector<CCard>& unplayed = Unplayed(cards.front().GetSuit()).m_cards;
    // From the lowest card that qualifies, climb the pair's touching cards and keep the
    // highest of them that the playing hand holds.
    const auto climb = [&](CCard cardStart, const CCard& floor, bool bStrict) {
        CCard card = cardStart;
        bool bFound = false;
        for (auto it = unplayed.rbegin(); it != unplayed.rend(); ++it) {
            if (bStrict ? !(*it > floor) : *it < floor)
                continue;
            if (playing.Contains(*it)) {
                card = *it;
                bFound = true;
            } else if (bFound && !other.Contains(*it)) {
                break;
            }
        }
        return card;
    };
    CCard card = climb(cards.front(), cardToBeat, true);
    if (card < cardToBeat) {
        const CCard lowest = cards.back();
        card = climb(lowest, lowest, false);
    }
    return card;
}

// ---------------------------------------------------------------------------------------
// Ruffs and discards

CCard CWhistAttack::RuffOrDiscard()
{
    return m_pTrick->GetCount() == 1 ? RuffOrDiscardSecond() : RuffOrDiscardLate();
}

CCard CWhistAttack::RuffOrDiscardSecond()
{
    const int g = LedSuit();
    const CCardPile& ownTrumps = m_hand.Suit(m_nTrumps);
    if (ownTrumps.GetCount() == 0)
        return ChooseDiscardSuit(m_hand, m_partnerHand);
    const CCardPile& theirTrumps = OpponentCards(m_nTrumps);
    // Ruff high only when the left opponent will follow with nothing of the suit but may
    // overruff.
    const bool bLeftOut = IsKnownVoid(LeftOpponent(), g)
        || Unplayed(g).GetCount() == PartnerLength(g) + 1;
    const bool bLeftMayOverruff = theirTrumps.GetCount() > 0 && !IsKnownVoid(LeftOpponent(), m_nTrumps);
    if (!(bLeftOut && bLeftMayOverruff))
        return Lowest(ownTrumps);
    const CCard theirHigh = Highest(theirTrumps);
    if (Highest(ownTrumps) > theirHigh)
        return LowestWinner(theirHigh, ownTrumps);
    return Highest(ownTrumps);
}

CCard CWhistAttack::RuffOrDiscardLate()
{
    const int g = LedSuit();
    const CCardPile& partnerTrumps = m_partnerHand.Suit(m_nTrumps);
    if (partnerTrumps.GetCount() == 0)
        return ChooseDiscardSuit(m_partnerHand, m_hand);
    CCard cardWinning;
    m_pTrick->GetWinner(cardWinning);
    const CCard high = Highest(partnerTrumps);
    if (high < cardWinning)
        return ChooseDiscard();
    CCard card = cardWinning.GetSuit() == m_nTrumps ? LowestWinner(cardWinning, partnerTrumps)
                                                    : Lowest(partnerTrumps);
    if (m_pTrick->GetCount() == 2) {
        // Third hand: ruff high enough when the fourth player cannot follow but may overruff.
        const CCard& cardSecond = m_pTrick->m_cards[1];
        const int nFourth = RightOpponent();
        const CCardPile& theirTrumps = OpponentCards(m_nTrumps);
        const int nSecondFollowed = cardSecond.GetSuit() == g ? 1 : 0;
        const int nSecondRuffed = cardSecond.GetSuit() == m_nTrumps ? 1 : 0;
        const bool bFourthOut = IsKnownVoid(nFourth, g)
            || Unplayed(g).GetCount() - OwnLength(g) == nSecondFollowed;
        const bool bFourthMayOverruff = theirTrumps.GetCount() != nSecondRuffed
            && !IsKnownVoid(nFourth, m_nTrumps);
        if (bFourthOut && bFourthMayOverruff) {
            const CCard theirHigh = Highest(theirTrumps);
            card = high > theirHigh ? LowestWinner(theirHigh, partnerTrumps) : high;
        }
    }
    return card;
}

CCard CWhistAttack::ChooseDiscard()
{
    if (m_pTrick->GetCount() < 2)
        return ChooseDiscardSuit(m_hand, m_partnerHand);
    return ChooseDiscardSuit(m_partnerHand, m_hand);
}

CCard CWhistAttack::ChooseDiscardSuit(const CWhistHand& hand, const CWhistHand& other) const
{
    int nBestSuit = -1;
    int nBestScore = 0;
    for (int a = 0; a < SUIT_COUNT; ++a) {
        if (hand.Suit(a).GetCount() == 0)
            continue;
        // The later suit wins on equal scores. Scores below 0 only count when no suit
        // reaches 0, and then the best of them is taken all the same.
        const int nScore = ScoreDiscardSuit(a, hand, other);
        if (nBestSuit < 0 || nScore >= nBestScore) {
            nBestSuit = a;
            nBestScore = nScore;
        }
    }
    return nBestSuit < 0 ? CCard() : Lowest(hand.Suit(nBestSuit));
}

namespace {

// Whether record's finesse in nSuit succeeds with nPercent and nLength is its least length.
bool FinesseNeedsLength(const CWhistHand& record, int nSuit, int nPercent, int nLeast, int nLength)
{
    return record.finessePercent[nSuit] == nPercent && nLength == nLeast;
}

} // namespace

// The reasons to keep a suit rather than discard from it, each costing the suit its amount.
const CWhistAttack::DiscardPenalty CWhistAttack::s_discardPenalties[] = {
    {512, [](const CWhistAttack& e, int a, const CWhistHand& h, const CWhistHand& v) {
         return !e.IsUnblockingDiscard(Lowest(h.Suit(a)), h, v);
     }},
    {256, [](const CWhistAttack& e, int a, const CWhistHand& h, const CWhistHand&) {
         return h.lenSuit[a] == h.firstWinnerAt[a] && e.OpponentCards(a).GetCount() > 0;
     }},
    {128, [](const CWhistAttack& e, int a, const CWhistHand& h, const CWhistHand& v) {
         return h.topCards[a] == h.lenSuit[a] && !e.CanCashSuit(Lowest(h.Suit(a)), h, v);
     }},
    {64, [](const CWhistAttack& e, int a, const CWhistHand& h, const CWhistHand& v) {
         const CCard lowest = Lowest(h.Suit(a));
         return e.IsWinningCard(lowest) && !e.CanCashSuit(lowest, h, v);
     }},
    {32, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand&) {
         return FinesseNeedsLength(h, a, PERCENT_SURE, h.finesseMin1[a], h.lenSuit[a]);
     }},
    {32, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand& v) {
         return FinesseNeedsLength(v, a, PERCENT_SURE, v.finesseMin2[a], h.lenSuit[a]);
     }},
    {16, [](const CWhistAttack& e, int a, const CWhistHand&, const CWhistHand&) {
         return e.DropPercent(a) > 0;
     }},
    {8, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand&) {
         return FinesseNeedsLength(h, a, PERCENT_EVEN, h.finesseMin1[a], h.lenSuit[a]);
     }},
    {8, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand& v) {
         return FinesseNeedsLength(v, a, PERCENT_EVEN, v.finesseMin2[a], h.lenSuit[a]);
     }},
    {4, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand&) {
         return h.winners[a] == 1 && h.lenSuit[a] == 1;
     }},
    {2, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand&) {
         return FinesseNeedsLength(h, a, PERCENT_QUARTER, h.finesseMin1[a], h.lenSuit[a]);
     }},
    {2, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand& v) {
         return FinesseNeedsLength(v, a, PERCENT_QUARTER, v.finesseMin2[a], h.lenSuit[a]);
     }},
    {1, [](const CWhistAttack&, int a, const CWhistHand& h, const CWhistHand&) {
         return h.longHand[a];
     }},
};

int CWhistAttack::ScoreDiscardSuit(int a, const CWhistHand& hand, const CWhistHand& other) const
{
    int nScore = a == m_nTrumps ? DISCARD_BASE_TRUMPS : DISCARD_BASE_SIDE;
    for (const DiscardPenalty& penalty : s_discardPenalties) {
        if (penalty.pApplies(*this, a, hand, other))
            nScore -= penalty.nAmount;
    }
    return nScore + m_quickTricks[a] - m_winners[a];
}

bool CWhistAttack::IsUnblockingDiscard(const CCard& card, const CWhistHand& hand,
                                       const CWhistHand& other) const
{
    const int a = card.GetSuit();
    return IsSelfBlocking(a) && !hand.longHand[a] && CanCashSuit(card, hand, other);
}

bool CWhistAttack::CanCashSuit(const CCard& card, const CWhistHand& hand, const CWhistHand& other) const
{
    const int a = card.GetSuit();
    if (other.winners[a] != 0)
        return false;
    int b;
    if (OpponentsOutOfTrumps()) {
        b = hand.topCards[a] + other.topCards[a] - 1;
    } else {
        if (a == m_nTrumps)
            return false;
        b = m_quickTricks[a] - 1;
    }
    if (b < EvenSplitRounds(a))
        return false;
    return CountEntries(a, other) > 0;
}

int CWhistAttack::CountEntries(int nSuit, const CWhistHand& other) const
{
    const int nLed = m_pTrick->GetCount() > 0 ? LedSuit() : -1;
    int nEntries = 0;
    for (int i = 0; i < SUIT_COUNT; ++i) {
        if (i != nSuit && other.winners[i] > 0)
            nEntries += other.winners[i];
        else if (i == nLed && other.topCards[i] != 0)
            ++nEntries;
    }
    return nEntries;
}

bool CWhistAttack::IsWinningCard(const CCard& card) const
{
    const int nSuit = card.GetSuit();
    const int r = RoundsToDraw(nSuit);
    int i = 0;
    int j = 0;
    int nBalance = 0;
    int nMax = 0;
    for (const CCard& unplayed : Unplayed(nSuit).m_cards) {
        if (unplayed == card)
            return nBalance + 1 > nMax;
        if (PairHolds(unplayed)) {
            ++i;
            ++nBalance;
            nMax = std::max(nMax, nBalance);
        } else {
            ++j;
            --nBalance;
        }
        if (std::max(i, j) >= r)
            return false;
    }
    return false;
}
