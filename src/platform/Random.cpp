#include "platform/Random.h"

#include <chrono>

namespace platform {

Random& Random::instance() {
    static Random random;
    return random;
}

Random::Random() {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    m_engine.seed(seq);
}

void Random::reseedFromClock() {
    if (m_deterministic)
        return;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    ++m_counter;
    // The previous state takes part in the new seed: two reseeds at the same
    // clock reading still lead to different sequences.
    const std::uint64_t carried = m_engine();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(carried),
                      static_cast<std::uint32_t>(carried >> 32),
                      static_cast<std::uint32_t>(m_counter)};
    m_engine.seed(seq);
}

double Random::next() {
    if (!m_queued.isEmpty())
        return m_queued.takeFirst();
    // 53 random bits give every double in [0, 1) on a uniform grid.
    return static_cast<double>(m_engine() >> 11) * (1.0 / 9007199254740992.0);
}

void Random::setSeed(std::uint64_t seed) {
    m_deterministic = true;
    m_engine.seed(seed);
}

void Random::queue(const QList<double>& values) {
    m_queued += values;
}

void Random::reset() {
    m_deterministic = false;
    m_queued.clear();
}

} // namespace platform
