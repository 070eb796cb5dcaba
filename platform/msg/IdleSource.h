#pragma once
// A file descriptor the message loop watches while it has nothing else to do.
//
// Whenever the loop would otherwise wait (GetMessage with an empty queue, a modal loop gone
// idle) it polls every registered source together with the backend's own events; a
// PeekMessage call that finds nothing polls them once without waiting. A source whose
// descriptor is ready gets OnReady on the UI thread, from inside the loop, with the poll
// revents bits (POLLIN, POLLOUT, POLLERR, POLLHUP). OnReady typically posts messages to a
// window; it may unregister its own or any other source.

namespace plat {

class IdleSource
{
public:
    virtual ~IdleSource() = default;
    // The descriptor to watch; a negative value leaves this source out of the next poll.
    virtual int Fd() const = 0;
    // The poll events wanted (POLLIN, POLLOUT); 0 leaves this source out of the next poll.
    virtual short Events() const = 0;
    // Called when poll reported revents for Fd().
    virtual void OnReady(short revents) = 0;
};

} // namespace plat

// Adds a source to the loop's watch list; a source registered twice is kept once.
void AfxRegisterIdleSource(plat::IdleSource* pSource);
// Removes a source; safe from inside any OnReady and for a source never registered.
void AfxUnregisterIdleSource(plat::IdleSource* pSource);
