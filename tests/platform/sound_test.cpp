#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/sound.h"

namespace {

const int SAMPLE_RATE = 8000;
const int BYTES_PER_SAMPLE = 2;

void PutLittleEndian(std::string& bytes, uint32_t nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        bytes.push_back(static_cast<char>((nValue >> (8 * i)) & 0xFF));
}

// A mono 16-bit PCM file of nMilliseconds of silence, its bytes held in a string.
std::string SilentWave(int nMilliseconds)
{
    const uint32_t nDataBytes = SAMPLE_RATE * nMilliseconds / 1000 * BYTES_PER_SAMPLE;
    std::string bytes = "RIFF";
    PutLittleEndian(bytes, 36 + nDataBytes, 4);
    bytes += "WAVEfmt ";
    PutLittleEndian(bytes, 16, 4);                                   // format chunk size
    PutLittleEndian(bytes, 1, 2);                                    // PCM
    PutLittleEndian(bytes, 1, 2);                                    // channels
    PutLittleEndian(bytes, SAMPLE_RATE, 4);
    PutLittleEndian(bytes, SAMPLE_RATE * BYTES_PER_SAMPLE, 4);       // bytes per second
    PutLittleEndian(bytes, BYTES_PER_SAMPLE, 2);                     // block align
    PutLittleEndian(bytes, 8 * BYTES_PER_SAMPLE, 2);                 // bits per sample
    bytes += "data";
    PutLittleEndian(bytes, nDataBytes, 4);
    bytes.append(nDataBytes, '\0');
    return bytes;
}

// Plays into SDL's dummy device, which takes samples at the real rate, whatever the
// environment says.
class PlaySound : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szTemplate[] = "/tmp/orvel-sound.XXXXXX";
        ASSERT_NE(nullptr, ::mkdtemp(szTemplate));
        m_strFolder = szTemplate;
        const char* szOld = std::getenv("SDL_AUDIODRIVER");
        m_bHadDriver = szOld != nullptr;
        m_strOldDriver = szOld ? szOld : "";
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    void TearDown() override
    {
        std::system(("rm -rf '" + m_strFolder + "'").c_str());
        if (m_bHadDriver)
            ::setenv("SDL_AUDIODRIVER", m_strOldDriver.c_str(), 1);
        else
            ::unsetenv("SDL_AUDIODRIVER");
    }

    std::string Write(const std::string& strName, const std::string& bytes) const
    {
        const std::string strPath = m_strFolder + "/" + strName;
        std::ofstream(strPath, std::ios::binary).write(bytes.data(),
                                                       static_cast<std::streamsize>(bytes.size()));
        return strPath;
    }

    // Seconds a call takes.
    template <typename Call>
    static double Timed(Call call)
    {
        const auto start = std::chrono::steady_clock::now();
        call();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    std::string m_strFolder;
    std::string m_strOldDriver;
    bool m_bHadDriver = false;
};

} // namespace

TEST_F(PlaySound, MissingEmptyOrUnreadableFilesReturnFalseAtOnce)
{
    const std::string strGarbage = Write("Arno17", std::string(100, 'x'));
    std::string truncated = SilentWave(10);
    truncated.resize(20);
    const std::string strTruncated = Write("short", truncated);
    const double dSeconds = Timed([&] {
        EXPECT_FALSE(PlaySoundA((m_strFolder + "/Arno/Arno2").c_str(), nullptr, SND_NODEFAULT));
        EXPECT_FALSE(PlaySoundA(nullptr, nullptr, SND_NODEFAULT));
        EXPECT_FALSE(PlaySoundA("", nullptr, SND_NODEFAULT));
        EXPECT_FALSE(PlaySoundA(strGarbage.c_str(), nullptr, SND_NODEFAULT));
        EXPECT_FALSE(PlaySoundA(strTruncated.c_str(), nullptr, SND_NODEFAULT));
        EXPECT_FALSE(PlaySoundA(m_strFolder.c_str(), nullptr, SND_NODEFAULT));
    });
    EXPECT_LT(dSeconds, 1.0);
}

TEST_F(PlaySound, AShortWaveIsPlayedToItsEndAndReturnsTrue)
{
    // A synchronous call lasts the sound's length.
    const int nMilliseconds = 150;
    const std::string strPath = Write("Mirel5", SilentWave(nMilliseconds));
    BOOL bPlayed = FALSE;
    const double dSeconds = Timed([&] {
        bPlayed = PlaySoundA(strPath.c_str(), nullptr, SND_NODEFAULT | SND_SYNC | SND_FILENAME);
    });
    EXPECT_TRUE(bPlayed);
    EXPECT_GE(dSeconds, 0.8 * nMilliseconds / 1000);
    EXPECT_LT(dSeconds, 2.0);
}

TEST_F(PlaySound, BackslashesBetweenFoldersAreTakenAsSlashes)
{
    Write("Tav9", SilentWave(10));
    EXPECT_TRUE(PlaySoundA((m_strFolder + "\\Tav9").c_str(), nullptr, SND_NODEFAULT));
}

TEST_F(PlaySound, NoAudioDeviceReturnsFalse)
{
    const std::string strPath = Write("Ulo3", SilentWave(10));
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(PlaySoundA(strPath.c_str(), nullptr, SND_NODEFAULT));
    // The driver is looked up afresh for every sound, so a device that appears is used.
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(PlaySoundA(strPath.c_str(), nullptr, SND_NODEFAULT));
}
