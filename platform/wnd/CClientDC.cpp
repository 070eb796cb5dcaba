#include "platform/wnd/CClientDC.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/WindowTree.h"

CClientDC::CClientDC(CWnd* pWnd)
{
    Open(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
}

CClientDC::CClientDC(HWND hWnd)
{
    Open(hWnd);
}

void CClientDC::Open(HWND hWnd)
{
    if (!plat::IsLiveWindow(hWnd))
        return;
    HWND hTop = plat::GetTopLevel(hWnd);
    if (!hTop->m_pSurface)
        return;
    m_hWnd = hWnd;
    CPoint origin = plat::GetClientOrigin(hWnd);
    CRect rectLimit(origin, plat::GetClientArea(hWnd).Size());
    // A child draws only within its parents' client areas.
    for (HWND h = hWnd->m_hParent; h != nullptr; h = h->m_hParent)
        rectLimit.IntersectRect(&rectLimit, CRect(plat::GetClientOrigin(h), plat::GetClientArea(h).Size()));
    AttachSurface(hTop->m_pSurface.get(), origin, rectLimit);
}

CClientDC::~CClientDC()
{
    Flush();
    DetachSurface();
}

void CClientDC::Flush()
{
    CRect rectDirty = TakeDirtyRect();
    if (rectDirty.IsRectEmpty() || !plat::IsLiveWindow(m_hWnd) || !plat::IsShownOnScreen(m_hWnd))
        return;
    plat::PresentDrawing(plat::GetTopLevel(m_hWnd), rectDirty);
}
