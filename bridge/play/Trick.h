#pragma once
// CTrick: the cards of one trick of bridge in the order played, with the seat that led and the
// trump strain. Card i was played by seat (leader + i) mod 4. The bridge table keeps one
// current trick and a copy of every completed one; the play engines read both through the
// pile's two virtual operations. Trump cards carry orders raised by TRUMP_BONUS for the whole
// of the play, so the winner is found by comparing orders alone.

#include "cardtable/CardPile.h"

class CTrick : public CCardPile {
public:
    // An empty trick without building rules, leader North, no trumps.
    CTrick();
    CTrick(const CTrick& other) = default;
    CTrick& operator=(const CTrick& other) = default;

    void SetLeader(int nSeat) { m_nLeader = nSeat; }
    void SetTrumps(int nStrain) { m_nTrumps = nStrain; }
    int GetTrumps() const { return m_nTrumps; }

    // The seat (0..3) of the highest card of the led suit or of trumps, the earlier card on
    // equal orders; that card is copied into winningCard. An empty trick gives the leader and
    // leaves winningCard as it was.
    int GetWinner(CCard& winningCard) const override;
    int GetLeader() const override { return m_nLeader; }

private:
    int m_nLeader;
    int m_nTrumps;
};
