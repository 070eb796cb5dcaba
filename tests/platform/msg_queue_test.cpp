// The message loop: posting, sending, filtered peeking, paint generation, idle sources and
// Sleep.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/msg/IdleSource.h"
#include "platform/msg/loop.h"
#include "platform/testing/driver.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/SessionEnd.h"
#include "platform/wnd/WindowHandle.h"
#include "tests/platform/dialog_fixture.h"

namespace {

constexpr UINT WM_TEST = WM_USER + 1;

// A top-level window that records what it receives.
class CRecordingWnd : public CWnd {
public:
    std::vector<UINT> m_messages;
    std::vector<WPARAM> m_params;
    int m_nPaints = 0;
    int m_nPresses = 0;

    BOOL CreateTop(const char* szName, CWnd* pOwner = nullptr)
    {
        return CreateEx(0, szName, WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(10, 10, 210, 110), pOwner, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TEST) {
            m_messages.push_back(message);
            m_params.push_back(wParam);
            return static_cast<LRESULT>(wParam) * 2;
        }
        if (message == WM_LBUTTONDOWN)
            ++m_nPresses;
        return CWnd::WindowProc(message, wParam, lParam);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CPipeSource : public plat::IdleSource {
public:
    int m_fds[2] = {-1, -1};
    int m_nReady = 0;
    CWnd* m_pCloseOnReady = nullptr;
    CPipeSource() { EXPECT_EQ(pipe(m_fds), 0); }
    ~CPipeSource() override
    {
        close(m_fds[0]);
        close(m_fds[1]);
    }
    int Fd() const override { return m_fds[0]; }
    short Events() const override { return POLLIN; }
    void OnReady(short revents) override
    {
        char ch = 0;
        if ((revents & POLLIN) != 0 && read(m_fds[0], &ch, 1) == 1)
            ++m_nReady;
        if (m_pCloseOnReady != nullptr)
            m_pCloseOnReady->DestroyWindow();
    }
};

} // namespace

TEST(CMessageQueue, PostedMessagesArriveInOrder)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("order"));
    for (WPARAM i = 1; i <= 3; ++i)
        EXPECT_TRUE(wnd.PostMessage(WM_TEST, i));
    plat::test::RunUntilIdle();
    EXPECT_EQ(wnd.m_params, (std::vector<WPARAM>{1, 2, 3}));
}

TEST(CMessageQueue, SendMessageCallsAtOnceAndReturnsTheResult)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("send"));
    EXPECT_EQ(wnd.SendMessage(WM_TEST, 21), 42);
    EXPECT_EQ(wnd.m_messages.size(), 1u);
}

TEST(CMessageQueue, PeekWithWindowFilterLeavesOtherWindowsMessagesQueued)
{
    CRecordingWnd first;
    CRecordingWnd second;
    ASSERT_TRUE(first.CreateTop("first"));
    ASSERT_TRUE(second.CreateTop("second"));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &first, 7));
    plat::test::RunUntilIdle();

    second.PostMessage(WM_TEST, 1);
    ::PostMessage(child.m_hWnd, WM_TEST, 2, 0);
    first.PostMessage(WM_TEST, 3);
    std::vector<WPARAM> seen;
    MSG msg;
    while (::PeekMessage(&msg, first.m_hWnd, 0, 0, PM_REMOVE))
        seen.push_back(msg.wParam);
    // The child's message counts as the filtered window's; the other top-level one stays.
    EXPECT_EQ(seen, (std::vector<WPARAM>{2, 3}));
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, second.m_hWnd);
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
}

TEST(CMessageQueue, PaintComesOnlyWhenNothingElseWaits)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("paint"));
    plat::test::RunUntilIdle();
    wnd.Invalidate(FALSE);
    wnd.PostMessage(WM_TEST, 5);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TEST));
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    ::DispatchMessage(&msg);
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(CMessageQueue, HiddenWindowsAreNotPainted)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("hidden"));
    plat::test::RunUntilIdle();
    int nPaints = wnd.m_nPaints;
    wnd.ShowWindow(SW_HIDE);
    wnd.Invalidate();
    plat::test::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, nPaints);
    wnd.ShowWindow(SW_SHOW);
    plat::test::RunUntilIdle();
    EXPECT_EQ(wnd.m_nPaints, nPaints + 1);
}

TEST(CMessageQueue, MessagesForADestroyedWindowAreDropped)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("gone"));
    wnd.PostMessage(WM_TEST, 1);
    wnd.DestroyWindow();
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(::PostMessage(nullptr, WM_TEST, 0, 0));
}

TEST(CMessageQueue, ALookForAWindowsMessagesFindsNothingOnceWhatItRanClosedTheWindow)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("closed by a signal"));
    wnd.Invalidate();
    const HWND hWnd = wnd.m_hWnd;
    CPipeSource source;
    source.m_pCloseOnReady = &wnd;
    AfxRegisterIdleSource(&source);
    ASSERT_EQ(write(source.m_fds[1], "x", 1), 1);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, hWnd, 0, 0, PM_REMOVE));
    EXPECT_FALSE(::IsWindow(hWnd));
    AfxUnregisterIdleSource(&source);
}

TEST(CMessageQueue, GetMessageReturnsFalseForQuit)
{
    ::PostQuitMessage(3);
    MSG msg;
    EXPECT_FALSE(::GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(CMessageQueue, IdleSourceIsPolledWhenPeekFindsNothing)
{
    CPipeSource source;
    AfxRegisterIdleSource(&source);
    AfxRegisterIdleSource(&source);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(source.m_nReady, 0);
    ASSERT_EQ(write(source.m_fds[1], "x", 1), 1);
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(source.m_nReady, 1);
    AfxUnregisterIdleSource(&source);
    ASSERT_EQ(write(source.m_fds[1], "x", 1), 1);
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(source.m_nReady, 1);
}

TEST(CMessageQueue, GetMessageWakesForAnIdleSourceThatPostsAMessage)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("wake"));
    plat::test::RunUntilIdle();
    struct CPoster : CPipeSource {
        HWND m_hWnd = nullptr;
        void OnReady(short revents) override
        {
            CPipeSource::OnReady(revents);
            ::PostMessage(m_hWnd, WM_TEST, 9, 0);
        }
    } source;
    source.m_hWnd = wnd.m_hWnd;
    AfxRegisterIdleSource(&source);
    ASSERT_EQ(write(source.m_fds[1], "x", 1), 1);
    MSG msg;
    ASSERT_TRUE(::GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 9u);
    AfxUnregisterIdleSource(&source);
}

// While nothing happens the loop sleeps in one wait on the watched descriptors (and the
// window system's), not in slices that look again and again.
TEST(CMessageQueue, GetMessageSleepsUntilAWatchedDescriptorTurnsReady)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("sleep"));
    plat::test::RunUntilIdle();
    struct CTimerSource : plat::IdleSource {
        int m_nFd = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
        HWND m_hWnd = nullptr;
        ~CTimerSource() override { close(m_nFd); }
        int Fd() const override { return m_nFd; }
        short Events() const override { return POLLIN; }
        void OnReady(short) override
        {
            uint64_t nExpiries = 0;
            if (read(m_nFd, &nExpiries, sizeof(nExpiries)) == sizeof(nExpiries))
                ::PostMessage(m_hWnd, WM_TEST, 7, 0);
        }
    } source;
    ASSERT_GE(source.m_nFd, 0);
    source.m_hWnd = wnd.m_hWnd;
    // Long enough for a loop that looks every few milliseconds to look a dozen times.
    constexpr long TIMER_NANOSECONDS = 100000000;
    itimerspec due = {};
    due.it_value.tv_nsec = TIMER_NANOSECONDS;
    ASSERT_EQ(timerfd_settime(source.m_nFd, 0, &due, nullptr), 0);
    AfxRegisterIdleSource(&source);
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    const long nPumpsBefore = backend.GetPumpCount();
    MSG msg;
    ASSERT_TRUE(::GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 7u);
    // One look before the wait, one as the wait begins, at most one after it.
    EXPECT_LE(backend.GetPumpCount() - nPumpsBefore, 3);
    AfxUnregisterIdleSource(&source);
}

// An invalid window makes a fresh paint at every peek, so a reset that drained the queue
// by peeking would never finish (the watchdog would end the program here).
TEST(ResetDriver, DropsQueuedWorkWithoutDispatchingAndLeavesThePaintForLater)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("reset"));
    plat::test::RunUntilIdle();
    const int nPaints = wnd.m_nPaints;
    wnd.Invalidate(FALSE);
    wnd.PostMessage(WM_TEST, 4);
    plat::test::Click(&wnd, CPoint(20, 20));
    ::PostQuitMessage(1);

    plat::test::ResetDriver();
    EXPECT_EQ(wnd.m_nPaints, nPaints);
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));

    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    ::DispatchMessage(&msg);
    EXPECT_FALSE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(wnd.m_nPaints, nPaints + 1);
    EXPECT_TRUE(wnd.m_messages.empty());
    EXPECT_EQ(wnd.m_nPresses, 0);
}

TEST(Sleep, InstantSleepCountsCallsAndMilliseconds)
{
    plat::ResetSleepRecord();
    ::Sleep(10);
    ::Sleep(15);
    plat::SleepRecord record = plat::GetSleepRecord();
    EXPECT_EQ(record.nCalls, 2);
    EXPECT_EQ(record.nTotalMs, 25);
}

// A pause ends as soon as a close request, a quit or an end signal waits, however long it
// was to be, and the close request is then there to be taken: a close box (also one the
// window system read while the program drew), a close message, or Escape in the main dialog,
// which ends the program. Escape elsewhere lets the pause run.
TEST(Sleep, EndsOnceACloseAQuitOrAnEndSignalWaits)
{
    fixture::RegisterEveryControlTemplate();
    fixture::CEveryControlDlg main;
    fixture::CEveryControlDlg other;
    main.m_bCountOnly = true;
    ASSERT_TRUE(main.Create(fixture::IDD_EVERY_CONTROL));
    ASSERT_TRUE(other.Create(fixture::IDD_EVERY_CONTROL));
    CWinApp app;
    app.m_pMainWnd = &main;
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    const struct {
        std::function<void()> arrange;
        UINT nTaken;  // the close request AfxPeekCloseRequest takes then; 0: none
        bool bEndsEarly;
    } cases[] = {
        {[] {}, 0, false},
        {[&] { plat::test::PressCloseBox(&other); }, WM_SYSCOMMAND, true},
        {[&] { other.PostMessage(WM_CLOSE); }, WM_CLOSE, true},
        {[&] { backend.HoldCloseBox(other.m_hWnd); }, WM_SYSCOMMAND, true},
        {[] { ::PostQuitMessage(0); }, 0, true},
        {[&] { plat::test::PressKey(&main, VK_ESCAPE); }, WM_KEYDOWN, true},
        {[&] { backend.HoldKey(main.m_hWnd, VK_ESCAPE, true); }, WM_KEYDOWN, true},
        {[&] { plat::test::PressKey(&other, VK_ESCAPE); }, 0, false},
        // The signal comes while the pause runs.
        {[] { plat::WatchEndSignals(); std::thread([] { usleep(20000); kill(getpid(), SIGTERM); }).detach(); }, 0, true},
    };
    for (size_t i = 0; i < std::size(cases); i++) {
        plat::test::ResetDriver();
        cases[i].arrange();
        const auto pause = std::chrono::milliseconds(cases[i].bEndsEarly ? 5000 : 50);
        const auto start = std::chrono::steady_clock::now();
        plat::SetInstantSleep(false);
        ::Sleep(static_cast<DWORD>(pause.count()));
        plat::SetInstantSleep(true);
        EXPECT_EQ(cases[i].bEndsEarly, std::chrono::steady_clock::now() - start < pause) << i;
        MSG msg = {};
        EXPECT_EQ(cases[i].nTaken, ::AfxPeekCloseRequest(&msg) ? msg.message : 0u) << i;
        plat::EndSignalWatch();
    }
    // Only the end signal closed the main window, as its close box would.
    EXPECT_EQ(1, main.m_nCancel);
    app.m_pMainWnd = nullptr;
}

// While frames are paced, drawing reaches the screen, and paints are handed out, at most once
// a frame; a pause, a wait of the loop and the pacing's end show what was held.
TEST(CFramePacing, BringsTheScreenUpToDateAtMostOnceAFrame)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTop("paced"));
    plat::test::RunUntilIdle();
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    const auto drawAndPeek = [&] {
        CClientDC(&wnd).FillSolidRect(0, 0, 10, 10, RGB(1, 2, 3));
        wnd.Invalidate(FALSE);
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
    };
    const auto isUpToDate = [&] { return wnd.m_hWnd->m_rectHeld.IsRectEmpty() && wnd.m_hWnd->m_rectInvalid.IsRectEmpty(); };
    {
        CFramePacing pacing;
        const long nPresentsBefore = backend.GetPresentCount();
        const int nPaintsBefore = wnd.m_nPaints;
        const DWORD dwStart = plat::GetTickCount();
        for (int i = 0; i < 2000; i++)
            drawAndPeek();
        const long nFrames = static_cast<long>((plat::GetTickCount() - dwStart) / CFramePacing::FRAME_MS) + 1;
        EXPECT_LE(backend.GetPresentCount() - nPresentsBefore, nFrames + 1);
        EXPECT_LE(wnd.m_nPaints - nPaintsBefore, nFrames);
        for (const auto& endFrame : {std::function<void()>([] { ::Sleep(1); }), std::function<void()>([] {
                 plat::CMessageQueue::Get().Wait(0);
                 plat::test::RunUntilIdle();
                 plat::CMessageQueue::Get().Wait(0);
             })}) {
            drawAndPeek();
            endFrame();
            drawAndPeek();
            endFrame();
            EXPECT_TRUE(isUpToDate());
        }
        drawAndPeek();
    }
    EXPECT_TRUE(wnd.m_hWnd->m_rectHeld.IsRectEmpty());
    const long nPresentsAfterEnd = backend.GetPresentCount();
    drawAndPeek();
    EXPECT_EQ(nPresentsAfterEnd + 1, backend.GetPresentCount()) << "shown at once";
    EXPECT_TRUE(isUpToDate());
}
