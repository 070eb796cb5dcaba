#pragma once
// How the program ends when it is not the person who ends it.
//
// A request to end the session (SIGTERM, SIGINT or SIGHUP, or the window system's quit
// request) closes the application's main window as its close box would, even while a modal
// dialog disables it, and then posts WM_QUIT so that every message loop still running, the
// nested ones first, comes to an end. The program thus ends as it does when the person
// closes the main window, with what its windows save on closing saved. The signal handlers
// only write one byte to a pipe; the message loop watches the pipe and makes the request
// from inside the loop, at its next look for messages.
//
// A lost connection to the window system ends the process at once: the window system's
// library exits the process from inside the loop, and nothing may talk to the window system
// again while static objects are torn down (that can hang), so such an exit skips them.

namespace plat {

// Starts watching the end signals and guards against an exit from inside the session, the
// guard running before whatever the process set to run at exit until then. AfxWinMain calls
// it before InitInstance; calling it again within the session changes nothing.
void BeginSession();
// The session ended normally: the end signals get their default action back and an exit
// from now on runs its usual course.
void FinishSession();

// Installs the handlers of the end signals and watches their pipe from the message loop;
// EndSignalWatch undoes both (the signals get their default action back).
void WatchEndSignals();
void EndSignalWatch();

// Whether an end signal came that the message loop has not yet taken up; for long work that
// hurries to where it lets the loop take it up.
bool IsEndSessionWaiting();
// The descriptor that turns readable when an end signal comes (-1 while none is watched),
// for a pause that must end then without handling it.
int EndSignalFd();

// Closes the main window and ends every message loop, as described above. Safe to call
// more than once and without a main window (then the loops just end).
void RequestEndSession();

} // namespace plat
