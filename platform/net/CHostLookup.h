#pragma once
// CHostLookup: finds the IPv4 address of a host name on a worker thread, so that a name
// server that is slow or never answers cannot hold the message loop. The lookup starts when
// the object is made; the loop watches a descriptor that the worker makes readable when the
// answer is there, and OnReady then hands the answer to the owner's callback, once, on the
// UI thread. A caller that waits for the answer (a blocking connect) waits in the loop.
//
// Destroying the lookup before it has answered abandons it: the worker ends on its own time
// and its answer goes nowhere.

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/msg/IdleSource.h"

namespace plat {

// Looks szHost up, waiting as long as that takes: true with the address (network byte order)
// when the host was found.
using HostResolver = bool (*)(const char* szHost, uint32_t& nAddress);

// Makes lookups started from now on use pfnResolver (nullptr: the system's resolver). Tests
// stand in for a name server that is slow or never answers with it.
void SetHostResolver(HostResolver pfnResolver);

class CHostLookup : public IdleSource {
public:
    // Called once with whether the host was found and, when it was, its address. It may
    // destroy the lookup.
    using Callback = std::function<void(bool bFound, uint32_t nAddress)>;

    // Starts looking szHost up, the answer to go to callback; nullptr when no worker could
    // be started (no descriptor or thread to spare).
    static std::unique_ptr<CHostLookup> Start(const char* szHost, Callback callback);
    // Looks szHost up on this thread, waiting as long as that takes: what a caller does
    // when Start could not.
    static bool ResolveNow(const char* szHost, uint32_t& nAddress);

    ~CHostLookup() override;
    CHostLookup(const CHostLookup&) = delete;
    CHostLookup& operator=(const CHostLookup&) = delete;

    int Fd() const override;
    short Events() const override;
    // Hands the answer to the callback when there is one and it was not handed over yet.
    // Nothing of the object is touched after the callback.
    void OnReady(short revents) override;

private:
    struct CShared;

    explicit CHostLookup(Callback callback);

    std::shared_ptr<CShared> m_pShared;
    Callback m_callback;
    bool m_bDelivered = false;
};

} // namespace plat
