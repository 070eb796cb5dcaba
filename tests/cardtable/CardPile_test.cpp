#include <sstream>

#include <gtest/gtest.h>

#include "CardTestHelpers.h"
#include "cardtable/CardPile.h"
#include "cardtable/PileGroup.h"

using cardtest::Names;
using cardtest::PileOf;
using cardtest::Rummy;

TEST(CCardPile, RemoveCardTakesTheFirstEqualOne)
{
    CCardPile pile = PileOf({"5D", "7S", "5D", "9C"});
    pile.RemoveCard(Rummy("5D"));
    EXPECT_EQ(Names(pile), "7S 5D 9C");
    pile.RemoveCard(Rummy("5H"));
    EXPECT_EQ(Names(pile), "7S 5D 9C");
    pile.RemoveCards(PileOf({"9C", "7S", "QH"}));
    EXPECT_EQ(Names(pile), "5D");

    CCardPile other = PileOf({"2C", "3C"});
    CPileGroup group;
    group.Add(&pile);
    CCardPile target = PileOf({"2C", "5D", "3C", "KH"});
    group.Add(&other);
    target.RemoveGroupCards(group);
    EXPECT_EQ(Names(target), "KH");
}

TEST(CCardPile, RemoveCardsOfItselfEmptiesThePile)
{
    CCardPile pile = PileOf({"5D", "7S", "9C"});
    pile.RemoveCards(pile);
    EXPECT_EQ(pile.GetCount(), 0);
}

TEST(CCardPile, SuitCountsAndExtremes)
{
    CCardPile pile = PileOf({"5D", "7S", "KD", "2D", "9C"});
    EXPECT_EQ(pile.CountSuit(SUIT_DIAMONDS), 3);
    EXPECT_EQ(pile.CountSuitOf(Rummy("AS")), 1);
    EXPECT_EQ(pile.CountSuit(SUIT_HEARTS), 0);
    EXPECT_EQ(pile.LongestSuit(), 3);
    EXPECT_EQ(CCardPile().LongestSuit(), 0);
    EXPECT_EQ(pile.HighestInSuit(SUIT_DIAMONDS), 13);
    EXPECT_EQ(pile.LowestInSuit(SUIT_DIAMONDS), 2);
    EXPECT_EQ(pile.HighestInSuit(SUIT_HEARTS), -1);
    EXPECT_EQ(pile.LowestInSuit(SUIT_HEARTS), 65535);
    EXPECT_EQ(pile.CountOrder(7), 1);
    EXPECT_EQ(pile.TotalPoints(), 5 + 7 + 10 + 2 + 9);

    CCardPile diamonds;
    EXPECT_EQ(pile.CopySuitOf(Rummy("AD"), diamonds), 3);
    EXPECT_EQ(Names(diamonds), "5D KD 2D");
    EXPECT_EQ(pile.GetCount(), 5);
}

TEST(CCardPile, CopyAndMoveTopCardsArriveTopmostFirst)
{
    CCardPile source = PileOf({"AC", "2C", "3C", "4C"});
    CCardPile dest;
    source.CopyTopTo(2, dest);
    EXPECT_EQ(Names(dest), "4C 3C");
    EXPECT_EQ(source.GetCount(), 4);
    source.CopyTopTo(-1, dest);
    EXPECT_EQ(Names(dest), "4C 3C 4C 3C 2C AC");

    CCardPile moved;
    source.MoveTopTo(3, moved);
    EXPECT_EQ(Names(source), "AC");
    EXPECT_EQ(Names(moved), "4C 3C 2C");
    source.MoveTopTo(5, moved);
    EXPECT_EQ(source.GetCount(), 0);
    EXPECT_EQ(Names(moved), "4C 3C 2C AC");
}

TEST(CCardPile, DealRoundsGivesTopCardsInGroupOrderAndStopsWhenEmpty)
{
    CCardPile deck;
    deck.BuildDeck();
    CCardPile hands[4];
    CPileGroup group;
    for (CCardPile& hand : hands)
        group.Add(&hand);
    deck.DealRounds(-1, group);
    for (const CCardPile& hand : hands)
        EXPECT_EQ(hand.GetCount(), 13);
    // The deck's top is the king of spades, then king of hearts, diamonds, clubs.
    EXPECT_EQ(cardtest::Name(hands[0].m_cards[0]), "KS");
    EXPECT_EQ(cardtest::Name(hands[3].m_cards[0]), "KC");
    EXPECT_EQ(cardtest::Name(hands[3].m_cards[12]), "AC");
    EXPECT_EQ(group.GetCardCount(), 52);

    CCardPile five = PileOf({"AC", "2C", "3C", "4C", "5C"});
    group.ClearAll();
    five.DealRounds(2, group);
    EXPECT_EQ(Names(hands[0]), "5C AC");
    EXPECT_EQ(Names(hands[1]), "4C");
    EXPECT_EQ(Names(hands[3]), "2C");

    group.ClearAll();
    CCardPile six = PileOf({"AC", "2C", "3C", "4C", "5C", "6C"});
    six.DealRounds(1, group);
    EXPECT_EQ(six.GetCount(), 2);
}

TEST(CCardPile, SortPutsHighestSpadeFirstAndLowestDiamondOnTop)
{
    CCardPile pile = PileOf({"2D", "KC", "5H", "AS", "TD", "3C", "QS", "2H"});
    pile.Sort();
    EXPECT_EQ(Names(pile), "QS AS 5H 2H KC 3C TD 2D");
}

TEST(CCardPile, SplitBySuitAlternatesColoursFromTheFirstSuit)
{
    const CCardPile hand = PileOf({"2D", "KC", "5H", "AS", "TD", "3C", "QS"});
    struct {
        int nFirst;
        const char* szPiles[4];
    } cases[] = {
        {0, {"KC 3C", "5H", "AS QS", "2D TD"}},
        {1, {"2D TD", "AS QS", "5H", "KC 3C"}},
        {2, {"5H", "AS QS", "2D TD", "KC 3C"}},
        {3, {"AS QS", "5H", "KC 3C", "2D TD"}},
    };
    for (const auto& c : cases) {
        CCardPile piles[4];
        CPileGroup group;
        for (CCardPile& pile : piles)
            group.Add(&pile);
        hand.SplitBySuit(c.nFirst, group);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Names(piles[i]), c.szPiles[i]) << "first suit " << c.nFirst << " pile " << i;
    }

    CCardPile piles[4];
    CPileGroup group;
    for (CCardPile& pile : piles)
        group.Add(&pile);
    hand.SplitBySuit(7, group);
    hand.SplitBySuit(-1, group);
    EXPECT_EQ(group.GetCardCount(), 0);
}

TEST(CCardPile, CopyKeepsEverySetting)
{
    CCardPile pile(PILE_BUILD_DOWN | PILE_SAME_VALUE, 3, 9);
    pile.AddCard(Rummy("7H"));
    pile.SetLayout(CPoint(5, 6), CSize(14, 0), 13, PILE_TOP_FACE_UP);
    pile.SetBackImage(IMG_BACK2);

    CCardPile copy(pile);
    CCardPile assigned;
    assigned = pile;
    for (const CCardPile* p : {&copy, &assigned}) {
        EXPECT_EQ(Names(*p), "7H");
        EXPECT_EQ(p->GetPosition(), CPoint(5, 6));
        EXPECT_EQ(p->GetStep(), CSize(14, 0));
        EXPECT_EQ(p->GetVisibleCount(), 13);
        EXPECT_EQ(p->GetDrawFlags(), PILE_TOP_FACE_UP);
        EXPECT_EQ(p->GetBackImage(), IMG_BACK2);
        // Same rules: takes 7 and 6 on a 7, refuses 8.
        EXPECT_TRUE(p->CanPlace(Rummy("7C")));
        EXPECT_TRUE(p->CanPlace(Rummy("6C")));
        EXPECT_FALSE(p->CanPlace(Rummy("8C")));
    }
}

TEST(CPileGroup, ContainsCopiesAndDeletes)
{
    CPileGroup group;
    group.Add(new CCardPile(PileOf({"AC", "2C"})));
    group.Add(new CCardPile(PileOf({"9H"})));
    EXPECT_TRUE(group.Contains(Rummy("9H")));
    EXPECT_FALSE(group.Contains(Rummy("9S")));
    CCardPile all;
    group.CopyAllTo(all);
    EXPECT_EQ(Names(all), "2C AC 9H");

    CCardPile* pKept = group.GetAt(1);
    group.RemoveAt(1);
    EXPECT_EQ(group.GetCount(), 1);
    delete pKept;
    group.DeleteAll();
    EXPECT_EQ(group.GetCount(), 0);
}
