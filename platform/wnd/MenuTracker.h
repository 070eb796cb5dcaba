#pragma once
// Menus on screen: the menu bar drawn at the top of a top-level window, and the pop-up menus
// shown while a menu is tracked. Tracking runs its own nested loop: the mouse (over the
// pop-ups) and the keys (arrows, Enter, Escape, mnemonics) pick an item; the chosen command
// is posted to the window as WM_COMMAND, or WM_SYSCOMMAND for the system menu.

#include "platform/base/geometry.h"
#include "platform/base/types.h"

namespace plat {

// Which part of the menu bar lies under a point.
constexpr int MENU_BAR_NOWHERE = -2;
constexpr int MENU_BAR_SYSTEM_ICON = -1;

// Draws hTop's menu bar (system icon, popup titles) onto its surface.
void DrawMenuBarOnSurface(HWND hTop);
// The popup index under ptContent (window content coordinates), MENU_BAR_SYSTEM_ICON or
// MENU_BAR_NOWHERE.
int MenuBarHitTest(HWND hTop, CPoint ptContent);
// The index of the menu bar popup whose mnemonic is chMnemonic, or MENU_BAR_NOWHERE.
int FindMenuBarMnemonic(HWND hTop, char chMnemonic);
// Opens popup nIndex of the bar (or the system menu for MENU_BAR_SYSTEM_ICON) and tracks
// it until an item is chosen or the menu is dismissed.
void TrackMenuBar(HWND hTop, int nIndex);
// True while a menu is being tracked.
bool IsTrackingMenu();
// While a menu is tracked, the window keys go to; nullptr otherwise.
HWND MenuKeyTarget();

} // namespace plat
