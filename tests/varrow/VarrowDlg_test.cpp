#include "varrow/VarrowDlg.h"

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CMenu.h"
#include "resources/CardImages.h"
#include "resources/VarrowResources.h"
#include "resources/resource.h"
#include "tests/varrow/VarrowTestSupport.h"

namespace {

using namespace plat::test;

using CVarrowDlgTest = VarrowTest;

TEST_F(CVarrowDlgTest, OpensWithCaptionStartSizeAndPlayerSwitches)
{
    CString strCaption;
    m_pGame->GetWindowText(strCaption);
    EXPECT_EQ("Varrow and Malice", strCaption);
    EXPECT_EQ("Varrow", m_pGame->GetGameName());
    CRect rectWindow;
    m_pGame->GetWindowRect(&rectWindow);
    EXPECT_EQ(640, rectWindow.Width());
    EXPECT_EQ(442, rectWindow.Height());

    CMenu* pMenu = m_pGame->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_TRUE(pMenu->GetMenuState(ID_VARROW_PLAYER1_HUMAN, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pMenu->GetMenuState(ID_VARROW_PLAYER2_HUMAN, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(m_pGame->m_bHuman[0]);
    EXPECT_FALSE(m_pGame->m_bHuman[1]);
}

TEST_F(CVarrowDlgTest, PlayerSwitchesToggleWithTheirCheckMarksAndStartNoTurn)
{
    const int nStockBefore = m_pGame->m_stock.GetCount();
    ASSERT_TRUE(ChooseMenuCommand(m_pGame, ID_VARROW_PLAYER2_HUMAN));
    RunUntilIdle();
    EXPECT_TRUE(m_pGame->m_bHuman[1]);
    EXPECT_TRUE(m_pGame->GetMenu()->GetMenuState(ID_VARROW_PLAYER2_HUMAN, MF_BYCOMMAND) & MF_CHECKED);

    ASSERT_TRUE(ChooseMenuCommand(m_pGame, ID_VARROW_PLAYER1_HUMAN));
    RunUntilIdle();
    EXPECT_FALSE(m_pGame->m_bHuman[0]);
    EXPECT_FALSE(m_pGame->GetMenu()->GetMenuState(ID_VARROW_PLAYER1_HUMAN, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0, m_pGame->m_nPlayer);
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount()) << "the computer did not start playing the left";
    EXPECT_EQ(nStockBefore, m_pGame->m_stock.GetCount());

    // Quit, Help and About do nothing in this window: no About box from the launcher.
    ScriptNextDialog(IDD_ABOUTBOX, {ClickStep(IDOK)});
    for (UINT nID : {ID_VARROW_QUIT, ID_VARROW_HELP, ID_VARROW_ABOUT}) {
        ASSERT_TRUE(ChooseMenuCommand(m_pGame, nID));
        RunUntilIdle();
    }
    EXPECT_EQ(GetPendingScriptCount(), 1u);
}

TEST_F(CVarrowDlgTest, NewGameDealsPayoffsHandsAndStock)
{
    m_pGame->m_nPlayer = 1;
    SetCards(m_pGame->Centre(0), {Card(1, 0)});
    ASSERT_TRUE(ChooseMenuCommand(m_pGame, ID_VARROW_NEW_GAME));
    RunUntilIdle();

    EXPECT_EQ(26, m_pGame->m_payoff1.GetCount());
    EXPECT_EQ(26, m_pGame->m_payoff2.GetCount());
    EXPECT_EQ(5, m_pGame->m_hand1.GetCount());
    EXPECT_EQ(5, m_pGame->m_hand2.GetCount());
    EXPECT_EQ(46, m_pGame->m_stock.GetCount());
    EXPECT_EQ(0, m_pGame->m_centre.GetCardCount());
    EXPECT_EQ(0, m_pGame->m_discards1.GetCardCount() + m_pGame->m_discards2.GetCardCount());
    EXPECT_EQ(1, m_pGame->m_nPlayer) << "the player to move stays";
    EXPECT_EQ(PILE_TOP_FACE_UP, m_pGame->m_payoff1.GetDrawFlags());
    EXPECT_EQ(0, m_pGame->m_hand1.GetDrawFlags());
    EXPECT_EQ(PILE_FACE_DOWN, m_pGame->m_hand2.GetDrawFlags());

    // Two decks and four wild cards in all: each card twice, the wild cards in the stock.
    CCardPile all;
    for (CCardPile* pPile : {&m_pGame->m_payoff1, &m_pGame->m_payoff2, &m_pGame->m_hand1,
                             &m_pGame->m_hand2, &m_pGame->m_stock})
        pPile->CopyTopTo(-1, all);
    EXPECT_EQ(4, all.CountOrder(0));
    for (int nRank = 1; nRank <= 13; nRank++)
        EXPECT_EQ(8, all.CountOrder(nRank)) << "rank " << nRank;
    EXPECT_EQ(0, m_pGame->m_payoff1.CountOrder(0) + m_pGame->m_payoff2.CountOrder(0));
}

// The generator's draws for seed 1 begin 41, 18467: of the pay-off deck (rank outer, suit
// inner) the jack of diamonds goes to the bottom, then the two of diamonds; dealing from the
// top alternately leaves them on top of the right and the left pay-off pile. The stock is
// shuffled with seed 2 and its top ten cards go to the hands in turn.
TEST_F(CVarrowDlgTest, GameNumberFixesTheDeal)
{
    EXPECT_EQ(Card(2, SUIT_DIAMONDS), m_pGame->m_payoff1.Top());
    EXPECT_EQ(Card(11, SUIT_DIAMONDS), m_pGame->m_payoff2.Top());
    const CCard hand1[] = {Card(10, 1), Card(8, 1), Wild(), Card(7, 2), Card(13, 0)};
    const CCard hand2[] = {Card(6, 2), Card(6, 3), Card(1, 3), Wild(), Card(2, 0)};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(hand1[i], m_pGame->m_hand1.m_cards[i]) << "left hand card " << i;
        EXPECT_EQ(hand2[i], m_pGame->m_hand2.m_cards[i]) << "right hand card " << i;
    }
    EXPECT_EQ(3, CCardPile::GetGameNumber());

    const CCardPile payoff1 = m_pGame->m_payoff1;
    const CCardPile stock = m_pGame->m_stock;
    CCardPile::SetGameNumber(GAME_NUMBER);
    m_pGame->NewGame();
    EXPECT_EQ(payoff1.m_cards, m_pGame->m_payoff1.m_cards);
    EXPECT_EQ(stock.m_cards, m_pGame->m_stock.m_cards);
    m_pGame->NewGame();
    EXPECT_NE(payoff1.m_cards, m_pGame->m_payoff1.m_cards) << "the next number deals otherwise";
}

TEST_F(CVarrowDlgTest, CentrePilesInPlayFollowTheWindowWidth)
{
    CRect rectClient;
    m_pGame->GetClientRect(&rectClient);
    ASSERT_GE(rectClient.Width(), 629);
    ASSERT_LE(rectClient.Width(), 707);
    EXPECT_EQ(8, m_pGame->m_nCentreVisible);

    // Widening the window brings the ninth pile into play.
    CRect rectWindow;
    m_pGame->GetWindowRect(&rectWindow);
    m_pGame->MoveWindow(rectWindow.left, rectWindow.top, 720, rectWindow.Height());
    RunUntilIdle();
    EXPECT_EQ(9, m_pGame->m_nCentreVisible);

    m_pGame->Layout(707, 422);
    EXPECT_EQ(8, m_pGame->m_nCentreVisible);
    m_pGame->Layout(708, 422);
    EXPECT_EQ(9, m_pGame->m_nCentreVisible);
    EXPECT_EQ(CPoint(4 + 8 * 79, 285), m_pGame->Centre(8).GetPosition());
    m_pGame->Layout(2000, 422);
    EXPECT_EQ(12, m_pGame->m_nCentreVisible);
    m_pGame->Layout(628, 422);
    EXPECT_EQ(7, m_pGame->m_nCentreVisible);
    EXPECT_EQ(CPoint(628, 422), m_pGame->Centre(7).GetPosition()) << "put out of sight";
}

TEST_F(CVarrowDlgTest, TallerWindowShowsMoreCardsOfEveryPile)
{
    m_pGame->Layout(640, 442 + 2 * 38);
    EXPECT_EQ(CPoint(4, 285 + 2 * 19), m_pGame->Centre(0).GetPosition());
    EXPECT_EQ(6, m_pGame->Centre(0).GetVisibleCount());
    EXPECT_EQ(7, m_pGame->Discard(0, 0).GetVisibleCount());
    EXPECT_EQ(CPoint(329 + 3 * 77, 108), m_pGame->Discard(1, 3).GetPosition());
    m_pGame->Layout(640, 300);
    EXPECT_EQ(CPoint(4, 285), m_pGame->Centre(0).GetPosition());
    EXPECT_EQ(4, m_pGame->Centre(0).GetVisibleCount());
}

TEST_F(CVarrowDlgTest, ClosingHidesTheWindowAndKeepsItsSlot)
{
    ASSERT_TRUE(m_pGame->IsWindowVisible());
    m_pGame->SendMessage(WM_CLOSE);
    RunUntilIdle();
    EXPECT_FALSE(m_pGame->IsWindowVisible());
    EXPECT_EQ(m_pGame, m_dlgMain.GetGameDlg(0));
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    EXPECT_EQ(CRect(1, 2, 3, 4), settings.ReadRect("VarrowRect", CRect(1, 2, 3, 4)));
}

} // namespace
