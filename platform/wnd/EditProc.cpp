#include "platform/gdi/CDC.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/ControlPaint.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/EditLogic.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

CRect TextArea(HWND hWnd)
{
    CRect rect = GetClientArea(hWnd);
    rect.DeflateRect(EDIT_MARGIN, (hWnd->m_dwStyle & WS_BORDER) != 0 ? 2 : 0);
    return rect;
}

void Paint(HWND hWnd)
{
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    bool bEnabled = IsEnabledInTree(hWnd);
    dc.FillSolidRect(&rect, bEnabled && (hWnd->m_dwStyle & ES_READONLY) == 0 ? COLOR_WINDOW : COLOR_FACE);
    if ((hWnd->m_dwStyle & WS_BORDER) != 0)
        DrawSunkenEdge(dc, rect);
    EditDrawText(hWnd, dc, TextArea(hWnd), GetFocusWindow() == hWnd);
}

} // namespace

LRESULT EditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool bReadOnly = (hWnd->m_dwStyle & ES_READONLY) != 0;
    switch (message) {
    case WM_PAINT:
        Paint(hWnd);
        return 0;
    case WM_SETFOCUS:
        // Entering a field selects its whole text, as dialogs do.
        EditSetSel(hWnd, 0, -1);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocusWindow(hWnd);
        EditSetCaretFromPoint(hWnd, TextArea(hWnd), PointFromLParam(lParam).x, false);
        return 0;
    case WM_KEYDOWN: {
        bool bChanged = false;
        UINT nKey = static_cast<UINT>(wParam);
        if ((nKey == VK_BACK || nKey == VK_DELETE) && bReadOnly)
            return 0;
        if (!EditHandleKey(hWnd, nKey, IsKeyDown(VK_SHIFT), &bChanged))
            HandleDialogKey(hWnd, nKey);
        else if (bChanged)
            NotifyParent(hWnd, EN_CHANGE);
        return 0;
    }
    case WM_CHAR:
        if (!bReadOnly && EditHandleChar(hWnd, static_cast<UINT>(wParam)))
            NotifyParent(hWnd, EN_CHANGE);
        return 0;
    case WM_SYSKEYDOWN:
        HandleMenuKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    default:
        return 0;
    }
}

} // namespace plat
