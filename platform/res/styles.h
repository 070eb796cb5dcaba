#pragma once
// Window, dialog, control and menu style bits, with the framework's values. Dialog templates
// and menus in the resource table carry them; windows and menus read them back.

// Window styles.
#define WS_OVERLAPPED 0x00000000u
#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_MINIMIZE 0x20000000u
#define WS_VISIBLE 0x10000000u
#define WS_DISABLED 0x08000000u
#define WS_CLIPSIBLINGS 0x04000000u
#define WS_CLIPCHILDREN 0x02000000u
#define WS_MAXIMIZE 0x01000000u
#define WS_CAPTION 0x00C00000u
#define WS_BORDER 0x00800000u
#define WS_DLGFRAME 0x00400000u
#define WS_VSCROLL 0x00200000u
#define WS_HSCROLL 0x00100000u
#define WS_SYSMENU 0x00080000u
#define WS_THICKFRAME 0x00040000u
#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u
#define WS_MINIMIZEBOX 0x00020000u
#define WS_MAXIMIZEBOX 0x00010000u

// Dialog styles.
#define DS_SETFONT 0x00000040u
#define DS_MODALFRAME 0x00000080u
#define DS_CENTER 0x00000800u

// Button styles (the low four bits are the button's type).
#define BS_PUSHBUTTON 0x00000000u
#define BS_DEFPUSHBUTTON 0x00000001u
#define BS_CHECKBOX 0x00000002u
#define BS_AUTOCHECKBOX 0x00000003u
#define BS_GROUPBOX 0x00000007u
#define BS_OWNERDRAW 0x0000000Bu
#define BS_TYPEMASK 0x0000000Fu

// Edit styles.
#define ES_LEFT 0x00000000u
#define ES_MULTILINE 0x00000004u
#define ES_AUTOHSCROLL 0x00000080u
#define ES_READONLY 0x00000800u
#define ES_NUMBER 0x00002000u

// Static styles.
#define SS_LEFT 0x00000000u
#define SS_CENTER 0x00000001u
#define SS_RIGHT 0x00000002u
#define SS_ICON 0x00000003u
#define SS_NOPREFIX 0x00000080u
// The text wraps as a multi-line edit's does: a word wider than the control is broken.
#define SS_EDITCONTROL 0x00002000u

// List box styles.
#define LBS_NOTIFY 0x00000001u
#define LBS_SORT 0x00000002u
#define LBS_NOINTEGRALHEIGHT 0x00000100u

// Combo box styles (the low two bits are the combo's type).
#define CBS_SIMPLE 0x00000001u
#define CBS_DROPDOWN 0x00000002u
#define CBS_DROPDOWNLIST 0x00000003u
#define CBS_TYPEMASK 0x00000003u
#define CBS_AUTOHSCROLL 0x00000040u
#define CBS_SORT 0x00000100u

// Menu item flags and states.
#define MF_BYCOMMAND 0x00000000u
#define MF_STRING 0x00000000u
#define MF_ENABLED 0x00000000u
#define MF_UNCHECKED 0x00000000u
#define MF_GRAYED 0x00000001u
#define MF_DISABLED 0x00000002u
#define MF_CHECKED 0x00000008u
#define MF_POPUP 0x00000010u
#define MF_BYPOSITION 0x00000400u
#define MF_SEPARATOR 0x00000800u

// The id of controls nobody addresses.
#define IDC_STATIC (-1)
