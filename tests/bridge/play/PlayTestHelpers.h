#pragma once
// Short card names for the play tests ("QH" the queen of hearts, "TD" the ten of diamonds),
// piles and tricks built from them, and a probe engine that exposes the play-engine base.

#include <sstream>
#include <string>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "bridge/play/Trick.h"
#include "bridge/play/WhistBase.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"

namespace playtest {

// Seats and suits by name.
constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;
constexpr int CLUBS = 0;
constexpr int DIAMONDS = 1;
constexpr int HEARTS = 2;
constexpr int SPADES = 3;

// The bridge card of a name: orders two 1 .. ace 13, points A 4, K 3, Q 2, J 1; a card of
// nTrumps carries its order raised by 13, as during play.
inline CCard Card(const std::string& strName, int nTrumps = NO_TRUMPS)
{
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CDHS";
    const int nRank = static_cast<int>(ranks.find(strName[0])) + 1;
    const int nSuit = static_cast<int>(suits.find(strName[1]));
    const int nOrder = nRank == 1 ? 13 : nRank - 1;
    const int nPoints = nRank == 1 ? 4 : (nRank >= 11 ? nRank - 10 : 0);
    return CCard(nRank, nSuit, nOrder + (nSuit == nTrumps ? 13 : 0), nPoints);
}

// A pile of the named cards, separated by blanks, in the order given.
inline CCardPile Pile(const std::string& strNames, int nTrumps = NO_TRUMPS)
{
    CCardPile pile;
    std::istringstream names(strNames);
    std::string strName;
    while (names >> strName)
        pile.AddCard(Card(strName, nTrumps));
    return pile;
}

// A trick led by nLeader with the named cards in the order played.
inline CTrick Trick(int nLeader, const std::string& strNames, int nTrumps = NO_TRUMPS)
{
    CTrick trick;
    trick.SetLeader(nLeader);
    trick.SetTrumps(nTrumps);
    for (const CCard& card : Pile(strNames, nTrumps).m_cards)
        trick.AddCard(card);
    return trick;
}

inline std::string Name(const CCard& card)
{
    const std::string ranks = "?A23456789TJQK";
    const std::string suits = "CDHS";
    return std::string(1, ranks[card.GetRank()]) + suits[card.GetSuit()];
}

inline std::string Names(const CCardPile& pile)
{
    std::string str;
    for (const CCard& card : pile.m_cards) {
        if (!str.empty())
            str += ' ';
        str += Name(card);
    }
    return str;
}

// The completed tricks of a deal, owned as the bridge table owns them.
class CTrickList {
public:
    CTrickList() = default;
    ~CTrickList() { m_tricks.DeleteAll(); }
    CTrickList(const CTrickList&) = delete;
    CTrickList& operator=(const CTrickList&) = delete;

    void Add(int nLeader, const std::string& strNames, int nTrumps = NO_TRUMPS)
    {
        m_tricks.Add(new CTrick(Trick(nLeader, strNames, nTrumps)));
    }

    CPileGroup m_tricks;
};

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
