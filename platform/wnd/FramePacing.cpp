#include "platform/wnd/FramePacing.h"

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/wnd/WindowHandle.h"
#include "platform/wnd/WindowTree.h"

namespace {

int s_nPacings = 0;
// Some window holds drawing in m_rectHeld.
bool s_bAnyHeld = false;
// When held drawing was last shown (GetTickCount).
DWORD s_dwLastShown = 0;
// Paints are being handed out for the frame that began at s_dwPaintFrame.
bool s_bPaintsOpen = false;
DWORD s_dwPaintFrame = 0;

} // namespace

namespace plat {

void PresentDrawing(HWND hTop, const CRect& rectSurface)
{
    if (s_nPacings == 0) {
        GetBackend().Present(hTop, rectSurface);
        return;
    }
    hTop->m_rectHeld.UnionRect(&hTop->m_rectHeld, &rectSurface);
    s_bAnyHeld = true;
    PresentHeldDrawingIfDue();
}

void PresentHeldDrawing()
{
    if (!s_bAnyHeld)
        return;
    s_bAnyHeld = false;
    s_dwLastShown = GetTickCount();
    for (HWND hTop : GetTopLevelWindows()) {
        const CRect rect = hTop->m_rectHeld;
        if (rect.IsRectEmpty())
            continue;
        hTop->m_rectHeld.SetRectEmpty();
        if (IsShownOnScreen(hTop))
            GetBackend().Present(hTop, rect);
    }
}

void PresentHeldDrawingIfDue()
{
    if (s_bAnyHeld && GetTickCount() - s_dwLastShown >= CFramePacing::FRAME_MS)
        PresentHeldDrawing();
}

void CatchUpFrame()
{
    PresentHeldDrawing();
    s_bPaintsOpen = true;
}

bool IsPaintDue()
{
    return s_nPacings == 0 || s_bPaintsOpen || GetTickCount() - s_dwPaintFrame >= CFramePacing::FRAME_MS;
}

void NotePaintLook(bool bFound)
{
    if (!bFound) {
        s_bPaintsOpen = false;
    } else if (!s_bPaintsOpen) {
        s_bPaintsOpen = true;
        s_dwPaintFrame = GetTickCount();
    }
}

} // namespace plat

CFramePacing::CFramePacing()
{
    if (s_nPacings++ > 0)
        return;
    // The first drawing and the first paints go at once.
    s_dwLastShown = s_dwPaintFrame = plat::GetTickCount() - FRAME_MS;
    s_bPaintsOpen = false;
}

CFramePacing::~CFramePacing()
{
    if (--s_nPacings == 0)
        plat::PresentHeldDrawing();
}
