#include "app/MainDlg.h"

#include <unistd.h>

#include <climits>

#include "app/VarrowApp.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "platform/wnd/MessageBox.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "tests/app/ShellTestSupport.h"

namespace {

using namespace plat::test;

CGameDlg* MakePlainGame(CMainDlg* pMainDlg)
{
    return new CPlainGameDlg(pMainDlg);
}

// Whether the value is stored at all (an empty value is, a missing one is not), and its text.
bool ReadRawValue(const char* szName, CString* pText)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Orvel\\velm", 0, KEY_ALL_ACCESS, &hKey) !=
        ERROR_SUCCESS)
        return false;
    char szBuffer[1024] = {};
    DWORD cbData = sizeof(szBuffer);
    const LONG nResult = RegQueryValueEx(hKey, szName, nullptr, nullptr,
                                         reinterpret_cast<LPBYTE>(szBuffer), &cbData);
    RegCloseKey(hKey);
    *pText = szBuffer;
    return nResult == ERROR_SUCCESS;
}

// Chooses a command from the launcher's menu and handles it; false when the menu has none.
bool ChooseCommand(CWnd* pWnd, UINT nID)
{
    if (!ChooseMenuCommand(pWnd, nID))
        return false;
    RunUntilIdle();
    return true;
}

class CMainDlgTest : public ShellTest {};

TEST_F(CMainDlgTest, FirstRunRaisesVersionClearsBidRectAndFillsSoundDir)
{
    CMainDlg dlgMain;
    dlgMain.LoadSettings();

    EXPECT_EQ(10, dlgMain.GetCardDelay());
    CString strText;
    ASSERT_TRUE(ReadRawValue("version", &strText));
    EXPECT_EQ("12", strText);
    ASSERT_TRUE(ReadRawValue("BidRect", &strText)) << "written, empty";
    EXPECT_EQ("", strText);
    EXPECT_FALSE(ReadRawValue("CardDelay", &strText)) << "read, never written";
    ASSERT_TRUE(ReadRawValue("SoundDir", &strText));
    char szFolder[PATH_MAX] = {};
    ASSERT_NE(nullptr, getcwd(szFolder, sizeof(szFolder)));
    EXPECT_EQ(CString(szFolder) + "/sounds", strText);
}

TEST_F(CMainDlgTest, OnlyVersionsBelowTwelveLoseTheSavedBidRect)
{
    OpenSettings().WriteString("SoundDir", "/srv/voices");
    OpenSettings().WriteInt("CardDelay", 3);
    for (const int nVersion : {11, 12, 13}) {
        OpenSettings().WriteInt("version", nVersion);
        OpenSettings().WriteString("BidRect", "1,2,3,4");
        CMainDlg dlgMain;
        dlgMain.LoadSettings();
        const CString strKept = nVersion >= 12 ? "1,2,3,4" : "";
        CString strText;
        ASSERT_TRUE(ReadRawValue("BidRect", &strText));
        EXPECT_EQ(strKept, strText) << "version " << nVersion;
        EXPECT_EQ(nVersion >= 12 ? nVersion : 12, OpenSettings().ReadInt("version", 0));
        EXPECT_EQ(3, dlgMain.GetCardDelay());
    }
    EXPECT_EQ("/srv/voices", OpenSettings().ReadString("SoundDir", ""));
}

TEST_F(CMainDlgTest, LauncherIsGreenWithItsMenuAndShowsAbout)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    RunUntilIdle();
    CString strCaption;
    dlgMain.GetWindowText(strCaption);
    EXPECT_EQ("OrvelBridge", strCaption);
    CRect rectClient;
    dlgMain.GetClientRect(&rectClient);
    EXPECT_EQ(TABLE_COLOR, ClientPixel(&dlgMain, rectClient.CenterPoint()));

    CMenu* pMenu = dlgMain.GetMenu();
    ASSERT_NE(nullptr, pMenu);
    ASSERT_EQ(3, pMenu->GetMenuItemCount());
    const char* const aszPopups[] = {"&File", "Options", "Help"};
    const UINT anCommands[] = {ID_FILE_PLAYBRIDGE, ID_OPTIONS_CARDOPTIONS, ID_HELP_ABOUT};
    for (int i = 0; i < 3; i++) {
        CString strPopup;
        pMenu->GetMenuString(i, strPopup, MF_BYPOSITION);
        EXPECT_EQ(aszPopups[i], strPopup);
        EXPECT_EQ(anCommands[i], pMenu->GetSubMenu(i)->GetMenuItemID(0));
    }
    EXPECT_TRUE(SaveWindowPng(&dlgMain, BuildFolderPath("launcher.png")));

    ScriptNextDialog(IDD_ABOUTBOX, {ClickStep(IDOK)});
    EXPECT_TRUE(ChooseCommand(&dlgMain, ID_HELP_ABOUT));
    EXPECT_EQ(0u, GetPendingScriptCount()) << "the About box ran";
}

TEST_F(CMainDlgTest, CardOptionsStoreTheTypedDelay)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    // What is typed, then the delay kept; nullptr keeps the text the box opened with.
    const struct {
        const char* szTyped;
        UINT nButton;
        int nDelay;
    } steps[] = {
        {"25", IDOK, 25},         {nullptr, IDOK, 25},  {"99", IDCANCEL, 25},
        {"", IDOK, 0},            {"  -7", IDOK, -7},   {"40ms", IDOK, 40},
        {"fast", IDOK, 0},        {"99999999999", IDOK, INT_MAX},
    };
    for (const auto& step : steps) {
        std::vector<DialogStep> script;
        if (step.szTyped != nullptr)
            script.push_back(SetTextStep(IDC_CARD_DELAY, step.szTyped));
        script.push_back(ClickStep(step.nButton));
        ScriptNextDialog(IDD_CARD_OPTIONS, script);
        ASSERT_TRUE(ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS));
        EXPECT_EQ(step.nDelay, dlgMain.GetCardDelay()) << (step.szTyped ? step.szTyped : "-");
        EXPECT_EQ(step.nDelay, OpenSettings().ReadInt("CardDelay", -1));
    }
}

TEST_F(CMainDlgTest, EleventhGameIsRefusedAndFreedSlotIsReused)
{
    RegisterGame(MakePlainGame);
    {
        CMainDlg dlgMain;
        OpenLauncher(dlgMain);
        for (int i = 0; i < CMainDlg::GAME_SLOT_COUNT; i++)
            dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        for (int i = 0; i < CMainDlg::GAME_SLOT_COUNT; i++)
            EXPECT_NE(nullptr, dlgMain.GetGameDlg(i)) << "slot " << i;

        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        EXPECT_EQ(10, CPlainGameDlg::s_nAlive) << "an eleventh window is refused";

        dlgMain.GetGameDlg(3)->SendMessage(WM_CLOSE);
        EXPECT_EQ(nullptr, dlgMain.GetGameDlg(3));
        EXPECT_EQ(9, CPlainGameDlg::s_nAlive) << "the closed window is deleted";

        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        EXPECT_NE(nullptr, dlgMain.GetGameDlg(3));
        EXPECT_EQ(10, CPlainGameDlg::s_nAlive);
    }
    EXPECT_EQ(0, CPlainGameDlg::s_nAlive) << "the launcher deletes the games it still holds";
}

TEST_F(CMainDlgTest, ClosingLauncherTakesGamesAlongWithoutSavingTheirRects)
{
    RegisterGame(MakePlainGame);
    {
        CMainDlg dlgMain;
        OpenLauncher(dlgMain);
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_DUMMY);
        dlgMain.SendMessage(WM_COMMAND, ID_GAME_RUMMY);
        ASSERT_NE(nullptr, dlgMain.GetGameDlg(0));
        EXPECT_EQ(nullptr, dlgMain.GetGameDlg(1)) << "a command without a game opens nothing";
        const HWND hGame = dlgMain.GetGameDlg(0)->GetSafeHwnd();
        dlgMain.DestroyWindow();
        EXPECT_FALSE(IsWindow(hGame)) << "the launcher's window owned the game's";
        EXPECT_EQ(1, CPlainGameDlg::s_nAlive) << "the object stays until the launcher goes";
    }
    EXPECT_EQ(0, CPlainGameDlg::s_nAlive);
    EXPECT_EQ(CRect(1, 2, 3, 4), OpenSettings().ReadRect("UnknownRect", CRect(1, 2, 3, 4)));
}

TEST_F(CMainDlgTest, StartUpRunsLauncherAndEndsWhenItCloses)
{
    CVarrowApp app;
    ScriptNextDialog(IDD_MAIN, {KeyStep(VK_ESCAPE)});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(0u, GetPendingScriptCount()) << "the launcher ran";
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(12, OpenSettings().ReadInt("version", 0));
    // A box that brings no caption of its own is titled with the application's name.
    AfxMessageBox("Sockets or not");
    ASSERT_FALSE(GetMessageBoxes().empty());
    EXPECT_EQ("OrvelBridge", GetMessageBoxes().back().strCaption);
}

} // namespace
