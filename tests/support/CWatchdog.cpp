#include "tests/support/CWatchdog.h"

#include <cstdio>
#include <cstdlib>

CWatchdog::CWatchdog(int nLimitSeconds) : m_limit(nLimitSeconds), m_thread([this] { Watch(); })
{
}

CWatchdog::~CWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CWatchdog::Arm(const std::string& strName)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_strTest = strName;
        m_deadline = std::chrono::steady_clock::now() + m_limit;
        m_bArmed = true;
    }
    m_changed.notify_all();
}

void CWatchdog::Disarm()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bArmed = false;
}

void CWatchdog::Watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bStopping) {
        if (!m_bArmed) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_deadline) == std::cv_status::timeout && m_bArmed &&
            std::chrono::steady_clock::now() >= m_deadline) {
            std::fprintf(stderr, "[  FAILED  ] %s: stuck for %lld s (watchdog)\n", m_strTest.c_str(),
                         static_cast<long long>(m_limit.count()));
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    }
}
