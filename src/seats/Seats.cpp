#include "seats/Seats.h"

#include "seats/ComputerSeat.h"
#include "seats/PersonSeat.h"

#include <array>

namespace seats {

namespace {
std::array<PersonSeat*, 3> g_person{};
std::array<ComputerSeat*, 3> g_computer{};
std::array<Seat*, 3> g_seat{};

bool side(int player) {
    return player == 1 || player == 2;
}
} // namespace

void create() {
    destroy();
    for (int p = 1; p <= 2; ++p) {
        g_person[p] = new PersonSeat(p);
        g_computer[p] = new ComputerSeat(p);
        g_seat[p] = g_person[p];
    }
}

void destroy() {
    for (int p = 1; p <= 2; ++p) {
        delete g_person[p];
        delete g_computer[p];
        g_person[p] = nullptr;
        g_computer[p] = nullptr;
        g_seat[p] = nullptr;
    }
}

Seat* seat(int player) {
    return side(player) ? g_seat[player] : nullptr;
}

void setSeat(int player, Seat* seat) {
    if (!side(player) || !seat || g_seat[player] == seat)
        return;
    if (g_seat[player] && g_seat[player]->heldByMatch() && !seat->heldByMatch())
        return;
    if (g_seat[player])
        g_seat[player]->withdraw();
    g_seat[player] = seat;
}

void giveBack(int player, Seat* seat) {
    if (!side(player) || !seat || g_seat[player] != seat)
        return;
    seat->withdraw();
    g_seat[player] = g_person[player];
}

PersonSeat* person(int player) {
    return side(player) ? g_person[player] : nullptr;
}

ComputerSeat* computer(int player) {
    return side(player) ? g_computer[player] : nullptr;
}

} // namespace seats
