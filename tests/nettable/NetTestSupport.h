#pragma once
// What the network tests share: a bounded message loop, a listener that writes down what a
// connection reports, a small card server on the loopback address whose peers record what
// they read, and a listener that never answers.

#include <memory>
#include <string>
#include <vector>

#include "nettable/ConnectionListener.h"
#include "platform/net/CSocket.h"
#include "tests/support/Loopback.h"
#include "tests/support/RunLoop.h"

namespace nettest {

using loopback::ClosedPort;
using loopback::LOOPBACK;
using loopback::SETTLE_MS;
using testloop::LOOP_LIMIT_MS;
using testloop::RunLoopFor;
using testloop::RunLoopUntil;

// A blocking call's time limit in the tests of peers that never answer.
constexpr DWORD SHORT_BLOCKING_TIMEOUT_MS = 300;

// Writes down every state and every chunk of text a connection reports.
class CRecordingListener : public CConnectionListener {
public:
    void OnConnectionState(int nState) override { m_states.push_back(nState); }
    void OnText(const CString& strText) override;

    // Every chunk, joined.
    std::string AllText() const;
    int CountStates(int nState) const;

    std::vector<int> m_states;
    std::vector<std::string> m_chunks;
};

// One accepted client of the test server: it reads everything it is told about, bytes as
// they came (zero bytes included).
class CPeerSocket : public CSocket {
public:
    void OnReceive(int nErrorCode) override;
    void OnClose(int nErrorCode) override;
    // Sends the bytes, all of them.
    void SendBytes(const std::string& strBytes);

    std::string m_strText;
    bool m_bPeerClosed = false;
};

// The test's card server: listens on LOOPBACK on a port the system chooses and accepts
// every client onto a CPeerSocket.
class CTestServer : public CSocket {
public:
    // False when it could not listen.
    bool Start();
    UINT GetPort() const { return m_nPort; }
    void OnAccept(int nErrorCode) override;
    int GetPeerCount() const { return static_cast<int>(m_peers.size()); }
    CPeerSocket& Peer(int nIndex) { return *m_peers[nIndex]; }

private:
    UINT m_nPort = 0;
    std::vector<std::unique_ptr<CPeerSocket>> m_peers;
};

// A listener on LOOPBACK that never accepts, with its queue full, so that the handshake of
// any further client goes unanswered.
class CSilentServer {
public:
    // False when it could not listen.
    bool Start();
    UINT GetPort() const { return m_nPort; }

private:
    CAsyncSocket m_listener;
    std::vector<std::unique_ptr<CAsyncSocket>> m_fillers;
    UINT m_nPort = 0;
};

// Restores the blocking calls' time limit when it goes.
class CBlockingTimeoutGuard {
public:
    explicit CBlockingTimeoutGuard(DWORD dwMilliseconds);
    ~CBlockingTimeoutGuard();
    CBlockingTimeoutGuard(const CBlockingTimeoutGuard&) = delete;
    CBlockingTimeoutGuard& operator=(const CBlockingTimeoutGuard&) = delete;

private:
    DWORD m_dwOld;
};

} // namespace nettest
