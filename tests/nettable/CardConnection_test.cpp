#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nettable/CardClient.h"
#include "nettable/CardServer.h"
#include "nettable/CardSocket.h"
#include "tests/nettable/NetTestSupport.h"

namespace {

using namespace nettest;

// A client with its listener, and the test server it connects to.
class CCardClientTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.Start()); }

    // Connects the client and waits until both ends hold the connection.
    void ConnectClient()
    {
        const int nPeersBefore = m_server.GetPeerCount();
        const int nUsableBefore = m_listener.CountStates(CONNECTION_USABLE);
        ASSERT_TRUE(m_client.Connect(LOOPBACK, m_server.GetPort()));
        ASSERT_TRUE(RunLoopUntil([&] {
            return m_server.GetPeerCount() > nPeersBefore &&
                   m_listener.CountStates(CONNECTION_USABLE) > nUsableBefore;
        }));
    }

    CPeerSocket& ServerEnd() { return m_server.Peer(m_server.GetPeerCount() - 1); }

    CTestServer m_server;
    CRecordingListener m_listener;
    CCardClient m_client{&m_listener};
};

TEST_F(CCardClientTest, ExchangesTextAndReportsUsableOnce)
{
    ConnectClient();
    m_client.Send("newgame\n");
    m_client.Send("deal\n");
    const std::string strSent = "newgame\ndeal\n";
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_strText.size() >= strSent.size(); }));

    // Lines that come in one segment are one chunk.
    ServerEnd().SendBytes("newhand\nshuffle\n");
    ASSERT_TRUE(RunLoopUntil([&] { return !m_listener.m_chunks.empty(); }));
    RunLoopFor(SETTLE_MS);
    // No terminating zero went with the texts.
    EXPECT_EQ(strSent, ServerEnd().m_strText);
    EXPECT_EQ(std::vector<std::string>{"newhand\nshuffle\n"}, m_listener.m_chunks);
    EXPECT_EQ(std::vector<int>{CONNECTION_USABLE}, m_listener.m_states);
}

TEST_F(CCardClientTest, ChunksHoldAtMost1023BytesAndEndAtAZeroByte)
{
    ConnectClient();
    const std::string strExact(CCardSocket::MAX_CHUNK_BYTES, 'a');
    ServerEnd().SendBytes(strExact);
    ASSERT_TRUE(RunLoopUntil([&] { return m_listener.AllText().size() >= strExact.size(); }));
    EXPECT_EQ(std::vector<std::string>{strExact}, m_listener.m_chunks);

    m_listener.m_chunks.clear();
    std::string strLong;
    for (int i = 0; i < 2500; i++)
        strLong += static_cast<char>('a' + i % 26);
    ServerEnd().SendBytes(strLong);
    ASSERT_TRUE(RunLoopUntil([&] { return m_listener.AllText().size() >= strLong.size(); }));
    EXPECT_EQ(strLong, m_listener.AllText());
    EXPECT_GE(m_listener.m_chunks.size(), 3u);
    for (const std::string& strChunk : m_listener.m_chunks)
        EXPECT_LE(strChunk.size(), static_cast<size_t>(CCardSocket::MAX_CHUNK_BYTES));

    m_listener.m_chunks.clear();
    ServerEnd().SendBytes(std::string("deal\0junk\n", 10));
    ASSERT_TRUE(RunLoopUntil([&] { return !m_listener.m_chunks.empty(); }));
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(std::vector<std::string>{"deal"}, m_listener.m_chunks);
}

TEST_F(CCardClientTest, ServerClosingMidLineDeliversThePartThenReportsClosed)
{
    ConnectClient();
    ServerEnd().SendBytes("newga");
    ServerEnd().Close();
    ASSERT_TRUE(RunLoopUntil([&] { return m_listener.CountStates(CONNECTION_CLOSED) > 0; }));
    EXPECT_EQ("newga", m_listener.AllText());
    EXPECT_EQ((std::vector<int>{CONNECTION_USABLE, CONNECTION_CLOSED}), m_listener.m_states);

    // The closed client connects again on a fresh socket.
    ConnectClient();
    EXPECT_EQ(2, m_server.GetPeerCount());
    m_client.Send("deal\n");
    ASSERT_TRUE(RunLoopUntil([&] { return ServerEnd().m_strText == "deal\n"; }));
}

TEST_F(CCardClientTest, FailedConnectIsNeverReportedAndTheClientMayTryAgain)
{
    EXPECT_FALSE(m_client.Connect(LOOPBACK, ClosedPort()));
    // Sending on a connection that failed goes nowhere.
    m_client.Send("newgame\n");
    RunLoopFor(SETTLE_MS);
    EXPECT_TRUE(m_listener.m_states.empty());

    ConnectClient();
    // Connect on a socket that is connected fails and leaves the connection alone.
    EXPECT_FALSE(m_client.Connect(LOOPBACK, m_server.GetPort()));
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(1, m_server.GetPeerCount());
    EXPECT_EQ(std::vector<int>{CONNECTION_USABLE}, m_listener.m_states);
}

// A card server with its listener, and clients that connect to it.
class CCardServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(0u, m_server.GetPort()); }

    // A new client, connected once the server holds it.
    std::unique_ptr<CCardClient> Connect(CRecordingListener& listener)
    {
        auto pClient = std::make_unique<CCardClient>(&listener);
        const int nBefore = m_server.GetClientCount();
        EXPECT_TRUE(pClient->Connect(LOOPBACK, m_server.GetPort()));
        EXPECT_TRUE(RunLoopUntil([&] {
            return m_server.GetClientCount() > nBefore &&
                   listener.CountStates(CONNECTION_USABLE) > 0;
        }));
        return pClient;
    }

    CRecordingListener m_listener;
    CCardServer m_server{&m_listener, 0, 5};
};

TEST_F(CCardServerTest, ServesEveryClientAndReportsOnlyTheLastOneLeaving)
{
    CRecordingListener first;
    CRecordingListener second;
    auto pFirst = Connect(first);
    auto pSecond = Connect(second);
    // Each accepted connection reports itself usable.
    EXPECT_EQ(2, m_listener.CountStates(CONNECTION_USABLE));

    m_server.Send("startplay\n");
    ASSERT_TRUE(RunLoopUntil(
        [&] { return first.AllText() == "startplay\n" && second.AllText() == "startplay\n"; }));
    pSecond->Send("newhand\n");
    ASSERT_TRUE(RunLoopUntil([&] { return m_listener.AllText() == "newhand\n"; }));

    pFirst.reset();
    ASSERT_TRUE(RunLoopUntil([&] { return m_server.GetClientCount() == 1; }));
    RunLoopFor(SETTLE_MS);
    EXPECT_EQ(0, m_listener.CountStates(CONNECTION_CLOSED));
    pSecond.reset();
    ASSERT_TRUE(RunLoopUntil([&] { return m_server.GetClientCount() == 0; }));
    EXPECT_EQ(1, m_listener.CountStates(CONNECTION_CLOSED));

    // A socket the server does not hold changes nothing.
    CCardSocket stranger(&m_server);
    m_server.OnSocketClose(&stranger);
    EXPECT_EQ(1, m_listener.CountStates(CONNECTION_CLOSED));
}

TEST_F(CCardServerTest, FailuresAreWrittenToStandardOutputAndTheServerCarriesOn)
{
    ::testing::internal::CaptureStdout();
    CRecordingListener other;
    CCardServer taken(&other, m_server.GetPort(), 5);
    EXPECT_EQ("server failed Create\nserver failed Listen\n",
              ::testing::internal::GetCapturedStdout());
    EXPECT_EQ(0u, taken.GetPort());

    // An accept with nobody waiting fails and leaves no client behind, so that the last real
    // client's leaving is still reported.
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(m_server.OnAccept());
    EXPECT_EQ("server failed accept\n", ::testing::internal::GetCapturedStdout());
    EXPECT_EQ(0, m_server.GetClientCount());
    CRecordingListener client;
    Connect(client).reset();
    ASSERT_TRUE(RunLoopUntil([&] { return m_listener.CountStates(CONNECTION_CLOSED) == 1; }));
}

} // namespace
