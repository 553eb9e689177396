#include "platform/runtimeerror.h"

#include <limits>

namespace platform {

namespace {
std::int16_t Narrow(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError("overflow");
    }
    return static_cast<std::int16_t>(value);
}
} // namespace

std::int16_t CheckedAdd(std::int16_t a, int b) {
    return Narrow(int{a} + b);
}
std::int16_t CheckedSubtract(std::int16_t a, int b) {
    return Narrow(int{a} - b);
}

void SkipOnError(const std::function<void()>& step) noexcept {
    try {
        step();
    } catch (const std::exception&) {
        // Skipped by design: the caller carries on with its next step.
    }
}

} // namespace platform
