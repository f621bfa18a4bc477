// The random source of scramble and hint: reseeded from the clock, single-precision draws in [0,
// 1).
#pragma once

#include "puzzle/numbers.h"

#include <cstdint>
#include <random>

namespace tess {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Start a fresh sequence (from the clock in the game; tests may keep theirs fixed).
    virtual void Reseed() = 0;
    // The next value r with 0 <= r < 1.
    virtual Single Next() = 0;
};

// A Mersenne twister. With a fixed seed Reseed() restarts the same sequence,
// so tests can pin what a scramble produces.
class MersenneRandom : public RandomSource {
public:
    MersenneRandom(); // seeded from the clock at every Reseed()
    explicit MersenneRandom(std::uint32_t fixedSeed);

    void Reseed() override;
    Single Next() override;

private:
    bool fixed_ = false;
    std::uint32_t seed_ = 0;
    std::mt19937 engine_;
};

} // namespace tess
