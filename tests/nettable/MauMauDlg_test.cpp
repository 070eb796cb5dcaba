#include "nettable/MauMauDlg.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/GameFactory.h"
#include "app/MainDlg.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "nettable/CardConnection.h"
#include "nettable/MauMauListener.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "tests/support/RandomMouse.h"
#include "platform/wnd/CMenu.h"
#include "resources/NetworkMenu.h"
#include "resources/Resources.h"
#include "resources/VarrowResources.h"
#include "resources/resource.h"
#include "tests/nettable/NetTestSupport.h"
#include "tests/support/GameWindowTest.h"

namespace {

using namespace nettest;
using namespace plat::test;

const char NEW_GAME_TEXT[] = "newgame\nnewhand\nshuffle\ndeal\nstartplay\n";
const std::vector<std::string> NEW_GAME_SENDS = {"newgame\n", "newhand\n", "shuffle\n", "deal\n",
                                                 "startplay\n"};

// Stands in for the client: writes down what the table asks of it.
class CRecordingConnection : public CCardConnection {
public:
    using CCardConnection::CCardConnection;

    BOOL Connect(const CString& strHost, UINT nPort) override
    {
        m_connects.push_back(std::string(strHost) + ":" + std::to_string(nPort));
        return TRUE;
    }
    void Send(const CString& strText) override { m_sends.emplace_back(strText); }
    void OnSocketClose(CCardSocket*) override {}

    std::vector<std::string> m_connects;
    std::vector<std::string> m_sends;
};

// The table, counting its New Games through the hook that follows each one.
class CTestMauMauDlg : public CMauMauDlg {
public:
    using CMauMauDlg::CMauMauDlg;

    void OnPlay() override { ++m_nPlays; }

    // Puts a recording connection in the client's place.
    CRecordingConnection* UseRecordingConnection()
    {
        auto pConnection = std::make_unique<CRecordingConnection>(m_pListener.get());
        CRecordingConnection* pRecorder = pConnection.get();
        m_pClient = std::move(pConnection);
        return pRecorder;
    }

    int m_nPlays = 0;
};

// A card of the bridge deck: rank 1 ace .. 13 king.
CCard Card(int nRank, int nSuit)
{
    return CCard(nRank, nSuit, nRank, 0);
}

// A launcher with the table opened in it through the game table, and a card server.
class CMauMauDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterAllResources(); }

    void SetUp() override
    {
        gamewindowtest::RegisterGame<CTestMauMauDlg>(ID_GAME_NETWORK, IDD_VARROW);
        ASSERT_TRUE(m_server.Start());
        m_pTable = gamewindowtest::OpenFromLauncher<CTestMauMauDlg>(m_pMainDlg, ID_GAME_NETWORK);
        ASSERT_NE(nullptr, m_pTable);
        m_pTable->SetCardServer(LOOPBACK, m_server.GetPort());
    }

    void TearDown() override
    {
        ResetDriver();
        m_pMainDlg.reset();
        CGameFactory::Unregister(ID_GAME_NETWORK);
    }

    // Chooses Connect and waits until the table and the server hold the connection.
    void ConnectTable()
    {
        const int nBefore = m_server.GetPeerCount();
        ASSERT_TRUE(ChooseMenuCommand(m_pTable, ID_NETWORK_CONNECT));
        ASSERT_TRUE(RunLoopUntil(
            [&] { return m_pTable->IsConnected() && m_server.GetPeerCount() > nBefore; }));
    }

    // Chooses New Game and answers its question with nAnswer.
    void ChooseNewGame(int nAnswer)
    {
        QueueMessageBoxAnswer(nAnswer);
        ASSERT_TRUE(ChooseMenuCommand(m_pTable, ID_FILE_NEWGAME));
        RunUntilIdle();
    }

    CPeerSocket& ServerEnd() { return m_server.Peer(m_server.GetPeerCount() - 1); }

    // The middle of the West hand's only visible card.
    CPoint WestCardPoint() const
    {
        return m_pTable->GetHand(CMauMauDlg::SEAT_WEST).GetSlotPosition(0) +
               CSize(CARD_WIDTH / 2, CARD_HEIGHT / 2);
    }

    CTestServer m_server;
    std::unique_ptr<CMainDlg> m_pMainDlg;
    CTestMauMauDlg* m_pTable = nullptr;
};

TEST(CMauMauDlgLayout, PlacesHandsAndSeatNamesAroundTheCentre)
{
    CMauMauDlg table(nullptr, nullptr);
    table.Layout(640, 442);
    // North and South start 84 pixels left of a centred card, East and West at the edges.
    EXPECT_EQ(CPoint(201, 4), table.GetHand(CMauMauDlg::SEAT_NORTH).GetPosition());
    EXPECT_EQ(CPoint(201, 342), table.GetHand(CMauMauDlg::SEAT_SOUTH).GetPosition());
    EXPECT_EQ(CPoint(565, 173), table.GetHand(CMauMauDlg::SEAT_EAST).GetPosition());
    EXPECT_EQ(CPoint(4, 173), table.GetHand(CMauMauDlg::SEAT_WEST).GetPosition());
    EXPECT_EQ(CSize(14, 0), table.GetHand(CMauMauDlg::SEAT_NORTH).GetStep());
    EXPECT_EQ(CSize(14, 0), table.GetHand(CMauMauDlg::SEAT_SOUTH).GetStep());
    EXPECT_EQ(CSize(0, 19), table.GetHand(CMauMauDlg::SEAT_EAST).GetStep());
    EXPECT_EQ(CSize(0, 19), table.GetHand(CMauMauDlg::SEAT_WEST).GetStep());
    // The centre card lies at (257, 173).
    EXPECT_EQ(CRect(285, 149, 355, 169), table.GetLabelRect(CMauMauDlg::SEAT_NORTH));
    EXPECT_EQ(CRect(388, 211, 458, 231), table.GetLabelRect(CMauMauDlg::SEAT_EAST));
    EXPECT_EQ(CRect(285, 273, 355, 293), table.GetLabelRect(CMauMauDlg::SEAT_SOUTH));
    EXPECT_EQ(CRect(183, 211, 253, 231), table.GetLabelRect(CMauMauDlg::SEAT_WEST));
}

TEST_F(CMauMauDlgTest, OpensWithItsOwnMenuAndTitleAndRunsNewGameOnce)
{
    CString strTitle;
    m_pTable->GetWindowText(strTitle);
    EXPECT_EQ(CString("Dummy/Partner Whist"), strTitle);
    CMenu* pMenu = m_pTable->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    EXPECT_NE(MENU_NO_ITEM, pMenu->GetMenuState(ID_NETWORK_CONNECT, MF_BYCOMMAND));
    EXPECT_NE(MENU_NO_ITEM, pMenu->GetMenuState(ID_FILE_NEWGAME, MF_BYCOMMAND));
    EXPECT_EQ(MENU_NO_ITEM, pMenu->GetMenuState(ID_VARROW_PLAYER1_HUMAN, MF_BYCOMMAND));
    EXPECT_EQ(1, m_pTable->m_nPlays);
    EXPECT_FALSE(m_pTable->IsConnected());
    EXPECT_EQ(0, m_server.GetPeerCount());
}

TEST_F(CMauMauDlgTest, NewGameAnsweredOkSendsTheFiveCommandsCancelNothing)
{
    ConnectTable();
    ChooseNewGame(IDCANCEL);
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ("", ServerEnd().m_strText);
    EXPECT_EQ(1, m_pTable->m_nPlays);

    ChooseNewGame(IDOK);
    ASSERT_TRUE(
        RunLoopUntil([&] { return ServerEnd().m_strText.size() >= strlen(NEW_GAME_TEXT); }));
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(NEW_GAME_TEXT, ServerEnd().m_strText);
    EXPECT_EQ(2, m_pTable->m_nPlays);
    ASSERT_EQ(2u, GetMessageBoxes().size());
    for (const MessageBoxRecord& box : GetMessageBoxes()) {
        EXPECT_EQ(CString("Start new game?"), box.strText);
        EXPECT_EQ(CString("New Game"), box.strCaption);
    }
}

TEST_F(CMauMauDlgTest, CommandsGoOneSendEachAndConnectOnlyWhileNotConnected)
{
    CTestMauMauDlg table(nullptr, nullptr);
    CRecordingConnection* pConnection = table.UseRecordingConnection();
    table.NewGame();
    EXPECT_TRUE(pConnection->m_sends.empty());
    EXPECT_EQ(1, table.m_nPlays);
    // A failed attempt leaves the table unconnected, so Connect tries again.
    table.OnCmdMsg(ID_NETWORK_CONNECT, CN_COMMAND, nullptr, nullptr);
    table.OnCmdMsg(ID_NETWORK_CONNECT, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ((std::vector<std::string>{"localhost:4000", "localhost:4000"}),
              pConnection->m_connects);

    table.OnConnectionState(CONNECTION_USABLE);
    table.OnCmdMsg(ID_NETWORK_CONNECT, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(2u, pConnection->m_connects.size());
    table.NewGame();
    EXPECT_EQ(NEW_GAME_SENDS, pConnection->m_sends);
    EXPECT_EQ(2, table.m_nPlays);
}

TEST_F(CMauMauDlgTest, ServerTextChangesNothingAndItsCloseDisconnects)
{
    ConnectTable();
    ASSERT_TRUE(ChooseMenuCommand(m_pTable, ID_NETWORK_CONNECT));
    const CPoint ptSouth = m_pTable->GetHand(CMauMauDlg::SEAT_SOUTH).GetPosition() + CSize(5, 5);
    ServerEnd().SendBytes("newhand\ndeal\nS:AS KS QS\nnewga");
    RunLoopFor(SETTLE_MS);
    RunUntilIdle();
    // The second Connect made no second connection.
    EXPECT_EQ(1, m_server.GetPeerCount());
    EXPECT_TRUE(m_pTable->IsConnected());
    for (int nSeat = 0; nSeat < CMauMauDlg::SEAT_COUNT; nSeat++)
        EXPECT_EQ(0, m_pTable->GetHand(nSeat).GetCount());
    {
        CClientDC dc(m_pTable);
        EXPECT_EQ(TABLE_COLOR, dc.GetPixel(ptSouth.x, ptSouth.y));
    }

    ServerEnd().Close();
    ASSERT_TRUE(RunLoopUntil([&] { return !m_pTable->IsConnected(); }));
    ChooseNewGame(IDOK);
    EXPECT_EQ(2, m_pTable->m_nPlays);

    ConnectTable();
    EXPECT_EQ(2, m_server.GetPeerCount());
    ChooseNewGame(IDOK);
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_strText == NEW_GAME_TEXT; }));
}

TEST_F(CMauMauDlgTest, ServerThatNeverAnswersDoesNotHoldTheTable)
{
    CSilentServer silent;
    ASSERT_TRUE(silent.Start());
    m_pTable->SetCardServer(LOOPBACK, silent.GetPort());
    CBlockingTimeoutGuard timeout(SHORT_BLOCKING_TIMEOUT_MS);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ChooseMenuCommand(m_pTable, ID_NETWORK_CONNECT));
    RunUntilIdle();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(m_pTable->IsConnected());
}

// The launcher's close box, pressed while the table's Connect waits for a server that never
// answers, cancels the Connect at once: the launcher closes, the table with it, as its own
// close does.
TEST_F(CMauMauDlgTest, LaunchersCloseBoxCancelsAConnectThatWaits)
{
    constexpr auto BLOCKING_TIMEOUT = std::chrono::milliseconds(3000);
    CSilentServer silent;
    ASSERT_TRUE(silent.Start());
    m_pTable->SetCardServer(LOOPBACK, silent.GetPort());
    CBlockingTimeoutGuard timeout(static_cast<DWORD>(BLOCKING_TIMEOUT.count()));
    ASSERT_TRUE(ChooseMenuCommand(m_pTable, ID_NETWORK_CONNECT));
    PressCloseBox(m_pMainDlg.get());
    const auto start = std::chrono::steady_clock::now();
    RunUntilIdle();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), BLOCKING_TIMEOUT.count());
    EXPECT_FALSE(m_pMainDlg->IsWindowVisible());
    EXPECT_FALSE(m_pTable->IsWindowVisible());
    EXPECT_FALSE(m_pTable->IsConnected());
}

TEST_F(CMauMauDlgTest, ClosingHidesTheWindowWhichKeepsItsSlotAndConnection)
{
    ConnectTable();
    m_pTable->SendMessage(WM_CLOSE);
    RunUntilIdle();
    EXPECT_FALSE(m_pTable->IsWindowVisible());
    EXPECT_EQ(m_pTable, m_pMainDlg->GetGameDlg(0));
    EXPECT_TRUE(m_pTable->IsConnected());
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    EXPECT_EQ(CString(""), settings.ReadString("UnknownRect", ""));

    // The table goes with the launcher, and its connection with it.
    m_pMainDlg.reset();
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_bPeerClosed; }));
}

TEST_F(CMauMauDlgTest, DraggedWestCardAlwaysReturnsToItsPlace)
{
    CCardPile& west = m_pTable->GetHand(CMauMauDlg::SEAT_WEST);
    west.AddCard(Card(2, 0));
    west.AddCard(Card(9, 1));
    west.AddCard(Card(12, 3));
    const CCardPile before = west;
    m_pTable->RefreshTable();
    RunUntilIdle();

    // The second press arrives while the first one's handler dispatches pending messages;
    // it must not lift a second card over the first.
    MouseDown(m_pTable, WestCardPoint());
    MouseDown(m_pTable, WestCardPoint());
    RunUntilIdle();
    ASSERT_TRUE(m_pTable->IsDragging());
    EXPECT_EQ(2, west.GetCount());
    EXPECT_FALSE(west.Contains(Card(12, 3)));
    MouseMove(m_pTable, CPoint(300, 200));
    MouseUp(m_pTable, CPoint(320, 210));
    RunUntilIdle();
    EXPECT_FALSE(m_pTable->IsDragging());
    EXPECT_EQ(before.m_cards, west.m_cards);
    EXPECT_EQ(nullptr, CWnd::GetCapture());

    // A press elsewhere lifts nothing.
    Click(m_pTable, CPoint(300, 200));
    RunUntilIdle();
    EXPECT_FALSE(m_pTable->IsDragging());
    EXPECT_EQ(before.m_cards, west.m_cards);
}

TEST_F(CMauMauDlgTest, AnyOrderOfPressesReleasesAndMovesLeavesWestAsItWas)
{
    CCardPile& west = m_pTable->GetHand(CMauMauDlg::SEAT_WEST);
    for (int nRank = 1; nRank <= 5; nRank++)
        west.AddCard(Card(nRank, 2));
    const CCardPile before = west;
    m_pTable->RefreshTable();
    RunUntilIdle();
    const std::vector<CPoint> points = {WestCardPoint(), CPoint(300, 200),
                                        m_pTable->GetHand(CMauMauDlg::SEAT_EAST).GetPosition()};
    randommouse::Run(m_pTable, points, 400, 31, [&] {
        if (m_pTable->IsDragging())
            ASSERT_EQ(before.GetCount() - 1, west.GetCount());
        else
            ASSERT_EQ(before.m_cards, west.m_cards);
    });
}

TEST_F(CMauMauDlgTest, TableShowsSeatNamesAndHandsInTheirPlaces)
{
    for (int nRank = 1; nRank <= 13; nRank++) {
        m_pTable->GetHand(CMauMauDlg::SEAT_NORTH).AddCard(Card(nRank, 0));
        m_pTable->GetHand(CMauMauDlg::SEAT_EAST).AddCard(Card(nRank, 1));
        m_pTable->GetHand(CMauMauDlg::SEAT_SOUTH).AddCard(Card(nRank, 3));
        m_pTable->GetHand(CMauMauDlg::SEAT_WEST).AddCard(Card(nRank, 2));
    }
    m_pTable->RefreshTable();
    RunUntilIdle();
    ASSERT_TRUE(SaveWindowPng(m_pTable, BuildFolderPath("nettable.png")));

    CClientDC dc(m_pTable);
    for (int nSeat = 0; nSeat < CMauMauDlg::SEAT_COUNT; nSeat++) {
        const CRect& rect = m_pTable->GetLabelRect(nSeat);
        int nBlack = 0;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                nBlack += dc.GetPixel(x, y) == RGB(0, 0, 0);
        EXPECT_GT(nBlack, 0) << "seat " << nSeat;
        // The name starts at the box's left edge.
        EXPECT_EQ(TABLE_COLOR, dc.GetPixel(rect.right - 1, rect.bottom - 1)) << "seat " << nSeat;
    }
    // Every hand shows a card where it lies; between them the table is green.
    for (int nSeat = 0; nSeat < CMauMauDlg::SEAT_COUNT; nSeat++) {
        const CPoint pt = m_pTable->GetHand(nSeat).GetPosition() + CSize(CARD_WIDTH / 2, 3);
        EXPECT_NE(TABLE_COLOR, dc.GetPixel(pt.x, pt.y)) << "seat " << nSeat;
    }
    const CRect& rectNorth = m_pTable->GetLabelRect(CMauMauDlg::SEAT_NORTH);
    EXPECT_EQ(TABLE_COLOR, dc.GetPixel(rectNorth.left, rectNorth.top - 8));
}

} // namespace
