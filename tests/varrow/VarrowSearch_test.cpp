#include "varrow/VarrowDlg.h"

#include <vector>

#include "platform/testing/driver.h"
#include "tests/varrow/VarrowTestSupport.h"

namespace {

using namespace plat::test;

// Positions for the computer, which plays the right: the table cleared, a stock of kings,
// the left's pay-off top a king (no sequence here ends on a queen, so none is penalised
// unless a test says so).
class VarrowSearchTest : public VarrowTest {
protected:
    void SetUp() override
    {
        VarrowTest::SetUp();
        m_pGame->ClearTable();
        FillStock(m_pGame->m_stock, 30);
        SetCards(m_pGame->m_payoff1, {Card(13, SUIT_SPADES)});
        m_pGame->m_nPlayer = 1;
        m_pGame->RefreshTable();
    }

    // One search from the present position, with the best sequence and score a step starts
    // from; nothing else is reset between two searches.
    void Search()
    {
        CMoveList moves;
        m_pGame->m_bestMoves = CMoveList();
        m_pGame->m_nBestScore = CVarrowDlg::INITIAL_BEST_SCORE;
        m_pGame->SearchMoves(moves, m_pGame->m_hand2, m_pGame->m_payoff2, m_pGame->m_discards2);
        EXPECT_EQ(0, moves.GetCount());
    }

    bool Step()
    {
        return m_pGame->VarrowComputerTurn(m_pGame->m_hand2, m_pGame->m_payoff2, m_pGame->m_discards2);
    }

    // Every card of the table, pile by pile, to compare positions.
    std::vector<CCard> Snapshot()
    {
        std::vector<CCard> cards;
        for (CCardPile* pPile : {&m_pGame->m_hand1, &m_pGame->m_hand2, &m_pGame->m_payoff1,
                                 &m_pGame->m_payoff2, &m_pGame->m_stock}) {
            cards.insert(cards.end(), pPile->m_cards.begin(), pPile->m_cards.end());
            cards.push_back(CCard(-1));
        }
        for (CPileGroup* pGroup : {&m_pGame->m_discards1, &m_pGame->m_discards2, &m_pGame->m_centre}) {
            for (CCardPile* pPile : pGroup->m_piles) {
                cards.insert(cards.end(), pPile->m_cards.begin(), pPile->m_cards.end());
                cards.push_back(CCard(-1));
            }
        }
        return cards;
    }

    void ExpectMove(int nIndex, const CCard& card, int nKind, CCardPile* pTarget)
    {
        ASSERT_LT(nIndex, m_pGame->m_bestMoves.GetCount());
        const CCardMove& move = m_pGame->m_bestMoves.GetAt(nIndex);
        EXPECT_EQ(card, move.GetCard()) << "move " << nIndex;
        EXPECT_EQ(nKind, move.GetKind()) << "move " << nIndex;
        EXPECT_EQ(pTarget, move.GetTargetPile()) << "move " << nIndex;
    }
};

// Ace on the pay-off pile, the centre empty: 100 for the move and 1000 for reaching the
// pay-off card in one move; 20 less when the opponent's pay-off top is a two.
TEST_F(VarrowSearchTest, PayoffAceOnAnEmptyCentrePileIsTheWholeSequence)
{
    SetCards(m_pGame->m_hand2, {Card(2, 0), Card(3, 0)});
    SetCards(m_pGame->m_payoff2, {Card(7, 0), Card(1, 2)});
    m_pGame->m_payoff1.Clear();
    Search();
    EXPECT_EQ(1100, m_pGame->m_nBestScore);
    ASSERT_EQ(1, m_pGame->m_bestMoves.GetCount());
    ExpectMove(0, Card(1, 2), MOVE_FROM_PAYOFF, &m_pGame->Centre(0));

    SetCards(m_pGame->m_payoff1, {Card(2, 3)});
    Search();
    EXPECT_EQ(1080, m_pGame->m_nBestScore);

    EXPECT_TRUE(Step()) << "a pay-off card played: another step follows";
    EXPECT_EQ(Card(1, 2), m_pGame->Centre(0).Top());
    EXPECT_EQ(1, m_pGame->m_payoff2.GetCount());
    EXPECT_EQ(2, m_pGame->m_hand2.GetCount()) << "no discard after a pay-off card";
    EXPECT_EQ(0, m_pGame->m_nIdleSteps);
}

// Centre piles A-3 and A; hand 2, 3, 4, 5, K; pay-off top 6. Through the lone ace pile the
// six comes after four hand cards (40 + 100 + 1000 / 5 = 340), on the other pile after two
// (10 + 10 + 100 + 1000 / 3 = 453): the shorter way wins, although it is found later.
TEST_F(VarrowSearchTest, ShorterWayToThePayoffCardWins)
{
    BuildCentre(m_pGame->Centre(0), 3);
    BuildCentre(m_pGame->Centre(1), 1);
    SetCards(m_pGame->m_hand2, {Card(2, 1), Card(3, 1), Card(4, 1), Card(5, 1), Card(13, 1)});
    SetCards(m_pGame->m_payoff2, {Card(12, 2), Card(6, 2)});
    const std::vector<CCard> before = Snapshot();

    Search();
    EXPECT_EQ(before, Snapshot()) << "the search leaves the table as it found it";
    EXPECT_EQ(453, m_pGame->m_nBestScore);
    ASSERT_EQ(3, m_pGame->m_bestMoves.GetCount());
    ExpectMove(0, Card(4, 1), MOVE_FROM_HAND, &m_pGame->Centre(0));
    ExpectMove(1, Card(5, 1), MOVE_FROM_HAND, &m_pGame->Centre(0));
    ExpectMove(2, Card(6, 2), MOVE_FROM_PAYOFF, &m_pGame->Centre(0));

    EXPECT_TRUE(Step());
    EXPECT_EQ(6, m_pGame->Centre(0).GetCount());
    EXPECT_EQ(Card(12, 2), m_pGame->m_payoff2.Top());
    EXPECT_EQ(3, m_pGame->m_hand2.GetCount());
}

// A wild card alone scores -20, below the -10 a sequence must beat; a wild card that opens
// the way for the pay-off two scores -20 + 100 + 1000 / 2 = 580.
TEST_F(VarrowSearchTest, WildCardIsPlayedOnlyWhenItLeadsToThePayoffCard)
{
    SetCards(m_pGame->m_hand2, {Wild(), Card(12, 0), Card(13, 0)});
    SetCards(m_pGame->m_payoff2, {Card(5, 2)});
    Search();
    EXPECT_EQ(0, m_pGame->m_bestMoves.GetCount());
    EXPECT_EQ(-10, m_pGame->m_nBestScore);

    SetCards(m_pGame->m_payoff2, {Card(9, 0), Card(2, 2)});
    Search();
    EXPECT_EQ(580, m_pGame->m_nBestScore);
    ASSERT_EQ(2, m_pGame->m_bestMoves.GetCount());
    ExpectMove(0, Wild(), MOVE_FROM_HAND, &m_pGame->Centre(0));
    ExpectMove(1, Card(2, 2), MOVE_FROM_PAYOFF, &m_pGame->Centre(0));
}

// Centre A-4, a five in the hand: worth 10, but 10 - 20 = -10 when the opponent's pay-off
// top is a six, which the five would open; then it is not played.
TEST_F(VarrowSearchTest, SequenceEndingBelowTheOpponentsPayoffTopLosesTwenty)
{
    BuildCentre(m_pGame->Centre(0), 4);
    SetCards(m_pGame->m_hand2, {Card(5, 3)});
    SetCards(m_pGame->m_payoff2, {Card(11, 2)});
    SetCards(m_pGame->m_payoff1, {Card(6, 0)});
    Search();
    EXPECT_EQ(0, m_pGame->m_bestMoves.GetCount());

    SetCards(m_pGame->m_payoff1, {Card(7, 0)});
    Search();
    EXPECT_EQ(10, m_pGame->m_nBestScore);
    ASSERT_EQ(1, m_pGame->m_bestMoves.GetCount());

    m_pGame->m_payoff1.Clear();
    CMoveList moves;
    moves.AddMove(MOVE_FROM_HAND, 0, &m_pGame->m_hand2, &m_pGame->Centre(0));
    EXPECT_EQ(10, m_pGame->SequenceScore(moves)) << "nothing to open on an empty pile";
    moves.UndoLast();
}

// Each search is a search of its own: a caller that searches the same hand and centre again
// after the pay-off piles changed gets the answer for the new pay-off tops.
TEST_F(VarrowSearchTest, SecondSearchAfterThePayoffPilesChangedAnswersForTheNewTops)
{
    BuildCentre(m_pGame->Centre(0), 4);
    SetCards(m_pGame->m_hand2, {Card(5, 1), Card(9, 1)});
    SetCards(m_pGame->m_payoff2, {Card(11, 2)});
    Search();
    EXPECT_EQ(10, m_pGame->m_nBestScore) << "the five alone";

    SetCards(m_pGame->m_payoff2, {Card(11, 2), Card(6, 2)});
    Search();
    EXPECT_EQ(10 + 100 + 1000 / 2, m_pGame->m_nBestScore) << "the five opens the pay-off six";
    ASSERT_EQ(2, m_pGame->m_bestMoves.GetCount());
    ExpectMove(1, Card(6, 2), MOVE_FROM_PAYOFF, &m_pGame->Centre(0));

    // The opponent's six now waits on the five: worth 10 - 20, below the start.
    SetCards(m_pGame->m_payoff2, {Card(11, 2)});
    SetCards(m_pGame->m_payoff1, {Card(6, 0)});
    Search();
    EXPECT_EQ(CVarrowDlg::INITIAL_BEST_SCORE, m_pGame->m_nBestScore);
    EXPECT_EQ(0, m_pGame->m_bestMoves.GetCount());
}

TEST_F(VarrowSearchTest, DiscardTopsPlayOntoTheCentreAndChainUpwards)
{
    BuildCentre(m_pGame->Centre(0), 5);
    SetCards(m_pGame->Discard(1, 2), {Card(8, 0), Card(7, 0), Card(6, 0)});
    SetCards(m_pGame->m_hand2, {Card(12, 1)});
    SetCards(m_pGame->m_payoff2, {Card(9, 3)});

    // Six, seven, eight from the discard pile (1 each), then the nine from the pay-off pile.
    Search();
    EXPECT_EQ(1 + 1 + 1 + 100 + 1000 / 4, m_pGame->m_nBestScore);
    ASSERT_EQ(4, m_pGame->m_bestMoves.GetCount());
    ExpectMove(0, Card(6, 0), MOVE_FROM_DISCARD, &m_pGame->Centre(0));
    ExpectMove(3, Card(9, 3), MOVE_FROM_PAYOFF, &m_pGame->Centre(0));
}

TEST_F(VarrowSearchTest, NoMoveAndNoDiscardEndsTheTurnIdleWithTheHandRefilled)
{
    SetCards(m_pGame->m_hand2, {Card(5, 0), Card(6, 0), Card(7, 0)});
    for (int i = 0; i < 4; i++)
        SetCards(m_pGame->Discard(1, i), {Card(2, i)});
    SetCards(m_pGame->m_payoff2, {Card(10, 0)});
    m_pGame->m_nIdleSteps = 1;

    EXPECT_FALSE(Step());
    EXPECT_EQ(2, m_pGame->m_nIdleSteps);
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());
    EXPECT_EQ(4, m_pGame->m_discards2.GetCardCount());
}

TEST_F(VarrowSearchTest, DiscardIsTheHighestCardADiscardPileTakes)
{
    SetCards(m_pGame->m_hand2, {Card(11, 0), Card(12, 0), Card(3, 1), Wild()});
    SetCards(m_pGame->Discard(1, 0), {Card(3, 0)});
    SetCards(m_pGame->m_payoff2, {Card(10, 0)});
    int nPile = -1;
    EXPECT_TRUE(m_pGame->FindAcceptingPile(m_pGame->m_discards2, Card(3, 2), &nPile));
    EXPECT_EQ(0, nPile);

    EXPECT_FALSE(Step()) << "a discard that leaves cards in the hand ends the turn";
    EXPECT_EQ(Card(12, 0), m_pGame->Discard(1, 1).Top()) << "the queen, on the first pile that takes it";
    EXPECT_EQ(1, m_pGame->Discard(1, 0).GetCount());
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());

    // A wild card goes only when nothing else fits: the four, which only the empty third
    // pile takes, goes before the wild card the first pile would take.
    SetCards(m_pGame->m_hand2, {Wild(), Card(4, 0)});
    EXPECT_FALSE(Step());
    EXPECT_EQ(Card(4, 0), m_pGame->Discard(1, 2).Top());
    EXPECT_EQ(1, m_pGame->Discard(1, 0).GetCount());
}

TEST_F(VarrowSearchTest, DiscardOfTheLastCardRefillsAndThePlayerGoesOn)
{
    SetCards(m_pGame->m_hand2, {Card(8, 0)});
    SetCards(m_pGame->m_payoff2, {Card(10, 0)});
    EXPECT_TRUE(Step());
    EXPECT_EQ(Card(8, 0), m_pGame->Discard(1, 0).Top());
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());
}

TEST_F(VarrowSearchTest, EmptyHandThatTheStockCannotRefillEndsTheTurn)
{
    m_pGame->m_stock.Clear();
    SetCards(m_pGame->m_payoff2, {Card(10, 0)});
    EXPECT_FALSE(Step());
    EXPECT_EQ(1, m_pGame->m_nIdleSteps);
}

TEST_F(VarrowSearchTest, ComputerEmptyingItsPayoffPileWinsAndThePersonMovesFirst)
{
    SetCards(m_pGame->m_hand2, {Card(13, 1)});
    SetCards(m_pGame->m_payoff2, {Card(2, 1), Card(1, 1)});
    m_pGame->NextTurn();

    ASSERT_EQ(1u, GetMessageBoxes().size());
    EXPECT_EQ("Right won!", GetMessageBoxes()[0].strText);
    EXPECT_EQ("The Winner", GetMessageBoxes()[0].strCaption);
    EXPECT_EQ(26, m_pGame->m_payoff2.GetCount());
    EXPECT_EQ(46, m_pGame->m_stock.GetCount());
    EXPECT_EQ(0, m_pGame->m_nPlayer);
}

} // namespace
