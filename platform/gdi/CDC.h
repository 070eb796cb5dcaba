#pragma once
// CDC: a device context, the drawing target of the framework's GDI calls. Every context
// draws into a CSurface: a memory context into the bitmap selected into it, a window's
// context (defined with the windows) into the window's surface through AttachSurface.
//
// Coordinates are logical: the context adds its origin and clips every operation to its clip
// rectangle and to the surface, so any point or rectangle may be passed. Each operation that
// changes pixels grows the dirty rectangle (in surface coordinates); a window's context reads
// it with TakeDirtyRect when drawing is released to present just that area.
//
// Text uses the layer's one font (DejaVu Sans, about 11 pixels, matching dialog base units of
// 6 x 13). Text is drawn over an opaque background of the background colour by default, as
// the framework does; without the font file text draws nothing and measures approximately.

#include <memory>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CSurface.h"
#include "platform/gdi/gdidefs.h"

struct CTextLine;

class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    // Makes this a memory context with no bitmap selected; pDC (may be nullptr) only names the
    // format, which is always XRGB. Drawing before a bitmap is selected changes nothing.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Releases the context's target; TRUE when it had one.
    BOOL DeleteDC();
    // The handle of this context; FromHandle turns it back.
    HDC GetSafeHdc() const;
    static CDC* FromHandle(HDC hDC);

    // Selects pBitmap as the memory context's target; returns the bitmap selected before
    // (nullptr for none). A bitmap without a picture selects an empty target.
    CBitmap* SelectObject(CBitmap* pBitmap);
    // Selects the brush that fills Rectangle, Ellipse and Polygon; returns the old one
    // (nullptr for the default white brush).
    CBrush* SelectObject(CBrush* pBrush);
    // Selects the pen of lines and outlines; returns the old one (nullptr for the default
    // black one-pixel pen).
    CPen* SelectObject(CPen* pPen);

    // Copies the w x h area at (xSrc, ySrc) of pSrcDC to (x, y); dwRop must be SRCCOPY.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Unlike the framework's, these leave the background colour of text as it was.
    void FillSolidRect(LPCRECT lpRect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // A one-pixel frame: top and left in clrTopLeft, bottom and right in clrBottomRight.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // A one-pixel frame around the rectangle in the brush's colour.
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void SetPixel(int x, int y, COLORREF color);
    // The colour at (x, y); black outside the target.
    COLORREF GetPixel(int x, int y) const;

    // Lines with the selected pen; LineTo excludes its end point, as the framework does.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    // Shapes filled with the selected brush and outlined with the selected pen; the right
    // and bottom edges are excluded.
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Polygon(const POINT* pPoints, int nCount);

    // The layer's own shapes for pictures, filled in one colour with hard or smooth edges.
    void SetEdgeMode(EdgeMode mode) { m_edgeMode = mode; }
    EdgeMode GetEdgeMode() const { return m_edgeMode; }
    // Fills the polygon (non-zero winding) whose corners are pPoints.
    void FillSolidPolygon(const CPointF* pPoints, int nCount, COLORREF color);
    // Fills the ellipse with centre (cx, cy) and radii rx, ry.
    void FillSolidEllipse(double cx, double cy, double rx, double ry, COLORREF color);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_clrBk; }
    // OPAQUE (the default) or TRANSPARENT; returns the previous mode.
    int SetBkMode(int nBkMode);
    int GetBkMode() const { return m_nBkMode; }
    // Chooses the weight of later text; returns the previous one.
    FontWeight SetFontWeight(FontWeight weight);

    // Draws text in the rectangle as nFormat (DT_*) says; lines break at "\n". Returns the
    // height of the text; with DT_CALCRECT it only measures, setting the rectangle's right and
    // bottom to fit the text.
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    // As above for the first nCount bytes of szText (all of it when nCount is -1).
    int DrawText(LPCTSTR szText, int nCount, LPRECT lpRect, UINT nFormat);
    // One line of text with its top-left corner at (x, y).
    BOOL TextOut(int x, int y, const CString& str);
    BOOL TextOut(int x, int y, LPCTSTR szText, int nCount);
    // The width and line height of one line of text.
    CSize GetTextExtent(const CString& str) const;
    CSize GetTextExtent(LPCTSTR szText, int nCount) const;
    // The height of one line of text.
    int GetLineHeight() const;

    // Draws the icon's picture at (x, y), leaving its transparent pixels alone.
    BOOL DrawIcon(int x, int y, HICON hIcon);

    // Moves the logical origin: logical (0, 0) is drawn at (x, y) of the context's area.
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_ptViewport; }
    // Limits drawing to the logical rectangle (on top of the target's own limit).
    void IntersectClipRect(LPCRECT lpRect);
    // The logical rectangle drawing is limited to.
    CRect GetClipBox() const;

    // The area (in target coordinates) changed since the last call, then forgets it.
    CRect TakeDirtyRect();
    CRect GetDirtyRect() const { return m_rectDirty; }
    // The surface drawn into, or nullptr when the context has no target.
    CSurface* GetSurface() const { return m_pTarget; }

protected:
    // Makes pSurface (not owned) the target; drawing is placed at ptOrigin and limited to
    // rectLimit, both in surface coordinates. Used by the contexts of windows.
    void AttachSurface(CSurface* pSurface, CPoint ptOrigin, const CRect& rectLimit);
    void DetachSurface();

private:
    // Where logical (0, 0) lies on the target.
    CPoint Origin() const;
    // The target rectangle a logical rectangle lands on, clipped to everything.
    CRect ToTarget(const RECT& rectLogical) const;
    CRect GetTargetLimit() const;
    void MarkDirty(const CRect& rectTarget);
    void FillTarget(const CRect& rectTarget, COLORREF color);
    void DrawLine(CPoint ptFrom, CPoint ptTo);
    // One laid-out line at logical (x, y), clipped to the logical rectClip.
    void DrawTextLine(const CTextLine& line, int x, int y, const CRect& rectClip);

    std::shared_ptr<CSurface> m_pOwnedTarget; // the selected bitmap's pixels, kept alive
    CSurface* m_pTarget = nullptr;
    CBitmap* m_pBitmap = nullptr;
    CBrush* m_pBrush = nullptr;
    CPen* m_pPen = nullptr;
    bool m_bMemoryDC = false;
    CPoint m_ptDeviceOrigin; // set by AttachSurface
    CPoint m_ptViewport;
    CRect m_rectLimit;       // target coordinates; set by AttachSurface
    bool m_bHasLimit = false;
    CRect m_rectClip;        // target coordinates; only when m_bHasClip
    bool m_bHasClip = false;
    CRect m_rectDirty;
    CPoint m_ptCurrent;
    EdgeMode m_edgeMode = EdgeMode::Hard;
    FontWeight m_fontWeight = FontWeight::Normal;
    COLORREF m_clrText = GDI_BLACK;
    COLORREF m_clrBk = GDI_WHITE;
    int m_nBkMode = OPAQUE;
};
