#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/gdi/CFontCache.h"
#include "platform/gdi/CTextLayout.h"

namespace {

const COLORREF GREEN = RGB(0, 127, 0);
const COLORREF RED = RGB(255, 0, 0);
const COLORREF BLUE = RGB(0, 0, 255);

// A surface whose pixel (x, y) holds 100 * y + x + 1, so every copied pixel shows its origin.
CSurface NumberedSurface(int cx, int cy)
{
    CSurface surface(cx, cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            surface.SetPixel(x, y, static_cast<uint32_t>(100 * y + x + 1));
    return surface;
}

// The pixel at (x, y) when source was copied with its (sx, sy) landing on (dx, dy), or 0.
uint32_t Expected(int x, int y, int dx, int dy, int sx, int sy, const CRect& rectSourceValid)
{
    const int xs = x - dx + sx;
    const int ys = y - dy + sy;
    if (!rectSourceValid.PtInRect(CPoint(xs, ys)))
        return 0;
    return static_cast<uint32_t>(100 * ys + xs + 1);
}

// A memory context drawing into its own bitmap of cx x cy, filled white.
struct CCanvas {
    CBitmap bitmap;
    CDC dc;
    CCanvas(int cx, int cy)
    {
        bitmap.CreateBitmap(cx, cy);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, GDI_WHITE);
        dc.TakeDirtyRect();
    }
    const CSurface& Pixels() const { return *bitmap.GetSurface(); }
};

// Every pixel of the canvas as one character per pixel, rows joined by "\n".
std::string Picture(const CSurface& surface, const std::vector<std::pair<COLORREF, char>>& legend)
{
    std::string strPicture;
    for (int y = 0; y < surface.GetHeight(); ++y) {
        for (int x = 0; x < surface.GetWidth(); ++x) {
            char ch = '?';
            for (const auto& entry : legend)
                if (plat::ColorToPixel(entry.first) == surface.GetPixel(x, y))
                    ch = entry.second;
            strPicture += ch;
        }
        strPicture += '\n';
    }
    return strPicture;
}

// The smallest rectangle holding every pixel that differs from background; empty for none.
CRect InkBounds(const CSurface& surface, uint32_t background, const CRect& rectArea)
{
    CRect rectInk;
    for (int y = rectArea.top; y < rectArea.bottom; ++y)
        for (int x = rectArea.left; x < rectArea.right; ++x)
            if (surface.GetPixel(x, y) != background) {
                const CRect rectPixel(x, y, x + 1, y + 1);
                rectInk.UnionRect(&rectInk, &rectPixel);
            }
    return rectInk;
}

bool HasFont()
{
    return CFontCache::Get().HasFont(FontWeight::Normal);
}

// A context drawing into a borrowed surface below a 20-pixel band, as a window's does.
class CBandDC : public CDC {
public:
    explicit CBandDC(CSurface& surface)
    {
        AttachSurface(&surface, CPoint(0, 20), CRect(0, 20, surface.GetWidth(), surface.GetHeight()));
    }
};

} // namespace

TEST(CSurface, BlitClipsAtEveryDestinationEdge)
{
    const CSurface source = NumberedSurface(4, 4);
    const CRect rectAll(0, 0, 4, 4);
    const CPoint places[] = {{-2, -1}, {4, 5}, {-3, 4}, {5, -2}};
    for (const CPoint& ptAt : places) {
        CSurface dest(7, 7);
        dest.Blit(ptAt.x, ptAt.y, source, rectAll);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(dest.GetPixel(x, y), Expected(x, y, ptAt.x, ptAt.y, 0, 0, rectAll))
                    << "blit at " << ptAt.x << "," << ptAt.y << " pixel " << x << "," << y;
    }
}

TEST(CSurface, BlitReadsOnlyWithinItsSource)
{
    const CSurface source = NumberedSurface(4, 4);
    CSurface dest(6, 6);
    // Asks for 4 x 4 starting at (2, -1): only columns 2..3 and rows 0..2 exist, and they
    // land where they would have landed had all existed.
    dest.Blit(1, 1, source, CRect(2, -1, 6, 3));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(dest.GetPixel(x, y), Expected(x, y, 1, 1, 2, -1, CRect(2, 0, 4, 3)))
                << "pixel " << x << "," << y;
}

TEST(CSurface, BlitWithinOneSurfaceHandlesOverlap)
{
    CSurface surface = NumberedSurface(5, 5);
    const CSurface original = surface;
    surface.Blit(1, 1, surface, CRect(0, 0, 4, 4));
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), original.GetPixel(x - 1, y - 1));
    surface = original;
    surface.Blit(0, 0, surface, CRect(1, 1, 5, 5));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), original.GetPixel(x + 1, y + 1));
}

TEST(CSurface, SavedPngLoadsBackPixelForPixel)
{
    CSurface surface(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            surface.SetPixel(x, y, static_cast<uint32_t>(0x102030 * (x + 1) + 0x050a0f * y) & 0xFFFFFF);
    const std::string strPath = ::testing::TempDir() + "gdi_roundtrip.png";
    ASSERT_TRUE(surface.SavePng(strPath.c_str()));

    SDL_Surface* pLoaded = IMG_Load(strPath.c_str());
    ASSERT_NE(pLoaded, nullptr) << IMG_GetError();
    SDL_Surface* pPixels = SDL_ConvertSurfaceFormat(pLoaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(pLoaded);
    ASSERT_NE(pPixels, nullptr);
    ASSERT_EQ(pPixels->w, 5);
    ASSERT_EQ(pPixels->h, 3);
    for (int y = 0; y < 3; ++y) {
        const uint32_t* pRow = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(pPixels->pixels) + y * pPixels->pitch);
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pRow[x] & 0xFFFFFF, surface.GetPixel(x, y)) << x << "," << y;
    }
    SDL_FreeSurface(pPixels);
    std::remove(strPath.c_str());
    EXPECT_FALSE(surface.SavePng("/nonexistent-folder/x.png"));
}

TEST(CDC, FillSolidRectClipsAtEveryEdge)
{
    CCanvas canvas(10, 8);
    canvas.dc.FillSolidRect(-5, -5, 7, 7, RED);  // corner (0..1, 0..1)
    canvas.dc.FillSolidRect(8, 6, 20, 20, BLUE); // corner (8..9, 6..7)
    canvas.dc.FillSolidRect(-20, 4, 100, 1, GREEN); // whole row 4
    canvas.dc.FillSolidRect(30, 30, 5, 5, RED);  // wholly outside
    EXPECT_EQ(Picture(canvas.Pixels(), {{GDI_WHITE, '.'}, {RED, 'r'}, {BLUE, 'b'}, {GREEN, 'g'}}),
              "rr........\n"
              "rr........\n"
              "..........\n"
              "..........\n"
              "gggggggggg\n"
              "..........\n"
              "........bb\n"
              "........bb\n");
}

TEST(CDC, BitBltClipsNegativeDestinationAndShortSource)
{
    CBitmap sourceBitmap;
    sourceBitmap.CreateFromSurface(NumberedSurface(71, 96));
    CDC source;
    source.CreateCompatibleDC(nullptr);
    source.SelectObject(&sourceBitmap);
    CBitmap destBitmap;
    destBitmap.CreateCompatibleBitmap(&source, 50, 40);
    CDC dest;
    dest.CreateCompatibleDC(&source);
    dest.SelectObject(&destBitmap);

    EXPECT_TRUE(dest.BitBlt(-10, -20, 71, 96, &source, 0, 0, SRCCOPY));
    const CSurface& pixels = *destBitmap.GetSurface();
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(pixels.GetPixel(x, y), Expected(x, y, -10, -20, 0, 0, CRect(0, 0, 71, 96)));
    EXPECT_EQ(dest.TakeDirtyRect(), CRect(0, 0, 50, 40));

    // The last 5 columns and rows of the source exist; the rest of the area stays as it was.
    CCanvas canvas(20, 20);
    canvas.dc.BitBlt(2, 3, 10, 10, &source, 66, 91, SRCCOPY);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool bCopied = x >= 2 && x < 7 && y >= 3 && y < 8;
            ASSERT_EQ(canvas.Pixels().GetPixel(x, y),
                      bCopied ? Expected(x, y, 2, 3, 66, 91, CRect(0, 0, 71, 96)) : 0xFFFFFFu)
                << x << "," << y;
        }
}

TEST(CDC, PaintsShapesPixelExact)
{
    CCanvas canvas(40, 30);
    CDC& dc = canvas.dc;
    dc.FillSolidRect(2, 2, 10, 6, GREEN);
    const CRect rect3d(14, 2, 24, 8);
    dc.Draw3dRect(&rect3d, RED, BLUE);
    CBrush brush(GREEN);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.Rectangle(26, 2, 38, 10);
    const POINT triangle[] = {{2, 12}, {12, 12}, {2, 22}};
    CPen nullPen(PS_NULL, 1, GDI_BLACK);
    CPen* pOldPen = dc.SelectObject(&nullPen);
    dc.Polygon(triangle, 3);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.MoveTo(2, 26);
    dc.LineTo(12, 26);
    dc.MoveTo(14, 14);
    dc.LineTo(20, 20);
    CPen redPen(PS_SOLID, 1, RED);
    dc.SelectObject(&redPen);
    dc.MoveTo(38, 12);
    dc.LineTo(38, 28);

    EXPECT_EQ(Picture(canvas.Pixels(), {{GDI_WHITE, '.'}, {RED, 'r'}, {BLUE, 'b'}, {GREEN, 'g'}, {GDI_BLACK, 'k'}}),
              "........................................\n"
              "........................................\n"
              "..gggggggggg..rrrrrrrrrb..kkkkkkkkkkkk..\n"
              "..gggggggggg..r........b..kggggggggggk..\n"
              "..gggggggggg..r........b..kggggggggggk..\n"
              "..gggggggggg..r........b..kggggggggggk..\n"
              "..gggggggggg..r........b..kggggggggggk..\n"
              "..gggggggggg..bbbbbbbbbb..kggggggggggk..\n"
              "..........................kggggggggggk..\n"
              "..........................kkkkkkkkkkkk..\n"
              "........................................\n"
              "........................................\n"
              "..ggggggggg...........................r.\n"
              "..gggggggg............................r.\n"
              "..ggggggg.....k.......................r.\n"
              "..gggggg.......k......................r.\n"
              "..ggggg.........k.....................r.\n"
              "..gggg...........k....................r.\n"
              "..ggg.............k...................r.\n"
              "..gg...............k..................r.\n"
              "..g...................................r.\n"
              "......................................r.\n"
              "......................................r.\n"
              "......................................r.\n"
              "......................................r.\n"
              "......................................r.\n"
              "..kkkkkkkkkk..........................r.\n"
              "......................................r.\n"
              "........................................\n"
              "........................................\n");
}

TEST(CDC, SmoothEllipseCoversItsAreaSymmetrically)
{
    CCanvas canvas(20, 20);
    canvas.dc.SetEdgeMode(EdgeMode::Smooth);
    canvas.dc.FillSolidEllipse(10.0, 10.0, 5.0, 5.0, GDI_BLACK);
    double dInk = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const uint32_t pixel = canvas.Pixels().GetPixel(x, y);
            ASSERT_EQ(pixel, canvas.Pixels().GetPixel(19 - x, y));
            ASSERT_EQ(pixel, canvas.Pixels().GetPixel(x, 19 - y));
            dInk += (255 - (pixel & 0xFF)) / 255.0;
        }
    // pi * 5 * 5 = 78.54; the sampling is good to well under a pixel.
    EXPECT_NEAR(dInk, 78.54, 1.0);
    EXPECT_EQ(canvas.Pixels().GetPixel(10, 10), 0u);
    EXPECT_EQ(canvas.Pixels().GetPixel(4, 4), 0xFFFFFFu);
    const uint32_t edge = canvas.Pixels().GetPixel(5, 10) & 0xFF;
    EXPECT_GT(edge, 0u);
    EXPECT_LT(edge, 255u);
}

TEST(CDC, WindowContextDrawsBelowItsOriginAndReportsDirtyArea)
{
    CSurface window(100, 80, 0x123456);
    {
        CBandDC dc(window);
        dc.FillSolidRect(-5, -5, 15, 10, GREEN);
        EXPECT_EQ(dc.GetDirtyRect(), CRect(0, 20, 10, 25));
        EXPECT_EQ(dc.TakeDirtyRect(), CRect(0, 20, 10, 25));
        EXPECT_TRUE(dc.TakeDirtyRect().IsRectEmpty());
        dc.SetViewportOrg(50, 10);
        dc.FillSolidRect(0, 0, 100, 100, RED);
        EXPECT_EQ(dc.TakeDirtyRect(), CRect(50, 30, 100, 80));
        EXPECT_EQ(dc.GetClipBox(), CRect(-50, -10, 50, 50));
    }
    EXPECT_EQ(window.GetPixel(0, 19), 0x123456u);
    EXPECT_EQ(window.GetPixel(0, 20), plat::ColorToPixel(GREEN));
    EXPECT_EQ(window.GetPixel(9, 24), plat::ColorToPixel(GREEN));
    EXPECT_EQ(window.GetPixel(10, 24), 0x123456u);
    EXPECT_EQ(window.GetPixel(49, 30), 0x123456u);
    EXPECT_EQ(window.GetPixel(50, 30), plat::ColorToPixel(RED));
}

TEST(CDC, SelectedBitmapOutlivesItsDeletion)
{
    auto pBitmap = std::make_unique<CBitmap>();
    pBitmap->CreateBitmap(8, 8);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(dc.SelectObject(pBitmap.get()), nullptr);
    CBitmap other;
    other.CreateBitmap(4, 4);
    EXPECT_EQ(dc.SelectObject(&other), pBitmap.get());
    EXPECT_EQ(dc.SelectObject(pBitmap.get()), &other);
    pBitmap.reset();
    dc.FillSolidRect(0, 0, 8, 8, RED);
    EXPECT_EQ(dc.GetPixel(7, 7), RED);
    EXPECT_EQ(CDC::FromHandle(dc.GetSafeHdc()), &dc);
}

TEST(CDC, DrawIconLeavesKeyedPixelsAlone)
{
    HICON__ icon;
    icon.m_surface.Create(ICON_SIZE, ICON_SIZE, 0x000000);
    icon.m_surface.Fill(CRect(0, 0, ICON_SIZE, 1), 0xFF0000);
    icon.m_bKeyed = true;
    icon.m_keyPixel = 0x000000;
    CCanvas canvas(40, 40);
    EXPECT_TRUE(canvas.dc.DrawIcon(4, 5, &icon));
    EXPECT_EQ(canvas.Pixels().GetPixel(4, 5), 0xFF0000u);
    EXPECT_EQ(canvas.Pixels().GetPixel(35, 5), 0xFF0000u);
    EXPECT_EQ(canvas.Pixels().GetPixel(36, 5), 0xFFFFFFu);
    EXPECT_EQ(canvas.Pixels().GetPixel(10, 10), 0xFFFFFFu);
    EXPECT_FALSE(canvas.dc.DrawIcon(0, 0, nullptr));
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

TEST(CDC, DrawTextInksOnlyInsideItsRectangleOverItsBackground)
{
    if (!HasFont())
        GTEST_SKIP() << "DejaVu Sans is not installed";
    CCanvas canvas(300, 100);
    canvas.dc.SetTextColor(GDI_BLACK);
    canvas.dc.SetBkColor(GREEN);
    CRect rect(10, 10, 60, 40);
    const int nHeight = canvas.dc.DrawText(CString("Tricks : 7 and a long tail"), &rect, DT_LEFT | DT_TOP);
    const int nLine = canvas.dc.GetLineHeight();
    EXPECT_EQ(nHeight, nLine);
    EXPECT_GE(nLine, 12);
    EXPECT_LE(nLine, 14);
    const CRect rectInk = InkBounds(canvas.Pixels(), 0xFFFFFF, canvas.Pixels().GetBounds());
    EXPECT_EQ(rectInk, CRect(10, 10, 60, 10 + nLine)) << "the opaque background fills the clipped line";
    int nBlack = 0;
    for (int y = 10; y < 10 + nLine; ++y)
        for (int x = 10; x < 60; ++x)
            nBlack += canvas.Pixels().GetPixel(x, y) == 0 ? 1 : 0;
    EXPECT_GT(nBlack, 20);
}

TEST(CDC, TextInTheRectangleItMeasuresKeepsTheGlyphsBelowItsBaseLine)
{
    if (!HasFont())
        GTEST_SKIP() << "DejaVu Sans is not installed";
    // An underscore reaches a pixel below the font's own line spacing: neither the measured
    // box nor the next line's background may take it away.
    for (const char* szText : {"_", "_\n    "}) {
        CCanvas canvas(100, 60);
        CRect rect(10, 10, 10, 10);
        canvas.dc.DrawText(CString(szText), &rect, DT_CALCRECT);
        canvas.dc.SetBkColor(GREEN);
        canvas.dc.DrawText(CString(szText), &rect, DT_LEFT | DT_TOP);
        EXPECT_FALSE(InkBounds(canvas.Pixels(), plat::ColorToPixel(GREEN), rect).IsRectEmpty()) << szText;
    }
}

TEST(CDC, DrawTextLaysOutSeveralLinesAndMeasures)
{
    if (!HasFont())
        GTEST_SKIP() << "DejaVu Sans is not installed";
    CCanvas canvas(200, 100);
    CDC& dc = canvas.dc;
    dc.SetBkMode(TRANSPARENT);
    const int nLine = dc.GetLineHeight();
    CRect rectCalc(5, 5, 5, 5);
    EXPECT_EQ(dc.DrawText(CString("North\nSouth West"), &rectCalc, DT_CALCRECT), 2 * nLine);
    EXPECT_EQ(rectCalc.Height(), 2 * nLine);
    EXPECT_EQ(rectCalc.Width(), dc.GetTextExtent(CString("South West")).cx);
    EXPECT_TRUE(InkBounds(canvas.Pixels(), 0xFFFFFF, canvas.Pixels().GetBounds()).IsRectEmpty())
        << "measuring draws nothing";

    CRect rect(20, 10, 180, 90);
    dc.DrawText(CString("North\nSouth"), &rect, DT_LEFT | DT_TOP);
    const CRect rectFirst = InkBounds(canvas.Pixels(), 0xFFFFFF, CRect(0, 0, 200, 10 + nLine));
    const CRect rectSecond = InkBounds(canvas.Pixels(), 0xFFFFFF, CRect(0, 10 + nLine, 200, 100));
    EXPECT_FALSE(rectFirst.IsRectEmpty());
    EXPECT_FALSE(rectSecond.IsRectEmpty());
    EXPECT_GE(rectFirst.left, 20);
    EXPECT_LT(rectSecond.bottom, 10 + 2 * nLine + 1);
    EXPECT_EQ(canvas.Pixels().GetPixel(25, 12) & 0xFF00, 0xFF00u) << "transparent text keeps the background";

    CCanvas centred(200, 40);
    CRect rectCentre(0, 0, 200, 40);
    centred.dc.DrawText(CString("Play"), &rectCentre, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const CRect rectInk = InkBounds(centred.Pixels(), 0xFFFFFF, centred.Pixels().GetBounds());
    EXPECT_NEAR(rectInk.CenterPoint().x, 100, 2);
    EXPECT_NEAR(rectInk.CenterPoint().y, 20, 3);
}

TEST(CTextLayout, ExpandsTabsToStopsEveryFortyEightPixels)
{
    const int nWidthB = CFontCache::Get().GetWidth("b", FontWeight::Normal);
    const CTextLayout layout("a\tb", DT_EXPANDTABS, 0, FontWeight::Normal);
    ASSERT_EQ(layout.GetLines().size(), 1u);
    const CTextLine& line = layout.GetLines()[0];
    ASSERT_EQ(line.segments.size(), 2u);
    EXPECT_EQ(line.segments[1].x, 48);
    EXPECT_EQ(line.nWidth, 48 + nWidthB);
    const CTextLayout twoTabs("Score contract\t: 90", DT_EXPANDTABS, 0, FontWeight::Normal);
    EXPECT_EQ(twoTabs.GetLines()[0].segments[1].x % 48, 0);
}

TEST(CTextLayout, AmpersandMarksTheUnderlinedCharacter)
{
    CFontCache& fonts = CFontCache::Get();
    const CTextLayout file("&File", 0, 0, FontWeight::Normal);
    const CTextLine& line = file.GetLines()[0];
    EXPECT_EQ(line.segments[0].strText, "File");
    EXPECT_EQ(line.xUnderline, 0);
    EXPECT_EQ(line.nUnderlineWidth, fonts.GetWidth("F", FontWeight::Normal));

    const CTextLayout about("&About Velmora", DT_NOPREFIX, 0, FontWeight::Normal);
    EXPECT_EQ(about.GetLines()[0].segments[0].strText, "&About Velmora");
    EXPECT_EQ(about.GetLines()[0].nUnderlineWidth, 0);

    const CTextLayout both("Fu&nctions && more", 0, 0, FontWeight::Normal);
    EXPECT_EQ(both.GetLines()[0].segments[0].strText, "Functions & more");
    EXPECT_EQ(both.GetLines()[0].xUnderline, fonts.GetWidth("Fu", FontWeight::Normal));
}

TEST(CTextLayout, BreaksWordsAtBlanksOnlyWhenAsked)
{
    CFontCache& fonts = CFontCache::Get();
    const int nWidth = fonts.GetWidth("three", FontWeight::Normal) + 1;
    const CTextLayout wrapped("one two three", DT_WORDBREAK, nWidth, FontWeight::Normal);
    ASSERT_EQ(wrapped.GetLines().size(), 3u);
    EXPECT_EQ(wrapped.GetLines()[2].segments[0].strText, "three");
    // A word too long for the line stays whole, unless broken as an edit breaks it.
    EXPECT_EQ(CTextLayout("one threefold", DT_WORDBREAK, nWidth, FontWeight::Normal).GetLines().size(), 2u);
    const CTextLayout broken("one threefold", DT_WORDBREAK | DT_EDITCONTROL, nWidth, FontWeight::Normal);
    ASSERT_EQ(broken.GetLines().size(), 3u);
    EXPECT_EQ(broken.GetLines()[1].segments[0].strText + broken.GetLines()[2].segments[0].strText, "threefold");
    EXPECT_LE(broken.GetLines()[1].nWidth, nWidth);
    const CTextLayout single("one\ntwo", DT_SINGLELINE, 0, FontWeight::Normal);
    EXPECT_EQ(single.GetLines().size(), 1u);
    const CTextLayout lines("one\r\ntwo\n", 0, 0, FontWeight::Normal);
    ASSERT_EQ(lines.GetLines().size(), 3u);
    EXPECT_EQ(lines.GetLines()[0].segments[0].strText, "one");
}

TEST(CDC, MeasuresCountedTextAndBoldWeight)
{
    if (!HasFont())
        GTEST_SKIP() << "DejaVu Sans is not installed";
    CCanvas canvas(10, 10);
    CDC& dc = canvas.dc;
    EXPECT_EQ(dc.GetTextExtent("Rummy You Win", 5), dc.GetTextExtent(CString("Rummy")));
    EXPECT_EQ(dc.GetTextExtent("Rummy", -1), dc.GetTextExtent(CString("Rummy")));
    EXPECT_EQ(dc.GetTextExtent("Gin", 40), dc.GetTextExtent(CString("Gin")));
    const int nNormal = dc.GetTextExtent(CString("Varrow and Malice")).cx;
    EXPECT_EQ(dc.SetFontWeight(FontWeight::Bold), FontWeight::Normal);
    EXPECT_GT(dc.GetTextExtent(CString("Varrow and Malice")).cx, nNormal);
}

TEST(CTextLayout, TabStopFormatSetsTheTabLengthWithoutOtherFlags)
{
    // Twelve characters per stop; the length's bits would otherwise read as DT_CALCRECT.
    const UINT nFormat = DT_EXPANDTABS | DT_TABSTOP | (12u << 8);
    const CTextLayout layout("Slam bonus\t: 0\n\tRubbers:\t1", nFormat, 0, FontWeight::Normal);
    EXPECT_EQ(layout.GetFlags(), DT_EXPANDTABS | DT_TABSTOP);
    ASSERT_EQ(layout.GetLines().size(), 2u);
    EXPECT_EQ(layout.GetLines()[0].segments[1].x % 72, 0);
    EXPECT_EQ(layout.GetLines()[1].segments[0].x, 72);
    EXPECT_EQ(layout.GetLines()[1].segments[1].x % 72, 0);
}

TEST(BlendPixel, ReachesBothEndsAndRoundsEachChannel)
{
    EXPECT_EQ(plat::BlendPixel(0xFFFFFF, 0x000000, 255), 0x000000u);
    EXPECT_EQ(plat::BlendPixel(0xFFFFFF, 0x000000, 0), 0xFFFFFFu);
    EXPECT_EQ(plat::BlendPixel(0x000000, 0xFFFFFF, 255), 0xFFFFFFu);
    // 255 * 128 / 255 = 128 in red and blue, nothing bleeds into green.
    EXPECT_EQ(plat::BlendPixel(0x000000, 0xFF00FF, 128), 0x800080u);
    // Green 127 with a fifth of white: (127 * 204 + 255 * 51) / 255 = 153.1 -> 153.
    EXPECT_EQ(plat::BlendPixel(0x007F00, 0xFFFFFF, 51), 0x339933u);
}
