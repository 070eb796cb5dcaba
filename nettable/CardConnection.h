#pragma once
// CCardConnection: one end of the link to a card server, as the game sees it. A connection
// sends text and reports through its listener (not owned) when it becomes usable, when text
// arrives and when it closes; its CCardSocket objects call back into it from their
// notifications. CCardClient connects to a server, CCardServer accepts clients.

#include "platform/base/CString.h"
#include "platform/base/types.h"

class CCardSocket;
class CConnectionListener;

class CCardConnection {
public:
    // pListener (not owned) hears every report; it must outlive the connection.
    explicit CCardConnection(CConnectionListener* pListener);
    // Virtual, as the game holds its client through this type and deletes it so.
    virtual ~CCardConnection();
    CCardConnection(const CCardConnection&) = delete;
    CCardConnection& operator=(const CCardConnection&) = delete;

    // A client waits on a listening socket; a connection that does not listen refuses.
    virtual BOOL OnAccept();
    // Connects to the server at strHost (a name or dotted address) and nPort; a connection
    // that does not connect refuses.
    virtual BOOL Connect(const CString& strHost, UINT nPort);
    // Sends the text's characters, without a terminating zero; failures are not reported.
    virtual void Send(const CString& strText) = 0;
    // pSocket's peer has closed the connection.
    virtual void OnSocketClose(CCardSocket* pSocket) = 0;

    // Hands a received chunk to the listener.
    void DeliverText(const CString& strText);
    // Reports nState (CONNECTION_USABLE or CONNECTION_CLOSED) to the listener.
    void Notify(int nState);
    // Reports the connection as usable.
    void OnConnected();

protected:
    CConnectionListener* m_pListener;
};
