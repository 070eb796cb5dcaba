#include "platform/net/CHostLookup.h"

#include <atomic>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plat {

namespace {

bool SystemResolve(const char* szHost, uint32_t& nAddress)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* pResult = nullptr;
    if (getaddrinfo(szHost, nullptr, &hints, &pResult) != 0 || !pResult)
        return false;
    nAddress = reinterpret_cast<const sockaddr_in*>(pResult->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(pResult);
    return true;
}

// Read by the workers, hence atomic; null stands for the system's resolver.
std::atomic<HostResolver> s_pfnResolver{nullptr};

HostResolver CurrentResolver()
{
    const HostResolver pfnResolver = s_pfnResolver.load();
    return pfnResolver != nullptr ? pfnResolver : SystemResolve;
}

} // namespace

void SetHostResolver(HostResolver pfnResolver)
{
    s_pfnResolver.store(pfnResolver);
}

// What the worker and the lookup share. The worker writes the answer, then signals the
// descriptor; whichever of the two lets go last closes it, so the worker never signals a
// closed (or reused) descriptor.
struct CHostLookup::CShared {
    std::mutex mutex;
    bool bAnswered = false;
    bool bFound = false;
    uint32_t nAddress = 0;
    int hSignal = -1;

    ~CShared()
    {
        if (hSignal >= 0)
            ::close(hSignal);
    }

    void Resolve(HostResolver pfnResolver, const std::string& strHost)
    {
        uint32_t nFoundAddress = 0;
        const bool bFoundHost = pfnResolver(strHost.c_str(), nFoundAddress);
        {
            std::lock_guard<std::mutex> lock(mutex);
            bAnswered = true;
            bFound = bFoundHost;
            nAddress = nFoundAddress;
        }
        eventfd_write(hSignal, 1);
    }
};

CHostLookup::CHostLookup(Callback callback)
    : m_pShared(std::make_shared<CShared>()), m_callback(std::move(callback))
{
}

std::unique_ptr<CHostLookup> CHostLookup::Start(const char* szHost, Callback callback)
{
    std::unique_ptr<CHostLookup> pLookup(new CHostLookup(std::move(callback)));
    pLookup->m_pShared->hSignal = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (pLookup->m_pShared->hSignal < 0)
        return nullptr;
    try {
        std::thread([pShared = pLookup->m_pShared, pfnResolver = CurrentResolver(),
                     strHost = std::string(szHost)] { pShared->Resolve(pfnResolver, strHost); })
            .detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    AfxRegisterIdleSource(pLookup.get());
    return pLookup;
}

bool CHostLookup::ResolveNow(const char* szHost, uint32_t& nAddress)
{
    return CurrentResolver()(szHost, nAddress);
}

CHostLookup::~CHostLookup()
{
    AfxUnregisterIdleSource(this);
}

int CHostLookup::Fd() const
{
    return m_pShared->hSignal;
}

short CHostLookup::Events() const
{
    return m_bDelivered ? 0 : POLLIN;
}

void CHostLookup::OnReady(short)
{
    if (m_bDelivered)
        return;
    bool bFound = false;
    uint32_t nAddress = 0;
    {
        std::lock_guard<std::mutex> lock(m_pShared->mutex);
        if (!m_pShared->bAnswered)
            return;
        bFound = m_pShared->bFound;
        nAddress = m_pShared->nAddress;
    }
    m_bDelivered = true;
    AfxUnregisterIdleSource(this);
    // The callback may destroy this object, its own holder included.
    const Callback callback = std::move(m_callback);
    callback(bFound, nAddress);
}

} // namespace plat
