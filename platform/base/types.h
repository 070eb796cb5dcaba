#pragma once
// The plain value types, handle types and colour helpers that the game code spells the
// framework's way. Handles are opaque pointers; each module defines the struct behind its own.

#include <cstddef>
#include <cstdint>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t ULONG_PTR;
typedef char TCHAR;
typedef const char* LPCTSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef char* LPSTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef void* LPVOID;

#define _T(text) text

// A colour as the framework packs it: 0x00BBGGRR.
typedef DWORD COLORREF;
#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)((rgb) & 0xFF))
#define GetGValue(rgb) ((BYTE)(((rgb) >> 8) & 0xFF))
#define GetBValue(rgb) ((BYTE)(((rgb) >> 16) & 0xFF))

#define MAKELONG(lo, hi) ((LONG)(((WORD)((DWORD)(lo) & 0xFFFF)) | ((DWORD)((WORD)((DWORD)(hi) & 0xFFFF))) << 16))
#define LOWORD(l) ((WORD)((DWORD)(l) & 0xFFFF))
#define HIWORD(l) ((WORD)(((DWORD)(l) >> 16) & 0xFFFF))
#define MAKEWPARAM(lo, hi) ((WPARAM)(DWORD)MAKELONG(lo, hi))
#define MAKELPARAM(lo, hi) ((LPARAM)(DWORD)MAKELONG(lo, hi))

struct HWND__;
struct HDC__;
struct HICON__;
struct HMENU__;
struct HBITMAP__;
struct HKEY__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HICON__* HICON;
typedef HMENU__* HMENU;
typedef HBITMAP__* HBITMAP;
typedef HKEY__* HKEY;
typedef void* HINSTANCE;
