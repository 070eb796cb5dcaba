#include "platform/backend/CHeadlessBackend.h"

namespace plat {

void CHeadlessBackend::Present(HWND /*hWnd*/, const CRect& /*rectSurface*/)
{
    ++m_nPresents;
}

bool CHeadlessBackend::PumpEvents()
{
    ++m_nPumps;
    return false;
}

} // namespace plat
