#pragma once
// PlaySoundA: plays a WAV file through SDL audio and returns when it has finished.
//
// The call is always synchronous; the module argument is ignored and the name is always a
// file name. A missing or unreadable file, or no audio device, returns FALSE quietly: there
// is no default sound and no message. A name with backslashes between folders that does not
// exist as given is tried with slashes.

#include "platform/base/types.h"

typedef HINSTANCE HMODULE;

#define SND_SYNC 0x0000u
#define SND_NODEFAULT 0x0002u
#define SND_FILENAME 0x00020000u

BOOL PlaySoundA(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound);
