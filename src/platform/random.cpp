#include "platform/random.h"

#include <chrono>

namespace platform {

ClockRandom::ClockRandom() {
    Reseed();
}

void ClockRandom::Reseed() {
    // The clock alone could repeat for two reseeds in the same tick; the count keeps them apart.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint64_t>(now), ++reseeds_};
    engine_.seed(seed);
}

double ClockRandom::Next() {
    // 53 random bits scaled into [0, 1): never 1.0.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace platform
