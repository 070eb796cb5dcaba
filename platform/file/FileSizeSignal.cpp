#include "platform/file/FileSizeSignal.h"

#include <csignal>

namespace plat {

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace plat
