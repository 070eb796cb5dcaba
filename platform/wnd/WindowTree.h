#pragma once
// The window tree: creation and destruction of window handles, the top-level list, parent
// and owner links, coordinates, invalid areas, focus and mouse capture. Everything above
// works on handles through these functions; CWnd is the object-shaped face of them.

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/wnd/WindowHandle.h"

namespace plat {

// What a new window handle starts with.
struct WindowParams {
    WindowKind kind = WindowKind::Frame;
    DWORD dwStyle = 0;
    UINT nID = 0;
    HWND hParent = nullptr;    // given: a child window placed in the parent's client area
    HWND hOwner = nullptr;     // top-level windows: the owner, destroyed before it
    CRect rect;                // children: parent client coordinates; top-level: screen
    CString strText;
};

// Makes a handle; a top-level one gets its surface and is announced to the backend. The
// handle starts hidden and without an object; it is visible only once shown.
HWND CreateWindowHandle(const WindowParams& params);
// Destroys owned windows, sends WM_DESTROY, destroys the children, detaches the object and
// frees the handle. Safe to call again for a handle that is being destroyed.
void DestroyWindowHandle(HWND hWnd);
// True for a handle that exists and is not being destroyed.
bool IsLiveWindow(HWND hWnd);

// Top-level windows in creation order.
const std::vector<HWND>& GetTopLevelWindows();
HWND GetTopLevel(HWND hWnd);
bool IsTopLevel(HWND hWnd);
// True when h is hAncestor or one of its children, at any depth.
bool IsSelfOrDescendant(HWND hAncestor, HWND h);
// True when the window and all its parents are visible and the top-level one not minimised.
bool IsShownOnScreen(HWND hWnd);
// True when the window and all its parents are enabled.
bool IsEnabledInTree(HWND hWnd);

// The menu bar's height at the top of a top-level window (0 without a menu).
int GetMenuBarHeight(HWND hTop);
// (0, 0, width, height) of the client area.
CRect GetClientArea(HWND hWnd);
// Where the client area's (0, 0) lies on the top-level window's surface.
CPoint GetClientOrigin(HWND hWnd);
CPoint ClientToScreenPoint(HWND hWnd, CPoint point);
CPoint ScreenToClientPoint(HWND hWnd, CPoint point);
// The window's rectangle in screen coordinates.
CRect GetScreenRect(HWND hWnd);
// Sets a window's rectangle (children: parent client coordinates; top-level: screen) and
// resizes a top-level window's surface. True when the size changed.
bool SetWindowRectangle(HWND hWnd, const CRect& rect);
// A top-level window that is still where its template put it, shown for the first time,
// takes that place, for the corner of its frame, from where its owner's client area is now
// (the owner may have moved since the window was made); any other window stays where it is.
void PlaceByTemplateAtFirstShow(HWND hWnd);
// rect grown, from its top-left corner, to the smallest size top-level window hWnd accepts
// (its WM_GETMINMAXINFO); unchanged for a child or a window that sets no minimum.
CRect KeepMinTrackSize(HWND hWnd, const CRect& rect);
// rect moved left and up, as little as needed, so that it ends inside rectScreen; never
// past the screen's left or top edge, so a rectangle larger than the screen shows its
// top-left part. The size stays.
CRect MoveOntoScreen(const CRect& rect, const CRect& rectScreen);
// Content rectangle rect moved as MoveOntoScreen moves a rectangle, so that the frame around
// it, of side thicknesses rectMargins (left, top, right, bottom), ends inside rectScreen.
CRect MoveFrameOntoScreen(const CRect& rect, const CRect& rectMargins, const CRect& rectScreen);

// The window top-level window hWnd belongs to, which the window manager keeps it above: its
// owner, for an owned window that cannot be minimised by itself (dialogs, message boxes, the
// tool windows of a game); nullptr for the others (the launcher's game windows, which can).
HWND GetKeptAboveOwner(HWND hWnd);
// The window a person last worked in among hOwner and the shown, enabled, captioned
// top-level windows it owns (at any depth); hOwner when none of those came after it.
HWND GetLastActivePopup(HWND hOwner);
// The enabled window hWnd is waiting for: the shown, enabled window that came last among
// those that belong to it (GetKeptAboveOwner, at any depth), as a modal box does; nullptr
// when there is none.
HWND GetEnabledPopup(HWND hWnd);
// The deepest shown child of hWnd under point (client coordinates of hWnd), or hWnd itself.
HWND ChildFromPoint(HWND hWnd, CPoint point);

// Marks rect (client coordinates, nullptr for all) of the window and its children invalid.
void InvalidateWindow(HWND hWnd, const RECT* pRect, bool bErase = true);
void ValidateWindow(HWND hWnd);
// The first shown window that needs painting, parents before children: within hFilter and
// its children when given, else across all top-level windows.
HWND FindWindowToPaint(HWND hFilter);
// True when any shown window needs painting.
bool AnyWindowToPaint();

// Keyboard focus and mouse capture; both are cleared when their window goes away.
HWND GetFocusWindow();
void SetFocusWindow(HWND hWnd);
HWND GetCaptureWindow();
void SetCaptureWindow(HWND hWnd);
// Takes the mouse away from whoever holds it: the holder gets WM_CANCELMODE, and the capture
// is released even when its handler kept it. A modal loop starts with this, so that its
// window gets the clicks a dragging window would otherwise swallow.
void CancelCapture();

// The window's message procedure: its object's WindowProc, or the default of its kind.
LRESULT CallWindowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace plat
