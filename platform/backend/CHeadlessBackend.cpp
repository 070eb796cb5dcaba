#include "platform/backend/CHeadlessBackend.h"

#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/WindowHandle.h"
#include "platform/wnd/styles.h"

namespace plat {

bool CHeadlessBackend::IsManaged(HWND hWnd) const
{
    return (hWnd->m_dwStyle & WS_CAPTION) == WS_CAPTION;
}

void CHeadlessBackend::Report(HWND hWnd, CPoint ptTopLeft)
{
    if (!m_rectMargins.IsRectNull())
        CInputRouter::OnMoved(hWnd, ptTopLeft);
}

void CHeadlessBackend::OnWindowDestroyed(HWND hWnd)
{
    if (m_hFront == hWnd)
        m_hFront = nullptr;
}

void CHeadlessBackend::OnWindowShown(HWND hWnd, bool bShow)
{
    if (!IsManaged(hWnd))
        return;
    if (bShow)
        m_hFront = hWnd;
    else if (m_hFront == hWnd)
        m_hFront = nullptr;
    const CSize sizeFrame(m_rectMargins.left, m_rectMargins.top);
    Report(hWnd, bShow ? hWnd->m_rect.TopLeft() + sizeFrame : hWnd->m_rect.TopLeft() - sizeFrame);
}

void CHeadlessBackend::OnWindowMoved(HWND hWnd)
{
    if (IsManaged(hWnd) && hWnd->m_bVisible)
        Report(hWnd, hWnd->m_rect.TopLeft());
}

CRect CHeadlessBackend::GetFrameMargins(HWND hWnd) const
{
    return IsManaged(hWnd) ? m_rectMargins : CRect();
}

void CHeadlessBackend::ActivateAsManager(HWND hWnd)
{
    m_hFront = hWnd;
    CInputRouter::OnActivated(hWnd);
}

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
