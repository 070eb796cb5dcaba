#include "platform/gdi/CSurface.h"

#include <algorithm>
#include <cstring>

#include <SDL.h>
#include <SDL_image.h>

#include "platform/base/assert.h"

CSurface::CSurface(int cx, int cy, uint32_t pixel)
{
    Create(cx, cy, pixel);
}

void CSurface::Create(int cx, int cy, uint32_t pixel)
{
    m_nWidth = std::max(cx, 0);
    m_nHeight = std::max(cy, 0);
    if (m_nWidth == 0 || m_nHeight == 0)
        m_nWidth = m_nHeight = 0;
    m_pixels.assign(static_cast<size_t>(m_nWidth) * m_nHeight, pixel);
}

uint32_t* CSurface::GetRow(int y)
{
    ASSERT(y >= 0 && y < m_nHeight);
    return m_pixels.data() + static_cast<size_t>(y) * m_nWidth;
}

const uint32_t* CSurface::GetRow(int y) const
{
    ASSERT(y >= 0 && y < m_nHeight);
    return m_pixels.data() + static_cast<size_t>(y) * m_nWidth;
}

uint32_t CSurface::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0;
    return m_pixels[static_cast<size_t>(y) * m_nWidth + x];
}

void CSurface::SetPixel(int x, int y, uint32_t pixel)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    m_pixels[static_cast<size_t>(y) * m_nWidth + x] = pixel;
}

void CSurface::Fill(const CRect& rect, uint32_t pixel)
{
    CRect rectFill;
    const CRect bounds = GetBounds();
    if (!rectFill.IntersectRect(&rect, &bounds))
        return;
    // Fill one row, then copy it: a block copy is much quicker than a pixel loop per row.
    const uint32_t* pFirst = GetRow(rectFill.top) + rectFill.left;
    std::fill(GetRow(rectFill.top) + rectFill.left, GetRow(rectFill.top) + rectFill.right, pixel);
    const size_t nBytes = static_cast<size_t>(rectFill.Width()) * sizeof(uint32_t);
    for (int y = rectFill.top + 1; y < rectFill.bottom; ++y)
        std::memcpy(GetRow(y) + rectFill.left, pFirst, nBytes);
}

void CSurface::Blit(int x, int y, const CSurface& source, const CRect& rectSource)
{
    Blit(x, y, source, rectSource, GetBounds());
}

void CSurface::Blit(int x, int y, const CSurface& source, const CRect& rectSource, const CRect& rectClip)
{
    // Clip the source to its surface, moving the destination along with it.
    CRect rectFrom;
    const CRect sourceBounds = source.GetBounds();
    if (!rectFrom.IntersectRect(&rectSource, &sourceBounds))
        return;
    CRect rectTo(CPoint(x + rectFrom.left - rectSource.left, y + rectFrom.top - rectSource.top),
                 rectFrom.Size());
    // Then clip the destination, moving the source back along with it.
    CRect rectLimit;
    const CRect bounds = GetBounds();
    if (!rectLimit.IntersectRect(&bounds, &rectClip))
        return;
    CRect rectDest;
    if (!rectDest.IntersectRect(&rectTo, &rectLimit))
        return;
    const int xFrom = rectFrom.left + rectDest.left - rectTo.left;
    const int yFrom = rectFrom.top + rectDest.top - rectTo.top;
    const size_t nBytes = static_cast<size_t>(rectDest.Width()) * sizeof(uint32_t);

    // Copying within one surface downwards must start at the bottom row so that rows not yet
    // copied are not overwritten; memmove handles overlap within a row.
    const bool bBottomUp = &source == this && rectDest.top > yFrom;
    for (int i = 0; i < rectDest.Height(); ++i) {
        const int nRow = bBottomUp ? rectDest.Height() - 1 - i : i;
        std::memmove(GetRow(rectDest.top + nRow) + rectDest.left,
                     source.GetRow(yFrom + nRow) + xFrom, nBytes);
    }
}

bool CSurface::SavePng(const char* szPath) const
{
    if (!szPath || IsEmpty())
        return false;
    // The SDL surface only borrows our pixels; IMG_SavePNG does not write to them.
    SDL_Surface* pWrapper = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(m_pixels.data()), m_nWidth, m_nHeight, 32, GetPitch(),
        SDL_PIXELFORMAT_RGB888);
    if (!pWrapper)
        return false;
    const bool bSaved = IMG_SavePNG(pWrapper, szPath) == 0;
    SDL_FreeSurface(pWrapper);
    return bSaved;
}
