#include "seats/HostSeat.h"

HostSeat::HostSeat(int player, QObject* parent) : Seat(player, parent) {}

void HostSeat::takeTurn(const computer::Position&, qint64) {
    m_onTurn = true;
    answer();
}

void HostSeat::boardShown(bool inFront) {
    m_inFront = inFront;
    answer();
}

void HostSeat::withdraw() {
    m_onTurn = false;
    m_move.reset();
}

void HostSeat::placementArrived(int handSlot, int location, int card) {
    m_move = Move{handSlot, location, card};
    answer();
}

void HostSeat::answer() {
    if (!m_onTurn || !m_inFront || !m_move)
        return;
    const Move move = *m_move;
    m_move.reset();
    m_onTurn = false;
    emit cardShown(move.handSlot, move.card);
    emit moveMade(move.handSlot, move.location);
}
