#pragma once
// Choosing the backend. The program uses SDL2 (the default when nothing was chosen); test
// programs call UseHeadlessBackend before any window is created.

namespace plat {

class CBackend;

enum class BackendKind { Sdl, Headless };

// Selects the backend for the rest of the run; only before the first window exists.
void UseBackend(BackendKind kind);
void UseHeadlessBackend();
// Makes the chosen backend now, as the program starts. False when the SDL2 backend finds no
// display to open: one line on standard error then names the display tried and why, and no
// backend is made.
bool StartBackend();
// The backend in use, made on first use (SDL2, or headless when no display can be opened).
CBackend& GetBackend();
// The backend in use when one was made already, else nullptr.
CBackend* GetBackendIfMade();
// True when the backend in use (or the one chosen) is headless.
bool IsHeadlessBackend();

} // namespace plat
