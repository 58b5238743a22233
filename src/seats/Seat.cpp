#include "seats/Seat.h"

#include "platform/Random.h"

#include <cmath>

Seat::Seat(int player, QObject* parent) : QObject(parent), m_player(player) {}

int Seat::offeredCard(int) {
    platform::Random& random = platform::Random::instance();
    random.reseedFromClock();
    // Nearest whole number, a half going to the even neighbour.
    return static_cast<int>(std::nearbyint(random.next() * 605 + 1));
}

void Seat::boardShown(bool) {}
