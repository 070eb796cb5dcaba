#include "platform/wnd/EditLogic.h"

#include <algorithm>

#include "platform/gdi/CDC.h"
#include "platform/msg/messages.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"

namespace plat {

namespace {

bool IsContinuationByte(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
}

int PreviousCharStart(const CString& strText, int nPos)
{
    if (nPos <= 0)
        return 0;
    --nPos;
    while (nPos > 0 && IsContinuationByte(strText[nPos]))
        --nPos;
    return nPos;
}

int NextCharStart(const CString& strText, int nPos)
{
    int nLength = strText.GetLength();
    if (nPos >= nLength)
        return nLength;
    ++nPos;
    while (nPos < nLength && IsContinuationByte(strText[nPos]))
        ++nPos;
    return nPos;
}

CString EncodeUtf8(UINT nChar)
{
    CString str;
    if (nChar < 0x80) {
        str += static_cast<char>(nChar);
    } else if (nChar < 0x800) {
        str += static_cast<char>(0xC0 | (nChar >> 6));
        str += static_cast<char>(0x80 | (nChar & 0x3F));
    } else if (nChar < 0x10000) {
        str += static_cast<char>(0xE0 | (nChar >> 12));
        str += static_cast<char>(0x80 | ((nChar >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (nChar & 0x3F));
    } else {
        str += static_cast<char>(0xF0 | (nChar >> 18));
        str += static_cast<char>(0x80 | ((nChar >> 12) & 0x3F));
        str += static_cast<char>(0x80 | ((nChar >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (nChar & 0x3F));
    }
    return str;
}

void ReplaceSelection(HWND hWnd, const CString& strInsert)
{
    ControlState& state = hWnd->m_control;
    int nStart = std::min(state.nCaret, state.nSelAnchor);
    int nEnd = std::max(state.nCaret, state.nSelAnchor);
    hWnd->m_strText = hWnd->m_strText.Left(nStart) + strInsert + hWnd->m_strText.Mid(nEnd);
    state.nCaret = state.nSelAnchor = nStart + strInsert.GetLength();
}

int TextWidth(CDC& dc, const CString& strText, int nBytes)
{
    return nBytes <= 0 ? 0 : dc.GetTextExtent(strText.Left(nBytes)).cx;
}

} // namespace

bool EditHandleKey(HWND hWnd, UINT nKey, bool bShift, bool* pbChanged)
{
    ControlState& state = hWnd->m_control;
    const CString& strText = hWnd->m_strText;
    bool bSelection = state.nCaret != state.nSelAnchor;
    *pbChanged = false;
    switch (nKey) {
    case VK_LEFT:
        state.nCaret = PreviousCharStart(strText, state.nCaret);
        break;
    case VK_RIGHT:
        state.nCaret = NextCharStart(strText, state.nCaret);
        break;
    case VK_HOME:
        state.nCaret = 0;
        break;
    case VK_END:
        state.nCaret = strText.GetLength();
        break;
    case VK_BACK:
    case VK_DELETE:
        if (!bSelection) {
            if (nKey == VK_BACK)
                state.nSelAnchor = PreviousCharStart(strText, state.nCaret);
            else
                state.nSelAnchor = NextCharStart(strText, state.nCaret);
        }
        *pbChanged = state.nCaret != state.nSelAnchor;
        ReplaceSelection(hWnd, CString());
        InvalidateWindow(hWnd, nullptr);
        return true;
    default:
        return false;
    }
    if (!bShift)
        state.nSelAnchor = state.nCaret;
    InvalidateWindow(hWnd, nullptr);
    return true;
}

bool EditHandleChar(HWND hWnd, UINT nChar)
{
    if (nChar < ' ' || nChar == 0x7F)
        return false;
    ReplaceSelection(hWnd, EncodeUtf8(nChar));
    InvalidateWindow(hWnd, nullptr);
    return true;
}

void EditDrawText(HWND hWnd, CDC& dc, const CRect& rectText, bool bFocused)
{
    ControlState& state = hWnd->m_control;
    const CString& strText = hWnd->m_strText;
    state.nCaret = std::min(state.nCaret, strText.GetLength());
    state.nSelAnchor = std::min(state.nSelAnchor, strText.GetLength());
    int nCaretX = TextWidth(dc, strText, state.nCaret);
    if (nCaretX - state.nScrollX > rectText.Width() - 1)
        state.nScrollX = nCaretX - rectText.Width() + 1;
    if (nCaretX < state.nScrollX)
        state.nScrollX = nCaretX;
    int x = rectText.left - state.nScrollX;
    int nLineHeight = dc.GetLineHeight();
    int y = rectText.top + (rectText.Height() - nLineHeight) / 2;
    FontWeight weight = dc.SetFontWeight(FontWeight::Normal);
    dc.IntersectClipRect(&rectText);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsEnabledInTree(hWnd) ? COLOR_TEXT : COLOR_GRAY_TEXT);
    dc.TextOut(x, y, strText);
    int nStart = std::min(state.nCaret, state.nSelAnchor);
    int nEnd = std::max(state.nCaret, state.nSelAnchor);
    if (bFocused && nStart != nEnd) {
        int nLeft = x + TextWidth(dc, strText, nStart);
        CString strSelected = strText.Mid(nStart, nEnd - nStart);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(COLOR_SELECTION);
        dc.SetTextColor(COLOR_SELECTION_TEXT);
        dc.TextOut(nLeft, y, strSelected);
    }
    if (bFocused)
        dc.FillSolidRect(x + nCaretX, y, 1, nLineHeight, COLOR_TEXT);
    dc.SetFontWeight(weight);
}

void EditSetCaretFromPoint(HWND hWnd, const CRect& rectText, int x, bool bExtend)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ControlState& state = hWnd->m_control;
    const CString& strText = hWnd->m_strText;
    int nTarget = x - rectText.left + state.nScrollX;
    int nBest = 0;
    for (int nPos = 0; nPos <= strText.GetLength(); nPos = NextCharStart(strText, nPos)) {
        int nWidth = TextWidth(dc, strText, nPos);
        if (nWidth <= nTarget || nPos == 0)
            nBest = nPos;
        if (nWidth > nTarget) {
            int nPrevWidth = TextWidth(dc, strText, nBest);
            if (nWidth - nTarget < nTarget - nPrevWidth)
                nBest = nPos;
            break;
        }
        if (nPos == strText.GetLength())
            break;
    }
    state.nCaret = nBest;
    if (!bExtend)
        state.nSelAnchor = nBest;
    InvalidateWindow(hWnd, nullptr);
}

} // namespace plat
