#pragma once
// CTwoHeartsMidDeal: a deal in the middle of play that the play-engine base is both tested
// and timed on. North declares two hearts after 1H (N) 1S (E) 2H (S) and three passes. Five
// tricks are done; East has led the queen of spades to the sixth, South followed, and West,
// a defender who sees dummy (South), is to play.
//   N: S A43  H AQJ95  D K62   C Q7       E: S KQJT9  H 82  D AJ4  C K53
//   S: S 862  H KT73   D Q95   C J86      W: S 75     H 64  D T873 C AT942

#include "bridge/bidding/Auction.h"
#include "bridge/bidding/BidThresholds.h"
#include "tests/support/BridgeCards.h"

class CTwoHeartsMidDeal {
public:
    CTwoHeartsMidDeal()
    {
        using namespace bridgecards;
        m_tricks.Add(EAST, "KS 2S 5S AS", HEARTS);
        m_tricks.Add(NORTH, "AH 2H 3H 4H", HEARTS);
        m_tricks.Add(NORTH, "QH 8H 7H 6H", HEARTS);
        m_tricks.Add(NORTH, "7C 3C JC AC", HEARTS);
        m_tricks.Add(WEST, "7D 2D AD 5D", HEARTS);
        m_trick = Trick(EAST, "QS 6S", HEARTS);
        m_west = Pile("7S TD 8D 3D TC 9C 4C 2C", HEARTS);
        m_south = Pile("8S KH TH QD 9D 8C 6C", HEARTS);

        m_auction.SetDealer(NORTH);
        m_auction.AddBid(&m_thresholds, 0, HEARTS, "");
        m_auction.AddBid(&m_thresholds, 0, SPADES, "");
        m_auction.AddBid(&m_thresholds, 1, HEARTS, "");
        for (int i = 0; i < 3; ++i)
            m_auction.AddPass(&m_thresholds, "");
    }
    CTwoHeartsMidDeal(const CTwoHeartsMidDeal&) = delete;
    CTwoHeartsMidDeal& operator=(const CTwoHeartsMidDeal&) = delete;

    bridgecards::CTrickList m_tricks;
    CTrick m_trick;
    CCardPile m_west;
    CCardPile m_south;
    CBidThresholds m_thresholds;
    CAuction m_auction;
};
