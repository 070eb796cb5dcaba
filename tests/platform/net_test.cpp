#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <arpa/inet.h>

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"
#include "platform/net.h"
#include "platform/net/CHostLookup.h"
#include "tests/support/Loopback.h"
#include "tests/support/RunLoop.h"

using namespace loopback;
using namespace testloop;

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A name server the test controls, in the resolver's place while one lives: a lookup waits
// until the test lets it answer (giving up after a while), then finds every name but those
// beginning with "unknown", at the loopback address.
class CTestNameServer {
public:
    CTestNameServer()
    {
        SetAnswering(true);
        plat::SetHostResolver(Resolve);
    }
    // A lookup the test abandoned must not wait on after it.
    ~CTestNameServer()
    {
        SetAnswering(true);
        plat::SetHostResolver(nullptr);
    }
    static void SetAnswering(bool bAnswering)
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        s_bAnswering = bAnswering;
        s_answer.notify_all();
    }
    static bool GaveUp()
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_bGaveUp;
    }

private:
    static bool Resolve(const char* szHost, uint32_t& nAddress)
    {
        std::unique_lock<std::mutex> lock(s_mutex);
        s_bGaveUp = !s_answer.wait_for(lock, std::chrono::seconds(2), [] { return s_bAnswering; });
        nAddress = htonl(INADDR_LOOPBACK);
        return std::string(szHost).rfind("unknown", 0) != 0;
    }

    static inline std::mutex s_mutex;
    static inline std::condition_variable s_answer;
    static inline bool s_bAnswering = true;
    static inline bool s_bGaveUp = false;
};

// A socket that writes down every notification it gets and, unless told otherwise, reads
// what OnReceive announces; m_onReceive, when set, runs first.
class CRecordingSocket : public CSocket {
public:
    static constexpr int READ_CHUNK = 1 << 20;

    void OnReceive(int nErrorCode) override
    {
        m_events.push_back("receive");
        if (m_onReceive) {
            // A copy, since the hook may replace itself.
            const std::function<void()> onReceive = m_onReceive;
            onReceive();
        }
        if (m_bReadOnReceive)
            ReadChunk();
        CSocket::OnReceive(nErrorCode);
    }
    void ReadChunk()
    {
        std::vector<char> buffer(READ_CHUNK);
        const int nRead = Receive(buffer.data(), READ_CHUNK);
        if (nRead > 0)
            m_strText.append(buffer.data(), nRead);
    }
    void OnSend(int nErrorCode) override
    {
        m_events.push_back("send");
        CSocket::OnSend(nErrorCode);
    }
    void OnConnect(int nErrorCode) override
    {
        m_events.push_back("connect");
        m_nConnectError = nErrorCode;
    }
    void OnClose(int nErrorCode) override
    {
        m_events.push_back("close");
        m_nCloseError = nErrorCode;
        if (m_bDeleteOnClose)
            delete this;
    }
    void OnAccept(int nErrorCode) override
    {
        m_events.push_back("accept");
        auto pClient = std::make_unique<CRecordingSocket>();
        if (Accept(*pClient))
            m_clients.push_back(std::move(pClient));
        CSocket::OnAccept(nErrorCode);
    }

    int Count(const std::string& strEvent) const
    {
        int nCount = 0;
        for (const std::string& strSeen : m_events)
            nCount += strSeen == strEvent;
        return nCount;
    }

    std::vector<std::string> m_events;
    std::string m_strText;
    std::vector<std::unique_ptr<CRecordingSocket>> m_clients;
    std::function<void()> m_onReceive;
    bool m_bReadOnReceive = true;
    bool m_bDeleteOnClose = false;
    int m_nConnectError = -1;
    int m_nCloseError = -1;
};

// A recording socket that deletes itself when the peer closes and says when it is gone.
class CSelfDeletingSocket : public CRecordingSocket {
public:
    explicit CSelfDeletingSocket(bool& bDestroyed) : m_bDestroyed(bDestroyed)
    {
        m_bDeleteOnClose = true;
    }
    ~CSelfDeletingSocket() override { m_bDestroyed = true; }

private:
    bool& m_bDestroyed;
};

// A listening socket on an ephemeral loopback port.
class CSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxSocketInit());
        ASSERT_TRUE(m_server.Create(0, SOCK_STREAM, LOOPBACK));
        ASSERT_TRUE(m_server.Listen());
        CString strAddress;
        ASSERT_TRUE(m_server.GetSockName(strAddress, m_nPort));
        EXPECT_EQ(CString(LOOPBACK), strAddress);
        m_dwOldTimeout = CSocket::GetBlockingTimeout();
    }

    void TearDown() override { CSocket::SetBlockingTimeout(m_dwOldTimeout); }

    // Connects a client and waits until the server holds its end and the client was told
    // the connection is usable.
    void ConnectClient(CRecordingSocket& client)
    {
        const size_t nBefore = m_server.m_clients.size();
        ASSERT_TRUE(client.Create());
        // The server may well accept while Connect dispatches messages.
        ASSERT_TRUE(client.Connect(LOOPBACK, m_nPort));
        ASSERT_TRUE(RunLoopUntil(
            [&] { return m_server.m_clients.size() > nBefore && client.Count("send") > 0; }));
    }

    CRecordingSocket& ServerEnd() { return *m_server.m_clients.back(); }

    CRecordingSocket m_server;
    UINT m_nPort = 0;
    DWORD m_dwOldTimeout = 0;
};

} // namespace

TEST_F(CSocketTest, ConnectedPairExchangesTextBothWays)
{
    CRecordingSocket client;
    ConnectClient(client);
    EXPECT_EQ(1, m_server.Count("accept"));

    const std::string strCommands = "newgame\ndeal\n";
    EXPECT_EQ(static_cast<int>(strCommands.size()),
              client.Send(strCommands.data(), static_cast<int>(strCommands.size())));
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_strText.size() >= strCommands.size(); }));
    EXPECT_EQ(strCommands, ServerEnd().m_strText);

    const std::string strReply = "ok\n";
    EXPECT_EQ(3, ServerEnd().Send(strReply.data(), 3));
    ASSERT_TRUE(RunLoopUntil([&] { return client.m_strText == strReply; }));
}

TEST_F(CSocketTest, SendReadyIsSignalledOnceNotContinuously)
{
    CRecordingSocket client;
    ConnectClient(client);
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(1, client.Count("send"));
    EXPECT_EQ(1, ServerEnd().Count("send"));
    // A blocking connect reports through OnSend, not OnConnect.
    EXPECT_EQ(0, client.Count("connect"));
    client.Send("x", 1);
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(1, client.Count("send"));
}

TEST_F(CSocketTest, ReceiveIsAnnouncedAgainOnlyAfterTheOwnerReads)
{
    CRecordingSocket client;
    ConnectClient(client);
    ServerEnd().m_bReadOnReceive = false;
    client.Send("abc", 3);
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().Count("receive") == 1; }));
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(1, ServerEnd().Count("receive"));

    char buffer[8];
    EXPECT_EQ(3, ServerEnd().Receive(buffer, sizeof buffer));
    client.Send("de", 2);
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().Count("receive") == 2; }));
}

TEST_F(CSocketTest, PeerClosingDeliversWaitingDataThenOneClose)
{
    CRecordingSocket client;
    ConnectClient(client);
    ServerEnd().Send("bye\n", 4);
    ServerEnd().Close();
    ASSERT_TRUE(RunLoopUntil([&] { return client.Count("close") > 0; }));
    EXPECT_EQ("bye\n", client.m_strText);
    EXPECT_EQ(0, client.m_nCloseError);
    EXPECT_EQ("receive", client.m_events[client.m_events.size() - 2]);
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(1, client.Count("close"));

    // The closed socket may be made again and connected anew.
    client.Close();
    client.m_events.clear();
    ConnectClient(client);
    EXPECT_EQ(2u, m_server.m_clients.size());
}

TEST_F(CSocketTest, ASocketMayDeleteItselfFromItsCloseHandler)
{
    bool bDestroyed = false;
    auto* pClient = new CSelfDeletingSocket(bDestroyed);
    ConnectClient(*pClient);
    ServerEnd().Close();
    ASSERT_TRUE(RunLoopUntil([&] { return bDestroyed; }));
    // The sanitizer build catches any touch of the deleted socket after its handler returns.
    RunLoopFor(SETTLE_MS);
    m_server.m_clients.clear();

    // The loop goes on serving the sockets that are left.
    CRecordingSocket next;
    ConnectClient(next);
    next.Send("go\n", 3);
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_strText == "go\n"; }));
}

TEST_F(CSocketTest, ConnectToAClosedPortFailsAtOnceAndTheSocketMayTryAgain)
{
    const UINT nClosed = ClosedPort();
    CRecordingSocket client;
    ASSERT_TRUE(client.Create());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.Connect(LOOPBACK, nClosed));
    EXPECT_EQ(WSAECONNREFUSED, CSocket::GetLastError());
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_FALSE(client.Create());

    EXPECT_TRUE(client.Connect(LOOPBACK, m_nPort));
    ASSERT_TRUE(RunLoopUntil([&] { return client.Count("send") == 1; }));
}

TEST_F(CSocketTest, ConnectToAPeerThatNeverAnswersGivesUpInBoundedTime)
{
    // A listener that never accepts, with its queue full: further handshakes go unanswered.
    CAsyncSocket silent;
    ASSERT_TRUE(silent.Create(0, SOCK_STREAM, LOOPBACK));
    ASSERT_TRUE(silent.Listen(0));
    CString strAddress;
    UINT nPort = 0;
    silent.GetSockName(strAddress, nPort);
    std::vector<std::unique_ptr<CAsyncSocket>> fillers;
    for (int i = 0; i < 3; ++i) {
        fillers.push_back(std::make_unique<CAsyncSocket>());
        fillers.back()->Create();
        fillers.back()->Connect(LOOPBACK, nPort);
    }
    RunLoopFor(SETTLE_MS);

    CSocket::SetBlockingTimeout(300);
    CRecordingSocket client;
    ASSERT_TRUE(client.Create());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client.Connect(LOOPBACK, nPort));
    EXPECT_EQ(WSAETIMEDOUT, CSocket::GetLastError());
    EXPECT_LT(SecondsSince(start), 2.0);
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(0, client.Count("send"));
}

TEST_F(CSocketTest, BlockingSendToAPeerThatStopsReadingGivesUpInBoundedTime)
{
    CRecordingSocket client;
    ConnectClient(client);
    ServerEnd().m_bReadOnReceive = false;
    CSocket::SetBlockingTimeout(300);
    const std::vector<char> flood(64 << 20, 'x');
    const auto start = std::chrono::steady_clock::now();
    const int nSent = client.Send(flood.data(), static_cast<int>(flood.size()));
    EXPECT_LT(SecondsSince(start), 3.0);
    EXPECT_GT(nSent, 0);
    EXPECT_LT(nSent, static_cast<int>(flood.size()));
    EXPECT_EQ(WSAETIMEDOUT, CSocket::GetLastError());
}

TEST_F(CSocketTest, AsyncConnectReportsOnConnectThenOnSend)
{
    struct CAsyncRecorder : CAsyncSocket {
        std::vector<std::string> events;
        int nConnectError = -1;
        void OnConnect(int nErrorCode) override
        {
            events.push_back("connect");
            nConnectError = nErrorCode;
        }
        void OnSend(int) override { events.push_back("send"); }
    };
    struct Case {
        const char* szHost;
        std::vector<std::string> events;
        int nConnectError;
    };
    const Case cases[] = {
        {LOOPBACK, {"connect", "send"}, 0},
        {"cardserver.test", {"connect", "send"}, 0},
        {"unknown.test", {"connect"}, WSAHOST_NOT_FOUND},
    };
    CTestNameServer nameServer;
    for (const Case& test : cases) {
        CAsyncRecorder recorder;
        ASSERT_TRUE(recorder.Create());
        if (!recorder.Connect(test.szHost, m_nPort)) {
            EXPECT_EQ(WSAEWOULDBLOCK, CAsyncSocket::GetLastError());
        }
        ASSERT_TRUE(RunLoopUntil([&] { return recorder.events.size() >= test.events.size(); }));
        EXPECT_EQ(test.events, recorder.events) << test.szHost;
        EXPECT_EQ(test.nConnectError, recorder.nConnectError) << test.szHost;
    }
    ASSERT_TRUE(RunLoopUntil([&] { return m_server.m_clients.size() == 2; }));
    EXPECT_TRUE(ServerEnd().IsCreated());
}

TEST_F(CSocketTest, MisuseFailsWithAReasonInsteadOfActing)
{
    CAsyncSocket unmade;
    char buffer[4];
    EXPECT_EQ(SOCKET_ERROR, unmade.Send("x", 1));
    EXPECT_EQ(WSAENOTSOCK, CAsyncSocket::GetLastError());
    EXPECT_EQ(SOCKET_ERROR, unmade.Receive(buffer, sizeof buffer));
    EXPECT_FALSE(unmade.Listen());
    unmade.Close();

    CRecordingSocket client;
    ASSERT_TRUE(client.Create());
    EXPECT_EQ(SOCKET_ERROR, client.Send("x", 1));
    EXPECT_EQ(WSAENOTCONN, CAsyncSocket::GetLastError());
    EXPECT_FALSE(client.Connect("", m_nPort));
    EXPECT_FALSE(client.Connect(LOOPBACK, 70000));
    CAsyncSocket target;
    ASSERT_TRUE(target.Create());
    EXPECT_FALSE(m_server.Accept(target));
    EXPECT_EQ(WSAEINVAL, CAsyncSocket::GetLastError());
}

TEST_F(CSocketTest, HostNameIsLookedUpWhileTheLoopRunsAndAnUnansweredOneGivesUp)
{
    CTestNameServer nameServer;
    CTestNameServer::SetAnswering(false);
    // Data waiting for this socket lets the name server answer once the loop gets to it.
    CRecordingSocket trigger;
    ConnectClient(trigger);
    trigger.m_onReceive = [] { CTestNameServer::SetAnswering(true); };
    ServerEnd().Send("go", 2);
    CRecordingSocket client;
    ASSERT_TRUE(client.Create());
    EXPECT_TRUE(client.Connect("cardserver.test", m_nPort));
    EXPECT_FALSE(CTestNameServer::GaveUp()) << "the lookup held the loop";

    CSocket::SetBlockingTimeout(300);
    CTestNameServer::SetAnswering(false);
    CRecordingSocket lost;
    ASSERT_TRUE(lost.Create());
    auto& backend = static_cast<plat::CHeadlessBackend&>(plat::GetBackend());
    const long nPumpsBefore = backend.GetPumpCount();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(lost.Connect("cardserver.test", m_nPort));
    EXPECT_EQ(WSAETIMEDOUT, CSocket::GetLastError());
    EXPECT_LT(SecondsSince(start), 1.5);
    // It waited in the loop's one wait, not in slices that look again and again.
    EXPECT_LE(backend.GetPumpCount() - nPumpsBefore, 4);
    EXPECT_TRUE(lost.Connect(LOOPBACK, m_nPort)) << "the socket may try again";

    CTestNameServer::SetAnswering(true);
    CRecordingSocket unknown;
    ASSERT_TRUE(unknown.Create());
    EXPECT_FALSE(unknown.Connect("unknown.test", m_nPort));
    EXPECT_EQ(WSAHOST_NOT_FOUND, CSocket::GetLastError());
}

// A blocking Connect waiting for its host's lookup fails at once as a cancelled call when a
// handler the loop runs meanwhile (here a notification of another socket, which runs while
// the wait looks for messages) closes or deletes its socket, or cancels the blocking calls.
// Nothing of a deleted socket is touched afterwards (the sanitizer build would tell).
TEST_F(CSocketTest, ConnectWaitingForItsLookupIsCancelledByItsSocketsCloseOrDeletion)
{
    enum class Act { Close, Delete, Cancel };
    CTestNameServer nameServer;
    CSocket::SetBlockingTimeout(5000);
    for (const Act act : {Act::Close, Act::Delete, Act::Cancel}) {
        CTestNameServer::SetAnswering(false);
        CRecordingSocket trigger;
        ConnectClient(trigger);
        auto pWaiting = std::make_unique<CRecordingSocket>();
        ASSERT_TRUE(pWaiting->Create());
        trigger.m_onReceive = [&] {
            trigger.m_onReceive = nullptr;
            if (act == Act::Close)
                pWaiting->Close();
            else if (act == Act::Delete)
                pWaiting.reset();
            else
                CSocket::CancelBlockingCalls();
        };
        ServerEnd().Send("go", 2);
        CRecordingSocket* pSocket = pWaiting.get();
        EXPECT_FALSE(pSocket->Connect("cardserver.test", m_nPort));
        EXPECT_EQ(WSAEINTR, CSocket::GetLastError()) << static_cast<int>(act);
        CTestNameServer::SetAnswering(true);
        if (act == Act::Cancel) {
            EXPECT_TRUE(pWaiting->Connect(LOOPBACK, m_nPort)) << "the socket may try again";
        }
    }
}

TEST_F(CSocketTest, SendMadeWhileAnotherSendWaitsIsRefusedNotInterleaved)
{
    CRecordingSocket client;
    ConnectClient(client);
    CRecordingSocket& reader = ServerEnd();
    reader.m_bReadOnReceive = false;
    // Once the flood has filled the buffers, the reader makes room and the client, from
    // inside its waiting send, tries another.
    int nNestedResult = 0;
    int nNestedError = 0;
    reader.m_onReceive = [&] {
        reader.m_onReceive = nullptr;
        reader.m_bReadOnReceive = true;
        reader.ReadChunk();
        nNestedResult = client.Send("nested\n", 7);
        nNestedError = CSocket::GetLastError();
    };
    const std::string strFlood(16 << 20, 'x');
    EXPECT_EQ(static_cast<int>(strFlood.size()),
              client.Send(strFlood.data(), static_cast<int>(strFlood.size())));
    ASSERT_TRUE(RunLoopUntil([&] { return reader.m_strText.size() >= strFlood.size(); }));
    EXPECT_EQ(SOCKET_ERROR, nNestedResult);
    EXPECT_EQ(WSAEINPROGRESS, nNestedError);
    EXPECT_EQ(strFlood.size(), reader.m_strText.size());
    EXPECT_EQ(std::string::npos, reader.m_strText.find("nested")) << "nothing in the middle";
}
