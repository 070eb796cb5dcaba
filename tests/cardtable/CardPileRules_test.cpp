// The building rules: CanPlace and EffectiveTop, with the patience race's two kinds of pile
// (centre piles built up from 1 to 13, discard piles built down or on the same value) and
// its wild cards (order 0).

#include <gtest/gtest.h>

#include "CardTestHelpers.h"
#include "cardtable/CardPile.h"

using cardtest::Rummy;
using cardtest::Wild;

namespace {

CCard OfOrder(int nOrder)
{
    return CCard(nOrder, SUIT_HEARTS, nOrder, 0);
}

CCardPile CentrePile()
{
    return CCardPile(PILE_BUILD_UP, 1, 13);
}

CCardPile DiscardPile()
{
    return CCardPile(PILE_BUILD_DOWN | PILE_SAME_VALUE, 0, 0);
}

// The orders 1..13 the pile accepts, as a string of "1 2 ..." for readable failures.
std::string Accepted(const CCardPile& pile)
{
    std::string str;
    for (int nOrder = 1; nOrder <= 13; ++nOrder) {
        if (pile.CanPlace(OfOrder(nOrder)))
            str += (str.empty() ? "" : " ") + std::to_string(nOrder);
    }
    return str;
}

} // namespace


TEST(CCardPile, EmptyCentrePileTakesOnlyOrderOneOrAWildCard)
{
    CCardPile pile = CentrePile();
    EXPECT_EQ(Accepted(pile), "1");
    EXPECT_TRUE(pile.CanPlace(Wild()));
}

TEST(CCardPile, CentrePileBuildsUpOneStepAtATime)
{
    CCardPile pile = CentrePile();
    pile.AddCard(OfOrder(1));
    EXPECT_EQ(Accepted(pile), "2");
    pile.AddCard(OfOrder(2));
    pile.AddCard(OfOrder(3));
    EXPECT_EQ(Accepted(pile), "4");
    EXPECT_TRUE(pile.CanPlace(Wild()));
}

TEST(CCardPile, WildCardsOnACentrePileCountAsTheNextOrders)
{
    CCardPile pile = CentrePile();
    pile.AddCard(Wild());
    EXPECT_EQ(pile.EffectiveTop().GetOrder(), 1);
    EXPECT_EQ(Accepted(pile), "2");
    pile.AddCard(Wild(2));
    EXPECT_EQ(pile.EffectiveTop().GetOrder(), 2);
    EXPECT_EQ(Accepted(pile), "3");

    CCardPile built = CentrePile();
    for (int nOrder = 1; nOrder <= 5; ++nOrder)
        built.AddCard(OfOrder(nOrder));
    built.AddCard(Wild());
    built.AddCard(Wild());
    int nIndex = -1;
    EXPECT_EQ(built.EffectiveTop(&nIndex).GetOrder(), 7);
    EXPECT_EQ(nIndex, 4);
    EXPECT_EQ(Accepted(built), "8");
}

TEST(CCardPile, CompleteCentrePileRefusesEverything)
{
    CCardPile pile = CentrePile();
    for (int nOrder = 1; nOrder <= 13; ++nOrder)
        pile.AddCard(OfOrder(nOrder));
    EXPECT_EQ(Accepted(pile), "");
    EXPECT_FALSE(pile.CanPlace(Wild()));

    // A wild card standing for the king completes the pile as well.
    CCardPile wildKing = CentrePile();
    for (int nOrder = 1; nOrder <= 12; ++nOrder)
        wildKing.AddCard(OfOrder(nOrder));
    wildKing.AddCard(Wild());
    EXPECT_EQ(wildKing.EffectiveTop().GetOrder(), 13);
    EXPECT_FALSE(wildKing.CanPlace(Wild()));
    EXPECT_EQ(Accepted(wildKing), "");
}

TEST(CCardPile, DiscardPileTakesAnyCardThenBuildsDownOrSame)
{
    CCardPile pile = DiscardPile();
    EXPECT_EQ(Accepted(pile), "1 2 3 4 5 6 7 8 9 10 11 12 13");
    pile.AddCard(OfOrder(7));
    EXPECT_EQ(Accepted(pile), "6 7");
    EXPECT_TRUE(pile.CanPlace(Wild()));
}

TEST(CCardPile, DiscardPileWrapsFromOneToThirteen)
{
    CCardPile pile = DiscardPile();
    pile.AddCard(OfOrder(1));
    EXPECT_EQ(Accepted(pile), "1 13");
}

TEST(CCardPile, WildCardOnADiscardPileWidensTheRange)
{
    CCardPile pile = DiscardPile();
    pile.AddCard(OfOrder(7));
    pile.AddCard(Wild());
    int nIndex = -1;
    EXPECT_EQ(pile.EffectiveTop(&nIndex).GetOrder(), 7);
    EXPECT_EQ(nIndex, 0);
    EXPECT_EQ(Accepted(pile), "5 6 7");
    pile.AddCard(Wild());
    EXPECT_EQ(Accepted(pile), "4 5 6 7");
}

TEST(CCardPile, WildCardsAloneOnAnUpAndSameValuePileReachFromTheFirstOrder)
{
    // No pile of the games combines these, but the range rule still holds: from the first
    // order 1 each wild card may be a step up.
    CCardPile pile(PILE_BUILD_UP | PILE_SAME_VALUE, 1, 0);
    pile.AddCard(Wild());
    EXPECT_EQ(Accepted(pile), "1 2");
    pile.AddCard(Wild());
    EXPECT_EQ(Accepted(pile), "1 2 3");
}

TEST(CCardPile, RangeOfAnUpPileIsCappedAtTheLastOrder)
{
    CCardPile pile(PILE_BUILD_UP | PILE_SAME_VALUE, 0, 10);
    pile.AddCard(OfOrder(9));
    pile.AddCard(Wild());
    pile.AddCard(Wild());
    EXPECT_EQ(Accepted(pile), "9 10");
}

TEST(CCardPile, BuildDownPileWithoutSameValue)
{
    CCardPile pile(PILE_BUILD_DOWN, 13, 1);
    EXPECT_EQ(Accepted(pile), "13");
    pile.AddCard(OfOrder(13));
    pile.AddCard(Wild());
    EXPECT_EQ(pile.EffectiveTop().GetOrder(), 12);
    EXPECT_EQ(Accepted(pile), "11");
    CCardPile done(PILE_BUILD_DOWN, 13, 1);
    done.AddCard(OfOrder(2));
    done.AddCard(OfOrder(1));
    EXPECT_EQ(Accepted(done), "");
}

