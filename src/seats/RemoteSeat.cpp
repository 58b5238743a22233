#include "seats/RemoteSeat.h"

RemoteSeat::RemoteSeat(int player, QObject* parent) : Seat(player, parent) {}

// Drawn here as every offer is; the first slot begins a new offer.
int RemoteSeat::offeredCard(int slot) {
    const int card = Seat::offeredCard(slot);
    if (slot == 1) {
        m_offer.fill(0);
        m_offerSent = false;
        m_selection.reset();
    }
    if (slot >= 1 && slot <= 8)
        m_offer[slot - 1] = card;
    return card;
}

// The window shows the offer (again, after a message window): it travels
// once, and a choice that has already arrived is made now.
void RemoteSeat::chooseSelection(const Offer&) {
    m_choosing = true;
    if (!m_offerSent && m_offer[7] != 0) {
        m_offerSent = true;
        emit offerDealt(m_offer);
    }
    answer();
}

void RemoteSeat::takeTurn(const computer::Position&, qint64) {
    m_onTurn = true;
    answer();
}

void RemoteSeat::boardShown(bool inFront) {
    m_inFront = inFront;
    answer();
}

// A new hand, a new game or the program ending: nothing asked counts any
// more. A move or a selection of the guest's that arrived meanwhile is
// dropped with it; the conversation has already refused one that came out
// of turn.
void RemoteSeat::withdraw() {
    m_choosing = false;
    m_onTurn = false;
    m_move.reset();
    m_selection.reset();
}

void RemoteSeat::selectionArrived(const std::array<int, 5>& offerSlots) {
    Marks marks{};
    for (int slot : offerSlots)
        if (slot >= 1 && slot <= 8)
            marks[slot - 1] = true;
    m_selection = marks;
    answer();
}

void RemoteSeat::moveArrived(int handSlot, int location) {
    m_move = std::pair{handSlot, location};
    answer();
}

void RemoteSeat::answer() {
    if (m_choosing && m_selection) {
        const Marks marks = *m_selection;
        m_selection.reset();
        m_choosing = false;
        emit selectionMade(marks);
    }
    if (m_onTurn && m_inFront && m_move) {
        const auto [slot, location] = *m_move;
        m_move.reset();
        m_onTurn = false;
        emit moveMade(slot, location);
    }
}
