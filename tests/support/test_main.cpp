// The main of every test program: windows run on the headless backend, Sleep returns at
// once (its calls are still counted), every test starts with no queued input, answers or
// scripts left by the one before, and a watchdog fails the program when one test runs for
// more than 10 seconds (30 under the sanitizers), which is how a modal loop waiting for input nobody queued shows up.
// Pictures and files a test keeps for a look go to the build folder, also when the program is
// started by hand from elsewhere (ctest names the folder in ORVEL_BUILD_DIR itself).

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/backend/backend.h"
#include "platform/msg/loop.h"
#include "platform/testing/driver.h"
#include "tests/support/CWatchdog.h"

namespace {

// Arms the watchdog and clears the test driver around each test.
class CTestGuard : public ::testing::EmptyTestEventListener {
public:
    explicit CTestGuard(CWatchdog& watchdog) : m_watchdog(watchdog) {}

    void OnTestStart(const ::testing::TestInfo& info) override
    {
        plat::test::ResetDriver();
        plat::SetInstantSleep(true);
        m_watchdog.Arm(std::string(info.test_suite_name()) + "." + info.name());
    }

    void OnTestEnd(const ::testing::TestInfo& /*info*/) override
    {
        m_watchdog.Disarm();
        plat::test::ResetDriver();
    }

private:
    CWatchdog& m_watchdog;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("ORVEL_BUILD_DIR", ORVEL_DEFAULT_BUILD_DIR, 0);
    plat::UseHeadlessBackend();
    plat::SetInstantSleep(true);
    CWatchdog watchdog(CWatchdog::LIMIT_SECONDS);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CTestGuard(watchdog));
    return RUN_ALL_TESTS();
}
