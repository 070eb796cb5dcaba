#pragma once
// CAsyncSocket: an IPv4 socket that never blocks, with its events delivered as virtual
// notifications on the UI thread.
//
// The message loop watches every created socket while it would otherwise wait, and calls
// OnReady here, which turns what the descriptor shows into at most these notifications:
//  - OnConnect(error) once when a connection started by Connect completes or fails
//    (WSAHOST_NOT_FOUND when its host name is unknown);
//  - OnSend(0) once when a connection is established (also an accepted one) and once more
//    after a Send that would have blocked, when room is free again; never continuously;
//  - OnReceive(0) when data is waiting; the next one comes only after Receive was called,
//    so a handler that reads nothing does not make the loop spin;
//  - OnAccept(0) when a client waits on a listening socket; the next one after Accept;
//  - OnClose(error) once when the peer closed (0) or broke (an error code) the connection;
//    data still waiting is offered through OnReceive first.
// A handler may Close or delete its own socket. Failed calls return FALSE or SOCKET_ERROR
// and leave the reason for GetLastError.
//
// A host name is looked up on a worker thread (CHostLookup), so that a name server that is
// slow or never answers cannot hold the loop; the connection starts once the address is
// known.

#include <cstdint>
#include <memory>

#include "platform/base/CString.h"
#include "platform/msg/IdleSource.h"
#include "platform/net/netdefs.h"

namespace plat {
class CHostLookup;
}

class CAsyncSocket {
public:
    CAsyncSocket();
    // Closes the socket.
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    // Makes the system socket and binds it to nSocketPort (0: any) on lpszSocketAddress
    // (a dotted address; null: every local address). FALSE when one exists already.
    BOOL Create(UINT nSocketPort = 0, int nSocketType = SOCK_STREAM,
                LPCTSTR lpszSocketAddress = nullptr);
    // Starts connecting to lpszHostAddress (a name or dotted address). A connection that
    // cannot complete at once (a name to look up first, a handshake under way) returns FALSE
    // with WSAEWOULDBLOCK and reports OnConnect later.
    virtual BOOL Connect(LPCTSTR lpszHostAddress, UINT nHostPort);
    // Makes a created socket wait for clients.
    BOOL Listen(int nConnectionBacklog = 5);
    // Takes the waiting client onto rConnectedSocket, which must have no socket yet.
    // lpSockAddr (may be null) receives the client's address, *lpSockAddrLen bytes at most.
    virtual BOOL Accept(CAsyncSocket& rConnectedSocket, SOCKADDR* lpSockAddr = nullptr,
                        int* lpSockAddrLen = nullptr);
    // Sends what fits now: the number of bytes taken, or SOCKET_ERROR (WSAEWOULDBLOCK when
    // none fit; OnSend follows when room is free).
    virtual int Send(const void* lpBuf, int nBufLen, int nFlags = 0);
    // The number of bytes read (0: the peer closed), or SOCKET_ERROR (WSAEWOULDBLOCK when
    // nothing is waiting).
    virtual int Receive(void* lpBuf, int nBufLen, int nFlags = 0);
    // Releases the system socket; the object may Create again. Safe when there is none.
    virtual void Close();

    // The local address and port, e.g. the port the system chose for Create(0).
    BOOL GetSockName(CString& rSocketAddress, UINT& rSocketPort) const;
    // The error left by the last failed call on this thread.
    static int GetLastError();
    // True while a system socket exists.
    bool IsCreated() const { return m_hSocket >= 0; }

    virtual void OnReceive(int nErrorCode);
    virtual void OnSend(int nErrorCode);
    virtual void OnAccept(int nErrorCode);
    virtual void OnConnect(int nErrorCode);
    virtual void OnClose(int nErrorCode);

protected:
    enum class State { None, Created, Resolving, Connecting, Connected, Listening, Finished };

    // Connects the created socket to a host; FALSE with the error when it could not even
    // start. On TRUE the connection is complete or under way: its host name being looked up
    // (Resolving) or its handshake running (Connecting).
    BOOL StartConnect(LPCTSTR lpszHostAddress, UINT nHostPort);
    // Why the last connection attempt failed at once or after its lookup (a socket error
    // code), or 0.
    int GetConnectError() const { return m_nConnectError; }
    // Between these the loop leaves this socket's notifications alone: a blocking call waits
    // in the loop for nEvents (poll bits; 0: for nothing of the socket itself, as while its
    // host is looked up), and the loop only notes that they came (IsWaitReady). They nest,
    // as blocking calls may run inside the messages another one dispatches.
    void BeginBlocking(short nEvents);
    void EndBlocking() { --m_nBlockingDepth; }
    // One of this socket's blocking calls is waiting.
    bool IsBlocking() const { return m_nBlockingDepth > 0; }
    // The events the waiting blocking call waits for have come.
    bool IsWaitReady() const { return m_bWaitReady; }
    // Drops a connection attempt still under way (its lookup too); the socket may connect
    // again.
    void AbandonConnect();
    // Marks a connection attempt that failed: the system socket is renewed before the next.
    void ConnectFailed();
    // Marks a completed connection: reads and one send-ready notification are wanted.
    void SetConnected();
    // Marks that OnSend is wanted once room is free.
    void WantSendReady() { m_bSendReadyWanted = true; }
    // Records nErrno as the last error and returns FALSE.
    static BOOL Fail(int nErrno);
    // Records nErrno as the last error and returns SOCKET_ERROR.
    static int FailWithSocketError(int nErrno);
    static void SetLastError(int nError);

    // A token that turns false when the object is destroyed, so code that ran handlers can
    // tell whether it may still touch the object.
    std::shared_ptr<bool> AliveToken() const { return m_pAlive; }

    int m_hSocket;
    State m_state;

private:
    // Watches the descriptor for the message loop.
    class CWatch : public plat::IdleSource {
    public:
        explicit CWatch(CAsyncSocket& owner) : m_owner(owner) {}
        int Fd() const override { return m_owner.m_hSocket; }
        short Events() const override { return m_owner.WantedEvents(); }
        void OnReady(short revents) override { m_owner.OnReady(revents); }

    private:
        CAsyncSocket& m_owner;
    };

    void Attach(int hSocket, State state);
    void ReleaseSocket();
    // Connects to nAddress (network byte order): 0 when the connection is made or under way,
    // else the socket error, the attempt marked as failed.
    int ConnectTo(uint32_t nAddress, UINT nHostPort);
    // The lookup's answer: the connection starts, or fails with WSAHOST_NOT_FOUND; OnConnect
    // tells of an outcome known now, unless a blocking call waits for it.
    void OnHostLookedUp(bool bFound, uint32_t nAddress);
    // Why Send or Receive cannot move nBufLen bytes at lpBuf now (an errno value), or 0.
    int TransferError(const void* lpBuf, int nBufLen) const;
    // Replaces the system socket under the same descriptor with a fresh one bound as the
    // old one was, since a socket whose connection failed cannot connect again.
    BOOL RenewSocket();
    // A new non-blocking system socket bound as Create asked; -1 (error recorded) on failure.
    int NewSystemSocket() const;
    short WantedEvents() const;
    void OnReady(short revents);
    void CompleteConnect();
    void OfferIncoming();

    CWatch m_watch;
    std::shared_ptr<bool> m_pAlive;
    // The lookup of the host being connected to; kept after it answered until the next
    // attempt or Close.
    std::unique_ptr<plat::CHostLookup> m_pLookup;
    UINT m_nConnectPort;
    int m_nConnectError;
    int m_nBlockingDepth;
    short m_nWaitEvents;
    bool m_bWaitReady;
    bool m_bRenewBeforeConnect;
    // The local address and port Create bound to (host order), when it bound at all.
    bool m_bBound;
    uint32_t m_nBoundAddress;
    UINT m_nBoundPort;
    bool m_bSendReadyWanted;
    bool m_bReceiveArmed;
    bool m_bAcceptArmed;
};
