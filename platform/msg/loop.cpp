#include "platform/msg/loop.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/SessionEnd.h"
#include "platform/wnd/WindowTree.h"

namespace {

// A sleep on a backend whose events no descriptor announces answers the window system this
// often.
constexpr int SERVE_SLICE_MS = 5;
constexpr long MICROSECONDS_PER_MILLISECOND = 1000;

bool s_bInstantSleep = false;
plat::SleepRecord s_sleepRecord = {0, 0};

// Sleeps until the deadline. Whenever the display sends something meanwhile, the window
// system's library reads and answers it, and the sleep goes on to the same deadline.
void SleepServing(std::chrono::steady_clock::time_point deadline)
{
    plat::CBackend* pBackend = plat::GetBackendIfMade();
    for (;;) {
        const auto remaining = deadline - std::chrono::steady_clock::now();
        const long nMicroseconds = static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(remaining).count());
        if (nMicroseconds <= 0)
            return;
        const int nFd = pBackend != nullptr ? pBackend->GetEventFd() : plat::CBackend::NO_EVENT_FD;
        if (nFd == plat::CBackend::NO_EVENT_FD) {
            std::this_thread::sleep_until(deadline);
            return;
        }
        int nWaitMs = static_cast<int>((nMicroseconds + MICROSECONDS_PER_MILLISECOND - 1) / MICROSECONDS_PER_MILLISECOND);
        pollfd fd = {nFd, POLLIN, 0};
        if (nFd == plat::CBackend::EVENT_FD_UNKNOWN)
            poll(nullptr, 0, std::min(nWaitMs, SERVE_SLICE_MS));
        else if (poll(&fd, 1, nWaitMs) <= 0)
            continue;
        pBackend->ServeWindowSystem();
    }
}

} // namespace

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!plat::IsLiveWindow(hWnd))
        return FALSE;
    plat::CMessageQueue::Get().Post(hWnd, message, wParam, lParam);
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return plat::CallWindowProcedure(hWnd, message, wParam, lParam);
}

BOOL PeekMessage(LPMSG pMsg, HWND hWnd, UINT nMin, UINT nMax, UINT nRemove)
{
    return plat::CMessageQueue::Get().Peek(pMsg, hWnd, nMin, nMax, (nRemove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessage(LPMSG pMsg, HWND hWnd, UINT nMin, UINT nMax)
{
    plat::CMessageQueue& queue = plat::CMessageQueue::Get();
    while (!queue.Peek(pMsg, hWnd, nMin, nMax, true))
        queue.Wait(-1);
    return pMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* pMsg)
{
    return pMsg != nullptr && (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN);
}

LRESULT DispatchMessage(const MSG* pMsg)
{
    if (pMsg == nullptr || !plat::IsLiveWindow(pMsg->hwnd))
        return 0;
    HWND hWnd = pMsg->hwnd;
    if (pMsg->message != WM_PAINT)
        return plat::CallWindowProcedure(hWnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    plat::PaintNonClient(hWnd);
    LRESULT lResult = plat::CallWindowProcedure(hWnd, WM_PAINT, pMsg->wParam, pMsg->lParam);
    // A handler that drew nothing must not be asked again and again.
    if (plat::IsLiveWindow(hWnd))
        plat::ValidateWindow(hWnd);
    return lResult;
}

void PostQuitMessage(int nExitCode)
{
    plat::CMessageQueue::Get().PostQuit(nExitCode);
}

BOOL WaitMessage()
{
    plat::CMessageQueue::Get().Wait(-1);
    return TRUE;
}

void Sleep(DWORD dwMilliseconds)
{
    ++s_sleepRecord.nCalls;
    s_sleepRecord.nTotalMs += static_cast<long>(dwMilliseconds);
    if (!s_bInstantSleep)
        SleepServing(std::chrono::steady_clock::now() + std::chrono::milliseconds(dwMilliseconds));
}

BOOL AfxPeekCloseRequest(LPMSG pMsg)
{
    return plat::CMessageQueue::Get().PeekCloseRequest(pMsg) ? TRUE : FALSE;
}

BOOL AfxIsCloseRequestWaiting()
{
    if (plat::CMessageQueue::Get().HasCloseRequest() || plat::IsEndSessionWaiting())
        return TRUE;
    plat::CBackend* pBackend = plat::GetBackendIfMade();
    return pBackend != nullptr && pBackend->ServeWindowSystem() ? TRUE : FALSE;
}

namespace plat {

void SetInstantSleep(bool bInstant)
{
    s_bInstantSleep = bInstant;
}

SleepRecord GetSleepRecord()
{
    return s_sleepRecord;
}

void ResetSleepRecord()
{
    s_sleepRecord = SleepRecord{0, 0};
}

} // namespace plat
