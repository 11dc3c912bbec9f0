#pragma once
#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds, wrapping at 32 bits.
    virtual std::uint32_t Milliseconds() = 0;
    // High-resolution counter and its counts per second; false when there is none.
    virtual bool Counter(std::int64_t& count) = 0;
    virtual bool Frequency(std::int64_t& countsPerSecond) = 0;
};

}  // namespace platform
