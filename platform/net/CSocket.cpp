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

BOOL CSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    if (!StartConnect(lpszHostAddress, nHostPort))
        return FALSE;
    if (m_state == State::Connected)
        return TRUE;
    switch (WaitFor(POLLOUT)) {
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
        const WaitResult result = WaitFor(POLLOUT);
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
    for (;;) {
        const int nResult = CAsyncSocket::Receive(lpBuf, nBufLen, nFlags);
        if (nResult >= 0 || GetLastError() != WSAEWOULDBLOCK)
            return nResult;
        const WaitResult result = WaitFor(POLLIN);
        if (result == WaitResult::Destroyed)
            return SOCKET_ERROR;
        if (result != WaitResult::Ready) {
            SetLastError(WSAETIMEDOUT);
            return SOCKET_ERROR;
        }
    }
}

CSocket::WaitResult CSocket::WaitFor(short nEvents)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(s_dwBlockingTimeoutMs);
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
        pollfd fd{m_hSocket, nEvents, 0};
        if (::poll(&fd, 1, POLL_SLICE_MS) > 0) {
            EndBlocking();
            return WaitResult::Ready;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            EndBlocking();
            return WaitResult::TimedOut;
        }
    }
}
