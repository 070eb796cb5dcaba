#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/assert.h"
#include "platform/gdi/CFontCache.h"
#include "platform/gdi/CShapeFiller.h"
#include "platform/gdi/CTextLayout.h"
#include "platform/gdi/icon.h"

namespace {

// The framework's default brush of a fresh context is white, its default pen black and one
// pixel wide.
const CBrush s_defaultBrush(GDI_WHITE);
const CPen s_defaultPen(PS_SOLID, 1, GDI_BLACK);

// The first nCount bytes of szText, or all of it when nCount is negative, as the framework's
// calls taking a length allow; never reads beyond the terminator.
CString TextOfLength(LPCTSTR szText, int nCount)
{
    if (!szText)
        return CString();
    const std::string strText(szText);
    if (nCount < 0 || nCount >= static_cast<int>(strText.size()))
        return CString(strText);
    return CString(szText, nCount);
}

CRect Intersect(const CRect& a, const CRect& b)
{
    CRect result;
    result.IntersectRect(&a, &b);
    return result;
}

} // namespace

CDC::CDC() = default;

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*)
{
    DeleteDC();
    m_bMemoryDC = true;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    const bool bHad = m_bMemoryDC || m_pTarget != nullptr;
    DetachSurface();
    m_bMemoryDC = false;
    m_pBitmap = nullptr;
    m_pBrush = nullptr;
    m_pPen = nullptr;
    return bHad ? TRUE : FALSE;
}

HDC CDC::GetSafeHdc() const
{
    return reinterpret_cast<HDC>(const_cast<CDC*>(this));
}

CDC* CDC::FromHandle(HDC hDC)
{
    return reinterpret_cast<CDC*>(hDC);
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    CBitmap* pOld = m_pBitmap;
    m_pBitmap = pBitmap;
    m_bMemoryDC = true;
    m_bHasLimit = false;
    m_pOwnedTarget = pBitmap ? pBitmap->GetSurface() : nullptr;
    m_pTarget = m_pOwnedTarget.get();
    return pOld;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    CBrush* pOld = m_pBrush;
    m_pBrush = pBrush;
    return pOld;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    return pOld;
}

void CDC::AttachSurface(CSurface* pSurface, CPoint ptOrigin, const CRect& rectLimit)
{
    m_pOwnedTarget.reset();
    m_pTarget = pSurface;
    m_ptDeviceOrigin = ptOrigin;
    m_rectLimit = rectLimit;
    m_bHasLimit = true;
}

void CDC::DetachSurface()
{
    m_pOwnedTarget.reset();
    m_pTarget = nullptr;
    m_ptDeviceOrigin = CPoint();
    m_bHasLimit = false;
    m_bHasClip = false;
}

CPoint CDC::Origin() const
{
    return CPoint(m_ptDeviceOrigin.x + m_ptViewport.x, m_ptDeviceOrigin.y + m_ptViewport.y);
}

CRect CDC::GetTargetLimit() const
{
    if (!m_pTarget)
        return CRect();
    CRect rectLimit = m_pTarget->GetBounds();
    if (m_bHasLimit)
        rectLimit = Intersect(rectLimit, m_rectLimit);
    if (m_bHasClip)
        rectLimit = Intersect(rectLimit, m_rectClip);
    return rectLimit;
}

CRect CDC::ToTarget(const RECT& rectLogical) const
{
    CRect rect(rectLogical);
    rect.NormalizeRect();
    rect.OffsetRect(Origin());
    return Intersect(rect, GetTargetLimit());
}

void CDC::MarkDirty(const CRect& rectTarget)
{
    if (!rectTarget.IsRectEmpty())
        m_rectDirty.UnionRect(&m_rectDirty, &rectTarget);
}

CRect CDC::TakeDirtyRect()
{
    const CRect rectDirty = m_rectDirty;
    m_rectDirty.SetRectEmpty();
    return rectDirty;
}

void CDC::FillTarget(const CRect& rectTarget, COLORREF color)
{
    if (rectTarget.IsRectEmpty())
        return;
    m_pTarget->Fill(rectTarget, plat::ColorToPixel(color));
    MarkDirty(rectTarget);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    const CPoint ptOld = m_ptViewport;
    m_ptViewport = CPoint(x, y);
    return ptOld;
}

void CDC::IntersectClipRect(LPCRECT lpRect)
{
    CRect rect(*lpRect);
    rect.NormalizeRect();
    rect.OffsetRect(Origin());
    m_rectClip = m_bHasClip ? Intersect(m_rectClip, rect) : rect;
    m_bHasClip = true;
}

CRect CDC::GetClipBox() const
{
    CRect rect = GetTargetLimit();
    rect.OffsetRect(-Origin().x, -Origin().y);
    return rect;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    ASSERT(dwRop == SRCCOPY);
    if (dwRop != SRCCOPY || !pSrcDC || !m_pTarget || !pSrcDC->m_pTarget || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    const CPoint ptSrcOrigin = pSrcDC->Origin();
    CRect rectSource(CPoint(xSrc + ptSrcOrigin.x, ySrc + ptSrcOrigin.y), CSize(nWidth, nHeight));
    // A source context reads only what it could draw on, so a window's context never hands
    // out pixels beyond its client area.
    CRect rectSourceLimit = pSrcDC->m_pTarget->GetBounds();
    if (pSrcDC->m_bHasLimit)
        rectSourceLimit = Intersect(rectSourceLimit, pSrcDC->m_rectLimit);
    const CRect rectReadable = Intersect(rectSource, rectSourceLimit);
    if (rectReadable.IsRectEmpty())
        return TRUE;
    const CPoint ptDest(x + Origin().x + rectReadable.left - rectSource.left,
                        y + Origin().y + rectReadable.top - rectSource.top);
    const CRect rectLimit = GetTargetLimit();
    m_pTarget->Blit(ptDest.x, ptDest.y, *pSrcDC->m_pTarget, rectReadable, rectLimit);
    MarkDirty(Intersect(CRect(ptDest, rectReadable.Size()), rectLimit));
    return TRUE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect && pBrush && pBrush->IsCreated() && m_pTarget)
        FillTarget(ToTarget(*lpRect), pBrush->GetColor());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF color)
{
    if (lpRect && m_pTarget)
        FillTarget(ToTarget(*lpRect), color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (!lpRect)
        return;
    const CRect rect(*lpRect);
    FillSolidRect(rect.left, rect.top, rect.Width() - 1, 1, clrTopLeft);
    FillSolidRect(rect.left, rect.top, 1, rect.Height() - 1, clrTopLeft);
    FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrBottomRight);
    FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrBottomRight);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect && pBrush && pBrush->IsCreated())
        Draw3dRect(lpRect, pBrush->GetColor(), pBrush->GetColor());
}

void CDC::SetPixel(int x, int y, COLORREF color)
{
    FillSolidRect(x, y, 1, 1, color);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!m_pTarget)
        return GDI_BLACK;
    return plat::PixelToColor(m_pTarget->GetPixel(x + Origin().x, y + Origin().y));
}

CPoint CDC::MoveTo(int x, int y)
{
    const CPoint ptOld = m_ptCurrent;
    m_ptCurrent = CPoint(x, y);
    return ptOld;
}

BOOL CDC::LineTo(int x, int y)
{
    DrawLine(m_ptCurrent, CPoint(x, y));
    m_ptCurrent = CPoint(x, y);
    return TRUE;
}

void CDC::DrawLine(CPoint ptFrom, CPoint ptTo)
{
    const CPen& pen = m_pPen ? *m_pPen : s_defaultPen;
    if (!m_pTarget || pen.GetStyle() == PS_NULL)
        return;
    // Bresenham's walk, stamping a pen-wide square on every point but the last.
    const int nHalf = (pen.GetWidth() - 1) / 2;
    const int dx = std::abs(ptTo.x - ptFrom.x);
    const int dy = -std::abs(ptTo.y - ptFrom.y);
    const int sx = ptFrom.x < ptTo.x ? 1 : -1;
    const int sy = ptFrom.y < ptTo.y ? 1 : -1;
    int nError = dx + dy;
    CPoint pt = ptFrom;
    while (pt != ptTo) {
        FillSolidRect(pt.x - nHalf, pt.y - nHalf, pen.GetWidth(), pen.GetWidth(), pen.GetColor());
        const int nError2 = 2 * nError;
        if (nError2 >= dy) {
            nError += dy;
            pt.x += sx;
        }
        if (nError2 <= dx) {
            nError += dx;
            pt.y += sy;
        }
    }
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    CRect rect(x1, y1, x2, y2);
    rect.NormalizeRect();
    const CBrush& brush = m_pBrush ? *m_pBrush : s_defaultBrush;
    if (brush.IsCreated())
        FillSolidRect(&rect, brush.GetColor());
    const CPen& pen = m_pPen ? *m_pPen : s_defaultPen;
    if (pen.GetStyle() == PS_NULL)
        return TRUE;
    for (int i = 0; i < pen.GetWidth() && !rect.IsRectEmpty(); ++i) {
        Draw3dRect(&rect, pen.GetColor(), pen.GetColor());
        rect.DeflateRect(1, 1);
    }
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    CRect rect(x1, y1, x2, y2);
    rect.NormalizeRect();
    const double cx = (rect.left + rect.right) / 2.0;
    const double cy = (rect.top + rect.bottom) / 2.0;
    const double rx = rect.Width() / 2.0;
    const double ry = rect.Height() / 2.0;
    const CBrush& brush = m_pBrush ? *m_pBrush : s_defaultBrush;
    if (brush.IsCreated())
        FillSolidEllipse(cx, cy, rx, ry, brush.GetColor());
    const CPen& pen = m_pPen ? *m_pPen : s_defaultPen;
    if (pen.GetStyle() == PS_NULL || !m_pTarget)
        return TRUE;
    const CPoint ptOrigin = Origin();
    CShapeFiller filler(*m_pTarget, GetTargetLimit(), m_edgeMode);
    filler.FillEllipseRing(cx + ptOrigin.x, cy + ptOrigin.y, rx, ry, pen.GetWidth(), plat::ColorToPixel(pen.GetColor()));
    MarkDirty(filler.GetTouched());
    return TRUE;
}

BOOL CDC::Polygon(const POINT* pPoints, int nCount)
{
    if (!pPoints || nCount < 2)
        return FALSE;
    const CBrush& brush = m_pBrush ? *m_pBrush : s_defaultBrush;
    if (brush.IsCreated()) {
        std::vector<CPointF> points(static_cast<size_t>(nCount));
        for (int i = 0; i < nCount; ++i)
            points[static_cast<size_t>(i)] = CPointF{static_cast<double>(pPoints[i].x), static_cast<double>(pPoints[i].y)};
        FillSolidPolygon(points.data(), nCount, brush.GetColor());
    }
    for (int i = 0; i < nCount; ++i)
        DrawLine(pPoints[i], pPoints[(i + 1) % nCount]);
    return TRUE;
}

void CDC::FillSolidPolygon(const CPointF* pPoints, int nCount, COLORREF color)
{
    if (!m_pTarget || !pPoints || nCount < 3)
        return;
    const CPoint ptOrigin = Origin();
    std::vector<CPointF> points(pPoints, pPoints + nCount);
    for (CPointF& pt : points) {
        pt.x += ptOrigin.x;
        pt.y += ptOrigin.y;
    }
    CShapeFiller filler(*m_pTarget, GetTargetLimit(), m_edgeMode);
    filler.FillPolygon(points.data(), nCount, plat::ColorToPixel(color));
    MarkDirty(filler.GetTouched());
}

void CDC::FillSolidEllipse(double cx, double cy, double rx, double ry, COLORREF color)
{
    if (!m_pTarget)
        return;
    const CPoint ptOrigin = Origin();
    CShapeFiller filler(*m_pTarget, GetTargetLimit(), m_edgeMode);
    filler.FillEllipse(cx + ptOrigin.x, cy + ptOrigin.y, rx, ry, plat::ColorToPixel(color));
    MarkDirty(filler.GetTouched());
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    const COLORREF old = m_clrText;
    m_clrText = color;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    const COLORREF old = m_clrBk;
    m_clrBk = color;
    return old;
}

int CDC::SetBkMode(int nBkMode)
{
    const int nOld = m_nBkMode;
    m_nBkMode = nBkMode == TRANSPARENT ? TRANSPARENT : OPAQUE;
    return nOld;
}

FontWeight CDC::SetFontWeight(FontWeight weight)
{
    const FontWeight old = m_fontWeight;
    m_fontWeight = weight;
    return old;
}

int CDC::GetLineHeight() const
{
    return CFontCache::Get().GetLineHeight(m_fontWeight);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return CSize(CFontCache::Get().GetWidth(str.str(), m_fontWeight), GetLineHeight());
}

CSize CDC::GetTextExtent(LPCTSTR szText, int nCount) const
{
    return GetTextExtent(TextOfLength(szText, nCount));
}

int CDC::DrawText(LPCTSTR szText, int nCount, LPRECT lpRect, UINT nFormat)
{
    return DrawText(TextOfLength(szText, nCount), lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    if (!lpRect)
        return 0;
    CRect rect(*lpRect);
    const CTextLayout layout(str.str(), nFormat, rect.Width(), m_fontWeight);
    nFormat = layout.GetFlags();
    const int nLineHeight = GetLineHeight();
    const int nHeight = nLineHeight * static_cast<int>(layout.GetLines().size());
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + layout.GetWidth();
        lpRect->bottom = lpRect->top + nHeight;
        return nHeight;
    }
    if (!m_pTarget)
        return nHeight;
    int y = rect.top;
    if ((nFormat & DT_SINGLELINE) && (nFormat & DT_VCENTER))
        y = rect.top + (rect.Height() - nLineHeight) / 2;
    else if ((nFormat & DT_SINGLELINE) && (nFormat & DT_BOTTOM))
        y = rect.bottom - nLineHeight;
    const CRect rectClip = (nFormat & DT_NOCLIP) ? GetClipBox() : rect;
    for (const CTextLine& line : layout.GetLines()) {
        int x = rect.left;
        if (nFormat & DT_CENTER)
            x = rect.left + (rect.Width() - line.nWidth) / 2;
        else if (nFormat & DT_RIGHT)
            x = rect.right - line.nWidth;
        DrawTextLine(line, x, y, rectClip);
        y += nLineHeight;
    }
    return nHeight;
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    if (!m_pTarget)
        return FALSE;
    const CTextLayout layout(str.str(), DT_SINGLELINE | DT_NOPREFIX, 0, m_fontWeight);
    DrawTextLine(layout.GetLines().front(), x, y, GetClipBox());
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR szText, int nCount)
{
    return TextOut(x, y, TextOfLength(szText, nCount));
}

void CDC::DrawTextLine(const CTextLine& line, int x, int y, const CRect& rectClip)
{
    const CPoint ptOrigin = Origin();
    CRect rectClipTarget(rectClip);
    rectClipTarget.OffsetRect(ptOrigin);
    rectClipTarget = Intersect(rectClipTarget, GetTargetLimit());
    const int nLineHeight = GetLineHeight();
    if (m_nBkMode == OPAQUE)
        FillTarget(Intersect(CRect(x + ptOrigin.x, y + ptOrigin.y, x + ptOrigin.x + line.nWidth,
                                   y + ptOrigin.y + nLineHeight), rectClipTarget), m_clrBk);
    const uint32_t textPixel = plat::ColorToPixel(m_clrText);
    CFontCache& fonts = CFontCache::Get();
    for (const CTextSegment& segment : line.segments) {
        const CTextRun* pRun = fonts.Render(segment.strText, m_fontWeight);
        if (!pRun)
            continue;
        const CRect rectRun(CPoint(x + segment.x + ptOrigin.x, y + ptOrigin.y), CSize(pRun->nWidth, pRun->nHeight));
        const CRect rectDraw = Intersect(rectRun, rectClipTarget);
        for (int py = rectDraw.top; py < rectDraw.bottom; ++py) {
            uint32_t* pRow = m_pTarget->GetRow(py);
            const uint8_t* pCoverage = pRun->coverage.data() + static_cast<size_t>(py - rectRun.top) * pRun->nWidth;
            for (int px = rectDraw.left; px < rectDraw.right; ++px) {
                const int nCoverage = pCoverage[px - rectRun.left];
                if (nCoverage == plat::FULL_COVERAGE)
                    pRow[px] = textPixel;
                else if (nCoverage != 0)
                    pRow[px] = plat::BlendPixel(pRow[px], textPixel, nCoverage);
            }
        }
        MarkDirty(rectDraw);
    }
    if (line.nUnderlineWidth > 0) {
        const int yUnderline = y + ptOrigin.y + std::min(fonts.GetAscent(m_fontWeight) + 1, nLineHeight - 1);
        const int xUnderline = x + ptOrigin.x + line.xUnderline;
        FillTarget(Intersect(CRect(xUnderline, yUnderline, xUnderline + line.nUnderlineWidth, yUnderline + 1),
                             rectClipTarget), m_clrText);
    }
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    const CSurface* pIcon = GetIconSurface(hIcon);
    if (!pIcon || !m_pTarget)
        return FALSE;
    const CPoint ptDest(x + Origin().x, y + Origin().y);
    const CRect rectDraw = Intersect(CRect(ptDest, pIcon->GetSize()), GetTargetLimit());
    for (int py = rectDraw.top; py < rectDraw.bottom; ++py) {
        uint32_t* pRow = m_pTarget->GetRow(py);
        const uint32_t* pSource = pIcon->GetRow(py - ptDest.y);
        for (int px = rectDraw.left; px < rectDraw.right; ++px) {
            const uint32_t pixel = pSource[px - ptDest.x];
            if (!hIcon->m_bKeyed || pixel != hIcon->m_keyPixel)
                pRow[px] = pixel;
        }
    }
    MarkDirty(rectDraw);
    return TRUE;
}
