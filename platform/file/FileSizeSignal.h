#pragma once
// A write past the process's file-size limit (ulimit -f) raises SIGXFSZ, whose default action
// ends the program on the spot, before any message and with the session's scores unsaved.
// Ignored, the write fails like any other (EFBIG, "File too large") and the save that made it
// reports the failure and leaves the old file as it was.

namespace plat {

// Ignores SIGXFSZ for the rest of the process's life; the program calls it first thing.
void IgnoreFileSizeSignal();

} // namespace plat
