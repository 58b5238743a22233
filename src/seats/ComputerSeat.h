#pragma once

#include "seats/Seat.h"

#include <QThreadPool>

#include <functional>
#include <optional>

namespace platform {
class Timer;
}

// The computer at one side. It chooses its five cards at the pace of
// tmrChoose (its marks at the first tick, its Done at the second), and
// thinks about its move on a thread of its own. Its move is made once three
// things hold: the thread has answered, tmrComputer has measured the pace
// (600 ms from the moment its turn began) and the board is in front of the
// person. Every answer carries the number of the request it answers, so that
// an answer to a question no longer asked (a new hand, a new game, the
// program ending, another level) is recognised and dropped.
class ComputerSeat : public Seat {
    Q_OBJECT
  public:
    explicit ComputerSeat(int player, QObject* parent = nullptr);
    ~ComputerSeat() override;

    // The level it plays at. Another level withdraws what was asked.
    void setLevel(computer::Level level);
    computer::Level level() const { return m_level; }

    bool takesLocalInput() const override { return false; }
    bool showsHiddenCards() const override { return false; }
    bool namedByProgram() const override { return true; }
    void chooseSelection(const Offer& offer) override;
    void takeTurn(const computer::Position& visible, qint64 began) override;
    void boardShown(bool inFront) override;
    void withdraw() override;

    // Paces its choice of cards: marks at the first tick, Done at the second.
    platform::Timer* tmrChoose = nullptr;
    // Paces its move: no sooner than this after its turn has begun.
    platform::Timer* tmrComputer = nullptr;

    // Its turn has begun and its move has not been made yet.
    bool onTurn() const { return m_onTurn; }
    bool thinking() const { return m_pending; }
    quint64 request() const { return m_request; }
    // Waits for the thread to finish and delivers its answer now.
    void waitForThought();
    // Runs on the thinking thread before each decision is returned (tests
    // hold an answer back with it); empty by default.
    void setThinkingGate(std::function<void()> gate);

    // A seed for one decision from the program's random source.
    static std::uint64_t nextSeed();

  private:
    void tmrChoose_Timer();
    void tmrComputer_Timer();
    void answerArrived(quint64 request, computer::Move move);
    void makeMoveIfReady();

    computer::Level m_level = computer::Level::Normal;
    // Its choice of cards.
    std::optional<Offer> m_offer;
    Marks m_marks{};
    int m_chooseStep = 0;
    // Its move.
    bool m_onTurn = false;
    bool m_paced = false;
    bool m_inFront = false;
    qint64 m_began = 0;
    computer::Position m_position;
    std::optional<computer::Move> m_move;
    quint64 m_request = 0;
    bool m_pending = false;
    std::function<void()> m_gate;
    QThreadPool m_pool;
};
