#pragma once
// Dialog results, message-box styles and the framework's fixed command ids.

// Results of DoModal and MessageBox.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Message-box buttons and icons.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNO 0x00000004u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONHAND 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONMASK 0x000000F0u

// Command ids the framework itself answers.
#define ID_HELP 57670
#define IDM_ABOUTBOX 0x0010
