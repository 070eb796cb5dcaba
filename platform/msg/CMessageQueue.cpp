#include "platform/msg/CMessageQueue.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/FramePacing.h"
#include "platform/wnd/SessionEnd.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

namespace {

// While waiting on a backend whose events no descriptor announces, the loop looks again this
// often.
constexpr int WAIT_SLICE_MS = 5;
// The longest single poll (its timeout is an int).
constexpr auto LONGEST_POLL = std::chrono::milliseconds(INT_MAX);

// The low four bits of a system command are the system's own.
constexpr WPARAM SYSCOMMAND_MASK = 0xFFF0;

// A window's close box (its close command), a close message, or a key that ends the program
// (Escape in the main dialog) routed already.
bool IsCloseRequest(const MSG& msg)
{
    return msg.message == WM_CLOSE || (msg.message == WM_SYSCOMMAND && (msg.wParam & SYSCOMMAND_MASK) == SC_CLOSE) ||
           (msg.message == WM_KEYDOWN && CInputRouter::IsClosingKey(GetTopLevel(msg.hwnd), static_cast<UINT>(msg.wParam)));
}

// The backend's event descriptor for a poll of up to nTimeoutMs (negative: no limit), added
// to fds when it has one; the timeout to poll with.
int AddEventFd(CBackend& backend, std::vector<pollfd>& fds, int nTimeoutMs)
{
    const int nEventFd = backend.GetEventFd();
    if (nEventFd >= 0)
        fds.push_back(pollfd{nEventFd, POLLIN, 0});
    else if (nEventFd == CBackend::EVENT_FD_UNKNOWN && (nTimeoutMs < 0 || nTimeoutMs > WAIT_SLICE_MS))
        return WAIT_SLICE_MS;
    return nTimeoutMs;
}

// A look filtered for a window that is gone (closed, perhaps, by what this very look ran: an
// end signal's close) finds nothing.
bool IsFilterGone(HWND hFilter)
{
    return hFilter != nullptr && !IsLiveWindow(hFilter);
}

} // namespace

DWORD GetTickCount()
{
    static const auto s_start = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::now() - s_start;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

CMessageQueue& CMessageQueue::Get()
{
    static CMessageQueue s_queue;
    return s_queue;
}

void CMessageQueue::Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    m_posted.push_back(MSG{hWnd, message, wParam, lParam, GetTickCount(), POINT{0, 0}});
}

void CMessageQueue::PostQuit(int nExitCode)
{
    m_bQuitPosted = true;
    m_nQuitCode = nExitCode;
}

bool CMessageQueue::MatchesFilter(const MSG& msg, HWND hFilter, UINT nMin, UINT nMax) const
{
    if (hFilter != nullptr && !IsSelfOrDescendant(hFilter, msg.hwnd))
        return false;
    if (nMin == 0 && nMax == 0)
        return true;
    return msg.message >= nMin && msg.message <= nMax;
}

bool CMessageQueue::PeekPosted(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove)
{
    for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
        if (!MatchesFilter(*it, hFilter, nMin, nMax))
            continue;
        *pMsg = *it;
        if (bRemove)
            m_posted.erase(it);
        return true;
    }
    return false;
}

bool CMessageQueue::PeekPaint(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax)
{
    if ((!(nMin == 0 && nMax == 0) && (WM_PAINT < nMin || WM_PAINT > nMax)) || !IsPaintDue())
        return false;
    HWND hPaint = FindWindowToPaint(hFilter);
    NotePaintLook(hPaint != nullptr);
    if (hPaint == nullptr)
        return false;
    *pMsg = MSG{hPaint, WM_PAINT, 0, 0, GetTickCount(), POINT{0, 0}};
    return true;
}

void CMessageQueue::PumpEventsIfDue()
{
    // Loops that peek between every card step ask very often; the display is asked at most
    // once a millisecond. Events its library has read already are taken at once.
    CBackend& backend = GetBackend();
    const DWORD dwNow = GetTickCount();
    if (dwNow == m_dwLastPump && !backend.HasHeldEvents())
        return;
    m_dwLastPump = dwNow;
    backend.PumpEvents();
}

bool CMessageQueue::Peek(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove)
{
    if (IsFilterGone(hFilter))
        return false;
    PumpEventsIfDue();
    PresentHeldDrawingIfDue();
    if (PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
        return true;
    // Input is routed only now, so it reaches what earlier input opened.
    while (CInputRouter::TranslateNext()) {
        if (PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
            return true;
    }
    if (PollSources(0) && PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
        return true;
    if (IsFilterGone(hFilter))
        return false;
    if (m_bQuitPosted && hFilter == nullptr) {
        *pMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_nQuitCode), 0, GetTickCount(), POINT{0, 0}};
        if (bRemove)
            m_bQuitPosted = false;
        return true;
    }
    return PeekPaint(pMsg, hFilter, nMin, nMax);
}

bool CMessageQueue::PeekCloseRequest(MSG* pMsg)
{
    PumpEventsIfDue();
    PollSources(0);
    for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
        if (!IsCloseRequest(*it))
            continue;
        *pMsg = *it;
        m_posted.erase(it);
        return true;
    }
    return CInputRouter::TakeClosingKey(pMsg);
}

bool CMessageQueue::IsCloseRequestWaiting()
{
    if (m_bQuitPosted || std::any_of(m_posted.begin(), m_posted.end(), IsCloseRequest) ||
        CInputRouter::HasClosingKey() || IsEndSessionWaiting())
        return true;
    CBackend* pBackend = GetBackendIfMade();
    return pBackend != nullptr && pBackend->ServeWindowSystem();
}

void CMessageQueue::Wait(int nTimeoutMs)
{
    CatchUpFrame();
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (!m_posted.empty() || m_bQuitPosted || CInputRouter::HasPending() || AnyWindowToPaint())
            return;
        // The window system's library may hold events it read while the program drew: they
        // are taken now, as its descriptor will not tell of them again.
        m_dwLastPump = GetTickCount();
        if (GetBackend().PumpEvents())
            return;
        int nWaitMs = -1;
        if (nTimeoutMs >= 0) {
            nWaitMs = nTimeoutMs - static_cast<int>(GetTickCount() - dwStart);
            if (nWaitMs <= 0)
                return;
        }
        if (PollSources(nWaitMs))
            return;
    }
}

void CMessageQueue::Doze(DWORD dwMilliseconds)
{
    CatchUpFrame();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(dwMilliseconds);
    // Asking whether a close waits also lets the window system's library read what came
    // (events it read while the program drew among them) and answer the window manager.
    while (!IsCloseRequestWaiting()) {
        const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (remaining.count() <= 0)
            return;
        std::vector<pollfd> fds;
        const int nSignalFd = EndSignalFd();
        if (nSignalFd >= 0)
            fds.push_back(pollfd{nSignalFd, POLLIN, 0});
        int nWaitMs = static_cast<int>(std::min(remaining, LONGEST_POLL).count());
        if (CBackend* pBackend = GetBackendIfMade())
            nWaitMs = AddEventFd(*pBackend, fds, nWaitMs);
        // A signal that cuts the poll short has written to the end-signal pipe, which the
        // next look finds.
        poll(fds.empty() ? nullptr : fds.data(), fds.size(), nWaitMs);
    }
}

void CMessageQueue::RemoveMessagesFor(HWND hWnd)
{
    m_posted.erase(std::remove_if(m_posted.begin(), m_posted.end(),
                                  [hWnd](const MSG& msg) { return msg.hwnd == hWnd; }),
                   m_posted.end());
}

void CMessageQueue::DiscardPosted()
{
    m_posted.clear();
    m_bQuitPosted = false;
}

void CMessageQueue::RegisterIdleSource(IdleSource* pSource)
{
    if (pSource != nullptr && std::find(m_sources.begin(), m_sources.end(), pSource) == m_sources.end())
        m_sources.push_back(pSource);
}

void CMessageQueue::UnregisterIdleSource(IdleSource* pSource)
{
    m_sources.erase(std::remove(m_sources.begin(), m_sources.end(), pSource), m_sources.end());
}

bool CMessageQueue::PollSources(int nTimeoutMs)
{
    std::vector<pollfd> fds;
    std::vector<IdleSource*> polled;
    for (IdleSource* pSource : m_sources) {
        if (pSource->Fd() < 0 || pSource->Events() == 0)
            continue;
        fds.push_back(pollfd{pSource->Fd(), pSource->Events(), 0});
        polled.push_back(pSource);
    }
    if (nTimeoutMs != 0)
        nTimeoutMs = AddEventFd(GetBackend(), fds, nTimeoutMs);
    if (fds.empty() && nTimeoutMs == 0)
        return false;
    // A signal that cuts the wait short has written to the end-signal pipe, which the next
    // look finds ready.
    if (poll(fds.empty() ? nullptr : fds.data(), fds.size(), nTimeoutMs) <= 0)
        return false;
    return RunReadySources(fds, polled);
}

bool CMessageQueue::RunReadySources(const std::vector<pollfd>& fds, const std::vector<IdleSource*>& polled)
{
    bool bAny = false;
    for (size_t i = 0; i < polled.size(); ++i) {
        if (fds[i].revents == 0)
            continue;
        // A source may have been unregistered by an earlier one's OnReady.
        if (std::find(m_sources.begin(), m_sources.end(), polled[i]) == m_sources.end())
            continue;
        bAny = true;
        polled[i]->OnReady(fds[i].revents);
    }
    return bAny;
}

} // namespace plat

void AfxRegisterIdleSource(plat::IdleSource* pSource)
{
    plat::CMessageQueue::Get().RegisterIdleSource(pSource);
}

void AfxUnregisterIdleSource(plat::IdleSource* pSource)
{
    plat::CMessageQueue::Get().UnregisterIdleSource(pSource);
}
