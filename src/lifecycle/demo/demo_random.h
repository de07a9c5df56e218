#pragma once
#include <cstdint>
#include <random>
#include <span>

namespace tarvo::demo {

// Draws from std::mt19937 through distributions of our own: the standard distributions differ between
// library versions, and the demo books must come out the same everywhere from the same seed.
class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed) : engine_(seed) {}

    // A whole number in [low, high], every value equally likely; the range may hold up to 2^32 values.
    long long between(long long low, long long high);
    // True in `percent` cases out of 100.
    bool chance(int percent) { return between(1, 100) <= percent; }

    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(between(0, static_cast<long long>(items.size()) - 1))];
    }

private:
    std::mt19937 engine_;
};

}  // namespace tarvo::demo
