#include "bridge/play/WhistBase.h"

#include <vector>

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidSummary.h"
#include "bridge/play/ExplainWhistDlg.h"
#include "platform/base/assert.h"
#include "platform/base/runtime.h"

namespace {

// The holding tests look at this many of a suit's highest unplayed cards.
constexpr int TOP_CARDS = 5;
// A near or interior sequence is judged on the held card and the three that follow it.
constexpr int SEQUENCE_SPAN = 3;

} // namespace

CWhistBase::CWhistBase(int nSeat, int nDummy, int nTrumps, int nContractLevel, CCardPile* pHand,
                       CPileGroup* pTricks, CTrick* pTrick, CAuction* pAuction,
                       CExplainWhistDlg* pExplain)
    : m_nSeat(nSeat)
    , m_nDummy(nDummy)
    , m_nTrumps(nTrumps)
    , m_nContractLevel(nContractLevel)
    , m_nTricksWon(0)
    , m_pTrick(pTrick)
    , m_pTricks(pTricks)
    , m_quickTricks{}
    , m_winners{}
    , m_losers{}
    , m_pExplain(pExplain)
    , m_hand(*pHand)
    , m_pHand(pHand)
    , m_pAuction(pAuction)
{
    CountTricksWon();
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
        BuildUnplayedSuit(nSuit);
}

CWhistBase::~CWhistBase()
{
    m_unplayed.DeleteAll();
}

CCard CWhistBase::ChooseCard()
{
    switch (m_pTrick->GetCount()) {
    case 0:
        return PlayLead();
    case 1:
        return PlaySecond();
    case 2:
        return PlayThird();
    case 3:
        return PlayFourth();
    default:
        return CCard();
    }
}

void CWhistBase::Explain(const CString& strText)
{
    if (m_pExplain)
        m_pExplain->AddLine(strText);
}

void CWhistBase::CountTricksWon()
{
    m_nTricksWon = 0;
    CCard cardWinner;
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        const int nWinner = pTrick->GetWinner(cardWinner);
        if (nWinner >= 0 && SideOf(nWinner) == SideOf(m_nSeat))
            ++m_nTricksWon;
    }
}

void CWhistBase::BuildUnplayedSuit(int nSuit)
{
    CCardPile* pSuit = DEBUG_NEW CCardPile(0, 0, 0);
    const int nRaise = nSuit == m_nTrumps ? TRUMP_BONUS : 0;
    for (int nOrder = ORDER_ACE; nOrder >= 1; --nOrder) {
        const int nRank = nOrder == ORDER_ACE ? RANK_ACE : nOrder + 1;
        const CCard card(nRank, nSuit, nOrder + nRaise, 0);
        if (!m_pTricks->Contains(card))
            pSuit->AddCard(card);
    }
    m_unplayed.Add(pSuit);
}

void CWhistBase::Analyse()
{
    if (m_pAuction)
        ApplyAuction();
    for (const CCardPile* pTrick : m_pTricks->m_piles)
        ReplayTrick(*pTrick, pTrick->GetLeader());
    ReplayTrick(*m_pTrick, (m_nSeat - m_pTrick->GetCount()) & 3);
    SetVisibleHands();

    int nInTrick[SUIT_COUNT] = {};
    for (const CCard& card : m_pTrick->m_cards)
        ++nInTrick[card.GetSuit()];

    bool bChanged;
    do {
        bChanged = false;
        for (CHandEstimate& estimate : m_estimates)
            bChanged |= estimate.PropagateLengths();
        for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
            bChanged |= BalanceSuit(nSuit, Unplayed(nSuit).GetCount() - nInTrick[nSuit]);
    } while (bChanged);
}

void CWhistBase::ApplyAuction()
{
    CBidSummary summaries[SEAT_COUNT];
    m_pAuction->Summarise(summaries);
    for (int nSeat = 0; nSeat < SEAT_COUNT; ++nSeat) {
        const CBidSummary& summary = summaries[nSeat];
        for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit)
            m_estimates[nSeat].SetMinLength(nSuit, summary.m_nMinLength[nSuit]);
        m_estimates[nSeat].SetPointRange(summary.m_nMinPoints, summary.m_nMaxPoints);
    }
}

void CWhistBase::ReplayTrick(const CCardPile& trick, int nFirstSeat)
{
    if (trick.GetCount() == 0)
        return;
    const int nLedSuit = trick.m_cards[0].GetSuit();
    for (int k = 0; k < trick.GetCount() && k < SEAT_COUNT; ++k) {
        const CCard& card = trick.m_cards[k];
        CHandEstimate& estimate = m_estimates[(nFirstSeat + k) & 3];
        if (card.GetSuit() == nLedSuit)
            estimate.CardPlayed(card);
        else
            estimate.ShowedOut(nLedSuit, card);
    }
}

bool CWhistBase::BalanceSuit(int nSuit, int nOutstanding)
{
    bool bAny = false;
    bool bChanged;
    do {
        bChanged = false;
        int nSumMin = 0;
        for (const CHandEstimate& estimate : m_estimates)
            nSumMin += estimate.GetMinLength(nSuit);
        // The cards the other three must hold leave at most v for this seat.
        for (CHandEstimate& estimate : m_estimates) {
            const int v = nOutstanding - (nSumMin - estimate.GetMinLength(nSuit));
            if (v < estimate.GetMaxLength(nSuit) && v <= nOutstanding && v >= 0) {
                estimate.SetMaxLength(nSuit, v);
                bChanged = true;
            }
        }
        int nSumMax = 0;
        for (const CHandEstimate& estimate : m_estimates)
            nSumMax += estimate.GetMaxLength(nSuit);
        // The most the other three can hold leaves at least v for this seat.
        for (CHandEstimate& estimate : m_estimates) {
            const int v = nOutstanding - (nSumMax - estimate.GetMaxLength(nSuit));
            if (v > estimate.GetMinLength(nSuit) && v >= 0 && v <= CARDS_PER_HAND) {
                estimate.SetMinLength(nSuit, v);
                bChanged = true;
            }
        }
        bAny |= bChanged;
    } while (bChanged);
    return bAny;
}

bool CWhistBase::DidNotFollow(const CCardPile& trick, int nFirstSeat, int nSeat, int nSuit)
{
    if (trick.GetCount() == 0 || trick.m_cards[0].GetSuit() != nSuit)
        return false;
    const int nIndex = (nSeat - nFirstSeat) & 3;
    return nIndex < trick.GetCount() && trick.m_cards[nIndex].GetSuit() != nSuit;
}

bool CWhistBase::IsKnownVoid(int nSeat, int nSuit) const
{
    for (const CCardPile* pTrick : m_pTricks->m_piles) {
        if (DidNotFollow(*pTrick, pTrick->GetLeader(), nSeat, nSuit))
            return true;
    }
    if (DidNotFollow(*m_pTrick, m_pTrick->GetLeader(), nSeat, nSuit))
        return true;
    return m_estimates[nSeat].GetMaxLength(nSuit) == 0;
}

CCard CWhistBase::LowestInSuit(int nSuit) const
{
    const std::vector<CCard>& cards = m_hand.Suit(nSuit).m_cards;
    const int nLength = m_hand.lenSuit[nSuit];
    return nLength > 0 && nLength <= static_cast<int>(cards.size()) ? cards[nLength - 1] : CCard();
}

CCard CWhistBase::HighestInSuit(int nSuit) const
{
    const std::vector<CCard>& cards = m_hand.Suit(nSuit).m_cards;
    return cards.empty() ? CCard() : cards[0];
}

CCard CWhistBase::LowestWinner(const CCard& cardToBeat, const CCardPile& pile) const
{
    const std::vector<CCard>& cards = pile.m_cards;
    ASSERT(cards.size());
    if (cards.empty())
        return CCard();
    if (!(cards[0] > cardToBeat))
        return cards.back();
    size_t nBest = 0;
    while (nBest + 1 < cards.size() && cards[nBest + 1] > cardToBeat)
        ++nBest;
    return cards[nBest];
}

int CWhistBase::TotalQuickTricks() const
{
    return m_quickTricks[0] + m_quickTricks[1] + m_quickTricks[2] + m_quickTricks[3];
}

int CWhistBase::TotalWinners() const
{
    return m_winners[0] + m_winners[1] + m_winners[2] + m_winners[3];
}

int CWhistBase::TotalLosers() const
{
    return m_losers[0] + m_losers[1] + m_losers[2] + m_losers[3];
}

bool CWhistBase::HasBidSuit(int nSuit, int nSeat) const
{
    if (!m_pAuction)
        return false;
    CBidSummary summaries[SEAT_COUNT];
    m_pAuction->Summarise(summaries);
    return summaries[nSeat].m_nSuitBid[nSuit] > 0;
}

bool CWhistBase::HasOvercalled(int nSeat) const
{
    if (!m_pAuction)
        return false;
    CBidSummary summaries[SEAT_COUNT];
    m_pAuction->Summarise(summaries);
    return summaries[nSeat].m_bOvercall;
}

bool CWhistBase::HoldsUnplayed(const CCardPile& pile, int nSuit, int nIndex) const
{
    const CCardPile& unplayed = Unplayed(nSuit);
    return nIndex < unplayed.GetCount() && pile.Contains(unplayed.m_cards[nIndex]);
}

int CWhistBase::FirstHeldTopCard(const CCardPile& pile, int nSuit) const
{
    for (int i = 0; i < TOP_CARDS; ++i) {
        if (HoldsUnplayed(pile, nSuit, i))
            return i;
    }
    return -1;
}

int CWhistBase::CountTopCards(const CCardPile& pile, int nSuit) const
{
    int nHeld = 0;
    for (int i = 0; i < TOP_CARDS; ++i) {
        if (HoldsUnplayed(pile, nSuit, i))
            ++nHeld;
    }
    return nHeld;
}

int CWhistBase::TopSequenceLength(const CCardPile& pile, int nSuit) const
{
    const int nFirst = FirstHeldTopCard(pile, nSuit);
    if (nFirst < 0)
        return 0;
    int nLength = 0;
    while (HoldsUnplayed(pile, nSuit, nFirst + nLength))
        ++nLength;
    return nLength;
}

bool CWhistBase::HasNearSequence(const CCardPile& pile, int nSuit) const
{
    const int i = FirstHeldTopCard(pile, nSuit);
    if (i < 0 || i + SEQUENCE_SPAN >= Unplayed(nSuit).GetCount())
        return false;
    return HoldsUnplayed(pile, nSuit, i + 1) && !HoldsUnplayed(pile, nSuit, i + 2)
        && HoldsUnplayed(pile, nSuit, i + 3);
}

bool CWhistBase::HasInteriorSequence(const CCardPile& pile, int nSuit) const
{
    const int i = FirstHeldTopCard(pile, nSuit);
    if (i < 0 || i + SEQUENCE_SPAN >= Unplayed(nSuit).GetCount())
        return false;
    return !HoldsUnplayed(pile, nSuit, i + 1) && HoldsUnplayed(pile, nSuit, i + 2)
        && HoldsUnplayed(pile, nSuit, i + 3);
}

int CWhistBase::CountHoldingGaps(const CCardPile& pile, int nSuit) const
{
    int nRun = 0;
    int nGap = 0;
    int nTotal = 0;
    for (int i = 0; i < TOP_CARDS && i < Unplayed(nSuit).GetCount(); ++i) {
        if (HoldsUnplayed(pile, nSuit, i)) {
            ++nRun;
            if (nGap > 0) {
                nTotal += nGap;
                nGap = 0;
                nRun = 1;
            }
        } else if (nRun == 1) {
            ++nGap;
        }
    }
    return nTotal;
}

bool CWhistBase::CanRuff(const CCardPile& pile, int nSuit) const
{
    if (m_nTrumps == NO_TRUMPS || nSuit == m_nTrumps)
        return false;
    return pile.CountSuit(nSuit) == 0 && pile.CountSuit(m_nTrumps) > 0;
}

bool CWhistBase::MayRuff(int nSeat, int nSuit) const
{
    if (m_nTrumps == NO_TRUMPS || nSuit == m_nTrumps)
        return false;
    const bool bShownVoid = IsKnownVoid(nSeat, nSuit) && !IsKnownVoid(nSeat, m_nTrumps);
    const CHandEstimate& estimate = m_estimates[nSeat];
    if (estimate.GetMaxLength(nSuit) != 0)
        return bShownVoid;
    return estimate.GetMaxLength(m_nTrumps) > 0 || bShownVoid;
}

void CWhistBase::SetKnownHand(int nSeat, const CCardPile& pile)
{
    const int nPoints = pile.TotalPoints();
    m_estimates[nSeat].SetPointRange(nPoints, nPoints);
    for (int nSuit = 0; nSuit < SUIT_COUNT; ++nSuit) {
        const int nLength = pile.CountSuit(nSuit);
        m_estimates[nSeat].SetLengthRange(nSuit, nLength, nLength);
    }
}
