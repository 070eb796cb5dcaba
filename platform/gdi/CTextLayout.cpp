#include "platform/gdi/CTextLayout.h"

#include <algorithm>

#include "platform/gdi/CFontCache.h"
#include "platform/gdi/gdidefs.h"

namespace {

// Tab stops lie every eight average character widths unless the format says otherwise; the
// average width is the dialog base unit of 6 pixels.
constexpr int DEFAULT_TAB_CHARS = 8;
constexpr int AVERAGE_CHAR_WIDTH = 6;
constexpr int TAB_LENGTH_SHIFT = 8;
constexpr UINT TAB_LENGTH_MASK = 0xFF;

// The characters per tab stop a format asks for.
int TabChars(UINT nFormat)
{
    if (!(nFormat & DT_TABSTOP))
        return DEFAULT_TAB_CHARS;
    const int nChars = static_cast<int>((nFormat >> TAB_LENGTH_SHIFT) & TAB_LENGTH_MASK);
    return nChars > 0 ? nChars : DEFAULT_TAB_CHARS;
}

// The format's flags without the tab length DT_TABSTOP keeps in bits 8..15.
UINT FlagsOf(UINT nFormat)
{
    return (nFormat & DT_TABSTOP) ? nFormat & ~(TAB_LENGTH_MASK << TAB_LENGTH_SHIFT) : nFormat;
}

// The number of bytes of the UTF-8 character starting with lead.
int CharLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

CTextLayout::CTextLayout(const std::string& strText, UINT nFormat, int nMaxWidth, FontWeight weight)
    : m_nFormat(FlagsOf(nFormat)), m_nTabPixels(TabChars(nFormat) * AVERAGE_CHAR_WIDTH), m_weight(weight)
{
    nFormat = m_nFormat;
    const bool bWrap = (nFormat & DT_WORDBREAK) && !(nFormat & DT_SINGLELINE) && nMaxWidth > 0;
    for (const std::string& strLine : SplitLines(strText, nFormat)) {
        const CPlainLine plain = StripPrefixes(strLine, nFormat);
        if (!bWrap) {
            m_lines.push_back(Place(plain));
            continue;
        }
        for (const CPlainLine& piece : Wrap(plain, nMaxWidth))
            m_lines.push_back(Place(piece));
    }
    for (const CTextLine& line : m_lines)
        m_nWidth = std::max(m_nWidth, line.nWidth);
}

std::vector<std::string> CTextLayout::SplitLines(const std::string& strText, UINT nFormat)
{
    std::vector<std::string> lines;
    if (nFormat & DT_SINGLELINE) {
        std::string strLine(strText);
        std::replace(strLine.begin(), strLine.end(), '\n', ' ');
        std::replace(strLine.begin(), strLine.end(), '\r', ' ');
        lines.push_back(strLine);
        return lines;
    }
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strText.find('\n', nStart);
        std::string strLine = strText.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        lines.push_back(strLine);
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    return lines;
}

CTextLayout::CPlainLine CTextLayout::StripPrefixes(const std::string& strLine, UINT nFormat)
{
    CPlainLine plain{std::string(), -1};
    if (nFormat & DT_NOPREFIX) {
        plain.strText = strLine;
        return plain;
    }
    plain.strText.reserve(strLine.size());
    for (size_t i = 0; i < strLine.size(); ++i) {
        if (strLine[i] != '&') {
            plain.strText += strLine[i];
            continue;
        }
        if (i + 1 >= strLine.size())
            break;
        ++i;
        if (strLine[i] != '&')
            plain.nUnderline = static_cast<int>(plain.strText.size());
        plain.strText += strLine[i];
    }
    return plain;
}

std::vector<CTextLayout::CPlainLine> CTextLayout::Wrap(const CPlainLine& line, int nMaxWidth) const
{
    std::vector<CPlainLine> pieces;
    const std::string& strText = line.strText;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        // Take words while they fit; a single word wider than the line stays whole, unless
        // DT_EDITCONTROL breaks it.
        size_t nBreak = std::string::npos;
        size_t nSpace = strText.find(' ', nStart);
        while (nSpace != std::string::npos && Measure(strText.substr(nStart, nSpace - nStart)) <= nMaxWidth) {
            nBreak = nSpace;
            nSpace = strText.find(' ', nSpace + 1);
        }
        if (Measure(strText.substr(nStart)) <= nMaxWidth)
            nBreak = strText.size();
        else if (nBreak == std::string::npos && (m_nFormat & DT_EDITCONTROL))
            nBreak = FittingEnd(strText, nStart, nSpace == std::string::npos ? strText.size() : nSpace, nMaxWidth);
        else if (nBreak == std::string::npos)
            nBreak = nSpace == std::string::npos ? strText.size() : nSpace;
        CPlainLine piece{strText.substr(nStart, nBreak - nStart), -1};
        if (line.nUnderline >= static_cast<int>(nStart) && line.nUnderline < static_cast<int>(nBreak))
            piece.nUnderline = line.nUnderline - static_cast<int>(nStart);
        pieces.push_back(piece);
        nStart = nBreak;
        while (nStart < strText.size() && strText[nStart] == ' ')
            ++nStart;
    }
    if (pieces.empty())
        pieces.push_back(CPlainLine{std::string(), -1});
    return pieces;
}

size_t CTextLayout::FittingEnd(const std::string& strText, size_t nStart, size_t nEnd, int nMaxWidth) const
{
    // The longest run of whole characters from nStart that fits, found by halving; the first
    // character is taken even when it alone is too wide, so every line moves the text on.
    size_t nFits = nStart + CharLength(static_cast<unsigned char>(strText[nStart]));
    size_t nTooWide = nEnd;
    while (true) {
        size_t nMiddle = nFits + (nTooWide - nFits) / 2;
        while (nMiddle > nFits && (static_cast<unsigned char>(strText[nMiddle]) & 0xC0) == 0x80)
            --nMiddle;
        if (nMiddle <= nFits)
            return nFits;
        if (Measure(strText.substr(nStart, nMiddle - nStart)) <= nMaxWidth)
            nFits = nMiddle;
        else
            nTooWide = nMiddle;
    }
}

CTextLine CTextLayout::Place(const CPlainLine& plain) const
{
    CTextLine line;
    const std::string& strText = plain.strText;
    const bool bTabs = (m_nFormat & DT_EXPANDTABS) != 0;
    size_t nStart = 0;
    int x = 0;
    for (;;) {
        const size_t nTab = bTabs ? strText.find('\t', nStart) : std::string::npos;
        const std::string strPiece = strText.substr(nStart, nTab == std::string::npos ? std::string::npos : nTab - nStart);
        const int nUnderline = plain.nUnderline - static_cast<int>(nStart);
        if (plain.nUnderline >= 0 && nUnderline >= 0 && nUnderline < static_cast<int>(strPiece.size())) {
            line.xUnderline = x + Measure(strPiece.substr(0, nUnderline));
            const int nLength = CharLength(static_cast<unsigned char>(strPiece[nUnderline]));
            line.nUnderlineWidth = Measure(strPiece.substr(nUnderline, nLength));
        }
        if (!strPiece.empty())
            line.segments.push_back(CTextSegment{strPiece, x});
        x += Measure(strPiece);
        if (nTab == std::string::npos)
            break;
        x = (x / m_nTabPixels + 1) * m_nTabPixels;
        nStart = nTab + 1;
    }
    line.nWidth = x;
    return line;
}

int CTextLayout::Measure(const std::string& strText) const
{
    return CFontCache::Get().GetWidth(strText, m_weight);
}
