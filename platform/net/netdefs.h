#pragma once
// The socket module's constants, error codes and start-up call, spelled the framework's way.

#include <sys/socket.h>

#include "platform/base/types.h"

typedef sockaddr SOCKADDR;

// What a failed Send or Receive returns.
#define SOCKET_ERROR (-1)

// Error codes of GetLastError and of the notifications' nErrorCode.
enum {
    WSAEINTR = 10004,
    WSAEACCES = 10013,
    WSAEFAULT = 10014,
    WSAEINVAL = 10022,
    WSAEMFILE = 10024,
    WSAEWOULDBLOCK = 10035,
    WSAEINPROGRESS = 10036,
    WSAEALREADY = 10037,
    WSAENOTSOCK = 10038,
    WSAEMSGSIZE = 10040,
    WSAEADDRINUSE = 10048,
    WSAEADDRNOTAVAIL = 10049,
    WSAENETDOWN = 10050,
    WSAENETUNREACH = 10051,
    WSAECONNABORTED = 10053,
    WSAECONNRESET = 10054,
    WSAENOBUFS = 10055,
    WSAEISCONN = 10056,
    WSAENOTCONN = 10057,
    WSAESHUTDOWN = 10058,
    WSAETIMEDOUT = 10060,
    WSAECONNREFUSED = 10061,
    WSAEHOSTUNREACH = 10065,
    WSAHOST_NOT_FOUND = 11001
};

// Start-up details the framework hands back; nothing here needs them.
struct WSADATA {
    WORD wVersion;
};
typedef WSADATA* LPWSADATA;

// Readies the sockets; always succeeds here.
BOOL AfxSocketInit(WSADATA* lpwsaData = nullptr);

namespace plat {

// The code of the error errno names (WSAEINVAL for one with no code of its own).
int SocketErrorFromErrno(int nErrno);

} // namespace plat
