#pragma once
// CSocket: the blocking socket of the game code. Connect, Send and Receive wait until they
// are done, dispatching window messages meanwhile so the program stays responsive, and give
// up after a bounded time (a name server, a peer that never answers or a peer that stops
// reading cannot hold the caller for ever). Notifications arrive as for CAsyncSocket; none
// are delivered for this socket while one of its own calls waits.
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
    // host is unknown (WSAHOST_NOT_FOUND), refused, failed or not connected in time
    // (WSAETIMEDOUT; the attempt is dropped and the socket may connect again). OnSend
    // follows a connection made.
    BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort) override;
    // Sends all nBufLen bytes, waiting while the peer is not taking them: the number sent, or
    // SOCKET_ERROR when none went (a wait that made no progress in time gives up).
    int Send(const void* lpBuf, int nBufLen, int nFlags = 0) override;
    // Waits until data or the connection's end arrives, then reads as Receive does.
    int Receive(void* lpBuf, int nBufLen, int nFlags = 0) override;

    // How long one wait may last; the program keeps the default, tests shorten it.
    static void SetBlockingTimeout(DWORD dwMilliseconds);
    static DWORD GetBlockingTimeout();

private:
    enum class WaitResult { Ready, TimedOut, Abandoned, Destroyed };
    using Deadline = std::chrono::steady_clock::time_point;

    // Now plus the blocking timeout.
    static Deadline NewDeadline();
    // Dispatches messages until isReady, given a slice of milliseconds it may wait, says the
    // wait is over, or the deadline passes. Destroyed means the object is gone and must not
    // be touched.
    WaitResult WaitUntil(Deadline deadline, const std::function<bool(int nSliceMs)>& isReady);
    // Waits until the socket shows one of nEvents (poll bits).
    WaitResult WaitFor(short nEvents, Deadline deadline);
    // Waits for a connection under way (its lookup, then its handshake) to be made.
    BOOL FinishConnect(Deadline deadline);
};
