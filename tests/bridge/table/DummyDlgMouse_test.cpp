// Mouse play at the bridge table: dragging and single-click play, the score box after
// South's own card, any order of mouse input, Enter and Escape, setting up a deal by hand
// with the 13-card check, and the look of the table in the middle of play.

#include <algorithm>
#include <vector>

#include "bridge/play/PlayConstants.h"
#include "platform/testing/driver.h"
#include "platform/wnd/metrics.h"
#include "resources/resource.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/RandomMouse.h"

namespace tabletest {

namespace {

// Where a card of a suit pile (a vertical fan) can be grabbed: its exposed strip, or the
// whole card when it is the last.
CPoint CardPoint(const CCardPile& pile, int nIndex)
{
    return pile.GetSlotPosition(nIndex) + CSize(CARD_WIDTH / 2, 8);
}

// The first card of South's suit piles that may go to the trick (fFollows true) or may not.
bool FindSouthCard(CTestDummyDlg& table, bool bFollows, const CCardPile** ppPile, int* pIndex)
{
    const CCardPile& hand = table.Hand(SOUTH);
    const CCardPile& trick = table.m_trick;
    for (int i = 0; i < 4; i++) {
        const CCardPile& pile = *table.GetSeatPiles(SOUTH)->GetAt(i);
        for (int j = 0; j < pile.GetCount(); j++) {
            const CCard& card = pile.m_cards[j];
            const bool bAllowed = trick.GetCount() == 0 ||
                                  card.GetSuit() == trick.m_cards[0].GetSuit() ||
                                  hand.CountSuitOf(trick.m_cards[0]) == 0;
            if (bAllowed == bFollows) {
                *ppPile = &pile;
                *pIndex = j;
                return true;
            }
        }
    }
    return false;
}

// Drags the first card of South's that may go to the trick onto it; false when there is
// none.
bool DragAllowedSouthCard(CTestDummyDlg& table)
{
    const CCardPile* pPile = nullptr;
    int nIndex = -1;
    if (!FindSouthCard(table, true, &pPile, &nIndex))
        return false;
    plat::test::Drag(&table, CardPoint(*pPile, nIndex), TopCardPoint(table.m_trick));
    plat::test::RunUntilIdle();
    return true;
}

// Every card of the deal lies in a hand, on the trick or among the played cards, once.
void ExpectDealWhole(CTestDummyDlg& table)
{
    std::vector<int> indexes = CardIndexes(table.m_trick);
    for (const CCard& card : table.m_playedCards.m_cards)
        indexes.push_back(card.GetImageIndex());
    for (int nSeat = 0; nSeat < 4; nSeat++) {
        const std::vector<int> hand = CardIndexes(table.Hand(nSeat));
        indexes.insert(indexes.end(), hand.begin(), hand.end());
    }
    std::sort(indexes.begin(), indexes.end());
    ASSERT_EQ(52u, indexes.size());
    EXPECT_EQ(indexes.end(), std::adjacent_find(indexes.begin(), indexes.end()));
}

} // namespace

TEST_F(TableTest, ScoreBoxAfterSouthsDraggedCardEndsTheDealTakesAMouseClick)
{
    // In this deal South plays the last card of the last trick.
    ASSERT_NE(OpenTable(4), nullptr);
    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    while (m_pTable->Hand(SOUTH).GetCount() > 1)
        ASSERT_TRUE(DragAllowedSouthCard(*m_pTable));
    ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
    ASSERT_EQ(m_pTable->m_trick.GetCount(), 3);
    ASSERT_TRUE(plat::test::GetMessageBoxes().empty());

    // The box is answered by a click on its OK button, which the table must not swallow.
    plat::test::QueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(DragAllowedSouthCard(*m_pTable));
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strCaption, CString("Score"));
    EXPECT_TRUE(plat::test::GetMessageBoxes()[0].bAnswered);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(m_pTable->IsWindowEnabled());
    plat::test::Click(m_pTable, CPoint(2, 2));
    plat::test::RunUntilIdle();
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    ExpectFullDeal();
}

TEST_F(TableTest, AnyOrderOfMouseInputKeepsTheDealWhole)
{
    ASSERT_NE(OpenTable(3003), nullptr);
    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    // Rounds of random input over the cards South holds now, until the deal has ended: the
    // places of the cards change as South plays them.
    const int MAX_ROUNDS = 40;
    for (int nRound = 0; nRound < MAX_ROUNDS && plat::test::GetMessageBoxes().empty(); nRound++) {
        std::vector<CPoint> points = {TopCardPoint(m_pTable->m_trick), CPoint(2, 2)};
        for (int i = 0; i < 4; i++) {
            const CCardPile& pile = *m_pTable->GetSeatPiles(SOUTH)->GetAt(i);
            for (int j = 0; j < pile.GetCount(); j++)
                points.push_back(CardPoint(pile, j));
        }
        randommouse::Run(m_pTable, points, 300, 99 + nRound, [this] {
            ExpectDealWhole(*m_pTable);
            int nSouthShown = m_pTable->IsDragging() ? 1 : 0;
            for (int i = 0; i < 4; i++)
                nSouthShown += m_pTable->GetSeatPiles(SOUTH)->GetAt(i)->GetCount();
            ASSERT_EQ(m_pTable->Hand(SOUTH).GetCount(), nSouthShown);
        });
    }
    EXPECT_FALSE(plat::test::GetMessageBoxes().empty()) << "a deal was played to its end";
}

TEST_F(TableTest, EnterPressesPlayAndEscapeLeavesTheTableOpen)
{
    ASSERT_NE(OpenTable(3003), nullptr);
    plat::test::PressKey(m_pTable, VK_ESCAPE);
    plat::test::RunUntilIdle();
    EXPECT_TRUE(m_pTable->IsWindowVisible());
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), m_pTable);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    // The Play button has the focus: Enter presses it.
    plat::test::PressKey(m_pTable, VK_RETURN);
    plat::test::RunUntilIdle();
    EXPECT_TRUE(m_pTable->IsWindowVisible());
    EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING);
    // With the button hidden, Enter has nothing to press and the table stays.
    plat::test::PressKey(m_pTable, VK_RETURN);
    plat::test::RunUntilIdle();
    EXPECT_TRUE(m_pTable->IsWindowVisible());
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), m_pTable);
}

TEST_F(TableTest, PersonPlaysSouthByDraggingAndTheComputerFollows)
{
    ASSERT_NE(OpenTable(3003), nullptr);
    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING);
    EXPECT_FALSE(m_pTable->m_btnPlay.IsWindowVisible());

    bool bTriedWrongSuit = false;
    for (int nTurn = 0; nTurn < 13; nTurn++) {
        ASSERT_EQ(m_pTable->m_nToPlay, SOUTH) << "turn " << nTurn;
        const CCardPile* pPile = nullptr;
        int nIndex = -1;
        if (!bTriedWrongSuit && FindSouthCard(*m_pTable, false, &pPile, &nIndex)) {
            // A card of another suit while South holds the led suit goes back.
            bTriedWrongSuit = true;
            const int nCount = pPile->GetCount();
            plat::test::Drag(m_pTable, CardPoint(*pPile, nIndex), TopCardPoint(m_pTable->m_trick));
            plat::test::RunUntilIdle();
            EXPECT_EQ(pPile->GetCount(), nCount);
            EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 13 - nTurn);
            ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
        }
        ASSERT_TRUE(FindSouthCard(*m_pTable, true, &pPile, &nIndex));
        const CCard card = pPile->m_cards[nIndex];
        plat::test::Drag(m_pTable, CardPoint(*pPile, nIndex), TopCardPoint(m_pTable->m_trick));
        plat::test::RunUntilIdle();
        EXPECT_FALSE(m_pTable->Hand(SOUTH).Contains(card)) << "turn " << nTurn;
        EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 12 - nTurn);
    }
    EXPECT_TRUE(bTriedWrongSuit);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    ExpectTricksLegal();
    // The score box closes the deal; a click on the table then deals the next one.
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strCaption, CString("Score"));
    plat::test::Click(m_pTable, CPoint(2, 2));
    plat::test::RunUntilIdle();
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    ExpectFullDeal();
}

TEST_F(TableTest, SingleClickPlaysAnAllowedCardAtOnce)
{
    ASSERT_NE(OpenTable(3004), nullptr);
    m_pTable->m_bPlaySingleClick = true;
    m_pTable->OnPlay();
    ASSERT_EQ(m_pTable->m_nToPlay, SOUTH);
    ASSERT_GT(m_pTable->m_trick.GetCount(), 0);
    const CCardPile* pPile = nullptr;
    int nIndex = -1;
    if (FindSouthCard(*m_pTable, false, &pPile, &nIndex)) {
        plat::test::Click(m_pTable, CardPoint(*pPile, nIndex));
        plat::test::RunUntilIdle();
        EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 13);
        EXPECT_EQ(m_pTable->m_nToPlay, SOUTH);
    }
    ASSERT_TRUE(FindSouthCard(*m_pTable, true, &pPile, &nIndex));
    const CCard card = pPile->m_cards[nIndex];
    plat::test::Click(m_pTable, CardPoint(*pPile, nIndex));
    plat::test::RunUntilIdle();
    EXPECT_FALSE(m_pTable->Hand(SOUTH).Contains(card));
    EXPECT_EQ(m_pTable->Hand(SOUTH).GetCount(), 12);
    // The others completed the first trick and played on in the second until South's turn.
    EXPECT_EQ(m_pTable->m_nToPlay, SOUTH);
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 1);
}

TEST_F(TableTest, HandMadeDealNeedsThirteenCardsAtEverySeat)
{
    ASSERT_NE(OpenTable(3005), nullptr);
    // Dummy is East: manual East/West play lets the person move cards before play.
    ASSERT_TRUE(Command(ID_TRAINER_MANUALEASTWEST));
    const CCardPile& northPile = *m_pTable->GetSeatPiles(NORTH)->GetAt(0);
    const CCardPile& eastPile = *m_pTable->GetSeatPiles(EAST)->GetAt(0);
    ASSERT_GT(northPile.GetCount(), 0);
    const int nNorthCount = northPile.GetCount();
    const int nEastCount = eastPile.GetCount();
    const int nEastVisible = eastPile.GetVisibleCount();

    plat::test::Drag(m_pTable, TopCardPoint(northPile), TopCardPoint(eastPile));
    plat::test::RunUntilIdle();
    EXPECT_EQ(northPile.GetCount(), nNorthCount - 1);
    EXPECT_EQ(eastPile.GetCount(), nEastCount + 1);
    if (nEastCount + 1 > nEastVisible) {
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(m_pTable->GetSeatPiles(EAST)->GetAt(i)->GetVisibleCount(), nEastCount + 1);
    }

    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strText, CString("North does not have 13 cards"));
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_EQ(m_pTable->Hand(NORTH).GetCount(), 13);

    // East's card goes back to North (any pile of North's takes it): the deal can start.
    const CCardPile& eastFirst = *m_pTable->GetSeatPiles(EAST)->GetAt(0);
    plat::test::Drag(m_pTable, TopCardPoint(eastFirst), TopCardPoint(northPile));
    plat::test::RunUntilIdle();
    m_pTable->m_nAutoDeals = 2;
    ASSERT_TRUE(plat::test::ClickControl(m_pTable, IDC_PLAY));
    plat::test::RunUntilIdle();
    EXPECT_EQ(plat::test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(m_pTable->m_nState, STATE_PLAYING);
    EXPECT_GT(m_pTable->m_tricks.GetCount() * 4 + m_pTable->m_trick.GetCount(), 0);
    // Play began with the hands as set up on the table.
    EXPECT_EQ(m_pTable->m_origNorth.GetCount(), 13);
    EXPECT_EQ(m_pTable->m_origEast.GetCount(), 13);
}

// The table's places for one client size, worked out by hand from the layout rules: the
// trick T at (cx/2 - 35 - 28, cy/2 - 48), the names and side texts around it, the hands and
// suit piles from the edges.
struct TablePlaces {
    CSize sizeClient;
    CPoint ptNorthHand, ptEastHand, ptWestHand, ptTrick, ptPlayed;
    CRect rectPlay, rectNorthName, rectEastName, rectSouthName, rectWestName, rectSideNS,
        rectSideEW, rectGameNumber;
    // North's and South's suit piles stand in these columns, West's and East's in these rows.
    int xColumns[4];
    int yRows[4];
    // South's piles rise 19 a visible card from ySouthBase; East's move 14 a visible card
    // left of xEastBase.
    int ySouthBase;
    int xEastBase;
};

void ExpectPlaces(CTestDummyDlg& table, const TablePlaces& places)
{
    CRect rectClient;
    table.GetClientRect(&rectClient);
    ASSERT_EQ(rectClient.Size(), places.sizeClient);
    const CSize size = places.sizeClient;
    EXPECT_EQ(table.Hand(NORTH).GetPosition(), places.ptNorthHand) << size.cx;
    EXPECT_EQ(table.Hand(EAST).GetPosition(), places.ptEastHand) << size.cx;
    EXPECT_EQ(table.Hand(WEST).GetPosition(), places.ptWestHand) << size.cx;
    EXPECT_EQ(table.m_trick.GetPosition(), places.ptTrick) << size.cx;
    EXPECT_EQ(table.m_playedCards.GetPosition(), places.ptPlayed) << size.cx;
    CRect rectPlay;
    table.m_btnPlay.GetWindowRect(&rectPlay);
    table.ScreenToClient(&rectPlay);
    EXPECT_EQ(rectPlay, places.rectPlay) << size.cx;
    EXPECT_EQ(table.m_rectNorthName, places.rectNorthName) << size.cx;
    EXPECT_EQ(table.m_rectEastName, places.rectEastName) << size.cx;
    EXPECT_EQ(table.m_rectSouthName, places.rectSouthName) << size.cx;
    EXPECT_EQ(table.m_rectWestName, places.rectWestName) << size.cx;
    EXPECT_EQ(table.m_rectSideNS, places.rectSideNS) << size.cx;
    EXPECT_EQ(table.m_rectSideEW, places.rectSideEW) << size.cx;
    EXPECT_EQ(table.m_rectGameNumber, places.rectGameNumber) << size.cx;
    const int nSouthVisible = table.GetSeatPiles(SOUTH)->GetAt(0)->GetVisibleCount();
    const int nEastVisible = table.GetSeatPiles(EAST)->GetAt(0)->GetVisibleCount();
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(table.GetSeatPiles(NORTH)->GetAt(i)->GetPosition(), CPoint(places.xColumns[i], 4));
        EXPECT_EQ(table.GetSeatPiles(SOUTH)->GetAt(i)->GetPosition(),
                  CPoint(places.xColumns[i], places.ySouthBase - 19 * nSouthVisible));
        EXPECT_EQ(table.GetSeatPiles(WEST)->GetAt(i)->GetPosition(), CPoint(4, places.yRows[i]));
        EXPECT_EQ(table.GetSeatPiles(EAST)->GetAt(i)->GetPosition(),
                  CPoint(places.xEastBase - 14 * nEastVisible, places.yRows[i]));
    }
}

TEST_F(TableTest, TableMidPlayIsLaidOutByTheTableRulesAtTwoSizes)
{
    ASSERT_NE(OpenTable(2718), nullptr);
    m_pTable->SetWindowSize(760, 700);
    m_pTable->m_bShowLastTrick = true;
    m_pTable->OnPlay();
    // South plays the lowest allowed card twice so that a completed trick shows too.
    for (int nTurn = 0; nTurn < 2 && m_pTable->m_nToPlay == SOUTH; nTurn++) {
        const CCardPile* pPile = nullptr;
        int nIndex = -1;
        ASSERT_TRUE(FindSouthCard(*m_pTable, true, &pPile, &nIndex));
        plat::test::Drag(m_pTable, CardPoint(*pPile, nIndex), TopCardPoint(m_pTable->m_trick));
        plat::test::RunUntilIdle();
    }
    ASSERT_GE(m_pTable->m_tricks.GetCount(), 1);
    const CString strPath = plat::test::BuildFolderPath("bridge-table.png");
    EXPECT_TRUE(plat::test::SaveWindowPng(m_pTable, strPath));

    const TablePlaces sizes[] = {
        // 760 x 700 with the menu bar's 20 gives a table of 760 x 680: T = (317, 292).
        {CSize(760, 680), CPoint(345, 4), CPoint(685, 292), CPoint(4, 292), CPoint(317, 292),
         CPoint(633, 580), CRect(317, 292, 444, 388), CRect(340, 268, 420, 288),
         CRect(448, 330, 528, 350), CRect(340, 392, 420, 412), CRect(233, 300, 313, 320),
         CRect(300, 412, 460, 472), CRect(153, 320, 313, 380), CRect(0, 656, 472, 676),
         {217, 302, 387, 472}, {120, 235, 350, 465}, 599, 699},
        // The smallest table, 744 x 653: T = (309, 278).
        {CSize(744, 653), CPoint(337, 4), CPoint(669, 278), CPoint(4, 278), CPoint(309, 278),
         CPoint(617, 553), CRect(309, 278, 436, 374), CRect(332, 254, 412, 274),
         CRect(440, 316, 520, 336), CRect(332, 378, 412, 398), CRect(225, 286, 305, 306),
         CRect(292, 398, 452, 458), CRect(145, 306, 305, 366), CRect(0, 629, 464, 649),
         {209, 294, 379, 464}, {106, 221, 336, 451}, 572, 683},
    };
    for (const TablePlaces& places : sizes) {
        m_pTable->SetWindowSize(places.sizeClient.cx, places.sizeClient.cy + plat::MENU_BAR_HEIGHT);
        ExpectPlaces(*m_pTable, places);
    }
}

} // namespace tabletest
