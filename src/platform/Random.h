#pragma once

#include <QList>

#include <cstdint>
#include <random>

namespace platform {

// The program's random source: numbers in [0, 1). Reseeding from the clock
// mixes the clock into the generator's state instead of replacing it, so
// draws taken within the same millisecond stay independent.
class Random {
  public:
    static Random& instance();

    void reseedFromClock();
    double next();

    // Makes the sequence reproducible: reseeding from the clock is ignored.
    void setSeed(std::uint64_t seed);
    // Queues values that next() returns first, in order (tests).
    void queue(const QList<double>& values);
    // Back to clock-driven behaviour.
    void reset();

  private:
    Random();
    std::mt19937_64 m_engine;
    std::uint64_t m_counter = 0;
    bool m_deterministic = false;
    QList<double> m_queued;
};

} // namespace platform
