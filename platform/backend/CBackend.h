#pragma once
// CBackend: the only part of the layer that talks to the operating system's windows. Each
// top-level window (launcher, game window, dialog, message box, menu pop-up) has a surface;
// the backend shows it, reports input and what the window manager did with a window (moved,
// activated) through CInputRouter, and waits for events. A window that belongs to its owner
// (GetKeptAboveOwner) is marked so for the window manager, which keeps it above. Two
// implementations exist: SDL2 for the program, headless for tests. The program or test
// selects one through the functions of backend.h before it creates its first window.

#include "platform/base/geometry.h"
#include "platform/base/types.h"

namespace plat {

class CBackend {
public:
    CBackend() = default;
    CBackend(const CBackend&) = delete;
    CBackend& operator=(const CBackend&) = delete;
    virtual ~CBackend() = default;

    static constexpr int NO_EVENT_FD = -1;
    static constexpr int EVENT_FD_UNKNOWN = -2;

    virtual bool IsHeadless() const = 0;

    // A top-level window got its handle, surface and rectangle; not yet shown.
    virtual void OnWindowCreated(HWND hWnd) = 0;
    // A top-level window is going away; its handle is still readable.
    virtual void OnWindowDestroyed(HWND hWnd) = 0;
    // Visibility, minimised state, rectangle or caption changed.
    virtual void OnWindowShown(HWND hWnd, bool bShow) = 0;
    virtual void OnWindowIconic(HWND hWnd, bool bIconic) = 0;
    virtual void OnWindowMoved(HWND hWnd) = 0;
    virtual void OnWindowTextChanged(HWND hWnd) = 0;
    // Shows rectSurface (surface coordinates) of the window's surface on screen now.
    virtual void Present(HWND hWnd, const CRect& rectSurface) = 0;

    // Turns the OS events that have come into messages, without waiting. True when any event
    // was handled.
    virtual bool PumpEvents() = 0;
    // The descriptor that turns readable when OS events may have come, for the message loop
    // to sleep on beside its idle sources; NO_EVENT_FD when no OS event ever comes
    // (headless), EVENT_FD_UNKNOWN when events come but no descriptor tells of them, so the
    // loop must look again every few milliseconds.
    virtual int GetEventFd() = 0;
    // For work that must not handle events now (a card sliding): lets the window system's
    // library read what came and answer what it was asked (the window manager's ping), leaving
    // every event for the next PumpEvents. True when a close box, a request to quit or a key
    // that ends the program (CInputRouter::IsClosingKey) is among the events waiting.
    virtual bool ServeWindowSystem() = 0;
    // Whether the window system's library holds events it has read already (while the
    // program drew, or served the window system), which PumpEvents takes without asking the
    // display and which its descriptor will not announce again.
    virtual bool HasHeldEvents() = 0;
    // Whether the window system holds modifier key nKey (VK_SHIFT, VK_CONTROL, VK_MENU) down
    // now.
    virtual bool IsModifierHeld(UINT nKey) = 0;

    // The bounds of the screen the windows live on.
    virtual CRect GetScreenRect() const = 0;
    // The part of the screen top-level windows are placed in: the screen less the desktop's
    // panels.
    virtual CRect GetWorkArea() const = 0;
    // The frame the window manager puts around the content of top-level window hWnd: the
    // thickness of each side as (left, top, right, bottom), zeros without one. Before the
    // window was first shown, the frame the manager gave a window of its kind.
    virtual CRect GetFrameMargins(HWND hWnd) const = 0;
    // Brings shown top-level window hWnd in front of the others, with the keyboard.
    virtual void BringToFront(HWND hWnd) = 0;
};

} // namespace plat
