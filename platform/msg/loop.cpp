#include "platform/msg/loop.h"

#include "platform/msg/CMessageQueue.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/WindowTree.h"

namespace {

bool s_bInstantSleep = false;
plat::SleepRecord s_sleepRecord = {0, 0};

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
    if (s_bInstantSleep)
        plat::CatchUpFrame();
    else
        plat::CMessageQueue::Get().Doze(dwMilliseconds);
}

BOOL AfxPeekCloseRequest(LPMSG pMsg)
{
    return plat::CMessageQueue::Get().PeekCloseRequest(pMsg) ? TRUE : FALSE;
}

BOOL AfxIsCloseRequestWaiting()
{
    return plat::CMessageQueue::Get().IsCloseRequestWaiting() ? TRUE : FALSE;
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
