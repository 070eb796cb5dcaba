#pragma once
// CCardSocket: a stream socket of a card connection. It forwards its notifications to the
// owning CCardConnection: received text as one chunk per notification, the first send-ready
// notification as "the connection is usable", a waiting client to the owner's OnAccept and
// the peer's close to the owner's OnSocketClose. Destroying the socket closes it.

#include "platform/net/CSocket.h"

class CCardConnection;

class CCardSocket : public CSocket {
public:
    // The most bytes one receive notification reads: what is left waiting comes with the
    // next notification.
    static constexpr int MAX_CHUNK_BYTES = 1023;

    // pOwner (not owned) hears every notification and must outlive the socket, or delete it.
    explicit CCardSocket(CCardConnection* pOwner);

    // Reads at most MAX_CHUNK_BYTES and delivers them, up to the first zero byte, as text; a
    // failed read delivers nothing.
    void OnReceive(int nErrorCode) override;
    // The socket has become writable, which first happens when the connection is made.
    void OnSend(int nErrorCode) override;
    void OnAccept(int nErrorCode) override;
    // The owner may delete this socket from here.
    void OnClose(int nErrorCode) override;

private:
    CCardConnection* m_pOwner;
};
