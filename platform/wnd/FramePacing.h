#pragma once
// Frame pacing, for work that draws far more often than a screen can show (a game playing
// deal after deal by itself). While a CFramePacing lives, the screen is brought up to date
// at most once per display frame:
//  - what windows draw is shown at once when a frame's time has passed since the last
//    showing, and is otherwise held, together with everything drawn after it, for the next;
//  - WM_PAINT is handed out by looks for messages in frames: once a frame's time has passed
//    since the last frame's paints began, every window then waiting is painted, and windows
//    made invalid after that wait for the next frame.
// Held drawing is shown whole, and the next frame's paints let through, before the message
// loop waits and before the thread pauses (Sleep: each step of a sliding card, and the table
// after it, still show at their own pace); held drawing is also shown when a look for
// messages finds the next frame due, and when the last CFramePacing ends. Without one, all
// drawing is shown at once and every paint is handed out.

#include "platform/base/geometry.h"
#include "platform/base/types.h"

namespace plat {

// Shows rectSurface (surface coordinates) of top-level window hTop on screen: now, or while
// frames are paced, with the next frame.
void PresentDrawing(HWND hTop, const CRect& rectSurface);
// Shows every held drawing now.
void PresentHeldDrawing();
// Shows every held drawing when the next frame is due.
void PresentHeldDrawingIfDue();
// Shows every held drawing, and lets the next frame's paints through, now: the loop has
// nothing else to do.
void CatchUpFrame();
// Whether a look for messages may hand out WM_PAINT now.
bool IsPaintDue();
// A look for messages allowed to paint found a window to paint (bFound) or none: the first
// begins a frame's paints, the second ends them.
void NotePaintLook(bool bFound);

} // namespace plat

class CFramePacing {
public:
    // The longest a drawing is held: one frame of a 60 Hz screen.
    static constexpr DWORD FRAME_MS = 16;

    CFramePacing();
    // The last one to end shows what is held.
    ~CFramePacing();
    CFramePacing(const CFramePacing&) = delete;
    CFramePacing& operator=(const CFramePacing&) = delete;
};
