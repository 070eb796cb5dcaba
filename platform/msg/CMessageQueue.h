#pragma once
// CMessageQueue: the one message queue of the program's single thread. It holds posted
// messages in order, makes WM_PAINT for invalid windows when nothing else waits, asks the
// backend for OS events and polls the registered idle sources; with nothing to do it sleeps
// until the window system, an idle source or a timeout wakes it. Nested loops (modal
// dialogs, message boxes, a game pumping between card moves) all read this queue.

#include <poll.h>

#include <deque>
#include <vector>

#include "platform/msg/IdleSource.h"
#include "platform/msg/messages.h"

namespace plat {

class CMessageQueue {
public:
    static CMessageQueue& Get();

    CMessageQueue(const CMessageQueue&) = delete;
    CMessageQueue& operator=(const CMessageQueue&) = delete;

    void Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuit(int nExitCode);

    // The next message for hFilter (and its children) or for any window (nullptr), within
    // nMin..nMax unless both are 0; WM_PAINT when only invalid windows remain. Looks once
    // at OS events and idle sources first. With bRemove the message leaves the queue.
    bool Peek(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove);
    // Sleeps until an OS event, an idle source or the timeout (negative: none) gives reason
    // to look again: on the backend's event descriptor together with the idle sources, with
    // no polling slice (but on a backend without such a descriptor).
    void Wait(int nTimeoutMs);
    // Takes in OS events and the idle sources' news, then takes the first request to close
    // a window (its close command, WM_CLOSE), whatever the window, out of the queue; other
    // messages keep their places.
    bool PeekCloseRequest(MSG* pMsg);
    // Whether a request to close a window waits in the queue.
    bool HasCloseRequest() const;

    // Drops every queued message for a window that is going away.
    void RemoveMessagesFor(HWND hWnd);
    // Drops every posted message and a pending quit. Invalid windows stay invalid: their
    // paints are made afresh when a loop next finds the queue empty.
    void DiscardPosted();
    // Number of posted messages waiting.
    size_t GetPostedCount() const { return m_posted.size(); }

    void RegisterIdleSource(IdleSource* pSource);
    void UnregisterIdleSource(IdleSource* pSource);
    // Polls the idle sources for up to nTimeoutMs and runs the ready ones' OnReady. True when
    // any was ready.
    bool PollIdleSources(int nTimeoutMs);

private:
    CMessageQueue() = default;
    bool MatchesFilter(const MSG& msg, HWND hFilter, UINT nMin, UINT nMax) const;
    bool PeekPosted(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove);
    bool PeekPaint(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax);
    void CollectSources(std::vector<pollfd>& fds, std::vector<IdleSource*>& polled) const;
    // Sleeps in one poll on the idle sources and the backend's event descriptor for up to
    // nTimeoutMs (negative: no limit), then runs the ready sources' OnReady. True when a
    // source was ready; false for OS events and the timeout.
    bool WatchSources(int nTimeoutMs);
    // Runs OnReady of each source whose entry in fds has revents (fds may hold more entries
    // than polled); true when any had.
    bool RunReadySources(const std::vector<pollfd>& fds, const std::vector<IdleSource*>& polled);

    std::deque<MSG> m_posted;
    std::vector<IdleSource*> m_sources;
    bool m_bQuitPosted = false;
    int m_nQuitCode = 0;
    // When the backend was last asked for OS events (GetTickCount).
    DWORD m_dwLastPump = 0;
};

// Milliseconds since the program started.
DWORD GetTickCount();

} // namespace plat
