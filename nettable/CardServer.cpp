#include "nettable/CardServer.h"

#include <algorithm>
#include <iostream>

#include "nettable/CardSocket.h"
#include "nettable/ConnectionListener.h"

CCardServer::CCardServer(CConnectionListener* pListener, UINT nPort, int nBacklog)
    : CCardConnection(pListener), m_pListenSocket(std::make_unique<CCardSocket>(this))
{
    if (!m_pListenSocket->Create(nPort, SOCK_STREAM, nullptr))
        std::cout << "server failed Create" << std::endl;
    if (!m_pListenSocket->Listen(nBacklog))
        std::cout << "server failed Listen" << std::endl;
}

CCardServer::~CCardServer() = default;

BOOL CCardServer::OnAccept()
{
    auto pClient = std::make_unique<CCardSocket>(this);
    const BOOL bAccepted = m_pListenSocket->Accept(*pClient);
    if (bAccepted) {
        m_clients.push_back(std::move(pClient));
    } else {
        // A socket that took no client would never close, so it would stand for a client
        // for ever and the last real one leaving would never be reported: it is dropped.
        std::cout << "server failed accept" << std::endl;
    }
    return bAccepted;
}

void CCardServer::Send(const CString& strText)
{
    for (const std::unique_ptr<CCardSocket>& pClient : m_clients)
        pClient->Send(static_cast<LPCTSTR>(strText), strText.GetLength(), 0);
}

void CCardServer::OnSocketClose(CCardSocket* pSocket)
{
    const auto it =
        std::find_if(m_clients.begin(), m_clients.end(),
                     [pSocket](const auto& pClient) { return pClient.get() == pSocket; });
    if (it == m_clients.end())
        return;
    m_clients.erase(it);
    if (m_clients.empty())
        Notify(CONNECTION_CLOSED);
}

UINT CCardServer::GetPort() const
{
    CString strAddress;
    UINT nPort = 0;
    if (!m_pListenSocket->GetSockName(strAddress, nPort))
        return 0;
    return nPort;
}
