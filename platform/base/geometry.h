#pragma once
// Points, sizes and rectangles in pixels. A rectangle holds its left and top edges and
// excludes its right and bottom ones.

#include "platform/base/types.h"

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
typedef POINT* LPPOINT;

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cxInit, int cyInit) : SIZE{cxInit, cyInit} {}
    CSize(const SIZE& size) : SIZE(size) {}

    bool operator==(const SIZE& other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(const SIZE& other) const { return !(*this == other); }
    CSize operator+(const SIZE& other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(const SIZE& other) const { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CSize& operator+=(const SIZE& other) { cx += other.cx; cy += other.cy; return *this; }
    CSize& operator-=(const SIZE& other) { cx -= other.cx; cy -= other.cy; return *this; }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int xInit, int yInit) : POINT{xInit, yInit} {}
    CPoint(const POINT& point) : POINT(point) {}

    void Offset(int dx, int dy) { x += dx; y += dy; }
    bool operator==(const POINT& other) const { return x == other.x && y == other.y; }
    bool operator!=(const POINT& other) const { return !(*this == other); }
    CPoint operator+(const SIZE& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const SIZE& size) const { return CPoint(x - size.cx, y - size.cy); }
    CSize operator-(const POINT& other) const { return CSize(x - other.x, y - other.y); }
    CPoint& operator+=(const SIZE& size) { x += size.cx; y += size.cy; return *this; }
    CPoint& operator-=(const SIZE& size) { x -= size.cx; y -= size.cy; return *this; }
};

// The point a mouse message carries in its lParam: x in the low word, y in the high word,
// each a signed 16-bit value (negative to the left of or above the window).
inline CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rect) : RECT(rect) {}
    CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // True when the rectangle has no area (zero or negative width or height).
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Left and top edges are inside, right and bottom edges outside.
    bool PtInRect(const POINT& point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(const POINT& point) { OffsetRect(point.x, point.y); }
    void OffsetRect(const SIZE& size) { OffsetRect(size.cx, size.cy); }
    void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void NormalizeRect();
    // The smallest rectangle holding both; an empty operand is ignored. Returns false when
    // the result is empty.
    bool UnionRect(LPCRECT first, LPCRECT second);
    // The overlap of both; empty (all zero) when they do not overlap. Returns false then.
    bool IntersectRect(LPCRECT first, LPCRECT second);
    bool EqualRect(LPCRECT other) const { return *this == *other; }

    bool operator==(const RECT& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const RECT& other) const { return !(*this == other); }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
