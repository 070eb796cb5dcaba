#include "platform/net/CAsyncSocket.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include "platform/net/CHostLookup.h"

namespace {

const UINT MAX_PORT = 65535;

int s_nLastError = 0;

} // namespace

CAsyncSocket::CAsyncSocket()
    : m_hSocket(-1), m_state(State::None), m_watch(*this), m_pAlive(std::make_shared<bool>(true)),
      m_nConnectPort(0), m_nConnectError(0), m_nBlockingDepth(0), m_nWaitEvents(0), m_bWaitReady(false),
      m_bRenewBeforeConnect(false),
      m_bBound(false), m_nBoundAddress(0), m_nBoundPort(0), m_bSendReadyWanted(false),
      m_bReceiveArmed(false), m_bAcceptArmed(false)
{
}

CAsyncSocket::~CAsyncSocket()
{
    *m_pAlive = false;
    ReleaseSocket();
}

BOOL CAsyncSocket::Create(UINT nSocketPort, int nSocketType, LPCTSTR lpszSocketAddress)
{
    if (m_hSocket >= 0 || nSocketType != SOCK_STREAM || nSocketPort > MAX_PORT)
        return Fail(EINVAL);
    in_addr address{};
    address.s_addr = htonl(INADDR_ANY);
    if (lpszSocketAddress && inet_pton(AF_INET, lpszSocketAddress, &address) != 1)
        return Fail(EINVAL);
    m_bBound = nSocketPort != 0 || lpszSocketAddress;
    m_nBoundAddress = ntohl(address.s_addr);
    m_nBoundPort = nSocketPort;
    const int hSocket = NewSystemSocket();
    if (hSocket < 0)
        return FALSE;
    Attach(hSocket, State::Created);
    return TRUE;
}

int CAsyncSocket::NewSystemSocket() const
{
    const int hSocket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (hSocket < 0) {
        Fail(errno);
        return -1;
    }
    if (!m_bBound)
        return hSocket;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(m_nBoundPort));
    addr.sin_addr.s_addr = htonl(m_nBoundAddress);
    // A server started again soon after the last one ended may take its port at once.
    const int nReuse = 1;
    ::setsockopt(hSocket, SOL_SOCKET, SO_REUSEADDR, &nReuse, sizeof nReuse);
    if (::bind(hSocket, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        Fail(errno);
        ::close(hSocket);
        return -1;
    }
    return hSocket;
}

BOOL CAsyncSocket::RenewSocket()
{
    const int hFresh = NewSystemSocket();
    if (hFresh < 0)
        return FALSE;
    // The descriptor number stays, so the loop keeps watching the right one.
    const bool bMoved = ::dup2(hFresh, m_hSocket) >= 0;
    const int nErrno = errno;
    ::close(hFresh);
    if (!bMoved)
        return Fail(nErrno);
    ::fcntl(m_hSocket, F_SETFD, FD_CLOEXEC);
    m_bRenewBeforeConnect = false;
    return TRUE;
}

BOOL CAsyncSocket::Connect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    if (!StartConnect(lpszHostAddress, nHostPort))
        return FALSE;
    if (m_state == State::Connected)
        return TRUE;
    SetLastError(WSAEWOULDBLOCK);
    return FALSE;
}

BOOL CAsyncSocket::StartConnect(LPCTSTR lpszHostAddress, UINT nHostPort)
{
    if (m_hSocket < 0)
        return Fail(ENOTSOCK);
    switch (m_state) {
    case State::Connected:
    case State::Finished:
        return Fail(EISCONN);
    case State::Resolving:
    case State::Connecting:
        return Fail(EALREADY);
    case State::Listening:
        return Fail(EINVAL);
    default:
        break;
    }
    if (!lpszHostAddress || !*lpszHostAddress || nHostPort == 0 || nHostPort > MAX_PORT)
        return Fail(EINVAL);
    if (m_bRenewBeforeConnect && !RenewSocket())
        return FALSE;
    m_pLookup.reset();
    m_nConnectError = 0;
    in_addr address{};
    if (inet_pton(AF_INET, lpszHostAddress, &address) == 1) {
        m_nConnectError = ConnectTo(address.s_addr, nHostPort);
    } else {
        m_nConnectPort = nHostPort;
        const auto onAnswer = [this](bool bFound, uint32_t nAddress) {
            OnHostLookedUp(bFound, nAddress);
        };
        m_pLookup = plat::CHostLookup::Start(lpszHostAddress, onAnswer);
        if (m_pLookup) {
            m_state = State::Resolving;
            return TRUE;
        }
        // No worker to spare: the name is looked up here, as it must be somehow.
        uint32_t nAddress = 0;
        m_nConnectError = plat::CHostLookup::ResolveNow(lpszHostAddress, nAddress)
                              ? ConnectTo(nAddress, nHostPort)
                              : WSAHOST_NOT_FOUND;
    }
    if (m_nConnectError == 0)
        return TRUE;
    SetLastError(m_nConnectError);
    return FALSE;
}

int CAsyncSocket::ConnectTo(uint32_t nAddress, UINT nHostPort)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(nHostPort));
    addr.sin_addr.s_addr = nAddress;
    if (::connect(m_hSocket, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) {
        SetConnected();
        return 0;
    }
    if (errno == EINPROGRESS) {
        m_state = State::Connecting;
        return 0;
    }
    const int nErrno = errno;
    ConnectFailed();
    return plat::SocketErrorFromErrno(nErrno);
}

void CAsyncSocket::OnHostLookedUp(bool bFound, uint32_t nAddress)
{
    if (bFound) {
        m_nConnectError = ConnectTo(nAddress, m_nConnectPort);
    } else {
        m_state = State::Created;
        m_nConnectError = WSAHOST_NOT_FOUND;
    }
    if (m_nBlockingDepth > 0 || m_state == State::Connecting)
        return;
    OnConnect(m_nConnectError);
}

void CAsyncSocket::BeginBlocking(short nEvents)
{
    ++m_nBlockingDepth;
    m_nWaitEvents = nEvents;
    m_bWaitReady = false;
}

void CAsyncSocket::AbandonConnect()
{
    if (m_state == State::Resolving) {
        // The worker finishes on its own; its answer goes nowhere.
        m_pLookup.reset();
        m_state = State::Created;
        return;
    }
    // Connecting to an unspecified address dissolves the attempt and leaves the socket free.
    sockaddr addr{};
    addr.sa_family = AF_UNSPEC;
    ::connect(m_hSocket, &addr, sizeof addr);
    ConnectFailed();
}

void CAsyncSocket::ConnectFailed()
{
    m_state = State::Created;
    m_bRenewBeforeConnect = true;
}

void CAsyncSocket::SetConnected()
{
    m_state = State::Connected;
    m_bReceiveArmed = true;
    m_bSendReadyWanted = true;
}

BOOL CAsyncSocket::Listen(int nConnectionBacklog)
{
    if (m_hSocket < 0)
        return Fail(ENOTSOCK);
    if (m_state != State::Created && m_state != State::Listening)
        return Fail(EINVAL);
    if (::listen(m_hSocket, nConnectionBacklog) != 0)
        return Fail(errno);
    m_state = State::Listening;
    m_bAcceptArmed = true;
    return TRUE;
}

BOOL CAsyncSocket::Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr,
                          int* lpSockAddrLen)
{
    if (m_state != State::Listening || &rConnectedSocket == this ||
        rConnectedSocket.m_hSocket >= 0)
        return Fail(EINVAL);
    m_bAcceptArmed = true;
    sockaddr_in peer{};
    socklen_t nPeerLen = sizeof peer;
    const int hSocket = ::accept4(m_hSocket, reinterpret_cast<sockaddr*>(&peer), &nPeerLen,
                                  SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (hSocket < 0)
        return Fail(errno);
    if (lpSockAddr && lpSockAddrLen && *lpSockAddrLen > 0) {
        const size_t nCopy = std::min<size_t>(static_cast<size_t>(*lpSockAddrLen), nPeerLen);
        std::memcpy(lpSockAddr, &peer, nCopy);
        *lpSockAddrLen = static_cast<int>(nPeerLen);
    }
    rConnectedSocket.Attach(hSocket, State::Connected);
    rConnectedSocket.SetConnected();
    return TRUE;
}

int CAsyncSocket::TransferError(const void* lpBuf, int nBufLen) const
{
    if (m_hSocket < 0)
        return ENOTSOCK;
    if (m_state != State::Connected && m_state != State::Finished)
        return ENOTCONN;
    if (nBufLen < 0 || (!lpBuf && nBufLen > 0))
        return EFAULT;
    return 0;
}

int CAsyncSocket::Send(const void* lpBuf, int nBufLen, int nFlags)
{
    if (const int nError = TransferError(lpBuf, nBufLen))
        return FailWithSocketError(nError);
    const ssize_t nSent = ::send(m_hSocket, lpBuf, static_cast<size_t>(nBufLen),
                                 nFlags | MSG_NOSIGNAL);
    if (nSent >= 0)
        return static_cast<int>(nSent);
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        WantSendReady();
    return FailWithSocketError(errno);
}

int CAsyncSocket::Receive(void* lpBuf, int nBufLen, int nFlags)
{
    if (const int nError = TransferError(lpBuf, nBufLen))
        return FailWithSocketError(nError);
    m_bReceiveArmed = true;
    const ssize_t nRead = ::recv(m_hSocket, lpBuf, static_cast<size_t>(nBufLen), nFlags);
    if (nRead >= 0)
        return static_cast<int>(nRead);
    return FailWithSocketError(errno);
}

void CAsyncSocket::Close()
{
    ReleaseSocket();
}

void CAsyncSocket::ReleaseSocket()
{
    if (m_hSocket < 0)
        return;
    AfxUnregisterIdleSource(&m_watch);
    m_pLookup.reset();
    ::close(m_hSocket);
    m_hSocket = -1;
    m_state = State::None;
    m_bSendReadyWanted = false;
    m_bReceiveArmed = false;
    m_bAcceptArmed = false;
    m_bRenewBeforeConnect = false;
}

BOOL CAsyncSocket::GetSockName(CString& rSocketAddress, UINT& rSocketPort) const
{
    sockaddr_in addr{};
    socklen_t nLen = sizeof addr;
    if (m_hSocket < 0 || ::getsockname(m_hSocket, reinterpret_cast<sockaddr*>(&addr), &nLen) != 0)
        return Fail(m_hSocket < 0 ? ENOTSOCK : errno);
    char szAddress[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &addr.sin_addr, szAddress, sizeof szAddress);
    rSocketAddress = szAddress;
    rSocketPort = ntohs(addr.sin_port);
    return TRUE;
}

int CAsyncSocket::GetLastError()
{
    return s_nLastError;
}

void CAsyncSocket::SetLastError(int nError)
{
    s_nLastError = nError;
}

BOOL CAsyncSocket::Fail(int nErrno)
{
    SetLastError(plat::SocketErrorFromErrno(nErrno));
    return FALSE;
}

int CAsyncSocket::FailWithSocketError(int nErrno)
{
    Fail(nErrno);
    return SOCKET_ERROR;
}

void CAsyncSocket::OnReceive(int) {}
void CAsyncSocket::OnSend(int) {}
void CAsyncSocket::OnAccept(int) {}
void CAsyncSocket::OnConnect(int) {}
void CAsyncSocket::OnClose(int) {}

void CAsyncSocket::Attach(int hSocket, State state)
{
    m_hSocket = hSocket;
    m_state = state;
    AfxRegisterIdleSource(&m_watch);
}

short CAsyncSocket::WantedEvents() const
{
    if (m_hSocket < 0)
        return 0;
    // Once a blocking call's events have come, the loop leaves them to it, so that a loop
    // nested in its wait (a modal box) does not find them again and again.
    if (m_nBlockingDepth > 0)
        return m_bWaitReady ? 0 : m_nWaitEvents;
    switch (m_state) {
    case State::Connecting:
        return POLLOUT;
    case State::Listening:
        return m_bAcceptArmed ? POLLIN : 0;
    case State::Connected:
        return static_cast<short>((m_bReceiveArmed ? POLLIN : 0) |
                                  (m_bSendReadyWanted ? POLLOUT : 0));
    default:
        return 0;
    }
}

void CAsyncSocket::OnReady(short revents)
{
    if (m_nBlockingDepth > 0) {
        m_bWaitReady = true;
        return;
    }
    const std::shared_ptr<bool> pAlive = m_pAlive;
    const bool bBroken = (revents & (POLLERR | POLLHUP)) != 0;
    switch (m_state) {
    case State::Connecting:
        CompleteConnect();
        return;
    case State::Listening:
        if (m_bAcceptArmed && (revents & POLLIN)) {
            m_bAcceptArmed = false;
            OnAccept(0);
        }
        return;
    case State::Connected:
        if (m_bSendReadyWanted && (revents & POLLOUT)) {
            m_bSendReadyWanted = false;
            OnSend(0);
            if (!*pAlive || m_state != State::Connected)
                return;
        }
        if (m_bReceiveArmed && ((revents & POLLIN) || bBroken))
            OfferIncoming();
        else if (bBroken)
            // No room will come on a broken connection; its end is reported once the
            // owner reads again.
            m_bSendReadyWanted = false;
        return;
    default:
        return;
    }
}

void CAsyncSocket::CompleteConnect()
{
    int nError = 0;
    socklen_t nLen = sizeof nError;
    if (::getsockopt(m_hSocket, SOL_SOCKET, SO_ERROR, &nError, &nLen) != 0)
        nError = errno;
    if (nError == 0) {
        SetConnected();
        OnConnect(0);
        return;
    }
    ConnectFailed();
    OnConnect(plat::SocketErrorFromErrno(nError));
}

void CAsyncSocket::OfferIncoming()
{
    char chPeek = 0;
    const ssize_t nWaiting = ::recv(m_hSocket, &chPeek, 1, MSG_PEEK | MSG_DONTWAIT);
    if (nWaiting > 0) {
        m_bReceiveArmed = false;
        OnReceive(0);
        return;
    }
    if (nWaiting < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return;
    m_state = State::Finished;
    OnClose(nWaiting == 0 ? 0 : plat::SocketErrorFromErrno(errno));
}
