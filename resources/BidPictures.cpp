#include "resources/BidPictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/base/assert.h"
#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/res/resources.h"

const char* const g_szBidBitmaps[BID_CALL_PICTURE_COUNT] = {
    "DOUBLEU", "REDOUBLEU", "NBU",
    "1CU", "1DU", "1HU", "1SU", "1NTU",
    "2CU", "2DU", "2HU", "2SU", "2NTU",
    "3CU", "3DU", "3HU", "3SU", "3NTU",
    "4CU", "4DU", "4HU", "4SU", "4NTU",
    "5CU", "5DU", "5HU", "5SU", "5NTU",
    "6CU", "6DU", "6HU", "6SU", "6NTU",
    "7CU", "7DU", "7HU", "7SU", "7NTU",
};

namespace {

// Picture indexes of the three calls that are not contract bids.
constexpr int PICTURE_DOUBLE = 0;
constexpr int PICTURE_REDOUBLE = 1;
constexpr int PICTURE_NOBID = 2;
constexpr int STRAINS = 5;
constexpr int STRAIN_NOTRUMP = 4;

const char* const s_szSuffixes[BID_PICTURE_STATE_COUNT] = {"U", "D", "F", "X"};

// Faces: contract bids are white cards; no bid, double and redouble carry the colours of a
// bidding box's pass, double and redouble cards; the empty cell is a plain grey.
constexpr COLORREF FACE_CARD = RGB(252, 252, 246);
constexpr COLORREF FACE_NOBID = RGB(0, 140, 64);
constexpr COLORREF FACE_DOUBLE = RGB(200, 24, 32);
constexpr COLORREF FACE_REDOUBLE = RGB(32, 72, 184);
constexpr COLORREF FACE_DASH = RGB(214, 214, 214);
constexpr COLORREF FACE_DISABLED = RGB(206, 206, 206);
constexpr COLORREF INK_BLACK = RGB(0, 0, 0);
constexpr COLORREF INK_RED = RGB(208, 0, 0);
constexpr COLORREF INK_WHITE = RGB(255, 255, 255);
constexpr COLORREF INK_DASH = RGB(96, 96, 96);
constexpr COLORREF INK_DISABLED = RGB(150, 150, 150);
// The raised (or, pressed, sunken) edge of a button, outer and inner ring.
constexpr COLORREF EDGE_LIGHT = RGB(255, 255, 255);
constexpr COLORREF EDGE_MIDLIGHT = RGB(228, 228, 228);
constexpr COLORREF EDGE_SHADOW = RGB(128, 128, 128);
constexpr COLORREF EDGE_DARK = RGB(0, 0, 0);
constexpr COLORREF FOCUS_FRAME = RGB(0, 0, 160);

// The content keeps inside the two edge rings; pressed, it moves one pixel down and right.
constexpr int EDGE_WIDTH = 2;
constexpr int PRESS_SHIFT = 1;
constexpr int CONTENT_WIDTH = BID_PICTURE_WIDTH - 2 * EDGE_WIDTH;
// A suit symbol's height and width in pixels, and the gap between level and symbol.
constexpr double SYMBOL_HEIGHT = 11.0;
constexpr double SYMBOL_WIDTH = 10.0;
constexpr int SYMBOL_GAP = 1;
// The dash of an empty cell.
constexpr int DASH_WIDTH = 8;
constexpr int DASH_HEIGHT = 2;

// Text as coverage (the green channel of white text on black), cropped to its ink.
struct SInk {
    CSurface mask;
    CRect rectInk;
};

SInk RenderInk(const CString& strText)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetFontWeight(FontWeight::Bold);
    const CSize size = dc.GetTextExtent(strText);
    CBitmap bitmap;
    bitmap.CreateBitmap(std::max<int>(size.cx, 1), std::max<int>(size.cy, 1));
    dc.SelectObject(&bitmap);
    dc.SetTextColor(INK_WHITE);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(0, 0, strText);
    dc.SelectObject(static_cast<CBitmap*>(nullptr));
    SInk ink{*bitmap.GetSurface(), CRect()};
    bool bAny = false;
    for (int y = 0; y < ink.mask.GetHeight(); ++y) {
        for (int x = 0; x < ink.mask.GetWidth(); ++x) {
            if ((ink.mask.GetPixel(x, y) & 0xFF00) == 0)
                continue;
            ink.rectInk = bAny ? CRect(std::min<int>(ink.rectInk.left, x), std::min<int>(ink.rectInk.top, y),
                                       std::max<int>(ink.rectInk.right, x + 1),
                                       std::max<int>(ink.rectInk.bottom, y + 1))
                               : CRect(x, y, x + 1, y + 1);
            bAny = true;
        }
    }
    return ink;
}

int InkAt(const SInk& ink, int x, int y)
{
    return static_cast<int>((ink.mask.GetPixel(ink.rectInk.left + x, ink.rectInk.top + y) >> 8) & 0xFF);
}

// The ink's width once fitted into nMaxWidth pixels.
int FittedWidth(const SInk& ink, int nMaxWidth)
{
    return std::min<int>(ink.rectInk.Width(), nMaxWidth);
}

// Lays the ink over the surface with its top-left ink pixel at (xLeft, yTop), squeezed
// sideways to nWidth pixels when it is wider: each column averages the columns it covers.
void DrawInk(CDC& dc, const SInk& ink, int xLeft, int yTop, int nWidth, COLORREF color)
{
    CSurface* pSurface = dc.GetSurface();
    if (pSurface == nullptr || ink.rectInk.IsRectEmpty() || nWidth <= 0)
        return;
    const uint32_t pixel = plat::ColorToPixel(color);
    const double dScale = static_cast<double>(ink.rectInk.Width()) / nWidth;
    for (int y = 0; y < ink.rectInk.Height(); ++y) {
        for (int dx = 0; dx < nWidth; ++dx) {
            const double dFrom = dx * dScale;
            const double dTo = dFrom + dScale;
            double dSum = 0;
            for (int sx = static_cast<int>(dFrom); sx < dTo && sx < ink.rectInk.Width(); ++sx) {
                const double dPart = std::min<double>(sx + 1, dTo) - std::max<double>(sx, dFrom);
                dSum += InkAt(ink, sx, y) * dPart;
            }
            const int nCoverage = std::min(plat::FULL_COVERAGE, static_cast<int>(std::lround(dSum / dScale)));
            const int x = xLeft + dx;
            if (nCoverage > 0 && x >= 0 && x < pSurface->GetWidth() && yTop + y >= 0 &&
                yTop + y < pSurface->GetHeight())
                pSurface->SetPixel(x, yTop + y, plat::BlendPixel(pSurface->GetPixel(x, yTop + y), pixel, nCoverage));
        }
    }
}

// A suit symbol in unit coordinates (-0.5 .. 0.5 both ways), drawn centred on (cx, cy).
struct SSymbol {
    double cx;
    double cy;
    COLORREF color;

    CPointF At(double ux, double uy) const { return CPointF{cx + ux * SYMBOL_WIDTH, cy + uy * SYMBOL_HEIGHT}; }
    void Polygon(CDC& dc, std::initializer_list<CPointF> unitPoints) const
    {
        std::vector<CPointF> points;
        for (const CPointF& pt : unitPoints)
            points.push_back(At(pt.x, pt.y));
        dc.FillSolidPolygon(points.data(), static_cast<int>(points.size()), color);
    }
    void Circle(CDC& dc, double ux, double uy, double ur) const
    {
        const CPointF pt = At(ux, uy);
        dc.FillSolidEllipse(pt.x, pt.y, ur * SYMBOL_WIDTH, ur * SYMBOL_WIDTH, color);
    }
    // The flared foot of spades and clubs.
    void Stem(CDC& dc) const { Polygon(dc, {{-0.05, 0.1}, {0.05, 0.1}, {0.2, 0.5}, {-0.2, 0.5}}); }
};

void DrawClubs(CDC& dc, const SSymbol& s)
{
    constexpr double LEAF = 0.23;
    s.Circle(dc, 0.0, -0.25, LEAF);
    s.Circle(dc, -0.25, 0.07, LEAF);
    s.Circle(dc, 0.25, 0.07, LEAF);
    s.Circle(dc, 0.0, 0.0, 0.12);
    s.Stem(dc);
}

void DrawDiamonds(CDC& dc, const SSymbol& s)
{
    s.Polygon(dc, {{0, -0.5}, {0.42, 0}, {0, 0.5}, {-0.42, 0}});
}

void DrawHearts(CDC& dc, const SSymbol& s)
{
    constexpr double LOBE = 0.26;
    s.Circle(dc, -0.24, -0.22, LOBE);
    s.Circle(dc, 0.24, -0.22, LOBE);
    s.Polygon(dc, {{-0.49, -0.12}, {0.49, -0.12}, {0, 0.5}});
}

void DrawSpades(CDC& dc, const SSymbol& s)
{
    constexpr double LOBE = 0.25;
    s.Polygon(dc, {{0, -0.5}, {0.49, 0.02}, {-0.49, 0.02}});
    s.Circle(dc, -0.24, 0.05, LOBE);
    s.Circle(dc, 0.24, 0.05, LOBE);
    s.Stem(dc);
}

COLORREF SuitInk(int nStrain)
{
    return (nStrain == 1 || nStrain == 2) ? INK_RED : INK_BLACK;
}

void DrawSuitSymbol(CDC& dc, int nStrain, double cx, double cy, COLORREF color)
{
    typedef void (*SymbolPainter)(CDC&, const SSymbol&);
    static const SymbolPainter s_painters[STRAIN_NOTRUMP] = {DrawClubs, DrawDiamonds, DrawHearts, DrawSpades};
    const EdgeMode oldMode = dc.GetEdgeMode();
    dc.SetEdgeMode(EdgeMode::Smooth);
    s_painters[nStrain](dc, SSymbol{cx, cy, color});
    dc.SetEdgeMode(oldMode);
}

// Two rings of edge: raised (light top-left) or, pressed, sunken.
void DrawEdge(CDC& dc, bool bSunken)
{
    CRect rect(0, 0, BID_PICTURE_WIDTH, BID_PICTURE_HEIGHT);
    dc.Draw3dRect(&rect, bSunken ? EDGE_DARK : EDGE_LIGHT, bSunken ? EDGE_LIGHT : EDGE_DARK);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, bSunken ? EDGE_SHADOW : EDGE_MIDLIGHT, bSunken ? EDGE_MIDLIGHT : EDGE_SHADOW);
}

COLORREF FaceOf(int nPicture)
{
    switch (nPicture) {
    case PICTURE_DOUBLE:
        return FACE_DOUBLE;
    case PICTURE_REDOUBLE:
        return FACE_REDOUBLE;
    case PICTURE_NOBID:
        return FACE_NOBID;
    case BID_PICTURE_DASH:
        return FACE_DASH;
    default:
        return FACE_CARD;
    }
}

// A contract bid: the level, then the suit symbol or "NT", centred together.
void DrawContract(CDC& dc, int nPicture, CPoint ptCentre, bool bDisabled)
{
    const int nCode = nPicture - BID_PICTURE_OFFSET;
    const int nLevel = (nCode - 1) / STRAINS + 1;
    const int nStrain = (nCode - 1) % STRAINS;
    const COLORREF clrLevel = bDisabled ? INK_DISABLED : INK_BLACK;
    CString strLevel;
    strLevel.Format("%d", nLevel);
    const SInk level = RenderInk(strLevel);
    if (nStrain == STRAIN_NOTRUMP) {
        const SInk notrump = RenderInk("NT");
        const int nLevelWidth = level.rectInk.Width();
        const int nNoTrumpWidth = FittedWidth(notrump, CONTENT_WIDTH - nLevelWidth - SYMBOL_GAP);
        const int xLeft = ptCentre.x - (nLevelWidth + SYMBOL_GAP + nNoTrumpWidth) / 2;
        DrawInk(dc, level, xLeft, ptCentre.y - level.rectInk.Height() / 2, nLevelWidth, clrLevel);
        DrawInk(dc, notrump, xLeft + nLevelWidth + SYMBOL_GAP, ptCentre.y - notrump.rectInk.Height() / 2,
                nNoTrumpWidth, clrLevel);
        return;
    }
    const int nTotal = level.rectInk.Width() + SYMBOL_GAP + static_cast<int>(SYMBOL_WIDTH);
    const int xLeft = ptCentre.x - nTotal / 2;
    DrawInk(dc, level, xLeft, ptCentre.y - level.rectInk.Height() / 2, level.rectInk.Width(), clrLevel);
    const double xSymbol = xLeft + level.rectInk.Width() + SYMBOL_GAP + SYMBOL_WIDTH / 2;
    DrawSuitSymbol(dc, nStrain, xSymbol, ptCentre.y, bDisabled ? INK_DISABLED : SuitInk(nStrain));
}

// White letters on the coloured face of no bid, double and redouble.
void DrawWord(CDC& dc, const char* szWord, CPoint ptCentre, bool bDisabled)
{
    const SInk word = RenderInk(szWord);
    const int nWidth = FittedWidth(word, CONTENT_WIDTH);
    DrawInk(dc, word, ptCentre.x - nWidth / 2, ptCentre.y - word.rectInk.Height() / 2, nWidth,
            bDisabled ? INK_DISABLED : INK_WHITE);
}

void DrawContent(CDC& dc, int nPicture, CPoint ptCentre, bool bDisabled)
{
    switch (nPicture) {
    case PICTURE_DOUBLE:
        DrawWord(dc, "X", ptCentre, bDisabled);
        break;
    case PICTURE_REDOUBLE:
        DrawWord(dc, "XX", ptCentre, bDisabled);
        break;
    case PICTURE_NOBID:
        DrawWord(dc, "NB", ptCentre, bDisabled);
        break;
    case BID_PICTURE_DASH:
        dc.FillSolidRect(ptCentre.x - DASH_WIDTH / 2, ptCentre.y - DASH_HEIGHT / 2, DASH_WIDTH, DASH_HEIGHT,
                         bDisabled ? INK_DISABLED : INK_DASH);
        break;
    default:
        DrawContract(dc, nPicture, ptCentre, bDisabled);
        break;
    }
}

} // namespace

CString GetBidPictureCaption(int nPicture)
{
    ASSERT(nPicture >= 0 && nPicture < BID_PICTURE_COUNT);
    if (nPicture == BID_PICTURE_DASH)
        return "DASH";
    CString strName = g_szBidBitmaps[nPicture];
    // Every up-picture name is the caption followed by "U".
    return strName.Left(strName.GetLength() - 1);
}

const char* GetBidPictureSuffix(BidPictureState state)
{
    return s_szSuffixes[static_cast<int>(state)];
}

void DrawBidPicture(CDC& dc, int nPicture, BidPictureState state)
{
    ASSERT(nPicture >= 0 && nPicture < BID_PICTURE_COUNT);
    const bool bDisabled = state == BidPictureState::Disabled;
    const bool bDown = state == BidPictureState::Down;
    dc.FillSolidRect(0, 0, BID_PICTURE_WIDTH, BID_PICTURE_HEIGHT, bDisabled ? FACE_DISABLED : FaceOf(nPicture));
    DrawEdge(dc, bDown);
    if (state == BidPictureState::Focused) {
        CRect rectFocus(EDGE_WIDTH, EDGE_WIDTH, BID_PICTURE_WIDTH - EDGE_WIDTH, BID_PICTURE_HEIGHT - EDGE_WIDTH);
        dc.Draw3dRect(&rectFocus, FOCUS_FRAME, FOCUS_FRAME);
    }
    const int nShift = bDown ? PRESS_SHIFT : 0;
    DrawContent(dc, nPicture, CPoint(BID_PICTURE_WIDTH / 2 + nShift, BID_PICTURE_HEIGHT / 2 + nShift), bDisabled);
}

void RegisterBidPictures()
{
    for (int nPicture = 0; nPicture < BID_PICTURE_COUNT; ++nPicture) {
        const CString strCaption = GetBidPictureCaption(nPicture);
        for (int nState = 0; nState < BID_PICTURE_STATE_COUNT; ++nState) {
            const BidPictureState state = static_cast<BidPictureState>(nState);
            AfxRegisterBitmap(strCaption + GetBidPictureSuffix(state), CSize(BID_PICTURE_WIDTH, BID_PICTURE_HEIGHT),
                              [nPicture, state](CDC& dc) { DrawBidPicture(dc, nPicture, state); });
        }
    }
}
