#pragma once
// CHeadlessBackend: windows without an operating system behind them, for tests. Surfaces are
// drawn into as usual; nothing is shown and no OS event ever arrives, so input comes only
// from the test driver. It counts presents, so tests can see that drawing reached "the
// screen", and the loop's looks for OS events, so they can see it sleep while idle.

#include "platform/backend/CBackend.h"

namespace plat {

class CHeadlessBackend : public CBackend {
public:
    // The screen every headless window lives on.
    static constexpr int SCREEN_WIDTH = 1920;
    static constexpr int SCREEN_HEIGHT = 1080;

    bool IsHeadless() const override { return true; }
    void OnWindowCreated(HWND) override {}
    void OnWindowDestroyed(HWND) override {}
    void OnWindowShown(HWND, bool) override {}
    void OnWindowIconic(HWND, bool) override {}
    void OnWindowMoved(HWND) override {}
    void OnWindowTextChanged(HWND) override {}
    void Present(HWND hWnd, const CRect& rectSurface) override;
    bool PumpEvents() override;
    int GetEventFd() override { return NO_EVENT_FD; }
    bool ServeWindowSystem() override { return false; }
    CRect GetScreenRect() const override { return CRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT); }

    // How many presents happened so far.
    long GetPresentCount() const { return m_nPresents; }
    // How often the loop looked for OS events so far.
    long GetPumpCount() const { return m_nPumps; }

private:
    long m_nPresents = 0;
    long m_nPumps = 0;
};

} // namespace plat
