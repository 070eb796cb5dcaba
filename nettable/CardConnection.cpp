#include "nettable/CardConnection.h"

#include "nettable/ConnectionListener.h"

CCardConnection::CCardConnection(CConnectionListener* pListener) : m_pListener(pListener)
{
}

CCardConnection::~CCardConnection() = default;

BOOL CCardConnection::OnAccept()
{
    return FALSE;
}

BOOL CCardConnection::Connect(const CString&, UINT)
{
    return FALSE;
}

void CCardConnection::DeliverText(const CString& strText)
{
    m_pListener->OnText(strText);
}

void CCardConnection::Notify(int nState)
{
    m_pListener->OnConnectionState(nState);
}

void CCardConnection::OnConnected()
{
    Notify(CONNECTION_USABLE);
}
