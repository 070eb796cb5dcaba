#pragma once
// Every window message, notification code and flag of the layer's message loop, with the
// message record itself. Values follow the framework's, so code that packs or compares them
// keeps working.

#include "platform/base/geometry.h"
#include "platform/base/types.h"

// One queued or sent message. pt is the cursor in screen coordinates when it was made.
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

// Window life.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
// Sent to a window that must give up a mode it holds (the mouse capture): it is being
// disabled, or a modal loop starts.
#define WM_CANCELMODE 0x001F
#define WM_GETMINMAXINFO 0x0024
#define WM_ICONERASEBKGND 0x0027
#define WM_DRAWITEM 0x002B
#define WM_QUERYDRAGICON 0x0037
#define WM_NCDESTROY 0x0082

// Input.
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MOUSEWHEEL 0x020A
#define WHEEL_DELTA 120
#define WM_CAPTURECHANGED 0x0215

// The first message number free for the layer's own and the program's messages.
#define WM_USER 0x0400
#define WM_APP 0x8000

// Button notifications (WM_COMMAND high word) and command codes for OnCmdMsg.
#define BN_CLICKED 0
#define CN_COMMAND 0
#define CBN_SELCHANGE 1
#define CBN_EDITCHANGE 5
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define EN_CHANGE 0x0300

// PeekMessage removal.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// Mouse-key state bits in the wParam of mouse messages.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

// WM_SIZE kinds.
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// WM_SYSCOMMAND codes; the low four bits are the framework's own.
#define SC_SIZE 0xF000
#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_MAXIMIZE 0xF030
#define SC_CLOSE 0xF060
#define SC_KEYMENU 0xF100
#define SC_RESTORE 0xF120

// Virtual key codes the layer produces.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F4 0x73

// Bit 29 of a key message's lParam: Alt was held.
#define KF_ALTDOWN_LPARAM 0x20000000
