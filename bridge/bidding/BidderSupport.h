#pragma once
// What the bidder's stages share: names of seats and lengths, the values they read of the
// auction and the hand of the seat to call, and small helpers on decisions. Included only by
// the bidder's own source files.

#include "bridge/bidding/BridgeBidder.h"

namespace bidder {

constexpr int NO_SUIT = -1;

// Seats relative to the seat to call.
constexpr int LEFT_OPPONENT = 1;
constexpr int PARTNER = 2;
constexpr int RIGHT_OPPONENT = 3;

// Partnership lengths: more than FIT_LENGTH cards together make a fit; the opener's
// agreed suit needs more than OPENER_FIT_LENGTH.
constexpr int FIT_LENGTH = 7;
constexpr int OPENER_FIT_LENGTH = 6;
constexpr int FOUR_CARDS = 4;
constexpr int FIVE_CARDS = 5;

// Points beyond which a hand is worth a jump or a rebid on its own.
constexpr int STRONG_REBID_POINTS = 15;

// A strain 0..3.
inline bool IsSuit(int nStrain)
{
    return nStrain >= STRAIN_CLUBS && nStrain <= STRAIN_SPADES;
}

// The level of game in a strain: three no trump, four of a major, five of a minor.
inline int GameLevel(int nStrain)
{
    if (nStrain == STRAIN_NOTRUMP)
        return LEVEL_THREE;
    return nStrain >= STRAIN_HEARTS ? LEVEL_FOUR : LEVEL_FIVE;
}

// The partnership's length in a suit: my cards and partner's shown minimum; 0 for a strain
// that is not a suit.
inline int JointLength(const CHand& hand, const CBidSummary& partner, int nStrain)
{
    return IsSuit(nStrain) ? hand.GetSuitLength(nStrain) + partner.m_nMinLength[nStrain] : 0;
}

// Cards of the suit from nLowestOrder up; 0 for a strain that is not a suit.
inline int CountHonours(const CHand& hand, int nStrain, int nLowestOrder)
{
    return IsSuit(nStrain) ? hand.CountCardsFrom(nStrain, nLowestOrder) : 0;
}

// Fills a decision record.
inline void Decide(CBridgeBidder::SDecision& decision, int nLevel, int nSuit, const CString& strText)
{
    decision.m_nLevel = nLevel;
    decision.m_nSuit = nSuit;
    decision.m_strText = strText;
}

// The strain at its lowest legal level; a decision without a suit stays a pass.
inline void DecideLowest(CBridgeBidder::SDecision& decision, const CAuction& auction, int nSuit,
                         const CString& strText)
{
    if (nSuit >= STRAIN_CLUBS && nSuit <= STRAIN_NOTRUMP)
        Decide(decision, auction.GetLowestLevel(nSuit), nSuit, strText);
}

} // namespace bidder

// The values every later stage reads, computed once per decision by GetBidValues.
struct CBridgeBidder::SBidValues {
    CBidSummary m_summaries[SEAT_COUNT];
    int m_nMe = 0;
    int m_nPartner = 0;
    const CHand* m_pHand = nullptr;
    int m_nPoints = 0;          // high-card points
    int m_nDistribution = 0;    // distribution points
    int m_nNewSuit = -1;        // BestNewSuit, -1 none
    int m_nPts = 0;             // distribution points with a new suit, else high-card points
    int m_nTotal = 0;           // m_nPts + partner's minimum
    int m_nHighTotal = 0;       // high-card points + partner's minimum

    // The calls the rebids read; OpenerRebid and LaterBid each fill their own.
    CBid m_mine;                // my call (MINE)
    CBid m_minePrevious;        // my call before it (MINE2)
    CBid m_partnerCall;         // partner's call (K)
    CBid m_partnerPrevious;     // partner's call before it (K2)
    CBid m_left;                // the left-hand opponent's last call
    CBid m_right;               // the last call
    // The opener's agreed suit: more than 6 cards together, the highest such suit.
    int m_nAgreed = -1;
    bool m_bContested = false;  // an opponent bid in the last round
    bool m_bNoTrumpOk = false;  // balanced, with the opponents' suits stopped or bid by partner
    // LaterBid's suits: the lowest fit of the two summaries, the highest fit with my cards,
    // the lowest suit neither has bid, the longest joint suit and its length, and the same
    // among the suits partner has bid (-1 none).
    int m_nBestFit = -1;
    int m_nMyFit = -1;
    int m_nUnbid = -1;
    int m_nJoint = -1;
    int m_nJointLength = 0;
    int m_nPartnerJoint = -1;
    int m_nPartnerJointLength = 0;

    const CHand& Hand() const { return *m_pHand; }
    const CBidSummary& Own() const { return m_summaries[m_nMe]; }
    const CBidSummary& Partner() const { return m_summaries[m_nPartner]; }
    int PartnerMin() const { return Partner().m_nMinPoints; }
    int Length(int nStrain) const { return m_pHand->GetSuitLength(nStrain); }
    int Joint(int nStrain) const { return bidder::JointLength(*m_pHand, Partner(), nStrain); }
    // Counts points with distribution: m_nPts, m_nTotal follow it.
    void SetPointsWithDistribution(bool bDistribution)
    {
        m_nPts = bDistribution ? m_nDistribution : m_nPoints;
        m_nTotal = m_nPts + PartnerMin();
    }
};
