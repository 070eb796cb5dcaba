#pragma once
// CCardServer: a listening card connection. It accepts every client that connects, sends
// text to all of them, and reports CONNECTION_USABLE for each client's connection and
// CONNECTION_CLOSED when the last client has gone. Failures are written as one line each to
// the standard output stream ("server failed Create", "server failed Listen", "server failed
// accept") and the server carries on. The program itself builds none; it serves tests and
// anyone who wants to play the other end.

#include <memory>
#include <vector>

#include "nettable/CardConnection.h"

class CCardSocket;

class CCardServer : public CCardConnection {
public:
    // Listens on nPort (0: a port the system chooses) of every local address, with room for
    // nBacklog waiting clients.
    CCardServer(CConnectionListener* pListener, UINT nPort, int nBacklog);
    // Closes every client and the listening socket.
    ~CCardServer() override;

    // Accepts the waiting client onto a new socket; TRUE when that worked.
    BOOL OnAccept() override;
    // One send of the text to each client, in the order they came.
    void Send(const CString& strText) override;
    // Drops and destroys pSocket when it is one of the clients; CONNECTION_CLOSED when none
    // is left then.
    void OnSocketClose(CCardSocket* pSocket) override;

    int GetClientCount() const { return static_cast<int>(m_clients.size()); }
    // The port the server listens on; 0 when it does not listen.
    UINT GetPort() const;

private:
    std::unique_ptr<CCardSocket> m_pListenSocket;
    std::vector<std::unique_ptr<CCardSocket>> m_clients;
};
