// The joke of the day: drawn from the clock, so it stays the same for about three minutes
// (2^32 / 22695477 seconds) and then moves on to the next joke number.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

// A 64-bit linear congruential generator, seeded anew before each draw.
class TJokeGenerator {
public:
    void Seed(std::uint32_t seconds) { state_ = seconds; }
    // The upper half of the next state without its top bit: 0 to 2^31 - 1.
    std::uint32_t Draw() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
    }

private:
    std::uint64_t state_ = 0;
};

// Seconds since 1 January 1970 UTC; tests put their own clock here.
inline std::function<std::time_t()> JokeClock = [] { return std::time(nullptr); };
