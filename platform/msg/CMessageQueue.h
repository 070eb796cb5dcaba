#pragma once
// CMessageQueue: the one message queue of the program's single thread. It holds posted
// messages in order, makes WM_PAINT for invalid windows when nothing else waits, asks the
// backend for OS events and polls the registered idle sources. Nested loops (modal
// dialogs, message boxes, a game pumping between card moves) all read this queue.

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
    // Blocks until an OS event, an idle source or the timeout (negative: none) gives reason
    // to look again.
    void Wait(int nTimeoutMs);

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

    std::deque<MSG> m_posted;
    std::vector<IdleSource*> m_sources;
    bool m_bQuitPosted = false;
    int m_nQuitCode = 0;
};

// Milliseconds since the program started.
DWORD GetTickCount();

} // namespace plat
