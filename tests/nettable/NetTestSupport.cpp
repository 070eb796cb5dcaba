#include "tests/nettable/NetTestSupport.h"

namespace nettest {

namespace {

// Clients that fill the silent listener's queue (a backlog of 0 still takes one or two).
constexpr int SILENT_QUEUE_FILLERS = 3;
constexpr int READ_BUFFER_BYTES = 4096;

} // namespace

void CRecordingListener::OnText(const CString& strText)
{
    m_chunks.emplace_back(static_cast<LPCTSTR>(strText), strText.GetLength());
}

std::string CRecordingListener::AllText() const
{
    std::string strAll;
    for (const std::string& strChunk : m_chunks)
        strAll += strChunk;
    return strAll;
}

int CRecordingListener::CountStates(int nState) const
{
    int nCount = 0;
    for (int nSeen : m_states)
        nCount += nSeen == nState;
    return nCount;
}

void CPeerSocket::OnReceive(int nErrorCode)
{
    char buffer[READ_BUFFER_BYTES];
    const int nRead = Receive(buffer, sizeof buffer);
    if (nRead > 0)
        m_strText.append(buffer, nRead);
    CSocket::OnReceive(nErrorCode);
}

void CPeerSocket::OnClose(int nErrorCode)
{
    m_bPeerClosed = true;
    CSocket::OnClose(nErrorCode);
}

void CPeerSocket::SendBytes(const std::string& strBytes)
{
    Send(strBytes.data(), static_cast<int>(strBytes.size()));
}

bool CTestServer::Start()
{
    CString strAddress;
    return Create(0, SOCK_STREAM, LOOPBACK) && Listen() && GetSockName(strAddress, m_nPort);
}

void CTestServer::OnAccept(int nErrorCode)
{
    auto pPeer = std::make_unique<CPeerSocket>();
    if (Accept(*pPeer))
        m_peers.push_back(std::move(pPeer));
    CSocket::OnAccept(nErrorCode);
}

bool CSilentServer::Start()
{
    CString strAddress;
    if (!m_listener.Create(0, SOCK_STREAM, LOOPBACK) || !m_listener.Listen(0) ||
        !m_listener.GetSockName(strAddress, m_nPort))
        return false;
    for (int i = 0; i < SILENT_QUEUE_FILLERS; i++) {
        m_fillers.push_back(std::make_unique<CAsyncSocket>());
        m_fillers.back()->Create();
        m_fillers.back()->Connect(LOOPBACK, m_nPort);
    }
    RunLoopFor(SETTLE_MS);
    return true;
}

CBlockingTimeoutGuard::CBlockingTimeoutGuard(DWORD dwMilliseconds)
    : m_dwOld(CSocket::GetBlockingTimeout())
{
    CSocket::SetBlockingTimeout(dwMilliseconds);
}

CBlockingTimeoutGuard::~CBlockingTimeoutGuard()
{
    CSocket::SetBlockingTimeout(m_dwOld);
}

} // namespace nettest
