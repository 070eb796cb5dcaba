#pragma once
// The default window procedures, one per window kind, and the default behaviours they share:
// showing and hiding, the non-client menu bar, the dialog keys (Enter, Escape, Tab, Space)
// and the system commands.

#include "platform/base/types.h"
#include "platform/msg/messages.h"

// Non-client messages the input router posts for the menu bar and the system menu icon.
#define WM_NCLBUTTONDOWN 0x00A1
#define HTMENU 5
#define HTSYSMENU 3

namespace plat {

// Guard against a window that invalidates itself while painting.
constexpr int MAX_PAINTS_PER_UPDATE = 1000;

// The default procedure of hWnd's kind.
LRESULT DefaultWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Procedures of the control kinds (in their own files).
LRESULT ButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT MenuPopupProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Shows, hides, minimises or restores a window as ShowWindow's nCmdShow says; returns
// whether it was visible before.
bool ShowWindowHandle(HWND hWnd, int nCmdShow);
// Draws a top-level window's menu bar when it needs it and presents it.
void PaintNonClient(HWND hWnd);
// A key a control did not use: the dialog keys of its top-level dialog. True when used.
bool HandleDialogKey(HWND hFrom, UINT nKey);
// Alt-key combinations: Alt+Space opens the system menu, Alt+letter the menu bar's popup
// with that mnemonic, Alt+F4 closes. True when used.
bool HandleMenuKey(HWND hFrom, UINT nKey);
// Sends WM_COMMAND with BN_CLICKED from control hControl to its parent.
void NotifyParent(HWND hControl, UINT nCode);
// Moves the focus to the next (or previous) control that takes Tab in hDialog.
void MoveFocusByTab(HWND hDialog, bool bBackwards);
// The first control of hDialog that takes the focus, or nullptr.
HWND FirstTabStop(HWND hDialog);

} // namespace plat
