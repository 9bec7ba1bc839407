#pragma once

#include <cstdint>
#include <random>

// Uniform numbers in [0, 1) for the question draw. An interface so that a
// test can play a whole game from a known seed.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Mix the time of day into the generator before an entry draw.
    virtual void reseedFromClock() = 0;
    virtual double next() = 0;
};

// A 64-bit Mersenne Twister seeded from the system's entropy source. A
// reseed folds the clock into the generator's current state rather than
// replacing it, so two reseeds within one clock tick still give different
// draws (a plain seed-from-clock would repeat the same entry for ever).
class MersenneRandom final : public RandomSource {
  public:
    MersenneRandom();
    explicit MersenneRandom(std::uint64_t seed, bool mixClock = true);

    void reseedFromClock() override;
    double next() override;

  private:
    std::mt19937_64 m_engine;
    bool m_mixClock;
};
