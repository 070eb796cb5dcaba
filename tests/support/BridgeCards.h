#pragma once
// Bridge cards, piles and tricks from short names ("QH TD 2C") for the play tests and the
// play benchmarks, seats and suits by name, and the completed tricks of a deal owned as the
// bridge table owns them.

#include <sstream>
#include <string>

#include "bridge/play/PlayConstants.h"
#include "bridge/play/Trick.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"
#include "tests/support/CardNames.h"

namespace bridgecards {

using cardnames::Name;
using cardnames::Names;

// Seats and suits by name.
constexpr int NORTH = 0;
constexpr int EAST = 1;
constexpr int SOUTH = 2;
constexpr int WEST = 3;
constexpr int CLUBS = SUIT_CLUBS;
constexpr int DIAMONDS = SUIT_DIAMONDS;
constexpr int HEARTS = SUIT_HEARTS;
constexpr int SPADES = SUIT_SPADES;

// The bridge card of a name: orders two 1 .. ace 13, points A 4, K 3, Q 2, J 1; a card of
// nTrumps carries its order raised by 13, as during play.
inline CCard Card(const std::string& strName, int nTrumps = NO_TRUMPS)
{
    const int nRank = cardnames::RankOf(strName[0]);
    const int nSuit = cardnames::SuitOf(strName[1]);
    const int nOrder = nRank == RANK_ACE ? ORDER_ACE : nRank - 1;
    const int nPoints = nRank == RANK_ACE ? 4 : (nRank >= RANK_JACK ? nRank - RANK_TEN : 0);
    return CCard(nRank, nSuit, nOrder + (nSuit == nTrumps ? TRUMP_BONUS : 0), nPoints);
}

// Adds the named cards, separated by blanks, to pile in the order given.
inline void AddCards(CCardPile& pile, const std::string& strNames, int nTrumps = NO_TRUMPS)
{
    std::istringstream names(strNames);
    std::string strName;
    while (names >> strName)
        pile.AddCard(Card(strName, nTrumps));
}

// A pile of the named cards in the order given.
inline CCardPile Pile(const std::string& strNames, int nTrumps = NO_TRUMPS)
{
    CCardPile pile;
    AddCards(pile, strNames, nTrumps);
    return pile;
}

// A trick led by nLeader with the named cards in the order played.
inline CTrick Trick(int nLeader, const std::string& strNames, int nTrumps = NO_TRUMPS)
{
    CTrick trick;
    trick.SetLeader(nLeader);
    trick.SetTrumps(nTrumps);
    AddCards(trick, strNames, nTrumps);
    return trick;
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

} // namespace bridgecards
