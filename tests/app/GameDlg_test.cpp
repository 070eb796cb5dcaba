#include "cardtable/GameDlg.h"

#include <functional>
#include <memory>
#include <vector>

#include "cardtable/CardMove.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/loop.h"
#include "platform/res.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/MessageBox.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/CModelledWindowManager.h"
#include "tests/support/RandomMouse.h"

namespace {

using namespace plat::test;

// From a card's top-left corner to the middle of its face.
const CSize CARD_MIDDLE(35, 48);
// The ace of hearts: rank 1, suit 2, picture 26.
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

COLORREF AceFace()
{
    return CardPicturePixel(ACE_OF_HEARTS_IMAGE, CPoint(CARD_MIDDLE.cx, CARD_MIDDLE.cy));
}

class CGameDlgTest : public ShellTest {
protected:
    // Opens the launcher (with the card delay stored first) and a game window in slot 0.
    CGameDlg* OpenGame(CMainDlg& dlgMain, CGameDlg* (*pfnMake)(CMainDlg*), int nCardDelay = 10)
    {
        OpenSettings().WriteInt(settings_keys::CARD_DELAY_VALUE, nCardDelay);
        OpenLauncher(dlgMain);
        RegisterGame(pfnMake);
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        RunUntilIdle();
        return dlgMain.GetGameDlg(0);
    }

    // Moves the source pile's only card to the target with animation, counting the sleeps;
    // returns how often the movement presented the window. What whileMoving sets up (a close
    // request) waits while the card moves.
    static long AnimateAceOfHearts(CTwoPileGameDlg* pGame, const std::function<void()>& whileMoving = {})
    {
        pGame->m_source.AddCard(ACE_OF_HEARTS);
        pGame->RefreshTable();
        RunUntilIdle();
        if (whileMoving)
            whileMoving();
        plat::ResetSleepRecord();
        const long nPresentsBefore = Presents();
        CCardMove move(ACE_OF_HEARTS, MOVE_FROM_HAND, 0, 0, &pGame->m_source, &pGame->m_target);
        pGame->AnimateMove(&move, TRUE);
        return Presents() - nPresentsBefore;
    }

    static long Presents() { return static_cast<plat::CHeadlessBackend&>(plat::GetBackend()).GetPresentCount(); }
};

TEST(CGameDlgAnimation, StepsAtMostFivePixelsPerAxisWithoutPassingTheEnd)
{
    EXPECT_EQ(CPoint(103, 105), CGameDlg::AnimationStep(CPoint(100, 100), CPoint(103, 130)));
    EXPECT_EQ(CPoint(95, 102), CGameDlg::AnimationStep(CPoint(100, 100), CPoint(80, 102)));
}

TEST_F(CGameDlgTest, GameThatOverridesNothingShowsGreenTableAndKeepsUnknownRect)
{
    CMainDlg dlgMain;
    CGameDlg* pGame = OpenGame(dlgMain, MakePlainGame);
    ASSERT_NE(nullptr, pGame);
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

TEST_F(CGameDlgTest, UnderAWindowManagerAGameWindowClosedAndReopenedComesBackWhereItWas)
{
    CModelledWindowManager manager;
    CMainDlg dlgMain;
    CGameDlg* pGame = OpenGame(dlgMain, MakePlainGame);
    ASSERT_NE(nullptr, pGame);
    CRect rectFirst;
    pGame->GetWindowRect(&rectFirst);
    for (int i = 0; i < 3; i++) {
        PressCloseBox(pGame);
        RunUntilIdle();
        ASSERT_EQ(nullptr, dlgMain.GetGameDlg(0));
        EXPECT_EQ(rectFirst, OpenSettings().ReadRect("UnknownRect", CRect())) << i;
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        RunUntilIdle();
        pGame = dlgMain.GetGameDlg(0);
        ASSERT_NE(nullptr, pGame);
        CRect rect;
        pGame->GetWindowRect(&rect);
        EXPECT_EQ(rectFirst, rect) << i;
    }
}

// A stored rectangle is made fit for the screen before the window and its back buffer take
// it: at most the work area (1920 x 1080 headless) less the frame, on the work area, frame and
// all. An inverted one gives the template's place.
TEST_F(CGameDlgTest, StoredRectangleIsMadeFitForTheScreenBeforeTheWindowTakesIt)
{
    const CRect TEMPLATE;
    const struct {
        const char* szStored;
        bool bFramed;
        CRect rectExpected;
    } cases[] = {
        {"0,0,100000,100000", false, CRect(0, 0, 1920, 1080)},
        {"0,0,100000,100000", true, CRect(1, 20, 1919, 1075)},
        {"-2147483648,-2147483648,2147483647,2147483647", false, CRect(0, 0, 1920, 1080)},
        {"5000,3000,5640,3448", false, CRect(1280, 632, 1920, 1080)},
        {"-5000,-5000,-4360,-4552", true, CRect(1, 20, 641, 468)},
        {"100,100,50,50", false, TEMPLATE},
    };
    CMainDlg dlgMain;
    CGameDlg* pGame = OpenGame(dlgMain, MakePlainGame);
    ASSERT_NE(nullptr, pGame);
    CRect rectTemplate;
    pGame->GetWindowRect(&rectTemplate);
    pGame->SendMessage(WM_CLOSE);
    for (const auto& c : cases) {
        std::unique_ptr<CModelledWindowManager> pManager(c.bFramed ? new CModelledWindowManager : nullptr);
        OpenSettings().WriteString("UnknownRect", c.szStored);
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        auto* pPlain = static_cast<CPlainGameDlg*>(dlgMain.GetGameDlg(0));
        CRect rect;
        CRect rectClient;
        pPlain->GetWindowRect(&rect);
        pPlain->GetClientRect(&rectClient);
        EXPECT_EQ(c.rectExpected.IsRectNull() ? rectTemplate : c.rectExpected, rect) << c.szStored;
        EXPECT_EQ(rectClient.Size(), pPlain->m_pBackBuffer->GetSize()) << c.szStored;
        pPlain->SendMessage(WM_CLOSE);
    }
}

TEST_F(CGameDlgTest, SystemMenuAboutItemOpensAboutBoxUnlessItsStringIsEmpty)
{
    CMainDlg dlgMain;
    CGameDlg* pGame = OpenGame(dlgMain, MakePlainGame);
    ASSERT_NE(nullptr, pGame);
    CMenu* pSysMenu = pGame->GetSystemMenu(FALSE);
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

    AfxRegisterString(IDS_ABOUTBOX, "");
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    AfxRegisterString(IDS_ABOUTBOX, "&About Velmora");
    CMenu* pPlainMenu = dlgMain.GetGameDlg(1)->GetSystemMenu(FALSE);
    EXPECT_EQ(nCount - 2, pPlainMenu->GetMenuItemCount());
    EXPECT_EQ(MENU_NO_ITEM, pPlainMenu->GetMenuState(IDM_ABOUTBOX, MF_BYCOMMAND));
}

TEST_F(CGameDlgTest, MovementOfThreeAcrossAndThirtyDownTakesSixDelayedSteps)
{
    CMainDlg dlgMain;
    auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame, 25));
    ASSERT_NE(nullptr, pGame);
    AnimateAceOfHearts(pGame);

    EXPECT_EQ(6, plat::GetSleepRecord().nCalls);
    EXPECT_EQ(150, plat::GetSleepRecord().nTotalMs);
    EXPECT_EQ(0, pGame->m_source.GetCount());
    ASSERT_EQ(1, pGame->m_target.GetCount());
    EXPECT_EQ(ACE_OF_HEARTS, pGame->m_target.Top());

    // On screen the card lies on the target and the source place shows the table again.
    ASSERT_NE(TABLE_COLOR, AceFace());
    EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, CPoint(102, 101)));
    EXPECT_TRUE(SaveWindowPng(pGame, BuildFolderPath("game-window-animated-card.png")));
}

// Nor does a card in a hidden window, or one that moves while a close request (the
// launcher's close box or Escape, which ends the program) or a quit waits: it goes straight
// to its place, so that the close acts at once.
TEST_F(CGameDlgTest, NoPositiveDelayOrNoDistanceMovesWithoutSleeping)
{
    enum class Place { Apart, Same, Hidden, ClosePending, EscapePending, QuitPending };
    const struct {
        int nDelay;
        Place place;
    } cases[] = {{0, Place::Apart},         {-5, Place::Apart},         {10, Place::Same},
                 {10, Place::Hidden},       {10, Place::ClosePending}, {10, Place::EscapePending},
                 {10, Place::QuitPending}};
    for (const auto& c : cases) {
        CMainDlg dlgMain;
        CWinApp app;
        app.m_pMainWnd = &dlgMain;
        auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame, c.nDelay));
        ASSERT_NE(nullptr, pGame);
        if (c.place == Place::Same)
            pGame->m_ptTarget = pGame->m_ptSource;
        else if (c.place == Place::Hidden)
            pGame->ShowWindow(SW_HIDE);
        AnimateAceOfHearts(pGame, [&] {
            if (c.place == Place::ClosePending)
                dlgMain.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
            else if (c.place == Place::EscapePending)
                PressKey(&dlgMain, VK_ESCAPE);
            else if (c.place == Place::QuitPending)
                ::PostQuitMessage(0);
        });
        EXPECT_EQ(0, plat::GetSleepRecord().nCalls) << "delay " << c.nDelay << " place " << static_cast<int>(c.place);
        EXPECT_EQ(0, pGame->m_source.GetCount());
        EXPECT_EQ(1, pGame->m_target.GetCount());
        EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));
        // What was left waiting goes with the test's launcher.
        ResetDriver();
    }
}

TEST_F(CGameDlgTest, WithoutDelayTheCardAppearsOnItsTargetWithNoStepDrawn)
{
    // Presents of a movement of six steps and of one of no step, at delays 0 and 10.
    long nPresents[2][2] = {};
    const int nDelays[2] = {0, 10};
    for (int nDelay = 0; nDelay < 2; nDelay++) {
        for (int nSamePlace = 0; nSamePlace < 2; nSamePlace++) {
            CMainDlg dlgMain;
            auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame, nDelays[nDelay]));
            ASSERT_NE(nullptr, pGame);
            if (nSamePlace != 0)
                pGame->m_ptTarget = pGame->m_ptSource;
            nPresents[nDelay][nSamePlace] = AnimateAceOfHearts(pGame);
            EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));
            if (nSamePlace == 0) {
                EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, pGame->m_ptSource + CSize(2, 1)))
                    << "nothing left where the card started";
            }
        }
    }
    EXPECT_EQ(nPresents[0][0], nPresents[0][1]) << "no step shown without a delay";
    EXPECT_EQ(nPresents[1][0], nPresents[0][0] + 6) << "each of the six steps shown with one";
}

TEST_F(CGameDlgTest, ScreenDrawingKeepsBackBufferInStepWithoutTheMovingCard)
{
    CMainDlg dlgMain;
    auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame));
    ASSERT_NE(nullptr, pGame);
    const CPoint ptOld(10, 10);
    const CPoint ptNew(200, 40);
    {
        CClientDC dc(pGame);
        pGame->DrawCard(&dc, ptOld, ACE_OF_HEARTS_IMAGE);
        pGame->DrawCardMoving(&dc, ptOld, ptNew, ACE_OF_HEARTS_IMAGE);
    }
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptOld + CARD_MIDDLE));
    EXPECT_EQ(AceFace(), ClientPixel(pGame, ptNew + CARD_MIDDLE));

    pGame->m_target.AddCard(ACE_OF_HEARTS);
    pGame->DrawPile(pGame->m_target);
    EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));

    // A repaint from the back buffer keeps the pile and loses the moving card.
    pGame->Invalidate(FALSE);
    RunUntilIdle();
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptNew + CARD_MIDDLE));
    EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));
}

TEST_F(CGameDlgTest, RefreshesDrawTheTableOnceBeforeItIsNextShownOrRead)
{
    CMainDlg dlgMain;
    auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame));
    ASSERT_NE(nullptr, pGame);
    const int nDrawings = pGame->m_nTableDrawings;
    pGame->m_target.AddCard(ACE_OF_HEARTS);
    for (int i = 0; i < 3; i++)
        pGame->RefreshTable();
    EXPECT_EQ(nDrawings, pGame->m_nTableDrawings) << "nothing drawn before it is needed";
    RunUntilIdle();
    EXPECT_EQ(nDrawings + 1, pGame->m_nTableDrawings);
    EXPECT_EQ(AceFace(), ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));

    // A moving card restores the table as it is now, not as it was last drawn.
    pGame->m_target.Clear();
    pGame->m_source.AddCard(ACE_OF_HEARTS);
    pGame->RefreshTable();
    {
        CClientDC dc(pGame);
        pGame->DrawCardMoving(&dc, pGame->m_ptTarget, pGame->m_ptTarget, -1);
    }
    EXPECT_EQ(nDrawings + 2, pGame->m_nTableDrawings);
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, pGame->m_ptTarget + CARD_MIDDLE));
}

TEST_F(CGameDlgTest, PumpMessagesDispatchesPendingMessagesAndStopsWhenWindowCloses)
{
    CMainDlg dlgMain;
    auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame));
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

// The carry of the base, on a game with two piles set apart.
class CGameDlgCarryTest : public CGameDlgTest {
protected:
    static constexpr int CARD_COUNT = 3;
    const CPoint ptTable{400, 300};

    CTwoPileGameDlg* OpenTwoPiles(CMainDlg& dlgMain)
    {
        auto* pGame = static_cast<CTwoPileGameDlg*>(OpenGame(dlgMain, MakeTwoPileGame));
        if (pGame == nullptr)
            return nullptr;
        pGame->m_ptSource = CPoint(20, 20);
        pGame->m_ptTarget = CPoint(200, 20);
        pGame->m_source.AddCard(CCard(2, 0, 2, 0));
        pGame->m_source.AddCard(CCard(3, 1, 3, 0));
        pGame->m_source.AddCard(ACE_OF_HEARTS);
        pGame->RefreshTable();
        RunUntilIdle();
        return pGame;
    }

    static CPoint Middle(const CPoint& ptPile) { return ptPile + CARD_MIDDLE; }

    // Presses on the source pile's top card and carries it to pt; whether it is carried.
    static bool CarryFromSource(CTwoPileGameDlg* pGame, CPoint pt)
    {
        MouseDown(pGame, Middle(pGame->m_ptSource));
        MouseMove(pGame, pt);
        RunUntilIdle();
        return pGame->IsDragging();
    }

    // Every card is on a pile, or carried, exactly once.
    static void ExpectEveryCardOnce(CTwoPileGameDlg* pGame)
    {
        const int nCarried = pGame->IsDragging() ? 1 : 0;
        EXPECT_EQ(CARD_COUNT, pGame->m_source.GetCount() + pGame->m_target.GetCount() + nCarried);
        for (const CCard& card : pGame->m_source.m_cards)
            EXPECT_FALSE(pGame->m_target.Contains(card));
    }
};

TEST_F(CGameDlgCarryTest, CardDraggedOntoAPileIsLaidThereAndTheMouseIsFreed)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    ASSERT_TRUE(CarryFromSource(pGame, ptTable));
    EXPECT_EQ(pGame, CWnd::GetCapture());
    EXPECT_EQ(2, pGame->m_source.GetCount());
    EXPECT_EQ(AceFace(), ClientPixel(pGame, ptTable)) << "the picture follows the mouse";

    MouseMove(pGame, Middle(pGame->m_ptTarget));
    MouseUp(pGame, Middle(pGame->m_ptTarget));
    RunUntilIdle();
    EXPECT_FALSE(pGame->IsDragging());
    EXPECT_EQ(nullptr, CWnd::GetCapture());
    ASSERT_EQ(1, pGame->m_target.GetCount());
    EXPECT_EQ(ACE_OF_HEARTS, pGame->m_target.Top());
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptTable)) << "the picture is gone";
    EXPECT_EQ(0, pGame->m_nReleases);
}

TEST_F(CGameDlgCarryTest, QuickTapCarriesTheCardUntilTheNextPressPutsItDown)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    pGame->SetPressTiming(CTwoPileGameDlg::PressTiming::AfterPendingMessages);
    // The tap's release is pumped by its own press, before the press lifts the card.
    Click(pGame, Middle(pGame->m_ptSource));
    RunUntilIdle();
    ASSERT_TRUE(pGame->IsDragging());
    EXPECT_EQ(pGame, CWnd::GetCapture());

    // A second tap on the same pile would lift a second card over the first: it puts the
    // first one down instead.
    MouseDown(pGame, Middle(pGame->m_ptTarget));
    RunUntilIdle();
    EXPECT_FALSE(pGame->IsDragging());
    EXPECT_EQ(1, pGame->m_target.GetCount());
    MouseUp(pGame, Middle(pGame->m_ptTarget));
    RunUntilIdle();
    EXPECT_EQ(1, pGame->m_nReleases);
    ExpectEveryCardOnce(pGame);
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST_F(CGameDlgCarryTest, AnyOrderOfPressesReleasesAndMovesKeepsEveryCardOnce)
{
    const std::vector<CPoint> points = {Middle(CPoint(20, 20)), Middle(CPoint(200, 20)),
                                        CPoint(400, 300)};
    for (const auto timing : {CTwoPileGameDlg::PressTiming::AtOnce,
                              CTwoPileGameDlg::PressTiming::AfterPendingMessages}) {
        CMainDlg dlgMain;
        CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
        ASSERT_NE(nullptr, pGame);
        pGame->SetPressTiming(timing);
        randommouse::Run(pGame, points, 400, 12345, [pGame] { ExpectEveryCardOnce(pGame); });
    }
}

TEST_F(CGameDlgCarryTest, BoxRaisedByTheDropIsAnsweredByAMouseClick)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    pGame->m_strDropBox = "Laid";
    QueueMessageBoxAnswer(IDOK);
    Drag(pGame, Middle(pGame->m_ptSource), Middle(pGame->m_ptTarget));
    RunUntilIdle();
    ASSERT_EQ(1u, GetMessageBoxes().size());
    EXPECT_TRUE(GetMessageBoxes()[0].bAnswered);
    EXPECT_EQ(1, pGame->m_target.GetCount());
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

// Commands that reach the window during a carry are held: each runs once however often it
// came, in the order they came, and none inside the box of the one before.
TEST_F(CGameDlgCarryTest, HeldCommandsRunOnceEachAndOneAfterAnother)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    ASSERT_TRUE(CarryFromSource(pGame, ptTable));
    for (UINT nID : {ID_TEST_FIRST_COMMAND, ID_TEST_FIRST_COMMAND, ID_TEST_SECOND_COMMAND, ID_TEST_FIRST_COMMAND})
        pGame->SendMessage(WM_COMMAND, nID);
    RunUntilIdle();
    EXPECT_TRUE(pGame->m_commandsRun.empty()) << "nothing runs while the card is carried";
    MouseUp(pGame, ptTable);
    RunUntilIdle();
    EXPECT_EQ((std::vector<UINT>{ID_TEST_FIRST_COMMAND, ID_TEST_SECOND_COMMAND}), pGame->m_commandsRun);
    EXPECT_EQ(0, pGame->m_nCommandsNested);
    EXPECT_EQ(2u, GetMessageBoxes().size());
    ExpectEveryCardOnce(pGame);
}

TEST_F(CGameDlgCarryTest, CardGoesBackWhenTheWindowLosesTheMouse)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    // A box of another window takes the mouse from the carrying table.
    ASSERT_TRUE(CarryFromSource(pGame, ptTable));
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(IDOK, AfxMessageBox("Elsewhere", MB_OKCANCEL));
    EXPECT_FALSE(pGame->IsDragging());
    EXPECT_EQ(1, pGame->m_nCancels);
    EXPECT_EQ(CARD_COUNT, pGame->m_source.GetCount());
    EXPECT_EQ(TABLE_COLOR, ClientPixel(pGame, ptTable));
    // The carry's release comes later and finds nothing to drop.
    MouseUp(pGame, Middle(pGame->m_ptTarget));
    RunUntilIdle();
    EXPECT_EQ(0, pGame->m_target.GetCount());

    // Hiding the window does the same.
    ASSERT_TRUE(CarryFromSource(pGame, ptTable));
    pGame->ShowWindow(SW_HIDE);
    EXPECT_FALSE(pGame->IsDragging());
    EXPECT_EQ(2, pGame->m_nCancels);
    EXPECT_EQ(CARD_COUNT, pGame->m_source.GetCount());
}

TEST_F(CGameDlgCarryTest, PressesWhileAClickGuardLivesDoNothing)
{
    CMainDlg dlgMain;
    CTwoPileGameDlg* pGame = OpenTwoPiles(dlgMain);
    ASSERT_NE(nullptr, pGame);
    {
        CTwoPileGameDlg::CClickGuard guard(*pGame);
        Click(pGame, Middle(pGame->m_ptSource));
        Click(pGame, ptTable);
        RunUntilIdle();
        EXPECT_FALSE(pGame->IsDragging());
        EXPECT_EQ(CARD_COUNT, pGame->m_source.GetCount());
        EXPECT_EQ(0, pGame->m_nReleases);
    }
    Click(pGame, ptTable);
    MouseDown(pGame, Middle(pGame->m_ptSource));
    RunUntilIdle();
    EXPECT_EQ(1, pGame->m_nReleases);
    EXPECT_TRUE(pGame->IsDragging());
    MouseUp(pGame, Middle(pGame->m_ptSource));
    RunUntilIdle();
    EXPECT_EQ(CARD_COUNT, pGame->m_source.GetCount());
}

TEST_F(CGameDlgTest, EnterAndEscapeLeaveAGameWindowOpenAndItsCloseBoxStillCloses)
{
    CMainDlg dlgMain;
    CGameDlg* pGame = OpenGame(dlgMain, MakePlainGame);
    ASSERT_NE(nullptr, pGame);
    const int nAlive = CPlainGameDlg::s_nAlive;
    for (UINT nKey : {VK_RETURN, VK_ESCAPE}) {
        PressKey(pGame, nKey);
        RunUntilIdle();
        EXPECT_TRUE(pGame->IsWindowVisible()) << nKey;
        EXPECT_EQ(pGame, dlgMain.GetGameDlg(0));
    }
    EXPECT_EQ(nAlive, CPlainGameDlg::s_nAlive);
    pGame->SendMessage(WM_CLOSE);
    RunUntilIdle();
    EXPECT_EQ(nullptr, dlgMain.GetGameDlg(0));
    EXPECT_EQ(nAlive - 1, CPlainGameDlg::s_nAlive);
}

TEST_F(CGameDlgTest, WindowNeverShownAnimatesWithoutFailing)
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
