#pragma once
// The message loop's calls, spelled as the framework spells them. Everything runs on one
// thread; loops may nest (a modal dialog inside a handler, a message box inside that).

#include "platform/msg/IdleSource.h"
#include "platform/msg/messages.h"

// Queues a message for hWnd; FALSE when the window does not exist.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Calls hWnd's procedure at once and returns its result (0 for a window that does not exist).
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Takes the next message for hWnd and its child controls (nullptr: any window) within
// nMin..nMax (both 0: all) when there is one; with PM_REMOVE it leaves the queue. Never waits.
BOOL PeekMessage(LPMSG pMsg, HWND hWnd, UINT nMin, UINT nMax, UINT nRemove);
// Waits for and removes the next message; FALSE when it is WM_QUIT.
BOOL GetMessage(LPMSG pMsg, HWND hWnd, UINT nMin, UINT nMax);
// Key translation happens in the backends, which report characters themselves.
BOOL TranslateMessage(const MSG* pMsg);
// Hands the message to its window's procedure; paints nothing twice.
LRESULT DispatchMessage(const MSG* pMsg);
void PostQuitMessage(int nExitCode);
// Waits until a message may be there.
BOOL WaitMessage();

// Pauses the thread for dwMilliseconds (instant, but counted, when tests ask for it). The
// window system is answered meanwhile (the window manager's ping), its events left waiting
// for the loop; the pause ends early once a request to close a window, a quit or an end
// signal waits (AfxIsCloseRequestWaiting), so that the work that paused can hurry to where it
// lets them through. A pause ends a frame of the frame pacing (FramePacing.h).
void Sleep(DWORD dwMilliseconds);

// For long work that lets only closing through while it runs: takes the first waiting
// request to close a window, whatever the window: its close box, WM_CLOSE, or Escape in the
// application's main dialog, which ends the program. The window system's events and the idle
// sources' news are taken in first (an end signal closes the main window there). Other
// messages keep their places. Never waits.
BOOL AfxPeekCloseRequest(LPMSG pMsg);
// For work that must not dispatch now (a card sliding): answers the window system, and tells
// whether a close request (as above), a quit or an end signal waits, so that the work can
// hurry to where it lets them through.
BOOL AfxIsCloseRequestWaiting();

namespace plat {

// Tests: makes Sleep return at once while still counting its calls and milliseconds.
void SetInstantSleep(bool bInstant);
struct SleepRecord {
    long nCalls;
    long nTotalMs;
};
SleepRecord GetSleepRecord();
void ResetSleepRecord();

} // namespace plat
