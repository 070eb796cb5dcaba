#include "platform/sound/PlaySound.h"

#include <algorithm>
#include <string>

#include <SDL.h>
#include <unistd.h>

namespace {

const Uint32 POLL_INTERVAL_MS = 5;
// However the device behaves, a sound never holds the caller longer than its own length
// twice over plus this.
const Uint32 STALL_ALLOWANCE_MS = 1000;
const Uint32 MS_PER_SECOND = 1000;
// Device buffer length in sample frames: short, so the wait after the queue has emptied is
// short too.
const Uint16 DEVICE_BUFFER_FRAMES = 512;

// The audio subsystem for the length of one sound; SDL counts nested initialisations.
class CAudioSubsystem {
public:
    CAudioSubsystem() : m_bReady(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
    ~CAudioSubsystem()
    {
        if (m_bReady)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool IsReady() const { return m_bReady; }

private:
    bool m_bReady;
};

// A loaded WAV file's samples.
class CWave {
public:
    explicit CWave(const std::string& strPath)
        : m_pData(nullptr), m_nLength(0), m_bLoaded(false)
    {
        m_bLoaded = SDL_LoadWAV(strPath.c_str(), &m_spec, &m_pData, &m_nLength) != nullptr;
    }
    ~CWave()
    {
        if (m_bLoaded)
            SDL_FreeWAV(m_pData);
    }
    bool IsLoaded() const { return m_bLoaded; }
    const SDL_AudioSpec& Format() const { return m_spec; }
    const Uint8* Data() const { return m_pData; }
    Uint32 Length() const { return m_nLength; }

    // How long the samples last when played at their own rate.
    Uint32 DurationMs() const
    {
        const Uint32 nFrameBytes = SDL_AUDIO_BITSIZE(m_spec.format) / 8 * m_spec.channels;
        if (nFrameBytes == 0 || m_spec.freq <= 0)
            return 0;
        return static_cast<Uint32>(static_cast<Uint64>(m_nLength / nFrameBytes) *
                                   MS_PER_SECOND / static_cast<Uint32>(m_spec.freq));
    }

private:
    SDL_AudioSpec m_spec{};
    Uint8* m_pData;
    Uint32 m_nLength;
    bool m_bLoaded;
};

// The file the name refers to, or an empty text when there is none.
std::string ExistingPath(const char* pszSound)
{
    std::string strPath(pszSound);
    if (::access(strPath.c_str(), F_OK) == 0)
        return strPath;
    std::replace(strPath.begin(), strPath.end(), '\\', '/');
    return ::access(strPath.c_str(), F_OK) == 0 ? strPath : std::string();
}

// Waits until the device has played everything queued: the queue has drained and the
// sound's own length plus one device buffer has passed since it started, since a device
// may take the whole queue into buffers of its own long before it is heard. Gives up at
// nLimitMs or when the device stops.
void WaitUntilPlayed(SDL_AudioDeviceID device, const SDL_AudioSpec& obtained,
                     Uint32 nDurationMs, Uint32 nLimitMs)
{
    const Uint32 nBufferMs = obtained.freq > 0 ? static_cast<Uint32>(obtained.samples) *
                                                     MS_PER_SECOND /
                                                     static_cast<Uint32>(obtained.freq)
                                               : 0;
    const Uint32 nStart = SDL_GetTicks();
    for (;;) {
        const Uint32 nElapsed = SDL_GetTicks() - nStart;
        const bool bDrained = SDL_GetQueuedAudioSize(device) == 0;
        if ((bDrained && nElapsed >= nDurationMs + nBufferMs) || nElapsed >= nLimitMs ||
            SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_PLAYING)
            return;
        SDL_Delay(POLL_INTERVAL_MS);
    }
}

} // namespace

BOOL PlaySoundA(LPCSTR pszSound, HMODULE, DWORD)
{
    if (!pszSound || !*pszSound)
        return FALSE;
    const std::string strPath = ExistingPath(pszSound);
    if (strPath.empty())
        return FALSE;
    CAudioSubsystem audio;
    if (!audio.IsReady())
        return FALSE;
    CWave wave(strPath);
    if (!wave.IsLoaded())
        return FALSE;
    SDL_AudioSpec desired = wave.Format();
    desired.samples = DEVICE_BUFFER_FRAMES;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts the samples to whatever the device wants.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (device == 0)
        return FALSE;
    BOOL bPlayed = FALSE;
    if (SDL_QueueAudio(device, wave.Data(), wave.Length()) == 0) {
        SDL_PauseAudioDevice(device, 0);
        WaitUntilPlayed(device, obtained, wave.DurationMs(),
                        2 * wave.DurationMs() + STALL_ALLOWANCE_MS);
        bPlayed = TRUE;
    }
    SDL_CloseAudioDevice(device);
    return bPlayed;
}
