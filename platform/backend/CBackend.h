#pragma once
// CBackend: the only part of the layer that talks to the operating system's windows. Each
// top-level window (launcher, game window, dialog, message box, menu pop-up) has a surface;
// the backend shows it, reports input through CInputRouter, and waits for events. Two
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

    // Turns pending OS events into messages, waiting up to nTimeoutMs for the first (0: no
    // waiting). True when any event was handled.
    virtual bool PumpEvents(int nTimeoutMs) = 0;

    // The bounds of the screen the windows live on.
    virtual CRect GetScreenRect() const = 0;
};

} // namespace plat
