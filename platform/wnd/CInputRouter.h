#pragma once
// CInputRouter: turns input from the backend (or from tests) into window messages. Mouse and
// key input is kept raw until the loop asks for the next message, and only then routed: to
// the window holding the mouse capture, to the menu bar, to the control under the mouse, or
// to the window with the keyboard focus. Routing late, as the loop reaches each event, lets
// input that follows a click reach what that click opened (a menu, a dropped list).
// Disabled windows (the owner of a modal dialog) get no input: keys typed to one go to the
// box it waits for, and activating one brings that box to the front. A typed character goes
// where the press of its key went.

#include <deque>

#include "platform/base/geometry.h"
#include "platform/base/types.h"
#include "platform/msg/messages.h"

namespace plat {

enum class MouseAction { Move, LeftDown, LeftUp, RightDown, RightUp, Wheel };

class CInputRouter {
public:
    // Mouse input over top-level window hTop at ptScreen; nWheel is the wheel's movement.
    static void QueueMouse(HWND hTop, MouseAction action, CPoint ptScreen, int nWheel = 0);
    // A key (virtual key code) went down or up in hTop.
    static void QueueKey(HWND hTop, UINT nKey, bool bDown);
    // A typed character (a Unicode code point) in hTop.
    static void QueueChar(HWND hTop, UINT nChar);

    // Window events, applied at once.
    static void OnCloseBox(HWND hTop);
    static void OnResized(HWND hTop, CSize sizeContent);
    // The window manager put the content's top-left corner at ptTopLeft. Right after a window
    // is shown, another place than the one asked for is asked for once more; a hidden
    // window keeps its place.
    static void OnMoved(HWND hTop, CPoint ptTopLeft);
    // The window manager made hTop the active window (a click on it, a key that switches).
    // The modifier keys are then taken as the backend says they are held, in turn with the
    // input before and after: a key released while another window had the focus, or one
    // that was gone, would otherwise stay held.
    static void OnActivated(HWND hTop);
    static void OnMinimised(HWND hTop, bool bMinimised);
    // The OS lost the window's picture: show the surface again.
    static void OnExposed(HWND hTop);

    // Routes the oldest raw input into posted messages; false when there was none.
    static bool TranslateNext();
    static bool HasPending();

    // Whether key nKey pressed in hTop ends the program at once: Escape in the application's
    // main window while it is a dialog that takes input.
    static bool IsClosingKey(HWND hTop, UINT nKey);
    // Whether the raw input holds the press of such a key.
    static bool HasClosingKey();
    // Takes the first press of such a key out of the raw input, ahead of what came before
    // it, as the key-down message for the main window; false when none waits.
    static bool TakeClosingKey(MSG* pMsg);
    // Forgets input for a window that is going away.
    static void Forget(HWND hTop);
    // Forgets all input not routed yet.
    static void ForgetAll();
};

// True while key nKey is held (as the input so far says).
bool IsKeyDown(UINT nKey);

} // namespace plat

// Negative while nVirtKey is held.
short GetKeyState(int nVirtKey);
// The cursor in screen coordinates, as the last mouse input left it.
BOOL GetCursorPos(LPPOINT lpPoint);
