// The real program, started as a person's shell starts it, on SDL's display-less video driver
// or with no display at all.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

// Nobody could see the windows or close them: one line on standard error names the display
// tried and why, and the program ends with status 1 at once. The settings folder serves as
// the runtime folder, which keeps the display libraries' own remarks off standard error.
TEST(Program, EndsAtOnceWithoutADisplay)
{
    const struct {
        const char* szDisplay;
        const char* szNamed;
    } cases[] = {{"DISPLAY=:987", "\":987\" (DISPLAY)"}, {"-u DISPLAY", "neither DISPLAY nor WAYLAND_DISPLAY"}};
    for (const auto& c : cases) {
        CTempWorkingFolder folder;
        const std::string strCommand = std::string("env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") + c.szDisplay +
                                       " XDG_RUNTIME_DIR=$PWD XDG_CONFIG_HOME=$PWD ASAN_OPTIONS=detect_leaks=0 "
                                       "timeout 10 " ORVEL_PROGRAM " 2>errors";
        const auto start = std::chrono::steady_clock::now();
        const int nStatus = std::system(strCommand.c_str());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.szDisplay;
        EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 1) << c.szDisplay;
        std::ifstream errors("errors");
        const std::string strErrors(std::istreambuf_iterator<char>(errors), {});
        EXPECT_EQ(1, std::count(strErrors.begin(), strErrors.end(), '\n')) << strErrors;
        EXPECT_NE(std::string::npos, strErrors.find(c.szNamed)) << strErrors;
    }
}
