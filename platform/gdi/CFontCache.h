#pragma once
// CFontCache: the layer's one font (DejaVu Sans, regular and bold) and the text it has drawn.
// TrueType is started on first use; each line of text is rendered once as a coverage mask and
// kept, so table texts repainted again and again cost a lookup and a blend. When the font
// file cannot be found text measures approximately and renders as nothing.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/gdidefs.h"

// One rendered line: nWidth x nHeight coverage values (0 = none, 255 = full ink).
struct CTextRun {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> coverage;
};

class CFontCache {
public:
    // The process-wide cache.
    static CFontCache& Get();

    CFontCache(const CFontCache&) = delete;
    CFontCache& operator=(const CFontCache&) = delete;
    ~CFontCache();

    // True when the font file was found and opened.
    bool HasFont(FontWeight weight);
    // Distance from one line's top to the next's: a line box that holds every glyph whole.
    int GetLineHeight(FontWeight weight);
    // Distance from a line's top to its base line.
    int GetAscent(FontWeight weight);
    // The width of one line of text (no line ends, tabs count as one space).
    int GetWidth(const std::string& strText, FontWeight weight);
    // The rendered line, or nullptr for empty text or without the font. The pointer stays
    // valid until the next call of Render.
    const CTextRun* Render(const std::string& strText, FontWeight weight);

private:
    struct CEntry {
        int nWidth = -1;
        bool bRendered = false;
        CTextRun run;
    };
    struct CFace;

    CFontCache() = default;
    CFace* GetFace(FontWeight weight);
    CEntry& Lookup(const std::string& strText, FontWeight weight);

    bool m_bStarted[2] = {false, false};
    bool m_bTtfReady = false;
    std::unique_ptr<CFace> m_faces[2]; // index = FontWeight; null when the file is missing
    std::unordered_map<std::string, CEntry> m_entries[2];
};
