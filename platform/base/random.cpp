#include "platform/base/random.h"

#include <cstdint>

namespace {

uint32_t s_state = 1;

} // namespace

namespace plat {

void srand(unsigned int seed)
{
    s_state = seed;
}

int rand()
{
    s_state = s_state * 214013u + 2531011u;
    return static_cast<int>((s_state >> 16) & 0x7FFFu);
}

} // namespace plat
