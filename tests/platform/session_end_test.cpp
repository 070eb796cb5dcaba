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

// A dialog whose opening sends the process m_nSignal.
struct CSignallingDlg : fixture::CEveryControlDlg {
    using fixture::CEveryControlDlg::CEveryControlDlg;
    int m_nSignal = SIGTERM;
    BOOL OnInitDialog() override
    {
        raise(m_nSignal);
        return fixture::CEveryControlDlg::OnInitDialog();
    }
};

// A main window, and under it a modal dialog that sends the signal as it opens.
class CSignalledApp : public CWinApp {
public:
    int m_nSignal = SIGTERM;
    int m_nMainCancels = 0;
    INT_PTR m_nChildResult = 0;

    BOOL InitInstance() override
    {
        fixture::CEveryControlDlg main;
        main.m_bCountOnly = true;
        main.Create(fixture::IDD_EVERY_CONTROL);
        m_pMainWnd = &main;
        CSignallingDlg child(&main);
        child.m_nSignal = m_nSignal;
        m_nChildResult = child.DoModal();
        m_pMainWnd = nullptr;
        m_nMainCancels = main.m_nCancel;
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

TEST(SessionEnd, EndSignalClosesTheMainWindowUnderItsModalChildAndEndsTheLoops)
{
    fixture::RegisterEveryControlTemplate();
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP}) {
        test::ResetDriver();
        CSignalledApp app;
        app.m_nSignal = nSignal;
        EXPECT_EQ(AfxWinMain(0, nullptr), 0) << nSignal;
        // The main window took the close as its close box gives it (Cancel), though the
        // child disabled it; the child's loop ended without an answer.
        EXPECT_EQ(app.m_nMainCancels, 1) << nSignal;
        EXPECT_EQ(app.m_nChildResult, IDCANCEL) << nSignal;
        EXPECT_TRUE(HasDefaultAction(nSignal)) << nSignal;
    }
    test::ResetDriver();
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
        ::testing::ExitedWithCode(0), "torn down");
}
