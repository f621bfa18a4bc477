// The game's random generator.
#include "puzzle/random.h"

#include <chrono>

namespace tess {

MersenneRandom::MersenneRandom() { Reseed(); }

MersenneRandom::MersenneRandom(std::uint32_t fixedSeed) : fixed_(true), seed_(fixedSeed) {
    Reseed();
}

void MersenneRandom::Reseed() {
    if (!fixed_) {
        seed_ = static_cast<std::uint32_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    }
    engine_.seed(seed_);
}

Single MersenneRandom::Next() {
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<Single>(engine_() >> 8) * (1.0f / 16777216.0f);
}

} // namespace tess
