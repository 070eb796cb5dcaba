#pragma once
// The look of the layer's own drawing: one plain, classic style for every control, menu and
// message box. Sizes are pixels.

#include "platform/base/types.h"

namespace plat {

// Colours.
constexpr COLORREF COLOR_FACE = RGB(192, 192, 192);       // dialog and button face
constexpr COLORREF COLOR_HIGHLIGHT_EDGE = RGB(255, 255, 255);
constexpr COLORREF COLOR_SHADOW = RGB(128, 128, 128);
constexpr COLORREF COLOR_DARK_SHADOW = RGB(0, 0, 0);
constexpr COLORREF COLOR_WINDOW = RGB(255, 255, 255);     // edit and list background
constexpr COLORREF COLOR_TEXT = RGB(0, 0, 0);
constexpr COLORREF COLOR_GRAY_TEXT = RGB(128, 128, 128);
constexpr COLORREF COLOR_SELECTION = RGB(0, 0, 128);
constexpr COLORREF COLOR_SELECTION_TEXT = RGB(255, 255, 255);

// Menu bar and menus.
constexpr int MENU_BAR_HEIGHT = 20;
constexpr int MENU_ITEM_HEIGHT = 20;
constexpr int MENU_SEPARATOR_HEIGHT = 8;
constexpr int MENU_BAR_ITEM_PADDING = 8;
constexpr int MENU_TEXT_INDENT = 20;       // room for the check mark
constexpr int MENU_ARROW_WIDTH = 16;       // room for a sub-menu's arrow
constexpr int SYSMENU_ICON_WIDTH = 20;     // the small icon at the left of the bar

// Controls.
constexpr int CHECK_BOX_SIZE = 13;
constexpr int CHECK_TEXT_GAP = 4;
constexpr int EDIT_MARGIN = 3;
constexpr int LIST_ITEM_HEIGHT = 16;
constexpr int LIST_BORDER_WIDTH = 2;       // a list's sunken edge
constexpr int LIST_TEXT_INDENT = 2;        // from an item's left edge to its text
constexpr int SCROLL_BAR_WIDTH = 16;
constexpr int COMBO_BUTTON_WIDTH = 16;
constexpr int COMBO_DROP_ITEMS = 8;        // items shown by a dropped combo list
constexpr int GROUP_TEXT_INDENT = 8;
constexpr int FOCUS_INSET = 4;

// Message boxes.
constexpr int MSGBOX_MARGIN = 12;
constexpr int MSGBOX_BUTTON_WIDTH = 75;
constexpr int MSGBOX_BUTTON_HEIGHT = 23;
constexpr int MSGBOX_BUTTON_GAP = 8;
constexpr int MSGBOX_ICON_GAP = 12;
constexpr int MSGBOX_MIN_TEXT_WIDTH = 160;
constexpr int MSGBOX_MAX_TEXT_WIDTH = 520;
// A window manager writes a box's caption in its title bar (in a bold face about the size of
// ours) beside the window's icon and its minimise, maximise and close buttons; a box is at
// least its caption's width plus room for four such buttons and the bar's edges.
constexpr int MSGBOX_TITLE_BUTTON_WIDTH = 24;
constexpr int MSGBOX_TITLE_BUTTONS = 4;
constexpr int MSGBOX_TITLE_EDGE = 20;

// Where a window goes when nothing places it.
constexpr int DEFAULT_WINDOW_X = 100;
constexpr int DEFAULT_WINDOW_Y = 100;

} // namespace plat
