#include "platform/msg/CMessageQueue.h"

#include <poll.h>

#include <algorithm>
#include <chrono>

#include "platform/backend/CBackend.h"
#include "platform/backend/backend.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/WindowTree.h"

namespace plat {

namespace {

// While waiting without an OS event, the loop looks again this often.
constexpr int WAIT_SLICE_MS = 5;

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
    if (!(nMin == 0 && nMax == 0) && (WM_PAINT < nMin || WM_PAINT > nMax))
        return false;
    HWND hPaint = FindWindowToPaint(hFilter);
    if (hPaint == nullptr)
        return false;
    *pMsg = MSG{hPaint, WM_PAINT, 0, 0, GetTickCount(), POINT{0, 0}};
    return true;
}

bool CMessageQueue::Peek(MSG* pMsg, HWND hFilter, UINT nMin, UINT nMax, bool bRemove)
{
    GetBackend().PumpEvents(0);
    if (PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
        return true;
    // Input is routed only now, so it reaches what earlier input opened.
    while (CInputRouter::TranslateNext()) {
        if (PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
            return true;
    }
    if (PollIdleSources(0) && PeekPosted(pMsg, hFilter, nMin, nMax, bRemove))
        return true;
    if (m_bQuitPosted && hFilter == nullptr) {
        *pMsg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_nQuitCode), 0, GetTickCount(), POINT{0, 0}};
        if (bRemove)
            m_bQuitPosted = false;
        return true;
    }
    return PeekPaint(pMsg, hFilter, nMin, nMax);
}

void CMessageQueue::Wait(int nTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        if (!m_posted.empty() || m_bQuitPosted || CInputRouter::HasPending() || AnyWindowToPaint())
            return;
        if (GetBackend().PumpEvents(0))
            return;
        if (PollIdleSources(WAIT_SLICE_MS))
            return;
        if (nTimeoutMs >= 0 && static_cast<int>(GetTickCount() - dwStart) >= nTimeoutMs)
            return;
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

bool CMessageQueue::PollIdleSources(int nTimeoutMs)
{
    std::vector<pollfd> fds;
    std::vector<IdleSource*> polled;
    for (IdleSource* pSource : m_sources) {
        if (pSource->Fd() < 0 || pSource->Events() == 0)
            continue;
        fds.push_back(pollfd{pSource->Fd(), pSource->Events(), 0});
        polled.push_back(pSource);
    }
    if (fds.empty()) {
        if (nTimeoutMs > 0)
            poll(nullptr, 0, nTimeoutMs);
        return false;
    }
    if (poll(fds.data(), fds.size(), nTimeoutMs) <= 0)
        return false;
    bool bAny = false;
    for (size_t i = 0; i < fds.size(); ++i) {
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
