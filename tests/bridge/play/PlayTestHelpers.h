#pragma once
// The play tests' names: bridge cards, piles and tricks from short names (see
// tests/support/BridgeCards.h), the explanation window's last line, and a probe engine that
// exposes the play-engine base.

#include <string>

#include "bridge/play/ExplainWhistDlg.h"
#include "bridge/play/WhistBase.h"
#include "platform/wnd/ControlOps.h"
#include "tests/support/BridgeCards.h"

namespace playtest {

using namespace bridgecards;

// The last line of the explanation window; empty when it has none.
inline std::string LastExplainLine(CExplainWhistDlg& explain)
{
    CString strText;
    plat::ListGetText(explain.GetDlgItem(IDC_EXPLAIN_LIST)->GetSafeHwnd(), explain.GetLineCount() - 1,
                      strText);
    return strText.str();
}

// The highest card of nSuit in the pile, the empty card when it holds none.
inline CCard HighestOfSuit(const CCardPile& pile, int nSuit)
{
    CCard highest;
    for (const CCard& card : pile.m_cards) {
        if (card.GetSuit() == nSuit && card > highest)
            highest = card;
    }
    return highest;
}

// Whether a defender in second hand plays without an explanation line: void in the led suit
// with no trump to ruff, or with two or more cards of it either all below the card led or,
// when dummy plays next, able to beat a card led above dummy's best (dummy's top card of the
// suit, else its top trump). dummySeen is dummy's hand as the engine sees it.
inline bool IsQuietSecondHand(const CCardPile& hand, const CCardPile& dummySeen, bool bDummyNext,
                              const CCard& led, int nTrumps)
{
    const int nSuit = led.GetSuit();
    const int nLength = hand.CountSuit(nSuit);
    if (nLength == 0)
        return nTrumps == NO_TRUMPS || hand.CountSuit(nTrumps) == 0;
    if (nLength == 1)
        return false;
    const CCard top = HighestOfSuit(hand, nSuit);
    if (top < led)
        return true;
    CCard dummyBest = HighestOfSuit(dummySeen, nSuit);
    if (dummySeen.CountSuit(nSuit) == 0 && nTrumps != NO_TRUMPS)
        dummyBest = HighestOfSuit(dummySeen, nTrumps);
    return bDummyNext && led > dummyBest && top > led;
}

// A play engine whose plays say which position was asked and which sees its own hand and,
// when given, one more hand (as the declarer sees dummy).
class CProbeEngine : public CWhistBase {
public:
    CProbeEngine(int nSeat, int nTrumps, CCardPile* pHand, CPileGroup* pTricks, CTrick* pTrick,
                 CAuction* pAuction = nullptr, CExplainWhistDlg* pExplain = nullptr,
                 int nVisibleSeat = -1, const CCardPile* pVisible = nullptr)
        : CWhistBase(nSeat, PartnerSeat(nSeat), nTrumps, 0, pHand, pTricks, pTrick, pAuction, pExplain)
        , m_nVisibleSeat(nVisibleSeat)
        , m_pVisible(pVisible)
    {
    }

    void SetVisibleHands() override
    {
        SetKnownHand(m_nSeat, *m_pHand);
        if (m_pVisible)
            SetKnownHand(m_nVisibleSeat, *m_pVisible);
    }
    // Each position answers with a card of its own: the two to five of clubs.
    CCard PlayLead() override { return Card("2C"); }
    CCard PlaySecond() override { return Card("3C"); }
    CCard PlayThird() override { return Card("4C"); }
    CCard PlayFourth() override { return Card("5C"); }

private:
    int m_nVisibleSeat;
    const CCardPile* m_pVisible;
};

} // namespace playtest
