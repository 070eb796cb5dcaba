#pragma once
// CHandEstimate: what one seat can still hold. It bounds the seat's remaining cards in each
// suit and its high-card points, and is narrowed as the engine learns from the auction, the
// tricks played and the hands it sees. The play decisions read the cards left and the length
// bounds; the point fields and played counts are kept up to date but only for completeness.

#include "bridge/play/PlayConstants.h"

class CHandEstimate {
public:
    // Thirteen cards left, nothing played, 0..40 points and 0..13 cards in every suit.
    CHandEstimate();

    // Store without any check.
    void SetPointRange(int nMin, int nMax);
    void SetLengthRange(int nSuit, int nMin, int nMax);
    // Store n clamped to 0..13.
    void SetMinLength(int nSuit, int n);
    void SetMaxLength(int nSuit, int n);

    int GetMinLength(int nSuit) const { return m_nMinLength[nSuit]; }
    int GetMaxLength(int nSuit) const { return m_nMaxLength[nSuit]; }
    int GetCardsLeft() const { return m_nCardsLeft; }
    int GetMinPoints() const { return m_nMinPoints; }
    int GetMaxPoints() const { return m_nMaxPoints; }
    int GetPointsPlayed() const { return m_nPointsPlayed; }
    int GetPlayed(int nSuit) const { return m_nPlayed[nSuit]; }

    // The seat played card, following suit: one card fewer, in its suit too.
    void CardPlayed(const CCard& card);
    // The seat played card to a trick led in nLedSuit that card is not of: it holds no more
    // of the led suit.
    void ShowedOut(int nLedSuit, const CCard& card);
    // Narrows the length bounds against the number of cards left until nothing changes;
    // true when anything changed.
    bool PropagateLengths();

private:
    // One pass of PropagateLengths; true when it changed anything.
    bool PropagatePass();

    int m_nCardsLeft;
    int m_nPointsPlayed;
    int m_nPlayed[SUIT_COUNT];
    int m_nMinPoints;
    int m_nMaxPoints;
    int m_nMinLength[SUIT_COUNT];
    int m_nMaxLength[SUIT_COUNT];
};
