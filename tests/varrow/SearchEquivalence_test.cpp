#include <string>

#include <gtest/gtest.h>

#include "tests/varrow/search/RandomPositions.h"
#include "tests/varrow/search/ReferenceSearch.h"
#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

constexpr uint64_t SEED = 20240516;
constexpr int POSITION_COUNT = 1500;
// Positions the plain search may hold; the few that need more are left out.
constexpr int REFERENCE_BUDGET = 200000;
// Most random positions are compared.
constexpr int MIN_COMPARED_PERCENT = 90;

// Searches the position laid out in dlg from the working list moves with the plain search,
// the best sequence into dlg; false when it would take too long.
bool SearchPlainly(CSearchPositionDlg& dlg, CMoveList& moves, CReferenceSearch& reference)
{
    dlg.ResetBest();
    return reference.Run(moves, dlg.GetPiles(), dlg.m_bestMoves, dlg.m_nBestScore);
}

void SearchFast(CSearchPositionDlg& dlg, CMoveList& moves)
{
    dlg.ResetBest();
    dlg.SearchMoves(moves, dlg.m_hand2, dlg.Payoff(1), dlg.Discards(1));
}

// Random positions a game can reach, searched by CVarrowSearch and by the plain search on
// the piles: the same sequence, move for move, and the same score, also when the search
// extends a working list that already holds a move.
TEST(CVarrowSearch, AgreesWithThePlainSearchOnRandomPositions)
{
    CRandomPositions positions(SEED);
    CReferenceSearch reference(REFERENCE_BUDGET);
    CSearchPositionDlg dlg;
    int nCompared = 0;
    int nExtended = 0;
    for (int i = 0; i < POSITION_COUNT; i++) {
        const std::string strPosition = positions.Next();
        ASSERT_TRUE(dlg.ReadPosition(strPosition)) << strPosition;
        CMoveList moves;
        // Every other position starts from a working list that holds its first hand card
        // (kind 0) when a centre pile takes it.
        if (i % 2 == 1 && dlg.m_hand2.GetCount() > 0) {
            for (int c = 0; c < dlg.m_nCentreVisible && moves.IsEmpty(); c++) {
                if (dlg.m_centre.GetAt(c)->CanPlace(dlg.m_hand2.m_cards[0]))
                    moves.AddMove(MOVE_FROM_HAND, 0, &dlg.m_hand2, dlg.m_centre.GetAt(c));
            }
        }
        if (!SearchPlainly(dlg, moves, reference))
            continue;
        const std::string strPlain = dlg.WriteResult(1);
        const CMoveList plainMoves = dlg.m_bestMoves;
        SearchFast(dlg, moves);
        ASSERT_EQ(strPlain, dlg.WriteResult(1)) << strPosition << (moves.IsEmpty() ? "" : " after a move");
        ASSERT_EQ(plainMoves.GetCount(), dlg.m_bestMoves.GetCount());
        for (int m = 0; m < plainMoves.GetCount(); m++) {
            const CCardMove& expected = plainMoves.GetAt(m);
            const CCardMove& found = dlg.m_bestMoves.GetAt(m);
            EXPECT_EQ(expected.GetCard(), found.GetCard()) << strPosition << " move " << m;
            EXPECT_EQ(expected.GetSourceIndex(), found.GetSourceIndex()) << strPosition << " move " << m;
            EXPECT_EQ(expected.GetTargetIndex(), found.GetTargetIndex()) << strPosition << " move " << m;
        }
        if (!dlg.m_bestMoves.IsEmpty()) {
            EXPECT_EQ(dlg.SequenceScore(dlg.m_bestMoves), dlg.m_nBestScore) << strPosition;
        }
        nCompared++;
        nExtended += moves.IsEmpty() ? 0 : 1;
        moves.UndoLast();
        moves.RemoveLast();
    }
    EXPECT_GE(nCompared * 100, POSITION_COUNT * MIN_COMPARED_PERCENT);
    EXPECT_GT(nExtended, 0);
}

// A position found by the search fuzzer that the search cannot finish within its bound: long
// discard runs, wild cards and twelve centre piles, the pay-off ten far from the piles.
TEST(CVarrowSearch, StopsAtItsBoundAndTheStepPlaysTheBestSequenceFoundSoFar)
{
    CSearchPositionDlg dlg;
    const std::string strPosition = "2A-3--4A--5 54*32A,6*,4432,8887654*3 *AK22 T17 J";
    ASSERT_TRUE(dlg.ReadPosition(strPosition));
    dlg.Search();
    const CVarrowSearch& search = dlg.m_search;
    EXPECT_TRUE(search.WasStopped());
    EXPECT_EQ(CVarrowSearch::MAX_POSITIONS, search.GetPositionsVisited());
    EXPECT_LE(search.GetPositionsStored(), CVarrowSearch::MAX_POSITIONS);
    // At most as many positions as visited, in a table at most half full, while it grows.
    EXPECT_LE(search.GetPeakTableBytes(), 3u * CVarrowSearch::MAX_POSITIONS * sizeof(uint64_t));
    EXPECT_EQ(strPosition, dlg.WritePosition(1)) << "the table as it was";
    ASSERT_FALSE(dlg.m_bestMoves.IsEmpty());
    EXPECT_EQ(dlg.SequenceScore(dlg.m_bestMoves), dlg.m_nBestScore);
    const CCardMove lastMove = dlg.m_bestMoves.GetAt(dlg.m_bestMoves.GetCount() - 1);
    ASSERT_EQ(MOVE_FROM_PAYOFF, lastMove.GetKind()) << "a way to the pay-off card was found";

    EXPECT_TRUE(dlg.Step()) << "the pay-off card went: the same player plays on";
    EXPECT_EQ(16, dlg.Payoff(1).GetCount());
    EXPECT_EQ(lastMove.GetCard(), lastMove.GetTargetPile()->Top());
}

} // namespace
