#pragma once
// CSocket: the blocking socket of the game code. Connect, Send and Receive wait until they
// are done, dispatching window messages meanwhile so the program stays responsive, and give
// up after a bounded time (a peer that never answers or stops reading cannot hold the
// caller for ever). Notifications arrive as for CAsyncSocket; none are delivered for this
// socket while one of its own calls waits.

#include "platform/net/CAsyncSocket.h"

class CSocket : public CAsyncSocket {
public:
    // Connects and waits for the outcome: FALSE when refused, failed or not complete in time
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

    // Dispatches messages until the socket shows one of nEvents (poll bits) or the time is
    // up. Destroyed means the object is gone and must not be touched.
    WaitResult WaitFor(short nEvents);
};
