#include "platform/wnd/CInputRouter.h"

#include <algorithm>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/MenuTracker.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

namespace {

constexpr int KEY_COUNT = 256;

// The keys whose state the window system is asked for when a window gains the focus.
constexpr UINT MODIFIER_KEYS[] = {VK_SHIFT, VK_CONTROL, VK_MENU};

// Numbers raw input in the order it came.
unsigned s_nNextSerial = 1;

struct RawInput {
    // KeyState sets a key's state without a message (bDown: held).
    enum class Type { Mouse, Key, Char, KeyState };
    Type type;
    HWND hTop;
    MouseAction action;
    CPoint ptScreen;
    int nWheel;
    UINT nCode;     // key code or character
    bool bDown;
    unsigned nSerial = s_nNextSerial++;
};

std::deque<RawInput> s_pending;
bool s_keys[KEY_COUNT] = {};
// The character a key press types comes right after the press; it goes where the press
// went, or nowhere when a menu took the press (its letter chose an item) or nothing did. A
// character on its own (typed by the tests, composed by an input method) goes to the window
// it came in.
struct KeyPress {
    unsigned nSerial = 0;
    HWND hTarget = nullptr;
};
KeyPress s_lastPress;

bool s_bLeftDown = false;
bool s_bRightDown = false;
CPoint s_ptCursor;

WPARAM MouseKeyFlags()
{
    WPARAM flags = 0;
    if (s_bLeftDown)
        flags |= MK_LBUTTON;
    if (s_bRightDown)
        flags |= MK_RBUTTON;
    if (s_keys[VK_SHIFT])
        flags |= MK_SHIFT;
    if (s_keys[VK_CONTROL])
        flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessage(MouseAction action)
{
    switch (action) {
    case MouseAction::Move: return WM_MOUSEMOVE;
    case MouseAction::LeftDown: return WM_LBUTTONDOWN;
    case MouseAction::LeftUp: return WM_LBUTTONUP;
    case MouseAction::RightDown: return WM_RBUTTONDOWN;
    case MouseAction::RightUp: return WM_RBUTTONUP;
    case MouseAction::Wheel: return WM_MOUSEWHEEL;
    }
    return WM_NULL;
}

bool IsClosingKeyPress(const RawInput& input)
{
    return input.type == RawInput::Type::Key && input.bDown && CInputRouter::IsClosingKey(input.hTop, input.nCode);
}

// Moves the keyboard focus into hTop when it is elsewhere, as activating a window does.
void Activate(HWND hTop)
{
    if (IsSelfOrDescendant(hTop, GetFocusWindow()) || hTop->m_kind == WindowKind::MenuPopup ||
        hTop->m_control.hCombo != nullptr)
        return;
    HWND hSaved = hTop->m_hFocusSaved;
    SetFocusWindow(IsLiveWindow(hSaved) && IsSelfOrDescendant(hTop, hSaved) ? hSaved : hTop);
}

void RouteMouse(const RawInput& input)
{
    s_ptCursor = input.ptScreen;
    if (input.action == MouseAction::LeftDown || input.action == MouseAction::LeftUp)
        s_bLeftDown = input.action == MouseAction::LeftDown;
    if (input.action == MouseAction::RightDown || input.action == MouseAction::RightUp)
        s_bRightDown = input.action == MouseAction::RightDown;
    HWND hTarget = GetCaptureWindow();
    if (!IsLiveWindow(hTarget)) {
        HWND hTop = input.hTop;
        if (!IsLiveWindow(hTop) || !IsShownOnScreen(hTop) || !hTop->m_bEnabled)
            return;
        CPoint ptContent(input.ptScreen.x - hTop->m_rect.left, input.ptScreen.y - hTop->m_rect.top);
        if (ptContent.y < GetMenuBarHeight(hTop)) {
            int nItem = MenuBarHitTest(hTop, ptContent);
            if (input.action == MouseAction::LeftDown && nItem != MENU_BAR_NOWHERE)
                PostMessage(hTop, WM_NCLBUTTONDOWN, nItem == MENU_BAR_SYSTEM_ICON ? HTSYSMENU : HTMENU, nItem);
            return;
        }
        if (input.action == MouseAction::LeftDown || input.action == MouseAction::RightDown)
            Activate(hTop);
        hTarget = ChildFromPoint(hTop, CPoint(ptContent.x, ptContent.y - GetMenuBarHeight(hTop)));
        if (!IsEnabledInTree(hTarget))
            return;
    }
    CPoint ptClient = ScreenToClientPoint(hTarget, input.ptScreen);
    UINT nMessage = MouseMessage(input.action);
    WPARAM wParam = MouseKeyFlags();
    if (input.action == MouseAction::Wheel)
        wParam |= static_cast<WPARAM>(static_cast<WORD>(input.nWheel)) << 16;
    PostMessage(hTarget, nMessage, wParam, MAKELPARAM(ptClient.x, ptClient.y));
}

// The window a key or a character from hTop goes to: the open menu, or the window with the
// focus in hTop (activated first), or in the box hTop waits for: the window system moves
// the keyboard to a modal box a moment after showing it, and keys typed ahead meanwhile
// still come to the window it disables. Nullptr when nothing takes it.
HWND KeyTarget(HWND hTop)
{
    if (HWND hMenu = MenuKeyTarget())
        return hMenu;
    if (IsLiveWindow(hTop) && !hTop->m_bEnabled)
        hTop = GetEnabledPopup(hTop);
    if (!IsLiveWindow(hTop) || !hTop->m_bEnabled)
        return nullptr;
    Activate(hTop);
    HWND hFocus = GetFocusWindow();
    return IsLiveWindow(hFocus) && GetTopLevel(hFocus) == hTop ? hFocus : hTop;
}

void RouteChar(const RawInput& input)
{
    HWND hTarget = input.nSerial == s_lastPress.nSerial + 1 ? s_lastPress.hTarget : KeyTarget(input.hTop);
    if (IsLiveWindow(hTarget) && !s_keys[VK_MENU])
        PostMessage(hTarget, WM_CHAR, input.nCode, 1);
}

void RouteKey(const RawInput& input)
{
    if (input.nCode < KEY_COUNT)
        s_keys[input.nCode] = input.bDown;
    HWND hTarget = KeyTarget(input.hTop);
    if (input.bDown)
        s_lastPress = {input.nSerial, hTarget == MenuKeyTarget() ? nullptr : hTarget};
    if (hTarget == nullptr)
        return;
    bool bAlt = s_keys[VK_MENU] && input.nCode != VK_MENU;
    UINT nMessage = input.bDown ? (bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (bAlt ? WM_SYSKEYUP : WM_KEYUP);
    PostMessage(hTarget, nMessage, input.nCode, bAlt ? (1 | KF_ALTDOWN_LPARAM) : 1);
}

} // namespace

void CInputRouter::QueueMouse(HWND hTop, MouseAction action, CPoint ptScreen, int nWheel)
{
    if (action == MouseAction::Move && !s_pending.empty()) {
        RawInput& last = s_pending.back();
        if (last.type == RawInput::Type::Mouse && last.action == MouseAction::Move && last.hTop == hTop) {
            last.ptScreen = ptScreen;
            return;
        }
    }
    s_pending.push_back(RawInput{RawInput::Type::Mouse, hTop, action, ptScreen, nWheel, 0, false});
}

void CInputRouter::QueueKey(HWND hTop, UINT nKey, bool bDown)
{
    s_pending.push_back(RawInput{RawInput::Type::Key, hTop, MouseAction::Move, CPoint(), 0, nKey, bDown});
}

void CInputRouter::QueueChar(HWND hTop, UINT nChar)
{
    s_pending.push_back(RawInput{RawInput::Type::Char, hTop, MouseAction::Move, CPoint(), 0, nChar, true});
}

void CInputRouter::OnCloseBox(HWND hTop)
{
    if (IsLiveWindow(hTop) && hTop->m_bEnabled)
        PostMessage(hTop, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CInputRouter::OnResized(HWND hTop, CSize sizeContent)
{
    if (!IsLiveWindow(hTop))
        return;
    const CRect rect = KeepMinTrackSize(hTop, CRect(hTop->m_rect.TopLeft(), sizeContent));
    if (rect.Size() != hTop->m_rect.Size()) {
        SetWindowRectangle(hTop, rect);
        CRect rectClient = GetClientArea(hTop);
        SendMessage(hTop, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rectClient.Width(), rectClient.Height()));
        InvalidateWindow(hTop, nullptr);
    }
    // A frame dragged below the window's minimum springs back to it.
    if (rect.Size() != sizeContent && IsLiveWindow(hTop))
        GetBackend().OnWindowMoved(hTop);
}

void CInputRouter::OnMoved(HWND hTop, CPoint ptTopLeft)
{
    // While a window is hidden the manager moves it as it likes (withdrawing it, it puts the
    // content where the frame was); the window keeps the place it is to be shown at.
    if (!IsLiveWindow(hTop) || !hTop->m_bVisible)
        return;
    if (hTop->m_bPlacing) {
        hTop->m_bPlacing = false;
        // A manager that put the frame's corner where the content was asked for is asked
        // once more, now that the frame is known: saved places come back exactly.
        if (ptTopLeft != hTop->m_rect.TopLeft()) {
            GetBackend().OnWindowMoved(hTop);
            return;
        }
    }
    hTop->m_rect = CRect(ptTopLeft, hTop->m_rect.Size());
}

void CInputRouter::OnActivated(HWND hTop)
{
    if (!IsLiveWindow(hTop) || !hTop->m_bVisible)
        return;
    for (UINT nKey : MODIFIER_KEYS) {
        s_pending.push_back(RawInput{RawInput::Type::KeyState, hTop, MouseAction::Move, CPoint(), 0, nKey,
                                     GetBackend().IsModifierHeld(nKey)});
    }
    if (hTop->m_bEnabled) {
        // The person now works in this window: the keyboard follows, and a box made without
        // a parent belongs to it (GetLastActivePopup).
        Activate(hTop);
        return;
    }
    // A window waiting for a modal box is not to be worked in: the box comes to the front,
    // with the keyboard.
    HWND hPopup = GetEnabledPopup(hTop);
    if (hPopup == nullptr)
        return;
    GetBackend().BringToFront(hPopup);
    Activate(hPopup);
}

void CInputRouter::OnMinimised(HWND hTop, bool bMinimised)
{
    if (!IsLiveWindow(hTop) || hTop->m_bIconic == bMinimised)
        return;
    hTop->m_bIconic = bMinimised;
    CRect rectClient = GetClientArea(hTop);
    SendMessage(hTop, WM_SIZE, bMinimised ? SIZE_MINIMIZED : SIZE_RESTORED,
                MAKELPARAM(rectClient.Width(), rectClient.Height()));
    if (!bMinimised)
        InvalidateWindow(hTop, nullptr);
}

void CInputRouter::OnExposed(HWND hTop)
{
    if (IsLiveWindow(hTop) && IsShownOnScreen(hTop))
        GetBackend().Present(hTop, hTop->m_pSurface->GetBounds());
}

bool CInputRouter::TranslateNext()
{
    if (s_pending.empty())
        return false;
    RawInput input = s_pending.front();
    s_pending.pop_front();
    if (input.type == RawInput::Type::KeyState)
        s_keys[input.nCode] = input.bDown;
    else if (input.type == RawInput::Type::Mouse)
        RouteMouse(input);
    else if (input.type == RawInput::Type::Char)
        RouteChar(input);
    else
        RouteKey(input);
    return true;
}

bool CInputRouter::HasPending()
{
    return !s_pending.empty();
}

bool CInputRouter::IsClosingKey(HWND hTop, UINT nKey)
{
    const CWinApp* pApp = AfxGetApp();
    const CWnd* pMainWnd = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    return nKey == VK_ESCAPE && pMainWnd != nullptr && hTop != nullptr && hTop == pMainWnd->m_hWnd &&
           IsLiveWindow(hTop) && hTop->m_kind == WindowKind::Dialog && hTop->m_bEnabled;
}

bool CInputRouter::HasClosingKey()
{
    return std::any_of(s_pending.begin(), s_pending.end(), IsClosingKeyPress);
}

bool CInputRouter::TakeClosingKey(MSG* pMsg)
{
    const auto it = std::find_if(s_pending.begin(), s_pending.end(), IsClosingKeyPress);
    if (it == s_pending.end())
        return false;
    *pMsg = MSG{it->hTop, WM_KEYDOWN, it->nCode, 1, GetTickCount(), POINT{s_ptCursor.x, s_ptCursor.y}};
    s_pending.erase(it);
    return true;
}

void CInputRouter::Forget(HWND hTop)
{
    s_pending.erase(std::remove_if(s_pending.begin(), s_pending.end(),
                                   [hTop](const RawInput& input) { return input.hTop == hTop; }),
                    s_pending.end());
}

void CInputRouter::ForgetAll()
{
    s_pending.clear();
}

bool IsKeyDown(UINT nKey)
{
    return nKey < KEY_COUNT && s_keys[nKey];
}

} // namespace plat

short GetKeyState(int nVirtKey)
{
    return plat::IsKeyDown(static_cast<UINT>(nVirtKey)) ? static_cast<short>(-128) : 0;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
    *lpPoint = plat::s_ptCursor;
    return TRUE;
}
