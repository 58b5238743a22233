#include "seats/JoinedSeat.h"

JoinedSeat::JoinedSeat(int player, QObject* parent) : Seat(player, parent) {}

bool JoinedSeat::proposalPending() const {
    return m_proposedSelection.has_value() || m_proposedMove.has_value();
}

// The offer is the host's; a hand whose offer has not arrived has none.
int JoinedSeat::offeredCard(int slot) {
    return slot >= 1 && slot <= 8 ? m_offer[slot - 1] : 0;
}

void JoinedSeat::chooseSelection(const Offer&) {
    m_choosing = true;
    answer();
}

void JoinedSeat::takeTurn(const computer::Position&, qint64) {
    m_onTurn = true;
    answer();
}

void JoinedSeat::boardShown(bool inFront) {
    m_inFront = inFront;
    answer();
}

// A new hand, a new game or the program ending: what was proposed and not
// answered no longer counts, nor an offer not chosen from.
void JoinedSeat::withdraw() {
    m_choosing = false;
    m_onTurn = false;
    m_proposedMove.reset();
    m_acceptedMove.reset();
}

void JoinedSeat::proposeSelection(const Marks& marks) {
    if (m_proposedSelection)
        return;
    m_proposedSelection = marks;
    m_selectionAccepted = false;
    emit selectionProposed(marks);
}

void JoinedSeat::proposeMove(int handSlot, int location) {
    if (m_proposedMove || m_acceptedMove)
        return;
    m_proposedMove = std::pair{handSlot, location};
    emit moveProposed(handSlot, location);
}

void JoinedSeat::offerArrived(const std::array<int, 8>& cards) {
    m_offer = cards;
    m_proposedSelection.reset();
    m_selectionAccepted = false;
}

void JoinedSeat::selectionAccepted() {
    m_selectionAccepted = m_proposedSelection.has_value();
    answer();
}

void JoinedSeat::moveAccepted(int handSlot, int location) {
    m_proposedMove.reset();
    m_acceptedMove = std::pair{handSlot, location};
    answer();
}

void JoinedSeat::answer() {
    if (m_choosing && m_selectionAccepted && m_proposedSelection) {
        const Marks marks = *m_proposedSelection;
        m_proposedSelection.reset();
        m_selectionAccepted = false;
        m_choosing = false;
        // The offer is spent: the next hand's comes with its own message.
        m_offer.fill(0);
        emit selectionMade(marks);
    }
    if (m_onTurn && m_inFront && m_acceptedMove) {
        const auto [slot, location] = *m_acceptedMove;
        m_acceptedMove.reset();
        m_onTurn = false;
        emit moveMade(slot, location);
    }
}
