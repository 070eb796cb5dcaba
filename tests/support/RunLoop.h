#pragma once
// A bounded message loop for tests that wait on something arriving from outside the queue
// (a socket, a timer): messages are dispatched and the thread naps a millisecond between
// rounds until a condition holds or a time limit passes.

#include <functional>

namespace testloop {

// The longest any such wait may take in a test.
constexpr int LOOP_LIMIT_MS = 3000;

// Dispatches messages until bDone says so or nLimitMs pass; returns bDone's last word.
bool RunLoopUntil(const std::function<bool()>& bDone, int nLimitMs = LOOP_LIMIT_MS);
// Dispatches messages for nMilliseconds.
void RunLoopFor(int nMilliseconds);

} // namespace testloop
