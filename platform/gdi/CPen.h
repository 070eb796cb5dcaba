#pragma once
// CPen: the colour and width of lines and outlines drawn by CDC::LineTo, Rectangle, Ellipse
// and Polygon. A solid pen is all the layer draws; PS_NULL draws no outline.

#include "platform/base/types.h"

#define PS_SOLID 0
#define PS_NULL 5

class CPen {
public:
    CPen() = default;
    // nWidth below 1 draws one pixel wide.
    CPen(int nPenStyle, int nWidth, COLORREF color) { CreatePen(nPenStyle, nWidth, color); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF color);

    int GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_color; }

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_color = RGB(0, 0, 0);
};
