#include "platform/gdi/CDC.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/ControlPaint.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/DrawItem.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

DWORD ButtonType(HWND hWnd)
{
    return hWnd->m_dwStyle & BS_TYPEMASK;
}

COLORREF TextColour(HWND hWnd)
{
    return IsEnabledInTree(hWnd) ? COLOR_TEXT : COLOR_GRAY_TEXT;
}

void PaintPushButton(HWND hWnd, CDC& dc, const CRect& rect)
{
    bool bDefault = ButtonType(hWnd) == BS_DEFPUSHBUTTON;
    CRect rectFace = rect;
    dc.FillSolidRect(&rectFace, COLOR_FACE);
    if (bDefault) {
        dc.Draw3dRect(&rectFace, COLOR_DARK_SHADOW, COLOR_DARK_SHADOW);
        rectFace.DeflateRect(1, 1);
    }
    DrawButtonEdge(dc, rectFace, hWnd->m_control.bPushed);
    CRect rectText = rectFace;
    if (hWnd->m_control.bPushed)
        rectText.OffsetRect(1, 1);
    dc.SetTextColor(TextColour(hWnd));
    dc.SetBkColor(COLOR_FACE);
    dc.DrawText(hWnd->m_strText, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (GetFocusWindow() == hWnd) {
        CRect rectFocus = rectFace;
        rectFocus.DeflateRect(FOCUS_INSET, FOCUS_INSET);
        DrawFocusFrame(dc, rectFocus);
    }
}

void PaintCheckBox(HWND hWnd, CDC& dc, const CRect& rect)
{
    dc.FillSolidRect(&rect, COLOR_FACE);
    int nTop = rect.top + (rect.Height() - CHECK_BOX_SIZE) / 2;
    CRect rectBox(rect.left, nTop, rect.left + CHECK_BOX_SIZE, nTop + CHECK_BOX_SIZE);
    dc.FillSolidRect(&rectBox, hWnd->m_control.bPushed ? COLOR_FACE : COLOR_WINDOW);
    DrawSunkenEdge(dc, rectBox);
    if (hWnd->m_control.nCheck != 0)
        DrawCheckMark(dc, rectBox, TextColour(hWnd));
    CRect rectText(rectBox.right + CHECK_TEXT_GAP, rect.top, rect.right, rect.bottom);
    dc.SetTextColor(TextColour(hWnd));
    dc.SetBkColor(COLOR_FACE);
    dc.DrawText(hWnd->m_strText, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (GetFocusWindow() == hWnd) {
        CRect rectMeasure = rectText;
        dc.DrawText(hWnd->m_strText, &rectMeasure, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        int nTextTop = rect.top + (rect.Height() - rectMeasure.Height()) / 2;
        CRect rectFocus(rectText.left - 1, nTextTop - 1, rectMeasure.right + 1, nTextTop + rectMeasure.Height() + 1);
        DrawFocusFrame(dc, rectFocus);
    }
}

void PaintGroupBox(HWND hWnd, CDC& dc, const CRect& rect)
{
    int nHalfLine = dc.GetLineHeight() / 2;
    CRect rectFrame(rect.left, rect.top + nHalfLine, rect.right, rect.bottom);
    dc.Draw3dRect(&rectFrame, COLOR_SHADOW, COLOR_HIGHLIGHT_EDGE);
    rectFrame.DeflateRect(1, 1);
    dc.Draw3dRect(&rectFrame, COLOR_HIGHLIGHT_EDGE, COLOR_SHADOW);
    if (hWnd->m_strText.IsEmpty())
        return;
    CRect rectText(rect.left + GROUP_TEXT_INDENT, rect.top, rect.right, rect.top + 2 * nHalfLine + 1);
    dc.SetTextColor(TextColour(hWnd));
    dc.SetBkColor(COLOR_FACE);
    dc.DrawText(hWnd->m_strText, &rectText, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void PaintOwnerDrawn(HWND hWnd, CDC& dc, const CRect& rect)
{
    UINT nState = 0;
    if (hWnd->m_control.bPushed)
        nState |= ODS_SELECTED;
    if (!IsEnabledInTree(hWnd))
        nState |= ODS_DISABLED;
    if (GetFocusWindow() == hWnd)
        nState |= ODS_FOCUS;
    DRAWITEMSTRUCT dis = {ODT_BUTTON, hWnd->m_nID, 0, ODA_DRAWENTIRE, nState, hWnd, dc.GetSafeHdc(), rect, 0};
    if (hWnd->m_pWnd != nullptr)
        hWnd->m_pWnd->DrawItem(&dis);
    else if (hWnd->m_hParent != nullptr)
        SendMessage(hWnd->m_hParent, WM_DRAWITEM, hWnd->m_nID, reinterpret_cast<LPARAM>(&dis));
}

void Paint(HWND hWnd)
{
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    switch (ButtonType(hWnd)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        PaintCheckBox(hWnd, dc, rect);
        break;
    case BS_GROUPBOX:
        PaintGroupBox(hWnd, dc, rect);
        break;
    case BS_OWNERDRAW:
        PaintOwnerDrawn(hWnd, dc, rect);
        break;
    default:
        PaintPushButton(hWnd, dc, rect);
        break;
    }
}

void SetPushed(HWND hWnd, bool bPushed)
{
    if (hWnd->m_control.bPushed == bPushed)
        return;
    hWnd->m_control.bPushed = bPushed;
    InvalidateWindow(hWnd, nullptr);
}

// The button was pressed and released over itself: check boxes toggle, the parent hears.
void Click(HWND hWnd)
{
    if (ButtonType(hWnd) == BS_AUTOCHECKBOX) {
        hWnd->m_control.nCheck = hWnd->m_control.nCheck != 0 ? BST_UNCHECKED : BST_CHECKED;
        InvalidateWindow(hWnd, nullptr);
    }
    NotifyParent(hWnd, BN_CLICKED);
}

// The mouse let go: a click when it was pressed on the button and released over it.
void OnButtonUp(HWND hWnd, CPoint point)
{
    if (!hWnd->m_control.bTracking)
        return;
    hWnd->m_control.bTracking = false;
    bool bClicked = GetClientArea(hWnd).PtInRect(point);
    SetPushed(hWnd, false);
    if (GetCaptureWindow() == hWnd)
        SetCaptureWindow(nullptr);
    if (bClicked)
        Click(hWnd);
}

} // namespace

LRESULT ButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ButtonType(hWnd) == BS_GROUPBOX && message != WM_PAINT)
        return 0;
    switch (message) {
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocusWindow(hWnd);
        SetCaptureWindow(hWnd);
        hWnd->m_control.bTracking = true;
        SetPushed(hWnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (hWnd->m_control.bTracking)
            SetPushed(hWnd, GetClientArea(hWnd).PtInRect(PointFromLParam(lParam)));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(hWnd, PointFromLParam(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        hWnd->m_control.bTracking = false;
        SetPushed(hWnd, false);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE)
            SetPushed(hWnd, true);
        else
            HandleDialogKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && hWnd->m_control.bPushed) {
            SetPushed(hWnd, false);
            Click(hWnd);
        }
        return 0;
    case WM_SYSKEYDOWN:
        HandleMenuKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace plat
