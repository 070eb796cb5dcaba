#include "platform/backend/CHeadlessBackend.h"

#include <algorithm>

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
    std::vector<HeldEvent> held;
    held.swap(m_held);
    for (const HeldEvent& event : held) {
        if (event.kind == HeldEvent::Kind::CloseBox)
            CInputRouter::OnCloseBox(event.hWnd);
        else
            CInputRouter::QueueKey(event.hWnd, event.nKey, event.bDown);
    }
    return !held.empty();
}

bool CHeadlessBackend::ServeWindowSystem()
{
    return std::any_of(m_held.begin(), m_held.end(), [](const HeldEvent& event) {
        return event.kind == HeldEvent::Kind::CloseBox ||
               (event.bDown && CInputRouter::IsClosingKey(event.hWnd, event.nKey));
    });
}

void CHeadlessBackend::HoldCloseBox(HWND hWnd)
{
    m_held.push_back(HeldEvent{HeldEvent::Kind::CloseBox, hWnd, 0, false});
}

void CHeadlessBackend::HoldKey(HWND hWnd, UINT nKey, bool bDown)
{
    m_held.push_back(HeldEvent{HeldEvent::Kind::Key, hWnd, nKey, bDown});
}

void CHeadlessBackend::SetModifierHeld(UINT nKey, bool bHeld)
{
    if (bHeld)
        m_heldModifiers.insert(nKey);
    else
        m_heldModifiers.erase(nKey);
}

} // namespace plat
