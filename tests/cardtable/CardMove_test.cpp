#include <gtest/gtest.h>

#include "CardTestHelpers.h"
#include "cardtable/CardMove.h"
#include "cardtable/CardPile.h"
#include "cardtable/MoveList.h"

using cardtest::Names;
using cardtest::PileOf;
using cardtest::Rummy;
using cardtest::Wild;

TEST(CCardMove, TakesAndPutsByPositionOrOnTop)
{
    CCardPile source = PileOf({"AC", "2C", "3C"});
    CCardPile target = PileOf({"KH", "QH"});
    CCardMove move(Rummy("2C"), MOVE_FROM_HAND, 1, 1, &source, &target);
    move.TakeFromSource();
    move.PutOnTarget();
    EXPECT_EQ(Names(source), "AC 3C");
    EXPECT_EQ(Names(target), "KH 2C QH");

    // Removal goes by position, not by looking for the card.
    CCardMove byIndex(Rummy("9S"), MOVE_FROM_HAND, 0, 5, &source, &target);
    byIndex.TakeFromSource();
    byIndex.PutOnTarget();
    EXPECT_EQ(Names(source), "3C");
    EXPECT_EQ(Names(target), "KH 2C QH 9S");
}

TEST(CCardMove, UnsetSourceIndexMeansTheTopAndUndoAppendsIt)
{
    CCardPile source = PileOf({"AC", "2C", "3C"});
    CCardPile target;
    CCardMove move(Rummy("3C"), MOVE_FROM_DISCARD, -1, -1, &source, &target);
    move.TakeFromSource();
    move.PutOnTarget();
    EXPECT_EQ(Names(source), "AC 2C");
    EXPECT_EQ(Names(target), "3C");
    move.Undo();
    EXPECT_EQ(Names(source), "AC 2C 3C");
    EXPECT_EQ(target.GetCount(), 0);
}

TEST(CCardMove, UndoWithinOnePileRestoresTheOrder)
{
    // The target index is the pile's count before the move, as AddMove records it.
    CCardPile pile = PileOf({"AC", "2C", "3C", "4C"});
    CCardMove move(Rummy("2C"), MOVE_FROM_HAND, 1, 4, &pile, &pile);
    move.TakeFromSource();
    move.PutOnTarget();
    EXPECT_EQ(Names(pile), "AC 3C 4C 2C");
    move.Undo();
    EXPECT_EQ(Names(pile), "AC 2C 3C 4C");

    CMoveList list;
    list.AddMove(MOVE_FROM_HAND, 0, &pile, &pile);
    EXPECT_EQ(Names(pile), "2C 3C 4C AC");
    list.UndoLast();
    EXPECT_EQ(Names(pile), "AC 2C 3C 4C");
}

TEST(CCardMove, ScoreByKindAndWildness)
{
    struct {
        int nKind;
        bool bWild;
        int nScore;
    } cases[] = {
        {MOVE_FROM_HAND, false, 10}, {MOVE_FROM_HAND, true, -20},
        {MOVE_FROM_DISCARD, false, 1}, {MOVE_FROM_DISCARD, true, -10},
        {MOVE_FROM_PAYOFF, false, 100}, {MOVE_FROM_PAYOFF, true, 100},
        {3, false, 0}, {-1, true, 0},
    };
    for (const auto& c : cases) {
        CCardMove move(c.bWild ? Wild() : Rummy("7D"), c.nKind, 0, 0, nullptr, nullptr);
        EXPECT_EQ(move.Score(), c.nScore) << "kind " << c.nKind << " wild " << c.bWild;
    }
}

TEST(CMoveList, AddMoveCarriesOutAndUndoLastRestoresBothPiles)
{
    CCardPile hand = PileOf({"5S", "9D", "2H"});
    CCardPile centre = PileOf({"AC"});
    CMoveList list;
    list.AddMove(MOVE_FROM_HAND, 2, &hand, &centre);
    EXPECT_EQ(Names(hand), "5S 9D");
    EXPECT_EQ(Names(centre), "AC 2H");
    EXPECT_EQ(list.GetLast().GetTargetIndex(), 1);
    EXPECT_EQ(cardtest::Name(list.GetLast().GetCard()), "2H");

    list.UndoLast();
    EXPECT_EQ(Names(hand), "5S 9D 2H");
    EXPECT_EQ(Names(centre), "AC");
    EXPECT_EQ(list.GetCount(), 1);
    list.RemoveLast();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CMoveList, UndoOfAMoveFromTheMiddleOfTheHand)
{
    CCardPile hand = PileOf({"5S", "9D", "2H"});
    CCardPile centre;
    CMoveList list;
    list.AddMove(MOVE_FROM_HAND, 0, &hand, &centre);
    list.AddMove(MOVE_FROM_HAND, 0, &hand, &centre);
    EXPECT_EQ(Names(hand), "2H");
    EXPECT_EQ(Names(centre), "5S 9D");
    list.UndoLast();
    list.RemoveLast();
    list.UndoLast();
    list.RemoveLast();
    EXPECT_EQ(Names(hand), "5S 9D 2H");
    EXPECT_EQ(centre.GetCount(), 0);
}

TEST(CMoveList, ScoreAddsAShareOfTheBonusWhenEndingOnThePayOff)
{
    CCardPile hand = PileOf({"3C", "2C"});
    CCardPile wildHand;
    wildHand.AddCard(Rummy("3C"));
    wildHand.AddCard(Wild());
    CCardPile payoff = PileOf({"4C"});
    CCardPile discard = PileOf({"7H"});
    CCardPile centre = PileOf({"AC"});

    CMoveList list;
    EXPECT_EQ(list.Score(), 0);
    list.AddMove(MOVE_FROM_HAND, -1, &hand, &centre);
    list.AddMove(MOVE_FROM_HAND, -1, &hand, &centre);
    list.AddMove(MOVE_FROM_PAYOFF, -1, &payoff, &centre);
    EXPECT_EQ(list.Score(), 10 + 10 + 100 + 333);

    CMoveList withWild;
    withWild.AddMove(MOVE_FROM_HAND, -1, &wildHand, &centre);
    withWild.AddMove(MOVE_FROM_HAND, -1, &wildHand, &centre);
    payoff.AddCard(Rummy("9C"));
    withWild.AddMove(MOVE_FROM_PAYOFF, -1, &payoff, &centre);
    EXPECT_EQ(withWild.Score(), -20 + 10 + 100 + 333);

    CMoveList single;
    payoff.AddCard(Rummy("8C"));
    single.AddMove(MOVE_FROM_PAYOFF, -1, &payoff, &centre);
    EXPECT_EQ(single.Score(), 100 + 1000);

    CMoveList endsOnDiscard;
    payoff.AddCard(Rummy("8C"));
    endsOnDiscard.AddMove(MOVE_FROM_PAYOFF, -1, &payoff, &centre);
    endsOnDiscard.AddMove(MOVE_FROM_DISCARD, -1, &discard, &centre);
    EXPECT_EQ(endsOnDiscard.Score(), 100 + 1);
}
