#pragma once
// CShapeFiller: fills polygons, ellipses and elliptic rings into a surface, one pixel row at a
// time from the spans the shape covers on sample lines. Hard edges sample each pixel's centre
// once; smooth edges take four sample lines per row and the exact horizontal overlap of each
// span, and blend the colour by the covered fraction. Coordinates are the surface's.

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/gdidefs.h"
#include "platform/gdi/CSurface.h"

class CShapeFiller {
public:
    // Draws into surface, never outside rectLimit (which lies within the surface).
    CShapeFiller(CSurface& surface, const CRect& rectLimit, EdgeMode mode);

    // Non-zero winding fill of the polygon with nCount corners.
    void FillPolygon(const CPointF* pPoints, int nCount, uint32_t pixel);
    // The ellipse with centre (cx, cy) and radii rx, ry.
    void FillEllipse(double cx, double cy, double rx, double ry, uint32_t pixel);
    // The band between that ellipse and the one nWidth pixels inside it.
    void FillEllipseRing(double cx, double cy, double rx, double ry, double dWidth, uint32_t pixel);
    // The pixels changed so far (surface coordinates); empty when none.
    CRect GetTouched() const { return m_rectTouched; }

private:
    struct CSpan {
        double x0;
        double x1;
    };
    // Adds to m_spans the spans the shape covers on the horizontal line at y.
    typedef void (CShapeFiller::*SpanSource)(double y);

    void Fill(double xMin, double yMin, double xMax, double yMax, SpanSource source, uint32_t pixel);
    void AddCoverage(const CSpan& span, int xLeft);
    void PolygonSpans(double y);
    void EllipseSpans(double y);
    void RingSpans(double y);
    bool EllipseHalfWidth(double y, double rx, double ry, double& dHalf) const;

    CSurface& m_surface;
    CRect m_rectLimit;
    int m_nSamples;
    CRect m_rectTouched;
    std::vector<CSpan> m_spans;
    std::vector<float> m_coverage;
    // The shape being filled.
    const CPointF* m_pPoints = nullptr;
    int m_nCount = 0;
    double m_cx = 0;
    double m_cy = 0;
    double m_rx = 0;
    double m_ry = 0;
    double m_dWidth = 0;
    struct CCrossing {
        double x;
        int nDirection;
    };
    std::vector<CCrossing> m_crossings;
};
