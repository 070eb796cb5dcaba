#include <algorithm>

#include "platform/gdi/CDC.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/ComboDrop.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/ControlPaint.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

// Two clicks on the same item within this time make a double click.
constexpr unsigned DOUBLE_CLICK_MS = 500;
constexpr int WHEEL_STEP = 120;
constexpr int WHEEL_LINES = 3;

int BorderWidth(HWND hWnd)
{
    return (hWnd->m_dwStyle & WS_BORDER) != 0 ? LIST_BORDER_WIDTH : 0;
}

bool HasScrollBar(HWND hWnd)
{
    // A list scrolled past its first line keeps its bar even when every line would fit, so
    // the lines above stay within reach.
    return (hWnd->m_dwStyle & WS_VSCROLL) != 0 &&
           (ListGetCount(hWnd) > ListVisibleCount(hWnd) || hWnd->m_control.nTopIndex > 0);
}

CRect ItemArea(HWND hWnd)
{
    CRect rect = GetClientArea(hWnd);
    rect.DeflateRect(BorderWidth(hWnd), BorderWidth(hWnd));
    if (HasScrollBar(hWnd))
        rect.right -= SCROLL_BAR_WIDTH;
    return rect;
}

CRect ScrollBarArea(HWND hWnd)
{
    CRect rect = GetClientArea(hWnd);
    rect.DeflateRect(BorderWidth(hWnd), BorderWidth(hWnd));
    rect.left = rect.right - SCROLL_BAR_WIDTH;
    return rect;
}

void Paint(HWND hWnd)
{
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    dc.FillSolidRect(&rect, COLOR_WINDOW);
    if (BorderWidth(hWnd) != 0)
        DrawSunkenEdge(dc, rect);
    const ControlState& state = hWnd->m_control;
    CRect rectItems = ItemArea(hWnd);
    dc.IntersectClipRect(&rectItems);
    int nCount = ListGetCount(hWnd);
    for (int i = state.nTopIndex; i < nCount; ++i) {
        int nTop = rectItems.top + (i - state.nTopIndex) * LIST_ITEM_HEIGHT;
        if (nTop >= rectItems.bottom)
            break;
        CRect rectItem(rectItems.left, nTop, rectItems.right, nTop + LIST_ITEM_HEIGHT);
        bool bSelected = i == state.nCurSel;
        COLORREF clrBack = bSelected ? COLOR_SELECTION : COLOR_WINDOW;
        dc.FillSolidRect(&rectItem, clrBack);
        dc.SetBkColor(clrBack);
        dc.SetTextColor(bSelected ? COLOR_SELECTION_TEXT : COLOR_TEXT);
        CRect rectText = rectItem;
        rectText.left += LIST_TEXT_INDENT;
        dc.DrawText(state.items[i], &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    }
    if (GetFocusWindow() == hWnd) {
        // The focused list marks the item the keyboard is on: the selected one, else the
        // first shown (in an empty list, where that item would be).
        const int nCaret = state.nCurSel >= 0 ? state.nCurSel : state.nTopIndex;
        const int nTop = rectItems.top + (nCaret - state.nTopIndex) * LIST_ITEM_HEIGHT;
        if (nCaret >= state.nTopIndex && nTop < rectItems.bottom)
            DrawFocusFrame(dc, CRect(rectItems.left, nTop, rectItems.right, nTop + LIST_ITEM_HEIGHT));
    }
    if (HasScrollBar(hWnd)) {
        CClientDC dcBar(hWnd);
        DrawVerticalScrollBar(dcBar, ScrollBarArea(hWnd), nCount, ListVisibleCount(hWnd), state.nTopIndex);
    }
}

void ScrollTo(HWND hWnd, int nTop)
{
    // A top line set beyond the last full page stays reachable, but the bar never scrolls
    // further down than that.
    int nMaxTop = std::max({0, ListGetCount(hWnd) - ListVisibleCount(hWnd), hWnd->m_control.nTopIndex});
    hWnd->m_control.nTopIndex = std::clamp(nTop, 0, nMaxTop);
    InvalidateWindow(hWnd, nullptr);
}

void ClickScrollBar(HWND hWnd, CPoint point)
{
    CRect rectBar = ScrollBarArea(hWnd);
    int nTop = hWnd->m_control.nTopIndex;
    int nPage = ListVisibleCount(hWnd);
    if (point.y < rectBar.top + SCROLL_BAR_WIDTH)
        ScrollTo(hWnd, nTop - 1);
    else if (point.y >= rectBar.bottom - SCROLL_BAR_WIDTH)
        ScrollTo(hWnd, nTop + 1);
    else if (point.y < rectBar.CenterPoint().y)
        ScrollTo(hWnd, nTop - nPage);
    else
        ScrollTo(hWnd, nTop + nPage);
}

// The user picked an item: select it and tell the parent (or the combo box owning the list).
void Choose(HWND hWnd, int nIndex, bool bDoubleClick)
{
    ListSetCurSel(hWnd, nIndex);
    if (hWnd->m_control.hCombo != nullptr) {
        if (!bDoubleClick)
            CloseComboDrop(hWnd->m_control.hCombo, nIndex);
        return;
    }
    if ((hWnd->m_dwStyle & LBS_NOTIFY) == 0)
        return;
    NotifyParent(hWnd, LBN_SELCHANGE);
    if (bDoubleClick && IsLiveWindow(hWnd))
        NotifyParent(hWnd, LBN_DBLCLK);
}

void OnButtonDown(HWND hWnd, CPoint point)
{
    if (hWnd->m_control.hCombo != nullptr && !GetClientArea(hWnd).PtInRect(point)) {
        CloseComboDrop(hWnd->m_control.hCombo, -1);
        return;
    }
    if (hWnd->m_control.hCombo == nullptr)
        SetFocusWindow(hWnd);
    if (HasScrollBar(hWnd) && ScrollBarArea(hWnd).PtInRect(point)) {
        ClickScrollBar(hWnd, point);
        return;
    }
    CRect rectItems = ItemArea(hWnd);
    int nIndex = hWnd->m_control.nTopIndex + (point.y - rectItems.top) / LIST_ITEM_HEIGHT;
    if (!rectItems.PtInRect(point) || nIndex >= ListGetCount(hWnd))
        return;
    ControlState& state = hWnd->m_control;
    unsigned nNow = GetTickCount();
    bool bDouble = state.nLastClickItem == nIndex && nNow - state.nLastClickTime < DOUBLE_CLICK_MS;
    state.nLastClickItem = bDouble ? -1 : nIndex;
    state.nLastClickTime = nNow;
    Choose(hWnd, nIndex, bDouble);
}

void OnKey(HWND hWnd, UINT nKey)
{
    int nSel = hWnd->m_control.nCurSel;
    int nLast = ListGetCount(hWnd) - 1;
    int nPage = ListVisibleCount(hWnd);
    int nNew;
    switch (nKey) {
    case VK_UP: nNew = nSel - 1; break;
    case VK_DOWN: nNew = nSel + 1; break;
    case VK_PRIOR: nNew = nSel - nPage; break;
    case VK_NEXT: nNew = nSel + nPage; break;
    case VK_HOME: nNew = 0; break;
    case VK_END: nNew = nLast; break;
    default:
        if (hWnd->m_control.hCombo != nullptr && (nKey == VK_RETURN || nKey == VK_ESCAPE))
            CloseComboDrop(hWnd->m_control.hCombo, nKey == VK_RETURN ? nSel : -1);
        else
            HandleDialogKey(hWnd, nKey);
        return;
    }
    if (nLast < 0)
        return;
    nNew = std::clamp(nNew, 0, nLast);
    if (nNew == nSel)
        return;
    ListSetCurSel(hWnd, nNew);
    if (hWnd->m_control.hCombo == nullptr && (hWnd->m_dwStyle & LBS_NOTIFY) != 0)
        NotifyParent(hWnd, LBN_SELCHANGE);
}

} // namespace

LRESULT ListBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hWnd, PointFromLParam(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(hWnd, hWnd->m_control.nTopIndex - static_cast<short>(HIWORD(wParam)) / WHEEL_STEP * WHEEL_LINES);
        return 0;
    case WM_KEYDOWN:
        OnKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        HandleMenuKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace plat
