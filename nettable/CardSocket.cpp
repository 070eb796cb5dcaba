#include "nettable/CardSocket.h"

#include <memory>

#include "nettable/CardConnection.h"

CCardSocket::CCardSocket(CCardConnection* pOwner) : m_pOwner(pOwner)
{
}

// Each handler ends with the base class's handler, unless what the owner did meanwhile
// destroyed this socket (a server drops a closed client, a listener may end the game).

void CCardSocket::OnReceive(int nErrorCode)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    char buffer[MAX_CHUNK_BYTES + 1];
    const int nRead = Receive(buffer, MAX_CHUNK_BYTES, 0);
    if (!*pAlive)
        return;
    if (nRead != SOCKET_ERROR) {
        buffer[nRead] = '\0';
        m_pOwner->DeliverText(CString(buffer));
    }
    if (*pAlive)
        CSocket::OnReceive(nErrorCode);
}

void CCardSocket::OnSend(int nErrorCode)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    m_pOwner->OnConnected();
    if (*pAlive)
        CSocket::OnSend(nErrorCode);
}

void CCardSocket::OnAccept(int nErrorCode)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    m_pOwner->OnAccept();
    if (*pAlive)
        CSocket::OnAccept(nErrorCode);
}

void CCardSocket::OnClose(int nErrorCode)
{
    const std::shared_ptr<bool> pAlive = AliveToken();
    m_pOwner->OnSocketClose(this);
    if (*pAlive)
        CSocket::OnClose(nErrorCode);
}
