#pragma once

#include <cstdint>
#include <random>

namespace platform {

// A pseudo-random source of values uniform in [0, 1). The program reseeds it from the clock;
// tests replace it with a source of their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual double Next() = 0;
};

class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void Reseed() override;
    double Next() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};

} // namespace platform
