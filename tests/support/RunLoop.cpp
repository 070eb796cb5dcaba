#include "tests/support/RunLoop.h"

#include <chrono>

#include <poll.h>

#include "platform/msg/loop.h"

namespace testloop {

bool RunLoopUntil(const std::function<bool()>& bDone, int nLimitMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nLimitMs);
    while (!bDone()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        ::poll(nullptr, 0, 1);
    }
    return true;
}

void RunLoopFor(int nMilliseconds)
{
    RunLoopUntil([] { return false; }, nMilliseconds);
}

} // namespace testloop
