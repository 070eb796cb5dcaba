#include "platform/backend/CSdlBackend.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/icon.h"
#include "platform/msg/messages.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/SessionEnd.h"
#include "platform/wnd/WindowTree.h"
#include "platform/wnd/WindowHandle.h"
#include "platform/wnd/styles.h"

namespace plat {

namespace {

// What the screen is taken to be when the display does not say.
constexpr int FALLBACK_SCREEN_WIDTH = 1024;
constexpr int FALLBACK_SCREEN_HEIGHT = 768;

constexpr long long MICROSECONDS_PER_SECOND = 1000000;

// SDL's video drivers that open no display, and the environment variables that name the
// displays the others open.
const char* const DISPLAYLESS_DRIVERS[] = {"offscreen", "dummy", "evdev"};
const char* const DISPLAY_VARIABLES[] = {"DISPLAY", "WAYLAND_DISPLAY"};

// How many waiting window events and key presses are looked through for a close box or a
// key that ends the program; one behind more than these is found at the next look.
constexpr int PEEKED_EVENTS = 64;

// Keys that map one to one onto virtual key codes.
struct KeyMapping {
    SDL_Keycode sdlKey;
    UINT nKey;
};

const KeyMapping s_keyMap[] = {
    {SDLK_RETURN, VK_RETURN},   {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_TAB, VK_TAB},         {SDLK_SPACE, VK_SPACE},     {SDLK_BACKSPACE, VK_BACK},
    {SDLK_DELETE, VK_DELETE},   {SDLK_LEFT, VK_LEFT},       {SDLK_RIGHT, VK_RIGHT},
    {SDLK_UP, VK_UP},           {SDLK_DOWN, VK_DOWN},       {SDLK_HOME, VK_HOME},
    {SDLK_END, VK_END},         {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},
    {SDLK_F1, VK_F1},           {SDLK_F4, VK_F4},
};

UINT VirtualKey(SDL_Keycode sdlKey)
{
    if (sdlKey >= SDLK_a && sdlKey <= SDLK_z)
        return static_cast<UINT>('A' + (sdlKey - SDLK_a));
    if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)
        return static_cast<UINT>('0' + (sdlKey - SDLK_0));
    for (const KeyMapping& mapping : s_keyMap) {
        if (mapping.sdlKey == sdlKey)
            return mapping.nKey;
    }
    return 0;
}

// Feeds each code point of UTF-8 text to the router as a character.
void QueueText(HWND hTop, const char* szText)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(szText);
    while (*p != 0) {
        UINT nChar = *p;
        int nMore = nChar >= 0xF0 ? 3 : nChar >= 0xE0 ? 2 : nChar >= 0xC0 ? 1 : 0;
        if (nMore > 0)
            nChar &= 0x3Fu >> nMore;
        ++p;
        for (int i = 0; i < nMore && (*p & 0xC0) == 0x80; ++i, ++p)
            nChar = (nChar << 6) | (*p & 0x3F);
        CInputRouter::QueueChar(hTop, nChar);
    }
}

bool IsBorderless(HWND hWnd)
{
    return (hWnd->m_dwStyle & WS_CAPTION) != WS_CAPTION;
}

bool IsSizable(HWND hWnd)
{
    return (hWnd->m_dwStyle & WS_THICKFRAME) != 0;
}

} // namespace

CSdlBackend::~CSdlBackend()
{
    for (auto& entry : m_windows) {
        if (entry.second != nullptr)
            SDL_DestroyWindow(entry.second);
    }
    if (!m_bInitialised)
        return;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    // The last subsystem out also frees what SDL set up for all of them (its D-Bus link).
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

bool CSdlBackend::Initialise()
{
    // Left to itself, SDL 2 on Linux creates a hidden OpenGL window and context at the first
    // window surface to decide whether to back surfaces with a texture, which loads the whole
    // GL driver stack. Overriding the hint keeps the plain surface whatever the environment
    // says; no renderer is ever created, so nothing else loads GL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
    // SDL keeps the screen saver off by default, and wakes every half minute to do so.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // A click that activates a window is meant for what lies under it (a menu, a card, a
    // button); SDL would drop a press that comes with the window manager's focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    m_bInitialised = true;
    const char* szAskedFor = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (szAskedFor == nullptr || *szAskedFor == '\0') {
        for (const char* szDriver : DISPLAYLESS_DRIVERS) {
            if (SDL_strcasecmp(SDL_GetCurrentVideoDriver(), szDriver) == 0)
                return false;
        }
    }
    SDL_StartTextInput();
    return true;
}

std::string CSdlBackend::GetFailureText() const
{
    std::string strDisplays;
    for (const char* szVariable : DISPLAY_VARIABLES) {
        const char* szDisplay = std::getenv(szVariable);
        if (szDisplay == nullptr || *szDisplay == '\0')
            continue;
        if (!strDisplays.empty())
            strDisplays += " or ";
        strDisplays += std::string("\"") + szDisplay + "\" (" + szVariable + ")";
    }
    if (strDisplays.empty())
        return "No display to open: neither DISPLAY nor WAYLAND_DISPLAY names one.";
    return "Cannot open the display " + strDisplays +
           ": no display server there accepted a connection from this program.";
}

SDL_Window* CSdlBackend::WindowOf(HWND hWnd) const
{
    auto it = m_windows.find(hWnd);
    return it != m_windows.end() ? it->second : nullptr;
}

HWND CSdlBackend::HandleOf(unsigned nWindowID) const
{
    SDL_Window* pWindow = SDL_GetWindowFromID(nWindowID);
    for (const auto& entry : m_windows) {
        if (entry.second == pWindow && pWindow != nullptr)
            return entry.first;
    }
    return nullptr;
}

void CSdlBackend::OnWindowCreated(HWND hWnd)
{
    m_windows[hWnd] = nullptr;
}

SDL_Window* CSdlBackend::Realise(HWND hWnd)
{
    SDL_Window*& pWindow = m_windows[hWnd];
    if (pWindow != nullptr)
        return pWindow;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (IsBorderless(hWnd))
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
    else if ((hWnd->m_dwStyle & WS_THICKFRAME) != 0)
        flags |= SDL_WINDOW_RESIZABLE;
    // A window manager puts a new window's frame where the window is asked to be; asking for
    // the place of the frame it drew for the windows before puts the content where it belongs.
    const CRect rectFrame = GetFrameMargins(hWnd);
    pWindow = SDL_CreateWindow(hWnd->m_strText, hWnd->m_rect.left - rectFrame.left, hWnd->m_rect.top - rectFrame.top,
                               std::max<int>(hWnd->m_rect.Width(), 1), std::max<int>(hWnd->m_rect.Height(), 1), flags);
    if (pWindow == nullptr)
        return nullptr;
    // Marked before it is first shown, so that the manager keeps it above its owner from the
    // start.
    SDL_Window* pOwner = WindowOf(GetKeptAboveOwner(hWnd));
    if (pOwner != nullptr && !IsBorderless(hWnd))
        SDL_SetWindowModalFor(pWindow, pOwner);
    OnWindowTextChanged(hWnd);
    // The window manager stops a person's resize at the window's own minimum, rather than
    // letting the frame shrink and the window spring back.
    const CRect rectMin = KeepMinTrackSize(hWnd, CRect(0, 0, 1, 1));
    SDL_SetWindowMinimumSize(pWindow, rectMin.Width(), rectMin.Height());
    return pWindow;
}

void CSdlBackend::OnWindowDestroyed(HWND hWnd)
{
    auto it = m_windows.find(hWnd);
    if (it == m_windows.end())
        return;
    SDL_Window* pWindow = it->second;
    m_windows.erase(it);
    if (pWindow == nullptr)
        return;
    const bool bHeldKeyboard = HoldsKeyboard(pWindow);
    SDL_DestroyWindow(pWindow);
    if (bHeldKeyboard)
        GiveKeyboardToOwner(hWnd);
}

void CSdlBackend::OnWindowShown(HWND hWnd, bool bShow)
{
    SDL_Window* pWindow = bShow ? Realise(hWnd) : WindowOf(hWnd);
    if (pWindow == nullptr)
        return;
    if (!bShow) {
        const bool bHeldKeyboard = HoldsKeyboard(pWindow);
        SDL_HideWindow(pWindow);
        if (bHeldKeyboard)
            GiveKeyboardToOwner(hWnd);
        return;
    }
    SDL_ShowWindow(pWindow);
    if (!IsBorderless(hWnd))
        SDL_RaiseWindow(pWindow);
    Present(hWnd, hWnd->m_pSurface->GetBounds());
}

bool CSdlBackend::HoldsKeyboard(SDL_Window* pWindow) const
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(pWindow, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
        Window focus = 0;
        int nRevertTo = 0;
        XGetInputFocus(info.info.x11.display, &focus, &nRevertTo);
        return focus == info.info.x11.window;
    }
#endif
    return SDL_GetKeyboardFocus() == pWindow;
}

void CSdlBackend::GiveKeyboardToOwner(HWND hWnd)
{
    for (HWND hOwner = hWnd->m_hOwner; IsLiveWindow(hOwner); hOwner = hOwner->m_hOwner) {
        SDL_Window* pOwner = WindowOf(hOwner);
        if (pOwner != nullptr && hOwner->m_bVisible && !hOwner->m_bIconic) {
            SDL_SetWindowInputFocus(pOwner);
            return;
        }
    }
}

void CSdlBackend::OnWindowIconic(HWND hWnd, bool bIconic)
{
    if (SDL_Window* pWindow = WindowOf(hWnd))
        bIconic ? SDL_MinimizeWindow(pWindow) : SDL_RestoreWindow(pWindow);
}

void CSdlBackend::OnWindowMoved(HWND hWnd)
{
    SDL_Window* pWindow = WindowOf(hWnd);
    if (pWindow == nullptr)
        return;
    SDL_SetWindowPosition(pWindow, hWnd->m_rect.left, hWnd->m_rect.top);
    SDL_SetWindowSize(pWindow, std::max<int>(hWnd->m_rect.Width(), 1), std::max<int>(hWnd->m_rect.Height(), 1));
}

void CSdlBackend::OnWindowTextChanged(HWND hWnd)
{
    SDL_Window* pWindow = WindowOf(hWnd);
    if (pWindow == nullptr)
        return;
    SDL_SetWindowTitle(pWindow, hWnd->m_strText);
    const CSurface* pIcon = GetIconSurface(hWnd->m_hIconBig != nullptr ? hWnd->m_hIconBig : hWnd->m_hIconSmall);
    if (pIcon == nullptr || pIcon->IsEmpty())
        return;
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(pIcon->GetPixels()), pIcon->GetWidth(), pIcon->GetHeight(), 32, pIcon->GetPitch(),
        SDL_PIXELFORMAT_RGB888);
    if (pSurface != nullptr) {
        SDL_SetWindowIcon(pWindow, pSurface);
        SDL_FreeSurface(pSurface);
    }
}

void CSdlBackend::Present(HWND hWnd, const CRect& rectSurface)
{
    SDL_Window* pWindow = WindowOf(hWnd);
    if (pWindow == nullptr || !hWnd->m_pSurface)
        return;
    SDL_Surface* pTarget = SDL_GetWindowSurface(pWindow);
    if (pTarget == nullptr)
        return;
    const CSurface& source = *hWnd->m_pSurface;
    CRect rect;
    CRect rectTarget(0, 0, std::min(pTarget->w, source.GetWidth()), std::min(pTarget->h, source.GetHeight()));
    if (!rect.IntersectRect(&rectSurface, &rectTarget))
        return;
    SDL_LockSurface(pTarget);
    uint8_t* pDest = static_cast<uint8_t*>(pTarget->pixels) + rect.top * pTarget->pitch +
                     rect.left * pTarget->format->BytesPerPixel;
    SDL_ConvertPixels(rect.Width(), rect.Height(), SDL_PIXELFORMAT_RGB888, source.GetRow(rect.top) + rect.left,
                      source.GetPitch(), pTarget->format->format, pDest, pTarget->pitch);
    SDL_UnlockSurface(pTarget);
    SDL_Rect update = {rect.left, rect.top, rect.Width(), rect.Height()};
    if (SDL_UpdateWindowSurfaceRects(pWindow, &update, 1) == 0)
        NoteFramePresented();
}

void CSdlBackend::NoteFramePresented()
{
    if (m_bFramePresented)
        return;
    m_bFramePresented = true;
    const char* szPath = std::getenv(FIRST_FRAME_FILE_VARIABLE);
    if (szPath == nullptr || *szPath == '\0')
        return;
    const auto microseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
    if (std::FILE* pFile = std::fopen(szPath, "w")) {
        std::fprintf(pFile, "%lld.%06lld\n", microseconds / MICROSECONDS_PER_SECOND,
                     microseconds % MICROSECONDS_PER_SECOND);
        std::fclose(pFile);
    }
}

bool CSdlBackend::PumpEvents()
{
    SDL_Event event;
    bool bAny = false;
    while (SDL_PollEvent(&event) != 0) {
        HandleEvent(event);
        bAny = true;
    }
    return bAny;
}

int CSdlBackend::GetEventFd()
{
    if (m_nEventFd >= 0)
        return m_nEventFd;
    // Every window shares the one display connection; any realised window names it.
    for (const auto& entry : m_windows) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (entry.second == nullptr || SDL_GetWindowWMInfo(entry.second, &info) != SDL_TRUE)
            continue;
#if defined(SDL_VIDEO_DRIVER_X11)
        if (info.subsystem == SDL_SYSWM_X11)
            m_nEventFd = ConnectionNumber(info.info.x11.display);
#endif
        break;
    }
    return m_nEventFd;
}

bool CSdlBackend::ServeWindowSystem()
{
    SDL_PumpEvents();
    if (SDL_HasEvent(SDL_QUIT) == SDL_TRUE)
        return true;
    // Window events and key presses lie next to each other in SDL's numbering.
    SDL_Event events[PEEKED_EVENTS];
    const int nCount = SDL_PeepEvents(events, PEEKED_EVENTS, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_KEYDOWN);
    for (int i = 0; i < nCount; i++) {
        const SDL_Event& event = events[i];
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)
            return true;
        if (event.type == SDL_KEYDOWN &&
            CInputRouter::IsClosingKey(HandleOf(event.key.windowID), VirtualKey(event.key.keysym.sym)))
            return true;
    }
    return false;
}

bool CSdlBackend::HasHeldEvents()
{
    return SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) == SDL_TRUE;
}

bool CSdlBackend::IsModifierHeld(UINT nKey)
{
    const SDL_Keymod mods = SDL_GetModState();
    switch (nKey) {
    case VK_SHIFT:
        return (mods & KMOD_SHIFT) != 0;
    case VK_CONTROL:
        return (mods & KMOD_CTRL) != 0;
    case VK_MENU:
        return (mods & KMOD_ALT) != 0;
    default:
        return false;
    }
}

void CSdlBackend::HandleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        HandleMouseEvent(event);
        return;
    case SDL_MOUSEWHEEL: {
        HWND hWnd = HandleOf(event.wheel.windowID);
        POINT pt;
        GetCursorPos(&pt);
        if (hWnd != nullptr)
            CInputRouter::QueueMouse(hWnd, MouseAction::Wheel, CPoint(pt), event.wheel.y * WHEEL_DELTA);
        return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        HWND hWnd = HandleOf(event.key.windowID);
        UINT nKey = VirtualKey(event.key.keysym.sym);
        if (hWnd != nullptr && nKey != 0)
            CInputRouter::QueueKey(hWnd, nKey, event.type == SDL_KEYDOWN);
        return;
    }
    case SDL_TEXTINPUT:
        if (HWND hWnd = HandleOf(event.text.windowID))
            QueueText(hWnd, event.text.text);
        return;
    case SDL_WINDOWEVENT:
        if (HWND hWnd = HandleOf(event.window.windowID))
            HandleWindowEvent(event, hWnd);
        return;
    case SDL_QUIT:
        // The window system (or a signal SDL caught itself) asks the program to end.
        RequestEndSession();
        return;
    default:
        return;
    }
}

void CSdlBackend::HandleMouseEvent(const SDL_Event& event)
{
    bool bMotion = event.type == SDL_MOUSEMOTION;
    HWND hWnd = HandleOf(bMotion ? event.motion.windowID : event.button.windowID);
    if (hWnd == nullptr)
        return;
    MouseAction action = MouseAction::Move;
    if (!bMotion) {
        bool bDown = event.type == SDL_MOUSEBUTTONDOWN;
        if (event.button.button == SDL_BUTTON_LEFT)
            action = bDown ? MouseAction::LeftDown : MouseAction::LeftUp;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            action = bDown ? MouseAction::RightDown : MouseAction::RightUp;
        else
            return;
    }
    int x = bMotion ? event.motion.x : event.button.x;
    int y = bMotion ? event.motion.y : event.button.y;
    CInputRouter::QueueMouse(hWnd, action, CPoint(hWnd->m_rect.left + x, hWnd->m_rect.top + y));
}

void CSdlBackend::LearnFrame(HWND hWnd)
{
    SDL_Window* pWindow = WindowOf(hWnd);
    int nTop = 0;
    int nLeft = 0;
    int nBottom = 0;
    int nRight = 0;
    if (pWindow == nullptr || IsBorderless(hWnd) ||
        SDL_GetWindowBordersSize(pWindow, &nTop, &nLeft, &nBottom, &nRight) != 0)
        return;
    const CRect rectFrame(nLeft, nTop, nRight, nBottom);
    if (!rectFrame.IsRectNull())
        (IsSizable(hWnd) ? m_rectSizableFrame : m_rectFixedFrame) = rectFrame;
}

CRect CSdlBackend::GetFrameMargins(HWND hWnd) const
{
    if (IsBorderless(hWnd))
        return CRect();
    const CRect& rectKind = IsSizable(hWnd) ? m_rectSizableFrame : m_rectFixedFrame;
    const CRect& rectOther = IsSizable(hWnd) ? m_rectFixedFrame : m_rectSizableFrame;
    return rectKind.IsRectNull() ? rectOther : rectKind;
}

void CSdlBackend::HandleWindowEvent(const SDL_Event& event, HWND hWnd)
{
    // The manager's frame is known once it has shown or moved the window.
    if (event.window.event == SDL_WINDOWEVENT_SHOWN || event.window.event == SDL_WINDOWEVENT_MOVED)
        LearnFrame(hWnd);
    switch (event.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        CInputRouter::OnCloseBox(hWnd);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        CInputRouter::OnResized(hWnd, CSize(event.window.data1, event.window.data2));
        break;
    case SDL_WINDOWEVENT_MOVED:
        CInputRouter::OnMoved(hWnd, CPoint(event.window.data1, event.window.data2));
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        CInputRouter::OnMinimised(hWnd, true);
        break;
    case SDL_WINDOWEVENT_RESTORED:
        CInputRouter::OnMinimised(hWnd, false);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        CInputRouter::OnExposed(hWnd);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        CInputRouter::OnActivated(hWnd);
        break;
    default:
        break;
    }
}

CRect CSdlBackend::GetScreenRect() const
{
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) != 0)
        return CRect(0, 0, FALLBACK_SCREEN_WIDTH, FALLBACK_SCREEN_HEIGHT);
    return CRect(bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h);
}

CRect CSdlBackend::GetWorkArea() const
{
    SDL_Rect bounds;
    if (SDL_GetDisplayUsableBounds(0, &bounds) != 0 || bounds.w <= 0 || bounds.h <= 0)
        return GetScreenRect();
    return CRect(bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h);
}

void CSdlBackend::BringToFront(HWND hWnd)
{
    if (SDL_Window* pWindow = WindowOf(hWnd))
        SDL_RaiseWindow(pWindow);
}

} // namespace plat
