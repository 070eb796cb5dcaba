#include "platform/net/netdefs.h"

#include <cerrno>

namespace {

// The interface version start-up reports: 2.2.
const WORD SOCKETS_VERSION = 0x0202;

struct ErrorPair {
    int nErrno;
    int nSocketError;
};

const ErrorPair ERROR_TABLE[] = {
    {EINTR, WSAEINTR},
    {EACCES, WSAEACCES},
    {EFAULT, WSAEFAULT},
    {EINVAL, WSAEINVAL},
    {EMFILE, WSAEMFILE},
    {EAGAIN, WSAEWOULDBLOCK},
    {EINPROGRESS, WSAEWOULDBLOCK},
    {EALREADY, WSAEALREADY},
    {ENOTSOCK, WSAENOTSOCK},
    {EBADF, WSAENOTSOCK},
    {EMSGSIZE, WSAEMSGSIZE},
    {EADDRINUSE, WSAEADDRINUSE},
    {EADDRNOTAVAIL, WSAEADDRNOTAVAIL},
    {ENETDOWN, WSAENETDOWN},
    {ENETUNREACH, WSAENETUNREACH},
    {ECONNABORTED, WSAECONNABORTED},
    {ECONNRESET, WSAECONNRESET},
    {EPIPE, WSAECONNRESET},
    {ENOBUFS, WSAENOBUFS},
    {ENOMEM, WSAENOBUFS},
    {EISCONN, WSAEISCONN},
    {ENOTCONN, WSAENOTCONN},
    {ESHUTDOWN, WSAESHUTDOWN},
    {ETIMEDOUT, WSAETIMEDOUT},
    {ECONNREFUSED, WSAECONNREFUSED},
    {EHOSTUNREACH, WSAEHOSTUNREACH},
};

} // namespace

BOOL AfxSocketInit(WSADATA* lpwsaData)
{
    if (lpwsaData)
        lpwsaData->wVersion = SOCKETS_VERSION;
    return TRUE;
}

namespace plat {

int SocketErrorFromErrno(int nErrno)
{
    for (const ErrorPair& pair : ERROR_TABLE)
        if (pair.nErrno == nErrno)
            return pair.nSocketError;
    return WSAEINVAL;
}

} // namespace plat
