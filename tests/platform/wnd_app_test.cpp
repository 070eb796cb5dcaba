// CWinApp: start-up through AfxWinMain, the application name, the main window as the owner
// of modal dialogs that have no parent, and the application's command map.

#include <gtest/gtest.h>

#include "platform/base/ids.h"
#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "tests/platform/dialog_fixture.h"

namespace test = plat::test;

namespace {

// Runs a launcher-like dialog modally as the main window from InitInstance.
class CTestApp : public CWinApp {
public:
    int m_nInits = 0;
    INT_PTR m_nLauncherResult = 0;
    bool m_bLauncherDisabledDuringChild = false;
    bool m_bOwnerEnabledDuringChild = true;

    BOOL InitInstance() override
    {
        ++m_nInits;
        fixture::CEveryControlDlg launcher;
        m_pMainWnd = &launcher;
        m_nLauncherResult = launcher.DoModal();
        m_pMainWnd = nullptr;
        return FALSE;
    }
};

} // namespace

TEST(CWinApp, AppNameIsTheExecutablesStemUnlessGiven)
{
    EXPECT_STREQ(AfxGetAppName(), "platform_tests");
    {
        CWinApp app("Named");
        EXPECT_STREQ(AfxGetAppName(), "Named");
        EXPECT_EQ(AfxGetApp(), &app);
    }
    CWinApp app;
    EXPECT_STREQ(AfxGetAppName(), "platform_tests");
}

TEST(CWinApp, WinMainEndsWhenInitInstanceReturnsFalse)
{
    fixture::RegisterEveryControlTemplate();
    CTestApp app;
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::KeyStep(VK_ESCAPE)});
    EXPECT_EQ(AfxWinMain(0, nullptr), 0);
    EXPECT_EQ(app.m_nInits, 1);
    EXPECT_EQ(app.m_nLauncherResult, IDCANCEL);
}

TEST(CWinApp, ModalDialogWithoutParentDisablesTheMainWindowButNotOtherWindows)
{
    fixture::RegisterEveryControlTemplate();
    CWinApp app;
    fixture::CEveryControlDlg launcher;
    ASSERT_TRUE(launcher.Create(fixture::IDD_EVERY_CONTROL));
    app.m_pMainWnd = &launcher;
    fixture::CEveryControlDlg game(&launcher);
    ASSERT_TRUE(game.Create(fixture::IDD_EVERY_CONTROL, &launcher));

    struct CAbout : fixture::CEveryControlDlg {
        bool m_bMainEnabled = true;
        bool m_bGameEnabled = false;
        CWnd* m_pMain = nullptr;
        CWnd* m_pGame = nullptr;
        BOOL OnInitDialog() override
        {
            m_bMainEnabled = m_pMain->IsWindowEnabled() != FALSE;
            m_bGameEnabled = m_pGame->IsWindowEnabled() != FALSE;
            return fixture::CEveryControlDlg::OnInitDialog();
        }
    } about;
    about.m_pMain = &launcher;
    about.m_pGame = &game;
    test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(IDOK)});
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_FALSE(about.m_bMainEnabled);
    EXPECT_TRUE(about.m_bGameEnabled);
    EXPECT_TRUE(launcher.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}

TEST(CWinApp, CommandsNoWindowHandlesReachTheApplicationsMap)
{
    struct CHelpApp : CWinApp {
        int m_nHelps = 0;
        BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
        {
            if (nID == ID_HELP && nCode == CN_COMMAND)
                ++m_nHelps;
            return CWinApp::OnCmdMsg(nID, nCode, pExtra, pInfo);
        }
    } app;
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "Plain", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    wnd.SendMessage(WM_COMMAND, ID_HELP);
    EXPECT_EQ(app.m_nHelps, 1);
}
