#include "RandomSource.h"

#include <chrono>

MersenneRandom::MersenneRandom() : m_mixClock(true)
{
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    m_engine.seed(seq);
}

MersenneRandom::MersenneRandom(std::uint64_t seed, bool mixClock)
    : m_engine(seed), m_mixClock(mixClock)
{
}

void MersenneRandom::reseedFromClock()
{
    if (!m_mixClock)
        return;
    const auto now =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const std::uint64_t a = m_engine();
    const std::uint64_t b = m_engine();
    std::seed_seq seq{std::uint32_t(a),       std::uint32_t(a >> 32), std::uint32_t(b),
                      std::uint32_t(b >> 32), std::uint32_t(now),     std::uint32_t(now >> 32)};
    m_engine.seed(seq);
}

double MersenneRandom::next()
{
    // The top 53 bits give every double in [0, 1) on a 2^-53 grid, never 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}
