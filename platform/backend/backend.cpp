#include "platform/backend/backend.h"

#include <cstdio>
#include <memory>

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/CSdlBackend.h"

namespace plat {

namespace {

std::unique_ptr<CBackend> s_pBackend;
BackendKind s_kind = BackendKind::Sdl;

} // namespace

void UseBackend(BackendKind kind)
{
    s_kind = kind;
    s_pBackend.reset();
}

void UseHeadlessBackend()
{
    UseBackend(BackendKind::Headless);
}

bool StartBackend()
{
    if (s_pBackend || s_kind != BackendKind::Sdl) {
        GetBackend();
        return true;
    }
    auto pSdl = std::make_unique<CSdlBackend>();
    if (!pSdl->Initialise()) {
        std::fprintf(stderr, "%s\n", pSdl->GetFailureText().c_str());
        return false;
    }
    s_pBackend = std::move(pSdl);
    return true;
}

CBackend& GetBackend()
{
    if (s_pBackend)
        return *s_pBackend;
    if (s_kind == BackendKind::Sdl) {
        auto pSdl = std::make_unique<CSdlBackend>();
        if (pSdl->Initialise()) {
            s_pBackend = std::move(pSdl);
            return *s_pBackend;
        }
        std::fprintf(stderr, "No display could be opened; windows stay invisible.\n");
        s_kind = BackendKind::Headless;
    }
    s_pBackend = std::make_unique<CHeadlessBackend>();
    return *s_pBackend;
}

CBackend* GetBackendIfMade()
{
    return s_pBackend.get();
}

bool IsHeadlessBackend()
{
    return s_pBackend ? s_pBackend->IsHeadless() : s_kind == BackendKind::Headless;
}

} // namespace plat
