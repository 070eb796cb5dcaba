#pragma once
// CSocket: the blocking socket of the game code. Connect, Send and Receive wait until they
// are done, dispatching window messages meanwhile so the program stays responsive, and give
// up after a bounded time (a name server, a peer that never answers or a peer that stops
// reading cannot hold the caller for ever). They wait in the message loop's one wait, on the
// socket (or its host's lookup) together with the window system and the end signals, so a
// wait costs no wake-ups of its own. Notifications arrive as for CAsyncSocket; none are
// delivered for this socket while one of its own calls waits.
//
// A waiting call is cancelled, and fails with WSAEINTR, when its socket is closed or deleted
// (by a handler the wait ran), when the program quits, or by CancelBlockingCalls.
//
// A blocking call made while another of the same socket waits (from a handler that the
// wait dispatched) is refused with WSAEINPROGRESS, as the framework's blocking socket does:
// a send let through would put its bytes into the middle of the waiting one's.

#include <chrono>
#include <functional>

#include "platform/net/CAsyncSocket.h"

class CSocket : public CAsyncSocket {
public:
    // Connects and waits for the outcome, the host name's lookup included: FALSE when the
    // host is unknown (WSAHOST_NOT_FOUND), refused, failed, cancelled (WSAEINTR) or not
    // connected in time (WSAETIMEDOUT); a call that timed out or was cancelled drops the
    // attempt, and the socket may connect again. OnSend follows a connection made.
    BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort) override;
    // Sends all nBufLen bytes, waiting while the peer is not taking them: the number sent, or
    // SOCKET_ERROR when none went (a wait that made no progress in time gives up).
    int Send(const void* lpBuf, int nBufLen, int nFlags = 0) override;
    // Waits until data or the connection's end arrives, then reads as Receive does.
    int Receive(void* lpBuf, int nBufLen, int nFlags = 0) override;

    // How long one wait may last; the program keeps the default, tests shorten it.
    static void SetBlockingTimeout(DWORD dwMilliseconds);
    static DWORD GetBlockingTimeout();
    // Cancels every blocking call of every socket waiting now (the program is closing):
    // each fails with WSAEINTR. Calls made afterwards wait as usual.
    static void CancelBlockingCalls();

private:
    enum class WaitResult { Ready, TimedOut, Cancelled, Destroyed };
    using Deadline = std::chrono::steady_clock::time_point;

    // Now plus the blocking timeout.
    static Deadline NewDeadline();
    // Dispatches messages and waits in the loop, which watches nEvents of the socket (poll
    // bits; 0: nothing of the socket itself), until isReady says the wait is over, the
    // deadline passes or the call is cancelled. Looks at the socket after every look for
    // messages, as the idle sources run there. Destroyed means the object is gone and must
    // not be touched.
    WaitResult WaitUntil(short nEvents, Deadline deadline, const std::function<bool()>& isReady);
    // Waits until the socket shows one of nEvents.
    WaitResult WaitFor(short nEvents, Deadline deadline);
    // Whether this call must end: the socket closed, or calls cancelled since nCancels.
    bool IsCancelled(unsigned nCancels) const;
    // Waits for a connection under way (its lookup, then its handshake) to be made.
    BOOL FinishConnect(Deadline deadline);
    // The error a wait that did not end Ready leaves.
    static int WaitError(WaitResult result);
};
