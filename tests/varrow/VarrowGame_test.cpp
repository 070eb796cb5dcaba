#include "varrow/VarrowDlg.h"

#include <algorithm>
#include <vector>

#include "platform/testing/driver.h"
#include "resources/CardImages.h"
#include "resources/VarrowResources.h"
#include "tests/support/RandomMouse.h"
#include "tests/varrow/VarrowTestSupport.h"

namespace {

using namespace plat::test;

using VarrowGameTest = VarrowTest;

// The most turns a game between two computers may take here; each click on the stock plays
// one turn.
constexpr int TURN_LIMIT = 600;

TEST_F(VarrowGameTest, PersonsDiscardHandsTheTurnToTheComputerAndBack)
{
    const CPoint ptHandCard = m_pGame->m_hand1.GetSlotPosition(4) + CSize(35, 48);
    DragAndDrop(ptHandCard, SlotMiddle(m_pGame->Discard(0, 0), 0));
    ASSERT_EQ(1, m_pGame->Discard(0, 0).GetCount()) << "the king of clubs was discarded";

    // The right (hand A, 2, two sixes and a wild card) has played and discarded.
    EXPECT_EQ(0, m_pGame->m_nPlayer);
    EXPECT_GT(m_pGame->m_centre.GetCardCount(), 0);
    EXPECT_GT(m_pGame->m_discards2.GetCardCount(), 0);
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());
    EXPECT_EQ(IMG_BACK, m_pGame->m_stock.GetBackImage());
    EXPECT_EQ(108, m_pGame->CountAllCards());
}

TEST_F(VarrowGameTest, CardLiftedByAQuickTapIsPlayedByTheNextPress)
{
    // A touchpad tap: press and release arrive together, and the press lets its own release
    // through before it lifts the king of clubs.
    const CPoint ptHandCard = m_pGame->m_hand1.GetSlotPosition(4) + CSize(35, 48);
    ClickAt(ptHandCard);
    ASSERT_TRUE(m_pGame->IsDragging());
    EXPECT_EQ(107, m_pGame->CountAllCards());

    // The next press lays it down rather than lifting a second card over it.
    ClickAt(SlotMiddle(m_pGame->Discard(0, 0), 0));
    EXPECT_FALSE(m_pGame->IsDragging());
    EXPECT_EQ(1, m_pGame->Discard(0, 0).GetCount());
    EXPECT_EQ(0, m_pGame->m_nPlayer) << "the computer has had its turn";
    EXPECT_EQ(108, m_pGame->CountAllCards());
}

TEST_F(VarrowGameTest, AnyOrderOfPressesReleasesAndMovesKeepsAll108Cards)
{
    std::vector<CPoint> points;
    for (int i = 0; i < CVarrowDlg::HAND_SIZE; i++)
        points.push_back(m_pGame->m_hand1.GetSlotPosition(i) + CSize(7, CARD_HEIGHT / 2));
    points.push_back(SlotMiddle(m_pGame->m_payoff1, 1));
    for (int i = 0; i < CVarrowDlg::DISCARD_PILES_PER_PLAYER; i++)
        points.push_back(SlotMiddle(m_pGame->Discard(0, i), 0));
    for (int i = 0; i < m_pGame->m_nCentreVisible; i++)
        points.push_back(SlotMiddle(m_pGame->Centre(i), 0));
    points.push_back(SlotMiddle(m_pGame->m_stock, 0));
    points.push_back(CPoint(320, 400));

    randommouse::Run(m_pGame, points, 600, 2024, [this] {
        const int nCarried = m_pGame->IsDragging() ? 1 : 0;
        ASSERT_EQ(108, m_pGame->CountAllCards() + nCarried);
    });
    EXPECT_GT(m_pGame->m_centre.GetCardCount() + m_pGame->m_discards1.GetCardCount(), 0)
        << "cards were played";
}

TEST_F(VarrowGameTest, TwoComputersPlayAGameToItsEnd)
{
    ASSERT_TRUE(ChooseMenuCommand(m_pGame, ID_VARROW_PLAYER1_HUMAN));
    RunUntilIdle();
    ASSERT_FALSE(m_pGame->m_bHuman[0]);
    const CPoint ptStock = SlotMiddle(m_pGame->m_stock, 0);

    int nTurns = 0;
    int nLowestPayoff = 26;
    while (GetMessageBoxes().empty() && nTurns < TURN_LIMIT) {
        // The table as it was before the last turn stays on file.
        SaveWindowPng(m_pGame, BuildFolderPath("varrow.png"));
        ClickAt(ptStock);
        nTurns++;
        ASSERT_EQ(108, m_pGame->CountAllCards()) << "turn " << nTurns;
        ASSERT_LE(m_pGame->m_hand1.GetCount(), 5);
        ASSERT_LE(m_pGame->m_hand2.GetCount(), 5);
        for (int i = 0; i < m_pGame->m_nCentreVisible; i++) {
            const CCardPile& centre = m_pGame->Centre(i);
            ASSERT_LE(centre.GetCount(), 13);
            for (int j = 0; j < centre.GetCount(); j++) {
                const int nOrder = centre.m_cards[j].GetOrder();
                ASSERT_TRUE(nOrder == 0 || nOrder == j + 1) << "centre pile " << i << " runs up";
            }
        }
        for (int i = 8; i < 12; i++)
            ASSERT_EQ(0, m_pGame->Centre(i).GetCount()) << "only the piles in play are used";
        if (GetMessageBoxes().empty()) {
            nLowestPayoff = std::min({nLowestPayoff, m_pGame->m_payoff1.GetCount(),
                                      m_pGame->m_payoff2.GetCount()});
        }
    }
    RecordProperty("turns", nTurns);
    ASSERT_EQ(1u, GetMessageBoxes().size()) << "no winner after " << nTurns << " turns";
    const CString strWinner = GetMessageBoxes()[0].strText;
    EXPECT_TRUE(strWinner == "Left won!" || strWinner == "Right won!") << strWinner;
    EXPECT_EQ("The Winner", GetMessageBoxes()[0].strCaption);
    EXPECT_LE(nLowestPayoff, 3) << "someone was close before the win";
    EXPECT_EQ(26, m_pGame->m_payoff1.GetCount()) << "a new game follows";
    EXPECT_EQ(26, m_pGame->m_payoff2.GetCount());
}

} // namespace
