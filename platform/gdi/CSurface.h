#pragma once
// CSurface: a block of 32-bit XRGB pixels (0x00RRGGBB) that owns its memory. Every device
// context draws into one: a bitmap's, or a window's. All operations clip to the surface, so
// callers may pass rectangles and points that lie partly or wholly outside it.

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"

class CSurface {
public:
    // An empty surface (0 x 0).
    CSurface() = default;
    // A surface of cx x cy pixels, all set to pixel; negative sizes count as 0.
    CSurface(int cx, int cy, uint32_t pixel = 0);

    // Replaces the contents with cx x cy pixels, all set to pixel.
    void Create(int cx, int cy, uint32_t pixel = 0);
    bool IsEmpty() const { return m_nWidth == 0 || m_nHeight == 0; }

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CSize GetSize() const { return CSize(m_nWidth, m_nHeight); }
    CRect GetBounds() const { return CRect(0, 0, m_nWidth, m_nHeight); }
    // Bytes from one row to the next.
    int GetPitch() const { return m_nWidth * static_cast<int>(sizeof(uint32_t)); }

    // The first pixel of row y; y must lie within the surface.
    uint32_t* GetRow(int y);
    const uint32_t* GetRow(int y) const;
    uint32_t* GetPixels() { return m_pixels.data(); }
    const uint32_t* GetPixels() const { return m_pixels.data(); }

    // The pixel at (x, y), or 0 outside the surface.
    uint32_t GetPixel(int x, int y) const;
    // Sets the pixel at (x, y); nothing outside the surface.
    void SetPixel(int x, int y, uint32_t pixel);

    // Fills the part of rect that lies within the surface.
    void Fill(const CRect& rect, uint32_t pixel);
    // Copies rectSource of source to (x, y), clipped to both surfaces. Source and destination
    // may be the same surface with overlapping areas.
    void Blit(int x, int y, const CSurface& source, const CRect& rectSource);
    // As Blit, clipped further to rectClip (in this surface's coordinates).
    void Blit(int x, int y, const CSurface& source, const CRect& rectSource, const CRect& rectClip);

    // Writes the surface to szPath as a PNG file; false when it cannot be written.
    bool SavePng(const char* szPath) const;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<uint32_t> m_pixels;
};
