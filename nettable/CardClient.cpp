#include "nettable/CardClient.h"

#include "nettable/CardSocket.h"
#include "nettable/ConnectionListener.h"

CCardClient::CCardClient(CConnectionListener* pListener)
    : CCardConnection(pListener), m_pSocket(std::make_unique<CCardSocket>(this))
{
}

CCardClient::~CCardClient() = default;

BOOL CCardClient::Connect(const CString& strHost, UINT nPort)
{
    // A socket made by an earlier Connect and still open makes Create fail; the connect
    // below then reports what is wrong.
    m_pSocket->Create(0, SOCK_STREAM, nullptr);
    return m_pSocket->Connect(strHost, nPort);
}

void CCardClient::Send(const CString& strText)
{
    m_pSocket->Send(static_cast<LPCTSTR>(strText), strText.GetLength(), 0);
}

void CCardClient::OnSocketClose(CCardSocket*)
{
    m_pSocket->Close();
    Notify(CONNECTION_CLOSED);
}
