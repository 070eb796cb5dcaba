#pragma once
// CWatchdog: a thread that ends the test program when the armed test runs longer than its
// limit. A test stuck in a loop cannot be stopped from inside, so the program reports the
// test by name and exits with a failure instead of hanging the whole run.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class CWatchdog {
public:
    static constexpr int DEFAULT_LIMIT_SECONDS = 10;
    // AddressSanitizer and UBSan make the same work several times slower, so the longest
    // searches come near the plain limit on a busy machine; a stuck test is caught all the same.
    static constexpr int SANITIZED_LIMIT_SECONDS = 3 * DEFAULT_LIMIT_SECONDS;
#if defined(__SANITIZE_ADDRESS__)
    static constexpr int LIMIT_SECONDS = SANITIZED_LIMIT_SECONDS;
#else
    static constexpr int LIMIT_SECONDS = DEFAULT_LIMIT_SECONDS;
#endif

    explicit CWatchdog(int nLimitSeconds);
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;
    ~CWatchdog();

    // Starts timing the test called strName.
    void Arm(const std::string& strName);
    void Disarm();

private:
    void Watch();

    std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_strTest;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_bArmed = false;
    bool m_bStopping = false;
    std::thread m_thread;
};
