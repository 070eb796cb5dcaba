#pragma once
// The drawing constants of the framework's device-context calls and the pixel format every
// surface uses. A pixel is 32-bit XRGB (0x00RRGGBB), while a COLORREF packs 0x00BBGGRR.

#include "platform/base/types.h"

// Raster operation of BitBlt: the only one the layer supports is a plain copy.
#define SRCCOPY 0x00CC0020u

// DrawText formats.
#define DT_TOP 0x00000000u
#define DT_LEFT 0x00000000u
#define DT_CENTER 0x00000001u
#define DT_RIGHT 0x00000002u
#define DT_VCENTER 0x00000004u
#define DT_BOTTOM 0x00000008u
#define DT_WORDBREAK 0x00000010u
#define DT_SINGLELINE 0x00000020u
#define DT_EXPANDTABS 0x00000040u
// With DT_TABSTOP, bits 8..15 give the characters per tab stop (default 8) and do not
// count as the flags that share them.
#define DT_TABSTOP 0x00000080u
#define DT_NOCLIP 0x00000100u
#define DT_CALCRECT 0x00000400u
#define DT_NOPREFIX 0x00000800u
// With DT_WORDBREAK, a word wider than the line is broken between characters, as a
// multi-line edit breaks it, instead of running past the line's end. Shares its bit with
// DT_TABSTOP's length.
#define DT_EDITCONTROL 0x00002000u

// Background modes of text output.
#define TRANSPARENT 1
#define OPAQUE 2

// System metrics the layer answers (GetSystemMetrics).
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXSMICON 49
#define SM_CYSMICON 50

// Colours the layer's own defaults use.
#define GDI_BLACK RGB(0, 0, 0)
#define GDI_WHITE RGB(255, 255, 255)

// What CBitmap::GetBitmap reports.
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

// How polygon and ellipse fills treat their edges: hard (a pixel is in or out) or smooth
// (edge pixels blended by how much of them the shape covers).
enum class EdgeMode { Hard, Smooth };
// Weight of the layer's font.
enum class FontWeight { Normal, Bold };

// A point with fractional coordinates, for smooth shapes (pixel centres lie at +0.5).
struct CPointF {
    double x;
    double y;
};

namespace plat {

// Coverage of a pixel by ink or a shape: 0 none .. FULL_COVERAGE all of it.
constexpr int FULL_COVERAGE = 255;

// The surface pixel of a framework colour.
inline uint32_t ColorToPixel(COLORREF color)
{
    return (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

// src laid over dst with nCoverage, channel by channel.
inline uint32_t BlendPixel(uint32_t dst, uint32_t src, int nCoverage)
{
    uint32_t result = 0;
    for (int nShift = 0; nShift <= 16; nShift += 8) {
        const int d = static_cast<int>((dst >> nShift) & 0xFF);
        const int s = static_cast<int>((src >> nShift) & 0xFF);
        const int c = (d * (FULL_COVERAGE - nCoverage) + s * nCoverage + FULL_COVERAGE / 2) / FULL_COVERAGE;
        result |= static_cast<uint32_t>(c) << nShift;
    }
    return result;
}

// The framework colour of a surface pixel.
inline COLORREF PixelToColor(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace plat
