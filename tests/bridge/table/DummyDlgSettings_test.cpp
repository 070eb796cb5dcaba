// The bridge table's modes, commands and registry values.

#include <climits>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>

#include "bridge/play/ExplainWhistDlg.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/WindowTree.h"
#include "resources/BridgeOptionTemplates.h"
#include "resources/ExplainTemplate.h"
#include "resources/resource.h"
#include "tests/bridge/table/TableTestSupport.h"
#include "tests/support/CModelledWindowManager.h"

namespace tabletest {

namespace {

CString ReadValue(const char* szName)
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    return settings.ReadString(szName, "<none>");
}

void WriteValue(const char* szName, const char* szValue)
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    settings.WriteString(szName, szValue);
}

std::string RegistryText()
{
    std::ifstream is(plat::RegistryFilePath());
    std::stringstream text;
    text << is.rdbuf();
    return text.str();
}

bool IsChecked(CDummyDlg* pTable, UINT nID)
{
    return (pTable->GetMenu()->GetMenuState(nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

} // namespace

TEST_F(TableTest, DestructorWritesTheSwitchesInTheirOrder)
{
    ASSERT_NE(OpenTable(40), nullptr);
    m_pTable->SetAutoSave(true);
    m_pTable->SetManualPlayEW(true);
    m_pTable->m_bShowLastTrick = true;
    plat::test::PressCloseBox(m_pMainDlg.get());
    plat::test::RunUntilIdle();
    ASSERT_EQ(m_pMainDlg->GetGameDlg(0), nullptr);

    EXPECT_EQ(ReadValue("autoSaveMode"), CString("1"));
    EXPECT_EQ(ReadValue("showHandsMode"), CString("1"));
    EXPECT_EQ(ReadValue("manualPlayNSMode"), CString("0"));
    EXPECT_EQ(ReadValue("manualPlayEWMode"), CString("1"));
    EXPECT_EQ(ReadValue("manualBidMode"), CString("0"));
    EXPECT_EQ(ReadValue("showlasttrick"), CString("1"));
    EXPECT_EQ(ReadValue("opendummy"), CString("1"));
    EXPECT_EQ(ReadValue("autoPlay"), CString("0"));
    EXPECT_EQ(ReadValue("bidSingleClick"), CString("0"));
    EXPECT_EQ(ReadValue("playSingleClick"), CString("0"));
    EXPECT_EQ(ReadValue("whistSound"), CString("0"));

    // Written one after the other into a settings file that held none of them.
    const std::string strText = RegistryText();
    const char* const order[] = {"autoSaveMode", "showHandsMode", "manualPlayNSMode",
                                 "manualPlayEWMode", "manualBidMode", "showlasttrick",
                                 "opendummy", "autoPlay", "bidSingleClick", "playSingleClick",
                                 "whistSound"};
    size_t nLast = 0;
    for (const char* szName : order) {
        const size_t nPos = strText.find(std::string("\"") + szName + "\"");
        ASSERT_NE(nPos, std::string::npos) << szName;
        EXPECT_GT(nPos, nLast) << szName;
        nLast = nPos;
    }
    // Closing the launcher ran the table's close handling first: the dealer is saved too.
    EXPECT_EQ(ReadValue("DummyDealer"), CString("0"));
}

TEST_F(TableTest, EveryWayOfClosingTheLauncherSavesTheTablesScoresDealerAndRectangle)
{
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close box", [this] { plat::test::PressCloseBox(m_pMainDlg.get()); }},
        {"Escape", [this] { m_pMainDlg->SetFocus(); plat::test::PressKey(m_pMainDlg.get(), VK_ESCAPE); }},
        {"Enter", [this] { m_pMainDlg->SetFocus(); plat::test::PressKey(m_pMainDlg.get(), VK_RETURN); }},
        // A kill or a logout.
        {"SIGTERM", [this] { EXPECT_TRUE(RunAfterEndSignal()) << "the loops were not ended"; }},
    };
    int nDealer = NORTH;
    for (const auto& way : ways) {
        ASSERT_NE(OpenTable(54), nullptr) << way.first;
        ASSERT_EQ(m_pTable->m_nDealer, nDealer) << way.first;
        m_pTable->m_nAbove[0] = 470 + nDealer;
        m_pTable->m_nGames[1] = 1;
        WriteValue("DummyRect", "");
        way.second();
        plat::test::RunUntilIdle();
        EXPECT_FALSE(m_pMainDlg->IsWindowVisible()) << way.first;
        EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr) << way.first;
        EXPECT_EQ(ReadValue("DummyAboveSouth"), CString(std::to_string(470 + nDealer).c_str())) << way.first;
        EXPECT_EQ(ReadValue("DummyGamesWest"), CString("1")) << way.first;
        EXPECT_EQ(ReadValue("DummyDealer"), CString(std::to_string(nDealer).c_str())) << way.first;
        EXPECT_NE(ReadValue("DummyRect"), CString("<none>")) << way.first;
        // The next table deals from the seat after the saved dealer.
        nDealer++;
    }
}

TEST_F(TableTest, QuitSavesScoresAndDealerAndFreesTheSlot)
{
    ASSERT_NE(OpenTable(41), nullptr);
    m_pTable->m_nAbove[0] = 3;
    m_pTable->m_nBelow[0] = 8;
    m_pTable->m_nAbove[1] = 1;
    m_pTable->m_nRubbers[1] = 2;
    ASSERT_TRUE(Command(ID_FILE_QUIT));
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr);
    EXPECT_EQ(ReadValue("DummyAboveSouth"), CString("3"));
    EXPECT_EQ(ReadValue("DummyBelowSouth"), CString("8"));
    EXPECT_EQ(ReadValue("DummyAboveWest"), CString("1"));
    EXPECT_EQ(ReadValue("DummyRubbersWest"), CString("2"));
    EXPECT_EQ(ReadValue("DummyGamesSouth"), CString("0"));
    EXPECT_EQ(ReadValue("DummyDealer"), CString("0"));
    EXPECT_NE(ReadValue("DummyRect"), CString("<none>"));
    EXPECT_EQ(ReadValue("BridgeDealer"), CString("<none>"));

    // The next table goes on from there: East deals and leads.
    m_pMainDlg->SendMessage(WM_COMMAND, ID_GAME_DUMMY);
    plat::test::RunUntilIdle();
    m_pTable = static_cast<CTestDummyDlg*>(m_pMainDlg->GetGameDlg(0));
    ASSERT_NE(m_pTable, nullptr);
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    EXPECT_EQ(m_pTable->m_nAbove[0], 3);
    EXPECT_EQ(m_pTable->m_nRubbers[1], 2);
}

TEST_F(TableTest, StoredScoresAreReadUpToTheBoundAndBeyondItKeepTheBound)
{
    WriteValue("DummyAboveSouth", "99999999999");
    WriteValue("DummyAboveWest", "987654321");
    WriteValue("DummyBelowWest", "-2147483499");
    WriteValue("DummyGamesWest", "5");
    WriteValue("DummyRubbersSouth", "12");
    WriteValue("DummyGamesSouth", "1");
    ASSERT_NE(OpenTable(43), nullptr);
    EXPECT_EQ(m_pTable->m_nAbove[0], MAX_SIDE_SCORE);
    EXPECT_EQ(m_pTable->m_nAbove[1], 987654321);
    EXPECT_EQ(m_pTable->m_nBelow[1], 0);
    EXPECT_EQ(m_pTable->m_nGames[1], 1);
    EXPECT_EQ(m_pTable->m_nRubbers[0], 12);
    EXPECT_EQ(m_pTable->m_nGames[0], 1);
    ASSERT_TRUE(Command(ID_FILE_QUIT));
    EXPECT_EQ(ReadValue("DummyAboveSouth"), CString("1000000000"));
    EXPECT_EQ(ReadValue("DummyAboveWest"), CString("987654321"));
    EXPECT_EQ(ReadValue("DummyBelowWest"), CString("0"));
    EXPECT_EQ(ReadValue("DummyRubbersSouth"), CString("12"));
}

TEST_F(TableTest, StoredSwitchesAreReadAtStart)
{
    WriteValue("opendummy", "0");
    WriteValue("showHandsMode", "1");
    WriteValue("playSingleClick", "1");
    WriteValue("SouthName", "Pia");
    ASSERT_NE(OpenTable(42), nullptr);
    EXPECT_FALSE(m_pTable->m_bOpenDummy);
    EXPECT_FALSE(IsChecked(m_pTable, ID_OPTIONS_DUMMYOPEN));
    EXPECT_TRUE(m_pTable->m_bShowHands);
    EXPECT_TRUE(IsChecked(m_pTable, ID_TRAINER_SHOWHANDS));
    EXPECT_TRUE(m_pTable->m_bPlaySingleClick);
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_TRUE(m_pTable->m_bFaceUp[nSeat]);
    // Nothing to replay before the first Play.
    EXPECT_EQ(m_pTable->GetMenu()->GetMenuState(ID_FILE_REPLAYHAND, MF_BYCOMMAND) & MF_GRAYED,
              static_cast<UINT>(MF_GRAYED));
    CString strTitle;
    m_pTable->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, CString("Dummy/Partner Whist"));
}

TEST_F(TableTest, ManualPlayShowsHandsAndHidingThemAsksFirst)
{
    ASSERT_NE(OpenTable(43), nullptr);
    ASSERT_TRUE(Command(ID_TRAINER_MANUALNORTHSOUTH));
    EXPECT_TRUE(m_pTable->m_bManualPlayNS);
    EXPECT_TRUE(m_pTable->m_bShowHands);
    EXPECT_TRUE(m_pTable->m_bManual[NORTH]);
    EXPECT_TRUE(IsChecked(m_pTable, ID_TRAINER_SHOWHANDS));

    plat::test::QueueMessageBoxAnswer(IDCANCEL);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWHANDS));
    EXPECT_TRUE(m_pTable->m_bShowHands);
    EXPECT_TRUE(m_pTable->m_bManualPlayNS);

    plat::test::QueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWHANDS));
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 2u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[1].strText,
              CString("Manual Play Mode! Hide hands and switch to auto play?"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[1].strCaption, CString("Hide Hands"));
    EXPECT_FALSE(m_pTable->m_bShowHands);
    EXPECT_FALSE(m_pTable->m_bManualPlayNS);
    EXPECT_FALSE(m_pTable->m_bManual[NORTH]);
    EXPECT_FALSE(IsChecked(m_pTable, ID_TRAINER_MANUALNORTHSOUTH));
    const bool faceUp[] = {false, false, true, false};
    for (int nSeat = 0; nSeat < 4; nSeat++)
        EXPECT_EQ(m_pTable->m_bFaceUp[nSeat], faceUp[nSeat]);
}

TEST_F(TableTest, DummyOpenCommandFollowsItsCheckMark)
{
    ASSERT_NE(OpenTable(44), nullptr);
    ASSERT_TRUE(IsChecked(m_pTable, ID_OPTIONS_DUMMYOPEN));
    ASSERT_TRUE(Command(ID_OPTIONS_DUMMYOPEN));
    EXPECT_FALSE(m_pTable->m_bOpenDummy);
    EXPECT_FALSE(IsChecked(m_pTable, ID_OPTIONS_DUMMYOPEN));

    // With East leading, dummy is the person's own hand, which stays face up.
    m_pTable->m_nLeader = EAST;
    m_pTable->OpenDummy();
    EXPECT_TRUE(m_pTable->m_bFaceUp[SOUTH]);
    // North/South declare with dummy open: the person plays North too.
    EXPECT_TRUE(m_pTable->m_bManual[NORTH]);
    m_pTable->CloseDummy();
    EXPECT_TRUE(m_pTable->m_bFaceUp[SOUTH]);
    EXPECT_FALSE(m_pTable->m_bManual[NORTH]);
    m_pTable->m_nLeader = SOUTH;
    m_pTable->OpenDummy();
    EXPECT_TRUE(m_pTable->m_bFaceUp[WEST]);
    m_pTable->CloseDummy();
    EXPECT_FALSE(m_pTable->m_bFaceUp[WEST]);
}

TEST_F(TableTest, NewGameAndNewDealAskFirst)
{
    ASSERT_NE(OpenTable(45), nullptr);
    m_pTable->m_nAbove[1] = 7;
    plat::test::QueueMessageBoxAnswer(IDCANCEL);
    ASSERT_TRUE(Command(ID_FILE_NEWGAME));
    EXPECT_EQ(m_pTable->m_nAbove[1], 7);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);

    plat::test::QueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(Command(ID_FUNCTIONS_NEWDEAL));
    EXPECT_EQ(m_pTable->m_nDealer, EAST);
    EXPECT_EQ(m_pTable->m_nAbove[1], 7);

    plat::test::QueueMessageBoxAnswer(IDOK);
    ASSERT_TRUE(Command(ID_FILE_NEWGAME));
    EXPECT_EQ(m_pTable->m_nAbove[1], 0);
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    ASSERT_EQ(plat::test::GetMessageBoxes().size(), 3u);
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strText, CString("Start new game?"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[0].strCaption, CString("New Game"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[1].strText, CString("Deal another hand?"));
    EXPECT_EQ(plat::test::GetMessageBoxes()[1].strCaption, CString("New Deal"));
}

TEST_F(TableTest, ExplanationWindowListsTheEnginesLinesAndShowsOnRequest)
{
    ASSERT_NE(OpenTable(46), nullptr);
    ASSERT_NE(m_pTable->m_pExplain, nullptr);
    EXPECT_FALSE(m_pTable->m_pExplain->IsWindowVisible());
    PlayDealByComputer();
    EXPECT_GE(m_pTable->m_pExplain->GetLineCount(), 13);

    ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
    EXPECT_TRUE(m_pTable->m_pExplain->IsWindowVisible());
    EXPECT_TRUE(IsChecked(m_pTable, ID_TRAINER_SHOWEXPLANATION));
    // Kept above the table by the window manager: a click on the table does not bury it.
    EXPECT_EQ(plat::GetKeptAboveOwner(m_pTable->m_pExplain->GetSafeHwnd()), m_pTable->GetSafeHwnd());
    m_pTable->NextDeal();
    EXPECT_EQ(m_pTable->m_pExplain->GetLineCount(), 0);

    // Closed by its own close box, or by Escape as if by it, the window is forgotten and its
    // item unchecked; one command then shows a new window, which lists the next deal's lines.
    // Enter leaves the window as it is.
    const std::function<void(CWnd*)> closes[] = {
        [](CWnd* pWnd) { plat::test::PressCloseBox(pWnd); },
        [](CWnd* pWnd) {
            plat::test::PressKey(pWnd, VK_RETURN);
            plat::test::RunUntilIdle();
            EXPECT_TRUE(pWnd->IsWindowVisible());
            plat::test::PressKey(pWnd, VK_ESCAPE);
        },
    };
    for (const auto& close : closes) {
        close(m_pTable->m_pExplain);
        plat::test::RunUntilIdle();
        EXPECT_EQ(m_pTable->m_pExplain, nullptr);
        EXPECT_FALSE(IsChecked(m_pTable, ID_TRAINER_SHOWEXPLANATION));
        ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
        ASSERT_NE(m_pTable->m_pExplain, nullptr);
        EXPECT_TRUE(m_pTable->m_pExplain->IsWindowVisible());
        EXPECT_TRUE(IsChecked(m_pTable, ID_TRAINER_SHOWEXPLANATION));
    }
    PlayDealByComputer();
    EXPECT_EQ(m_pTable->m_tricks.GetCount(), 13);
    EXPECT_GE(m_pTable->m_pExplain->GetLineCount(), 13);
}

TEST_F(TableTest, ExplanationWindowFirstOpensInsideTheTableBelowItsMenuAndAboutShowsTheAboutBox)
{
    CModelledWindowManager manager;
    ASSERT_NE(OpenTable(46), nullptr);
    m_pTable->MoveWindow(300, 250, 700, 500);
    ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
    CRect rect;
    m_pTable->m_pExplain->GetWindowRect(&rect);
    CPoint ptFrame(CModelledWindowManager::Frame().left, CModelledWindowManager::Frame().top);
    m_pTable->ClientToScreen(&ptFrame);
    EXPECT_EQ(rect.TopLeft(), ptFrame) << "its frame's corner at (0, 0) of the table's client area";

    plat::test::ScriptNextDialog(IDD_ABOUTBOX, {plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_HELP_ABOUT));
    EXPECT_EQ(plat::test::GetPendingScriptCount(), 0u) << "the launcher showed the About box";
}

TEST_F(TableTest, ExplanationClosedMidTrickIsNotWrittenToByTheKeptEngine)
{
    ASSERT_NE(OpenTable(51), nullptr);
    ASSERT_NO_FATAL_FAILURE(PlayToSouthAfterTheDeclaringSide());
    // West's card comes from the kept engine, which must not write to the closed window
    // (a sanitizer build reports the write to freed memory).
    ASSERT_TRUE(DragPlayableSouthCard());
    ASSERT_GE(m_pTable->m_tricks.GetCount(), 1);
    EXPECT_EQ(m_pTable->m_tricks.GetAt(0)->GetCount(), 4);
    EXPECT_EQ(m_pTable->m_nToPlay, SOUTH);
    EXPECT_EQ(m_pTable->m_pExplain, nullptr);
}

TEST_F(TableTest, ExplanationShownAgainMidTrickGetsTheKeptEnginesLines)
{
    ASSERT_NE(OpenTable(51), nullptr);
    ASSERT_NO_FATAL_FAILURE(PlayToSouthAfterTheDeclaringSide());
    ASSERT_TRUE(Command(ID_TRAINER_SHOWEXPLANATION));
    ASSERT_NE(m_pTable->m_pExplain, nullptr);
    EXPECT_EQ(m_pTable->m_pExplain->GetLineCount(), 0);
    ASSERT_TRUE(DragPlayableSouthCard());
    // The engine kept from East's card chose West's and wrote its line to the new window.
    ASSERT_GE(m_pTable->m_pExplain->GetLineCount(), 1);
    CString strFirst;
    plat::ListGetText(m_pTable->m_pExplain->GetDlgItem(IDC_EXPLAIN_LIST)->GetSafeHwnd(), 0,
                      strFirst);
    EXPECT_EQ(strFirst.Left(5), CString("4th, "));
}

TEST_F(TableTest, FullAutomaticPlayPlaysTheDealsThenDealsForThePerson)
{
    ASSERT_NE(OpenTable(47), nullptr);
    m_pTable->PlayFullAuto(2);
    // The first two deals are played through without a score box.
    ASSERT_GE(m_pTable->m_stats.size(), 2u);
    EXPECT_EQ(m_pTable->m_nAutoDeals, -1);
    EXPECT_EQ(m_pTable->m_nState, STATE_BEFORE_PLAY);
    EXPECT_TRUE(m_pTable->m_bManual[SOUTH]);
    ExpectFullDeal();
    // Four deals after North's first: North deals again.
    EXPECT_EQ(m_pTable->m_nDealer, NORTH);
    EXPECT_LE(plat::test::GetMessageBoxes().size(), 1u);

    // "0" typed in the Automatic Play box: one deal by the computer, then one for the person.
    const size_t nRecords = m_pTable->m_stats.size();
    plat::test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {plat::test::SetTextStep(IDC_AUTO_HANDS, "0"),
                                                      plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_FUNCTIONS_PLAYFULLAUTO));
    EXPECT_EQ(plat::test::GetPendingScriptCount(), 0u);
    EXPECT_EQ(m_pTable->m_nDealer, SOUTH);
    EXPECT_LE(m_pTable->m_stats.size(), nRecords + 1);
    ExpectFullDeal();
}

// At a card delay of 0 the deals go by far faster than a screen shows them: the table
// reaches the screen at most once a display frame, the last deal's score box aside.
TEST_F(TableTest, FullAutomaticPlayWithoutDelayShowsTheTableAtMostOnceAFrame)
{
    constexpr int HANDS = 10;
    constexpr long SCORE_BOX_PRESENTS = 10;
    CRegSettings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY, settings_keys::SUITE_KEY)
        .WriteInt(settings_keys::CARD_DELAY_VALUE, 0);
    ASSERT_NE(OpenTable(48), nullptr);
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    const long nPresentsBefore = backend.GetPresentCount();
    const DWORD dwStart = plat::GetTickCount();
    m_pTable->PlayFullAuto(HANDS);
    const DWORD dwElapsed = plat::GetTickCount() - dwStart;
    ASSERT_GE(m_pTable->m_stats.size(), static_cast<size_t>(HANDS));
    const long nFrames = static_cast<long>(dwElapsed / CFramePacing::FRAME_MS) + 1;
    EXPECT_LE(backend.GetPresentCount() - nPresentsBefore, nFrames + SCORE_BOX_PRESENTS) << dwElapsed << " ms";
}

TEST_F(TableTest, NumberOfHandsBelowAnyIsNoneAndLeavesTheNextDealsToThePerson)
{
    ASSERT_NE(OpenTable(52), nullptr);
    plat::test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {plat::test::SetTextStep(IDC_AUTO_HANDS, "-9999999999"),
                                                      plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_FUNCTIONS_PLAYFULLAUTO));
    EXPECT_TRUE(m_pTable->m_stats.empty());
    EXPECT_EQ(m_pTable->m_nAutoDeals, -1);
    // Deal after deal the person plays South: the count never wraps round to a huge one.
    for (int nDeal = 0; nDeal < 3; nDeal++) {
        plat::test::QueueMessageBoxAnswer(IDOK);
        ASSERT_TRUE(Command(ID_FUNCTIONS_NEWDEAL));
        EXPECT_LE(m_pTable->m_nAutoDeals, 0);
        EXPECT_TRUE(m_pTable->m_bManual[SOUTH]);
    }
}

namespace {

// A table that notes the automatic deals still pending after each deal and is closed by
// its close box, as a person would close it, when the third deal is on the table.
class CClosedInAutoPlay : public CTestDummyDlg {
public:
    using CTestDummyDlg::CTestDummyDlg;

    void NextDeal() override
    {
        CTestDummyDlg::NextDeal();
        s_pending.push_back(m_nAutoDeals);
        if (s_pending.size() == 3)
            plat::test::PressCloseBox(this);
    }

    static std::vector<int> s_pending;
};

std::vector<int> CClosedInAutoPlay::s_pending;

using ClosedInAutoPlayTest = BridgeTableTest<CClosedInAutoPlay, ID_GAME_DUMMY>;

} // namespace

TEST_F(ClosedInAutoPlayTest, HugeNumberOfHandsIsPlayedUntilTheWindowCloses)
{
    ASSERT_NE(OpenTable(53), nullptr);
    CClosedInAutoPlay::s_pending.clear();
    plat::test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {plat::test::SetTextStep(IDC_AUTO_HANDS, "9999999999"),
                                                      plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_FUNCTIONS_PLAYFULLAUTO));
    // The count starts one below the int's limit and goes down by one a deal; the close box
    // ends the run, and a closed window deals no hand for the person.
    ASSERT_EQ(CClosedInAutoPlay::s_pending.size(), 3u);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(CClosedInAutoPlay::s_pending[i], INT_MAX - 1 - i) << "deal " << i;
    // Its close handling ran: the dealer of the third automatic deal (North dealt first) is
    // kept for the next table.
    EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr);
    EXPECT_EQ(ReadValue("DummyDealer"), CString("3"));
    m_pTable = nullptr;
}

namespace {

// How a person or the system asks the program to close while automatic play runs.
enum class CloseKind { TableCloseBox, LauncherCloseBox, EndSignal };

// A table that asks for the close of kind s_kind just before the computer's tenth card of
// the second automatic deal, then counts the cards asked for and the sleeps slept after it.
class CClosedMidDeal : public CTestDummyDlg {
public:
    using CTestDummyDlg::CTestDummyDlg;

    static constexpr int DEAL_OF_CLOSE = 2;
    static constexpr int CARD_OF_CLOSE = 10;

    void NextDeal() override
    {
        CTestDummyDlg::NextDeal();
        ++s_nDeals;
        m_nCards = 0;
    }

    bool IsComputerToPlay() override
    {
        const bool bComputer = CTestDummyDlg::IsComputerToPlay();
        if (s_bRequested)
            ++s_nCardsAfter;
        else if (bComputer && s_nDeals == DEAL_OF_CLOSE && ++m_nCards == CARD_OF_CLOSE)
            RequestClose();
        return bComputer;
    }

    static CloseKind s_kind;
    static int s_nDeals;
    static bool s_bRequested;
    static int s_nCardsAfter;
    static long s_nSleepsBefore;

private:
    void RequestClose()
    {
        s_bRequested = true;
        s_nSleepsBefore = plat::GetSleepRecord().nCalls;
        if (s_kind == CloseKind::TableCloseBox)
            plat::test::PressCloseBox(this);
        else if (s_kind == CloseKind::LauncherCloseBox)
            plat::test::PressCloseBox(m_pMainDlg);
        else
            raise(SIGTERM);
    }

    int m_nCards = 0;
};

CloseKind CClosedMidDeal::s_kind = CloseKind::TableCloseBox;
int CClosedMidDeal::s_nDeals = 0;
bool CClosedMidDeal::s_bRequested = false;
int CClosedMidDeal::s_nCardsAfter = 0;
long CClosedMidDeal::s_nSleepsBefore = 0;

using ClosedMidDealTest = BridgeTableTest<CClosedMidDeal, ID_GAME_DUMMY>;

} // namespace

TEST_F(ClosedMidDealTest, CloseDuringAutomaticPlayActsWithinTheCardAndSavesTheScores)
{
    for (CloseKind kind : {CloseKind::TableCloseBox, CloseKind::LauncherCloseBox, CloseKind::EndSignal}) {
        const int nKind = static_cast<int>(kind);
        plat::test::ResetDriver();
        std::remove(plat::RegistryFilePath().c_str());
        CClosedMidDeal::s_kind = kind;
        CClosedMidDeal::s_nDeals = 0;
        CClosedMidDeal::s_bRequested = false;
        CClosedMidDeal::s_nCardsAfter = 0;
        ASSERT_NE(OpenTable(54), nullptr) << nKind;
        // The end signal closes the main window, the launcher.
        CWinApp app;
        app.m_pMainWnd = m_pMainDlg.get();
        plat::WatchEndSignals();
        plat::ResetSleepRecord();
        plat::test::ScriptNextDialog(IDD_AUTOMATIC_PLAY, {plat::test::SetTextStep(IDC_AUTO_HANDS, "5"),
                                                          plat::test::ClickStep(IDOK)});
        ASSERT_TRUE(Command(ID_FUNCTIONS_PLAYFULLAUTO)) << nKind;
        plat::EndSignalWatch();
        app.m_pMainWnd = nullptr;
        ASSERT_TRUE(CClosedMidDeal::s_bRequested) << nKind;
        // The card under way hurried to its place without a pause, and no other followed;
        // no deal came after the close.
        EXPECT_EQ(plat::GetSleepRecord().nCalls, CClosedMidDeal::s_nSleepsBefore) << nKind;
        EXPECT_EQ(CClosedMidDeal::s_nCardsAfter, 0) << nKind;
        EXPECT_EQ(CClosedMidDeal::s_nDeals, CClosedMidDeal::DEAL_OF_CLOSE) << nKind;
        // The table closed as its close box closes it, its scores and the dealer of the deal
        // under way (East) saved.
        EXPECT_EQ(m_pMainDlg->GetGameDlg(0), nullptr) << nKind;
        EXPECT_NE(ReadValue("DummyAboveSouth"), CString("<none>")) << nKind;
        EXPECT_EQ(ReadValue("DummyDealer"), CString("1")) << nKind;
        m_pTable = nullptr;
        CloseLauncher();
    }
}

TEST_F(TableTest, SelectGameDealsTheChosenNumberLeaderAndContract)
{
    ASSERT_NE(OpenTable(48), nullptr);
    m_pTable->SelectGame(555, WEST, 2, 4);
    EXPECT_EQ(CCardPile::GetGameNumber(), 556);
    EXPECT_EQ(m_pTable->m_nLeader, WEST);
    EXPECT_EQ(m_pTable->m_nDealer, WEST);
    EXPECT_EQ(m_pTable->m_nContractLevel, 2);
    EXPECT_EQ(m_pTable->m_nTrumps, 4);
    CCardPile dealt[4];
    for (int nSeat = 0; nSeat < 4; nSeat++)
        dealt[nSeat] = m_pTable->Hand(nSeat);

    // Through the box: game 555, led by West, one club.
    plat::test::ScriptNextDialog(IDD_SELECT_GAME,
                                 {plat::test::SetTextStep(IDC_GAME_NUMBER, "555"),
                                  plat::test::SelectItemStep(IDC_LEADING_HAND, 3),
                                  plat::test::SelectItemStep(IDC_CONTRACT_SUIT, 0),
                                  plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_FILE_SELECTGAME));
    EXPECT_EQ(m_pTable->m_nTrumps, SUIT_CLUBS);
    EXPECT_EQ(m_pTable->m_nContractLevel, 0);
    EXPECT_EQ(m_pTable->m_nLeader, WEST);
    // The same game number deals the same cards, with other trumps raised.
    for (int nSeat = 0; nSeat < 4; nSeat++) {
        ASSERT_EQ(m_pTable->Hand(nSeat).GetCount(), 13);
        for (const CCard& card : dealt[nSeat].m_cards) {
            const int nPlain = card.GetRank() == 1 ? 13 : card.GetRank() - 1;
            EXPECT_TRUE(m_pTable->Hand(nSeat).Contains(
                CCard(card.GetRank(), card.GetSuit(),
                      card.GetSuit() == SUIT_CLUBS ? nPlain + 13 : nPlain)));
        }
    }
}

TEST_F(TableTest, PlayerNamesAreTakenBackAndStored)
{
    ASSERT_NE(OpenTable(50), nullptr);
    EXPECT_EQ(m_pTable->m_strNames[SOUTH], CString("Arno"));
    EXPECT_EQ(m_pTable->m_strNames[WEST], CString("Ulo"));
    plat::test::ScriptNextDialog(IDD_PLAYER_NAMES, {plat::test::SetTextStep(IDC_NAME_SOUTH, "Pia"),
                                                    plat::test::ClickStep(IDOK)});
    // No menu item carries the command.
    m_pTable->SendMessage(WM_COMMAND, ID_PLAYER_NAMES);
    EXPECT_EQ(m_pTable->m_strNames[SOUTH], CString("Pia"));
    EXPECT_EQ(m_pTable->m_strNames[NORTH], CString("Mirel"));
    EXPECT_EQ(ReadValue("SouthName"), CString("Pia"));
}

TEST_F(TableTest, CardPlayOptionsSetTheSwitchesButNeverSound)
{
    ASSERT_NE(OpenTable(49), nullptr);
    plat::test::ScriptNextDialog(IDD_CARD_PLAY_OPTIONS, {plat::test::SetCheckStep(IDC_OPT_SHOW_LAST_TRICK, 1),
                                                         plat::test::SetCheckStep(IDC_OPT_SINGLE_CLICK_PLAY, 1),
                                                         plat::test::ClickStep(IDOK)});
    ASSERT_TRUE(Command(ID_OPTIONS_CARDPLAYOPTIONS));
    EXPECT_TRUE(m_pTable->m_bShowLastTrick);
    EXPECT_TRUE(m_pTable->m_bPlaySingleClick);
    CloseLauncher();
    EXPECT_EQ(ReadValue("showlasttrick"), CString("1"));
    EXPECT_EQ(ReadValue("playSingleClick"), CString("1"));
    EXPECT_EQ(ReadValue("whistSound"), CString("0"));
}

} // namespace tabletest
