#pragma once
// The layer's own random generator. Deals depend on its exact sequence (a linear
// congruential generator: state = state * 214013 + 2531011 modulo 2^32, result bits 16..30
// of the new state), so it never uses the C library's rand and never replaces its symbols.

namespace plat {

constexpr int RAND_MAX_VALUE = 0x7FFF;

// Restarts the sequence from seed.
void srand(unsigned int seed);
// The next value of the sequence, 0..RAND_MAX_VALUE. Seeded with 1 the first values are
// 41, 18467, 6334, 26500, 19169.
int rand();

} // namespace plat
