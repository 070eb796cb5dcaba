#include "platform/gdi/CShapeFiller.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SMOOTH_SAMPLES = 4;

} // namespace

CShapeFiller::CShapeFiller(CSurface& surface, const CRect& rectLimit, EdgeMode mode)
    : m_surface(surface), m_rectLimit(rectLimit),
      m_nSamples(mode == EdgeMode::Smooth ? SMOOTH_SAMPLES : 1)
{
}

void CShapeFiller::FillPolygon(const CPointF* pPoints, int nCount, uint32_t pixel)
{
    if (!pPoints || nCount < 3)
        return;
    m_pPoints = pPoints;
    m_nCount = nCount;
    double xMin = pPoints[0].x, xMax = xMin, yMin = pPoints[0].y, yMax = yMin;
    for (int i = 1; i < nCount; ++i) {
        xMin = std::min(xMin, pPoints[i].x);
        xMax = std::max(xMax, pPoints[i].x);
        yMin = std::min(yMin, pPoints[i].y);
        yMax = std::max(yMax, pPoints[i].y);
    }
    m_crossings.reserve(static_cast<size_t>(nCount));
    Fill(xMin, yMin, xMax, yMax, &CShapeFiller::PolygonSpans, pixel);
}

void CShapeFiller::FillEllipse(double cx, double cy, double rx, double ry, uint32_t pixel)
{
    if (rx <= 0 || ry <= 0)
        return;
    m_cx = cx;
    m_cy = cy;
    m_rx = rx;
    m_ry = ry;
    Fill(cx - rx, cy - ry, cx + rx, cy + ry, &CShapeFiller::EllipseSpans, pixel);
}

void CShapeFiller::FillEllipseRing(double cx, double cy, double rx, double ry, double dWidth, uint32_t pixel)
{
    if (rx <= 0 || ry <= 0 || dWidth <= 0)
        return;
    m_cx = cx;
    m_cy = cy;
    m_rx = rx;
    m_ry = ry;
    m_dWidth = dWidth;
    Fill(cx - rx, cy - ry, cx + rx, cy + ry, &CShapeFiller::RingSpans, pixel);
}

void CShapeFiller::Fill(double xMin, double yMin, double xMax, double yMax, SpanSource source, uint32_t pixel)
{
    const int nLeft = std::max(static_cast<int>(std::floor(xMin)), static_cast<int>(m_rectLimit.left));
    const int nRight = std::min(static_cast<int>(std::ceil(xMax)), static_cast<int>(m_rectLimit.right));
    const int nTop = std::max(static_cast<int>(std::floor(yMin)), static_cast<int>(m_rectLimit.top));
    const int nBottom = std::min(static_cast<int>(std::ceil(yMax)), static_cast<int>(m_rectLimit.bottom));
    if (nLeft >= nRight || nTop >= nBottom)
        return;
    m_coverage.assign(static_cast<size_t>(nRight - nLeft), 0.0f);
    const float fPerSample = 1.0f / static_cast<float>(m_nSamples);
    for (int y = nTop; y < nBottom; ++y) {
        std::fill(m_coverage.begin(), m_coverage.end(), 0.0f);
        for (int s = 0; s < m_nSamples; ++s) {
            m_spans.clear();
            (this->*source)(y + (s + 0.5) / m_nSamples);
            for (const CSpan& span : m_spans)
                AddCoverage(span, nLeft);
        }
        uint32_t* pRow = m_surface.GetRow(y);
        int nFirstTouched = nRight;
        int nLastTouched = nLeft - 1;
        for (int x = nLeft; x < nRight; ++x) {
            const float fCover = m_coverage[static_cast<size_t>(x - nLeft)] * fPerSample;
            if (fCover <= 0.0f)
                continue;
            pRow[x] = fCover >= 1.0f ? pixel
                                     : plat::BlendPixel(pRow[x], pixel, static_cast<int>(fCover * plat::FULL_COVERAGE + 0.5f));
            nFirstTouched = std::min(nFirstTouched, x);
            nLastTouched = x;
        }
        if (nFirstTouched <= nLastTouched) {
            const CRect rectRow(nFirstTouched, y, nLastTouched + 1, y + 1);
            m_rectTouched.UnionRect(&m_rectTouched, &rectRow);
        }
    }
}

void CShapeFiller::AddCoverage(const CSpan& span, int xLeft)
{
    const int nWidth = static_cast<int>(m_coverage.size());
    if (m_nSamples == 1) {
        // Hard edges: a pixel is in when its centre is.
        const int nFirst = std::max(static_cast<int>(std::ceil(span.x0 - 0.5)) - xLeft, 0);
        const int nEnd = std::min(static_cast<int>(std::ceil(span.x1 - 0.5)) - xLeft, nWidth);
        for (int i = nFirst; i < nEnd; ++i)
            m_coverage[static_cast<size_t>(i)] += 1.0f;
        return;
    }
    const double x0 = std::max(span.x0 - xLeft, 0.0);
    const double x1 = std::min(span.x1 - xLeft, static_cast<double>(nWidth));
    if (x1 <= x0)
        return;
    const int nFirst = static_cast<int>(std::floor(x0));
    const int nLast = std::min(static_cast<int>(std::ceil(x1)) - 1, nWidth - 1);
    for (int i = nFirst; i <= nLast; ++i) {
        const double dOverlap = std::min(x1, i + 1.0) - std::max(x0, static_cast<double>(i));
        if (dOverlap > 0)
            m_coverage[static_cast<size_t>(i)] += static_cast<float>(dOverlap);
    }
}

void CShapeFiller::PolygonSpans(double y)
{
    m_crossings.clear();
    for (int i = 0; i < m_nCount; ++i) {
        const CPointF& a = m_pPoints[i];
        const CPointF& b = m_pPoints[(i + 1) % m_nCount];
        if (a.y == b.y)
            continue;
        // Half-open in y, so a corner shared by two edges counts once.
        const bool bDown = b.y > a.y;
        const double yLow = bDown ? a.y : b.y;
        const double yHigh = bDown ? b.y : a.y;
        if (y < yLow || y >= yHigh)
            continue;
        const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
        m_crossings.push_back({x, bDown ? 1 : -1});
    }
    std::sort(m_crossings.begin(), m_crossings.end(),
              [](const CCrossing& l, const CCrossing& r) { return l.x < r.x; });
    int nWinding = 0;
    for (size_t i = 0; i + 1 < m_crossings.size(); ++i) {
        nWinding += m_crossings[i].nDirection;
        if (nWinding != 0)
            m_spans.push_back({m_crossings[i].x, m_crossings[i + 1].x});
    }
}

bool CShapeFiller::EllipseHalfWidth(double y, double rx, double ry, double& dHalf) const
{
    const double dy = (y - m_cy) / ry;
    if (dy <= -1.0 || dy >= 1.0)
        return false;
    dHalf = rx * std::sqrt(1.0 - dy * dy);
    return true;
}

void CShapeFiller::EllipseSpans(double y)
{
    double dHalf = 0;
    if (EllipseHalfWidth(y, m_rx, m_ry, dHalf))
        m_spans.push_back({m_cx - dHalf, m_cx + dHalf});
}

void CShapeFiller::RingSpans(double y)
{
    double dOuter = 0;
    if (!EllipseHalfWidth(y, m_rx, m_ry, dOuter))
        return;
    double dInner = 0;
    const double rxInner = m_rx - m_dWidth;
    const double ryInner = m_ry - m_dWidth;
    if (rxInner <= 0 || ryInner <= 0 || !EllipseHalfWidth(y, rxInner, ryInner, dInner)) {
        m_spans.push_back({m_cx - dOuter, m_cx + dOuter});
        return;
    }
    m_spans.push_back({m_cx - dOuter, m_cx - dInner});
    m_spans.push_back({m_cx + dInner, m_cx + dOuter});
}
