#include "platform/wnd/StoredRect.h"

#include <algorithm>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

namespace {

// Stored edges may lie anywhere in the int range, so lengths and places are worked out wide.
typedef long long Wide;

// The length from nStart to nEnd, at most nMost and at least nLeast, which wins.
int FitLength(LONG nStart, LONG nEnd, int nMost, int nLeast)
{
    return static_cast<int>(std::max<Wide>(std::min<Wide>(Wide(nEnd) - nStart, nMost), nLeast));
}

// nStart moved, as little as needed, so that nLength from it ends by nEnd; never before nBegin.
int FitStart(LONG nStart, int nLength, int nBegin, int nEnd)
{
    return static_cast<int>(std::max<Wide>(nBegin, std::min<Wide>(nStart, Wide(nEnd) - nLength)));
}

} // namespace

CRect FitStoredRect(HWND hWnd, const CRect& rectStored, const CRect& rectFallback)
{
    if (rectStored.IsRectEmpty())
        return rectFallback;
    CBackend& backend = GetBackend();
    const CRect rectWork = backend.GetWorkArea();
    const CRect rectFrame = backend.GetFrameMargins(hWnd);
    const CRect rectMin = KeepMinTrackSize(hWnd, CRect(0, 0, 1, 1));
    // Where the content may lie: the work area less the frame around it.
    const CRect rectRoom(rectWork.left + rectFrame.left, rectWork.top + rectFrame.top, rectWork.right - rectFrame.right,
                         rectWork.bottom - rectFrame.bottom);
    const int cx = FitLength(rectStored.left, rectStored.right, rectRoom.Width(), rectMin.Width());
    const int cy = FitLength(rectStored.top, rectStored.bottom, rectRoom.Height(), rectMin.Height());
    const int x = FitStart(rectStored.left, cx, rectRoom.left, rectRoom.right);
    const int y = FitStart(rectStored.top, cy, rectRoom.top, rectRoom.bottom);
    return CRect(x, y, x + cx, y + cy);
}

} // namespace plat
