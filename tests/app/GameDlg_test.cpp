#include "cardtable/GameDlg.h"

#include "app/ShellSettings.h"
#include "cardtable/CardMove.h"
#include "cardtable/RegSettings.h"
#include "platform/msg/loop.h"
#include "platform/res.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CMenu.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "tests/app/ShellTestSupport.h"

namespace {

using namespace plat::test;

// The middle of a card picture, well inside its face.
const CPoint CARD_MIDDLE(35, 48);
// The ace of hearts: rank 1, suit 2, image 26.
const CCard ACE_OF_HEARTS(1, 2, 1, 1);
constexpr int ACE_OF_HEARTS_IMAGE = 26;

CGameDlg* MakePlainGame(CMainDlg* pMainDlg)
{
    return new CPlainGameDlg(pMainDlg);
}

CGameDlg* MakeTwoPileGame(CMainDlg* pMainDlg)
{
    return new CTwoPileGameDlg(pMainDlg);
}

CRegSettings OpenSettings()
{
    return CRegSettings(shell_settings::ROOT_KEY, shell_settings::MAKER_KEY,
                        shell_settings::SUITE_KEY);
}

class CGameDlgTest : public ShellTest {
protected:
    // Opens the launcher (with the card delay stored first) and one two-pile game in it.
    CTwoPileGameDlg* OpenTwoPileGame(CMainDlg& dlgMain, int nCardDelay)
    {
        OpenSettings().WriteInt(shell_settings::CARD_DELAY_VALUE, nCardDelay);
        OpenLauncher(dlgMain);
        RegisterGame(MakeTwoPileGame);
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        return static_cast<CTwoPileGameDlg*>(dlgMain.GetGameDlg(0));
    }

    // Moves the source pile's only card to the target with animation.
    static void AnimateAceOfHearts(CTwoPileGameDlg* pGame)
    {
        pGame->m_source.AddCard(ACE_OF_HEARTS);
        pGame->RefreshTable();
        RunUntilIdle();
        plat::ResetSleepRecord();
        CCardMove move(ACE_OF_HEARTS, MOVE_FROM_HAND, 0, 0, &pGame->m_source, &pGame->m_target);
        pGame->AnimateMove(&move, TRUE);
    }
};

TEST(CGameDlgAnimation, StepsAtMostFivePixelsPerAxisWithoutPassingTheEnd)
{
    EXPECT_EQ(CPoint(103, 105), CGameDlg::AnimationStep(CPoint(100, 100), CPoint(103, 130)));
    EXPECT_EQ(CPoint(95, 102), CGameDlg::AnimationStep(CPoint(100, 100), CPoint(80, 102)));
    EXPECT_EQ(CPoint(7, 7), CGameDlg::AnimationStep(CPoint(7, 7), CPoint(7, 7)));
}

TEST_F(CGameDlgTest, GameThatOverridesNothingShowsGreenTableAndKeepsUnknownRect)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    RegisterGame(MakePlainGame);
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    CGameDlg* pGame = dlgMain.GetGameDlg(0);
    ASSERT_NE(nullptr, pGame);
    EXPECT_EQ("Unknown", pGame->GetGameName());

    RunUntilIdle();
    CRect rectClient;
    pGame->GetClientRect(&rectClient);
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, CPoint(0, 0)));
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, rectClient.CenterPoint()));
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, CPoint(rectClient.right - 1, rectClient.bottom - 1)));

    const CRect rectMoved(10, 20, 650, 462);
    pGame->MoveWindow(&rectMoved);
    pGame->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, dlgMain.GetGameDlg(0));
    EXPECT_EQ(rectMoved, OpenSettings().ReadRect("UnknownRect", CRect()));

    // The next window of that game opens where the last one was closed.
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    ASSERT_NE(nullptr, dlgMain.GetGameDlg(0));
    CRect rectReopened;
    dlgMain.GetGameDlg(0)->GetWindowRect(&rectReopened);
    EXPECT_EQ(rectMoved, rectReopened);
}

TEST_F(CGameDlgTest, SystemMenuCarriesAboutItemThatOpensTheAboutBox)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    RegisterGame(MakePlainGame);
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    CGameDlg* pGame = dlgMain.GetGameDlg(0);
    ASSERT_NE(nullptr, pGame);

    CMenu* pSysMenu = pGame->GetSystemMenu(FALSE);
    ASSERT_NE(nullptr, pSysMenu);
    const int nCount = pSysMenu->GetMenuItemCount();
    ASSERT_GE(nCount, 2);
    EXPECT_EQ(0u, pSysMenu->GetMenuItemID(nCount - 2)) << "a separator before the item";
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), pSysMenu->GetMenuItemID(nCount - 1));
    CString strText;
    pSysMenu->GetMenuString(IDM_ABOUTBOX, strText, MF_BYCOMMAND);
    EXPECT_EQ("&About Velmora", strText);

    ScriptNextDialog(IDD_ABOUTBOX, {ClickStep(IDOK)});
    pGame->SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    EXPECT_EQ(0u, GetPendingScriptCount()) << "the About box ran";
}

TEST_F(CGameDlgTest, EmptyAboutStringAddsNeitherItemNorSeparator)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    RegisterGame(MakePlainGame);
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    const int nWithItem = dlgMain.GetGameDlg(0)->GetSystemMenu(FALSE)->GetMenuItemCount();

    AfxRegisterString(IDS_ABOUTBOX, "");
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    AfxRegisterString(IDS_ABOUTBOX, "&About Velmora");
    CMenu* pSysMenu = dlgMain.GetGameDlg(1)->GetSystemMenu(FALSE);
    EXPECT_EQ(nWithItem - 2, pSysMenu->GetMenuItemCount());
    EXPECT_EQ(MENU_NO_ITEM, pSysMenu->GetMenuState(IDM_ABOUTBOX, MF_BYCOMMAND));
}

TEST_F(CGameDlgTest, MovementOfThreeAcrossAndThirtyDownTakesSixDelayedSteps)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 25);
    ASSERT_NE(nullptr, pGame);
    AnimateAceOfHearts(pGame);

    EXPECT_EQ(6, plat::GetSleepRecord().nCalls);
    EXPECT_EQ(150, plat::GetSleepRecord().nTotalMs);
    EXPECT_EQ(0, pGame->m_source.GetCount());
    ASSERT_EQ(1, pGame->m_target.GetCount());
    EXPECT_EQ(ACE_OF_HEARTS, pGame->m_target.Top());

    // On screen the card lies on the target and the source place shows the table again.
    const COLORREF clrFace = CardPicturePixel(ACE_OF_HEARTS_IMAGE, CARD_MIDDLE);
    ASSERT_NE(TABLE_COLOR, clrFace);
    EXPECT_EQ(clrFace, ClientPixel(pGame, pGame->m_ptTarget + CSize(35, 48)));
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, CPoint(102, 101)));
    SaveWindowPng(pGame, BuildFolderPath("game-window-animated-card.png"));
}

TEST_F(CGameDlgTest, NoDelayOrNegativeDelayMovesWithoutSleeping)
{
    for (const int nDelay : {0, -5}) {
        CMainDlg dlgMain;
        CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, nDelay);
        ASSERT_NE(nullptr, pGame);
        AnimateAceOfHearts(pGame);
        EXPECT_EQ(0, plat::GetSleepRecord().nCalls) << "delay " << nDelay;
        EXPECT_EQ(1, pGame->m_target.GetCount());
    }
}

TEST_F(CGameDlgTest, MoveBetweenCoincidingPlacesStillMovesTheCard)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 10);
    ASSERT_NE(nullptr, pGame);
    pGame->m_ptTarget = pGame->m_ptSource;
    AnimateAceOfHearts(pGame);

    EXPECT_EQ(0, plat::GetSleepRecord().nCalls);
    EXPECT_EQ(0, pGame->m_source.GetCount());
    EXPECT_EQ(1, pGame->m_target.GetCount());
    EXPECT_EQ(CardPicturePixel(ACE_OF_HEARTS_IMAGE, CARD_MIDDLE),
              ClientPixel(pGame, pGame->m_ptTarget + CSize(35, 48)));
}

TEST_F(CGameDlgTest, MovingCardRestoresTableFromBackBufferAndNeverEntersIt)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 10);
    ASSERT_NE(nullptr, pGame);
    RunUntilIdle();
    const CPoint ptOld(10, 10);
    const CPoint ptNew(200, 40);
    {
        CClientDC dc(pGame);
        pGame->DrawCard(&dc, ptOld, ACE_OF_HEARTS_IMAGE);
        pGame->DrawCardMoving(&dc, ptOld, ptNew, ACE_OF_HEARTS_IMAGE);
    }
    const COLORREF clrFace = CardPicturePixel(ACE_OF_HEARTS_IMAGE, CARD_MIDDLE);
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptOld + CSize(35, 48)));
    EXPECT_EQ(clrFace, ClientPixel(pGame, ptNew + CSize(35, 48)));

    // A negative image only restores; a repaint from the back buffer shows no card either.
    {
        CClientDC dc(pGame);
        pGame->DrawCardMoving(&dc, ptNew, ptNew, -1);
    }
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptNew + CSize(35, 48)));
    pGame->Invalidate(FALSE);
    RunUntilIdle();
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptNew + CSize(35, 48)));
}

TEST_F(CGameDlgTest, DrawnPileShowsAtOnceAndSurvivesRepaint)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 10);
    ASSERT_NE(nullptr, pGame);
    RunUntilIdle();
    pGame->m_target.AddCard(ACE_OF_HEARTS);
    pGame->DrawPile(pGame->m_target);
    const COLORREF clrFace = CardPicturePixel(ACE_OF_HEARTS_IMAGE, CARD_MIDDLE);
    EXPECT_EQ(clrFace, ClientPixel(pGame, pGame->m_ptTarget + CSize(35, 48)));

    pGame->Invalidate(FALSE);
    RunUntilIdle();
    EXPECT_EQ(clrFace, ClientPixel(pGame, pGame->m_ptTarget + CSize(35, 48)));
}

TEST_F(CGameDlgTest, SetWindowSizeKeepsTopLeftCorner)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 10);
    ASSERT_NE(nullptr, pGame);
    pGame->MoveWindow(30, 40, 500, 300);
    pGame->SetWindowSize(640, 442);
    CRect rect;
    pGame->GetWindowRect(&rect);
    EXPECT_EQ(CRect(30, 40, 670, 482), rect);
}

TEST_F(CGameDlgTest, PumpMessagesDispatchesPendingMessagesAndStopsWhenWindowCloses)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPileGame(dlgMain, 10);
    ASSERT_NE(nullptr, pGame);
    pGame->PostMessage(WM_TEST_PING);
    pGame->PostMessage(WM_TEST_PING);
    pGame->PumpMessages();
    EXPECT_EQ(2, pGame->m_nPings);

    // A close among the pending messages deletes the window; the pump must not touch it.
    pGame->PostMessage(WM_CLOSE);
    pGame->PostMessage(WM_TEST_PING);
    pGame->PumpMessages();
    EXPECT_EQ(nullptr, dlgMain.GetGameDlg(0));
}

TEST_F(CGameDlgTest, WindowNeverShownDrawsAndAnimatesWithoutFailing)
{
    CTwoPileGameDlg game(nullptr);
    game.Layout(0, 0);
    game.m_source.AddCard(ACE_OF_HEARTS);
    CCardMove move(ACE_OF_HEARTS, MOVE_FROM_HAND, 0, 0, &game.m_source, &game.m_target);
    game.AnimateMove(&move, FALSE);
    EXPECT_EQ(1, game.m_target.GetCount());
    EXPECT_EQ(0, plat::GetSleepRecord().nCalls) << "no launcher, no delay";
}

} // namespace
