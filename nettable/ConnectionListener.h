#pragma once
// CConnectionListener: how a card connection (CCardConnection) reports to the game that
// owns it. Both calls arrive on the user-interface thread, from the socket notifications.

#include "platform/base/CString.h"

// The states OnConnectionState reports.
enum {
    CONNECTION_CLOSED = 0, // the connection was lost or closed
    CONNECTION_USABLE = 1  // the connection is established and takes text
};

class CConnectionListener {
public:
    virtual ~CConnectionListener() = default;

    // CONNECTION_USABLE once the connection can be written to, CONNECTION_CLOSED when the
    // peer has gone.
    virtual void OnConnectionState(int nState) = 0;
    // One chunk of received text, as one receive call gave it: no framing, so a chunk may
    // hold part of a line or several lines.
    virtual void OnText(const CString& strText) = 0;
};
