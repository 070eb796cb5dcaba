#pragma once
// CCardClient: the connection the network table builds. It connects to a card server over
// TCP and sends it text; its listener hears CONNECTION_USABLE once the connection can be
// written to, each received chunk, and CONNECTION_CLOSED when the server closes. After a
// close it may connect again.

#include <memory>

#include "nettable/CardConnection.h"

class CCardSocket;

class CCardClient : public CCardConnection {
public:
    // The socket object exists from here on; the system socket only from Connect.
    explicit CCardClient(CConnectionListener* pListener);
    // Destroys the socket, which closes the connection.
    ~CCardClient() override;

    // Makes the system socket (when there is none yet) and connects, waiting for the outcome
    // while window messages are dispatched. A failure is only returned: the listener never
    // hears CONNECTION_USABLE then.
    BOOL Connect(const CString& strHost, UINT nPort) override;
    // One send of the text; a failure is ignored.
    void Send(const CString& strText) override;
    // Closes the client's socket and reports CONNECTION_CLOSED.
    void OnSocketClose(CCardSocket* pSocket) override;

private:
    std::unique_ptr<CCardSocket> m_pSocket;
};
