#include "lifecycle/demo/demo_random.h"

#include <stdexcept>

namespace tarvo::demo {

long long DemoRandom::between(long long low, long long high) {
    if (high < low) throw std::invalid_argument("DemoRandom: empty range");
    const std::uint64_t range = static_cast<std::uint64_t>(high - low) + 1;
    constexpr std::uint64_t kDraws = std::uint64_t{1} << 32;
    if (range > kDraws) throw std::invalid_argument("DemoRandom: range too wide");
    // Rejecting the top remainder keeps every value equally likely.
    const std::uint64_t limit = kDraws - kDraws % range;
    std::uint64_t draw = 0;
    do {
        draw = static_cast<std::uint32_t>(engine_());
    } while (draw >= limit);
    return low + static_cast<long long>(draw % range);
}

}  // namespace tarvo::demo
