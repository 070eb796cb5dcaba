#include "tests/support/Loopback.h"

#include "platform/net.h"

namespace loopback {

UINT ClosedPort()
{
    CAsyncSocket probe;
    probe.Create(0, SOCK_STREAM, LOOPBACK);
    probe.Listen();
    CString strAddress;
    UINT nPort = 0;
    probe.GetSockName(strAddress, nPort);
    return nPort;
}

} // namespace loopback
