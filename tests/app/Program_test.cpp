// The real program, started as a person's shell starts it, on SDL's display-less video driver.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/CTempWorkingFolder.h"

extern char** environ;

namespace {

constexpr auto POLL_STEP = std::chrono::milliseconds(20);
// The program shows its first frame well within this many steps (and the watchdog's limit).
constexpr int START_POLLS = 400;

} // namespace

TEST(Program, AFileSizeLimitFailsItsWritesInsteadOfEndingIt)
{
    CTempWorkingFolder folder;
    const std::string strFrame = std::string(folder.GetPath()) + "/first-frame";
    // No file may grow at all, and the settings are written at start-up, before the first frame.
    std::string strScript = "ulimit -f 0 && XDG_CONFIG_HOME=$1 ORVEL_FIRST_FRAME_FILE=$2 SDL_VIDEODRIVER=dummy "
                            "ASAN_OPTIONS=detect_leaks=0 exec \"$0\" >/dev/null 2>&1";
    std::string strShell = "sh", strOption = "-c", strProgram = ORVEL_PROGRAM;
    std::string strConfig(folder.GetPath()), strFrameArg(strFrame);
    char* argv[] = {strShell.data(),   strOption.data(),  strScript.data(),
                    strProgram.data(), strConfig.data(), strFrameArg.data(), nullptr};
    // The signal's default action, whatever this process does with it: the program itself
    // must ignore it, or the first write ends it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, &attributes, argv, environ), 0);
    posix_spawnattr_destroy(&attributes);

    int nStatus = 0;
    bool bEnded = false;
    struct stat info;
    for (int i = 0; i < START_POLLS && !bEnded && ::stat(strFrame.c_str(), &info) != 0; ++i) {
        bEnded = ::waitpid(pid, &nStatus, WNOHANG) == pid;
        std::this_thread::sleep_for(POLL_STEP);
    }
    if (!bEnded) {
        ::kill(pid, SIGTERM);
        ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    }
    EXPECT_FALSE(WIFSIGNALED(nStatus)) << "ended by signal " << WTERMSIG(nStatus);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0);
    EXPECT_EQ(::stat(strFrame.c_str(), &info), 0) << "no frame was shown";
}
