#pragma once
// CSdlBackend: every top-level window is an SDL window whose content area is the window's
// surface (menu bar included); the window manager draws caption and frame. Positions and
// sizes are screen coordinates of the content area. The close box reports WM_CLOSE's
// system command, minimising sets the window iconic, input goes to CInputRouter, and SDL's
// quit event ends the session as an end signal does (SessionEnd.h). A window that belongs to
// its owner is marked transient for it (SDL_SetWindowModalFor), and the window manager's
// frames are read from what it reports (SDL_GetWindowBordersSize).
//
// The message loop sleeps on the display connection's descriptor (X11), which turns readable
// when the display sends anything; other video drivers give none, and the loop then looks
// every few milliseconds. The screen saver is left to the desktop: a card table waiting for
// the person is no reason to keep the screen on.
//
// Every pixel is drawn by the layer, so a window is shown through SDL's plain software window
// surface: the backend never lets SDL load an OpenGL driver to back it (that alone would map
// some 70 MB of driver code and take longer than everything else at start-up).
//
// When the environment names a file in ORVEL_FIRST_FRAME_FILE, the wall-clock time of the
// first frame that reaches the screen is written there as seconds since the epoch with
// microseconds ("1700000000.123456"); scripts compare it with the time they started the
// program.

#include <map>
#include <string>

#include "platform/backend/CBackend.h"

struct SDL_Window;
union SDL_Event;

namespace plat {

class CSdlBackend : public CBackend {
public:
    CSdlBackend() = default;
    ~CSdlBackend() override;

    // The environment variable naming the first-frame file.
    static constexpr const char* FIRST_FRAME_FILE_VARIABLE = "ORVEL_FIRST_FRAME_FILE";

    // Opens the video subsystem with software window surfaces; false when there is no display.
    // A video driver without a display counts only when the environment asks for it by name
    // (tests do): SDL falls back on one when no display opens, and the program would then run
    // where nobody sees it.
    bool Initialise();
    // After a failed Initialise: one line naming the display tried and why it did not open.
    std::string GetFailureText() const;

    bool IsHeadless() const override { return false; }
    void OnWindowCreated(HWND hWnd) override;
    void OnWindowDestroyed(HWND hWnd) override;
    void OnWindowShown(HWND hWnd, bool bShow) override;
    void OnWindowIconic(HWND hWnd, bool bIconic) override;
    void OnWindowMoved(HWND hWnd) override;
    void OnWindowTextChanged(HWND hWnd) override;
    void Present(HWND hWnd, const CRect& rectSurface) override;
    bool PumpEvents() override;
    int GetEventFd() override;
    bool ServeWindowSystem() override;
    bool HasHeldEvents() override;
    bool IsModifierHeld(UINT nKey) override;
    CRect GetScreenRect() const override;
    CRect GetWorkArea() const override;
    CRect GetFrameMargins(HWND hWnd) const override;
    void BringToFront(HWND hWnd) override;

private:
    SDL_Window* WindowOf(HWND hWnd) const;
    HWND HandleOf(unsigned nWindowID) const;
    void HandleEvent(const SDL_Event& event);
    void HandleMouseEvent(const SDL_Event& event);
    void HandleWindowEvent(const SDL_Event& event, HWND hWnd);
    // Keeps the frame the window manager reports for hWnd as the one of its kind.
    void LearnFrame(HWND hWnd);
    // Makes the OS window for hWnd when it is first shown.
    SDL_Window* Realise(HWND hWnd);
    // Whether pWindow holds the keyboard now, as the display server sees it.
    bool HoldsKeyboard(SDL_Window* pWindow) const;
    // Hands the keyboard of a window going away to its nearest shown owner, as activation
    // passes to the owner. Without a window manager nobody else does: the display server
    // leaves the keyboard with no window, and every key is lost until a click.
    void GiveKeyboardToOwner(HWND hWnd);
    // Writes the first-frame file once, after the first present that reached the screen.
    void NoteFramePresented();

    std::map<HWND, SDL_Window*> m_windows;
    bool m_bInitialised = false;
    // The display connection's descriptor once a window told it; EVENT_FD_UNKNOWN before.
    int m_nEventFd = EVENT_FD_UNKNOWN;
    bool m_bFramePresented = false;
    // The frames the window manager last drew around fixed and sizable windows (side
    // thicknesses; zeros while none was seen, or without a manager).
    CRect m_rectFixedFrame;
    CRect m_rectSizableFrame;
};

} // namespace plat
