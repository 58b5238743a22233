#include "seats/ComputerSeat.h"

#include "platform/Controls.h"
#include "platform/Random.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cmath>

namespace {

bool legal(const computer::Position& position, const computer::Move& move) {
    return move.handSlot >= 1 && move.handSlot <= 5 && move.location >= 1 && move.location <= 9 &&
           position.hand[move.handSlot - 1].has_value() && position.owner[move.location - 1] == 0;
}

} // namespace

ComputerSeat::ComputerSeat(int player, QObject* parent) : Seat(player, parent) {
    m_pool.setMaxThreadCount(1);
    tmrChoose = new platform::Timer(this, 500);
    connect(tmrChoose, &platform::Timer::Tick, this, &ComputerSeat::tmrChoose_Timer);
    tmrComputer = new platform::Timer(this, 600);
    // A coarse timer may fire up to 5 % early: the pace is a floor.
    tmrComputer->setPrecise(true);
    connect(tmrComputer, &platform::Timer::Tick, this, &ComputerSeat::tmrComputer_Timer);
}

ComputerSeat::~ComputerSeat() {
    m_pool.clear();
    m_pool.waitForDone();
}

void ComputerSeat::setLevel(computer::Level level) {
    if (level == m_level)
        return;
    withdraw();
    m_level = level;
}

std::uint64_t ComputerSeat::nextSeed() {
    return static_cast<std::uint64_t>(std::ldexp(platform::Random::instance().next(), 53));
}

// ---- Its choice of cards -------------------------------------------------------

void ComputerSeat::chooseSelection(const Offer& offer) {
    m_offer = offer;
    m_chooseStep = 0;
    tmrChoose->setEnabled(false);
    tmrChoose->setEnabled(true);
}

void ComputerSeat::tmrChoose_Timer() {
    if (!m_offer) {
        tmrChoose->setEnabled(false);
        return;
    }
    if (m_chooseStep++ == 0) {
        // The hard level weighs edges by how often the card list holds them.
        m_marks = computer::chooseSelection(m_offer->cards, m_level, nextSeed(), m_offer->cardList);
        emit marksChosen(m_marks);
        return;
    }
    tmrChoose->setEnabled(false);
    m_offer.reset();
    emit selectionMade(m_marks);
}

// ---- Its move --------------------------------------------------------------------

void ComputerSeat::takeTurn(const computer::Position& visible, qint64 began) {
    m_onTurn = true;
    m_paced = false;
    m_move.reset();
    m_position = visible;
    m_began = began;
    tmrComputer->startFrom(began);
    const quint64 request = ++m_request;
    m_pending = true;
    const computer::Level level = m_level;
    const std::uint64_t seed = nextSeed();
    const std::function<void()> gate = m_gate;
    m_pool.start([this, request, visible, level, seed, gate] {
        const computer::Move move = computer::chooseMove(visible, level, seed);
        if (gate)
            gate();
        // The pool is waited for before this object goes, so `this` is alive
        // here; a call still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, request, move] { answerArrived(request, move); }, Qt::QueuedConnection);
    });
}

void ComputerSeat::answerArrived(quint64 request, computer::Move move) {
    if (request != m_request)
        return;
    m_pending = false;
    if (!m_onTurn)
        return;
    m_move = move;
    makeMoveIfReady();
}

void ComputerSeat::tmrComputer_Timer() {
    tmrComputer->setEnabled(false);
    if (!m_onTurn)
        return;
    m_paced = true;
    makeMoveIfReady();
}

void ComputerSeat::boardShown(bool inFront) {
    const bool back = inFront && !m_inFront;
    m_inFront = inFront;
    if (back && m_onTurn) {
        // The person sees the board again before the move is made.
        m_paced = false;
        tmrComputer->setEnabled(false);
        tmrComputer->setEnabled(true);
    }
}

// Makes the move once it is paced, answered, and the board is in front.
void ComputerSeat::makeMoveIfReady() {
    if (!m_onTurn || !m_paced || !m_move || !m_inFront)
        return;
    computer::Move move = *m_move;
    m_onTurn = false;
    m_paced = false;
    m_move.reset();
    if (!legal(m_position, move)) {
        // A decision that is not a move of this position is a fault of the
        // decision code; the person's game goes on with the first legal move.
        qWarning("The computer chose hand slot %d and square %d, which is not a move here.",
                 move.handSlot, move.location);
        for (int s = 1; s <= 5 && !legal(m_position, move); ++s)
            for (int l = 1; l <= 9 && !legal(m_position, move); ++l)
                move = {s, l};
    }
    emit moveMade(move.handSlot, move.location);
}

void ComputerSeat::withdraw() {
    ++m_request;
    m_pending = false;
    m_onTurn = false;
    m_paced = false;
    m_move.reset();
    tmrComputer->setEnabled(false);
    m_offer.reset();
    tmrChoose->setEnabled(false);
}

void ComputerSeat::waitForThought() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ComputerSeat::setThinkingGate(std::function<void()> gate) {
    m_gate = std::move(gate);
}
