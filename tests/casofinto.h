#pragma once

#include "platform/random.h"

#include <vector>

// A random source for tests: it gives its values in order, over and over, and counts reseeds.
class CasoFinto final : public platform::RandomSource {
public:
    explicit CasoFinto(std::vector<double> valori) : valori_(std::move(valori)) {}
    void Reseed() override { ++reseeds; }
    double Next() override {
        const double v = valori_[next_ % valori_.size()];
        ++next_;
        return v;
    }
    int reseeds = 0;

private:
    std::vector<double> valori_;
    std::size_t next_ = 0;
};
