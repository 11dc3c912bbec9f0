#pragma once
#include <cstdint>

// Milliseconds of a monotonic clock: frame timing in millisecond mode and random seeds.
std::uint32_t timeGetTime();
