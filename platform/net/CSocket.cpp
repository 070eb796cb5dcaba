#include "platform/net/CSocket.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

#include <poll.h>

#include "platform/msg/CMessageQueue.h"
#include "platform/msg/loop.h"

namespace {

// Long enough for any reachable peer on the local network, short enough that a lost one
// does not seem to hang the program.
const DWORD DEFAULT_BLOCKING_TIMEOUT_MS = 10000;
DWORD s_dwBlockingTimeoutMs = DEFAULT_BLOCKING_TIMEOUT_MS;
// How often blocking calls were cancelled; a waiting call compares it with its start.
unsigned s_nCancels = 0;

} // namespace

void CSocket::SetBlockingTimeout(DWORD dwMilliseconds)
{
    s_dwBlockingTimeoutMs = dwMilliseconds;
}

DWORD CSocket::GetBlockingTimeout()
{
    return s_dwBlockingTimeoutMs;
}

void CSocket::CancelBlockingCalls()
{
    ++s_nCancels;
}

CSocket::Deadline CSocket::NewDeadline()
{
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(s_dwBlockingTimeoutMs);
}

BOOL CSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    if (IsBlocking()) {
        SetLastError(WSAEINPROGRESS);
        return FALSE;
    }
    const Deadline deadline = NewDeadline();
    if (!StartConnect(lpszHostAddress, nHostPort))
        return FALSE;
    return FinishConnect(deadline);
}

BOOL CSocket::FinishConnect(Deadline deadline)
{
    WaitResult result = WaitResult::Ready;
    // The lookup watches its own descriptor and, when its answer comes, starts the handshake.
    if (m_state == State::Resolving)
        result = WaitUntil(0, deadline, [this] { return m_state != State::Resolving; });
    if (result == WaitResult::Ready && m_state == State::Connecting)
        result = WaitFor(POLLOUT, deadline);
    if (result != WaitResult::Ready) {
        if (result != WaitResult::Destroyed && m_hSocket >= 0)
            AbandonConnect();
        SetLastError(WaitError(result));
        return FALSE;
    }
    if (m_state == State::Connected)
        return TRUE;
    if (m_state != State::Connecting) {
        SetLastError(GetConnectError());
        return FALSE;
    }
    int nError = 0;
    socklen_t nLen = sizeof nError;
    if (::getsockopt(m_hSocket, SOL_SOCKET, SO_ERROR, &nError, &nLen) != 0)
        nError = errno;
    if (nError != 0) {
        ConnectFailed();
        return Fail(nError);
    }
    SetConnected();
    return TRUE;
}

int CSocket::WaitError(WaitResult result)
{
    return result == WaitResult::TimedOut ? WSAETIMEDOUT : WSAEINTR;
}

int CSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    if (IsBlocking()) {
        SetLastError(WSAEINPROGRESS);
        return SOCKET_ERROR;
    }
    const char* pBytes = static_cast<const char*>(lpBuf);
    int nSent = 0;
    do {
        const int nResult = CAsyncSocket::Send(pBytes + nSent, nBufLen - nSent, nFlags);
        if (nResult >= 0) {
            nSent += nResult;
            continue;
        }
        if (GetLastError() != WSAEWOULDBLOCK)
            return nSent > 0 ? nSent : SOCKET_ERROR;
        const WaitResult result = WaitFor(POLLOUT, NewDeadline());
        if (result != WaitResult::Ready) {
            SetLastError(WaitError(result));
            return nSent > 0 ? nSent : SOCKET_ERROR;
        }
    } while (nSent < nBufLen);
    return nSent;
}

int CSocket::Receive(void* lpBuf, int nBufLen, int nFlags)
{
    if (IsBlocking()) {
        SetLastError(WSAEINPROGRESS);
        return SOCKET_ERROR;
    }
    for (;;) {
        const int nResult = CAsyncSocket::Receive(lpBuf, nBufLen, nFlags);
        if (nResult >= 0 || GetLastError() != WSAEWOULDBLOCK)
            return nResult;
        const WaitResult result = WaitFor(POLLIN, NewDeadline());
        if (result != WaitResult::Ready) {
            SetLastError(WaitError(result));
            return SOCKET_ERROR;
        }
    }
}

CSocket::WaitResult CSocket::WaitFor(short nEvents, Deadline deadline)
{
    return WaitUntil(nEvents, deadline, [this] { return IsWaitReady(); });
}

bool CSocket::IsCancelled(unsigned nCancels) const
{
    return m_hSocket < 0 || s_nCancels != nCancels;
}

CSocket::WaitResult CSocket::WaitUntil(short nEvents, Deadline deadline, const std::function<bool()>& isReady)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    const unsigned nCancels = s_nCancels;
    BeginBlocking(nEvents);
    WaitResult result = WaitResult::Ready;
    for (;;) {
        MSG msg;
        const bool bMessage = ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
        // The look ran the idle sources when it found no message: their handlers, like the
        // ones dispatched, may have closed or deleted this socket.
        if (!*pAlive)
            return WaitResult::Destroyed;
        if (bMessage && msg.message == WM_QUIT) {
            // The program is ending: leave the quit for the loop that waits for it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            result = WaitResult::Cancelled;
            break;
        }
        if (bMessage) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            if (!*pAlive)
                return WaitResult::Destroyed;
        }
        if (IsCancelled(nCancels)) {
            result = WaitResult::Cancelled;
            break;
        }
        if (bMessage)
            continue;
        if (isReady())
            break;
        const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (remaining.count() <= 0) {
            result = WaitResult::TimedOut;
            break;
        }
        plat::CMessageQueue::Get().Wait(static_cast<int>(std::min<long long>(remaining.count(), INT_MAX)));
        if (!*pAlive)
            return WaitResult::Destroyed;
    }
    EndBlocking();
    return result;
}
