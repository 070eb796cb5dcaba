#include "platform/gdi/CDC.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

// DT_TABSTOP keeps the characters per tab stop in bits 8..15 of the format.
constexpr int TAB_LENGTH_SHIFT = 8;
constexpr UINT TAB_LENGTH_MASK = 0xFF;

} // namespace

LRESULT StaticProc(HWND hWnd, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (message != WM_PAINT)
        return 0;
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    dc.FillSolidRect(&rect, COLOR_FACE);
    DWORD dwType = hWnd->m_dwStyle & SS_TYPEMASK;
    if (dwType == SS_ICON) {
        if (hWnd->m_control.hIcon != nullptr)
            dc.DrawIcon(0, 0, hWnd->m_control.hIcon);
        return 0;
    }
    UINT nFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_TOP;
    if (dwType == SS_CENTER)
        nFormat |= DT_CENTER;
    else if (dwType == SS_RIGHT)
        nFormat |= DT_RIGHT;
    if ((hWnd->m_dwStyle & SS_NOPREFIX) != 0)
        nFormat |= DT_NOPREFIX;
    if ((hWnd->m_dwStyle & SS_EDITCONTROL) != 0)
        nFormat |= DT_EDITCONTROL;
    // The tab length takes bits 8..15 of the format, DT_NOPREFIX's and DT_EDITCONTROL's
    // among them.
    if (hWnd->m_control.nTabChars > 0) {
        nFormat &= ~(TAB_LENGTH_MASK << TAB_LENGTH_SHIFT);
        nFormat |= DT_TABSTOP | (static_cast<UINT>(hWnd->m_control.nTabChars) << TAB_LENGTH_SHIFT);
    }
    dc.SetTextColor(IsEnabledInTree(hWnd) ? COLOR_TEXT : COLOR_GRAY_TEXT);
    dc.SetBkColor(COLOR_FACE);
    dc.DrawText(hWnd->m_strText, &rect, nFormat);
    return 0;
}

} // namespace plat
