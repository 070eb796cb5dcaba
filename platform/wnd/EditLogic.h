#pragma once
// The single-line text editing shared by edits and the edit field of drop-down combo boxes:
// caret and selection (byte offsets of UTF-8 text), typing, deleting, moving, and drawing
// the text with its selection and caret.

#include "platform/base/geometry.h"
#include "platform/base/types.h"

class CDC;

namespace plat {

// Handles an editing key (arrows, Home, End, Backspace, Delete; Shift extends the
// selection). Returns true when the key was an editing key; *pbChanged tells whether the
// text changed.
bool EditHandleKey(HWND hWnd, UINT nKey, bool bShift, bool* pbChanged);
// Types the character (a Unicode code point); control characters are ignored. True when the
// text changed.
bool EditHandleChar(HWND hWnd, UINT nChar);
// Draws the text in rectText with the selection and, when focused, the caret, scrolling it
// sideways so the caret stays in view.
void EditDrawText(HWND hWnd, CDC& dc, const CRect& rectText, bool bFocused);
// Puts the caret at the character nearest x (client coordinates within rectText).
void EditSetCaretFromPoint(HWND hWnd, const CRect& rectText, int x, bool bExtend);

} // namespace plat
