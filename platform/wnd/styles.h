#pragma once
// Window and control styles (from the resource module) plus what only windows use: show
// commands, check states, list results and directory-listing attributes.

#include "platform/res/styles.h"

#define WS_OVERLAPPEDWINDOW (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define SS_TYPEMASK 0x0000001Fu

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWNA 8
#define SW_RESTORE 9

// Button check states.
#define BST_UNCHECKED 0
#define BST_CHECKED 1

// List and combo box results.
#define LB_ERR (-1)
#define CB_ERR (-1)

// Directory listing attributes (CComboBox::Dir, CListBox::Dir).
#define DDL_READWRITE 0x0000u
#define DDL_DIRECTORY 0x0010u
#define DDL_EXCLUSIVE 0x8000u
