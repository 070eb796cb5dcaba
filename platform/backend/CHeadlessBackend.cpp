#include "platform/backend/CHeadlessBackend.h"

#include <poll.h>

namespace plat {

void CHeadlessBackend::Present(HWND /*hWnd*/, const CRect& /*rectSurface*/)
{
    ++m_nPresents;
}

bool CHeadlessBackend::PumpEvents(int nTimeoutMs)
{
    if (nTimeoutMs > 0)
        poll(nullptr, 0, nTimeoutMs);
    return false;
}

} // namespace plat
