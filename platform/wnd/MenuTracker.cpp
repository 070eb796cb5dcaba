#include "platform/wnd/MenuTracker.h"

#include <algorithm>
#include <vector>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/icon.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CWindowDC.h"
#include "platform/wnd/ControlPaint.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/HMENU__.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/metrics.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

constexpr int POPUP_BORDER = 2;
constexpr int ACCELERATOR_GAP = 24;

struct PopupLevel {
    HMENU hMenu;
    HWND hPopup;
    int nHot;
};

struct TrackState {
    HWND hOwner = nullptr;
    bool bSystem = false;
    int nBarIndex = MENU_BAR_NOWHERE;
    std::vector<PopupLevel> levels;
    bool bDone = false;
    UINT nChosen = 0;
};

TrackState* s_pTrack = nullptr;

CSize MeasureText(const CString& strText)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    return dc.GetTextExtent(StripMnemonic(strText));
}

bool HasSystemIcon(HWND hTop)
{
    return (hTop->m_dwStyle & WS_SYSMENU) != 0;
}

// The menu bar's items in window content coordinates, system icon first when there is one.
std::vector<CRect> BarItemRects(HWND hTop)
{
    std::vector<CRect> rects;
    int x = HasSystemIcon(hTop) ? SYSMENU_ICON_WIDTH : 0;
    if (!IsLiveMenu(hTop->m_hMenu))
        return rects;
    for (const HMENU__::Item& item : hTop->m_hMenu->m_items) {
        int nWidth = MeasureText(item.strText).cx + 2 * MENU_BAR_ITEM_PADDING;
        rects.emplace_back(x, 0, x + nWidth, MENU_BAR_HEIGHT);
        x += nWidth;
    }
    return rects;
}

int ItemHeight(const HMENU__::Item& item)
{
    return (item.nFlags & MF_SEPARATOR) != 0 ? MENU_SEPARATOR_HEIGHT : MENU_ITEM_HEIGHT;
}

// The item rectangles of a popup in its client coordinates.
std::vector<CRect> PopupItemRects(HMENU hMenu, int nWidth)
{
    std::vector<CRect> rects;
    int y = POPUP_BORDER;
    for (const HMENU__::Item& item : hMenu->m_items) {
        rects.emplace_back(POPUP_BORDER, y, nWidth - POPUP_BORDER, y + ItemHeight(item));
        y += ItemHeight(item);
    }
    return rects;
}

CSize PopupSize(HMENU hMenu)
{
    int nWidth = 0;
    int nHeight = 2 * POPUP_BORDER;
    for (const HMENU__::Item& item : hMenu->m_items) {
        CString strText = item.strText;
        int nTab = strText.Find('\t');
        int nTextWidth = MeasureText(nTab >= 0 ? strText.Left(nTab) : strText).cx;
        if (nTab >= 0)
            nTextWidth += ACCELERATOR_GAP + MeasureText(strText.Mid(nTab + 1)).cx;
        nWidth = std::max(nWidth, nTextWidth);
        nHeight += ItemHeight(item);
    }
    return CSize(nWidth + MENU_TEXT_INDENT + MENU_ARROW_WIDTH + 2 * POPUP_BORDER, nHeight);
}

bool IsSelectable(const HMENU__::Item& item)
{
    return (item.nFlags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) == 0;
}

// Moves a popup's rectangle left or up as far as needed to lie within the screen.
CRect KeepOnScreen(CRect rect)
{
    CRect rectScreen = GetBackend().GetScreenRect();
    if (rect.right > rectScreen.right)
        rect.OffsetRect(std::max<int>(rectScreen.right - rect.right, rectScreen.left - rect.left), 0);
    if (rect.bottom > rectScreen.bottom)
        rect.OffsetRect(0, std::max<int>(rectScreen.bottom - rect.bottom, rectScreen.top - rect.top));
    return rect;
}

void OpenLevel(HMENU hMenu, CPoint ptScreen)
{
    WindowParams params;
    params.kind = WindowKind::MenuPopup;
    params.dwStyle = WS_POPUP;
    params.hOwner = s_pTrack->hOwner;
    params.rect = KeepOnScreen(CRect(ptScreen, PopupSize(hMenu)));
    HWND hPopup = CreateWindowHandle(params);
    s_pTrack->levels.push_back(PopupLevel{hMenu, hPopup, -1});
    ShowWindowHandle(hPopup, SW_SHOW);
}

void CloseLevelsFrom(size_t nLevel)
{
    while (s_pTrack->levels.size() > nLevel) {
        HWND hPopup = s_pTrack->levels.back().hPopup;
        s_pTrack->levels.pop_back();
        DestroyWindowHandle(hPopup);
    }
}

PopupLevel* LevelOf(HWND hPopup, size_t* pnIndex)
{
    if (s_pTrack == nullptr)
        return nullptr;
    for (size_t i = 0; i < s_pTrack->levels.size(); ++i) {
        if (s_pTrack->levels[i].hPopup == hPopup) {
            if (pnIndex != nullptr)
                *pnIndex = i;
            return &s_pTrack->levels[i];
        }
    }
    return nullptr;
}

void Finish(UINT nChosen)
{
    // The first outcome stands: releasing the capture afterwards must not cancel a choice.
    if (s_pTrack->bDone)
        return;
    s_pTrack->bDone = true;
    s_pTrack->nChosen = nChosen;
}

// Opens the hot item's sub-menu, or chooses it when it is a command.
void Activate(size_t nLevel)
{
    PopupLevel& level = s_pTrack->levels[nLevel];
    if (level.nHot < 0)
        return;
    const HMENU__::Item& item = level.hMenu->m_items[level.nHot];
    if (!IsSelectable(item))
        return;
    if (item.hSubMenu == nullptr) {
        Finish(item.nID);
        return;
    }
    CloseLevelsFrom(nLevel + 1);
    CRect rectItem = PopupItemRects(level.hMenu, level.hPopup->m_rect.Width())[level.nHot];
    OpenLevel(item.hSubMenu, CPoint(level.hPopup->m_rect.right - POPUP_BORDER, level.hPopup->m_rect.top + rectItem.top));
}

void SetHot(size_t nLevel, int nHot)
{
    PopupLevel& level = s_pTrack->levels[nLevel];
    if (level.nHot == nHot)
        return;
    level.nHot = nHot;
    InvalidateWindow(level.hPopup, nullptr);
}

// The level and item under a screen point; false when the point is over no popup.
bool HitTest(CPoint ptScreen, size_t* pnLevel, int* pnItem)
{
    for (size_t i = s_pTrack->levels.size(); i-- > 0;) {
        const PopupLevel& level = s_pTrack->levels[i];
        if (!level.hPopup->m_rect.PtInRect(ptScreen))
            continue;
        CPoint ptLocal(ptScreen.x - level.hPopup->m_rect.left, ptScreen.y - level.hPopup->m_rect.top);
        std::vector<CRect> rects = PopupItemRects(level.hMenu, level.hPopup->m_rect.Width());
        *pnLevel = i;
        *pnItem = -1;
        for (size_t n = 0; n < rects.size(); ++n) {
            if (rects[n].PtInRect(ptLocal))
                *pnItem = static_cast<int>(n);
        }
        return true;
    }
    return false;
}

void MoveHot(size_t nLevel, int nStep)
{
    PopupLevel& level = s_pTrack->levels[nLevel];
    int nCount = static_cast<int>(level.hMenu->m_items.size());
    int nHot = level.nHot;
    for (int i = 0; i < nCount; ++i) {
        nHot = nHot < 0 ? (nStep > 0 ? 0 : nCount - 1) : (nHot + nStep + nCount) % nCount;
        if ((level.hMenu->m_items[nHot].nFlags & MF_SEPARATOR) == 0) {
            SetHot(nLevel, nHot);
            return;
        }
    }
}

void OnKey(UINT nKey)
{
    size_t nLevel = s_pTrack->levels.size() - 1;
    switch (nKey) {
    case VK_ESCAPE:
    case VK_LEFT:
        if (nLevel == 0) {
            if (nKey == VK_ESCAPE)
                Finish(0);
        } else {
            CloseLevelsFrom(nLevel);
        }
        return;
    case VK_UP:
        MoveHot(nLevel, -1);
        return;
    case VK_DOWN:
        MoveHot(nLevel, 1);
        return;
    case VK_RIGHT:
    case VK_RETURN:
        Activate(nLevel);
        return;
    default:
        break;
    }
    if (nKey < 'A' || nKey > 'Z')
        return;
    const std::vector<HMENU__::Item>& items = s_pTrack->levels[nLevel].hMenu->m_items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (GetMnemonic(items[i].strText) == static_cast<char>(nKey - 'A' + 'a')) {
            SetHot(nLevel, static_cast<int>(i));
            Activate(nLevel);
            return;
        }
    }
}

void OnMouse(HWND hPopup, UINT message, LPARAM lParam)
{
    CPoint ptLocal = PointFromLParam(lParam);
    CPoint ptScreen = ClientToScreenPoint(hPopup, ptLocal);
    size_t nLevel = 0;
    int nItem = -1;
    if (!HitTest(ptScreen, &nLevel, &nItem)) {
        if (message == WM_LBUTTONDOWN)
            Finish(0);
        return;
    }
    if (message == WM_MOUSEMOVE) {
        SetHot(nLevel, nItem);
        if (nItem >= 0 && s_pTrack->levels[nLevel].hMenu->m_items[nItem].hSubMenu != nullptr)
            Activate(nLevel);
        return;
    }
    if (message == WM_LBUTTONUP && nItem >= 0) {
        SetHot(nLevel, nItem);
        Activate(nLevel);
    }
}

void PaintPopup(HWND hPopup)
{
    CPaintDC dc(hPopup);
    CRect rect = GetClientArea(hPopup);
    dc.FillSolidRect(&rect, COLOR_FACE);
    DrawButtonEdge(dc, rect, false);
    const PopupLevel* pLevel = LevelOf(hPopup, nullptr);
    if (pLevel == nullptr)
        return;
    std::vector<CRect> rects = PopupItemRects(pLevel->hMenu, rect.Width());
    for (size_t i = 0; i < rects.size(); ++i) {
        const HMENU__::Item& item = pLevel->hMenu->m_items[i];
        CRect rectItem = rects[i];
        if ((item.nFlags & MF_SEPARATOR) != 0) {
            int y = rectItem.CenterPoint().y;
            dc.FillSolidRect(rectItem.left + 1, y - 1, rectItem.Width() - 2, 1, COLOR_SHADOW);
            dc.FillSolidRect(rectItem.left + 1, y, rectItem.Width() - 2, 1, COLOR_HIGHLIGHT_EDGE);
            continue;
        }
        bool bHot = static_cast<int>(i) == pLevel->nHot;
        COLORREF clrBack = bHot ? COLOR_SELECTION : COLOR_FACE;
        COLORREF clrText = !IsSelectable(item) ? COLOR_GRAY_TEXT : bHot ? COLOR_SELECTION_TEXT : COLOR_TEXT;
        dc.FillSolidRect(&rectItem, clrBack);
        dc.SetBkColor(clrBack);
        dc.SetTextColor(clrText);
        if ((item.nFlags & MF_CHECKED) != 0)
            DrawCheckMark(dc, CRect(rectItem.left, rectItem.top, rectItem.left + MENU_TEXT_INDENT, rectItem.bottom), clrText);
        CRect rectText(rectItem.left + MENU_TEXT_INDENT, rectItem.top, rectItem.right - MENU_ARROW_WIDTH, rectItem.bottom);
        int nTab = item.strText.Find('\t');
        dc.DrawText(nTab >= 0 ? item.strText.Left(nTab) : item.strText, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (nTab >= 0)
            dc.DrawText(item.strText.Mid(nTab + 1), &rectText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (item.hSubMenu != nullptr)
            DrawArrow(dc, CRect(rectItem.right - MENU_ARROW_WIDTH, rectItem.top, rectItem.right, rectItem.bottom),
                      ArrowDirection::Right, clrText);
    }
}

void DrawSmallIcon(CDC& dc, HICON hIcon, const CRect& rect)
{
    const CSurface* pIcon = GetIconSurface(hIcon);
    if (pIcon == nullptr || pIcon->IsEmpty())
        return;
    int nSize = SMALL_ICON_SIZE;
    int x0 = rect.left + (rect.Width() - nSize) / 2;
    int y0 = rect.top + (rect.Height() - nSize) / 2;
    if (pIcon->GetWidth() <= nSize) {
        dc.DrawIcon(x0, y0, hIcon);
        return;
    }
    for (int y = 0; y < nSize; ++y) {
        for (int x = 0; x < nSize; ++x) {
            uint32_t pixel = pIcon->GetPixel(x * pIcon->GetWidth() / nSize, y * pIcon->GetHeight() / nSize);
            dc.SetPixel(x0 + x, y0 + y, PixelToColor(pixel));
        }
    }
}

} // namespace

void DrawMenuBarOnSurface(HWND hTop)
{
    CWindowDC dc(hTop);
    CRect rectBar(0, 0, hTop->m_rect.Width(), MENU_BAR_HEIGHT);
    dc.FillSolidRect(&rectBar, COLOR_FACE);
    dc.FillSolidRect(0, MENU_BAR_HEIGHT - 1, rectBar.Width(), 1, COLOR_SHADOW);
    if (HasSystemIcon(hTop)) {
        HICON hIcon = hTop->m_hIconSmall != nullptr ? hTop->m_hIconSmall : hTop->m_hIconBig;
        CRect rectIcon(0, 0, SYSMENU_ICON_WIDTH, MENU_BAR_HEIGHT - 1);
        if (hIcon != nullptr)
            DrawSmallIcon(dc, hIcon, rectIcon);
        else
            dc.Draw3dRect(CRect(4, 4, SYSMENU_ICON_WIDTH - 4, MENU_BAR_HEIGHT - 5), COLOR_HIGHLIGHT_EDGE, COLOR_SHADOW);
    }
    std::vector<CRect> rects = BarItemRects(hTop);
    bool bTrackingHere = s_pTrack != nullptr && s_pTrack->hOwner == hTop && !s_pTrack->bSystem;
    for (size_t i = 0; i < rects.size(); ++i) {
        const HMENU__::Item& item = hTop->m_hMenu->m_items[i];
        bool bOpen = bTrackingHere && s_pTrack->nBarIndex == static_cast<int>(i);
        if (bOpen)
            DrawButtonEdge(dc, rects[i], true);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(IsSelectable(item) ? COLOR_TEXT : COLOR_GRAY_TEXT);
        CRect rectText = rects[i];
        dc.DrawText(item.strText, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

int MenuBarHitTest(HWND hTop, CPoint ptContent)
{
    if (ptContent.y < 0 || ptContent.y >= GetMenuBarHeight(hTop))
        return MENU_BAR_NOWHERE;
    if (HasSystemIcon(hTop) && ptContent.x >= 0 && ptContent.x < SYSMENU_ICON_WIDTH)
        return MENU_BAR_SYSTEM_ICON;
    std::vector<CRect> rects = BarItemRects(hTop);
    for (size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].PtInRect(ptContent))
            return static_cast<int>(i);
    }
    return MENU_BAR_NOWHERE;
}

int FindMenuBarMnemonic(HWND hTop, char chMnemonic)
{
    if (!IsLiveMenu(hTop->m_hMenu))
        return MENU_BAR_NOWHERE;
    const std::vector<HMENU__::Item>& items = hTop->m_hMenu->m_items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (GetMnemonic(items[i].strText) == chMnemonic)
            return static_cast<int>(i);
    }
    return MENU_BAR_NOWHERE;
}

bool IsTrackingMenu()
{
    return s_pTrack != nullptr;
}

HWND MenuKeyTarget()
{
    return s_pTrack != nullptr && !s_pTrack->levels.empty() ? s_pTrack->levels.front().hPopup : nullptr;
}

namespace {

// The menu that opening item nIndex of the bar shows, and where (screen coordinates); a
// plain command on the bar itself is posted at once and gives nullptr.
HMENU MenuToTrack(HWND hTop, int nIndex, CPoint* pptScreen)
{
    *pptScreen = CPoint(hTop->m_rect.left, hTop->m_rect.top + GetMenuBarHeight(hTop));
    if (nIndex == MENU_BAR_SYSTEM_ICON) {
        if (hTop->m_hSysMenu == nullptr)
            hTop->m_hSysMenu = CreateSystemMenu();
        return hTop->m_hSysMenu;
    }
    if (!IsLiveMenu(hTop->m_hMenu) || nIndex < 0 || nIndex >= static_cast<int>(hTop->m_hMenu->m_items.size()))
        return nullptr;
    const HMENU__::Item& item = hTop->m_hMenu->m_items[nIndex];
    if (!IsSelectable(item))
        return nullptr;
    if (item.hSubMenu == nullptr) {
        PostMessage(hTop, WM_COMMAND, MAKEWPARAM(item.nID, 0), 0);
        return nullptr;
    }
    pptScreen->x += BarItemRects(hTop)[nIndex].left;
    return item.hSubMenu;
}

// Dispatches messages until the tracked menu is done or its window is gone.
void RunTrackingLoop(const TrackState& track)
{
    while (!track.bDone && IsLiveWindow(track.hOwner) && !track.levels.empty() &&
           IsLiveWindow(track.levels.front().hPopup)) {
        MSG msg;
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ::DispatchMessage(&msg);
    }
}

} // namespace

void TrackMenuBar(HWND hTop, int nIndex)
{
    if (s_pTrack != nullptr || !IsLiveWindow(hTop))
        return;
    CPoint ptScreen;
    HMENU hMenu = MenuToTrack(hTop, nIndex, &ptScreen);
    if (hMenu == nullptr)
        return;

    TrackState track;
    track.hOwner = hTop;
    track.bSystem = nIndex == MENU_BAR_SYSTEM_ICON;
    track.nBarIndex = nIndex;
    s_pTrack = &track;
    hTop->m_bMenuBarInvalid = true;
    PaintNonClient(hTop);
    OpenLevel(hMenu, ptScreen);
    HWND hPopup = track.levels.front().hPopup;
    HWND hCaptureBefore = GetCaptureWindow();
    SetCaptureWindow(hPopup);
    RunTrackingLoop(track);
    if (GetCaptureWindow() == hPopup)
        SetCaptureWindow(IsLiveWindow(hCaptureBefore) ? hCaptureBefore : nullptr);
    CloseLevelsFrom(0);
    s_pTrack = nullptr;
    if (!IsLiveWindow(hTop))
        return;
    hTop->m_bMenuBarInvalid = true;
    PaintNonClient(hTop);
    if (track.nChosen != 0)
        PostMessage(hTop, track.bSystem ? WM_SYSCOMMAND : WM_COMMAND,
                    track.bSystem ? track.nChosen : MAKEWPARAM(track.nChosen, 0), 0);
}

LRESULT MenuPopupProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintPopup(hWnd);
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (s_pTrack != nullptr && !s_pTrack->bDone)
            OnMouse(hWnd, message, lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (s_pTrack != nullptr && !s_pTrack->bDone && !s_pTrack->levels.empty())
            OnKey(static_cast<UINT>(wParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (s_pTrack != nullptr && LevelOf(reinterpret_cast<HWND>(lParam), nullptr) == nullptr)
            Finish(0);
        return 0;
    default:
        return 0;
    }
}

} // namespace plat
