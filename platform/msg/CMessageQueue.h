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
    // nMin..nMax unless both are 0, with bRemove taken out of the queue. First the window
    // system is asked for its events (at most once a millisecond, unless its library holds
    // some read already) and drawing held for the next frame is shown when that frame is due
    // (FramePacing.h). Then it looks in this order, stopping at the first found: the posted
    // messages; the raw input, routed one event at a time, the posted messages looked at
    // again after each; the idle sources, polled without waiting (their OnReady may post);
    // WM_QUIT (unfiltered peeks only); WM_PAINT for an invalid window, when frame pacing
    // lets it through.
    bool Peek(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove);
    // Sleeps until an OS event, an idle source or the timeout (negative: none) gives reason
    // to look again: one poll on the idle sources and the backend's event descriptor (on a
    // backend without one, slices of a few milliseconds). Drawing held back is shown, and
    // paints held back let through, first (FramePacing.h).
    void Wait(int nTimeoutMs);
    // Pauses for dwMilliseconds without handling any message, answering the window system
    // meanwhile and leaving its events waiting; ends early once a close request, a quit or an
    // end signal waits (IsCloseRequestWaiting). Drawing held back is shown, and paints held
    // back let through, first: a pause ends a frame.
    void Doze(DWORD dwMilliseconds);
    // Takes in OS events (as Peek does) and the idle sources' news, then takes the first
    // request to close a window, whatever the window, out of the queue, or else out of the raw
    // input not routed yet: a close command, WM_CLOSE, or a key that ends the program
    // (CInputRouter::IsClosingKey). Other messages keep their places.
    bool PeekCloseRequest(MSG* pMsg);
    // Whether a request to close a window, a quit or an end signal waits, in the queue, in
    // the raw input or among the events the window system has sent; answers the window
    // system meanwhile. Handles nothing.
    bool IsCloseRequestWaiting();

    // Drops every queued message for a window that is going away.
    void RemoveMessagesFor(HWND hWnd);
    // Drops every posted message and a pending quit. Invalid windows stay invalid: their
    // paints are made afresh when a loop next finds the queue empty.
    void DiscardPosted();
    // Number of posted messages waiting.
    size_t GetPostedCount() const { return m_posted.size(); }

    void RegisterIdleSource(IdleSource* pSource);
    void UnregisterIdleSource(IdleSource* pSource);

private:
    CMessageQueue() = default;
    bool MatchesFilter(const MSG& msg, HWND hFilter, UINT nMin, UINT nMax) const;
    bool PeekPosted(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove);
    bool PeekPaint(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax);
    // Asks the backend for OS events unless it was asked this millisecond already and holds
    // none read.
    void PumpEventsIfDue();
    // One poll on the idle sources and the backend's event descriptor for up to nTimeoutMs
    // (0: a look without waiting; negative: no limit), then OnReady of the ready sources.
    // True when a source was ready; false for OS events and the timeout.
    bool PollSources(int nTimeoutMs);
    // Runs OnReady of each source whose entry in fds has revents; true when any had.
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
