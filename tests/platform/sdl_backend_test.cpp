#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "platform/backend/CSdlBackend.h"
#include "platform/res/styles.h"
#include "platform/wnd/WindowHandle.h"

namespace {

// The SDL backend on SDL's dummy video driver, which needs no display but keeps real window
// surfaces, with the environment asking for what the backend must refuse.
class CSdlBackend : public ::testing::Test {
protected:
    void SetUp() override
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ::setenv("SDL_FRAMEBUFFER_ACCELERATION", "1", 1);
        char szTemplate[] = "/tmp/orvel-frame.XXXXXX";
        ASSERT_NE(nullptr, ::mkdtemp(szTemplate));
        m_strFolder = szTemplate;
        m_strFrameFile = m_strFolder + "/first-frame";
        ::setenv(plat::CSdlBackend::FIRST_FRAME_FILE_VARIABLE, m_strFrameFile.c_str(), 1);
        m_window.m_dwStyle = WS_CAPTION;
        m_window.m_strText = "Frame";
        m_window.m_rect = CRect(10, 10, 50, 40);
        m_window.m_pSurface = std::make_unique<CSurface>(40, 30, 0x00FF00);
    }

    void TearDown() override
    {
        m_backend.OnWindowDestroyed(&m_window);
        ::unsetenv(plat::CSdlBackend::FIRST_FRAME_FILE_VARIABLE);
        ::unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
        std::remove(m_strFrameFile.c_str());
        ::rmdir(m_strFolder.c_str());
    }

    // Seconds since the epoch as the first-frame file holds them, or -1 when there is none.
    double ReadFrameFile() const
    {
        std::ifstream file(m_strFrameFile);
        double dSeconds = -1;
        file >> dSeconds;
        return file ? dSeconds : -1;
    }

    static double Now()
    {
        return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    }

    plat::CSdlBackend m_backend;
    HWND__ m_window;
    std::string m_strFolder;
    std::string m_strFrameFile;
};

TEST_F(CSdlBackend, KeepsSoftwareSurfacesWhateverTheEnvironmentAsks)
{
    ASSERT_TRUE(m_backend.Initialise());
    const char* szHint = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    ASSERT_NE(nullptr, szHint);
    EXPECT_STREQ("0", szHint);
}

TEST_F(CSdlBackend, KeepsTheClickThatActivatesAWindow)
{
    ASSERT_TRUE(m_backend.Initialise());
    EXPECT_TRUE(SDL_GetHintBoolean(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, SDL_FALSE));
}

TEST_F(CSdlBackend, WritesTheTimeOfTheFirstPresentedFrameOnce)
{
    ASSERT_TRUE(m_backend.Initialise());
    m_backend.OnWindowCreated(&m_window);
    m_backend.Present(&m_window, m_window.m_pSurface->GetBounds());
    EXPECT_EQ(-1, ReadFrameFile()) << "a window not yet on screen presents nothing";

    const double dBefore = Now();
    m_backend.OnWindowShown(&m_window, true);
    const double dAfter = Now();
    const double dWritten = ReadFrameFile();
    // The file keeps microseconds; allow for their rounding.
    EXPECT_GE(dWritten, dBefore - 1e-5);
    EXPECT_LE(dWritten, dAfter + 1e-5);

    std::remove(m_strFrameFile.c_str());
    m_backend.Present(&m_window, m_window.m_pSurface->GetBounds());
    EXPECT_EQ(-1, ReadFrameFile()) << "only the first frame is noted";
}

} // namespace
