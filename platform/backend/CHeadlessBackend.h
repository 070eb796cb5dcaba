#pragma once
// CHeadlessBackend: windows without an operating system behind them, for tests. Surfaces are
// drawn into as usual; nothing is shown and no OS event ever arrives, so input comes only
// from the test driver, or from events a test gives it to hold as read already (HoldCloseBox,
// HoldKey), which no descriptor announces, as a real library's events read while the
// program drew. It counts presents, so tests can see that drawing reached "the
// screen", the loop's looks for OS events, so they can see it sleep while idle, and which
// window is in front.
//
// Tests may also give it a window manager to model (SetFrameMargins): one that draws a frame
// around captioned windows and places them the way the managers the program meets do. It
// puts a window it shows by its frame's corner at the place asked for the content; it puts
// the content where the frame was when it hides a window; it moves a shown window's content
// exactly where asked. It reports each of these moves to CInputRouter::OnMoved at once, so
// that what a test sees does not hang on when the loop next looks for events.

#include <set>
#include <vector>

#include "platform/backend/CBackend.h"

namespace plat {

class CHeadlessBackend : public CBackend {
public:
    // The screen every headless window lives on.
    static constexpr int SCREEN_WIDTH = 1920;
    static constexpr int SCREEN_HEIGHT = 1080;

    bool IsHeadless() const override { return true; }
    void OnWindowCreated(HWND) override {}
    void OnWindowDestroyed(HWND hWnd) override;
    void OnWindowShown(HWND hWnd, bool bShow) override;
    void OnWindowIconic(HWND, bool) override {}
    void OnWindowMoved(HWND hWnd) override;
    void OnWindowTextChanged(HWND) override {}
    void Present(HWND hWnd, const CRect& rectSurface) override;
    bool PumpEvents() override;
    int GetEventFd() override { return NO_EVENT_FD; }
    bool ServeWindowSystem() override;
    bool HasHeldEvents() override { return !m_held.empty(); }
    bool IsModifierHeld(UINT nKey) override { return m_heldModifiers.count(nKey) != 0; }
    CRect GetScreenRect() const override { return CRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT); }
    CRect GetWorkArea() const override { return GetScreenRect(); }
    CRect GetFrameMargins(HWND hWnd) const override;
    void BringToFront(HWND hWnd) override { m_hFront = hWnd; }

    // How many presents happened so far.
    long GetPresentCount() const { return m_nPresents; }
    // How often the loop looked for OS events so far.
    long GetPumpCount() const { return m_nPumps; }
    // Tests: the modelled manager's frame, as side thicknesses (left, top, right, bottom);
    // all zeros (the default) model no manager.
    void SetFrameMargins(const CRect& rectMargins) { m_rectMargins = rectMargins; }
    // Tests: the manager makes hWnd the active window, as a person's click on it does: it
    // comes to the front and CInputRouter::OnActivated hears of it.
    void ActivateAsManager(HWND hWnd);
    // The captioned window shown, activated or brought to the front last, while it is shown.
    HWND GetFrontWindow() const { return m_hFront; }
    // Tests: events the modelled window system's library read while the program drew: the
    // close box of hWnd, a key going down or up in hWnd. The next PumpEvents hands them to
    // the router and ServeWindowSystem tells of them; no descriptor announces them.
    void HoldCloseBox(HWND hWnd);
    void HoldKey(HWND hWnd, UINT nKey, bool bDown);
    // Tests: whether the modelled window system holds modifier nKey down (none at first).
    void SetModifierHeld(UINT nKey, bool bHeld);

private:
    bool IsManaged(HWND hWnd) const;
    // The modelled manager says it put hWnd's content at ptTopLeft.
    void Report(HWND hWnd, CPoint ptTopLeft);

    // An event read already: a close box, or a key going down or up.
    struct HeldEvent {
        enum class Kind { CloseBox, Key };
        Kind kind;
        HWND hWnd;
        UINT nKey;
        bool bDown;
    };

    std::vector<HeldEvent> m_held;
    std::set<UINT> m_heldModifiers;
    long m_nPresents = 0;
    long m_nPumps = 0;
    CRect m_rectMargins;
    HWND m_hFront = nullptr;
};

} // namespace plat
