#include "varrow/VarrowDlg.h"

#include "platform/testing/driver.h"
#include "resources/CardImages.h"
#include "resources/VarrowResources.h"
#include "tests/varrow/VarrowTestSupport.h"

namespace {

using namespace plat::test;

// A position of the left player's own making: the table cleared, a stock of kings, the
// pay-off pile ending in a card no centre pile takes, and the right played by a person, so
// that a discard waits for the stock instead of starting the computer.
class VarrowRulesTest : public VarrowTest {
protected:
    void SetUp() override
    {
        VarrowTest::SetUp();
        m_pGame->ClearTable();
        FillStock(m_pGame->m_stock, 30);
        SetCards(m_pGame->m_payoff1, {Card(9, SUIT_SPADES), Card(10, SUIT_SPADES)});
        SetCards(m_pGame->m_payoff2, {Card(9, SUIT_HEARTS), Card(10, SUIT_HEARTS)});
        m_pGame->m_bHuman[1] = true;
        m_pGame->RefreshTable();
        RunUntilIdle();
    }

    // A point on the exposed strip of hand card nIndex (the later cards overlap the rest).
    CPoint HandCard(int nIndex) const
    {
        return m_pGame->m_hand1.GetSlotPosition(nIndex) + CSize(7, CARD_HEIGHT / 2);
    }
    CPoint Centre(int nIndex) const { return SlotMiddle(m_pGame->Centre(nIndex), 0); }
    CPoint Discard(int nIndex) const { return SlotMiddle(m_pGame->Discard(0, nIndex), 0); }
    CPoint PayoffTop() const { return SlotMiddle(m_pGame->m_payoff1, 1); }
    // Lets the left play a second discard as if it were a new turn.
    void AllowAnotherDiscard()
    {
        m_pGame->m_bTurnOver = false;
        m_pGame->m_hand1.SetDrawFlags(0);
    }
};

TEST_F(VarrowRulesTest, WildCardGoesOnEveryCentrePileNotCompleteAndOnADiscardPile)
{
    SetCards(m_pGame->m_hand1, {Wild(), Wild(), Wild(), Card(9, 0), Card(9, 1)});
    BuildCentre(m_pGame->Centre(1), 5);
    BuildCentre(m_pGame->Centre(2), 13);
    m_pGame->RefreshTable();

    DragAndDrop(HandCard(0), Centre(2));
    EXPECT_EQ(13, m_pGame->Centre(2).GetCount()) << "a complete pile takes no wild card";
    ASSERT_EQ(5, m_pGame->m_hand1.GetCount());
    EXPECT_EQ(Wild(), m_pGame->m_hand1.m_cards[0]) << "the card went back to its place";

    DragAndDrop(HandCard(0), Centre(0));
    DragAndDrop(HandCard(0), Centre(1));
    EXPECT_EQ(1, m_pGame->Centre(0).GetCount());
    EXPECT_EQ(1, m_pGame->Centre(0).EffectiveTop().GetOrder()) << "alone it stands for the ace";
    EXPECT_EQ(6, m_pGame->Centre(1).EffectiveTop().GetOrder());
    EXPECT_EQ(3, m_pGame->m_hand1.GetCount()) << "plays onto the centre do not refill";
    EXPECT_EQ(0, m_pGame->m_nPlayer);

    DragAndDrop(HandCard(0), Discard(0));
    EXPECT_EQ(Wild(), m_pGame->Discard(0, 0).Top());
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount()) << "a discard refills the hand";
    EXPECT_TRUE(m_pGame->m_bTurnOver) << "the next person takes over at the stock";
    EXPECT_EQ(PILE_FACE_DOWN, m_pGame->m_hand1.GetDrawFlags());
    EXPECT_EQ(0, m_pGame->m_nPlayer);
}

TEST_F(VarrowRulesTest, DiscardPileTakesTheSameValueOrOneLowerAndAKingOnAnAce)
{
    SetCards(m_pGame->m_hand1, {Card(7, 0), Card(8, 1), Card(6, 2), Card(13, 3), Card(2, 0)});
    SetCards(m_pGame->Discard(0, 0), {Card(8, 3)});
    SetCards(m_pGame->Discard(0, 1), {Card(1, 3)});
    m_pGame->RefreshTable();

    DragAndDrop(HandCard(4), Discard(0));
    EXPECT_EQ(1, m_pGame->Discard(0, 0).GetCount()) << "a two does not go on an eight";
    EXPECT_FALSE(m_pGame->m_bTurnOver);

    DragAndDrop(HandCard(3), Discard(1));
    EXPECT_EQ(Card(13, 3), m_pGame->Discard(0, 1).Top());
    AllowAnotherDiscard();
    DragAndDrop(HandCard(1), Discard(0));
    EXPECT_EQ(Card(8, 1), m_pGame->Discard(0, 0).Top()) << "the same value";
    AllowAnotherDiscard();
    DragAndDrop(HandCard(0), Discard(0));
    EXPECT_EQ(Card(7, 0), m_pGame->Discard(0, 0).Top()) << "one lower";
    EXPECT_EQ(3, m_pGame->Discard(0, 0).GetCount());
}

TEST_F(VarrowRulesTest, CentrePileStartsWithAnAceAndBuildsUp)
{
    SetCards(m_pGame->m_hand1, {Card(2, 0), Card(1, 1), Card(3, 2), Card(3, 3), Card(13, 0)});
    m_pGame->RefreshTable();

    DragAndDrop(HandCard(0), Centre(0));
    EXPECT_EQ(0, m_pGame->Centre(0).GetCount()) << "a two does not start a pile";
    DragAndDrop(HandCard(1), Centre(0));
    DragAndDrop(HandCard(0), Centre(0));
    ASSERT_EQ(2, m_pGame->Centre(0).GetCount());
    EXPECT_EQ(Card(2, 0), m_pGame->Centre(0).Top());
    DragAndDrop(HandCard(0), Centre(1));
    EXPECT_EQ(0, m_pGame->Centre(1).GetCount()) << "a three does not start a pile either";
    EXPECT_EQ(3, m_pGame->m_hand1.GetCount());
}

TEST_F(VarrowRulesTest, PayoffCardPlaysOnlyOntoTheCentre)
{
    SetCards(m_pGame->m_payoff1, {Card(5, 0), Card(1, 2)});
    SetCards(m_pGame->m_hand1, {Card(9, 0), Card(9, 1), Card(9, 2), Card(9, 3), Card(13, 0)});
    m_pGame->RefreshTable();

    DragAndDrop(PayoffTop(), Discard(0));
    EXPECT_EQ(0, m_pGame->Discard(0, 0).GetCount()) << "pay-off cards are never discarded";
    EXPECT_EQ(Card(1, 2), m_pGame->m_payoff1.Top());
    EXPECT_EQ(PILE_TOP_FACE_UP, m_pGame->m_payoff1.GetDrawFlags());

    MouseDown(m_pGame, PayoffTop());
    RunUntilIdle();
    EXPECT_EQ(PILE_FACE_DOWN, m_pGame->m_payoff1.GetDrawFlags()) << "the next card stays hidden";
    MouseUp(m_pGame, Centre(3));
    RunUntilIdle();
    EXPECT_EQ(Card(1, 2), m_pGame->Centre(3).Top());
    EXPECT_EQ(PILE_TOP_FACE_UP, m_pGame->m_payoff1.GetDrawFlags());
    EXPECT_EQ(1, m_pGame->m_payoff1.GetCount());
    EXPECT_EQ(0, m_pGame->m_nPlayer) << "the left plays on";
}

TEST_F(VarrowRulesTest, EdgeOfTheSecondPayoffCardPicksNothing)
{
    SetCards(m_pGame->m_payoff1, {Card(1, 0), Card(1, 2)});
    m_pGame->RefreshTable();
    const CPoint ptEdge = m_pGame->m_payoff1.GetSlotPosition(0) + CSize(7, CARD_HEIGHT / 2);

    MouseDown(m_pGame, ptEdge);
    RunUntilIdle();
    EXPECT_FALSE(m_pGame->IsDragging());
    MouseUp(m_pGame, Centre(0));
    RunUntilIdle();
    EXPECT_EQ(2, m_pGame->m_payoff1.GetCount());
    EXPECT_EQ(0, m_pGame->Centre(0).GetCount());
}

TEST_F(VarrowRulesTest, CompletedCentrePileReturnsToTheStockWhenTheStockRunsLow)
{
    SetCards(m_pGame->m_hand1, {Card(13, 0), Card(13, 1), Card(4, 0), Card(4, 1), Card(4, 2)});
    BuildCentre(m_pGame->Centre(0), 12);
    FillStock(m_pGame->m_stock, 20);
    m_pGame->RefreshTable();

    DragAndDrop(HandCard(0), Centre(0));
    ASSERT_EQ(13, m_pGame->Centre(0).GetCount());
    DragAndDrop(HandCard(0), Centre(0));
    EXPECT_EQ(13, m_pGame->Centre(0).GetCount()) << "a complete pile takes no second king";
    DragAndDrop(HandCard(1), Discard(0));
    EXPECT_EQ(13, m_pGame->Centre(0).GetCount()) << "a stock of 20 is not low";
    EXPECT_EQ(18, m_pGame->m_stock.GetCount());

    FillStock(m_pGame->m_stock, 11);
    AllowAnotherDiscard();
    DragAndDrop(HandCard(1), Discard(1));
    EXPECT_EQ(0, m_pGame->Centre(0).GetCount());
    EXPECT_EQ(11 + 13 - 1, m_pGame->m_stock.GetCount()) << "gathered, then one card drawn";
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount());
}

TEST_F(VarrowRulesTest, DiscardingTheLastHandCardRefillsTheHandAndPlaysOn)
{
    m_pGame->m_bHuman[1] = false;
    SetCards(m_pGame->m_hand1, {Card(4, 0)});
    SetCards(m_pGame->m_hand2, {Card(1, 0), Card(1, 1)});
    m_pGame->RefreshTable();

    DragAndDrop(HandCard(0), Discard(2));
    EXPECT_EQ(Card(4, 0), m_pGame->Discard(0, 2).Top());
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount());
    EXPECT_EQ(25, m_pGame->m_stock.GetCount());
    EXPECT_EQ(0, m_pGame->m_nPlayer);
    EXPECT_FALSE(m_pGame->m_bTurnOver);
    EXPECT_EQ(2, m_pGame->m_hand2.GetCount()) << "the computer did not play";
}

TEST_F(VarrowRulesTest, EmptyingThePayoffPileWinsAndDealsANewGame)
{
    SetCards(m_pGame->m_payoff1, {Card(1, 3)});
    m_pGame->RefreshTable();

    DragAndDrop(SlotMiddle(m_pGame->m_payoff1, 0), Centre(5));
    ASSERT_EQ(1u, GetMessageBoxes().size());
    EXPECT_EQ("Left won!", GetMessageBoxes()[0].strText);
    EXPECT_EQ("The Winner", GetMessageBoxes()[0].strCaption);
    EXPECT_EQ(26, m_pGame->m_payoff1.GetCount());
    EXPECT_EQ(26, m_pGame->m_payoff2.GetCount());
    EXPECT_EQ(0, m_pGame->m_centre.GetCardCount());
    EXPECT_EQ(1, m_pGame->m_nPlayer) << "the other player is to move";
    EXPECT_EQ(IMG_BACK2, m_pGame->m_stock.GetBackImage());
}

TEST_F(VarrowRulesTest, StockClickBetweenTwoPeopleTurnsTheHands)
{
    SetCards(m_pGame->m_hand1, {Card(4, 0), Card(5, 0)});
    SetCards(m_pGame->m_hand2, {Card(4, 1), Card(5, 1), Card(6, 1), Card(7, 1), Card(8, 1)});
    m_pGame->RefreshTable();

    ClickAt(SlotMiddle(m_pGame->m_stock, 0));
    EXPECT_EQ(1, m_pGame->m_nPlayer);
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount()) << "the turn's player refills";
    EXPECT_EQ(PILE_FACE_DOWN, m_pGame->m_hand1.GetDrawFlags());
    EXPECT_EQ(0, m_pGame->m_hand2.GetDrawFlags());
    EXPECT_EQ(IMG_BACK2, m_pGame->m_stock.GetBackImage());

    // The right now drags from its own hand.
    DragAndDrop(m_pGame->m_hand2.GetSlotPosition(0) + CSize(7, 48),
                SlotMiddle(m_pGame->Discard(1, 0), 0));
    EXPECT_EQ(Card(4, 1), m_pGame->Discard(1, 0).Top());
    EXPECT_TRUE(m_pGame->m_bTurnOver);
}

TEST_F(VarrowRulesTest, StockClickAfterIdleComputerStepsGathersAndDealsAgain)
{
    SetCards(m_pGame->m_hand1, {Card(4, 0), Card(5, 0)});
    SetCards(m_pGame->m_hand2, {Card(4, 1)});
    SetCards(m_pGame->Discard(0, 0), {Card(7, 0), Card(6, 0)});
    SetCards(m_pGame->Discard(1, 3), {Card(2, 0)});
    BuildCentre(m_pGame->Centre(0), 4);
    m_pGame->m_nIdleSteps = 2;
    const int nTotal = m_pGame->CountAllCards();
    m_pGame->RefreshTable();

    ClickAt(SlotMiddle(m_pGame->m_stock, 0));
    EXPECT_EQ(0, m_pGame->m_centre.GetCardCount());
    EXPECT_EQ(0, m_pGame->m_discards1.GetCardCount() + m_pGame->m_discards2.GetCardCount());
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount());
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());
    EXPECT_EQ(2, m_pGame->m_payoff1.GetCount()) << "pay-off piles stay";
    EXPECT_EQ(nTotal, m_pGame->CountAllCards());
    EXPECT_EQ(0, m_pGame->m_nIdleSteps);
}

TEST_F(VarrowRulesTest, PayoffCardCarriedWhenTheWindowClosesGoesBackFaceUp)
{
    MouseDown(m_pGame, PayoffTop());
    RunUntilIdle();
    ASSERT_TRUE(m_pGame->IsDragging());
    EXPECT_EQ(PILE_FACE_DOWN, m_pGame->m_payoff1.GetDrawFlags());

    m_pGame->SendMessage(WM_CLOSE);
    RunUntilIdle();
    EXPECT_FALSE(m_pGame->IsDragging());
    ASSERT_EQ(2, m_pGame->m_payoff1.GetCount());
    EXPECT_EQ(Card(10, SUIT_SPADES), m_pGame->m_payoff1.Top());
    EXPECT_EQ(PILE_TOP_FACE_UP, m_pGame->m_payoff1.GetDrawFlags());
    MouseUp(m_pGame, Centre(0));
    RunUntilIdle();
    EXPECT_EQ(0, m_pGame->Centre(0).GetCount());
}

TEST_F(VarrowRulesTest, NewGameWhileCarryingACardDropsTheCard)
{
    SetCards(m_pGame->m_hand1, {Card(4, 0)});
    m_pGame->RefreshTable();
    MouseDown(m_pGame, HandCard(0));
    RunUntilIdle();
    ASSERT_TRUE(m_pGame->IsDragging());

    m_pGame->SendMessage(WM_COMMAND, ID_VARROW_NEW_GAME);
    MouseUp(m_pGame, Discard(0));
    RunUntilIdle();
    EXPECT_FALSE(m_pGame->IsDragging());
    EXPECT_EQ(0, m_pGame->Discard(0, 0).GetCount());
    EXPECT_EQ(108, m_pGame->CountAllCards());
}

} // namespace
