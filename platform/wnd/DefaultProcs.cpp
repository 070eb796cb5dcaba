#include "platform/msg/loop.h"
#include "platform/wnd/DefaultProcs.h"

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/base/ids.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/MenuTracker.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

bool IsPushButton(HWND hWnd)
{
    if (hWnd == nullptr || hWnd->m_kind != WindowKind::Button)
        return false;
    DWORD dwType = hWnd->m_dwStyle & BS_TYPEMASK;
    return dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON || dwType == BS_OWNERDRAW;
}

bool TakesTab(HWND hWnd)
{
    if (!hWnd->m_bVisible || !hWnd->m_bEnabled || (hWnd->m_dwStyle & WS_TABSTOP) == 0)
        return false;
    return hWnd->m_kind != WindowKind::Static;
}

HWND FindDefaultButton(HWND hDialog)
{
    for (HWND hChild : hDialog->m_children) {
        if (hChild->m_kind == WindowKind::Button && (hChild->m_dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return hChild;
    }
    return nullptr;
}

void SendClick(HWND hDialog, UINT nID, HWND hControl)
{
    SendMessage(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hControl));
}

// Fills the background of a frame or dialog that has no paint handler of its own.
void PaintFace(HWND hWnd)
{
    CPaintDC dc(hWnd);
    CRect rect = GetClientArea(hWnd);
    dc.FillSolidRect(&rect, COLOR_FACE);
}

LRESULT HandleSysCommand(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    switch (wParam & 0xFFF0) {
    case SC_CLOSE:
        PostMessage(hWnd, WM_CLOSE);
        break;
    case SC_MINIMIZE:
        ShowWindowHandle(hWnd, SW_MINIMIZE);
        break;
    case SC_RESTORE:
        ShowWindowHandle(hWnd, SW_RESTORE);
        break;
    case SC_KEYMENU:
        if (IsTopLevel(hWnd) && hWnd->m_bEnabled) {
            int nIndex = lParam == ' ' ? MENU_BAR_SYSTEM_ICON : FindMenuBarMnemonic(hWnd, static_cast<char>(lParam));
            if (nIndex != MENU_BAR_NOWHERE)
                TrackMenuBar(hWnd, nIndex);
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT FrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintFace(hWnd);
        return 0;
    case WM_CLOSE:
        if (hWnd->m_kind == WindowKind::Dialog)
            SendClick(hWnd, IDCANCEL, nullptr);
        else
            DestroyWindowHandle(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        return HandleSysCommand(hWnd, wParam, lParam);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(hWnd->m_hIconBig);
    case WM_NCLBUTTONDOWN:
        if (wParam == HTMENU || wParam == HTSYSMENU)
            TrackMenuBar(hWnd, static_cast<int>(lParam));
        return 0;
    case WM_KEYDOWN:
        if (hWnd->m_kind == WindowKind::Dialog)
            HandleDialogKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        HandleMenuKey(hWnd, static_cast<UINT>(wParam));
        return 0;
    case WM_SETFOCUS:
        // A dialog hands the focus on to its first control that takes it.
        if (hWnd->m_kind == WindowKind::Dialog) {
            HWND hFirst = hWnd->m_hFocusSaved != nullptr && hWnd->m_hFocusSaved != hWnd ? hWnd->m_hFocusSaved
                                                                                       : FirstTabStop(hWnd);
            if (hFirst != nullptr && IsLiveWindow(hFirst))
                SetFocusWindow(hFirst);
        }
        return 0;
    default:
        return 0;
    }
}

} // namespace

LRESULT DefaultWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT) {
        hWnd->m_strText = reinterpret_cast<LPCTSTR>(lParam);
        if (IsTopLevel(hWnd))
            GetBackend().OnWindowTextChanged(hWnd);
        else
            InvalidateWindow(hWnd, nullptr);
        return TRUE;
    }
    if (message == WM_CANCELMODE) {
        // A window that gives up its modes lets go of the mouse, its own or a child's.
        if (IsSelfOrDescendant(hWnd, GetCaptureWindow()))
            SetCaptureWindow(nullptr);
        return 0;
    }
    switch (hWnd->m_kind) {
    case WindowKind::Button:
        return ButtonProc(hWnd, message, wParam, lParam);
    case WindowKind::Static:
        return StaticProc(hWnd, message, wParam, lParam);
    case WindowKind::Edit:
        return EditProc(hWnd, message, wParam, lParam);
    case WindowKind::ListBox:
        return ListBoxProc(hWnd, message, wParam, lParam);
    case WindowKind::ComboBox:
        return ComboBoxProc(hWnd, message, wParam, lParam);
    case WindowKind::MenuPopup:
        return MenuPopupProc(hWnd, message, wParam, lParam);
    case WindowKind::Frame:
    case WindowKind::Dialog:
        return FrameProc(hWnd, message, wParam, lParam);
    }
    return 0;
}

bool ShowWindowHandle(HWND hWnd, int nCmdShow)
{
    bool bWasVisible = hWnd->m_bVisible;
    bool bTop = IsTopLevel(hWnd);
    if (nCmdShow == SW_HIDE) {
        if (!bWasVisible)
            return false;
        SendMessage(hWnd, WM_SHOWWINDOW, FALSE, 0);
        if (!IsLiveWindow(hWnd))
            return true;
        hWnd->m_bVisible = false;
        if (IsSelfOrDescendant(hWnd, GetFocusWindow()))
            SetFocusWindow(nullptr);
        if (IsSelfOrDescendant(hWnd, GetCaptureWindow()))
            SetCaptureWindow(nullptr);
        if (bTop)
            GetBackend().OnWindowShown(hWnd, false);
        else
            InvalidateWindow(hWnd->m_hParent, &hWnd->m_rect);
        return true;
    }
    bool bMinimise = nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED;
    if (!bWasVisible) {
        if (bTop)
            PlaceByTemplateAtFirstShow(hWnd);
        SendMessage(hWnd, WM_SHOWWINDOW, TRUE, 0);
        if (!IsLiveWindow(hWnd))
            return false;
        hWnd->m_bVisible = true;
        if (bTop) {
            // As a window manager places a new window: one whose frame would reach past the
            // work area's right or bottom edge comes in far enough to be seen whole, frame and
            // all, where it fits. Where the manager then says it put the window is checked
            // against this place (CInputRouter::OnMoved).
            CBackend& backend = GetBackend();
            SetWindowRectangle(hWnd, MoveFrameOntoScreen(hWnd->m_rect, backend.GetFrameMargins(hWnd),
                                                         backend.GetWorkArea()));
            hWnd->m_bPlacing = true;
            backend.OnWindowShown(hWnd, true);
        }
        InvalidateWindow(hWnd, nullptr);
    }
    if (bTop && bMinimise != hWnd->m_bIconic && (bMinimise || nCmdShow == SW_RESTORE || nCmdShow == SW_SHOWNORMAL)) {
        hWnd->m_bIconic = bMinimise;
        GetBackend().OnWindowIconic(hWnd, bMinimise);
        CRect rectClient = GetClientArea(hWnd);
        SendMessage(hWnd, WM_SIZE, bMinimise ? SIZE_MINIMIZED : SIZE_RESTORED,
                    MAKELPARAM(rectClient.Width(), rectClient.Height()));
        InvalidateWindow(hWnd, nullptr);
    }
    return bWasVisible;
}

void PaintNonClient(HWND hWnd)
{
    if (!IsTopLevel(hWnd) || !hWnd->m_bMenuBarInvalid)
        return;
    hWnd->m_bMenuBarInvalid = false;
    if (hWnd->m_hMenu == nullptr)
        return;
    DrawMenuBarOnSurface(hWnd);
    if (IsShownOnScreen(hWnd))
        PresentDrawing(hWnd, CRect(0, 0, hWnd->m_rect.Width(), MENU_BAR_HEIGHT));
}

bool HandleDialogKey(HWND hFrom, UINT nKey)
{
    HWND hDialog = GetTopLevel(hFrom);
    if (hDialog == nullptr || hDialog->m_kind != WindowKind::Dialog)
        return false;
    HWND hFocus = GetFocusWindow();
    switch (nKey) {
    case VK_RETURN: {
        HWND hButton = IsPushButton(hFocus) && IsSelfOrDescendant(hDialog, hFocus) ? hFocus : FindDefaultButton(hDialog);
        if (hButton != nullptr && !IsEnabledInTree(hButton))
            return true;
        SendClick(hDialog, hButton != nullptr ? hButton->m_nID : IDOK, hButton);
        return true;
    }
    case VK_ESCAPE:
        SendClick(hDialog, IDCANCEL, nullptr);
        return true;
    case VK_TAB:
        MoveFocusByTab(hDialog, IsKeyDown(VK_SHIFT));
        return true;
    default:
        return false;
    }
}

bool HandleMenuKey(HWND hFrom, UINT nKey)
{
    HWND hTop = GetTopLevel(hFrom);
    if (hTop == nullptr || !hTop->m_bEnabled)
        return false;
    if (nKey == VK_F4) {
        PostMessage(hTop, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (nKey == VK_SPACE) {
        SendMessage(hTop, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        return true;
    }
    if (nKey >= 'A' && nKey <= 'Z') {
        char chMnemonic = static_cast<char>(nKey - 'A' + 'a');
        if (FindMenuBarMnemonic(hTop, chMnemonic) == MENU_BAR_NOWHERE)
            return false;
        SendMessage(hTop, WM_SYSCOMMAND, SC_KEYMENU, chMnemonic);
        return true;
    }
    return false;
}

void NotifyParent(HWND hControl, UINT nCode)
{
    if (hControl->m_hParent == nullptr)
        return;
    SendMessage(hControl->m_hParent, WM_COMMAND, MAKEWPARAM(hControl->m_nID, nCode),
                reinterpret_cast<LPARAM>(hControl));
}

void MoveFocusByTab(HWND hDialog, bool bBackwards)
{
    std::vector<HWND> stops;
    for (HWND hChild : hDialog->m_children) {
        if (TakesTab(hChild))
            stops.push_back(hChild);
    }
    if (stops.empty())
        return;
    HWND hFocus = GetFocusWindow();
    size_t nCurrent = stops.size();
    for (size_t i = 0; i < stops.size(); ++i) {
        if (IsSelfOrDescendant(stops[i], hFocus))
            nCurrent = i;
    }
    size_t nNext;
    if (nCurrent == stops.size())
        nNext = bBackwards ? stops.size() - 1 : 0;
    else
        nNext = bBackwards ? (nCurrent + stops.size() - 1) % stops.size() : (nCurrent + 1) % stops.size();
    SetFocusWindow(stops[nNext]);
}

HWND FirstTabStop(HWND hDialog)
{
    for (HWND hChild : hDialog->m_children) {
        if (TakesTab(hChild))
            return hChild;
    }
    return nullptr;
}

} // namespace plat
