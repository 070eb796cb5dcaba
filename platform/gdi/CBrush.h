#pragma once
// CBrush: a solid brush; the only kind the game code creates.

#include "platform/base/types.h"

class CBrush {
public:
    // A brush with no colour yet; CreateSolidBrush gives it one.
    CBrush() = default;
    explicit CBrush(COLORREF color) : m_color(color), m_bCreated(true) {}

    BOOL CreateSolidBrush(COLORREF color);
    BOOL DeleteObject();

    COLORREF GetColor() const { return m_color; }
    // FALSE for a brush that was never given a colour (or was deleted): it paints nothing.
    BOOL IsCreated() const { return m_bCreated; }

private:
    COLORREF m_color = RGB(255, 255, 255);
    BOOL m_bCreated = FALSE;
};
