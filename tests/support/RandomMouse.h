#pragma once
// A reproducible stream of mouse input for tests that must hold whatever order presses,
// releases and moves arrive in: each step queues a press, a release or a move at one of the
// given points, or runs the loop over what is queued and checks the window's invariant.
// Input queued between two runs arrives together, so a handler that pumps messages meets
// the input queued after its own.

#include <functional>
#include <vector>

#include "platform/base/geometry.h"

class CWnd;

namespace randommouse {

// nSteps steps on pWnd (points in its client coordinates) from seed nSeed; check runs after
// every run of the loop and once at the end.
void Run(CWnd* pWnd, const std::vector<CPoint>& points, int nSteps, unsigned nSeed,
         const std::function<void()>& check);

} // namespace randommouse
