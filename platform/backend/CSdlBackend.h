#pragma once
// CSdlBackend: every top-level window is an SDL window whose content area is the window's
// surface (menu bar included); the window manager draws caption and frame. Positions and
// sizes are screen coordinates of the content area. The close box reports WM_CLOSE's
// system command, minimising sets the window iconic, input goes to CInputRouter, and SDL's
// quit event ends the session as an end signal does (SessionEnd.h).

#include <map>

#include "platform/backend/CBackend.h"

struct SDL_Window;
union SDL_Event;

namespace plat {

class CSdlBackend : public CBackend {
public:
    CSdlBackend() = default;
    ~CSdlBackend() override;

    // Opens the video subsystem; false when there is no display.
    bool Initialise();

    bool IsHeadless() const override { return false; }
    void OnWindowCreated(HWND hWnd) override;
    void OnWindowDestroyed(HWND hWnd) override;
    void OnWindowShown(HWND hWnd, bool bShow) override;
    void OnWindowIconic(HWND hWnd, bool bIconic) override;
    void OnWindowMoved(HWND hWnd) override;
    void OnWindowTextChanged(HWND hWnd) override;
    void Present(HWND hWnd, const CRect& rectSurface) override;
    bool PumpEvents(int nTimeoutMs) override;
    CRect GetScreenRect() const override;

private:
    SDL_Window* WindowOf(HWND hWnd) const;
    HWND HandleOf(unsigned nWindowID) const;
    void HandleEvent(const SDL_Event& event);
    void HandleMouseEvent(const SDL_Event& event);
    void HandleWindowEvent(const SDL_Event& event, HWND hWnd);
    // Makes the OS window for hWnd when it is first shown.
    SDL_Window* Realise(HWND hWnd);

    std::map<HWND, SDL_Window*> m_windows;
    bool m_bInitialised = false;
    unsigned m_nLastPump = 0;   // SDL ticks of the last look at OS events
};

} // namespace plat
