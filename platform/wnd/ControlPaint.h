#pragma once
// The drawing shared by the layer's controls, menus and message boxes: the plain classic
// look of raised and sunken edges, check marks, focus rectangles and scroll bars.

#include "platform/base/geometry.h"

class CDC;

namespace plat {

// A raised (or, pressed, sunken) button edge two pixels wide inside rect.
void DrawButtonEdge(CDC& dc, const CRect& rect, bool bPressed);
// A sunken field edge two pixels wide inside rect (edits, lists, check boxes).
void DrawSunkenEdge(CDC& dc, const CRect& rect);
// A dotted rectangle inside rect.
void DrawFocusFrame(CDC& dc, const CRect& rect);
// A check mark centred in rect.
void DrawCheckMark(CDC& dc, const CRect& rect, COLORREF color);
// A small filled triangle pointing down (bDown) or up, or right, centred in rect.
enum class ArrowDirection { Up, Down, Right };
void DrawArrow(CDC& dc, const CRect& rect, ArrowDirection direction, COLORREF color);
// A vertical scroll bar in rect for nCount items, nVisible at once, from nTop.
void DrawVerticalScrollBar(CDC& dc, const CRect& rect, int nCount, int nVisible, int nTop);

} // namespace plat
