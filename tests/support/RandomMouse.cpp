#include "tests/support/RandomMouse.h"

#include "platform/testing/driver.h"

namespace randommouse {

namespace {

// What a step does, picked evenly.
enum class Action { Press, Release, Move, Run, COUNT };

// A linear congruential generator: the same seed gives the same input everywhere.
constexpr unsigned LCG_MULTIPLIER = 1103515245u;
constexpr unsigned LCG_INCREMENT = 12345u;
constexpr int LCG_DROPPED_BITS = 16;

} // namespace

void Run(CWnd* pWnd, const std::vector<CPoint>& points, int nSteps, unsigned nSeed,
         const std::function<void()>& check)
{
    unsigned nState = nSeed;
    const auto next = [&nState](unsigned nRange) {
        nState = nState * LCG_MULTIPLIER + LCG_INCREMENT;
        return (nState >> LCG_DROPPED_BITS) % nRange;
    };
    for (int nStep = 0; nStep < nSteps; nStep++) {
        const CPoint point = points[next(static_cast<unsigned>(points.size()))];
        switch (static_cast<Action>(next(static_cast<unsigned>(Action::COUNT)))) {
        case Action::Press:
            plat::test::MouseDown(pWnd, point);
            break;
        case Action::Release:
            plat::test::MouseUp(pWnd, point);
            break;
        case Action::Move:
            plat::test::MouseMove(pWnd, point);
            break;
        default:
            plat::test::RunUntilIdle();
            check();
            break;
        }
    }
    plat::test::RunUntilIdle();
    check();
}

} // namespace randommouse
