#include "resources/CardPictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/res/resources.h"
#include "resources/CardImages.h"
#include "resources/resource.h"

namespace {

// Colours of the faces.
constexpr COLORREF CARD_WHITE = RGB(255, 255, 255);
constexpr COLORREF CARD_EDGE = RGB(64, 64, 64);
constexpr COLORREF SUIT_RED = RGB(212, 0, 0);
constexpr COLORREF SUIT_BLACK = RGB(16, 16, 16);
// Colours of the court figures and the jokers.
constexpr COLORREF COURT_CREAM = RGB(255, 244, 208);
constexpr COLORREF COURT_GOLD = RGB(236, 182, 24);
constexpr COLORREF COURT_BLUE = RGB(36, 70, 170);
constexpr COLORREF COURT_RED = RGB(196, 28, 28);
constexpr COLORREF COURT_SKIN = RGB(250, 212, 168);
constexpr COLORREF COURT_HAIR = RGB(150, 88, 28);
constexpr COLORREF COURT_BEARD = RGB(228, 228, 228);
constexpr COLORREF COURT_STEEL = RGB(150, 160, 172);
constexpr COLORREF COURT_DARK = RGB(40, 28, 20);
constexpr COLORREF JOKER_GREEN = RGB(20, 140, 60);
// The empty place is an outline on the table.
constexpr COLORREF EMPTY_OUTLINE = RGB(150, 214, 150);

// The three back designs: panel colour, lattice colour.
struct SBackDesign {
    int nImage;
    COLORREF clrPanel;
    COLORREF clrPattern;
    bool bDots;
};
const SBackDesign s_backs[] = {
    {IMG_BACK, RGB(28, 60, 160), RGB(110, 150, 235), false},
    {IMG_BACK2, RGB(170, 24, 30), RGB(240, 120, 120), false},
    {IMG_SPARE, RGB(70, 80, 90), RGB(170, 180, 190), true},
};

constexpr double PI = 3.14159265358979323846;
// Cards have rounded corners of this radius; outside them the table shows.
constexpr double CORNER_RADIUS = 5.0;
// Faces are point-symmetric: pixel (x, y) of the lower half mirrors (MIRROR_X - x, MIRROR_Y - y).
constexpr int MIRROR_X = CARD_WIDTH - 1;
constexpr int MIRROR_Y = CARD_HEIGHT - 1;
constexpr double CENTRE_X = MIRROR_X / 2.0;
constexpr double CENTRE_Y = MIRROR_Y / 2.0;

// The corner index: rank letters, with a small pip under them.
constexpr double INDEX_X = 8.5;
constexpr int INDEX_TOP = 4;
constexpr double INDEX_SCALE = 1.4;
constexpr double INDEX_PIP_Y = 23.0;
constexpr double INDEX_PIP_SIZE = 9.0;
// The area mirrored to the bottom-right corner.
const CRect s_rectIndex(1, 1, 16, 29);

// Pips of the number cards: columns, the first and last row, and the pip height.
constexpr double PIP_LEFT = 23.0;
constexpr double PIP_RIGHT = MIRROR_X - PIP_LEFT;
constexpr double PIP_TOP = 18.0;
constexpr double PIP_BOTTOM = MIRROR_Y - PIP_TOP;
constexpr double PIP_SIZE = 13.0;
constexpr double ACE_PIP_SIZE = 34.0;

// The frame of a court card; its upper half is drawn and turned into the lower half.
const CRect s_rectCourt(17, 12, CARD_WIDTH - 17, CARD_HEIGHT - 12);

enum EColumn { COL_LEFT, COL_CENTRE, COL_RIGHT };

struct SPip {
    EColumn column;
    double dRow; // 0 the top row, 1 the bottom row
};

struct SPipLayout {
    int nCount;
    SPip pips[10];
};

// The classic pip patterns of the two to the ten; pips below the middle stand upside down.
const SPipLayout s_pipLayouts[] = {
    {2, {{COL_CENTRE, 0}, {COL_CENTRE, 1}}},
    {3, {{COL_CENTRE, 0}, {COL_CENTRE, 0.5}, {COL_CENTRE, 1}}},
    {4, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_LEFT, 1}, {COL_RIGHT, 1}}},
    {5, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_CENTRE, 0.5}, {COL_LEFT, 1}, {COL_RIGHT, 1}}},
    {6, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_LEFT, 0.5}, {COL_RIGHT, 0.5}, {COL_LEFT, 1},
         {COL_RIGHT, 1}}},
    {7, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_CENTRE, 0.25}, {COL_LEFT, 0.5}, {COL_RIGHT, 0.5},
         {COL_LEFT, 1}, {COL_RIGHT, 1}}},
    {8, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_CENTRE, 0.25}, {COL_LEFT, 0.5}, {COL_RIGHT, 0.5},
         {COL_CENTRE, 0.75}, {COL_LEFT, 1}, {COL_RIGHT, 1}}},
    {9, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_LEFT, 1.0 / 3}, {COL_RIGHT, 1.0 / 3},
         {COL_CENTRE, 0.5}, {COL_LEFT, 2.0 / 3}, {COL_RIGHT, 2.0 / 3}, {COL_LEFT, 1},
         {COL_RIGHT, 1}}},
    {10, {{COL_LEFT, 0}, {COL_RIGHT, 0}, {COL_CENTRE, 1.0 / 6}, {COL_LEFT, 1.0 / 3},
          {COL_RIGHT, 1.0 / 3}, {COL_LEFT, 2.0 / 3}, {COL_RIGHT, 2.0 / 3}, {COL_CENTRE, 5.0 / 6},
          {COL_LEFT, 1}, {COL_RIGHT, 1}}},
};

constexpr int SUITS = 4;
constexpr int RANKS = 13;
constexpr int COURT_JACK = 11;
constexpr int COURT_QUEEN = 12;
const char* const s_rankTexts[RANKS] = {"A", "2", "3", "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};

// A shape placed on a card: centre, height, and whether it stands upside down.
struct SPlace {
    double x;
    double y;
    double dSize;
    bool bFlip;
};

CPointF Map(const SPlace& place, double ux, double uy)
{
    if (place.bFlip) {
        ux = -ux;
        uy = -uy;
    }
    return CPointF{place.x + ux * place.dSize, place.y + uy * place.dSize};
}

void FillShape(CDC& dc, const SPlace& place, const std::vector<CPointF>& unitPoints, COLORREF color)
{
    std::vector<CPointF> points;
    points.reserve(unitPoints.size());
    for (const CPointF& pt : unitPoints)
        points.push_back(Map(place, pt.x, pt.y));
    dc.FillSolidPolygon(points.data(), static_cast<int>(points.size()), color);
}

void FillCircle(CDC& dc, const SPlace& place, double ux, double uy, double ur, COLORREF color)
{
    const CPointF pt = Map(place, ux, uy);
    dc.FillSolidEllipse(pt.x, pt.y, ur * place.dSize, ur * place.dSize, color);
}

// The heart's outline from the classic parametric curve, one unit high, centred.
const std::vector<CPointF>& HeartOutline()
{
    static const std::vector<CPointF> s_points = [] {
        constexpr int STEPS = 72;
        std::vector<CPointF> points;
        double dTop = 1e9, dBottom = -1e9;
        for (int i = 0; i < STEPS; ++i) {
            const double t = 2 * PI * i / STEPS;
            const double x = 16 * std::pow(std::sin(t), 3);
            const double y = -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) -
                               std::cos(4 * t));
            points.push_back(CPointF{x, y});
            dTop = std::min(dTop, y);
            dBottom = std::max(dBottom, y);
        }
        // The curve is a tenth wider than high; narrowed, it sits in the same box as the
        // other suits.
        constexpr double NARROW = 0.9;
        const double dHeight = dBottom - dTop;
        for (CPointF& pt : points)
            pt = CPointF{pt.x / dHeight * NARROW, (pt.y - dTop) / dHeight - 0.5};
        return points;
    }();
    return s_points;
}

// The stem of spades and clubs: a foot that flares out to the bottom edge.
const std::vector<CPointF>& StemOutline()
{
    static const std::vector<CPointF> s_points = {
        {0.0, 0.05}, {0.05, 0.28}, {0.12, 0.42}, {0.22, 0.5}, {-0.22, 0.5}, {-0.12, 0.42},
        {-0.05, 0.28},
    };
    return s_points;
}

void DrawHeart(CDC& dc, const SPlace& place, COLORREF color)
{
    FillShape(dc, place, HeartOutline(), color);
}

void DrawSpade(CDC& dc, const SPlace& place, COLORREF color)
{
    // The body is a heart turned over, taking the upper four fifths.
    constexpr double BODY = 0.8;
    std::vector<CPointF> body;
    for (const CPointF& pt : HeartOutline())
        body.push_back(CPointF{pt.x * BODY * 1.15, -pt.y * BODY - 0.5 + BODY / 2});
    FillShape(dc, place, body, color);
    FillShape(dc, place, StemOutline(), color);
}

void DrawDiamond(CDC& dc, const SPlace& place, COLORREF color)
{
    // Slightly hollow sides read as a diamond rather than a square on its corner.
    const CPointF corners[] = {{0, -0.5}, {0.4, 0}, {0, 0.5}, {-0.4, 0}};
    constexpr int STEPS = 6;
    constexpr double HOLLOW = 0.05;
    std::vector<CPointF> points;
    for (int c = 0; c < 4; ++c) {
        const CPointF& a = corners[c];
        const CPointF& b = corners[(c + 1) % 4];
        for (int i = 0; i < STEPS; ++i) {
            const double t = static_cast<double>(i) / STEPS;
            const double dPull = HOLLOW * std::sin(PI * t);
            const double x = a.x + (b.x - a.x) * t;
            const double y = a.y + (b.y - a.y) * t;
            const double dLen = std::hypot(x, y);
            points.push_back(dLen > 0 ? CPointF{x - x / dLen * dPull, y - y / dLen * dPull}
                                      : CPointF{x, y});
        }
    }
    FillShape(dc, place, points, color);
}

void DrawClub(CDC& dc, const SPlace& place, COLORREF color)
{
    constexpr double LEAF = 0.215;
    FillCircle(dc, place, 0.0, -0.27, LEAF, color);
    FillCircle(dc, place, -0.25, 0.06, LEAF, color);
    FillCircle(dc, place, 0.25, 0.06, LEAF, color);
    FillCircle(dc, place, 0.0, 0.0, 0.13, color);
    FillShape(dc, place, StemOutline(), color);
}

COLORREF SuitColor(int nSuit)
{
    return (nSuit == 1 || nSuit == 2) ? SUIT_RED : SUIT_BLACK;
}

void DrawPip(CDC& dc, int nSuit, const SPlace& place)
{
    typedef void (*PipPainter)(CDC&, const SPlace&, COLORREF);
    static const PipPainter s_painters[SUITS] = {DrawClub, DrawDiamond, DrawHeart, DrawSpade};
    s_painters[nSuit](dc, place, SuitColor(nSuit));
}

uint32_t Blend(uint32_t dst, COLORREF color, double dCoverage)
{
    const uint32_t src = plat::ColorToPixel(color);
    uint32_t result = 0;
    for (int nShift = 0; nShift <= 16; nShift += 8) {
        const double d = (dst >> nShift) & 0xFF;
        const double s = (src >> nShift) & 0xFF;
        result |= static_cast<uint32_t>(std::lround(d + (s - d) * dCoverage)) << nShift;
    }
    return result;
}

// The ink of text in the layer's bold font as coverage 0..255 (the green channel of white
// text on black), cropped to the ink.
struct SInk {
    CSurface surface;
    CRect rectInk;
};

SInk RenderInk(const char* szText)
{
    SInk ink;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetFontWeight(FontWeight::Bold);
    const CSize size = dc.GetTextExtent(szText);
    CBitmap bitmap;
    bitmap.CreateBitmap(std::max<int>(size.cx, 1), std::max<int>(size.cy, 1));
    dc.SelectObject(&bitmap);
    dc.SetTextColor(CARD_WHITE);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(0, 0, szText);
    ink.surface = *bitmap.GetSurface();
    CRect rect(ink.surface.GetWidth(), ink.surface.GetHeight(), 0, 0);
    for (int y = 0; y < ink.surface.GetHeight(); ++y) {
        for (int x = 0; x < ink.surface.GetWidth(); ++x) {
            if (ink.surface.GetPixel(x, y) & 0xFF00)
                rect = CRect(std::min<int>(rect.left, x), std::min<int>(rect.top, y),
                             std::max<int>(rect.right, x + 1), std::max<int>(rect.bottom, y + 1));
        }
    }
    ink.rectInk = rect;
    return ink;
}

double Coverage(const SInk& ink, double x, double y)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto at = [&](int px, int py) {
        if (!ink.rectInk.PtInRect(CPoint(px, py)))
            return 0.0;
        return ((ink.surface.GetPixel(px, py) >> 8) & 0xFF) / 255.0;
    };
    return (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
           (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
}

// Text larger than the layer's font: its ink scaled by sx, sy, centred on xCentre with its
// ink top at yTop.
void DrawScaledText(CDC& dc, const char* szText, double xCentre, int yTop, double sx, double sy,
                    COLORREF color)
{
    const SInk ink = RenderInk(szText);
    CSurface* pSurface = dc.GetSurface();
    if (!pSurface || ink.rectInk.IsRectEmpty())
        return;
    const int nWidth = static_cast<int>(std::ceil(ink.rectInk.Width() * sx));
    const int nHeight = static_cast<int>(std::ceil(ink.rectInk.Height() * sy));
    const int xLeft = static_cast<int>(std::lround(xCentre - nWidth / 2.0));
    for (int dy = 0; dy < nHeight; ++dy) {
        for (int dx = 0; dx < nWidth; ++dx) {
            const double dCover = Coverage(ink, ink.rectInk.left + (dx + 0.5) / sx - 0.5,
                                           ink.rectInk.top + (dy + 0.5) / sy - 0.5);
            if (dCover > 0)
                pSurface->SetPixel(xLeft + dx, yTop + dy,
                                   Blend(pSurface->GetPixel(xLeft + dx, yTop + dy), color,
                                         std::min(dCover, 1.0)));
        }
    }
}

std::vector<CPointF> RoundedRect(double left, double top, double right, double bottom, double r)
{
    constexpr int ARC_STEPS = 8;
    const double centres[4][2] = {
        {right - r, top + r}, {right - r, bottom - r}, {left + r, bottom - r}, {left + r, top + r}};
    std::vector<CPointF> points;
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i <= ARC_STEPS; ++i) {
            const double a = -PI / 2 + (c + static_cast<double>(i) / ARC_STEPS) * PI / 2;
            points.push_back(CPointF{centres[c][0] + r * std::cos(a), centres[c][1] + r * std::sin(a)});
        }
    }
    return points;
}

void FillRounded(CDC& dc, double left, double top, double right, double bottom, double r,
                 COLORREF color)
{
    const std::vector<CPointF> points = RoundedRect(left, top, right, bottom, r);
    dc.FillSolidPolygon(points.data(), static_cast<int>(points.size()), color);
}

// A blank card: white with a dark edge and rounded corners on the table.
void DrawBlankCard(CDC& dc, COLORREF clrFace)
{
    dc.FillSolidRect(0, 0, CARD_WIDTH, CARD_HEIGHT, TABLE_COLOR);
    FillRounded(dc, 0, 0, CARD_WIDTH, CARD_HEIGHT, CORNER_RADIUS, CARD_EDGE);
    FillRounded(dc, 1, 1, CARD_WIDTH - 1, CARD_HEIGHT - 1, CORNER_RADIUS - 1, clrFace);
}

// Turns the area rect of the surface half a turn into its mirror place.
void MirrorArea(CDC& dc, const CRect& rect)
{
    CSurface* pSurface = dc.GetSurface();
    if (!pSurface)
        return;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            pSurface->SetPixel(MIRROR_X - x, MIRROR_Y - y, pSurface->GetPixel(x, y));
    }
}

void DrawIndex(CDC& dc, const char* szRank, int nSuit)
{
    // "10" is squeezed so that it keeps clear of the pips.
    const double sx = szRank[1] ? INDEX_SCALE * 0.62 : INDEX_SCALE;
    DrawScaledText(dc, szRank, INDEX_X, INDEX_TOP, sx, INDEX_SCALE, SuitColor(nSuit));
    DrawPip(dc, nSuit, SPlace{INDEX_X, INDEX_PIP_Y, INDEX_PIP_SIZE, false});
    MirrorArea(dc, s_rectIndex);
}

void DrawNumberPips(CDC& dc, int nSuit, int nRank)
{
    const SPipLayout& layout = s_pipLayouts[nRank - 2];
    const double columns[] = {PIP_LEFT, CENTRE_X, PIP_RIGHT};
    for (int i = 0; i < layout.nCount; ++i) {
        const SPip& pip = layout.pips[i];
        const double y = PIP_TOP + (PIP_BOTTOM - PIP_TOP) * pip.dRow;
        DrawPip(dc, nSuit, SPlace{columns[pip.column], y, PIP_SIZE, pip.dRow > 0.5});
    }
}

void Poly(CDC& dc, std::initializer_list<CPointF> points, COLORREF color)
{
    dc.FillSolidPolygon(points.begin(), static_cast<int>(points.size()), color);
}

void Oval(CDC& dc, double cx, double cy, double rx, double ry, COLORREF color)
{
    dc.FillSolidEllipse(cx, cy, rx, ry, color);
}

// The parts all court figures share, in the upper half of the frame: robe, collar, neck,
// face. The robe is blue for the black suits and red for the red ones.
void DrawCourtBody(CDC& dc, int nSuit)
{
    const COLORREF clrRobe = SuitColor(nSuit) == SUIT_RED ? COURT_RED : COURT_BLUE;
    const COLORREF clrTrim = SuitColor(nSuit) == SUIT_RED ? COURT_BLUE : COURT_RED;
    const double yMid = CENTRE_Y + 0.5;
    Poly(dc, {{23, 38}, {48, 38}, {52, yMid}, {19, yMid}}, clrRobe);
    Poly(dc, {{21.5, 41}, {49.5, 41}, {50.5, 43}, {20.5, 43}}, clrTrim);
    Poly(dc, {{29, 37}, {42, 37}, {35.5, 45}}, COURT_GOLD);
    Poly(dc, {{32, 31}, {39, 31}, {39, 38}, {32, 38}}, COURT_SKIN);
    Oval(dc, CENTRE_X, 27, 6.5, 7.5, COURT_SKIN);
    Oval(dc, 32.6, 26.2, 0.9, 0.9, COURT_DARK);
    Oval(dc, 38.4, 26.2, 0.9, 0.9, COURT_DARK);
}

void DrawKing(CDC& dc, int nSuit)
{
    DrawCourtBody(dc, nSuit);
    Poly(dc, {{29, 28.5}, {42, 28.5}, {40.5, 35}, {35.5, 38.5}, {30.5, 35}}, COURT_BEARD);
    Oval(dc, CENTRE_X, 31, 1.8, 0.7, COURT_RED);
    Poly(dc, {{28, 21.5}, {27, 12.5}, {31.2, 17}, {35.5, 11}, {39.8, 17}, {44, 12.5}, {43, 21.5}},
         COURT_GOLD);
    Oval(dc, CENTRE_X, 18.5, 1.2, 1.2, COURT_RED);
    // A sword held up at the right.
    Poly(dc, {{48.5, 14}, {50.5, 14}, {50.5, 40}, {48.5, 40}}, COURT_STEEL);
    Poly(dc, {{46, 37}, {53, 37}, {53, 39}, {46, 39}}, COURT_GOLD);
}

void DrawQueen(CDC& dc, int nSuit)
{
    // Hair falls behind the face, so it goes first.
    Oval(dc, CENTRE_X, 28, 9.5, 10.5, COURT_HAIR);
    DrawCourtBody(dc, nSuit);
    Oval(dc, CENTRE_X, 31.2, 1.6, 0.7, COURT_RED);
    Poly(dc, {{29.5, 20.5}, {29, 15}, {32.3, 17.5}, {35.5, 13.5}, {38.7, 17.5}, {42, 15}, {41.5, 20.5}},
         COURT_GOLD);
    Oval(dc, 29, 14.8, 1.1, 1.1, COURT_GOLD);
    Oval(dc, CENTRE_X, 13.2, 1.1, 1.1, COURT_GOLD);
    Oval(dc, 42, 14.8, 1.1, 1.1, COURT_GOLD);
    // A flower held at the right.
    Poly(dc, {{49, 22}, {50.2, 22}, {50.2, 40}, {49, 40}}, JOKER_GREEN);
    Oval(dc, 49.6, 19.5, 3.0, 3.0, COURT_RED);
    Oval(dc, 49.6, 19.5, 1.2, 1.2, COURT_GOLD);
}

void DrawJack(CDC& dc, int nSuit)
{
    const COLORREF clrCap = SuitColor(nSuit) == SUIT_RED ? COURT_BLUE : COURT_RED;
    Oval(dc, 29.5, 25, 2.5, 5, COURT_HAIR);
    Oval(dc, 41.5, 25, 2.5, 5, COURT_HAIR);
    DrawCourtBody(dc, nSuit);
    Oval(dc, CENTRE_X, 31.2, 1.6, 0.7, COURT_RED);
    Poly(dc, {{27, 22.5}, {44, 22.5}, {44.5, 18}, {35.5, 13.5}, {26.5, 18}}, clrCap);
    Poly(dc, {{27, 21}, {44, 21}, {44, 23}, {27, 23}}, COURT_GOLD);
    Poly(dc, {{42, 18}, {46, 13.5}, {49, 13}, {45.5, 17}, {43.5, 19.5}}, COURT_GOLD);
    // A halberd at the right.
    Poly(dc, {{49, 14}, {50.2, 14}, {50.2, 42}, {49, 42}}, COURT_HAIR);
    Poly(dc, {{50.2, 15}, {53.5, 18}, {50.2, 21}}, COURT_STEEL);
}

void DrawCourt(CDC& dc, int nSuit, int nRank)
{
    const CRect& frame = s_rectCourt;
    dc.FillSolidRect(frame.left - 1, frame.top - 1, frame.Width() + 2, frame.Height() + 2,
                     SuitColor(nSuit));
    dc.FillSolidRect(&frame, COURT_CREAM);
    if (nRank == COURT_JACK)
        DrawJack(dc, nSuit);
    else if (nRank == COURT_QUEEN)
        DrawQueen(dc, nSuit);
    else
        DrawKing(dc, nSuit);
    DrawPip(dc, nSuit, SPlace{frame.left + 5.0, frame.top + 6.0, 8, false});
    const CRect upper(frame.left, frame.top, frame.right, static_cast<int>(CENTRE_Y) + 1);
    MirrorArea(dc, upper);
    dc.FillSolidRect(frame.left, static_cast<int>(CENTRE_Y), frame.Width(), 2, SuitColor(nSuit));
}

void DrawFace(CDC& dc, int nImage)
{
    const int nSuit = nImage / RANKS;
    const int nRank = nImage % RANKS + 1;
    DrawBlankCard(dc, CARD_WHITE);
    if (nRank == 1)
        DrawPip(dc, nSuit, SPlace{CENTRE_X, CENTRE_Y, ACE_PIP_SIZE, false});
    else if (nRank < COURT_JACK)
        DrawNumberPips(dc, nSuit, nRank);
    else
        DrawCourt(dc, nSuit, nRank);
    DrawIndex(dc, s_rankTexts[nRank - 1], nSuit);
}

// A five-pointed star, the jokers' corner mark.
void DrawStar(CDC& dc, double cx, double cy, double dRadius, COLORREF color)
{
    constexpr int POINTS = 5;
    constexpr double INNER = 0.45;
    std::vector<CPointF> points;
    for (int i = 0; i < 2 * POINTS; ++i) {
        const double r = i % 2 ? dRadius * INNER : dRadius;
        const double a = -PI / 2 + i * PI / POINTS;
        points.push_back(CPointF{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    dc.FillSolidPolygon(points.data(), static_cast<int>(points.size()), color);
}

// A jester's head with a three-pointed cap; the first joker black and red, the second red
// and green, so that the two can be told apart.
void DrawJoker(CDC& dc, int nImage)
{
    const bool bFirst = nImage == IMG_JOKER1;
    const COLORREF clrMain = bFirst ? SUIT_BLACK : SUIT_RED;
    const COLORREF clrSecond = bFirst ? SUIT_RED : JOKER_GREEN;
    DrawBlankCard(dc, CARD_WHITE);
    Poly(dc, {{22, 40}, {13, 25}, {28, 30}}, clrSecond);
    Poly(dc, {{49, 40}, {58, 25}, {43, 30}}, clrSecond);
    Poly(dc, {{25, 38}, {35.5, 14}, {46, 38}}, clrMain);
    Oval(dc, 13, 25, 2.6, 2.6, COURT_GOLD);
    Oval(dc, 58, 25, 2.6, 2.6, COURT_GOLD);
    Oval(dc, CENTRE_X, 14, 2.6, 2.6, COURT_GOLD);
    Poly(dc, {{20, 61}, {51, 61}, {47, 66}, {43, 62}, {39.5, 67}, {35.5, 62}, {31.5, 67}, {28, 62},
              {24, 66}},
         clrSecond);
    Oval(dc, CENTRE_X, 49, 10, 12, COURT_SKIN);
    Poly(dc, {{24, 40}, {47, 40}, {47, 42}, {24, 42}}, COURT_GOLD);
    Oval(dc, 31.5, 47, 1.3, 1.3, COURT_DARK);
    Oval(dc, 39.5, 47, 1.3, 1.3, COURT_DARK);
    Oval(dc, CENTRE_X, 55, 4.5, 1.6, COURT_RED);
    Oval(dc, CENTRE_X, 54, 4.5, 1.0, COURT_SKIN);
    DrawScaledText(dc, "JOKER", CENTRE_X, 70, 1.0, 1.1, clrMain);
    constexpr double STAR_Y = 11.0;
    constexpr double STAR_RADIUS = 6.0;
    DrawStar(dc, INDEX_X, STAR_Y, STAR_RADIUS, clrMain);
    DrawStar(dc, MIRROR_X - INDEX_X, MIRROR_Y - STAR_Y, STAR_RADIUS, clrMain);
}

// A coloured panel with a fine lattice (or dots) inside a white border.
void DrawBack(CDC& dc, const SBackDesign& design)
{
    constexpr int BORDER = 4;
    constexpr int LATTICE = 6;
    DrawBlankCard(dc, CARD_WHITE);
    FillRounded(dc, BORDER, BORDER, CARD_WIDTH - BORDER, CARD_HEIGHT - BORDER, 3, design.clrPanel);
    CSurface* pSurface = dc.GetSurface();
    if (!pSurface)
        return;
    const uint32_t pattern = plat::ColorToPixel(design.clrPattern);
    for (int y = BORDER + 2; y < CARD_HEIGHT - BORDER - 2; ++y) {
        for (int x = BORDER + 2; x < CARD_WIDTH - BORDER - 2; ++x) {
            const bool bLine = design.bDots ? (x % 4 == 1 && y % 4 == 1)
                                            : ((x + y) % LATTICE == 0 || (x - y + CARD_HEIGHT) % LATTICE == 0);
            if (bLine)
                pSurface->SetPixel(x, y, pattern);
        }
    }
    // A plain oval in the middle marks the design's centre.
    Oval(dc, CENTRE_X, CENTRE_Y, 12, 16, design.clrPattern);
    Oval(dc, CENTRE_X, CENTRE_Y, 10, 14, design.clrPanel);
    Oval(dc, CENTRE_X, CENTRE_Y, 4, 4, CARD_WHITE);
}

// The place of a missing card: an outline on the table colour.
void DrawEmptyPlace(CDC& dc)
{
    dc.FillSolidRect(0, 0, CARD_WIDTH, CARD_HEIGHT, TABLE_COLOR);
    FillRounded(dc, 0, 0, CARD_WIDTH, CARD_HEIGHT, CORNER_RADIUS, EMPTY_OUTLINE);
    FillRounded(dc, 2, 2, CARD_WIDTH - 2, CARD_HEIGHT - 2, CORNER_RADIUS - 2, TABLE_COLOR);
}

} // namespace

void DrawCardPicture(CDC& dc, int nImage)
{
    dc.SetEdgeMode(EdgeMode::Smooth);
    if (nImage >= 0 && nImage < SUITS * RANKS) {
        DrawFace(dc, nImage);
        return;
    }
    if (nImage == IMG_JOKER1 || nImage == IMG_JOKER2) {
        DrawJoker(dc, nImage);
        return;
    }
    if (nImage == IMG_EMPTY) {
        DrawEmptyPlace(dc);
        return;
    }
    for (const SBackDesign& design : s_backs) {
        if (design.nImage == nImage)
            DrawBack(dc, design);
    }
}

void RegisterCardPictures()
{
    for (int nImage = 0; nImage < CARD_IMAGE_COUNT; ++nImage)
        AfxRegisterBitmap(IDB_CARD_FIRST + nImage, CSize(CARD_WIDTH, CARD_HEIGHT),
                          [nImage](CDC& dc) { DrawCardPicture(dc, nImage); });
}
