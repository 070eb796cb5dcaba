#include "platform/gdi/CFontCache.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace {

// DejaVu Sans at 11 pixels spaces lines 13 pixels apart, the height of a dialog base unit;
// its underscore and bar reach one pixel below that (see InkHeight).
constexpr int FONT_PIXEL_SIZE = 11;
// Metrics used when no font file is present, so that layouts still come out sensible.
constexpr int FALLBACK_CHAR_WIDTH = 6;
constexpr int FALLBACK_LINE_HEIGHT = 13;
constexpr int FALLBACK_ASCENT = 10;
// Beyond this many different lines per weight the cache starts afresh; a table shows a few
// dozen, so this only bounds growth from ever-changing texts.
constexpr size_t MAX_CACHED_LINES = 2048;

const char* const s_regularPaths[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/TTF/DejaVuSans.ttf",
};
const char* const s_boldPaths[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf",
};

// Every printable ASCII character, for the height a line needs to hold all of them.
constexpr char INK_PROBE[] = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                             "abcdefghijklmnopqrstuvwxyz{|}~";

int Index(FontWeight weight)
{
    return weight == FontWeight::Bold ? 1 : 0;
}

// SDL_ttf draws a tab as a missing-glyph box; a line handed to it never holds one.
std::string WithoutTabs(const std::string& strText)
{
    std::string strResult(strText);
    for (char& ch : strResult)
        if (ch == '\t')
            ch = ' ';
    return strResult;
}

// The height of a line box that holds every glyph of a line whole: the font's own line
// spacing leaves the lowest pixel row of "_" and "|" to the next line, whose background
// would wipe it out, and outside a box cut to one line.
int InkHeight(TTF_Font* pFont)
{
    int cx = 0;
    int cy = 0;
    if (TTF_SizeUTF8(pFont, INK_PROBE, &cx, &cy) != 0)
        cy = 0;
    return std::max({TTF_FontLineSkip(pFont), TTF_FontHeight(pFont), cy});
}

} // namespace

struct CFontCache::CFace {
    TTF_Font* pFont = nullptr;
    int nLineHeight = 0;
};

CFontCache& CFontCache::Get()
{
    static CFontCache s_cache;
    return s_cache;
}

CFontCache::~CFontCache()
{
    for (auto& pFace : m_faces)
        if (pFace)
            TTF_CloseFont(pFace->pFont);
    if (m_bTtfReady)
        TTF_Quit();
}

CFontCache::CFace* CFontCache::GetFace(FontWeight weight)
{
    const int nIndex = Index(weight);
    if (m_bStarted[nIndex])
        return m_faces[nIndex].get();
    m_bStarted[nIndex] = true;
    if (!m_bTtfReady) {
        if (TTF_Init() != 0)
            return nullptr;
        m_bTtfReady = true;
    }
    for (const char* szPath : nIndex == 0 ? s_regularPaths : s_boldPaths) {
        if (TTF_Font* pFont = TTF_OpenFont(szPath, FONT_PIXEL_SIZE)) {
            m_faces[nIndex] = std::make_unique<CFace>();
            m_faces[nIndex]->pFont = pFont;
            m_faces[nIndex]->nLineHeight = InkHeight(pFont);
            break;
        }
    }
    return m_faces[nIndex].get();
}

bool CFontCache::HasFont(FontWeight weight)
{
    return GetFace(weight) != nullptr;
}

int CFontCache::GetLineHeight(FontWeight weight)
{
    CFace* pFace = GetFace(weight);
    return pFace ? pFace->nLineHeight : FALLBACK_LINE_HEIGHT;
}

int CFontCache::GetAscent(FontWeight weight)
{
    CFace* pFace = GetFace(weight);
    return pFace ? TTF_FontAscent(pFace->pFont) : FALLBACK_ASCENT;
}

CFontCache::CEntry& CFontCache::Lookup(const std::string& strText, FontWeight weight)
{
    auto& entries = m_entries[Index(weight)];
    auto it = entries.find(strText);
    if (it != entries.end())
        return it->second;
    if (entries.size() >= MAX_CACHED_LINES)
        entries.clear();
    return entries[strText];
}

int CFontCache::GetWidth(const std::string& strText, FontWeight weight)
{
    if (strText.empty())
        return 0;
    CFace* pFace = GetFace(weight);
    if (!pFace)
        return static_cast<int>(strText.size()) * FALLBACK_CHAR_WIDTH;
    CEntry& entry = Lookup(strText, weight);
    if (entry.nWidth < 0) {
        int cx = 0;
        int cy = 0;
        entry.nWidth = TTF_SizeUTF8(pFace->pFont, WithoutTabs(strText).c_str(), &cx, &cy) == 0 ? cx : 0;
    }
    return entry.nWidth;
}

const CTextRun* CFontCache::Render(const std::string& strText, FontWeight weight)
{
    CFace* pFace = GetFace(weight);
    if (!pFace || strText.empty())
        return nullptr;
    CEntry& entry = Lookup(strText, weight);
    if (entry.bRendered)
        return entry.run.coverage.empty() ? nullptr : &entry.run;
    entry.bRendered = true;
    const SDL_Color white = {255, 255, 255, 255};
    SDL_Surface* pRendered = TTF_RenderUTF8_Blended(pFace->pFont, WithoutTabs(strText).c_str(), white);
    if (!pRendered)
        return nullptr;
    SDL_Surface* pArgb = SDL_ConvertSurfaceFormat(pRendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(pRendered);
    if (!pArgb)
        return nullptr;
    CTextRun& run = entry.run;
    run.nWidth = pArgb->w;
    run.nHeight = pArgb->h;
    run.coverage.resize(static_cast<size_t>(run.nWidth) * run.nHeight);
    SDL_LockSurface(pArgb);
    for (int y = 0; y < run.nHeight; ++y) {
        const uint32_t* pRow = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(pArgb->pixels) + static_cast<size_t>(y) * pArgb->pitch);
        for (int x = 0; x < run.nWidth; ++x)
            run.coverage[static_cast<size_t>(y) * run.nWidth + x] = static_cast<uint8_t>(pRow[x] >> 24);
    }
    SDL_UnlockSurface(pArgb);
    SDL_FreeSurface(pArgb);
    if (entry.nWidth < 0)
        entry.nWidth = run.nWidth;
    return run.coverage.empty() ? nullptr : &run;
}
