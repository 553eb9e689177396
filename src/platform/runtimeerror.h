#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace platform {

// The platform's run-time error: an index outside an array's bounds or a 16-bit integer
// leaving its range. Steps that run "skipping failures" catch it and go on.
class RuntimeError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 16-bit signed arithmetic that reports overflow instead of wrapping.
std::int16_t CheckedAdd(std::int16_t a, int b);
std::int16_t CheckedSubtract(std::int16_t a, int b);

// Runs one step; a failure in it is skipped silently and the caller goes on.
void SkipOnError(const std::function<void()>& step) noexcept;

// Fixed-bounds array element access that fails with the platform's run-time error.
template <typename Array> auto& Element(Array& array, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= array.size()) {
        throw RuntimeError("indice fuori dai limiti");
    }
    return array[static_cast<std::size_t>(index)];
}

} // namespace platform
