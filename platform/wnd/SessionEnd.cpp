#include "platform/wnd/SessionEnd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/msg/IdleSource.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/CWnd.h"

namespace plat {

namespace {

// The signals that ask the program to end: kill's default, the terminal's interrupt, and
// the hang-up of a closing terminal or an ending login session.
constexpr int END_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
// The process's status when it ends from inside the session (the window system is gone).
constexpr int LOST_SESSION_STATUS = EXIT_FAILURE;
// Each signal writes this much; the reader drains whatever came.
constexpr size_t DRAIN_CHUNK = 64;

// The write end of the signal pipe as the handler sees it; -1 while no pipe is watched.
volatile sig_atomic_t s_nSignalFd = -1;
bool s_bSessionRunning = false;

// Only async-signal-safe calls: one write to a non-blocking pipe, errno kept. A full pipe
// already holds a request, so a write that fails loses nothing.
void OnEndSignal(int)
{
    const int nSavedErrno = errno;
    const int nFd = s_nSignalFd;
    if (nFd >= 0) {
        const char cByte = 1;
        const ssize_t nWritten = write(nFd, &cByte, 1);
        (void)nWritten;
    }
    errno = nSavedErrno;
}

// An exit while the session still runs comes from the window system's library, which has
// lost its connection: the rest of the exit (static objects that still hold windows) would
// talk to a window system that is gone, so the process ends here.
void EndLostSession()
{
    if (!s_bSessionRunning)
        return;
    std::fflush(nullptr);
    _exit(LOST_SESSION_STATUS);
}

// The pipe from the signal handlers to the message loop.
class CSignalPipe : public IdleSource {
public:
    CSignalPipe() = default;
    CSignalPipe(const CSignalPipe&) = delete;
    CSignalPipe& operator=(const CSignalPipe&) = delete;

    bool IsOpen() const { return m_fds[0] >= 0; }

    // Both ends non-blocking and closed on exec; false when no pipe could be made.
    bool Open()
    {
        if (pipe2(m_fds, O_NONBLOCK | O_CLOEXEC) == 0)
            return true;
        m_fds[0] = m_fds[1] = -1;
        return false;
    }

    void Close()
    {
        for (int& nFd : m_fds) {
            if (nFd >= 0)
                close(nFd);
            nFd = -1;
        }
    }

    int WriteFd() const { return m_fds[1]; }

    // A signal's byte waits to be read.
    bool HasRequest() const
    {
        if (!IsOpen())
            return false;
        pollfd fd = {m_fds[0], POLLIN, 0};
        return poll(&fd, 1, 0) > 0 && (fd.revents & POLLIN) != 0;
    }
    int Fd() const override { return m_fds[0]; }
    short Events() const override { return POLLIN; }

    void OnReady(short) override
    {
        char buffer[DRAIN_CHUNK];
        while (read(m_fds[0], buffer, sizeof(buffer)) > 0) {
        }
        RequestEndSession();
    }

private:
    int m_fds[2] = {-1, -1};
};

CSignalPipe s_pipe;

void SetEndSignalAction(void (*pfnHandler)(int))
{
    struct sigaction action = {};
    action.sa_handler = pfnHandler;
    sigemptyset(&action.sa_mask);
    // System calls the loop is in when a signal comes (poll, a sleep) carry on.
    action.sa_flags = SA_RESTART;
    for (int nSignal : END_SIGNALS)
        sigaction(nSignal, &action, nullptr);
}

} // namespace

void BeginSession()
{
    WatchEndSignals();
    if (s_bSessionRunning)
        return;
    s_bSessionRunning = true;
    // Handlers run last-registered first: the guard is registered anew for every session,
    // so that it comes before what was registered since the last one.
    std::atexit(EndLostSession);
}

void FinishSession()
{
    s_bSessionRunning = false;
    EndSignalWatch();
}

void WatchEndSignals()
{
    if (s_pipe.IsOpen() || !s_pipe.Open())
        return;
    s_nSignalFd = s_pipe.WriteFd();
    AfxRegisterIdleSource(&s_pipe);
    SetEndSignalAction(OnEndSignal);
}

void EndSignalWatch()
{
    if (!s_pipe.IsOpen())
        return;
    SetEndSignalAction(SIG_DFL);
    s_nSignalFd = -1;
    AfxUnregisterIdleSource(&s_pipe);
    s_pipe.Close();
}

bool IsEndSessionWaiting()
{
    return s_pipe.HasRequest();
}

int EndSignalFd()
{
    return s_pipe.Fd();
}

void RequestEndSession()
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr)
        pMainWnd->SendMessage(WM_CLOSE);
    ::PostQuitMessage(0);
}

} // namespace plat
