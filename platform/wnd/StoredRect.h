#pragma once
// Window rectangles kept from an earlier run (the settings' "...Rect" values) made fit for the
// screen the program runs on now, before a window is moved to one. A window's surface, and a
// game's back buffer with it, is made at the window's size, so a stored size is never
// followed unchecked; and a window stored on a screen that has since gone must still be seen.

#include "platform/base/geometry.h"
#include "platform/wnd/WindowHandle.h"

namespace plat {

// rectStored made fit for top-level window hWnd. An empty or inverted rectangle gives
// rectFallback (the window's place from its template). Any other keeps its size where it can,
// at most the work area's less the window manager's frame and at least the window's own
// minimum (WM_GETMINMAXINFO), which wins; then it is moved, as little as needed, so that its
// frame lies on the work area.
CRect FitStoredRect(HWND hWnd, const CRect& rectStored, const CRect& rectFallback);

} // namespace plat
