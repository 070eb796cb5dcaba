#include "platform/net/CSocket.h"

#include <cerrno>
#include <chrono>

#include <poll.h>

#include "platform/msg/loop.h"

namespace {

// Long enough for any reachable peer on the local network, short enough that a lost one
// does not seem to hang the program.
const DWORD DEFAULT_BLOCKING_TIMEOUT_MS = 10000;
// Between looks at the window messages, the socket is polled this long.
const int POLL_SLICE_MS = 10;

DWORD s_dwBlockingTimeoutMs = DEFAULT_BLOCKING_TIMEOUT_MS;

} // namespace

void CSocket::SetBlockingTimeout(DWORD dwMilliseconds)
{
    s_dwBlockingTimeoutMs = dwMilliseconds;
}

DWORD CSocket::GetBlockingTimeout()
{
    return s_dwBlockingTimeoutMs;
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
    if (m_state == State::Resolving)
        result = WaitUntil(deadline, [this](int nSliceMs) { return WaitForLookup(nSliceMs); });
    if (result == WaitResult::Ready && m_state == State::Connecting)
        result = WaitFor(POLLOUT, deadline);
    switch (result) {
    case WaitResult::Destroyed:
        return FALSE;
    case WaitResult::TimedOut:
    case WaitResult::Abandoned:
        if (m_hSocket >= 0)
            AbandonConnect();
        SetLastError(WSAETIMEDOUT);
        return FALSE;
    case WaitResult::Ready:
        break;
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
        if (result == WaitResult::Destroyed)
            return nSent > 0 ? nSent : SOCKET_ERROR;
        if (result != WaitResult::Ready) {
            SetLastError(WSAETIMEDOUT);
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
        if (result == WaitResult::Destroyed)
            return SOCKET_ERROR;
        if (result != WaitResult::Ready) {
            SetLastError(WSAETIMEDOUT);
            return SOCKET_ERROR;
        }
    }
}

CSocket::WaitResult CSocket::WaitFor(short nEvents, Deadline deadline)
{
    return WaitUntil(deadline, [this, nEvents](int nSliceMs) {
        pollfd fd{m_hSocket, nEvents, 0};
        return ::poll(&fd, 1, nSliceMs) > 0;
    });
}

CSocket::WaitResult CSocket::WaitUntil(Deadline deadline,
                                       const std::function<bool(int nSliceMs)>& isReady)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    BeginBlocking();
    for (;;) {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The program is ending: leave the quit for the loop that waits for it.
                PostQuitMessage(static_cast<int>(msg.wParam));
                EndBlocking();
                return WaitResult::Abandoned;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            if (!*pAlive)
                return WaitResult::Destroyed;
        }
        if (m_hSocket < 0) {
            EndBlocking();
            return WaitResult::Abandoned;
        }
        if (isReady(POLL_SLICE_MS)) {
            EndBlocking();
            return WaitResult::Ready;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            EndBlocking();
            return WaitResult::TimedOut;
        }
    }
}
