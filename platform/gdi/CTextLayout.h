#pragma once
// CTextLayout: how DrawText places a text: its lines (split at "\n", wrapped at blanks with
// DT_WORDBREAK, and within a word too wide for a line with DT_EDITCONTROL as well, one line
// with DT_SINGLELINE), each line's pieces between tab stops (with
// DT_EXPANDTABS, every eight average characters or as DT_TABSTOP says), and the character a single "&" marks for
// underlining (unless DT_NOPREFIX; "&&" stands for "&"). Widths come from the layer's font.

#include <string>
#include <vector>

#include "platform/base/types.h"
#include "platform/gdi/gdidefs.h"

// A piece of a line that is drawn in one go, x pixels from the line's start.
struct CTextSegment {
    std::string strText;
    int x;
};

// One line of laid-out text.
struct CTextLine {
    std::vector<CTextSegment> segments;
    int nWidth = 0;
    // The underlined character's place and width; nUnderlineWidth 0 for none.
    int xUnderline = 0;
    int nUnderlineWidth = 0;
};

class CTextLayout {
public:

    // Lays out strText for nFormat; nMaxWidth is the width lines wrap at with DT_WORDBREAK.
    // With DT_TABSTOP, bits 8..15 of nFormat are the characters per tab stop.
    CTextLayout(const std::string& strText, UINT nFormat, int nMaxWidth, FontWeight weight);

    const std::vector<CTextLine>& GetLines() const { return m_lines; }
    // The format's flags, without the tab length DT_TABSTOP carries.
    UINT GetFlags() const { return m_nFormat; }
    // The widest line's width.
    int GetWidth() const { return m_nWidth; }

private:
    // One source line after "&" handling: the text and the byte index of the underlined
    // character (-1 for none).
    struct CPlainLine {
        std::string strText;
        int nUnderline;
    };

    static std::vector<std::string> SplitLines(const std::string& strText, UINT nFormat);
    static CPlainLine StripPrefixes(const std::string& strLine, UINT nFormat);
    std::vector<CPlainLine> Wrap(const CPlainLine& line, int nMaxWidth) const;
    // The end of the longest run of whole characters from nStart to before nEnd that fits in
    // nMaxWidth; at least one character.
    size_t FittingEnd(const std::string& strText, size_t nStart, size_t nEnd, int nMaxWidth) const;
    CTextLine Place(const CPlainLine& line) const;
    int Measure(const std::string& strText) const;

    UINT m_nFormat; // without the tab length of DT_TABSTOP
    int m_nTabPixels;
    FontWeight m_weight;
    std::vector<CTextLine> m_lines;
    int m_nWidth = 0;
};
