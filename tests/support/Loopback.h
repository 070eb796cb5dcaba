#pragma once
// The loopback address the socket tests talk over, how long its traffic takes to settle,
// and a port there where nobody listens.

#include "platform/base.h"

namespace loopback {

constexpr char LOOPBACK[] = "127.0.0.1";
// Long enough for anything that was going to arrive over the loopback to arrive.
constexpr int SETTLE_MS = 150;

// A port on LOOPBACK where nobody listens: the system hands it out for a listener that
// closes again at once.
UINT ClosedPort();

} // namespace loopback
