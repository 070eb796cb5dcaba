// The end of a session not ended by the person: the end signals close the main window from
// inside the message loop, even under a modal dialog, and end every loop; an exit from
// inside the session (the window system's library losing its display) ends the process at
// once.

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <cstdlib>

#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "platform/wnd/SessionEnd.h"
#include "tests/platform/dialog_fixture.h"

namespace test = plat::test;

namespace {

constexpr UINT ID_OPEN_CHILD = 40001;

// A launcher that, once shown, opens a modal child whose opening sends the process nSignal.
class CSignalledLauncher : public fixture::CEveryControlDlg {
public:
    int m_nSignal = SIGTERM;
    INT_PTR m_nChildResult = 0;

    BOOL OnInitDialog() override
    {
        PostMessage(WM_COMMAND, ID_OPEN_CHILD);
        return fixture::CEveryControlDlg::OnInitDialog();
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nID == ID_OPEN_CHILD && nCode == CN_COMMAND && pHandlerInfo == nullptr) {
            struct CSignallingChild : fixture::CEveryControlDlg {
                using fixture::CEveryControlDlg::CEveryControlDlg;
                int m_nSignal = SIGTERM;
                BOOL OnInitDialog() override
                {
                    raise(m_nSignal);
                    return fixture::CEveryControlDlg::OnInitDialog();
                }
            } child(this);
            child.m_nSignal = m_nSignal;
            m_nChildResult = child.DoModal();
            return TRUE;
        }
        return fixture::CEveryControlDlg::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

class CSignalledApp : public CWinApp {
public:
    int m_nSignal = SIGTERM;
    INT_PTR m_nLauncherResult = 0;
    int m_nLauncherCancels = 0;
    INT_PTR m_nChildResult = 0;

    BOOL InitInstance() override
    {
        CSignalledLauncher launcher;
        launcher.m_nSignal = m_nSignal;
        m_pMainWnd = &launcher;
        m_nLauncherResult = launcher.DoModal();
        m_pMainWnd = nullptr;
        m_nLauncherCancels = launcher.m_nCancel;
        m_nChildResult = launcher.m_nChildResult;
        return FALSE;
    }
};

bool HasDefaultAction(int nSignal)
{
    struct sigaction action = {};
    sigaction(nSignal, nullptr, &action);
    return action.sa_handler == SIG_DFL;
}

} // namespace

TEST(SessionEnd, EndSignalClosesTheMainWindowUnderItsModalChildAndEndsEveryLoop)
{
    fixture::RegisterEveryControlTemplate();
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP}) {
        test::ResetDriver();
        CSignalledApp app;
        app.m_nSignal = nSignal;
        EXPECT_EQ(AfxWinMain(0, nullptr), 0) << nSignal;
        // The launcher took the close as its close box gives it (Cancel), though its child
        // disabled it; the child's loop ended without an answer.
        EXPECT_EQ(app.m_nLauncherCancels, 1) << nSignal;
        EXPECT_EQ(app.m_nLauncherResult, IDCANCEL) << nSignal;
        EXPECT_EQ(app.m_nChildResult, IDCANCEL) << nSignal;
        EXPECT_TRUE(HasDefaultAction(nSignal)) << nSignal;
    }
    test::ResetDriver();
}

TEST(SessionEnd, RequestWithoutMainWindowEndsTheLoops)
{
    test::ResetDriver();
    plat::RequestEndSession();
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST(SessionEndDeathTest, ExitInsideTheSessionEndsAtOnceAndExitAfterItRunsItsCourse)
{
    // What was set up before the session (windows of the window system among it) is not
    // torn down when the window system's library exits from inside the session.
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("torn down", stderr); });
            plat::BeginSession();
            std::exit(0);
        },
        ::testing::ExitedWithCode(1), "^$");
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("torn down", stderr); });
            plat::BeginSession();
            plat::FinishSession();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^torn down$");
}
