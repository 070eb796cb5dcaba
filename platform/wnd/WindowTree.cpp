#include "platform/wnd/WindowTree.h"

#include <algorithm>
#include <unordered_set>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/msg/CMessageQueue.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/HMENU__.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"
#include "platform/gdi/gdidefs.h"

namespace plat {

namespace {

std::unordered_set<HWND> s_liveWindows;
std::vector<HWND> s_topLevels;
HWND s_hFocus = nullptr;
HWND s_hCapture = nullptr;
unsigned s_nNextSerial = 1;
unsigned s_nActivations = 0;

void DetachFromParent(HWND hWnd)
{
    if (hWnd->m_hParent != nullptr) {
        std::vector<HWND>& siblings = hWnd->m_hParent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hWnd), siblings.end());
    } else {
        s_topLevels.erase(std::remove(s_topLevels.begin(), s_topLevels.end(), hWnd), s_topLevels.end());
    }
}

HWND FindInvalidIn(HWND hWnd)
{
    if (!hWnd->m_bVisible)
        return nullptr;
    if (!hWnd->m_rectInvalid.IsRectEmpty())
        return hWnd;
    for (HWND hChild : hWnd->m_children) {
        if (HWND hFound = FindInvalidIn(hChild))
            return hFound;
    }
    return nullptr;
}

// True when hOwner owns top-level window hWnd, directly or through owned windows between.
bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND h = hWnd->m_hOwner; h != nullptr; h = h->m_hOwner) {
        if (h == hOwner)
            return true;
    }
    return false;
}

// True when hWnd belongs to hOwner through a chain of windows each kept above the next.
bool IsKeptAbove(HWND hWnd, HWND hOwner)
{
    for (HWND h = GetKeptAboveOwner(hWnd); h != nullptr; h = GetKeptAboveOwner(h)) {
        if (h == hOwner)
            return true;
    }
    return false;
}

bool IsCaptioned(HWND hWnd)
{
    return (hWnd->m_dwStyle & WS_CAPTION) == WS_CAPTION;
}

} // namespace

HWND CreateWindowHandle(const WindowParams& params)
{
    HWND hWnd = new HWND__;
    hWnd->m_kind = params.kind;
    hWnd->m_dwStyle = params.dwStyle;
    hWnd->m_nID = params.nID;
    hWnd->m_hParent = params.hParent;
    hWnd->m_hOwner = params.hParent == nullptr ? params.hOwner : nullptr;
    hWnd->m_rect = params.rect;
    hWnd->m_strText = params.strText;
    hWnd->m_bEnabled = (params.dwStyle & WS_DISABLED) == 0;
    hWnd->m_nSerial = s_nNextSerial++;
    s_liveWindows.insert(hWnd);
    if (params.hParent != nullptr) {
        params.hParent->m_children.push_back(hWnd);
    } else {
        s_topLevels.push_back(hWnd);
        hWnd->m_pSurface = std::make_unique<CSurface>(params.rect.Width(), params.rect.Height(),
                                                      ColorToPixel(COLOR_FACE));
        GetBackend().OnWindowCreated(hWnd);
    }
    return hWnd;
}

void DestroyWindowHandle(HWND hWnd)
{
    if (!IsLiveWindow(hWnd))
        return;
    hWnd->m_bDestroying = true;
    if (hWnd->m_hParent == nullptr && hWnd->m_bVisible)
        GetBackend().OnWindowShown(hWnd, false);
    hWnd->m_bVisible = false;

    std::vector<HWND> owned;
    for (HWND hTop : s_topLevels) {
        if (hTop->m_hOwner == hWnd)
            owned.push_back(hTop);
    }
    for (HWND hOwned : owned)
        DestroyWindowHandle(hOwned);

    CallWindowProcedure(hWnd, WM_DESTROY, 0, 0);
    std::vector<HWND> children = hWnd->m_children;
    for (HWND hChild : children)
        DestroyWindowHandle(hChild);

    if (s_hFocus == hWnd)
        s_hFocus = nullptr;
    if (s_hCapture == hWnd)
        s_hCapture = nullptr;
    for (HWND hTop : s_topLevels) {
        if (hTop->m_hFocusSaved == hWnd)
            hTop->m_hFocusSaved = nullptr;
    }
    DetachFromParent(hWnd);
    CMessageQueue::Get().RemoveMessagesFor(hWnd);
    if (hWnd->m_hParent == nullptr) {
        CInputRouter::Forget(hWnd);
        GetBackend().OnWindowDestroyed(hWnd);
    }
    s_liveWindows.erase(hWnd);
    CWnd::OnHandleDestroyed(hWnd);
    DestroyMenuHandle(hWnd->m_hSysMenu);
    // A menu bar no object owns goes with its window, as the framework does it.
    if (hWnd->m_hMenu != nullptr && !CMenu::HasPermanentObject(hWnd->m_hMenu))
        DestroyMenuHandle(hWnd->m_hMenu);
    delete hWnd;
}

bool IsLiveWindow(HWND hWnd)
{
    return hWnd != nullptr && s_liveWindows.count(hWnd) != 0 && !hWnd->m_bDestroying;
}

const std::vector<HWND>& GetTopLevelWindows()
{
    return s_topLevels;
}

HWND GetTopLevel(HWND hWnd)
{
    while (hWnd != nullptr && hWnd->m_hParent != nullptr)
        hWnd = hWnd->m_hParent;
    return hWnd;
}

bool IsTopLevel(HWND hWnd)
{
    return hWnd != nullptr && hWnd->m_hParent == nullptr;
}

bool IsSelfOrDescendant(HWND hAncestor, HWND h)
{
    for (; h != nullptr; h = h->m_hParent) {
        if (h == hAncestor)
            return true;
    }
    return false;
}

bool IsShownOnScreen(HWND hWnd)
{
    for (HWND h = hWnd; h != nullptr; h = h->m_hParent) {
        if (!h->m_bVisible)
            return false;
        if (h->m_hParent == nullptr && h->m_bIconic)
            return false;
    }
    return hWnd != nullptr;
}

bool IsEnabledInTree(HWND hWnd)
{
    for (HWND h = hWnd; h != nullptr; h = h->m_hParent) {
        if (!h->m_bEnabled)
            return false;
    }
    return hWnd != nullptr;
}

int GetMenuBarHeight(HWND hTop)
{
    return hTop != nullptr && hTop->m_hParent == nullptr && hTop->m_hMenu != nullptr ? MENU_BAR_HEIGHT : 0;
}

CRect GetClientArea(HWND hWnd)
{
    if (hWnd == nullptr)
        return CRect();
    int nHeight = hWnd->m_rect.Height() - GetMenuBarHeight(hWnd);
    return CRect(0, 0, hWnd->m_rect.Width(), std::max(nHeight, 0));
}

CPoint GetClientOrigin(HWND hWnd)
{
    CPoint origin(0, 0);
    for (HWND h = hWnd; h != nullptr; h = h->m_hParent) {
        if (h->m_hParent == nullptr)
            origin.y += GetMenuBarHeight(h);
        else
            origin.Offset(h->m_rect.left, h->m_rect.top);
    }
    return origin;
}

CPoint ClientToScreenPoint(HWND hWnd, CPoint point)
{
    HWND hTop = GetTopLevel(hWnd);
    if (hTop == nullptr)
        return point;
    CPoint origin = GetClientOrigin(hWnd);
    return CPoint(point.x + origin.x + hTop->m_rect.left, point.y + origin.y + hTop->m_rect.top);
}

CPoint ScreenToClientPoint(HWND hWnd, CPoint point)
{
    CPoint zero = ClientToScreenPoint(hWnd, CPoint(0, 0));
    return CPoint(point.x - zero.x, point.y - zero.y);
}

CRect GetScreenRect(HWND hWnd)
{
    if (hWnd == nullptr)
        return CRect();
    if (hWnd->m_hParent == nullptr)
        return hWnd->m_rect;
    CPoint topLeft = ClientToScreenPoint(hWnd->m_hParent, hWnd->m_rect.TopLeft());
    return CRect(topLeft, hWnd->m_rect.Size());
}

bool SetWindowRectangle(HWND hWnd, const CRect& rect)
{
    if (rect.TopLeft() != hWnd->m_rect.TopLeft())
        hWnd->m_bTemplatePlace = false;
    bool bSizeChanged = rect.Size() != hWnd->m_rect.Size();
    hWnd->m_rect = rect;
    if (hWnd->m_hParent == nullptr && bSizeChanged) {
        // The surface object stays the same, so contexts open on it stay valid.
        CSurface old = *hWnd->m_pSurface;
        hWnd->m_pSurface->Create(rect.Width(), rect.Height(), ColorToPixel(COLOR_FACE));
        hWnd->m_pSurface->Blit(0, 0, old, old.GetBounds());
    }
    return bSizeChanged;
}

void PlaceByTemplateAtFirstShow(HWND hWnd)
{
    if (!hWnd->m_bTemplatePlace)
        return;
    hWnd->m_bTemplatePlace = false;
    if (!IsLiveWindow(hWnd->m_hOwner))
        return;
    // The place is the window's outer corner: a window manager's frame goes there, and the
    // content inside it, so that a title bar never covers the owner's menu bar.
    const CRect rectMargins = GetBackend().GetFrameMargins(hWnd);
    const CPoint ptFrame = ClientToScreenPoint(hWnd->m_hOwner, hWnd->m_ptTemplatePlace);
    const CPoint ptTopLeft(ptFrame.x + rectMargins.left, ptFrame.y + rectMargins.top);
    SetWindowRectangle(hWnd, CRect(ptTopLeft, hWnd->m_rect.Size()));
}

CRect KeepMinTrackSize(HWND hWnd, const CRect& rect)
{
    if (!IsLiveWindow(hWnd) || hWnd->m_hParent != nullptr)
        return rect;
    MINMAXINFO info = {};
    CallWindowProcedure(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const int cx = std::max<int>(rect.Width(), info.ptMinTrackSize.x);
    const int cy = std::max<int>(rect.Height(), info.ptMinTrackSize.y);
    return CRect(rect.TopLeft(), CSize(cx, cy));
}

CRect MoveOntoScreen(const CRect& rect, const CRect& rectScreen)
{
    const int left = std::max<int>(rectScreen.left, std::min<int>(rect.left, rectScreen.right - rect.Width()));
    const int top = std::max<int>(rectScreen.top, std::min<int>(rect.top, rectScreen.bottom - rect.Height()));
    return CRect(CPoint(left, top), rect.Size());
}

CRect MoveFrameOntoScreen(const CRect& rect, const CRect& rectMargins, const CRect& rectScreen)
{
    const CRect rectFrame(rect.left - rectMargins.left, rect.top - rectMargins.top, rect.right + rectMargins.right,
                          rect.bottom + rectMargins.bottom);
    const CRect rectPlaced = MoveOntoScreen(rectFrame, rectScreen);
    return CRect(CPoint(rectPlaced.left + rectMargins.left, rectPlaced.top + rectMargins.top), rect.Size());
}

HWND GetKeptAboveOwner(HWND hWnd)
{
    if (!IsTopLevel(hWnd) || !IsLiveWindow(hWnd->m_hOwner) || (hWnd->m_dwStyle & WS_MINIMIZEBOX) != 0)
        return nullptr;
    return hWnd->m_hOwner;
}

HWND GetLastActivePopup(HWND hOwner)
{
    HWND hLast = hOwner;
    for (HWND hTop : s_topLevels) {
        if (hTop->m_nActivation > hLast->m_nActivation && hTop->m_bVisible && hTop->m_bEnabled && IsCaptioned(hTop) &&
            IsOwnedBy(hTop, hOwner))
            hLast = hTop;
    }
    return hLast;
}

HWND GetEnabledPopup(HWND hWnd)
{
    HWND hFound = nullptr;
    for (HWND hTop : s_topLevels) {
        if (hTop->m_bVisible && hTop->m_bEnabled && IsKeptAbove(hTop, hWnd) &&
            (hFound == nullptr || hTop->m_nSerial > hFound->m_nSerial))
            hFound = hTop;
    }
    return hFound;
}

HWND ChildFromPoint(HWND hWnd, CPoint point)
{
    for (auto it = hWnd->m_children.rbegin(); it != hWnd->m_children.rend(); ++it) {
        HWND hChild = *it;
        if (hChild->m_bVisible && hChild->m_rect.PtInRect(point)) {
            // Group boxes and static texts lie over or around other controls; the mouse
            // passes through them.
            if (hChild->m_kind == WindowKind::Static)
                continue;
            if (hChild->m_kind == WindowKind::Button && (hChild->m_dwStyle & BS_TYPEMASK) == BS_GROUPBOX)
                continue;
            return ChildFromPoint(hChild, CPoint(point.x - hChild->m_rect.left, point.y - hChild->m_rect.top));
        }
    }
    return hWnd;
}

void InvalidateWindow(HWND hWnd, const RECT* pRect, bool bErase)
{
    if (!IsLiveWindow(hWnd))
        return;
    CRect rectClient = GetClientArea(hWnd);
    CRect rect = pRect != nullptr ? CRect(*pRect) : rectClient;
    rect.IntersectRect(&rect, &rectClient);
    if (!rect.IsRectEmpty()) {
        hWnd->m_rectInvalid.UnionRect(&hWnd->m_rectInvalid, &rect);
        hWnd->m_bEraseInvalid = hWnd->m_bEraseInvalid || bErase;
    }
    if (hWnd->m_hParent == nullptr && pRect == nullptr && hWnd->m_hMenu != nullptr)
        hWnd->m_bMenuBarInvalid = true;
    for (HWND hChild : hWnd->m_children) {
        CRect rectChild;
        if (rectChild.IntersectRect(&hChild->m_rect, &rect)) {
            rectChild.OffsetRect(-hChild->m_rect.left, -hChild->m_rect.top);
            InvalidateWindow(hChild, pRect == nullptr ? nullptr : &rectChild);
        }
    }
}

void ValidateWindow(HWND hWnd)
{
    if (hWnd != nullptr) {
        hWnd->m_rectInvalid.SetRectEmpty();
        hWnd->m_bEraseInvalid = false;
    }
}

HWND FindWindowToPaint(HWND hFilter)
{
    if (hFilter != nullptr)
        return IsShownOnScreen(hFilter) ? FindInvalidIn(hFilter) : nullptr;
    for (HWND hTop : s_topLevels) {
        if (hTop->m_bIconic)
            continue;
        if (HWND hFound = FindInvalidIn(hTop))
            return hFound;
    }
    return nullptr;
}

bool AnyWindowToPaint()
{
    return FindWindowToPaint(nullptr) != nullptr;
}

HWND GetFocusWindow()
{
    return s_hFocus;
}

void SetFocusWindow(HWND hWnd)
{
    if (hWnd == s_hFocus)
        return;
    HWND hOld = s_hFocus;
    s_hFocus = hWnd;
    if (IsLiveWindow(hOld)) {
        CallWindowProcedure(hOld, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
        InvalidateWindow(hOld, nullptr);
    }
    if (IsLiveWindow(hWnd) && s_hFocus == hWnd) {
        HWND hTop = GetTopLevel(hWnd);
        hTop->m_hFocusSaved = hWnd;
        hTop->m_nActivation = ++s_nActivations;
        CallWindowProcedure(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(hOld), 0);
        InvalidateWindow(hWnd, nullptr);
    }
}

HWND GetCaptureWindow()
{
    return s_hCapture;
}

void SetCaptureWindow(HWND hWnd)
{
    if (hWnd == s_hCapture)
        return;
    HWND hOld = s_hCapture;
    s_hCapture = hWnd;
    if (IsLiveWindow(hOld))
        CallWindowProcedure(hOld, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
}

void CancelCapture()
{
    HWND hHolder = s_hCapture;
    if (!IsLiveWindow(hHolder))
        return;
    CallWindowProcedure(hHolder, WM_CANCELMODE, 0, 0);
    if (s_hCapture == hHolder)
        SetCaptureWindow(nullptr);
}

LRESULT CallWindowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == nullptr || s_liveWindows.count(hWnd) == 0)
        return 0;
    if (hWnd->m_pWnd != nullptr)
        return hWnd->m_pWnd->WindowProc(message, wParam, lParam);
    return DefaultWindowProc(hWnd, message, wParam, lParam);
}

} // namespace plat
