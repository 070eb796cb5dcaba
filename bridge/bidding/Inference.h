#pragma once
// The vocabulary the auction-inference rules are written in: what a call "shows", its
// new-suit and raise values, lengths, support, bid marks, the agreed suit.

#include "bridge/bidding/Bid.h"
#include "bridge/bidding/BidSummary.h"
#include "bridge/bidding/BidThresholds.h"

// Suit lengths the rules assign: every suit of a no trump hand, the usual suit lengths, and
// the length of a fit between the two hands.
constexpr int BALANCED_LENGTH = 2;
constexpr int FOUR_CARD_SUIT = 4;
constexpr int FIVE_CARD_SUIT = 5;
constexpr int FIT_LENGTH = 8;

// CInference binds one call under interpretation to the calling seat's summary (written)
// and its partner's (read). Entries for strains a summary has no room for (a double's
// negative strain, no trump in the suit arrays) are left untouched, so a rule may be
// applied to any call. Partner may be the seat itself for rules that never read it.
class CInference {
public:
    CInference(const CBid& call, CBidSummary& own, const CBidSummary& partner);

    // The 0-based level and the strain of the call.
    int Level() const { return m_nLevel; }
    int Strain() const { return m_nStrain; }
    bool IsCode(int nCode) const { return m_call.GetCode() == nCode; }
    const CBidThresholds& Thresholds() const { return m_thresholds; }

    // The combined-points table entry of a row at a 0-based level (40 above seven).
    int Combined(int nRow, int nLevel) const { return m_thresholds.GetCombined(nRow, nLevel); }
    // N: the new-suit value of the call (the no trump row for a no trump call).
    int NewSuitValue() const;
    // R and Rmax: the agreed-suit range of the call's level; 0 for a no trump call.
    int RaiseValue() const;
    int RaiseMaxValue() const;

    // own minimum = nCombined - partner's minimum.
    void Shows(int nCombined);
    // own minimum raised to at least nCombined - partner's minimum.
    void AtLeast(int nCombined);
    // own maximum lowered to at most nCombined - partner's minimum.
    void AtMost(int nCombined);
    // own minimum raised to at least nPoints (a plain number, not reduced by partner's).
    void MinAtLeast(int nPoints);
    // own maximum lowered to at most nPoints.
    void MaxAtMost(int nPoints);
    // Points set outright to nMin..nMax.
    void SetPoints(int nMin, int nMax);
    // Brings the minimum down to the maximum when they crossed.
    void FixRange();

    void SetLength(int nSuit, int nLength);
    void LengthAtLeast(int nSuit, int nLength);
    void LengthPlusOne(int nSuit);
    void SetAllLengths(int nLength);
    void AllLengthsAtLeast(int nLength);
    // Length at least 8 - partner's length in the suit.
    void Support(int nSuit);
    // Support for the strain of another call when that is a suit.
    void SupportSuitOf(const CBid& bid) { Support(bid.GetSuit()); }

    // The call is a first bid / a rebid of nStrain.
    void MarkBid(int nStrain);
    void BidAgain(int nStrain);
    // The seat's main suit becomes nStrain when that is a suit.
    void SetMainSuit(int nStrain);
    void SetControl(int nSuit);
    // First cue mark in the call's strain.
    void FirstCue();
    // The next free cue mark (first, second, third) in the call's strain; the first comes
    // with a control.
    void NextCue();

    bool OwnHasBid(int nStrain) const;
    bool PartnerHasBid(int nStrain) const;
    // The highest suit in which both hands together hold more than seven cards, or -1.
    int AgreedSuit() const;
    // Partner's last call forces (one round or to game).
    bool PartnerForcing() const { return m_partner.m_bForcing || m_partner.m_bGameForcing; }
    // Partner is not forcing, or the call jumps over partnerLast / intervening.
    bool NotForced(const CBid& partnerLast, const CBid& intervening) const;

    const CBid& m_call;
    CBidSummary& m_own;
    const CBidSummary& m_partner;

private:
    const CBidThresholds& m_thresholds;
    int m_nLevel;
    int m_nStrain;
};
