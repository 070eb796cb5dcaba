#include "platform/wnd/CWindowDC.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/WindowTree.h"

CWindowDC::CWindowDC(CWnd* pWnd)
{
    Open(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
}

CWindowDC::CWindowDC(HWND hWnd)
{
    Open(hWnd);
}

void CWindowDC::Open(HWND hWnd)
{
    HWND hTop = plat::GetTopLevel(hWnd);
    if (!plat::IsLiveWindow(hTop) || !hTop->m_pSurface)
        return;
    m_hWnd = hTop;
    AttachSurface(hTop->m_pSurface.get(), CPoint(0, 0), hTop->m_pSurface->GetBounds());
}

CWindowDC::~CWindowDC()
{
    CRect rectDirty = TakeDirtyRect();
    if (!rectDirty.IsRectEmpty() && plat::IsLiveWindow(m_hWnd) && plat::IsShownOnScreen(m_hWnd))
        plat::PresentDrawing(m_hWnd, rectDirty);
    DetachSurface();
}
