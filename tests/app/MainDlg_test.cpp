#include "app/MainDlg.h"

#include <unistd.h>

#include <climits>

#include "app/ShellSettings.h"
#include "app/VarrowApp.h"
#include "cardtable/RegSettings.h"
#include "platform/reg/registry.h"
#include "platform/testing/driver.h"
#include "resources/CardImages.h"
#include "resources/resource.h"
#include "tests/app/ShellTestSupport.h"

namespace {

using namespace plat::test;

CGameDlg* MakePlainGame(CMainDlg* pMainDlg)
{
    return new CPlainGameDlg(pMainDlg);
}

CRegSettings OpenSettings()
{
    return CRegSettings(shell_settings::ROOT_KEY, shell_settings::MAKER_KEY,
                        shell_settings::SUITE_KEY);
}

// Whether the value is stored at all (an empty value is stored; a missing one is not), and
// its text.
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

CString WorkingFolder()
{
    char szFolder[PATH_MAX] = {};
    return getcwd(szFolder, sizeof(szFolder)) != nullptr ? CString(szFolder) : CString();
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
    EXPECT_EQ(WorkingFolder() + "/sounds", strText);
}

TEST_F(CMainDlgTest, CurrentVersionLeavesBidRectAndSoundDirAlone)
{
    OpenSettings().WriteInt("version", 12);
    OpenSettings().WriteString("BidRect", "1,2,3,4");
    OpenSettings().WriteString("SoundDir", "/srv/voices");
    OpenSettings().WriteInt("CardDelay", 3);
    CMainDlg dlgMain;
    dlgMain.LoadSettings();

    EXPECT_EQ(3, dlgMain.GetCardDelay());
    EXPECT_EQ("1,2,3,4", OpenSettings().ReadString("BidRect", ""));
    EXPECT_EQ("/srv/voices", OpenSettings().ReadString("SoundDir", ""));
    EXPECT_EQ(12, OpenSettings().ReadInt("version", 0));
}

TEST_F(CMainDlgTest, OlderVersionLosesSavedBidRect)
{
    OpenSettings().WriteInt("version", 11);
    OpenSettings().WriteString("BidRect", "1,2,3,4");
    CMainDlg dlgMain;
    dlgMain.LoadSettings();

    CString strText;
    ASSERT_TRUE(ReadRawValue("BidRect", &strText));
    EXPECT_EQ("", strText);
    EXPECT_EQ(12, OpenSettings().ReadInt("version", 0));
}

TEST_F(CMainDlgTest, LauncherIsGreenWithItsMenu)
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
}

TEST_F(CMainDlgTest, AboutCommandShowsTheAboutBox)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    ScriptNextDialog(IDD_ABOUTBOX, {ClickStep(IDOK)});
    EXPECT_TRUE(ChooseCommand(&dlgMain, ID_HELP_ABOUT));
    EXPECT_EQ(0u, GetPendingScriptCount());
}

TEST_F(CMainDlgTest, CardOptionsStoreTheTypedDelay)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);

    ScriptNextDialog(IDD_CARD_OPTIONS, {SetTextStep(IDC_CARD_DELAY, "25"), ClickStep(IDOK)});
    ASSERT_TRUE(ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS));
    EXPECT_EQ(25, dlgMain.GetCardDelay());
    EXPECT_EQ(25, OpenSettings().ReadInt("CardDelay", -1));

    // The box opens with the current delay: OK without typing keeps it.
    ScriptNextDialog(IDD_CARD_OPTIONS, {ClickStep(IDOK)});
    ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS);
    EXPECT_EQ(25, dlgMain.GetCardDelay());

    ScriptNextDialog(IDD_CARD_OPTIONS, {SetTextStep(IDC_CARD_DELAY, "99"), ClickStep(IDCANCEL)});
    ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS);
    EXPECT_EQ(25, dlgMain.GetCardDelay());
    EXPECT_EQ(25, OpenSettings().ReadInt("CardDelay", -1));

    ScriptNextDialog(IDD_CARD_OPTIONS, {SetTextStep(IDC_CARD_DELAY, ""), ClickStep(IDOK)});
    ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS);
    EXPECT_EQ(0, dlgMain.GetCardDelay());
    EXPECT_EQ(0, OpenSettings().ReadInt("CardDelay", -1));
}

TEST_F(CMainDlgTest, CardDelayTextReadsAsLeadingNumber)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    const struct {
        const char* szTyped;
        int nDelay;
    } cases[] = {
        {"  -7", -7},
        {"40ms", 40},
        {"fast", 0},
        {"99999999999", INT_MAX},
    };
    for (const auto& c : cases) {
        ScriptNextDialog(IDD_CARD_OPTIONS, {SetTextStep(IDC_CARD_DELAY, c.szTyped), ClickStep(IDOK)});
        ChooseCommand(&dlgMain, ID_OPTIONS_CARDOPTIONS);
        EXPECT_EQ(c.nDelay, dlgMain.GetCardDelay()) << c.szTyped;
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
        EXPECT_EQ(10, CPlainGameDlg::s_nAlive);
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

TEST_F(CMainDlgTest, CommandWithoutGameOpensNothing)
{
    CMainDlg dlgMain;
    OpenLauncher(dlgMain);
    ASSERT_TRUE(ChooseCommand(&dlgMain, ID_FILE_PLAYBRIDGE));
    dlgMain.SendMessage(WM_COMMAND, ID_GAME_RUMMY);
    for (int i = 0; i < CMainDlg::GAME_SLOT_COUNT; i++)
        EXPECT_EQ(nullptr, dlgMain.GetGameDlg(i));
}

TEST_F(CMainDlgTest, StartUpRunsLauncherAndEndsWhenItCloses)
{
    CVarrowApp app;
    ScriptNextDialog(IDD_MAIN, {KeyStep(VK_ESCAPE)});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(0u, GetPendingScriptCount()) << "the launcher ran";
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(12, OpenSettings().ReadInt("version", 0));
}

} // namespace
