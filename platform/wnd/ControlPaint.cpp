#include "platform/wnd/ControlPaint.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "platform/wnd/metrics.h"

namespace plat {

namespace {

// Every other pixel of a focus frame is drawn.
constexpr int FOCUS_DOT_STEP = 2;
// The smallest thumb a scroll bar draws.
constexpr int MIN_THUMB_HEIGHT = 8;

} // namespace

void DrawButtonEdge(CDC& dc, const CRect& rect, bool bPressed)
{
    if (bPressed) {
        dc.Draw3dRect(&rect, COLOR_SHADOW, COLOR_SHADOW);
        return;
    }
    dc.Draw3dRect(&rect, COLOR_HIGHLIGHT_EDGE, COLOR_DARK_SHADOW);
    CRect rectInner = rect;
    rectInner.DeflateRect(1, 1);
    dc.Draw3dRect(&rectInner, COLOR_FACE, COLOR_SHADOW);
}

void DrawSunkenEdge(CDC& dc, const CRect& rect)
{
    dc.Draw3dRect(&rect, COLOR_SHADOW, COLOR_HIGHLIGHT_EDGE);
    CRect rectInner = rect;
    rectInner.DeflateRect(1, 1);
    dc.Draw3dRect(&rectInner, COLOR_DARK_SHADOW, COLOR_FACE);
}

void DrawFocusFrame(CDC& dc, const CRect& rect)
{
    for (int x = rect.left; x < rect.right; x += FOCUS_DOT_STEP) {
        dc.SetPixel(x, rect.top, COLOR_TEXT);
        dc.SetPixel(x, rect.bottom - 1, COLOR_TEXT);
    }
    for (int y = rect.top; y < rect.bottom; y += FOCUS_DOT_STEP) {
        dc.SetPixel(rect.left, y, COLOR_TEXT);
        dc.SetPixel(rect.right - 1, y, COLOR_TEXT);
    }
}

void DrawCheckMark(CDC& dc, const CRect& rect, COLORREF color)
{
    // A short stroke down to the bottom of the mark, then a long one up, three pixels thick.
    CPoint centre = rect.CenterPoint();
    constexpr int nStrokes = 7;
    constexpr int nBottom = 2;
    for (int i = 0; i < nStrokes; ++i) {
        int nOffset = i <= nBottom ? i - 1 : 2 * nBottom - 1 - i;
        dc.FillSolidRect(centre.x - nStrokes / 2 + i, centre.y + nOffset - 1, 1, 3, color);
    }
}

void DrawArrow(CDC& dc, const CRect& rect, ArrowDirection direction, COLORREF color)
{
    CPoint centre = rect.CenterPoint();
    constexpr int nHalf = 3;
    for (int i = 0; i <= nHalf; ++i) {
        switch (direction) {
        case ArrowDirection::Down:
            dc.FillSolidRect(centre.x - nHalf + i, centre.y - 1 + i, 2 * (nHalf - i) + 1, 1, color);
            break;
        case ArrowDirection::Up:
            dc.FillSolidRect(centre.x - nHalf + i, centre.y + 1 - i, 2 * (nHalf - i) + 1, 1, color);
            break;
        case ArrowDirection::Right:
            dc.FillSolidRect(centre.x - 1 + i, centre.y - nHalf + i, 1, 2 * (nHalf - i) + 1, color);
            break;
        }
    }
}

void DrawVerticalScrollBar(CDC& dc, const CRect& rect, int nCount, int nVisible, int nTop)
{
    dc.FillSolidRect(&rect, COLOR_HIGHLIGHT_EDGE);
    CRect rectUp(rect.left, rect.top, rect.right, rect.top + SCROLL_BAR_WIDTH);
    CRect rectDown(rect.left, rect.bottom - SCROLL_BAR_WIDTH, rect.right, rect.bottom);
    for (const CRect& rectButton : {rectUp, rectDown}) {
        dc.FillSolidRect(&rectButton, COLOR_FACE);
        DrawButtonEdge(dc, rectButton, false);
    }
    DrawArrow(dc, rectUp, ArrowDirection::Up, COLOR_TEXT);
    DrawArrow(dc, rectDown, ArrowDirection::Down, COLOR_TEXT);
    int nTrack = rect.Height() - 2 * SCROLL_BAR_WIDTH;
    if (nCount <= nVisible || nTrack <= MIN_THUMB_HEIGHT)
        return;
    int nThumb = std::max(MIN_THUMB_HEIGHT, nTrack * nVisible / nCount);
    int nRange = std::max(1, nCount - nVisible);
    int nThumbTop = rectUp.bottom + (nTrack - nThumb) * std::min(nTop, nRange) / nRange;
    CRect rectThumb(rect.left, nThumbTop, rect.right, nThumbTop + nThumb);
    dc.FillSolidRect(&rectThumb, COLOR_FACE);
    DrawButtonEdge(dc, rectThumb, false);
}

} // namespace plat
