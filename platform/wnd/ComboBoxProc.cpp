#include <algorithm>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/gdi/CDC.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/ComboDrop.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/ControlPaint.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/EditLogic.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

bool HasEditField(HWND hWnd)
{
    return (hWnd->m_dwStyle & CBS_TYPEMASK) != CBS_DROPDOWNLIST;
}

CRect ButtonArea(HWND hWnd)
{
    CRect rect = GetClientArea(hWnd);
    rect.DeflateRect(2, 2);
    rect.left = rect.right - COMBO_BUTTON_WIDTH;
    return rect;
}

CRect TextArea(HWND hWnd)
{
    CRect rect = GetClientArea(hWnd);
    rect.DeflateRect(EDIT_MARGIN, 2);
    rect.right = ButtonArea(hWnd).left - 1;
    return rect;
}

void Paint(HWND hWnd)
{
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    bool bFocused = GetFocusWindow() == hWnd;
    dc.FillSolidRect(&rect, IsEnabledInTree(hWnd) ? COLOR_WINDOW : COLOR_FACE);
    DrawSunkenEdge(dc, rect);
    CRect rectButton = ButtonArea(hWnd);
    dc.FillSolidRect(&rectButton, COLOR_FACE);
    DrawButtonEdge(dc, rectButton, hWnd->m_control.bDropped);
    DrawArrow(dc, rectButton, ArrowDirection::Down, IsEnabledInTree(hWnd) ? COLOR_TEXT : COLOR_GRAY_TEXT);
    CRect rectText = TextArea(hWnd);
    if (HasEditField(hWnd)) {
        EditDrawText(hWnd, dc, rectText, bFocused);
        return;
    }
    COLORREF clrBack = bFocused ? COLOR_SELECTION : COLOR_WINDOW;
    dc.FillSolidRect(&rectText, clrBack);
    dc.SetBkColor(clrBack);
    dc.SetTextColor(bFocused ? COLOR_SELECTION_TEXT : COLOR_TEXT);
    dc.DrawText(hWnd->m_strText, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The width a dropped list needs to show the combo box's longest item whole: the item with
// the list's own text indent, borders and, when the items scroll, its bar.
int DroppedListWidth(HWND hCombo)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    int nWidest = 0;
    for (const CString& strItem : hCombo->m_control.items)
        nWidest = std::max<int>(nWidest, dc.GetTextExtent(strItem).cx);
    const int nBar = ListGetCount(hCombo) > COMBO_DROP_ITEMS ? SCROLL_BAR_WIDTH : 0;
    return nWidest + 2 * LIST_TEXT_INDENT + 2 * LIST_BORDER_WIDTH + nBar;
}

void SelectAndNotify(HWND hWnd, int nIndex)
{
    int nLast = ListGetCount(hWnd) - 1;
    if (nLast < 0)
        return;
    nIndex = std::clamp(nIndex, 0, nLast);
    if (nIndex == hWnd->m_control.nCurSel)
        return;
    ListSetCurSel(hWnd, nIndex);
    NotifyParent(hWnd, CBN_SELCHANGE);
}

void OnKey(HWND hWnd, UINT nKey)
{
    if (IsComboDropped(hWnd)) {
        SendMessage(hWnd->m_control.hDropList, WM_KEYDOWN, nKey, 0);
        return;
    }
    switch (nKey) {
    case VK_UP:
        SelectAndNotify(hWnd, hWnd->m_control.nCurSel - 1);
        return;
    case VK_DOWN:
        SelectAndNotify(hWnd, hWnd->m_control.nCurSel + 1);
        return;
    case VK_F4:
        OpenComboDrop(hWnd);
        return;
    default:
        break;
    }
    bool bChanged = false;
    if (HasEditField(hWnd) && EditHandleKey(hWnd, nKey, IsKeyDown(VK_SHIFT), &bChanged)) {
        if (bChanged)
            NotifyParent(hWnd, CBN_EDITCHANGE);
        return;
    }
    HandleDialogKey(hWnd, nKey);
}

void OnChar(HWND hWnd, UINT nChar)
{
    if (HasEditField(hWnd)) {
        if (EditHandleChar(hWnd, nChar))
            NotifyParent(hWnd, CBN_EDITCHANGE);
        return;
    }
    if (nChar < ' ' || nChar >= 0x80)
        return;
    char szPrefix[2] = {static_cast<char>(nChar), '\0'};
    int nFound = ListFindString(hWnd, hWnd->m_control.nCurSel, szPrefix);
    if (nFound < 0)
        nFound = ListFindString(hWnd, -1, szPrefix);
    if (nFound >= 0)
        SelectAndNotify(hWnd, nFound);
}

} // namespace

LRESULT ComboBoxProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        CPoint point = PointFromLParam(lParam);
        SetFocusWindow(hWnd);
        if (!HasEditField(hWnd) || ButtonArea(hWnd).PtInRect(point)) {
            if (IsComboDropped(hWnd))
                CloseComboDrop(hWnd, -1);
            else
                OpenComboDrop(hWnd);
        } else {
            EditSetCaretFromPoint(hWnd, TextArea(hWnd), point.x, false);
        }
        return 0;
    }
    case WM_SETFOCUS:
        if (HasEditField(hWnd))
            EditSetSel(hWnd, 0, -1);
        return 0;
    case WM_KILLFOCUS:
    case WM_DESTROY:
        CloseComboDrop(hWnd, -1);
        return 0;
    case WM_KEYDOWN:
        OnKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP)
            IsComboDropped(hWnd) ? CloseComboDrop(hWnd, -1) : OpenComboDrop(hWnd);
        else
            HandleMenuKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    default:
        return 0;
    }
}

bool IsComboDropped(HWND hCombo)
{
    return IsLiveWindow(hCombo) && IsLiveWindow(hCombo->m_control.hDropList);
}

void OpenComboDrop(HWND hCombo)
{
    if (IsComboDropped(hCombo) || ListGetCount(hCombo) <= 0)
        return;
    NotifyParent(hCombo, CBN_DROPDOWN);
    if (!IsLiveWindow(hCombo))
        return;
    CRect rectCombo = GetScreenRect(hCombo);
    int nItems = std::min(ListGetCount(hCombo), COMBO_DROP_ITEMS);
    int nHeight = nItems * LIST_ITEM_HEIGHT + 2 * LIST_BORDER_WIDTH;
    WindowParams params;
    params.kind = WindowKind::ListBox;
    params.dwStyle = WS_POPUP | WS_BORDER | WS_VSCROLL;
    params.hOwner = GetTopLevel(hCombo);
    // The list is at least as wide as its longest item, so that every item shows whole.
    const CRect rectScreen = GetBackend().GetScreenRect();
    const int nWidth = std::min<int>(std::max<int>(rectCombo.Width(), DroppedListWidth(hCombo)), rectScreen.Width());
    params.rect = CRect(CPoint(std::min<int>(rectCombo.left, rectScreen.right - nWidth), rectCombo.bottom),
                        CSize(nWidth, nHeight));
    // A list that would leave the screen at the bottom opens above the combo box.
    if (params.rect.bottom > rectScreen.bottom)
        params.rect.OffsetRect(0, -(nHeight + rectCombo.Height()));
    HWND hList = CreateWindowHandle(params);
    hList->m_control.hCombo = hCombo;
    hList->m_control.items = hCombo->m_control.items;
    ListSetCurSel(hList, hCombo->m_control.nCurSel);
    hCombo->m_control.hDropList = hList;
    hCombo->m_control.bDropped = true;
    ShowWindowHandle(hList, SW_SHOW);
    SetCaptureWindow(hList);
    InvalidateWindow(hCombo, nullptr);
}

void CloseComboDrop(HWND hCombo, int nChosen)
{
    if (!IsComboDropped(hCombo))
        return;
    HWND hList = hCombo->m_control.hDropList;
    hCombo->m_control.hDropList = nullptr;
    hCombo->m_control.bDropped = false;
    if (GetCaptureWindow() == hList)
        SetCaptureWindow(nullptr);
    DestroyWindowHandle(hList);
    InvalidateWindow(hCombo, nullptr);
    if (nChosen >= 0 && nChosen != hCombo->m_control.nCurSel) {
        ListSetCurSel(hCombo, nChosen);
        NotifyParent(hCombo, CBN_SELCHANGE);
    }
    if (IsLiveWindow(hCombo))
        NotifyParent(hCombo, CBN_CLOSEUP);
}

} // namespace plat
